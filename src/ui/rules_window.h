#pragma once

// 遊び方: the rules of the game in a window of their own, opened from ヘルプ or with F1.

#include <vector>

#include "game/session.h"
#include "platform/window_system.h"

namespace kalvenor {

// The pages of the rules window, in the order they are read.
std::vector<platform::HelpSection> rulesSections();

void showRulesWindow(Session& session);

}  // namespace kalvenor
