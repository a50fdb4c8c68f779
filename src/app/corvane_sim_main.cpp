#include <iostream>
#include <string>
#include <vector>

#include "sim/SimulatorCommand.h"

int main(int argc, char** argv) {
    // The trace can be long; a large buffer keeps writing it cheap.
    static char buffer[1 << 16];
    std::cout.rdbuf()->pubsetbuf(buffer, sizeof buffer);
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return corvane::RunSimulator(arguments, std::cout, std::cerr);
}
