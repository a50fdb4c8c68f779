#pragma once

#include <array>
#include <cstdint>
#include <string>

// The named colours of the simulated intersection's housings and poles. The store keeps only a
// slot number for each; this table turns it into a name and a colour.

namespace corvane {

struct PaletteColor {
    std::string ColorName;
    std::int32_t RedLevel = 0;
    std::int32_t BlueLevel = 0;
    std::int32_t GreenLevel = 0;
};

// Nine slots; until BuildColorPalette runs every slot is black without a name.
using ColorPalette = std::array<PaletteColor, 9>;

// Fills slots 0 to 5; slots 6 to 8 stay empty.
void BuildColorPalette(ColorPalette& palette);

}  // namespace corvane
