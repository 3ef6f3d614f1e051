#pragma once

namespace kalvenor {

// How the computer plays against a person: the described strategy (the most stones enclosed,
// "標準", the default) or the searching player ("強い"). Games of the computer against itself
// always play the described strategies.
enum class CpuLevel { Standard, Strong };

}  // namespace kalvenor
