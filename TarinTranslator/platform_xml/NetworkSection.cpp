#include <cstddef>
#include <map>
#include <span>
#include <string>

#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/Sections.h"

// networkConfig of the extended platform codes: the CCM power option, LTE and its access
// point names, the router, the Wi-Fi access point and client, NDIS, the ports and modes of
// the network services and, for the VR-mobile codes, the attached network's DHCP server.
//
// Reading is tolerant: a value that is absent or does not convert leaves its field, a list
// is replaced by the entries its parent element holds, and the section's result is the
// check of the mode switches alone.

namespace tarin {

namespace {

constexpr int64_t kMaxPort = 65535;

// Every attribute of this section is read tolerantly.
template <class R, class T>
constexpr ReadAttr<R> tolerant(const char* name, T R::*field, const VocabTable* names = nullptr,
                               int64_t min = kLongMin, int64_t max = kULongMax) {
    return {
        .name = name, .field = field, .names = names, .use = Use::Tolerant, .min = min, .max = max};
}

// An element with attributes only: its opening and closing literals, its attribute lines
// and the attributes its reader converts.
template <class R>
struct Element {
    const char* name;
    const char* open;
    std::span<const XmlAttr<R>> xml;
    const char* close;
    std::span<const ReadAttr<R>> read;
};

template <class R>
void writeElement(std::wostream& os, const R& rec, const Element<R>& e) {
    os << e.open;
    writeXmlAttrs<R>(os, rec, e.xml);
    os << e.close;
}

// The first child of `parent` with the element's name; a missing child changes nothing.
template <class R>
void readElement(pugi::xml_node parent, R& rec, const Element<R>& e) {
    readAttrs<R>(parent.child(e.name), rec, e.read);
}

template <class Entry>
void writeList(std::wostream& os, const std::map<int32_t, Entry>& list, const Element<Entry>& e) {
    for (const auto& [key, entry] : list) writeElement(os, entry, e);
}

// Replaces `list` by the children of `parent` with the element's name, keyed by position;
// an attribute that is absent or does not convert keeps the new entry's constructed value.
template <class Entry>
void readList(pugi::xml_node parent, std::map<int32_t, Entry>& list, const Element<Entry>& e) {
    std::map<int32_t, Entry> fresh;
    int32_t key = 0;
    for (pugi::xml_node child : parent.children(e.name)) {
        Entry entry;
        readAttrs<Entry>(child, entry, e.read);
        fresh.emplace(key++, std::move(entry));
    }
    list = std::move(fresh);
}

// Elements with text content, one per item: "<name>" value "</name>\n". On reading, a
// missing child is empty text.
template <class R>
void writeTexts(std::wostream& os, const R& rec, std::span<const ReadAttr<R>> items) {
    for (const ReadAttr<R>& item : items) {
        os << "<" << item.name << ">";
        writeXmlValue(os, rec, item.field, item.names);
        os << "</" << item.name << ">\n";
    }
}

template <class R>
void readTexts(pugi::xml_node parent, R& rec, std::span<const ReadAttr<R>> items) {
    for (const ReadAttr<R>& item : items)
        convertText(elementText(parent.child(item.name)).c_str(), rec, item);
}

// ---- CCM, LTEConfig, APN ---------------------------------------------------------------

using Ccm = CcmConfig;
const XmlAttr<Ccm> kCcmXml[] = {{"     AlwaysPowerOnCCM='", &Ccm::AlwaysPowerOnCCM, &OnOffNames}};
const ReadAttr<Ccm> kCcmRead[] = {
    tolerant("AlwaysPowerOnCCM", &Ccm::AlwaysPowerOnCCM, &OnOffNames)};
const Element<Ccm> kCcm = {"CCM", "   <CCM\n", kCcmXml, "    />\n", kCcmRead};

using Lte = LteConfig;
const XmlAttr<Lte> kLteXml[] = {
    {" enabled='", &Lte::enabled, &OnOffNames},
    {" alwaysOn='", &Lte::alwaysOn, &OnOffNames},
    {" operator='", &Lte::operator_, &LteOperatorNames},
    {" Sim_Select='", &Lte::Sim_Select, &SimSelectNames},
    {" LTEMaxPower='", &Lte::LTEMaxPower, &LteMaxPowerNames},
};
const ReadAttr<Lte> kLteRead[] = {
    tolerant("enabled", &Lte::enabled, &OnOffNames),
    tolerant("alwaysOn", &Lte::alwaysOn, &OnOffNames),
    tolerant("operator", &Lte::operator_, &LteOperatorNames),
    tolerant("Sim_Select", &Lte::Sim_Select, &SimSelectNames),
    tolerant("LTEMaxPower", &Lte::LTEMaxPower, &LteMaxPowerNames),
};
const Element<Lte> kLte = {"LTEConfig", "<LTEConfig\n", kLteXml, "  />\n", kLteRead};

const XmlAttr<ApnEntry> kApnXml[] = {
    {" Name ='", &ApnEntry::Name},
    {" IP_Type ='", &ApnEntry::IP_Type, &ApnIpTypeNames},
    {" Enabled ='", &ApnEntry::Enabled, &OnOffNames},
    {" External_vlan_id ='", &ApnEntry::External_vlan_id},
    {" AuthType ='", &ApnEntry::AuthType, &ApnAuthTypeNames},
    {" AuthName ='", &ApnEntry::AuthName},
    {" AuthPwd ='", &ApnEntry::AuthPwd},
    {" AuthHostname ='", &ApnEntry::AuthHostname},
};
const ReadAttr<ApnEntry> kApnRead[] = {
    tolerant("Name", &ApnEntry::Name),
    tolerant("External_vlan_id", &ApnEntry::External_vlan_id),
    tolerant("AuthName", &ApnEntry::AuthName),
    tolerant("AuthPwd", &ApnEntry::AuthPwd),
    tolerant("AuthHostname", &ApnEntry::AuthHostname),
    tolerant("IP_Type", &ApnEntry::IP_Type, &ApnIpTypeNames),
    tolerant("Enabled", &ApnEntry::Enabled, &OnOffNames),
    tolerant("AuthType", &ApnEntry::AuthType, &ApnAuthTypeNames),
};
const Element<ApnEntry> kApn = {"APN", "<APN\n", kApnXml, "   />\n", kApnRead};

// ---- RouterConfig ----------------------------------------------------------------------

using PF = PortForwardEntry;
const XmlAttr<PF> kPortForwardXml[] = {
    {"   source='", &PF::source},
    {"   protocol='", &PF::protocol, &PortForwardProtocolNames},
    {"   from='", &PF::from},
    {"   to='", &PF::to},
    {"   destination='", &PF::destination},
};
const ReadAttr<PF> kPortForwardRead[] = {
    tolerant("source", &PF::source),
    tolerant("from", &PF::from),
    tolerant("to", &PF::to),
    tolerant("destination", &PF::destination),
    tolerant("protocol", &PF::protocol, &PortForwardProtocolNames),
};
const Element<PF> kPortForward = {"portForwarding", "<portForwarding\n", kPortForwardXml,
                                  "    />\n", kPortForwardRead};

using MacR = MacReservationEntry;
const XmlAttr<MacR> kMacXml[] = {{"   MACAddress='", &MacR::MACAddress}, {"   IP='", &MacR::IP}};
const ReadAttr<MacR> kMacRead[] = {tolerant("MACAddress", &MacR::MACAddress),
                                   tolerant("IP", &MacR::IP)};
const Element<MacR> kMac = {"MACReservation", "<MACReservation\n", kMacXml, "    />\n", kMacRead};

const XmlAttr<DhcpServer> kDhcpServerXml[] = {
    {"  AddressSpace='", &DhcpServer::AddressSpace},
    {"  LowAddress='", &DhcpServer::LowAddress},
    {" HighAddress='", &DhcpServer::HighAddress},
};
const ReadAttr<DhcpServer> kDhcpServerRead[] = {
    tolerant("AddressSpace", &DhcpServer::AddressSpace),
    tolerant("LowAddress", &DhcpServer::LowAddress),
    tolerant("HighAddress", &DhcpServer::HighAddress),
};
const Element<DhcpServer> kDhcpServer = {"DHCPServer", "<DHCPServer\n", kDhcpServerXml, "  />\n",
                                         kDhcpServerRead};

const XmlAttr<DmzConfig> kDmzXml[] = {
    {"  enable='", &DmzConfig::enable, &OnOffNames},
    {"  hostAddress='", &DmzConfig::hostAddress},
};
const ReadAttr<DmzConfig> kDmzRead[] = {
    tolerant("enable", &DmzConfig::enable, &OnOffNames),
    tolerant("hostAddress", &DmzConfig::hostAddress),
};
const Element<DmzConfig> kDmz = {"DMZ", "<DMZ\n", kDmzXml, "  />\n", kDmzRead};

using Vpn = VpnPassthrough;
const XmlAttr<Vpn> kVpnXml[] = {
    {"  IPSec='", &Vpn::IPSec, &OnOffNames},
    {"  L2TP='", &Vpn::L2TP, &OnOffNames},
    {" PPTP='", &Vpn::PPTP, &OnOffNames},
};
const ReadAttr<Vpn> kVpnRead[] = {
    tolerant("IPSec", &Vpn::IPSec, &OnOffNames),
    tolerant("L2TP", &Vpn::L2TP, &OnOffNames),
    tolerant("PPTP", &Vpn::PPTP, &OnOffNames),
};
const Element<Vpn> kVpn = {"VPNPassthrough", "<VPNPassthrough\n", kVpnXml, "  />\n", kVpnRead};

// PrimaryDNS and SecondaryDNS: elements with text content.
const ReadAttr<NetworkConfig> kDnsTexts[] = {
    tolerant("PrimaryDNS", &NetworkConfig::PrimaryDNS),
    tolerant("SecondaryDNS", &NetworkConfig::SecondaryDNS),
};

// ---- wifiAPCfg -------------------------------------------------------------------------

// The access point's settings are elements with text content, in writing order; the Channel
// element stands between the two lists. A missing child is empty text: a text field becomes
// empty, and only security and encryption have a name for it.
using Ap = WifiApConfig;
const ReadAttr<Ap> kApTextsBeforeChannel[] = {
    tolerant("enabled", &Ap::enabled, &OnOffNames),
    tolerant("SavePowerUpState", &Ap::SavePowerUpState, &OnOffNames),
    tolerant("securityType", &Ap::securityType, &WifiSecurityTypeNames),
    tolerant("security", &Ap::security, &WifiSecurityNames),
    tolerant("passphrase", &Ap::passphrase),
    tolerant("radius_server", &Ap::radius_server),
    tolerant("radius_port", &Ap::radius_port),
    tolerant("encryption", &Ap::encryption, &WifiEncryptionNames),
    tolerant("mode", &Ap::mode, &WifiModeNames),
    tolerant("ssid", &Ap::ssid),
    tolerant("numberOfStations", &Ap::numberOfStations, nullptr, 5, 10),
};
const ReadAttr<Ap> kApTextsAfterChannel[] = {
    tolerant("shortGI", &Ap::shortGI, &OnOffNames),
    tolerant("preamble", &Ap::preamble, &OnOffNames),
    tolerant("Greenfield", &Ap::Greenfield, &OnOffNames),
    tolerant("hiddenSSID", &Ap::hiddenSSID, &OnOffNames),
    tolerant("country_code", &Ap::country_code),
    tolerant("WMMPS_enabled", &Ap::WMMPS_enabled, &OnOffNames),
    tolerant("WMM_enabled", &Ap::WMM_enabled, &OnOffNames),
};

using Chan = WifiChannel;
const XmlAttr<Chan> kChannelXml[] = {
    {" select='", &Chan::select, &WifiChannelSelectNames},
    {" number='", &Chan::number},
};
const ReadAttr<Chan> kChannelRead[] = {
    tolerant("select", &Chan::select, &WifiChannelSelectNames),
    tolerant("number", &Chan::number, nullptr, 0, 165),
};
const Element<Chan> kChannel = {"Channel", "<Channel\n", kChannelXml, "  />\n", kChannelRead};

// A value outside its range is not stored.
const XmlAttr<WmmEntry> kWmmXml[] = {
    {"   option='", &WmmEntry::option, &WmmOptionNames},
    {"   CWMin='", &WmmEntry::CWMin},
    {"   CWMax='", &WmmEntry::CWMax},
    {"   AIFSN='", &WmmEntry::AIFSN},
    {"   TXOPLimit='", &WmmEntry::TXOPLimit},
    {"   ACM='", &WmmEntry::ACM},
};
const ReadAttr<WmmEntry> kWmmRead[] = {
    tolerant("option", &WmmEntry::option, &WmmOptionNames),
    tolerant("CWMin", &WmmEntry::CWMin, nullptr, 2, 15),
    tolerant("CWMax", &WmmEntry::CWMax, nullptr, 3, 1023),
    tolerant("AIFSN", &WmmEntry::AIFSN, nullptr, 1, 7),
    tolerant("TXOPLimit", &WmmEntry::TXOPLimit, nullptr, 0, 188),
    tolerant("ACM", &WmmEntry::ACM, nullptr, 0, 0),
};
const Element<WmmEntry> kWmm = {"WMM", "<WMM\n", kWmmXml, "    />\n", kWmmRead};

// ---- wifiCfg, wpa, ndisCfg -------------------------------------------------------------

using Client = WifiClientConfig;
const XmlAttr<Client> kClientXml[] = {
    {"   wifiMode='", &Client::wifiMode, &OnOffNames},
    {"   ccmControlWifi='", &Client::ccmControlWifi, &OnOffNames},
};
const ReadAttr<Client> kClientRead[] = {
    tolerant("wifiMode", &Client::wifiMode, &OnOffNames),
    tolerant("ccmControlWifi", &Client::ccmControlWifi, &OnOffNames),
};
const Element<Client> kClient = {"wifiCfg", "<wifiCfg\n", kClientXml, " >\n", kClientRead};

const XmlAttr<WpaConfig> kWpaXml[] = {{"   wpaSuppMode='", &WpaConfig::wpaSuppMode, &OnOffNames}};
const ReadAttr<WpaConfig> kWpaRead[] = {
    tolerant("wpaSuppMode", &WpaConfig::wpaSuppMode, &OnOffNames)};
const Element<WpaConfig> kWpa = {"wpa", "<wpa\n", kWpaXml, " >\n", kWpaRead};

// A new item starts with the texts an absent attribute reads as (ca.pem, user.pem, ...).
const XmlAttr<WpaItem> kWpaItemXml[] = {
    {"   protocol='", &WpaItem::protocol, &WpaProtocolNames},
    {"   ssid='", &WpaItem::ssid},
    {"   pass='", &WpaItem::pass},
    {"   cacertfilename='", &WpaItem::cacertfilename},
    {"   usercertfilename='", &WpaItem::usercertfilename},
    {"   privatekeyfilename='", &WpaItem::privatekeyfilename},
    {"   privatekeypassword='", &WpaItem::privatekeypassword},
    {"   identity='", &WpaItem::identity},
    {"   priority='", &WpaItem::priority},
};
const ReadAttr<WpaItem> kWpaItemRead[] = {
    tolerant("protocol", &WpaItem::protocol, &WpaProtocolNames),
    tolerant("ssid", &WpaItem::ssid),
    tolerant("pass", &WpaItem::pass),
    tolerant("cacertfilename", &WpaItem::cacertfilename),
    tolerant("usercertfilename", &WpaItem::usercertfilename),
    tolerant("privatekeyfilename", &WpaItem::privatekeyfilename),
    tolerant("privatekeypassword", &WpaItem::privatekeypassword),
    tolerant("identity", &WpaItem::identity),
    tolerant("priority", &WpaItem::priority),
};
const Element<WpaItem> kWpaItem = {"wpaItem", "<wpaItem\n", kWpaItemXml, "    />\n", kWpaItemRead};

const SummaryItem<WpaItem> kWpaItemSummary[] = {
    {"   protocol='", &WpaItem::protocol},
    {"'\n   ssid='", &WpaItem::ssid, Shown::Raw},
    {"'\n   pass='", &WpaItem::pass, Shown::Raw},
    {"'\n   priority='", &WpaItem::priority, Shown::Raw},
};

const XmlAttr<NdisConfig> kNdisXml[] = {{"   ndisMode='", &NdisConfig::ndisMode, &OnOffNames}};
const ReadAttr<NdisConfig> kNdisRead[] = {tolerant("ndisMode", &NdisConfig::ndisMode, &OnOffNames)};
const Element<NdisConfig> kNdis = {"ndisCfg", "<ndisCfg\n", kNdisXml, " />\n", kNdisRead};

// ---- networkServiceCfg -----------------------------------------------------------------

using ND = NetDiscoveryConfig;
const XmlAttr<ND> kNetDiscoveryXml[] = {
    {"      serviceName='", &ND::serviceName},
    {"      port='", &ND::port},
    {"      ndMode='", &ND::ndMode, &OnOffNames},
};
const ReadAttr<ND> kNetDiscoveryRead[] = {
    tolerant("serviceName", &ND::serviceName),
    tolerant("port", &ND::port, nullptr, 0, kMaxPort),
    tolerant("ndMode", &ND::ndMode, &OnOffNames),
};
const Element<ND> kNetDiscovery = {"netDiscoveryCfg", "   <netDiscoveryCfg\n", kNetDiscoveryXml,
                                   "    />\n", kNetDiscoveryRead};
const SummaryItem<ND> kNetDiscoverySummary[] = {
    {", serviceName: ", &ND::serviceName, Shown::Raw},
    {", port: ", &ND::port},
    {", ndMode: ", &ND::ndMode},
};

const XmlAttr<GeneralConfig> kGeneralXml[] = {{"      domain='", &GeneralConfig::domain}};
const ReadAttr<GeneralConfig> kGeneralRead[] = {tolerant("domain", &GeneralConfig::domain)};
const Element<GeneralConfig> kGeneral = {"generalCfg", "   <generalCfg\n", kGeneralXml, "    />\n",
                                         kGeneralRead};

// The services with a port and (but for netSaCfg) a mode attribute, in writing order;
// generalCfg stands after the first kServicesBeforeGeneral of them.
struct Service {
    const char* element;
    ServicePort NetworkConfig::*member;
    const char* modeName;  // nullptr: no mode attribute
    bool checked;          // the mode is checked and shown in the summary
};
const Service kServices[] = {
    {"qdNetCfg", &NetworkConfig::qdNetCfg, "qdNetMode", true},
    {"asciiNetCfg", &NetworkConfig::asciiNetCfg, "asciiNetMode", true},
    {"cssNetCfg", &NetworkConfig::cssNetCfg, "cssNetMode", true},
    {"ftpCfg", &NetworkConfig::ftpCfg, "ftpMode", true},
    {"netSaCfg", &NetworkConfig::netSaCfg, nullptr, false},
    {"vchDiscoveryCfg", &NetworkConfig::vchDiscoveryCfg, "vchDiscoveryCfgMode", false},
    {"chMinPort", &NetworkConfig::chMinPort, "chMinPortMode", false},
    {"chPort2", &NetworkConfig::chPort2, "chPort2Mode", false},
    {"chPort3", &NetworkConfig::chPort3, "chPort3Mode", false},
    {"chPort4", &NetworkConfig::chPort4, "chPort4Mode", false},
    {"chMaxPort", &NetworkConfig::chMaxPort, "chMaxPortMode", false},
};
constexpr std::size_t kServicesBeforeGeneral = 4;

const XmlAttr<ServicePort> kServicePortXml[] = {{"      port='", &ServicePort::port}};

void writeServices(std::wostream& os, const NetworkConfig& net, std::span<const Service> services) {
    for (const Service& s : services) {
        const ServicePort& svc = net.*s.member;
        os << "   <" << s.element << "\n";
        writeXmlAttrs<ServicePort>(os, svc, kServicePortXml);
        if (s.modeName) {
            const std::string literal = std::string("      ") + s.modeName + "='";
            const XmlAttr<ServicePort> mode[] = {
                {literal.c_str(), &ServicePort::mode, &OnOffNames}};
            writeXmlAttrs<ServicePort>(os, svc, mode);
        }
        os << "    />\n";
    }
}

void summarizeServices(std::wostream& os, const NetworkConfig& net,
                       std::span<const Service> services) {
    for (const Service& s : services) {
        os << ", " << s.element << " port: " << (net.*s.member).port;
        if (s.checked) os << ", " << s.modeName << ": " << (net.*s.member).mode;
    }
}

// The port, then the mode attribute.
void readService(pugi::xml_node parent, NetworkConfig& net, const Service& s) {
    const ReadAttr<ServicePort> items[] = {
        tolerant("port", &ServicePort::port, nullptr, 0, kMaxPort),
        tolerant(s.modeName, &ServicePort::mode, &OnOffNames),
    };
    readAttrs<ServicePort>(parent.child(s.element), net.*s.member,
                           std::span(items).first(s.modeName ? 2 : 1));
}

using Dhcp = DhcpServerConfig;
const XmlAttr<Dhcp> kDhcpCfgXml[] = {
    {"      serverEnable='", &Dhcp::serverEnable, &OnOffNames},
    {"      subnetAddress='", &Dhcp::subnetAddress},
    {"      lowIPAddress='", &Dhcp::lowIPAddress},
    {"      highIPAddress='", &Dhcp::highIPAddress},
    {"      routerAddress='", &Dhcp::routerAddress},
    {"      primaryDns='", &Dhcp::primaryDns},
    {"      secondaryDns='", &Dhcp::secondaryDns},
    {"      defaultGatewayEnableWithoutCCM='", &Dhcp::defaultGatewayEnableWithoutCCM, &OnOffNames},
    {"      defaultGatewayUseAsCcmIp='", &Dhcp::defaultGatewayUseAsCcmIp, &OnOffNames},
    {"      useCCMforDHCP='", &Dhcp::useCCMforDHCP, &OnOffNames},
};
const ReadAttr<Dhcp> kDhcpCfgRead[] = {
    tolerant("serverEnable", &Dhcp::serverEnable, &OnOffNames),
    tolerant("subnetAddress", &Dhcp::subnetAddress),
    tolerant("lowIPAddress", &Dhcp::lowIPAddress),
    tolerant("highIPAddress", &Dhcp::highIPAddress),
    tolerant("routerAddress", &Dhcp::routerAddress),
    tolerant("primaryDns", &Dhcp::primaryDns),
    tolerant("secondaryDns", &Dhcp::secondaryDns),
    tolerant("defaultGatewayEnableWithoutCCM", &Dhcp::defaultGatewayEnableWithoutCCM, &OnOffNames),
    tolerant("defaultGatewayUseAsCcmIp", &Dhcp::defaultGatewayUseAsCcmIp, &OnOffNames),
    tolerant("useCCMforDHCP", &Dhcp::useCCMforDHCP, &OnOffNames),
};
const Element<Dhcp> kDhcpCfg = {"DhcpServerCfg", "   <DhcpServerCfg\n", kDhcpCfgXml, "    />\n",
                                kDhcpCfgRead};

// ---- check -----------------------------------------------------------------------------

// The mode switches are each OFF or ON.
const Check<Client> kClientChecks[] = {{"wifiMode", &Client::wifiMode, 0, 1},
                                       {"ccmControlWifi", &Client::ccmControlWifi, 0, 1}};
const Check<WpaConfig> kWpaChecks[] = {{"wpaSuppMode", &WpaConfig::wpaSuppMode, 0, 1}};
const Check<NdisConfig> kNdisChecks[] = {{"ndisMode", &NdisConfig::ndisMode, 0, 1}};
const Check<ND> kNetDiscoveryChecks[] = {{"ndMode", &ND::ndMode, 0, 1}};
const Check<ServicePort> kServiceChecks[] = {{"mode", &ServicePort::mode, 0, 1}};
const Check<Ccm> kCcmChecks[] = {{"AlwaysPowerOnCCM", &Ccm::AlwaysPowerOnCCM, 0, 1}};

bool validateNetworkConfig(const NetworkConfig& net) {
    for (const Service& s : kServices)
        if (s.checked && !checkRanges<ServicePort>(net.*s.member, kServiceChecks)) return false;
    return checkRanges<Client>(net.wifiCfg, kClientChecks) &&
           checkRanges<WpaConfig>(net.wpa, kWpaChecks) &&
           checkRanges<NdisConfig>(net.ndisCfg, kNdisChecks) &&
           checkRanges<ND>(net.netDiscoveryCfg, kNetDiscoveryChecks) &&
           checkRanges<Ccm>(net.CCM, kCcmChecks);
}

// ---- writers of the parts --------------------------------------------------------------

void writeRouter(std::wostream& os, const NetworkConfig& net) {
    os << "<RouterConfig\n  >\n";
    writeList(os, net.portForwarding, kPortForward);
    writeList(os, net.MACReservation, kMac);
    writeElement(os, net.DHCPServer, kDhcpServer);
    writeTexts<NetworkConfig>(os, net, kDnsTexts);
    writeElement(os, net.DMZ, kDmz);
    writeElement(os, net.VPNPassthrough, kVpn);
    os << "</RouterConfig>\n";
}

void writeAccessPoint(std::wostream& os, const NetworkConfig& net) {
    os << "<wifiAPCfg>\n";
    writeTexts<Ap>(os, net.wifiAPCfg, kApTextsBeforeChannel);
    writeElement(os, net.Channel, kChannel);
    writeTexts<Ap>(os, net.wifiAPCfg, kApTextsAfterChannel);
    writeList(os, net.WMM, kWmm);
    os << "</wifiAPCfg>\n";
}

void writeXml(std::wostream& os, const NetworkConfig& net) {
    writeElement(os, net.CCM, kCcm);
    writeElement(os, net.LTEConfig, kLte);
    writeList(os, net.APN, kApn);
    // No router without an address space, no Enterprise access point without a passphrase.
    if (net.DHCPServer.AddressSpace != 0) writeRouter(os, net);
    if (net.wifiAPCfg.securityType != 0 || !net.wifiAPCfg.passphrase.empty())
        writeAccessPoint(os, net);
    writeElement(os, net.wifiCfg, kClient);
    writeElement(os, net.wpa, kWpa);
    writeList(os, net.wpaItem, kWpaItem);
    os << "</wpa>\n </wifiCfg>\n";
    writeElement(os, net.ndisCfg, kNdis);
    os << "   <networkServiceCfg>\n";
    writeElement(os, net.netDiscoveryCfg, kNetDiscovery);
    const std::span<const Service> services(kServices);
    writeServices(os, net, services.first(kServicesBeforeGeneral));
    writeElement(os, net.generalCfg, kGeneral);
    writeServices(os, net, services.subspan(kServicesBeforeGeneral));
    if (isVrMobileCode(currentRadioType())) writeElement(os, net.DhcpServerCfg, kDhcpCfg);
    os << "</networkServiceCfg>\n";
}

// The Wi-Fi client, NDIS and the network services; the rest has no summary.
void writeSummary(std::wostream& os, const NetworkConfig& net) {
    os << "{wifiCfg: " << net.wifiCfg.wifiMode << ", wpaSuppMode: " << net.wpa.wpaSuppMode;
    for (const auto& [key, item] : net.wpaItem) {
        writeSummaryItems<WpaItem>(os, item, kWpaItemSummary);
        os << "'\n    />\n";
    }
    os << "{wifiCfg: " << net.ndisCfg.ndisMode;
    writeSummaryItems<ND>(os, net.netDiscoveryCfg, kNetDiscoverySummary);
    const std::span<const Service> services(kServices);
    summarizeServices(os, net, services.first(kServicesBeforeGeneral));
    os << ", domain: " << net.generalCfg.domain;
    summarizeServices(os, net, services.subspan(kServicesBeforeGeneral));
    os << "}";
}

}  // namespace

std::wostream& writeNetworkConfig(std::wostream& os, const NetworkConfig& net) {
    if (isXmlMode(os)) {
        writeXml(os, net);
    } else {
        writeSummary(os, net);
    }
    return os;
}

bool readNetworkConfig(pugi::xml_node node, NetworkConfig& net) {
    readElement(node, net.LTEConfig, kLte);
    readList(node, net.APN, kApn);
    if (pugi::xml_node router = node.child("RouterConfig")) {
        readList(router, net.portForwarding, kPortForward);
        readList(router, net.MACReservation, kMac);
        readElement(router, net.DHCPServer, kDhcpServer);
        readTexts<NetworkConfig>(router, net, kDnsTexts);
        readElement(router, net.DMZ, kDmz);
        readElement(router, net.VPNPassthrough, kVpn);
    }
    if (pugi::xml_node ap = node.child("wifiAPCfg")) {
        readTexts<Ap>(ap, net.wifiAPCfg, kApTextsBeforeChannel);
        readElement(ap, net.Channel, kChannel);
        readTexts<Ap>(ap, net.wifiAPCfg, kApTextsAfterChannel);
        readList(ap, net.WMM, kWmm);
    }
    if (pugi::xml_node client = node.child("wifiCfg")) {
        readAttrs<Client>(client, net.wifiCfg, kClientRead);
        // Each wpa element in turn, so the last one decides.
        for (pugi::xml_node wpa : client.children("wpa")) {
            readAttrs<WpaConfig>(wpa, net.wpa, kWpaRead);
            readList(wpa, net.wpaItem, kWpaItem);
        }
    }
    readElement(node, net.ndisCfg, kNdis);
    pugi::xml_node services = node.child("networkServiceCfg");
    readElement(services, net.netDiscoveryCfg, kNetDiscovery);
    for (const Service& s : kServices) readService(services, net, s);
    readElement(services, net.generalCfg, kGeneral);
    readElement(services, net.DhcpServerCfg, kDhcpCfg);
    readElement(node, net.CCM, kCcm);
    return validateNetworkConfig(net);
}

}  // namespace tarin
