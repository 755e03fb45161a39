#include "TarinTranslator/platform_xml/Sections.h"

// This section group is not written or read yet: its writers write nothing and its
// readers accept anything.

namespace tarin {

std::wostream& writeEioOutputCfg(std::wostream& os, const EioOutputMap& /*outputs*/) {
    return os;
}

bool readEioOutputCfg(pugi::xml_node /*node*/, HandheldPlatform& /*platform*/) {
    return true;
}

std::wostream& writeECiTCfg(std::wostream& os, const ECiTConfig& /*ecit*/) {
    return os;
}

bool readECiTCfg(pugi::xml_node /*node*/, ECiTConfig& /*ecit*/) {
    return true;
}

}  // namespace tarin
