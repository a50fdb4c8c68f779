#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace corvane {

// The corvane-settings command line: the five store operations, init, dump, import and
// delete-value over the real store. `arguments` excludes the program name. Returns the exit
// status: 0 for success or true, 1 for false or a missing value, 2 for an error (explained on
// `err`).
int RunSettingsTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace corvane
