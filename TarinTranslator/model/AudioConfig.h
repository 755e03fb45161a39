#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarin {

// Handheld audioConfig.
struct AudioConfig {
    bool operator==(const AudioConfig&) const = default;
};

}  // namespace tarin
