#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarin {

// accessoryConfig: how an attached speaker-microphone accessory behaves.
struct AccessoryConfig {
    uint32_t noiseCancellation = 1;               // on/off
    uint32_t micSelectMode = 2;                   // MicSelectModeNames
    uint32_t pttMode = 2;                         // AccessoryPttModeNames
    uint32_t frsmFailureIndication = 0;           // on/off
    uint32_t accessoryNFPARsmPTTandEmerLine = 0;  // on/off
    uint32_t frsmFailureVoiceAnnunciation = 0;    // 0 to 5000
    uint32_t volControlMode = 0;                  // VolControlModeNames
    bool operator==(const AccessoryConfig&) const = default;
};

// manDownConfig: the man-down alarm.
struct ManDownConfig {
    uint32_t inactivityTime = 20;  // 0 to 240
    uint32_t warningTime = 10;     // 0 to 240
    uint32_t sensitivity = 0;      // 0 to 5
    uint32_t use_case = 0;         // 0 to 5
    uint32_t beacon_tone = 0;      // on/off
    uint32_t accessory_mode = 0;   // on/off
    std::wstring action = L"MD_EMERGENCY_CALL";
    uint32_t obs_spkr_warn = 0;  // on/off; written for the hazard codes only
    bool operator==(const ManDownConfig&) const = default;
};

}  // namespace tarin
