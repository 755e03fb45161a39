#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace tarin {

// networkConfig. Every XML element of the section is one member named after the element,
// holding fields named after its attributes (or, in wifiAPCfg, its text children); list
// elements are maps keyed by reading position. On/off fields use OnOffNames.

// CCM.
struct CcmConfig {
    uint32_t AlwaysPowerOnCCM = 0;  // on/off
    bool operator==(const CcmConfig&) const = default;
};

// LTEConfig. `operator` is a keyword, so its field carries a trailing underscore.
struct LteConfig {
    uint32_t enabled = 0;      // on/off
    uint32_t alwaysOn = 0;     // on/off
    uint32_t operator_ = 0;    // LteOperatorNames
    uint32_t Sim_Select = 0;   // SimSelectNames
    uint32_t LTEMaxPower = 0;  // LteMaxPowerNames
    bool operator==(const LteConfig&) const = default;
};

// APN.
struct ApnEntry {
    std::wstring Name;
    uint32_t IP_Type = 0;  // ApnIpTypeNames
    uint32_t Enabled = 0;  // on/off
    std::wstring External_vlan_id;
    uint32_t AuthType = 0;  // ApnAuthTypeNames
    std::wstring AuthName;
    std::wstring AuthPwd;
    std::wstring AuthHostname;
    bool operator==(const ApnEntry&) const = default;
};
using ApnMap = std::map<int32_t, ApnEntry>;

// wifiAPCfg: the access point; each field is a child element with text content.
struct WifiApConfig {
    uint32_t enabled = 0;           // on/off
    uint32_t SavePowerUpState = 0;  // on/off
    uint32_t securityType = 0;      // WifiSecurityTypeNames
    uint32_t security = 0;          // WifiSecurityNames
    std::wstring radius_server;
    std::wstring radius_port;
    std::wstring passphrase;
    uint32_t encryption = 0;  // WifiEncryptionNames
    uint32_t mode = 0;        // WifiModeNames
    std::wstring ssid;
    int32_t numberOfStations = 0;
    uint32_t shortGI = 0;     // on/off
    uint32_t Greenfield = 0;  // on/off
    uint32_t preamble = 0;    // on/off
    uint32_t hiddenSSID = 0;  // on/off
    std::wstring country_code;
    uint32_t WMM_enabled = 0;    // on/off
    uint32_t WMMPS_enabled = 0;  // on/off
    bool operator==(const WifiApConfig&) const = default;
};

// Channel, inside wifiAPCfg.
struct WifiChannel {
    uint32_t select = 0;  // WifiChannelSelectNames
    int32_t number = 0;
    bool operator==(const WifiChannel&) const = default;
};

// WMM, inside wifiAPCfg.
struct WmmEntry {
    uint32_t option = 0;  // WmmOptionNames
    int32_t CWMin = 0;
    int32_t CWMax = 0;
    int32_t AIFSN = 0;
    int32_t TXOPLimit = 0;
    int32_t ACM = 0;
    bool operator==(const WmmEntry&) const = default;
};
using WmmMap = std::map<int32_t, WmmEntry>;

// wifiCfg: the Wi-Fi client.
struct WifiClientConfig {
    uint32_t wifiMode = 0;        // on/off
    uint32_t ccmControlWifi = 0;  // on/off
    bool operator==(const WifiClientConfig&) const = default;
};

// wpa, inside wifiCfg.
struct WpaConfig {
    uint32_t wpaSuppMode = 0;  // on/off
    bool operator==(const WpaConfig&) const = default;
};

// wpaItem, inside wpa. A new entry starts with the texts an absent attribute reads as.
struct WpaItem {
    uint32_t protocol = 0;  // WpaProtocolNames
    std::wstring ssid;
    std::wstring pass;
    std::wstring cacertfilename = L"ca.pem";
    std::wstring usercertfilename = L"user.pem";
    std::wstring privatekeyfilename = L"user.prv";
    std::wstring privatekeypassword;
    std::wstring identity;
    std::wstring priority = L"0";
    bool operator==(const WpaItem&) const = default;
};
using WpaItemMap = std::map<int32_t, WpaItem>;

// ndisCfg.
struct NdisConfig {
    uint32_t ndisMode = 0;  // on/off
    bool operator==(const NdisConfig&) const = default;
};

// netDiscoveryCfg, inside networkServiceCfg.
struct NetDiscoveryConfig {
    int32_t port = 0;
    uint32_t ndMode = 0;  // on/off
    std::wstring serviceName;
    bool operator==(const NetDiscoveryConfig&) const = default;
};

// A network service element with a port and a mode: qdNetCfg, asciiNetCfg, cssNetCfg,
// ftpCfg, netSaCfg, vchDiscoveryCfg, chMinPort, chPort2, chPort3, chPort4, chMaxPort.
// `mode` is the element's mode attribute (qdNetMode, asciiNetMode, ..., chMaxPortMode);
// netSaCfg has none in XML and its mode is only held.
struct ServicePort {
    int32_t port = 0;
    uint32_t mode = 0;  // on/off
    bool operator==(const ServicePort&) const = default;
};

// generalCfg, inside networkServiceCfg.
struct GeneralConfig {
    std::wstring domain;
    bool operator==(const GeneralConfig&) const = default;
};

// portForwarding, inside RouterConfig.
struct PortForwardEntry {
    std::wstring source;
    std::wstring from;
    std::wstring to;
    uint32_t protocol = 0;  // PortForwardProtocolNames
    std::wstring destination;
    bool operator==(const PortForwardEntry&) const = default;
};
using PortForwardMap = std::map<int32_t, PortForwardEntry>;

// MACReservation, inside RouterConfig.
struct MacReservationEntry {
    std::wstring MACAddress;
    std::wstring IP;
    bool operator==(const MacReservationEntry&) const = default;
};
using MacReservationMap = std::map<int32_t, MacReservationEntry>;

// DHCPServer, inside RouterConfig. RouterConfig is written only when AddressSpace is
// not 0.
struct DhcpServer {
    int32_t AddressSpace = 0;
    std::wstring LowAddress;
    std::wstring HighAddress;
    bool operator==(const DhcpServer&) const = default;
};

// DMZ, inside RouterConfig.
struct DmzConfig {
    uint32_t enable = 0;  // on/off
    std::wstring hostAddress;
    bool operator==(const DmzConfig&) const = default;
};

// VPNPassthrough, inside RouterConfig.
struct VpnPassthrough {
    uint32_t IPSec = 0;  // on/off
    uint32_t L2TP = 0;   // on/off
    uint32_t PPTP = 0;   // on/off
    bool operator==(const VpnPassthrough&) const = default;
};

// DhcpServerCfg, inside networkServiceCfg: the DHCP server of the attached network.
struct DhcpServerConfig {
    uint32_t serverEnable = 0;  // on/off
    std::wstring subnetAddress;
    std::wstring lowIPAddress;
    std::wstring highIPAddress;
    std::wstring routerAddress;
    std::wstring primaryDns;
    std::wstring secondaryDns;
    uint32_t defaultGatewayEnableWithoutCCM = 0;  // on/off
    uint32_t defaultGatewayUseAsCcmIp = 0;        // on/off
    uint32_t useCCMforDHCP = 0;                   // on/off
    bool operator==(const DhcpServerConfig&) const = default;
};

struct NetworkConfig {
    LteConfig LTEConfig;
    ApnMap APN;
    WifiApConfig wifiAPCfg;
    WifiChannel Channel;
    WmmMap WMM;
    WifiClientConfig wifiCfg;
    WpaConfig wpa;
    WpaItemMap wpaItem;
    NdisConfig ndisCfg;
    NetDiscoveryConfig netDiscoveryCfg;
    ServicePort qdNetCfg;
    ServicePort asciiNetCfg;
    ServicePort cssNetCfg;
    ServicePort ftpCfg;
    GeneralConfig generalCfg;
    ServicePort netSaCfg;
    ServicePort vchDiscoveryCfg;
    ServicePort chMinPort;
    ServicePort chPort2;
    ServicePort chPort3;
    ServicePort chPort4;
    ServicePort chMaxPort;
    PortForwardMap portForwarding;
    DmzConfig DMZ;
    MacReservationMap MACReservation;
    DhcpServer DHCPServer;
    VpnPassthrough VPNPassthrough;
    std::wstring PrimaryDNS;  // text of the PrimaryDNS element
    std::wstring SecondaryDNS;
    DhcpServerConfig DhcpServerCfg;
    CcmConfig CCM;
    bool operator==(const NetworkConfig&) const = default;
};

}  // namespace tarin
