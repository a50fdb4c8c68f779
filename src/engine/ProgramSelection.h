#pragma once

#include <array>
#include <cstdint>

#include "engine/ControllerTables.h"
#include "engine/modFunctions.h"

// Which timing program the time of day asks for: the program of the latest schedule entry at or
// before the present minute of the week (Sunday 00:00 is minute 0).

namespace corvane {

std::int32_t MinuteOfWeek(const TimeOfDay& time, std::int32_t dayIndex);

// Programs 1 to 12, each on every weekday set in its Days at its StartTime. Before the week's
// first entry the week's last entry holds (it started last week); with no entry after Sunday
// 00:00 program 0 runs. Among entries at the same minute the lowest program number wins.
std::int32_t ProgramForMinuteOfWeek(const std::array<ProgramSchedule, 13>& programs, std::int32_t now);

}  // namespace corvane
