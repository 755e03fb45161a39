#include "TarinTranslator/platform_xml/Sections.h"

// This section group is not written or read yet: its writers write nothing and its
// readers accept anything.

namespace tarin {

std::wostream& writeAccessoryConfig(std::wostream& os, const AccessoryConfig& /*acc*/) {
    return os;
}

bool readAccessoryConfig(pugi::xml_node /*node*/, HandheldPlatform& /*platform*/) {
    return true;
}

std::wostream& writeManDownConfig(std::wostream& os, const ManDownConfig& /*md*/) {
    return os;
}

bool readManDownConfig(pugi::xml_node /*node*/, ManDownConfig& /*md*/) {
    return true;
}

}  // namespace tarin
