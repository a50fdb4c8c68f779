#pragma once

#include <cstdint>

#include "engine/ControllerTables.h"

// The controller operations the police panel calls to change the operating mode.

namespace corvane {

class OperatingModeActions {
public:
    virtual ~OperatingModeActions() = default;
    virtual std::int32_t CurrentStatus() const = 0;
    virtual void SetCurrentStatus(std::int32_t code) = 0;
    virtual RingState& Ring(int index) = 0;  // 0 or 1
    virtual void VekStartFlash() = 0;
    virtual void VekEndFlash() = 0;
    virtual void VekLightsOut() = 0;
    virtual void StartRun() = 0;
    virtual void AllRed() = 0;
    virtual void ApplyInterval(std::int32_t phase, std::int32_t interval) = 0;
    virtual void ManualAdvanceStep() = 0;
};

}  // namespace corvane
