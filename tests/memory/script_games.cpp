// Plays many new games of four axes in the script driver, in one run of one window, and holds its
// peak resident memory to the figure after the first 50 games.
//
//   memory_script_games [GAMES]   (default 1,000)

#include <cstdlib>
#include <iostream>
#include <ostream>
#include <streambuf>
#include <string>

#include "peak_memory.h"
#include "script_runner.h"

namespace {

constexpr int earlyGames = 50;

// The script, one game at a time as the driver reads it: a new game of two people on four axes,
// a few moves, a slide to another slice, a look at the window. The next game is asked for only
// once the driver has run every line of the last one, so that is when the early peak is read.
class GeneratedGames : public std::streambuf {
  public:
    explicit GeneratedGames(int games) : games_(games) {}
    long earlyPeakKiB() const { return earlyPeakKiB_; }
    int played() const { return played_; }

  protected:
    int_type underflow() override {
        if (played_ == games_) {
            return traits_type::eof();
        }
        if (played_ == earlyGames) {
            earlyPeakKiB_ = kalvenor::memory_test::peakResidentKiB();
        }
        ++played_;
        game_ = "command 106\n";
        for (int move = 0; move < 6; ++move) {
            game_ += "click cell " + std::to_string(1536 + 73 * move + played_ % 7) + "\n";
        }
        game_ += "slide 0 " + std::to_string(1 + played_ % 8) + "\nshow\nstate\n";
        setg(game_.data(), game_.data(), game_.data() + game_.size());
        return traits_type::to_int_type(game_.front());
    }

  private:
    int games_;
    int played_ = 0;
    long earlyPeakKiB_ = 0;
    std::string game_;
};

}  // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 1000;
    if (games <= earlyGames) {
        std::cerr << "usage: memory_script_games [GAMES > " << earlyGames << "]\n";
        return 2;
    }
    GeneratedGames script(games);
    std::istream input(&script);
    std::ostream discarded(nullptr);  // the transcript is not the point
    const int status = kalvenor::script::runScript(input, discarded, std::cerr);
    if (status != 0 || script.played() != games) {
        std::cerr << "the script failed with status " << status << " after " << script.played() << " games\n";
        return 1;
    }
    return kalvenor::memory_test::verdict("kalvenor-script, new games of 4 axes", earlyGames,
                                          script.earlyPeakKiB(), games,
                                          kalvenor::memory_test::peakResidentKiB());
}
