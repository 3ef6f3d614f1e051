#pragma once

#include <cstddef>
#include <map>
#include <span>
#include <string_view>

namespace kalvenor {

// The messages of a GNU .mo file, from source text to translation, viewing `bytes` (which must
// outlive the map). Entries with an empty translation, and the header entry, are left out. A file
// that is not a well-formed .mo file gives an empty map.
std::map<std::string_view, std::string_view, std::less<>> readMoFile(std::span<const unsigned char> bytes);

}  // namespace kalvenor
