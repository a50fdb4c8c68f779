#pragma once

#include <cmath>
#include <compare>
#include <cstdint>
#include <string>

// A number with exactly four decimal places, held as a count of ten-thousandths in 64 bits.
// The sequencer's time left is one: counting down by 0.1 from any length stays exact, so an
// interval ends on the very tick its length says, however long it runs.

namespace corvane {

class FixedDecimal {
public:
    constexpr FixedDecimal() = default;

    static constexpr FixedDecimal FromTenThousandths(std::int64_t raw) { return FixedDecimal(raw); }
    static constexpr FixedDecimal FromTenths(std::int64_t tenths) {
        return FixedDecimal(tenths * 1000);
    }
    // Rounds to four decimal places, halves to the even neighbour. Values beyond the 64-bit
    // range, and NaN, give 0: a setting that is not a usable number counts as nothing.
    static FixedDecimal FromDouble(double value) {
        const double scaled = std::nearbyint(value * 10000.0);
        if (!(std::fabs(scaled) < 9.2e18)) {
            return FixedDecimal();
        }
        return FixedDecimal(static_cast<std::int64_t>(scaled));
    }

    constexpr std::int64_t TenThousandths() const { return raw_; }

    constexpr FixedDecimal& operator-=(FixedDecimal other) {
        raw_ -= other.raw_;
        return *this;
    }
    constexpr auto operator<=>(const FixedDecimal&) const = default;

    // The value with `decimals` (0 to 4) places, e.g. "2.5" or "-0.1000"; a dropped half rounds
    // away from zero, as a display of the value does.
    std::string Format(int decimals) const;

private:
    constexpr explicit FixedDecimal(std::int64_t raw) : raw_(raw) {}
    std::int64_t raw_ = 0;
};

}  // namespace corvane
