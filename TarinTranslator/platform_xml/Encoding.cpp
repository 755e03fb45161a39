#include "TarinTranslator/platform_xml/Encoding.h"

#include <cstdint>
#include <cstring>

namespace tarin {

namespace {

// Decodes one UTF-8 sequence at `p` (before `end`) into `c`; the length, or 0 when the
// bytes there are not a valid sequence.
std::size_t decodeUtf8(const unsigned char* p, const unsigned char* end, char32_t& c) {
    const unsigned char b = p[0];
    if (b < 0x80) {
        c = b;
        return 1;
    }
    std::size_t length;
    char32_t min;
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2, c = b & 0x1F, min = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3, c = b & 0x0F, min = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4, c = b & 0x07, min = 0x10000;
    } else {
        return 0;  // a continuation byte, an overlong lead (C0, C1) or beyond F4
    }
    if (static_cast<std::size_t>(end - p) < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80) return 0;
        c = (c << 6) | (p[i] & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

std::size_t invalidUtf8(std::string_view bytes) {
    const auto* begin = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = begin + bytes.size();
    const auto* p = begin;
    while (p < end) {
        // Documents are almost all ASCII (the images' Base64): skip it 16 bytes at a time.
        while (end - p >= 16) {
            uint64_t a, b;
            std::memcpy(&a, p, 8);
            std::memcpy(&b, p + 8, 8);
            if ((a | b) & 0x8080808080808080ull) break;
            p += 16;
        }
        if (p == end) break;
        if (*p < 0x80) {
            ++p;
            continue;
        }
        char32_t c;
        const std::size_t length = decodeUtf8(p, end, c);
        if (length == 0) return static_cast<std::size_t>(p - begin);
        p += length;
    }
    return kValid;
}

std::size_t invalidWideText(std::string_view bytes) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t size = bytes.size();
    const bool utf32be = size >= 4 && b[0] == 0 && b[1] == 0 && b[2] == 0xFE && b[3] == 0xFF;
    const bool utf32le = size >= 4 && b[0] == 0xFF && b[1] == 0xFE && b[2] == 0 && b[3] == 0;
    if (utf32be || utf32le) {
        for (std::size_t i = 4; i < size; i += 4) {
            if (size - i < 4) return i;
            const char32_t c =
                utf32le ? b[i] | b[i + 1] << 8 | b[i + 2] << 16 | char32_t{b[i + 3]} << 24
                        : char32_t{b[i]} << 24 | b[i + 1] << 16 | b[i + 2] << 8 | b[i + 3];
            if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return i;
        }
        return kValid;
    }
    const bool little = size >= 2 && b[0] == 0xFF && b[1] == 0xFE;
    for (std::size_t i = 2; i < size; i += 2) {
        if (size - i < 2) return i;
        const unsigned unit = little ? b[i] | b[i + 1] << 8 : b[i] << 8 | b[i + 1];
        if (unit >= 0xDC00 && unit <= 0xDFFF) return i;  // a low surrogate without a high one
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (size - i < 4) return i;
            const unsigned next = little ? b[i + 2] | b[i + 3] << 8 : b[i + 2] << 8 | b[i + 3];
            if (next < 0xDC00 || next > 0xDFFF) return i;
            i += 2;
        }
    }
    return kValid;
}

bool widenXmlText(std::string_view utf8, std::size_t maxCharacters, std::wstring& out) {
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* end = p + utf8.size();
    std::wstring wide;
    wide.reserve(std::min(utf8.size(), maxCharacters));
    while (p < end && wide.size() < maxCharacters) {
        char32_t c;
        const std::size_t length = decodeUtf8(p, end, c);
        if (length == 0 || !isXmlChar(c)) return false;
        wide.push_back(static_cast<wchar_t>(c));
        p += length;
    }
    out = std::move(wide);
    return true;
}

}  // namespace tarin
