#include <gtest/gtest.h>

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
TEST(BluetoothSection, ClassicAndExtendedSummaries) {
    BluetoothConfig bt{1, L"A&B", 0, 1, 0};
    EXPECT_EQ(textOf(writeBluetoothConfig, bt, 0, false),
              L"{ Mode: 1, Admin Mode: 0, Friendly Name: \"A&B\"}");
    EXPECT_EQ(textOf(writeBluetoothConfig, bt, 146, false), L"{ Mode: 1}{ MITM: 1}");
}

TEST(BluetoothSection, ReaderRules) {
    BluetoothConfig bt;
    auto read = [&](const std::wstring& text, uint32_t code) {
        bt = BluetoothConfig{};
        return readSection(text, readBluetoothConfig, bt, code);
    };
    EXPECT_TRUE(read(L"<bluetoothConfig btMode='ON' friendlyName='r' />", 0));
    EXPECT_EQ(bt.btAdminMode, 1u) << "a missing btAdminMode takes btMode";
    EXPECT_TRUE(read(L"<bluetoothConfig btMode='OFF' friendlyName='x' btAdminMode='bad' />", 146))
        << "extended codes skip friendlyName and btAdminMode";
    EXPECT_EQ(bt.friendlyName, L"");
    EXPECT_FALSE(
        read(L"<bluetoothConfig btMode='ON' friendlyName='" + std::wstring(40, L'n') + L"' />", 0));
    EXPECT_TRUE(
        read(L"<bluetoothConfig btMode='ON' friendlyName='" + std::wstring(39, L'n') + L"' />", 0));
    EXPECT_FALSE(read(L"<bluetoothConfig btMode='ON' friendlyName='' />", 0));
    EXPECT_FALSE(read(L"<bluetoothConfig btMode='on' />", 146));
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
    EXPECT_FALSE(
        readSection(L"<TimeDateCfg time='TIME_24_HOUR_FORMAT' zone='XYZ' date='US_DATE_FORMAT' />",
                    readTimeDateConfig, td));
}

TEST(MobilePlatform, DefaultsTextIsExact) {
    EXPECT_EQ(
        mobileDefaults(),
        L"<platformConfig>\n"
        L"<gpsConfig\n   type='EXTERNAL_GPS'\n   operationMode='INTERNAL'\n   "
        L"mapDatum='DATUM_WGD'\n"
        L"   positionFormat='LAT_LONG_DMS'\n   linearUnits='STATUTE'\n   angularUnits='CARDINAL'\n"
        L"   elevationBasis='SEA_LEVEL'\n   gridDigits='10'\n   northing='TRUE'\n />\n"
        L"<audioConfig\n   noiseCancellation='OFF'\n   cctTimer='120'\n   "
        L"masterVolumeControl='OFF'\n >\n"
        L"   <microphone\n      alc='OFF'\n      gain='0'\n    />\n</audioConfig>\n"
        L"<bluetoothConfig\n   btMode='OFF'\n   btMITMRequired='OFF'\n   btIndicatorLED='OFF'\n"
        L"   friendlyName='MY RADIO'\n   btAdminMode='ON'\n />\n"
        L"<miscConfig\n   frontFpIntensity='8'\n   frontFpContrast='5'\n   "
        L"buttonBacklight='BBL_OFF'\n"
        L"   accKeypadBacklight='OFF'\n />\n"
        L"<TimeDateCfg\n   time='TIME_12_HOUR_FORMAT'\n   zone='EST'\n   date='US_DATE_FORMAT'\n "
        L"/>\n"
        L"</platformConfig>\n");
}

TEST(MobilePlatform, SummaryAndRoundTripOfEveryField) {
    MobilePlatformRecord r;
    r.radioType = 0;
    r.gpsConfig = {1, 2, 128, 4, 1, 1, 0, 42, 3};
    r.audioConfig.noiseCancellation = 1;
    r.audioConfig.alc = 1;
    r.audioConfig.cctTimer = 300;
    r.audioConfig.gain = -7;
    r.audioConfig.masterVolumeControl = 1;
    r.bluetoothConfig = {1, L"\u00c9l'\"<&>", 0, 1, 1};
    r.miscConfig = {9, 10, L"p&'<", L"m\"\u00fc>", 2, 1, 0};
    r.TimeDateCfg = {3, 27, 1};

    MobilePlatformRecord back;
    ASSERT_TRUE(readSection(textOf(writeMobilePlatformConfig, r), readMobilePlatformConfig, back));
    EXPECT_EQ(back, r);

    const std::wstring summary = textOf(writeMobilePlatformConfig, r, 0, false);
    EXPECT_EQ(summary.substr(0, 10), L"{\n GPS: {C");
    EXPECT_NE(summary.find(
                  L"\n Misc: { Intensity: 9Contrast: 10Button Backlight: 2Acc Keypad Backlight 1, "
                  L"Password: \"p&'<\", Maint. Password: \"m\"\u00fc>\" }"),
              std::wstring::npos);
    EXPECT_NE(
        summary.find(L"\n Audio: { Noise Cancellation: 1, ALC: 1, CCT Timer: 300, Mic Gain: -7, "
                     L"Master Vol. Control: 1}"),
        std::wstring::npos);
    EXPECT_NE(summary.find(L"\n TimeDate: { time: "), std::wstring::npos);
    EXPECT_EQ(summary.substr(summary.size() - 2), L"\n}");
}

TEST(DeviceChecks, GpsAdmitsOneTypeOneModeAndFourDatums) {
    const GpsConfig good{.operationMode = 1, .mapDatum = 1, .northing = 1};
    const std::pair<uint32_t, bool> datums[] = {{1, true},  {2, true},  {128, true},  {134, true},
                                                {0, false}, {3, false}, {127, false}, {234, false}};
    for (auto [datum, admitted] : datums) {
        GpsConfig gps = good;
        gps.mapDatum = datum;
        EXPECT_EQ(validateGpsConfig(gps), admitted) << datum;
    }
    GpsConfig gps = good;
    gps.type = 1;
    EXPECT_FALSE(validateGpsConfig(gps));
    gps = good;
    gps.operationMode = 2;
    EXPECT_FALSE(validateGpsConfig(gps));
}

TEST(DeviceChecks, MobileGpsLeavesTheDatumAlone) {
    MobileGpsConfig gps{.type = 1, .operationMode = 3, .mapDatum = 234, .northing = 4};
    EXPECT_TRUE(validateMobileGpsConfig(gps));
    gps.type = 2;  // UNKNOWN_GPS
    EXPECT_FALSE(validateMobileGpsConfig(gps));
    gps.type = 0;
    gps.northing = 0;
    EXPECT_FALSE(validateMobileGpsConfig(gps));
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

TEST(DeviceChecks, MobileMiscLeavesDayNightModeAlone) {
    MobileMiscConfig misc;
    misc.frontFpIntensity = misc.frontFpContrast = 10;
    misc.frontFpDayNightMode = 7;
    misc.password = std::wstring(15, L'p');
    EXPECT_TRUE(validateMobileMiscConfig(misc));
    misc.buttonBacklight = 3;
    EXPECT_FALSE(validateMobileMiscConfig(misc));
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
    EXPECT_TRUE(validateMobileAudioConfig(p.audioConfig));
    EXPECT_TRUE(validateMobileMiscConfig(p.miscConfig));
    EXPECT_EQ(std::wstring(plan.name), L"plan");
    EXPECT_EQ(p.radioType, 272u);
    EXPECT_EQ(p.flData, (ByteVector{1, 2}));
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
