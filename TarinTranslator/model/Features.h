#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarin {

// hazardConfig, selfCheckConfig, VRMobileConfig, logEventsConfig, VideoSettingsConfig.
struct HazardConfig {
    bool operator==(const HazardConfig&) const = default;
};
struct SelfCheckConfig {
    bool operator==(const SelfCheckConfig&) const = default;
};
struct VrMobileConfig {
    bool operator==(const VrMobileConfig&) const = default;
};
struct LogEventsConfig {
    bool operator==(const LogEventsConfig&) const = default;
};
struct VideoSettings {
    bool operator==(const VideoSettings&) const = default;
};

}  // namespace tarin
