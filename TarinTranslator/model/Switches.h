#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarin {

// The switch attributes of progButtons, and progSwitches.
struct ThreePosSwitchConfig {
    bool operator==(const ThreePosSwitchConfig&) const = default;
};
struct ThreePosSwitchValues {
    bool operator==(const ThreePosSwitchValues&) const = default;
};
struct TwoPosSwitchConfig {
    bool operator==(const TwoPosSwitchConfig&) const = default;
};
using RadioLockSequence = std::vector<uint32_t>;
struct ProgSwitchesConfig {
    bool operator==(const ProgSwitchesConfig&) const = default;
};

}  // namespace tarin
