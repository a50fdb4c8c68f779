#pragma once

#include <QMainWindow>
#include <functional>

#include "engine/frmMain.h"
#include "ui/ModelWidgets.h"

// The controller window: draws the engine's display model (status window, load-switch panels,
// indicators) and turns the operator's CALL presses and menu choices into engine calls. It keeps
// no controller state of its own.

namespace corvane {

class PolicePanelWindow;
class frmAbout;

class MainWindow final : public QMainWindow {
public:
    // `onClosed` runs after the window has closed and the controller has shut down.
    MainWindow(frmMain& main, PolicePanelWindow& policePanel, frmAbout& about, std::function<void()> onClosed);

    // Takes the place and size the model gives the window.
    void ApplyGeometry();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void BuildStatusWindow(QWidget* form);
    void BuildIndicators(QWidget* form);
    void BuildLoadSwitches(QWidget* form);
    void BuildMenus();

    frmMain& main_;
    PolicePanelWindow& policePanel_;
    frmAbout& about_;
    std::function<void()> onClosed_;
    ModelWidgets widgets_;
    QWidget* form_;
};

}  // namespace corvane
