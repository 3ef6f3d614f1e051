// kalvenor-script: plays the game without a screen, one event a line, from the files named on the
// command line (in order, as one script) or from standard input. With --echo first, every line
// is repeated as "> LINE" above its output.

#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "script_files.h"
#include "script_line.h"
#include "script_runner.h"

int main(int argc, char** argv) {
    std::vector<std::string> paths(argv + 1, argv + argc);
    const bool echo = !paths.empty() && paths.front() == "--echo";
    if (echo) {
        paths.erase(paths.begin());
    }
    if (paths.empty()) {
        return kalvenor::script::runScript(std::cin, std::cout, std::cerr, echo);
    }
    try {
        std::istringstream input(kalvenor::script::readScriptFiles(paths));
        return kalvenor::script::runScript(input, std::cout, std::cerr, echo);
    } catch (const kalvenor::script::ScriptError& error) {
        std::cerr << "error: " << error.what() << '\n';
        return kalvenor::script::kScriptFailed;
    }
}
