#include <algorithm>
#include <string>
#include <string_view>

#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/Sections.h"

// shortMenu: the short menu of a classic handheld, one shortMenuItem per position.

namespace tarin {

namespace {

using SM = ShortMenuItem;

constexpr uint32_t kShortMenuSize = 16;

const Field<SM> kShortMenu[] = {
    {.name = "name", .member = &SM::name, .names = &ShortMenuItemNames},
    {.name = "position", .member = &SM::position},
    {.name = "extraData", .member = &SM::extraData},
};

const SummaryVisit kShortMenuSummary[] = {
    {"name", "", Shown::Name},
    {"position", ": /\"", Shown::Quoted},
    {"extraData", "/\"", Shown::Quoted},
};

}  // namespace

std::wostream& writeShortMenu(std::wostream& os, const ShortMenuMap& menu) {
    if (isXmlMode(os)) {
        for (const auto& [position, item] : menu) {
            os << "     <shortMenuItem\n";
            writeXmlFields<SM>(os, item, kShortMenu, 5);
            os << "       />\n";
        }
        return os;
    }
    os << "{";
    const char* separator = "";
    for (const auto& [position, item] : menu) {
        os << separator;
        writeSummaryFields<SM>(os, item, kShortMenu, kShortMenuSummary);
        separator = ", ";
    }
    return os << "}";
}

bool readShortMenu(pugi::xml_node node, ShortMenuMap& menu) {
    menu.clear();
    if (!node) {
        // No short menu in the document: every position shows its own item.
        for (uint32_t i = 0; i < kShortMenuSize; ++i) menu[i] = SM{i, std::to_wstring(i), L""};
        return true;
    }
    ShortMenuMap working;
    for (pugi::xml_node child : node.children("shortMenuItem")) {
        SM item;
        if (!readFields<SM>(child, item, kShortMenu)) return false;
        keepFirst(working, static_cast<uint32_t>(leadingInt(child.attribute("position").value())),
                  std::move(item), child, "position");
    }
    menu = std::move(working);
    return true;
}

}  // namespace tarin
