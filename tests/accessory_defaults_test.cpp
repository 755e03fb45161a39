#include <gtest/gtest.h>

#include <cstdint>
#include <pugixml.hpp>
#include <span>
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

constexpr uint32_t kClassicCodes[] = {0, 1, 145, 150, 200, 274};
constexpr uint32_t kHazardCodes[] = {146, 199, 265};
constexpr uint32_t kVrMobileCodes[] = {151, 153, 272, 273};

// Sets the thread's radio type for the duration of a test and puts the old one back.
class RadioTypeScope {
  public:
    explicit RadioTypeScope(uint32_t code) : saved_(currentRadioType()) {
        currentRadioType() = code;
    }
    ~RadioTypeScope() { currentRadioType() = saved_; }

  private:
    uint32_t saved_;
};

template <class Write>
std::wstring render(bool xml, Write write) {
    std::wostringstream os;
    if (xml) os << XmlMode(true);
    write(os);
    return os.str();
}

std::wstring accessoryXml(const AccessoryConfig& acc) {
    return render(true, [&](std::wostream& os) { writeAccessoryConfig(os, acc); });
}
std::wstring manDownXml(const ManDownConfig& md) {
    return render(true, [&](std::wostream& os) { writeManDownConfig(os, md); });
}

// The accessoryConfig element as the root writer frames it (without accessory buttons).
std::wstring accessoryElement(const AccessoryConfig& acc) {
    return L"<accessoryConfig " + accessoryXml(acc) + L"    >\n   </accessoryConfig>\n";
}

// Parses `text` and hands its document element to `read`.
template <class Read>
bool readFrom(const std::wstring& text, Read read) {
    pugi::xml_document doc;
    std::string utf8 = pugi::as_utf8(text);
    EXPECT_TRUE(doc.load_string(utf8.c_str())) << utf8;
    return read(doc.document_element());
}

bool readAccessory(const std::wstring& text, HandheldPlatform& p) {
    return readFrom(text, [&](pugi::xml_node n) { return readAccessoryConfig(n, p); });
}
bool readManDown(const std::wstring& text, ManDownConfig& md) {
    return readFrom(text, [&](pugi::xml_node n) { return readManDownConfig(n, md); });
}

MissionPlan defaulted(uint32_t code) {
    MissionPlan plan;
    plan.planRadioType = code;
    plan.Platform.radioType = code;
    applyHandheldDefaults(plan);
    return plan;
}

const std::wstring kDefaultAccessoryXml =
    L"   noiseCancellation ='ON'\n"
    L"   micSelectMode='TOP'\n"
    L"   pttMode='BOTH'\n"
    L" frsmFailureIndication='OFF'\n"
    L" accessoryNFPARsmPTTandEmerLine='OFF'\n"
    L"   frsmFailureVoiceAnnunciation='0'\n"
    L"   volControlMode ='ESM'\n";

const std::wstring kDefaultManDownLines =
    L"<manDownConfig\n"
    L"   inactivityTime='240'\n"
    L"   warningTime='30'\n"
    L"   sensitivity='0'\n"
    L"   action='MD_EMERGENCY_CALL'\n"
    L"   use_case='0'\n"
    L"   beacon_tone='OFF'\n"
    L"   accessory_mode='OFF'\n";

// ---- writers ---------------------------------------------------------------------------

TEST(AccessoryWriter, DefaultTextPerGroup) {
    for (uint32_t code : {0u, 146u, 151u}) {
        RadioTypeScope scope(code);
        const HandheldPlatform& p = defaulted(code).Platform;
        SCOPED_TRACE(code);
        if (isVrMobileCode(code)) {
            EXPECT_EQ(accessoryXml(p.accessoryConfig), L"");
            EXPECT_EQ(manDownXml(p.manDownConfig), L"");
        } else if (isHazardCode(code)) {
            EXPECT_EQ(accessoryXml(p.accessoryConfig), kDefaultAccessoryXml);
            EXPECT_EQ(manDownXml(p.manDownConfig),
                      kDefaultManDownLines + L"   obs_spkr_warn='OFF'\n />\n");
        } else {
            EXPECT_EQ(accessoryXml(p.accessoryConfig), kDefaultAccessoryXml);
            EXPECT_EQ(manDownXml(p.manDownConfig), kDefaultManDownLines + L" />\n");
        }
    }
}

TEST(AccessoryWriter, SummaryText) {
    RadioTypeScope scope(0);
    AccessoryConfig acc;
    acc.frsmFailureVoiceAnnunciation = 4321;
    acc.volControlMode = 2;
    ManDownConfig md;
    md.beacon_tone = 1;
    md.obs_spkr_warn = 1;
    EXPECT_EQ(render(false, [&](std::wostream& os) { writeAccessoryConfig(os, acc); }),
              L"{noiseCancellation: ON, micSelectMode: TOP, pttMode: BOTH, "
              L"frsmFailureIndication: 'OFF, accessoryNFPARsmPTTandEmerLine='OFF   "
              L"frsmFailureVoiceAnnunciation: '4321}");
    EXPECT_EQ(render(false, [&](std::wostream& os) { writeManDownConfig(os, md); }),
              L"{ inactivityTime: 20, warningTime: 10, sensitivity: 0, action: "
              L"\"MD_EMERGENCY_CALL\", use_case: 0, beacon_tone: 1, accessory_mode: 0}");

    currentRadioType() = 272;
    EXPECT_EQ(render(false, [&](std::wostream& os) { writeAccessoryConfig(os, acc); }), L"");
    EXPECT_EQ(render(false, [&](std::wostream& os) { writeManDownConfig(os, md); }), L"");
}

TEST(AccessoryWriter, UnknownValuesAndSpecialCharacters) {
    RadioTypeScope scope(199);
    AccessoryConfig acc;
    acc.volControlMode = 7;
    EXPECT_NE(accessoryXml(acc).find(L"   volControlMode ='???????" L"'\n"), std::wstring::npos);
    HandheldPlatform p;
    EXPECT_FALSE(readAccessory(accessoryElement(acc), p));

    ManDownConfig md;
    md.action = L"a<b & 'c'";
    md.obs_spkr_warn = 5;
    std::wstring xml = manDownXml(md);
    EXPECT_NE(xml.find(L"   action='a&lt;b &amp; &apos;c&apos;'\n"), std::wstring::npos);
    EXPECT_NE(xml.find(L"   obs_spkr_warn='???????" L"'\n"), std::wstring::npos);
}

// ---- accessoryConfig reader ------------------------------------------------------------

TEST(AccessoryReader, MissingElementFails) {
    RadioTypeScope scope(0);
    HandheldPlatform p;
    EXPECT_FALSE(readAccessoryConfig(pugi::xml_node(), p));
    EXPECT_EQ(p.accessoryConfig, AccessoryConfig{});
}

TEST(AccessoryReader, AbsentAttributesKeepTheirFields) {
    RadioTypeScope scope(0);
    HandheldPlatform p;
    p.accessoryConfig.frsmFailureVoiceAnnunciation = 77;
    ASSERT_TRUE(readAccessory(L"<accessoryConfig pttMode='OR'/>", p));
    AccessoryConfig expected;
    expected.frsmFailureVoiceAnnunciation = 77;
    expected.pttMode = 1;
    EXPECT_EQ(p.accessoryConfig, expected);
}

TEST(AccessoryReader, VoiceAnnunciationTakesItsBaseFromTheText) {
    RadioTypeScope scope(146);
    const std::pair<const wchar_t*, uint32_t> accepted[] = {
        {L"0x10", 16}, {L"010", 8}, {L"5000", 5000}, {L"", 0}, {L" 12abc", 12}};
    for (auto [text, value] : accepted) {
        HandheldPlatform p;
        p.accessoryConfig.frsmFailureVoiceAnnunciation = 1;
        std::wstring doc =
            L"<accessoryConfig frsmFailureVoiceAnnunciation='" + std::wstring(text) + L"'/>";
        EXPECT_TRUE(readAccessory(doc, p)) << doc;
        EXPECT_EQ(p.accessoryConfig.frsmFailureVoiceAnnunciation, value) << doc;
    }
    for (const wchar_t* text : {L"5001", L"0x1389", L"-1", L"99999999999"}) {
        HandheldPlatform p;
        std::wstring doc =
            L"<accessoryConfig frsmFailureVoiceAnnunciation='" + std::wstring(text) + L"'/>";
        EXPECT_FALSE(readAccessory(doc, p)) << doc;
        EXPECT_EQ(p.accessoryConfig.frsmFailureVoiceAnnunciation, 0u) << doc;
    }
}

TEST(AccessoryReader, FailuresKeepWhatWasConvertedBefore) {
    RadioTypeScope scope(0);
    HandheldPlatform p;
    // micSelectMode comes before pttMode in the read order and is stored; the bad name
    // ends the read.
    EXPECT_FALSE(readAccessory(L"<accessoryConfig pttMode='or' micSelectMode='AUTO'/>", p));
    EXPECT_EQ(p.accessoryConfig.micSelectMode, 4u);
    EXPECT_EQ(p.accessoryConfig.pttMode, 2u);

    // An empty name is present and matches no name.
    HandheldPlatform q;
    EXPECT_FALSE(readAccessory(L"<accessoryConfig volControlMode=''/>", q));
}

TEST(AccessoryReader, CheckCoversFieldsNotInTheDocument) {
    RadioTypeScope scope(0);
    HandheldPlatform p;
    p.accessoryConfig.micSelectMode = 5;
    EXPECT_FALSE(readAccessory(L"<accessoryConfig pttMode='ANY'/>", p));
    p.accessoryConfig.micSelectMode = 4;
    p.accessoryConfig.volControlMode = 3;
    EXPECT_FALSE(readAccessory(L"<accessoryConfig pttMode='ANY'/>", p));
    p.accessoryConfig.volControlMode = 2;
    EXPECT_TRUE(readAccessory(L"<accessoryConfig pttMode='ANY'/>", p));
}

TEST(AccessoryReader, RoundTripsNonDefaultValues) {
    for (uint32_t code : {0u, 265u}) {
        RadioTypeScope scope(code);
        AccessoryConfig acc{.noiseCancellation = 0,
                            .micSelectMode = 3,
                            .pttMode = 3,
                            .frsmFailureIndication = 1,
                            .accessoryNFPARsmPTTandEmerLine = 1,
                            .frsmFailureVoiceAnnunciation = 4999,
                            .volControlMode = 2};
        HandheldPlatform p;
        ASSERT_TRUE(readAccessory(accessoryElement(acc), p)) << code;
        EXPECT_EQ(p.accessoryConfig, acc) << code;
    }
}

// ---- manDownConfig reader --------------------------------------------------------------

ManDownConfig unusualManDown() {
    ManDownConfig md;
    md.inactivityTime = 239;
    md.warningTime = 1;
    md.sensitivity = 5;
    md.use_case = 4;
    md.beacon_tone = 1;
    md.accessory_mode = 1;
    md.obs_spkr_warn = 1;
    return md;
}

TEST(ManDownReader, HazardDocumentRoundTrips) {
    RadioTypeScope scope(146);
    ManDownConfig written = unusualManDown();
    ManDownConfig read;
    ASSERT_TRUE(readManDown(manDownXml(written), read));
    EXPECT_EQ(read, written);
}

TEST(ManDownReader, ClassicDocumentReadsAllButObsSpkrWarn) {
    RadioTypeScope scope(0);
    ManDownConfig written = unusualManDown();
    std::wstring xml = manDownXml(written);
    ASSERT_EQ(xml.find(L"obs_spkr_warn"), std::wstring::npos);
    ManDownConfig read;
    ASSERT_TRUE(readManDown(xml, read));
    ManDownConfig expected = written;
    expected.obs_spkr_warn = ManDownConfig{}.obs_spkr_warn;
    EXPECT_EQ(read, expected);
}

TEST(ManDownReader, IncompleteSectionIsLeftUnread) {
    RadioTypeScope scope(146);
    ManDownConfig md;
    EXPECT_TRUE(readManDownConfig(pugi::xml_node(), md));
    EXPECT_EQ(md, ManDownConfig{});

    // use_case missing: even bad values elsewhere are not looked at.
    EXPECT_TRUE(
        readManDown(L"<manDownConfig inactivityTime='999' warningTime='1' "
                    L"sensitivity='1' action='X' beacon_tone='ON' accessory_mode='ON' "
                    L"obs_spkr_warn='ON'/>",
                    md));
    EXPECT_EQ(md, ManDownConfig{});
}

TEST(ManDownReader, FailuresAfterStoringFields) {
    RadioTypeScope scope(146);
    const std::wstring head =
        L"<manDownConfig inactivityTime='100' warningTime='50' sensitivity='2' ";
    const std::wstring rest = L"use_case='3' beacon_tone='ON' accessory_mode='ON'";

    // A wrong action fails the check after every field was stored.
    ManDownConfig md;
    EXPECT_FALSE(readManDown(head + L"action='MD_ALARM' " + rest + L"/>", md));
    EXPECT_EQ(md.inactivityTime, 100u);
    EXPECT_EQ(md.accessory_mode, 1u);
    EXPECT_EQ(md.action, L"MD_ALARM");

    // A bad obs_spkr_warn fails the read with the seven others stored.
    ManDownConfig md2;
    EXPECT_FALSE(
        readManDown(head + L"action='MD_EMERGENCY_CALL' " + rest + L" obs_spkr_warn='on'/>", md2));
    EXPECT_EQ(md2.use_case, 3u);
    EXPECT_EQ(md2.obs_spkr_warn, 0u);

    // Out-of-range numbers stop the read at that attribute.
    ManDownConfig md3;
    EXPECT_FALSE(
        readManDown(L"<manDownConfig inactivityTime='241' warningTime='50' "
                    L"sensitivity='2' action='MD_EMERGENCY_CALL' " +
                        rest + L"/>",
                    md3));
    EXPECT_EQ(md3, ManDownConfig{});
    EXPECT_FALSE(
        readManDown(L"<manDownConfig inactivityTime='1' warningTime='50' "
                    L"sensitivity='6' action='MD_EMERGENCY_CALL' " +
                        rest + L"/>",
                    md3));
    EXPECT_EQ(md3.warningTime, 50u);
    EXPECT_EQ(md3.sensitivity, 0u);
}

// ---- defaults --------------------------------------------------------------------------

TEST(HandheldDefaults, IdenticalWithinEachGroup) {
    auto platformOf = [](uint32_t code) {
        HandheldPlatform p = defaulted(code).Platform;
        p.radioType = 0;  // the only field that may differ
        return p;
    };
    for (const auto& group :
         {std::span<const uint32_t>(kClassicCodes), std::span<const uint32_t>(kHazardCodes),
          std::span<const uint32_t>(kVrMobileCodes)}) {
        HandheldPlatform first = platformOf(group[0]);
        for (uint32_t code : group) EXPECT_EQ(platformOf(code), first) << code;
    }
    EXPECT_FALSE(platformOf(0) == platformOf(146));
}

TEST(HandheldDefaults, LeavesPlanTextsImagesAndRadioTypeAlone) {
    MissionPlan plan;
    plan.planRadioType = 199;
    plan.Platform.radioType = 12345;
    setFixed(plan.name, L"name");
    setFixed(plan.Platform.AACversion, L"1.2");
    plan.Platform.eeData = {1, 2, 3};
    plan.Platform.flData = {4};
    applyHandheldDefaults(plan);
    EXPECT_EQ(std::wstring(plan.name), L"name");
    EXPECT_EQ(std::wstring(plan.Platform.AACversion), L"1.2");
    EXPECT_EQ(plan.Platform.eeData, (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(plan.Platform.flData, (std::vector<uint8_t>{4}));
    EXPECT_EQ(plan.Platform.radioType, 12345u);
    EXPECT_EQ(plan.planRadioType, 199u);
}

TEST(HandheldDefaults, PlainSectionsPerGroup) {
    for (uint32_t code : {0u, 146u, 273u}) {
        SCOPED_TRACE(code);
        HandheldPlatform constructed;
        const HandheldPlatform p = defaulted(code).Platform;
        EXPECT_EQ(constructed.TimeDateCfg.zone, 13u);
        EXPECT_EQ(p.TimeDateCfg, (TimeDateConfig{.time = 0, .zone = 8, .date = 0}));
        EXPECT_EQ(p.gpsConfig, (GpsConfig{.gpsMode = 1,
                                          .nmeaOverUsb = 0,
                                          .type = 0,
                                          .operationMode = 1,
                                          .mapDatum = 1,
                                          .positionFormat = 1,
                                          .linearUnits = 2,
                                          .angularUnits = 2,
                                          .elevationBasis = 1,
                                          .gridDigits = 10,
                                          .northing = 2}));
        EXPECT_EQ(p.accessoryConfig, constructed.accessoryConfig);
        EXPECT_EQ(p.accessoryConfig.noiseCancellation, 1u);
        EXPECT_EQ(p.accessoryConfig.micSelectMode, 2u);
        EXPECT_EQ(p.accessoryConfig.pttMode, 2u);
        EXPECT_EQ(constructed.manDownConfig.inactivityTime, 20u);
        EXPECT_EQ(constructed.manDownConfig.warningTime, 10u);
        ManDownConfig md;
        md.inactivityTime = 240;
        md.warningTime = 30;
        EXPECT_EQ(p.manDownConfig, md);
        EXPECT_EQ(p.manDownConfig.action, L"MD_EMERGENCY_CALL");

        bool classic = isClassicCode(code);
        EXPECT_EQ(p.bluetoothConfig.btMode, classic ? 0u : 1u);
        EXPECT_EQ(p.bluetoothConfig.btAdminMode, classic ? 1u : 0u);
        EXPECT_EQ(p.bluetoothConfig.friendlyName, classic ? L"MY RADIO" : L"");
        EXPECT_EQ(p.bluetoothConfig.btMITMRequired, 0u);
    }
}

TEST(HandheldDefaults, DefaultedSectionsReadBack) {
    for (uint32_t code : {0u, 199u}) {
        RadioTypeScope scope(code);
        const HandheldPlatform defaults = defaulted(code).Platform;
        HandheldPlatform p;
        ASSERT_TRUE(readAccessory(accessoryElement(defaults.accessoryConfig), p));
        ASSERT_TRUE(readManDown(manDownXml(defaults.manDownConfig), p.manDownConfig));
        EXPECT_EQ(p.accessoryConfig, defaults.accessoryConfig);
        EXPECT_EQ(p.manDownConfig, defaults.manDownConfig);
    }
}

}  // namespace
}  // namespace tarin
