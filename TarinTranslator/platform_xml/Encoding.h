#pragma once

// What documents may hold: valid UTF-8 (or, after a byte order mark, valid UTF-16 or
// UTF-32), and only the characters that XML 1.0 allows. Other XML readers refuse a
// document that breaks either rule, so the library neither reads nor writes one.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "TarinTranslator/host/Utf8.h"

namespace tarin {

inline constexpr std::size_t kValid = std::string_view::npos;

// The first place where a text's characters break a rule: bytes that are not a UTF-8
// character, or a character that XML does not allow.
struct CharacterFault {
    enum Kind : uint8_t { None, NotUtf8, NotXmlChar };
    Kind kind = None;
    std::size_t offset = kValid;  // of the first byte
    std::size_t length = 0;       // NotUtf8: the bytes that were looked at
    char32_t character = 0;       // NotXmlChar
    explicit operator bool() const { return kind != None; }
};

// The first byte that does not begin a valid UTF-8 sequence (an overlong form, a
// surrogate, a value beyond U+10FFFF, a cut or stray sequence), or the first character
// outside XML's Char (a control character other than tab, line feed and carriage return;
// U+FFFE, U+FFFF).
CharacterFault firstCharacterFault(std::string_view utf8);

// What a fault is, for a reason: "at byte 223: 0xFF does not begin a character" or
// "U+0001 is a character that XML does not allow" (the bytes and offset from `text`).
std::string describeFault(const CharacterFault& fault, std::string_view text);

// True when a text opens with a UTF-16 or UTF-32 byte order mark.
bool hasWideByteOrderMark(std::string_view bytes);

// True when a text looks like UTF-16 or UTF-32 without a byte order mark: its first
// character is "<" spread over two or four bytes with zeros.
bool looksWideWithoutByteOrderMark(std::string_view bytes);

// Converts a text that opens with a UTF-16 or UTF-32 byte order mark into UTF-8, without
// the mark, into `out` (which must hold wideAsUtf8Capacity() bytes); returns the number of
// bytes written. On a lone surrogate, a value beyond U+10FFFF or a cut last unit,
// `invalidAt` gets that unit's offset in `bytes` and the result is 0.
std::size_t wideAsUtf8Capacity(std::size_t size);
std::size_t wideToUtf8(std::string_view bytes, char* out, std::size_t& invalidAt);

// Widens at most `maxCharacters` characters of UTF-8 text into `out` (the rest is not
// looked at). False, with `out` unchanged, when what it takes holds a character XML does
// not allow or is not valid UTF-8.
bool widenXmlText(std::string_view utf8, std::size_t maxCharacters, std::wstring& out);

}  // namespace tarin
