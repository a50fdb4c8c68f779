// The conflict monitor: once a second in Run, the phase each ring shows green or yellow on the
// window's lamps is checked against the conflict rule; a conflict puts the controller into
// conflict flash.

#include "engine/frmMain.h"

namespace corvane {

void frmMain::TimerConflict_Timer() {
    // Only once the Configuration window has been saved with eight phases does the monitor check.
    if (lCurrentStatus != OperatingMode::Run || tables_.ConfiguredPhasesInUse != 8) {
        return;
    }
    if (!IsTrue(VekHasConflict(ActivePhaseOfRing(1), ActivePhaseOfRing(2)))) {
        return;
    }
    lCurrentStatus = OperatingMode::ConflictDetected;
    policePanel.SelectMode(OperatingMode::ConflictDetected);
    VekStartFlash();
    display.ConflictLED.SetLit(true);
}

std::int32_t frmMain::ActivePhaseOfRing(std::int32_t ring) const {
    for (std::int32_t phase = (ring - 1) * 4 + 1; phase <= ring * 4; ++phase) {
        if (display.Green[phase - 1].Lit() || display.Yellow[phase - 1].Lit()) {
            return phase;
        }
    }
    return 0;
}

Flag frmMain::VekHasConflict(std::int32_t lRing1Phase, std::int32_t lRing2Phase) const {
    return ToFlag(conflictRule_ && conflictRule_(lRing1Phase, lRing2Phase));
}

}  // namespace corvane
