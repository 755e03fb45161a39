#include "TarinTranslator/platform_xml/AudioMisc.h"
#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/Sections.h"

// The mobile radio's own audioConfig and miscConfig.

namespace tarin {

namespace {

// ---- mobile audioConfig ----------------------------------------------------------------

using MA = MobileAudioConfig;

// The audioConfig element's fields of the record.
const Field<MA> kMobileAudio[] = {
    {.name = "noiseCancellation",
     .member = &MA::noiseCancellation,
     .names = &OnOffNames,
     .check = Judged{0, 1}},
    {.name = "cctTimer", .member = &MA::cctTimer, .min = 0, .max = 360, .check = Judged{0, 360}},
    {.name = "masterVolumeControl",
     .member = &MA::masterVolumeControl,
     .names = &OnOffNames,
     .check = Judged{0, 1}},
};

// The microphone element's fields of the record. The reader takes the gain itself: an
// absent one is 0.
const Field<MA> kMobileMic[] = {
    {.name = "alc", .member = &MA::alc, .names = &OnOffNames, .check = Judged{0, 1}},
    {.name = "gain",
     .member = &MA::gain,
     .use = Use::Optional,
     .min = -12,
     .max = 12,
     .check = Judged{-12, 12}},
};

const Visit kMobileMicRead[] = {{"alc"}};

// The check and the summary visit the fields of both elements, interleaved.
struct MobileAudioVisit {
    std::span<const Field<MA>> fields;
    Visit visit;
};
struct MobileAudioSummaryVisit {
    std::span<const Field<MA>> fields;
    SummaryVisit visit;
};

const MobileAudioVisit kMobileAudioChecks[] = {
    {kMobileAudio, {"noiseCancellation"}},
    {kMobileMic, {"alc"}},
    {kMobileAudio, {"cctTimer"}},
    {kMobileMic, {"gain"}},
    {kMobileAudio, {"masterVolumeControl"}},
};

const MobileAudioSummaryVisit kMobileAudioSummary[] = {
    {kMobileAudio, {"noiseCancellation", "{ Noise Cancellation: "}},
    {kMobileMic, {"alc", ", ALC: "}},
    {kMobileAudio, {"cctTimer", ", CCT Timer: "}},
    {kMobileMic, {"gain", ", Mic Gain: "}},
    {kMobileAudio, {"masterVolumeControl", ", Master Vol. Control: "}},
};

// Fields 6 to 19 are checked by position.
struct Range {
    int32_t min, max;
};
constexpr Range kReservedRanges[14] = {{-12, 12}, {-12, 12}, {0, 12},   {0, 12}, {0, 1},
                                       {0, 12},   {-12, 12}, {-16, 16}, {0, 1},  {-12, 12},
                                       {0, 12},   {0, 1},    {-12, 12}, {0, 12}};

// ---- mobile miscConfig -----------------------------------------------------------------

using MM = MobileMiscConfig;

// In the order the reader and the check take them.
const Field<MM> kMobileMisc[] = {
    {.name = "frontFpIntensity", .member = &MM::frontFpIntensity, .check = Judged{0, 10}},
    {.name = "frontFpContrast", .member = &MM::frontFpContrast, .check = Judged{0, 10}},
    {.name = "password",
     .member = &MM::password,
     .use = Use::Optional,
     .max = 15,
     .check = Judged{0, 15},
     .omitEmpty = true},
    {.name = "maintenancePassword",
     .member = &MM::maintenancePassword,
     .use = Use::Optional,
     .max = 15,
     .check = Judged{0, 15},
     .omitEmpty = true},
    {.name = "buttonBacklight",
     .member = &MM::buttonBacklight,
     .names = &ButtonBacklightNames,
     .use = Use::Optional,
     .check = Judged{0, 2}},
    {.name = "accKeypadBacklight",
     .member = &MM::accKeypadBacklight,
     .names = &OnOffNames,
     .use = Use::Optional,
     .check = Judged{0, 1}},
    {.name = "frontFpDayNightMode",
     .member = &MM::frontFpDayNightMode,
     .names = &DayNightModeNames,
     .use = Use::Optional},
};

// The writer puts the passwords first and leaves the day/night mode out.
const Visit kMobileMiscXml[] = {
    {"password"},        {"maintenancePassword"}, {"frontFpIntensity"},
    {"frontFpContrast"}, {"buttonBacklight"},     {"accKeypadBacklight"},
};

const SummaryVisit kMobileMiscSummary[] = {
    {"frontFpIntensity", "{ Intensity: "},
    {"frontFpContrast", "Contrast: "},
    {"buttonBacklight", "Button Backlight: "},
    {"accKeypadBacklight", "Acc Keypad Backlight "},
    {"password", ", Password: \"", Shown::Quoted},
    {"maintenancePassword", ", Maint. Password: \"", Shown::Quoted},
};

}  // namespace

bool validateMobileAudioConfig(const MobileAudioConfig& audio) {
    for (std::size_t i = 0; i < std::size(kReservedRanges); ++i) {
        if (audio.reserved[i] < kReservedRanges[i].min ||
            audio.reserved[i] > kReservedRanges[i].max)
            return false;
    }
    for (const MobileAudioVisit& check : kMobileAudioChecks)
        if (!checkFields<MA>(audio, check.fields, std::span(&check.visit, 1))) return false;
    return true;
}

std::wostream& writeMobileAudioConfig(std::wostream& os, const MobileAudioConfig& audio) {
    if (isXmlMode(os)) {
        os << "<audioConfig\n";
        writeXmlFields<MA>(os, audio, kMobileAudio, 3);
        os << " >\n   <microphone\n";
        writeXmlFields<MA>(os, audio, kMobileMic, 6);
        os << "    />\n</audioConfig>\n";
    } else {
        for (const MobileAudioSummaryVisit& item : kMobileAudioSummary)
            writeSummaryFields<MA>(os, audio, item.fields, std::span(&item.visit, 1));
        os << "}";
    }
    return os;
}

bool readMobileAudioConfig(pugi::xml_node node, MobileAudioConfig& audio) {
    pugi::xml_node mic = node.child("microphone");
    if (!mic) return true;
    if (!readFields<MA>(mic, audio, kMobileMic, kMobileMicRead)) return false;
    const Field<MA>& gainRow = fieldOf<MA>(kMobileMic, "gain");
    int32_t gain = 0;
    if (pugi::xml_attribute attr = mic.attribute(gainRow.name);
        attr &&
        !readLong(attr, gain, static_cast<int32_t>(gainRow.min), static_cast<int32_t>(gainRow.max)))
        return false;
    audio.gain = gain;
    return readFields<MA>(node, audio, kMobileAudio) && validateMobileAudioConfig(audio);
}

std::wostream& writeMobileMiscConfig(std::wostream& os, const MobileMiscConfig& misc) {
    if (isXmlMode(os)) {
        os << "<miscConfig\n";
        writeXmlFields<MM>(os, misc, kMobileMisc, 3, kMobileMiscXml);
        os << " />\n";
    } else {
        writeSummaryFields<MM>(os, misc, kMobileMisc, kMobileMiscSummary);
        os << " }";
    }
    return os;
}

bool validateMobileMiscConfig(const MobileMiscConfig& misc) {
    return checkFields<MM>(misc, kMobileMisc);
}

bool readMobileMiscConfig(pugi::xml_node node, MobileMiscConfig& misc) {
    return readFields<MM>(node, misc, kMobileMisc) && validateMobileMiscConfig(misc);
}

}  // namespace tarin
