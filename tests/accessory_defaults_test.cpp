// accessoryConfig and manDownConfig, and the handheld defaults as records.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "TarinTranslator/platform_xml/Sections.h"
#include "TestSupport.h"

namespace tarin {
namespace {

using test::defaulted;
using test::textOf;

bool readAccessory(const std::wstring& text, HandheldPlatform& p) {
    return test::readFrom(text, readAccessoryConfig, p);
}

// ---- writers ---------------------------------------------------------------------------

// The XML of both groups is pinned by the defaults documents; the VR-mobile codes write
// neither section, in either mode.
TEST(AccessoryWriter, SummaryTextAndTheVrMobileCodes) {
    AccessoryConfig acc;
    acc.frsmFailureVoiceAnnunciation = 4321;
    ManDownConfig md;
    md.beacon_tone = 1;
    EXPECT_EQ(textOf(writeAccessoryConfig, acc, 0, false),
              L"{noiseCancellation: ON, micSelectMode: TOP, pttMode: BOTH, "
              L"frsmFailureIndication: 'OFF, accessoryNFPARsmPTTandEmerLine='OFF   "
              L"frsmFailureVoiceAnnunciation: '4321}");
    EXPECT_EQ(textOf(writeManDownConfig, md, 0, false),
              L"{ inactivityTime: 20, warningTime: 10, sensitivity: 0, action: "
              L"\"MD_EMERGENCY_CALL\", use_case: 0, beacon_tone: 1, accessory_mode: 0}");
    for (bool xml : {true, false}) {
        EXPECT_EQ(textOf(writeAccessoryConfig, acc, 272, xml), L"");
        EXPECT_EQ(textOf(writeManDownConfig, md, 272, xml), L"");
    }
}

// ---- accessoryConfig reader ------------------------------------------------------------

TEST(AccessoryReader, MissingElementFailsAbsentAttributesStay) {
    currentRadioType() = 0;
    HandheldPlatform p;
    EXPECT_FALSE(readAccessoryConfig(pugi::xml_node(), p));
    p.accessoryConfig.frsmFailureVoiceAnnunciation = 77;
    ASSERT_TRUE(readAccessory(L"<accessoryConfig pttMode='OR'/>", p));
    AccessoryConfig expected;
    expected.frsmFailureVoiceAnnunciation = 77;
    expected.pttMode = 1;
    EXPECT_EQ(p.accessoryConfig, expected);
}

TEST(AccessoryReader, VoiceAnnunciationTakesItsBaseFromTheText) {
    currentRadioType() = 146;
    // The value read, or -1 where the read fails.
    const std::pair<const wchar_t*, int64_t> cases[] = {
        {L"0x10", 16},   {L"010", 8}, {L"5000", 5000},     {L"", 0}, {L" 12abc", 12}, {L"5001", -1},
        {L"0x1389", -1}, {L"-1", -1}, {L"99999999999", -1}};
    for (auto [text, value] : cases) {
        SCOPED_TRACE(text);
        HandheldPlatform p;
        EXPECT_EQ(readAccessory(L"<accessoryConfig frsmFailureVoiceAnnunciation='" +
                                    std::wstring(text) + L"'/>",
                                p),
                  value >= 0);
        if (value >= 0) {
            EXPECT_EQ(p.accessoryConfig.frsmFailureVoiceAnnunciation, value);
        }
    }
}

TEST(AccessoryReader, FailuresAndTheWholeStructureCheck) {
    currentRadioType() = 0;
    HandheldPlatform p;
    // micSelectMode is read before pttMode and stays stored when pttMode fails.
    EXPECT_FALSE(readAccessory(L"<accessoryConfig pttMode='or' micSelectMode='AUTO'/>", p));
    EXPECT_EQ(p.accessoryConfig.micSelectMode, 4u);
    EXPECT_EQ(p.accessoryConfig.pttMode, 2u);
    EXPECT_FALSE(readAccessory(L"<accessoryConfig volControlMode=''/>", p));

    // The check covers fields that the document leaves alone.
    p.accessoryConfig.volControlMode = 3;
    EXPECT_FALSE(readAccessory(L"<accessoryConfig pttMode='ANY'/>", p));
    p.accessoryConfig.volControlMode = 2;
    EXPECT_TRUE(readAccessory(L"<accessoryConfig pttMode='ANY'/>", p));
}

// ---- manDownConfig reader --------------------------------------------------------------

TEST(ManDownReader, IncompleteSectionIsLeftUnread) {
    currentRadioType() = 146;
    ManDownConfig md;
    EXPECT_TRUE(readManDownConfig(pugi::xml_node(), md));
    // use_case missing: not even the bad values are looked at.
    EXPECT_TRUE(
        test::readFrom(L"<manDownConfig inactivityTime='999' warningTime='1' "
                       L"sensitivity='1' action='X' beacon_tone='ON' accessory_mode='ON' "
                       L"obs_spkr_warn='ON'/>",
                       readManDownConfig, md));
    EXPECT_EQ(md, ManDownConfig{});
}

TEST(ManDownReader, TimesFromZeroTo240) {
    currentRadioType() = 0;
    for (auto [time, reads] : {std::pair{L"0", true}, {L"240", true}, {L"241", false}}) {
        ManDownConfig md;
        EXPECT_EQ(test::readFrom(L"<manDownConfig inactivityTime='" + std::wstring(time) +
                                     L"' warningTime='" + time +
                                     L"' sensitivity='0' action='MD_EMERGENCY_CALL' use_case='0' "
                                     L"beacon_tone='OFF' accessory_mode='OFF'/>",
                                 readManDownConfig, md),
                  reads)
            << time;
    }
}

TEST(ManDownReader, FailuresAfterStoringFields) {
    currentRadioType() = 146;
    auto doc = [](const wchar_t* sensitivity, const wchar_t* action, const wchar_t* obs) {
        return std::wstring(L"<manDownConfig inactivityTime='100' warningTime='50' sensitivity='") +
               sensitivity + L"' action='" + action +
               L"' use_case='3' beacon_tone='ON' accessory_mode='ON'" + obs + L"/>";
    };
    // A wrong action fails the check with every field stored, a bad obs_spkr_warn fails with
    // the seven others stored, and an out-of-range number stops the read at its attribute.
    const std::pair<std::wstring, ManDownConfig> cases[] = {
        {doc(L"2", L"MD_ALARM", L""), {100, 50, 2, 3, 1, 1, L"MD_ALARM", 0}},
        {doc(L"2", L"MD_EMERGENCY_CALL", L" obs_spkr_warn='on'"),
         {100, 50, 2, 3, 1, 1, L"MD_EMERGENCY_CALL", 0}},
        {doc(L"6", L"MD_EMERGENCY_CALL", L""), {100, 50, 0, 0, 0, 0, L"MD_EMERGENCY_CALL", 0}},
    };
    for (const auto& [text, stored] : cases) {
        SCOPED_TRACE(text);
        ManDownConfig md;
        EXPECT_FALSE(test::readFrom(text, readManDownConfig, md));
        EXPECT_EQ(md, stored);
    }
}

// ---- defaults --------------------------------------------------------------------------

TEST(HandheldDefaults, LeavePlanTextsImagesRadioTypeAndListEntriesAlone) {
    MissionPlan plan;
    plan.planRadioType = 151;
    plan.Platform.radioType = 12345;
    setFixed(plan.name, L"name");
    setFixed(plan.Platform.AACversion, L"1.2");
    plan.Platform.eeData = {1, 2, 3};
    plan.Platform.progBtns[23].opcode = 7;
    plan.Platform.networkConfig.WMM[1].CWMin = 9;
    plan.Platform.progSwitches.switches[1] = {{0, {.opcode = 3, .param = L"x", .VAFileIndex = 0}}};
    plan.Platform.gpsConfig.gridDigits = 4;  // plain fields are overwritten
    applyHandheldDefaults(plan);
    const HandheldPlatform& p = plan.Platform;
    EXPECT_EQ(std::wstring(plan.name), L"name");
    EXPECT_EQ(std::wstring(p.AACversion), L"1.2");
    EXPECT_TRUE(std::ranges::equal(p.eeData, std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(p.radioType, 12345u);
    EXPECT_EQ(p.progBtns.at(23).opcode, 7u);
    EXPECT_EQ(p.progBtns.size(), 31u);
    EXPECT_EQ(p.networkConfig.WMM.at(1).CWMin, 9);
    EXPECT_EQ(p.networkConfig.WMM.size(), 4u);
    EXPECT_EQ(p.progSwitches.switches.at(1).size(), 1u);
    EXPECT_EQ(p.gpsConfig.gridDigits, 10u);
}

}  // namespace
}  // namespace tarin
