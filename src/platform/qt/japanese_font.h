#pragma once

namespace kalvenor::platform {

// Makes the application font fall back to a Japanese font for the glyphs its own family lacks,
// so that the Japanese texts render on a machine whose default font has no CJK glyphs.
void useJapaneseCapableFont();

}  // namespace kalvenor::platform
