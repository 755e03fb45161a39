#pragma once

// What documents may hold: valid UTF-8 (or, after a byte order mark, valid UTF-16 or
// UTF-32), and only the characters that XML 1.0 allows. Other XML readers refuse a
// document that breaks either rule, so the library neither reads nor writes one.

#include <cstddef>
#include <string>
#include <string_view>

namespace tarin {

inline constexpr std::size_t kValid = std::string_view::npos;

// A character that may stand in an XML 1.0 document: tab, line feed, carriage return,
// and everything from U+0020 on but the surrogates, U+FFFE and U+FFFF.
constexpr bool isXmlChar(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// The offset of the first byte that does not begin a valid UTF-8 sequence (an overlong
// form, a surrogate, a value beyond U+10FFFF, a cut or stray sequence), or kValid.
std::size_t invalidUtf8(std::string_view bytes);

// The same for a text that opens with a UTF-16 or UTF-32 byte order mark: the offset of
// the first unit that is a lone surrogate or beyond U+10FFFF, or of a cut last unit.
std::size_t invalidWideText(std::string_view bytes);

// Widens at most `maxCharacters` characters of UTF-8 text into `out` (the rest is not
// looked at). False, with `out` unchanged, when what it takes holds a character XML does
// not allow or is not valid UTF-8.
bool widenXmlText(std::string_view utf8, std::size_t maxCharacters, std::wstring& out);

}  // namespace tarin
