#pragma once

#include <string_view>

#include "catalog/localized.h"
#include "engine/cell_state.h"
#include "game/session.h"

namespace kalvenor {

// The turn label formats (shown in the display language, filled with a turn number).
namespace turn_label {
inline constexpr std::string_view FirstHuman = catalogText(" %d turn : ■ ( 先手 )");
inline constexpr std::string_view SecondHuman = catalogText(" %d turn : □ ( 後手 )");
inline constexpr std::string_view FirstYou = catalogText(" %d turn : ■ ( 先手:貴方 )");
inline constexpr std::string_view SecondYou = catalogText(" %d turn : □ ( 後手:貴方 )");
inline constexpr std::string_view FirstCpu = catalogText(" %d turn : ■ ( 先手:CPU  )");
inline constexpr std::string_view SecondCpu = catalogText(" %d turn : □ ( 後手:CPU  )");
inline constexpr std::string_view CpuA = catalogText(" %d turn : ■ 先手:CPU A");
inline constexpr std::string_view CpuB = catalogText(" %d turn : □ 後手:CPU B");
}  // namespace turn_label

// Status texts of boards of three or more axes.
namespace status_text {
inline constexpr std::string_view Ready = " READY ";
inline constexpr std::string_view GameContinue = " PLEASE WAIT : GAME CONTINUE CHECKING ･････ ";
inline constexpr std::string_view AutoPass = " PLEASE WAIT : AUTO PASS CHECKING ･････ ";
inline constexpr std::string_view CpuAutoPass = " PLEASE WAIT : CPU AUTO PASS CHECKING ･････ ";
inline constexpr std::string_view PlayerAutoPass = " PLEASE WAIT : PLAYER AUTO PASS CHECKING ･････ ";
inline constexpr std::string_view CpuTurn = " PLEASE WAIT : CPU TURN PROGRAM RUN ･････ ";
inline constexpr std::string_view CpuProgramA = " PLEASE WAIT : CPU PROGRAM RUN ･････ : CPU A";
inline constexpr std::string_view CpuProgramB = " PLEASE WAIT : CPU PROGRAM RUN ･････ : CPU B";
}  // namespace status_text

// Sets the text of InfoLabels slot `slot` when the view has that control.
void setInfoLabel(Session& session, int slot, std::string_view text);
// The turn label from a format and the turn number of `side`.
void setTurnLabel(Session& session, std::string_view format, CellState side);
// Slots 2 and 3: the stone counts of First and Second.
void setCountLabels(Session& session);
// The status label, written only on boards of three or more axes. " READY " says, with the threat
// marks on, that the side to move can make five or must block one (readyStatus).
void setStatus(Session& session, std::string_view text);
// Both progress labels to the empty text, only on boards of four or more axes.
void clearProgress(Session& session);

}  // namespace kalvenor
