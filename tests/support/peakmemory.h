// Peak resident memory of this process so far, in KiB; -1 where the system
// does not say (no /proc).
#pragma once

#include <fstream>
#include <string>

namespace pelimor::test {

inline long peakRssKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

} // namespace pelimor::test
