#pragma once

// The script files named on the command line, read as one script.

#include <span>
#include <string>

namespace kalvenor::script {

// Every file in order, each ending in a line feed, as one text. Reads them all before anything
// runs; throws ScriptError naming the first file that cannot be read.
std::string readScriptFiles(std::span<const std::string> paths);

}  // namespace kalvenor::script
