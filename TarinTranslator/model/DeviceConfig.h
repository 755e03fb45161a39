#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarin {

// PowerUpOptions, PINConfig and overrides.
struct PowerUpOptionsConfig {
    bool operator==(const PowerUpOptionsConfig&) const = default;
};
struct PinConfig {
    bool operator==(const PinConfig&) const = default;
};
struct OverridesConfig {
    bool operator==(const OverridesConfig&) const = default;
};

}  // namespace tarin
