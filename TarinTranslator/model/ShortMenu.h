#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarin {

// shortMenu: keyed by the item's position number, an unsigned number: a position text
// with a minus sign sorts after every other position.
struct ShortMenuItem {
    uint32_t name = 0;      // ShortMenuItemNames
    std::wstring position;  // the position as decimal text
    std::wstring extraData;

    bool operator==(const ShortMenuItem&) const = default;
};
using ShortMenuMap = std::map<uint32_t, ShortMenuItem>;

}  // namespace tarin
