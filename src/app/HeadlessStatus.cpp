#include "app/HeadlessStatus.h"

namespace corvane {
namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

HeadlessStatus::HeadlessStatus(TimerHost& timers, CorvaneProgram& program, std::ostream& out)
    : program_(program), out_(out), timer_(timers, "TimerStatusRows", 1000, [this] { Print(); }) {}

void HeadlessStatus::Print() {
    frmMain* main = program_.MainWindow();
    // Until the first main tick has filled the status rows, the loader's progress says more.
    if (main == nullptr || main->display.lblDate.Caption().empty()) {
        out_ << "starting: " << program_.Loader().StatusText() << std::endl;
        return;
    }
    const MainWindowDisplay& display = main->display;
    out_ << Trimmed(display.lblDate.Caption()) << "  " << Trimmed(display.lblTime.Caption()) << "  "
         << Trimmed(display.lblStatus.Caption());
    if (display.lblCurrentProgram.Visible()) {
        out_ << "  program " << Trimmed(display.lblCurrentProgram.Caption());
    }
    for (int ring = 0; ring < 2; ++ring) {
        // Flashing clears the ring rows; a hidden ring row is not in use.
        if (display.lblRing[ring].Visible() && !display.lblPhase[ring].Caption().empty()) {
            out_ << "  | ring " << display.lblRing[ring].Caption() << ": phase " << display.lblPhase[ring].Caption()
                 << ' ' << Trimmed(display.lblInterval[ring].Caption()) << ' ' << display.lblTimeLeft[ring].Caption();
        }
    }
    out_ << std::endl;
}

}  // namespace corvane
