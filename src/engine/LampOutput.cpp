// Lamp output: every lamp change goes through OutputIndication, which paints the window's lamps,
// queues the relay messages and updates the simulated intersection.

#include "engine/IntervalRules.h"
#include "engine/frmMain.h"
#include "settings/SettingsAccess.h"

namespace corvane {

void frmMain::OutputIndication(std::int32_t loadSwitch, const std::string& indication) {
    const basINIRegistry::ReadGroup oneLook(registry_);
    const std::string shown = policePanel.LightsOff() ? "O" : indication;
    std::string relayCode = shown;
    if (shown == "R") {
        display.SetLamps(loadSwitch, true, false, false);
    } else if (shown == "Y") {
        // Two-colour heads show the change interval as red and green together.
        if (ReadSetting(registry_, Setting::ColorMode).ToDouble() == 2) {
            display.SetLamps(loadSwitch, true, false, true);
            relayCode = "RG";
        } else {
            display.SetLamps(loadSwitch, false, true, false);
        }
    } else if (shown == "G") {
        display.SetLamps(loadSwitch, false, false, true);
    } else {
        display.SetLamps(loadSwitch, false, false, false);
        relayCode = "O";
    }
    relay.QueueRelayLamps(loadSwitch, relayCode);
    preview_.ShowLampState(loadSwitch, shown == "R" || shown == "Y" || shown == "G" ? shown : "O");
    if (observer_) {
        observer_->LampsShown(loadSwitch, display.LampCode(loadSwitch));
    }
}

void frmMain::ApplyInterval(std::int32_t phase, std::int32_t interval) {
    // A ring order that is not four phase digits (only an outside edit makes one) names no phase.
    if (phase < 1 || phase > 8) {
        return;
    }
    const basINIRegistry::ReadGroup oneLook(registry_);
    const std::string vehicle = VehicleIndication(interval);
    const std::string pedestrian = PedestrianIndication(interval);
    LoadSwitch& record = PhaseRecord(phase);
    record.State = vehicle;
    const bool leftTurn = IsTrue(IsOdd(phase));
    if (!leftTurn) {
        ApplyPassiveLeftRule(phase, vehicle);
    }
    OutputIndication(record.Index, vehicle);
    if (leftTurn) {
        return;
    }
    LoadSwitch& ped = tables_.Peds[static_cast<std::size_t>(phase / 2 - 1)];
    const bool served = IsTrue(ped.Called) || IsTrue(ped.AutoInclude);
    if (pedestrian == "G") {
        display.LEDCall[ped.Index].SetLit(true);
        if (served) {
            ped.Flashing = kFalse;
            ped.State = "G";
        }
    } else if (pedestrian == "Y") {
        if (served) {
            ped.Flashing = kTrue;
            ped.State = "R";
        }
    } else {
        display.LEDCall[ped.Index].SetLit(true);
        ped.Flashing = kFalse;
        ped.State = "R";
        ped.Called = kFalse;
    }
    if (!IsTrue(ped.Flashing)) {
        OutputIndication(ped.Index, ped.State);
    }
}

void frmMain::AllRed() {
    for (LoadSwitch& phase : tables_.Phases) {
        phase.Flashing = kFalse;
        phase.State = "R";
        OutputIndication(phase.Index, "R");
    }
    for (LoadSwitch& ped : tables_.Peds) {
        ped.Flashing = kFalse;
        ped.State = "R";
        OutputIndication(ped.Index, "R");
    }
}

}  // namespace corvane
