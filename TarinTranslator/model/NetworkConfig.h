#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarin {

// networkConfig.
struct NetworkConfig {
    bool operator==(const NetworkConfig&) const = default;
};

}  // namespace tarin
