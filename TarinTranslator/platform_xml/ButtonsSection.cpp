#include "TarinTranslator/platform_xml/Sections.h"

// This section group is not written or read yet: its writers write nothing and its
// readers accept anything.

namespace tarin {

std::wostream& writeProgButtons(std::wostream& os, const ProgButtonMap& /*buttons*/) {
    return os;
}

std::wostream& writeAccessoryButtons(std::wostream& os, const AccessoryButtonMap& /*buttons*/) {
    return os;
}

bool readAccessoryButtons(pugi::xml_node /*accessoryConfig*/, AccessoryButtonMap& /*buttons*/) {
    return true;
}

std::wostream& writeProgBtns(std::wostream& os, const ProgBtnMap& /*buttons*/) {
    return os;
}

bool readProgBtns(pugi::xml_node /*node*/, HandheldPlatform& /*platform*/) {
    return true;
}

}  // namespace tarin
