#include "platform/VirtualClock.h"

#include <charconv>

namespace corvane {
namespace {

// Days since 1970-01-01 of a civil date, and back (the proleptic Gregorian calendar).
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2));
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

}  // namespace

LocalDateTime AddSeconds(const LocalDateTime& start, std::int64_t seconds) {
    const std::int64_t total = DaysFromCivil(start.Year, start.Month, start.Day) * 86400 + start.Hour * 3600 +
                               start.Minute * 60 + start.Second + seconds;
    const std::int64_t days = FloorDiv(total, 86400);
    const std::int64_t secondOfDay = total - days * 86400;
    LocalDateTime result;
    CivilFromDays(days, result.Year, result.Month, result.Day);
    result.Hour = static_cast<int>(secondOfDay / 3600);
    result.Minute = static_cast<int>(secondOfDay / 60 % 60);
    result.Second = static_cast<int>(secondOfDay % 60);
    const std::int64_t weekday = (days + 4) % 7;  // 1970-01-01 was a Thursday
    result.Weekday = static_cast<int>(weekday < 0 ? weekday + 7 : weekday);
    return result;
}

LocalDateTime VirtualClock::Now() const { return AddSeconds(start_, elapsedMs_() / 1000); }

std::optional<LocalDateTime> ParseLocalDateTime(std::string_view text) {
    // Exactly YYYY-MM-DD HH:MM:SS.
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':' ||
        text[16] != ':') {
        return std::nullopt;
    }
    // Each field is its digits only: no sign, no spaces.
    auto field = [&](std::size_t at, std::size_t length, int& value) {
        for (std::size_t i = at; i < at + length; ++i) {
            if (text[i] < '0' || text[i] > '9') {
                return false;
            }
        }
        std::from_chars(text.data() + at, text.data() + at + length, value);
        return true;
    };
    LocalDateTime moment;
    if (!field(0, 4, moment.Year) || !field(5, 2, moment.Month) || !field(8, 2, moment.Day) ||
        !field(11, 2, moment.Hour) || !field(14, 2, moment.Minute) || !field(17, 2, moment.Second)) {
        return std::nullopt;
    }
    if (moment.Month < 1 || moment.Month > 12 || moment.Day < 1 || moment.Hour > 23 || moment.Minute > 59 ||
        moment.Second > 59) {
        return std::nullopt;
    }
    // A day past the month's end (31 April) comes back as another date.
    const LocalDateTime normalised = AddSeconds(moment, 0);
    if (normalised.Day != moment.Day) {
        return std::nullopt;
    }
    return normalised;
}

}  // namespace corvane
