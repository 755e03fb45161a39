#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <pugixml.hpp>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "TarinTranslator/model/HandheldPlatform.h"
#include "TarinTranslator/model/RadioType.h"
#include "TarinTranslator/platform_xml/Sections.h"
#include "TarinTranslator/platform_xml/XmlText.h"

namespace tarin {
namespace {

// Sets the thread's radio type for one test and puts the old one back.
class RadioTypeScope {
  public:
    explicit RadioTypeScope(uint32_t code) : saved_(currentRadioType()) {
        currentRadioType() = code;
    }
    ~RadioTypeScope() { currentRadioType() = saved_; }

  private:
    uint32_t saved_;
};

template <class T>
std::wstring render(bool xml, std::wostream& (*write)(std::wostream&, const T&), const T& rec) {
    std::wostringstream os;
    os << XmlMode(xml);
    write(os, rec);
    return os.str();
}

// The accessoryConfig element as the root writer frames it, without accessory buttons.
std::wstring accessoryElement(const AccessoryConfig& acc) {
    return L"<accessoryConfig " + render(true, writeAccessoryConfig, acc) +
           L"    >\n   </accessoryConfig>\n";
}

// Loads `text` and reads its document element into `target` with `read`.
template <class T>
bool readFrom(const std::wstring& text, bool (*read)(pugi::xml_node, T&), T& target) {
    pugi::xml_document doc;
    std::string utf8 = pugi::as_utf8(text);
    EXPECT_TRUE(doc.load_string(utf8.c_str())) << utf8;
    return read(doc.document_element(), target);
}
bool readAccessory(const std::wstring& text, HandheldPlatform& p) {
    return readFrom(text, readAccessoryConfig, p);
}

HandheldPlatform defaulted(uint32_t code) {
    MissionPlan plan;
    plan.planRadioType = code;
    applyHandheldDefaults(plan);
    return plan.Platform;
}

// ---- writers ---------------------------------------------------------------------------

// The classic text is pinned by the whole defaults document; the hazard codes add
// obs_spkr_warn and the VR-mobile codes write neither section.
TEST(AccessoryWriter, DefaultTextPerGroup) {
    {
        RadioTypeScope scope(146);
        const HandheldPlatform p = defaulted(146);
        EXPECT_EQ(render(true, writeAccessoryConfig, p.accessoryConfig),
                  L"   noiseCancellation ='ON'\n   micSelectMode='TOP'\n   pttMode='BOTH'\n"
                  L" frsmFailureIndication='OFF'\n accessoryNFPARsmPTTandEmerLine='OFF'\n"
                  L"   frsmFailureVoiceAnnunciation='0'\n   volControlMode ='ESM'\n");
        EXPECT_EQ(render(true, writeManDownConfig, p.manDownConfig),
                  L"<manDownConfig\n   inactivityTime='240'\n   warningTime='30'\n"
                  L"   sensitivity='0'\n   action='MD_EMERGENCY_CALL'\n   use_case='0'\n"
                  L"   beacon_tone='OFF'\n   accessory_mode='OFF'\n   obs_spkr_warn='OFF'\n />\n");
    }
    RadioTypeScope scope(272);  // no section at all, in either mode
    for (bool xml : {true, false}) {
        EXPECT_EQ(render(xml, writeAccessoryConfig, AccessoryConfig{}), L"");
        EXPECT_EQ(render(xml, writeManDownConfig, ManDownConfig{}), L"");
    }
}

TEST(AccessoryWriter, SummaryText) {
    RadioTypeScope scope(0);
    AccessoryConfig acc;
    acc.frsmFailureVoiceAnnunciation = 4321;
    ManDownConfig md;
    md.beacon_tone = 1;
    EXPECT_EQ(render(false, writeAccessoryConfig, acc),
              L"{noiseCancellation: ON, micSelectMode: TOP, pttMode: BOTH, "
              L"frsmFailureIndication: 'OFF, accessoryNFPARsmPTTandEmerLine='OFF   "
              L"frsmFailureVoiceAnnunciation: '4321}");
    EXPECT_EQ(render(false, writeManDownConfig, md),
              L"{ inactivityTime: 20, warningTime: 10, sensitivity: 0, action: "
              L"\"MD_EMERGENCY_CALL\", use_case: 0, beacon_tone: 1, accessory_mode: 0}");
}

TEST(AccessoryWriter, UnknownValuesAndSpecialCharacters) {
    RadioTypeScope scope(199);
    AccessoryConfig acc;
    acc.volControlMode = 7;
    EXPECT_NE(render(true, writeAccessoryConfig, acc)
                  .find(L"volControlMode ='???????"
                        L"'"),
              std::wstring::npos);
    HandheldPlatform p;
    EXPECT_FALSE(readAccessory(accessoryElement(acc), p));  // the unknown name does not read

    ManDownConfig md;
    md.action = L"a<b & 'c'";
    EXPECT_NE(
        render(true, writeManDownConfig, md).find(L"   action='a&lt;b &amp; &apos;c&apos;'\n"),
        std::wstring::npos);
}

// ---- accessoryConfig reader ------------------------------------------------------------

TEST(AccessoryReader, MissingElementFailsAbsentAttributesStay) {
    RadioTypeScope scope(0);
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
    RadioTypeScope scope(146);
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
    RadioTypeScope scope(0);
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

TEST(AccessoryReader, RoundTripsNonDefaultValues) {
    for (uint32_t code : {0u, 265u}) {
        RadioTypeScope scope(code);
        const AccessoryConfig acc{0, 3, 3, 1, 1, 4999, 2};
        HandheldPlatform p;
        ASSERT_TRUE(readAccessory(accessoryElement(acc), p)) << code;
        EXPECT_EQ(p.accessoryConfig, acc) << code;
    }
}

// ---- manDownConfig reader --------------------------------------------------------------

TEST(ManDownReader, RoundTripsPerGroup) {
    const ManDownConfig written{239, 1, 5, 4, 1, 1, L"MD_EMERGENCY_CALL", 1};
    for (uint32_t code : {146u, 0u}) {
        RadioTypeScope scope(code);
        ManDownConfig read;
        ASSERT_TRUE(readFrom(render(true, writeManDownConfig, written), readManDownConfig, read))
            << code;
        // A classic document has no obs_spkr_warn; the other seven are still read.
        ManDownConfig expected = written;
        if (code == 0) expected.obs_spkr_warn = 0;
        EXPECT_EQ(read, expected) << code;
    }
}

TEST(ManDownReader, IncompleteSectionIsLeftUnread) {
    RadioTypeScope scope(146);
    ManDownConfig md;
    EXPECT_TRUE(readManDownConfig(pugi::xml_node(), md));
    // use_case missing: not even the bad values are looked at.
    EXPECT_TRUE(
        readFrom(L"<manDownConfig inactivityTime='999' warningTime='1' "
                 L"sensitivity='1' action='X' beacon_tone='ON' accessory_mode='ON' "
                 L"obs_spkr_warn='ON'/>",
                 readManDownConfig, md));
    EXPECT_EQ(md, ManDownConfig{});
}

TEST(ManDownReader, FailuresAfterStoringFields) {
    RadioTypeScope scope(146);
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
        EXPECT_FALSE(readFrom(text, readManDownConfig, md));
        EXPECT_EQ(md, stored);
    }
}

// ---- defaults --------------------------------------------------------------------------

TEST(HandheldDefaults, IdenticalWithinEachGroup) {
    const std::vector<uint32_t> groups[] = {
        {0, 1, 145, 150, 200, 274}, {146, 199, 265}, {151, 153, 272, 273}};
    for (const auto& group : groups)
        for (uint32_t code : group) EXPECT_EQ(defaulted(code), defaulted(group[0])) << code;
    EXPECT_FALSE(defaulted(0) == defaulted(146));
    EXPECT_FALSE(defaulted(146) == defaulted(151));
}

TEST(HandheldDefaults, LeavesPlanTextsImagesAndRadioTypeAlone) {
    MissionPlan plan;
    plan.planRadioType = 199;
    plan.Platform.radioType = 12345;
    setFixed(plan.name, L"name");
    setFixed(plan.Platform.AACversion, L"1.2");
    plan.Platform.eeData = {1, 2, 3};
    applyHandheldDefaults(plan);
    EXPECT_EQ(std::wstring(plan.name), L"name");
    EXPECT_EQ(std::wstring(plan.Platform.AACversion), L"1.2");
    EXPECT_TRUE(std::ranges::equal(plan.Platform.eeData, std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(plan.Platform.radioType, 12345u);
}

// What the classic defaults document does not show: the lists it leaves out stay empty and
// the accessory buttons' times, which it does not write, are empty.
TEST(HandheldDefaults, ClassicCode) {
    const HandheldPlatform p = defaulted(0);
    EXPECT_TRUE(p.progBtns.empty() && p.statusIconsTop.empty() && p.statusIconsFront.empty());
    EXPECT_TRUE(p.menuConfig.empty() && p.AliasList.empty() && p.audioConfig.mapping.empty());
    EXPECT_EQ(p.networkConfig, NetworkConfig{});
    EXPECT_EQ(
        p.accessoryButtons.at(3),
        (AccessoryButtonEntry{.function = 18, .delay = L"", .timeout = L"", .extraData = L""}));
}

TEST(HandheldDefaults, PlainFields) {
    const HandheldPlatform constructed;
    for (uint32_t code : {0u, 146u, 273u}) {
        SCOPED_TRACE(code);
        const HandheldPlatform p = defaulted(code);
        const bool classic = isClassicCode(code), hazard = isHazardCode(code);
        EXPECT_EQ(p.TimeDateCfg.zone, 8u);
        EXPECT_EQ(static_cast<uint32_t>(p.miscConfig.emerClearDelay), 0xFFFFFFF6u);
        EXPECT_EQ(p.accessoryConfig, constructed.accessoryConfig);
        EXPECT_EQ(p.manDownConfig.inactivityTime, 240u);
        EXPECT_EQ(p.manDownConfig.warningTime, 30u);
        EXPECT_EQ(p.gpsConfig.gridDigits, 10u);
        EXPECT_EQ(p.bluetoothConfig.btMode, classic ? 0u : 1u);
        EXPECT_EQ(p.PINConfig.maxBadPINEntries, classic ? 0u : 5u);
        EXPECT_EQ(p.miscConfig.enableSystemDCELookup, classic ? 1u : 0u);
        EXPECT_EQ(p.audioConfig.pttMode, classic || hazard ? 1u : 0u);
        EXPECT_EQ(p.audioConfig.echoReduction, hazard ? 1u : 0u);
        EXPECT_EQ(p.audioConfig.mobileMasterMode, classic || hazard ? 0u : 1u);
        EXPECT_EQ(p.audioConfig.microphones[kMicExternal].alcMaxGain, classic ? 0 : 6);
        EXPECT_EQ(p.audioConfig.microphones[kMicBluetooth].alcMaxGain, 0);
        EXPECT_EQ(p.audioConfig.audioEioOutputs[1].output_name, classic || hazard ? 0u : 1u);
        EXPECT_EQ(p.threePosSwitch._3PosCValue, L"3");
        EXPECT_EQ(p.ECiTCfg, ECiTConfig{});
    }
}

TEST(HandheldDefaults, ExtendedCodeLists) {
    const HandheldPlatform hazard = defaulted(146);
    const HandheldPlatform vr = defaulted(151);
    EXPECT_TRUE(hazard.progButtons.empty());

    // progBtns: keys 1 to 22 for the hazard codes, 23 to 53 for the VR-mobile codes.
    ASSERT_EQ(hazard.progBtns.size(), 22u);
    EXPECT_EQ(hazard.progBtns.begin()->first, 1);
    EXPECT_EQ(hazard.progBtns.at(1).opcode, 3u);
    EXPECT_EQ(hazard.progBtns.at(22).opcode, 1u);
    ASSERT_EQ(vr.progBtns.size(), 31u);
    EXPECT_EQ(vr.progBtns.at(23).opcode, 19u);
    EXPECT_EQ(vr.progBtns.at(53).groupIndex, 65535u);
    EXPECT_EQ(hazard.accessoryButtons.at(3).timeout, L"4");

    // The VR-mobile front display has six icons more.
    EXPECT_EQ(hazard.statusIconsTop.at(7), (StatusIconEntry{.pos = L"7", .statusName = 2}));
    EXPECT_EQ(hazard.statusIconsFront.size(), 10u);
    ASSERT_EQ(vr.statusIconsFront.size(), 16u);
    EXPECT_EQ(vr.statusIconsFront.at(16), (StatusIconEntry{.pos = L"16", .statusName = 7}));

    // Menus: 11 and 64 for the hazard codes, 37 for the VR-mobile codes; 51 hidden on VR.
    EXPECT_EQ(hazard.menuConfig.size(), 121u);
    EXPECT_EQ(vr.menuConfig.size(), 120u);
    EXPECT_TRUE(hazard.menuConfig.contains(64) && !hazard.menuConfig.contains(37));
    EXPECT_TRUE(vr.menuConfig.contains(37) && !vr.menuConfig.contains(11));
    EXPECT_EQ(hazard.menuConfig.at(51).display, 1u);
    EXPECT_EQ(vr.menuConfig.at(51).display, 0u);
    EXPECT_EQ(hazard.menuConfig.at(19),
              (MenuItemEntry{.opCode = 19, .display = 1, .level = 3, .hasChildren = true}));

    EXPECT_TRUE(hazard.eioOutputCfg.empty());
    EXPECT_EQ(vr.eioOutputCfg.size(), 3u);
    EXPECT_EQ(vr.progSwitches.switches.at(1).at(3),
              (PosValue{.opcode = 2, .param = L"4", .VAFileIndex = 0}));
    EXPECT_EQ(hazard.audioConfig.mapping.at(4), (VaMapping{.keyCode = 11, .VAFileIndex = 0}));
    EXPECT_EQ(vr.AliasList.at(0).lid, 1u);

    // networkConfig: only the attached network's DHCP server differs between the groups.
    const NetworkConfig& net = hazard.networkConfig;
    EXPECT_EQ(net.wifiAPCfg.passphrase, L"Tovel Beacon PX931");
    EXPECT_EQ(net.asciiNetCfg, (ServicePort{.port = 4952, .mode = 0}));
    EXPECT_EQ(net.netSaCfg, (ServicePort{.port = 18088, .mode = 0}));
    EXPECT_EQ(
        net.WMM.at(2),
        (WmmEntry{.option = 2, .CWMin = 3, .CWMax = 4, .AIFSN = 2, .TXOPLimit = 94, .ACM = 0}));
    EXPECT_EQ(net.wpaItem.at(0).pass, L"kestrels");
    EXPECT_EQ(net.DhcpServerCfg, DhcpServerConfig{});
    NetworkConfig vrNet = vr.networkConfig;
    EXPECT_EQ(vrNet.DhcpServerCfg.routerAddress, L"192.168.250.1");
    vrNet.DhcpServerCfg = {};
    EXPECT_EQ(vrNet, net);
}

TEST(HandheldDefaults, ExistingMapEntriesStay) {
    MissionPlan plan;
    plan.planRadioType = 151;
    plan.Platform.progBtns[23].opcode = 7;
    plan.Platform.networkConfig.WMM[1].CWMin = 9;
    plan.Platform.progSwitches.switches[1] = {{0, {.opcode = 3, .param = L"x", .VAFileIndex = 0}}};
    plan.Platform.gpsConfig.gridDigits = 4;  // plain fields are overwritten
    applyHandheldDefaults(plan);
    const HandheldPlatform& p = plan.Platform;
    EXPECT_EQ(p.progBtns.at(23).opcode, 7u);
    EXPECT_EQ(p.progBtns.size(), 31u);
    EXPECT_EQ(p.networkConfig.WMM.at(1).CWMin, 9);
    EXPECT_EQ(p.networkConfig.WMM.size(), 4u);
    EXPECT_EQ(p.progSwitches.switches.at(1).size(), 1u);
    EXPECT_EQ(p.gpsConfig.gridDigits, 10u);
}

// A defaulted record of every group reads back without failure, with its accessory,
// man-down, button and switch sections unchanged. (The classic record reads back whole in
// the document round trip.)
TEST(HandheldDefaults, DefaultedDocumentReadsBack) {
    for (uint32_t code : {146u, 199u, 265u, 151u, 153u, 272u, 273u}) {
        SCOPED_TRACE(code);
        RadioTypeScope scope(code);
        HandheldPlatform defaults = defaulted(code);
        defaults.radioType = code;
        HandheldPlatform read;
        read.radioType = code;
        ASSERT_TRUE(
            readFrom(render(true, writePlatformConfig, defaults), readPlatformConfig, read));
        EXPECT_EQ(read.progBtns, defaults.progBtns);
        // The VR-mobile codes have none of the others and keep the constructed values.
        const HandheldPlatform expected = isVrMobileCode(code) ? HandheldPlatform() : defaults;
        EXPECT_EQ(read.accessoryConfig, expected.accessoryConfig);
        EXPECT_EQ(read.manDownConfig, expected.manDownConfig);
        EXPECT_EQ(read.accessoryButtons, expected.accessoryButtons);
        EXPECT_EQ(read.progSwitches, expected.progSwitches);
    }
}

}  // namespace
}  // namespace tarin
