#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarin {

// Handheld miscConfig with its top and front display groups.
struct MiscConfig {
    bool operator==(const MiscConfig&) const = default;
};

}  // namespace tarin
