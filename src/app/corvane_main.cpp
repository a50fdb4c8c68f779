// corvane: the desktop controller, its headless variant for a cabinet PC, and the screenshots.

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QScreen>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>

#include "app/CorvaneOptions.h"
#include "app/HeadlessStatus.h"
#include "engine/CorvaneProgram.h"
#include "platform/MessageTee.h"
#include "platform/ProgramInfo.h"
#include "platform/SerialLineTap.h"
#include "platform/StreamMessageSink.h"
#include "platform/SystemClock.h"
#include "platform/TermiosSerialLine.h"
#include "preview/IntersectionPreview.h"
#include "settings/SettingsAccess.h"
#include "settings/SqliteSettingsStore.h"
#include "settings/StoreLocation.h"
#include "sim/Simulation.h"
#include "sim/TraceWriter.h"
#include "ui/DesktopWindows.h"
#include "ui/MessageBoxSink.h"
#include "ui/QtTimerHost.h"
#include "ui/ShutdownSignals.h"
#include "ui/Twips.h"

namespace corvane {
namespace {

// A screen for a program without one: 1920 x 1080 pixels.
constexpr ScreenSize kHeadlessScreen{28800, 16200};

ScreenSize PrimaryScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return kHeadlessScreen;
    }
    const QRect area = screen->availableGeometry();
    return {PixelsToTwips(area.width()), PixelsToTwips(area.height())};
}

// COM1 and COM2 are the first two serial ports unless an administrator names other devices.
std::function<std::string(int)> DeviceOfPort(basINIRegistry& registry) {
    return [&registry](int port) {
        const SettingDefinition& device = Definition(Setting::PortDevice, port == 2 ? 2 : 1);
        const std::string key = KeyPathOf(device);
        if ((port == 1 || port == 2) && registry.RegValueExists(HKEY_LOCAL_MACHINE, key, device.name)) {
            return registry.GetRegValue(HKEY_LOCAL_MACHINE, key, device.name).Text();
        }
        return "/dev/ttyS" + std::to_string(port - 1);
    };
}

// Everything a running controller needs besides its windows, on real time and a real port.
class RunningController {
public:
    RunningController(SettingsStore& store, MessageSink& shown, const CorvaneOptions& options, ScreenSize screen,
                      std::chrono::steady_clock::time_point started)
        : started_(started),
          trace_(options.trace ? std::make_unique<TraceWriter>(std::cout, *options.trace, [this] { return ElapsedMs(); },
                                                               TraceWriter::Flush::kEachLine)
                               : nullptr),
          messages_(shown,
                    [this](std::string_view text) {
                        if (trace_) {
                            trace_->Message(text);
                        }
                    }),
          registry_(store, messages_),
          port_(DeviceOfPort(registry_), messages_),
          line_(port_,
                [this](std::string_view bytes) {
                    if (trace_) {
                        trace_->RelayWritten(bytes);
                    }
                }),
          program_(ControllerServices{registry_, timers_, clock_, line_, messages_, preview_, screen}) {
        if (trace_) {
            program_.onMainWindowCreated.push_back([this](frmMain& main) { trace_->Follow(main); });
        }
    }

    CorvaneProgram& Program() { return program_; }
    TimerHost& Timers() { return timers_; }
    // The shut-down of closing the controller window, when it is open.
    void ShutDown() {
        if (frmMain* main = program_.MainWindow(); main != nullptr && main->display.form.Visible()) {
            main->Form_Unload();
        }
        std::cout.flush();
    }

private:
    std::int64_t ElapsedMs() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started_)
            .count();
    }

    std::chrono::steady_clock::time_point started_;
    std::unique_ptr<TraceWriter> trace_;
    MessageTee messages_;
    basINIRegistry registry_;
    QtTimerHost timers_;
    SystemClock clock_;
    TermiosSerialLine port_;
    SerialLineTap line_;
    NoIntersectionPreview preview_;
    CorvaneProgram program_;
};

std::string StoreProblem(const std::string& path, const std::string& error) {
    return "Corvane cannot use its settings store " + path + ":\n" + error;
}

// The moment the program started, from which its trace counts.
const std::chrono::steady_clock::time_point kStarted = std::chrono::steady_clock::now();

int RunDesktop(int argc, char** argv, const CorvaneOptions& options, const std::string& storePath) {
    QApplication app(argc, argv);
    OpenedStore opened = SqliteSettingsStore::Open(storePath);
    if (!opened.store) {
        QMessageBox::warning(nullptr, QString::fromUtf8(kProgramTitle),
                             QString::fromStdString(StoreProblem(storePath, opened.error)));
        return 2;
    }
    MessageBoxSink boxes;
    const ScreenSize screen = PrimaryScreen();
    RunningController controller(*opened.store, boxes, options, screen, kStarted);
    DesktopWindows windows(controller.Program(), screen, [&app] { app.quit(); });
    ShutdownSignals shutdownOnSignal([&] {
        controller.ShutDown();
        app.quit();
    });
    controller.Program().Start();
    windows.Splash().show();
    return app.exec();
}

int RunHeadless(int argc, char** argv, const CorvaneOptions& options, const std::string& storePath) {
    QCoreApplication app(argc, argv);
    OpenedStore opened = SqliteSettingsStore::Open(storePath);
    if (!opened.store) {
        std::cerr << "corvane: " << StoreProblem(storePath, opened.error) << '\n';
        return 2;
    }
    StreamMessageSink printed(std::cerr, "corvane: ");
    RunningController controller(*opened.store, printed, options, kHeadlessScreen, kStarted);
    HeadlessStatus status(controller.Timers(), controller.Program(), std::cout);
    ShutdownSignals shutdownOnSignal([&] {
        controller.ShutDown();
        app.quit();
    });
    controller.Program().Start();
    status.Start();
    return app.exec();
}

// Draws the windows of a program started on a fresh store, in virtual time, so the pictures are
// the same on every machine: the start-up window halfway, then the controller in Run.
int RunScreenshots(int argc, char** argv, const std::string& directory) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    const std::filesystem::path storeFolder =
        std::filesystem::temp_directory_path() / ("corvane-screenshot-" + std::to_string(getpid()));
    std::filesystem::remove_all(storeFolder, error);
    OpenedStore opened = SqliteSettingsStore::Open((storeFolder / "settings.db").string());
    if (!opened.store) {
        std::cerr << "corvane: " << opened.error << '\n';
        return 2;
    }
    int status = 0;
    {
        Simulation simulation(*opened.store, *ParseLocalDateTime("2026-12-07 07:00:00"));
        DesktopWindows windows(simulation.Program(), Simulation::kScreen, [] {});
        auto save = [&](QWidget& window, const char* name) {
            const QString file = QDir(QString::fromStdString(directory)).filePath(QString::fromUtf8(name));
            if (!window.grab().save(file)) {
                std::cerr << "corvane: cannot write " << file.toStdString() << '\n';
                status = 2;
            }
        };
        windows.Splash().show();
        simulation.RunUntil(450);
        save(windows.Splash(), "splash.png");
        simulation.RunUntil(13'350);  // phase 2 and phase 6 walking
        save(*windows.Main(), "main-run.png");
        simulation.Main()->MenuPolicePanel();
        windows.PolicePanel()->ShowFromModel();
        save(*windows.PolicePanel(), "police-panel.png");
        windows.About().ShowCentred();
        save(windows.About(), "about.png");
    }
    opened.store.reset();
    std::filesystem::remove_all(storeFolder, error);
    return status;
}

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
    using namespace corvane;
    std::string error;
    const std::optional<CorvaneOptions> options =
        ParseCorvaneOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "corvane: " << error << "\n\n" << kCorvaneUsage;
        return 2;
    }
    if (options->help) {
        std::cout << kCorvaneUsage;
        return 0;
    }
    if (options->version) {
        std::cout << kProgramTitle << ' ' << VersionLine() << '\n';
        return 0;
    }
    if (!options->screenshotDirectory.empty()) {
        return RunScreenshots(argc, argv, options->screenshotDirectory);
    }
    const std::string storePath = options->storePath.empty() ? DefaultStorePath() : options->storePath;
    return options->headless ? RunHeadless(argc, argv, *options, storePath)
                             : RunDesktop(argc, argv, *options, storePath);
}
