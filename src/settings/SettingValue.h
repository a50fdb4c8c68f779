#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Flag.h"

// What a read of the settings store gives: a stored text, or the empty result when the value is
// missing or cannot be read. The conversions are the ones every reader uses: the empty result is
// 0, off or "". A stored text that is not a number is treated like the empty result where a
// number or flag is wanted (the program never writes such a text; only outside edits make one).

namespace corvane {

// The number a text holds: optional surrounding spaces, an optional sign, decimal digits with
// an optional fraction and exponent. Anything else, or nothing, is not a number.
std::optional<double> ParseNumber(std::string_view text);

class SettingValue {
public:
    SettingValue() = default;  // the empty result
    explicit SettingValue(std::string text) : text_(std::move(text)) {}

    bool IsEmpty() const { return !text_.has_value(); }
    // The stored text; "" for the empty result.
    const std::string& Text() const;
    // The number, 0 when empty or not a number.
    double ToDouble() const;
    // The number rounded to a whole number (halves to even); 0 when empty, not a number or
    // outside the 32-bit range.
    std::int32_t ToLong() const;
    // False for "0", the empty result and a text that is not a number; True for other numbers.
    Flag ToFlag() const;

private:
    std::optional<std::string> text_;
};

}  // namespace corvane
