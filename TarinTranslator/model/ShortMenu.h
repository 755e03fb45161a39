#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarin {

// shortMenu: keyed by the item's position number.
struct ShortMenuItem {
    uint32_t name = 0;      // ShortMenuItemNames
    std::wstring position;  // the position as decimal text
    std::wstring extraData;

    bool operator==(const ShortMenuItem&) const = default;
};
using ShortMenuMap = std::map<int32_t, ShortMenuItem>;

}  // namespace tarin
