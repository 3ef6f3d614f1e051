#include "records/cp932.h"

#include <windows.h>

#include <array>
#include <utility>

#include "records/win32/wide_text.h"

namespace kalvenor {

namespace {

constexpr unsigned codePage932 = 932;

// Characters that the iconv of the Linux build also writes in code page 932, as the JIS forms of
// the same marks; the system's table knows only their full-width twins. Mapping them first keeps
// the record's bytes identical on both systems while the best-fit guesses stay switched off.
constexpr std::array<std::pair<wchar_t, wchar_t>, 9> kJisAliases{{
    {L'\u2212', L'\uFF0D'},  // minus sign: full-width hyphen-minus
    {L'\u301C', L'\uFF5E'},  // wave dash: full-width tilde
    {L'\u2016', L'\u2225'},  // double vertical line: parallel to
    {L'\u2014', L'\u2015'},  // em dash: horizontal bar
    {L'\u00A2', L'\uFFE0'},  // cent sign
    {L'\u00A3', L'\uFFE1'},  // pound sign
    {L'\u00AC', L'\uFFE2'},  // not sign
    {L'\u00A5', L'\\'},      // yen sign: the byte 0x5C, which Japanese fonts draw as ¥
    {L'\u203E', L'~'},       // overline: the byte 0x7E
}};

}  // namespace

std::optional<std::string> encodeCp932(std::string_view utf8) {
    if (utf8.empty()) {
        return std::string();
    }
    const int inputSize = static_cast<int>(utf8.size());
    const int wideSize =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), inputSize, nullptr, 0);
    if (wideSize == 0) {
        return std::nullopt;  // not UTF-8
    }
    std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), inputSize, wide.data(), wideSize);
    for (wchar_t& c : wide) {
        for (const auto& [jis, windows] : kJisAliases) {
            if (c == jis) {
                c = windows;
            }
        }
    }

    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(codePage932, WC_NO_BEST_FIT_CHARS, wide.data(), wideSize, nullptr, 0,
                                         nullptr, &usedDefault);
    if (size == 0 || usedDefault) {
        return std::nullopt;  // a character the code page cannot hold
    }
    std::string encoded(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage932, WC_NO_BEST_FIT_CHARS, wide.data(), wideSize, encoded.data(), size,
                        nullptr, &usedDefault);
    return encoded;
}

}  // namespace kalvenor
