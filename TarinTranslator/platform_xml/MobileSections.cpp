#include "TarinTranslator/platform_xml/AudioMisc.h"
#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/Sections.h"

// The mobile radio's own audioConfig and miscConfig.

namespace tarin {

namespace {

// ---- mobile audioConfig ----------------------------------------------------------------

using MA = MobileAudioConfig;

const XmlAttr<MA> kMobileAudioXml[] = {
    {"   noiseCancellation='", &MA::noiseCancellation, &OnOffNames},
    {"   cctTimer='", &MA::cctTimer},
    {"   masterVolumeControl='", &MA::masterVolumeControl, &OnOffNames},
};

const XmlAttr<MA> kMobileMicXml[] = {
    {"      alc='", &MA::alc, &OnOffNames},
    {"      gain='", &MA::gain},
};

const SummaryItem<MA> kMobileAudioSummary[] = {
    {"{ Noise Cancellation: ", &MA::noiseCancellation},
    {", ALC: ", &MA::alc},
    {", CCT Timer: ", &MA::cctTimer},
    {", Mic Gain: ", &MA::gain},
    {", Master Vol. Control: ", &MA::masterVolumeControl},
};

const ReadAttr<MA> kMobileMicRead[] = {
    {.name = "alc", .field = &MA::alc, .names = &OnOffNames},
};

const ReadAttr<MA> kMobileAudioRead[] = {
    {.name = "noiseCancellation", .field = &MA::noiseCancellation, .names = &OnOffNames},
    {.name = "cctTimer", .field = &MA::cctTimer, .min = 0, .max = 360},
    {.name = "masterVolumeControl", .field = &MA::masterVolumeControl, .names = &OnOffNames},
};

// Fields 6 to 19 are checked by position.
struct Range {
    int32_t min, max;
};
constexpr Range kReservedRanges[14] = {{-12, 12}, {-12, 12}, {0, 12},   {0, 12}, {0, 1},
                                       {0, 12},   {-12, 12}, {-16, 16}, {0, 1},  {-12, 12},
                                       {0, 12},   {0, 1},    {-12, 12}, {0, 12}};

const Check<MA> kMobileAudioChecks[] = {
    {"noiseCancellation", &MA::noiseCancellation, 0, 1},
    {"alc", &MA::alc, 0, 1},
    {"cctTimer", &MA::cctTimer, 0, 360},
    {"gain", &MA::gain, -12, 12},
    {"masterVolumeControl", &MA::masterVolumeControl, 0, 1},
};

// ---- mobile miscConfig -----------------------------------------------------------------

using MM = MobileMiscConfig;

const XmlAttr<MM> kMobileMiscXml[] = {
    {"   password='", &MM::password, nullptr, Gate::All, true},
    {"   maintenancePassword='", &MM::maintenancePassword, nullptr, Gate::All, true},
    {"   frontFpIntensity='", &MM::frontFpIntensity},
    {"   frontFpContrast='", &MM::frontFpContrast},
    {"   buttonBacklight='", &MM::buttonBacklight, &ButtonBacklightNames},
    {"   accKeypadBacklight='", &MM::accKeypadBacklight, &OnOffNames},
};

const SummaryItem<MM> kMobileMiscSummary[] = {
    {"{ Intensity: ", &MM::frontFpIntensity},
    {"Contrast: ", &MM::frontFpContrast},
    {"Button Backlight: ", &MM::buttonBacklight},
    {"Acc Keypad Backlight ", &MM::accKeypadBacklight},
    {", Password: \"", &MM::password, Shown::Quoted},
    {", Maint. Password: \"", &MM::maintenancePassword, Shown::Quoted},
};

const ReadAttr<MM> kMobileMiscRead[] = {
    {.name = "frontFpIntensity", .field = &MM::frontFpIntensity},
    {.name = "frontFpContrast", .field = &MM::frontFpContrast},
    {.name = "password", .field = &MM::password, .use = Use::Optional, .max = 15},
    {.name = "maintenancePassword",
     .field = &MM::maintenancePassword,
     .use = Use::Optional,
     .max = 15},
    {.name = "buttonBacklight",
     .field = &MM::buttonBacklight,
     .names = &ButtonBacklightNames,
     .use = Use::Optional},
    {.name = "accKeypadBacklight",
     .field = &MM::accKeypadBacklight,
     .names = &OnOffNames,
     .use = Use::Optional},
    {.name = "frontFpDayNightMode",
     .field = &MM::frontFpDayNightMode,
     .names = &DayNightModeNames,
     .use = Use::Optional},
};

const Check<MM> kMobileMiscChecks[] = {
    {"frontFpIntensity", &MM::frontFpIntensity, 0, 10},
    {"frontFpContrast", &MM::frontFpContrast, 0, 10},
    {"password", &MM::password, 0, 15},
    {"maintenancePassword", &MM::maintenancePassword, 0, 15},
    {"buttonBacklight", &MM::buttonBacklight, 0, 2},
    {"accKeypadBacklight", &MM::accKeypadBacklight, 0, 1},
};

}  // namespace

bool validateMobileAudioConfig(const MobileAudioConfig& audio) {
    for (std::size_t i = 0; i < std::size(kReservedRanges); ++i) {
        if (audio.reserved[i] < kReservedRanges[i].min ||
            audio.reserved[i] > kReservedRanges[i].max)
            return false;
    }
    return checkRanges<MA>(audio, kMobileAudioChecks);
}

std::wostream& writeMobileAudioConfig(std::wostream& os, const MobileAudioConfig& audio) {
    if (isXmlMode(os)) {
        os << "<audioConfig\n";
        writeXmlAttrs<MA>(os, audio, kMobileAudioXml);
        os << " >\n   <microphone\n";
        writeXmlAttrs<MA>(os, audio, kMobileMicXml);
        os << "    />\n</audioConfig>\n";
    } else {
        writeSummaryItems<MA>(os, audio, kMobileAudioSummary);
        os << "}";
    }
    return os;
}

bool readMobileAudioConfig(pugi::xml_node node, MobileAudioConfig& audio) {
    pugi::xml_node mic = node.child("microphone");
    if (!mic) return true;
    if (!readAttrs<MA>(mic, audio, kMobileMicRead)) return false;
    int32_t gain = 0;
    if (pugi::xml_attribute attr = mic.attribute("gain"); attr && !readLong(attr, gain, -12, 12))
        return false;
    audio.gain = gain;
    return readAttrs<MA>(node, audio, kMobileAudioRead) && validateMobileAudioConfig(audio);
}

std::wostream& writeMobileMiscConfig(std::wostream& os, const MobileMiscConfig& misc) {
    if (isXmlMode(os)) {
        os << "<miscConfig\n";
        writeXmlAttrs<MM>(os, misc, kMobileMiscXml);
        os << " />\n";
    } else {
        writeSummaryItems<MM>(os, misc, kMobileMiscSummary);
        os << " }";
    }
    return os;
}

bool validateMobileMiscConfig(const MobileMiscConfig& misc) {
    return checkRanges<MM>(misc, kMobileMiscChecks);
}

bool readMobileMiscConfig(pugi::xml_node node, MobileMiscConfig& misc) {
    return readAttrs<MM>(node, misc, kMobileMiscRead) && validateMobileMiscConfig(misc);
}

}  // namespace tarin
