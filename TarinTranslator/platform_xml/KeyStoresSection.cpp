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

// DynamicRouting is read from "true", "false", "1" or "0" and written as the first name of
// its value, "true" or "false".
const VocabEntry kBoolEntries[] = {{"true", 1}, {"1", 1}, {"false", 0}, {"0", 0}};
const VocabTable kBoolNames = {kBoolEntries, std::size(kBoolEntries)};

const Field<Dnp3Config> kDnp3[] = {
    {.name = "DynamicRouting", .member = &Dnp3Config::DynamicRouting, .names = &kBoolNames},
};

const Field<DirtEntry> kDirt[] = {
    {.name = "HostDNP3Addr", .member = &DirtEntry::HostDNP3Addr, .min = 0, .max = 65535},
    {.name = "HostDNP3Port",
     .member = &DirtEntry::HostDNP3Port,
     .min = 0,
     .max = kMaxDnp3Port,
     .check = Judged{0, kMaxDnp3Port}},
    {.name = "NetDNP3Addr", .member = &DirtEntry::NetDNP3Addr, .min = 0, .max = 65535},
    {.name = "NetDNP3Port",
     .member = &DirtEntry::NetDNP3Port,
     .min = 0,
     .max = kMaxDnp3Port,
     .check = Judged{0, kMaxDnp3Port}},
    {.name = "NetIPAddr", .member = &DirtEntry::NetIPAddr},
};

// ---- SerTnlCfg -------------------------------------------------------------------------

using ST = SerTnlConfig;
using STN = SerTnlNetEntry;

constexpr int64_t kMaxPort = 65535;
constexpr Judged kPort{0, kMaxPort};
constexpr std::size_t kMaxSerTnlEntries = 64;
constexpr std::wstring_view kSerTnlModes[] = {L"Static", L"NiST", L"CiST"};

// Any 32-bit number converts; the check judges the ranges.
const Field<ST> kSerTnl[] = {
    {.name = "SerTnlMode", .member = &ST::SerTnlMode},
    {.name = "SerTnlPacketSize", .member = &ST::SerTnlPacketSize, .check = Judged{1, 480}},
    {.name = "SerTnlPacketTime", .member = &ST::SerTnlPacketTime, .check = Judged{1, 1000}},
    {.name = "SerTnlWaitTime", .member = &ST::SerTnlWaitTime, .check = Judged{1, 300}},
    {.name = "SerTnlDiscTime", .member = &ST::SerTnlDiscTime, .check = Judged{1, 300}},
    {.name = "SerTnlDestAddr", .member = &ST::SerTnlDestAddr},
    {.name = "SerTnlDestPort", .member = &ST::SerTnlDestPort, .check = kPort},
    {.name = "SerTnlSrcPort", .member = &ST::SerTnlSrcPort, .check = kPort},
    {.name = "SerTnlNetPort", .member = &ST::SerTnlNetPort, .check = kPort},
    {.name = "SerTnlClientPort", .member = &ST::SerTnlClientPort, .check = kPort},
};

const Field<STN> kSerTnlNet[] = {
    {.name = "SerTnlTblIdx",
     .member = &STN::SerTnlTblIdx,
     .min = 0,
     .max = 65535,
     .check = Judged{0, 64}},
    {.name = "SerTnlTblIPAddr", .member = &STN::SerTnlTblIPAddr},
    {.name = "SerTnlTblPort", .member = &STN::SerTnlTblPort, .check = kPort},
};

// ---- KeystoreConfig --------------------------------------------------------------------

using KS = KeystoreConfigEntry;

constexpr std::size_t kMaxKeystores = 5;

const Field<KS> kKeystore[] = {
    {.name = "name", .member = &KS::name, .max = 16, .check = Judged{0, 16}},
};

// True when the list has at most `max` entries and each passes the check of `rows`.
template <class E>
bool checkList(const std::map<int32_t, E>& list, const char* element, std::size_t max,
               std::span<const Field<E>> rows) {
    return expect(list.size() <= max, element,
                  [&] {
                      return std::to_string(list.size()) + " " + element + " entries, more than " +
                             std::to_string(max);
                  }) &&
           std::ranges::all_of(list,
                               [&](const auto& item) { return checkFields<E>(item.second, rows); });
}

}  // namespace

std::wostream& writeDnp3Config(std::wostream& os, const Dnp3Config& dnp3) {
    if (!isXmlMode(os) || !gateOpen(Gate::Extended)) return os;
    os << "<DNP3Cfg\n";
    writeXmlFields<Dnp3Config>(os, dnp3, kDnp3, 3);
    os << " >\n";
    writeXmlEntriesOfFields<DirtEntry>(os, dnp3.DIRT, "<DIRT \n", kDirt, 3, "    />\n");
    return os << "</DNP3Cfg>\n";
}

// A DIRT child that lacks an attribute is passed over; one that does not convert fails.
bool readDnp3Config(pugi::xml_node node, Dnp3Config& dnp3) {
    if (!node) return true;
    const bool routing = readEveryField<Dnp3Config>(node, dnp3, kDnp3);
    const bool table = readIndexedListOfFields<DirtEntry>(node, "DIRT", kDirt, dnp3.DIRT, true);
    return routing && table && checkList<DirtEntry>(dnp3.DIRT, "DIRT", kMaxDirtEntries, kDirt);
}

std::wostream& writeSerTnlConfig(std::wostream& os, const SerTnlConfig& sertnl) {
    if (!isXmlMode(os) || !gateOpen(Gate::Extended)) return os;
    os << "<SerTnlCfg\n";
    writeXmlFields<ST>(os, sertnl, kSerTnl, 3);
    os << " >\n";
    writeXmlEntriesOfFields<STN>(os, sertnl.SerTnlNetTbl, "<SerTnlNetTbl \n", kSerTnlNet, 3,
                                 "    />\n");
    return os << "</SerTnlCfg>\n";
}

bool readSerTnlConfig(pugi::xml_node node, SerTnlConfig& sertnl) {
    if (!node) return true;
    const bool fields = readEveryField<ST>(node, sertnl, kSerTnl);
    const bool table =
        readIndexedListOfFields<STN>(node, "SerTnlNetTbl", kSerTnlNet, sertnl.SerTnlNetTbl);
    const Field<ST>& mode = fieldOf<ST>(kSerTnl, "SerTnlMode");
    return fields && table &&
           checkList<STN>(sertnl.SerTnlNetTbl, "SerTnlNetTbl", kMaxSerTnlEntries, kSerTnlNet) &&
           expect(std::ranges::find(kSerTnlModes, sertnl.SerTnlMode) != std::end(kSerTnlModes),
                  mode.name,
                  [&] {
                      return std::string(mode.name) + "=" + quoted(toUtf8(sertnl.SerTnlMode)) +
                             " is not Static, NiST or CiST";
                  }) &&
           checkFields<ST>(sertnl, kSerTnl);
}

std::wostream& writeKeystoreConfig(std::wostream& os, const KeystoreConfigMap& keystores) {
    if (!isXmlMode(os) || !gateOpen(Gate::Extended)) return os;
    os << "<KeystoreConfig>\n";
    writeXmlEntriesOfFields<KS>(os, keystores, "<Keystore \n", kKeystore, 3, "    />\n");
    return os << "</KeystoreConfig>\n";
}

// A Keystore child without a name is passed over.
bool readKeystoreConfig(pugi::xml_node node, KeystoreConfigMap& keystores) {
    if (!node) return true;
    readIndexedListOfFields<KS>(node, "Keystore", kKeystore, keystores, true);
    return checkList<KS>(keystores, "Keystore", kMaxKeystores, kKeystore);
}

}  // namespace tarin
