// kalvenor-script: plays the game without a screen, one event a line, from the files named on the
// command line (in order, as one script) or from standard input.

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "script_runner.h"

// With --echo first, every line is repeated as "> LINE" above its output.

int main(int argc, char** argv) {
    int first = 1;
    const bool echo = argc > 1 && std::string_view(argv[1]) == "--echo";
    if (echo) {
        ++first;
    }
    if (first >= argc) {
        return kalvenor::script::runScript(std::cin, std::cout, std::cerr, echo);
    }
    // Every file is read before anything runs, so that an unreadable one changes nothing.
    std::string script;
    for (int i = first; i < argc; ++i) {
        std::ifstream file(argv[i], std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        if (!file || file.bad()) {
            std::cerr << "error: cannot read " << argv[i] << '\n';
            return kalvenor::script::kScriptFailed;
        }
        script += text.str();
        if (!script.empty() && script.back() != '\n') {
            script += '\n';
        }
    }
    std::istringstream input(script);
    return kalvenor::script::runScript(input, std::cout, std::cerr, echo);
}
