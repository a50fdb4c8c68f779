#pragma once

#include <QRect>
#include <cmath>
#include <cstdint>

#include "controls/Control.h"

// The models lay out in twips; the views draw at 15 twips per logical pixel (96 dpi). Halves
// round to the even neighbour, as everywhere else in the program.

namespace corvane {

inline constexpr double kTwipsPerPixel = 15.0;

inline int TwipsToPixels(std::int32_t twips) { return static_cast<int>(std::nearbyint(twips / kTwipsPerPixel)); }
inline std::int32_t PixelsToTwips(int pixels) { return static_cast<std::int32_t>(pixels * kTwipsPerPixel); }

inline QRect TwipsToPixels(const TwipsRect& rect) {
    return {TwipsToPixels(rect.Left), TwipsToPixels(rect.Top), TwipsToPixels(rect.Width), TwipsToPixels(rect.Height)};
}

}  // namespace corvane
