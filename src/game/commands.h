#pragma once

// The game's entry points, called by the main window's command routing.

#include "game/session.h"
#include "platform/window_system.h"

namespace kalvenor {

// Ids 101..114 and 120..126.
bool isGameStartCommand(int commandId);
// Starts the game the id names (asks who moves first for a game against the computer).
bool startNewGame(Session& session, int commandId);

// Turn handlers: each finds the clicked button itself by asking its buttons' state.
void playHumanMove(Session& session);       // HumanVsHuman, while in progress
void playHumanVsCpuTurn(Session& session);  // HumanVsCpu, while in progress
void stepCpuVsCpu(Session& session);        // CpuVsCpu, in progress or not

// Command 150, 151 and 152.
bool saveGame(Session& session);
bool loadGame(Session& session);
void toggleRecord(Session& session);

// A click on a guide level button: sets the guide level, brackets that button's text alone and
// redraws the board for the side to move. False when no guide button was clicked.
bool onGuideButtonClick(Session& session);

// A click on an axis caption button moves that axis's bar to its next marked position (the next
// one that leads to a legal move of the guided side, or to a stone with the guide off) and shows
// that slice; nothing moves when no position is marked. False when no caption was clicked.
bool onAxisCaptionClick(Session& session);
// A click on the last-move label brings the slice that holds the last stone placed into view;
// while the label is empty it does nothing. False when `sender` is not that label.
bool onLastMoveLabelClick(Session& session, platform::ControlHandle sender);
// The computer's level against a person (it applies from its next move on).
void setCpuLevel(Session& session, CpuLevel level);
// On the person's turn against the computer: marks the cell the strong level would take for them
// (the view moves to its slice first when it is not shown). Writes nothing to the record.
void showHint(Session& session);
// 待った: takes back the person's last move with the computer's replies since (between two
// people, the last move). False when there is nothing to take back.
bool takeBackMove(Session& session);

// A track-bar notification (code 0..8) from `control`.
void onAxisScroll(Session& session, int code, platform::ControlHandle control);

}  // namespace kalvenor
