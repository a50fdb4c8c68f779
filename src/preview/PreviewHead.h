#pragma once

#include <array>
#include <cstdint>
#include <string>

// The signal heads of the simulated intersection: which load switch drives each one, and how it
// is drawn. These tables outlive the intersection window, so its heads keep their assignment
// while it is closed.

namespace corvane {

struct PreviewHead {
    std::int32_t LoadSwitchIndex = 0;  // 0 to 11, -1 for none
    std::string HeadKind;              // "LEFT", "BALL" or "RIGHT"
    std::int32_t PositionPercent = 0;  // across the approach panel
    std::int32_t TurnStyle = 0;        // 0 to 5 for a turn head, -1 for a through head
};

struct PreviewTables {
    // Index = approach * 4 + slot; approaches Southbound, Westbound, Eastbound, Northbound;
    // slots left turn, two through heads, right turn.
    std::array<PreviewHead, 16> PreviewHeads;
    // Two per approach; only LoadSwitchIndex and PositionPercent are used.
    std::array<PreviewHead, 9> PreviewPedHeads;
};

}  // namespace corvane
