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

// Every attribute is read tolerantly: a missing or unconvertible one only leaves its field,
// and the check judges the rest.
constexpr Field<AC> onOff(const char* name, uint32_t AC::*member, Gate gate = Gate::All) {
    return {.name = name,
            .member = member,
            .names = &OnOffNames,
            .gate = gate,
            .use = Use::Tolerant,
            .check = Judged{0, 1}};
}

const Field<AC> kAudio[] = {
    onOff("speakerMode", &AC::speakerMode),
    onOff("pttMode", &AC::pttMode),
    onOff("noiseCancellation", &AC::noiseCancellation),
    {.name = "noiseCancellationType",
     .member = &AC::noiseCancellationType,
     .names = &NoiseCancellationTypeNames,
     .use = Use::Tolerant,
     .check = Judged{0, 1}},
    onOff("tones", &AC::tones),
    onOff("echoReduction", &AC::echoReduction, Gate::Hazard),
    onOff("accessoryConnRadioPTTEcho", &AC::accessoryConnRadioPTTEcho, Gate::Hazard),
    onOff("esmBackMicSelection", &AC::esmBackMicSelection, Gate::Hazard),
    {.name = "dualSpeakerModeType",
     .member = &AC::dualSpeakerModeType,
     .names = &DualSpeakerModeNames,
     .gate = Gate::Hazard,
     .use = Use::Tolerant,
     .check = Judged{0, 3}},
    onOff("mobileMasterMode", &AC::mobileMasterMode),
    onOff("mobileInternalSpkr", &AC::mobileInternalSpkr),
    {.name = "cctTimer",
     .member = &AC::cctTimer,
     .use = Use::Tolerant,
     .min = 0,
     .max = 360,
     .check = Judged{0, 360}},
    {.name = "minVol",
     .member = &AC::minVol,
     .use = Use::Tolerant,
     .min = 0,
     .max = 254,
     .check = Judged{0, 18}},
    {.name = "pttAudio",
     .member = &AC::pttAudio,
     .names = &AccessoryAudioModeNames,
     .gate = Gate::NotVrMobile,
     .use = Use::Tolerant,
     .check = Judged{0, 1}},
    onOff("alternateEmergencyTone", &AC::alternateEmergencyTone),
    onOff("NFPA1802EmergencyTone", &AC::NFPA1802EmergencyTone, Gate::Hazard),
    {.name = "NFPA1802EmergencyToneDuration",
     .member = &AC::NFPA1802EmergencyToneDuration,
     .gate = Gate::Hazard,
     .use = Use::Tolerant,
     .min = 1,
     .max = 10,
     .check = Judged{1, 10}},
    onOff("outOfRangeNFPATone", &AC::outOfRangeNFPATone, Gate::Hazard),
    {.name = "outOfRangeNFPAMinVolume",
     .member = &AC::outOfRangeNFPAMinVolume,
     .gate = Gate::Hazard,
     .use = Use::Tolerant,
     .min = 9,
     .max = 18,
     .check = Judged{9, 18}},
};

// The check judges the fields in its own order, whatever the radio type.
const Visit kAudioChecks[] = {
    {"speakerMode"},
    {"pttMode"},
    {"noiseCancellation"},
    {"noiseCancellationType"},
    {"tones"},
    {"echoReduction"},
    {"accessoryConnRadioPTTEcho"},
    {"cctTimer"},
    {"minVol"},
    {"pttAudio"},
    {"alternateEmergencyTone"},
    {"NFPA1802EmergencyTone"},
    {"NFPA1802EmergencyToneDuration"},
    {"mobileMasterMode"},
    {"mobileInternalSpkr"},
    {"outOfRangeNFPATone"},
    {"outOfRangeNFPAMinVolume"},
    {"esmBackMicSelection"},
    {"dualSpeakerModeType"},
};

// ---- microphones -----------------------------------------------------------------------

// A microphone's fields; `gainLimit` bounds the gain both ways (the Bluetooth microphone
// admits a wider gain than the others).
constexpr std::array<Field<Mic>, 4> micFields(int32_t gainLimit) {
    return {{
        {.name = "alc", .member = &Mic::alc, .names = &OnOffNames, .check = Judged{0, 1}},
        {.name = "gain",
         .member = &Mic::gain,
         .use = Use::Optional,
         .min = -gainLimit,
         .max = gainLimit,
         .check = Judged{-gainLimit, gainLimit}},
        {.name = "alcLevel",
         .member = &Mic::alcLevel,
         .gate = Gate::Extended,
         .use = Use::Optional,
         .min = -12,
         .max = 12,
         .check = Judged{-12, 12}},
        {.name = "alcMaxGain",
         .member = &Mic::alcMaxGain,
         .gate = Gate::Extended,
         .use = Use::Optional,
         .min = 0,
         .max = 12,
         .check = Judged{0, 12}},
    }};
}

const auto kMic = micFields(12);
const auto kBluetoothMic = micFields(16);

// The mobile microphones of the VR-mobile codes have no ALC level, and write their maximum
// gain without the gate of the others.
const Visit kMobileMicXml[] = {{"alc"}, {"gain"}, {"alcMaxGain", Gate::All}};
const Visit kMobileMicChecks[] = {{"alc"}, {"gain"}, {"alcMaxGain"}};

// What a read microphone starts from before its optional attributes.
constexpr Microphone kMicStart{.alcMaxGain = 6};

// Each microphone, by micType: the radio types whose audioConfig carries it, its rows and
// the visits of its writer and check where they are not all the rows.
struct MicLayout {
    Gate gate;
    bool hasAlcLevel;
    std::span<const Field<Mic>> fields;
    std::span<const Visit> xml;
    std::span<const Visit> checks;
};

const MicLayout kMics[kMicCount] = {
    {Gate::All, true, kMic, {}, {}},
    {Gate::All, true, kMic, {}, {}},
    {Gate::Extended, true, kBluetoothMic, {}, {}},
    {Gate::VrMobile, false, kMic, kMobileMicXml, kMobileMicChecks},
    {Gate::VrMobile, false, kMic, kMobileMicXml, kMobileMicChecks},
};

// ---- voiceAnnunciation -----------------------------------------------------------------

// The voiceAnnunciation element's fields of the record.
const Field<AC> kVoice[] = {
    {.name = "enable", .member = &AC::enable, .names = &OnOffNames},
    {.name = "priority", .member = &AC::priority, .min = 0, .max = 6},
    {.name = "vaQueueTimer",
     .member = &AC::vaQueueTimer,
     .use = Use::Optional,
     .min = 0,
     .max = 10},
    {.name = "minVolume", .member = &AC::minVolume, .min = 0, .max = 17},
    {.name = "maxVolume", .member = &AC::maxVolume, .use = Use::Tolerant, .min = 0, .max = 41},
    {.name = "CRCKey", .member = &AC::CRCKey},
    {.name = "audio_config_file_name", .member = &AC::audio_config_file_name},
};

// Each item is converted on its own, in this order: a failure fails the section but
// reading goes on.
const Visit kVoiceRead[] = {{"enable"}, {"vaQueueTimer"},           {"priority"}, {"minVolume"},
                            {"CRCKey"}, {"audio_config_file_name"}, {"maxVolume"}};

// A maxVolume of 40 stands for "no maximum" and is kept as 0.
constexpr int32_t kMaxVolumeUnset = 40;
constexpr int32_t kMaxVolumeLimit = 18;

const Field<VaMapping> kMapping[] = {
    {.name = "keyCode", .member = &VaMapping::keyCode, .min = 0, .max = 255},
    {.name = "VAFileIndex", .member = &VaMapping::VAFileIndex, .min = 0, .max = 65535},
};

const Field<VaTone> kVaTone[] = {
    {.name = "tone", .member = &VaTone::tone, .names = &ToneNames, .literal = " tone ='"},
    {.name = "vaIndex", .member = &VaTone::vaIndex, .min = 0, .max = 5000, .base = 0},
    {.name = "minVolume", .member = &VaTone::minVolume, .min = 0, .max = 18, .base = 0},
};

// ---- audio external outputs ------------------------------------------------------------

// `func` is written from the output's position; output 2's line has no indentation.
const char* const kOutputFuncLiteral[2] = {"   func='", "func='"};

const Field<Out> kOutput[] = {
    {.name = "func",
     .member = &Out::func,
     .names = &AudioEioOutputFunctionNames,
     .check = Judged{0, 1}},
    {.name = "enable", .member = &Out::enable, .names = &OnOffNames, .check = Judged{0, 1}},
    {.name = "output_name",
     .member = &Out::output_name,
     .names = &ExternalOutputNames,
     .check = Judged{0, 2}},
    {.name = "sense", .member = &Out::sense, .names = &EioOutputSenseNames, .check = Judged{0, 1}},
};

// The writer puts func itself, from the output's position.
const Visit kOutputXml[] = {{"enable"}, {"output_name"}, {"sense"}};

const SummaryVisit kOutputSummary[] = {
    {"func", "{ func : "},
    {"enable", ", enable: "},
    {"output_name", ", output_name: "},
    {"sense", ", sense: "},
};

// ---- summary ---------------------------------------------------------------------------

// The summary interleaves the record's own fields with those of its microphones.
struct MicSummaryVisit {
    uint32_t mic;
    SummaryVisit visit;
};

const SummaryVisit kSummaryHead[] = {
    {"speakerMode", "{ Speaker: "},
    {"pttMode", ", PTT: "},
    {"noiseCancellation", ", Noise Cancellation: "},
    {"noiseCancellationType", ", Noise Cancellation Type: ", Shown::Name},
    {"echoReduction", ",  echoReduction: ", Shown::Name, Gate::Hazard},
    {"accessoryConnRadioPTTEcho", "'\n,   accessoryConnRadioPTTEcho: ", Shown::Name, Gate::Hazard},
};

const MicSummaryVisit kSummaryAlc[] = {
    {kMicInternal, {"alc", ", ALC: "}},
    {kMicExternal, {"alc", ", Aux ALC: "}},
};

const SummaryVisit kSummaryMiddle[] = {
    {"tones", ", Tones: "},
    {"mobileMasterMode", ", Master Mode: "},
    {"mobileInternalSpkr", "  Internal Speaker: "},
    {"cctTimer", ", CCT Timer: "},
    {"minVol", ", Min Volume: "},
    {"pttAudio", ", PTT Options: ", Shown::Name},
    {"alternateEmergencyTone", ", Alternate Emergency Tone: "},
};

const MicSummaryVisit kSummaryMicTail[] = {
    {kMicInternal, {"gain", ", Mic Gain: "}},
    {kMicExternal, {"gain", ", Aux Mic Gain: "}},
    {kMicInternal, {"alcLevel", ", Alc Level: ", Shown::Number, Gate::Extended}},
    {kMicExternal, {"alcLevel", ", Aux Alc Level: ", Shown::Number, Gate::Extended}},
    {kMicInternal, {"alcMaxGain", ", Alc Max Gain: ", Shown::Number, Gate::Extended}},
    {kMicExternal, {"alcMaxGain", ", Aux Alc Max Gain: ", Shown::Number, Gate::Extended}},
    {kMicBluetooth, {"alc", ", Bluetooth ALC: ", Shown::Number, Gate::Extended}},
    {kMicBluetooth, {"alcMaxGain", ", Bluetooth Max Gain: ", Shown::Number, Gate::Extended}},
    {kMicBluetooth, {"alcLevel", ", Bluetooth Alc Level: ", Shown::Number, Gate::Extended}},
    {kMicBluetooth, {"gain", ", Bluetooth Mic Gain: ", Shown::Number, Gate::Extended}},
    {kMicMobileIn, {"alc", ", Microphone In ALC: ", Shown::Number, Gate::VrMobile}},
    {kMicMobileIn, {"alcMaxGain", ", Microphone In Max Gain: ", Shown::Number, Gate::VrMobile}},
    {kMicMobileIn, {"gain", ", Microphone In Mic Gain: ", Shown::Number, Gate::VrMobile}},
    {kMicMobileUsbIn, {"alc", ", USB Mic In ALC: ", Shown::Number, Gate::VrMobile}},
    {kMicMobileUsbIn, {"alcMaxGain", ", USB Mic In Max Gain: ", Shown::Number, Gate::VrMobile}},
    {kMicMobileUsbIn, {"gain", ", USB Mic In Mic Gain: ", Shown::Number, Gate::VrMobile}},
};

const SummaryVisit kVoiceSummary[] = {
    {"enable", "{ enable: "},
    {"priority", ", priority: "},
    {"vaQueueTimer", ", vaQueueTimer: "},
    {"minVolume", ", minVolume: "},
    {"maxVolume", ", maxVolume: "},
    {"CRCKey", ", CRCKey: "},
    {"audio_config_file_name", ", audio_config_file_name: ", Shown::Raw},
};

// ---- writing ---------------------------------------------------------------------------

void writeMicSummary(std::wostream& os, const AudioConfig& audio,
                     std::span<const MicSummaryVisit> items) {
    for (const MicSummaryVisit& it : items)
        writeSummaryFields<Mic>(os, audio.microphones[it.mic], kMics[it.mic].fields,
                                std::span(&it.visit, 1));
}

void writeMapping(std::wostream& os, const VaMapping& mapping) {
    os << "<mapping\n";
    writeXmlFields<VaMapping>(os, mapping, kMapping, 3);
    os << "    />\n";
}

void writeMicrophones(std::wostream& os, const AudioConfig& audio) {
    for (uint32_t type = 0; type < kMicCount; ++type) {
        if (!gateOpen(kMics[type].gate)) continue;
        os << "   <microphone\n      micType='" << lookupName(type, MicTypeNames) << "'\n";
        writeXmlFields<Mic>(os, audio.microphones[type], kMics[type].fields, 6, kMics[type].xml);
        os << "    />\n";
    }
}

void writeVoiceAnnunciation(std::wostream& os, const AudioConfig& audio) {
    os << "<voiceAnnunciation\n";
    writeXmlFields<AC>(os, audio, kVoice, 3);
    os << " >\n";
    for (const auto& [key, mapping] : audio.mapping) writeMapping(os, mapping);
    for (const auto& [key, tone] : audio.VATone) {
        os << "<VATone\n";
        writeXmlFields<VaTone>(os, tone, kVaTone, 1);
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
        writeXmlFields<Out>(os, audio.audioEioOutputs[position], kOutput, 3, kOutputXml);
        os << "    />\n";
    }
    os << "</audioEioOutputCfg>\n";
}

void writeAudioSummary(std::wostream& os, const AudioConfig& audio) {
    writeSummaryFields<AC>(os, audio, kAudio, kSummaryHead);
    if (gateOpen(Gate::Hazard)) os << "'\n";
    writeMicSummary(os, audio, kSummaryAlc);
    writeSummaryFields<AC>(os, audio, kAudio, kSummaryMiddle);
    writeMicSummary(os, audio, kSummaryMicTail);
    os << "}";
    if (gateOpen(Gate::Extended)) {
        writeSummaryFields<AC>(os, audio, kVoice, kVoiceSummary);
        os << "}";
        for (const auto& [key, mapping] : audio.mapping) writeMapping(os, mapping);
    }
    if (gateOpen(Gate::VrMobile)) {
        for (const Out& output : audio.audioEioOutputs) {
            writeSummaryFields<Out>(os, output, kOutput, kOutputSummary);
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
        if (!readFields<Mic>(mic, read, kMics[type].fields)) return;
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
        if (readFields<VaTone>(child, tone, kVaTone))
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
        if (readFields<VaMapping>(child, mapping, kMapping)) {
            mappings.emplace(static_cast<int32_t>(mappings.size()), mapping);
        } else {
            ok = false;
        }
    }
    if (enabled || (ok && !mappings.empty())) audio.mapping = std::move(mappings);
    return ok || !enabled;
}

bool readVoiceAnnunciation(pugi::xml_node voice, AudioConfig& audio, bool ok) {
    ok = readEveryField<AC>(voice, audio, kVoice, kVoiceRead) && ok;
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
        if (!readFields<Out>(child, output, kOutput) ||
            output.func >= std::size(audio.audioEioOutputs))
            return;
        audio.audioEioOutputs[output.func] = output;
        if (std::exchange(readFunctions[output.func], true)) warnRepeatedKey(child, "func", true);
    }
}

}  // namespace

bool validateAudioConfig(const AudioConfig& audio) {
    if (!checkFields<AC>(audio, kAudio, kAudioChecks)) return false;
    for (uint32_t type = 0; type < kMicCount; ++type)
        if (!checkFields<Mic>(audio.microphones[type], kMics[type].fields, kMics[type].checks))
            return false;
    for (const Out& output : audio.audioEioOutputs)
        if (!checkFields<Out>(output, kOutput)) return false;
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
    writeXmlFields<AC>(os, audio, kAudio, 3);
    os << " >\n";
    writeMicrophones(os, audio);
    if (gateOpen(Gate::Extended)) writeVoiceAnnunciation(os, audio);
    if (gateOpen(Gate::VrMobile)) writeAudioOutputs(os, audio);
    os << "</audioConfig>\n";
    return os;
}

bool readAudioConfig(pugi::xml_node node, AudioConfig& audio) {
    readMicrophones(node, audio);
    readFields<AC>(node, audio, kAudio);  // tolerant: never fails
    bool ok = validateAudioConfig(audio);
    if (!gateOpen(Gate::Extended)) return ok;
    if (pugi::xml_node voice = node.child("voiceAnnunciation"))
        ok = readVoiceAnnunciation(voice, audio, ok);
    if (ok) readAudioOutputs(node.child("audioEioOutputCfg"), audio);
    return ok;
}

}  // namespace tarin
