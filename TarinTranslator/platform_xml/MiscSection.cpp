#include "TarinTranslator/platform_xml/Sections.h"

// This section group is not written or read yet: its writers write nothing and its
// readers accept anything.

namespace tarin {

std::wostream& writeMiscConfig(std::wostream& os, const MiscConfig& /*misc*/) {
    return os;
}

bool readMiscConfig(pugi::xml_node /*node*/, MiscConfig& /*misc*/) {
    return true;
}

}  // namespace tarin
