// The sections of the extended platforms: PowerUpOptions, PINConfig, overrides, status
// icons, menuConfig and AliasList, and those written after the keys: eioOutputCfg, DNP3Cfg,
// SerTnlCfg, KeystoreConfig, ECiTCfg, hazardConfig, selfCheckConfig, ICS, logEventsConfig,
// SystemConfig, VRMobileConfig and VideoSettingsConfig.

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <tuple>
#include <vector>

#include "Samples.h"
#include "TarinTranslator/platform_xml/Sections.h"
#include "TestSupport.h"

namespace tarin {
namespace {

using test::defaulted;
using test::kEscaped;
using test::kSpecial;
using test::load;
using test::readFrom;
using test::repeated;
using test::sampleRecord;
using test::written;

constexpr uint32_t kCodes[] = {146, 151};  // a hazard and a VR-mobile code

// Every section here by its element: writer and reader over the whole record.
struct Section {
    const char* element;
    std::function<void(std::wostream&, const HandheldPlatform&)> write;
    std::function<bool(pugi::xml_node, HandheldPlatform&)> read;
};
#define SECTION(element, write, read, field)                                               \
    Section {                                                                              \
        element, [](std::wostream& os, const HandheldPlatform& p) { write(os, p.field); }, \
            [](pugi::xml_node n, HandheldPlatform& p) { return read(n, p.field); }         \
    }
const Section kSections[] = {
    {"eioOutputCfg",
     [](std::wostream& os, const HandheldPlatform& p) { writeEioOutputCfg(os, p.eioOutputCfg); },
     readEioOutputCfg},
    SECTION("DNP3Cfg", writeDnp3Config, readDnp3Config, DNP3Cfg),
    SECTION("SerTnlCfg", writeSerTnlConfig, readSerTnlConfig, SerTnlCfg),
    SECTION("KeystoreConfig", writeKeystoreConfig, readKeystoreConfig, KeystoreConfig),
    SECTION("ECiTCfg", writeECiTCfg, readECiTCfg, ECiTCfg),
    SECTION("hazardConfig", writeHazardConfig, readHazardConfig, hazardConfig),
    SECTION("selfCheckConfig", writeSelfCheckConfig, readSelfCheckConfig, selfCheckConfig),
    SECTION("ICS", writeIcsConfig, readIcsConfig, ICS),
    SECTION("logEventsConfig", writeLogEventsConfig, readLogEventsConfig, logEventsConfig),
    SECTION("SystemConfig", writeSystemConfig, readSystemConfig, SystemConfig),
    SECTION("VRMobileConfig", writeVrMobileConfig, readVrMobileConfig, VRMobileConfig),
    SECTION("VideoSettingsConfig", writeVideoSettingsConfig, readVideoSettingsConfig,
            VideoSettingsConfig),
};
// Sections every extended document carries before its keys, for their limits.
const Section kFrontSections[] = {
    SECTION("PowerUpOptions", writePowerUpOptions, readPowerUpOptions, PowerUpOptions),
    SECTION("PINConfig", writePinConfig, readPinConfig, PINConfig),
    SECTION("AliasList", writeAliasList, readAliasList, AliasList),
};
#undef SECTION

const Section& section(std::string_view element) {
    for (const Section& s : kSections)
        if (element == s.element) return s;
    for (const Section& s : kFrontSections)
        if (element == s.element) return s;
    throw std::out_of_range(std::string(element));
}

// Reads the first element of `text` into `p` under p.radioType with its section's reader.
bool readText(const std::wstring& text, HandheldPlatform& p) {
    pugi::xml_document doc;
    load(doc, text);
    currentRadioType() = p.radioType;
    return section(doc.first_child().name()).read(doc.first_child(), p);
}

// The writer's text of one section of the filled record; the eio outputs and the aliases
// get the wrapper that the root writes around them.
std::wstring filledText(const Section& s) {
    const std::wstring element = pugi::as_wide(s.element);
    const uint32_t code = element == L"hazardConfig" ? 146 : 151;
    const std::wstring text =
        written([&](std::wostream& os) { s.write(os, sampleRecord(code)); }, code);
    const bool wrapped = element == L"eioOutputCfg" || element == L"AliasList";
    return wrapped ? L"<" + element + L">" + text + L"</" + element + L">" : text;
}

// ---- texts -----------------------------------------------------------------------------

// The defaults documents pin the texts of the defaults; here the list entries they lack,
// for both groups, VideoSettingsConfig, which the root never writes, and what no writer
// puts out.
TEST(ExtendedSections, TextsOfListsAndOfVideoSettings) {
    for (uint32_t code : {146u, 151u}) {
        std::wstring texts;
        for (const char* element : {"DNP3Cfg", "SerTnlCfg", "KeystoreConfig", "ICS", "SystemConfig",
                                    "VideoSettingsConfig"})
            texts += written(
                [&](std::wostream& os) { section(element).write(os, sampleRecord(code)); }, code);
        EXPECT_TRUE(test::isExpectedText("extended_lists.txt", texts)) << code;
    }
    HandheldPlatform back;
    ASSERT_TRUE(readText(filledText(section("VideoSettingsConfig")), back));
    EXPECT_EQ(back.VideoSettingsConfig, sampleRecord(146).VideoSettingsConfig);
    // Every writer keeps to the extended codes and to XML.
    for (const Section& s : kSections) {
        auto write = [&](std::wostream& os) { s.write(os, sampleRecord(151)); };
        EXPECT_EQ(written(write, 0) + written(write, 151, false), L"") << s.element;
    }
}

// The readers that the dispatcher runs for the group whose writer never emits them.
TEST(ExtendedSections, DispatcherReadsSectionsTheOtherGroupWrites) {
    const std::wstring video =
        L"<VideoSettingsConfig VideoTriggerEnable='ON'><DashCamTrigger "
        L"DashCamEmergencyEnable='ON'/></VideoSettingsConfig>";
    for (auto [code, extra] : {std::pair{146u, filledText(section("eioOutputCfg"))},
                               std::pair{151u, filledText(section("hazardConfig"))}}) {
        std::wstring text =
            written([&](std::wostream& os) { writePlatformConfig(os, defaulted(code)); }, code);
        text.insert(text.rfind(L"</platformConfig>"), extra + video);
        pugi::xml_document doc;
        ASSERT_TRUE(load(doc, text));
        HandheldPlatform back;
        back.radioType = code;
        ASSERT_TRUE(readPlatformConfig(doc.child("platformConfig"), back)) << code;
        EXPECT_EQ(back.VideoSettingsConfig.DashCamEmergencyEnable, 1u);
        if (code == 146) {
            EXPECT_EQ(back.eioOutputCfg, sampleRecord(151).eioOutputCfg);
        } else {
            EXPECT_EQ(back.hazardConfig, sampleRecord(146).hazardConfig);
        }
    }
}

// ---- readers ---------------------------------------------------------------------------

// Values of one attribute in a section's filled text (nullptr: the attribute removed) with
// which the section reads, and values with which it fails. Hexadecimal and octal values
// show the base each number takes.
struct Limits {
    const char* element;
    const wchar_t* attr;
    std::initializer_list<const wchar_t*> reads;
    std::initializer_list<const wchar_t*> fails;
};

std::wstring withValue(std::wstring text, const std::wstring& attr, const wchar_t* value) {
    const std::size_t at = text.find(L" " + attr + L"='");
    EXPECT_NE(at, std::wstring::npos) << toUtf8(attr);
    const std::size_t end = text.find(L'\'', at + attr.size() + 3) + 1;
    return text.replace(at, end - at, value ? L" " + attr + L"='" + value + L"'" : L"");
}

TEST(ExtendedSections, ValuesAtAndBeyondTheirLimits) {
    // clang-format off
    const Limits limits[] = {
        {"DNP3Cfg", L"DynamicRouting", {L"1", L"0", L"true"}, {L"TRUE", nullptr}},
        {"DNP3Cfg", L"HostDNP3Port", {L"65519"}, {L"65520"}},
        {"DNP3Cfg", L"NetDNP3Addr", {L"65535"}, {L"65536"}},
        {"SerTnlCfg", L"SerTnlMode", {L"NiST", L"Static"}, {L"static", nullptr}},
        {"SerTnlCfg", L"SerTnlPacketSize", {L"480", L"1"}, {L"0", L"481", L"0x1E0"}},
        {"SerTnlCfg", L"SerTnlPacketTime", {L"1000"}, {L"1001"}},
        {"SerTnlCfg", L"SerTnlWaitTime", {L"300"}, {L"301"}},
        {"SerTnlCfg", L"SerTnlDiscTime", {L"1"}, {L"0"}},
        {"SerTnlCfg", L"SerTnlClientPort", {L"65535"}, {L"65536"}},
        {"SerTnlCfg", L"SerTnlDestAddr", {L""}, {nullptr}},
        {"SerTnlCfg", L"SerTnlTblIdx", {L"64"}, {L"65"}},
        {"SerTnlCfg", L"SerTnlTblPort", {L"65535"}, {L"65536"}},
        {"SerTnlCfg", L"SerTnlTblIPAddr", {}, {nullptr}},
        {"KeystoreConfig", L"name", {L"0123456789abcdef"}, {L"0123456789abcdefg"}},
        {"ECiTCfg", L"maxTimer", {L"31"}, {L"6"}},
        {"ECiTCfg", L"defaultTimeout", {L"6", L"59"}, {L"5"}},
        {"ECiTCfg", L"minTimer", {L"5", L"30"}, {L"0x3B"}},
        {"hazardConfig", L"entryVoiceAnnunciation", {L"0x1388"}, {L"0x1389", L"-1"}},
        {"hazardConfig", L"hazardModeEnable", {L"OFF"}, {L"on", nullptr}},
        {"selfCheckConfig", L"PeriodicTimer", {L"1", L"0360"}, {L"0", L"241"}},
        {"selfCheckConfig", L"selfCheckVAFileIndex", {L"5000"}, {L"5001"}},
        {"ICS", L"parMinVolume", {L"9", L"18"}, {L"8", L"19"}},
        {"ICS", L"userParTimeout", {L"10", L"60"}, {L"9", L"61"}},
        {"ICS", L"hysteresisTimer", {L"30", L"0x78"}, {L"29", L"0x79"}},
        {"ICS", L"parAudio", {L"5000"}, {L"5001"}},
        {"ICS", L"ICSEnabled", {L"OFF"}, {L"yes"}},
        {"ICS", L"Seat", {L""}, {nullptr}},
        {"logEventsConfig", L"overTempEventLog", {L"OFF"}, {nullptr}},
        {"VRMobileConfig", L"NoneModeEnable", {L"ON"}, {L"1"}},
        {"VideoSettingsConfig", L"cameraOffAudioFile", {L"0x1388"}, {L"5001", nullptr}},
        {"VideoSettingsConfig", L"CameraOnAudioFile", {L"0"}, {L"-1"}},
        {"SystemConfig", L"sysindex ", {L"-1", L"512"}, {L"-2", L"513"}},
        {"SystemConfig", L"extraData", {L"01234567890123456789"}, {L"012345678901234567890", nullptr}},
        {"SystemConfig", L"delay", {L"100000.0", nullptr}, {L"100000.1", L"nan", L"-0.5"}},
        {"SystemConfig", L"presetSysZoneType", {L"ON", L"0"}, {L"2", nullptr}},
        {"SystemConfig", L"sysZoneIndex", {L"512", nullptr}, {}},  // none
        {"SystemConfig", L"opcode", {L"FUNC_NOOP"}, {L"FUNC_NONE"}},
        {"PINConfig", L"powerupPIN", {L"\u00e4\u00f6\u00fc\u00df\u00e9\u00e8\u00ea\u4e2d12"},
         {L"\u00e4\u00f6\u00fc\u00df\u00e9\u00e8\u00ea\u4e2d123"}},
        {"PINConfig", L"minimumPINLength", {L"0", L"10"}, {L"11"}},
        {"PINConfig", L"maxBadPINEntries", {L"-1"}, {L"0", nullptr}},  // -1 wraps to the largest
        {"AliasList", L"lid ", {L"16777211"}, {L"0", L"16777212"}},
        {"AliasList", L"aliasName ", {L"\u00e4\u00f6\u00fc\u00df\u00e9\u00e8\u00ea\u4e2d"},
         {L"12345678x", nullptr}},
        {"AliasList", L"aliasLongName ", {L"0123456789abcde\u00e9"},
         {L"0123456789abcdefx", nullptr}},
    };
    // clang-format on
    for (const Limits& row : limits) {
        for (bool reads : {true, false}) {
            for (const wchar_t* value : reads ? row.reads : row.fails) {
                HandheldPlatform p;
                p.radioType = 146;
                EXPECT_EQ(readText(withValue(filledText(section(row.element)), row.attr, value), p),
                          reads)
                    << row.element << " " << toUtf8(row.attr) << "="
                    << (value ? toUtf8(value) : "(none)");
            }
        }
    }
}

TEST(ExtendedSections, ReadersStopOrGoOnAsTheirSectionsDo) {
    HandheldPlatform p;
    p.radioType = 146;
    // ECiTCfg stops at a value it cannot convert and still succeeds.
    EXPECT_TRUE(readText(L"<ECiTCfg minTimer='036' maxTimer='61' defaultTimeout='20' />", p));
    EXPECT_EQ(p.ECiTCfg, (ECiTConfig{30, 60, 60, L"1", L"0", 0, 0}));
    EXPECT_TRUE(
        readText(L"<ECiTCfg minTimer='10' maxTimer='0x1E' defaultTimeout='20' "
                 L"warningBeeps='w' timerIncr='t' ExtOutAlertMode='bad' />",
                 p));
    EXPECT_EQ(p.ECiTCfg, (ECiTConfig{10, 30, 20, L"t", L"w", 0, 0}));
    // The others read every value past a failure and store what converts.
    EXPECT_FALSE(readText(L"<logEventsConfig logEvent='ON' userInputLog='ON' />", p));
    EXPECT_EQ(p.logEventsConfig, (LogEventsConfig{1, 0, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(
        readText(L"<ICS ICSMode='bad' parAudio='7'><SeatMenu Code='1' Seat='s'/></ICS>", p));
    EXPECT_EQ(std::pair(p.ICS.parAudio, p.ICS.SeatMenu),
              std::pair(7u, SeatMenuMap{{0, {1, L"s"}}}));
    EXPECT_FALSE(readText(L"<SerTnlCfg SerTnlPacketSize='0x10' SerTnlClientPort='4' />", p));
    EXPECT_EQ(p.SerTnlCfg.SerTnlClientPort, 4u);
    EXPECT_TRUE(readText(L"<VideoSettingsConfig VideoTriggerEnable='ON' />", p));
    EXPECT_FALSE(
        readText(L"<VideoSettingsConfig VideoTriggerEnable='ON'><VoiceAnnunciation "
                 L"CameraOnAudioFile='9' cameraConnectedAudioFile='1' "
                 L"cameraDisConnectedAudioFile='2' /></VideoSettingsConfig>",
                 p));
    EXPECT_EQ(p.VideoSettingsConfig, (VideoSettings{1, 9, 0, 1, 2, 0, 0}));
    // selfCheckConfig writes antennaConnection before radioTemperature.
    EXPECT_TRUE(
        readText(L"<selfCheckConfig selfCheckEnable='OFF' FRSMConnection='OFF' "
                 L"antennaConnection='ON' radioTemperature='OFF' batteryCapacity='OFF' "
                 L"PeriodicTimer='5' selfCheckVAFileIndex='0'/>",
                 p));
    EXPECT_EQ(p.selfCheckConfig, (SelfCheckConfig{0, 0, 0, 1, 0, 0, 5}));
    // A missing element changes nothing and succeeds; for SystemConfig it empties the list.
    p = sampleRecord(146);
    for (const Section& s : kSections) EXPECT_TRUE(s.read(pugi::xml_node(), p)) << s.element;
    HandheldPlatform expected = sampleRecord(146);
    expected.SystemConfig.clear();
    EXPECT_EQ(p, expected);
}

TEST(ExtendedSections, TablesAndTheirLimits) {
    HandheldPlatform p = sampleRecord(146);
    const std::wstring dirt =
        L"<DIRT HostDNP3Addr='1' HostDNP3Port='2' NetDNP3Addr='3' NetDNP3Port='4' NetIPAddr='a'/>";
    // A DIRT without NetIPAddr is passed over without using an index. The table is replaced
    // even when the section fails.
    EXPECT_TRUE(
        readText(L"<DNP3Cfg DynamicRouting='1'><DIRT HostDNP3Addr='9' HostDNP3Port='9' "
                 L"NetDNP3Addr='9' NetDNP3Port='9'/>" +
                     dirt + L"</DNP3Cfg>",
                 p));
    EXPECT_EQ(p.DNP3Cfg, (Dnp3Config{{{0, {1, 2, 3, 4, L"a"}}}, 1}));
    EXPECT_TRUE(!readText(L"<DNP3Cfg DynamicRouting='yes'/>", p) &&
                p.DNP3Cfg == (Dnp3Config{{}, 1}));
    EXPECT_TRUE(readText(L"<DNP3Cfg DynamicRouting='0'>" + repeated(dirt, 64) + L"</DNP3Cfg>", p));
    EXPECT_FALSE(readText(L"<DNP3Cfg DynamicRouting='1'>" + repeated(dirt, 65) + L"</DNP3Cfg>", p));
    EXPECT_EQ(p.DNP3Cfg.DIRT.size(), 65u);

    const std::wstring table =
        L"<SerTnlNetTbl SerTnlTblIdx='1' SerTnlTblIPAddr='i' SerTnlTblPort='2'/>";
    std::wstring serTnl = filledText(section("SerTnlCfg"));
    serTnl = serTnl.substr(0, serTnl.find(L"<SerTnlNetTbl"));
    EXPECT_TRUE(readText(serTnl + repeated(table, 64) + L"</SerTnlCfg>", p));
    EXPECT_FALSE(readText(serTnl + repeated(table, 65) + L"</SerTnlCfg>", p));
    EXPECT_FALSE(
        readText(serTnl + L"<SerTnlNetTbl SerTnlTblIdx='1'/>" + table + L"</SerTnlCfg>", p));
    EXPECT_EQ(p.SerTnlCfg.SerTnlNetTbl, (SerTnlNetMap{{0, {1, L"i", 2}}}));

    const std::wstring keystore = L"<Keystore name='k'/>";
    // A Keystore without a name is passed over; at most five; the list read is stored also
    // when it fails.
    for (auto [count, reads] : {std::pair{5, true}, {6, false}, {0, true}}) {
        const std::wstring doc =
            L"<KeystoreConfig><Keystore/>" + repeated(keystore, count) + L"</KeystoreConfig>";
        EXPECT_EQ(readText(doc, p), reads) << count;
        EXPECT_EQ(p.KeystoreConfig.size(), std::size_t(count)) << count;
    }

    // ICS: tables whose element does not occur keep their entries; a bad entry is left out.
    p = sampleRecord(146);
    EXPECT_FALSE(
        readText(L"<ICS ICSMode='ON' userParTimeout='10' parAudio='0' parMinVolume='9' "
                 L"hysteresisTimer='30'><ICSAlertTable ICSSensor='1' ICSEnabled='on' "
                 L"ICSWarning='2' ICSCritical='3'/><ICSStatusTable ICSStatus='4' "
                 L"ICSStatusValDec='5'/></ICS>",
                 p));
    const IcsConfig sample = sampleRecord(146).ICS;
    EXPECT_EQ(std::tie(p.ICS.ICSStatusTable, p.ICS.ApplianceMenu, p.ICS.SeatMenu),
              std::tuple(IcsStatusMap{{0, {5, 4}}}, sample.ApplianceMenu, sample.SeatMenu));
    EXPECT_TRUE(p.ICS.ICSAlertTable.empty());
}

TEST(ExtendedSections, OutputsAndOptionButtons) {
    HandheldPlatform p;
    p.radioType = 151;
    const std::wstring out1 =
        L"<eioOutput name='ExtIoOut2' func='EIO_OUT_FUNC_EIO_AUX_1' mode='EIO_OUT_MODE_CUSTOM' "
        L"pattern='9' repeat='r' sense='EIO_OUT_SENSE_ACTIVE_HI'/>";
    std::wstring out3 = out1;
    out3.replace(out3.find(L"ExtIoOut2"), 9, L"ExtIoOut3");
    const EioOutputEntry kept{1, 2, 3, L"kept", 0};
    const EioOutputEntry replaced{4, 1, 9, L"r", 1};
    // Nothing is read unless the first output is complete; outputs are added to the map,
    // replacing the entry of their name; the first that does not read ends it.
    const std::pair<std::wstring, EioOutputMap> cases[] = {
        {L"<eioOutput name='ExtIoOut1'/>" + out1, {{1, kept}}},
        {out1 + L"<eioOutput name='ExtIoOut1' func='x'/>" + out3, {{1, replaced}}},
        {L"<eioOutput name='ExtIoOut1' func='EIO_OUT_FUNC_DISABLED' mode='EIO_OUT_MODE_DISABLED' "
         L"pattern='65535' repeat='' sense='EIO_OUT_SENSE_ACTIVE_LO'/>"
         L"<eioOutput name='ExtIoOut3' func='EIO_OUT_FUNC_DISABLED' mode='EIO_OUT_MODE_DISABLED' "
         L"pattern='65536' repeat='' sense='EIO_OUT_SENSE_ACTIVE_LO'/>",
         {{0, {0, 0, 65535, L"", 0}}, {1, kept}}},
    };
    for (const auto& [children, expected] : cases) {
        p.eioOutputCfg = {{1, kept}};
        EXPECT_TRUE(readText(L"<eioOutputCfg>" + children + L"</eioOutputCfg>", p));
        EXPECT_EQ(p.eioOutputCfg, expected) << toUtf8(children);
    }

    // Option buttons: sysIndex stands in for sysindex; an absent OPT2 is the default button;
    // a failing one ends the list and keeps those before it.
    const std::wstring opt1 =
        L"<OPT1 opcode='FUNC_USER_PRESET' extraData='e' timeout='9' presetSysZoneType='1' "
        L"sysZoneIndex='511' groupIndex='1250'/>";
    EXPECT_FALSE(readText(L"<SystemConfig><OptBtn sysindex='-2' sysIndex='7'>" + opt1 +
                              L"</OptBtn><OptBtn sysindex='-1'/><OptBtn sysindex='513' "
                              L"sysIndex='600'/><OptBtn sysindex='1'/></SystemConfig>",
                          p));
    const ProgBtnEntry read{70, L"0.0", L"0.0", L"e", 1, 511, 65535};
    EXPECT_EQ(p.SystemConfig,
              (SystemOptionMap{{0, {7, read, defaultOptionButton()}},
                               {1, {-1, defaultOptionButton(), defaultOptionButton()}}}));
    EXPECT_FALSE(
        readText(L"<SystemConfig><OptBtn sysindex='1'><OPT2 opcode='FUNC_VOICE_PLAYBACK' "
                 L"extraData='012345678901234567890'/></OptBtn></SystemConfig>",
                 p));
    EXPECT_TRUE(p.SystemConfig.empty());
}

// ---- PowerUpOptions, PINConfig, overrides, icons, menus and aliases ----------------------

// The defaults documents pin the XML of the defaults and whole documents the escaping; here
// every summary, and the XML of the lists the defaults lack (systems, keystores) and of a
// menu four levels deep.
TEST(DeviceMenus, SummariesAndTheTextOfListsForBothGroups) {
    // The summaries, of which overrides, menuConfig and AliasList write none.
    const std::wstring summary =
        L"{ powerOnBeep: 1, keypadLock: 0, keypadState: 1, eioAlarm_1: 1, eioAlarm_2: 0, "
        L"eioAlarm_3: 1, eioAlarm_Restart: 1}{ powerupPIN: " +
        kSpecial +
        L", minimumPINLength: 10, maxBadPINEntries: 4000000000, zeroizeOnPINFailure: 1}"
        L"{/\"0\"/\"NONE\", /\"7.0\"/\"ECHO_REDUCTION\"}{/\"3" +
        kSpecial + L"\"/\"LTESIGSTATUS\", /\"16\"/\"HAZARD_MODE\"}";
    for (uint32_t code : kCodes) {
        HandheldPlatform p = sampleRecord(code);
        p.PowerUpOptions.keypadLock = p.PowerUpOptions.eioAlarm_2 = 0;  // two differ
        auto writeAll = [&](std::wostream& os) {
            writePowerUpOptions(os, p.PowerUpOptions);
            writePinConfig(os, p.PINConfig);
            writeOverrides(os, p.overrides);
            writeStatusIcons(os, p.statusIconsTop, DisplayKind::Top);
            writeStatusIcons(os, p.statusIconsFront, DisplayKind::Front);
            writeMenuConfig(os, p.menuConfig);
            writeAliasList(os, p.AliasList);
        };
        EXPECT_EQ(written(writeAll, code, false), summary) << code;
        EXPECT_TRUE(test::isExpectedText("overrides_and_menu.txt",
                                         test::textOf(writeOverrides, p.overrides, code) +
                                             test::textOf(writeMenuConfig, p.menuConfig, code)))
            << code;
    }
}

std::wstring item(const char* name, const std::wstring& children = L"",
                  const char* op = "FUNC_CALL") {
    return L"<menuItem name='" + pugi::as_wide(name) + L"' display='true' opCode='" +
           pugi::as_wide(op) + L"'>" + children + L"</menuItem>";
}

// Every menu read is written back well-formed, also those without a regular form.
TEST(DeviceMenus, MenuReaderVisitsDepthFirstToTheFourthDepth) {
    using Levels = std::map<int32_t, std::pair<int32_t, bool>>;  // code: level, hasChildren
    // clang-format off
    const std::pair<std::wstring, Levels> cases[] = {
        // The first occurrence in document order wins, also over a shallower later one.
        {item("Call", item("Scan")) + item("Scan", item("ExitEmer")),
         {{0, {1, true}}, {16, {2, false}}, {1, {2, false}}}},
        // An item that does not convert is skipped; its children are read at their depth.
        {item("Call", item("ExitEmer"), "NO_FUNC") + L"<menuItem name='Scan' opCode='FUNC_SCAN'/>",
         {{1, {2, false}}}},
        // The user login menu at the third depth sits a level higher, and so do its items.
        {item("Call", item("Scan", item("UserLogin", item("UserLoginSysId") +
                                     item("UserLoginComplete") + item("IndivCall")))),
         {{0, {1, true}}, {16, {2, true}}, {114, {2, true}}, {115, {3, false}}, {118, {3, false}},
          {3, {4, false}}}},
        // The fourth depth has children, which are not read.
        {item("Call", item("ExitEmer", item("Talkaround", item("IndivCall", item("Scan"))))),
         {{0, {1, true}}, {1, {2, true}}, {2, {3, true}}, {3, {4, true}}}},
        // A child with a lower code than its parent.
        {item("Scan", item("Call")), {{16, {1, true}}, {0, {2, false}}}},
        {L"", {}},
    };
    // clang-format on
    for (const auto& [doc, levels] : cases) {
        MenuItemMap menu = {{99, {}}};
        ASSERT_TRUE(readFrom(L"<menuConfig>" + doc + L"</menuConfig>", readMenuConfig, menu));
        Levels got;
        for (const auto& [code, entry] : menu) got[code] = {entry.level, entry.hasChildren};
        EXPECT_EQ(got, levels) << pugi::as_utf8(doc);
        pugi::xml_document back;
        EXPECT_TRUE(test::load(back, L"<m>" + test::textOf(writeMenuConfig, menu) + L"</m>"))
            << pugi::as_utf8(doc);
    }
}

std::wstring icon(const wchar_t* pos, const wchar_t* name = L"OTAR") {
    return (pos ? L"<statIcon pos='" + std::wstring(pos) + L"'" : L"<statIcon") + L" statusName='" +
           name + L"'/>";
}

// One invalid icon leaves the display as it was; the read still succeeds. The other
// display is missing: it reads as empty.
TEST(DeviceMenus, StatusIconsReplaceTheirDisplayOnlyWhenEveryIconIsValid) {
    const StatusIconMap before = {{99, {L"99", 1}}};
    using enum DisplayKind;
    // clang-format off
    const std::tuple<DisplayKind, std::wstring, StatusIconMap> cases[] = {
        {Top, icon(L"7"), {{7, {L"7", 12}}}}, {Top, icon(L"7.5"), before},
        {Front, icon(L"16.0"), {{16, {L"16.0", 12}}}}, {Front, icon(L"16.01"), before},
        {Front, icon(L"0x10"), {{0, {L"0x10", 12}}}}, {Front, icon(L"nan"), before},
        {Top, icon(L""), {{0, {L"", 12}}}}, {Top, icon(nullptr), before},
        {Top, icon(L"3", L"NUISANCE_CHNL") + icon(L"3.9", L"WIFI"), {{3, {L"3", 0}}}},
        {Front, icon(L"1", L"WIFI") + icon(L"3", L"otar"), before},
    };
    // clang-format on
    for (const auto& [kind, icons, expected] : cases) {
        const std::wstring display = kind == Top ? L"topDisplay>" : L"frontDisplay>";
        const std::wstring doc =
            L"<statusIcons><" + display + icons + L"</" + display + L"</statusIcons>";
        for (DisplayKind k : {Top, Front}) {
            StatusIconMap read = before;
            EXPECT_TRUE(readFrom(
                doc, [k](pugi::xml_node n, StatusIconMap& m) { return readStatusIcons(n, m, k); },
                read));
            EXPECT_EQ(read, k == kind ? expected : StatusIconMap{}) << pugi::as_utf8(doc);
        }
    }
    StatusIconMap icons = before;
    EXPECT_FALSE(readStatusIcons(pugi::xml_node(), icons, Top));
    EXPECT_EQ(icons, before);
}

// One invalid alias fails the read and leaves the list as it was; a missing list is empty.
TEST(DeviceMenus, AliasListIsReplacedOnlyWhenEveryAliasIsValid) {
    const AliasMap before = {{5, {9, L"old", L""}}};
    const std::wstring list = L"<AliasList><aliasInfo lid='2' aliasName='a' aliasLongName=''/>";
    for (auto [lid, valid] : {std::pair{L"3", true}, {L"0", false}}) {
        AliasMap aliases = before;
        const std::wstring alias = L"<aliasInfo lid='" + std::wstring(lid) + L"' aliasName=''";
        EXPECT_EQ(
            readFrom(list + alias + L" aliasLongName=''/></AliasList>", readAliasList, aliases),
            valid);
        const AliasMap read = {{0, {2, L"a", L""}}, {1, {3, L"", L""}}};
        EXPECT_EQ(aliases, valid ? read : before);
    }
    AliasMap aliases = before;
    EXPECT_TRUE(readAliasList(pugi::xml_node(), aliases) && aliases.empty());
}

TEST(DeviceMenus, PowerUpReader) {
    const std::wstring start = L"<PowerUpOptions powerOnBeep='ON' keypadLock='OFF'";
    const std::wstring alarms =
        L" keypadState='ON' eioAlarm_1='ON' eioAlarm_2='ON' eioAlarm_3='ON'";
    // clang-format off
    const std::tuple<std::wstring, bool, PowerUpOptionsConfig> powerUp[] = {
        {start + alarms + L" eioAlarm_Restart='OFF'/>", true, {1, 0, 1, 1, 1, 1, 0}},
        {start + alarms + L"/>", true, {1, 0, 1, 0, 0, 0, 1}},  // all four alarms or none
        {start + alarms + L" eioAlarm_Restart='on'/>", false, {1, 0, 1, 1, 1, 1, 1}},
        {start + L"/>", false, {1, 0, 0, 0, 0, 0, 1}},
    };
    // clang-format on
    for (const auto& [doc, ok, expected] : powerUp) {
        PowerUpOptionsConfig pu{0, 1, 0, 0, 0, 0, 1};
        EXPECT_EQ(readFrom(doc, readPowerUpOptions, pu), ok) << pugi::as_utf8(doc);
        EXPECT_EQ(pu, expected) << pugi::as_utf8(doc);
    }
    PowerUpOptionsConfig kept{.eioAlarm_3 = 2};  // the check covers what is held
    EXPECT_FALSE(readFrom(start + L" keypadState='ON'/>", readPowerUpOptions, kept));
}

std::wstring system(const std::wstring& index, const std::wstring& systype = L"CONV",
                    const std::wstring& unitid = L"0", const std::wstring& mdc = L"0") {
    return L"<system index='" + index + L"' sysname='s' systype='" + systype + L"' unitid='" +
           unitid + L"' mdcunitid='" + mdc + L"' username='u' password='p'/>";
}
std::wstring overridesDoc(const std::wstring& systems, const std::wstring& keystores = L"") {
    return L"<overrides><misc><radio_ip_address value='1.2.3.4'/></misc><systems>" + systems +
           L"</systems><keystores>" + keystores + L"</keystores></overrides>";
}

TEST(DeviceMenus, OverridesUnitIdentities) {
    // clang-format off
    const std::pair<const wchar_t*, int32_t> largest[] = {
        {L"Zelo", 16777211}, {L"CONV", 0}, {L"KAMUS", 16382}, {L"KAMUS_IP", 1048575},
        {L"P25C", 9999999}, {L"P25T", 16777211}, {L"MCPTT", 0}};
    // Decimal up to 61439; any other text is read again as hexadecimal.
    const std::pair<const wchar_t*, int32_t> mdc[] = {
        {L"61439", 61439}, {L"61440", 0x61440}, {L"-1", -1}, {L"80000000", INT_MAX},
        {L"-80000000", INT_MIN}, {L"-99999999999", INT_MIN}, {L"0x7FFFF", 0}, {L"12abc", 12},
        {L"zz", 0}};
    // clang-format on
    for (auto [systype, max] : largest) {
        OverridesConfig o;
        auto read = [&](int32_t unitid) {
            return readFrom(overridesDoc(system(L"1", systype, std::to_wstring(unitid))),
                            readOverrides, o);
        };
        EXPECT_TRUE(read(max) && o.systems.at(1).unitid == max) << systype;
        EXPECT_FALSE(read(max + 1) || read(-1)) << systype;
    }
    for (auto [text, value] : mdc) {
        OverridesConfig o;
        EXPECT_TRUE(readFrom(overridesDoc(system(L"1", L"CONV", L"0", text)), readOverrides, o));
        EXPECT_EQ(o.systems.at(1).mdcunitid, value) << text;
    }
}

TEST(DeviceMenus, OverridesListsAreMergedAndTheFirstFailureStops) {
    const std::wstring incomplete = L"<system index='2' sysname='s' systype='CONV' unitid='0'/>";
    const std::wstring keystores =
        L"<keystore name='x'/><keystore name='a' RSI='5'/><keystore name='b' RSI='6'/>";
    struct Case {
        std::wstring doc;
        bool ok;
        std::vector<int32_t> systems;
        std::vector<std::wstring> keystores;  // names in key order
    };
    // clang-format off
    const Case cases[] = {
        {L"<overrides/>", false, {7}, {L"old"}},
        {L"<overrides><misc><radio_ip_address value=''/></misc></overrides>", false, {7}, {L"old"}},
        {overridesDoc(incomplete + system(L"7") + system(L"3"), keystores), true, {3, 7}, {L"old", L"b"}},
        {overridesDoc(system(L"3") + system(L"513") + system(L"4"), keystores), false, {3, 7}, {L"old"}},
        {overridesDoc(L"", L"<keystore name='c' RSI='10000000'/>"), false, {7}, {L"old"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        OverridesConfig o{L"ip", {{7, {7, L"old", 0, 0, 0, L"", L""}}}, {{0, {L"old", 1}}}};
        EXPECT_EQ(readFrom(c.doc, readOverrides, o), c.ok) << pugi::as_utf8(c.doc);
        std::vector<int32_t> systems;
        for (const auto& [index, entry] : o.systems) systems.push_back(index);
        std::vector<std::wstring> names;
        for (const auto& [key, entry] : o.keystores) names.push_back(entry.name);
        EXPECT_EQ(std::tie(systems, names), std::tie(c.systems, c.keystores))
            << pugi::as_utf8(c.doc);
        // A system of the document replaces the record's under its index.
        EXPECT_EQ(o.systems.at(7).sysname,
                  c.doc.find(L"index='7'") != std::wstring::npos ? L"s" : L"old");
    }
    OverridesConfig o;
    EXPECT_TRUE(readOverrides(pugi::xml_node(), o)) << "a missing element changes nothing";
}

}  // namespace
}  // namespace tarin
