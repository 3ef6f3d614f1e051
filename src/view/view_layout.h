#pragma once

// Where every control of a board view stands: the whole geometry of the views, for every number
// of axes and every mode, as a list of placements in creation order. Pure data; buildBoardView
// turns it into controls.

#include <string>
#include <vector>

#include "platform/window_system.h"
#include "view/board_view.h"

namespace kalvenor {

enum class ViewArray { CellButtons, InfoLabels, AxisControls, GuideControls, VsControls };

struct ControlPlacement {
    ViewArray array = ViewArray::InfoLabels;
    int slot = 0;
    platform::ControlKind kind = platform::ControlKind::LeftLabel;
    std::string text;
    platform::Rect rect;
    int trackBarPosition = 0;  // track bars only: the position set right after creation
};

// Every control of the view, in the order the view creates them.
std::vector<ControlPlacement> viewLayout(const ViewParameters& parameters);
// The canvas the view's rectangles are laid out on: the classic client area, or the large board's.
platform::Size layoutCanvas(const ViewParameters& parameters);

// The text of the button of guide `level` (0..2): bracketed when it is `currentLevel`.
std::string guideLevelText(int level, int currentLevel);

// The track-bar position (1..8) that shows coordinate `axis` of the slice starting at viewOffset.
int trackBarPositionOf(std::int32_t viewOffset, int axis);

}  // namespace kalvenor
