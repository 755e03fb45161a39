#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace tarin {

// statIcon element of topDisplay/frontDisplay, keyed by its position.
struct StatusIconEntry {
    std::wstring pos;
    uint32_t statusName = 0;  // StatusIconNames
    bool operator==(const StatusIconEntry&) const = default;
};
using StatusIconMap = std::map<int32_t, StatusIconEntry>;

// menuItem element of menuConfig, keyed by its name code (MenuItemNames). The tree is
// kept flat: level (1 = top) and hasChildren let the writer rebuild the nesting.
struct MenuItemEntry {
    uint32_t opCode = 0;   // MenuFunctionNames
    uint32_t display = 0;  // TrueFalseNames
    int32_t level = 0;
    bool hasChildren = false;
    bool operator==(const MenuItemEntry&) const = default;
};
using MenuItemMap = std::map<int32_t, MenuItemEntry>;

// aliasInfo element of AliasList, keyed by reading position.
struct AliasEntry {
    uint32_t lid = 0;
    std::wstring aliasName;
    std::wstring aliasLongName;
    bool operator==(const AliasEntry&) const = default;
};
using AliasMap = std::map<int32_t, AliasEntry>;

}  // namespace tarin
