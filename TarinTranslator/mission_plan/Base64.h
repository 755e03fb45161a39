#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "TarinTranslator/model/ByteVector.h"

namespace tarin {

// The standard Base64 alphabet, shared by the encoder and the decoder.
inline constexpr std::string_view kBase64Alphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

inline constexpr std::size_t base64Length(std::size_t bytes) {
    return (bytes + 2) / 3 * 4;
}

// Encodes `size` bytes into `out`, which holds base64Length(size) characters; "="
// padding to a multiple of four. Writes nothing beyond those characters, so a caller
// can encode in chunks of a multiple of three bytes straight into an output buffer.
void base64Encode(const uint8_t* data, std::size_t size, char* out);

// The outcome of decoding BLOB text: the number of bytes written and whether the text
// was clean (ended, or stopped at "=").
struct Base64Decoded {
    std::size_t size = 0;
    bool clean = true;
    std::size_t stop = 0;  // where the walk stopped: the first "=" or stray character, or the end
};

// Decodes BLOB text: reads alphabet characters up to the first "=" or the end; a final
// group of two or three characters gives one or two bytes, a single leftover nothing.
// Nothing after the "=" is examined. Not clean when the text stops at a character
// outside the alphabet (a blank, a line break, a non-ASCII character) before any "=";
// the bytes decoded up to that character are still written.
//
// Writes to `out`, which has room for text.size() / 4 * 3 + 2 bytes or is `text.data()`
// itself: Base64 shrinks, and the write position never overtakes the read position.
Base64Decoded decodeBase64(std::string_view text, uint8_t* out);

// The same on wide text, a character a unit: the bytes and cleanness are those of the
// text's UTF-8 form; `stop` counts units.
Base64Decoded decodeBase64(std::wstring_view text, uint8_t* out);

// The number of alphabet characters ("=" is not one) that `text` begins with.
std::size_t base64Span(std::wstring_view text);

// Decodes the BLOB text in `text[0, size)` into the start of the same buffer.
inline Base64Decoded decodeBlobInPlace(char* text, std::size_t size) {
    return decodeBase64(std::string_view(text, size), reinterpret_cast<uint8_t*>(text));
}

// decodeBase64 a piece at a time: each piece of bytes goes to `sink` (a span), and nothing
// but one small buffer is held.
template <class Sink>
Base64Decoded decodeBase64InPieces(std::string_view text, Sink sink) {
    constexpr std::size_t kCharacters = 1 << 16;  // a multiple of 4: no group is split
    uint8_t buffer[kCharacters / 4 * 3 + 2];
    Base64Decoded total;
    for (std::size_t at = 0;; at += kCharacters) {
        const std::string_view piece = text.substr(std::min(at, text.size()), kCharacters);
        const Base64Decoded decoded = decodeBase64(piece, buffer);
        sink(std::span<const uint8_t>(buffer, decoded.size));
        total.size += decoded.size;
        total.clean = decoded.clean;
        total.stop = at + decoded.stop;
        if (!decoded.clean || decoded.stop < piece.size() || at + kCharacters >= text.size())
            return total;
    }
}

// decodeBase64 into `out`, which then holds the decoded bytes; false when not clean.
bool decodeBlob(std::string_view text, ByteVector& out);

// The implementations of the codec. All give the same bytes and results; the vector
// ones run on processors with the instruction set, and the codec uses the best of them
// unless told otherwise.
enum class Base64Path { Scalar, Ssse3, Avx2 };

// The paths this processor runs, Scalar first.
std::vector<Base64Path> supportedBase64Paths();

// Makes the codec use `path` from now on, for every thread; false (and no change) when
// the processor does not run it.
bool setBase64Path(Base64Path path);

// The path the codec uses now.
Base64Path base64Path();

}  // namespace tarin
