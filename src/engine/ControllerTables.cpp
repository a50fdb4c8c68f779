#include "engine/ControllerTables.h"

namespace corvane {

std::string VekGetStatusName(std::int32_t lStatusCode) {
    static const char* const kNames[] = {"Startup Flash", "run",         "Police Flash",
                                         "Program flash", "4 way Stop",  "Conflict Detected",
                                         "Railroad Pre-Empt", "Manual Advance"};
    if (lStatusCode < 0 || lStatusCode >= static_cast<std::int32_t>(std::size(kNames))) {
        return {};
    }
    return kNames[lStatusCode];
}

std::int32_t PhaseAtPosition(std::int32_t order, std::int32_t position) {
    const std::string digits = std::to_string(order);
    if (position < 1 || position > static_cast<std::int32_t>(digits.size())) {
        return 0;
    }
    const char digit = digits[static_cast<std::size_t>(position - 1)];
    return digit >= '0' && digit <= '9' ? digit - '0' : 0;
}

}  // namespace corvane
