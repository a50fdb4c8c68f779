#include "ui/MainWindow.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGroupBox>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

#include "platform/ProgramInfo.h"
#include "ui/frmAbout.h"
#include "ui/Artwork.h"
#include "ui/PolicePanelWindow.h"
#include "ui/Twips.h"

namespace corvane {
namespace {

const QColor kLampRed(255, 0, 0);
const QColor kLampYellow(255, 255, 0);
const QColor kLampGreen(0, 192, 0);
const QColor kFlashOrange(255, 128, 0);

QLabel* StatusLabel(QWidget* parent, double points, const QColor& background, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    label->setFont(font);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, kLampRed);
    label->setPalette(palette);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

}  // namespace

MainWindow::MainWindow(frmMain& main, PolicePanelWindow& policePanel, frmAbout& about,
                       std::function<void()> onClosed)
    : main_(main),
      policePanel_(policePanel),
      about_(about),
      onClosed_(std::move(onClosed)),
      widgets_(main.display.events),
      form_(new QWidget(this)) {
    setWindowTitle(QString::fromUtf8(kProgramTitle));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setCentralWidget(form_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    BuildStatusWindow(form_);
    BuildIndicators(form_);
    BuildLoadSwitches(form_);
    BuildMenus();
    ApplyGeometry();
}

void MainWindow::BuildStatusWindow(QWidget* form) {
    MainWindowDisplay& display = main_.display;
    auto* picture = new QLabel(form);
    picture->setScaledContents(true);
    picture->setPixmap(SignalArtwork(QSize(TwipsToPixels(2950), TwipsToPixels(2950))));
    widgets_.Bind(display.Image1, picture);

    auto* status = new QWidget(form);
    status->setAutoFillBackground(true);
    QPalette black = status->palette();
    black.setColor(QPalette::Window, Qt::black);
    status->setPalette(black);
    widgets_.Bind(display.fraStatusWindow, status);

    const QColor grey(0xC0, 0xC0, 0xC0);
    for (int i = 0; i < display.lblLegend.Count(); ++i) {
        widgets_.BindLabel(display.lblLegend[i], StatusLabel(status, 9.75, grey, Qt::AlignLeft));
    }
    widgets_.BindLabel(display.lblDate, StatusLabel(status, 18, Qt::black, Qt::AlignLeft));
    widgets_.BindLabel(display.lblTime, StatusLabel(status, 18, Qt::black, Qt::AlignLeft));
    widgets_.BindLabel(display.lblStatus, StatusLabel(status, 18, Qt::black, Qt::AlignLeft));
    widgets_.BindLabel(display.lblCurrentProgram, StatusLabel(status, 18, Qt::black, Qt::AlignRight));
    for (int ring = 0; ring < 2; ++ring) {
        widgets_.BindLabel(display.lblRing[ring], StatusLabel(status, 18, Qt::black, Qt::AlignHCenter));
        widgets_.BindLabel(display.lblPhase[ring], StatusLabel(status, 18, Qt::black, Qt::AlignHCenter));
        widgets_.BindLabel(display.lblInterval[ring], StatusLabel(status, 18, Qt::black, Qt::AlignLeft));
        widgets_.BindLabel(display.lblTimeLeft[ring], StatusLabel(status, 18, Qt::black, Qt::AlignRight));
    }
}

void MainWindow::BuildIndicators(QWidget* form) {
    MainWindowDisplay& display = main_.display;
    QFont captionFont(QStringLiteral("Arial"));
    captionFont.setPointSize(16);
    auto caption = [&](const Label& model, QWidget* parent) {
        auto* label = new QLabel(parent);
        label->setFont(captionFont);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        widgets_.BindLabel(model, label);
    };

    auto* conflict = new QWidget(form);
    widgets_.Bind(display.fraConflict, conflict);
    widgets_.BindLamp(display.ConflictLED, new LampWidget(kLampRed, conflict));
    caption(display.lblConflict, conflict);

    auto* flash = new QWidget(form);
    widgets_.Bind(display.fraFlash, flash);
    widgets_.BindLamp(display.Flash1LED, new LampWidget(kFlashOrange, flash));
    caption(display.lblFlash, flash);
    widgets_.BindLamp(display.LEDFastFlash, new LampWidget(kLampGreen, flash));

    auto* port = new QWidget(form);
    widgets_.Bind(display.fraCOMPort, port);
    widgets_.BindLamp(display.COMPortTXLED, new LampWidget(kLampRed, port));
}

void MainWindow::BuildLoadSwitches(QWidget* form) {
    MainWindowDisplay& display = main_.display;
    for (int i = 0; i < kLoadSwitchCount; ++i) {
        auto* panel = new QGroupBox(form);
        panel->setStyleSheet(QStringLiteral(
            "QGroupBox { background: black; border: 1px solid #808080; margin: 0px; font: 8pt 'Arial'; }"
            "QGroupBox::title { color: white; subcontrol-origin: padding; subcontrol-position: top center; }"));
        widgets_.BindGroup(display.fraLoadSwitch[i], panel);
        widgets_.BindLamp(display.Red[i], new LampWidget(kLampRed, panel));
        widgets_.BindLamp(display.Yellow[i], new LampWidget(kLampYellow, panel));
        widgets_.BindLamp(display.Green[i], new LampWidget(kLampGreen, panel));
        widgets_.BindLamp(display.LEDCall[i], new LampWidget(kLampRed, form));
        auto* call = new QPushButton(form);
        widgets_.BindButton(display.cmdCall[i], call);
        connect(call, &QPushButton::clicked, this, [this, i] { main_.ClickCall(i); });
    }
}

void MainWindow::BuildMenus() {
    QMenu* preview = menuBar()->addMenu(QStringLiteral("Preview"));
    // The editors and the simulated intersection come with later versions of the program.
    preview->addAction(QStringLiteral("Settings"))->setEnabled(false);
    preview->addAction(QStringLiteral("Show Intersection"))->setEnabled(false);
    QMenu* operation = menuBar()->addMenu(QStringLiteral("Operation Control"));
    operation->addAction(QStringLiteral("Programming"))->setEnabled(false);
    operation->addAction(QStringLiteral("Configuration"))->setEnabled(false);
    operation->addAction(QStringLiteral("COM Port Interface"))->setEnabled(false);
    connect(operation->addAction(QStringLiteral("Police Panel")), &QAction::triggered, this, [this] {
        main_.MenuPolicePanel();
        policePanel_.ShowFromModel();
    });
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    connect(help->addAction(QStringLiteral("About")), &QAction::triggered, this, [this] { about_.ShowCentred(); });
}

void MainWindow::ApplyGeometry() {
    const FormGeometry& geometry = main_.display.geometry;
    form_->setFixedSize(TwipsToPixels(geometry.Width), TwipsToPixels(geometry.Height));
    move(TwipsToPixels(geometry.Left), TwipsToPixels(geometry.Top));
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        main_.Form_GotFocus();
        ApplyGeometry();
    }
    return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    main_.Form_Unload();
    event->accept();
    if (onClosed_) {
        onClosed_();
    }
}

}  // namespace corvane
