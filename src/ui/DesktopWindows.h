#pragma once

#include <functional>
#include <memory>

#include "engine/CorvaneProgram.h"
#include "ui/frmAbout.h"
#include "ui/MainWindow.h"
#include "ui/PolicePanelWindow.h"
#include "ui/frmSplash.h"

// The program's windows over its models: the start-up window while the loader runs, then the
// controller window with its police panel and About window. They follow the program as it
// starts, whether its timers are real or virtual.

namespace corvane {

class DesktopWindows {
public:
    // `onClosed` runs when the operator has closed the controller window.
    DesktopWindows(CorvaneProgram& program, ScreenSize screen, std::function<void()> onClosed);

    frmSplash& Splash() { return splash_; }
    frmAbout& About() { return about_; }
    // Null until the controller window exists.
    MainWindow* Main() { return main_.get(); }
    PolicePanelWindow* PolicePanel() { return policePanel_.get(); }

private:
    frmSplash splash_;
    frmAbout about_;
    std::unique_ptr<PolicePanelWindow> policePanel_;
    std::unique_ptr<MainWindow> main_;
};

}  // namespace corvane
