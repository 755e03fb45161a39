// The Base64 codec on every path this processor runs, against a plain decoder and encoder
// written out here: the input is decoded as BLOB text (copying, in place, and into a
// buffer of the documented size: bytes, result and where the walk stopped), as wide text
// likewise, and encoded as bytes.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "TarinTranslator/mission_plan/Base64.h"

using namespace tarin;

namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

struct Reference {
    std::string bytes;
    bool clean = true;
    std::size_t stop = 0;  // where the walk stopped: at "=", at a stray character, or the end
};

// Alphabet characters up to the first "=" (clean) or other stray character (not clean);
// groups of four give three bytes, a last group of three two, of two one, of one nothing.
Reference referenceDecode(std::string_view text) {
    Reference r;
    uint32_t bits = 0;
    int count = 0;
    for (r.stop = 0; r.stop < text.size(); ++r.stop) {
        const std::size_t value = kAlphabet.find(text[r.stop]);
        if (value == std::string_view::npos) {
            r.clean = text[r.stop] == '=';
            break;
        }
        bits = bits << 6 | static_cast<uint32_t>(value);
        if (++count == 4) {
            r.bytes += {char(bits >> 16), char(bits >> 8), char(bits)};
            bits = 0;
            count = 0;
        }
    }
    if (count == 2) r.bytes += char(bits >> 4);
    if (count == 3) r.bytes += {char(bits >> 10), char(bits >> 2)};
    return r;
}

std::string referenceEncode(std::string_view bytes) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
        uint32_t bits = 0;
        for (std::size_t k = 0; k < 3; ++k)
            bits = bits << 8 | (k < n ? static_cast<uint8_t>(bytes[i + k]) : 0u);
        for (std::size_t k = 0; k < 4; ++k)
            out += k <= n ? kAlphabet[(bits >> (18 - 6 * k)) & 63] : '=';
    }
    return out;
}

const char* kPathNames[] = {"scalar", "SSSE3", "AVX2"};

void require(bool ok, Base64Path path, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "Base64 %s path: %s differs from the reference\n",
                 kPathNames[static_cast<int>(path)], what);
    std::abort();
}

// Guard bytes behind every output buffer catch writes beyond its documented size.
constexpr std::size_t kGuard = 16;
bool guardIntact(const std::vector<char>& buffer, std::size_t size) {
    for (std::size_t i = size; i < buffer.size(); ++i)
        if (buffer[i] != '#') return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Reference expected = referenceDecode(text);
    const std::string encoded = referenceEncode(text);
    for (Base64Path path : supportedBase64Paths()) {
        if (!setBase64Path(path)) require(false, path, "choosing the path");

        ByteVector copied;
        const bool clean = decodeBlob(text, copied);
        require(clean == expected.clean &&
                    std::string_view(reinterpret_cast<const char*>(copied.data()), copied.size()) ==
                        expected.bytes,
                path, "decodeBlob");

        std::string inPlace(text);
        const Base64Decoded d = decodeBlobInPlace(inPlace.data(), inPlace.size());
        require(d.clean == expected.clean && d.stop == expected.stop &&
                    std::string_view(inPlace.data(), d.size) == expected.bytes,
                path, "the decode in place");

        const std::size_t room = size / 4 * 3 + 2;
        std::vector<char> out(room + kGuard, '#');
        const Base64Decoded o = decodeBase64(text, reinterpret_cast<uint8_t*>(out.data()));
        require(o.clean == expected.clean && o.stop == expected.stop && o.size <= room &&
                    std::string_view(out.data(), o.size) == expected.bytes &&
                    guardIntact(out, room),
                path, "decodeBase64 into a buffer");

        // The same text as wide units: a byte beyond ASCII becomes a unit beyond 0xFF (or
        // beyond 0x7FFFFFFF) that ends in an alphabet character, outside the alphabet still.
        std::wstring wide(size, L'\0');
        for (std::size_t i = 0; i < size; ++i)
            wide[i] = data[i] < 0x80   ? wchar_t(data[i])
                      : data[i] < 0xF0 ? wchar_t(data[i] << 8 | 'A')
                                       : wchar_t(0x80000000u | 'A');
        std::vector<char> fromWide(room + kGuard, '#');
        const Base64Decoded w = decodeBase64(wide, reinterpret_cast<uint8_t*>(fromWide.data()));
        require(w.clean == expected.clean && w.stop == expected.stop &&
                    std::string_view(fromWide.data(), w.size) == expected.bytes &&
                    guardIntact(fromWide, room),
                path, "decodeBase64 of wide text");
        const std::size_t alphabet = text.find_first_not_of(kAlphabet);
        require(base64Span(wide) == (alphabet == std::string_view::npos ? size : alphabet), path,
                "base64Span");

        std::vector<char> enc(base64Length(size) + kGuard, '#');
        base64Encode(data, size, enc.data());
        require(std::string_view(enc.data(), encoded.size()) == encoded &&
                    guardIntact(enc, encoded.size()),
                path, "the encoding");
    }
    return 0;
}
