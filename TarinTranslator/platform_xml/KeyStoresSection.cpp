#include <algorithm>
#include <string_view>

#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/Sections.h"

// DNP3Cfg (dynamic routing and the DNP3 routing table), SerTnlCfg (the serial tunnel and
// its network table) and KeystoreConfig (the key store names). XML only, for the extended
// platform codes. A missing section changes nothing; a present one replaces its tables
// even when it fails.

namespace tarin {

namespace {

// ---- DNP3Cfg ---------------------------------------------------------------------------

constexpr int64_t kMaxDnp3Port = 65519;
constexpr std::size_t kMaxDirtEntries = 64;

// DynamicRouting is written "true" or "false" and read from those or "1" and "0".
const VocabEntry kBoolEntries[] = {{"true", 1}, {"1", 1}, {"false", 0}, {"0", 0}};
const VocabTable kBoolNames = {kBoolEntries, std::size(kBoolEntries)};

const XmlAttr<Dnp3Config> kDnp3Xml[] = {
    {"   DynamicRouting='", &Dnp3Config::DynamicRouting, &TrueFalseNames},
};

const ReadAttr<Dnp3Config> kDnp3Read[] = {
    {.name = "DynamicRouting", .field = &Dnp3Config::DynamicRouting, .names = &kBoolNames},
};

const XmlAttr<DirtEntry> kDirtXml[] = {
    {"   HostDNP3Addr='", &DirtEntry::HostDNP3Addr},
    {"   HostDNP3Port='", &DirtEntry::HostDNP3Port},
    {"   NetDNP3Addr='", &DirtEntry::NetDNP3Addr},
    {"   NetDNP3Port='", &DirtEntry::NetDNP3Port},
    {"   NetIPAddr='", &DirtEntry::NetIPAddr},
};

const ReadAttr<DirtEntry> kDirtRead[] = {
    {.name = "HostDNP3Addr", .field = &DirtEntry::HostDNP3Addr, .min = 0, .max = 65535},
    {.name = "HostDNP3Port", .field = &DirtEntry::HostDNP3Port, .min = 0, .max = kMaxDnp3Port},
    {.name = "NetDNP3Addr", .field = &DirtEntry::NetDNP3Addr, .min = 0, .max = 65535},
    {.name = "NetDNP3Port", .field = &DirtEntry::NetDNP3Port, .min = 0, .max = kMaxDnp3Port},
    {.name = "NetIPAddr", .field = &DirtEntry::NetIPAddr},
};

const Check<DirtEntry> kDirtChecks[] = {
    {"HostDNP3Port", &DirtEntry::HostDNP3Port, 0, kMaxDnp3Port},
    {"NetDNP3Port", &DirtEntry::NetDNP3Port, 0, kMaxDnp3Port},
};

// ---- SerTnlCfg -------------------------------------------------------------------------

using ST = SerTnlConfig;
using STN = SerTnlNetEntry;

constexpr int64_t kMaxPort = 65535;
constexpr std::size_t kMaxSerTnlEntries = 64;
constexpr std::wstring_view kSerTnlModes[] = {L"Static", L"NiST", L"CiST"};

const XmlAttr<ST> kSerTnlXml[] = {
    {"   SerTnlMode='", &ST::SerTnlMode},
    {"   SerTnlPacketSize='", &ST::SerTnlPacketSize},
    {"   SerTnlPacketTime='", &ST::SerTnlPacketTime},
    {"   SerTnlWaitTime='", &ST::SerTnlWaitTime},
    {"   SerTnlDiscTime='", &ST::SerTnlDiscTime},
    {"   SerTnlDestAddr='", &ST::SerTnlDestAddr},
    {"   SerTnlDestPort='", &ST::SerTnlDestPort},
    {"   SerTnlSrcPort='", &ST::SerTnlSrcPort},
    {"   SerTnlNetPort='", &ST::SerTnlNetPort},
    {"   SerTnlClientPort='", &ST::SerTnlClientPort},
};

// Any 32-bit number converts; the check judges the ranges.
const ReadAttr<ST> kSerTnlRead[] = {
    {.name = "SerTnlMode", .field = &ST::SerTnlMode},
    {.name = "SerTnlPacketSize", .field = &ST::SerTnlPacketSize},
    {.name = "SerTnlPacketTime", .field = &ST::SerTnlPacketTime},
    {.name = "SerTnlWaitTime", .field = &ST::SerTnlWaitTime},
    {.name = "SerTnlDiscTime", .field = &ST::SerTnlDiscTime},
    {.name = "SerTnlDestAddr", .field = &ST::SerTnlDestAddr},
    {.name = "SerTnlDestPort", .field = &ST::SerTnlDestPort},
    {.name = "SerTnlSrcPort", .field = &ST::SerTnlSrcPort},
    {.name = "SerTnlNetPort", .field = &ST::SerTnlNetPort},
    {.name = "SerTnlClientPort", .field = &ST::SerTnlClientPort},
};

const Check<ST> kSerTnlChecks[] = {
    {"SerTnlPacketSize", &ST::SerTnlPacketSize, 1, 480},
    {"SerTnlPacketTime", &ST::SerTnlPacketTime, 1, 1000},
    {"SerTnlWaitTime", &ST::SerTnlWaitTime, 1, 300},
    {"SerTnlDiscTime", &ST::SerTnlDiscTime, 1, 300},
    {"SerTnlDestPort", &ST::SerTnlDestPort, 0, kMaxPort},
    {"SerTnlSrcPort", &ST::SerTnlSrcPort, 0, kMaxPort},
    {"SerTnlNetPort", &ST::SerTnlNetPort, 0, kMaxPort},
    {"SerTnlClientPort", &ST::SerTnlClientPort, 0, kMaxPort},
};

const XmlAttr<STN> kSerTnlNetXml[] = {
    {"   SerTnlTblIdx='", &STN::SerTnlTblIdx},
    {"   SerTnlTblIPAddr='", &STN::SerTnlTblIPAddr},
    {"   SerTnlTblPort='", &STN::SerTnlTblPort},
};

const ReadAttr<STN> kSerTnlNetRead[] = {
    {.name = "SerTnlTblIdx", .field = &STN::SerTnlTblIdx, .min = 0, .max = 65535},
    {.name = "SerTnlTblIPAddr", .field = &STN::SerTnlTblIPAddr},
    {.name = "SerTnlTblPort", .field = &STN::SerTnlTblPort},
};

const Check<STN> kSerTnlNetChecks[] = {
    {"SerTnlTblIdx", &STN::SerTnlTblIdx, 0, 64},
    {"SerTnlTblPort", &STN::SerTnlTblPort, 0, kMaxPort},
};

// ---- KeystoreConfig --------------------------------------------------------------------

using KS = KeystoreConfigEntry;

constexpr std::size_t kMaxKeystores = 5;

const XmlAttr<KS> kKeystoreXml[] = {
    {"   name='", &KS::name},
};

const ReadAttr<KS> kKeystoreRead[] = {
    {.name = "name", .field = &KS::name, .max = 16},
};

const Check<KS> kKeystoreChecks[] = {
    {"name", &KS::name, 0, 16},
};

// True when the list has at most `max` entries and each passes `checks`.
template <class E>
bool checkList(const std::map<int32_t, E>& list, const char* element, std::size_t max,
               std::span<const Check<E>> checks) {
    return expect(list.size() <= max, element,
                  [&] {
                      return std::to_string(list.size()) + " " + element + " entries, more than " +
                             std::to_string(max);
                  }) &&
           std::ranges::all_of(
               list, [&](const auto& item) { return checkRanges<E>(item.second, checks); });
}

}  // namespace

std::wostream& writeDnp3Config(std::wostream& os, const Dnp3Config& dnp3) {
    if (!isXmlMode(os) || !gateOpen(Gate::Extended)) return os;
    os << "<DNP3Cfg\n";
    writeXmlAttrs<Dnp3Config>(os, dnp3, kDnp3Xml);
    os << " >\n";
    writeXmlEntries<DirtEntry>(os, dnp3.DIRT, "<DIRT \n", kDirtXml, "    />\n");
    return os << "</DNP3Cfg>\n";
}

// A DIRT child that lacks an attribute is passed over; one that does not convert fails.
bool readDnp3Config(pugi::xml_node node, Dnp3Config& dnp3) {
    if (!node) return true;
    const bool routing = readEveryAttr<Dnp3Config>(node, dnp3, kDnp3Read);
    const bool table = readIndexedList<DirtEntry>(node, "DIRT", kDirtRead, dnp3.DIRT, true);
    return routing && table &&
           checkList<DirtEntry>(dnp3.DIRT, "DIRT", kMaxDirtEntries, kDirtChecks);
}

std::wostream& writeSerTnlConfig(std::wostream& os, const SerTnlConfig& sertnl) {
    if (!isXmlMode(os) || !gateOpen(Gate::Extended)) return os;
    os << "<SerTnlCfg\n";
    writeXmlAttrs<ST>(os, sertnl, kSerTnlXml);
    os << " >\n";
    writeXmlEntries<STN>(os, sertnl.SerTnlNetTbl, "<SerTnlNetTbl \n", kSerTnlNetXml, "    />\n");
    return os << "</SerTnlCfg>\n";
}

bool readSerTnlConfig(pugi::xml_node node, SerTnlConfig& sertnl) {
    if (!node) return true;
    const bool fields = readEveryAttr<ST>(node, sertnl, kSerTnlRead);
    const bool table =
        readIndexedList<STN>(node, "SerTnlNetTbl", kSerTnlNetRead, sertnl.SerTnlNetTbl);
    return fields && table &&
           checkList<STN>(sertnl.SerTnlNetTbl, "SerTnlNetTbl", kMaxSerTnlEntries,
                          kSerTnlNetChecks) &&
           expect(std::ranges::find(kSerTnlModes, sertnl.SerTnlMode) != std::end(kSerTnlModes),
                  "SerTnlMode",
                  [&] {
                      return "SerTnlMode=" + quoted(pugi::as_utf8(sertnl.SerTnlMode)) +
                             " is not Static, NiST or CiST";
                  }) &&
           checkRanges<ST>(sertnl, kSerTnlChecks);
}

std::wostream& writeKeystoreConfig(std::wostream& os, const KeystoreConfigMap& keystores) {
    if (!isXmlMode(os) || !gateOpen(Gate::Extended)) return os;
    os << "<KeystoreConfig>\n";
    writeXmlEntries<KS>(os, keystores, "<Keystore \n", kKeystoreXml, "    />\n");
    return os << "</KeystoreConfig>\n";
}

// A Keystore child without a name is passed over.
bool readKeystoreConfig(pugi::xml_node node, KeystoreConfigMap& keystores) {
    if (!node) return true;
    readIndexedList<KS>(node, "Keystore", kKeystoreRead, keystores, true);
    return checkList<KS>(keystores, "Keystore", kMaxKeystores, kKeystoreChecks);
}

}  // namespace tarin
