#pragma once

// Runs a script in-process and keeps what it wrote.

#include <sstream>
#include <string>

#include "script_runner.h"

namespace kalvenor::script {

struct ScriptResult {
    int exitStatus = 0;
    std::string out;
    std::string err;
};

inline ScriptResult runText(const std::string& script, bool echo = false) {
    std::istringstream input(script);
    std::ostringstream out;
    std::ostringstream err;
    const int status = runScript(input, out, err, echo);
    return {status, out.str(), err.str()};
}

}  // namespace kalvenor::script
