#include "script_render.h"

#include <algorithm>
#include <array>
#include <vector>

namespace kalvenor::script {

namespace {

namespace hl = platform::headless;

constexpr int kSide = 8;                    // cells along one axis of a block
constexpr int kLayerCells = kSide * kSide;  // one 8 x 8 block
constexpr int kLayersPerRow = 4;            // layers stand in two rows of four

// Characters on screen: one per UTF-8 code point (the stones and marks are one character each).
std::size_t screenWidth(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string kindSuffix(const hl::ControlRecord& control) {
    const bool button = control.kind == platform::ControlKind::PushButton ||
                        control.kind == platform::ControlKind::CellButton;
    std::string suffix = button ? " (button)" : "";
    if (!control.visible()) {
        suffix += " (hidden)";
    }
    return suffix;
}

// ", marks 2 5 7": the positions a track bar marks; nothing when none.
std::string marksText(std::uint32_t marks) {
    std::string text;
    for (int position = 0; position < 32; ++position) {
        if ((marks & (1U << position)) != 0) {
            text += (text.empty() ? ", marks " : " ") + std::to_string(position);
        }
    }
    return text;
}

// The character after a highlighted cell, in place of the blank that separates it from the next.
char highlightMark(platform::CellHighlight highlight) {
    switch (highlight) {
        case platform::CellHighlight::LastMove:
            return '*';
        case platform::CellHighlight::Turned:
            return '+';
        case platform::CellHighlight::Five:
            return '#';
        case platform::CellHighlight::ThreatWin:
            return '!';
        case platform::CellHighlight::ThreatBlock:
            return '^';
        case platform::CellHighlight::None:
            break;
    }
    return ' ';
}

void printControls(std::ostream& out, const Session& session, std::string_view name,
                   const std::vector<platform::ControlHandle>& controls) {
    for (std::size_t slot = 0; slot < controls.size(); ++slot) {
        const platform::ControlHandle control = controls[slot];
        if (control == nullptr || !hl::isLive(session.window, control)) {
            continue;
        }
        const hl::ControlRecord& shown = hl::record(control);
        out << name << '[' << slot << "] = ";
        if (shown.kind == platform::ControlKind::TrackBar) {
            out << "track bar at " << shown.trackPosition << " of " << shown.trackMinimum << ".."
                << shown.trackMaximum << marksText(shown.trackMarks) << kindSuffix(shown) << '\n';
        } else {
            out << quotedText(shown.text) << kindSuffix(shown) << '\n';
        }
    }
}

// Cell button texts as a person reads them: "." for a blank button, "-" where no button stands;
// and the mark of each button's highlight.
std::vector<std::string> cellTexts(const Session& session, std::vector<char>& marks) {
    std::vector<std::string> texts;
    texts.reserve(session.view.cellButtons.size());
    marks.clear();
    for (const platform::ControlHandle button : session.view.cellButtons) {
        if (button == nullptr || !hl::isLive(session.window, button)) {
            texts.emplace_back("-");
            marks.push_back(' ');
        } else {
            const std::string text = platform::controlText(button);
            texts.push_back(text.empty() ? "." : text);
            marks.push_back(highlightMark(hl::record(button).highlight));
        }
    }
    return texts;
}

// One 8 x 8 block per layer, axis 0 down and axis 1 across, layers side by side in rows of four.
void printCells(std::ostream& out, const Session& session) {
    std::vector<char> marks;
    const std::vector<std::string> texts = cellTexts(session, marks);
    if (texts.empty()) {
        return;
    }
    std::size_t width = 1;
    for (const std::string& text : texts) {
        width = std::max(width, screenWidth(text));
    }
    const auto padded = [&](const std::string& text) {
        return text + std::string(width - screenWidth(text), ' ');
    };

    const int layers = static_cast<int>(texts.size()) / kLayerCells;
    const std::int32_t first = session.state.viewOffset;
    out << "cells " << first << ".." << first + static_cast<std::int32_t>(texts.size()) - 1 << '\n';
    const std::string blockGap = "   ";
    const std::string gapAfterMark = "  ";  // a block gap whose first blank a mark may take
    for (int rowStart = 0; rowStart < layers; rowStart += kLayersPerRow) {
        const int rowEnd = std::min(layers, rowStart + kLayersPerRow);
        if (layers > 1) {
            std::string header;
            for (int layer = rowStart; layer < rowEnd; ++layer) {
                std::string title = "layer " + std::to_string(layer);
                const std::size_t blockWidth = kSide * (width + 1) - 1;
                title.resize(std::max(blockWidth, title.size()), ' ');
                header += (layer == rowStart ? "" : blockGap) + title;
            }
            out << header.substr(0, header.find_last_not_of(' ') + 1) << '\n';
        }
        for (int b = 0; b < kSide; ++b) {
            std::string line;
            for (int layer = rowStart; layer < rowEnd; ++layer) {
                if (layer != rowStart) {
                    line += gapAfterMark;
                }
                for (int a = 0; a < kSide; ++a) {
                    const auto cell = static_cast<std::size_t>(layer * kLayerCells + kSide * a + b);
                    line += padded(texts[cell]) + marks[cell];
                }
            }
            out << line.substr(0, line.find_last_not_of(' ') + 1) << '\n';
        }
        if (rowEnd < layers) {
            out << '\n';
        }
    }
}

std::string_view checkMark(const platform::MenuItem& item) {
    const bool checked = item.isChecked();
    if (item.exclusive) {
        return checked ? " (x)" : " ( )";
    }
    return checked ? " [x]" : " [ ]";
}

void printMenuItems(std::ostream& out, const std::vector<platform::MenuItem>& items, int level) {
    const std::string indent(static_cast<std::size_t>(2 * level), ' ');
    for (const platform::MenuItem& item : items) {
        if (item.isSeparator()) {
            out << indent << "---\n";
            continue;
        }
        out << indent << item.text;
        if (item.items.empty()) {
            out << " (" << item.commandId << ')';
        }
        if (!item.shortcut.empty()) {
            out << ' ' << item.shortcut;
        }
        if (item.isChecked) {
            out << checkMark(item);
        }
        out << '\n';
        printMenuItems(out, item.items, level + 1);
    }
}

}  // namespace

void printMenu(std::ostream& out, const std::vector<platform::MenuItem>& menuBar) {
    printMenuItems(out, menuBar, 0);
}

std::string quotedText(std::string_view text) {
    std::string result = "\"";
    for (const char c : text) {
        switch (c) {
            case '\\':
                result += "\\\\";
                break;
            case '"':
                result += "\\\"";
                break;
            case '\n':
                result += "\\n";
                break;
            case '\r':
                result += "\\r";
                break;
            default:
                result += c;
        }
    }
    return result + '"';
}

void printMessageBox(std::ostream& out, const hl::MessageBoxRecord& box) {
    out << "box " << quotedText(box.caption) << ' ' << quotedText(box.text) << " -> "
        << platform::answerName(box.answer.value_or(platform::MessageBoxResult::Ok)) << '\n';
}

void printFileDialog(std::ostream& out, const hl::FileDialogRecord& dialog) {
    out << "dialog " << quotedText(dialog.title) << " -> " << dialog.answer.value_or("cancel") << '\n';
}

void printWindowTitle(std::ostream& out, const Session& session) {
    out << "window " << quotedText(hl::windowDesc(session.window).title) << '\n';
}

void printWindow(std::ostream& out, const Session& session, bool showFocus) {
    printWindowTitle(out, session);
    const std::array<std::pair<std::string_view, const std::vector<platform::ControlHandle>*>, 4> arrays = {{
        {"InfoLabels", &session.view.infoLabels},
        {"GuideControls", &session.view.guideControls},
        {"VsControls", &session.view.vsControls},
        {"AxisControls", &session.view.axisControls},
    }};
    for (const auto& [name, controls] : arrays) {
        printControls(out, session, name, *controls);
    }
    printCells(out, session);
    if (!showFocus) {
        return;
    }
    const platform::ControlHandle focused = hl::focusedControl(session.window);
    const auto& cells = session.view.cellButtons;
    std::string where = "none";
    if (const auto cell = std::find(cells.begin(), cells.end(), focused);
        focused != nullptr && cell != cells.end()) {
        where = "cell " + std::to_string(session.state.viewOffset + (cell - cells.begin()));
    }
    for (const auto& [name, controls] : arrays) {
        if (const auto found = std::find(controls->begin(), controls->end(), focused);
            focused != nullptr && found != controls->end()) {
            where = std::string(name) + '[' + std::to_string(found - controls->begin()) + ']';
        }
    }
    out << "focus = " << where << '\n';
}

namespace {

std::string_view kindName(platform::ControlKind kind) {
    switch (kind) {
        case platform::ControlKind::LeftLabel:
            return "label";
        case platform::ControlKind::CentredLabel:
            return "centred label";
        case platform::ControlKind::PushButton:
            return "button";
        case platform::ControlKind::TrackBar:
            return "track bar";
        case platform::ControlKind::CellButton:
            break;
    }
    return "cell";
}

}  // namespace

void printGeometry(std::ostream& out, const Session& session) {
    const platform::Size canvas = platform::layoutCanvas(session.window);
    out << "canvas " << canvas.width << " x " << canvas.height << '\n';
    for (const platform::ControlHandle control : hl::liveControls(session.window)) {
        const hl::ControlRecord& shown = hl::record(control);
        const platform::Rect& rect = shown.rect;
        out << kindName(shown.kind) << ' ' << rect.x << ' ' << rect.y << ' ' << rect.width << ' '
            << rect.height;
        if (shown.kind != platform::ControlKind::CellButton) {
            out << ' ' << quotedText(shown.text);
        }
        out << '\n';
    }
}

void printState(std::ostream& out, const GameState& state) {
    const auto side = [](CellState value) { return static_cast<int>(value); };
    out << "dimension=" << state.dimension << '\n'
        << "cellCount=" << state.cellCount << '\n'
        << "viewCellCount=" << state.viewCellCount << '\n'
        << "viewOffset=" << state.viewOffset << '\n'
        << "guideLevel=" << state.guideLevel << '\n'
        << "inProgress=" << (state.inProgress ? 1 : 0) << '\n'
        << "sideToMove=" << side(state.sideToMove) << '\n'
        << "stoneCount=" << state.stoneCount << '\n'
        << "turnNumberFirst=" << state.turnNumberOf(CellState::First) << '\n'
        << "turnNumberSecond=" << state.turnNumberOf(CellState::Second) << '\n'
        << "humanSide=" << side(state.humanSide) << '\n'
        << "mode=" << static_cast<int>(state.mode) << '\n'
        << "recordEnabled=" << (state.recordEnabled ? 1 : 0) << '\n';
}

void printBoard(std::ostream& out, const Board& board) {
    const auto cells = board.bytes();
    std::string layer;
    layer.reserve(kLayerCells + kSide + 1);
    for (std::size_t start = 0; start < cells.size(); start += kLayerCells) {
        layer.clear();
        if (start != 0) {
            layer += '\n';
        }
        for (std::size_t cell = start; cell < start + kLayerCells; ++cell) {
            layer += static_cast<char>('0' + cells[cell]);
            if ((cell + 1) % kSide == 0) {
                layer += '\n';
            }
        }
        out << layer;
    }
}

void printHelpWindow(std::ostream& out, const hl::HelpWindowRecord& help) {
    out << "help " << quotedText(help.title) << '\n';
    for (const platform::HelpSection& section : help.sections) {
        out << "  [" << section.heading << "]\n";
        std::string_view text = section.text;
        while (!text.empty()) {
            const std::size_t end = std::min(text.find('\n'), text.size());
            out << "  " << text.substr(0, end) << '\n';
            text.remove_prefix(std::min(end + 1, text.size()));
        }
        for (const platform::HelpPicture& picture : section.pictures) {
            for (const std::string& row : picture.rows) {
                out << "    " << row << '\n';
            }
            out << "    (" << picture.caption << ")\n";
        }
    }
}

void printThreats(std::ostream& out, const ThreatCells& threats) {
    const auto printLine = [&out](std::string_view name, const std::vector<std::int32_t>& cells) {
        out << name;
        if (cells.empty()) {
            out << " -";
        }
        for (const std::int32_t cell : cells) {
            out << ' ' << cell;
        }
        out << '\n';
    };
    printLine("win", threats.win);
    printLine("block", threats.block);
}

}  // namespace kalvenor::script
