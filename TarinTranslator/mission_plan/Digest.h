#pragma once

// SHA-256 digests of images, taken as their bytes go by.

#include <nettle/sha2.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tarin {

class Sha256 {
  public:
    Sha256() { sha256_init(&context_); }
    void update(std::span<const uint8_t> bytes) {
        sha256_update(&context_, bytes.size(), bytes.data());
    }
    // The digest of everything given, in lower-case hexadecimal; the digest starts anew.
    std::string hex();

  private:
    sha256_ctx context_;
};

inline std::string sha256Hex(std::span<const uint8_t> bytes) {
    Sha256 digest;
    digest.update(bytes);
    return digest.hex();
}

}  // namespace tarin
