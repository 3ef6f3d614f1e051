#include "view/view_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace kalvenor {
namespace {

using platform::ControlKind;
using platform::Rect;

constexpr GameMode kModes[] = {GameMode::HumanVsHuman, GameMode::HumanVsCpu, GameMode::CpuVsCpu};

ViewParameters newGame(int dimension, GameMode mode = GameMode::HumanVsHuman) {
    return {dimension, mode, ViewOrigin::NewGame, 0, 0};
}

ViewParameters loadedGame(int dimension, GameMode mode, int guideLevel = 0, std::int32_t viewOffset = 0) {
    return {dimension, mode, ViewOrigin::LoadedGame, guideLevel, viewOffset};
}

// The placements of a view by array and slot.
class Placements {
  public:
    explicit Placements(const ViewParameters& parameters) : list_(viewLayout(parameters)) {
        for (const ControlPlacement& placement : list_) {
            bySlot_.emplace(std::pair{placement.array, placement.slot}, placement);
        }
    }
    const std::vector<ControlPlacement>& list() const { return list_; }
    bool has(ViewArray array, int slot) const { return bySlot_.count({array, slot}) != 0; }
    const ControlPlacement& at(ViewArray array, int slot) const { return bySlot_.at({array, slot}); }
    Rect rect(ViewArray array, int slot) const { return at(array, slot).rect; }
    std::string text(ViewArray array, int slot) const { return at(array, slot).text; }
    int countIn(ViewArray array) const {
        return static_cast<int>(std::count_if(list_.begin(), list_.end(),
                                              [&](const ControlPlacement& p) { return p.array == array; }));
    }
    // Position of a control in the creation order.
    std::ptrdiff_t orderOf(ViewArray array, int slot) const {
        const auto it = std::find_if(list_.begin(), list_.end(), [&](const ControlPlacement& p) {
            return p.array == array && p.slot == slot;
        });
        return it - list_.begin();
    }

  private:
    std::vector<ControlPlacement> list_;
    std::map<std::pair<ViewArray, int>, ControlPlacement> bySlot_;
};

// Every control lands in a slot of its array, no slot twice, and exactly the controls that exist
// for the dimension and mode.
TEST(ViewLayout, EveryViewFillsExactlyItsSlots) {
    for (int d = 2; d <= 8; ++d) {
        for (GameMode mode : kModes) {
            for (ViewOrigin origin : {ViewOrigin::NewGame, ViewOrigin::LoadedGame}) {
                const ViewParameters parameters{d, mode, origin, 0, 0};
                SCOPED_TRACE(testing::Message() << "D=" << d << " mode=" << static_cast<int>(mode)
                                                << " loaded=" << (origin == ViewOrigin::LoadedGame));
                std::set<std::pair<ViewArray, int>> seen;
                for (const ControlPlacement& placement : viewLayout(parameters)) {
                    EXPECT_GE(placement.slot, 0);
                    EXPECT_TRUE(seen.insert({placement.array, placement.slot}).second) << placement.slot;
                }
                const Placements view(parameters);
                EXPECT_EQ(view.countIn(ViewArray::CellButtons), d == 2 ? 64 : 512);
                EXPECT_EQ(view.countIn(ViewArray::InfoLabels), d == 2 ? 6 : d == 3 ? 14 : 16);
                EXPECT_EQ(view.countIn(ViewArray::AxisControls), d >= 4 ? 3 * (d - 3) : 0);
                const bool hasPass = d >= 3 && mode != GameMode::CpuVsCpu;
                EXPECT_EQ(view.has(ViewArray::GuideControls, 4), hasPass);
                EXPECT_EQ(view.countIn(ViewArray::GuideControls), hasPass ? 5 : 4);
                EXPECT_EQ(view.countIn(ViewArray::VsControls), mode == GameMode::CpuVsCpu ? 5 : 0);
            }
        }
    }
}

TEST(ViewLayout, CellButtonsStandInLayersOfEightByEight) {
    const Placements two(newGame(2));
    EXPECT_EQ(two.rect(ViewArray::CellButtons, 0), (Rect{0, 0, 25, 25}));
    EXPECT_EQ(two.rect(ViewArray::CellButtons, 1), (Rect{0, 25, 25, 25}));  // axis 0 runs down
    EXPECT_EQ(two.rect(ViewArray::CellButtons, 8), (Rect{25, 0, 25, 25}));  // axis 1 across
    EXPECT_EQ(two.rect(ViewArray::CellButtons, 63), (Rect{175, 175, 25, 25}));

    for (int d : {3, 6}) {
        const Placements view(newGame(d));
        EXPECT_EQ(view.rect(ViewArray::CellButtons, 343),
                  (Rect{280, 445, 25, 25}));  // layer 5, column 2, row 7
        EXPECT_EQ(view.rect(ViewArray::CellButtons, 64 * 3 + 8 * 7), (Rect{690 + 175, 0, 25, 25}));
        EXPECT_EQ(view.rect(ViewArray::CellButtons, 511), (Rect{865, 445, 25, 25}));
        EXPECT_EQ(view.rect(ViewArray::InfoLabels, 4), (Rect{0, 200, 200, 25}));
        EXPECT_EQ(view.rect(ViewArray::InfoLabels, 4 + 5), (Rect{230, 470, 200, 25}));
        EXPECT_EQ(view.text(ViewArray::InfoLabels, 4), "１段目");
        EXPECT_EQ(view.text(ViewArray::InfoLabels, 11), "８段目");
        EXPECT_EQ(view.at(ViewArray::InfoLabels, 11).kind, ControlKind::CentredLabel);
        EXPECT_EQ(view.at(ViewArray::CellButtons, 100).kind, ControlKind::CellButton);
        EXPECT_EQ(view.text(ViewArray::CellButtons, 100), "");
    }
}

TEST(ViewLayout, LabelsOfTwoAxes) {
    const Placements view(newGame(2, GameMode::HumanVsCpu));
    EXPECT_EQ(view.rect(ViewArray::InfoLabels, 0), (Rect{0, 210, 250, 30}));
    EXPECT_EQ(view.rect(ViewArray::InfoLabels, 1), (Rect{0, 278, 300, 30}));
    EXPECT_EQ(view.rect(ViewArray::InfoLabels, 2), (Rect{0, 239, 125, 30}));
    EXPECT_EQ(view.rect(ViewArray::InfoLabels, 3), (Rect{124, 239, 126, 30}));
    EXPECT_EQ(view.rect(ViewArray::InfoLabels, 4), (Rect{205, 140, 120, 31}));
    EXPECT_EQ(view.text(ViewArray::InfoLabels, 4), "２次元");
    EXPECT_EQ(view.rect(ViewArray::InfoLabels, 5), (Rect{205, 170, 120, 30}));
    EXPECT_EQ(view.text(ViewArray::InfoLabels, 5), "対CPU戦");
    EXPECT_EQ(view.at(ViewArray::InfoLabels, 0).kind, ControlKind::LeftLabel);
    EXPECT_EQ(view.at(ViewArray::InfoLabels, 5).kind, ControlKind::CentredLabel);
    EXPECT_EQ(Placements(newGame(2, GameMode::CpuVsCpu)).text(ViewArray::InfoLabels, 5), "CPU vs CPU");
}

TEST(ViewLayout, LabelsOfThreeAxesAndMore) {
    const Placements three(newGame(3, GameMode::CpuVsCpu));
    EXPECT_EQ(three.rect(ViewArray::InfoLabels, 13), (Rect{0, 500, 200, 30}));
    EXPECT_EQ(three.text(ViewArray::InfoLabels, 13), "３次元：CPU vs CPU");
    EXPECT_EQ(three.rect(ViewArray::InfoLabels, 12), (Rect{0, 655, 500, 30}));
    EXPECT_EQ(three.rect(ViewArray::InfoLabels, 1), (Rect{0, 618, 500, 30}));

    const Placements four(newGame(4));
    EXPECT_EQ(four.rect(ViewArray::InfoLabels, 1), (Rect{0, 618, 500, 30}));
    EXPECT_EQ(four.rect(ViewArray::InfoLabels, 13), (Rect{510, 655, 240, 30}));
    EXPECT_EQ(four.text(ViewArray::InfoLabels, 13), "");
    EXPECT_EQ(four.rect(ViewArray::InfoLabels, 14), (Rect{755, 655, 145, 30}));
    EXPECT_EQ(four.text(ViewArray::InfoLabels, 15), "４次元：対人戦");

    const Placements seven(newGame(7, GameMode::HumanVsCpu));
    EXPECT_EQ(seven.rect(ViewArray::InfoLabels, 0), (Rect{0, 550, 250, 30}));
    EXPECT_EQ(seven.rect(ViewArray::InfoLabels, 1), (Rect{0, 618, 900, 30}));
    EXPECT_EQ(seven.rect(ViewArray::InfoLabels, 2), (Rect{0, 579, 125, 30}));
    EXPECT_EQ(seven.rect(ViewArray::InfoLabels, 3), (Rect{124, 579, 126, 30}));
    EXPECT_EQ(seven.rect(ViewArray::InfoLabels, 15), (Rect{0, 500, 200, 30}));
    EXPECT_EQ(seven.text(ViewArray::InfoLabels, 15), "７次元：対CPU戦");
}

TEST(ViewLayout, AxisGroups) {
    const Placements four(newGame(4));
    EXPECT_EQ(four.rect(ViewArray::AxisControls, 0), (Rect{270, 550, 80, 30}));
    EXPECT_EQ(four.rect(ViewArray::AxisControls, 1), (Rect{350, 550, 200, 30}));
    EXPECT_EQ(four.rect(ViewArray::AxisControls, 2), (Rect{550, 550, 20, 30}));
    EXPECT_EQ(four.text(ViewArray::AxisControls, 0), "時間軸");

    const Placements eight(newGame(8, GameMode::CpuVsCpu));
    EXPECT_EQ(eight.rect(ViewArray::AxisControls, 0), (Rect{350, 550, 115, 30}));
    EXPECT_EQ(eight.rect(ViewArray::AxisControls, axis_slot::caption(3)), (Rect{710, 550, 115, 30}));
    EXPECT_EQ(eight.rect(ViewArray::AxisControls, axis_slot::trackBar(3)), (Rect{710, 580, 90, 30}));
    EXPECT_EQ(eight.rect(ViewArray::AxisControls, axis_slot::value(3)), (Rect{800, 580, 25, 30}));
    EXPECT_EQ(eight.rect(ViewArray::AxisControls, axis_slot::caption(4)), (Rect{830, 550, 115, 30}));
    const char* captions[] = {"時間軸", "平行世界軸", "抽象軸 A ", "抽象軸 B ", "抽象軸 C "};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(eight.text(ViewArray::AxisControls, axis_slot::caption(k)), captions[k]);
        EXPECT_EQ(eight.at(ViewArray::AxisControls, axis_slot::caption(k)).kind, ControlKind::PushButton);
        const ControlPlacement& bar = eight.at(ViewArray::AxisControls, axis_slot::trackBar(k));
        EXPECT_EQ(bar.kind, ControlKind::TrackBar);
        EXPECT_EQ(bar.text, "Track Bar");
        EXPECT_EQ(bar.trackBarPosition, 4);
        EXPECT_EQ(eight.at(ViewArray::AxisControls, axis_slot::value(k)).kind, ControlKind::CentredLabel);
        EXPECT_EQ(eight.text(ViewArray::AxisControls, axis_slot::value(k)), "4");
    }
}

TEST(ViewLayout, LoadedViewTrackBarsShowTheRestoredSlice) {
    // Coordinates 5, 0 and 7 on axes 3, 4 and 5.
    const std::int32_t offset = 5 * 512 + 0 * 4096 + 7 * 32768;
    const Placements view(loadedGame(6, GameMode::HumanVsHuman, 0, offset));
    const int expected[] = {6, 1, 8};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(view.at(ViewArray::AxisControls, axis_slot::trackBar(k)).trackBarPosition, expected[k]);
        EXPECT_EQ(view.text(ViewArray::AxisControls, axis_slot::value(k)), std::to_string(expected[k]));
    }
    // A new game ignores any offset it is given: every bar starts at 4.
    const Placements fresh({6, GameMode::HumanVsHuman, ViewOrigin::NewGame, 0, offset});
    EXPECT_EQ(fresh.at(ViewArray::AxisControls, 1).trackBarPosition, 4);
}

// The guide stands where a loaded game has it from the first move, and every view brackets the
// level in force; only a loaded game shows the pass button, clear of the caption at 0, 500.
TEST(ViewLayout, GuideControlsStandWhereTheyCanBeUsed) {
    for (const ViewOrigin origin : {ViewOrigin::NewGame, ViewOrigin::LoadedGame}) {
        const bool loaded = origin == ViewOrigin::LoadedGame;
        const Placements two({2, GameMode::HumanVsHuman, origin, 1, 0});
        EXPECT_EQ(two.rect(ViewArray::GuideControls, 0), (Rect{205, 0, 120, 28}));
        EXPECT_EQ(two.rect(ViewArray::GuideControls, 3), (Rect{205, 90, 120, 30}));
        EXPECT_EQ(two.text(ViewArray::GuideControls, 1), "無し");
        EXPECT_EQ(two.text(ViewArray::GuideControls, 2), "[簡易]");
        EXPECT_EQ(two.text(ViewArray::GuideControls, 3), "詳細");

        for (const int d : {3, 4, 6, 8}) {
            const Placements view({d, GameMode::HumanVsCpu, origin, 0, 0});
            EXPECT_EQ(view.rect(ViewArray::GuideControls, 0), (Rect{440, 500, 148, 30})) << d;
            EXPECT_EQ(view.rect(ViewArray::GuideControls, 1), (Rect{590, 500, 100, 30})) << d;
            EXPECT_EQ(view.rect(ViewArray::GuideControls, 3), (Rect{790, 500, 100, 30})) << d;
            EXPECT_EQ(view.rect(ViewArray::GuideControls, 4), (loaded ? Rect{230, 500, 75, 30} : Rect{}))
                << d;
            EXPECT_EQ(view.text(ViewArray::GuideControls, 1), "[無し]");
            EXPECT_EQ(view.text(ViewArray::GuideControls, 3), "詳細");
            EXPECT_EQ(view.text(ViewArray::GuideControls, 4), "パス");
        }
        EXPECT_FALSE(Placements({6, GameMode::CpuVsCpu, origin, 0, 0}).has(ViewArray::GuideControls, 4));
    }
}

TEST(ViewLayout, StepControls) {
    const Placements two(newGame(2, GameMode::CpuVsCpu));
    EXPECT_EQ(two.rect(ViewArray::VsControls, 0), (Rect{330, 0, 120, 28}));
    EXPECT_EQ(two.text(ViewArray::VsControls, 0), "VS Control");
    EXPECT_EQ(two.rect(ViewArray::VsControls, 4), (Rect{330, 120, 120, 30}));
    const Placements six(newGame(6, GameMode::CpuVsCpu));
    EXPECT_EQ(six.rect(ViewArray::VsControls, 0), (Rect{900, 0, 110, 28}));
    EXPECT_EQ(six.rect(ViewArray::VsControls, 3), (Rect{900, 90, 110, 30}));
    const char* steps[] = {"一手進む", "10手進む", "最後まで", "最初から"};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(six.text(ViewArray::VsControls, i), steps[i - 1]);
        EXPECT_EQ(six.at(ViewArray::VsControls, i).kind, ControlKind::PushButton);
    }
}

TEST(ViewLayout, CreationOrder) {
    const Placements two(newGame(2));
    EXPECT_EQ(two.orderOf(ViewArray::InfoLabels, 4), 0);
    EXPECT_EQ(two.orderOf(ViewArray::InfoLabels, 5), 1);
    EXPECT_EQ(two.orderOf(ViewArray::GuideControls, 0), 2);
    EXPECT_EQ(two.orderOf(ViewArray::CellButtons, 0), 6);
    EXPECT_EQ(two.orderOf(ViewArray::CellButtons, 63), 69);
    EXPECT_EQ(two.orderOf(ViewArray::InfoLabels, 0), 70);
    EXPECT_EQ(two.orderOf(ViewArray::InfoLabels, 1), 71);
    EXPECT_EQ(two.orderOf(ViewArray::InfoLabels, 3), 73);

    const Placements three(newGame(3));
    EXPECT_EQ(three.orderOf(ViewArray::InfoLabels, 13), 0);
    EXPECT_EQ(three.orderOf(ViewArray::GuideControls, 4), 1);
    EXPECT_EQ(three.orderOf(ViewArray::GuideControls, 0), 2);
    EXPECT_EQ(three.orderOf(ViewArray::CellButtons, 0), 6);
    EXPECT_EQ(three.orderOf(ViewArray::InfoLabels, 4), 6 + 64);  // each layer ends with its caption
    EXPECT_EQ(three.orderOf(ViewArray::CellButtons, 64), 6 + 65);
    EXPECT_EQ(three.list().back().slot, 12);

    const Placements five(newGame(5, GameMode::CpuVsCpu));
    EXPECT_EQ(five.orderOf(ViewArray::VsControls, 0), 0);
    EXPECT_EQ(five.orderOf(ViewArray::VsControls, 4), 4);
    EXPECT_EQ(five.orderOf(ViewArray::GuideControls, 0), 5);
    const auto afterLayers = 5 + 4 + 8 * 65;
    EXPECT_EQ(five.orderOf(ViewArray::AxisControls, 0), afterLayers);
    EXPECT_EQ(five.orderOf(ViewArray::AxisControls, 5), afterLayers + 5);
    EXPECT_EQ(five.orderOf(ViewArray::InfoLabels, 15), afterLayers + 6);
    const std::vector<int> tail = {0, 1, 2, 3, 12, 13, 14};
    for (std::size_t i = 0; i < tail.size(); ++i) {
        EXPECT_EQ(five.orderOf(ViewArray::InfoLabels, tail[i]), afterLayers + 7 + static_cast<long>(i));
    }
    EXPECT_EQ(five.list().size(), static_cast<std::size_t>(afterLayers + 7 + 7));
}

}  // namespace
}  // namespace kalvenor
