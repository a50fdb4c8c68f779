#include "platform/VirtualTimerHost.h"

#include <algorithm>

#include "controls/Timer.h"

namespace corvane {

VirtualTimerHost::Entry* VirtualTimerHost::Find(const Timer& timer) {
    for (Entry& entry : timers_) {
        if (entry.timer == &timer) {
            return &entry;
        }
    }
    return nullptr;
}

void VirtualTimerHost::Register(Timer& timer) { timers_.push_back({&timer, false, 0}); }

void VirtualTimerHost::Unregister(Timer& timer) {
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(), [&](const Entry& entry) { return entry.timer == &timer; }),
                  timers_.end());
}

void VirtualTimerHost::Start(Timer& timer) {
    if (Entry* entry = Find(timer)) {
        entry->running = true;
        entry->dueMs = nowMs_ + timer.Interval();
    }
}

void VirtualTimerHost::Stop(Timer& timer) {
    if (Entry* entry = Find(timer)) {
        entry->running = false;
    }
}

void VirtualTimerHost::RunUntil(std::int64_t ms) {
    while (!stopRequested_) {
        // The earliest due tick; at one moment, the timer registered first.
        std::size_t next = timers_.size();
        for (std::size_t i = 0; i < timers_.size(); ++i) {
            if (timers_[i].running && (next == timers_.size() || timers_[i].dueMs < timers_[next].dueMs)) {
                next = i;
            }
        }
        if (next == timers_.size() || timers_[next].dueMs > ms) {
            break;
        }
        Entry& entry = timers_[next];
        nowMs_ = entry.dueMs;
        // The following tick is scheduled first, so that the tick itself may stop or restart it.
        entry.dueMs += entry.timer->Interval();
        Timer* timer = entry.timer;
        timer->Tick();
    }
    if (!stopRequested_ && ms > nowMs_) {
        nowMs_ = ms;
    }
}

}  // namespace corvane
