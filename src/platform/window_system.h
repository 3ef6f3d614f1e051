#pragma once

// The window-system layer: the few calls of a classic desktop window API that the game needs,
// as free functions over opaque handles. The backend is chosen at link time: the desktop program
// links platform_qt on Linux and platform_win32 on Windows, tests and the script driver link
// platform_headless.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kalvenor::platform {

struct Window;   // defined by the backend
struct Control;  // defined by the backend
using WindowHandle = Window*;
using ControlHandle = Control*;

using WParam = std::uintptr_t;
using LParam = std::intptr_t;

// The messages the main window procedure knows, numbered as the classic API numbers them.
namespace message {
inline constexpr unsigned Create = 1;
inline constexpr unsigned Destroy = 2;
inline constexpr unsigned Size = 5;
inline constexpr unsigned Command = 273;
inline constexpr unsigned HScroll = 276;
// A key pressed while the board has the keyboard focus (or no control has it): first = the key
// code, second = the control with the focus (null for none). The keys that a focused control
// takes itself (Tab, Return and Space on a button, the arrows on a track bar) never come here.
inline constexpr unsigned KeyDown = 256;
}  // namespace message

// Key codes, numbered as the classic API's virtual keys; a letter key is its capital ('Q').
namespace key {
inline constexpr int Tab = 0x09;
inline constexpr int Return = 0x0D;
inline constexpr int Space = 0x20;
inline constexpr int PageUp = 0x21;
inline constexpr int PageDown = 0x22;
inline constexpr int End = 0x23;
inline constexpr int Home = 0x24;
inline constexpr int Left = 0x25;
inline constexpr int Up = 0x26;
inline constexpr int Right = 0x27;
inline constexpr int Down = 0x28;
}  // namespace key

// Track-bar notification codes carried in the low word of an HScroll message's first parameter.
namespace trackbar {
inline constexpr int LineUp = 0;
inline constexpr int LineDown = 1;
inline constexpr int PageUp = 2;
inline constexpr int PageDown = 3;
inline constexpr int ThumbPosition = 4;
inline constexpr int ThumbTrack = 5;
inline constexpr int Top = 6;
inline constexpr int Bottom = 7;
inline constexpr int EndTrack = 8;
}  // namespace trackbar

constexpr WParam makeWParam(std::uint16_t low, std::uint16_t high) {
    return static_cast<WParam>(low) | (static_cast<WParam>(high) << 16);
}
constexpr std::uint16_t lowWord(WParam value) {
    return static_cast<std::uint16_t>(value & 0xFFFF);
}
constexpr std::uint16_t highWord(WParam value) {
    return static_cast<std::uint16_t>((value >> 16) & 0xFFFF);
}

inline LParam toLParam(ControlHandle control) {
    return reinterpret_cast<LParam>(control);
}
inline ControlHandle toControl(LParam value) {
    return reinterpret_cast<ControlHandle>(value);
}

// Every event reaches the main window through one procedure. Command: first = makeWParam(id,
// notification code), second = the control that sent it (null for a menu command). HScroll:
// first = makeWParam(notification code, position), second = the track bar.
using WindowProc = std::intptr_t (*)(WindowHandle window, unsigned message, WParam first, LParam second);

// A menu entry, the same data for every backend: a pop-up when it has `items`, a command item
// when it has a command id, else a separator line. Choosing a command item sends the main window
// a Command with that id and notification code 0, exactly as the classic menus do.
struct MenuItem {
    std::string text;  // UTF-8
    int commandId = 0;
    std::vector<MenuItem> items;
    std::string shortcut;           // a key in portable form ("Ctrl+S"), empty for none; the backend binds it
    std::string alternateShortcut;  // a second key for the same item, not shown in the menu ("Ctrl+Y")
    // A checkable item shows a check mark while this answers true. Backends ask it whenever the
    // menu opens and after every event the window procedure has handled, so the mark follows the
    // state however it changed. Empty for an item without a mark.
    std::function<bool()> isChecked;
    bool exclusive = false;  // one choice among its neighbours: drawn as a radio mark

    bool isSeparator() const { return items.empty() && commandId == 0; }
};

inline MenuItem menuCommand(std::string text, int commandId, std::string shortcut = {}) {
    MenuItem item;
    item.text = std::move(text);
    item.commandId = commandId;
    item.shortcut = std::move(shortcut);
    return item;
}
inline MenuItem menuPopup(std::string text, std::vector<MenuItem> items) {
    MenuItem item;
    item.text = std::move(text);
    item.items = std::move(items);
    return item;
}
inline MenuItem menuSeparator() {
    return MenuItem();
}

struct MainWindowDesc {
    std::string title;
    int width = 0;  // outer size, as the classic API counts it
    int height = 0;
    std::vector<MenuItem> menuBar;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Rect&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;

    bool operator==(const Size&) const = default;
};

// A cell button is a push button that shows one board cell: its text is "■", "□", a guide mark or
// nothing, and a backend may draw the stones as stones.
enum class ControlKind { LeftLabel, CentredLabel, PushButton, TrackBar, CellButton };

// What a cell button stands out for, beside its text: the last move, the stones it turned, the
// five that won; and the threat marks of an Empty cell where the side to move would make five
// (ThreatWin) or where the opponent would, so the side to move must block (ThreatBlock).
enum class CellHighlight { None, LastMove, Turned, Five, ThreatWin, ThreatBlock };

// Both backends take a null handle anywhere: the call does nothing and answers null, the empty
// text, 0, OK (No for a Yes/No box, Cancel for a Save/Discard/Cancel box) or cancel.

// Creates the main window and sends it Create before returning; `userData` is available through
// windowUserData() from that first message on. Returns null if the window system refuses, or if
// the procedure answers Create with -1 (the window is then gone again).
WindowHandle createMainWindow(const MainWindowDesc& desc, WindowProc proc, void* userData);
// The caption of the main window (it starts with the one of its MainWindowDesc).
void setWindowTitle(WindowHandle window, std::string_view title);
// Sends Destroy, then destroys the window and every control still on it.
void destroyMainWindow(WindowHandle window);
void* windowUserData(WindowHandle window);

// Replaces the window's menu bar (its texts change with the language), shortcuts and check marks
// included.
void setMenuBar(WindowHandle window, std::vector<MenuItem> menuBar);

// A child control of `parent`, visible at `rect` (a zero-sized control exists but cannot be seen
// or clicked). Labels report a click as a Command with notification code 0, like buttons.
ControlHandle createControl(WindowHandle parent, ControlKind kind, std::string_view text, Rect rect);
void destroyControl(ControlHandle control);
// Puts a control at another rectangle; one of no size is hidden, as at creation.
void moveControl(ControlHandle control, Rect rect);

// The controls' rectangles are in layout units on a canvas of this size, which a desktop backend
// scales to fit its client area and centres there (layout_fit.h). A window starts with the classic
// canvas, the classic client area.
void setLayoutCanvas(WindowHandle window, Size canvas);
Size layoutCanvas(WindowHandle window);

void setControlText(ControlHandle control, std::string_view text);
std::string controlText(ControlHandle control);

// Non-zero only while this button's own click is being dispatched: a menu command or a label
// click never finds a button still "pressed".
int buttonState(ControlHandle button);

// A control that stays in view but takes no clicks is drawn greyed out (the pass button, which
// has no action). Controls are created enabled.
void setControlEnabled(ControlHandle control, bool enabled);
// Makes a label look and act like a link: the pointing-hand cursor over it, its text underlined,
// and `tooltip` shown when the pointer rests on it. Its clicks arrive as before.
void setLabelLink(ControlHandle label, std::string_view tooltip);

// Marks a cell button (CellButton only); the text stays as it is.
void setCellHighlight(ControlHandle cellButton, CellHighlight highlight);

// Makes `cellButton` the board's cursor: of all cell buttons it alone takes the keyboard focus
// (Tab reaches the board there), and while it has the focus it shows a focus frame. It takes the
// focus when the previous cursor had it or no control of the window has it.
void setCellCursor(ControlHandle cellButton);

// What the platform's accessibility (a screen reader) says of a control: a name and a longer
// description, beside its text. Empty texts leave the platform's own (the control's text).
void setAccessibleText(ControlHandle control, std::string_view name, std::string_view description);
// Has the platform's accessibility say `text` at once (the moves just played), without moving the
// keyboard focus or the board's cursor. Qt: a notification in a hidden status bar, which Orca says
// whole when it is shown. Win32: a live region of UI Automation, a static control of no size.
void announce(WindowHandle window, std::string_view text);

void setTrackBarRange(ControlHandle trackBar, int minimum, int maximum);
// Marks positions of a track bar: bit p set marks position p. 0 marks none.
void setTrackBarMarks(ControlHandle trackBar, std::uint32_t positions);
void setTrackBarPosition(ControlHandle trackBar, int position);
int trackBarPosition(ControlHandle trackBar);

// SaveDiscardCancel asks whether to save a game before it is thrown away; the backend gives the
// buttons the platform's own words (Qt: 保存 / 変更を破棄 / キャンセル; Win32: はい / いいえ / キャンセル).
enum class MessageBoxButtons { Ok, YesNo, SaveDiscardCancel };
enum class MessageBoxIcon { None, Question, Exclamation };
struct MessageBoxStyle {
    MessageBoxButtons buttons = MessageBoxButtons::Ok;
    MessageBoxIcon icon = MessageBoxIcon::None;
    bool systemModal = false;
};
enum class MessageBoxResult { Ok = 1, Cancel = 2, Yes = 6, No = 7, Save = 8, Discard = 9 };

// The button's name in a script or a log: ok, cancel, yes, no, save or discard.
constexpr std::string_view answerName(MessageBoxResult result) {
    switch (result) {
        case MessageBoxResult::Cancel:
            return "cancel";
        case MessageBoxResult::Yes:
            return "yes";
        case MessageBoxResult::No:
            return "no";
        case MessageBoxResult::Save:
            return "save";
        case MessageBoxResult::Discard:
            return "discard";
        case MessageBoxResult::Ok:
            break;
    }
    return "ok";
}

// Whether `result` is one of the buttons of a box with `buttons`.
constexpr bool isAnswerOf(MessageBoxButtons buttons, MessageBoxResult result) {
    switch (buttons) {
        case MessageBoxButtons::Ok:
            return result == MessageBoxResult::Ok;
        case MessageBoxButtons::YesNo:
            return result == MessageBoxResult::Yes || result == MessageBoxResult::No;
        case MessageBoxButtons::SaveDiscardCancel:
            return result == MessageBoxResult::Save || result == MessageBoxResult::Discard ||
                   result == MessageBoxResult::Cancel;
    }
    return false;
}

// A modal message box owned by `owner`; returns the button chosen.
MessageBoxResult messageBox(WindowHandle owner, std::string_view text, std::string_view caption,
                            MessageBoxStyle style);

struct FileFilter {
    std::string description;  // "Game Data"
    std::string pattern;      // "*.gd"
};
enum class FileDialogKind { Save, Open };

// A modal Save or Open dialog; the first filter is selected; no check that the file exists. The
// Save dialog gives a name without extension the first filter's one (".gd") and, when the file
// exists, asks whether to replace it: Yes returns the path, No shows the dialog again
// (save_dialog_rules.h has the words, the same on every backend). Returns the chosen path, or
// nullopt when cancelled.
std::optional<std::string> fileDialog(WindowHandle owner, FileDialogKind kind, std::string_view title,
                                      std::span<const FileFilter> filters, std::string_view initialPath);

// A page of the help window: a heading, a short text, and small board pictures where they say
// more than words.
struct HelpPicture {
    // Rows of cells, one character each: '.' an Empty cell, 'X' a black stone (■), 'O' a white
    // stone (□), 'w' an Empty cell where a five wins, 'b' an Empty cell to block, 'v' a legal cell
    // of the guide (↓). Drawn with the cell look of the board.
    std::vector<std::string> rows;
    std::string caption;
};
struct HelpSection {
    std::string heading;
    std::string text;  // paragraphs separated by a line feed
    std::vector<HelpPicture> pictures;
};
// A window beside the main one with `sections` under `title`; it does not block the game. Shown
// again, the one window comes forward.
void showHelpWindow(WindowHandle owner, std::string_view title, std::span<const HelpSection> sections);

// Ends the event loop of `window` with `exitCode`.
void postQuit(WindowHandle window, int exitCode);
// Shows the window and runs its event loop until postQuit; returns the exit code.
int runEventLoop(WindowHandle window);

}  // namespace kalvenor::platform
