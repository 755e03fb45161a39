#pragma once

// The checks of the device sections (audio, misc, GPS, handheld and mobile) and the
// display writers of miscConfig that the section readers and writers use.

#include <ostream>

#include "TarinTranslator/model/AudioConfig.h"
#include "TarinTranslator/model/GpsConfig.h"
#include "TarinTranslator/model/MiscConfig.h"
#include "TarinTranslator/model/MobilePlatform.h"

namespace tarin {

// Every audio field with a range, except those of voiceAnnunciation.
bool validateAudioConfig(const AudioConfig& audio);
// The voiceAnnunciation enable switch is ON or OFF.
bool validateVoiceAnnunciation(const AudioConfig& audio);
// The ranges of miscConfig that hold for every radio type.
bool validateMiscConfig(const MiscConfig& misc);
// Handheld GPS: one receiver type, one operation mode, four map datums.
bool validateGpsConfig(const GpsConfig& gps);
// Mobile sections: every field with a range lies in it.
bool validateMobileGpsConfig(const MobileGpsConfig& gps);
bool validateMobileAudioConfig(const MobileAudioConfig& audio);
bool validateMobileMiscConfig(const MobileMiscConfig& misc);

// The top and front display attributes (XML mode) or their summaries.
std::wostream& writeTopDisplay(std::wostream& os, const TopDisplayConfig& top);
std::wostream& writeFrontDisplay(std::wostream& os, const FrontDisplayConfig& front);

}  // namespace tarin
