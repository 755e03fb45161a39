#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/Sections.h"

namespace tarin {

namespace {

using TD = TimeDateConfig;

const XmlAttr<TD> kTimeDateXml[] = {
    {"   time='", &TD::time, &TimeFormatNames},
    {"   zone='", &TD::zone, &TimeZoneNames},
    {"   date='", &TD::date, &DateFormatNames},
};

const SummaryItem<TD> kTimeDateSummary[] = {
    {"{ time: ", &TD::time, Shown::Name, &TimeFormatNames},
    {", zone: ", &TD::zone, Shown::Name, &TimeZoneNames},
    {", date: ", &TD::date, Shown::Name, &DateFormatNames},
};

const ReadAttr<TD> kTimeDateRead[] = {
    {.name = "time", .field = &TD::time, .names = &TimeFormatNames},
    {.name = "zone", .field = &TD::zone, .names = &TimeZoneNames},
    {.name = "date", .field = &TD::date, .names = &DateFormatNames},
};

const Check<TD> kTimeDateChecks[] = {{"time", &TD::time, 0, 3}, {"date", &TD::date, 0, 1}};

}  // namespace

std::wostream& writeTimeDateConfig(std::wostream& os, const TimeDateConfig& td) {
    if (isXmlMode(os)) {
        os << "<TimeDateCfg\n";
        writeXmlAttrs<TD>(os, td, kTimeDateXml);
        os << " />\n";
    } else {
        writeSummaryItems<TD>(os, td, kTimeDateSummary);
        os << " }";
    }
    return os;
}

bool readTimeDateConfig(pugi::xml_node node, TimeDateConfig& td) {
    return readAttrs<TD>(node, td, kTimeDateRead) && checkRanges<TD>(td, kTimeDateChecks);
}

}  // namespace tarin
