#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarin {

// progButtons entries, accessoryButtons and progBtns.
struct ProgButtonEntry {
    bool operator==(const ProgButtonEntry&) const = default;
};
using ProgButtonMap = std::map<int32_t, ProgButtonEntry>;

struct AccessoryButtonEntry {
    bool operator==(const AccessoryButtonEntry&) const = default;
};
using AccessoryButtonMap = std::map<int32_t, AccessoryButtonEntry>;

struct ProgBtnEntry {
    bool operator==(const ProgBtnEntry&) const = default;
};
using ProgBtnMap = std::map<int32_t, ProgBtnEntry>;

}  // namespace tarin
