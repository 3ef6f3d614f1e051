#pragma once

// What the transcript tests share: where the source tree is, and the script inside a transcript.

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

namespace kalvenor::testing {

// A folder of the source tree; CTest names the tree in KALVENOR_SOURCE_DIR.
inline std::filesystem::path sourceFolder(const std::filesystem::path& relative) {
    const char* source = std::getenv("KALVENOR_SOURCE_DIR");
    return std::filesystem::path(source != nullptr ? source : ".") / relative;
}

// A transcript shows each script line as "> LINE" above its output; the script is those lines.
inline std::string scriptOf(const std::string& transcript) {
    std::istringstream lines(transcript);
    std::string script;
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("> ", 0) == 0) {
            script += line.substr(2) + '\n';
        }
    }
    return script;
}

}  // namespace kalvenor::testing
