#include "TarinTranslator/platform_xml/Sections.h"

// This section group is not written or read yet: its writers write nothing and its
// readers accept anything.

namespace tarin {

std::wostream& writeTwoPosSwitch(std::wostream& os, const TwoPosSwitchConfig& /*sw*/) {
    return os;
}

std::wostream& writeThreePosSwitch(std::wostream& os, const ThreePosSwitchConfig& /*sw*/) {
    return os;
}

std::wostream& writeThreePosSwitchPositions(std::wostream& os, const ThreePosSwitchValues& /*sw*/) {
    return os;
}

std::wostream& writeRadioLockList(std::wostream& os, const RadioLockSequence& /*list*/) {
    return os;
}

bool readProgButtonsElement(pugi::xml_node /*node*/, HandheldPlatform& /*platform*/) {
    return true;
}

std::wostream& writeProgSwitches(std::wostream& os, const ProgSwitchesConfig& /*switches*/) {
    return os;
}

bool readProgSwitches(pugi::xml_node /*node*/, HandheldPlatform& /*platform*/) {
    return true;
}

}  // namespace tarin
