#include "TarinTranslator/model/MobilePlatform.h"

namespace tarin {

void applyMobileDefaults(MobileMissionPlan& plan) {
    MobilePlatformRecord& p = plan.MobilePlatform;
    p.gpsConfig.type = 0;            // INTERNAL_GPS
    p.gpsConfig.positionFormat = 1;  // LAT_LONG_DMS
    p.gpsConfig.operationMode = 1;   // INTERNAL
    p.gpsConfig.northing = 2;        // TRUE
    p.gpsConfig.mapDatum = 1;        // DATUM_WGD
    p.gpsConfig.linearUnits = 2;     // STATUTE
    p.gpsConfig.angularUnits = 2;    // CARDINAL
    p.gpsConfig.gridDigits = 10;
    p.gpsConfig.elevationBasis = 1;  // SEA_LEVEL
    p.audioConfig.noiseCancellation = 0;
    p.audioConfig.cctTimer = 120;
    p.audioConfig.alc = 0;
    p.audioConfig.masterVolumeControl = 0;
    p.audioConfig.gain = 0;
    p.bluetoothConfig.friendlyName = L"MY RADIO";
    p.bluetoothConfig.btMode = 0;
    p.bluetoothConfig.btAdminMode = 1;
    p.bluetoothConfig.btMITMRequired = 0;
    p.miscConfig.frontFpIntensity = 8;
    p.miscConfig.frontFpContrast = 5;
    p.miscConfig.buttonBacklight = 0;     // BBL_OFF
    p.miscConfig.accKeypadBacklight = 0;  // OFF
    p.TimeDateCfg.time = 0;               // TIME_12_HOUR_FORMAT
    p.TimeDateCfg.zone = 8;
    p.TimeDateCfg.date = 0;  // US_DATE_FORMAT
}

}  // namespace tarin
