#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kalvenor {

// UTF-8 to code page 932 (Shift-JIS as Windows writes it): through iconv on Linux, through the
// system's own conversion on Windows, byte for byte the same. A character that code
// page 932 cannot hold, or input that is not UTF-8, gives nullopt: never a silent "?".
std::optional<std::string> encodeCp932(std::string_view utf8);

}  // namespace kalvenor
