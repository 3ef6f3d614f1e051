#pragma once

// One line of a script, parsed.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window_system.h"

namespace kalvenor::script {

// A line that cannot run; the message is the reason the driver reports.
class ScriptError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum class ActionKind {
    Command,     // command ID
    ClickCell,   // click cell I
    ClickStep,   // click step N (1..4)
    ClickGuide,  // click guide N (0..2)
    ClickPass,   // click pass
    ClickAxis,   // click axis K
    ClickLabel,  // click label S
    Slide,       // slide K P
    Answer,      // answer yes|no|ok|save|discard|cancel
    File,        // file PATH|cancel
    Show,
    State,
    Board,
    Menu,      // menu
    Choose,    // choose A › B › C
    Level,     // level standard|medium|strong (number: the CpuLevel)
    Key,       // key NAME (number: the key code; position: 1 with Shift)
    Threats,   // threats
    Follow,    // follow on|off (number 1 or 0)
    Warnings,  // warnings on|off (number 1 or 0)
    Layout,    // layout classic|large (number 0 or 1)
    Geometry,  // geometry
    Confirm,   // confirm on|off (number 1 or 0): ask before an unsaved game is thrown away
    Title,     // title [on|off] (number 1 or 0; -1 alone): the title names the game's file; alone, shows it
};

struct Action {
    ActionKind kind = ActionKind::Show;
    int number = 0;    // the id, cell, step, level, axis or slot; the axis of a slide
    int position = 0;  // slide only
    platform::MessageBoxResult answer = platform::MessageBoxResult::Ok;
    std::optional<std::string> path;    // file only; empty for cancel
    std::vector<std::string> menuPath;  // choose only: the texts from the menu bar down
};

// Nothing for a blank line or a comment (first non-blank character '#'); a byte-order mark at the
// start is skipped. Throws ScriptError for a line that is not in the language.
std::optional<Action> parseLine(std::string_view line);

}  // namespace kalvenor::script
