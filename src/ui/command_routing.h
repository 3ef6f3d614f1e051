#pragma once

#include "game/session.h"
#include "platform/window_system.h"

namespace kalvenor {

// The window's commands besides the game starts (101..114, 120..126).
namespace command_id {
inline constexpr int Save = 150;
inline constexpr int Load = 151;
inline constexpr int Record = 152;
// Additions of ours, from the ids that did nothing (153..253).
inline constexpr int StandardLevel = 200;   // the computer plays the greedy level (初級)
inline constexpr int StrongLevel = 201;     // the computer searches (上級)
inline constexpr int Hint = 202;            // ヒント: mark the strong level's move for the person
inline constexpr int TakeBack = 203;        // 待った
inline constexpr int MediumLevel = 204;     // the computer takes and blocks fives (中級)
inline constexpr int Redo = 205;            // やり直し: plays again what 待った took back
inline constexpr int ThreatMarks = 206;     // 警告表示 on or off
inline constexpr int FollowPlay = 207;      // 手を追う on or off
inline constexpr int NewGame = 208;         // 新しいゲーム: the same kind of game again
inline constexpr int Rules = 209;           // 遊び方: the rules window
inline constexpr int LargeBoard = 210;      // 表示 › 大きい盤, on or off
inline constexpr int Japanese = 211;        // 表示 › 言語 › 日本語
inline constexpr int English = 212;         // 表示 › 言語 › English
inline constexpr int SystemLanguage = 213;  // 表示 › 言語 › システムに従う
inline constexpr int About = 254;
inline constexpr int Quit = 255;
}  // namespace command_id

// A command message: with notification code 0 the turn handler of the current game runs first
// (and the stepping handler whenever the mode is CpuVsCpu), then the view's own buttons (the guide
// levels, the axis captions) and the last-move label answer their clicks; then the command id runs its
// action. Ids outside the command table do nothing. `sender` is the control that sent the command, null for a
// menu item.
void routeCommand(Session& session, platform::WParam first, platform::ControlHandle sender = nullptr);

// The action of one command id alone, without the turn handlers.
void runCommand(Session& session, int commandId);

}  // namespace kalvenor
