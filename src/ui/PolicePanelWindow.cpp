#include "ui/PolicePanelWindow.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "ui/Twips.h"

namespace corvane {

PolicePanelWindow::PolicePanelWindow(frmPolicePanel& panel)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      panel_(panel),
      widgets_(panel.events) {
    setWindowTitle(QStringLiteral("Police Panel"));

    auto* modes = new QGroupBox(this);
    widgets_.BindGroup(panel.fraOperatingMode, modes);
    for (int i = 0; i < panel.optMode.Count(); ++i) {
        auto* option = new QRadioButton(modes);
        widgets_.BindOption(panel.optMode, i, option);
        // A refused click (a disabled option cannot be clicked anyway) leaves the model as it
        // was; showing the model again undoes the button's own toggle.
        connect(option, &QRadioButton::clicked, this, [this, i] {
            panel_.ClickMode(i);
            widgets_.SyncAll();
        });
    }
    auto* next = new QPushButton(modes);
    widgets_.BindButton(panel.cmdNext, next);
    connect(next, &QPushButton::clicked, this, [this] { panel_.ClickNext(); });

    auto* lights = new QGroupBox(this);
    widgets_.BindGroup(panel.fraLights, lights);
    for (int i = 0; i < panel.optLights.Count(); ++i) {
        auto* option = new QPushButton(lights);
        widgets_.BindOption(panel.optLights, i, option);
        connect(option, &QPushButton::clicked, this, [this, i] {
            panel_.ClickLights(i);
            widgets_.SyncAll();
        });
    }
    ApplyGeometry();
}

void PolicePanelWindow::ShowFromModel() {
    ApplyGeometry();
    show();
    raise();
    activateWindow();
}

void PolicePanelWindow::ApplyGeometry() {
    const FormGeometry& geometry = panel_.geometry;
    setFixedSize(TwipsToPixels(geometry.Width), TwipsToPixels(geometry.Height));
    move(TwipsToPixels(geometry.Left), TwipsToPixels(geometry.Top));
}

bool PolicePanelWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        panel_.Form_GotFocus();
        ApplyGeometry();
    }
    return QWidget::event(event);
}

void PolicePanelWindow::closeEvent(QCloseEvent* event) {
    // The panel stays loaded for the life of the program: the controller reads its switches.
    panel_.shown = false;
    event->accept();
}

}  // namespace corvane
