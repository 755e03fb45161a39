#include "TarinTranslator/platform_xml/Sections.h"

// This section group is not written or read yet: its writers write nothing and its
// readers accept anything.

namespace tarin {

std::wostream& writeShortMenu(std::wostream& os, const ShortMenuMap& /*menu*/) {
    return os;
}

bool readShortMenu(pugi::xml_node /*node*/, ShortMenuMap& /*menu*/) {
    return true;
}

}  // namespace tarin
