// Whole documents: the platformConfig text of each radio type group, the summary
// headings, and write-then-parse round trips through the entry points.

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "TarinTranslator/api/Exports.h"
#include "TarinTranslator/api/TarinTranslator.h"
#include "TarinTranslator/platform_xml/Sections.h"
#include "TestSupport.h"

namespace tarin {
namespace {

using test::crlf;
using test::readFile;
using test::TempDir;
using test::writeFile;

// The names of the direct children of platformConfig, in document order.
std::vector<std::string> sectionsOf(const std::wstring& text) {
    pugi::xml_document doc;
    EXPECT_TRUE(test::load(doc, text));
    std::vector<std::string> names;
    for (pugi::xml_node child : doc.child("platformConfig").children())
        names.push_back(child.name());
    return names;
}

// Every code of a group has the same defaults, pinned byte for byte.
TEST(Documents, DefaultsAreExactToTheByte) {
    const std::pair<const char*, std::vector<uint32_t>> groups[] = {
        {"classic_defaults.txt", {0, 7, 145, 274}},
        {"hazard_defaults.txt", {146, 199, 265}},
        {"vr_mobile_defaults.txt", {151, 153, 272, 273}},
    };
    for (const auto& [file, codes] : groups) {
        std::string expected = readFile(std::string(TARIN_TEST_DATA_DIR) + "/" + file);
        ASSERT_FALSE(expected.empty()) << file;
        for (uint32_t code : codes) EXPECT_EQ(toUtf8(handheldDefaults(code)), expected) << code;
    }
    EXPECT_EQ(handheldDefaults(), handheldDefaults(0));
}

TEST(Documents, SectionsAndTheirOrderFollowTheRadioTypeGroup) {
    using V = std::vector<std::string>;
    EXPECT_EQ(sectionsOf(handheldDefaults(0)),
              (V{"progButtons", "accessoryConfig", "manDownConfig", "shortMenu", "gpsConfig",
                 "audioConfig", "bluetoothConfig", "miscConfig", "TimeDateCfg"}));
    EXPECT_EQ(sectionsOf(handheldDefaults(146)), (V{"accessoryConfig", "manDownConfig",
                                                    "progSwitches",    "statusIcons",
                                                    "networkConfig",   "menuConfig",
                                                    "gpsConfig",       "audioConfig",
                                                    "AliasList",       "bluetoothConfig",
                                                    "miscConfig",      "TimeDateCfg",
                                                    "PINConfig",       "PowerUpOptions",
                                                    "progBtns",        "DNP3Cfg",
                                                    "SerTnlCfg",       "KeystoreConfig",
                                                    "ECiTCfg",         "hazardConfig",
                                                    "selfCheckConfig", "ICS",
                                                    "logEventsConfig", "SystemConfig",
                                                    "overrides"}));
    EXPECT_EQ(
        sectionsOf(handheldDefaults(151)),
        (V{"statusIcons",    "networkConfig",   "menuConfig",      "gpsConfig",   "audioConfig",
           "AliasList",      "bluetoothConfig", "miscConfig",      "TimeDateCfg", "PINConfig",
           "PowerUpOptions", "progBtns",        "eioOutputCfg",    "DNP3Cfg",     "SerTnlCfg",
           "KeystoreConfig", "ECiTCfg",         "selfCheckConfig", "ICS",         "logEventsConfig",
           "SystemConfig",   "overrides",       "VRMobileConfig"}));
}

TEST(Documents, SummaryHasEveryHeadingWhateverTheCode) {
    for (uint32_t code : {0u, 146u, 151u}) {
        HandheldPlatform p;
        p.radioType = code;
        std::wstring summary =
            test::written([&](std::wostream& os) { writePlatformConfig(os, p); }, code, false);
        std::size_t at = 0;
        for (const wchar_t* heading : {L"{\n Buttons: ",       L"\n Radio Lock List:",
                                       L"\n ThreePosSwitch: ", L"\n TwoPosSwitch: ",
                                       L"\n Accessory: ",      L"\n AccessoryButtons: ",
                                       L"\n ManDown: ",        L"\n GPS: ",
                                       L"\n Audio: ",          L"\n AliasList: ",
                                       L"\n Bluetooth: ",      L"\n Misc: ",
                                       L"\n TimeDate: ",       L"\n PINConfig: ",
                                       L"\n PowerUpOptions: ", L"\n networkConfig: ",
                                       L"\n statusIconsTop: ", L"\n statusIconsFront: ",
                                       L"\n progBtns: ",       L"\n progSwitches: ",
                                       L"\n menuConfig: "}) {
            at = summary.find(heading, at);
            ASSERT_NE(at, std::wstring::npos) << code << " lacks " << toUtf8(heading);
        }
        EXPECT_EQ(summary.substr(summary.size() - 2), L"\n}");
        EXPECT_EQ(summary.find(L"<"), std::wstring::npos);
    }
}

class RoundTrip : public testing::Test {
  protected:
    void SetUp() override {
        writeFile(dir / "r.fl", std::string("\x00\x01\xFE\xFF", 4));
        writeFile(dir / "r.ee", std::string(1000, '\x5A'));
    }
    CString base(const char* name = "r") const { return CString(fromUtf8((dir / name).string())); }
    std::wstring document() const { return fromUtf8(readFile(dir / "r.xml")); }
    TempDir dir;
};

// The defaults text as a parse writes it back: CR LF, and the EMERGENCY button's delay
// read as "0.0".
std::string expectedPlatformFile(uint32_t code) {
    std::string text = crlf(handheldDefaults(code));
    return std::regex_replace(
        text, std::regex("(buttonName='EMERGENCY'\r\n[^\r]*\r\n\\s*delay=)''"), "$1'0.0'");
}

TEST_F(RoundTrip, ClassicPlansReadBackToTheirDefaults) {
    ASSERT_TRUE(
        TarinRadioWrite(base(), L"Plan \u00e9", L"d", L"n", L"a", L"en", L"1234", L"1.2", 2));
    ASSERT_EQ(ParseTarinData(document(), base("out"), false, 0, false), 1);
    EXPECT_EQ(readFile(dir / "out.pd"), expectedPlatformFile(0));
    EXPECT_EQ(readFile(dir / "out.fl"), readFile(dir / "r.fl"));
    EXPECT_EQ(readFile(dir / "out.ee"), readFile(dir / "r.ee"));

    ASSERT_TRUE(TarinRadioWrite(base(), L"", L"", L"", L"", L"", L"", L"", 0));
    EXPECT_EQ(document().find(L"vexInfo"), std::wstring::npos);
    ASSERT_EQ(ParseTarinData(document(), base("empty"), false, 0, false), 1)
        << "a plan without texts reads back";
    EXPECT_EQ(readFile(dir / "empty.pd"), expectedPlatformFile(0));

    ASSERT_TRUE(QMRadioWrite(base(), L"Plan", L"", L"", L"", L"", L"", L"", 7));
    ASSERT_EQ(ParseMissionPlanData(document(), base("out7"), false, 7), 1);
    EXPECT_EQ(readFile(dir / "out7.pd"), expectedPlatformFile(7));
    EXPECT_EQ(ParseMissionPlanData(document(), base("out7"), false, 146), 0)
        << "a classic document is not an extended one";
}

// Extended plans read back to their defaults, through the entry points and the tool.
TEST_F(RoundTrip, ExtendedPlansReadBackToTheirDefaults) {
    for (uint32_t code : {146u, 199u, 265u, 151u, 153u, 272u, 273u}) {
        SCOPED_TRACE(code);
        ASSERT_TRUE(QMRadioWrite(base(), L"Plan", L"", L"", L"", L"", L"", L"", code));
        ASSERT_EQ(ParseMissionPlanData(document(), base("x"), false, code), 1);
        EXPECT_EQ(readFile(dir / "x.pd"), crlf(handheldDefaults(code)));
        EXPECT_EQ(readFile(dir / "x.fl"), readFile(dir / "r.fl"));
        EXPECT_EQ(ParseMissionPlanData(document(), base("x"), false, 0), 0)
            << "an extended document is not a classic one";
    }
    const std::string b = (dir / "t").string();
    writeFile(dir / "t.fl", "\x01");
    writeFile(dir / "t.ee", "");
    const std::string tool = TARIN_TOOL_PATH;
    ASSERT_EQ(std::system((tool + " write " + b + " --radio-type 272 --name N").c_str()), 0);
    ASSERT_EQ(std::system((tool + " parse " + b + ".xml " + b + "-out --radio-type 272").c_str()),
              0);
    EXPECT_EQ(readFile(dir / "t-out.pd"), crlf(handheldDefaults(272)));
}

TEST_F(RoundTrip, ParsedPlanEqualsTheWrittenOne) {
    MissionPlan plan;
    plan.planRadioType = plan.Platform.radioType = 0;
    applyHandheldDefaults(plan);
    setFixed(plan.name, L"<Plan> & 'Co' \"x\" \u4e2d");
    setFixed(plan.Platform.AACversion, L"v1&2");
    plan.Platform.flData = {1, 2, 3, 4, 5};
    std::wostringstream os;
    {
        XmlModeScope xml(os);
        writeMissionPlan(os, plan);
    }
    std::string text = pugi::as_utf8(os.str());
    MissionPlan back;
    back.planRadioType = 0;
    ASSERT_TRUE(readMissionPlan(text.data(), text.size(), back));
    EXPECT_EQ(std::wstring(back.name), std::wstring(plan.name));
    EXPECT_EQ(std::wstring(back.Platform.AACversion), L"v1&2");
    // What reads back differently by design: the EMERGENCY button's delay, and the ALC
    // level and maximum gain, which a classic read gives every microphone it stores.
    plan.Platform.progButtons[4].delay = L"0.0";
    for (int mic : {kMicInternal, kMicExternal}) {
        plan.Platform.audioConfig.microphones[mic].alcLevel = 0;
        plan.Platform.audioConfig.microphones[mic].alcMaxGain = 6;
    }
    EXPECT_TRUE(back.Platform == plan.Platform);
}

TEST_F(RoundTrip, TruncatedAndMangledHandheldDocumentsEndCleanly) {
    ASSERT_TRUE(TarinRadioWrite(base(), L"Plan", L"", L"", L"", L"", L"", L"", 0));
    const std::string text = readFile(dir / "r.xml");
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    MissionPlan plan;
    for (std::size_t cut = 0; cut < text.size(); cut += 13) {
        std::string part = text.substr(0, cut);
        plan.planRadioType = 0;
        EXPECT_FALSE(readMissionPlan(part.data(), part.size(), plan)) << cut;
    }
    for (uint32_t code : {0u, 146u, 151u}) {
        for (std::size_t at = 0; at < text.size(); at += 3) {
            std::string mangled = text;
            mangled[at] =
                "<>'\"&=/ \x01\xFF"
                "0"[at % 11];
            plan.planRadioType = code;
            readMissionPlan(mangled.data(), mangled.size(), plan);  // true or false, nothing else
        }
    }
    testing::internal::GetCapturedStderr();
    testing::internal::GetCapturedStdout();
}

}  // namespace
}  // namespace tarin
