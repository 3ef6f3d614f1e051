#pragma once

#include <span>

namespace kalvenor {

// The bytes of po/en.po compiled by msgfmt at build time (the build generates the definition).
std::span<const unsigned char> englishMoBytes();

}  // namespace kalvenor
