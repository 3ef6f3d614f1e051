#pragma once

namespace kalvenor {

// How the computer plays against a person: the greedy level (the most stones enclosed,
// "標準", the default) or the searching player ("強い"). Games of the computer against itself
// always play the classic strategies.
enum class CpuLevel { Standard, Strong };

}  // namespace kalvenor
