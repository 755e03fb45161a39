#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarin {

// accessoryConfig and manDownConfig.
struct AccessoryConfig {
    bool operator==(const AccessoryConfig&) const = default;
};
struct ManDownConfig {
    bool operator==(const ManDownConfig&) const = default;
};

}  // namespace tarin
