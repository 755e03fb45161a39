#include <gtest/gtest.h>

#include "TarinTranslator/api/TarinTranslator.h"
#include "TarinTranslator/platform_xml/AudioMisc.h"
#include "TarinTranslator/platform_xml/Sections.h"
#include "TestSupport.h"

namespace tarin {
namespace {

using test::load;
using test::written;

// Reads `text` (one section element) with `read`, under `radioType`.
template <class Read>
bool readSection(const std::wstring& text, Read read, uint32_t radioType = 0) {
    pugi::xml_document doc;
    if (!load(doc, text)) return false;
    currentRadioType() = radioType;
    return read(doc.first_child());
}

TEST(BluetoothSection, ClassicAndExtendedForms) {
    BluetoothConfig bt{1, L"A&B", 0, 1, 0};
    auto xml = [&](uint32_t code) {
        return written([&](std::wostream& os) { writeBluetoothConfig(os, bt); }, code);
    };
    EXPECT_EQ(xml(0),
              L"<bluetoothConfig\n   btMode='ON'\n   btMITMRequired='ON'\n   btIndicatorLED='OFF'\n"
              L"   friendlyName='A&amp;B'\n   btAdminMode='OFF'\n />\n");
    EXPECT_EQ(xml(151),
              L"<bluetoothConfig\n   btMode='ON'\n   btMITMRequired='ON'\n   "
              L"btIndicatorLED='OFF'\n />\n");
    EXPECT_EQ(written([&](std::wostream& os) { writeBluetoothConfig(os, bt); }, 0, false),
              L"{ Mode: 1, Admin Mode: 0, Friendly Name: \"A&B\"}");
    EXPECT_EQ(written([&](std::wostream& os) { writeBluetoothConfig(os, bt); }, 146, false),
              L"{ Mode: 1}{ MITM: 1}");

    BluetoothConfig back;
    ASSERT_TRUE(
        readSection(xml(0), [&](pugi::xml_node n) { return readBluetoothConfig(n, back); }));
    EXPECT_EQ(back, bt);
}

TEST(BluetoothSection, ReaderRules) {
    BluetoothConfig bt;
    auto read = [&](const std::wstring& text, uint32_t code) {
        bt = BluetoothConfig{};
        return readSection(
            text, [&](pugi::xml_node n) { return readBluetoothConfig(n, bt); }, code);
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
    auto read = [&](const std::wstring& text) {
        return readSection(text, [&](pugi::xml_node n) { return readGpsConfig(n, gps); });
    };
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
    EXPECT_TRUE(readSection(L"<audioConfig noiseCancellation='bad' />", [&](pugi::xml_node n) {
        return readMobileAudioConfig(n, audio);
    })) << "without a microphone nothing is read";
    EXPECT_TRUE(
        readSection(L"<audioConfig noiseCancellation='ON' cctTimer='360' masterVolumeControl='OFF'>"
                    L"<microphone alc='ON' /></audioConfig>",
                    [&](pugi::xml_node n) { return readMobileAudioConfig(n, audio); }));
    EXPECT_EQ(audio.gain, 0);
    EXPECT_EQ(audio.cctTimer, 360u);
    EXPECT_FALSE(
        readSection(L"<audioConfig noiseCancellation='ON' cctTimer='361' masterVolumeControl='OFF'>"
                    L"<microphone alc='ON' /></audioConfig>",
                    [&](pugi::xml_node n) { return readMobileAudioConfig(n, audio); }));

    MobileMiscConfig misc;
    EXPECT_FALSE(readSection(L"<miscConfig frontFpIntensity='3' />",
                             [&](pugi::xml_node n) { return readMobileMiscConfig(n, misc); }));
    EXPECT_TRUE(readSection(
        L"<miscConfig frontFpIntensity='3' frontFpContrast='4' frontFpDayNightMode='DNM_AUTO' />",
        [&](pugi::xml_node n) { return readMobileMiscConfig(n, misc); }));
    EXPECT_EQ(misc.frontFpDayNightMode, 2u);
    EXPECT_EQ(
        written([&](std::wostream& os) { writeMobileMiscConfig(os, misc); }).find(L"DayNight"),
        std::wstring::npos);
    misc.password = std::wstring(16, L'p');
    EXPECT_FALSE(readSection(L"<miscConfig frontFpIntensity='3' frontFpContrast='4' />",
                             [&](pugi::xml_node n) { return readMobileMiscConfig(n, misc); }));

    MobileGpsConfig gps;
    EXPECT_NE(written([&](std::wostream& os) {
                  writeMobileGpsConfig(os, gps);
              }).find(L"type='EXTERNAL_GPS'"),
              std::wstring::npos)
        << "type 0 is written as the name of 1";
}

TEST(TimeDateSection, AnyZoneNameReadsAndTheFirstIsWritten) {
    TimeDateConfig td;
    EXPECT_TRUE(
        readSection(L"<TimeDateCfg time='TIME_24_HOUR_FORMAT' zone='NUT' date='ISO_DATE_FORMAT' />",
                    [&](pugi::xml_node n) { return readTimeDateConfig(n, td); }));
    EXPECT_EQ(td.zone, 2u);
    EXPECT_EQ(written([&](std::wostream& os) { writeTimeDateConfig(os, td); }),
              L"<TimeDateCfg\n   time='TIME_24_HOUR_FORMAT'\n   zone='SST'\n   "
              L"date='ISO_DATE_FORMAT'\n />\n");
    EXPECT_EQ(written([&](std::wostream& os) { writeTimeDateConfig(os, td); }, 0, false),
              L"{ time: TIME_24_HOUR_FORMAT, zone: SST, date: ISO_DATE_FORMAT }");
    EXPECT_FALSE(
        readSection(L"<TimeDateCfg time='TIME_24_HOUR_FORMAT' zone='XYZ' date='US_DATE_FORMAT' />",
                    [&](pugi::xml_node n) { return readTimeDateConfig(n, td); }));
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

    std::wstring text = written([&](std::wostream& os) { writeMobilePlatformConfig(os, r); });
    pugi::xml_document doc;
    ASSERT_TRUE(load(doc, text));
    MobilePlatformRecord back;
    ASSERT_TRUE(readMobilePlatformConfig(doc.child("platformConfig"), back));
    EXPECT_EQ(back, r);

    std::wstring summary =
        written([&](std::wostream& os) { writeMobilePlatformConfig(os, r); }, 0, false);
    EXPECT_EQ(summary.substr(0, 10), L"{\n GPS: {C");
    EXPECT_NE(summary.find(
                  L"\n Misc: { Intensity: 9Contrast: 10Button Backlight: 2Acc Keypad Backlight 1, "
                  L"Password: \"p&'<\", Maint. Password: \"m\"\u00fc>\" }"),
              std::wstring::npos);
    EXPECT_NE(
        summary.find(L"\n Audio: { Noise Cancellation: 1, ALC: 1, CCT Timer: 300, Mic Gain: -7, "
                     L"Master Vol. Control: 1}"),
        std::wstring::npos);
    EXPECT_EQ(summary.substr(summary.size() - 2), L"\n}");
}

TEST(DeviceChecks, GpsAdmitsOneTypeOneModeAndFourDatums) {
    GpsConfig gps{.operationMode = 1, .mapDatum = 1, .northing = 1};
    EXPECT_TRUE(validateGpsConfig(gps));
    for (uint32_t datum : {2u, 128u, 134u}) {
        gps.mapDatum = datum;
        EXPECT_TRUE(validateGpsConfig(gps)) << datum;
    }
    for (uint32_t datum : {0u, 3u, 127u, 234u}) {
        gps.mapDatum = datum;
        EXPECT_FALSE(validateGpsConfig(gps)) << datum;
    }
    gps.mapDatum = 1;
    gps.type = 1;
    EXPECT_FALSE(validateGpsConfig(gps));
    gps.type = 0;
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

TEST(MobilePlatform, ConstructedValuesAndDefaults) {
    MobileMissionPlan plan;
    const MobilePlatformRecord constructed = plan.MobilePlatform;
    EXPECT_EQ(constructed.TimeDateCfg.zone, 13u);
    EXPECT_EQ(constructed.gpsConfig, MobileGpsConfig{});
    EXPECT_EQ(constructed.miscConfig.frontFpDayNightMode, 0u);

    setFixed(plan.name, L"plan");
    plan.MobilePlatform.radioType = 272;
    plan.MobilePlatform.flData = {1, 2};
    applyMobileDefaults(plan);
    const MobilePlatformRecord& p = plan.MobilePlatform;
    EXPECT_EQ(p.TimeDateCfg, (TimeDateConfig{0, 8, 0}));
    EXPECT_EQ(p.gpsConfig, (MobileGpsConfig{0, 1, 1, 1, 2, 2, 1, 10, 2}));
    EXPECT_EQ(p.bluetoothConfig, (BluetoothConfig{0, L"MY RADIO", 1, 0, 0}));
    EXPECT_EQ(p.audioConfig.cctTimer, 120u);
    EXPECT_EQ(p.miscConfig.frontFpIntensity, 8u);
    EXPECT_EQ(p.miscConfig.frontFpContrast, 5u);
    EXPECT_TRUE(validateMobileAudioConfig(p.audioConfig));
    EXPECT_TRUE(validateMobileMiscConfig(p.miscConfig));
    // The plan texts, the radio type and the images stay.
    EXPECT_EQ(std::wstring(plan.name), L"plan");
    EXPECT_EQ(p.radioType, 272u);
    EXPECT_EQ(p.flData, (ByteVector{1, 2}));
}

TEST(HandheldDispatcher, StopsAtTheFirstFailureAndNeedsTimeDate) {
    HandheldPlatform p;
    p.radioType = 0;
    EXPECT_FALSE(readPlatformConfig(pugi::xml_node(), p));
    pugi::xml_document doc;
    ASSERT_TRUE(load(doc, L"<platformConfig></platformConfig>"));
    EXPECT_FALSE(readPlatformConfig(doc.child("platformConfig"), p));
    MobilePlatformRecord m;
    EXPECT_FALSE(readMobilePlatformConfig(doc.child("platformConfig"), m));
}

}  // namespace
}  // namespace tarin
