#include "engine/ProgramSelection.h"

namespace corvane {

std::int32_t MinuteOfWeek(const TimeOfDay& time, std::int32_t dayIndex) {
    return dayIndex * 1440 + time.Hour * 60 + time.Minute;
}

std::int32_t ProgramForMinuteOfWeek(const std::array<ProgramSchedule, 13>& programs, std::int32_t now) {
    std::int32_t best = -1, bestMinute = 0, latest = 0, latestMinute = 0;
    for (std::int32_t program = 1; program <= 12; ++program) {
        const ProgramSchedule& entry = programs[static_cast<std::size_t>(program)];
        for (std::int32_t day = 0; day < 7; ++day) {
            if ((entry.Days & (1 << day)) == 0) {
                continue;
            }
            const std::int32_t minute = day * 1440 + entry.StartTime;
            if (minute > bestMinute && minute <= now) {
                best = program;
                bestMinute = minute;
            }
            if (minute > latestMinute) {
                latest = program;
                latestMinute = minute;
            }
        }
    }
    if (best > 0) {
        return best;
    }
    return latest > 0 ? latest : 0;
}

}  // namespace corvane
