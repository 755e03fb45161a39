#include <array>

#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/ProgBtnFields.h"
#include "TarinTranslator/platform_xml/Sections.h"

// ICS (the incident/sensor alert settings and their four tables) and SystemConfig (the
// OPT1 and OPT2 buttons of each system, each described like a progBtn key). XML only, for
// the extended platform codes.

namespace tarin {

namespace {

// ---- ICS -------------------------------------------------------------------------------

const Field<IcsConfig> kIcs[] = {
    {.name = "ICSMode", .member = &IcsConfig::ICSMode, .names = &OnOffNames, .check = Judged{0, 1}},
    number<IcsConfig>("userParTimeout", &IcsConfig::userParTimeout, 10, 60),
    number<IcsConfig>("parAudio", &IcsConfig::parAudio, 0, 5000),
    number<IcsConfig>("parMinVolume", &IcsConfig::parMinVolume, 9, 18),
    number<IcsConfig>("hysteresisTimer", &IcsConfig::hysteresisTimer, 30, 120),
};

const Field<IcsAlertEntry> kAlert[] = {
    {.name = "ICSSensor", .member = &IcsAlertEntry::ICSSensor},
    {.name = "ICSEnabled", .member = &IcsAlertEntry::ICSEnabled, .names = &OnOffNames},
    {.name = "ICSWarning", .member = &IcsAlertEntry::ICSWarning},
    {.name = "ICSCritical", .member = &IcsAlertEntry::ICSCritical},
};

const Field<IcsStatusEntry> kStatus[] = {
    {.name = "ICSStatus", .member = &IcsStatusEntry::ICSStatus},
    {.name = "ICSStatusValDec", .member = &IcsStatusEntry::ICSStatusValDec},
};

const Field<ApplianceMenuEntry> kAppliance[] = {
    {.name = "Code", .member = &ApplianceMenuEntry::Code},
    {.name = "Appliance", .member = &ApplianceMenuEntry::Appliance},
};

const Field<SeatMenuEntry> kSeat[] = {
    {.name = "Code", .member = &SeatMenuEntry::Code},
    {.name = "Seat", .member = &SeatMenuEntry::Seat},
};

// A table whose element does not occur keeps its content; otherwise its elements replace it.
template <class E>
bool readIcsTable(pugi::xml_node ics, const char* element, std::span<const Field<E>> rows,
                  std::map<int32_t, E>& table) {
    return !ics.child(element) || readIndexedListOfFields<E>(ics, element, rows, table);
}

// ---- SystemConfig ----------------------------------------------------------------------

using SO = SystemOptionEntry;

// The system index, -1 to 512, under the attribute `name`: documents spell it sysindex or,
// failing that, sysIndex. The writer spells it sysindex, with a blank before the "=".
constexpr std::array<Field<SO>, 1> optBtnFields(const char* name) {
    return {{{.name = name,
              .member = &SO::sysindex,
              .min = -1,
              .max = 512,
              .check = Judged{-1, 512},
              .literal = " sysindex ='"}}};
}

const auto kOptBtn = optBtnFields("sysindex");
const auto kOptBtnOtherSpelling = optBtnFields("sysIndex");

// The two option buttons of a system: element, field and the text that opens it.
struct OptionButton {
    const char* element;
    ProgBtnEntry SO::*field;
    const char* open;
};

const OptionButton kOptionButtons[] = {
    {"OPT1", &SO::OPT1, "<OPT1 \n"},
    {"OPT2", &SO::OPT2, "<OPT2 \n"},
};

// An absent element leaves the default option button. The timeout is not read: it stays
// "0.0".
bool readOptionButton(pugi::xml_node node, ProgBtnEntry& button) {
    if (!node) return true;
    ProgBtnEntry read;
    if (!readProgBtnAttrs(node, read, false)) return false;
    button = std::move(read);
    return true;
}

}  // namespace

std::wostream& writeIcsConfig(std::wostream& os, const IcsConfig& ics) {
    if (!isXmlMode(os) || !gateOpen(Gate::Extended)) return os;
    os << "<ICS\n";
    writeXmlFields<IcsConfig>(os, ics, kIcs, 3);
    os << " >\n";
    writeXmlEntriesOfFields<IcsAlertEntry>(os, ics.ICSAlertTable, "<ICSAlertTable \n", kAlert, 3,
                                           "    />\n");
    writeXmlEntriesOfFields<IcsStatusEntry>(os, ics.ICSStatusTable, "<ICSStatusTable \n", kStatus,
                                            2, "  />\n");
    writeXmlEntriesOfFields<ApplianceMenuEntry>(os, ics.ApplianceMenu, "<ApplianceMenu \n",
                                                kAppliance, 2, "  />\n");
    writeXmlEntriesOfFields<SeatMenuEntry>(os, ics.SeatMenu, "<SeatMenu \n", kSeat, 2, "  />\n");
    return os << "</ICS>\n";
}

// Every value is tried whatever failed before it; the check runs on what the record holds.
bool readIcsConfig(pugi::xml_node node, IcsConfig& ics) {
    if (!node) return true;
    bool ok = readEveryField<IcsConfig>(node, ics, kIcs);
    ok = readIcsTable<IcsAlertEntry>(node, "ICSAlertTable", kAlert, ics.ICSAlertTable) && ok;
    ok = readIcsTable<IcsStatusEntry>(node, "ICSStatusTable", kStatus, ics.ICSStatusTable) && ok;
    ok = readIcsTable<ApplianceMenuEntry>(node, "ApplianceMenu", kAppliance, ics.ApplianceMenu) &&
         ok;
    ok = readIcsTable<SeatMenuEntry>(node, "SeatMenu", kSeat, ics.SeatMenu) && ok;
    return ok && checkFields<IcsConfig>(ics, kIcs);
}

std::wostream& writeSystemConfig(std::wostream& os, const SystemOptionMap& systems) {
    if (!isXmlMode(os) || !gateOpen(Gate::Extended)) return os;
    os << "<SystemConfig>\n";
    for (const auto& [key, system] : systems) {
        os << "<OptBtn\n";
        writeXmlFields<SO>(os, system, kOptBtn, 1);
        os << " >\n";
        for (const OptionButton& option : kOptionButtons) {
            os << option.open;
            writeProgBtnAttrs(os, system.*option.field, false);
            os << "   />\n";
        }
        os << "</OptBtn>";
    }
    return os << "</SystemConfig>\n";
}

// The option buttons are read in document order until one fails to read or to pass the
// check; those before it stay.
bool readSystemConfig(pugi::xml_node node, SystemOptionMap& systems) {
    systems.clear();
    for (pugi::xml_node child : node.children("OptBtn")) {
        SO system;
        // Without the other spelling, why sysindex failed is the reason.
        bool ok = readFields<SO>(child, system, kOptBtn) ||
                  (child.attribute(kOptBtnOtherSpelling[0].name) &&
                   readFields<SO>(child, system, kOptBtnOtherSpelling));
        for (const OptionButton& option : kOptionButtons)
            ok = ok && readOptionButton(child.child(option.element), system.*option.field);
        if (!ok || !checkFields<SO>(system, kOptBtn) || !checkProgBtnEntry(system.OPT1) ||
            !checkProgBtnEntry(system.OPT2))
            return false;
        const auto key = static_cast<int32_t>(systems.size());
        systems.emplace(key, std::move(system));
    }
    return true;
}

}  // namespace tarin
