#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/Sections.h"

namespace tarin {

namespace {

using TD = TimeDateConfig;

const Field<TD> kTimeDate[] = {
    {.name = "time", .member = &TD::time, .names = &TimeFormatNames, .check = Judged{0, 3}},
    {.name = "zone", .member = &TD::zone, .names = &TimeZoneNames},
    {.name = "date", .member = &TD::date, .names = &DateFormatNames, .check = Judged{0, 1}},
};

const SummaryVisit kTimeDateSummary[] = {
    {"time", "{ time: ", Shown::Name},
    {"zone", ", zone: ", Shown::Name},
    {"date", ", date: ", Shown::Name},
};

}  // namespace

std::wostream& writeTimeDateConfig(std::wostream& os, const TimeDateConfig& td) {
    if (isXmlMode(os)) {
        os << "<TimeDateCfg\n";
        writeXmlFields<TD>(os, td, kTimeDate, 3);
        os << " />\n";
    } else {
        writeSummaryFields<TD>(os, td, kTimeDate, kTimeDateSummary);
        os << " }";
    }
    return os;
}

bool readTimeDateConfig(pugi::xml_node node, TimeDateConfig& td) {
    return readFields<TD>(node, td, kTimeDate) && checkFields<TD>(td, kTimeDate);
}

}  // namespace tarin
