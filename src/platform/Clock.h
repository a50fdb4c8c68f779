#pragma once

// The calendar and clock: the present local date and time. The desktop reads the system's; the
// simulator's starts at a chosen moment and follows virtual time.

namespace corvane {

struct LocalDateTime {
    int Year = 2000;
    int Month = 1;    // 1 to 12
    int Day = 1;      // 1 to 31
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Weekday = 6;  // 0 Sunday … 6 Saturday

    bool operator==(const LocalDateTime&) const = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() const = 0;
};

}  // namespace corvane
