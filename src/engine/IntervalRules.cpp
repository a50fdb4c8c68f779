#include "engine/IntervalRules.h"

#include "engine/ControllerTables.h"
#include "engine/modFunctions.h"

namespace corvane {

std::string VehicleIndication(std::int32_t interval) {
    switch (interval) {
        case IntervalCode::Walk:
        case IntervalCode::PedClear:
        case IntervalCode::ExtendGreen:
            return "G";
        case IntervalCode::Yellow:
            return "Y";
        default:
            return "R";
    }
}

std::string PedestrianIndication(std::int32_t interval) {
    switch (interval) {
        case IntervalCode::Walk:
            return "G";
        case IntervalCode::PedClear:
        case IntervalCode::Yellow:
            return "Y";
        default:
            return "R";
    }
}

std::string IntervalCaption(std::int32_t interval, std::int32_t phase) {
    std::string caption;
    switch (interval) {
        case IntervalCode::Walk: caption = "Walk "; break;
        case IntervalCode::PedClear: caption = "Ped Clear "; break;
        case IntervalCode::ExtendGreen: caption = "Extend Grn"; break;
        case IntervalCode::Yellow: caption = "Yellow "; break;
        case IntervalCode::RedClear: caption = "Red Clear "; break;
        default: break;
    }
    if (IsTrue(IsOdd(phase)) && (interval == IntervalCode::Walk || interval == IntervalCode::PedClear)) {
        caption = "Green";
    }
    return UpperCase(caption);
}

}  // namespace corvane
