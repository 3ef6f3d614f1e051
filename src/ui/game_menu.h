#pragma once

#include <vector>

#include "game/session.h"
#include "platform/window_system.h"

namespace kalvenor {

// The menu "ゲーム" beside the classic one: every game on 2 to 8 axes of the three kinds, a new
// game of the current kind, the computer's level against a person (初級, 中級, 上級: the current one
// checked), the hint and taking back, save,
// load, the record switch (checked while the record is on) and quit. Each item sends the window
// procedure's own command id. The check mark reads `session`, which must outlive the menu.
platform::MenuItem gameMenu(const Session& session);

// The menu "表示": 大きい盤 (checked while the large board is on), the switches of the threat marks
// (警告表示) and of the view that follows the play (手を追う), then the language of the window
// (表示 › 言語: 日本語, English, システムに従う), the current choice checked.
platform::MenuItem viewMenu(const Session& session);
// ヘルプ: 遊び方, the rules window.
platform::MenuItem helpMenu();

// The menu bar: メニュー, then ゲーム, 表示 and ヘルプ, then the command バージョン情報, which
// stays last as the help entry of a desktop program does.
std::vector<platform::MenuItem> menuBar(const Session& session);

}  // namespace kalvenor
