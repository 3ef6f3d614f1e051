// Fonts that write Japanese. "MS UI Gothic" is the Japanese user-interface font of Windows; asking
// for the Shift-JIS character set lets the system take another Japanese font where it is missing
// (under Wine: the IPA Gothic font mapped to that name, see scripts/windows.sh).

#include <algorithm>
#include <map>

#include "platform/win32/win32_backend.h"

namespace kalvenor::platform {
namespace {

constexpr int kControlTextHeight = 14;  // pixels, as the labels are 30 high
constexpr int kSmallButtonHeight = 25;  // the cell buttons and smaller

HFONT japaneseFont(int pixelHeight, int weight) {
    return CreateFontW(-pixelHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, L"MS UI Gothic");
}

}  // namespace

HFONT controlFont() {
    static const HFONT font = japaneseFont(kControlTextHeight, FW_NORMAL);
    return font;
}

HFONT cellFont(int buttonHeight) {
    if (buttonHeight > kSmallButtonHeight) {
        return controlFont();
    }
    // A stone or a count fills most of the face; one font per height, kept like the others.
    static std::map<int, HFONT> fonts;
    const int height = std::max(1, buttonHeight * 16 / 25);
    auto [place, added] = fonts.try_emplace(height, nullptr);
    if (added) {
        place->second = japaneseFont(height, FW_BOLD);
    }
    return place->second;
}

}  // namespace kalvenor::platform
