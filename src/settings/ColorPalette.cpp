#include "settings/ColorPalette.h"

namespace corvane {

void BuildColorPalette(ColorPalette& palette) {
    // Fields in record order: name, red, blue, green.
    palette[0] = {"Battleship Grey", 195, 195, 195};
    palette[1] = {"Dark Green", 1, 95, 126};
    palette[2] = {"Medium Green", 0, 0, 128};
    palette[3] = {"Light Grey", 64, 64, 64};
    palette[4] = {"Federal Yellow", 231, 0, 207};
    palette[5] = {"Black", 0, 0, 0};
}

}  // namespace corvane
