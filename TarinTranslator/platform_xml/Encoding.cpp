#include "TarinTranslator/platform_xml/Encoding.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tarin {

namespace {

// Whether the 16 bytes at `p` are all printable ASCII (0x20 to 0x7F).
bool printableAscii(const unsigned char* p) {
#ifdef __SSE2__
    // A signed comparison: bytes from 0x80 on are negative, so below 0x20 too.
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    return _mm_movemask_epi8(_mm_cmplt_epi8(bytes, _mm_set1_epi8(0x20))) == 0;
#else
    uint64_t a, b;
    std::memcpy(&a, p, 8);
    std::memcpy(&b, p + 8, 8);
    // The high bit of a byte of (x - 0x20...) & ~x is set where the byte is below 0x20.
    const auto low = [](uint64_t x) {
        return ((x - 0x2020202020202020ull) & ~x & 0x8080808080808080ull) != 0;
    };
    return !((a | b) & 0x8080808080808080ull) && !low(a) && !low(b);
#endif
}

bool isAllowedControl(unsigned char c) {
    return c == '\t' || c == '\n' || c == '\r';
}

// The same for the 64 bytes at `p`.
bool printableAscii64(const unsigned char* p) {
#ifdef __SSE2__
    const __m128i space = _mm_set1_epi8(0x20);
    const auto below = [&](int i) {
        return _mm_cmplt_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i)), space);
    };
    return _mm_movemask_epi8(_mm_or_si128(_mm_or_si128(below(0), below(16)),
                                          _mm_or_si128(below(32), below(48)))) == 0;
#else
    return printableAscii(p) && printableAscii(p + 16) && printableAscii(p + 32) &&
           printableAscii(p + 48);
#endif
}

}  // namespace

CharacterFault firstCharacterFault(std::string_view utf8) {
    const auto* begin = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* end = begin + utf8.size();
    const auto* p = begin;
    auto at = [&](const unsigned char* q) { return static_cast<std::size_t>(q - begin); };
    while (p < end) {
        // Documents are almost all printable ASCII (the images' Base64): skip it 16 bytes
        // at a time.
        while (end - p >= 64 && printableAscii64(p)) p += 64;
        while (end - p >= 16 && printableAscii(p)) p += 16;
        if (p == end) break;
        if (*p < 0x80) {
            if (*p < 0x20 && !isAllowedControl(*p))
                return {CharacterFault::NotXmlChar, at(p), 1, *p};
            ++p;
            continue;
        }
        std::size_t next = at(p);
        const std::optional<char32_t> c = decodeUtf8(utf8, next);
        const std::size_t length = next - at(p);
        if (!c) {
            // The bytes looked at: the lead and the continuation bytes that follow it.
            std::size_t looked = 1;
            while (looked < 4 && p + looked < end && (p[looked] & 0xC0) == 0x80 && *p >= 0xC2 &&
                   *p <= 0xF4)
                ++looked;
            return {CharacterFault::NotUtf8, at(p), looked, 0};
        }
        if (!isXmlChar(*c)) return {CharacterFault::NotXmlChar, at(p), length, *c};
        p += length;
    }
    return {};
}

std::string describeFault(const CharacterFault& fault, std::string_view text) {
    char buffer[64];
    if (fault.kind == CharacterFault::NotXmlChar) {
        std::snprintf(buffer, sizeof buffer, "U+%04X is a character that XML does not allow",
                      static_cast<unsigned>(fault.character));
        return buffer;
    }
    std::string bytes;
    for (std::size_t i = 0; i < fault.length && fault.offset + i < text.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, "%s0x%02X", i ? " " : "",
                      static_cast<unsigned char>(text[fault.offset + i]));
        bytes += buffer;
    }
    const auto lead = static_cast<unsigned char>(text[fault.offset]);
    std::string what;
    if (lead < 0xC2 || lead > 0xF4) {
        what = bytes + " does not begin a character";
    } else {
        const std::size_t needed = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        what = bytes + (fault.length < needed ? " is a character cut short"
                                              : " is not a character (an overlong form, a "
                                                "surrogate or beyond U+10FFFF)");
    }
    return "at byte " + std::to_string(fault.offset + 1) + ": " + what;
}

bool hasWideByteOrderMark(std::string_view bytes) {
    auto byte = [&](std::size_t i) {
        return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0x100u;
    };
    return (byte(0) == 0xFE && byte(1) == 0xFF) || (byte(0) == 0xFF && byte(1) == 0xFE) ||
           (byte(0) == 0 && byte(1) == 0 && byte(2) == 0xFE && byte(3) == 0xFF);
}

bool looksWideWithoutByteOrderMark(std::string_view bytes) {
    return bytes.size() >= 2 && ((bytes[0] == '<' && bytes[1] == '\0') ||
                                 (bytes[0] == '\0' && (bytes[1] == '<' || bytes[1] == '\0')));
}

std::size_t wideAsUtf8Capacity(std::size_t size) {
    // A UTF-16 unit takes at most three bytes of UTF-8, a pair or a UTF-32 unit four.
    return size / 2 * 3 + 4;
}

std::size_t wideToUtf8(std::string_view bytes, char* out, std::size_t& invalidAt) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t size = bytes.size();
    char* to = out;
    invalidAt = kValid;
    const bool utf32be = size >= 4 && b[0] == 0 && b[1] == 0 && b[2] == 0xFE && b[3] == 0xFF;
    const bool utf32le = size >= 4 && b[0] == 0xFF && b[1] == 0xFE && b[2] == 0 && b[3] == 0;
    if (utf32be || utf32le) {
        for (std::size_t i = 4; i < size; i += 4) {
            if (size - i < 4) return invalidAt = i, 0;
            const char32_t c =
                utf32le ? b[i] | b[i + 1] << 8 | b[i + 2] << 16 | char32_t{b[i + 3]} << 24
                        : char32_t{b[i]} << 24 | b[i + 1] << 16 | b[i + 2] << 8 | b[i + 3];
            if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return invalidAt = i, 0;
            to = encodeUtf8(c, to);
        }
        return static_cast<std::size_t>(to - out);
    }
    const bool little = size >= 2 && b[0] == 0xFF && b[1] == 0xFE;
    for (std::size_t i = 2; i < size; i += 2) {
        if (size - i < 2) return invalidAt = i, 0;
        const unsigned unit = little ? b[i] | b[i + 1] << 8 : b[i] << 8 | b[i + 1];
        if (unit >= 0xDC00 && unit <= 0xDFFF) return invalidAt = i, 0;  // no high half before
        char32_t c = unit;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (size - i < 4) return invalidAt = i, 0;
            const unsigned next = little ? b[i + 2] | b[i + 3] << 8 : b[i + 2] << 8 | b[i + 3];
            if (next < 0xDC00 || next > 0xDFFF) return invalidAt = i, 0;
            c = 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00);
            i += 2;
        }
        to = encodeUtf8(c, to);
    }
    return static_cast<std::size_t>(to - out);
}

bool widenXmlText(std::string_view utf8, std::size_t maxCharacters, std::wstring& out) {
    std::wstring wide;
    wide.reserve(std::min(utf8.size(), maxCharacters));
    for (std::size_t at = 0; at < utf8.size() && wide.size() < maxCharacters;) {
        const std::optional<char32_t> c = decodeUtf8(utf8, at);
        if (!c || !isXmlChar(*c)) return false;
        wide.push_back(static_cast<wchar_t>(*c));
    }
    out = std::move(wide);
    return true;
}

}  // namespace tarin
