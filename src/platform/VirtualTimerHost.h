#pragma once

#include <cstdint>
#include <vector>

#include "platform/TimerHost.h"

// Timers in virtual time, for tests and the simulator: nothing runs until RunUntil moves the
// virtual clock, which then fires every due tick in time order; ticks due at the same moment
// fire in the order their timers registered. A day of controller time runs in seconds, and every
// run is exactly repeatable.

namespace corvane {

class VirtualTimerHost final : public TimerHost {
public:
    std::int64_t NowMs() const { return nowMs_; }

    void Register(Timer& timer) override;
    void Unregister(Timer& timer) override;
    void Start(Timer& timer) override;
    void Stop(Timer& timer) override;

    // Fires every tick due at or before `ms`, then leaves the clock at `ms`; returns early,
    // with the clock at the last tick, once RequestStop was called.
    void RunUntil(std::int64_t ms);
    // Ends the run in progress after the present tick (the program was closed).
    void RequestStop() { stopRequested_ = true; }

private:
    // A program has a handful of timers, in registration order; a scan finds the next due one
    // faster than any ordered container would.
    struct Entry {
        Timer* timer;
        bool running;
        std::int64_t dueMs;
    };
    Entry* Find(const Timer& timer);

    std::int64_t nowMs_ = 0;
    std::vector<Entry> timers_;
    bool stopRequested_ = false;
};

}  // namespace corvane
