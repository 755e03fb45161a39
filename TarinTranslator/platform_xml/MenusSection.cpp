#include <array>
#include <span>
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

// The status names, and the name of a former icon that now reads as NONE. It comes after
// every current name, so a status icon is written by its current name.
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

constexpr int64_t kMaxStatusIcon = 32;

// An icon's rows; pos is a decimal position up to `maxPos`.0 (7.0 on the top display,
// 16.0 on the front one).
std::array<Field<Icon>, 2> iconFields(int64_t maxPos) {
    return {{
        {.name = "pos", .member = &Icon::pos, .check = Judged{0, maxPos, TextMeasure::Decimal}},
        {.name = "statusName",
         .member = &Icon::statusName,
         .names = &iconReadNames(),
         .check = Judged{0, kMaxStatusIcon}},
    }};
}

// Each value in double quotes after a slash; the name's closing quote follows the items.
const SummaryVisit kIconSummary[] = {
    {"pos", "/\"", Shown::Quoted},
    {"statusName", "/\"", Shown::Name},
};

struct DisplayLayout {
    const char* element;  // e.g. "topDisplay"
    std::span<const Field<Icon>> rows;
};

const DisplayLayout& layoutOf(DisplayKind kind) {
    static const auto topRows = iconFields(7);
    static const auto frontRows = iconFields(16);
    static const DisplayLayout top = {"topDisplay", topRows};
    static const DisplayLayout front = {"frontDisplay", frontRows};
    return kind == DisplayKind::Top ? top : front;
}

// ---- menuConfig ------------------------------------------------------------------------

using Item = MenuItemEntry;

constexpr int kMenuDepths = 4;
constexpr uint32_t kUserLogin = 114;
constexpr uint32_t kUserLoginSysId = 115;
constexpr uint32_t kUserLoginComplete = 118;

const Field<Item> kMenuItem[] = {
    {.name = "display", .member = &Item::display, .names = &TrueFalseNames},
    {.name = "opCode", .member = &Item::opCode, .names = &MenuFunctionNames},
};

const Visit kMenuItemRead[] = {{"opCode"}, {"display"}};

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
            readFields<Item>(node, item, kMenuItem, kMenuItemRead)) {
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

// The lines keep a blank before the equals sign. An empty aliasName is admitted: the
// default alias has none.
const Field<Alias> kAlias[] = {
    {.name = "lid",
     .member = &Alias::lid,
     .min = 1,
     .max = kMaxLid,
     .check = Judged{1, kMaxLid},
     .literal = " lid ='"},
    {.name = "aliasName",
     .member = &Alias::aliasName,
     .max = 8,
     .check = Judged{0, 8},
     .literal = " aliasName ='"},
    {.name = "aliasLongName",
     .member = &Alias::aliasLongName,
     .max = 16,
     .check = Judged{0, 16},
     .literal = " aliasLongName ='"},
};

}  // namespace

std::wostream& writeStatusIcons(std::wostream& os, const StatusIconMap& icons, DisplayKind kind) {
    const DisplayLayout& layout = layoutOf(kind);
    if (isXmlMode(os)) {
        os << "<" << layout.element << ">\n";
        for (const auto& [position, icon] : icons) {
            os << "<statIcon\n";
            writeXmlFields<Icon>(os, icon, layout.rows, 3);
            os << "    />\n";
        }
        return os << "</" << layout.element << ">\n";
    }
    os << "{";
    const char* separator = "";
    for (const auto& [position, icon] : icons) {
        os << separator;
        writeSummaryFields<Icon>(os, icon, layout.rows, kIconSummary);
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
        if (!readFields<Icon>(node, icon, layout.rows) || !checkFields<Icon>(icon, layout.rows))
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
        writeXmlFields<Item>(os, item, kMenuItem, 3);
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
        writeXmlFields<Alias>(os, alias, kAlias, 1);
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
        if (!readFields<Alias>(child, alias, kAlias) || !checkFields<Alias>(alias, kAlias))
            return false;
        working.emplace(index++, std::move(alias));
    }
    aliases = std::move(working);
    return true;
}

}  // namespace tarin
