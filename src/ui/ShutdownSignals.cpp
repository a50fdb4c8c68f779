#include "ui/ShutdownSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>

namespace corvane {
namespace {

// The handler may only write to the pipe; the event loop reads it and does the work.
int gSignalPipe[2] = {-1, -1};

void WriteToPipe(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(gSignalPipe[1], &byte, 1);
}

}  // namespace

ShutdownSignals::ShutdownSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
    if (pipe2(gSignalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(gSignalPipe[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        char byte;
        while (read(gSignalPipe[0], &byte, 1) == 1) {
        }
        onSignal_();
    });
    struct sigaction action {};
    action.sa_handler = WriteToPipe;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

ShutdownSignals::~ShutdownSignals() {
    signal(SIGINT, SIG_DFL);
    signal(SIGTERM, SIG_DFL);
    notifier_.reset();
    for (int& end : gSignalPipe) {
        if (end >= 0) {
            close(end);
            end = -1;
        }
    }
}

}  // namespace corvane
