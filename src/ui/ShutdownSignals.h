#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

// SIGINT and SIGTERM as an event on the window thread, so the program shuts down the way closing
// its window does instead of dying in the middle of a tick. One instance per process.

namespace corvane {

class ShutdownSignals {
public:
    explicit ShutdownSignals(std::function<void()> onSignal);
    ~ShutdownSignals();
    ShutdownSignals(const ShutdownSignals&) = delete;
    ShutdownSignals& operator=(const ShutdownSignals&) = delete;

private:
    std::function<void()> onSignal_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace corvane
