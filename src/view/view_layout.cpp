#include "view/view_layout.h"

#include <array>
#include <string_view>

#include "catalog/localized.h"
#include "engine/coordinates.h"
#include "platform/layout_fit.h"
#include "records/texts.h"
#include "view/large_layout.h"

namespace kalvenor {

namespace {

using platform::ControlKind;
using platform::Rect;

constexpr int kCellSize = 25;
constexpr int kLayerPitchX = 230;  // layers stand in two rows of four
constexpr int kLayerPitchY = 270;
constexpr int kLayerSide = 8 * kCellSize;
constexpr int kNoPosition = 0;

// Shown through localized().
constexpr std::array<std::string_view, 8> kLayerCaptions = {
    catalogText("１段目"), catalogText("２段目"), catalogText("３段目"), catalogText("４段目"),
    catalogText("５段目"), catalogText("６段目"), catalogText("７段目"), catalogText("８段目")};
// TRANSLATORS: the buttons above the track bars of the fourth to eighth axes.
constexpr std::array<std::string_view, 5> kAxisCaptions = {catalogText("時間軸"), catalogText("平行世界軸"),
                                                           catalogText("抽象軸 A "), catalogText("抽象軸 B "),
                                                           catalogText("抽象軸 C ")};
// TRANSLATORS: the guide levels: no marks, where the side to move can play, how many stones turn.
constexpr std::array<std::string_view, 3> kGuideLevelNames = {catalogText("無し"), catalogText("簡易"),
                                                              catalogText("詳細")};
// TRANSLATORS: the buttons that step a game of the computer against itself.
constexpr std::array<std::string_view, 4> kStepNames = {catalogText("一手進む"), catalogText("10手進む"),
                                                        catalogText("最後まで"), catalogText("最初から")};

// Places of the labels every view writes to; the rows differ only between two axes and more.
struct InfoGeometry {
    Rect turn;
    Rect firstCount;
    Rect secondCount;
    Rect lastMove;
};

InfoGeometry infoGeometry(int dimension) {
    if (dimension == 2) {
        return {{0, 210, 250, 30}, {0, 239, 125, 30}, {124, 239, 126, 30}, {0, 278, 300, 30}};
    }
    const int lastMoveWidth = dimension >= 5 ? 900 : 500;
    return {{0, 550, 250, 30}, {0, 579, 125, 30}, {124, 579, 126, 30}, {0, 618, lastMoveWidth, 30}};
}

constexpr Rect kStatusRect{0, 655, 500, 30};
constexpr Rect kProgressCountRect{510, 655, 240, 30};
constexpr Rect kProgressPercentRect{755, 655, 145, 30};
constexpr Rect kDimensionCaptionRect2{205, 140, 120, 31};
constexpr Rect kModeCaptionRect2{205, 170, 120, 30};
constexpr Rect kDimensionAndModeRect{0, 500, 200, 30};
constexpr Rect kHidden{0, 0, 0, 0};

int dimensionAndModeSlot(int dimension) {
    return dimension == 3 ? 13 : 15;
}

// The guide caption, the three level buttons and the pass button.
struct GuideGeometry {
    Rect caption;
    std::array<Rect, 3> levels;
    Rect pass;
};

// The guide controls stand where they can be used from the first move, in new games as in loaded
// ones; only a loaded game shows the pass button, clear of the dimension and mode caption.
GuideGeometry guideGeometry(const ViewParameters& parameters) {
    const bool loaded = parameters.origin == ViewOrigin::LoadedGame;
    if (parameters.dimension == 2) {
        return {{205, 0, 120, 28}, {{{205, 30, 120, 30}, {205, 60, 120, 30}, {205, 90, 120, 30}}}, kHidden};
    }
    const Rect pass = loaded ? Rect{230, 500, 75, 30} : kHidden;
    return {{440, 500, 148, 30}, {{{590, 500, 100, 30}, {690, 500, 100, 30}, {790, 500, 100, 30}}}, pass};
}

}  // namespace

std::string guideLevelText(int level, int currentLevel) {
    const std::string name(localized(kGuideLevelNames[static_cast<std::size_t>(level)]));
    return level == currentLevel ? "[" + name + "]" : name;
}

namespace {

struct AxisGeometry {
    Rect caption;
    Rect trackBar;
    Rect value;
};

AxisGeometry axisGeometry(int dimension, int k) {
    if (dimension == 4) {
        return {{270, 550, 80, 30}, {350, 550, 200, 30}, {550, 550, 20, 30}};
    }
    const int shift = 120 * k;
    return {{350 + shift, 550, 115, 30}, {350 + shift, 580, 90, 30}, {440 + shift, 580, 25, 30}};
}

struct VsGeometry {
    Rect label;
    int x;
    int width;
};

VsGeometry vsGeometry(int dimension) {
    if (dimension == 2) {
        return {{330, 0, 120, 28}, 330, 120};
    }
    return {{900, 0, 110, 28}, 900, 110};
}

Rect cellRect(int dimension, int slot) {
    const int row = slot % 8;           // board axis 0 runs down the screen
    const int column = (slot / 8) % 8;  // axis 1 across
    if (dimension == 2) {
        return {kCellSize * column, kCellSize * row, kCellSize, kCellSize};
    }
    const int layer = slot / 64;
    return {kLayerPitchX * (layer % 4) + kCellSize * column, kLayerPitchY * (layer / 4) + kCellSize * row,
            kCellSize, kCellSize};
}

Rect layerCaptionRect(int layer) {
    return {kLayerPitchX * (layer % 4), kLayerPitchY * (layer / 4) + kLayerSide, kLayerSide, 25};
}

class LayoutBuilder {
  public:
    explicit LayoutBuilder(const ViewParameters& parameters) : parameters_(parameters) {}

    std::vector<ControlPlacement> build() {
        if (parameters_.mode == GameMode::CpuVsCpu) {
            addVsControls();
        }
        const int d = parameters_.dimension;
        if (d == 2) {
            add(ViewArray::InfoLabels, 4, ControlKind::CentredLabel,
                std::string(dimensionText(2, displayLanguage())), kDimensionCaptionRect2);
            add(ViewArray::InfoLabels, 5, ControlKind::CentredLabel,
                std::string(modeName(parameters_.mode, displayLanguage())), kModeCaptionRect2);
            addGuideControls();
            addCells(0, 64);
            addTurnAndCounts();
            return std::move(placements_);
        }
        if (d == 3) {
            addDimensionAndModeCaption();
        }
        addPassButton();
        addGuideControls();
        for (int layer = 0; layer < 8; ++layer) {
            addCells(64 * layer, 64);
            add(ViewArray::InfoLabels, 4 + layer, ControlKind::CentredLabel,
                std::string(localized(kLayerCaptions[layer])), layerCaptionRect(layer));
        }
        if (d >= 4) {
            for (int k = 0; k + 3 < d; ++k) {
                addAxisGroup(k);
            }
            addDimensionAndModeCaption();
        }
        addTurnAndCounts();
        add(ViewArray::InfoLabels, info_slot::Status, ControlKind::LeftLabel, "", kStatusRect);
        if (d >= 4) {
            add(ViewArray::InfoLabels, info_slot::ProgressCount, ControlKind::LeftLabel, "",
                kProgressCountRect);
            add(ViewArray::InfoLabels, info_slot::ProgressPercent, ControlKind::LeftLabel, "",
                kProgressPercentRect);
        }
        return std::move(placements_);
    }

  private:
    void add(ViewArray array, int slot, ControlKind kind, std::string text, Rect rect,
             int trackBarPosition = kNoPosition) {
        placements_.push_back({array, slot, kind, std::move(text), rect, trackBarPosition});
    }

    void addVsControls() {
        const VsGeometry vs = vsGeometry(parameters_.dimension);
        add(ViewArray::VsControls, 0, ControlKind::CentredLabel, "VS Control", vs.label);
        for (int i = 1; i <= 4; ++i) {
            add(ViewArray::VsControls, i, ControlKind::PushButton, std::string(localized(kStepNames[i - 1])),
                {vs.x, 30 * i, vs.width, 30});
        }
    }

    void addGuideControls() {
        const GuideGeometry guide = guideGeometry(parameters_);
        add(ViewArray::GuideControls, 0, ControlKind::CentredLabel, std::string(localized("ガイド機能")),
            guide.caption);
        for (int level = 0; level < 3; ++level) {
            add(ViewArray::GuideControls, 1 + level, ControlKind::PushButton,
                guideLevelText(level, parameters_.guideLevel), guide.levels[level]);
        }
    }

    // No handler reads the pass button: passes are made by the automatic pass checks alone, and
    // the button stays as a marker of where a person's pass would be asked for.
    void addPassButton() {
        if (parameters_.mode != GameMode::CpuVsCpu) {
            add(ViewArray::GuideControls, 4, ControlKind::PushButton, std::string(localized("パス")),
                guideGeometry(parameters_).pass);
        }
    }

    void addCells(int firstSlot, int count) {
        for (int slot = firstSlot; slot < firstSlot + count; ++slot) {
            add(ViewArray::CellButtons, slot, ControlKind::CellButton, "",
                cellRect(parameters_.dimension, slot));
        }
    }

    void addAxisGroup(int k) {
        const AxisGeometry axis = axisGeometry(parameters_.dimension, k);
        // A new game starts on coordinate 3 of every further axis; a loaded one on its restored slice.
        const int position = parameters_.origin == ViewOrigin::LoadedGame
                                 ? trackBarPositionOf(parameters_.viewOffset, 3 + k)
                                 : 4;
        add(ViewArray::AxisControls, axis_slot::caption(k), ControlKind::PushButton,
            std::string(localized(kAxisCaptions[k])), axis.caption);
        add(ViewArray::AxisControls, axis_slot::trackBar(k), ControlKind::TrackBar, "Track Bar",
            axis.trackBar, position);
        add(ViewArray::AxisControls, axis_slot::value(k), ControlKind::CentredLabel, numberText(position),
            axis.value);
    }

    void addDimensionAndModeCaption() {
        add(ViewArray::InfoLabels, dimensionAndModeSlot(parameters_.dimension), ControlKind::CentredLabel,
            dimensionAndModeText(parameters_.dimension, parameters_.mode, displayLanguage()),
            kDimensionAndModeRect);
    }

    void addTurnAndCounts() {
        const InfoGeometry info = infoGeometry(parameters_.dimension);
        add(ViewArray::InfoLabels, info_slot::Turn, ControlKind::LeftLabel, "", info.turn);
        add(ViewArray::InfoLabels, info_slot::LastMove, ControlKind::LeftLabel, "", info.lastMove);
        add(ViewArray::InfoLabels, info_slot::FirstCount, ControlKind::LeftLabel, "", info.firstCount);
        add(ViewArray::InfoLabels, info_slot::SecondCount, ControlKind::LeftLabel, "", info.secondCount);
    }

    const ViewParameters& parameters_;
    std::vector<ControlPlacement> placements_;
};

}  // namespace

std::vector<ControlPlacement> viewLayout(const ViewParameters& parameters) {
    std::vector<ControlPlacement> placements = LayoutBuilder(parameters).build();
    if (parameters.layout == BoardLayout::Large && hasLargeLayout(parameters.dimension)) {
        placeOnLargeCanvas(placements, parameters.dimension);
    }
    return placements;
}

platform::Size layoutCanvas(const ViewParameters& parameters) {
    if (parameters.layout == BoardLayout::Large && hasLargeLayout(parameters.dimension)) {
        return largeLayoutCanvas(parameters.dimension);
    }
    return platform::classicClientSize;
}

int trackBarPositionOf(std::int32_t viewOffset, int axis) {
    return coordinateOf(viewOffset, axis) + 1;
}

}  // namespace kalvenor
