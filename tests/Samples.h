#pragma once

// Handheld records with a value in every field that a radio type's document carries other
// than the constructed one (which a field the reader passes over keeps) and, for fields of
// more than two values, other than the default: texts with the five XML special characters
// and letters beyond ASCII, lists of several entries, nested menus. The section tests take
// their samples from here; the whole-document round trip takes the whole record.

#include <string>

#include "TarinTranslator/model/HandheldPlatform.h"
#include "TarinTranslator/model/RadioType.h"

namespace tarin::test {

// A text with the five XML special characters and characters beyond ASCII, one of them
// beyond 16 bits, and its escaped form.
inline const std::wstring kSpecial = L"<&>'\"\u00e9\u4e2d\U0001F600";
inline const std::wstring kEscaped = L"&lt;&amp;&gt;&apos;&quot;\u00e9\u4e2d\U0001F600";

// audioConfig. The microphones hold an ALC level and maximum gain also where no document
// carries them (the classic codes, and the mobile microphones' ALC level); an output's func
// is written from its position, so each holds its position.
inline AudioConfig filledAudio(uint32_t code) {
    AudioConfig a;
    a.speakerMode = a.pttMode = a.noiseCancellation = a.noiseCancellationType = a.tones = 1;
    a.mobileMasterMode = 0;
    a.mobileInternalSpkr = 1;
    a.cctTimer = 345;
    a.minVol = 17;
    a.alternateEmergencyTone = 1;
    a.microphones[kMicInternal] = {1, -11, -10, 12};
    a.microphones[kMicExternal] = {1, 10, 9, 11};
    if (!isVrMobileCode(code)) a.pttAudio = 1;
    if (isHazardCode(code)) {
        a.echoReduction = a.accessoryConnRadioPTTEcho = a.esmBackMicSelection = 1;
        a.dualSpeakerModeType = 3;
        a.NFPA1802EmergencyTone = a.outOfRangeNFPATone = 1;
        a.NFPA1802EmergencyToneDuration = 9;
        a.outOfRangeNFPAMinVolume = 10;
    }
    if (isExtendedCode(code)) {
        a.microphones[kMicBluetooth] = {1, -15, 8, 7};
        a.enable = 1;
        a.priority = 5;
        a.vaQueueTimer = 7;
        a.minVolume = 11;
        a.maxVolume = 16;
        a.CRCKey = 4000000000u;
        a.audio_config_file_name = L"<a&b> 'c' \"d\" é Ж";
        a.mapping = {{0, {200, 60000}}, {1, {3, 1}}};
        a.VATone = {{0, {23, 4999, 18}}, {1, {0, 16, 1}}};
    }
    if (isVrMobileCode(code)) {
        a.microphones[kMicMobileIn] = {1, 5, 7, 4};
        a.microphones[kMicMobileUsbIn] = {1, -6, -7, 3};
        a.audioEioOutputs[0] = {0, 1, 2, 1};
        a.audioEioOutputs[1] = {1, 1, 1, 1};
    }
    return a;
}

inline MiscConfig filledMisc(uint32_t code) {
    MiscConfig m;
    m.topDisplay = {10, 2, 2, 60};
    m.frontDisplay = {0, 5, 1};
    m.enableTriColorLed = 0;
    m.topColorInvert = 1;
    m.batteryType = 5;
    m.password = L"<&>'\"é";
    m.maintenancePassword = L"Ж'x\"y&z<>";
    m.mobileTopLevelMenu = m.keypadTones = 1;
    if (isClassicCode(code)) m.p25Optimize = 1;
    if (isExtendedCode(code)) {
        m.enableStatusBasedLighting = m.enableSystemDCELookup = 0;
        m.enableSystemLIDDisplay = 2;
        m.hideSystems = m.enableSystemTopDisplay = m.followNFPALedIndication = 1;
        m.flashBLOutOfRange = m.twoActionPowerOff = 1;
        m.transBLTimeout = 1;
        m.recvBLTimeout = 2;
        m.emerRecvBLTimeout = 3;
        m.overTemperatureBLTimeout = 4;
        m.outOfRangeBLTimeout = 5;
        m.fsmFailureBLTimeout = 6;
        m.emerClearDelay = -123456;
        m.emerCancelationDelay = 4294967295u;
        m.emergencyMinVolume = 7;
        m.RadioOTVA = 5000;
        m.RadioLongExposureOTVA = 4999;
        m.RSMLongExposureOTVA = 1;
    }
    if (isVrMobileCode(code)) m.frontFpDayNightMode = 1;
    if (isHazardCode(code)) m.highPowerEmergency = 1;
    return m;
}

// networkConfig, with both the router and the access point written (AddressSpace not 0, a
// Personal access point). LTEMaxPower and the WMM entries' ACM stay 0, the only value that
// reads back.
inline NetworkConfig filledNetwork() {
    auto t = [](const wchar_t* s) { return std::wstring(s) + L" <&'\"> \u00e9\u00df\u4e2d"; };
    NetworkConfig n;
    n.LTEConfig = {1, 1, 1, 1, 0};
    n.APN[0] = {t(L"apn1"), 2, 1, t(L"vlan1"), 2, t(L"user"), t(L"pwd"), t(L"host")};
    n.APN[1] = {t(L"apn2"), 1, 0, t(L"vlan2"), 1, L"", L"", L""};
    n.wifiAPCfg = {1,          1, 2, 3, t(L"rs"), t(L"rp"), t(L"pp"), 2, 1,
                   t(L"ssid"), 7, 0, 0, 1,        1,        t(L"cc"), 0, 1};
    n.Channel = {2, 149};
    n.WMM[0] = {3, 15, 1023, 1, 188, 0};
    n.WMM[1] = {1, 2, 3, 7, 0, 0};
    n.wifiCfg = {1, 1};
    n.wpa = {1};
    n.wpaItem[0] = {4, t(L"s"), t(L"p"), t(L"ca"), t(L"u"), t(L"k"), t(L"kp"), t(L"id"), t(L"9")};
    n.wpaItem[1] = {1, L"", L"", L"", L"", L"", L"", L"", L""};
    n.ndisCfg = {1};
    n.netDiscoveryCfg = {1, 1, t(L"svc")};
    int32_t port = 65535;
    for (ServicePort* p :
         {&n.qdNetCfg, &n.asciiNetCfg, &n.cssNetCfg, &n.ftpCfg, &n.netSaCfg, &n.vchDiscoveryCfg,
          &n.chMinPort, &n.chPort2, &n.chPort3, &n.chPort4, &n.chMaxPort})
        *p = {port--, 1};
    n.generalCfg = {t(L"dom")};
    n.portForwarding[0] = {t(L"src"), t(L"1"), t(L"2"), 0, t(L"dst")};
    n.portForwarding[1] = {L"s2", L"3", L"4", 1, L"d2"};
    n.DMZ = {1, t(L"dmz")};
    n.MACReservation[0] = {t(L"mac"), t(L"ip")};
    n.MACReservation[1] = {L"m2", L"i2"};
    n.DHCPServer = {-123456, t(L"lo"), t(L"hi")};
    n.VPNPassthrough = {1, 1, 1};
    n.PrimaryDNS = t(L"dns1");
    n.SecondaryDNS = t(L"dns2");
    n.DhcpServerCfg = {1, t(L"sub"), t(L"low"), t(L"high"), t(L"rtr"), t(L"p"), t(L"s"), 1, 1, 1};
    n.CCM = {1};
    return n;
}

// The sections of the classic documents only: the progButtons element and shortMenu. The
// EMERGENCY button has a delay, which its reader ignores.
inline void fillClassicSections(HandheldPlatform& p) {
    const std::wstring& s = kSpecial;
    p.twoPosSwitch = {6, s + L"A", L"B" + s, L"7" + s, s};
    p.threePosPositions = {10, 9, 2, L"\u00df" + s, s, L"c\u00fc"};
    p.threePosSwitch = {3, s, L"v\u00e4", L"w" + s};
    p.progButtons = {
        {1, {35, L"2.5" + s, s + L"x"}}, {3, {106, L"", L"\u00f1"}}, {4, {0, L"1.5", s}}};
    p.RadioLockList = {9, 0, 0, 5};
    p.shortMenu = {{5, {13, L"5", s}}, {12, {7, L"12x" + s, L"\u00e7"}}};
}

// Every section of the extended documents, those of either group included: status icons,
// network, menus, aliases, power-up, PIN, keys, switches, outputs and the feature sections.
// The voice playback key and option button have preset fields, which only the user preset
// ones carry, and each option button has a timeout, which is never written.
inline void fillExtendedSections(HandheldPlatform& p) {
    const std::wstring& s = kSpecial;
    p.PowerUpOptions = {1, 1, 1, 1, 1, 1, 1};
    p.PINConfig = {s, 10, 4000000000u, 1};
    p.overrides = {
        s,
        {{0, {0, s, 5, 16777211, 61439, s, s}}, {512, {512, L"\u00dcber", 2, 16382, 0, L"", L""}}},
        {{0, {s, 9999999}}, {1, {L"k", 0}}}};
    p.statusIconsTop = {{0, {L"0", 0}}, {7, {L"7.0", 32}}};
    p.statusIconsFront = {{3, {L"3" + s, 5}}, {16, {L"16", 31}}};
    p.menuConfig = {{0, {0, 1, 1, true}},
                    {1, {121, 0, 2, true}},
                    {2, {2, 1, 3, true}},
                    {3, {3, 0, 4, false}},
                    {16, {16, 1, 1, false}}};
    p.AliasList = {{0, {1, L"", L""}},
                   {1, {16777211, L"\u00c4<&>'\"\u00df1", L"0123456789abcde\u00e9"}}};
    p.networkConfig = filledNetwork();
    p.progBtns = {{4, {71, L"99999.5", L"100000", s + L"\u00df", 1, 511, 1249}},
                  {17, {5, L"1e1", L"0", L"voice file " + s + L" longer than twenty", 1, 3, 4}},
                  {50, {70, L"0.25" + s, L"3" + s, L"", 0, 0, 0}}};
    p.progSwitches.switches[2] = {{-3, {20, s + L"\u00f6", 65535}}, {7, {0, L"", 1}}};
    p.progSwitches.switches[0] = {{1, {19, L"x", 42}}};
    p.progSwitches.RadioLockList = {9, 1, 1, 0};

    const std::wstring t = L"<&'\">\u00e9\u4e2d";
    // clang-format off
    p.eioOutputCfg = {{0, {16, 5, 65535, L"r" + t, 1}}, {2, {11, 1, 7, L"true", 0}}};
    p.DNP3Cfg = {{{0, {1, 2, 3, 65519, L"10.0.0.1" + t}}, {1, {65535, 0, 4, 5, L"h"}}}, 0};
    p.SerTnlCfg = {L"CiST", 1, 1000, 300, 1, L"d" + t, 65535, 1, 2, 3,
                   {{0, {64, L"ip" + t, 65535}}, {1, {0, L"", 9}}}};
    p.KeystoreConfig = {{0, {L"K" + t}}, {1, {L"0123456789abcdef"}}};
    p.ECiTCfg = {6, 59, 30, L"5" + t, L"b" + t, 4, 1};
    p.hazardConfig = {1, 1, 1, 2, 3, 5000};
    p.selfCheckConfig = {1, 1, 1, 1, 1, 4999, 240};
    p.VRMobileConfig = {0, 1, 1};
    p.logEventsConfig = {1, 1, 1, 1, 1, 1, 1, 1, 1};
    p.VideoSettingsConfig = {1, 1, 2, 3, 5000, 1, 1};
    p.ICS = {1, 60, 5000, 9, 120, {{0, {1, 2, 3, 4294967295u}}, {1, {0, 5, 6, 7}}},
             {{0, {8, 9}}, {1, {0, 13}}}, {{0, {10, L"A" + t}}, {1, {11, L"Pump"}}},
             {{0, {12, L"S" + t}}, {1, {13, L""}}}};
    p.SystemConfig = {
        {0, {-1, {70, L"1.5" + t, L"2.5", L"x" + t, 1, 511, 1249},
             {5, L"1e5", L"0.0", L"v", 1, 3, 4}}},
        {1, {512, defaultOptionButton(), {71, L"0", L"0.0", L"", 0, 0, 0}}}};
    // clang-format on
}

// The whole handheld record of `code`: the sections every document carries, then those of
// the code's document group. The classic record leaves the extended sections constructed.
inline HandheldPlatform sampleRecord(uint32_t code) {
    HandheldPlatform p;
    p.radioType = code;
    const bool hazard = isHazardCode(code);
    p.accessoryConfig = {0, 3, 3, 1, 1, 4999, 2};
    p.manDownConfig = {239, 1, 5, 4, 1, 1, L"MD_EMERGENCY_CALL", hazard ? 1u : 0u};
    p.accessoryButtons = {{1, {34, L"10.0", L"0.5", kSpecial}},
                          {3, {12, L"7" + kSpecial, L"3.25" + kSpecial, L"\u00ff&"}}};
    if (isClassicCode(code)) {
        for (auto& [key, button] : p.accessoryButtons) button.delay = button.timeout = L"";
    }
    p.gpsConfig = {1, 1, 0, 1, 134, 4, 1, 1, 1, 99, 4};
    p.audioConfig = filledAudio(code);
    p.bluetoothConfig = {1, isClassicCode(code) ? kSpecial : L"", 0, 1, 1};
    p.miscConfig = filledMisc(code);
    p.TimeDateCfg = {3, 27, 1};
    if (isClassicCode(code)) {
        fillClassicSections(p);
    } else {
        fillExtendedSections(p);
    }
    return p;
}

}  // namespace tarin::test
