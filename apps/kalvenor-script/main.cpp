// kalvenor-script: plays the game without a screen, one event a line, from the files named on the
// command line (in order, as one script) or from standard input. With --echo, every line is
// repeated as "> LINE" above its output; with --language en the window speaks English.

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/language.h"
#include "records/utf8_path.h"
#include "script_input.h"
#include "script_line.h"
#include "script_runner.h"
#include "standard_output.h"

namespace {

constexpr std::string_view usageLine =
    "Usage: kalvenor-script [--echo] [--language ja|en] [--state DIR] [FILE...]\n";
constexpr std::string_view helpText =
    "Plays Kalvenor without a screen: one event a line, from the files in order or else from\n"
    "standard input (\"command 102\", \"click cell 0\", \"show\", ...; see docs/scripting.md).\n"
    "  --echo           repeat every line as \"> LINE\" above its output\n"
    "  --language ja|en the language of the window's texts (default ja); the record file is\n"
    "                   always written in Japanese\n"
    "  --state DIR      bring back the game kept in DIR and keep every change there, as the\n"
    "                   desktop program does in its state folder\n"
    "  --help           show this text\n"
    "Exit status: 0 at the end of the input or after command 255; 1 when the output cannot be\n"
    "written; 2 for a bad line, an unreadable file or wrong usage.\n";

int misuse(const std::string& problem) {
    std::cerr << "error: " << problem << '\n' << usageLine;
    return kalvenor::script::kScriptFailed;
}

int run(int argc, char** argv) {
#ifdef _WIN32
    // Line ends as they are, so that a transcript is the same file on every system.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    bool echo = false;
    std::optional<std::filesystem::path> stateFolder;
    std::vector<std::string> paths;
    for (auto argument = arguments.begin(); argument != arguments.end(); ++argument) {
        if (*argument == "--help" || *argument == "-h") {
            std::cout << usageLine << helpText;
            return 0;
        }
        if (*argument == "--echo") {
            echo = true;
        } else if (*argument == "--language") {
            const std::string code = std::next(argument) == arguments.end() ? "" : *++argument;
            const auto language = kalvenor::languageFromCode(code);
            if (!language) {
                return misuse("--language takes ja or en, not \"" + code + "\"");
            }
            kalvenor::setDisplayLanguage(*language);
        } else if (*argument == "--state") {
            if (++argument == arguments.end() || argument->empty()) {
                return misuse("--state needs a folder");
            }
            stateFolder = kalvenor::pathFromUtf8(*argument);
        } else if (argument->starts_with('-')) {
            // A mistyped option must not be read as a script, nor "-" as standard input.
            return misuse("unknown option \"" + *argument + "\" (a script of that name is given as ./" +
                          *argument + ")");
        } else {
            paths.push_back(*argument);
        }
    }
    if (paths.empty()) {
        return kalvenor::script::runScript(std::cin, std::cout, std::cerr, echo, stateFolder);
    }
    try {
        kalvenor::script::ScriptInput input(paths);
        return kalvenor::script::runScript(input, std::cout, std::cerr, echo, stateFolder);
    } catch (const kalvenor::script::ScriptError& error) {
        std::cerr << "error: " << error.what() << '\n';
        return kalvenor::script::kScriptFailed;
    }
}

}  // namespace

int main(int argc, char** argv) {
    return kalvenor::exitStatusAfterOutput("kalvenor-script", run(argc, argv));
}
