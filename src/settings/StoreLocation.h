#pragma once

#include <string>

namespace corvane {

// Where the settings store lives: $CORVANE_STORE when set, else the per-machine default
// /var/lib/corvane/settings.db.
std::string DefaultStorePath();

}  // namespace corvane
