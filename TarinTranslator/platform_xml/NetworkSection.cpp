#include <array>
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

// Every attribute and element text of this section is read tolerantly.
template <class R, class T>
constexpr Field<R> tolerant(const char* name, T R::*member, const VocabTable* names = nullptr,
                            int64_t min = kLongMin, int64_t max = kULongMax) {
    return {.name = name,
            .member = member,
            .names = names,
            .use = Use::Tolerant,
            .min = min,
            .max = max};
}

// A mode switch: OFF or ON, and the check holds it to that.
template <class R>
constexpr Field<R> modeSwitch(const char* name, uint32_t R::*member) {
    Field<R> row = tolerant(name, member, &OnOffNames);
    row.check = Judged{0, 1};
    return row;
}

// `row` written after `literal` instead of the line's indentation and name.
template <class R>
constexpr Field<R> withLiteral(Field<R> row, const char* literal) {
    row.literal = literal;
    return row;
}

// An element with attributes only: its opening and closing literals, its rows (written
// with `indent` blanks) and the order its reader takes them in where that differs.
template <class R>
struct Element {
    const char* name;
    const char* open;
    std::span<const Field<R>> fields;
    int indent;
    const char* close;
    std::span<const Visit> read = {};
};

template <class R>
void writeElement(std::wostream& os, const R& rec, const Element<R>& e) {
    os << e.open;
    writeXmlFields<R>(os, rec, e.fields, e.indent);
    os << e.close;
}

// The rows of the element on `node`.
template <class R>
void readElementOn(pugi::xml_node node, R& rec, const Element<R>& e) {
    readFields<R>(node, rec, e.fields, e.read);
}

// The first child of `parent` with the element's name; a missing child changes nothing.
template <class R>
void readElement(pugi::xml_node parent, R& rec, const Element<R>& e) {
    readElementOn(parent.child(e.name), rec, e);
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
        readElementOn(child, entry, e);
        fresh.emplace(key++, std::move(entry));
    }
    list = std::move(fresh);
}

// ---- CCM, LTEConfig, APN ---------------------------------------------------------------

using Ccm = CcmConfig;
const Field<Ccm> kCcmFields[] = {modeSwitch("AlwaysPowerOnCCM", &Ccm::AlwaysPowerOnCCM)};
const Element<Ccm> kCcm = {"CCM", "   <CCM\n", kCcmFields, 5, "    />\n"};

using Lte = LteConfig;
const Field<Lte> kLteFields[] = {
    tolerant("enabled", &Lte::enabled, &OnOffNames),
    tolerant("alwaysOn", &Lte::alwaysOn, &OnOffNames),
    tolerant("operator", &Lte::operator_, &LteOperatorNames),
    tolerant("Sim_Select", &Lte::Sim_Select, &SimSelectNames),
    tolerant("LTEMaxPower", &Lte::LTEMaxPower, &LteMaxPowerNames),
};
const Element<Lte> kLte = {"LTEConfig", "<LTEConfig\n", kLteFields, 1, "  />\n"};

// Each line has a blank before the "=".
const Field<ApnEntry> kApnFields[] = {
    withLiteral(tolerant("Name", &ApnEntry::Name), " Name ='"),
    withLiteral(tolerant("IP_Type", &ApnEntry::IP_Type, &ApnIpTypeNames), " IP_Type ='"),
    withLiteral(tolerant("Enabled", &ApnEntry::Enabled, &OnOffNames), " Enabled ='"),
    withLiteral(tolerant("External_vlan_id", &ApnEntry::External_vlan_id), " External_vlan_id ='"),
    withLiteral(tolerant("AuthType", &ApnEntry::AuthType, &ApnAuthTypeNames), " AuthType ='"),
    withLiteral(tolerant("AuthName", &ApnEntry::AuthName), " AuthName ='"),
    withLiteral(tolerant("AuthPwd", &ApnEntry::AuthPwd), " AuthPwd ='"),
    withLiteral(tolerant("AuthHostname", &ApnEntry::AuthHostname), " AuthHostname ='"),
};
// The texts first, then the names.
const Visit kApnRead[] = {{"Name"},         {"External_vlan_id"}, {"AuthName"}, {"AuthPwd"},
                          {"AuthHostname"}, {"IP_Type"},          {"Enabled"},  {"AuthType"}};
const Element<ApnEntry> kApn = {"APN", "<APN\n", kApnFields, 1, "   />\n", kApnRead};

// ---- RouterConfig ----------------------------------------------------------------------

using PF = PortForwardEntry;
const Field<PF> kPortForwardFields[] = {
    tolerant("source", &PF::source),
    tolerant("protocol", &PF::protocol, &PortForwardProtocolNames),
    tolerant("from", &PF::from),
    tolerant("to", &PF::to),
    tolerant("destination", &PF::destination),
};
const Visit kPortForwardRead[] = {{"source"}, {"from"}, {"to"}, {"destination"}, {"protocol"}};
const Element<PF> kPortForward = {"portForwarding", "<portForwarding\n", kPortForwardFields, 3,
                                  "    />\n",       kPortForwardRead};

using MacR = MacReservationEntry;
const Field<MacR> kMacFields[] = {tolerant("MACAddress", &MacR::MACAddress),
                                  tolerant("IP", &MacR::IP)};
const Element<MacR> kMac = {"MACReservation", "<MACReservation\n", kMacFields, 3, "    />\n"};

const Field<DhcpServer> kDhcpServerFields[] = {
    tolerant("AddressSpace", &DhcpServer::AddressSpace),
    tolerant("LowAddress", &DhcpServer::LowAddress),
    withLiteral(tolerant("HighAddress", &DhcpServer::HighAddress), " HighAddress='"),
};
const Element<DhcpServer> kDhcpServer = {"DHCPServer", "<DHCPServer\n", kDhcpServerFields, 2,
                                         "  />\n"};

const Field<DmzConfig> kDmzFields[] = {
    tolerant("enable", &DmzConfig::enable, &OnOffNames),
    tolerant("hostAddress", &DmzConfig::hostAddress),
};
const Element<DmzConfig> kDmz = {"DMZ", "<DMZ\n", kDmzFields, 2, "  />\n"};

using Vpn = VpnPassthrough;
const Field<Vpn> kVpnFields[] = {
    tolerant("IPSec", &Vpn::IPSec, &OnOffNames),
    tolerant("L2TP", &Vpn::L2TP, &OnOffNames),
    withLiteral(tolerant("PPTP", &Vpn::PPTP, &OnOffNames), " PPTP='"),
};
const Element<Vpn> kVpn = {"VPNPassthrough", "<VPNPassthrough\n", kVpnFields, 2, "  />\n"};

// PrimaryDNS and SecondaryDNS: elements with text content.
const Field<NetworkConfig> kDnsTexts[] = {
    tolerant("PrimaryDNS", &NetworkConfig::PrimaryDNS),
    tolerant("SecondaryDNS", &NetworkConfig::SecondaryDNS),
};

// ---- wifiAPCfg -------------------------------------------------------------------------

// The access point's settings are elements with text content, in writing order; the Channel
// element stands after the first kApTextsBeforeChannel of them. A missing child is empty
// text: a text field becomes empty, and only security and encryption have a name for it.
using Ap = WifiApConfig;
const Field<Ap> kApTexts[] = {
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
    tolerant("shortGI", &Ap::shortGI, &OnOffNames),
    tolerant("preamble", &Ap::preamble, &OnOffNames),
    tolerant("Greenfield", &Ap::Greenfield, &OnOffNames),
    tolerant("hiddenSSID", &Ap::hiddenSSID, &OnOffNames),
    tolerant("country_code", &Ap::country_code),
    tolerant("WMMPS_enabled", &Ap::WMMPS_enabled, &OnOffNames),
    tolerant("WMM_enabled", &Ap::WMM_enabled, &OnOffNames),
};
constexpr std::size_t kApTextsBeforeChannel = 11;

using Chan = WifiChannel;
const Field<Chan> kChannelFields[] = {
    tolerant("select", &Chan::select, &WifiChannelSelectNames),
    tolerant("number", &Chan::number, nullptr, 0, 165),
};
const Element<Chan> kChannel = {"Channel", "<Channel\n", kChannelFields, 1, "  />\n"};

// A value outside its range is not stored.
const Field<WmmEntry> kWmmFields[] = {
    tolerant("option", &WmmEntry::option, &WmmOptionNames),
    tolerant("CWMin", &WmmEntry::CWMin, nullptr, 2, 15),
    tolerant("CWMax", &WmmEntry::CWMax, nullptr, 3, 1023),
    tolerant("AIFSN", &WmmEntry::AIFSN, nullptr, 1, 7),
    tolerant("TXOPLimit", &WmmEntry::TXOPLimit, nullptr, 0, 188),
    tolerant("ACM", &WmmEntry::ACM, nullptr, 0, 0),
};
const Element<WmmEntry> kWmm = {"WMM", "<WMM\n", kWmmFields, 3, "    />\n"};

// ---- wifiCfg, wpa, ndisCfg -------------------------------------------------------------

using Client = WifiClientConfig;
const Field<Client> kClientFields[] = {
    modeSwitch("wifiMode", &Client::wifiMode),
    modeSwitch("ccmControlWifi", &Client::ccmControlWifi),
};
const Element<Client> kClient = {"wifiCfg", "<wifiCfg\n", kClientFields, 3, " >\n"};

const Field<WpaConfig> kWpaFields[] = {modeSwitch("wpaSuppMode", &WpaConfig::wpaSuppMode)};
const Element<WpaConfig> kWpa = {"wpa", "<wpa\n", kWpaFields, 3, " >\n"};

// A new item starts with the texts an absent attribute reads as (ca.pem, user.pem, ...).
const Field<WpaItem> kWpaItemFields[] = {
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
const Element<WpaItem> kWpaItem = {"wpaItem", "<wpaItem\n", kWpaItemFields, 3, "    />\n"};

const SummaryVisit kWpaItemSummary[] = {
    {"protocol", "   protocol='"},
    {"ssid", "'\n   ssid='", Shown::Raw},
    {"pass", "'\n   pass='", Shown::Raw},
    {"priority", "'\n   priority='", Shown::Raw},
};

const Field<NdisConfig> kNdisFields[] = {modeSwitch("ndisMode", &NdisConfig::ndisMode)};
const Element<NdisConfig> kNdis = {"ndisCfg", "<ndisCfg\n", kNdisFields, 3, " />\n"};

// ---- networkServiceCfg -----------------------------------------------------------------

using ND = NetDiscoveryConfig;
const Field<ND> kNetDiscoveryFields[] = {
    tolerant("serviceName", &ND::serviceName),
    tolerant("port", &ND::port, nullptr, 0, kMaxPort),
    modeSwitch("ndMode", &ND::ndMode),
};
const Element<ND> kNetDiscovery = {"netDiscoveryCfg", "   <netDiscoveryCfg\n", kNetDiscoveryFields,
                                   6, "    />\n"};
const SummaryVisit kNetDiscoverySummary[] = {
    {"serviceName", ", serviceName: ", Shown::Raw},
    {"port", ", port: "},
    {"ndMode", ", ndMode: "},
};

const Field<GeneralConfig> kGeneralFields[] = {tolerant("domain", &GeneralConfig::domain)};
const Element<GeneralConfig> kGeneral = {"generalCfg", "   <generalCfg\n", kGeneralFields, 6,
                                         "    />\n"};

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

// A service's port and its mode, whose attribute `modeName` is named after the service
// (nullptr: the service has none, and the row goes unused).
constexpr std::array<Field<ServicePort>, 2> servicePortFields(const char* modeName) {
    return {{tolerant("port", &ServicePort::port, nullptr, 0, kMaxPort),
             modeSwitch(modeName ? modeName : "", &ServicePort::mode)}};
}

// The check names the mode by the record's field.
const auto kCheckedServicePort = servicePortFields("mode");

// The rows of service `s`'s element: the port, then the mode attribute where it has one.
template <class Rows>
std::span<const Field<ServicePort>> serviceRows(const Rows& rows, const Service& s) {
    return std::span(rows).first(s.modeName ? 2 : 1);
}

void writeServices(std::wostream& os, const NetworkConfig& net, std::span<const Service> services) {
    for (const Service& s : services) {
        os << "   <" << s.element << "\n";
        const auto rows = servicePortFields(s.modeName);
        writeXmlFields<ServicePort>(os, net.*s.member, serviceRows(rows, s), 6);
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

void readService(pugi::xml_node parent, NetworkConfig& net, const Service& s) {
    const auto rows = servicePortFields(s.modeName);
    readFields<ServicePort>(parent.child(s.element), net.*s.member, serviceRows(rows, s));
}

using Dhcp = DhcpServerConfig;
const Field<Dhcp> kDhcpCfgFields[] = {
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
const Element<Dhcp> kDhcpCfg = {"DhcpServerCfg", "   <DhcpServerCfg\n", kDhcpCfgFields, 6,
                                "    />\n"};

// ---- summary ---------------------------------------------------------------------------

const SummaryVisit kClientSummary[] = {{"wifiMode", "{wifiCfg: "}};
const SummaryVisit kWpaSummary[] = {{"wpaSuppMode", ", wpaSuppMode: "}};
const SummaryVisit kNdisSummary[] = {{"ndisMode", "{wifiCfg: "}};
const SummaryVisit kGeneralSummary[] = {{"domain", ", domain: ", Shown::Raw}};

// ---- check -----------------------------------------------------------------------------

// The mode switches are each OFF or ON.
bool validateNetworkConfig(const NetworkConfig& net) {
    for (const Service& s : kServices)
        if (s.checked && !checkFields<ServicePort>(net.*s.member, kCheckedServicePort))
            return false;
    return checkFields<Client>(net.wifiCfg, kClient.fields) &&
           checkFields<WpaConfig>(net.wpa, kWpa.fields) &&
           checkFields<NdisConfig>(net.ndisCfg, kNdis.fields) &&
           checkFields<ND>(net.netDiscoveryCfg, kNetDiscovery.fields) &&
           checkFields<Ccm>(net.CCM, kCcm.fields);
}

// ---- writers of the parts --------------------------------------------------------------

void writeRouter(std::wostream& os, const NetworkConfig& net) {
    os << "<RouterConfig\n  >\n";
    writeList(os, net.portForwarding, kPortForward);
    writeList(os, net.MACReservation, kMac);
    writeElement(os, net.DHCPServer, kDhcpServer);
    writeXmlTextFields<NetworkConfig>(os, net, kDnsTexts);
    writeElement(os, net.DMZ, kDmz);
    writeElement(os, net.VPNPassthrough, kVpn);
    os << "</RouterConfig>\n";
}

void writeAccessPoint(std::wostream& os, const NetworkConfig& net) {
    const std::span<const Field<Ap>> texts(kApTexts);
    os << "<wifiAPCfg>\n";
    writeXmlTextFields<Ap>(os, net.wifiAPCfg, texts.first(kApTextsBeforeChannel));
    writeElement(os, net.Channel, kChannel);
    writeXmlTextFields<Ap>(os, net.wifiAPCfg, texts.subspan(kApTextsBeforeChannel));
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
    writeSummaryFields<Client>(os, net.wifiCfg, kClient.fields, kClientSummary);
    writeSummaryFields<WpaConfig>(os, net.wpa, kWpa.fields, kWpaSummary);
    for (const auto& [key, item] : net.wpaItem) {
        writeSummaryFields<WpaItem>(os, item, kWpaItem.fields, kWpaItemSummary);
        os << "'\n    />\n";
    }
    writeSummaryFields<NdisConfig>(os, net.ndisCfg, kNdis.fields, kNdisSummary);
    writeSummaryFields<ND>(os, net.netDiscoveryCfg, kNetDiscovery.fields, kNetDiscoverySummary);
    const std::span<const Service> services(kServices);
    summarizeServices(os, net, services.first(kServicesBeforeGeneral));
    writeSummaryFields<GeneralConfig>(os, net.generalCfg, kGeneral.fields, kGeneralSummary);
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
        readTextFields<NetworkConfig>(router, net, kDnsTexts);
        readElement(router, net.DMZ, kDmz);
        readElement(router, net.VPNPassthrough, kVpn);
    }
    if (pugi::xml_node ap = node.child("wifiAPCfg")) {
        const std::span<const Field<Ap>> texts(kApTexts);
        readTextFields<Ap>(ap, net.wifiAPCfg, texts.first(kApTextsBeforeChannel));
        readElement(ap, net.Channel, kChannel);
        readTextFields<Ap>(ap, net.wifiAPCfg, texts.subspan(kApTextsBeforeChannel));
        readList(ap, net.WMM, kWmm);
    }
    if (pugi::xml_node client = node.child(kClient.name)) {
        readElementOn(client, net.wifiCfg, kClient);
        // Each wpa element in turn, so the last one decides.
        for (pugi::xml_node wpa : client.children(kWpa.name)) {
            readElementOn(wpa, net.wpa, kWpa);
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
