#pragma once

// UTF-8 for the whole library and the tool: one code point encoded or decoded, whole texts
// converted between wide text and UTF-8, and the characters that XML 1.0 allows.
//
// Wide text holds one code point per unit (wchar_t is 32 bits wide). A surrogate unit is
// never paired with its neighbour: it is not a character, and neither is a value beyond
// U+10FFFF.
//
// - Encoding writes every unit with UTF-8's bit pattern, those too (a value beyond
//   U+1FFFFF as U+1FFFFF): they become bytes that no strict decoder accepts, so that a
//   reader refuses the text at that place instead of reading a stand-in for it.
// - Decoding is strict: an overlong form, a surrogate, a value beyond U+10FFFF, a stray
//   continuation byte and a sequence cut short are not characters. decodeUtf8() then
//   gives nothing and moves past the first byte only; fromUtf8() puts U+FFFD there.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "TarinTranslator/host/Export.h"

namespace tarin {

// A character that may stand in an XML 1.0 document: tab, line feed, carriage return,
// and everything from U+0020 on but the surrogates, U+FFFE and U+FFFF.
constexpr bool isXmlChar(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// The largest value that encodeUtf8() writes as it is: four bytes hold no more.
inline constexpr char32_t kLargestEncoded = 0x1FFFFF;

// The number of bytes encodeUtf8() writes for `c`.
constexpr std::size_t utf8Length(char32_t c) {
    return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

// Writes `c` in UTF-8 at `out` (room for four bytes) and returns the end of what it wrote.
inline char* encodeUtf8(char32_t c, char* out) {
    if (c > kLargestEncoded) c = kLargestEncoded;
    const std::size_t length = utf8Length(c);
    if (length == 1) {
        *out = static_cast<char>(c);
        return out + 1;
    }
    for (std::size_t i = length - 1; i > 0; --i, c >>= 6)
        out[i] = static_cast<char>(0x80 | (c & 0x3F));
    // The lead: 110xxxxx, 1110xxxx or 11110xxx.
    out[0] = static_cast<char>(((0xF00 >> length) & 0xF0) | c);
    return out + length;
}

inline void appendUtf8(std::string& out, char32_t c) {
    char bytes[4];
    out.append(bytes, encodeUtf8(c, bytes));
}

// Appends a whole text, by the rules above. Documents handed over as wide text run to tens
// of megabytes, almost all ASCII: both passes are plain loops that the compiler vectorises.
inline void appendUtf8(std::string& out, std::wstring_view text) {
    std::size_t length = 0;
    for (wchar_t c : text) length += utf8Length(static_cast<char32_t>(c));
    const std::size_t start = out.size();
    out.resize(start + length);
    char* w = out.data() + start;
    for (std::size_t i = 0; i < text.size();) {
        // Runs of ASCII, eight at a time.
        if (i + 8 <= text.size()) {
            uint32_t any = 0;
            for (std::size_t k = 0; k < 8; ++k) any |= static_cast<uint32_t>(text[i + k]);
            if (any < 0x80) {
                for (std::size_t k = 0; k < 8; ++k) w[k] = static_cast<char>(text[i + k]);
                w += 8, i += 8;
                continue;
            }
        }
        w = encodeUtf8(static_cast<char32_t>(text[i++]), w);
    }
}

// Decodes the UTF-8 sequence at `at` (before the end of `text`) and moves past it. A
// sequence that is not a character gives nothing and moves past its first byte.
inline std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80) return lead;
    std::size_t length;
    char32_t c, smallest;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, smallest = 0x10000;
    } else {
        return std::nullopt;  // a continuation byte, C0 or C1 (overlong) or beyond F4
    }
    if (text.size() - at < length - 1) return std::nullopt;
    for (std::size_t i = 0; i + 1 < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    at += length - 1;
    return c;
}

// Whole texts, by the rules above.
TARIN_API std::string toUtf8(std::wstring_view text);
TARIN_API std::wstring fromUtf8(std::string_view text);

}  // namespace tarin
