// Flashing and lights-out: the two flashers with their two circuits, the operations that start
// and end flashing, and the passive-left rule that flashes a left-turn head red during its
// through phase's green or yellow.

#include "engine/frmMain.h"
#include "field/RelayProtocol.h"
#include "settings/SettingsAccess.h"

namespace corvane {

void frmMain::VekStartFlash() {
    // Load switches are addressed by their fixed numbers here, not by the records' Index fields:
    // the first lights-out of the window's load comes before those fields are filled.
    for (std::int32_t phase = 1; phase <= 8; ++phase) {
        display.LEDCall[phase - 1].SetLit(false);
        PhaseRecord(phase).Flashing = kTrue;
    }
    for (int ring = 0; ring < 2; ++ring) {
        display.lblPhase[ring].SetCaption("");
        display.lblInterval[ring].SetCaption("");
        display.lblTimeLeft[ring].SetCaption("");
    }
    VekLightsOut();
    VekToggleRYGFlashing(1);
    TimerConflict.SetEnabled(false);
    display.ConflictLED.SetLit(false);
}

void frmMain::VekEndFlash() {
    lCurrentStatus = OperatingMode::Run;
    policePanel.SelectMode(OperatingMode::Run);
}

void frmMain::VekLightsOut() {
    relay.Enqueue(std::string(kRelayAllOff));
    for (std::int32_t loadSwitch = 0; loadSwitch < kLoadSwitchCount; ++loadSwitch) {
        LoadSwitch& record = loadSwitch < kFirstPedLoadSwitch
                                 ? tables_.Phases[static_cast<std::size_t>(loadSwitch)]
                                 : tables_.Peds[static_cast<std::size_t>(loadSwitch - kFirstPedLoadSwitch)];
        record.Flashing = kFalse;
        OutputIndication(loadSwitch, "O");
    }
}

void frmMain::VekToggleRYGFlashing(std::int32_t lMode) {
    for (LoadSwitch& phase : tables_.Phases) {
        phase.Flashing = ToFlag(lMode != 0);
    }
}

void frmMain::TimerFlash_Timer() {
    const basINIRegistry::ReadGroup oneLook(registry_);
    display.Flash1LED.Toggle();
    const std::int32_t circuit = display.Flash1LED.Lit() ? 1 : 2;
    for (LoadSwitch& phase : tables_.Phases) {
        if (!IsTrue(phase.Flashing)) {
            continue;
        }
        if (phase.FlashCircuit != circuit) {
            OutputIndication(phase.Index, "O");
        } else {
            OutputIndication(phase.Index, policePanel.FourWayStopSelected() ? "R" : phase.FlashColor);
        }
    }
    for (LoadSwitch& ped : tables_.Peds) {
        if (IsTrue(ped.Flashing)) {
            OutputIndication(ped.Index, ped.FlashCircuit == circuit ? ped.FlashColor : "O");
        }
    }
}

void frmMain::TimerFastFlash_Timer() {
    const basINIRegistry::ReadGroup oneLook(registry_);
    display.LEDFastFlash.Toggle();
    const std::int32_t circuit = display.LEDFastFlash.Lit() ? 1 : 2;
    auto flashGreen = [&](LoadSwitch& loadSwitch) {
        if (loadSwitch.State == "G" && IsTrue(loadSwitch.Flashing)) {
            OutputIndication(loadSwitch.Index, loadSwitch.FlashCircuit == circuit ? "G" : "O");
        }
    };
    for (LoadSwitch& phase : tables_.Phases) {
        flashGreen(phase);
    }
    for (LoadSwitch& ped : tables_.Peds) {
        flashGreen(ped);
    }
}

void frmMain::ApplyPassiveLeftRule(std::int32_t evenPhase, const std::string& indication) {
    const std::int32_t partner = evenPhase - 1;
    LoadSwitch& left = PhaseRecord(partner);
    auto ruleOn = [&](Setting rule) { return ReadSetting(registry_, rule, partner).ToDouble() == 1; };
    if (indication == "G") {
        if (ruleOn(Setting::FlashRedOnGreen)) {
            left.Flashing = kTrue;
        }
    } else if (indication == "Y") {
        if (ruleOn(Setting::FlashRedOnYellow)) {
            left.Flashing = kTrue;
        } else if (IsTrue(left.Flashing)) {
            left.Flashing = kFalse;
            OutputIndication(left.Index, "R");
        }
    } else {
        left.Flashing = kFalse;
        OutputIndication(left.Index, "R");
    }
}

// Next in manual advance moves the rings' interval codes only; nothing is shown until the lamps
// are next applied.
void frmMain::ManualAdvanceStep() {}

}  // namespace corvane
