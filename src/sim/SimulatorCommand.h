#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace corvane {

// The corvane-sim command line; `arguments` excludes the program name. The trace goes to `out`,
// problems to `err`. Returns the exit status: 0 after the run, 2 for a wrong command line, a
// malformed script or a store that cannot be used.
int RunSimulator(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace corvane
