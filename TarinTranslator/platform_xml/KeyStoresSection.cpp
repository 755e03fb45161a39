#include "TarinTranslator/platform_xml/Sections.h"

// This section group is not written or read yet: its writers write nothing and its
// readers accept anything.

namespace tarin {

std::wostream& writeDnp3Config(std::wostream& os, const Dnp3Config& /*dnp3*/) {
    return os;
}

bool readDnp3Config(pugi::xml_node /*node*/, Dnp3Config& /*dnp3*/) {
    return true;
}

std::wostream& writeSerTnlConfig(std::wostream& os, const SerTnlConfig& /*sertnl*/) {
    return os;
}

bool readSerTnlConfig(pugi::xml_node /*node*/, SerTnlConfig& /*sertnl*/) {
    return true;
}

std::wostream& writeKeystoreConfig(std::wostream& os, const KeystoreConfigMap& /*keystores*/) {
    return os;
}

bool readKeystoreConfig(pugi::xml_node /*node*/, KeystoreConfigMap& /*keystores*/) {
    return true;
}

}  // namespace tarin
