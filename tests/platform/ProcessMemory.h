#pragma once
// How much memory this process holds resident, for the long runs that report it.

#include <fstream>
#include <string>

namespace dealmoor::testing {

// The resident set in kB from /proc/self/status; -1 when it cannot be read.
inline long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

} // namespace dealmoor::testing
