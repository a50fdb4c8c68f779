#include "engine/frmPolicePanel.h"

namespace corvane {

frmPolicePanel::frmPolicePanel(OperatingModeActions& controller, ScreenSize screen)
    : fraOperatingMode(events, "fraOperatingMode", "Operating Mode"),
      optMode(events, "optMode",
              {"Startup Flash", "Run", "Police Flash", "Program Flash", "4 Way Stop", "Conflict Detected",
               "Railroad Pre-Empt", "Manual Advance"},
              OperatingMode::FourWayStop),
      cmdNext(events, "cmdNext", "Next", false),
      fraLights(events, "fraLights", "Lights"),
      optLights(events, "optLights", {"On", "Off"}, kLightsOn),
      controller_(controller),
      screen_(screen) {
    // Modes the controller enters by itself are shown but cannot be chosen.
    optMode.Option(OperatingMode::StartupFlash).SetEnabled(false);
    optMode.Option(OperatingMode::ProgramFlash).SetEnabled(false);
    optMode.Option(OperatingMode::ConflictDetected).SetEnabled(false);
    optMode.Option(OperatingMode::RailroadPreEmpt).SetVisible(false);
    LayOut();
    optMode.SetClickHandler([this](int index) { ApplyOperatingMode(index); });
    optLights.SetClickHandler([this](int index) { optLights_Click(index); });
}

void frmPolicePanel::LayOut() {
    // Positions in twips: the mode options in a column, Next beside "Manual Advance", the two
    // light switches in a frame of their own on the right.
    fraOperatingMode.Move({120, 60, 3495, 3855});
    for (int i = 0; i < optMode.Count(); ++i) {
        optMode.Option(i).Move({180, 300 + i * 435, 2175, 375});
    }
    cmdNext.Move({2415, optMode.Option(OperatingMode::ManualAdvance).Rect().Top - 15, 960, 405});
    fraLights.Move({3735, 60, 1200, 1695});
    optLights.Option(kLightsOn).Move({180, 300, 840, 555});
    optLights.Option(kLightsOff).Move({180, 975, 840, 555});
}

void frmPolicePanel::EnsureLoaded() {
    if (loaded_) {
        return;
    }
    // Loaded from here on: the mode applied below updates lamps, which ask the panel again.
    loaded_ = true;
    ApplyOperatingMode(controller_.CurrentStatus());
    optMode.Select(controller_.CurrentStatus());
    CenterForm(geometry, screen_);
}

void frmPolicePanel::ShowFromMenu() {
    EnsureLoaded();
    shown = true;
    CenterForm(geometry, screen_);
    Form_GotFocus();
}

void frmPolicePanel::Form_GotFocus() {
    optMode.Select(controller_.CurrentStatus());
    CenterForm(geometry, screen_);
}

void frmPolicePanel::SelectMode(std::int32_t code) {
    EnsureLoaded();
    optMode.Select(code);
}

bool frmPolicePanel::LightsOff() {
    EnsureLoaded();
    return optLights.IsSelected(kLightsOff);
}

bool frmPolicePanel::FourWayStopSelected() {
    EnsureLoaded();
    return optMode.IsSelected(OperatingMode::FourWayStop);
}

void frmPolicePanel::ApplyOperatingMode(std::int32_t code) {
    cmdNext.SetEnabled(false);
    switch (code) {
        case OperatingMode::StartupFlash:
        case OperatingMode::PoliceFlash:
        case OperatingMode::ProgramFlash:
            controller_.VekStartFlash();
            break;
        case OperatingMode::Run:
            controller_.StartRun();
            break;
        case OperatingMode::FourWayStop:
        case OperatingMode::ConflictDetected:
        case OperatingMode::RailroadPreEmpt:
            controller_.VekLightsOut();
            controller_.AllRed();
            controller_.VekStartFlash();
            break;
        case OperatingMode::ManualAdvance: {
            const std::int32_t present = controller_.CurrentStatus();
            if (present == OperatingMode::StartupFlash ||
                (present >= OperatingMode::PoliceFlash && present <= OperatingMode::RailroadPreEmpt)) {
                controller_.VekEndFlash();
            }
            cmdNext.SetEnabled(true);
            break;
        }
        default:
            break;
    }
    controller_.SetCurrentStatus(code);
}

void frmPolicePanel::optLights_Click(int index) {
    if (index == kLightsOff) {
        controller_.VekLightsOut();
        return;
    }
    const std::int32_t status = controller_.CurrentStatus();
    if (status == OperatingMode::Run || status == OperatingMode::ManualAdvance) {
        controller_.AllRed();
        controller_.ApplyInterval(controller_.Ring(0).Phase, controller_.Ring(0).Interval);
        controller_.ApplyInterval(controller_.Ring(1).Phase, controller_.Ring(1).Interval);
    }
}

bool frmPolicePanel::ClickMode(int index) {
    EnsureLoaded();
    return optMode.Click(index);
}

bool frmPolicePanel::ClickLights(int index) {
    EnsureLoaded();
    return optLights.Click(index);
}

bool frmPolicePanel::ClickNext() {
    if (!cmdNext.CanClick()) {
        return false;
    }
    ++controller_.Ring(0).Interval;
    ++controller_.Ring(1).Interval;
    controller_.ManualAdvanceStep();
    return true;
}

}  // namespace corvane
