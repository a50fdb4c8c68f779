#pragma once

#include <QTimer>
#include <map>
#include <memory>

#include "platform/TimerHost.h"

// The windows' timers on Qt's event loop: one precise QTimer per timer, on the window thread,
// so ticks never overlap each other or the windows' events.

namespace corvane {

class QtTimerHost final : public TimerHost {
public:
    void Register(Timer& timer) override;
    void Unregister(Timer& timer) override;
    void Start(Timer& timer) override;
    void Stop(Timer& timer) override;

private:
    std::map<const Timer*, std::unique_ptr<QTimer>> timers_;
};

}  // namespace corvane
