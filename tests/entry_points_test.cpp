#include <gtest/gtest.h>

#include <thread>

#include "TarinTranslator/api/Exports.h"
#include "TarinTranslator/api/TarinTranslator.h"
#include "TarinTranslator/host/Services.h"
#include "TestSupport.h"

namespace tarin {
namespace {

using test::crlf;
using test::Messages;
using test::readFile;
using test::TempDir;
using test::writeFile;

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
        TarinRadioWrite(base(), L"second", L"", L"", L"", L"", L"", L"", 0);
        ADD_FAILURE() << "a missing image must raise";
    } catch (const FileError& e) {
        EXPECT_EQ(e.file(), dir / "r.ee");
    }
    EXPECT_EQ(xml(), before);
}

TEST_F(EntryPoints, ParseFailureShowsTheMessageAndWritesNothing) {
    Messages messages;
    EXPECT_EQ(ParseTarinData(L"", base(), false, 0, false), 0);
    EXPECT_EQ(ParseTarinData(L"<missionPlan/>", base(), true, 0, false), 0);
    ASSERT_EQ(messages.seen.size(), 2u);
    EXPECT_EQ(messages.seen[0], L"Unable to Parse VEX data from xml.");
    EXPECT_FALSE(std::filesystem::exists(dir / "r.pd"));
}

TEST_F(EntryPoints, MobileRoundTripWithAnExtendedRadioType) {
    writeFile(dir / "r.fl", std::string("\x00\x7F\xFF", 3));
    ASSERT_TRUE(TarinMobileRadioWrite(base(), L"mobile", L"", L"", L"", L"", 151));
    std::wstring text = fromUtf8(xml());
    EXPECT_EQ(text.find(L"friendlyName"), std::wstring::npos);

    // A fresh thread: nothing left over from the write.
    int32_t result = -1;
    std::thread([&] {
        result = ParseMissionPlanData(text, CString(base().str() + L"-out"), true, 151);
    }).join();
    ASSERT_EQ(result, 1);
    EXPECT_EQ(readFile(dir / "r-out.fl"), std::string("\x00\x7F\xFF", 3));
    EXPECT_EQ(readFile(dir / "r-out.ee"), "");
    EXPECT_EQ(readFile(dir / "r-out.pd").find("friendlyName"), std::string::npos);
}

TEST_F(EntryPoints, MobileUnpackIntoTheTemporaryDirectory) {
    ASSERT_TRUE(TarinMobileRadioWrite(base(), L"mobile", L"", L"", L"", L"", 0));
    std::wstring text = fromUtf8(xml());
    std::string name = "tarin-temp-" + std::to_string(::getpid());
    ASSERT_EQ(ParseTarinData(text, fromUtf8(name).c_str(), true, 0, true), 1);
    std::filesystem::path tmp = std::filesystem::path(tempDirectory()) / name;
    for (const char* suffix : {".fl", ".ee", ".pd"}) {
        std::filesystem::path file = tmp;
        file += suffix;
        EXPECT_TRUE(std::filesystem::exists(file)) << file;
        std::filesystem::remove(file);
    }
    EXPECT_NE(readFile(dir / "r.xml").find(crlf(mobileDefaults())), std::string::npos);
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

TEST_F(EntryPoints, RadioTypeOfAThreadDoesNotLeakIntoAnother) {
    currentRadioType() = 151;
    uint32_t seen = 99;
    std::thread([&] { seen = currentRadioType(); }).join();
    EXPECT_EQ(seen, 0u);
    EXPECT_EQ(currentRadioType(), 151u);
}

}  // namespace
}  // namespace tarin
