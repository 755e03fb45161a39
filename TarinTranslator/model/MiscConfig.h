#pragma once

#include <cstdint>
#include <string>

namespace tarin {

// Top display panel of miscConfig.
struct TopDisplayConfig {
    uint32_t topFpIntensity = 5;
    uint32_t topFpOrient = 0;  // TopDisplayOrientationNames
    uint32_t topFpMode = 1;    // BacklightModeNames
    uint32_t topFpTimeout = 30;
    bool operator==(const TopDisplayConfig&) const = default;
};

// Front display panel of miscConfig.
struct FrontDisplayConfig {
    uint32_t frontFpIntensity = 8;
    uint32_t frontFpMode = 1;  // BacklightModeNames
    uint32_t frontFpTimeout = 30;
    bool operator==(const FrontDisplayConfig&) const = default;
};

// Handheld miscConfig with its top and front display groups.
struct MiscConfig {
    TopDisplayConfig topDisplay;
    FrontDisplayConfig frontDisplay;
    uint32_t enableTriColorLed = 1;  // on/off
    uint32_t topColorInvert = 0;     // on/off
    uint32_t batteryType = 0;        // BatteryTypeNames
    std::wstring password;
    std::wstring maintenancePassword;
    uint32_t p25Optimize = 0;                // on/off
    uint32_t keypadTones = 0;                // on/off
    uint32_t enableStatusBasedLighting = 1;  // on/off
    uint32_t enableSystemLIDDisplay = 0;     // SystemDisplayNames
    uint32_t enableSystemDCELookup = 1;      // on/off
    uint32_t frontFpDayNightMode = 2;        // DayNightModeNames
    uint32_t mobileTopLevelMenu = 0;         // on/off
    uint32_t hideSystems = 0;                // on/off
    uint32_t transBLTimeout = 0;
    uint32_t recvBLTimeout = 0;
    uint32_t emerRecvBLTimeout = 0;
    uint32_t overTemperatureBLTimeout = 0;
    uint32_t outOfRangeBLTimeout = 0;
    uint32_t fsmFailureBLTimeout = 0;
    uint32_t RadioOTVA = 0;
    uint32_t RadioLongExposureOTVA = 0;
    uint32_t RSMLongExposureOTVA = 0;
    uint32_t enableSystemTopDisplay = 0;   // on/off
    uint32_t followNFPALedIndication = 0;  // on/off
    uint32_t flashBLOutOfRange = 0;        // on/off
    int32_t emerClearDelay = -10;
    uint32_t emerCancelationDelay = 50;
    uint32_t emergencyMinVolume = 18;
    uint32_t twoActionPowerOff = 0;   // on/off
    uint32_t highPowerEmergency = 0;  // on/off
    bool operator==(const MiscConfig&) const = default;
};

}  // namespace tarin
