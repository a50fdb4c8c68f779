#pragma once

#include <cstdint>
#include <string_view>

#include "engine/ControllerTables.h"

// What the controller reports as it runs, besides its controls: for the trace of the simulator
// and of `corvane --trace`. Every method is called right after the event, on the window thread.

namespace corvane {

class EngineObserver {
public:
    virtual ~EngineObserver() = default;
    virtual void StatusChanged(std::int32_t lCurrentStatus) = 0;
    virtual void ProgramChanged(std::int32_t lCurrentProgram) = 0;
    // A ring began an interval in the sequencer; `caption` is its status-window caption.
    virtual void IntervalBegan(std::int32_t ring, const RingState& state, std::string_view caption) = 0;
    // A load switch was painted; `lamps` is what its lamps show: "R", "Y", "G", "RG" or "O".
    virtual void LampsShown(std::int32_t loadSwitch, std::string_view lamps) = 0;
};

}  // namespace corvane
