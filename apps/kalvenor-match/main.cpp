// kalvenor-match --dimension D --games N [--levels A,B] [--seed S] [--random-moves R] [--verbose]
// [--trace]: level A against level B (standard, medium or strong; strong,standard unless told),
// from the standard opening with a few seeded random first moves, the sides alternating from game
// to game. Reports the time per move of A (median and worst), its nodes per second when it
// searches, the median length of the games and the program's peak memory, and ends with
//   A: W wins, L losses, X draws of N
// with A's name.

#include <sys/resource.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "match_game.h"

namespace {

using kalvenor::CellState;
using kalvenor::match::Result;

constexpr int kUsageError = 2;

struct Options {
    kalvenor::match::Pairing pairing;
    int dimension = 0;
    int games = 0;
    std::uint64_t seed = 1;
    int randomMoves = 4;
    bool verbose = false;
    bool trace = false;
};

constexpr const char* usageText =
    "Usage: kalvenor-match --dimension D --games N [--levels A,B] [--seed S] [--random-moves R] [--verbose]"
    " [--trace]\n"
    "  D  number of axes, 2 to 8\n"
    "  N  games to play, at least 1 (A moves first in the odd ones)\n"
    "  A,B  the two levels, each standard, medium or strong (default strong,standard)\n"
    "  S  seed of the random first moves (default 1)\n"
    "  R  random moves after the standard opening, before the players take over (default 4)\n"
    "  --verbose  one line per game; --trace  one line per move of A when it is strong (standard error)\n"
    "  --help     show this text\n";

int usage(std::string_view problem) {
    std::fprintf(stderr, "kalvenor-match: %.*s\n%s", static_cast<int>(problem.size()), problem.data(),
                 usageText);
    return kUsageError;
}

template <typename Number>
std::optional<Number> parseNumber(std::string_view text, Number low, Number high) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<Options> parseOptions(std::span<char*> args, std::string_view& problem) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view name = args[i];
        if (name == "--verbose") {
            options.verbose = true;
            continue;
        }
        if (name == "--trace") {
            options.trace = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            problem = "an option lacks its value";
            return std::nullopt;
        }
        const std::string_view value = args[++i];
        if (name == "--levels") {
            const std::size_t comma = value.find(',');
            const auto a = kalvenor::levelNamed(value.substr(0, comma));
            const auto b = comma == std::string_view::npos ? std::nullopt
                                                           : kalvenor::levelNamed(value.substr(comma + 1));
            if (!a || !b) {
                problem = "--levels takes two of standard, medium and strong, as A,B";
                return std::nullopt;
            }
            options.pairing = {*a, *b};
        } else if (name == "--dimension") {
            const auto d = parseNumber<int>(value, 2, 8);
            if (!d) {
                problem = "D must be a whole number from 2 to 8";
                return std::nullopt;
            }
            options.dimension = *d;
        } else if (name == "--games") {
            const auto n = parseNumber<int>(value, 1, 1'000'000);
            if (!n) {
                problem = "N must be a whole number from 1 to 1000000";
                return std::nullopt;
            }
            options.games = *n;
        } else if (name == "--seed") {
            const auto s = parseNumber<std::uint64_t>(value, 0, UINT64_MAX);
            if (!s) {
                problem = "S must be a whole number";
                return std::nullopt;
            }
            options.seed = *s;
        } else if (name == "--random-moves") {
            const auto r = parseNumber<int>(value, 0, 100);
            if (!r) {
                problem = "R must be a whole number from 0 to 100";
                return std::nullopt;
            }
            options.randomMoves = *r;
        } else {
            problem = "unknown option";
            return std::nullopt;
        }
    }
    if (options.dimension == 0 || options.games == 0) {
        problem = "--dimension and --games are required";
        return std::nullopt;
    }
    return options;
}

double median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

}  // namespace

int main(int argc, char** argv) {
    const std::span<char*> args(argv + 1, static_cast<std::size_t>(argc > 0 ? argc - 1 : 0));
    if (std::ranges::any_of(args, [](std::string_view a) { return a == "--help" || a == "-h"; })) {
        std::fputs(usageText, stdout);
        return 0;
    }
    std::string_view problem;
    const std::optional<Options> options = parseOptions(args, problem);
    if (!options) {
        return usage(problem);
    }
    int wins = 0;
    int losses = 0;
    int draws = 0;
    std::vector<double> moveSeconds;
    std::vector<double> moveCpuSeconds;
    std::int64_t nodes = 0;
    std::vector<double> gameLengths;
    const std::string_view nameOfA = kalvenor::levelName(options->pairing.a);
    for (int game = 0; game < options->games; ++game) {
        const CellState sideOfA = game % 2 == 0 ? CellState::First : CellState::Second;
        const kalvenor::match::GameReport report = kalvenor::match::playMatchGame(
            options->dimension, options->pairing, sideOfA, options->randomMoves,
            options->seed * 0x9E3779B97F4A7C15ULL + static_cast<std::uint64_t>(game / 2), options->trace);
        switch (report.result) {
            case Result::Wins:
                ++wins;
                break;
            case Result::Loses:
                ++losses;
                break;
            case Result::Draw:
                ++draws;
                break;
        }
        moveSeconds.insert(moveSeconds.end(), report.moveSeconds.begin(), report.moveSeconds.end());
        moveCpuSeconds.insert(moveCpuSeconds.end(), report.moveCpuSeconds.begin(),
                              report.moveCpuSeconds.end());
        nodes += report.nodes;
        gameLengths.push_back(report.moves);
        if (options->verbose) {
            std::printf("game %d: %.*s plays %s, %s after %d moves\n", game + 1,
                        static_cast<int>(nameOfA.size()), nameOfA.data(),
                        sideOfA == CellState::First ? "first" : "second",
                        report.result == Result::Wins    ? "wins"
                        : report.result == Result::Loses ? "loses"
                                                         : "draw",
                        report.moves);
            std::fflush(stdout);
        }
    }
    const auto total = [](const std::vector<double>& values) {
        double sum = 0;
        for (const double value : values) {
            sum += value;
        }
        return sum;
    };
    const auto worst = [](const std::vector<double>& values) {
        return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
    };
    const double cpuSeconds = total(moveCpuSeconds);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf(
        "time per move: median %.4f s, worst %.4f s CPU (wall: median %.4f s, worst %.4f s) over %zu moves "
        "of the %.*s level\n",
        median(moveCpuSeconds), worst(moveCpuSeconds), median(moveSeconds), worst(moveSeconds),
        moveSeconds.size(), static_cast<int>(nameOfA.size()), nameOfA.data());
    if (options->pairing.a == kalvenor::CpuLevel::Strong) {
        std::printf("nodes per second: %.0f (CPU time)\n",
                    cpuSeconds > 0 ? static_cast<double>(nodes) / cpuSeconds : 0.0);
    }
    std::printf("moves per game: median %.0f\n", median(gameLengths));
    std::printf("peak memory: %ld KiB resident\n", usage.ru_maxrss);
    std::printf("%.*s: %d wins, %d losses, %d draws of %d\n", static_cast<int>(nameOfA.size()),
                nameOfA.data(), wins, losses, draws, options->games);
    return 0;
}
