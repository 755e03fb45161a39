#include "TarinTranslator/mission_plan/Base64.h"

#include <array>
#include <atomic>

#if defined(__x86_64__) && defined(__GNUC__)
#define TARIN_BASE64_X86 1
#include <immintrin.h>
#endif

namespace tarin {

namespace {

// The vector paths work on whole blocks of characters (16 for SSSE3, 32 for AVX2) and
// leave the rest to the scalar code. They stop before the first block that holds a
// character outside the alphabet, "=" included, so the scalar code meets every stop
// character and decides the result; what they decode is what the scalar code would.

constexpr uint8_t kInvalid = 0xFF;

constexpr std::array<uint8_t, 256> makeDecodeTable() {
    std::array<uint8_t, 256> table{};
    for (auto& v : table) v = kInvalid;
    for (std::size_t i = 0; i < kBase64Alphabet.size(); ++i)
        table[static_cast<uint8_t>(kBase64Alphabet[i])] = static_cast<uint8_t>(i);
    return table;
}

constexpr std::array<uint8_t, 256> kDecode = makeDecodeTable();

// The 6-bit value of a character of narrow or wide text, or kInvalid.
inline uint8_t sextet(uint8_t c) {
    return kDecode[c];
}
inline uint8_t sextet(wchar_t c) {
    const auto unit = static_cast<uint32_t>(c);
    return unit < kDecode.size() ? kDecode[unit] : kInvalid;
}

constexpr Base64Path kPaths[] = {Base64Path::Scalar, Base64Path::Ssse3, Base64Path::Avx2};

std::atomic<Base64Path>& selectedPath() {
    static std::atomic<Base64Path> path = supportedBase64Paths().back();
    return path;
}

void encodeScalar(const uint8_t* p, const uint8_t* end, char* out) {
    const char* a = kBase64Alphabet.data();
    for (; end - p >= 3; p += 3) {
        uint32_t v = (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
        *out++ = a[v >> 18];
        *out++ = a[(v >> 12) & 63];
        *out++ = a[(v >> 6) & 63];
        *out++ = a[v & 63];
    }
    if (end - p == 1) {
        uint32_t v = uint32_t{p[0]} << 16;
        *out++ = a[v >> 18];
        *out++ = a[(v >> 12) & 63];
        *out++ = '=';
        *out++ = '=';
    } else if (end - p == 2) {
        uint32_t v = (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8);
        *out++ = a[v >> 18];
        *out++ = a[(v >> 12) & 63];
        *out++ = a[(v >> 6) & 63];
        *out++ = '=';
    }
}

// Decodes from `p` to the end or the first character outside the alphabet. `w` may
// trail `p` in the same buffer: every group is read before its bytes are written.
template <class Unit>
bool decodeScalar(const Unit*& p, const Unit* end, uint8_t*& w) {
    // Whole groups of four first; the tail and any stop character are handled below.
    while (end - p >= 4) {
        uint8_t a = sextet(p[0]), b = sextet(p[1]), c = sextet(p[2]), d = sextet(p[3]);
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
        uint8_t v = sextet(*p);
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
    return clean;
}

#ifdef TARIN_BASE64_X86

// Both vector paths use the same steps on 16-byte lanes, with these tables in each lane.
struct LaneTable {
    alignas(16) int8_t v[16];
};

// Decoding: a character is in the alphabet when the table entries for its low and its
// high nibble share no bit (each high-nibble row has one bit; the low-nibble entry
// lists the rows where that low nibble is not in the alphabet; rows 0, 1 and 8 to 15,
// non-ASCII included, have none). Adding a per-row offset (the row of "/" moved to
// an entry of its own) gives the 6-bit value; multiply-adds join four values into 24
// bits, and a shuffle puts the three bytes in order.
constexpr LaneTable kLowNibble{{0x15, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x13,
                                0x1A, 0x1B, 0x1B, 0x1B, 0x1A}};
constexpr LaneTable kHighNibble{{0x10, 0x10, 0x01, 0x02, 0x04, 0x08, 0x04, 0x08, 0x10, 0x10, 0x10,
                                 0x10, 0x10, 0x10, 0x10, 0x10}};
constexpr LaneTable kRowOffset{{0, 16, 19, 4, -65, -65, -71, -71, 0, 0, 0, 0, 0, 0, 0, 0}};
constexpr LaneTable kPack{{2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1}};

// Encoding: each 32-bit lane gets bytes 1 0 2 1 of a group of three, masks and
// multiplies move the four 6-bit fields into bytes of their own, and the value is
// mapped to its character by adding an offset chosen by range (A-Z, a-z, 0-9, +, /).
constexpr LaneTable kSpread{{1, 0, 2, 1, 4, 3, 5, 4, 7, 6, 8, 7, 10, 9, 11, 10}};
constexpr LaneTable kRangeOffset{{'a' - 26, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52,
                                  '0' - 52, '0' - 52, '0' - 52, '0' - 52, '0' - 52, '+' - 62,
                                  '/' - 63, 'A', 0, 0}};

inline __m128i lane(const LaneTable& t) {
    return _mm_load_si128(reinterpret_cast<const __m128i*>(t.v));
}

__attribute__((target("avx2"))) inline __m256i lanes(const LaneTable& t) {
    return _mm256_broadcastsi128_si256(lane(t));
}

// A block of characters as bytes. Wide text is narrowed with saturation: a unit beyond
// 0xFF becomes 0xFF, one beyond 0x7FFFFFFF 0x00, neither of which is in the alphabet.
__attribute__((target("ssse3"))) inline __m128i blockSsse3(const uint8_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
__attribute__((target("ssse3"))) inline __m128i blockSsse3(const wchar_t* p) {
    const auto* q = reinterpret_cast<const __m128i*>(p);
    return _mm_packus_epi16(_mm_packs_epi32(_mm_loadu_si128(q), _mm_loadu_si128(q + 1)),
                            _mm_packs_epi32(_mm_loadu_si128(q + 2), _mm_loadu_si128(q + 3)));
}
__attribute__((target("avx2"))) inline __m256i blockAvx2(const uint8_t* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}
__attribute__((target("avx2"))) inline __m256i blockAvx2(const wchar_t* p) {
    const auto* q = reinterpret_cast<const __m256i*>(p);
    // The packs work within 128-bit lanes: the permute puts the four quarters in order.
    const __m256i bytes = _mm256_packus_epi16(
        _mm256_packs_epi32(_mm256_loadu_si256(q), _mm256_loadu_si256(q + 1)),
        _mm256_packs_epi32(_mm256_loadu_si256(q + 2), _mm256_loadu_si256(q + 3)));
    return _mm256_permutevar8x32_epi32(bytes, _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7));
}

// Whether every character of a block is in the alphabet, and its 6-bit values. Inlined in
// the loops, whose constants the compiler keeps in registers.
__attribute__((target("ssse3"))) inline bool valuesSsse3(__m128i text, __m128i& values) {
    const __m128i nibble = _mm_set1_epi8(0x0F);
    __m128i hi = _mm_and_si128(_mm_srli_epi32(text, 4), nibble);
    __m128i lo = _mm_and_si128(text, nibble);
    __m128i bad = _mm_and_si128(_mm_shuffle_epi8(lane(kLowNibble), lo),
                                _mm_shuffle_epi8(lane(kHighNibble), hi));
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(bad, _mm_setzero_si128())) != 0xFFFF) return false;
    __m128i slash = _mm_cmpeq_epi8(text, _mm_set1_epi8('/'));
    values = _mm_add_epi8(text, _mm_shuffle_epi8(lane(kRowOffset), _mm_add_epi8(slash, hi)));
    return true;
}
__attribute__((target("avx2"))) inline bool valuesAvx2(__m256i text, __m256i& values) {
    const __m256i nibble = _mm256_set1_epi8(0x0F);
    __m256i hi = _mm256_and_si256(_mm256_srli_epi32(text, 4), nibble);
    __m256i lo = _mm256_and_si256(text, nibble);
    if (!_mm256_testz_si256(_mm256_shuffle_epi8(lanes(kLowNibble), lo),
                            _mm256_shuffle_epi8(lanes(kHighNibble), hi)))
        return false;
    __m256i slash = _mm256_cmpeq_epi8(text, _mm256_set1_epi8('/'));
    values =
        _mm256_add_epi8(text, _mm256_shuffle_epi8(lanes(kRowOffset), _mm256_add_epi8(slash, hi)));
    return true;
}

template <class Unit>
__attribute__((target("ssse3"))) void decodeSsse3(const Unit*& p, const Unit* end, uint8_t*& w) {
    const __m128i pack = lane(kPack);
    __m128i values;
    // Two blocks left at least: the 16-byte store of a block's 12 bytes stays within
    // text.size() / 4 * 3 + 2, and in place within characters already read.
    while (end - p >= 32 && valuesSsse3(blockSsse3(p), values)) {
        __m128i pairs = _mm_maddubs_epi16(values, _mm_set1_epi32(0x01400140));
        __m128i groups = _mm_madd_epi16(pairs, _mm_set1_epi32(0x00011000));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(w), _mm_shuffle_epi8(groups, pack));
        p += 16;
        w += 12;
    }
}

template <class Unit>
__attribute__((target("avx2"))) void decodeAvx2(const Unit*& p, const Unit* end, uint8_t*& w) {
    const __m256i pack = lanes(kPack);
    const __m256i join = _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 7, 7);
    __m256i values;
    // As for SSSE3: the 32-byte store of a block's 24 bytes needs a second block behind.
    while (end - p >= 64 && valuesAvx2(blockAvx2(p), values)) {
        __m256i pairs = _mm256_maddubs_epi16(values, _mm256_set1_epi32(0x01400140));
        __m256i groups = _mm256_madd_epi16(pairs, _mm256_set1_epi32(0x00011000));
        __m256i bytes = _mm256_permutevar8x32_epi32(_mm256_shuffle_epi8(groups, pack), join);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(w), bytes);
        p += 32;
        w += 24;
    }
}

// Moves `p` past whole blocks of alphabet characters.
template <class Unit>
__attribute__((target("ssse3"))) void spanSsse3(const Unit*& p, const Unit* end, int&) {
    __m128i values;
    while (end - p >= 16 && valuesSsse3(blockSsse3(p), values)) p += 16;
}
template <class Unit>
__attribute__((target("avx2"))) void spanAvx2(const Unit*& p, const Unit* end, int&) {
    __m256i values;
    while (end - p >= 32 && valuesAvx2(blockAvx2(p), values)) p += 32;
}

__attribute__((target("ssse3"))) void encodeSsse3(const uint8_t*& p, const uint8_t* end,
                                                  char*& out) {
    const __m128i spread = lane(kSpread);
    const __m128i offset = lane(kRangeOffset);
    // Each step reads 16 bytes and encodes the first 12.
    while (end - p >= 16) {
        __m128i bytes =
            _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), spread);
        __m128i ac = _mm_mulhi_epu16(_mm_and_si128(bytes, _mm_set1_epi32(0x0FC0FC00)),
                                     _mm_set1_epi32(0x04000040));
        __m128i bd = _mm_mullo_epi16(_mm_and_si128(bytes, _mm_set1_epi32(0x003F03F0)),
                                     _mm_set1_epi32(0x01000010));
        __m128i values = _mm_or_si128(ac, bd);
        __m128i range = _mm_or_si128(
            _mm_subs_epu8(values, _mm_set1_epi8(51)),
            _mm_and_si128(_mm_cmpgt_epi8(_mm_set1_epi8(26), values), _mm_set1_epi8(13)));
        __m128i chars = _mm_add_epi8(values, _mm_shuffle_epi8(offset, range));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), chars);
        p += 12;
        out += 16;
    }
}

__attribute__((target("avx2"))) void encodeAvx2(const uint8_t*& p, const uint8_t* end, char*& out) {
    const __m256i spread = lanes(kSpread);
    const __m256i offset = lanes(kRangeOffset);
    // Each step reads bytes 0-15 and 12-27 and encodes the first 24.
    while (end - p >= 28) {
        __m256i bytes = _mm256_inserti128_si256(
            _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p))),
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 12)), 1);
        bytes = _mm256_shuffle_epi8(bytes, spread);
        __m256i ac = _mm256_mulhi_epu16(_mm256_and_si256(bytes, _mm256_set1_epi32(0x0FC0FC00)),
                                        _mm256_set1_epi32(0x04000040));
        __m256i bd = _mm256_mullo_epi16(_mm256_and_si256(bytes, _mm256_set1_epi32(0x003F03F0)),
                                        _mm256_set1_epi32(0x01000010));
        __m256i values = _mm256_or_si256(ac, bd);
        __m256i range =
            _mm256_or_si256(_mm256_subs_epu8(values, _mm256_set1_epi8(51)),
                            _mm256_and_si256(_mm256_cmpgt_epi8(_mm256_set1_epi8(26), values),
                                             _mm256_set1_epi8(13)));
        __m256i chars = _mm256_add_epi8(values, _mm256_shuffle_epi8(offset, range));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), chars);
        p += 24;
        out += 32;
    }
}

// Runs the steps of the selected vector path; each leaves less than its block to the
// next, narrower one, and the rest goes to the scalar code.
template <class Unit, class Out>
void vectorSteps(const Unit*& p, const Unit* end, Out& out,
                 void (*avx2)(const Unit*&, const Unit*, Out&),
                 void (*ssse3)(const Unit*&, const Unit*, Out&)) {
    switch (selectedPath().load(std::memory_order_relaxed)) {
        case Base64Path::Avx2:
            avx2(p, end, out);
            [[fallthrough]];
        case Base64Path::Ssse3:
            ssse3(p, end, out);
            [[fallthrough]];
        case Base64Path::Scalar:
            break;
    }
}

bool runs(Base64Path path) {
    __builtin_cpu_init();
    switch (path) {
        case Base64Path::Scalar:
            return true;
        case Base64Path::Ssse3:
            return __builtin_cpu_supports("ssse3");
        case Base64Path::Avx2:
            return __builtin_cpu_supports("avx2");
    }
    return false;
}

#else

bool runs(Base64Path path) {
    return path == Base64Path::Scalar;
}

#endif

}  // namespace

std::vector<Base64Path> supportedBase64Paths() {
    std::vector<Base64Path> paths;
    for (Base64Path path : kPaths)
        if (runs(path)) paths.push_back(path);
    return paths;
}

bool setBase64Path(Base64Path path) {
    if (!runs(path)) return false;
    selectedPath().store(path, std::memory_order_relaxed);
    return true;
}

Base64Path base64Path() {
    return selectedPath().load(std::memory_order_relaxed);
}

void base64Encode(const uint8_t* data, std::size_t size, char* out) {
    const uint8_t* end = data + size;
#ifdef TARIN_BASE64_X86
    vectorSteps(data, end, out, encodeAvx2, encodeSsse3);
#endif
    encodeScalar(data, end, out);
}

namespace {

template <class Unit>
Base64Decoded decodeUnits(const Unit* begin, std::size_t size, uint8_t* out) {
    const Unit* p = begin;
    const Unit* end = p + size;
    uint8_t* w = out;
#ifdef TARIN_BASE64_X86
    vectorSteps(p, end, w, decodeAvx2<Unit>, decodeSsse3<Unit>);
#endif
    const bool clean = decodeScalar(p, end, w);
    return {static_cast<std::size_t>(w - out), clean, static_cast<std::size_t>(p - begin)};
}

}  // namespace

Base64Decoded decodeBase64(std::string_view text, uint8_t* out) {
    return decodeUnits(reinterpret_cast<const uint8_t*>(text.data()), text.size(), out);
}

Base64Decoded decodeBase64(std::wstring_view text, uint8_t* out) {
    return decodeUnits(text.data(), text.size(), out);
}

std::size_t base64Span(std::wstring_view text) {
    const wchar_t* p = text.data();
    const wchar_t* end = p + text.size();
#ifdef TARIN_BASE64_X86
    int unused = 0;
    vectorSteps(p, end, unused, spanAvx2<wchar_t>, spanSsse3<wchar_t>);
#endif
    while (p != end && sextet(*p) != kInvalid) ++p;
    return static_cast<std::size_t>(p - text.data());
}

bool decodeBlob(std::string_view text, ByteVector& out) {
    out.resize(text.size() / 4 * 3 + 2);
    Base64Decoded decoded = decodeBase64(text, out.data());
    out.resize(decoded.size);
    return decoded.clean;
}

}  // namespace tarin
