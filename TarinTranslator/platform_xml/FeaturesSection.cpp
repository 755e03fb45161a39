#include "TarinTranslator/platform_xml/Sections.h"

// This section group is not written or read yet: its writers write nothing and its
// readers accept anything.

namespace tarin {

std::wostream& writeHazardConfig(std::wostream& os, const HazardConfig& /*hazard*/) {
    return os;
}

bool readHazardConfig(pugi::xml_node /*node*/, HazardConfig& /*hazard*/) {
    return true;
}

std::wostream& writeSelfCheckConfig(std::wostream& os, const SelfCheckConfig& /*check*/) {
    return os;
}

bool readSelfCheckConfig(pugi::xml_node /*node*/, SelfCheckConfig& /*check*/) {
    return true;
}

std::wostream& writeVrMobileConfig(std::wostream& os, const VrMobileConfig& /*vr*/) {
    return os;
}

bool readVrMobileConfig(pugi::xml_node /*node*/, VrMobileConfig& /*vr*/) {
    return true;
}

std::wostream& writeLogEventsConfig(std::wostream& os, const LogEventsConfig& /*log*/) {
    return os;
}

bool readLogEventsConfig(pugi::xml_node /*node*/, LogEventsConfig& /*log*/) {
    return true;
}

bool readVideoSettingsConfig(pugi::xml_node /*node*/, VideoSettings& /*video*/) {
    return true;
}

}  // namespace tarin
