#include "TarinTranslator/platform_xml/Sections.h"

// This section group is not written or read yet: its writers write nothing and its
// readers accept anything.

namespace tarin {

std::wostream& writePowerUpOptions(std::wostream& os, const PowerUpOptionsConfig& /*pu*/) {
    return os;
}

bool readPowerUpOptions(pugi::xml_node /*node*/, PowerUpOptionsConfig& /*pu*/) {
    return true;
}

std::wostream& writePinConfig(std::wostream& os, const PinConfig& /*pin*/) {
    return os;
}

bool readPinConfig(pugi::xml_node /*node*/, PinConfig& /*pin*/) {
    return true;
}

std::wostream& writeOverrides(std::wostream& os, const OverridesConfig& /*overrides*/) {
    return os;
}

bool readOverrides(pugi::xml_node /*node*/, OverridesConfig& /*overrides*/) {
    return true;
}

}  // namespace tarin
