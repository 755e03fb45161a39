#include "TarinTranslator/platform_xml/Sections.h"

// This section group is not written or read yet: its writers write nothing and its
// readers accept anything.

namespace tarin {

std::wostream& writeNetworkConfig(std::wostream& os, const NetworkConfig& /*net*/) {
    return os;
}

bool readNetworkConfig(pugi::xml_node /*node*/, NetworkConfig& /*net*/) {
    return true;
}

}  // namespace tarin
