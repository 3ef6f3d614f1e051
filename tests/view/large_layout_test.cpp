// The large board against the classic layout it rearranges: the same controls, on a canvas of
// their own, none outside it or over another, the board's cells tiling it edge to edge.

#include <gtest/gtest.h>

#include "platform/layout_fit.h"
#include "view/view_layout.h"

namespace kalvenor {
namespace {

using platform::Rect;

constexpr GameMode kModes[] = {GameMode::HumanVsHuman, GameMode::HumanVsCpu, GameMode::CpuVsCpu};

bool overlap(const Rect& a, const Rect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

bool shown(const Rect& rect) {
    return rect.width > 0 && rect.height > 0;
}

ViewParameters parametersOf(int d, GameMode mode, ViewOrigin origin, BoardLayout layout) {
    ViewParameters parameters{d, mode, origin, 1, 0};
    parameters.layout = layout;
    return parameters;
}

TEST(LargeLayout, RearrangesTheClassicControlsOnTwoAndThreeAxes) {
    for (int d = 2; d <= 8; ++d) {
        for (GameMode mode : kModes) {
            for (ViewOrigin origin : {ViewOrigin::NewGame, ViewOrigin::LoadedGame}) {
                SCOPED_TRACE(testing::Message() << "D=" << d << " mode=" << static_cast<int>(mode)
                                                << " loaded=" << (origin == ViewOrigin::LoadedGame));
                const auto classicParameters = parametersOf(d, mode, origin, BoardLayout::Classic);
                const auto largeParameters = parametersOf(d, mode, origin, BoardLayout::Large);
                const auto classic = viewLayout(classicParameters);
                const auto large = viewLayout(largeParameters);
                ASSERT_EQ(large.size(), classic.size());
                if (d >= 4) {  // the track bars keep the classic width
                    EXPECT_EQ(layoutCanvas(largeParameters), platform::classicClientSize);
                }
                const platform::Size canvas = layoutCanvas(largeParameters);
                for (std::size_t i = 0; i < large.size(); ++i) {
                    const ControlPlacement& before = classic[i];
                    const ControlPlacement& after = large[i];
                    EXPECT_EQ(after.array, before.array);
                    EXPECT_EQ(after.slot, before.slot);
                    EXPECT_EQ(after.kind, before.kind);
                    EXPECT_EQ(after.text, before.text);
                    EXPECT_EQ(after.trackBarPosition, before.trackBarPosition);
                    EXPECT_EQ(shown(after.rect), shown(before.rect)) << after.slot;
                    if (d >= 4) {
                        EXPECT_EQ(after.rect, before.rect);
                    }
                    if (!shown(after.rect)) {
                        continue;
                    }
                    EXPECT_TRUE(after.rect.x >= 0 && after.rect.y >= 0 &&
                                after.rect.x + after.rect.width <= canvas.width &&
                                after.rect.y + after.rect.height <= canvas.height)
                        << static_cast<int>(after.array) << ' ' << after.slot;
                    for (std::size_t j = 0; j < i; ++j) {
                        EXPECT_FALSE(shown(large[j].rect) && overlap(large[j].rect, after.rect) &&
                                     !(after.array == ViewArray::InfoLabels &&
                                       large[j].array == ViewArray::InfoLabels &&
                                       overlap(before.rect, classic[j].rect)))
                            << static_cast<int>(after.array) << ' ' << after.slot << " over "
                            << static_cast<int>(large[j].array) << ' ' << large[j].slot;
                    }
                }
            }
        }
    }
}

// Cell v + 1 stands right below cell v, and cell v + 8 right beside it: every pair shares an edge.
TEST(LargeLayout, CellsTileTheirLayersAndTheTwoAxisBoardIsAsHighAsTheCanvas) {
    for (int d : {2, 3}) {
        const auto parameters =
            parametersOf(d, GameMode::HumanVsCpu, ViewOrigin::NewGame, BoardLayout::Large);
        std::vector<Rect> cells;
        for (const ControlPlacement& placement : viewLayout(parameters)) {
            if (placement.array == ViewArray::CellButtons) {
                cells.push_back(placement.rect);
            }
        }
        for (std::size_t v = 0; v < cells.size(); ++v) {
            if (v % 8 != 7) {
                EXPECT_EQ(cells[v + 1].y, cells[v].y + cells[v].height) << v;
                EXPECT_EQ(cells[v + 1].x, cells[v].x) << v;
            }
            if (v % 64 < 56) {
                EXPECT_EQ(cells[v + 8].x, cells[v].x + cells[v].width) << v;
            }
        }
        if (d == 2) {
            EXPECT_EQ(cells[63].y + cells[63].height, layoutCanvas(parameters).height);
            EXPECT_EQ(cells[0].width * 8, layoutCanvas(parameters).height);
        }
    }
}

}  // namespace
}  // namespace kalvenor
