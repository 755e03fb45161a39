#include "TarinTranslator/mission_plan/Base64.h"

#include <array>

namespace tarin {

namespace {

constexpr uint8_t kInvalid = 0xFF;

constexpr std::array<uint8_t, 256> makeDecodeTable() {
    std::array<uint8_t, 256> table{};
    for (auto& v : table) v = kInvalid;
    for (std::size_t i = 0; i < kBase64Alphabet.size(); ++i)
        table[static_cast<uint8_t>(kBase64Alphabet[i])] = static_cast<uint8_t>(i);
    return table;
}

constexpr std::array<uint8_t, 256> kDecode = makeDecodeTable();

}  // namespace

void base64Encode(const uint8_t* data, std::size_t size, char* out) {
    const char* a = kBase64Alphabet.data();
    std::size_t i = 0;
    for (; i + 3 <= size; i += 3) {
        uint32_t v = (uint32_t{data[i]} << 16) | (uint32_t{data[i + 1]} << 8) | data[i + 2];
        *out++ = a[v >> 18];
        *out++ = a[(v >> 12) & 63];
        *out++ = a[(v >> 6) & 63];
        *out++ = a[v & 63];
    }
    if (size - i == 1) {
        uint32_t v = uint32_t{data[i]} << 16;
        *out++ = a[v >> 18];
        *out++ = a[(v >> 12) & 63];
        *out++ = '=';
        *out++ = '=';
    } else if (size - i == 2) {
        uint32_t v = (uint32_t{data[i]} << 16) | (uint32_t{data[i + 1]} << 8);
        *out++ = a[v >> 18];
        *out++ = a[(v >> 12) & 63];
        *out++ = a[(v >> 6) & 63];
        *out++ = '=';
    }
}

bool decodeBlob(std::string_view text, ByteVector& out) {
    out.resize(text.size() / 4 * 3 + 2);
    uint8_t* w = out.data();
    const auto* p = reinterpret_cast<const uint8_t*>(text.data());
    const uint8_t* end = p + text.size();
    // Whole groups of four first; the tail and any stop character are handled below.
    while (end - p >= 4) {
        uint8_t a = kDecode[p[0]], b = kDecode[p[1]], c = kDecode[p[2]], d = kDecode[p[3]];
        if ((a | b | c | d) & 0xC0) break;  // kInvalid has the high bits set
        uint32_t v = (uint32_t{a} << 18) | (uint32_t{b} << 12) | (uint32_t{c} << 6) | d;
        w[0] = static_cast<uint8_t>(v >> 16);
        w[1] = static_cast<uint8_t>(v >> 8);
        w[2] = static_cast<uint8_t>(v);
        w += 3;
        p += 4;
    }
    uint32_t group[4] = {};
    int count = 0;
    bool clean = true;
    for (; p != end; ++p) {
        uint8_t v = kDecode[*p];
        if (v == kInvalid) {
            clean = *p == '=';
            break;
        }
        group[count++] = v;
        if (count == 4) {
            uint32_t bits = (group[0] << 18) | (group[1] << 12) | (group[2] << 6) | group[3];
            w[0] = static_cast<uint8_t>(bits >> 16);
            w[1] = static_cast<uint8_t>(bits >> 8);
            w[2] = static_cast<uint8_t>(bits);
            w += 3;
            count = 0;
        }
    }
    if (count >= 2) {
        uint32_t bits = (group[0] << 18) | (group[1] << 12) | (count == 3 ? group[2] << 6 : 0);
        *w++ = static_cast<uint8_t>(bits >> 16);
        if (count == 3) *w++ = static_cast<uint8_t>(bits >> 8);
    }
    out.resize(static_cast<std::size_t>(w - out.data()));
    return clean;
}

}  // namespace tarin
