#include "controls/Timer.h"

namespace corvane {

Timer::Timer(TimerHost& host, std::string name, int intervalMs, std::function<void()> onTick)
    : host_(host), name_(std::move(name)), intervalMs_(intervalMs), onTick_(std::move(onTick)) {
    host_.Register(*this);
}

Timer::~Timer() {
    if (enabled_) {
        host_.Stop(*this);
    }
    host_.Unregister(*this);
}

void Timer::SetEnabled(bool enabled) {
    if (enabled_ == enabled) {
        return;
    }
    enabled_ = enabled;
    if (enabled) {
        host_.Start(*this);
    } else {
        host_.Stop(*this);
    }
}

}  // namespace corvane
