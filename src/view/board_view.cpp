#include "view/board_view.h"

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

void buildBoardView(BoardView& view, platform::WindowHandle window, const ViewParameters& parameters) {
    destroyBoardView(view);
    releaseBoardView(view);

    const ViewSlotCounts counts = viewSlotCounts(parameters);
    view.vsControls.assign(counts.vsControls, nullptr);
    view.cellButtons.assign(counts.cellButtons, nullptr);
    view.infoLabels.assign(counts.infoLabels, nullptr);
    view.axisControls.assign(counts.axisControls, nullptr);
    view.guideControls.assign(counts.guideControls, nullptr);

    platform::setLayoutCanvas(window, layoutCanvas(parameters));
    for (const ControlPlacement& placement : viewLayout(parameters)) {
        const ControlHandle control =
            platform::createControl(window, placement.kind, placement.text, placement.rect);
        arrayOf(view, placement.array)[placement.slot] = control;
        if (placement.kind == platform::ControlKind::TrackBar && control != nullptr) {
            platform::setTrackBarRange(control, 1, 8);
            platform::setTrackBarPosition(control, placement.trackBarPosition);
        }
    }
    // A track bar is said by the name of its axis, the caption button before it.
    for (std::size_t caption = 0; caption + 1 < view.axisControls.size(); caption += 3) {
        platform::setAccessibleText(view.axisControls[caption + 1],
                                    platform::controlText(view.axisControls[caption]), {});
    }
    view.dimension = parameters.dimension;
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
