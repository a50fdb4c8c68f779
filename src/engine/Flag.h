#pragma once

#include <cstdint>

// The controller's 16-bit flags: True is -1 and False is 0, and a test for True compares with -1.
// In the settings store the same flags are the texts "1" and "0".

namespace corvane {

using Flag = std::int16_t;

inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;

constexpr Flag ToFlag(bool value) { return value ? kTrue : kFalse; }
constexpr bool IsTrue(Flag flag) { return flag == kTrue; }

}  // namespace corvane
