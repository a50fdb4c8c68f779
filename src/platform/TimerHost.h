#pragma once

// Runs the timers of the windows. A timer asks its host to start it when it is enabled and to
// stop it when it is disabled; from the start the host calls Timer::Tick once per interval until
// stopped. The desktop's host runs real timers on the window thread; the simulator's advances a
// virtual clock and fires due timers in a fixed order. Ticks never overlap.

namespace corvane {

class Timer;

class TimerHost {
public:
    virtual ~TimerHost() = default;
    // Gives each timer its rank: timers due at the same moment tick in the order they registered.
    virtual void Register(Timer& timer) = 0;
    virtual void Unregister(Timer& timer) = 0;
    virtual void Start(Timer& timer) = 0;
    virtual void Stop(Timer& timer) = 0;
};

}  // namespace corvane
