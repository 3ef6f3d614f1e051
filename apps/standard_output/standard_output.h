#pragma once

// The last step of a program that writes to standard output: a write that failed (a full disk, a
// closed output) must not end as a success, or a transcript cut short would pass for a whole one.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace kalvenor {

// The exit status when the output was lost.
inline constexpr int kOutputLost = 1;

// Flushes standard output. True when everything written to it arrived; otherwise says so on
// standard error ("kalvenor-script: cannot write to standard output: No space left on device").
inline bool standardOutputArrived(const char* program) {
    errno = 0;
    std::cout.flush();
    const bool streamWritten = !std::cout.fail();
    const bool flushed = std::fflush(stdout) == 0;
    const int error = errno;
    if (streamWritten && flushed && std::ferror(stdout) == 0) {
        return true;
    }
    std::fprintf(stderr, "%s: cannot write to standard output%s%s\n", program, error != 0 ? ": " : "",
                 error != 0 ? std::strerror(error) : "");
    return false;
}

// `status`, unless the output was lost: then kOutputLost.
inline int exitStatusAfterOutput(const char* program, int status) {
    return standardOutputArrived(program) ? status : kOutputLost;
}

}  // namespace kalvenor
