#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>

#include "TarinTranslator/model/HandheldPlatform.h"
#include "TarinTranslator/model/RadioType.h"

// The defaults of a handheld plan. The radio type code picks one of three groups (classic,
// hazard, VR-mobile codes) and every code of a group gets the same record.
//
// Plain fields: each section has a list of presets, a field with the value it takes and
// the codes it applies to; fields whose default equals their constructed value are not
// listed. List sections: tables of entries, inserted without replacing a key that is
// already present.

namespace tarin {

namespace {

// ---- presets of plain fields -----------------------------------------------------------

template <class R>
using Field = std::variant<uint32_t R::*, int32_t R::*, std::wstring R::*>;

// A number or a text; which one a preset uses follows from its field.
struct Value {
    constexpr Value(int number) : number(number) {}
    constexpr Value(const wchar_t* text) : text(text) {}
    int number = 0;
    const wchar_t* text = L"";
};

template <class R>
struct Preset {
    Field<R> field;
    Value value;
    Gate gate = Gate::All;
};

// Sets every preset whose gate admits `code`.
template <class R>
void applyPresets(R& rec, uint32_t code, std::span<const Preset<R>> presets) {
    for (const Preset<R>& p : presets) {
        if (!gateOpen(p.gate, code)) continue;
        if (auto* u = std::get_if<uint32_t R::*>(&p.field)) {
            rec.*(*u) = static_cast<uint32_t>(p.value.number);
        } else if (auto* s = std::get_if<int32_t R::*>(&p.field)) {
            rec.*(*s) = static_cast<int32_t>(p.value.number);
        } else {
            rec.*std::get<std::wstring R::*>(p.field) = p.value.text;
        }
    }
}

// Inserts (key, entry) pairs; a key already in the map keeps its entry.
template <class Map>
void insertAll(Map& map, const Map& entries) {
    for (const auto& [key, entry] : entries) map.try_emplace(key, entry);
}

// ---- plain sections --------------------------------------------------------------------

using Gps = GpsConfig;
const Preset<Gps> kGpsPresets[] = {
    {&Gps::gpsMode, 1},         // ON
    {&Gps::operationMode, 1},   // INTERNAL
    {&Gps::mapDatum, 1},        // DATUM_WGD
    {&Gps::positionFormat, 1},  // LAT_LONG_DMS
    {&Gps::linearUnits, 2},     // STATUTE
    {&Gps::angularUnits, 2},    // CARDINAL
    {&Gps::elevationBasis, 1},  // SEA_LEVEL
    {&Gps::gridDigits, 10},     // digits of a grid position
    {&Gps::northing, 2},        // TRUE
};

using BT = BluetoothConfig;
const Preset<BT> kBluetoothPresets[] = {
    {&BT::btMode, 1, Gate::Extended},
    {&BT::friendlyName, L"MY RADIO", Gate::Classic},
    {&BT::btAdminMode, 1, Gate::Classic},
};

const Preset<TimeDateConfig> kTimeDatePresets[] = {
    {&TimeDateConfig::zone, 8},
};

const Preset<PinConfig> kPinPresets[] = {
    {&PinConfig::maxBadPINEntries, 5, Gate::Extended},
};

const Preset<ManDownConfig> kManDownPresets[] = {
    {&ManDownConfig::inactivityTime, 240},
    {&ManDownConfig::warningTime, 30},
};

const Preset<ThreePosSwitchConfig> kThreePosPresets[] = {
    {&ThreePosSwitchConfig::_3PosFunction, 1},  // CHAN_BANK
    {&ThreePosSwitchConfig::_3PosAValue, L"1"},
    {&ThreePosSwitchConfig::_3PosBValue, L"2"},
    {&ThreePosSwitchConfig::_3PosCValue, L"3"},
};

const Preset<TwoPosSwitchConfig> kTwoPosPresets[] = {
    {&TwoPosSwitchConfig::_2PosFunction, 1},  // PTCT
};

const Preset<MiscConfig> kMiscPresets[] = {
    {&MiscConfig::batteryType, 1},  // LITHIUM_ION_POLY
    {&MiscConfig::p25Optimize, 1},
    {&MiscConfig::enableSystemDCELookup, 0, Gate::Extended},
};

using Audio = AudioConfig;
const Preset<Audio> kAudioPresets[] = {
    {&Audio::speakerMode, 1},
    {&Audio::pttMode, 1, Gate::NotVrMobile},
    {&Audio::echoReduction, 1, Gate::Hazard},
    {&Audio::accessoryConnRadioPTTEcho, 1, Gate::Hazard},
    {&Audio::cctTimer, 120},
    {&Audio::priority, 6, Gate::Extended},
    {&Audio::maxVolume, 18, Gate::Extended},
    {&Audio::mobileMasterMode, 0, Gate::NotVrMobile},
    {&Audio::mobileInternalSpkr, 1, Gate::VrMobile},
};

// Applied to the INTERNAL and EXTERNAL microphones.
const Preset<Microphone> kRadioMicPresets[] = {
    {&Microphone::alcMaxGain, 6, Gate::Extended},
};

// Applied to both audio external outputs.
const Preset<AudioEioOutput> kAudioEioPresets[] = {
    {&AudioEioOutput::enable, 1, Gate::VrMobile},
    {&AudioEioOutput::output_name, 1, Gate::VrMobile},  // ExtIoOut2
};

const Preset<Dnp3Config> kDnp3Presets[] = {
    {&Dnp3Config::DynamicRouting, 1, Gate::Extended},
};

const Preset<OverridesConfig> kOverridesPresets[] = {
    {&OverridesConfig::radio_ip_address, L"0.0.0.0"},
};

// ---- networkConfig (extended platform codes only) --------------------------------------

const Preset<LteConfig> kLtePresets[] = {
    {&LteConfig::enabled, 1}, {&LteConfig::operator_, 1},  // VzW
};

using WifiAp = WifiApConfig;
const Preset<WifiAp> kWifiApPresets[] = {
    {&WifiAp::securityType, 1},  // Personal
    {&WifiAp::security, 2},      // WPA2
    {&WifiAp::radius_server, L"127.0.0.1"},
    {&WifiAp::radius_port, L"1812"},
    {&WifiAp::passphrase, L"Tovel Beacon PX931"},
    {&WifiAp::encryption, 1},  // CCMP
    {&WifiAp::mode, 2},        // n
    {&WifiAp::ssid, L"CorvanWifiRouter"},
    {&WifiAp::numberOfStations, 5},
    {&WifiAp::shortGI, 1},
    {&WifiAp::Greenfield, 1},
    {&WifiAp::country_code, L"US"},
    {&WifiAp::WMM_enabled, 1},
};

const Preset<WifiClientConfig> kWifiClientPresets[] = {{&WifiClientConfig::wifiMode, 1}};
const Preset<WpaConfig> kWpaPresets[] = {{&WpaConfig::wpaSuppMode, 1}};

const Preset<NetDiscoveryConfig> kNetDiscoveryPresets[] = {
    {&NetDiscoveryConfig::port, 4951},
    {&NetDiscoveryConfig::ndMode, 1},
    {&NetDiscoveryConfig::serviceName, L"corvanradio"},
};

const Preset<GeneralConfig> kGeneralPresets[] = {
    {&GeneralConfig::domain, L"corvanradiodomain"},
};

const Preset<DmzConfig> kDmzPresets[] = {{&DmzConfig::hostAddress, L"0.0.0.0"}};

const Preset<DhcpServer> kDhcpServerPresets[] = {
    {&DhcpServer::AddressSpace, 1},
    {&DhcpServer::LowAddress, L"192.168.0.10"},
    {&DhcpServer::HighAddress, L"192.168.0.20"},
};

const Preset<NetworkConfig> kNetworkPresets[] = {
    {&NetworkConfig::PrimaryDNS, L"0.0.0.0"},
    {&NetworkConfig::SecondaryDNS, L"0.0.0.0"},
};

using Dhcp = DhcpServerConfig;
const Preset<Dhcp> kDhcpServerCfgPresets[] = {
    {&Dhcp::serverEnable, 1, Gate::VrMobile},
    {&Dhcp::subnetAddress, L"192.168.250.0", Gate::VrMobile},
    {&Dhcp::lowIPAddress, L"192.168.250.10", Gate::VrMobile},
    {&Dhcp::highIPAddress, L"192.168.250.20", Gate::VrMobile},
    {&Dhcp::routerAddress, L"192.168.250.1", Gate::VrMobile},
    {&Dhcp::primaryDns, L"0.0.0.0", Gate::VrMobile},
    {&Dhcp::secondaryDns, L"0.0.0.0", Gate::VrMobile},
    {&Dhcp::defaultGatewayUseAsCcmIp, 1, Gate::VrMobile},
};

// The network services with a port and a mode; netSaCfg has no mode in the defaults.
struct ServiceDefault {
    ServicePort NetworkConfig::*service;
    int32_t port;
    std::optional<uint32_t> mode;
};
const ServiceDefault kServiceDefaults[] = {
    {&NetworkConfig::qdNetCfg, 4951, 1},
    {&NetworkConfig::asciiNetCfg, 4952, 0},
    {&NetworkConfig::cssNetCfg, 4953, 1},
    {&NetworkConfig::ftpCfg, 21, 0},
    {&NetworkConfig::netSaCfg, 18088, std::nullopt},
    {&NetworkConfig::vchDiscoveryCfg, 61010, 1},
    {&NetworkConfig::chMinPort, 61001, 1},
    {&NetworkConfig::chPort2, 61002, 1},
    {&NetworkConfig::chPort3, 61003, 1},
    {&NetworkConfig::chPort4, 61004, 1},
    {&NetworkConfig::chMaxPort, 61005, 1},
};

const ApnMap kApnEntries = {
    {0,
     {.Name = L"",
      .IP_Type = 0,  // IP
      .Enabled = 0,
      .External_vlan_id = L"0",
      .AuthType = 0,  // null
      .AuthName = L"",
      .AuthPwd = L"",
      .AuthHostname = L""}},
};

// Keyed by option: AC_BK, AC_BE, AC_VI, AC_VO.
const WmmMap kWmmEntries = {
    {0, {.option = 0, .CWMin = 4, .CWMax = 10, .AIFSN = 7, .TXOPLimit = 0, .ACM = 0}},
    {1, {.option = 1, .CWMin = 4, .CWMax = 10, .AIFSN = 3, .TXOPLimit = 0, .ACM = 0}},
    {2, {.option = 2, .CWMin = 3, .CWMax = 4, .AIFSN = 2, .TXOPLimit = 94, .ACM = 0}},
    {3, {.option = 3, .CWMin = 2, .CWMax = 3, .AIFSN = 2, .TXOPLimit = 47, .ACM = 0}},
};

const WpaItemMap kWpaItemEntries = {
    {0,
     {.protocol = 2,
      .ssid = L"corvanradios",
      .pass = L"kestrels",
      .cacertfilename = L"ca.pem",
      .usercertfilename = L"user.pem",
      .privatekeyfilename = L"user.prv",
      .privatekeypassword = L"",
      .identity = L"",
      .priority = L"0"}},
};

const PortForwardMap kPortForwardEntries = {
    {0,
     {.source = L"0.0.0.0",
      .from = L"0",
      .to = L"0",
      .protocol = 2,  // both
      .destination = L"0.0.0.0"}},
};

const MacReservationMap kMacReservationEntries = {
    {0, {.MACAddress = L"00:00:00:00:00:00", .IP = L"0.0.0.0"}},
};

void applyNetworkDefaults(NetworkConfig& net, uint32_t code) {
    if (!isExtendedCode(code)) return;
    applyPresets<LteConfig>(net.LTEConfig, code, kLtePresets);
    applyPresets<WifiAp>(net.wifiAPCfg, code, kWifiApPresets);
    applyPresets<WifiClientConfig>(net.wifiCfg, code, kWifiClientPresets);
    applyPresets<WpaConfig>(net.wpa, code, kWpaPresets);
    applyPresets<NetDiscoveryConfig>(net.netDiscoveryCfg, code, kNetDiscoveryPresets);
    applyPresets<GeneralConfig>(net.generalCfg, code, kGeneralPresets);
    applyPresets<DmzConfig>(net.DMZ, code, kDmzPresets);
    applyPresets<DhcpServer>(net.DHCPServer, code, kDhcpServerPresets);
    applyPresets<NetworkConfig>(net, code, kNetworkPresets);
    applyPresets<Dhcp>(net.DhcpServerCfg, code, kDhcpServerCfgPresets);
    for (const ServiceDefault& s : kServiceDefaults) {
        (net.*s.service).port = s.port;
        if (s.mode) (net.*s.service).mode = *s.mode;
    }
    insertAll(net.APN, kApnEntries);
    insertAll(net.WMM, kWmmEntries);
    insertAll(net.wpaItem, kWpaItemEntries);
    insertAll(net.portForwarding, kPortForwardEntries);
    insertAll(net.MACReservation, kMacReservationEntries);
}

// ---- list sections ---------------------------------------------------------------------

// progButtons of the classic codes, keyed by ProgButtonNames.
const ProgButtonMap kProgButtonEntries = {
    {1, {.function = 34, .delay = L"0.0", .extraData = L""}},  // TOP_SIDE: MONITOR_CLEAR
    {2, {.function = 14, .delay = L"0.0", .extraData = L""}},  // MID_SIDE: ZONE_UP
    {3, {.function = 15, .delay = L"0.0", .extraData = L""}},  // BOT_SIDE: ZONE_DOWN
    {4, {.function = 19, .delay = L"", .extraData = L""}},     // EMERGENCY: EMERGENCY_CALL
};

// progBtns of the extended platform codes: runs of keys (ProgBtnNames) with one opcode.
struct ProgBtnRun {
    Gate gate;
    int32_t firstKey;
    int32_t lastKey;
    uint32_t opcode;  // ProgBtnOpcodeNames
};
const ProgBtnRun kProgBtnRuns[] = {
    {Gate::Hazard, 1, 1, 3},       // TOP_SIDE: FUNC_MONITOR_CLEAR
    {Gate::Hazard, 2, 2, 14},      // MID_SIDE: FUNC_ZONE_UP
    {Gate::Hazard, 3, 3, 15},      // BOT_SIDE: FUNC_ZONE_DOWN
    {Gate::Hazard, 4, 4, 19},      // EMERGENCY: FUNC_EMERGENCY_CALL
    {Gate::Hazard, 5, 22, 1},      // Key0 .. KeyFRSMOption: FUNC_NOOP
    {Gate::VrMobile, 23, 23, 19},  // MobileEMERGENCY: FUNC_EMERGENCY_CALL
    {Gate::VrMobile, 24, 53, 1},   // MobileKeyPF1 .. ExtIoIn3: FUNC_NOOP
};

ProgBtnEntry defaultProgBtn(uint32_t opcode) {
    return {.opcode = opcode,
            .delay = L"0.0",
            .timeout = L"0.0",
            .extraData = L"",
            .presetSysZoneType = 0,
            .sysZoneIndex = 65535,
            .groupIndex = 65535};
}

// accessoryButtons of every code; delay and timeout are set for the extended platform
// codes only.
struct AccessoryButtonRow {
    int32_t key;        // AccessoryButtonNames
    uint32_t function;  // AccessoryButtonFunctionNames
    const wchar_t* delay;
    const wchar_t* timeout;
};
const AccessoryButtonRow kAccessoryButtonRows[] = {
    {1, 0, L"0", L"1"},   // ACC_USER_1: UNASSIGNED
    {2, 0, L"1", L"2"},   // ACC_USER_2: UNASSIGNED
    {3, 18, L"3", L"4"},  // ACC_EMERGENCY: EMERGENCY_CALL
};

// shortMenu: the name (ShortMenuItemNames) of positions 0 to 15; 14 is "empty".
constexpr uint32_t kShortMenuNames[] = {0, 1, 2, 3, 4, 5, 6, 14, 14, 14, 14, 14, 14, 14, 14, 14};

// statusIcons (StatusIconNames) of the extended platform codes, by position from 1.
constexpr uint32_t kTopDisplayIcons[] = {
    4,   // SIGSTRNGTH
    17,  // SCANNING
    7,   // EMERGENCY
    18,  // ENCRYPTED_TRAFFIC
    21,  // TALKAROUND
    3,   // BLUETOOTH
    2,   // BATTERY_CAP
};
constexpr uint32_t kFrontDisplayIcons[] = {
    4,   // SIGSTRNGTH
    23,  // TRANSMIT_DISABLED
    13,  // PTT_DISABLE
    20,  // SPEAKER_MUTE
    16,  // TRANSMIT_POWER
    18,  // ENCRYPTED_TRAFFIC
    1,   // ALERTS_PRESENT
    21,  // TALKAROUND
    3,   // BLUETOOTH
    2,   // BATTERY_CAP
    // VR-mobile codes only from here on.
    14,  // DATA_TRAFFIC
    25,  // WIFI
    28,  // WIFI_AP
    12,  // OTAR
    9,   // GPSTRACK
    7,   // EMERGENCY
};
constexpr std::size_t kFrontIconsOfAllExtended = 10;

// Key-code voice annunciation mappings of the extended platform codes, keys 1 to 4.
constexpr int32_t kVaKeyCodes[] = {4, 5, 10, 11};

// AliasList of the extended platform codes.
const AliasMap kAliasEntries = {
    {0, {.lid = 1, .aliasName = L"", .aliasLongName = L""}},
};

// eioOutputCfg of the VR-mobile codes: ExtIoOut1 to ExtIoOut3, all disabled, not repeating.
const EioOutputMap kEioOutputEntries = {
    {0, {.func = 0, .mode = 0, .pattern = 0, .repeat = L"false", .sense = 0}},
    {1, {.func = 0, .mode = 0, .pattern = 0, .repeat = L"false", .sense = 0}},
    {2, {.func = 0, .mode = 0, .pattern = 0, .repeat = L"false", .sense = 0}},
};

// progSwitches of the extended platform codes: switch (ProgSwitchNames) -> positions.
const ProgSwitchMap kProgSwitchEntries = {
    {0,  // VolSw: FUNC_SECUR_ENABLE_TGL
     {{0, {.opcode = 12, .param = L"OFF", .VAFileIndex = 0}},
      {1, {.opcode = 12, .param = L"ON", .VAFileIndex = 0}}}},
    {1,  // ChanSw: FUNC_CHANNEL_BANK_SELECT
     {{0, {.opcode = 2, .param = L"1", .VAFileIndex = 0}},
      {1, {.opcode = 2, .param = L"2", .VAFileIndex = 0}},
      {2, {.opcode = 2, .param = L"3", .VAFileIndex = 0}},
      {3, {.opcode = 2, .param = L"4", .VAFileIndex = 0}}}},
    {2,  // ChanKnob: FUNC_GROUP
     {{0, {.opcode = 20, .param = L"GROUP", .VAFileIndex = 0}}}},
};

// menuConfig of the extended platform codes. The key of an item is also its name and its
// opcode; the index into this table is the key.
struct MenuRow {
    int8_t level;                 // 1 is the top level
    bool opensSubMenu;            // the items that follow at a deeper level belong to it
    Gate gate = Gate::All;        // the codes that have the item
    bool vrMobileHidden = false;  // display 0 for the VR-mobile codes
};
// clang-format off
const MenuRow kMenuRows[] = {
    /*   0 */ {1, true}, {2, false}, {2, false}, {2, false}, {2, false},
    /*   5 */ {2, true}, {3, false}, {2, false}, {2, true}, {3, false},
    /*  10 */ {3, false}, {2, false, Gate::Hazard}, {2, false}, {2, false}, {2, false},
    /*  15 */ {2, false}, {1, true}, {2, false}, {2, true}, {3, true},
    /*  20 */ {4, false}, {3, true}, {4, false}, {4, false}, {2, false},
    /*  25 */ {2, false}, {2, false}, {1, true}, {2, false}, {2, false},
    /*  30 */ {2, false}, {2, false}, {2, false}, {2, false}, {2, false},
    /*  35 */ {2, false}, {2, false}, {2, false, Gate::VrMobile}, {2, false}, {1, true},
    /*  40 */ {2, false}, {2, false}, {2, false}, {2, false}, {2, false},
    /*  45 */ {2, false}, {1, true}, {2, true}, {3, false}, {3, false},
    /*  50 */ {3, false}, {3, false, Gate::All, true}, {3, false}, {3, false}, {3, false},
    /*  55 */ {2, true}, {3, false}, {3, false}, {3, false}, {3, false},
    /*  60 */ {3, false}, {3, false}, {3, false}, {3, false}, {3, false, Gate::Hazard},
    /*  65 */ {3, false}, {2, true}, {3, false}, {3, false}, {3, false},
    /*  70 */ {3, false}, {3, false}, {3, true}, {4, false}, {4, false},
    /*  75 */ {2, true}, {3, false}, {3, false}, {2, true}, {3, false},
    /*  80 */ {3, false}, {2, true}, {3, false}, {3, false}, {3, false},
    /*  85 */ {3, false}, {3, false}, {3, false}, {3, false}, {2, true},
    /*  90 */ {3, true}, {4, false}, {3, false}, {3, false}, {3, true},
    /*  95 */ {4, false}, {4, false}, {4, false}, {3, false}, {3, false},
    /* 100 */ {3, false}, {2, false}, {2, false}, {2, true}, {3, false},
    /* 105 */ {3, false}, {3, false}, {3, false}, {3, false}, {2, true},
    /* 110 */ {3, false}, {3, false}, {2, false}, {2, false}, {2, true},
    /* 115 */ {3, false}, {3, false}, {3, false}, {3, false}, {2, false},
    /* 120 */ {1, true}, {2, false},
};
// clang-format on

void applyListDefaults(HandheldPlatform& p, uint32_t code) {
    const bool extended = isExtendedCode(code);

    if (isClassicCode(code)) insertAll(p.progButtons, kProgButtonEntries);

    for (const ProgBtnRun& run : kProgBtnRuns) {
        if (!gateOpen(run.gate, code)) continue;
        for (int32_t key = run.firstKey; key <= run.lastKey; ++key)
            p.progBtns.try_emplace(key, defaultProgBtn(run.opcode));
    }

    for (const AccessoryButtonRow& row : kAccessoryButtonRows) {
        p.accessoryButtons.try_emplace(row.key,
                                       AccessoryButtonEntry{.function = row.function,
                                                            .delay = extended ? row.delay : L"",
                                                            .timeout = extended ? row.timeout : L"",
                                                            .extraData = L""});
    }

    for (std::size_t i = 0; i < std::size(kShortMenuNames); ++i) {
        const auto key = static_cast<uint32_t>(i);
        p.shortMenu.try_emplace(key, ShortMenuItem{.name = kShortMenuNames[i],
                                                   .position = std::to_wstring(key),
                                                   .extraData = L""});
    }

    if (!extended) return;

    auto insertIcons = [](StatusIconMap& icons, std::span<const uint32_t> names) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            const auto key = static_cast<int32_t>(i + 1);
            icons.try_emplace(key,
                              StatusIconEntry{.pos = std::to_wstring(key), .statusName = names[i]});
        }
    };
    insertIcons(p.statusIconsTop, kTopDisplayIcons);
    insertIcons(p.statusIconsFront, std::span(kFrontDisplayIcons)
                                        .first(isVrMobileCode(code) ? std::size(kFrontDisplayIcons)
                                                                    : kFrontIconsOfAllExtended));

    for (std::size_t i = 0; i < std::size(kVaKeyCodes); ++i)
        p.audioConfig.mapping.try_emplace(static_cast<int32_t>(i + 1),
                                          VaMapping{.keyCode = kVaKeyCodes[i], .VAFileIndex = 0});

    insertAll(p.AliasList, kAliasEntries);
    if (isVrMobileCode(code)) insertAll(p.eioOutputCfg, kEioOutputEntries);
    insertAll(p.progSwitches.switches, kProgSwitchEntries);

    for (std::size_t i = 0; i < std::size(kMenuRows); ++i) {
        const MenuRow& row = kMenuRows[i];
        if (!gateOpen(row.gate, code)) continue;
        const bool hidden = row.vrMobileHidden && isVrMobileCode(code);
        p.menuConfig.try_emplace(static_cast<int32_t>(i),
                                 MenuItemEntry{.opCode = static_cast<uint32_t>(i),
                                               .display = hidden ? 0u : 1u,
                                               .level = row.level,
                                               .hasChildren = row.opensSubMenu});
    }
}

}  // namespace

void applyHandheldDefaults(MissionPlan& plan) {
    HandheldPlatform& p = plan.Platform;
    const uint32_t code = plan.planRadioType;

    applyPresets<Gps>(p.gpsConfig, code, kGpsPresets);
    applyPresets<BT>(p.bluetoothConfig, code, kBluetoothPresets);
    applyPresets<TimeDateConfig>(p.TimeDateCfg, code, kTimeDatePresets);
    applyPresets<PinConfig>(p.PINConfig, code, kPinPresets);
    applyPresets<ManDownConfig>(p.manDownConfig, code, kManDownPresets);
    applyPresets<ThreePosSwitchConfig>(p.threePosSwitch, code, kThreePosPresets);
    applyPresets<TwoPosSwitchConfig>(p.twoPosSwitch, code, kTwoPosPresets);
    applyPresets<MiscConfig>(p.miscConfig, code, kMiscPresets);
    applyPresets<Audio>(p.audioConfig, code, kAudioPresets);
    for (uint32_t mic : {kMicInternal, kMicExternal})
        applyPresets<Microphone>(p.audioConfig.microphones[mic], code, kRadioMicPresets);
    for (AudioEioOutput& output : p.audioConfig.audioEioOutputs)
        applyPresets<AudioEioOutput>(output, code, kAudioEioPresets);
    applyPresets<Dnp3Config>(p.DNP3Cfg, code, kDnp3Presets);
    applyPresets<OverridesConfig>(p.overrides, code, kOverridesPresets);
    applyNetworkDefaults(p.networkConfig, code);
    applyListDefaults(p, code);
}

}  // namespace tarin
