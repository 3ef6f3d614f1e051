#pragma once

// Peak resident memory of this process, and the verdict of a soak: after all the games it may
// exceed the peak after the first ones by at most a tenth.

#include <cstdio>

namespace kalvenor::memory_test {

// VmHWM of /proc/self/status, in KiB; 0 if it cannot be read.
long peakResidentKiB();

// Prints both figures; 0 when the final peak is within 10 % of the early one, else 1.
int verdict(const char* what, int earlyGames, long earlyKiB, int allGames, long finalKiB);

}  // namespace kalvenor::memory_test
