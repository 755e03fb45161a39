#pragma once

#include <cstdint>

namespace tarin {

// Handheld gpsConfig.
struct GpsConfig {
    uint32_t gpsMode = 0;         // on/off
    uint32_t nmeaOverUsb = 0;     // on/off
    uint32_t type = 0;            // GpsTypeNames
    uint32_t operationMode = 0;   // GpsOperationModeNames
    uint32_t mapDatum = 0;        // MapDatumNames
    uint32_t positionFormat = 0;  // PositionFormatNames
    uint32_t linearUnits = 0;     // LinearUnitsNames
    uint32_t angularUnits = 0;    // AngularUnitsNames
    uint32_t elevationBasis = 0;  // ElevationBasisNames
    uint32_t gridDigits = 0;
    uint32_t northing = 0;  // NorthingNames
    bool operator==(const GpsConfig&) const = default;
};

// Mobile gpsConfig: no gpsMode, no nmeaOverUsb.
struct MobileGpsConfig {
    uint32_t type = 0;  // MobileGpsTypeNames
    uint32_t operationMode = 0;
    uint32_t mapDatum = 0;
    uint32_t positionFormat = 0;
    uint32_t linearUnits = 0;
    uint32_t angularUnits = 0;
    uint32_t elevationBasis = 0;
    uint32_t gridDigits = 0;
    uint32_t northing = 0;
    bool operator==(const MobileGpsConfig&) const = default;
};

}  // namespace tarin
