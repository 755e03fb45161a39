#pragma once

// The checks and display writers of audioConfig and miscConfig that the section
// readers and writers use.

#include <ostream>

#include "TarinTranslator/model/AudioConfig.h"
#include "TarinTranslator/model/MiscConfig.h"

namespace tarin {

// Every audio field with a range, except those of voiceAnnunciation.
bool validateAudioConfig(const AudioConfig& audio);
// The voiceAnnunciation enable switch is ON or OFF.
bool validateVoiceAnnunciation(const AudioConfig& audio);
// The ranges of miscConfig that hold for every radio type.
bool validateMiscConfig(const MiscConfig& misc);

// The top and front display attributes (XML mode) or their summaries.
std::wostream& writeTopDisplay(std::wostream& os, const TopDisplayConfig& top);
std::wostream& writeFrontDisplay(std::wostream& os, const FrontDisplayConfig& front);

}  // namespace tarin
