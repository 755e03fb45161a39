// Hostile input: a document that changes while it is read, text that is not valid in its
// encoding or holds characters XML does not allow, and texts far longer than their fields.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <sstream>
#include <thread>

#include "TarinTranslator/api/Exports.h"
#include "TarinTranslator/api/TarinTranslator.h"
#include "TarinTranslator/mission_plan/MissionPlanDocument.h"
#include "TestSupport.h"

namespace tarin {
namespace {

using test::planDocument;
using test::readFile;
using test::replaced;
using test::TempDir;
using test::utf16;
using test::writeFile;

bool reads(std::string text, uint32_t radioType = 0) {
    MissionPlan p;
    p.planRadioType = radioType;
    return readMissionPlan(text.data(), text.size(), p);
}

class Hardening : public testing::Test {
  protected:
    test::Messages quiet;
    TempDir dir;
};

// Runs `body` in a child process; its exit status, or -1 when a signal ended it.
template <class Body>
int inChild(Body body) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Another program truncates and rewrites the document while it is read: every read ends
// in a result, none in a signal.
TEST_F(Hardening, DocumentChangingWhileItIsRead) {
    const std::string text = planDocument(0, std::string(1 << 20, 'n'));
    const auto file = dir / "plan.xml";
    writeFile(file, text);
    EXPECT_EQ(inChild([&] {
                  std::atomic<bool> done{false};
                  std::thread changer([&] {
                      for (std::size_t cut = 0; !done; cut = (cut + 4099) % text.size()) {
                          ::truncate(file.c_str(), static_cast<off_t>(cut));
                          writeFile(file, text);
                      }
                  });
                  for (int i = 0; i < 60; ++i) (void)unpackMissionPlanFile(file, dir / "out", {});
                  done = true;
                  changer.join();
                  return 0;
              }),
              0);
}

// Bytes that are not UTF-8 fail the read wherever they stand, named with their place;
// valid ones read, three-byte characters from U+0800 and four-byte ones beyond the Basic
// Multilingual Plane too, and a write puts them into its file as they were.
TEST_F(Hardening, OnlyValidUtf8Reads) {
    const std::pair<const char*, const char*> cases[] = {
        {"\xC0\x80", "0xC0 does not begin a character"},
        {"\xE0\x80\xAF", "0xE0 0x80 0xAF is not a character"},
        {"\xED\xA0\x80", "0xED 0xA0 0x80 is not a character"},
        {"\xF4\x90\x80\x80", "0xF4 0x90 0x80 0x80 is not a character"},
        {"\xF0\x9F\x98", "0xF0 0x9F 0x98 is a character cut short"},
        {"\x80", "0x80 does not begin a character"},
        {"\xFF", "0xFF does not begin a character"}};
    for (auto [bad, why] : cases) {
        const std::string text = planDocument(0, std::string("a") + bad + "b");
        const ReadResult result = checkMissionPlan(text, {});
        EXPECT_FALSE(result.ok) << bad;
        const std::string at = std::to_string(text.find(bad) + 1);
        EXPECT_EQ(result.reason.text.rfind("not UTF-8: at byte " + at + ": " + why, 0), 0u)
            << result.reason.text;
    }
    // Devanagari and Thai (U+0800..U+0FFF), an emoji (beyond U+FFFF).
    const std::wstring name = L"\u0928\u092E\u0938\u0E2A\u0E27\u00e9\U0001F600";
    const std::string utf8 =
        "\xE0\xA4\xA8\xE0\xA4\xAE\xE0\xA4\xB8\xE0\xB8\xAA\xE0\xB8\xA7"
        "\xC3\xA9\xF0\x9F\x98\x80";
    ASSERT_TRUE(unpackMissionPlan(planDocument(0, utf8), dir / "u", {}).ok);
    EXPECT_EQ(inspectMissionPlan(planDocument(0, utf8)).texts.name, name);
    writeFile(dir / "w.fl", "");
    writeFile(dir / "w.ee", "");
    ASSERT_TRUE(writeClassicMissionPlan(dir / "w", {name, L"", L"", L"", L"", L"", L""}, false));
    const std::string written = readFile(dir / "w.xml");
    EXPECT_NE(written.find("name='" + utf8 + "'"), std::string::npos);
    EXPECT_EQ(inspectMissionPlan(written).texts.name, name);
}

// A wide document (after a byte order mark) reads when its units are valid; a lone
// surrogate fails it, as does one handed over as wide text to the entry points.
TEST_F(Hardening, WideTextWithALoneSurrogateFails) {
    const std::wstring wide = pugi::as_wide(planDocument(0));
    EXPECT_TRUE(reads(utf16(wide)));
    // Its images are decoded out of the parser's own buffer, which goes with the read.
    ASSERT_TRUE(unpackMissionPlan(utf16(wide), dir / "u16", {}).ok);
    EXPECT_EQ(readFile(dir / "u16.fl"), "\x01\x02\x03");
    std::wstring lone = wide;
    lone.insert(lone.find(L"Plan"), 1, wchar_t(0xDC00));
    EXPECT_FALSE(reads(utf16(lone)));
    // UTF-32 of either byte order: a surrogate code point fails it too, as does one
    // beyond U+10FFFF or a cut last unit.
    auto utf32 = [](const std::wstring& text, bool little) {
        std::string bytes;
        for (char32_t c : L"\uFEFF" + text)
            for (int i = 0; i < 4; ++i)
                bytes += static_cast<char>(c >> (little ? 8 * i : 24 - 8 * i));
        return bytes;
    };
    for (bool little : {true, false}) {
        EXPECT_TRUE(reads(utf32(wide, little))) << little;
        EXPECT_FALSE(reads(utf32(lone, little))) << little;
        std::wstring beyond = wide;
        beyond.insert(beyond.find(L"Plan"), 1, wchar_t(0x110000));
        EXPECT_FALSE(reads(utf32(beyond, little))) << little;
        EXPECT_FALSE(reads(utf32(wide, little) + "  ")) << "a cut unit";
    }
    EXPECT_EQ(
        ParseTarinData(CString(lone), CString(fromUtf8((dir / "x").string())), false, 0, false), 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "x.pd"));
}

// What XML forbids and the XML parser lets through fails the read, with the first fault
// in document order and its place; a BLOB's or a setting's text is all of its text.
TEST_F(Hardening, StrictXmlAndWholeTexts) {
    const std::string classic = planDocument(0), hazard = planDocument(146);
    const std::string blob = "<fl-data>AQID</fl-data>";
    struct Case {
        std::string text;
        const char* reason;  // empty: the document reads
        const char* at;      // what stands at the reason's place
    };
    const Case cases[] = {
        {replaced(classic, blob, "<fl-data>AQID<!-- c -->BAUG<?p?>Bw<![CDATA[gJ]]></fl-data>"), "",
         ""},
        {replaced(classic, "name='Plan'", "name='&#9;&#x1F600;'"), "", ""},
        {replaced(classic, "<platformConfig>", "<!-- &#0; --><platformConfig>"), "", ""},
        {replaced(classic, blob, "<fl-data>AAAA</fl-data>" + blob), "holds more than one fl-data",
         "fl-data>AQID"},
        {replaced(classic, "<ecpWaveformConfig>", "<ecpWaveformConfig/><ecpWaveformConfig>"),
         "holds more than one ecpWaveformConfig", "ecpWaveformConfig>"},
        {replaced(classic, blob, "<fl-data>AQ<x/>ID</fl-data>"),
         "ecpWaveformConfig/fl-data holds an element (x)", "x/>"},
        {classic + classic, "not well-formed XML: a second root element", "missionPlan"},
        {classic + "text", "not well-formed XML: text after the root element", "text"},
        {"x" + classic, "not well-formed XML: text before the root element", "x<"},
        {classic + std::string(1, '\0') + "x", "not well-formed XML: U+0000 is a character", ""},
        {replaced(classic, "<platformConfig>", "<!-- \x01 --><platformConfig>"),
         "U+0001 is a character", "\x01"},
        {planDocument(0, "12&#0;34"), "the character reference &#0; stands for U+0000", "&#0;34"},
        {planDocument(0, "a&#xD800;"), "&#xD800; stands for U+D800", "&#xD800;"},
        {planDocument(0, "a&#99999999999;"), "stands for a value beyond U+10FFFF", "&#9999"},
        {replaced(hazard, "zone='EST'", "zone='PST' zone='EST'"),
         "attribute zone appears twice in element TimeDateCfg", "zone='EST'"},
        {replaced(hazard, "CorvanWifiRouter", "Router&#27;"), "&#27; stands for U+001B", "&#27;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        const bool extended = c.text.find("<MissionLoad>") != std::string::npos;
        const ReadAs as{false, extended ? std::optional<uint32_t>(146) : std::nullopt};
        const ReadResult result = unpackMissionPlan(c.text, dir / "s", as);
        EXPECT_EQ(result.ok, !*c.reason) << result.reason.text;
        if (!*c.reason) continue;
        EXPECT_NE(result.reason.text.find(c.reason), std::string::npos) << result.reason.text;
        if (*c.at) {
            // The place is that of `at` from where the text departs from its document.
            const std::string& base = extended ? hazard : classic;
            const auto from = static_cast<std::size_t>(
                std::mismatch(base.begin(), base.end(), c.text.begin(), c.text.end()).second -
                c.text.begin());
            std::size_t line = 1, column = 1;
            for (std::size_t i = 0; i < c.text.find(c.at, from); ++i)
                c.text[i] == '\n' ? (++line, column = 1) : ++column;
            EXPECT_EQ(std::make_pair(result.reason.line, result.reason.column),
                      std::make_pair(line, column));
        }
    }
    // A BLOB split by a comment, a processing instruction and a CDATA section is whole.
    ASSERT_TRUE(unpackMissionPlan(cases[0].text, dir / "b", {}).ok);
    EXPECT_EQ(readFile(dir / "b.fl"), "\1\2\3\4\5\6\7\10\11");
    EXPECT_EQ(inspectMissionPlan(cases[0].text).flash.bytes.size(), 9u);
    // So is a setting held as element text.
    ASSERT_TRUE(unpackMissionPlan(replaced(hazard, "CorvanWifiRouter", "Corvan<!--x-->WifiRouter"),
                                  dir / "n", {false, 146})
                    .ok);
    EXPECT_NE(readFile(dir / "n.pd").find("<ssid>CorvanWifiRouter</ssid>"), std::string::npos);
    // Zero bytes of a UTF-16 text are its units' halves; without a byte order mark it fails.
    EXPECT_TRUE(reads(utf16(pugi::as_wide(classic))));
    EXPECT_EQ(
        checkMissionPlan(utf16(pugi::as_wide(classic)).substr(2), {}).reason.text,
        "UTF-16 without a byte order mark: a document in UTF-16 or UTF-32 must begin with one");
}

// Texts a write is handed that no document can hold are refused before anything is
// written: the C++ functions throw, naming the text and the place, the exported ones
// return false. Every text is checked, each here with another kind of character.
TEST_F(Hardening, WritesRefuseTextsThatXmlDoesNotAllow) {
    writeFile(dir / "w.fl", "");
    writeFile(dir / "w.ee", "");
    const std::pair<std::wstring PlanTexts::*, const char*> fields[] = {
        {&PlanTexts::name, "name"},
        {&PlanTexts::description, "description"},
        {&PlanTexts::notes, "notes"},
        {&PlanTexts::author, "author"},
        {&PlanTexts::locale, "locale"},
        {&PlanTexts::pin, "pin"},
        {&PlanTexts::aacVersion, "AAC version"}};
    const wchar_t bad[] = {1, 0xFFFE, 0xD800, 0x110000};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        PlanTexts texts{L"ok", L"", L"", L"", L"", L"", L""};
        texts.*fields[i].first = std::wstring(L"ab") + bad[i % 4];
        try {
            (void)writeHandheldMissionPlan(dir / "w", texts, 146);
            ADD_FAILURE() << "no TextError for " << fields[i].second;
        } catch (const TextError& e) {
            EXPECT_EQ(std::pair(e.text(), e.position()),
                      std::pair(std::string(fields[i].second), std::size_t{2}));
        }
    }
    for (wchar_t c : bad) {
        const CString text(std::wstring(L"ab") + c), none(L"");
        const CString base(fromUtf8((dir / "w").string()));
        EXPECT_FALSE(QMRadioWrite(base, none, none, text, none, none, none, none, 146));
        EXPECT_FALSE(TarinRadioWrite(base, text, none, none, none, none, none, none, 2));
        EXPECT_FALSE(TarinMobileRadioWrite(base, none, none, none, text, none, 7));
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "w.xml"));
    EXPECT_EQ(findNonXmlCharacter(L"\t\n\r \U0010FFFD"), std::wstring_view::npos);
}

// A document made mostly of one long plan text reads within about twice its size: the
// text is cut to its field before it is widened.
TEST_F(Hardening, LongTextsAreCutBeforeTheyAreWidened) {
    const std::size_t size = 48u << 20;
    const auto file = dir / "long.xml";
    writeFile(file, planDocument(0, std::string(size, 'x')));
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const int status = inChild([&] {
        rusage before{}, after{};
        getrusage(RUSAGE_SELF, &before);
        const bool ok = unpackMissionPlanFile(file, dir / "long", {}).ok;
        getrusage(RUSAGE_SELF, &after);
        const long grown = (after.ru_maxrss - before.ru_maxrss) * 1024L;
        return ::write(pipeEnds[1], &grown, sizeof grown) == sizeof grown && ok ? 0 : 1;
    });
    long grown = 0;
    ASSERT_EQ(::read(pipeEnds[0], &grown, sizeof grown), static_cast<ssize_t>(sizeof grown));
    ::close(pipeEnds[0]), ::close(pipeEnds[1]);
    EXPECT_EQ(status, 0);
    EXPECT_LT(grown, static_cast<long>(2 * size))
        << "peak memory grew by " << (grown >> 20) << " MiB for a " << (size >> 20) << " MiB text";
    EXPECT_NE(readFile(dir / "long.pd").size(), 0u);
}

}  // namespace
}  // namespace tarin
