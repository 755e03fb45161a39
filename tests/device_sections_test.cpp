// The sections of the handheld and mobile platforms outside the buttons, the audio, the
// menus and the extended features: Bluetooth, GPS, time and date, the mobile sections,
// accessoryConfig and manDownConfig, networkConfig; the defaults as records.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cwchar>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "Samples.h"
#include "TarinTranslator/api/TarinTranslator.h"
#include "TarinTranslator/platform_xml/AudioMisc.h"
#include "TarinTranslator/platform_xml/Sections.h"
#include "TestSupport.h"

namespace tarin {
namespace {

using test::load;
using test::textOf;
using test::written;

// Reads `text` (one section element) into `target` with `read`, under `radioType`.
template <class T>
bool readSection(const std::wstring& text, bool (*read)(pugi::xml_node, T&), T& target,
                 uint32_t radioType = 0) {
    currentRadioType() = radioType;
    return test::readFrom(text, read, target);
}

// The defaults documents pin the XML of both forms, the mobile summary the classic one.
TEST(BluetoothSection, SummariesAndReaderRules) {
    BluetoothConfig bt{1, L"A&B", 0, 1, 0};
    EXPECT_EQ(textOf(writeBluetoothConfig, bt, 146, false), L"{ Mode: 1}{ MITM: 1}");

    auto read = [&](const std::wstring& attrs, uint32_t code) {
        bt = BluetoothConfig{};
        return readSection(L"<bluetoothConfig " + attrs + L"/>", readBluetoothConfig, bt, code);
    };
    EXPECT_TRUE(read(L"btMode='ON' friendlyName='r'", 0) && bt.btAdminMode == 1u)
        << "a missing btAdminMode takes btMode";
    EXPECT_TRUE(read(L"btMode='OFF' friendlyName='x' btAdminMode='bad'", 146))
        << "extended codes skip friendlyName and btAdminMode";
    EXPECT_EQ(bt.friendlyName, L"");
    EXPECT_FALSE(read(L"btMode='ON' friendlyName='" + std::wstring(40, L'n') + L"'", 0));
    EXPECT_TRUE(read(L"btMode='ON' friendlyName='" + std::wstring(39, L'n') + L"'", 0));
    EXPECT_FALSE(read(L"btMode='ON' friendlyName=''", 0));
    EXPECT_FALSE(read(L"btMode='on'", 146));
}

TEST(MobileSections, ReaderRules) {
    MobileAudioConfig audio;
    EXPECT_TRUE(
        readSection(L"<audioConfig noiseCancellation='bad' />", readMobileAudioConfig, audio))
        << "without a microphone nothing is read";
    auto withTimer = [](const wchar_t* cctTimer) {
        return std::wstring(L"<audioConfig noiseCancellation='ON' cctTimer='") + cctTimer +
               L"' masterVolumeControl='OFF'><microphone alc='ON' /></audioConfig>";
    };
    EXPECT_TRUE(readSection(withTimer(L"360"), readMobileAudioConfig, audio));
    EXPECT_EQ(std::pair(audio.gain, audio.cctTimer), std::pair(0, 360u));
    EXPECT_FALSE(readSection(withTimer(L"361"), readMobileAudioConfig, audio));

    MobileMiscConfig misc;
    EXPECT_FALSE(readSection(L"<miscConfig frontFpIntensity='3' />", readMobileMiscConfig, misc));
    EXPECT_TRUE(readSection(
        L"<miscConfig frontFpIntensity='3' frontFpContrast='4' frontFpDayNightMode='DNM_AUTO' />",
        readMobileMiscConfig, misc));
    EXPECT_EQ(misc.frontFpDayNightMode, 2u);
    EXPECT_EQ(textOf(writeMobileMiscConfig, misc).find(L"DayNight"), std::wstring::npos);
    misc.password = std::wstring(16, L'p');
    EXPECT_FALSE(readSection(L"<miscConfig frontFpIntensity='3' frontFpContrast='4' />",
                             readMobileMiscConfig, misc));
}

TEST(TimeDateSection, AnyZoneNameReadsAndTheFirstIsWritten) {
    TimeDateConfig td;
    EXPECT_TRUE(
        readSection(L"<TimeDateCfg time='TIME_24_HOUR_FORMAT' zone='NUT' date='ISO_DATE_FORMAT' />",
                    readTimeDateConfig, td));
    EXPECT_EQ(td.zone, 2u);
    EXPECT_EQ(textOf(writeTimeDateConfig, td, 0, false),
              L"{ time: TIME_24_HOUR_FORMAT, zone: SST, date: ISO_DATE_FORMAT }");
}

TEST(MobilePlatform, SummaryAndRoundTripOfEveryField) {
    MobilePlatformRecord r;
    r.radioType = 0;
    r.gpsConfig = {1, 2, 128, 4, 1, 1, 0, 42, 3};
    r.audioConfig = {1, 1, 300, -7, 1};
    r.bluetoothConfig = {1, L"\u00c9l'\"<&>", 0, 1, 1};
    r.miscConfig = {9, 10, L"p&'<", L"m\"\u00fc>", 2, 1, 0};
    r.TimeDateCfg = {3, 27, 1};

    MobilePlatformRecord back;
    ASSERT_TRUE(readSection(textOf(writeMobilePlatformConfig, r), readMobilePlatformConfig, back));
    EXPECT_EQ(back, r);

    EXPECT_EQ(textOf(writeMobilePlatformConfig, r, 0, false),
              L"{\n GPS: {Config Type: EXTERNAL_GPS, Op Mode: EXTERNAL, Map Datum: DATUM_NAR_C, "
              L"Position Format: LAT_LONG_DD, Linear Units: NAUTICAL, Angular Units: MILS, "
              L"Elevation Basis: DATUM, Grid Digits: 42, Northing: MAGNETIC}\n Audio: { Noise "
              L"Cancellation: 1, ALC: 1, CCT Timer: 300, Mic Gain: -7, Master Vol. Control: 1}\n "
              L"Bluetooth: { Mode: 1, Admin Mode: 0, Friendly Name: \"\u00c9l'\"<&>\"}\n Misc: { "
              L"Intensity: 9Contrast: 10Button Backlight: 2Acc Keypad Backlight 1, Password: "
              L"\"p&'<\", Maint. Password: \"m\"\u00fc>\" }\n TimeDate: { time: "
              L"TIME_24_DATE_TOGGLE_FORMAT, zone: LINT, date: ISO_DATE_FORMAT }\n}");
}

// The handheld reader needs gpsMode, nmeaOverUsb is optional. The handheld GPS admits one
// type, one mode and four datums; the mobile GPS leaves the datum alone, and the mobile
// misc check the day/night mode.
TEST(GpsSection, ReaderAndChecksOfBothPlatforms) {
    const std::wstring text =
        L"<gpsConfig gpsMode='ON' type='INTERNAL_GPS' operationMode='INTERNAL' "
        L"mapDatum='DATUM_WGD' "
        L"positionFormat='MGRS' linearUnits='METRIC' angularUnits='MILS' elevationBasis='DATUM' "
        L"gridDigits='99' northing='GRID' />";
    GpsConfig read;
    read.nmeaOverUsb = 1;
    EXPECT_TRUE(readSection(text, readGpsConfig, read));
    EXPECT_EQ(std::pair(read.nmeaOverUsb, read.positionFormat), std::pair(1u, 3u));
    for (auto [from, to] : {std::pair{L"'GRID'", L"'NONE'"},
                            {L"'DATUM_WGD'", L"'DATUM_NONE'"},
                            {L"'99'", L"'100'"},
                            {L" gpsMode='ON'", L""}}) {
        std::wstring bad = text;
        EXPECT_FALSE(
            readSection(bad.replace(bad.find(from), wcslen(from), to), readGpsConfig, read))
            << toUtf8(to);
    }
    EXPECT_FALSE(readSection(L"<other />", readGpsConfig, read)) << "a missing gpsConfig fails";

    const GpsConfig good{.operationMode = 1, .mapDatum = 1, .northing = 1};
    const std::pair<uint32_t, bool> datums[] = {{1, true},  {2, true},  {128, true},  {134, true},
                                                {0, false}, {3, false}, {127, false}, {234, false}};
    for (auto [datum, admitted] : datums) {
        GpsConfig gps = good;
        gps.mapDatum = datum;
        EXPECT_EQ(validateGpsConfig(gps), admitted) << datum;
    }
    GpsConfig gps = good, mode = good;
    gps.type = 1;
    mode.operationMode = 2;
    EXPECT_FALSE(validateGpsConfig(gps) || validateGpsConfig(mode));

    MobileGpsConfig mobile{.type = 1, .operationMode = 3, .mapDatum = 234, .northing = 4};
    EXPECT_TRUE(validateMobileGpsConfig(mobile));
    mobile.type = 2;  // UNKNOWN_GPS
    EXPECT_FALSE(validateMobileGpsConfig(mobile));
    mobile.type = 0;
    mobile.northing = 0;
    EXPECT_FALSE(validateMobileGpsConfig(mobile));

    MobileMiscConfig misc;
    misc.frontFpIntensity = misc.frontFpContrast = 10;
    misc.frontFpDayNightMode = 7;
    misc.password = std::wstring(15, L'p');
    EXPECT_TRUE(validateMobileMiscConfig(misc));
    misc.buttonBacklight = 3;
    EXPECT_FALSE(validateMobileMiscConfig(misc));
}

TEST(DeviceChecks, MobileAudioChecksItsUnwrittenFieldsByPosition) {
    MobileAudioConfig audio;
    EXPECT_TRUE(validateMobileAudioConfig(audio));
    // Fields 6 to 19; the eighth of them (field 13) admits -16 to 16.
    const int32_t lowest[14] = {-12, -12, 0, 0, 0, 0, -12, -16, 0, -12, 0, 0, -12, 0};
    const int32_t highest[14] = {12, 12, 12, 12, 1, 12, 12, 16, 1, 12, 12, 1, 12, 12};
    for (std::size_t i = 0; i < 14; ++i) {
        SCOPED_TRACE(i + 6);
        for (int32_t edge : {lowest[i], highest[i]}) {
            audio.reserved[i] = edge;
            EXPECT_TRUE(validateMobileAudioConfig(audio));
        }
        for (int32_t beyond : {lowest[i] - 1, highest[i] + 1}) {
            audio.reserved[i] = beyond;
            EXPECT_FALSE(validateMobileAudioConfig(audio));
        }
        audio.reserved[i] = 0;
    }
}

// The mobile defaults the defaults text does not show: the GPS type (INTERNAL_GPS is
// written as EXTERNAL_GPS) and the unwritten audio and misc fields, which pass their checks.
// Either defaults leave the plan texts, the images, the radio type and, for the handheld,
// list entries alone; plain fields are overwritten.
TEST(Defaults, LeavePlanTextsImagesRadioTypeAndListEntriesAlone) {
    MobileMissionPlan mobile;
    setFixed(mobile.name, L"plan");
    mobile.MobilePlatform.radioType = 272;
    mobile.MobilePlatform.flData = {1, 2};
    applyMobileDefaults(mobile);
    const MobilePlatformRecord& m = mobile.MobilePlatform;
    EXPECT_EQ(m.gpsConfig, (MobileGpsConfig{0, 1, 1, 1, 2, 2, 1, 10, 2}));
    EXPECT_TRUE(validateMobileAudioConfig(m.audioConfig) && validateMobileMiscConfig(m.miscConfig));
    EXPECT_EQ(std::tuple(std::wstring(mobile.name), m.radioType, m.flData),
              std::tuple(L"plan", 272u, ByteVector{1, 2}));

    MissionPlan plan;
    plan.planRadioType = 151;
    plan.Platform.radioType = 12345;
    setFixed(plan.name, L"name");
    setFixed(plan.Platform.AACversion, L"1.2");
    plan.Platform.eeData = {1, 2, 3};
    plan.Platform.progBtns[23].opcode = 7;
    plan.Platform.networkConfig.WMM[1].CWMin = 9;
    plan.Platform.progSwitches.switches[1] = {{0, {.opcode = 3, .param = L"x", .VAFileIndex = 0}}};
    plan.Platform.gpsConfig.gridDigits = 4;
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

TEST(Dispatchers, NeedTheirElementAndItsSections) {
    HandheldPlatform p;
    MobilePlatformRecord m;
    EXPECT_FALSE(readPlatformConfig(pugi::xml_node(), p));
    EXPECT_FALSE(test::readFrom(L"<platformConfig/>", readPlatformConfig, p));
    EXPECT_FALSE(test::readFrom(L"<platformConfig/>", readMobilePlatformConfig, m));
}

// ---- accessoryConfig and manDownConfig ------------------------------------------------

bool readAccessory(const std::wstring& text, HandheldPlatform& p) {
    return test::readFrom(text, readAccessoryConfig, p);
}

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

    // The voice annunciation takes its base from the text: the value read, or -1 where the
    // read fails.
    currentRadioType() = 146;
    const std::pair<const wchar_t*, int64_t> cases[] = {
        {L"0x10", 16},   {L"010", 8}, {L"5000", 5000},     {L"", 0}, {L" 12abc", 12}, {L"5001", -1},
        {L"0x1389", -1}, {L"-1", -1}, {L"99999999999", -1}};
    for (auto [text, value] : cases) {
        HandheldPlatform r;
        const std::wstring doc =
            L"<accessoryConfig frsmFailureVoiceAnnunciation='" + std::wstring(text) + L"'/>";
        EXPECT_EQ(readAccessory(doc, r), value >= 0) << toUtf8(text);
        EXPECT_TRUE(value < 0 || r.accessoryConfig.frsmFailureVoiceAnnunciation == value)
            << toUtf8(text);
    }
}

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

// ---- networkConfig ---------------------------------------------------------------------

constexpr uint32_t kHazard = 199;
constexpr uint32_t kVrMobile = 272;

NetworkConfig defaultsFor(uint32_t code) {
    return test::defaulted(code).networkConfig;
}

std::wstring networkText(const NetworkConfig& net, uint32_t code, bool xml = true) {
    return written([&](std::wostream& os) { writeNetworkConfig(os, net); }, code, xml);
}

// Reads the children `inner` of a networkConfig element into `net` under `code`.
bool readInto(NetworkConfig& net, const std::wstring& inner, uint32_t code = kHazard) {
    currentRadioType() = code;
    return test::readFrom(L"<networkConfig>" + inner + L"</networkConfig>", readNetworkConfig, net);
}

// The XML of the defaults is pinned by the defaults documents; the summary shows the Wi-Fi
// client and the services, texts raw.
TEST(NetworkSection, Summary) {
    EXPECT_EQ(
        networkText(defaultsFor(kVrMobile), kVrMobile, false),
        L"{wifiCfg: 1, wpaSuppMode: 1   protocol='2'\n   ssid='corvanradios'\n"
        L"   pass='kestrels'\n   priority='0'\n    />\n{wifiCfg: 0, serviceName: corvanradio, "
        L"port: 4951, ndMode: 1, qdNetCfg port: 4951, qdNetMode: 1, asciiNetCfg port: 4952, "
        L"asciiNetMode: 0, cssNetCfg port: 4953, cssNetMode: 1, ftpCfg port: 21, ftpMode: 0, "
        L"domain: corvanradiodomain, netSaCfg port: 18088, vchDiscoveryCfg port: 61010, "
        L"chMinPort port: 61001, chPort2 port: 61002, chPort3 port: 61003, chPort4 port: "
        L"61004, chMaxPort port: 61005}");
    EXPECT_NE(
        networkText(test::filledNetwork(), kHazard, false).find(L", serviceName: svc <&'\"> "),
        std::wstring::npos);
}

// Whether RouterConfig, wifiAPCfg and DhcpServerCfg are written, by the code, AddressSpace,
// securityType and passphrase.
TEST(NetworkSection, RouterAccessPointAndDhcpServerGates) {
    // clang-format off
    const std::tuple<uint32_t, int32_t, uint32_t, const wchar_t*, std::array<bool, 3>> cases[] = {
        {kHazard, 0, 1, L"", {false, true, false}},   // Personal without passphrase
        {kHazard, -1, 0, L"", {true, false, false}},  // Enterprise without passphrase
        {kVrMobile, 1, 0, L"p", {true, true, true}},  // Enterprise with passphrase
        {kVrMobile, 0, 2, L"", {false, true, true}},
    };
    // clang-format on
    const wchar_t* elements[] = {L"<RouterConfig", L"<wifiAPCfg>", L"<DhcpServerCfg"};
    for (const auto& [code, addressSpace, securityType, passphrase, expected] : cases) {
        NetworkConfig net = defaultsFor(code);
        net.DHCPServer.AddressSpace = addressSpace;
        net.wifiAPCfg.securityType = securityType;
        net.wifiAPCfg.passphrase = passphrase;
        const std::wstring text = networkText(net, code);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(text.find(elements[i]) != std::wstring::npos, expected[i]) << toUtf8(text);
    }
}

// The defaults after reading `inner` differ from them by `change` and the APN list, which
// no APN child empties: an element that is missing leaves its fields, a list whose parent is
// present is replaced, and values that do not convert leave their field.
TEST(NetworkSection, ReaderIsTolerantAndReplacesListsWhoseParentIsPresent) {
    // A missing text child of wifiAPCfg is empty text, which security and encryption name.
    auto apTextsEmpty = [](NetworkConfig& n) {
        WifiApConfig& ap = n.wifiAPCfg;
        ap.radius_server = ap.radius_port = ap.passphrase = ap.ssid = ap.country_code = L"";
        ap.security = ap.encryption = 0;
        n.WMM.clear();
    };
    const struct {
        const wchar_t* inner;
        std::function<void(NetworkConfig&)> change;
    } cases[] = {
        {L"", [](NetworkConfig&) {}},
        {L"<RouterConfig/>",
         [](NetworkConfig& n) {
             n.portForwarding.clear();
             n.MACReservation.clear();
             n.PrimaryDNS = n.SecondaryDNS = L"";
         }},
        {L"<wifiAPCfg><numberOfStations>11</numberOfStations><Channel number='166'/>"
         L"<shortGI>on</shortGI><mode>g</mode></wifiAPCfg>",
         [&](NetworkConfig& n) {
             apTextsEmpty(n);
             n.wifiAPCfg.shortGI = n.wifiAPCfg.mode = 1;
             n.Channel.number = 0;
         }},
        {L"<wifiAPCfg><numberOfStations>10</numberOfStations><WMM option='AC_VI' CWMin='1' "
         L"CWMax='1023' AIFSN='8' TXOPLimit='188' ACM='1'/><WMM CWMin='15'/></wifiAPCfg>",
         [&](NetworkConfig& n) {
             apTextsEmpty(n);
             n.wifiAPCfg.numberOfStations = 10;
             n.WMM = {{0, {.option = 2, .CWMax = 1023, .TXOPLimit = 188}}, {1, {.CWMin = 15}}};
         }},
        // The last wpa decides; absent attributes take their default texts, and a protocol
        // out of range leaves its field.
        {L"<wifiCfg wifiMode='OFF'><wpa><wpaItem ssid='first'/></wpa>"
         L"<wpa wpaSuppMode='OFF'><wpaItem ssid='s' protocol='4'/><wpaItem protocol='5' "
         L"cacertfilename=''/></wpa></wifiCfg>",
         [](NetworkConfig& n) {
             n.wifiCfg.wifiMode = n.wpa.wpaSuppMode = 0;
             n.wpaItem = {{0, {}}, {1, {}}};
             n.wpaItem[0].protocol = 4;
             n.wpaItem[0].ssid = L"s";
             n.wpaItem[1].cacertfilename = L"";
         }},
        // netSaCfg has no mode attribute.
        {L"<networkServiceCfg><netDiscoveryCfg ndMode='2' port='65535'/>"
         L"<qdNetCfg port='65536' qdNetMode='OFF'/><ftpCfg port='-1'/>"
         L"<netSaCfg port='0' netSaCfgMode='ON'/><chPort2 port='7' chPort2Mode='OFF'/>"
         L"<chPort3 chPort3Mode='bad'/><vchDiscoveryCfg vchDiscoveryCfgMode='OFF'/>"
         L"</networkServiceCfg>",
         [](NetworkConfig& n) {
             n.netDiscoveryCfg.port = 65535;
             n.qdNetCfg.mode = n.netSaCfg.port = n.netSaCfg.mode = n.chPort2.mode = 0;
             n.chPort2.port = 7;
             n.vchDiscoveryCfg.mode = 0;
         }},
    };
    const NetworkConfig d = defaultsFor(kHazard);
    for (const auto& c : cases) {
        NetworkConfig net = d, expected = d;
        expected.APN.clear();
        c.change(expected);
        EXPECT_TRUE(readInto(net, c.inner));
        EXPECT_EQ(net, expected) << toUtf8(c.inner);
    }
}

TEST(NetworkSection, CheckCoversTheTenModeSwitches) {
    for (int i = 0; i < 10; ++i) {
        NetworkConfig n = defaultsFor(kHazard);
        uint32_t* checked[] = {&n.wifiCfg.wifiMode,       &n.wpa.wpaSuppMode,
                               &n.ndisCfg.ndisMode,       &n.netDiscoveryCfg.ndMode,
                               &n.qdNetCfg.mode,          &n.asciiNetCfg.mode,
                               &n.cssNetCfg.mode,         &n.ftpCfg.mode,
                               &n.wifiCfg.ccmControlWifi, &n.CCM.AlwaysPowerOnCCM};
        *checked[i] = 2;
        EXPECT_FALSE(readInto(n, L"")) << i;
    }
    NetworkConfig net = defaultsFor(kHazard);
    net.chPort2.mode = net.netSaCfg.mode = net.LTEConfig.enabled = net.DMZ.enable = 2;
    EXPECT_TRUE(readInto(net, L""));
    net.ndisCfg.ndisMode = 2;
    EXPECT_TRUE(readInto(net, L"<ndisCfg ndisMode='OFF'/>"));
}

// The defaulted record holds valid modes, so whatever values the text holds the read
// succeeds.
TEST(NetworkSection, AnyValuesReadOverValidModes) {
    std::wstring text = networkText(defaultsFor(kVrMobile), kVrMobile);
    for (const wchar_t* from : {L"'4951'", L"'ON'", L"'OFF'", L"'0'", L"'auto'"}) {
        for (std::size_t at; (at = text.find(from)) != std::wstring::npos;)
            text.replace(at, wcslen(from), L"\"99999999999999999999 \u00e9\x01\"");
    }
    NetworkConfig net = defaultsFor(kVrMobile);
    EXPECT_TRUE(readInto(net, text, kVrMobile));
}

}  // namespace
}  // namespace tarin
