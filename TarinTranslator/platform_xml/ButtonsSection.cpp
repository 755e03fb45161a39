#include <array>
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
// entry's rows, their indentation and the summary's visits.
template <class E>
struct ButtonList {
    const char* element;  // entry element name, e.g. "progButton"
    const char* open;     // start of an entry, e.g. "      <progButton\n"
    const char* keyAttr;  // e.g. "buttonName", written at the rows' indentation
    const VocabTable& keyNames;
    std::span<const Field<E>> rows;
    int indent;         // of the key's and the rows' lines
    const char* close;  // end of an entry, e.g. "       />\n"
    std::span<const SummaryVisit> summary;
};

template <class E>
void writeButtonList(std::wostream& os, const std::map<int32_t, E>& list,
                     const ButtonList<E>& layout) {
    if (isXmlMode(os)) {
        for (const auto& [key, entry] : list) {
            os << layout.open;
            for (int i = 0; i < layout.indent; ++i) os << L' ';
            os << layout.keyAttr << "='" << lookupName(static_cast<uint32_t>(key), layout.keyNames)
               << "'\n";
            writeXmlFields<E>(os, entry, layout.rows, layout.indent);
            os << layout.close;
        }
        return;
    }
    os << "{";
    const char* separator = "";
    for (const auto& [key, entry] : list) {
        os << separator << lookupName(static_cast<uint32_t>(key), layout.keyNames);
        writeSummaryFields<E>(os, entry, layout.rows, layout.summary);
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

// An entry's check: first the rows judged by number or length, in row order, each noting
// why it fails; then the decimal texts (TextMeasure::Decimal) where the row's radio types
// carry them. These note nothing: an entry whose delay or timeout lies outside its range
// is refused without a reason of its own.
template <class E>
bool checkButtonEntry(const E& entry, std::span<const Field<E>> rows) {
    for (const Field<E>& row : rows) {
        if (!row.check || row.check->measure == TextMeasure::Decimal) continue;
        const Visit visit{row.name};
        if (!checkFields<E>(entry, rows, std::span(&visit, 1))) return false;
    }
    for (const Field<E>& row : rows) {
        if (!row.check || row.check->measure != TextMeasure::Decimal || !gateOpen(row.gate))
            continue;
        const double value = leadingDecimal(entry.*std::get<std::wstring E::*>(row.member));
        if (!(value >= static_cast<double>(row.check->min) &&
              value <= static_cast<double>(row.check->max)))
            return false;
    }
    return true;
}

// ---- progButtons -----------------------------------------------------------------------

using PB = ProgButtonEntry;

constexpr int32_t kEmergencyButton = 4;

const Field<PB> kProgButton[] = {
    {.name = "function", .member = &PB::function, .names = &ButtonFunctionNames},
    {.name = "delay", .member = &PB::delay, .use = Use::Optional},
    {.name = "extraData", .member = &PB::extraData},
};

const SummaryVisit kProgButtonSummary[] = {
    {"function", ": ", Shown::Name},
    {"extraData", "/\"", Shown::Quoted},
};

const ButtonList<PB> kProgButtonList = {
    .element = "progButton",
    .open = "      <progButton\n",
    .keyAttr = "buttonName",
    .keyNames = ProgButtonNames,
    .rows = kProgButton,
    .indent = 9,
    .close = "       />\n",
    .summary = kProgButtonSummary,
};

// The delay comes first; the emergency button's is not configurable and not read: it
// always reads as "0.0".
const Visit kProgButtonDelayRead[] = {{"delay"}};
const Visit kProgButtonRead[] = {{"function"}, {"extraData"}};

// ---- accessoryButtons ------------------------------------------------------------------

using AB = AccessoryButtonEntry;

// A decimal text of the extended platforms, from 0.0 to 10.0 seconds, whose line has an
// indentation of its own.
constexpr Field<AB> seconds(const char* name, std::wstring AB::*member, const char* literal) {
    return {.name = name,
            .member = member,
            .gate = Gate::Extended,
            .check = Judged{0, 10, TextMeasure::Decimal},
            .literal = literal};
}

const Field<AB> kAccessoryButton[] = {
    {.name = "function",
     .member = &AB::function,
     .names = &AccessoryButtonFunctionNames,
     .check = Judged{0, 34}},
    {.name = "extraData", .member = &AB::extraData, .max = 12, .check = Judged{0, 12}},
    seconds("delay", &AB::delay, "  delay='"),
    seconds("timeout", &AB::timeout, "  timeout='"),
};

const SummaryVisit kAccessoryButtonSummary[] = {
    {"function", ": ", Shown::Name},
    {"timeout", "/\"", Shown::Quoted, Gate::Extended},
    {"delay", "/\"", Shown::Quoted, Gate::Extended},
    {"extraData", "/\"", Shown::Quoted},
};

const ButtonList<AB> kAccessoryButtonList = {
    .element = "accessoryButton",
    .open = "      <accessoryButton\n",
    .keyAttr = "buttonName",
    .keyNames = AccessoryButtonNames,
    .rows = kAccessoryButton,
    .indent = 9,
    .close = "       />\n",
    .summary = kAccessoryButtonSummary,
};

// ---- progBtns --------------------------------------------------------------------------

using PBtn = ProgBtnEntry;

constexpr uint32_t kVoicePlayback = 5;
constexpr uint32_t kUserPreset = 70;
constexpr uint32_t kUserDefinedPreset = 71;

// The writer puts presetSysZoneType out as a number, so the reader takes the numbers as
// well as the names OFF and ON.
constexpr VocabEntry kPresetTypeEntries[] = {{"OFF", 0}, {"ON", 1}, {"0", 0}, {"1", 1}};
constexpr VocabTable kPresetTypeNames = {kPresetTypeEntries, std::size(kPresetTypeEntries)};

// A key's rows; `presetTypeNames` names presetSysZoneType (none as written, where it is a
// number; kPresetTypeNames as read). Delay and timeout are decimal texts from 0.0 to
// 100000.0. The preset indexes are read for the user preset opcodes only; one that is
// missing or out of range means none (65535).
constexpr std::array<Field<PBtn>, 7> progBtnFields(const VocabTable* presetTypeNames) {
    return {{
        {.name = "opcode",
         .member = &PBtn::opcode,
         .names = &ProgBtnOpcodeNames,
         .check = Judged{0, 87}},
        {.name = "delay",
         .member = &PBtn::delay,
         .use = Use::Optional,
         .check = Judged{0, 100000, TextMeasure::Decimal}},
        {.name = "timeout",
         .member = &PBtn::timeout,
         .check = Judged{0, 100000, TextMeasure::Decimal}},
        {.name = "extraData", .member = &PBtn::extraData, .check = Judged{0, 20}},
        {.name = "presetSysZoneType", .member = &PBtn::presetSysZoneType, .names = presetTypeNames},
        {.name = "sysZoneIndex",
         .member = &PBtn::sysZoneIndex,
         .use = Use::Tolerant,
         .min = 0,
         .max = 511},
        {.name = "groupIndex",
         .member = &PBtn::groupIndex,
         .use = Use::Tolerant,
         .min = 0,
         .max = 1249},
    }};
}

const auto kProgBtn = progBtnFields(nullptr);
const auto kProgBtnAsRead = progBtnFields(&kPresetTypeNames);

// The system option buttons have no timeout.
const Visit kOptionButtonXml[] = {
    {"opcode"}, {"delay"}, {"extraData"}, {"presetSysZoneType"}, {"sysZoneIndex"}, {"groupIndex"}};

const SummaryVisit kProgBtnSummary[] = {
    {"opcode", ": ", Shown::Name},
    {"timeout", "/\"", Shown::Quoted},
    {"delay", "/\"", Shown::Quoted},
    {"extraData", "/\"", Shown::Quoted},
};

const ButtonList<PBtn> kProgBtnList = {
    .element = "progBtn",
    .open = "<progBtn\n",
    .keyAttr = "name",
    .keyNames = ProgBtnNames,
    .rows = kProgBtn,
    .indent = 3,
    .close = "    />\n",
    .summary = kProgBtnSummary,
};

// The timeout comes last: the system option buttons read all but it.
const Visit kProgBtnRead[] = {{"opcode"}, {"delay"}, {"extraData"}, {"timeout"}};
const Visit kPresetRead[] = {{"presetSysZoneType"}, {"sysZoneIndex"}, {"groupIndex"}};

}  // namespace

void writeProgBtnAttrs(std::wostream& os, const ProgBtnEntry& entry, bool withTimeout) {
    writeXmlFields<PBtn>(os, entry, kProgBtn, 3,
                         withTimeout ? std::span<const Visit>() : kOptionButtonXml);
}

bool readProgBtnAttrs(pugi::xml_node node, ProgBtnEntry& entry, bool withTimeout) {
    const std::span<const Visit> order(kProgBtnRead);
    if (!readFields<PBtn>(node, entry, kProgBtnAsRead,
                          withTimeout ? order : order.first(order.size() - 1)))
        return false;
    return !isOneOf(entry.opcode, {kUserPreset, kUserDefinedPreset}) ||
           readFields<PBtn>(node, entry, kProgBtnAsRead, kPresetRead);
}

bool checkProgBtnEntry(const ProgBtnEntry& entry) {
    return checkButtonEntry<PBtn>(entry, kProgBtn);
}

// Reads the progButton children of the progButtons element; used by the progButtons
// element reader after the switch attributes. False only for a missing element.
bool readProgButtons(pugi::xml_node node, ProgButtonMap& buttons) {
    buttons.clear();
    if (!node) return false;
    readButtonList<PB>(node, kProgButtonList, buttons,
                       [](pugi::xml_node child, int32_t key, PB& entry) {
                           if (key != kEmergencyButton &&
                               !readFields<PB>(child, entry, kProgButton, kProgButtonDelayRead))
                               return false;
                           return readFields<PB>(child, entry, kProgButton, kProgButtonRead);
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
                           return readFields<AB>(child, entry, kAccessoryButton) &&
                                  checkButtonEntry<AB>(entry, kAccessoryButton);
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
