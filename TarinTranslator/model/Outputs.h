#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarin {

// eioOutputCfg and ECiTCfg.
struct EioOutputEntry {
    bool operator==(const EioOutputEntry&) const = default;
};
using EioOutputMap = std::map<int32_t, EioOutputEntry>;
struct ECiTConfig {
    bool operator==(const ECiTConfig&) const = default;
};

}  // namespace tarin
