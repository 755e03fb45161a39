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

const XmlAttr<SM> kShortMenuXml[] = {
    {"     name='", &SM::name, &ShortMenuItemNames},
    {"     position='", &SM::position},
    {"     extraData='", &SM::extraData},
};

const SummaryItem<SM> kShortMenuSummary[] = {
    {"", &SM::name, Shown::Name, &ShortMenuItemNames},
    {": /\"", &SM::position, Shown::Quoted},
    {"/\"", &SM::extraData, Shown::Quoted},
};

const ReadAttr<SM> kShortMenuRead[] = {
    {.name = "name", .field = &SM::name, .names = &ShortMenuItemNames},
    {.name = "position", .field = &SM::position},
    {.name = "extraData", .field = &SM::extraData},
};

}  // namespace

std::wostream& writeShortMenu(std::wostream& os, const ShortMenuMap& menu) {
    if (isXmlMode(os)) {
        for (const auto& [position, item] : menu) {
            os << "     <shortMenuItem\n";
            writeXmlAttrs<SM>(os, item, kShortMenuXml);
            os << "       />\n";
        }
        return os;
    }
    os << "{";
    const char* separator = "";
    for (const auto& [position, item] : menu) {
        os << separator;
        writeSummaryItems<SM>(os, item, kShortMenuSummary);
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
        if (!readAttrs<SM>(child, item, kShortMenuRead)) return false;
        keepFirst(working, static_cast<uint32_t>(leadingInt(child.attribute("position").value())),
                  std::move(item), child, "position");
    }
    menu = std::move(working);
    return true;
}

}  // namespace tarin
