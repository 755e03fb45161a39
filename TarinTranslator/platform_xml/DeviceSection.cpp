#include <iterator>
#include <set>
#include <string>

#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/Sections.h"

// PowerUpOptions, PINConfig and overrides of the extended platforms. Every text goes out
// escaped, the PIN and the system credentials included.

namespace tarin {

namespace {

// ---- PowerUpOptions --------------------------------------------------------------------

using PU = PowerUpOptionsConfig;

constexpr Field<PU> onOff(const char* name, uint32_t PU::*member) {
    return {.name = name, .member = member, .names = &OnOffNames, .check = Judged{0, 1}};
}

const Field<PU> kPowerUp[] = {
    onOff("powerOnBeep", &PU::powerOnBeep),
    onOff("keypadLock", &PU::keypadLock),
    onOff("keypadState", &PU::keypadState),
    onOff("eioAlarm_1", &PU::eioAlarm_1),
    onOff("eioAlarm_2", &PU::eioAlarm_2),
    onOff("eioAlarm_3", &PU::eioAlarm_3),
    onOff("eioAlarm_Restart", &PU::eioAlarm_Restart),
};

const SummaryVisit kPowerUpSummary[] = {
    {"powerOnBeep", "{ powerOnBeep: "},
    {"keypadLock", ", keypadLock: "},
    {"keypadState", ", keypadState: "},
    {"eioAlarm_1", ", eioAlarm_1: "},
    {"eioAlarm_2", ", eioAlarm_2: "},
    {"eioAlarm_3", ", eioAlarm_3: "},
    {"eioAlarm_Restart", ", eioAlarm_Restart: "},
};

const Visit kPowerUpRead[] = {{"powerOnBeep"}, {"keypadLock"}, {"keypadState"}};

// Read only when all four are present; otherwise all four keep their values.
const Visit kAlarmRead[] = {{"eioAlarm_1"}, {"eioAlarm_2"}, {"eioAlarm_3"}, {"eioAlarm_Restart"}};

// ---- PINConfig -------------------------------------------------------------------------

using Pin = PinConfig;

constexpr int64_t kMaxPinLength = 10;

const Field<Pin> kPin[] = {
    {.name = "powerupPIN",
     .member = &Pin::powerupPIN,
     .max = kMaxPinLength,
     .check = Judged{0, kMaxPinLength}},
    {.name = "minimumPINLength",
     .member = &Pin::minimumPINLength,
     .check = Judged{0, kMaxPinLength}},
    {.name = "maxBadPINEntries", .member = &Pin::maxBadPINEntries, .check = Judged{1, kULongMax}},
    {.name = "zeroizeOnPINFailure",
     .member = &Pin::zeroizeOnPINFailure,
     .names = &OnOffNames,
     .check = Judged{0, 1}},
};

const SummaryVisit kPinSummary[] = {
    {"powerupPIN", "{ powerupPIN: ", Shown::Raw},
    {"minimumPINLength", ", minimumPINLength: "},
    {"maxBadPINEntries", ", maxBadPINEntries: "},
    {"zeroizeOnPINFailure", ", zeroizeOnPINFailure: "},
};

// ---- overrides -------------------------------------------------------------------------

using Sys = SystemEntry;
using Key = KeystoreEntry;

constexpr int64_t kMaxSystemIndex = 512;
constexpr int32_t kMaxMdcUnitId = 0xEFFF;
constexpr int64_t kMaxRsi = 9999999;

// Every line keeps a blank before the equals sign. A system is read only when it has every
// attribute. The upper bound of unitid follows from systype (maxUnitId). mdcunitid is a
// decimal number up to 61439; any other text is taken as hexadecimal, without a range.
const Field<Sys> kSystem[] = {
    {.name = "index",
     .member = &Sys::index,
     .min = 0,
     .max = kMaxSystemIndex,
     .literal = " index ='"},
    {.name = "sysname", .member = &Sys::sysname, .literal = " sysname ='"},
    {.name = "systype",
     .member = &Sys::systype,
     .names = &SystemTypeNames,
     .literal = " systype ='"},
    {.name = "unitid", .member = &Sys::unitid, .literal = " unitid ='"},
    {.name = "mdcunitid",
     .member = &Sys::mdcunitid,
     .min = 0,
     .max = kMaxMdcUnitId,
     .literal = " mdcunitid ='"},
    {.name = "username", .member = &Sys::username, .literal = " username ='"},
    {.name = "password", .member = &Sys::password, .literal = " password ='"},
};

// mdcunitid is read on its own, after the others.
const Visit kSystemRead[] = {{"index"},  {"sysname"},  {"systype"},
                             {"unitid"}, {"username"}, {"password"}};

// A keystore is read only when it has both.
const Field<Key> kKeystore[] = {
    {.name = "name", .member = &Key::name, .literal = " name ='"},
    {.name = "RSI", .member = &Key::RSI, .min = 0, .max = kMaxRsi, .literal = " RSI ='"},
};

// The largest unit identity of each system type (SystemTypeNames); the smallest is 0.
int32_t maxUnitId(uint32_t systype) {
    constexpr int32_t kLargest[] = {
        0xFFFFFB,  // Zelo
        0,         // CONV
        16382,     // KAMUS
        0xFFFFF,   // KAMUS_IP
        9999999,   // P25C
        0xFFFFFB,  // P25T
        0,         // MCPTT
    };
    return systype < std::size(kLargest) ? kLargest[systype] : 0;
}

// Reads one complete system element; unitid is held to the range its systype admits.
bool readSystem(pugi::xml_node node, Sys& entry) {
    if (!readFields<Sys>(node, entry, kSystem, kSystemRead)) return false;
    Field<Sys> unitid = fieldOf<Sys>(kSystem, "unitid");
    unitid.check = Judged{0, maxUnitId(entry.systype)};
    if (!checkFields<Sys>(entry, std::span(&unitid, 1))) return false;
    const Field<Sys>& mdcunitid = fieldOf<Sys>(kSystem, "mdcunitid");
    pugi::xml_attribute mdc = node.attribute(mdcunitid.name);
    if (!readLong(mdc, entry.mdcunitid, static_cast<int32_t>(mdcunitid.min),
                  static_cast<int32_t>(mdcunitid.max), mdcunitid.base))
        entry.mdcunitid = leadingHexInt(mdc.value());
    return true;
}

}  // namespace

std::wostream& writePowerUpOptions(std::wostream& os, const PowerUpOptionsConfig& pu) {
    if (isXmlMode(os)) {
        os << "<PowerUpOptions\n";
        writeXmlFields<PU>(os, pu, kPowerUp, 3);
        os << "    />\n";
    } else {
        writeSummaryFields<PU>(os, pu, kPowerUp, kPowerUpSummary);
        os << "}";
    }
    return os;
}

bool readPowerUpOptions(pugi::xml_node node, PowerUpOptionsConfig& pu) {
    if (!readFields<PU>(node, pu, kPowerUp, kPowerUpRead)) return false;
    if (allFieldsPresent<PU>(node, kPowerUp, kAlarmRead) &&
        !readFields<PU>(node, pu, kPowerUp, kAlarmRead))
        return false;
    return checkFields<PU>(pu, kPowerUp);
}

std::wostream& writePinConfig(std::wostream& os, const PinConfig& pin) {
    if (isXmlMode(os)) {
        os << "<PINConfig\n";
        writeXmlFields<Pin>(os, pin, kPin, 3);
        os << "    />\n";
    } else {
        writeSummaryFields<Pin>(os, pin, kPin, kPinSummary);
        os << "}";
    }
    return os;
}

bool readPinConfig(pugi::xml_node node, PinConfig& pin) {
    return readFields<Pin>(node, pin, kPin) && checkFields<Pin>(pin, kPin);
}

std::wostream& writeOverrides(std::wostream& os, const OverridesConfig& overrides) {
    if (!isXmlMode(os)) return os;
    os << "<overrides>\n<misc>\n   <radio_ip_address\n value ='";
    putEscaped(os, overrides.radio_ip_address);
    os << "'\n";
    recordFacts(os, FieldFacts{.name = "value", .kind = FieldFacts::Kind::Text});
    os << "   />\n</misc>\n<systems>\n";
    for (const auto& [index, system] : overrides.systems) {
        os << "<system\n";
        writeXmlFields<Sys>(os, system, kSystem, 1);
        os << " />\n";
    }
    os << "</systems>\n<keystores>\n";
    for (const auto& [position, keystore] : overrides.keystores) {
        os << "<keystore\n";
        writeXmlFields<Key>(os, keystore, kKeystore, 1);
        os << "   />\n";
    }
    return os << "</keystores>\n</overrides>\n";
}

// The lists are not cleared: an entry read here is added to those the record holds, and
// replaces one under its key unless an earlier entry of the document has that key. The
// first failing entry ends the read; the entries before it stay.
bool readOverrides(pugi::xml_node node, OverridesConfig& overrides) {
    if (!node) return true;
    if (!readString(node.child("misc").child("radio_ip_address").attribute("value"),
                    overrides.radio_ip_address))
        return false;
    pugi::xml_node systems = node.child("systems");
    if (!systems) return false;
    std::set<int32_t> read;
    for (pugi::xml_node child : systems.children("system")) {
        if (!allFieldsPresent<Sys>(child, kSystem)) continue;
        Sys entry;
        if (!readSystem(child, entry)) return false;
        if (read.insert(entry.index).second) {
            overrides.systems.insert_or_assign(entry.index, std::move(entry));
        } else {
            warnRepeatedKey(child, "index", false);
        }
    }
    int32_t position = 0;
    for (pugi::xml_node child : node.child("keystores").children("keystore")) {
        if (!allFieldsPresent<Key>(child, kKeystore)) continue;
        Key entry;
        if (!readFields<Key>(child, entry, kKeystore)) return false;
        overrides.keystores.try_emplace(position++, std::move(entry));
    }
    return true;
}

}  // namespace tarin
