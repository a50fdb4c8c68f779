#pragma once

#include <cstdint>

#include "controls/Control.h"
#include "controls/OptionGroup.h"
#include "engine/OperatingModeActions.h"
#include "engine/modFunctions.h"

// The police panel: the operator's view of the operating mode, with the lights switch and the
// manual-advance Next button. It is also part of the controller's state, because the lamp output
// reads its "Off" and the flash logic its "4 Way Stop"; so the panel loads, hidden, the first
// time the controller asks it anything, and loading applies the controller's present mode.
// Selecting a mode option, by a click or from the controller's code, applies that mode.

namespace corvane {

class frmPolicePanel {
public:
    static constexpr int kLightsOn = 0;
    static constexpr int kLightsOff = 1;

    frmPolicePanel(OperatingModeActions& controller, ScreenSize screen);

    // Loads the window if it is not loaded yet: applies the present mode and selects its option.
    void EnsureLoaded();
    // The menu's "Police Panel": shown, centred and given the focus.
    void ShowFromMenu();
    // The window received the focus: shows the present mode, applying it if the selection moves.
    void Form_GotFocus();

    // Selects a mode option from the controller's code (loading the panel first).
    void SelectMode(std::int32_t code);
    bool LightsOff();
    bool FourWayStopSelected();

    void ApplyOperatingMode(std::int32_t code);
    // The operator's clicks: false, with nothing done, when the option or button is disabled or
    // hidden.
    bool ClickMode(int index);
    bool ClickLights(int index);
    bool ClickNext();

    ControlEvents events;
    FormGeometry geometry{0, 0, 5055, 4395};
    bool shown = false;
    Frame fraOperatingMode;
    OptionGroup optMode;
    CommandButton cmdNext;
    Frame fraLights;
    OptionGroup optLights;

private:
    void LayOut();
    void optLights_Click(int index);

    OperatingModeActions& controller_;
    ScreenSize screen_;
    bool loaded_ = false;
};

}  // namespace corvane
