#include <gtest/gtest.h>

#include <tuple>

#include "TarinTranslator/api/TarinTranslator.h"
#include "TarinTranslator/platform_xml/AudioMisc.h"
#include "TarinTranslator/platform_xml/Sections.h"
#include "TestSupport.h"

namespace tarin {
namespace {

using test::textOf;

// Reads `text` (one section element) into `target` with `read`, under `radioType`.
template <class T>
bool readSection(const std::wstring& text, bool (*read)(pugi::xml_node, T&), T& target,
                 uint32_t radioType = 0) {
    currentRadioType() = radioType;
    return test::readFrom(text, read, target);
}

// The defaults documents pin the XML of both forms.
TEST(BluetoothSection, SummariesAndReaderRules) {
    BluetoothConfig bt{1, L"A&B", 0, 1, 0};
    EXPECT_EQ(textOf(writeBluetoothConfig, bt, 0, false),
              L"{ Mode: 1, Admin Mode: 0, Friendly Name: \"A&B\"}");
    EXPECT_EQ(textOf(writeBluetoothConfig, bt, 146, false), L"{ Mode: 1}{ MITM: 1}");

    auto read = [&](const std::wstring& attrs, uint32_t code) {
        bt = BluetoothConfig{};
        return readSection(L"<bluetoothConfig " + attrs + L"/>", readBluetoothConfig, bt, code);
    };
    EXPECT_TRUE(read(L"btMode='ON' friendlyName='r'", 0));
    EXPECT_EQ(bt.btAdminMode, 1u) << "a missing btAdminMode takes btMode";
    EXPECT_TRUE(read(L"btMode='OFF' friendlyName='x' btAdminMode='bad'", 146))
        << "extended codes skip friendlyName and btAdminMode";
    EXPECT_EQ(bt.friendlyName, L"");
    EXPECT_FALSE(read(L"btMode='ON' friendlyName='" + std::wstring(40, L'n') + L"'", 0));
    EXPECT_TRUE(read(L"btMode='ON' friendlyName='" + std::wstring(39, L'n') + L"'", 0));
    EXPECT_FALSE(read(L"btMode='ON' friendlyName=''", 0));
    EXPECT_FALSE(read(L"btMode='on'", 146));
}

TEST(GpsSection, HandheldReaderAndChecks) {
    const std::wstring good =
        L"<gpsConfig gpsMode='ON' type='INTERNAL_GPS' operationMode='INTERNAL' "
        L"mapDatum='DATUM_WGD' "
        L"positionFormat='MGRS' linearUnits='METRIC' angularUnits='MILS' elevationBasis='DATUM' "
        L"gridDigits='99' northing='GRID' />";
    GpsConfig gps;
    gps.nmeaOverUsb = 1;
    auto read = [&](const std::wstring& text) { return readSection(text, readGpsConfig, gps); };
    EXPECT_TRUE(read(good));
    EXPECT_EQ(gps.nmeaOverUsb, 1u) << "nmeaOverUsb is optional";
    EXPECT_EQ(gps.positionFormat, 3u);
    auto with = [&](const std::wstring& from, const std::wstring& to) {
        std::wstring t = good;
        return t.replace(t.find(from), from.size(), to);
    };
    EXPECT_FALSE(read(with(L"'GRID'", L"'NONE'")));
    EXPECT_FALSE(read(with(L"'DATUM_WGD'", L"'DATUM_NONE'")));
    EXPECT_TRUE(read(with(L"'DATUM_WGD'", L"'DATUM_NAS_C'")));
    EXPECT_FALSE(read(with(L"'99'", L"'100'")));
    EXPECT_FALSE(read(with(L" gpsMode='ON'", L"")));
    EXPECT_FALSE(read(L"<other />")) << "a missing gpsConfig fails";
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
    EXPECT_EQ(audio.gain, 0);
    EXPECT_EQ(audio.cctTimer, 360u);
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

    EXPECT_NE(textOf(writeMobileGpsConfig, MobileGpsConfig{}).find(L"type='EXTERNAL_GPS'"),
              std::wstring::npos)
        << "type 0 is written as the name of 1";
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

TEST(MobilePlatform, DefaultsTextIsExact) {
    // clang-format off
    EXPECT_EQ(mobileDefaults(),
        L"<platformConfig>\n<gpsConfig\n   type='EXTERNAL_GPS'\n   operationMode='INTERNAL'\n"
        L"   mapDatum='DATUM_WGD'\n   positionFormat='LAT_LONG_DMS'\n   linearUnits='STATUTE'\n"
        L"   angularUnits='CARDINAL'\n   elevationBasis='SEA_LEVEL'\n   gridDigits='10'\n"
        L"   northing='TRUE'\n />\n<audioConfig\n   noiseCancellation='OFF'\n   cctTimer='120'\n"
        L"   masterVolumeControl='OFF'\n >\n   <microphone\n      alc='OFF'\n      gain='0'\n"
        L"    />\n</audioConfig>\n<bluetoothConfig\n   btMode='OFF'\n   btMITMRequired='OFF'\n"
        L"   btIndicatorLED='OFF'\n   friendlyName='MY RADIO'\n   btAdminMode='ON'\n />\n"
        L"<miscConfig\n   frontFpIntensity='8'\n   frontFpContrast='5'\n   buttonBacklight="
        L"'BBL_OFF'\n   accKeypadBacklight='OFF'\n />\n<TimeDateCfg\n   time='TIME_12_HOUR_FORMAT'"
        L"\n   zone='EST'\n   date='US_DATE_FORMAT'\n />\n</platformConfig>\n");
    // clang-format on
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

// The handheld GPS admits one type, one mode and four datums; the mobile GPS leaves the
// datum alone, and the mobile misc check the day/night mode.
TEST(DeviceChecks, GpsAndMobileChecks) {
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

// The defaults the mobile defaults text does not show: the GPS type (INTERNAL_GPS is written
// as EXTERNAL_GPS) and the unwritten audio and misc fields, which pass their checks.
TEST(MobilePlatform, DefaultsBeyondTheTextLeavePlanTextsAndImages) {
    MobileMissionPlan plan;
    setFixed(plan.name, L"plan");
    plan.MobilePlatform.radioType = 272;
    plan.MobilePlatform.flData = {1, 2};
    applyMobileDefaults(plan);
    const MobilePlatformRecord& p = plan.MobilePlatform;
    EXPECT_EQ(p.gpsConfig, (MobileGpsConfig{0, 1, 1, 1, 2, 2, 1, 10, 2}));
    EXPECT_TRUE(validateMobileAudioConfig(p.audioConfig) && validateMobileMiscConfig(p.miscConfig));
    EXPECT_EQ(std::wstring(plan.name), L"plan");
    EXPECT_EQ(std::tie(p.radioType, p.flData), std::tuple(272u, ByteVector{1, 2}));
}

TEST(Dispatchers, NeedTheirElementAndItsSections) {
    HandheldPlatform p;
    MobilePlatformRecord m;
    EXPECT_FALSE(readPlatformConfig(pugi::xml_node(), p));
    EXPECT_FALSE(test::readFrom(L"<platformConfig/>", readPlatformConfig, p));
    EXPECT_FALSE(test::readFrom(L"<platformConfig/>", readMobilePlatformConfig, m));
}

}  // namespace
}  // namespace tarin
