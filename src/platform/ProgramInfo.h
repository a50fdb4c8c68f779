#pragma once

#include <string>

// The program's name and version, shown in captions, message titles, the splash and About windows.

namespace corvane {

inline constexpr const char* kProgramTitle = "Corvane";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 1;
inline constexpr int kVersionRevision = 2;

inline std::string VersionLine() {
    return "Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision);
}

}  // namespace corvane
