#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarin {

// shortMenu.
struct ShortMenuItem {
    bool operator==(const ShortMenuItem&) const = default;
};
using ShortMenuMap = std::map<int32_t, ShortMenuItem>;

}  // namespace tarin
