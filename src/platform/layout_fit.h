#pragma once

// How a desktop backend puts the layout on the screen: the controls' rectangles are in layout
// units on a canvas; the canvas is scaled by the largest factor that fits the client area and
// centred in it. Every backend places its controls through these functions alone.

#include <algorithm>
#include <cmath>

#include "platform/window_system.h"

namespace kalvenor::platform {

// The client area of the classic window (1024 x 750 outside, less its caption and menu bar): the
// canvas of the classic layout and the largest size the window opens at.
inline constexpr Size classicClientSize{1024, 700};
// The window can be made this much smaller than the classic size, and no smaller.
inline constexpr double smallestWindowShare = 0.6;
// Text is never drawn smaller than this, however small the factor.
inline constexpr double smallestLegibleFontPixels = 9.0;

struct LayoutFit {
    double factor = 1.0;
    int left = 0;  // where the scaled canvas starts in the client area
    int top = 0;
};

inline LayoutFit fitLayout(Size canvas, Size client) {
    if (canvas.width <= 0 || canvas.height <= 0) {
        return {};
    }
    const double factor = std::min(static_cast<double>(client.width) / canvas.width,
                                   static_cast<double>(client.height) / canvas.height);
    const auto margin = [factor](int room, int extent) {
        return std::max(0, static_cast<int>(std::lround((room - extent * factor) / 2)));
    };
    return {factor, margin(client.width, canvas.width), margin(client.height, canvas.height)};
}

// Edges come from scaled coordinates, never a size from a scaled size: two controls that share an
// edge in the layout share it on the screen at every factor, so cells tile without seams.
inline Rect scaledRect(Rect layout, const LayoutFit& fit) {
    const auto edge = [&fit](int coordinate) {
        return static_cast<int>(std::lround(coordinate * fit.factor));
    };
    const int left = edge(layout.x);
    const int top = edge(layout.y);
    return {fit.left + left, fit.top + top, edge(layout.x + layout.width) - left,
            edge(layout.y + layout.height) - top};
}

// A font size (pixels or points alike) of the classic layout at `factor`, never below legible:
// `smallest` is the legible size in the same unit.
inline double scaledFontSize(double classicSize, double factor, double smallest) {
    return std::max(classicSize * factor, std::min(classicSize, smallest));
}

// The window's smallest client area.
inline constexpr Size smallestClientSize() {
    return {static_cast<int>(classicClientSize.width * smallestWindowShare),
            static_cast<int>(classicClientSize.height * smallestWindowShare)};
}

}  // namespace kalvenor::platform
