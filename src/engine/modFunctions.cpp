#include "engine/modFunctions.h"

#include <cctype>
#include <cmath>

namespace corvane {

Flag IsOdd(std::int32_t n) {
    const double half = n / 2.0;
    return ToFlag(half != std::floor(half));
}

std::int32_t MinutesOfDay(const TimeOfDay& t) { return t.Hour * 60 + t.Minute; }

std::optional<TimeOfDay> MinutesToTime(std::int32_t m) {
    if (m < 0 || m > 23 * 60 + 59) {
        return std::nullopt;
    }
    return TimeOfDay{m / 60, m % 60, 0};
}

std::string UpperCase(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

void CenterForm(FormGeometry& w, const ScreenSize& screen) {
    // The differences are whole twips already; only the halves need rounding.
    w.Top = static_cast<std::int32_t>(std::nearbyint((screen.Height - w.Height) / 2.0));
    w.Left = static_cast<std::int32_t>(std::nearbyint((screen.Width - w.Width) / 2.0));
}

}  // namespace corvane
