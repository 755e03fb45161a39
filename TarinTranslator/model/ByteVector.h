#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <vector>

namespace tarin {

// Allocator for waveform images, which run to tens of megabytes: elements are not
// zero-filled when a vector grows (the bytes are about to be overwritten), and large
// blocks are aligned to and advised for huge pages, which saves most page faults.
template <class T>
struct ImageAllocator {
    using value_type = T;

    ImageAllocator() = default;
    template <class U>
    ImageAllocator(const ImageAllocator<U>&) noexcept {}

    T* allocate(std::size_t n);
    void deallocate(T* p, std::size_t n) noexcept;

    template <class U>
    void construct(U* p) noexcept {
        ::new (static_cast<void*>(p)) U;  // default-initialised: no fill
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }

    friend bool operator==(const ImageAllocator&, const ImageAllocator&) { return true; }
};

void* allocateImageBlock(std::size_t bytes);
void freeImageBlock(void* p, std::size_t bytes) noexcept;

template <class T>
T* ImageAllocator<T>::allocate(std::size_t n) {
    return static_cast<T*>(allocateImageBlock(n * sizeof(T)));
}

template <class T>
void ImageAllocator<T>::deallocate(T* p, std::size_t n) noexcept {
    freeImageBlock(p, n * sizeof(T));
}

// The bytes of a waveform image.
using ByteVector = std::vector<uint8_t, ImageAllocator<uint8_t>>;

}  // namespace tarin
