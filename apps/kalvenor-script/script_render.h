#pragma once

// The outputs of the script driver: the window as a person sees it, the game state, the board,
// and the lines that report message boxes and file dialogs.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cpu/threat_cells.h"
#include "game/session.h"
#include "platform/headless/headless.h"

namespace kalvenor::script {

// `text` in double quotes, with backslash, double quote, line feed and carriage return escaped.
std::string quotedText(std::string_view text);

// box "CAPTION" "TEXT" -> yes|no|ok|save|discard|cancel
void printMessageBox(std::ostream& out, const platform::headless::MessageBoxRecord& box);
// dialog "TITLE" -> PATH, or -> cancel
void printFileDialog(std::ostream& out, const platform::headless::FileDialogRecord& dialog);

// The window's title: window "TITLE".
void printWindowTitle(std::ostream& out, const Session& session);
// The title, every control of the view but the cells with its array, slot and text, then the
// cell buttons laid out as on the screen; with `showFocus`, a last line "focus = ..." naming the
// control with the keyboard focus ("cell 27", "GuideControls[2]", "none").
void printWindow(std::ostream& out, const Session& session, bool showFocus = false);
// The canvas, then every live control in creation order with its rectangle on the canvas:
// "canvas W x H", then "KIND X Y W H TEXT" a line.
void printGeometry(std::ostream& out, const Session& session);
// The menu bar as a person sees it, one item a line, indented two blanks per level: the text, the
// command id in parentheses, the shortcut, and "[x]" or "[ ]" for a check mark ("(x)" or "( )"
// for one of several choices); "---" for a separator line.
void printMenu(std::ostream& out, const std::vector<platform::MenuItem>& menuBar);

// Every GameState field as name=value.
void printState(std::ostream& out, const GameState& state);
// Every cell as a digit 0, 1 or 2, eight to a row, a blank line between 64-cell layers.
void printBoard(std::ostream& out, const Board& board);

// `help "TITLE"`, then each section: its heading in brackets, its text, and its pictures (their
// rows as the help page gives them, each picture's caption below it), indented by two blanks.
void printHelpWindow(std::ostream& out, const platform::headless::HelpWindowRecord& help);

// "win CELL …" and "block CELL …", ascending; "-" for none.
void printThreats(std::ostream& out, const ThreatCells& threats);

}  // namespace kalvenor::script
