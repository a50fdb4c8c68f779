#include "engine/FixedDecimal.h"

#include <cstdlib>

namespace corvane {

std::string FixedDecimal::Format(int decimals) const {
    if (decimals < 0) {
        decimals = 0;
    } else if (decimals > 4) {
        decimals = 4;
    }
    std::int64_t divisor = 1;
    for (int i = decimals; i < 4; ++i) {
        divisor *= 10;
    }
    // Round the magnitude to the requested places, halves away from zero.
    const bool negative = raw_ < 0;
    const std::uint64_t magnitude =
        negative ? static_cast<std::uint64_t>(0) - static_cast<std::uint64_t>(raw_) : raw_;
    const std::uint64_t udivisor = static_cast<std::uint64_t>(divisor);
    std::uint64_t units = magnitude / udivisor;
    const std::uint64_t remainder = magnitude % udivisor;
    if (remainder * 2 >= udivisor) {
        ++units;
    }
    std::uint64_t scale = 1;
    for (int i = 0; i < decimals; ++i) {
        scale *= 10;
    }
    std::string text = (negative && units != 0) ? "-" : "";
    text += std::to_string(units / scale);
    if (decimals > 0) {
        std::string fraction = std::to_string(units % scale);
        text += '.';
        text.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
        text += fraction;
    }
    return text;
}

}  // namespace corvane
