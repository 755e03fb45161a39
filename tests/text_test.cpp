// The UTF-8 layer: strict decoding of one sequence, encoding by UTF-8's bit pattern, whole
// texts both ways, XML's characters, and a file written through the wide stream buffer.

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "TarinTranslator/host/OutputFile.h"
#include "TarinTranslator/host/Utf8.h"
#include "tests/TestSupport.h"

namespace tarin {
namespace {

// One sequence at the start of `bytes`: the character (or nothing) and how far it moved.
std::pair<std::optional<char32_t>, std::size_t> decoded(std::string_view bytes) {
    std::size_t at = 0;
    const std::optional<char32_t> c = decodeUtf8(bytes, at);
    return {c, at};
}

TEST(Utf8, DecodesOneSequenceStrictly) {
    using Decoded = std::pair<std::optional<char32_t>, std::size_t>;
    // The last one is followed by what a decoding leaves alone.
    const std::pair<std::string_view, char32_t> characters[] = {
        {"A", U'A'},
        {"\x7F", 0x7F},
        {"\xC2\x80", 0x80},
        {"\xDF\xBF", 0x7FF},
        {"\xE0\xA0\x80", 0x800},
        {"\xE0\xA4\xA8", 0x928},
        {"\xE0\xBF\xBF", 0xFFF},
        {"\xE1\x80\x80", 0x1000},
        {"\xED\x9F\xBF", 0xD7FF},
        {"\xEE\x80\x80", 0xE000},
        {"\xEF\xBF\xBF", 0xFFFF},
        {"\xF0\x90\x80\x80", 0x10000},
        {"\xF0\x9F\x98\x80", 0x1F600},
        {"\xF4\x8F\xBF\xBF", 0x10FFFF},
        {"\xE0\xA0\x80zz", 0x800},
    };
    for (const auto& [bytes, c] : characters)
        EXPECT_EQ(decoded(bytes), Decoded(c, utf8Length(c))) << unsigned(c);
    // Not a character, and one byte is passed.
    const std::string_view invalid[] = {
        // Stray continuation bytes and leads that begin nothing; overlong forms.
        "\x80", "\xBF\x80", "\xF5\x80\x80\x80", "\xFF", "\xC0\x80", "\xC1\xBF", "\xE0\x80\x80",
        "\xE0\x9F\xBF", "\xF0\x80\x80\x80", "\xF0\x8F\xBF\xBF",
        // Surrogates, alone or as a pair, and values beyond U+10FFFF.
        "\xED\xA0\x80", "\xED\xBF\xBF", "\xED\xA0\xBD\xED\xB8\x80", "\xF4\x90\x80\x80",
        // Cut short by the end of the text or by a byte that does not continue it.
        "\xC2", "\xE0\xA0", "\xF0\x9F\x98", std::string_view("\xE0\xA0\x80", 2), "\xC2Z",
        "\xE0\xA0Z", "\xF0\x9F\x98Z", "\xE0\xC2\x80"};
    for (std::string_view bytes : invalid)
        EXPECT_EQ(decoded(bytes), Decoded(std::nullopt, 1))
            << testing::PrintToString(std::string(bytes));
}

// Every character comes back from its bytes; every other value's bytes are refused.
TEST(Utf8, EncodesByTheBitPattern) {
    for (char32_t c = 0; c <= kLargestEncoded; ++c) {
        char bytes[4];
        const std::size_t length = static_cast<std::size_t>(encodeUtf8(c, bytes) - bytes);
        ASSERT_EQ(length, utf8Length(c)) << unsigned(c);
        const auto [back, moved] = decoded(std::string_view(bytes, length));
        const bool character = c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
        ASSERT_EQ(back, character ? std::optional<char32_t>(c) : std::nullopt) << unsigned(c);
        ASSERT_EQ(moved, character ? length : 1u) << unsigned(c);
    }
    const std::pair<char32_t, std::string> cases[] = {
        {0x7F, "\x7F"},
        {0x80, "\xC2\x80"},
        {0x800, "\xE0\xA0\x80"},
        {0xFFF, "\xE0\xBF\xBF"},
        {0xD800, "\xED\xA0\x80"},
        {0x10FFFF, "\xF4\x8F\xBF\xBF"},
        {0x110000, "\xF4\x90\x80\x80"},
        {0xFFFFFFFF, "\xF7\xBF\xBF\xBF"},
    };
    for (const auto& [c, bytes] : cases) {
        std::string out = "x";
        appendUtf8(out, c);
        EXPECT_EQ(out, "x" + bytes) << unsigned(c);
    }
}

TEST(Utf8, ConvertsWholeTexts) {
    // Long enough for the runs of ASCII, with characters of each length between them.
    const std::wstring wide = L"plain ASCII text \u00e9\u0800\u0FFF\u4e2d\U0001F600\U0010FFFF end";
    const std::string utf8 =
        "plain ASCII text \xC3\xA9\xE0\xA0\x80\xE0\xBF\xBF\xE4\xB8\xAD\xF0\x9F\x98\x80"
        "\xF4\x8F\xBF\xBF end";
    EXPECT_EQ(toUtf8(wide), utf8);
    EXPECT_EQ(fromUtf8(utf8), wide);
    // Surrogate units are never paired: a pair is two units of three bytes, as a lone one.
    EXPECT_EQ(toUtf8(L"a\xD83D\xDE00z\xDC00"), "a\xED\xA0\xBD\xED\xB8\x80z\xED\xB0\x80");
    EXPECT_EQ(toUtf8(std::wstring(1, wchar_t(0x110000))), "\xF4\x90\x80\x80");
    // Each byte that begins no character is read as U+FFFD.
    const std::pair<std::string, std::wstring> invalid[] = {
        {"a\xC0\x80z", L"a\uFFFD\uFFFDz"},
        {"a\xED\xA0\x80z", L"a\uFFFD\uFFFD\uFFFDz"},
        {"a\xF0\x9F\x98", L"a\uFFFD\uFFFD\uFFFD"},
        {"\xE0\xA0\xE0\xA0\x80", L"\uFFFD\uFFFD\u0800"},
        {"\xFF\xFE", L"\uFFFD\uFFFD"},
    };
    for (const auto& [bytes, expected] : invalid)
        EXPECT_EQ(fromUtf8(bytes), expected) << testing::PrintToString(bytes);
}

TEST(Utf8, XmlCharacters) {
    const std::pair<char32_t, bool> cases[] = {
        {0x0, false},   {0x8, false},     {0x9, true},      {0xA, true},     {0xD, true},
        {0x1F, false},  {0x20, true},     {0xD7FF, true},   {0xD800, false}, {0xDFFF, false},
        {0xE000, true}, {0xFFFD, true},   {0xFFFE, false},  {0xFFFF, false}, {0x10000, true},
        {0x800, true},  {0x10FFFF, true}, {0x110000, false}};
    for (auto [c, allowed] : cases) EXPECT_EQ(isXmlChar(c), allowed) << std::hex << unsigned(c);
}

// A file gets the bytes toUtf8() gives, with CR LF line ends.
TEST(Utf8, FilesAreWrittenAsToUtf8Writes) {
    test::TempDir dir;
    const std::wstring text = L"a\nb\u0800\U0001F600\xD83D\xDE00\n" + std::wstring(5000, L'x');
    AtomicFile file;
    ASSERT_TRUE(file.open(dir / "t"));
    {
        Utf8FileBuf buffer(file);
        std::wostream(&buffer) << text;
    }
    ASSERT_TRUE(file.commit());
    std::string expected;
    for (char c : toUtf8(text)) (c == '\n' ? expected += "\r\n" : expected += c);
    EXPECT_EQ(test::readFile(dir / "t"), expected);
}

}  // namespace
}  // namespace tarin
