#include "ui/QtTimerHost.h"

#include "controls/Timer.h"

namespace corvane {

void QtTimerHost::Register(Timer& timer) {
    auto qtTimer = std::make_unique<QTimer>();
    qtTimer->setTimerType(Qt::PreciseTimer);
    qtTimer->setInterval(timer.Interval());
    QObject::connect(qtTimer.get(), &QTimer::timeout, [&timer] { timer.Tick(); });
    timers_[&timer] = std::move(qtTimer);
}

void QtTimerHost::Unregister(Timer& timer) { timers_.erase(&timer); }

void QtTimerHost::Start(Timer& timer) { timers_.at(&timer)->start(); }

void QtTimerHost::Stop(Timer& timer) { timers_.at(&timer)->stop(); }

}  // namespace corvane
