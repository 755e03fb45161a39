#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarin {

// DNP3Cfg, SerTnlCfg and KeystoreConfig.
struct Dnp3Config {
    bool operator==(const Dnp3Config&) const = default;
};
struct SerTnlConfig {
    bool operator==(const SerTnlConfig&) const = default;
};
struct KeystoreConfigEntry {
    bool operator==(const KeystoreConfigEntry&) const = default;
};
using KeystoreConfigMap = std::map<int32_t, KeystoreConfigEntry>;

}  // namespace tarin
