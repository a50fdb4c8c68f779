#include "ui/DesktopWindows.h"

namespace corvane {

DesktopWindows::DesktopWindows(CorvaneProgram& program, ScreenSize screen, std::function<void()> onClosed)
    : splash_(program.Loader(), screen), about_(screen) {
    program.onLoaderTick.push_back([this] { splash_.Refresh(); });
    program.onMainWindowCreated.push_back([this, onClosed](frmMain& main) {
        policePanel_ = std::make_unique<PolicePanelWindow>(main.policePanel);
        main_ = std::make_unique<MainWindow>(main, *policePanel_, about_, onClosed);
    });
    program.onMainWindowLoaded.push_back([this](frmMain&) {
        splash_.hide();
        main_->ApplyGeometry();
        main_->show();
    });
}

}  // namespace corvane
