#pragma once

#include <functional>
#include <string>

#include "platform/TimerHost.h"

// A window's timer: while enabled, its host calls Tick once per interval. Enabling a running
// timer leaves its rhythm alone (the main tick re-enables the conflict timer ten times a second
// without ever delaying it); disabling and enabling again starts a new interval from now.

namespace corvane {

class Timer {
public:
    Timer(TimerHost& host, std::string name, int intervalMs, std::function<void()> onTick);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& Name() const { return name_; }
    int Interval() const { return intervalMs_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // Called by the host when the timer is due.
    void Tick() { onTick_(); }

private:
    TimerHost& host_;
    std::string name_;
    int intervalMs_;
    std::function<void()> onTick_;
    bool enabled_ = false;
};

}  // namespace corvane
