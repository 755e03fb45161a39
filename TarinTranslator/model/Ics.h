#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarin {

// ICS and SystemConfig.
struct IcsConfig {
    bool operator==(const IcsConfig&) const = default;
};
struct SystemOptionEntry {
    bool operator==(const SystemOptionEntry&) const = default;
};
using SystemOptionMap = std::map<int32_t, SystemOptionEntry>;

}  // namespace tarin
