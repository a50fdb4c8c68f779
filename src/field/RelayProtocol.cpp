#include "field/RelayProtocol.h"

#include "engine/ControllerTables.h"

namespace corvane {
namespace {

constexpr std::int32_t kVehicleA = 1;
constexpr std::int32_t kVehicleB = 4;
constexpr std::int32_t kPedestrianA = 7;

}  // namespace

std::int32_t FirstRelayTerminal(std::int32_t loadSwitch, std::int32_t phaseA, std::int32_t phaseB,
                                std::int32_t pedA) {
    std::int32_t first = 0;
    if (loadSwitch == phaseA && loadSwitch < kFirstPedLoadSwitch) {
        first = kVehicleA;
    }
    if (loadSwitch == phaseB && loadSwitch < kFirstPedLoadSwitch) {
        first = kVehicleB;
    }
    if (loadSwitch == pedA && loadSwitch >= kFirstPedLoadSwitch) {
        first = kPedestrianA;
    }
    return first;
}

std::vector<std::string> RelayLampMessages(std::int32_t firstTerminal, std::string_view code) {
    const bool pedestrian = firstTerminal == kPedestrianA;
    // The colour on each terminal of the group, in terminal order.
    const std::string_view colours = pedestrian ? "RG" : "RYG";
    const std::string_view lit = code == "R" || code == "Y" || code == "G" || code == "RG" ? code : "";

    std::vector<std::string> messages;
    bool anyLit = false;
    for (const char colour : colours) {
        anyLit |= lit.find(colour) != std::string_view::npos;
    }
    for (std::size_t i = 0; i < colours.size(); ++i) {
        // Dark goes from the highest terminal down; anything lit goes in terminal order.
        const std::size_t lamp = anyLit ? i : colours.size() - 1 - i;
        const bool on = lit.find(colours[lamp]) != std::string_view::npos;
        messages.push_back((on ? "N" : "F") + std::to_string(firstTerminal + static_cast<std::int32_t>(lamp)));
    }
    return messages;
}

}  // namespace corvane
