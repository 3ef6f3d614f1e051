// Redrawing the 512 cell buttons of one slice of P(D), with and without the guide, on the headless
// backend: what a click or a track-bar move costs the view.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/registration.h"
#include "game/new_game.h"
#include "platform/headless/headless.h"
#include "view/axis_marks.h"
#include "view/board_view.h"

namespace kalvenor::bench {

namespace {

std::intptr_t ignoreMessages(platform::WindowHandle, unsigned, platform::WParam, platform::LParam) {
    return 0;
}

// A window with the view of a new game of `dimension` axes, destroyed with it.
class ViewWindow {
  public:
    explicit ViewWindow(int dimension)
        : window_(platform::createMainWindow({"bench", 1024, 750, {}}, &ignoreMessages, nullptr)),
          offset_(boardSizes(dimension).viewOffset) {
        buildBoardView(view_, window_, {dimension, GameMode::HumanVsHuman, ViewOrigin::NewGame, 0, offset_});
    }
    ~ViewWindow() { platform::destroyMainWindow(window_); }
    ViewWindow(const ViewWindow&) = delete;
    ViewWindow& operator=(const ViewWindow&) = delete;

    BoardView& view() { return view_; }
    std::int32_t offset() const { return offset_; }
    // The backend keeps every text ever written; forget them between runs.
    void forgetTexts() { platform::headless::clearTextHistories(window_); }

  private:
    platform::WindowHandle window_;
    std::int32_t offset_;
    BoardView view_;
};

template <typename Redraw>
void addRedraw(const std::string& name, int dimension, PositionCache& positions, Redraw redraw) {
    benchmark::RegisterBenchmark((name + "/" + std::to_string(dimension)).c_str(),
                                 [dimension, &positions, redraw](benchmark::State& state) mutable {
                                     const BenchmarkPosition& position = positions.position(dimension);
                                     ViewWindow window(dimension);
                                     for (auto _ : state) {
                                         redraw(window, position);
                                         state.PauseTiming();
                                         window.forgetTexts();
                                         state.ResumeTiming();
                                     }
                                 })
        ->Unit(benchmark::kMicrosecond);
}

}  // namespace

void registerViewBenchmarks(PositionCache& positions) {
    for (int d = kMinDimension; d <= kMaxDimension; ++d) {
        addRedraw("redraw_stones", d, positions, [](ViewWindow& window, const BenchmarkPosition& p) {
            refreshStonesOnly(window.view(), p.board, window.offset());
        });
        // Where the legal moves of the whole board are, for the track bars: from the legal cells
        // the engine finds, never slice by slice.
        addRedraw("axis_marks", d, positions, [](ViewWindow& window, const BenchmarkPosition& p) {
            benchmark::DoNotOptimize(
                axisMarks(navigationTargets(p.board, 1, p.sideToMove), p.board.dimension(), window.offset()));
        });
        for (int level : {1, 2}) {
            addRedraw("redraw_guide_" + std::to_string(level), d, positions,
                      [level](ViewWindow& window, const BenchmarkPosition& p) {
                          refreshBoardView(window.view(), p.board, window.offset(), level, p.sideToMove);
                      });
        }
    }
}

}  // namespace kalvenor::bench
