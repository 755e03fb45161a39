#pragma once

#include <cstddef>
#include <cstdint>
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
// padding to a multiple of four.
void base64Encode(const uint8_t* data, std::size_t size, char* out);

// Decodes BLOB text: reads alphabet characters up to the first "=" or the end; a final
// group of two or three characters gives one or two bytes, a single leftover nothing.
// The bytes replace `out`. False when the text stops at a character outside the
// alphabet (a blank, a line break, a non-ASCII character) before any "=".
bool decodeBlob(std::string_view text, ByteVector& out);

}  // namespace tarin
