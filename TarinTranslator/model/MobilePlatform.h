#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "TarinTranslator/model/BluetoothConfig.h"
#include "TarinTranslator/model/ByteVector.h"
#include "TarinTranslator/model/GpsConfig.h"
#include "TarinTranslator/model/PlanTexts.h"
#include "TarinTranslator/model/TimeDateConfig.h"

namespace tarin {

// Mobile audioConfig. Only the first five fields travel in documents; the others are
// kept for the radio and checked by position.
struct MobileAudioConfig {
    uint32_t noiseCancellation = 0;  // on/off
    uint32_t alc = 0;                // on/off, of the one microphone
    uint32_t cctTimer = 0;
    int32_t gain = 0;                  // of the one microphone
    uint32_t masterVolumeControl = 0;  // on/off
    int32_t reserved[14] = {};         // fields 6 to 19
    bool operator==(const MobileAudioConfig&) const = default;
};

// Mobile miscConfig.
struct MobileMiscConfig {
    uint32_t frontFpIntensity = 0;
    uint32_t frontFpContrast = 0;
    std::wstring password;
    std::wstring maintenancePassword;
    uint32_t buttonBacklight = 0;      // ButtonBacklightNames
    uint32_t accKeypadBacklight = 0;   // on/off
    uint32_t frontFpDayNightMode = 0;  // DayNightModeNames; read, never written
    bool operator==(const MobileMiscConfig&) const = default;
};

struct MobilePlatformRecord {
    MobileGpsConfig gpsConfig;
    MobileAudioConfig audioConfig;
    BluetoothConfig bluetoothConfig;
    MobileMiscConfig miscConfig;
    TimeDateConfig TimeDateCfg;
    uint32_t radioType = 0;
    ByteVector eeData;
    ByteVector flData;
    bool operator==(const MobilePlatformRecord&) const = default;
};

struct MobileMissionPlan : PlanTextFields {
    MobilePlatformRecord MobilePlatform;
};

// Sets the mobile defaults; leaves the plan texts, the radio type and the images alone.
void applyMobileDefaults(MobileMissionPlan& plan);

}  // namespace tarin
