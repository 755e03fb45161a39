#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace tarin {

// The plan texts that a mission plan carries in vexInfo/planInfo, in fixed wide arrays.
struct PlanTextFields {
    static constexpr std::size_t kTextCapacity = 81;
    static constexpr std::size_t kNotesCapacity = 257;

    wchar_t domain[kTextCapacity] = {};
    wchar_t name[kTextCapacity] = {};
    wchar_t description[kTextCapacity] = {};
    wchar_t notes[kNotesCapacity] = {};
    wchar_t author[kTextCapacity] = {};
    wchar_t locale[kTextCapacity] = {};
    wchar_t pin[kTextCapacity] = {};

    void clearTexts() { *this = PlanTextFields{}; }
};

// Copies `text` into a fixed wide array of `capacity` units: at most capacity - 1
// characters, always terminated.
inline void copyFixed(wchar_t* out, std::size_t capacity, std::wstring_view text) {
    if (capacity == 0) return;
    std::size_t n = std::min(text.size(), capacity - 1);
    std::copy_n(text.data(), n, out);
    out[n] = L'\0';
}

template <std::size_t N>
void setFixed(wchar_t (&field)[N], std::wstring_view text) {
    copyFixed(field, N, text);
}

}  // namespace tarin
