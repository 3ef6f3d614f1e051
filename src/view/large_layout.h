#pragma once

// The large board (大きい盤): on two axes the board takes the whole height of its canvas and every
// other control stands in a column to its right; on three axes the layers stand close together
// with the other controls in three rows under them. The controls, their order and texts are those
// of the classic layout; only their rectangles and the canvas differ. Four or more axes keep the
// classic layout: their track bars and captions need the room under the layers.

#include <vector>

#include "platform/window_system.h"
#include "view/view_layout.h"

namespace kalvenor {

bool hasLargeLayout(int dimension);
platform::Size largeLayoutCanvas(int dimension);

// Moves the classic placements of a view of two or three axes to their places on the large canvas.
void placeOnLargeCanvas(std::vector<ControlPlacement>& placements, int dimension);

}  // namespace kalvenor
