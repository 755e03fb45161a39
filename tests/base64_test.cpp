#include "TarinTranslator/mission_plan/Base64.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tarin {
namespace {

using Bytes = std::vector<uint8_t>;

std::string encode(const Bytes& bytes) {
    // Guard characters behind the text catch writes beyond base64Length.
    std::string out(base64Length(bytes.size()) + 4, '#');
    base64Encode(bytes.data(), bytes.size(), out.data());
    EXPECT_EQ(out.substr(out.size() - 4), "####");
    out.resize(out.size() - 4);
    return out;
}

// The bytes decoded and whether the text was clean Base64 to its end.
using Decoded = std::pair<Bytes, bool>;

// `text` as wide units: ASCII as it is, the other bytes as units of one byte, of three and
// of four (negative as 32-bit integers); those beyond a byte end in the byte of 'A', which a
// decoder that kept only the low byte would take.
std::wstring wideUnits(std::string_view text) {
    std::wstring wide;
    for (const unsigned char c : text)
        wide += wchar_t(c < 0xC0   ? c
                        : c < 0xE0 ? c << 16 | 'A'
                                   : int32_t(0x80000000u | c << 8 | 'A'));
    return wide;
}

// Decodes copying, in place and from wide units; the three must agree, and the wide
// alphabet run ends where the copy stops.
Decoded decode(std::string_view text) {
    ByteVector copied;
    bool clean = decodeBlob(text, copied);
    std::string buffer(text);
    Base64Decoded inPlace = decodeBlobInPlace(buffer.data(), buffer.size());
    EXPECT_EQ(inPlace.clean, clean) << "in place: " << text.substr(0, 80);
    EXPECT_EQ(buffer.substr(0, inPlace.size), std::string(copied.begin(), copied.end()));
    const std::wstring wide = wideUnits(text);
    Bytes fromWide(wide.size() / 4 * 3 + 2);
    const Base64Decoded w = decodeBase64(wide, fromWide.data());
    fromWide.resize(w.size);
    EXPECT_EQ(std::pair(fromWide, w.clean), std::pair(Bytes(copied.begin(), copied.end()), clean))
        << "wide: " << text.substr(0, 80);
    EXPECT_EQ(base64Span(wide), std::min(text.find_first_not_of(kBase64Alphabet), text.size()));
    return {Bytes(copied.begin(), copied.end()), clean};
}

Bytes randomBytes(std::mt19937& random, std::size_t size) {
    Bytes bytes(size);
    for (auto& b : bytes) b = static_cast<uint8_t>(random());
    return bytes;
}

constexpr const char* kPathNames[] = {"Scalar", "Ssse3", "Avx2"};

// Every test runs once per path; the scalar path is the reference for the others.
class Base64Test : public testing::TestWithParam<Base64Path> {
  protected:
    void SetUp() override {
        if (!setBase64Path(GetParam()))
            GTEST_SKIP() << kPathNames[int(GetParam())] << " does not run on this processor";
        ASSERT_EQ(base64Path(), GetParam()) << "the codec runs the path it was given";
    }
    void TearDown() override { setBase64Path(supportedBase64Paths().back()); }

    void expectSameAsScalar(std::string_view text) {
        Decoded result = decode(text);
        setBase64Path(Base64Path::Scalar);
        Decoded expected = decode(text);
        setBase64Path(GetParam());
        EXPECT_EQ(result, expected) << "decoding " << text.size() << " characters";
    }
    void expectSameAsScalar(const Bytes& bytes) {
        std::string result = encode(bytes);
        setBase64Path(Base64Path::Scalar);
        std::string expected = encode(bytes);
        setBase64Path(GetParam());
        EXPECT_EQ(result, expected) << "encoding " << bytes.size() << " bytes";
    }

    std::mt19937 random{12};
};

TEST_P(Base64Test, EncodesWithPaddingAndDecodesByTheBlobRules) {
    EXPECT_EQ(encode({}), "");
    EXPECT_EQ(encode({0xFF}), "/w==");
    EXPECT_EQ(encode({0x00, 0x01}), "AAE=");
    EXPECT_EQ(encode({0x00, 0x01, 0xFF}), "AAH/");

    const struct {
        std::string text;
        Decoded expected;
    } cases[] = {
        {"AH//", {{0x00, 0x7F, 0xFF}, true}},
        {"", {{}, true}},
        {"/w", {{0xFF}, true}},                         // a last group of two gives one byte
        {"AAE", {{0x00, 0x01}, true}},                  // and of three two bytes
        {"AAEA/", {{0x00, 0x01, 0x00}, true}},          // a single leftover gives nothing
        {"/w==garbage after padding", {{0xFF}, true}},  // nothing after "=" is examined
        {"AAAA\nAAAA", {{0, 0, 0}, false}},             // the bytes before the stop are kept
        {"AA\xC3\xA9", {{0x00}, false}},                // non-ASCII text is not Base64
    };
    // Again behind 96 characters, so that the vector paths hand over to the scalar code.
    const std::string prefix(96, 'A');
    for (const auto& c : cases) {
        EXPECT_EQ(decode(c.text), c.expected) << c.text;
        Decoded longer = c.expected;
        longer.first.insert(longer.first.begin(), 72, 0);
        EXPECT_EQ(decode(prefix + c.text), longer) << c.text;
    }
}

TEST_P(Base64Test, RoundTripsAndMatchesTheScalarPath) {
    for (std::size_t size :
         {0, 1, 2, 3, 47, 48, 49, 150, 200, 1 << 20, (1 << 20) + 1, (1 << 20) + 2}) {
        Bytes bytes = randomBytes(random, size);
        std::string text = encode(bytes);
        EXPECT_EQ(decode(text), (Decoded{bytes, true})) << size << " bytes";
        expectSameAsScalar(bytes);
        // A stop near the end of a long text, within the last vector blocks.
        if (text.size() > 100) text[text.size() - 70] = '\n';
        expectSameAsScalar(text);
    }
    for (std::size_t size = 0; size <= 200; ++size) {
        Bytes bytes = randomBytes(random, size);
        expectSameAsScalar(bytes);
        std::string text = encode(bytes);
        expectSameAsScalar(text + "garbage");      // padded, and unpadded when size % 3 == 0
        expectSameAsScalar(text.substr(0, size));  // lengths 0 to 200 of every remainder
    }
}

TEST_P(Base64Test, EveryByteAtEveryPositionOfTheBlocks) {
    const std::string text = encode(randomBytes(random, 120));  // 160 characters, five blocks
    for (std::size_t at = 0; at < text.size(); ++at) {
        for (int c = 0; c < 256; ++c) {
            std::string changed = text;
            changed[at] = static_cast<char>(c);
            expectSameAsScalar(changed);
        }
    }
}

TEST_P(Base64Test, RandomTextsWithStrayCharacters) {
    const std::string stray("=\n \t\0-_.\x80\xC3\xFF", 11);
    for (int i = 0; i < 3000; ++i) {
        std::string text(random() % 300, 'A');
        for (char& c : text)
            c = random() % 64 ? kBase64Alphabet[random() % 64] : stray[random() % stray.size()];
        expectSameAsScalar(text);
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, Base64Test,
                         testing::Values(Base64Path::Scalar, Base64Path::Ssse3, Base64Path::Avx2),
                         [](const auto& info) { return kPathNames[int(info.param)]; });

}  // namespace
}  // namespace tarin
