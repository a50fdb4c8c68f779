// The windows over a program running in virtual time: they show what the models say, and the
// operator's clicks reach the controller.

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "settings/SqliteSettingsStore.h"
#include "sim/Simulation.h"
#include "ui/DesktopWindows.h"
#include "ui/LampWidget.h"

using namespace corvane;

class WindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void theControllerWindowShowsItsModel();
    void theSplashShowsTheLoadersProgress();
    void policePanelClicksReachTheController();
    void theControllersOwnSelectionsShowOnThePanel();
    void theMenusOpenTheirWindows();
    void closingTheControllerWindowSwitchesTheRelaysOff();

private:
    void StartAndRunTo(std::int64_t ms);
    QAction* MenuAction(const QString& menu, const QString& item);
    template <typename Widget>
    Widget* Find(QWidget& window, const std::string& name) {
        auto* widget = window.findChild<Widget*>(QString::fromStdString(name));
        if (widget == nullptr) {
            qFatal("no widget named %s", name.c_str());
        }
        return widget;
    }

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<SqliteSettingsStore> store_;
    std::unique_ptr<Simulation> simulation_;
    std::unique_ptr<DesktopWindows> windows_;
    bool closed_ = false;
};

void WindowsTest::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    store_ = SqliteSettingsStore::Open(folder_->filePath(QStringLiteral("settings.db")).toStdString()).store;
    QVERIFY(store_ != nullptr);
    // A Monday morning: program 3 runs from the end of the start-up flash.
    simulation_ = std::make_unique<Simulation>(*store_, *ParseLocalDateTime("2026-12-07 07:00:00"));
    closed_ = false;
    windows_ = std::make_unique<DesktopWindows>(simulation_->Program(), Simulation::kScreen, [this] { closed_ = true; });
}

void WindowsTest::cleanup() {
    windows_.reset();
    simulation_.reset();
    store_.reset();
    folder_.reset();
}

void WindowsTest::StartAndRunTo(std::int64_t ms) {
    windows_->Splash().show();
    simulation_->RunUntil(ms);
}

QAction* WindowsTest::MenuAction(const QString& menu, const QString& item) {
    for (QAction* menuAction : windows_->Main()->menuBar()->actions()) {
        if (menuAction->text() == menu) {
            for (QAction* action : menuAction->menu()->actions()) {
                if (action->text() == item) {
                    return action;
                }
            }
        }
    }
    qFatal("no menu item %s", qPrintable(item));
}

void WindowsTest::theControllerWindowShowsItsModel() {
    StartAndRunTo(13'350);
    MainWindow& window = *windows_->Main();
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral("Corvane"));
    const MainWindowDisplay& display = simulation_->Main()->display;
    // Twice: once in Run, and again after the lamps and labels have moved on.
    for (const std::int64_t until : {13'350, 14'950}) {
        simulation_->RunUntil(until);
        for (int i = 0; i < kLoadSwitchCount; ++i) {
            const std::string index = "(" + std::to_string(i) + ")";
            QCOMPARE(Find<LampWidget>(window, "Red" + index)->Lit(), display.Red[i].Lit());
            QCOMPARE(Find<LampWidget>(window, "Yellow" + index)->Lit(), display.Yellow[i].Lit());
            QCOMPARE(Find<LampWidget>(window, "Green" + index)->Lit(), display.Green[i].Lit());
            QCOMPARE(Find<QGroupBox>(window, "fraLoadSwitch" + index)->title().toStdString(),
                     display.fraLoadSwitch[i].Caption());
            QCOMPARE(Find<QPushButton>(window, "cmdCall" + index)->isVisibleTo(&window), display.cmdCall[i].Visible());
        }
        for (const Label* label : {&display.lblStatus, &display.lblTime, &display.lblPhase[0], &display.lblInterval[1],
                                   &display.lblTimeLeft[0]}) {
            QCOMPARE(Find<QLabel>(window, label->Name())->text().toStdString(), label->Caption());
        }
    }
    QCOMPARE(Find<QLabel>(window, "lblStatus")->text(), QStringLiteral(" RUN"));
    QCOMPARE(Find<QLabel>(window, "lblInterval(0)")->text(), QStringLiteral("WALK "));
    QVERIFY(Find<LampWidget>(window, "Green(1)")->Lit());
    QVERIFY(!Find<QWidget>(window, "fraCOMPort")->isVisibleTo(&window));
    QVERIFY(!Find<LampWidget>(window, "LEDFastFlash")->isVisibleTo(&window));
}

void WindowsTest::theSplashShowsTheLoadersProgress() {
    StartAndRunTo(700);  // the 14th step
    frmSplash& splash = windows_->Splash();
    QVERIFY(splash.findChild<QProgressBar*>() != nullptr);
    QCOMPARE(splash.findChild<QProgressBar*>()->value(), 65);
    bool statusShown = false;
    for (const QLabel* label : splash.findChildren<QLabel*>()) {
        statusShown |= label->text() == QStringLiteral("Building Color Pallette");
    }
    QVERIFY(statusShown);
    simulation_->RunUntil(1'000);
    QVERIFY(!splash.isVisible());
    QVERIFY(windows_->Main()->isVisible());
}

void WindowsTest::policePanelClicksReachTheController() {
    StartAndRunTo(8'000);
    MenuAction(QStringLiteral("Operation Control"), QStringLiteral("Police Panel"))->trigger();
    PolicePanelWindow& panel = *windows_->PolicePanel();
    frmMain& main = *simulation_->Main();

    Find<QRadioButton>(panel, "optMode(2)")->click();
    QCOMPARE(static_cast<int>(main.lCurrentStatus), 2);
    QVERIFY(Find<QRadioButton>(panel, "optMode(2)")->isChecked());
    QVERIFY(!Find<QRadioButton>(panel, "optMode(1)")->isChecked());

    // A disabled option cannot be chosen: nothing changes.
    QVERIFY(!Find<QRadioButton>(panel, "optMode(3)")->isEnabled());

    Find<QRadioButton>(panel, "optMode(7)")->click();
    QCOMPARE(static_cast<int>(main.lCurrentStatus), 7);
    auto* next = Find<QPushButton>(panel, "cmdNext");
    QVERIFY(next->isEnabled());
    const std::int32_t interval = simulation_->Program().tables.Rings[0].Interval;
    next->click();
    QCOMPARE(simulation_->Program().tables.Rings[0].Interval, interval + 1);

    Find<QPushButton>(panel, "optLights(1)")->click();
    QVERIFY(Find<QPushButton>(panel, "optLights(1)")->isChecked());
    QVERIFY(!Find<QPushButton>(panel, "optLights(0)")->isChecked());
    for (int i = 0; i < kLoadSwitchCount; ++i) {
        QCOMPARE(main.display.LampCode(i), std::string("O"));
        QVERIFY(!Find<LampWidget>(*windows_->Main(), "Red(" + std::to_string(i) + ")")->Lit());
    }
}

void WindowsTest::theControllersOwnSelectionsShowOnThePanel() {
    StartAndRunTo(1'000);
    MenuAction(QStringLiteral("Operation Control"), QStringLiteral("Police Panel"))->trigger();
    PolicePanelWindow& panel = *windows_->PolicePanel();
    QVERIFY(Find<QRadioButton>(panel, "optMode(0)")->isChecked());
    QVERIFY(!Find<QRadioButton>(panel, "optMode(4)")->isChecked());
    QVERIFY(!Find<QRadioButton>(panel, "optMode(6)")->isVisibleTo(&panel));
    simulation_->RunUntil(6'000);
    QVERIFY(Find<QRadioButton>(panel, "optMode(1)")->isChecked());
    QVERIFY(!Find<QRadioButton>(panel, "optMode(0)")->isChecked());
}

void WindowsTest::theMenusOpenTheirWindows() {
    StartAndRunTo(1'000);
    for (const auto& [menu, item] : {std::pair{"Preview", "Settings"}, std::pair{"Preview", "Show Intersection"},
                                     std::pair{"Operation Control", "Programming"},
                                     std::pair{"Operation Control", "Configuration"},
                                     std::pair{"Operation Control", "COM Port Interface"}}) {
        QVERIFY(!MenuAction(QString::fromUtf8(menu), QString::fromUtf8(item))->isEnabled());
    }
    QVERIFY(!windows_->PolicePanel()->isVisible());
    MenuAction(QStringLiteral("Operation Control"), QStringLiteral("Police Panel"))->trigger();
    QVERIFY(windows_->PolicePanel()->isVisible());
    QCOMPARE(windows_->PolicePanel()->windowTitle(), QStringLiteral("Police Panel"));
    QVERIFY(!windows_->About().isVisible());
    MenuAction(QStringLiteral("&Help"), QStringLiteral("About"))->trigger();
    QVERIFY(windows_->About().isVisible());
}

void WindowsTest::closingTheControllerWindowSwitchesTheRelaysOff() {
    StartAndRunTo(6'000);
    frmMain& main = *simulation_->Main();
    QVERIFY(main.relay.TxQueue.Count() > 0);
    QVERIFY(windows_->Main()->close());
    QVERIFY(closed_);
    QCOMPARE(simulation_->Line().written.back(), std::string("F0\r"));
    QCOMPARE(main.relay.TxQueue.Count(), 0);
}

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
