// Fonts that write Japanese. "MS UI Gothic" is the Japanese user-interface font of Windows; asking
// for the Shift-JIS character set lets the system take another Japanese font where it is missing
// (under Wine: the IPA Gothic font mapped to that name, see scripts/windows.sh).

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <utility>

#include "platform/win32/win32_backend.h"

namespace kalvenor::platform {
namespace {

constexpr int kControlTextHeight = 14;  // pixels, as the labels are 30 high
constexpr int kSmallButtonHeight = 25;  // the cell buttons and smaller

// One font per pixel height and weight, kept: a window resized back and forth asks for the same few.
HFONT japaneseFont(int pixelHeight, int weight, bool underline = false) {
    static std::map<std::tuple<int, int, bool>, HFONT> fonts;
    auto [place, added] = fonts.try_emplace({pixelHeight, weight, underline}, nullptr);
    if (added) {
        place->second = CreateFontW(-pixelHeight, 0, 0, 0, weight, FALSE, underline ? TRUE : FALSE, FALSE,
                                    SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                    CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"MS UI Gothic");
    }
    return place->second;
}

}  // namespace

HFONT controlFont(double factor, bool underline) {
    return japaneseFont(
        static_cast<int>(std::lround(scaledFontSize(kControlTextHeight, factor, smallestLegibleFontPixels))),
        FW_NORMAL, underline);
}

HFONT cellFont(int layoutHeight, double factor) {
    // Decided on the canvas, not on the screen: scaled cells differ by a pixel where their edges
    // round apart, and must still all get the same font.
    if (layoutHeight > kSmallButtonHeight) {
        return controlFont(factor);
    }
    // A stone or a count fills most of the face.
    const int height = static_cast<int>(std::lround(layoutHeight * factor));
    return japaneseFont(std::max(1, height * 16 / 25), FW_BOLD);
}

}  // namespace kalvenor::platform
