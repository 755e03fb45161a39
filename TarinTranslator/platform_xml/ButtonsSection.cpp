#include <map>
#include <span>
#include <string>
#include <string_view>

#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/ProgBtnFields.h"
#include "TarinTranslator/platform_xml/Sections.h"

// The three button lists: progButtons entries (classic side and emergency buttons),
// accessoryButtons and progBtns (every key of the extended platforms). Each list is a
// map from a button code to an entry; in the document every entry is one element whose
// first attribute names the code. Reading a list replaces it as a whole: one invalid
// entry leaves the list empty.

namespace tarin {

namespace {

// How one button list looks: the entry element, the attribute that names the key, the
// entry's own attributes and its summary items.
template <class E>
struct ButtonList {
    const char* element;     // entry element name, e.g. "progButton"
    const char* open;        // start of an entry, e.g. "      <progButton\n"
    const char* keyAttr;     // e.g. "buttonName"
    const char* keyLiteral;  // e.g. "         buttonName='"
    const VocabTable& keyNames;
    std::span<const XmlAttr<E>> xml;
    const char* close;  // end of an entry, e.g. "       />\n"
    std::span<const SummaryItem<E>> summary;
};

template <class E>
void writeButtonList(std::wostream& os, const std::map<int32_t, E>& list,
                     const ButtonList<E>& layout) {
    if (isXmlMode(os)) {
        for (const auto& [key, entry] : list) {
            os << layout.open << layout.keyLiteral
               << lookupName(static_cast<uint32_t>(key), layout.keyNames) << "'\n";
            writeXmlAttrs<E>(os, entry, layout.xml);
            os << layout.close;
        }
        return;
    }
    os << "{";
    const char* separator = "";
    for (const auto& [key, entry] : list) {
        os << separator << lookupName(static_cast<uint32_t>(key), layout.keyNames);
        writeSummaryItems<E>(os, entry, layout.summary);
        separator = ", ";
    }
    os << "}";
}

// Reads the entry elements below `parent` into a fresh map; `readEntry(node, key, entry)`
// converts and checks one entry that starts with its constructed values. The first
// invalid entry ends the reading and leaves `list` empty; a duplicate key keeps the
// earlier entry.
template <class E, class ReadEntry>
void readButtonList(pugi::xml_node parent, const ButtonList<E>& layout, std::map<int32_t, E>& list,
                    ReadEntry readEntry) {
    list.clear();
    std::map<int32_t, E> working;
    for (pugi::xml_node node : parent.children(layout.element)) {
        uint32_t code = 0;
        if (!lookupValue(node.attribute(layout.keyAttr), layout.keyNames, code)) return;
        const auto key = static_cast<int32_t>(code);
        E entry;
        if (!readEntry(node, key, entry)) return;
        keepFirst(working, key, std::move(entry), node, layout.keyAttr);
    }
    list = std::move(working);
}

// A decimal text field of an entry and the upper bound of its value (the lower is 0.0).
template <class E>
struct DecimalRange {
    std::wstring E::*field;
    double max;
    Gate gate = Gate::All;
};

template <class E>
bool checkDecimals(const E& entry, std::span<const DecimalRange<E>> ranges) {
    for (const DecimalRange<E>& range : ranges) {
        if (!gateOpen(range.gate)) continue;
        const double value = leadingDecimal(entry.*range.field);
        if (!(value >= 0.0 && value <= range.max)) return false;
    }
    return true;
}

// ---- progButtons -----------------------------------------------------------------------

using PB = ProgButtonEntry;

constexpr int32_t kEmergencyButton = 4;

const XmlAttr<PB> kProgButtonXml[] = {
    {"         function='", &PB::function, &ButtonFunctionNames},
    {"         delay='", &PB::delay},
    {"         extraData='", &PB::extraData},
};

const SummaryItem<PB> kProgButtonSummary[] = {
    {": ", &PB::function, Shown::Name, &ButtonFunctionNames},
    {"/\"", &PB::extraData, Shown::Quoted},
};

const ButtonList<PB> kProgButtonList = {
    "progButton",    "      <progButton\n", "buttonName",  "         buttonName='",
    ProgButtonNames, kProgButtonXml,        "       />\n", kProgButtonSummary,
};

const ReadAttr<PB> kProgButtonRead[] = {
    {.name = "function", .field = &PB::function, .names = &ButtonFunctionNames},
    {.name = "extraData", .field = &PB::extraData},
};

// The emergency button's delay is not configurable: it always reads as "0.0".
const ReadAttr<PB> kProgButtonDelayRead[] = {
    {.name = "delay", .field = &PB::delay, .use = Use::Optional},
};

// ---- accessoryButtons ------------------------------------------------------------------

using AB = AccessoryButtonEntry;

const XmlAttr<AB> kAccessoryButtonXml[] = {
    {"         function='", &AB::function, &AccessoryButtonFunctionNames},
    {"         extraData='", &AB::extraData},
    {"  delay='", &AB::delay, nullptr, Gate::Extended},
    {"  timeout='", &AB::timeout, nullptr, Gate::Extended},
};

const SummaryItem<AB> kAccessoryButtonSummary[] = {
    {": ", &AB::function, Shown::Name, &AccessoryButtonFunctionNames},
    {"/\"", &AB::timeout, Shown::Quoted, nullptr, Gate::Extended},
    {"/\"", &AB::delay, Shown::Quoted, nullptr, Gate::Extended},
    {"/\"", &AB::extraData, Shown::Quoted},
};

const ButtonList<AB> kAccessoryButtonList = {
    "accessoryButton",    "      <accessoryButton\n", "buttonName",  "         buttonName='",
    AccessoryButtonNames, kAccessoryButtonXml,        "       />\n", kAccessoryButtonSummary,
};

const ReadAttr<AB> kAccessoryButtonRead[] = {
    {.name = "function", .field = &AB::function, .names = &AccessoryButtonFunctionNames},
    {.name = "extraData", .field = &AB::extraData, .max = 12},
    {.name = "delay", .field = &AB::delay, .gate = Gate::Extended},
    {.name = "timeout", .field = &AB::timeout, .gate = Gate::Extended},
};

const Check<AB> kAccessoryButtonChecks[] = {
    {"function", &AB::function, 0, 34},
    {"extraData", &AB::extraData, 0, 12},
};

const DecimalRange<AB> kAccessoryButtonDecimals[] = {
    {&AB::delay, 10.0, Gate::Extended},
    {&AB::timeout, 10.0, Gate::Extended},
};

// ---- progBtns --------------------------------------------------------------------------

using PBtn = ProgBtnEntry;

constexpr uint32_t kVoicePlayback = 5;
constexpr uint32_t kUserPreset = 70;
constexpr uint32_t kUserDefinedPreset = 71;

const XmlAttr<PBtn> kProgBtnXml[] = {
    {"   opcode='", &PBtn::opcode, &ProgBtnOpcodeNames},
    {"   delay='", &PBtn::delay},
    {"   timeout='", &PBtn::timeout},
    {"   extraData='", &PBtn::extraData},
    {"   presetSysZoneType='", &PBtn::presetSysZoneType},
    {"   sysZoneIndex='", &PBtn::sysZoneIndex},
    {"   groupIndex='", &PBtn::groupIndex},
};

const SummaryItem<PBtn> kProgBtnSummary[] = {
    {": ", &PBtn::opcode, Shown::Name, &ProgBtnOpcodeNames},
    {"/\"", &PBtn::timeout, Shown::Quoted},
    {"/\"", &PBtn::delay, Shown::Quoted},
    {"/\"", &PBtn::extraData, Shown::Quoted},
};

const ButtonList<PBtn> kProgBtnList = {
    "progBtn",    "<progBtn\n", "name",     "   name='",
    ProgBtnNames, kProgBtnXml,  "    />\n", kProgBtnSummary,
};

// The timeout comes last: the system option buttons read all but it.
const ReadAttr<PBtn> kProgBtnRead[] = {
    {.name = "opcode", .field = &PBtn::opcode, .names = &ProgBtnOpcodeNames},
    {.name = "delay", .field = &PBtn::delay, .use = Use::Optional},
    {.name = "extraData", .field = &PBtn::extraData},
    {.name = "timeout", .field = &PBtn::timeout},
};

// The writer puts presetSysZoneType out as a number, so the reader takes the numbers as
// well as the names OFF and ON.
const VocabEntry kPresetTypeEntries[] = {{"OFF", 0}, {"ON", 1}, {"0", 0}, {"1", 1}};
const VocabTable kPresetTypeNames = {kPresetTypeEntries, std::size(kPresetTypeEntries)};

// Read for the user preset opcodes only; an index that is missing or out of range means
// none (65535).
const ReadAttr<PBtn> kProgBtnPresetRead[] = {
    {.name = "presetSysZoneType", .field = &PBtn::presetSysZoneType, .names = &kPresetTypeNames},
    {.name = "sysZoneIndex",
     .field = &PBtn::sysZoneIndex,
     .use = Use::Tolerant,
     .min = 0,
     .max = 511},
    {.name = "groupIndex", .field = &PBtn::groupIndex, .use = Use::Tolerant, .min = 0, .max = 1249},
};

const Check<PBtn> kProgBtnChecks[] = {
    {"opcode", &PBtn::opcode, 0, 87},
    {"extraData", &PBtn::extraData, 0, 20},
};

const DecimalRange<PBtn> kProgBtnDecimals[] = {
    {&PBtn::delay, 100000.0},
    {&PBtn::timeout, 100000.0},
};

}  // namespace

void writeProgBtnAttrs(std::wostream& os, const ProgBtnEntry& entry, bool withTimeout) {
    const Member<PBtn> timeout = &PBtn::timeout;
    for (const XmlAttr<PBtn>& item : kProgBtnXml)
        if (withTimeout || item.field != timeout) writeXmlAttrs<PBtn>(os, entry, {&item, 1});
}

bool readProgBtnAttrs(pugi::xml_node node, ProgBtnEntry& entry, bool withTimeout) {
    const std::span<const ReadAttr<PBtn>> items(kProgBtnRead);
    if (!readAttrs<PBtn>(node, entry, withTimeout ? items : items.first(items.size() - 1)))
        return false;
    return !isOneOf(entry.opcode, {kUserPreset, kUserDefinedPreset}) ||
           readAttrs<PBtn>(node, entry, kProgBtnPresetRead);
}

bool checkProgBtnEntry(const ProgBtnEntry& entry) {
    return checkRanges<PBtn>(entry, kProgBtnChecks) && checkDecimals<PBtn>(entry, kProgBtnDecimals);
}

// Reads the progButton children of the progButtons element; used by the progButtons
// element reader after the switch attributes. False only for a missing element.
bool readProgButtons(pugi::xml_node node, ProgButtonMap& buttons) {
    buttons.clear();
    if (!node) return false;
    readButtonList<PB>(
        node, kProgButtonList, buttons, [](pugi::xml_node child, int32_t key, PB& entry) {
            if (key != kEmergencyButton && !readAttrs<PB>(child, entry, kProgButtonDelayRead))
                return false;
            return readAttrs<PB>(child, entry, kProgButtonRead);
        });
    return true;
}

std::wostream& writeProgButtons(std::wostream& os, const ProgButtonMap& buttons) {
    writeButtonList<PB>(os, buttons, kProgButtonList);
    return os;
}

std::wostream& writeAccessoryButtons(std::wostream& os, const AccessoryButtonMap& buttons) {
    if (isVrMobileCode(currentRadioType())) return os;
    const bool xml = isXmlMode(os);
    if (xml) os << "<accessoryButtons>";
    writeButtonList<AB>(os, buttons, kAccessoryButtonList);
    if (xml) os << "</accessoryButtons>";
    return os;
}

bool readAccessoryButtons(pugi::xml_node accessoryConfig, AccessoryButtonMap& buttons) {
    buttons.clear();
    if (!accessoryConfig) return false;
    readButtonList<AB>(accessoryConfig.child("accessoryButtons"), kAccessoryButtonList, buttons,
                       [](pugi::xml_node child, int32_t, AB& entry) {
                           return readAttrs<AB>(child, entry, kAccessoryButtonRead) &&
                                  checkRanges<AB>(entry, kAccessoryButtonChecks) &&
                                  checkDecimals<AB>(entry, kAccessoryButtonDecimals);
                       });
    return true;
}

std::wostream& writeProgBtns(std::wostream& os, const ProgBtnMap& buttons) {
    writeButtonList<PBtn>(os, buttons, kProgBtnList);
    return os;
}

bool readProgBtns(pugi::xml_node node, HandheldPlatform& platform) {
    ProgBtnMap& buttons = platform.progBtns;
    buttons.clear();
    if (!node) return false;
    readButtonList<PBtn>(node, kProgBtnList, buttons,
                         [](pugi::xml_node child, int32_t, PBtn& entry) {
                             if (!readProgBtnAttrs(child, entry, true)) return false;
                             // Voice playback keys carry a file name of any length.
                             return entry.opcode == kVoicePlayback || checkProgBtnEntry(entry);
                         });
    return true;
}

}  // namespace tarin
