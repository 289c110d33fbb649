// Runs quorbals-sim's main function in the test process and keeps what it
// printed.
#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/sim/simulation.h"

namespace quorbals::sim::testing {

struct RunResult {
    int status;
    std::string out;
    std::string err;
};

inline RunResult RunSim(std::vector<std::string_view> args) {
    std::ostringstream out, err;
    const int status = SimMain(args, out, err);
    return {status, out.str(), err.str()};
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace quorbals::sim::testing
