// accessoryConfig and manDownConfig, and the handheld defaults as records.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "TarinTranslator/platform_xml/Sections.h"
#include "TestSupport.h"

namespace tarin {
namespace {

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

TEST(AccessoryReader, AbsentAttributesStayAndTheCheckCoversTheWholeStructure) {
    currentRadioType() = 0;
    HandheldPlatform p, q;
    EXPECT_FALSE(readAccessoryConfig(pugi::xml_node(), p));
    p.accessoryConfig.frsmFailureVoiceAnnunciation = 77;
    ASSERT_TRUE(readAccessory(L"<accessoryConfig pttMode='OR'/>", p));
    AccessoryConfig expected;
    expected.frsmFailureVoiceAnnunciation = 77;
    expected.pttMode = 1;
    EXPECT_EQ(p.accessoryConfig, expected);

    // micSelectMode is read before pttMode and stays stored when pttMode fails.
    EXPECT_FALSE(readAccessory(L"<accessoryConfig pttMode='or' micSelectMode='AUTO'/>", q));
    EXPECT_EQ(q.accessoryConfig.micSelectMode, 4u);
    EXPECT_EQ(q.accessoryConfig.pttMode, 2u);
    EXPECT_FALSE(readAccessory(L"<accessoryConfig volControlMode=''/>", q));
    // The check covers fields that the document leaves alone.
    for (auto [mode, reads] : {std::pair{3u, false}, {2u, true}}) {
        q.accessoryConfig.volControlMode = mode;
        EXPECT_EQ(readAccessory(L"<accessoryConfig pttMode='ANY'/>", q), reads) << mode;
    }
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

// ---- manDownConfig reader --------------------------------------------------------------

// Without one of the seven required attributes (here use_case) the section is left unread,
// bad values and all. Otherwise a wrong action fails the check with every field stored, a bad
// obs_spkr_warn fails with the seven others stored, and an out-of-range number stops the
// read at its attribute.
TEST(ManDownReader, WhatIsStoredBeforeAFailure) {
    auto doc = [](const wchar_t* inactivity, const wchar_t* warning, const wchar_t* sensitivity,
                  const wchar_t* action, const wchar_t* more = L" use_case='3'") {
        return std::wstring(L"<manDownConfig inactivityTime='") + inactivity + L"' warningTime='" +
               warning + L"' sensitivity='" + sensitivity + L"' action='" + action +
               L"' beacon_tone='ON' accessory_mode='ON'" + more + L"/>";
    };
    const wchar_t* call = L"MD_EMERGENCY_CALL";
    const struct {
        uint32_t code;
        std::wstring text;
        bool reads;
        ManDownConfig stored;
    } cases[] = {
        {146, doc(L"999", L"1", L"1", L"X", L" obs_spkr_warn='ON'"), true, {}},
        {146, doc(L"100", L"50", L"2", L"MD_ALARM"), false, {100, 50, 2, 3, 1, 1, L"MD_ALARM", 0}},
        {146,
         doc(L"100", L"50", L"2", call, L" use_case='3' obs_spkr_warn='on'"),
         false,
         {100, 50, 2, 3, 1, 1, call, 0}},
        {146, doc(L"100", L"50", L"6", call), false, {100, 50, 0, 0, 0, 0, call, 0}},
        {0, doc(L"0", L"0", L"0", call), true, {0, 0, 0, 3, 1, 1, call, 0}},
        {0, doc(L"240", L"240", L"5", call), true, {240, 240, 5, 3, 1, 1, call, 0}},
        {0, doc(L"241", L"0", L"0", call), false, {}},
        {0, doc(L"0", L"241", L"0", call), false, {0, 10, 0, 0, 0, 0, call, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        currentRadioType() = c.code;
        ManDownConfig md;
        EXPECT_EQ(test::readFrom(c.text, readManDownConfig, md), c.reads);
        EXPECT_EQ(md, c.stored);
    }
    ManDownConfig md;
    EXPECT_TRUE(readManDownConfig(pugi::xml_node(), md));
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
    EXPECT_EQ(std::wstring(plan.name) + L"|" + p.AACversion, L"name|1.2");
    EXPECT_TRUE(std::ranges::equal(p.eeData, std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(std::tie(p.radioType, p.progBtns.at(23).opcode, p.networkConfig.WMM.at(1).CWMin),
              std::tuple(12345u, 7u, 9));
    EXPECT_EQ(std::tuple(p.progBtns.size(), p.networkConfig.WMM.size(),
                         p.progSwitches.switches.at(1).size(), p.gpsConfig.gridDigits),
              std::tuple(31u, 4u, 1u, 10u));
}

}  // namespace
}  // namespace tarin
