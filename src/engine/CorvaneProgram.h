#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "controls/Timer.h"
#include "engine/ControllerTables.h"
#include "engine/frmMain.h"
#include "preview/PreviewHead.h"
#include "settings/ColorPalette.h"
#include "settings/StartupLoader.h"

// The whole program as it starts: the start-up window's twenty 50 ms loading steps, then the
// controller window, loaded and running until it is closed. The desktop program runs it on real
// timers with its windows drawing the models; the simulator runs it in virtual time.

namespace corvane {

class CorvaneProgram {
public:
    explicit CorvaneProgram(const ControllerServices& services);

    // Loads the start-up window: its timer starts the loading steps.
    void Start();
    // Called after each loading step, for the start-up window to show its progress.
    std::vector<std::function<void()>> onLoaderTick;
    // Called with the controller window just before it loads, so a view or a trace sees the
    // whole load; and once it has loaded.
    std::vector<std::function<void(frmMain&)>> onMainWindowCreated;
    std::vector<std::function<void(frmMain&)>> onMainWindowLoaded;

    const StartupLoader& Loader() const { return loader_; }
    StartupLoader& Loader() { return loader_; }
    // Null until the loading steps have finished.
    frmMain* MainWindow() { return main_.get(); }

    ControllerTables tables;
    PreviewTables preview;
    ColorPalette palette;

private:
    void Timer1_Timer();

    ControllerServices services_;
    StartupLoader loader_;
    Timer Timer1;
    std::unique_ptr<frmMain> main_;
};

}  // namespace corvane
