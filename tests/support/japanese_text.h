#pragma once

// Finds text a reader of English alone could not read: kana, kanji, full-width forms and Japanese
// punctuation. The stone and mark glyphs (■ □ ◎ ↓) and the classic texts' dots (･) are no words.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kalvenor::testing {

inline bool isJapaneseCodePoint(char32_t c) {
    return (c >= 0x3000 && c <= 0x30FF)      // CJK punctuation, hiragana, katakana
           || (c >= 0x3400 && c <= 0x9FFF)   // kanji
           || (c >= 0xFF01 && c <= 0xFF5E)   // full-width letters, digits and signs
           || (c >= 0xFF66 && c <= 0xFF9F);  // half-width katakana
}

// The first Japanese character of a UTF-8 text, as UTF-8; nothing when there is none.
inline std::optional<std::string> firstJapaneseCharacter(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t i = 1; i < length && at + i < text.size(); ++i) {
            c = (c << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
        }
        if (isJapaneseCodePoint(c)) {
            return std::string(text.substr(at, length));
        }
        at += length;
    }
    return std::nullopt;
}

}  // namespace kalvenor::testing
