#pragma once

#include <cstdint>

namespace tarin {

// TimeDateCfg, shared by the handheld and the mobile record.
struct TimeDateConfig {
    uint32_t time = 0;   // TimeFormatNames
    uint32_t zone = 13;  // TimeZoneNames
    uint32_t date = 0;   // DateFormatNames
    bool operator==(const TimeDateConfig&) const = default;
};

}  // namespace tarin
