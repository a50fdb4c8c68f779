#include <iostream>
#include <string>
#include <vector>

#include "app/SettingsTool.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return corvane::RunSettingsTool(arguments, std::cout, std::cerr);
}
