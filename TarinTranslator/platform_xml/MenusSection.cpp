#include <string_view>
#include <vector>

#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/Sections.h"

// statusIcons (top and front display), menuConfig and AliasList of the extended
// platforms. The root writer puts the wrapper elements around them.

namespace tarin {

namespace {

// ---- statusIcons -----------------------------------------------------------------------

using Icon = StatusIconEntry;

const XmlAttr<Icon> kIconXml[] = {
    {"   pos='", &Icon::pos},
    {"   statusName='", &Icon::statusName, &StatusIconNames},
};

// Each value in double quotes after a slash; the name's closing quote follows the items.
const SummaryItem<Icon> kIconSummary[] = {
    {"/\"", &Icon::pos, Shown::Quoted},
    {"/\"", &Icon::statusName, Shown::Name, &StatusIconNames},
};

// The status names, and the name of a former icon that now reads as NONE.
const VocabTable& iconReadNames() {
    static const std::vector<VocabEntry> entries = [] {
        std::vector<VocabEntry> all(StatusIconNames.entries,
                                    StatusIconNames.entries + StatusIconNames.count);
        all.push_back({"NUISANCE_CHNL", 0});
        return all;
    }();
    static const VocabTable table = {entries.data(), entries.size()};
    return table;
}

const ReadAttr<Icon> kIconRead[] = {
    {.name = "pos", .field = &Icon::pos},
    {.name = "statusName", .field = &Icon::statusName, .names = &iconReadNames()},
};

constexpr int64_t kMaxStatusIcon = 32;

// pos is a decimal position: up to 7.0 on the top display, up to 16.0 on the front one.
const Check<Icon> kTopIconChecks[] = {
    {"pos", &Icon::pos, 0, 7, Gate::All, TextMeasure::Decimal},
    {"statusName", &Icon::statusName, 0, kMaxStatusIcon},
};
const Check<Icon> kFrontIconChecks[] = {
    {"pos", &Icon::pos, 0, 16, Gate::All, TextMeasure::Decimal},
    {"statusName", &Icon::statusName, 0, kMaxStatusIcon},
};

struct DisplayLayout {
    const char* element;  // e.g. "topDisplay"
    std::span<const Check<Icon>> checks;
};

const DisplayLayout& layoutOf(DisplayKind kind) {
    static const DisplayLayout top = {"topDisplay", kTopIconChecks};
    static const DisplayLayout front = {"frontDisplay", kFrontIconChecks};
    return kind == DisplayKind::Top ? top : front;
}

// ---- menuConfig ------------------------------------------------------------------------

using Item = MenuItemEntry;

constexpr int kMenuDepths = 4;
constexpr uint32_t kUserLogin = 114;
constexpr uint32_t kUserLoginSysId = 115;
constexpr uint32_t kUserLoginComplete = 118;

const XmlAttr<Item> kMenuItemXml[] = {
    {"   display='", &Item::display, &TrueFalseNames},
    {"   opCode='", &Item::opCode, &MenuFunctionNames},
};

const ReadAttr<Item> kMenuItemRead[] = {
    {.name = "opCode", .field = &Item::opCode, .names = &MenuFunctionNames},
    {.name = "display", .field = &Item::display, .names = &TrueFalseNames},
};

// The stored level of an item found at `depth`: the user login menu sits one level higher
// than its place in the document.
int32_t levelAt(int depth, uint32_t code) {
    if (depth == 3 && code == kUserLogin) return 2;
    if (depth == 4 && code >= kUserLoginSysId && code <= kUserLoginComplete) return 3;
    return depth;
}

// Visits the menuItem children of `parent` at `depth` and, after each, its own children:
// the first occurrence of a name in document order is kept. An item whose name, opCode or
// display does not convert is skipped; its children are still read.
void readMenuItems(pugi::xml_node parent, int depth, MenuItemMap& menu) {
    for (pugi::xml_node node : parent.children("menuItem")) {
        uint32_t code = 0;
        Item item;
        if (lookupValue(node.attribute("name"), MenuItemNames, code) &&
            readAttrs<Item>(node, item, kMenuItemRead)) {
            item.level = levelAt(depth, code);
            item.hasChildren = static_cast<bool>(node.child("menuItem"));
            keepFirst(menu, static_cast<int32_t>(code), item, node, "name");
        }
        if (depth < kMenuDepths) readMenuItems(node, depth + 1, menu);
    }
}

// ---- AliasList -------------------------------------------------------------------------

using Alias = AliasEntry;

constexpr int64_t kMaxLid = 16777211;

const XmlAttr<Alias> kAliasXml[] = {
    {" lid ='", &Alias::lid},
    {" aliasName ='", &Alias::aliasName},
    {" aliasLongName ='", &Alias::aliasLongName},
};

const ReadAttr<Alias> kAliasRead[] = {
    {.name = "lid", .field = &Alias::lid, .min = 1, .max = kMaxLid},
    {.name = "aliasName", .field = &Alias::aliasName, .max = 8},
    {.name = "aliasLongName", .field = &Alias::aliasLongName, .max = 16},
};

// An empty aliasName is admitted: the default alias has none.
const Check<Alias> kAliasChecks[] = {
    {"lid", &Alias::lid, 1, kMaxLid},
    {"aliasName", &Alias::aliasName, 0, 8},
    {"aliasLongName", &Alias::aliasLongName, 0, 16},
};

}  // namespace

std::wostream& writeStatusIcons(std::wostream& os, const StatusIconMap& icons, DisplayKind kind) {
    if (isXmlMode(os)) {
        const char* element = layoutOf(kind).element;
        os << "<" << element << ">\n";
        for (const auto& [position, icon] : icons) {
            os << "<statIcon\n";
            writeXmlAttrs<Icon>(os, icon, kIconXml);
            os << "    />\n";
        }
        return os << "</" << element << ">\n";
    }
    os << "{";
    const char* separator = "";
    for (const auto& [position, icon] : icons) {
        os << separator;
        writeSummaryItems<Icon>(os, icon, kIconSummary);
        os << "\"";
        separator = ", ";
    }
    return os << "}";
}

// A missing statusIcons element fails. Otherwise the read succeeds; one invalid icon ends
// it and leaves the display's icons as they were.
bool readStatusIcons(pugi::xml_node statusIcons, StatusIconMap& icons, DisplayKind kind) {
    if (!statusIcons) return false;
    const DisplayLayout& layout = layoutOf(kind);
    StatusIconMap working;
    for (pugi::xml_node node : statusIcons.child(layout.element).children("statIcon")) {
        Icon icon;
        if (!readAttrs<Icon>(node, icon, kIconRead) || !checkRanges<Icon>(icon, layout.checks))
            return true;
        keepFirst(working, leadingInt(node.attribute("pos").value()), std::move(icon), node, "pos");
    }
    icons = std::move(working);
    return true;
}

// Rebuilds the nesting from the levels in name code order. An item with children stays
// open; before each item every open item whose level is not below the item's is closed,
// and after the last item all that remain, so the text is well-formed whatever the levels.
std::wostream& writeMenuConfig(std::wostream& os, const MenuItemMap& menu) {
    if (!isXmlMode(os)) return os;
    std::vector<int32_t> open;  // levels of the items left open, innermost last
    for (const auto& [code, item] : menu) {
        for (; !open.empty() && open.back() >= item.level; open.pop_back()) os << "</menuItem>\n";
        os << "<menuItem\n   name='" << lookupName(static_cast<uint32_t>(code), MenuItemNames)
           << "'\n";
        writeXmlAttrs<Item>(os, item, kMenuItemXml);
        if (item.hasChildren) {
            os << "    >\n";
            open.push_back(item.level);
        } else {
            os << "    />\n";
        }
    }
    for (; !open.empty(); open.pop_back()) os << "</menuItem>\n";
    return os;
}

// Four depths of menuItem are read; the reading always succeeds and replaces the menu.
bool readMenuConfig(pugi::xml_node node, MenuItemMap& menu) {
    menu.clear();
    readMenuItems(node, 1, menu);
    return true;
}

std::wostream& writeAliasList(std::wostream& os, const AliasMap& aliases) {
    if (!isXmlMode(os)) return os;
    for (const auto& [index, alias] : aliases) {
        os << "<aliasInfo\n";
        writeXmlAttrs<Alias>(os, alias, kAliasXml);
        os << "   />\n";
    }
    return os;
}

// The aliases are numbered in document order. One invalid alias fails the read and leaves
// the list as it was; a missing element gives an empty list.
bool readAliasList(pugi::xml_node node, AliasMap& aliases) {
    AliasMap working;
    int32_t index = 0;
    for (pugi::xml_node child : node.children("aliasInfo")) {
        Alias alias;
        if (!readAttrs<Alias>(child, alias, kAliasRead) || !checkRanges<Alias>(alias, kAliasChecks))
            return false;
        working.emplace(index++, std::move(alias));
    }
    aliases = std::move(working);
    return true;
}

}  // namespace tarin
