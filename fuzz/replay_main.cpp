// Runs a fuzz target without libFuzzer: every file of the seed corpus, then seeded random
// mutations of them for a bounded number of runs and seconds. A crash is reported by the
// sanitizers; the seed printed first reproduces the run.
//
//   replay <corpus folder> [--runs=N] [--seconds=S] [--seed=N]

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Options {
    std::filesystem::path corpus;
    long runs = 100000;
    long seconds = 3;
    long seed = 1;
};

bool readOption(std::string_view argument, std::string_view name, long& value) {
    if (!argument.starts_with(name)) {
        return false;
    }
    argument.remove_prefix(name.size());
    const auto [end, error] = std::from_chars(argument.data(), argument.data() + argument.size(), value);
    return error == std::errc{} && end == argument.data() + argument.size();
}

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!argument.starts_with("--")) {
            options.corpus = argument;
        } else if (!readOption(argument, "--runs=", options.runs) &&
                   !readOption(argument, "--seconds=", options.seconds) &&
                   !readOption(argument, "--seed=", options.seed)) {
            return false;
        }
    }
    return !options.corpus.empty();
}

std::vector<Bytes> readCorpus(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            paths.push_back(entry.path());
        }
    }
    std::sort(paths.begin(), paths.end());
    std::vector<Bytes> corpus;
    for (const auto& path : paths) {
        std::ifstream in(path, std::ios::binary);
        corpus.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return corpus;
}

// Values that sit on the edges of the checks of a little-endian word.
constexpr std::array<std::int32_t, 16> kInterestingWords = {
    0, 1, 2, 3, 4, 8, 9, -1, 64, 512, 4096, 32768, 262144, 16777216, INT32_MIN, INT32_MAX,
};

class Mutator {
  public:
    explicit Mutator(unsigned seed) : random_(seed) {}

    Bytes mutate(Bytes bytes) {
        const int steps = 1 + static_cast<int>(below(4));
        for (int step = 0; step < steps; ++step) {
            mutateOnce(bytes);
        }
        return bytes;
    }

  private:
    std::size_t below(std::size_t bound) { return bound == 0 ? 0 : random_() % bound; }

    void mutateOnce(Bytes& bytes) {
        switch (below(6)) {
            case 0:  // flip one bit
                if (!bytes.empty()) {
                    bytes[below(bytes.size())] ^= static_cast<std::uint8_t>(1U << below(8));
                }
                break;
            case 1:  // one byte to a value near the cell values
                if (!bytes.empty()) {
                    bytes[below(bytes.size())] = static_cast<std::uint8_t>(below(2) ? below(4) : random_());
                }
                break;
            case 2:  // one header word to an edge value
                if (bytes.size() >= 48) {
                    const std::size_t at = 4 * below(12);
                    const auto word =
                        static_cast<std::uint32_t>(kInterestingWords[below(kInterestingWords.size())]);
                    for (std::size_t b = 0; b < 4; ++b) {
                        bytes[at + b] = static_cast<std::uint8_t>(word >> (8 * b));
                    }
                }
                break;
            case 3:  // cut the end off
                bytes.resize(below(bytes.size() + 1));
                break;
            case 4:  // add a few bytes
                for (std::size_t n = 1 + below(8); n > 0; --n) {
                    bytes.push_back(static_cast<std::uint8_t>(below(4)));
                }
                break;
            default:  // the length its dimension word asks for, to reach the later checks
                if (bytes.size() >= 4 && bytes[0] >= 2 && bytes[0] <= 5 && bytes[1] == 0 && bytes[2] == 0 &&
                    bytes[3] == 0) {
                    bytes.resize(48 + (std::size_t{1} << (3 * bytes[0])), 0);
                }
                break;
        }
    }

    std::mt19937 random_;
};

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s <corpus folder> [--runs=N] [--seconds=S] [--seed=N]\n", argv[0]);
        return 2;
    }
    const std::vector<Bytes> corpus = readCorpus(options.corpus);
    if (corpus.empty()) {
        std::fprintf(stderr, "no seed files in %s\n", options.corpus.string().c_str());
        return 2;
    }
    std::printf("seed %ld, %zu seed files\n", options.seed, corpus.size());
    for (const Bytes& input : corpus) {
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }

    Mutator mutator(static_cast<unsigned>(options.seed));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(options.seconds);
    long runs = 0;
    for (; runs < options.runs && std::chrono::steady_clock::now() < deadline; ++runs) {
        const Bytes input = mutator.mutate(corpus[static_cast<std::size_t>(runs) % corpus.size()]);
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%zu seed files and %ld mutations run cleanly\n", corpus.size(), runs);
    return 0;
}
