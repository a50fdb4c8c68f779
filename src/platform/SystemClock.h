#pragma once

#include <ctime>

#include "platform/Clock.h"

// The system's local date and time.

namespace corvane {

class SystemClock final : public Clock {
public:
    LocalDateTime Now() const override {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                local.tm_min,         local.tm_sec,     local.tm_wday};
    }
};

}  // namespace corvane
