#include "TarinTranslator/platform_xml/Sections.h"

// This section group is not written or read yet: its writers write nothing and its
// readers accept anything.

namespace tarin {

std::wostream& writeAudioConfig(std::wostream& os, const AudioConfig& /*audio*/) {
    return os;
}

bool readAudioConfig(pugi::xml_node /*node*/, AudioConfig& /*audio*/) {
    return true;
}

}  // namespace tarin
