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

const XmlAttr<PU> kPowerUpXml[] = {
    {"   powerOnBeep='", &PU::powerOnBeep, &OnOffNames},
    {"   keypadLock='", &PU::keypadLock, &OnOffNames},
    {"   keypadState='", &PU::keypadState, &OnOffNames},
    {"   eioAlarm_1='", &PU::eioAlarm_1, &OnOffNames},
    {"   eioAlarm_2='", &PU::eioAlarm_2, &OnOffNames},
    {"   eioAlarm_3='", &PU::eioAlarm_3, &OnOffNames},
    {"   eioAlarm_Restart='", &PU::eioAlarm_Restart, &OnOffNames},
};

const SummaryItem<PU> kPowerUpSummary[] = {
    {"{ powerOnBeep: ", &PU::powerOnBeep},
    {", keypadLock: ", &PU::keypadLock},
    {", keypadState: ", &PU::keypadState},
    {", eioAlarm_1: ", &PU::eioAlarm_1},
    {", eioAlarm_2: ", &PU::eioAlarm_2},
    {", eioAlarm_3: ", &PU::eioAlarm_3},
    {", eioAlarm_Restart: ", &PU::eioAlarm_Restart},
};

const ReadAttr<PU> kPowerUpRead[] = {
    {.name = "powerOnBeep", .field = &PU::powerOnBeep, .names = &OnOffNames},
    {.name = "keypadLock", .field = &PU::keypadLock, .names = &OnOffNames},
    {.name = "keypadState", .field = &PU::keypadState, .names = &OnOffNames},
};

// Read only when all four are present; otherwise all four keep their values.
const ReadAttr<PU> kAlarmRead[] = {
    {.name = "eioAlarm_1", .field = &PU::eioAlarm_1, .names = &OnOffNames},
    {.name = "eioAlarm_2", .field = &PU::eioAlarm_2, .names = &OnOffNames},
    {.name = "eioAlarm_3", .field = &PU::eioAlarm_3, .names = &OnOffNames},
    {.name = "eioAlarm_Restart", .field = &PU::eioAlarm_Restart, .names = &OnOffNames},
};

const Check<PU> kPowerUpChecks[] = {
    {"powerOnBeep", &PU::powerOnBeep, 0, 1},
    {"keypadLock", &PU::keypadLock, 0, 1},
    {"keypadState", &PU::keypadState, 0, 1},
    {"eioAlarm_1", &PU::eioAlarm_1, 0, 1},
    {"eioAlarm_2", &PU::eioAlarm_2, 0, 1},
    {"eioAlarm_3", &PU::eioAlarm_3, 0, 1},
    {"eioAlarm_Restart", &PU::eioAlarm_Restart, 0, 1},
};

// ---- PINConfig -------------------------------------------------------------------------

using Pin = PinConfig;

constexpr int64_t kMaxPinLength = 10;

const XmlAttr<Pin> kPinXml[] = {
    {"   powerupPIN='", &Pin::powerupPIN},
    {"   minimumPINLength='", &Pin::minimumPINLength},
    {"   maxBadPINEntries='", &Pin::maxBadPINEntries},
    {"   zeroizeOnPINFailure='", &Pin::zeroizeOnPINFailure, &OnOffNames},
};

const SummaryItem<Pin> kPinSummary[] = {
    {"{ powerupPIN: ", &Pin::powerupPIN, Shown::Raw},
    {", minimumPINLength: ", &Pin::minimumPINLength},
    {", maxBadPINEntries: ", &Pin::maxBadPINEntries},
    {", zeroizeOnPINFailure: ", &Pin::zeroizeOnPINFailure},
};

const ReadAttr<Pin> kPinRead[] = {
    {.name = "powerupPIN", .field = &Pin::powerupPIN, .max = kMaxPinLength},
    {.name = "minimumPINLength", .field = &Pin::minimumPINLength},
    {.name = "maxBadPINEntries", .field = &Pin::maxBadPINEntries},
    {.name = "zeroizeOnPINFailure", .field = &Pin::zeroizeOnPINFailure, .names = &OnOffNames},
};

const Check<Pin> kPinChecks[] = {
    {"powerupPIN", &Pin::powerupPIN, 0, kMaxPinLength},
    {"minimumPINLength", &Pin::minimumPINLength, 0, kMaxPinLength},
    {"maxBadPINEntries", &Pin::maxBadPINEntries, 1, kULongMax},
    {"zeroizeOnPINFailure", &Pin::zeroizeOnPINFailure, 0, 1},
};

// ---- overrides -------------------------------------------------------------------------

using Sys = SystemEntry;
using Key = KeystoreEntry;

constexpr int64_t kMaxSystemIndex = 512;
constexpr int32_t kMaxMdcUnitId = 0xEFFF;
constexpr int64_t kMaxRsi = 9999999;

const XmlAttr<Sys> kSystemXml[] = {
    {" index ='", &Sys::index},
    {" sysname ='", &Sys::sysname},
    {" systype ='", &Sys::systype, &SystemTypeNames},
    {" unitid ='", &Sys::unitid},
    {" mdcunitid ='", &Sys::mdcunitid},
    {" username ='", &Sys::username},
    {" password ='", &Sys::password},
};

// A system is read only when it has every one of these and mdcunitid. The upper bound
// of unitid follows from systype (maxUnitId).
const ReadAttr<Sys> kSystemRead[] = {
    {.name = "index", .field = &Sys::index, .min = 0, .max = kMaxSystemIndex},
    {.name = "sysname", .field = &Sys::sysname},
    {.name = "systype", .field = &Sys::systype, .names = &SystemTypeNames},
    {.name = "unitid", .field = &Sys::unitid},
    {.name = "username", .field = &Sys::username},
    {.name = "password", .field = &Sys::password},
};

const XmlAttr<Key> kKeystoreXml[] = {
    {" name ='", &Key::name},
    {" RSI ='", &Key::RSI},
};

// A keystore is read only when it has both.
const ReadAttr<Key> kKeystoreRead[] = {
    {.name = "name", .field = &Key::name},
    {.name = "RSI", .field = &Key::RSI, .min = 0, .max = kMaxRsi},
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

// Reads one complete system element. mdcunitid is a decimal number up to 61439; any other
// text is taken as hexadecimal, without a range.
bool readSystem(pugi::xml_node node, Sys& entry) {
    if (!readAttrs<Sys>(node, entry, kSystemRead)) return false;
    const Check<Sys> unitRange[] = {{"unitid", &Sys::unitid, 0, maxUnitId(entry.systype)}};
    if (!checkRanges<Sys>(entry, unitRange)) return false;
    pugi::xml_attribute mdc = node.attribute("mdcunitid");
    if (!readLong(mdc, entry.mdcunitid, 0, kMaxMdcUnitId))
        entry.mdcunitid = leadingHexInt(mdc.value());
    return true;
}

}  // namespace

std::wostream& writePowerUpOptions(std::wostream& os, const PowerUpOptionsConfig& pu) {
    if (isXmlMode(os)) {
        os << "<PowerUpOptions\n";
        writeXmlAttrs<PU>(os, pu, kPowerUpXml);
        os << "    />\n";
    } else {
        writeSummaryItems<PU>(os, pu, kPowerUpSummary);
        os << "}";
    }
    return os;
}

bool readPowerUpOptions(pugi::xml_node node, PowerUpOptionsConfig& pu) {
    if (!readAttrs<PU>(node, pu, kPowerUpRead)) return false;
    if (allPresent<PU>(node, kAlarmRead) && !readAttrs<PU>(node, pu, kAlarmRead)) return false;
    return checkRanges<PU>(pu, kPowerUpChecks);
}

std::wostream& writePinConfig(std::wostream& os, const PinConfig& pin) {
    if (isXmlMode(os)) {
        os << "<PINConfig\n";
        writeXmlAttrs<Pin>(os, pin, kPinXml);
        os << "    />\n";
    } else {
        writeSummaryItems<Pin>(os, pin, kPinSummary);
        os << "}";
    }
    return os;
}

bool readPinConfig(pugi::xml_node node, PinConfig& pin) {
    return readAttrs<Pin>(node, pin, kPinRead) && checkRanges<Pin>(pin, kPinChecks);
}

std::wostream& writeOverrides(std::wostream& os, const OverridesConfig& overrides) {
    if (!isXmlMode(os)) return os;
    os << "<overrides>\n<misc>\n   <radio_ip_address\n value ='";
    putEscaped(os, overrides.radio_ip_address);
    os << "'\n   />\n</misc>\n<systems>\n";
    for (const auto& [index, system] : overrides.systems) {
        os << "<system\n";
        writeXmlAttrs<Sys>(os, system, kSystemXml);
        os << " />\n";
    }
    os << "</systems>\n<keystores>\n";
    for (const auto& [position, keystore] : overrides.keystores) {
        os << "<keystore\n";
        writeXmlAttrs<Key>(os, keystore, kKeystoreXml);
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
        if (!allPresent<Sys>(child, kSystemRead) || !child.attribute("mdcunitid")) continue;
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
        if (!allPresent<Key>(child, kKeystoreRead)) continue;
        Key entry;
        if (!readAttrs<Key>(child, entry, kKeystoreRead)) return false;
        overrides.keystores.try_emplace(position++, std::move(entry));
    }
    return true;
}

}  // namespace tarin
