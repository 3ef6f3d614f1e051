// The cell buttons draw themselves (owner-drawn buttons): a board-coloured square with the stone as
// a disc and the highlights, as the Linux desktop program shows them.

#include <windows.h>

#include <algorithm>

#include "platform/cell_look.h"
#include "platform/win32/win32_backend.h"
#include "records/win32/wide_text.h"

namespace kalvenor::platform {
namespace {

COLORREF colourRef(cell_look::Rgb rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

COLORREF darker(cell_look::Rgb rgb) {
    constexpr auto shade = [](std::uint8_t part) { return static_cast<BYTE>(part * 100 / 115); };
    return RGB(shade(rgb.red), shade(rgb.green), shade(rgb.blue));
}

// A GDI object selected into a device context for one drawing step, then put back and deleted.
class Selected {
  public:
    Selected(HDC dc, HGDIOBJ object, bool owned = true)
        : dc_(dc), object_(object), previous_(SelectObject(dc, object)), owned_(owned) {}
    ~Selected() {
        SelectObject(dc_, previous_);
        if (owned_) {
            DeleteObject(object_);
        }
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

  private:
    HDC dc_;
    HGDIOBJ object_;
    HGDIOBJ previous_;
    bool owned_;
};

void drawDisc(HDC dc, POINT centre, int radius, COLORREF fill, HPEN pen) {
    const Selected brush(dc, CreateSolidBrush(fill));
    const Selected outline(dc, pen);
    Ellipse(dc, centre.x - radius, centre.y - radius, centre.x + radius + 1, centre.y + radius + 1);
}

}  // namespace

void paintCellButton(const Control& cell, const DRAWITEMSTRUCT& item) {
    const HDC dc = item.hDC;
    const RECT face = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const HBRUSH board = CreateSolidBrush(pressed ? darker(cell_look::board) : colourRef(cell_look::board));
    FillRect(dc, &face, board);
    DeleteObject(board);
    const HBRUSH grid = CreateSolidBrush(colourRef(cell_look::grid));
    FrameRect(dc, &face, grid);
    DeleteObject(grid);

    const int side = std::min(face.right - face.left, face.bottom - face.top);
    if (cell.highlight == CellHighlight::ThreatWin || cell.highlight == CellHighlight::ThreatBlock) {
        // Behind the text: a guide mark stays readable on a threatened cell.
        const int inset = static_cast<int>(side * cell_look::threatInset);
        const RECT fill{face.left + inset, face.top + inset, face.right - inset, face.bottom - inset};
        const HBRUSH brush = CreateSolidBrush(colourRef(cell_look::highlightColour(cell.highlight)));
        FillRect(dc, &fill, brush);
        DeleteObject(brush);
    }
    const POINT centre{(face.left + face.right) / 2, (face.top + face.bottom) / 2};
    const bool first = cell.text == cell_look::firstStoneText;
    const bool second = cell.text == cell_look::secondStoneText;
    if (first || second) {
        const int rimWidth = std::max(1, static_cast<int>(side * cell_look::stoneRimWidth));
        drawDisc(dc, centre, static_cast<int>(side * cell_look::stoneRadius),
                 colourRef(first ? cell_look::blackStone : cell_look::whiteStone),
                 CreatePen(PS_SOLID, rimWidth, colourRef(cell_look::stoneRim)));
    } else if (!cell.text.empty()) {
        const Selected font(dc, cellFont(cell.layoutRect.height, cell.owner->fit.factor), false);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, colourRef(cell_look::markText));
        RECT textRect = face;
        DrawTextW(dc, win32::widen(cell.text).c_str(), -1, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }

    const COLORREF highlight = colourRef(cell_look::highlightColour(cell.highlight));
    switch (cell.highlight) {
        case CellHighlight::None:
        case CellHighlight::ThreatWin:
        case CellHighlight::ThreatBlock:
            break;
        case CellHighlight::Turned:
            // A small dot on the stone: it changed colour with the last move.
            drawDisc(dc, centre, std::max(1, static_cast<int>(side * cell_look::turnedDotRadius)), highlight,
                     CreatePen(PS_NULL, 0, 0));
            break;
        case CellHighlight::LastMove:
        case CellHighlight::Five: {
            const int width = std::max(2, static_cast<int>(side * cell_look::highlightWidth));
            const Selected pen(dc, CreatePen(PS_INSIDEFRAME, width, highlight));
            const Selected noFill(dc, GetStockObject(NULL_BRUSH), false);
            Rectangle(dc, face.left, face.top, face.right, face.bottom);
            break;
        }
    }
    // The keyboard cursor, while the board has the focus and the keyboard has been used.
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        const int width = std::max(2, static_cast<int>(side * cell_look::cursorWidth));
        const int inset = static_cast<int>(side * cell_look::cursorInset);
        const Selected pen(dc, CreatePen(PS_INSIDEFRAME, width, colourRef(cell_look::cursorFrame)));
        const Selected noFill(dc, GetStockObject(NULL_BRUSH), false);
        Rectangle(dc, face.left + inset, face.top + inset, face.right - inset, face.bottom - inset);
    }
}

}  // namespace kalvenor::platform
