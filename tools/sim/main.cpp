// quorbals-sim: plays games headlessly with a simple bot, for testing the
// rules at speed and for comparing traces line by line.
#include <iostream>
#include <string_view>
#include <vector>

#include "tools/sim/simulation.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string_view> args(argv + 1, argv + argc);
    return quorbals::sim::SimMain(args, std::cout, std::cerr);
}
