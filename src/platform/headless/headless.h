#pragma once

// Driving and inspecting the headless backend of the window-system layer. A test (or the script
// driver) creates a main window through window_system.h as usual, then clicks controls, moves
// track bars, sends menu commands and queues the answers of message boxes and file dialogs here,
// and reads back every control, text and prompt the game produced.

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/control_rules.h"
#include "platform/window_system.h"

namespace kalvenor::platform::headless {

// How many texts a control's history keeps, and how many prompts the logs keep: enough for any
// sequence a test looks at, and a bound on the memory of a run of any length.
inline constexpr std::size_t textHistoryLimit = 256;
inline constexpr std::size_t promptLogLimit = 256;

// What the backend knows of one live control. It is forgotten when the control is destroyed.
struct ControlRecord {
    int serial = 0;  // creation order within the window, from 0
    ControlKind kind = ControlKind::LeftLabel;
    Rect rect;
    std::string text;
    // The creation text, then every text set, in order; the oldest go beyond textHistoryLimit.
    std::deque<std::string> textHistory;
    int trackMinimum = 0;  // track bars only
    int trackMaximum = 100;
    int trackPosition = 0;
    std::uint32_t trackMarks = 0;                   // track bars only: bit p marks position p
    CellHighlight highlight = CellHighlight::None;  // cell buttons only
    std::string accessibleName;                     // as setAccessibleText left them
    std::string accessibleDescription;
    bool enabled = true;
    std::optional<std::string> linkTooltip;  // labels made links only

    // A zero-sized control exists but can be neither seen nor clicked.
    bool visible() const { return control_rules::takesRoom(rect); }
};

struct MessageBoxRecord {
    std::string text;
    std::string caption;
    MessageBoxStyle style;
    std::optional<MessageBoxResult> answer;  // empty when the box found no answer queued
};

struct FileDialogRecord {
    FileDialogKind kind = FileDialogKind::Open;
    std::string title;
    std::vector<FileFilter> filters;
    std::string initialPath;
    bool answered = false;
    std::optional<std::string> answer;  // the chosen path; empty for cancel (or unanswered)
};

// Thrown out of messageBox or fileDialog (and so out of the window procedure) when a Yes/No box
// or a file dialog is shown with no answer queued: the caller scripted fewer answers than the
// game asked for. The prompt is in the log before the throw.
class UnansweredPrompt : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Thrown when the layer or its driving API is misused: a stale handle (a control that has been
// destroyed), a null handle given to the driving API, a click on a track bar or on a control that takes no
// room on the screen, a track-bar code out of range.
class UsageError : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

struct HelpWindowRecord {
    std::string title;
    std::vector<HelpSection> sections;
};

// Called as each prompt is answered (or found unanswered), before the game sees the answer, and
// as a help window is shown.
struct PromptObserver {
    std::function<void(const MessageBoxRecord&)> onMessageBox;
    std::function<void(const FileDialogRecord&)> onFileDialog;
    std::function<void(const HelpWindowRecord&)> onHelpWindow;
};

// The window as created.
const MainWindowDesc& windowDesc(WindowHandle window);

// The controls that exist now, in creation order.
std::vector<ControlHandle> liveControls(WindowHandle window);
// True when `control` is a control of `window` that has not been destroyed. Any handle may be
// asked about: a destroyed control's handle never names a later control.
bool isLive(WindowHandle window, ControlHandle control);
// The record of a live control. This function and the functions below that take a control throw
// UsageError for a null or destroyed one; those of window_system.h for a destroyed one.
const ControlRecord& record(ControlHandle control);
// Forgets the text histories of every control.
void clearTextHistories(WindowHandle window);

// A click on a button or label: a Command with makeWParam(0, 0) and the control as second
// parameter. While it is dispatched, and only then, buttonState of a clicked button is non-zero.
// Throws UsageError for a track bar or a control that cannot be seen.
std::intptr_t click(ControlHandle control);
// A menu command: a Command with makeWParam(commandId, 0) and no control.
std::intptr_t sendMenuCommand(WindowHandle window, int commandId);
// A dragged thumb let go at `position` (clamped to the range, as the control does): the position
// is set, then HScroll arrives with ThumbTrack, ThumbPosition and EndTrack.
void dragTrackBar(ControlHandle trackBar, int position);
// One HScroll notification from `trackBar` with `code` (0..8); the high word carries the current
// position for ThumbTrack and ThumbPosition, as the control reports it.
std::intptr_t sendTrackBarCode(ControlHandle trackBar, int code);
// A key pressed, as the desktop's controls take it: Tab (Shift+Tab with `shift`) moves the focus
// to the next (previous) control that takes it, in creation order: visible push buttons, the
// board's cursor cell and visible track bars. Return and Space click the focused button. On a
// focused track bar the arrows step it (Left and Up down, Right and Down up), Page Up and Page
// Down page it, Home and End go to its ends, each followed by the end of tracking. Any other key
// reaches the window procedure as KeyDown with the focused control.
void pressKey(WindowHandle window, int key, bool shift = false);
// The control with the keyboard focus, or null.
ControlHandle focusedControl(WindowHandle window);

// Any message, straight to the window procedure.
std::intptr_t sendMessage(WindowHandle window, unsigned message, WParam first, LParam second);

// Scripted answers, taken in order. A question box takes the next answer when it is one of its
// buttons (Yes or No; Save, Discard or Cancel); an OK box takes the next answer only when it is
// Ok, and is otherwise answered Ok without one.
void queueMessageBoxAnswer(WindowHandle window, MessageBoxResult answer);
// A path, or nullopt for Cancel.
void queueFileDialogAnswer(WindowHandle window, std::optional<std::string> answer);
std::size_t pendingMessageBoxAnswers(WindowHandle window);
std::size_t pendingFileDialogAnswers(WindowHandle window);

// The prompts shown, oldest first; the oldest go beyond promptLogLimit.
const std::deque<MessageBoxRecord>& messageBoxLog(WindowHandle window);
const std::deque<FileDialogRecord>& fileDialogLog(WindowHandle window);
void setPromptObserver(WindowHandle window, PromptObserver observer);
// The help window as last shown, if it was.
const std::optional<HelpWindowRecord>& lastHelpWindow(WindowHandle window);
// The text announce() was last given for the window; empty before the first.
const std::string& lastAnnouncement(WindowHandle window);

// The exit code posted with postQuit, if any.
std::optional<int> postedExitCode(WindowHandle window);

}  // namespace kalvenor::platform::headless
