// kalvenor-opening D MODE [HUMAN_SIDE] FILE: writes a saved game holding the standard opening,
// ready to be loaded: a position for tests, benchmarks and fuzzing, the same one that new games
// under the enclosure rule start from.

#include <charconv>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "game/opening_game.h"
#include "records/saved_game.h"
#include "standard_output.h"

namespace {

using kalvenor::CellState;
using kalvenor::GameMode;

constexpr int kUsageError = 2;

struct Options {
    int dimension = 0;
    GameMode mode = GameMode::HumanVsHuman;
    CellState humanSide = CellState::First;
    std::string_view file;
};

constexpr const char* usageText =
    "Usage: kalvenor-opening D MODE [HUMAN_SIDE] FILE\n"
    "Writes a saved game holding the standard opening, ready to be loaded with command 151.\n"
    "  D           number of axes, 2 to 8\n"
    "  MODE        human | cpu | cpu-vs-cpu\n"
    "  HUMAN_SIDE  first | second (only with cpu; default first)\n"
    "  FILE        the saved game to write (a name starting with '-' is given as ./-NAME)\n"
    "  --help      show this text\n";

int usage(const std::string& problem) {
    std::fprintf(stderr, "kalvenor-opening: %s\n%s", problem.c_str(), usageText);
    return kUsageError;
}

std::optional<int> parseDimension(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 2 || value > 8) {
        return std::nullopt;
    }
    return value;
}

std::optional<GameMode> parseMode(std::string_view text) {
    if (text == "human")
        return GameMode::HumanVsHuman;
    if (text == "cpu")
        return GameMode::HumanVsCpu;
    if (text == "cpu-vs-cpu")
        return GameMode::CpuVsCpu;
    return std::nullopt;
}

std::optional<CellState> parseSide(std::string_view text) {
    if (text == "first")
        return CellState::First;
    if (text == "second")
        return CellState::Second;
    return std::nullopt;
}

int run(int argc, char** argv) {
    const std::span<char*> args(argv + 1, static_cast<std::size_t>(argc > 0 ? argc - 1 : 0));
    for (const std::string_view argument : args) {
        if (argument == "--help" || argument == "-h") {
            std::fputs(usageText, stdout);
            return 0;
        }
        // No argument is an option; "-" or a mistyped option must not become a file of that name.
        if (argument.starts_with('-')) {
            return usage("unknown option \"" + std::string(argument) + "\"");
        }
    }
    if (args.size() < 3 || args.size() > 4) {
        return usage("expected 3 or 4 arguments");
    }
    Options options;
    const auto dimension = parseDimension(args[0]);
    if (!dimension) {
        return usage("D must be a whole number from 2 to 8");
    }
    options.dimension = *dimension;
    const auto mode = parseMode(args[1]);
    if (!mode) {
        return usage("MODE must be human, cpu or cpu-vs-cpu");
    }
    options.mode = *mode;
    if (args.size() == 4) {
        if (options.mode != GameMode::HumanVsCpu) {
            return usage("HUMAN_SIDE is only given with MODE cpu");
        }
        const auto side = parseSide(args[2]);
        if (!side) {
            return usage("HUMAN_SIDE must be first or second");
        }
        options.humanSide = *side;
    }
    options.file = args.back();
    if (options.file.empty()) {
        return usage("FILE must not be empty");
    }

    const kalvenor::SavedGame game =
        kalvenor::standardOpeningGame(options.dimension, options.mode, options.humanSide);
    const kalvenor::FileResult result =
        kalvenor::writeSavedGame(std::filesystem::path(options.file), game.header, game.board);
    if (!result.ok()) {
        std::fprintf(stderr, "kalvenor-opening: %s\n", result.error().message().c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    return kalvenor::exitStatusAfterOutput("kalvenor-opening", run(argc, argv));
}
