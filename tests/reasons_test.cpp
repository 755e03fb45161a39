// Reads that say why: the reason of each kind of failure and where it points,
// warnings for what a successful read passes over, results that do not depend
// on being asked, messages with their kinds, inspection, and writing from an
// edited platform file.

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "TarinTranslator/api/TarinTranslator.h"
#include "TarinTranslator/mission_plan/MissionPlanDocument.h"
#include "TestSupport.h"

namespace tarin {
namespace {

using test::planDocument;
using test::readFile;
using test::replaced;
using test::TempDir;
using test::writeFile;

// The hazard defaults document with `from` replaced by `to`.
std::string hazardWith(const std::string& from, const std::string& to) {
    return replaced(planDocument(146), from, to);
}

const ReadAs kHazard{false, 146};

// The text at a note's place: its line from its column on.
std::string textAt(const std::string& text, const ReadNote& note) {
    std::istringstream lines(text);
    std::string line;
    for (std::size_t i = 0; i < note.line; ++i) std::getline(lines, line);
    return note.column ? line.substr(note.column - 1) : line;
}

class Quiet : public testing::Test {
    test::Messages quiet;
};

using Reasons = Quiet;

// One fault per document; the reason says what and where.
TEST_F(Reasons, EveryKindOfFailure) {
    const std::string hazard = planDocument(146), classic = planDocument(0);
    std::string keystores = "<KeystoreConfig>";
    for (int i = 0; i < 6; ++i) keystores += "<Keystore name='k'/>";
    struct Case {
        std::string text;
        ReadAs as;
        const char* reason;  // a part of the reason
        const char* at;      // what the document holds at its place
    };
    const Case cases[] = {
        {hazard.substr(0, 2000), kHazard, "not well-formed XML: ", ""},
        {"<other/>", ReadAs{}, "no missionPlan element", "other/>"},
        {hazardWith("<planInfo", "<planInfoX"), kHazard, "no planInfo element", "vexInfo"},
        {hazardWith("version='v4.000'", "x='v4.000'"), kHazard, "versionInfo: no version attribute",
         "versionInfo"},
        {replaced(hazardWith("<platformConfig>", "<platform>"), "</platformConfig>", "</platform>"),
         kHazard, "no platformConfig element", ""},
        {hazardWith("<fl-data>", "<fl-data>AAAA\t"), kHazard,
         "ecpWaveformConfig/fl-data: character 5, '\\t', is not Base64", "\t"},
        {replaced(hazardWith("<ee-data>", "<ee-dat>"), "</ee-data>", "</ee-dat>"), kHazard,
         "no ecpWaveformConfig/ee-data", "MissionLoad"},
        {hazard, ReadAs{}, "holds a plan of an extended radio type (MissionLoad)", "MissionLoad>"},
        {test::mobilePlanDocument(), ReadAs{},
         "holds a mobile plan (MissionLoadQD470M) where a qd470PMissionLoad element "
         "is expected; read it as a mobile plan (--mobile)",
         "MissionLoadQD470M"},
        {classic, {true, 0}, "holds a classic handheld plan", "qd470PMissionLoad"},
        {planDocument(151), kHazard,
         "no accessoryConfig element; it looks like the plan of a VR-mobile radio (radio types "
         "151, 153, 272, 273: --radio-type N)",
         ""},
        {test::mobilePlanDocument(151),
         {true, std::nullopt},
         "; mobile plans written for an extended radio type read with --mobile --radio-type N",
         "bluetoothConfig"},
        {hazardWith("   time='TIME_12_HOUR_FORMAT'\n", ""), kHazard,
         "platformConfig/TimeDateCfg: attribute time is missing", "TimeDateCfg"},
        {hazardWith("zone='EST'", "zone='" + std::string(45, 'e') + "'"), kHazard,
         "TimeDateCfg: attribute zone='eeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeee...' is not "
         "one of its 74 names (tarin-translator(1) lists them under NAMES)",
         "zone="},
        {hazardWith("time='TIME_12_HOUR_FORMAT'", "time='12'"), kHazard,
         "TimeDateCfg: attribute time='12' is not one of its names (TIME_12_HOUR_FORMAT, "
         "TIME_24_HOUR_FORMAT",
         "time="},
        {hazardWith("maxBadPINEntries='5'", "maxBadPINEntries='0'"), kHazard,
         "PINConfig: maxBadPINEntries='0' is outside 1..4294967295", "maxBadPINEntries="},
        {hazardWith("frontFpIntensity='8'", "frontFpIntensity='-1'"), kHazard,
         "frontFpIntensity='-1' is outside 0..10", "frontFpIntensity="},
        {hazardWith("aliasName =''", "aliasName ='\x7F" + std::string(60, 'x') + "'"), kHazard,
         "AliasList: aliasName='\\x7Fxxxxxxxx' is too long (at most 8 characters)", "aliasName ="},
        {hazardWith("<KeystoreConfig>", keystores), kHazard,
         "KeystoreConfig: 6 Keystore entries, more than 5", "KeystoreConfig>"},
        {hazardWith("<SystemConfig>", "<SystemConfig><OptBtn sysindex='513'/>"), kHazard,
         "SystemConfig/OptBtn: attribute sysindex='513' is outside -1..512", "sysindex="},
        {replaced(classic, "action='MD_EMERGENCY_CALL'", "action='MD_ALARM'"), ReadAs{},
         "manDownConfig: action='MD_ALARM' is not MD_EMERGENCY_CALL", "action="},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        const ReadResult result = checkMissionPlan(c.text, c.as);
        ASSERT_FALSE(result.ok);
        EXPECT_NE(result.reason.text.find(c.reason), std::string::npos) << result.reason.text;
        EXPECT_EQ(result.reason.text.find('\n'), std::string::npos);
        if (*c.at) {
            ASSERT_GT(result.reason.line, 0u);
            EXPECT_EQ(textAt(c.text, result.reason).rfind(c.at, 0), 0u)
                << result.reason.line << ":" << result.reason.column;
        }
    }
}

// What a read that succeeds passes over: a value left as it was, a list left
// empty or kept, a version stamp that is not ours, sections the radio type does
// not keep.
TEST_F(Reasons, WarningsBesideSuccess) {
    struct Case {
        std::string text;
        uint32_t radioType;
        std::vector<const char*> warnings;
    };
    const Case cases[] = {
        {planDocument(146), 146, {}},
        {hazardWith("pos='7'", "pos='7.5'"),
         146,
         {"platformConfig/statusIcons: pos='7.5' is outside 0.0..7.0"}},
        {hazardWith("minTimer='5'", "minTimer='61'"),
         146,
         {"ECiTCfg: attribute minTimer='61' is outside 5..60"}},
        {hazardWith("opcode='FUNC_MONITOR_CLEAR'", "opcode='FUNC_MONITOR'"),
         146,
         {"progBtns/progBtn: attribute opcode='FUNC_MONITOR' is not one of its 88 names"}},
        {hazardWith("version='v4.000'", "version='v4'"),
         146,
         {"versionInfo: the mission load version 'v4' is not v4.000"}},
        // Entries whose keys collide: the first stands, or, for the fixed lists, the last.
        {replaced(planDocument(0), "position='1'", "position='0'"),
         0,
         {"shortMenu/shortMenuItem: position='0' repeats the key of an earlier entry; this "
          "entry is dropped"}},
        {hazardWith("pos='2'\n   statusName='SCANNING'", "pos='01'\n   statusName='SCANNING'"),
         146,
         {"statusIcons/topDisplay/statIcon: pos='01' repeats the key"}},
        {hazardWith("micType='EXTERNAL'", "micType='INTERNAL'"),
         146,
         {"audioConfig/microphone: micType='INTERNAL' repeats the key of an earlier entry; this "
          "entry replaces it"}},
        {planDocument(146),
         151,
         {"platformConfig/accessoryConfig: radio type 151 does not keep this "
          "section",
          "platformConfig/manDownConfig: radio type 151", "platformConfig/progSwitches: radio",
          "platformConfig/hazardConfig: radio"}},
    };
    for (const Case& c : cases) {
        const ReadResult result = checkMissionPlan(c.text, {false, c.radioType});
        ASSERT_TRUE(result.ok) << result.reason.text;
        ASSERT_EQ(result.warnings.size(), c.warnings.size());
        for (std::size_t i = 0; i < c.warnings.size(); ++i) {
            EXPECT_NE(result.warnings[i].text.find(c.warnings[i]), std::string::npos)
                << result.warnings[i].text;
            EXPECT_GT(result.warnings[i].line, 0u) << result.warnings[i].text;
        }
    }
}

// The reader's messages reach a sink with their kinds, an old-form handler as
// texts, and nothing else.
TEST(Messages, KindsReachTheSinkAndTheHandler) {
    using Seen = std::pair<MessageKind, std::wstring>;
    std::vector<Seen> seen;
    MessageSink previous = setMessageSink(
        [&](MessageKind kind, const std::wstring& text) { seen.emplace_back(kind, text); });
    TempDir dir;
    const std::string bad = replaced(replaced(planDocument(0), "version='v4.000'", "version='v5'"),
                                     "<fl-data>", "<fl-data>*");
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(unpackHandheldMissionPlan(bad, dir / "x"));
    EXPECT_EQ(testing::internal::GetCapturedStdout() + testing::internal::GetCapturedStderr(), "");
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], (Seen{MessageKind::Warning,
                             L"Warning: mission load version mismatch!\n   "
                             L"Expected: v4.000\n   Found:    v5"}));
    EXPECT_EQ(seen[1], (Seen{MessageKind::Information,
                             L"`anonymous-namespace'::ParseBlobData: Error while parsing BLOB"}));
    EXPECT_EQ(seen[2], (Seen{MessageKind::Failure, kParseFailureMessage}));

    std::vector<std::wstring> texts;
    MessageHandler adapted = setMessageHandler([&](const std::wstring& t) { texts.push_back(t); });
    ASSERT_TRUE(adapted);
    adapted(L"through the sink");
    EXPECT_EQ(seen.back(), (Seen{MessageKind::Failure, L"through the sink"}));
    EXPECT_FALSE(unpackHandheldMissionPlan(bad, dir / "x"));
    EXPECT_EQ(texts.size(), 3u);
    setMessageSink(previous);
}

using Inspection = Quiet;

TEST_F(Inspection, SaysWhatADocumentHoldsAndWhetherItReads) {
    const PlanSummary vr = inspectMissionPlan(planDocument(151));
    EXPECT_EQ(vr.texts.name, L"Plan");
    EXPECT_EQ(vr.version, L"v4.000");
    EXPECT_EQ(vr.missionLoad, "MissionLoad");
    EXPECT_EQ(vr.group, "VR-mobile");
    EXPECT_EQ(vr.readAs.radioType, 151u);
    EXPECT_EQ(vr.sections.size(), 23u);
    EXPECT_EQ(vr.flash.bytes, (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(vr.flash.size, 3u);
    EXPECT_EQ(vr.flash.sha256, "039058c6f2c0cb492c533b0a4d14ef77cc0f78abccced5287d84a1a2011cfb81");
    EXPECT_TRUE(inspectMissionPlan(planDocument(151), false).flash.bytes.empty());
    EXPECT_TRUE(vr.flash.clean && vr.eeprom.present && vr.eeprom.bytes.empty());
    EXPECT_TRUE(vr.check.ok);

    const PlanSummary bad = inspectMissionPlan(hazardWith("zone='EST'", "zone='?'"));
    EXPECT_EQ(bad.group, "hazard");
    EXPECT_FALSE(bad.check.ok);
    EXPECT_NE(bad.check.reason.text.find("zone='?'"), std::string::npos);
    EXPECT_EQ(inspectMissionPlan(test::mobilePlanDocument()).group, "mobile");
    EXPECT_EQ(inspectMissionPlan(planDocument(0)).group, "classic");
    EXPECT_NE(inspectMissionPlan("<a>").problem.text.find("not well-formed"), std::string::npos);
}

using Repacking = Quiet;

// Unpack, edit a value in the platform file, write again from it, unpack again.
TEST_F(Repacking, AnEditedPlatformFileComesBack) {
    TempDir dir;
    writeFile(dir / "p.fl", "\x05");
    writeFile(dir / "p.ee", "");
    for (const ReadAs as : {ReadAs{false, 272}, ReadAs{true, 7}, ReadAs{}}) {
        SCOPED_TRACE(as.radioType.value_or(0));
        const std::string plan =
            as.mobile ? test::mobilePlanDocument() : planDocument(as.radioType.value_or(0));
        ASSERT_TRUE(unpackMissionPlan(plan, dir / "u", as).ok);
        const std::string edited = replaced(readFile(dir / "u.pd"), "zone='EST'", "zone='NUT'");
        const ReadResult written = writeMissionPlanFromPlatform(
            dir / "p", edited, {L"Edited", L"", L"", L"", L"", L"1234", L"9"}, as, L"dom");
        ASSERT_TRUE(written.ok) << written.reason.text;
        // Only a classic plan carries a domain; the others warn that it is left out.
        EXPECT_EQ(written.warnings.size(), as.radioType ? 1u : 0u);
        const PlanSummary back = inspectMissionPlan(readFile(dir / "p.xml"));
        EXPECT_EQ(back.texts.name, L"Edited");
        EXPECT_EQ(back.domain, as.radioType ? L"" : L"dom");
        ASSERT_TRUE(unpackMissionPlan(readFile(dir / "p.xml"), dir / "v", as).ok);
        EXPECT_EQ(readFile(dir / "v.pd"), replaced(edited, "zone='NUT'", "zone='SST'"));
        EXPECT_EQ(readFile(dir / "v.fl"), "\x05");
    }
    // A platform file that does not read writes nothing.
    std::filesystem::remove(dir / "p.xml");
    const ReadResult bad = writeMissionPlanFromPlatform(
        dir / "p", "<platformConfig><accessoryConfig pttMode='X'/></platformConfig>", {}, kHazard);
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.reason.text,
              "platformConfig/accessoryConfig: attribute "
              "pttMode='X' is not one of its names "
              "(AND, OR, BOTH, ANY)");
    EXPECT_EQ(bad.reason.line, 1u);
    EXPECT_FALSE(std::filesystem::exists(dir / "p.xml"));
    // One of another kind says what it looks like.
    ASSERT_TRUE(unpackMissionPlan(planDocument(0), dir / "c", {}).ok);
    EXPECT_NE(
        writeMissionPlanFromPlatform(dir / "p", readFile(dir / "c.pd"), {}, {true, 5})
            .reason.text.find("; it looks like the platform file of a classic handheld radio"),
        std::string::npos);
}

// Scripts match on the codes: each has its name once, and the JSON schema of the notes and
// the README list every one.
TEST(Messages, EveryReasonCodeIsNamedAndListed) {
    const std::string schema =
        readFile(std::filesystem::path(TARIN_TEST_DATA_DIR) / "../../schemas/common.schema.json");
    const std::string readme =
        readFile(std::filesystem::path(TARIN_TEST_DATA_DIR) / "../../README.md");
    std::set<std::string> names;
    for (int i = 0; i <= static_cast<int>(ReasonCode::NotAListEntry); ++i) {
        const std::string name = reasonCodeName(static_cast<ReasonCode>(i));
        EXPECT_TRUE(names.insert(name).second) << name;
        EXPECT_NE(schema.find('"' + name + '"'), std::string::npos) << name;
        if (i > 0) {
            EXPECT_NE(readme.find('`' + name + '`'), std::string::npos) << name;
        }
    }
    EXPECT_STREQ(reasonCodeName(static_cast<ReasonCode>(999)), "none");
}

}  // namespace
}  // namespace tarin
