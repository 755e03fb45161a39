#pragma once

#include <cstdint>

namespace tarin {

// Flat feature sections of the extended platforms. On/off fields use OnOffNames; the
// voice file indexes are plain numbers.

// hazardConfig.
struct HazardConfig {
    uint32_t hazardModeEnable = 0;    // on/off
    uint32_t frontDisplayEnable = 0;  // on/off
    uint32_t entryVoiceAnnunciation = 0;
    uint32_t exitVoiceAnnunciation = 0;
    uint32_t powerOffVoiceAnnunciation = 0;
    uint32_t nonCompliantVoiceAnnunciation = 0;
    bool operator==(const HazardConfig&) const = default;
};

// selfCheckConfig.
struct SelfCheckConfig {
    uint32_t selfCheckEnable = 0;    // on/off
    uint32_t FRSMConnection = 0;     // on/off
    uint32_t radioTemperature = 0;   // on/off
    uint32_t antennaConnection = 0;  // on/off
    uint32_t batteryCapacity = 0;    // on/off
    uint32_t selfCheckVAFileIndex = 0;
    uint32_t PeriodicTimer = 5;
    bool operator==(const SelfCheckConfig&) const = default;
};

// VRMobileConfig: the vehicular repeater modes offered, on/off each.
struct VrMobileConfig {
    uint32_t NoneModeEnable = 1;
    uint32_t EVRSCapableModeEnable = 0;
    uint32_t AVRSCapableModeEnable = 0;
    bool operator==(const VrMobileConfig&) const = default;
};

// logEventsConfig: which events are logged, on/off each.
struct LogEventsConfig {
    uint32_t logEvent = 0;
    uint32_t devicePowerOnOffLog = 0;
    uint32_t emergencyDeclareLog = 0;
    uint32_t userInputLog = 0;
    uint32_t batteryCapacityLog = 0;
    uint32_t channelTalkGroupSelectionLog = 0;
    uint32_t zoneSystemSelectionLog = 0;
    uint32_t missionPlanSelectionLog = 0;
    uint32_t overTempEventLog = 0;
    bool operator==(const LogEventsConfig&) const = default;
};

// VideoSettingsConfig; the audio files sit on its VoiceAnnunciation child, the two
// emergency switches on its BodyCamTrigger and DashCamTrigger children.
struct VideoSettings {
    uint32_t VideoTriggerEnable = 0;  // on/off
    uint32_t CameraOnAudioFile = 0;
    uint32_t cameraOffAudioFile = 0;
    uint32_t cameraConnectedAudioFile = 0;
    uint32_t cameraDisConnectedAudioFile = 0;
    uint32_t BodyCamEmergencyEnable = 0;  // on/off
    uint32_t DashCamEmergencyEnable = 0;  // on/off
    bool operator==(const VideoSettings&) const = default;
};

}  // namespace tarin
