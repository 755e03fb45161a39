#include "TarinTranslator/platform_xml/Sections.h"

// This section group is not written or read yet: its writers write nothing and its
// readers accept anything.

namespace tarin {

std::wostream& writeIcsConfig(std::wostream& os, const IcsConfig& /*ics*/) {
    return os;
}

bool readIcsConfig(pugi::xml_node /*node*/, IcsConfig& /*ics*/) {
    return true;
}

std::wostream& writeSystemConfig(std::wostream& os, const SystemOptionMap& /*systems*/) {
    return os;
}

bool readSystemConfig(pugi::xml_node /*node*/, SystemOptionMap& /*systems*/) {
    return true;
}

}  // namespace tarin
