#include "view/board_view.h"

#include <algorithm>

#include "catalog/localized.h"
#include "view/view_layout.h"

namespace kalvenor {

namespace {

using platform::ControlHandle;

std::vector<ControlHandle>& arrayOf(BoardView& view, ViewArray array) {
    switch (array) {
        case ViewArray::CellButtons:
            return view.cellButtons;
        case ViewArray::InfoLabels:
            return view.infoLabels;
        case ViewArray::AxisControls:
            return view.axisControls;
        case ViewArray::GuideControls:
            return view.guideControls;
        case ViewArray::VsControls:
            break;
    }
    return view.vsControls;
}

// Every control of the array goes; its slot is emptied so that nothing is destroyed twice.
// Slots are filled from the front, so this stops where a complete view stops; a slot left empty by
// a failed creation does not keep the controls after it on the screen.
void destroyControls(std::vector<ControlHandle>& controls) {
    for (ControlHandle& control : controls) {
        if (control != nullptr) {
            platform::destroyControl(control);
            control = nullptr;
        }
    }
}

void release(std::vector<ControlHandle>& controls) {
    std::vector<ControlHandle>().swap(controls);
}

}  // namespace

AxisGroup axisGroup(const BoardView& view, int k) {
    const auto at = [&view](int slot) {
        return slot >= 0 && static_cast<std::size_t>(slot) < view.axisControls.size()
                   ? view.axisControls[static_cast<std::size_t>(slot)]
                   : nullptr;
    };
    return {at(axis_slot::caption(k)), at(axis_slot::trackBar(k)), at(axis_slot::value(k))};
}

int axisGroupCount(const BoardView& view) {
    return static_cast<int>(view.axisControls.size() / 3);
}

void destroyBoardView(BoardView& view) {
    destroyControls(view.cellButtons);
    destroyControls(view.infoLabels);
    destroyControls(view.axisControls);
    destroyControls(view.guideControls);
    destroyControls(view.vsControls);
}

void releaseBoardView(BoardView& view) {
    release(view.cellButtons);
    release(view.infoLabels);
    release(view.axisControls);
    release(view.guideControls);
    release(view.vsControls);
    view.highlights = {};
    view.axisMarks.clear();
    view.dimension = 0;
    view.cursorSlot = -1;
    view.built.reset();
}

std::int32_t initialCursorSlot(int dimension) {
    constexpr std::int32_t middle = 3;
    return dimension <= 2 ? middle + 8 * middle : middle + 8 * middle + 64 * middle;
}

void placeCellCursor(BoardView& view, std::int32_t slot) {
    if (slot < 0 || static_cast<std::size_t>(slot) >= view.cellButtons.size() ||
        view.cellButtons[static_cast<std::size_t>(slot)] == nullptr) {
        return;
    }
    view.cursorSlot = slot;
    platform::setCellCursor(view.cellButtons[static_cast<std::size_t>(slot)]);
}

void showLastMoveAsLink(const BoardView& view) {
    if (view.dimension >= 4 && info_slot::LastMove < view.infoLabels.size()) {
        platform::setLabelLink(view.infoLabels[info_slot::LastMove],
                               localized("クリックすると、この手の断面を表示します"));
    }
}

void buildBoardView(BoardView& view, platform::WindowHandle window, const ViewParameters& parameters) {
    destroyBoardView(view);
    releaseBoardView(view);

    // Each array holds the slots the layout places, up to the last one.
    const std::vector<ControlPlacement> placements = viewLayout(parameters);
    for (const ControlPlacement& placement : placements) {
        std::vector<ControlHandle>& controls = arrayOf(view, placement.array);
        controls.resize(std::max(controls.size(), static_cast<std::size_t>(placement.slot) + 1), nullptr);
    }

    platform::setLayoutCanvas(window, layoutCanvas(parameters));
    for (const ControlPlacement& placement : placements) {
        const ControlHandle control =
            platform::createControl(window, placement.kind, placement.text, placement.rect);
        arrayOf(view, placement.array)[placement.slot] = control;
        if (placement.kind == platform::ControlKind::TrackBar && control != nullptr) {
            platform::setTrackBarRange(control, 1, 8);
            platform::setTrackBarPosition(control, placement.trackBarPosition);
        }
    }
    // A track bar is said by the name of its axis, the caption button before it.
    for (int k = 0; k < axisGroupCount(view); ++k) {
        const AxisGroup group = axisGroup(view, k);
        platform::setAccessibleText(group.trackBar, platform::controlText(group.caption), {});
    }
    view.dimension = parameters.dimension;
    // The pass button has no action (the pass checks pass by themselves): it is shown greyed out.
    constexpr std::size_t kPassSlot = 4;
    if (kPassSlot < view.guideControls.size()) {
        platform::setControlEnabled(view.guideControls[kPassSlot], false);
    }
    // Where a slice is shown, a click on the last move brings its slice into view.
    showLastMoveAsLink(view);
    placeCellCursor(view, initialCursorSlot(parameters.dimension));
    view.built = parameters;
}

void relayoutBoardView(BoardView& view, platform::WindowHandle window, BoardLayout layout) {
    if (!view.built || view.built->layout == layout) {
        return;
    }
    view.built->layout = layout;
    platform::setLayoutCanvas(window, layoutCanvas(*view.built));
    for (const ControlPlacement& placement : viewLayout(*view.built)) {
        const auto& controls = arrayOf(view, placement.array);
        if (placement.slot < static_cast<int>(controls.size())) {
            platform::moveControl(controls[static_cast<std::size_t>(placement.slot)], placement.rect);
        }
    }
}

}  // namespace kalvenor
