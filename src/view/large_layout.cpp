#include "view/large_layout.h"

#include <algorithm>

namespace kalvenor {

namespace {

using platform::Rect;
using platform::Size;

constexpr int kRow = 30;       // a label or button row, as in the classic layout
constexpr int kGroupGap = 15;  // between groups of controls
constexpr int kLayerCaptionHeight = 25;

// Part `index` of `parts` equal parts of the row of `width` from (left, top).
Rect rowPart(int left, int width, int top, int index = 0, int parts = 1) {
    const int start = left + width * index / parts;
    const int end = left + width * (index + 1) / parts;
    return {start, top, end - start, kRow};
}

// Cell `slot` of layers of `cell`-unit cells, `gap` apart, in rows of four with their captions.
Rect cellRect(int cell, int gap, int slot) {
    const int row = slot % 8;           // board axis 0 runs down the screen
    const int column = (slot / 8) % 8;  // axis 1 across
    const int layer = slot / 64;
    const int left = (layer % 4) * (8 * cell + gap);
    const int top = (layer / 4) * (8 * cell + kLayerCaptionHeight + gap);
    return {left + column * cell, top + row * cell, cell, cell};
}

// Two axes: one 8 x 8 board as high as the canvas; to its right a column, top down: the dimension
// and mode, the stepping buttons of a game between computers, the guide; from the bottom up: the
// last move, the stone counts and the turn, level with the board's lower edge.
namespace two_axes {

constexpr int kCell = 60;
constexpr int kBoard = 8 * kCell;
constexpr int kColumnX = kBoard + 20;
constexpr int kColumnWidth = 300;  // the classic last-move label is as wide
constexpr Size kCanvas{kColumnX + kColumnWidth, kBoard};

Rect columnPart(int top, int index = 0, int parts = 1) {
    return rowPart(kColumnX, kColumnWidth, top, index, parts);
}

Rect rectOf(const ControlPlacement& placement, bool steps) {
    const int slot = placement.slot;
    const int stepsTop = kRow + kGroupGap;
    const int guideTop = stepsTop + (steps ? 3 * kRow + kGroupGap : 0);
    switch (placement.array) {
        case ViewArray::CellButtons:
            return cellRect(kCell, 0, slot);
        case ViewArray::VsControls:
            return slot == 0 ? columnPart(stepsTop)
                             : columnPart(stepsTop + kRow * ((slot + 1) / 2), (slot - 1) % 2, 2);
        case ViewArray::GuideControls:
            return slot == 0 ? columnPart(guideTop) : columnPart(guideTop + kRow, slot - 1, 3);
        case ViewArray::InfoLabels:
            break;
        case ViewArray::AxisControls:
            return placement.rect;
    }
    switch (slot) {
        case info_slot::Turn:
            return columnPart(kCanvas.height - 3 * kRow);
        case info_slot::FirstCount:
        case info_slot::SecondCount:
            return columnPart(kCanvas.height - 2 * kRow, slot - info_slot::FirstCount, 2);
        case info_slot::LastMove:
            return columnPart(kCanvas.height - kRow);
        default:
            return columnPart(0, slot - 4, 2);  // slots 4 and 5: the dimension, the mode
    }
}

}  // namespace two_axes

// Three axes: the eight layers of the classic cell size close together, two rows of four, and
// under them three rows across their width: the dimension and mode, the pass button and the
// guide; the turn, the counts and the last move; the status and the stepping buttons.
namespace three_axes {

constexpr int kCell = 25;
constexpr int kLayerGap = 8;
constexpr int kWidth = 4 * 8 * kCell + 3 * kLayerGap;
constexpr int kRowsTop = 2 * (8 * kCell + kLayerCaptionHeight) + kLayerGap + 10;
constexpr Size kCanvas{kWidth, kRowsTop + 3 * kRow};

// Runs of a row, left to right, as [start, end) in units of the canvas width.
constexpr int kGuideStart = 296;
constexpr int kLastMoveStart = 500;
constexpr int kStepsStart = 412;

Rect span(int row, int start, int end) {
    return {start, kRowsTop + row * kRow, end - start, kRow};
}

Rect rectOf(const ControlPlacement& placement) {
    const int slot = placement.slot;
    switch (placement.array) {
        case ViewArray::CellButtons:
            return cellRect(kCell, kLayerGap, slot);
        case ViewArray::VsControls:
            return slot == 0 ? span(2, kStepsStart, kStepsStart + 100)
                             : rowPart(kStepsStart + 100, kWidth - kStepsStart - 100, kRowsTop + 2 * kRow,
                                       slot - 1, 4);
        case ViewArray::GuideControls:
            if (slot == 0) {
                return span(0, kGuideStart, kGuideStart + 144);
            }
            if (slot == 4) {  // the pass button
                return span(0, 208, 288);
            }
            return rowPart(kGuideStart + 144, kWidth - kGuideStart - 144, kRowsTop, slot - 1, 3);
        case ViewArray::InfoLabels:
            break;
        case ViewArray::AxisControls:
            return placement.rect;
    }
    switch (slot) {
        case info_slot::Turn:
            return span(1, 0, 250);
        case info_slot::FirstCount:
        case info_slot::SecondCount:
            return rowPart(250, 250, kRowsTop + kRow, slot - info_slot::FirstCount, 2);
        case info_slot::LastMove:
            return span(1, kLastMoveStart, kWidth);
        case info_slot::Status:
            return span(2, 0, kStepsStart - 8);
        case 13:  // the dimension and mode caption
            return span(0, 0, 200);
        default: {  // slots 4 to 11: the layer captions, under their layers
            const Rect corner = cellRect(kCell, kLayerGap, 64 * (slot - 4) + 7);  // bottom-left cell
            return {corner.x, corner.y + corner.height, 8 * kCell, kLayerCaptionHeight};
        }
    }
}

}  // namespace three_axes

}  // namespace

bool hasLargeLayout(int dimension) {
    return dimension == 2 || dimension == 3;
}

Size largeLayoutCanvas(int dimension) {
    return dimension == 2 ? two_axes::kCanvas : three_axes::kCanvas;
}

void placeOnLargeCanvas(std::vector<ControlPlacement>& placements, int dimension) {
    const bool steps = std::any_of(placements.begin(), placements.end(), [](const ControlPlacement& p) {
        return p.array == ViewArray::VsControls;
    });
    for (ControlPlacement& placement : placements) {
        // A control that takes no room (the pass button of a new game) takes none here either.
        if (placement.rect.width > 0 && placement.rect.height > 0) {
            placement.rect =
                dimension == 2 ? two_axes::rectOf(placement, steps) : three_axes::rectOf(placement);
        }
    }
}

}  // namespace kalvenor
