#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The relay interface's wire format. Every message is an ASCII text ended by one carriage
// return: "CPA00000000" once after opening, "F0" for all terminals off, "N" or "F" followed by a
// terminal number to switch one terminal on or off.

namespace corvane {

inline constexpr std::string_view kRelayInitialise = "CPA00000000";
inline constexpr std::string_view kRelayAllOff = "F0";
inline constexpr char kRelayTerminator = '\r';

// The terminal groups: two three-lamp vehicle heads and one pedestrian head.
enum class RelayGroup { VehicleA, VehicleB, PedestrianA };

// The first terminal of the group following `loadSwitch`, or 0 when none does. Vehicle head B
// wins over A when both name the same load switch; vehicle heads take only phases (below 8), the
// pedestrian head only pedestrian load switches (above 7).
std::int32_t FirstRelayTerminal(std::int32_t loadSwitch, std::int32_t phaseA, std::int32_t phaseB,
                                std::int32_t pedA);

// The messages that show lamp code `code` ("R", "Y", "G", "RG"; anything else is dark) on the
// group starting at `firstTerminal`. A vehicle head gets three, red, yellow and green in terminal
// order; the pedestrian head gets two, Don't Walk on its first terminal and Walk on its second.
// A head going dark switches its highest terminal off first.
std::vector<std::string> RelayLampMessages(std::int32_t firstTerminal, std::string_view code);

}  // namespace corvane
