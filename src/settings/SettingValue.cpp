#include "settings/SettingValue.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace corvane {

std::optional<double> ParseNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // from_chars would also take "inf", "nan" and hexadecimal forms; a setting is plain decimal.
    if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '.')) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

const std::string& SettingValue::Text() const {
    static const std::string empty;
    return text_ ? *text_ : empty;
}

double SettingValue::ToDouble() const {
    return text_ ? ParseNumber(*text_).value_or(0.0) : 0.0;
}

std::int32_t SettingValue::ToLong() const {
    const double rounded = std::nearbyint(ToDouble());
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max()) {
        return 0;
    }
    return static_cast<std::int32_t>(rounded);
}

Flag SettingValue::ToFlag() const { return corvane::ToFlag(ToDouble() != 0.0); }

}  // namespace corvane
