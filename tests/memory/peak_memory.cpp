#include "peak_memory.h"

#include <fstream>
#include <string>

namespace kalvenor::memory_test {

long peakResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with("VmHWM:")) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

int verdict(const char* what, int earlyGames, long earlyKiB, int allGames, long finalKiB) {
    std::printf("%s: peak resident memory %ld KiB after %d games, %ld KiB after %d games\n", what, earlyKiB,
                earlyGames, finalKiB, allGames);
    if (earlyKiB <= 0 || finalKiB * 10 > earlyKiB * 11) {
        std::printf("%s: memory grew by more than 10 %%\n", what);
        return 1;
    }
    return 0;
}

}  // namespace kalvenor::memory_test
