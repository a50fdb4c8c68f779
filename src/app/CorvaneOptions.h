#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "sim/TraceWriter.h"

// The corvane command line.

namespace corvane {

struct CorvaneOptions {
    std::string storePath;                    // empty: $CORVANE_STORE or the per-machine default
    bool headless = false;
    std::optional<std::set<TraceKind>> trace;  // none: no trace
    std::string screenshotDirectory;          // set: render every window to PNG files and exit
    bool version = false;
    bool help = false;
};

// The options, or nothing with `error` saying what is wrong.
std::optional<CorvaneOptions> ParseCorvaneOptions(const std::vector<std::string>& arguments, std::string& error);

extern const char* const kCorvaneUsage;

}  // namespace corvane
