#include <gtest/gtest.h>

#include <array>
#include <cwchar>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "Samples.h"
#include "TarinTranslator/platform_xml/Sections.h"
#include "TestSupport.h"

namespace tarin {
namespace {

using test::load;
using test::written;

constexpr uint32_t kHazard = 199;
constexpr uint32_t kVrMobile = 272;

NetworkConfig defaultsFor(uint32_t code) {
    return test::defaulted(code).networkConfig;
}

std::wstring textOf(const NetworkConfig& net, uint32_t code, bool xml = true) {
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
        textOf(defaultsFor(kVrMobile), kVrMobile, false),
        L"{wifiCfg: 1, wpaSuppMode: 1   protocol='2'\n   ssid='corvanradios'\n"
        L"   pass='kestrels'\n   priority='0'\n    />\n{wifiCfg: 0, serviceName: corvanradio, "
        L"port: 4951, ndMode: 1, qdNetCfg port: 4951, qdNetMode: 1, asciiNetCfg port: 4952, "
        L"asciiNetMode: 0, cssNetCfg port: 4953, cssNetMode: 1, ftpCfg port: 21, ftpMode: 0, "
        L"domain: corvanradiodomain, netSaCfg port: 18088, vchDiscoveryCfg port: 61010, "
        L"chMinPort port: 61001, chPort2 port: 61002, chPort3 port: 61003, chPort4 port: "
        L"61004, chMaxPort port: 61005}");
    EXPECT_NE(textOf(test::filledNetwork(), kHazard, false).find(L", serviceName: svc <&'\"> "),
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
        const std::wstring text = textOf(net, code);
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

// Truncated and mangled section text ends in a clean result; the defaulted record holds
// valid modes, so whatever the text holds the read succeeds.
TEST(NetworkSection, HostileTextEndsCleanly) {
    const std::wstring full =
        L"<networkConfig>" + textOf(defaultsFor(kVrMobile), kVrMobile) + L"</networkConfig>";
    std::wstring mangled = full;
    for (const wchar_t* from : {L"'4951'", L"'ON'", L"'OFF'", L"'0'", L"'auto'"}) {
        for (std::size_t at; (at = mangled.find(from)) != std::wstring::npos;)
            mangled.replace(at, wcslen(from), L"\"99999999999999999999 \u00e9\x01\"");
    }
    std::vector<std::wstring> texts = {mangled, L"<networkConfig><wifiAPCfg><Channel/>",
                                       L"<networkConfig><RouterConfig><PrimaryDNS><x/>y"};
    for (std::size_t cut = 0; cut < full.size(); cut += 37) texts.push_back(full.substr(0, cut));
    for (const std::wstring& text : texts) {
        pugi::xml_document doc;
        load(doc, text);
        NetworkConfig net = defaultsFor(kVrMobile);
        currentRadioType() = kVrMobile;
        EXPECT_TRUE(readNetworkConfig(doc.child("networkConfig"), net));
    }
}

}  // namespace
}  // namespace tarin
