#pragma once

#include <cstdint>
#include <string>

#include "controls/Control.h"
#include "controls/IndexedControls.h"
#include "engine/ControllerTables.h"
#include "engine/modFunctions.h"
#include "preview/IntersectionPreview.h"

// The controls of the controller window and the rules that place and show them: the status
// window, the twelve load-switch panels with their lamps, CALL buttons and call indicators, and
// the CONFLICT, FLASH and (hidden) COM indicators. The engine writes captions and lamps here;
// the window draws exactly this and nothing else. All positions are in twips; lamp positions
// are relative to their panel, indicator positions to their frame.

namespace corvane {

class MainWindowDisplay {
public:
    MainWindowDisplay();

    // Places the picture, the status window and the indicator row.
    void LayoutStatusWindow();
    // Places the twelve load-switch panels side by side, their lamps, indicators and CALL buttons,
    // captions them from the load-switch tables and sizes the window to hold them.
    void LayoutLoadSwitches(std::int32_t height, std::int32_t top, const ControllerTables& tables);
    // Shows the panels, ring row and preview turn heads for `n` phases in use (2, 3, 4 or 8; any
    // other number leaves the panels as they are).
    void ApplyPhasesInUse(std::int32_t n, IntersectionPreview& preview);

    void SetLamps(std::int32_t loadSwitch, bool red, bool yellow, bool green);
    // What the lamps of a load switch show: "R", "Y", "G", "RG" (red and green) or "O" (dark).
    std::string LampCode(std::int32_t loadSwitch) const;

    ControlEvents events;
    FormGeometry geometry;
    // The window itself: visible from its load until it is closed.
    Control form;

    Control Image1;
    Frame fraStatusWindow;
    IndexedControls<Label> lblLegend;
    Label lblDate;
    Label lblTime;
    Label lblStatus;
    Label lblCurrentProgram;
    IndexedControls<Label> lblRing;
    IndexedControls<Label> lblPhase;
    IndexedControls<Label> lblInterval;
    IndexedControls<Label> lblTimeLeft;
    Frame fraConflict;
    Shape ConflictLED;
    Label lblConflict;
    Frame fraFlash;
    Shape Flash1LED;
    Label lblFlash;
    Shape LEDFastFlash;
    Frame fraCOMPort;
    Shape COMPortTXLED;
    IndexedControls<Frame> fraLoadSwitch;
    IndexedControls<Shape> Red;
    IndexedControls<Shape> Yellow;
    IndexedControls<Shape> Green;
    IndexedControls<CommandButton> cmdCall;
    IndexedControls<Shape> LEDCall;
};

}  // namespace corvane
