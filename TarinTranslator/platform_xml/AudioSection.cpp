#include <array>
#include <span>
#include <type_traits>
#include <utility>

#include "TarinTranslator/platform_xml/AudioMisc.h"
#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/Sections.h"

// Handheld audioConfig: the section's own attributes, up to five microphones, voice
// annunciation (extended platforms) and two audio external outputs (VR-mobile).

namespace tarin {

namespace {

using AC = AudioConfig;
using Mic = Microphone;
using Out = AudioEioOutput;

// ---- audioConfig attributes ------------------------------------------------------------

const XmlAttr<AC> kAudioXml[] = {
    {"   speakerMode='", &AC::speakerMode, &OnOffNames},
    {"   pttMode='", &AC::pttMode, &OnOffNames},
    {"   noiseCancellation='", &AC::noiseCancellation, &OnOffNames},
    {"   noiseCancellationType='", &AC::noiseCancellationType, &NoiseCancellationTypeNames},
    {"   tones='", &AC::tones, &OnOffNames},
    {"   echoReduction='", &AC::echoReduction, &OnOffNames, Gate::Hazard},
    {"   accessoryConnRadioPTTEcho='", &AC::accessoryConnRadioPTTEcho, &OnOffNames, Gate::Hazard},
    {"   esmBackMicSelection='", &AC::esmBackMicSelection, &OnOffNames, Gate::Hazard},
    {"   dualSpeakerModeType='", &AC::dualSpeakerModeType, &DualSpeakerModeNames, Gate::Hazard},
    {"   mobileMasterMode='", &AC::mobileMasterMode, &OnOffNames},
    {"   mobileInternalSpkr='", &AC::mobileInternalSpkr, &OnOffNames},
    {"   cctTimer='", &AC::cctTimer},
    {"   minVol='", &AC::minVol},
    {"   pttAudio='", &AC::pttAudio, &AccessoryAudioModeNames, Gate::NotVrMobile},
    {"   alternateEmergencyTone='", &AC::alternateEmergencyTone, &OnOffNames},
    {"   NFPA1802EmergencyTone='", &AC::NFPA1802EmergencyTone, &OnOffNames, Gate::Hazard},
    {"   NFPA1802EmergencyToneDuration='", &AC::NFPA1802EmergencyToneDuration, nullptr,
     Gate::Hazard},
    {"   outOfRangeNFPATone='", &AC::outOfRangeNFPATone, &OnOffNames, Gate::Hazard},
    {"   outOfRangeNFPAMinVolume='", &AC::outOfRangeNFPAMinVolume, nullptr, Gate::Hazard},
};

// A missing or unconvertible attribute only leaves its field; the check judges the rest.
const ReadAttr<AC> kAudioRead[] = {
    {.name = "speakerMode", .field = &AC::speakerMode, .names = &OnOffNames, .use = Use::Tolerant},
    {.name = "pttMode", .field = &AC::pttMode, .names = &OnOffNames, .use = Use::Tolerant},
    {.name = "noiseCancellation",
     .field = &AC::noiseCancellation,
     .names = &OnOffNames,
     .use = Use::Tolerant},
    {.name = "noiseCancellationType",
     .field = &AC::noiseCancellationType,
     .names = &NoiseCancellationTypeNames,
     .use = Use::Tolerant},
    {.name = "tones", .field = &AC::tones, .names = &OnOffNames, .use = Use::Tolerant},
    {.name = "echoReduction",
     .field = &AC::echoReduction,
     .names = &OnOffNames,
     .use = Use::Tolerant,
     .gate = Gate::Hazard},
    {.name = "accessoryConnRadioPTTEcho",
     .field = &AC::accessoryConnRadioPTTEcho,
     .names = &OnOffNames,
     .use = Use::Tolerant,
     .gate = Gate::Hazard},
    {.name = "esmBackMicSelection",
     .field = &AC::esmBackMicSelection,
     .names = &OnOffNames,
     .use = Use::Tolerant,
     .gate = Gate::Hazard},
    {.name = "dualSpeakerModeType",
     .field = &AC::dualSpeakerModeType,
     .names = &DualSpeakerModeNames,
     .use = Use::Tolerant,
     .gate = Gate::Hazard},
    {.name = "mobileMasterMode",
     .field = &AC::mobileMasterMode,
     .names = &OnOffNames,
     .use = Use::Tolerant},
    {.name = "mobileInternalSpkr",
     .field = &AC::mobileInternalSpkr,
     .names = &OnOffNames,
     .use = Use::Tolerant},
    {.name = "cctTimer", .field = &AC::cctTimer, .use = Use::Tolerant, .min = 0, .max = 360},
    {.name = "minVol", .field = &AC::minVol, .use = Use::Tolerant, .min = 0, .max = 254},
    {.name = "pttAudio",
     .field = &AC::pttAudio,
     .names = &AccessoryAudioModeNames,
     .use = Use::Tolerant,
     .gate = Gate::NotVrMobile},
    {.name = "alternateEmergencyTone",
     .field = &AC::alternateEmergencyTone,
     .names = &OnOffNames,
     .use = Use::Tolerant},
    {.name = "NFPA1802EmergencyTone",
     .field = &AC::NFPA1802EmergencyTone,
     .names = &OnOffNames,
     .use = Use::Tolerant,
     .gate = Gate::Hazard},
    {.name = "NFPA1802EmergencyToneDuration",
     .field = &AC::NFPA1802EmergencyToneDuration,
     .use = Use::Tolerant,
     .gate = Gate::Hazard,
     .min = 1,
     .max = 10},
    {.name = "outOfRangeNFPATone",
     .field = &AC::outOfRangeNFPATone,
     .names = &OnOffNames,
     .use = Use::Tolerant,
     .gate = Gate::Hazard},
    {.name = "outOfRangeNFPAMinVolume",
     .field = &AC::outOfRangeNFPAMinVolume,
     .use = Use::Tolerant,
     .gate = Gate::Hazard,
     .min = 9,
     .max = 18},
};

const Check<AC> kAudioChecks[] = {
    {"speakerMode", &AC::speakerMode, 0, 1},
    {"pttMode", &AC::pttMode, 0, 1},
    {"noiseCancellation", &AC::noiseCancellation, 0, 1},
    {"noiseCancellationType", &AC::noiseCancellationType, 0, 1},
    {"tones", &AC::tones, 0, 1},
    {"echoReduction", &AC::echoReduction, 0, 1},
    {"accessoryConnRadioPTTEcho", &AC::accessoryConnRadioPTTEcho, 0, 1},
    {"cctTimer", &AC::cctTimer, 0, 360},
    {"minVol", &AC::minVol, 0, 18},
    {"pttAudio", &AC::pttAudio, 0, 1},
    {"alternateEmergencyTone", &AC::alternateEmergencyTone, 0, 1},
    {"NFPA1802EmergencyTone", &AC::NFPA1802EmergencyTone, 0, 1},
    {"NFPA1802EmergencyToneDuration", &AC::NFPA1802EmergencyToneDuration, 1, 10},
    {"mobileMasterMode", &AC::mobileMasterMode, 0, 1},
    {"mobileInternalSpkr", &AC::mobileInternalSpkr, 0, 1},
    {"outOfRangeNFPATone", &AC::outOfRangeNFPATone, 0, 1},
    {"outOfRangeNFPAMinVolume", &AC::outOfRangeNFPAMinVolume, 9, 18},
    {"esmBackMicSelection", &AC::esmBackMicSelection, 0, 1},
    {"dualSpeakerModeType", &AC::dualSpeakerModeType, 0, 3},
};

// ---- microphones -----------------------------------------------------------------------

const XmlAttr<Mic> kMicXml[] = {
    {"      alc='", &Mic::alc, &OnOffNames},
    {"      gain='", &Mic::gain},
    {"      alcLevel='", &Mic::alcLevel, nullptr, Gate::Extended},
    {"      alcMaxGain='", &Mic::alcMaxGain, nullptr, Gate::Extended},
};

const XmlAttr<Mic> kMobileMicXml[] = {
    {"      alc='", &Mic::alc, &OnOffNames},
    {"      gain='", &Mic::gain},
    {"      alcMaxGain='", &Mic::alcMaxGain},
};

// A microphone's attributes as read; `gainLimit` bounds the gain both ways (the
// Bluetooth microphone admits a wider gain than the others).
std::array<ReadAttr<Mic>, 4> micRead(int32_t gainLimit) {
    return {{
        {.name = "alc", .field = &Mic::alc, .names = &OnOffNames},
        {.name = "gain",
         .field = &Mic::gain,
         .use = Use::Optional,
         .min = -gainLimit,
         .max = gainLimit},
        {.name = "alcLevel",
         .field = &Mic::alcLevel,
         .use = Use::Optional,
         .gate = Gate::Extended,
         .min = -12,
         .max = 12},
        {.name = "alcMaxGain",
         .field = &Mic::alcMaxGain,
         .use = Use::Optional,
         .gate = Gate::Extended,
         .min = 0,
         .max = 12},
    }};
}

const auto kMicRead = micRead(12);
const auto kBluetoothMicRead = micRead(16);

const Check<Mic> kMicChecks[] = {
    {"alc", &Mic::alc, 0, 1},
    {"gain", &Mic::gain, -12, 12},
    {"alcLevel", &Mic::alcLevel, -12, 12},
    {"alcMaxGain", &Mic::alcMaxGain, 0, 12},
};

const Check<Mic> kBluetoothMicChecks[] = {
    {"alc", &Mic::alc, 0, 1},
    {"gain", &Mic::gain, -16, 16},
    {"alcLevel", &Mic::alcLevel, -12, 12},
    {"alcMaxGain", &Mic::alcMaxGain, 0, 12},
};

const Check<Mic> kMobileMicChecks[] = {
    {"alc", &Mic::alc, 0, 1},
    {"gain", &Mic::gain, -12, 12},
    {"alcMaxGain", &Mic::alcMaxGain, 0, 12},
};

// What a read microphone starts from before its optional attributes.
constexpr Microphone kMicStart{.alcMaxGain = 6};

// Each microphone, by micType: the radio types whose audioConfig carries it and its lists.
struct MicLayout {
    Gate gate;
    bool hasAlcLevel;
    std::span<const XmlAttr<Mic>> xml;
    std::span<const ReadAttr<Mic>> read;
    std::span<const Check<Mic>> checks;
};

const MicLayout kMics[kMicCount] = {
    {Gate::All, true, kMicXml, kMicRead, kMicChecks},
    {Gate::All, true, kMicXml, kMicRead, kMicChecks},
    {Gate::Extended, true, kMicXml, kBluetoothMicRead, kBluetoothMicChecks},
    {Gate::VrMobile, false, kMobileMicXml, kMicRead, kMobileMicChecks},
    {Gate::VrMobile, false, kMobileMicXml, kMicRead, kMobileMicChecks},
};

// ---- voiceAnnunciation -----------------------------------------------------------------

const XmlAttr<AC> kVoiceXml[] = {
    {"   enable='", &AC::enable, &OnOffNames},
    {"   priority='", &AC::priority},
    {"   vaQueueTimer='", &AC::vaQueueTimer},
    {"   minVolume='", &AC::minVolume},
    {"   maxVolume='", &AC::maxVolume},
    {"   CRCKey='", &AC::CRCKey},
    {"   audio_config_file_name='", &AC::audio_config_file_name},
};

const XmlAttr<VaMapping> kMappingXml[] = {
    {"   keyCode='", &VaMapping::keyCode},
    {"   VAFileIndex='", &VaMapping::VAFileIndex},
};

const XmlAttr<VaTone> kVaToneXml[] = {
    {" tone ='", &VaTone::tone, &ToneNames},
    {" vaIndex='", &VaTone::vaIndex},
    {" minVolume='", &VaTone::minVolume},
};

// Each item is converted on its own: a failure fails the section but reading goes on.
const ReadAttr<AC> kVoiceRead[] = {
    {.name = "enable", .field = &AC::enable, .names = &OnOffNames},
    {.name = "vaQueueTimer", .field = &AC::vaQueueTimer, .use = Use::Optional, .min = 0, .max = 10},
    {.name = "priority", .field = &AC::priority, .min = 0, .max = 6},
    {.name = "minVolume", .field = &AC::minVolume, .min = 0, .max = 17},
    {.name = "CRCKey", .field = &AC::CRCKey},
    {.name = "audio_config_file_name", .field = &AC::audio_config_file_name},
    {.name = "maxVolume", .field = &AC::maxVolume, .use = Use::Tolerant, .min = 0, .max = 41},
};

// A maxVolume of 40 stands for "no maximum" and is kept as 0.
constexpr int32_t kMaxVolumeUnset = 40;
constexpr int32_t kMaxVolumeLimit = 18;

const ReadAttr<VaMapping> kMappingRead[] = {
    {.name = "keyCode", .field = &VaMapping::keyCode, .min = 0, .max = 255},
    {.name = "VAFileIndex", .field = &VaMapping::VAFileIndex, .min = 0, .max = 65535},
};

const ReadAttr<VaTone> kVaToneRead[] = {
    {.name = "tone", .field = &VaTone::tone, .names = &ToneNames},
    {.name = "vaIndex", .field = &VaTone::vaIndex, .min = 0, .max = 5000, .base = 0},
    {.name = "minVolume", .field = &VaTone::minVolume, .min = 0, .max = 18, .base = 0},
};

// ---- audio external outputs ------------------------------------------------------------

// `func` is written from the output's position; output 2's line has no indentation.
const char* const kOutputFuncLiteral[2] = {"   func='", "func='"};

const XmlAttr<Out> kOutputXml[] = {
    {"   enable='", &Out::enable, &OnOffNames},
    {"   output_name='", &Out::output_name, &ExternalOutputNames},
    {"   sense='", &Out::sense, &EioOutputSenseNames},
};

const ReadAttr<Out> kOutputRead[] = {
    {.name = "func", .field = &Out::func, .names = &AudioEioOutputFunctionNames},
    {.name = "enable", .field = &Out::enable, .names = &OnOffNames},
    {.name = "output_name", .field = &Out::output_name, .names = &ExternalOutputNames},
    {.name = "sense", .field = &Out::sense, .names = &EioOutputSenseNames},
};

const Check<Out> kOutputChecks[] = {
    {"func", &Out::func, 0, 1},
    {"enable", &Out::enable, 0, 1},
    {"output_name", &Out::output_name, 0, 2},
    {"sense", &Out::sense, 0, 1},
};

const SummaryItem<Out> kOutputSummary[] = {
    {"{ func : ", &Out::func},
    {", enable: ", &Out::enable},
    {", output_name: ", &Out::output_name},
    {", sense: ", &Out::sense},
};

// ---- summary ---------------------------------------------------------------------------

// The summary interleaves the record's own fields with those of its microphones.
struct MicSummaryItem {
    uint32_t mic;
    SummaryItem<Mic> item;
};

const SummaryItem<AC> kSummaryHead[] = {
    {"{ Speaker: ", &AC::speakerMode},
    {", PTT: ", &AC::pttMode},
    {", Noise Cancellation: ", &AC::noiseCancellation},
    {", Noise Cancellation Type: ", &AC::noiseCancellationType, Shown::Name,
     &NoiseCancellationTypeNames},
    {",  echoReduction: ", &AC::echoReduction, Shown::Name, &OnOffNames, Gate::Hazard},
    {"'\n,   accessoryConnRadioPTTEcho: ", &AC::accessoryConnRadioPTTEcho, Shown::Name, &OnOffNames,
     Gate::Hazard},
};

const MicSummaryItem kSummaryAlc[] = {
    {kMicInternal, {", ALC: ", &Mic::alc}},
    {kMicExternal, {", Aux ALC: ", &Mic::alc}},
};

const SummaryItem<AC> kSummaryMiddle[] = {
    {", Tones: ", &AC::tones},
    {", Master Mode: ", &AC::mobileMasterMode},
    {"  Internal Speaker: ", &AC::mobileInternalSpkr},
    {", CCT Timer: ", &AC::cctTimer},
    {", Min Volume: ", &AC::minVol},
    {", PTT Options: ", &AC::pttAudio, Shown::Name, &AccessoryAudioModeNames},
    {", Alternate Emergency Tone: ", &AC::alternateEmergencyTone},
};

const MicSummaryItem kSummaryMicTail[] = {
    {kMicInternal, {", Mic Gain: ", &Mic::gain}},
    {kMicExternal, {", Aux Mic Gain: ", &Mic::gain}},
    {kMicInternal, {", Alc Level: ", &Mic::alcLevel, Shown::Number, nullptr, Gate::Extended}},
    {kMicExternal, {", Aux Alc Level: ", &Mic::alcLevel, Shown::Number, nullptr, Gate::Extended}},
    {kMicInternal, {", Alc Max Gain: ", &Mic::alcMaxGain, Shown::Number, nullptr, Gate::Extended}},
    {kMicExternal,
     {", Aux Alc Max Gain: ", &Mic::alcMaxGain, Shown::Number, nullptr, Gate::Extended}},
    {kMicBluetooth, {", Bluetooth ALC: ", &Mic::alc, Shown::Number, nullptr, Gate::Extended}},
    {kMicBluetooth,
     {", Bluetooth Max Gain: ", &Mic::alcMaxGain, Shown::Number, nullptr, Gate::Extended}},
    {kMicBluetooth,
     {", Bluetooth Alc Level: ", &Mic::alcLevel, Shown::Number, nullptr, Gate::Extended}},
    {kMicBluetooth, {", Bluetooth Mic Gain: ", &Mic::gain, Shown::Number, nullptr, Gate::Extended}},
    {kMicMobileIn, {", Microphone In ALC: ", &Mic::alc, Shown::Number, nullptr, Gate::VrMobile}},
    {kMicMobileIn,
     {", Microphone In Max Gain: ", &Mic::alcMaxGain, Shown::Number, nullptr, Gate::VrMobile}},
    {kMicMobileIn,
     {", Microphone In Mic Gain: ", &Mic::gain, Shown::Number, nullptr, Gate::VrMobile}},
    {kMicMobileUsbIn, {", USB Mic In ALC: ", &Mic::alc, Shown::Number, nullptr, Gate::VrMobile}},
    {kMicMobileUsbIn,
     {", USB Mic In Max Gain: ", &Mic::alcMaxGain, Shown::Number, nullptr, Gate::VrMobile}},
    {kMicMobileUsbIn,
     {", USB Mic In Mic Gain: ", &Mic::gain, Shown::Number, nullptr, Gate::VrMobile}},
};

const SummaryItem<AC> kVoiceSummary[] = {
    {"{ enable: ", &AC::enable},
    {", priority: ", &AC::priority},
    {", vaQueueTimer: ", &AC::vaQueueTimer},
    {", minVolume: ", &AC::minVolume},
    {", maxVolume: ", &AC::maxVolume},
    {", CRCKey: ", &AC::CRCKey},
    {", audio_config_file_name: ", &AC::audio_config_file_name, Shown::Raw},
};

// ---- writing ---------------------------------------------------------------------------

void writeMicSummary(std::wostream& os, const AudioConfig& audio,
                     std::span<const MicSummaryItem> items) {
    for (const MicSummaryItem& it : items)
        writeSummaryItems<Mic>(os, audio.microphones[it.mic], std::span(&it.item, 1));
}

void writeMapping(std::wostream& os, const VaMapping& mapping) {
    os << "<mapping\n";
    writeXmlAttrs<VaMapping>(os, mapping, kMappingXml);
    os << "    />\n";
}

void writeMicrophones(std::wostream& os, const AudioConfig& audio) {
    for (uint32_t type = 0; type < kMicCount; ++type) {
        if (!gateOpen(kMics[type].gate)) continue;
        os << "   <microphone\n      micType='" << lookupName(type, MicTypeNames) << "'\n";
        writeXmlAttrs<Mic>(os, audio.microphones[type], kMics[type].xml);
        os << "    />\n";
    }
}

void writeVoiceAnnunciation(std::wostream& os, const AudioConfig& audio) {
    os << "<voiceAnnunciation\n";
    writeXmlAttrs<AC>(os, audio, kVoiceXml);
    os << " >\n";
    for (const auto& [key, mapping] : audio.mapping) writeMapping(os, mapping);
    for (const auto& [key, tone] : audio.VATone) {
        os << "<VATone\n";
        writeXmlAttrs<VaTone>(os, tone, kVaToneXml);
        os << " />\n";
    }
    os << "</voiceAnnunciation>\n";
}

void writeAudioOutputs(std::wostream& os, const AudioConfig& audio) {
    os << "<audioEioOutputCfg>\n";
    for (uint32_t position = 0; position < std::size(audio.audioEioOutputs); ++position) {
        os << "<audioEioOutput\n"
           << kOutputFuncLiteral[position] << lookupName(position, AudioEioOutputFunctionNames)
           << "'\n";
        writeXmlAttrs<Out>(os, audio.audioEioOutputs[position], kOutputXml);
        os << "    />\n";
    }
    os << "</audioEioOutputCfg>\n";
}

void writeAudioSummary(std::wostream& os, const AudioConfig& audio) {
    writeSummaryItems<AC>(os, audio, kSummaryHead);
    if (gateOpen(Gate::Hazard)) os << "'\n";
    writeMicSummary(os, audio, kSummaryAlc);
    writeSummaryItems<AC>(os, audio, kSummaryMiddle);
    writeMicSummary(os, audio, kSummaryMicTail);
    os << "}";
    if (gateOpen(Gate::Extended)) {
        writeSummaryItems<AC>(os, audio, kVoiceSummary);
        os << "}";
        for (const auto& [key, mapping] : audio.mapping) writeMapping(os, mapping);
    }
    if (gateOpen(Gate::VrMobile)) {
        for (const Out& output : audio.audioEioOutputs) {
            writeSummaryItems<Out>(os, output, kOutputSummary);
            os << "}";
        }
    }
}

// ---- reading ---------------------------------------------------------------------------

// Reads up to five microphones into the fields their micType names. The first bad one
// ends the loop without failing the section.
void readMicrophones(pugi::xml_node node, AudioConfig& audio) {
    unsigned handled = 0;
    bool readTypes[kMicCount] = {};
    for (pugi::xml_node mic = node.child("microphone"); mic && handled < kMicCount;
         mic = mic.next_sibling("microphone"), ++handled) {
        uint32_t type = 0;
        if (!lookupValue(mic.attribute("micType"), MicTypeNames, type) || type >= kMicCount) return;
        Microphone read = kMicStart;
        if (!readAttrs<Mic>(mic, read, kMics[type].read)) return;
        Microphone& stored = audio.microphones[type];
        if (!kMics[type].hasAlcLevel) read.alcLevel = stored.alcLevel;
        stored = read;
        if (std::exchange(readTypes[type], true)) warnRepeatedKey(mic, "micType", true);
    }
}

// The VATone entries replace the list when there is at least one; bad entries are dropped.
void readVaTones(pugi::xml_node voice, AudioConfig& audio) {
    pugi::xml_node child = voice.child("VATone");
    if (!child) return;
    VaToneMap tones;
    for (; child; child = child.next_sibling("VATone")) {
        VaTone tone;
        if (readAttrs<VaTone>(child, tone, kVaToneRead))
            tones.emplace(static_cast<int32_t>(tones.size()), tone);
    }
    audio.VATone = std::move(tones);
}

// With voice annunciation on, the mapping entries always replace the list and a bad entry
// fails the section. With it off they decide nothing: they replace the list only when
// there are some and all of them read, so that a document keeps the mappings it carries.
bool readMappings(pugi::xml_node voice, AudioConfig& audio) {
    const bool enabled = audio.enable == 1;
    bool ok = true;
    VaMappingMap mappings;
    for (pugi::xml_node child : voice.children("mapping")) {
        VaMapping mapping;
        if (readAttrs<VaMapping>(child, mapping, kMappingRead)) {
            mappings.emplace(static_cast<int32_t>(mappings.size()), mapping);
        } else {
            ok = false;
        }
    }
    if (enabled || (ok && !mappings.empty())) audio.mapping = std::move(mappings);
    return ok || !enabled;
}

bool readVoiceAnnunciation(pugi::xml_node voice, AudioConfig& audio, bool ok) {
    for (const ReadAttr<AC>& item : kVoiceRead) ok = readAttrs<AC>(voice, audio, {&item, 1}) && ok;
    if (audio.maxVolume == kMaxVolumeUnset) {
        audio.maxVolume = 0;
    } else if (audio.maxVolume > kMaxVolumeLimit) {
        ok = false;
    }
    if (ok) readVaTones(voice, audio);
    ok = readMappings(voice, audio) && ok;
    return ok && validateVoiceAnnunciation(audio);
}

// Up to two outputs, each stored at the position its function names. A bad one ends the
// walk without failing the section.
void readAudioOutputs(pugi::xml_node cfg, AudioConfig& audio) {
    unsigned handled = 0;
    bool readFunctions[std::extent_v<decltype(AudioConfig::audioEioOutputs)>] = {};
    for (pugi::xml_node child = cfg.child("audioEioOutput");
         child && handled < std::size(audio.audioEioOutputs);
         child = child.next_sibling("audioEioOutput"), ++handled) {
        Out output;
        if (!readAttrs<Out>(child, output, kOutputRead) ||
            output.func >= std::size(audio.audioEioOutputs))
            return;
        audio.audioEioOutputs[output.func] = output;
        if (std::exchange(readFunctions[output.func], true)) warnRepeatedKey(child, "func", true);
    }
}

}  // namespace

bool validateAudioConfig(const AudioConfig& audio) {
    if (!checkRanges<AC>(audio, kAudioChecks)) return false;
    for (uint32_t type = 0; type < kMicCount; ++type)
        if (!checkRanges<Mic>(audio.microphones[type], kMics[type].checks)) return false;
    for (const Out& output : audio.audioEioOutputs)
        if (!checkRanges<Out>(output, kOutputChecks)) return false;
    return true;
}

bool validateVoiceAnnunciation(const AudioConfig& audio) {
    return audio.enable <= 1;
}

std::wostream& writeAudioConfig(std::wostream& os, const AudioConfig& audio) {
    if (!isXmlMode(os)) {
        writeAudioSummary(os, audio);
        return os;
    }
    os << "<audioConfig\n";
    writeXmlAttrs<AC>(os, audio, kAudioXml);
    os << " >\n";
    writeMicrophones(os, audio);
    if (gateOpen(Gate::Extended)) writeVoiceAnnunciation(os, audio);
    if (gateOpen(Gate::VrMobile)) writeAudioOutputs(os, audio);
    os << "</audioConfig>\n";
    return os;
}

bool readAudioConfig(pugi::xml_node node, AudioConfig& audio) {
    readMicrophones(node, audio);
    readAttrs<AC>(node, audio, kAudioRead);  // tolerant: never fails
    bool ok = validateAudioConfig(audio);
    if (!gateOpen(Gate::Extended)) return ok;
    if (pugi::xml_node voice = node.child("voiceAnnunciation"))
        ok = readVoiceAnnunciation(voice, audio, ok);
    if (ok) readAudioOutputs(node.child("audioEioOutputCfg"), audio);
    return ok;
}

}  // namespace tarin
