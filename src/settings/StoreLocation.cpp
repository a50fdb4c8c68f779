#include "settings/StoreLocation.h"

#include <cstdlib>

namespace corvane {

std::string DefaultStorePath() {
    const char* fromEnvironment = std::getenv("CORVANE_STORE");
    if (fromEnvironment != nullptr && *fromEnvironment != '\0') {
        return fromEnvironment;
    }
    return "/var/lib/corvane/settings.db";
}

}  // namespace corvane
