#include "TarinTranslator/platform_xml/Sections.h"

// This section group is not written or read yet: its writers write nothing and its
// readers accept anything.

namespace tarin {

std::wostream& writeStatusIcons(std::wostream& os, const StatusIconMap& /*icons*/,
                                DisplayKind /*kind*/) {
    return os;
}

bool readStatusIcons(pugi::xml_node /*statusIcons*/, StatusIconMap& /*icons*/,
                     DisplayKind /*kind*/) {
    return true;
}

std::wostream& writeMenuConfig(std::wostream& os, const MenuItemMap& /*menu*/) {
    return os;
}

bool readMenuConfig(pugi::xml_node /*node*/, MenuItemMap& /*menu*/) {
    return true;
}

std::wostream& writeAliasList(std::wostream& os, const AliasMap& /*aliases*/) {
    return os;
}

bool readAliasList(pugi::xml_node /*node*/, AliasMap& /*aliases*/) {
    return true;
}

}  // namespace tarin
