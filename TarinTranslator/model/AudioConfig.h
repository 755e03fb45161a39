#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace tarin {

// Microphones by their micType value (MicTypeNames), which is also their index in
// AudioConfig::microphones.
enum MicType : uint32_t {
    kMicInternal = 0,
    kMicExternal = 1,
    kMicBluetooth = 2,
    kMicMobileIn = 3,     // MOBILEMICIN
    kMicMobileUsbIn = 4,  // MOBILEUSBMICIN
    kMicCount = 5,
};

// One microphone of audioConfig. The two mobile microphones have no ALC level: their
// alcLevel is never written, read or checked and keeps its constructed value.
struct Microphone {
    uint32_t alc = 0;  // on/off
    int32_t gain = 0;
    int32_t alcLevel = 0;
    int32_t alcMaxGain = 0;
    bool operator==(const Microphone&) const = default;
};

// A key-code mapping of voiceAnnunciation.
struct VaMapping {
    int32_t keyCode = 0;
    int32_t VAFileIndex = 0;
    bool operator==(const VaMapping&) const = default;
};

// A per-tone voice prompt of voiceAnnunciation.
struct VaTone {
    uint32_t tone = 0;  // ToneNames
    uint32_t vaIndex = 0;
    uint32_t minVolume = 0;
    bool operator==(const VaTone&) const = default;
};

// Both lists are keyed by the 0-based reading position; key order is document order.
using VaMappingMap = std::map<int32_t, VaMapping>;
using VaToneMap = std::map<int32_t, VaTone>;

// One audio external output of audioEioOutputCfg. Output 1 (index 0) is the output of
// function 0, output 2 (index 1) that of function 1.
struct AudioEioOutput {
    uint32_t func = 0;         // AudioEioOutputFunctionNames
    uint32_t enable = 0;       // on/off
    uint32_t output_name = 0;  // ExternalOutputNames
    uint32_t sense = 0;        // EioOutputSenseNames
    bool operator==(const AudioEioOutput&) const = default;
};

// Handheld audioConfig.
struct AudioConfig {
    uint32_t speakerMode = 0;                // on/off
    uint32_t pttMode = 0;                    // on/off
    uint32_t noiseCancellation = 0;          // on/off
    uint32_t noiseCancellationType = 0;      // NoiseCancellationTypeNames
    uint32_t tones = 0;                      // on/off
    uint32_t echoReduction = 0;              // on/off
    uint32_t accessoryConnRadioPTTEcho = 0;  // on/off
    uint32_t cctTimer = 0;
    int32_t minVol = 0;
    uint32_t pttAudio = 0;                // AccessoryAudioModeNames
    uint32_t alternateEmergencyTone = 0;  // on/off
    uint32_t NFPA1802EmergencyTone = 0;   // on/off
    uint32_t NFPA1802EmergencyToneDuration = 3;

    // voiceAnnunciation
    uint32_t enable = 0;  // on/off
    int32_t priority = 0;
    uint32_t vaQueueTimer = 0;
    int32_t minVolume = 0;
    int32_t maxVolume = 0;
    uint32_t CRCKey = 0;
    std::wstring audio_config_file_name;
    VaMappingMap mapping;
    VaToneMap VATone;

    // INTERNAL, EXTERNAL, BLUETOOTH, MOBILEMICIN, MOBILEUSBMICIN
    Microphone microphones[kMicCount] = {{}, {}, {}, {.alcMaxGain = 6}, {.alcMaxGain = 6}};
    AudioEioOutput audioEioOutputs[2] = {};

    uint32_t mobileMasterMode = 1;    // on/off
    uint32_t mobileInternalSpkr = 0;  // on/off
    uint32_t outOfRangeNFPATone = 0;  // on/off
    uint32_t outOfRangeNFPAMinVolume = 13;
    uint32_t esmBackMicSelection = 0;  // on/off
    uint32_t dualSpeakerModeType = 0;  // DualSpeakerModeNames

    bool operator==(const AudioConfig&) const = default;
};

}  // namespace tarin
