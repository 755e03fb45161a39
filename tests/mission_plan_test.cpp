// Mission plan documents: the writer's frame and plan info, the reader's texts, images and
// failures, and the exported entry points that write and parse them.

#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "Samples.h"
#include "TarinTranslator/api/Exports.h"
#include "TarinTranslator/api/TarinTranslator.h"
#include "TarinTranslator/host/Services.h"
#include "TarinTranslator/mission_plan/Base64.h"
#include "TarinTranslator/mission_plan/MissionPlanDocument.h"
#include "TestSupport.h"

namespace tarin {
namespace {

using test::crlf;
using test::readFile;
using test::TempDir;
using test::writeFile;
using test::written;

TEST(MissionPlanWriter, PlanInfo) {
    PlanTextFields texts;
    setFixed(texts.domain, L"only domain");
    EXPECT_EQ(written([&](std::wostream& os) { writePlanInfo(os, texts); }), L"");

    texts = PlanTextFields{};
    setFixed(texts.name, L"A&B");
    setFixed(texts.locale, L"en");
    EXPECT_EQ(written([&](std::wostream& os) { writePlanInfo(os, texts); }),
              L"  <vexInfo>\n  <planInfo\n       name='A&amp;B'\n       locale='en' />\n\t\t\t\t  "
              L"</vexInfo>\n");
    setFixed(texts.domain, L"TACCOM_RADIO01");
    EXPECT_EQ(written([&](std::wostream& os) { writePlanInfo(os, texts); }).substr(0, 46),
              L"  <vexInfo\n        domain='TACCOM_RADIO01'>\n  ");
    EXPECT_EQ(
        written([&](std::wostream& os) { writePlanInfo(os, texts); }, 0, false),
        L"Plan info:\n  Name:         A&B\n  Description:  \n  Notes:        \n  Author:       \n"
        L"  Locale:       en\n  Pin:          \n");
}

TEST(MissionPlanWriter, DocumentFrameBlobsAndSummary) {
    EXPECT_EQ(dateStamp(1767323045), L"2026-01-02T03:04:05Z");

    MissionPlan plan;
    plan.Platform.radioType = 0;
    plan.Platform.eeData = {};
    plan.Platform.flData = {0xFF};
    std::wstring xml = written([&](std::wostream& os) { writeMissionPlan(os, plan); });
    EXPECT_EQ(
        xml.rfind(L"<?xml version='1.0' encoding='utf-8'?>\n\t\t\t  <missionPlan "
                  L"xsi:noNamespaceSchemaLocation='MissionLoadV4Schema.xsd' \n\t\t\t  xmlns:xsi='"
                  L"http://www.w3.org/2001/XMLSchema-instance'>\n<qd470PMissionLoad>\n<versionInfo "
                  L"version='v4.000' date='",
                  0),
        0u);
    EXPECT_NE(xml.find(L"Z'  AACversion = '' />\n<platformConfig>\n"), std::wstring::npos);
    EXPECT_NE(xml.find(L"</platformConfig>\n<ecpWaveformConfig>\n<ee-data></ee-data>\n<fl-data>/"
                       L"w==</fl-data>\n"
                       L"</ecpWaveformConfig>\n</qd470PMissionLoad>\n</missionPlan>\n"),
              std::wstring::npos);

    plan.Platform.radioType = 146;
    EXPECT_NE(written([&](std::wostream& os) {
                  writeMissionPlan(os, plan);
              }).find(L"</MissionLoad>\n</missionPlan>"),
              std::wstring::npos);
    EXPECT_NE(written([&](std::wostream& os) { writeMissionPlan(os, plan); }, 0, false)
                  .find(L"\nMissionPlan.EE Data: \nMissionPlan.FL Data: ff\n\n"),
              std::wstring::npos);

    MobileMissionPlan mobile;
    mobile.MobilePlatform.eeData = {0x0A, 0xFF};
    std::wstring m = written([&](std::wostream& os) { writeMobileMissionPlan(os, mobile); });
    EXPECT_NE(m.find(L"'MobilMissionLoadV4Schema.xsd'"), std::wstring::npos);
    EXPECT_NE(m.find(L"<MissionLoadQD470M>\n<versionInfo version='v4.000' date='"),
              std::wstring::npos);
    EXPECT_NE(m.find(L"Z' />\n<platformConfig>"), std::wstring::npos);

    std::wstring summary =
        written([&](std::wostream& os) { writeMobileMissionPlan(os, mobile); }, 0, false);
    EXPECT_NE(summary.find(L"\nMobileMissionPlan.EE Data: 0a ff\nMobileMissionPlan.FL Data: \n\n"),
              std::wstring::npos);
    EXPECT_EQ(summary.find(L"<"), std::wstring::npos);
}

// A mobile document around the mobile defaults, with the given pieces.
std::string mobileDocument(
    const std::string& info =
        "<vexInfo domain='d'><planInfo name='n' notes='a  b\r\n c'/></vexInfo>",
    const std::string& version = "<versionInfo version='v4.000'/>",
    const std::string& flData = "AH//") {
    return "<missionPlan>" + info + "<MissionLoadQD470M>" + version + toUtf8(mobileDefaults()) +
           "<ecpWaveformConfig><ee-data/><fl-data>" + flData +
           "</fl-data></ecpWaveformConfig></MissionLoadQD470M></missionPlan>";
}

bool readMobile(std::string text, MobileMissionPlan& plan) {
    return readMobileMissionPlan(text.data(), text.size(), plan);
}

// Captures standard output and standard error while alive.
struct CapturedStreams {
    CapturedStreams() { testing::internal::CaptureStdout(), testing::internal::CaptureStderr(); }
    std::pair<std::string, std::string> take() {
        std::string out = testing::internal::GetCapturedStdout();
        return {out, testing::internal::GetCapturedStderr()};
    }
};

TEST(MissionPlanReader, ReadsTextsImagesAndNormalisesAttributes) {
    MobileMissionPlan plan;
    ASSERT_TRUE(readMobile(mobileDocument(), plan));
    EXPECT_EQ(std::wstring(plan.domain), L"d");
    EXPECT_EQ(std::wstring(plan.name), L"n");
    EXPECT_EQ(std::wstring(plan.notes), L"a b c");
    EXPECT_EQ(plan.MobilePlatform.flData, (ByteVector{0x00, 0x7F, 0xFF}));
    EXPECT_TRUE(plan.MobilePlatform.eeData.empty());
    EXPECT_EQ(plan.MobilePlatform.bluetoothConfig.friendlyName, L"MY RADIO");

    ASSERT_TRUE(readMobile(
        mobileDocument("<vexInfo><planInfo name='" + std::string(100, 'x') + "'/></vexInfo>"),
        plan));
    EXPECT_EQ(std::wstring(plan.name), std::wstring(80, L'x'));
    EXPECT_EQ(std::wstring(plan.domain), L"") << "every read starts from an empty plan";
    // A plan without texts is written without vexInfo and reads back with empty texts.
    ASSERT_TRUE(readMobile(mobileDocument("<other/>"), plan));
    EXPECT_EQ(std::wstring(plan.name), L"");
}

// The text is UTF-8 whatever the declaration says, or UTF-16 behind its byte order mark.
TEST(MissionPlanReader, TextIsUtf8UnlessAByteOrderMarkSaysOtherwise) {
    const std::string document =
        mobileDocument("<vexInfo><planInfo name='Jos\xC3\xA9'/></vexInfo>");
    for (const std::string& text : {"<?xml version='1.0' encoding='ISO-8859-1'?>" + document,
                                    "\xEF\xBB\xBF" + document, test::utf16(fromUtf8(document))}) {
        MobileMissionPlan plan;
        ASSERT_TRUE(readMobile(text, plan));
        EXPECT_EQ(std::wstring(plan.name), L"Jos\u00e9");
    }
}

// What a read gives and what it puts out: failures on standard output, a version that is
// not ours on standard error (null: not examined).
TEST(MissionPlanReader, FailuresAndTheirMessages) {
    const std::string planInfo = "<vexInfo><planInfo/></vexInfo>",
                      v4 = "<versionInfo version='v4.000'/>";
    const std::string noEe = test::replaced(mobileDocument(), "<ee-data/>", "");
    const struct {
        std::string text;
        bool reads;
        const char *out, *err;
    } cases[] = {
        {"", false, "", nullptr},
        {"<missionPlan><vexInfo>", false, "", nullptr},
        {"<otherPlan><vexInfo><planInfo/></vexInfo></otherPlan>", false,
         "`anonymous-namespace'::ParseMissionFillInfo: Can't find planInfo\n", nullptr},
        {mobileDocument("<other/>"), true, "", nullptr},
        {mobileDocument("<vexInfo/>"), false, nullptr, nullptr},
        {mobileDocument(planInfo, "<versionInfo/>"), false, nullptr, nullptr},
        {mobileDocument(planInfo, "<versionInfo version='v4.001'/>"), true, nullptr,
         "Warning: mission load version mismatch!\n   Expected: v4.000\n   Found:    v4.001\n"},
        {mobileDocument(planInfo, v4, "AAAA\nAAAA"), false,
         "`anonymous-namespace'::ParseBlobData: Error while parsing BLOB\n", nullptr},
        {noEe, false, "`anonymous-namespace'::ParseBlobData: No parent node for BLOB data!\n",
         nullptr},
    };
    for (const auto& c : cases) {
        MobileMissionPlan plan;
        CapturedStreams io;
        EXPECT_EQ(readMobile(c.text, plan), c.reads) << c.text;
        const auto [out, err] = io.take();
        EXPECT_EQ(out, c.out ? c.out : out) << c.text;
        EXPECT_EQ(err, c.err ? c.err : err) << c.text;
    }
}

// ---- entry points ----------------------------------------------------------------------

class EntryPoints : public testing::Test {
  protected:
    void SetUp() override {
        writeFile(dir / "r.fl", std::string("\xFF", 1));
        writeFile(dir / "r.ee", "");
    }
    CString base() const { return CString(fromUtf8((dir / "r").string())); }
    std::string xml() const { return readFile(dir / "r.xml"); }
    TempDir dir;
};

TEST_F(EntryPoints, ClassicWriteTextsDomainAndImages) {
    ASSERT_TRUE(TarinRadioWrite(base(), L"n", L"", std::wstring(300, L'x').c_str(), L"Jos\u00e9",
                                L"", L"", L"1234567890", 2));
    std::string doc = xml();
    EXPECT_NE(doc.find("domain='TACCOM_RADIO01'"), std::string::npos);
    EXPECT_NE(doc.find("notes='" + std::string(256, 'x') + "'"), std::string::npos);
    EXPECT_EQ(doc.find(std::string(257, 'x')), std::string::npos);
    EXPECT_NE(doc.find("AACversion = '123456' />"), std::string::npos);
    EXPECT_NE(doc.find("author='Jos\xC3\xA9'"), std::string::npos);
    EXPECT_NE(doc.find("<qd470PMissionLoad>\r\n"), std::string::npos);
    EXPECT_NE(doc.find("<ee-data></ee-data>\r\n<fl-data>/w==</fl-data>\r\n"), std::string::npos);
    for (std::size_t i = doc.find('\n'); i != std::string::npos; i = doc.find('\n', i + 1))
        ASSERT_EQ(doc[i - 1], '\r') << "every line ends in CR LF";
    EXPECT_NE(doc.substr(0, 3), "\xEF\xBB\xBF");

    ASSERT_TRUE(TarinRadioWrite(base(), L"n", L"", L"", L"", L"", L"", L"", 1));
    EXPECT_EQ(xml().find("domain="), std::string::npos);
}

TEST_F(EntryPoints, UnreadableImageLeavesThePreviousDocument) {
    ASSERT_TRUE(TarinRadioWrite(base(), L"first", L"", L"", L"", L"", L"", L"", 0));
    std::string before = xml();
    std::filesystem::remove(dir / "r.ee");
    try {
        (void)TarinRadioWrite(base(), L"second", L"", L"", L"", L"", L"", L"", 0);
        ADD_FAILURE() << "a missing image must raise";
    } catch (const FileError& e) {
        EXPECT_EQ(e.file(), dir / "r.ee");
    }
    EXPECT_EQ(xml(), before);
}

// A mobile plan of an extended radio type has no friendly name and parses in a fresh thread,
// with nothing left over from the write (the radio type is the thread's own); one of code 0 holds
// the mobile defaults and unpacks into the temporary directory.
TEST_F(EntryPoints, MobileRoundTripsAndTheTemporaryDirectory) {
    writeFile(dir / "r.fl", std::string("\x00\x7F\xFF", 3));
    ASSERT_TRUE(TarinMobileRadioWrite(base(), L"mobile", L"", L"", L"", L"", 151));
    const std::wstring text = fromUtf8(xml());
    EXPECT_EQ(text.find(L"friendlyName"), std::wstring::npos);
    int32_t result = -1;
    uint32_t seen = 99;
    currentRadioType() = 151;
    std::thread([&] {
        seen = currentRadioType();
        result = ParseMissionPlanData(text, CString(base().str() + L"-out"), true, 151);
    }).join();
    EXPECT_EQ(std::pair(seen, currentRadioType()), std::pair(0u, 151u));
    ASSERT_EQ(result, 1);
    EXPECT_EQ(std::pair(readFile(dir / "r-out.fl"), readFile(dir / "r-out.ee")),
              std::pair(std::string("\x00\x7F\xFF", 3), std::string()));
    EXPECT_EQ(readFile(dir / "r-out.pd").find("friendlyName"), std::string::npos);

    ASSERT_TRUE(TarinMobileRadioWrite(base(), L"mobile", L"", L"", L"", L"", 0));
    EXPECT_NE(xml().find(crlf(mobileDefaults())), std::string::npos);
    const std::string name = "tarin-temp-" + std::to_string(::getpid());
    ASSERT_EQ(ParseTarinData(fromUtf8(xml()), fromUtf8(name).c_str(), true, 0, true), 1);
    for (const char* suffix : {".fl", ".ee", ".pd"}) {
        const std::filesystem::path file = std::filesystem::path(tempDirectory()) / (name + suffix);
        EXPECT_TRUE(std::filesystem::exists(file)) << file;
        std::filesystem::remove(file);
    }
}

TEST_F(EntryPoints, DefaultsTextsAreThoseOfTheLibrary) {
    CString classic, vr, mobile;
    GetPlatformDataDefaultsCStr(classic);
    GetPlatformDataDefaultsString(vr, 151);
    GetMobilePlatformDataDefaultsCStr(mobile);
    EXPECT_EQ(classic.str(), handheldDefaults(0));
    EXPECT_EQ(vr.str(), handheldDefaults(151));
    EXPECT_EQ(mobile.str(), mobileDefaults());
}

// A global locale that groups digits in threes, as many host locales do.
struct GroupingGlobalLocale {
    struct Grouping : std::numpunct<wchar_t> {
        wchar_t do_thousands_sep() const override { return L','; }
        std::string do_grouping() const override { return "\3"; }
    };
    GroupingGlobalLocale()
        : previous(std::locale::global(std::locale(std::locale::classic(), new Grouping))) {}
    ~GroupingGlobalLocale() { std::locale::global(previous); }
    std::locale previous;
};

TEST_F(EntryPoints, NumbersAreNotGroupedWhateverTheGlobalLocale) {
    const std::wstring expected = handheldDefaults(146);
    std::wstring grouped, probe;
    {
        GroupingGlobalLocale host;
        std::wostringstream os;
        os << 65535;
        probe = os.str();
        grouped = handheldDefaults(146);
        ASSERT_TRUE(QMRadioWrite(base(), L"n", L"", L"", L"", L"", L"", L"", 146));
    }
    ASSERT_EQ(probe, L"65,535") << "the host locale groups digits";
    EXPECT_EQ(grouped, expected);
    EXPECT_NE(xml().find(crlf(expected)), std::string::npos);
}

// ---- wide documents ---------------------------------------------------------------------

// BLOB texts: clean ones, and a long one with a character outside the alphabet at each kind
// of place in a vector block (first, inside, last, first of the next, in the tail).
std::vector<std::wstring> blobTexts() {
    // clang-format off
    std::vector<std::wstring> texts = {L"", L"AQ==", L"AQI=", L"AQ==AAAA", L"=", L"A", L"AQ==\n",
        L"AQ\nID", L"AQ\r\nID", L"AQ ID", L"AQ!D", L"AQ\u00e9D", L"AQ\U0001F600D",
        std::wstring(L"AQ\0ID", 5), L"AQ&#65;D", L"AQ<!-- c -->ID", L"AQ<![CDATA[ID]]>",
        L"<![CDATA[AQID]]>", L"AQ<?p?>ID", L"AQ<x/>ID"};
    // clang-format on
    std::string encoded(base64Length(300), '\0');
    std::vector<uint8_t> bytes(300);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7);
    base64Encode(bytes.data(), bytes.size(), encoded.data());
    const std::wstring good = fromUtf8(encoded);
    texts.push_back(good);
    for (std::size_t at : {0, 15, 16, 31, 32, 63, 64, 130, 399})
        for (wchar_t c : {L'!', L' ', L'=', wchar_t(0x141), wchar_t(0x1F600), wchar_t(0x80000041)})
            texts.push_back(good.substr(0, at) + c + good.substr(at + 1));
    return texts;
}

// The parse entry points on wide text give what unpacking its UTF-8 text gives: result,
// messages of every kind, and the files written, byte for byte.
void expectAsUtf8(const std::wstring& wide, const std::string& what, bool unwritable = false) {
    TempDir dir;
    const std::filesystem::path base = dir / (unwritable ? "missing/p" : "p");
    const CString host(fromUtf8(base.string()));
    const auto outcome = [&](const std::function<int32_t()>& parse) {
        std::vector<std::pair<MessageKind, std::wstring>> seen;
        const MessageSink previous = setMessageSink([&](MessageKind kind, const std::wstring& m) {
            seen.push_back({kind, m});
        });
        const int32_t result = parse();
        setMessageSink(previous);
        std::string files;
        for (const char* suffix : {".fl", ".ee", ".pd"}) {
            const std::filesystem::path file = base.string() + suffix;
            files += std::filesystem::exists(file) ? readFile(file) + "|" : "none|";
            std::filesystem::remove(file);
        }
        return std::tuple(result, seen, files);
    };
    for (const ReadAs& as :
         {ReadAs{false, {}}, ReadAs{false, 146}, ReadAs{false, 151}, ReadAs{true, {}}}) {
        const auto viaWide = outcome([&] {
            return as.radioType ? ParseMissionPlanData(wide, host, false, *as.radioType)
                                : ParseTarinData(wide, host, as.mobile, 0, false);
        });
        const auto viaUtf8 = outcome([&] {
            return int32_t(as.mobile ? unpackMobileMissionPlan(toUtf8(wide), base, false)
                                     : unpackHandheldMissionPlan(toUtf8(wide), base, as.radioType));
        });
        EXPECT_EQ(viaWide, viaUtf8) << what << " as " << as.mobile << as.radioType.value_or(0);
    }
}

TEST(WideDocuments, ReadAsTheirUtf8Text) {
    for (const auto& entry : std::filesystem::directory_iterator(TARIN_REGRESSIONS_DIR))
        if (entry.is_regular_file())
            expectAsUtf8(fromUtf8(readFile(entry.path())), entry.path().string());
    const std::string classic = test::planDocument(0), hazard = test::planDocument(146);
    const std::string blob = "<fl-data>AQID</fl-data>";
    const std::wstring wide = fromUtf8(classic);
    for (const std::wstring& text : blobTexts())
        expectAsUtf8(std::wstring(wide).replace(wide.find(L"AQID"), 4, text), toUtf8(text));
    std::vector<std::string> documents = {
        hazard,
        test::planDocument(151),
        test::mobilePlanDocument(),
        test::mobilePlanDocument(151),
        test::planDocument(0, "\xF0\x9F\x98\x80"),
        classic + "x",
        test::replaced(classic, "v4.000", "v4.001"),
        test::replaced(classic, blob, "<!--\xF0\x9F\x98\x80-->" + blob + "\xF0\x9F\x98\x80"),
        test::replaced(classic, blob, "<!-- <fl-data>AAAA</fl-data> -->" + blob),
        test::replaced(classic, blob, "<fl-data>AAAA</fl-data>" + blob),
        test::replaced(classic, blob, test::repeated(blob, 20000)),
        test::replaced(classic, blob, "<fl-data>AQID</fl-data >"),
        test::replaced(classic, blob, "<fl-data a='1'>AQID</fl-data>"),
        test::replaced(classic, blob, "<fl-data>AQID</ee-data>"),
        test::replaced(classic, "<ee-data></ee-data>",
                       "<ee-data><fl-data>AQID</fl-data></ee-data>"),
        test::planDocument(0, "<fl-data>AAAA</fl-data>"),
        test::replaced(hazard, "CorvanWifiRouter", "<![CDATA[<fl-data>AAAA</fl-data>]]>")};
    for (uint32_t code : {0u, 146u, 151u}) {
        MissionPlan plan;
        plan.planRadioType = code;
        plan.Platform = test::sampleRecord(code);
        plan.Platform.flData = {1, 2, 3, 4, 5};
        documents.push_back(test::documentOf(plan));
    }
    for (const std::string& document : documents) expectAsUtf8(fromUtf8(document), document);
    expectAsUtf8(fromUtf8(classic), "a base in a missing directory", true);
    // Units that are no characters: a surrogate, one beyond U+10FFFF, U+FFFE, NUL.
    for (wchar_t c : {wchar_t(0xD800), wchar_t(0x110000), wchar_t(0xFFFE), wchar_t(0)})
        for (const wchar_t* near : {L"AQID", L"</fl-data>", L"name='Plan'"})
            expectAsUtf8(std::wstring(wide).insert(wide.find(near), 1, c), toUtf8(near));
}

}  // namespace
}  // namespace tarin
