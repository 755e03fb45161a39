#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/ProgBtnFields.h"
#include "TarinTranslator/platform_xml/Sections.h"

// ICS (the incident/sensor alert settings and their four tables) and SystemConfig (the
// OPT1 and OPT2 buttons of each system, each described like a progBtn key). XML only, for
// the extended platform codes.

namespace tarin {

namespace {

// ---- ICS -------------------------------------------------------------------------------

const XmlAttr<IcsConfig> kIcsXml[] = {
    {"   ICSMode='", &IcsConfig::ICSMode, &OnOffNames},
    {"   userParTimeout='", &IcsConfig::userParTimeout},
    {"   parAudio='", &IcsConfig::parAudio},
    {"   parMinVolume='", &IcsConfig::parMinVolume},
    {"   hysteresisTimer='", &IcsConfig::hysteresisTimer},
};

// The numbers take their base from the text.
const ReadAttr<IcsConfig> kIcsRead[] = {
    {.name = "ICSMode", .field = &IcsConfig::ICSMode, .names = &OnOffNames},
    {.name = "userParTimeout",
     .field = &IcsConfig::userParTimeout,
     .min = 10,
     .max = 60,
     .base = 0},
    {.name = "parAudio", .field = &IcsConfig::parAudio, .min = 0, .max = 5000, .base = 0},
    {.name = "parMinVolume", .field = &IcsConfig::parMinVolume, .min = 9, .max = 18, .base = 0},
    {.name = "hysteresisTimer",
     .field = &IcsConfig::hysteresisTimer,
     .min = 30,
     .max = 120,
     .base = 0},
};

const Check<IcsConfig> kIcsChecks[] = {
    {"ICSMode", &IcsConfig::ICSMode, 0, 1},
    {"userParTimeout", &IcsConfig::userParTimeout, 10, 60},
    {"parAudio", &IcsConfig::parAudio, 0, 5000},
    {"parMinVolume", &IcsConfig::parMinVolume, 9, 18},
    {"hysteresisTimer", &IcsConfig::hysteresisTimer, 30, 120},
};

const XmlAttr<IcsAlertEntry> kAlertXml[] = {
    {"   ICSSensor='", &IcsAlertEntry::ICSSensor},
    {"   ICSEnabled='", &IcsAlertEntry::ICSEnabled, &OnOffNames},
    {"   ICSWarning='", &IcsAlertEntry::ICSWarning},
    {"   ICSCritical='", &IcsAlertEntry::ICSCritical},
};

const ReadAttr<IcsAlertEntry> kAlertRead[] = {
    {.name = "ICSSensor", .field = &IcsAlertEntry::ICSSensor},
    {.name = "ICSEnabled", .field = &IcsAlertEntry::ICSEnabled, .names = &OnOffNames},
    {.name = "ICSWarning", .field = &IcsAlertEntry::ICSWarning},
    {.name = "ICSCritical", .field = &IcsAlertEntry::ICSCritical},
};

const XmlAttr<IcsStatusEntry> kStatusXml[] = {
    {"  ICSStatus='", &IcsStatusEntry::ICSStatus},
    {"  ICSStatusValDec='", &IcsStatusEntry::ICSStatusValDec},
};

const ReadAttr<IcsStatusEntry> kStatusRead[] = {
    {.name = "ICSStatus", .field = &IcsStatusEntry::ICSStatus},
    {.name = "ICSStatusValDec", .field = &IcsStatusEntry::ICSStatusValDec},
};

const XmlAttr<ApplianceMenuEntry> kApplianceXml[] = {
    {"  Code='", &ApplianceMenuEntry::Code},
    {"  Appliance='", &ApplianceMenuEntry::Appliance},
};

const ReadAttr<ApplianceMenuEntry> kApplianceRead[] = {
    {.name = "Code", .field = &ApplianceMenuEntry::Code},
    {.name = "Appliance", .field = &ApplianceMenuEntry::Appliance},
};

const XmlAttr<SeatMenuEntry> kSeatXml[] = {
    {"  Code='", &SeatMenuEntry::Code},
    {"  Seat='", &SeatMenuEntry::Seat},
};

const ReadAttr<SeatMenuEntry> kSeatRead[] = {
    {.name = "Code", .field = &SeatMenuEntry::Code},
    {.name = "Seat", .field = &SeatMenuEntry::Seat},
};

// A table whose element does not occur keeps its content; otherwise its elements replace it.
template <class E>
bool readIcsTable(pugi::xml_node ics, const char* element, std::span<const ReadAttr<E>> items,
                  std::map<int32_t, E>& table) {
    return !ics.child(element) || readIndexedList<E>(ics, element, items, table);
}

// ---- SystemConfig ----------------------------------------------------------------------

using SO = SystemOptionEntry;

const XmlAttr<SO> kOptBtnXml[] = {
    {" sysindex ='", &SO::sysindex},
};

// sysindex, or failing that sysIndex: -1 to 512.
const ReadAttr<SO> kSysindexRead[] = {
    {.name = "sysindex", .field = &SO::sysindex, .min = -1, .max = 512},
};
const ReadAttr<SO> kSysIndexRead[] = {
    {.name = "sysIndex", .field = &SO::sysindex, .min = -1, .max = 512},
};

const Check<SO> kOptBtnChecks[] = {
    {"sysindex", &SO::sysindex, -1, 512},
};

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
    writeXmlAttrs<IcsConfig>(os, ics, kIcsXml);
    os << " >\n";
    writeXmlEntries<IcsAlertEntry>(os, ics.ICSAlertTable, "<ICSAlertTable \n", kAlertXml,
                                   "    />\n");
    writeXmlEntries<IcsStatusEntry>(os, ics.ICSStatusTable, "<ICSStatusTable \n", kStatusXml,
                                    "  />\n");
    writeXmlEntries<ApplianceMenuEntry>(os, ics.ApplianceMenu, "<ApplianceMenu \n", kApplianceXml,
                                        "  />\n");
    writeXmlEntries<SeatMenuEntry>(os, ics.SeatMenu, "<SeatMenu \n", kSeatXml, "  />\n");
    return os << "</ICS>\n";
}

// Every value is tried whatever failed before it; the check runs on what the record holds.
bool readIcsConfig(pugi::xml_node node, IcsConfig& ics) {
    if (!node) return true;
    bool ok = readEveryAttr<IcsConfig>(node, ics, kIcsRead);
    ok = readIcsTable<IcsAlertEntry>(node, "ICSAlertTable", kAlertRead, ics.ICSAlertTable) && ok;
    ok =
        readIcsTable<IcsStatusEntry>(node, "ICSStatusTable", kStatusRead, ics.ICSStatusTable) && ok;
    ok = readIcsTable<ApplianceMenuEntry>(node, "ApplianceMenu", kApplianceRead,
                                          ics.ApplianceMenu) &&
         ok;
    ok = readIcsTable<SeatMenuEntry>(node, "SeatMenu", kSeatRead, ics.SeatMenu) && ok;
    return ok && checkRanges<IcsConfig>(ics, kIcsChecks);
}

std::wostream& writeSystemConfig(std::wostream& os, const SystemOptionMap& systems) {
    if (!isXmlMode(os) || !gateOpen(Gate::Extended)) return os;
    os << "<SystemConfig>\n";
    for (const auto& [key, system] : systems) {
        os << "<OptBtn\n";
        writeXmlAttrs<SO>(os, system, kOptBtnXml);
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
        bool ok = readAttrs<SO>(child, system, kSysindexRead) ||
                  (child.attribute("sysIndex") && readAttrs<SO>(child, system, kSysIndexRead));
        for (const OptionButton& option : kOptionButtons)
            ok = ok && readOptionButton(child.child(option.element), system.*option.field);
        if (!ok || !checkRanges<SO>(system, kOptBtnChecks) || !checkProgBtnEntry(system.OPT1) ||
            !checkProgBtnEntry(system.OPT2))
            return false;
        const auto key = static_cast<int32_t>(systems.size());
        systems.emplace(key, std::move(system));
    }
    return true;
}

}  // namespace tarin
