#include "TarinTranslator/model/ByteVector.h"

#include <sys/mman.h>

#include <cstdlib>

namespace tarin {

namespace {
constexpr std::size_t kHugePage = std::size_t{2} << 20;
}

void* allocateImageBlock(std::size_t bytes) {
    if (bytes < kHugePage) {
        if (void* p = std::malloc(bytes ? bytes : 1)) return p;
        throw std::bad_alloc();
    }
    std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* p = std::aligned_alloc(kHugePage, rounded);
    if (!p) throw std::bad_alloc();
    ::madvise(p, rounded, MADV_HUGEPAGE);  // advice only; failure changes nothing
    return p;
}

void freeImageBlock(void* p, std::size_t /*bytes*/) noexcept {
    std::free(p);
}

}  // namespace tarin
