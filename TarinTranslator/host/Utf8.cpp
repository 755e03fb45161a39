#include "TarinTranslator/host/Utf8.h"

#include <cstdint>
#include <cstring>

namespace tarin {

std::string toUtf8(std::wstring_view text) {
    std::string out;
    appendUtf8(out, text);
    return out;
}

std::wstring fromUtf8(std::string_view text) {
    // Every byte but a continuation byte begins a unit of the result, so their count is
    // what a valid text needs; a continuation byte that begins no character (its U+FFFD)
    // makes the result grow.
    std::size_t units = 0;
    for (char b : text) units += (static_cast<unsigned char>(b) & 0xC0) != 0x80;
    std::wstring out(units, L'\0');
    std::size_t n = 0;
    for (std::size_t at = 0; at < text.size();) {
        // Runs of ASCII, eight at a time.
        if (at + 8 <= text.size() && n + 8 <= out.size()) {
            uint64_t word;
            std::memcpy(&word, text.data() + at, 8);
            if ((word & 0x8080808080808080ull) == 0) {
                for (std::size_t k = 0; k < 8; ++k) out[n + k] = static_cast<wchar_t>(text[at + k]);
                n += 8, at += 8;
                continue;
            }
        }
        const std::optional<char32_t> c = decodeUtf8(text, at);
        if (n == out.size()) out.resize(n + 1 + (text.size() - at));
        out[n++] = static_cast<wchar_t>(c ? *c : 0xFFFD);
    }
    out.resize(n);
    return out;
}

}  // namespace tarin
