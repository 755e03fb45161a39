#include <gtest/gtest.h>

#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "Samples.h"
#include "TarinTranslator/model/HandheldPlatform.h"
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

TEST(NetworkSection, RouterAccessPointAndDhcpServerGates) {
    struct Case {
        uint32_t code;
        int32_t addressSpace;
        uint32_t securityType;
        const wchar_t* passphrase;
        bool router, accessPoint, dhcpServer;
    };
    const Case cases[] = {
        {kHazard, 0, 1, L"", false, true, false},   // Personal without passphrase
        {kHazard, -1, 0, L"", true, false, false},  // Enterprise without passphrase
        {kVrMobile, 1, 0, L"p", true, true, true},  // Enterprise with passphrase
        {kVrMobile, 0, 2, L"", false, true, true},
    };
    for (const Case& c : cases) {
        NetworkConfig net = defaultsFor(c.code);
        net.DHCPServer.AddressSpace = c.addressSpace;
        net.wifiAPCfg.securityType = c.securityType;
        net.wifiAPCfg.passphrase = c.passphrase;
        const std::wstring text = textOf(net, c.code);
        SCOPED_TRACE(text);
        EXPECT_EQ(text.find(L"<RouterConfig") != std::wstring::npos, c.router);
        EXPECT_EQ(text.find(L"<wifiAPCfg>") != std::wstring::npos, c.accessPoint);
        EXPECT_EQ(text.find(L"<DhcpServerCfg") != std::wstring::npos, c.dhcpServer);
    }
}

TEST(NetworkSection, ReaderIsTolerantAndReplacesListsWhoseParentIsPresent) {
    using Expect = std::function<void(const NetworkConfig&)>;
    struct Case {
        const wchar_t* inner;
        Expect expect;
    };
    const NetworkConfig d = defaultsFor(kHazard);
    const Case cases[] = {
        {L"",
         [&](const NetworkConfig& n) {
             EXPECT_TRUE(n.APN.empty()) << "no APN child empties the APN list";
             NetworkConfig rest = n;
             rest.APN = d.APN;
             EXPECT_EQ(rest, d) << "everything else stays without its element";
         }},
        {L"<RouterConfig/>",
         [&](const NetworkConfig& n) {
             EXPECT_TRUE(n.portForwarding.empty() && n.MACReservation.empty());
             EXPECT_EQ(n.PrimaryDNS + n.SecondaryDNS, L"");
             EXPECT_EQ(n.DHCPServer, d.DHCPServer);
         }},
        {L"<wifiAPCfg><numberOfStations>11</numberOfStations><Channel number='166'/>"
         L"<shortGI>on</shortGI><mode>g</mode></wifiAPCfg>",
         [&](const NetworkConfig& n) {
             EXPECT_TRUE(n.WMM.empty());
             EXPECT_EQ(n.wifiAPCfg.ssid, L"") << "a missing text child is empty text";
             EXPECT_EQ(n.wifiAPCfg.security + n.wifiAPCfg.encryption, 0u)
                 << "security and encryption name the empty text";
             EXPECT_EQ(n.wifiAPCfg.securityType, 1u) << "other names leave their field";
             EXPECT_EQ(n.wifiAPCfg.shortGI, 1u);
             EXPECT_EQ(n.wifiAPCfg.mode, 1u);
             EXPECT_EQ(n.wifiAPCfg.numberOfStations, 5);
             EXPECT_EQ(n.Channel.number, 0);
         }},
        {L"<wifiAPCfg><numberOfStations>10</numberOfStations><WMM option='AC_VI' CWMin='1' "
         L"CWMax='1023' AIFSN='8' TXOPLimit='188' ACM='1'/><WMM CWMin='15'/></wifiAPCfg>",
         [&](const NetworkConfig& n) {
             EXPECT_EQ(n.wifiAPCfg.numberOfStations, 10);
             ASSERT_EQ(n.WMM.size(), 2u);
             EXPECT_EQ(n.WMM.at(0), (WmmEntry{.option = 2, .CWMax = 1023, .TXOPLimit = 188}));
             EXPECT_EQ(n.WMM.at(1), WmmEntry{.CWMin = 15});
         }},
        {L"<wifiCfg wifiMode='OFF'><wpa><wpaItem ssid='first'/></wpa>"
         L"<wpa wpaSuppMode='OFF'><wpaItem ssid='s' protocol='4'/><wpaItem protocol='5' "
         L"cacertfilename=''/></wpa></wifiCfg>",
         [&](const NetworkConfig& n) {
             EXPECT_EQ(n.wifiCfg.wifiMode, 0u);
             EXPECT_EQ(n.wpa.wpaSuppMode, 0u);
             ASSERT_EQ(n.wpaItem.size(), 2u) << "the last wpa decides";
             const WpaItem& a = n.wpaItem.at(0);
             EXPECT_EQ(a.protocol, 4u);
             EXPECT_EQ(a.ssid + L"|" + a.pass + L"|" + a.cacertfilename + L"|" +
                           a.usercertfilename + L"|" + a.privatekeyfilename + L"|" +
                           a.privatekeypassword + L"|" + a.identity + L"|" + a.priority,
                       L"s||ca.pem|user.pem|user.prv|||0")
                 << "absent attributes take their default texts";
             EXPECT_EQ(n.wpaItem.at(1).cacertfilename, L"");
         }},
        {L"<networkServiceCfg><netDiscoveryCfg ndMode='2' port='65535'/>"
         L"<qdNetCfg port='65536' qdNetMode='OFF'/><ftpCfg port='-1'/>"
         L"<netSaCfg port='0' netSaCfgMode='ON'/><chPort2 port='7' chPort2Mode='OFF'/>"
         L"<chPort3 chPort3Mode='bad'/><vchDiscoveryCfg vchDiscoveryCfgMode='OFF'/>"
         L"</networkServiceCfg>",
         [&](const NetworkConfig& n) {
             EXPECT_EQ(n.netDiscoveryCfg, (NetDiscoveryConfig{65535, 1, L"corvanradio"}));
             EXPECT_EQ(n.qdNetCfg, (ServicePort{4951, 0}));
             EXPECT_EQ(n.ftpCfg, d.ftpCfg);
             EXPECT_EQ(n.netSaCfg, (ServicePort{0, 0})) << "netSaCfg has no mode attribute";
             EXPECT_EQ(n.chPort2, (ServicePort{7, 0}));
             EXPECT_EQ(n.chPort3, d.chPort3);
             EXPECT_EQ(n.vchDiscoveryCfg, (ServicePort{61010, 0}));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.inner);
        NetworkConfig net = d;
        EXPECT_TRUE(readInto(net, c.inner));
        c.expect(net);
    }
}

// Only the ten mode switches are checked; the reader can store nothing but OFF or ON in them,
// so only a value held before the read fails it.
TEST(NetworkSection, CheckCoversTheTenModeSwitches) {
    using Field = uint32_t& (*)(NetworkConfig&);
    const Field checked[] = {
        [](NetworkConfig& n) -> uint32_t& { return n.wifiCfg.wifiMode; },
        [](NetworkConfig& n) -> uint32_t& { return n.wpa.wpaSuppMode; },
        [](NetworkConfig& n) -> uint32_t& { return n.ndisCfg.ndisMode; },
        [](NetworkConfig& n) -> uint32_t& { return n.netDiscoveryCfg.ndMode; },
        [](NetworkConfig& n) -> uint32_t& { return n.qdNetCfg.mode; },
        [](NetworkConfig& n) -> uint32_t& { return n.asciiNetCfg.mode; },
        [](NetworkConfig& n) -> uint32_t& { return n.cssNetCfg.mode; },
        [](NetworkConfig& n) -> uint32_t& { return n.ftpCfg.mode; },
        [](NetworkConfig& n) -> uint32_t& { return n.wifiCfg.ccmControlWifi; },
        [](NetworkConfig& n) -> uint32_t& { return n.CCM.AlwaysPowerOnCCM; },
    };
    for (Field field : checked) {
        NetworkConfig net = defaultsFor(kHazard);
        field(net) = 2;
        EXPECT_FALSE(readInto(net, L""));
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
