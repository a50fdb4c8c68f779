#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/Flag.h"

// Small routines shared by the engine, the loader and the windows.

namespace corvane {

struct TimeOfDay {
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    bool operator==(const TimeOfDay&) const = default;
};

// A window's place and size in twips (1/1440 inch).
struct FormGeometry {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
};

struct ScreenSize {
    std::int32_t Width = 0;   // twips
    std::int32_t Height = 0;  // twips
};

// True for odd numbers, negative ones included; decides left-turn (odd) from through phases.
Flag IsOdd(std::int32_t n);

// Minutes after midnight of a time of day; seconds are ignored.
std::int32_t MinutesOfDay(const TimeOfDay& t);

// The time of day `m` minutes after midnight, for 0 <= m <= 1439; other values name no time of
// day and give nothing.
std::optional<TimeOfDay> MinutesToTime(std::int32_t m);

// The text in capitals, as the status window shows its captions.
std::string UpperCase(std::string text);

// Puts the window in the middle of the screen; halves round to the even neighbour, and a window
// larger than the screen gets a negative position.
void CenterForm(FormGeometry& w, const ScreenSize& screen);

}  // namespace corvane
