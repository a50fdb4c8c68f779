#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "platform/Clock.h"

// A clock that reads a start moment plus the elapsed virtual time. Local time without daylight
// saving changes: the virtual calendar runs evenly.

namespace corvane {

class VirtualClock final : public Clock {
public:
    VirtualClock(LocalDateTime start, std::function<std::int64_t()> elapsedMs)
        : start_(start), elapsedMs_(std::move(elapsedMs)) {}
    LocalDateTime Now() const override;

private:
    LocalDateTime start_;
    std::function<std::int64_t()> elapsedMs_;
};

// `seconds` after `start` on an even calendar, weekday included.
LocalDateTime AddSeconds(const LocalDateTime& start, std::int64_t seconds);

// "YYYY-MM-DD HH:MM:SS", a real date and time of day; nothing for anything else.
std::optional<LocalDateTime> ParseLocalDateTime(std::string_view text);

}  // namespace corvane
