#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarin {

// statusIcons, menuConfig and AliasList.
struct StatusIconEntry {
    bool operator==(const StatusIconEntry&) const = default;
};
using StatusIconMap = std::map<int32_t, StatusIconEntry>;
struct MenuItemEntry {
    bool operator==(const MenuItemEntry&) const = default;
};
using MenuItemMap = std::map<int32_t, MenuItemEntry>;
struct AliasEntry {
    bool operator==(const AliasEntry&) const = default;
};
using AliasMap = std::map<int32_t, AliasEntry>;

}  // namespace tarin
