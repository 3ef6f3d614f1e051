#pragma once

namespace kalvenor {

struct Session;

// How the computer plays against a person: the greedy level (the most stones enclosed,
// "標準", the default) or the searching player ("強い"). Games of the computer against itself
// always play the classic strategies.
enum class CpuLevel { Standard, Strong };

// The computer's level against a person (it applies from its next move on); tells the session's
// listener of the change.
void setCpuLevel(Session& session, CpuLevel level);

}  // namespace kalvenor
