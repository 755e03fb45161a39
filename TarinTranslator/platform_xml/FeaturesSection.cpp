#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/Sections.h"

// The flat feature sections of the extended platforms: hazardConfig, selfCheckConfig,
// VRMobileConfig, logEventsConfig and VideoSettingsConfig. XML only. Reading: a missing
// section changes nothing and succeeds; otherwise every attribute is required, each one
// that converts is stored, reading goes on past a failure, and the result needs no
// failure and a passing check.

namespace tarin {

namespace {

constexpr int64_t kMaxVoiceFile = 5000;

// One element of a section: the section element itself or a child of it, which is read
// only when present.
template <class R>
struct FeaturePart {
    const char* child;  // nullptr: the section element
    const char* open;
    std::span<const XmlAttr<R>> xml;
    std::span<const ReadAttr<R>> read;
    const char* close;
};

template <class R>
struct Feature {
    Gate gate;  // the codes the writer writes for
    std::span<const FeaturePart<R>> parts;
    const char* end;  // after the parts
    std::span<const Check<R>> checks;
};

template <class R>
std::wostream& writeFeature(std::wostream& os, const R& rec, const Feature<R>& feature) {
    if (!isXmlMode(os) || !gateOpen(feature.gate)) return os;
    for (const FeaturePart<R>& part : feature.parts) {
        os << part.open;
        writeXmlAttrs<R>(os, rec, part.xml);
        os << part.close;
    }
    return os << feature.end;
}

template <class R>
bool readFeature(pugi::xml_node node, R& rec, const Feature<R>& feature) {
    if (!node) return true;
    bool ok = true;
    for (const FeaturePart<R>& part : feature.parts) {
        pugi::xml_node from = part.child ? node.child(part.child) : node;
        if (from) ok = readEveryAttr<R>(from, rec, part.read) && ok;
    }
    return ok && checkRanges<R>(rec, feature.checks);
}

// A number whose base follows its text: decimal, "0x" hexadecimal, leading-zero octal.
template <class R>
constexpr ReadAttr<R> numberRead(const char* name, uint32_t R::*field, int64_t min, int64_t max) {
    return {.name = name, .field = field, .min = min, .max = max, .base = 0};
}

template <class R>
constexpr ReadAttr<R> onOffRead(const char* name, uint32_t R::*field) {
    return {.name = name, .field = field, .names = &OnOffNames};
}

// ---- hazardConfig ----------------------------------------------------------------------

using HZ = HazardConfig;

const XmlAttr<HZ> kHazardXml[] = {
    {"   hazardModeEnable='", &HZ::hazardModeEnable, &OnOffNames},
    {"   frontDisplayEnable='", &HZ::frontDisplayEnable, &OnOffNames},
    {"   entryVoiceAnnunciation='", &HZ::entryVoiceAnnunciation},
    {"   exitVoiceAnnunciation='", &HZ::exitVoiceAnnunciation},
    {"   powerOffVoiceAnnunciation='", &HZ::powerOffVoiceAnnunciation},
    {"   nonCompliantVoiceAnnunciation='", &HZ::nonCompliantVoiceAnnunciation},
};

const ReadAttr<HZ> kHazardRead[] = {
    onOffRead<HZ>("hazardModeEnable", &HZ::hazardModeEnable),
    onOffRead<HZ>("frontDisplayEnable", &HZ::frontDisplayEnable),
    numberRead<HZ>("entryVoiceAnnunciation", &HZ::entryVoiceAnnunciation, 0, kMaxVoiceFile),
    numberRead<HZ>("exitVoiceAnnunciation", &HZ::exitVoiceAnnunciation, 0, kMaxVoiceFile),
    numberRead<HZ>("powerOffVoiceAnnunciation", &HZ::powerOffVoiceAnnunciation, 0, kMaxVoiceFile),
    numberRead<HZ>("nonCompliantVoiceAnnunciation", &HZ::nonCompliantVoiceAnnunciation, 0,
                   kMaxVoiceFile),
};

const Check<HZ> kHazardChecks[] = {
    {"entryVoiceAnnunciation", &HZ::entryVoiceAnnunciation, 0, kMaxVoiceFile},
    {"exitVoiceAnnunciation", &HZ::exitVoiceAnnunciation, 0, kMaxVoiceFile},
    {"powerOffVoiceAnnunciation", &HZ::powerOffVoiceAnnunciation, 0, kMaxVoiceFile},
    {"nonCompliantVoiceAnnunciation", &HZ::nonCompliantVoiceAnnunciation, 0, kMaxVoiceFile},
};

const FeaturePart<HZ> kHazardParts[] = {
    {nullptr, "<hazardConfig \n", kHazardXml, kHazardRead, "   />\n"},
};

const Feature<HZ> kHazard = {Gate::Extended, kHazardParts, "", kHazardChecks};

// ---- selfCheckConfig -------------------------------------------------------------------

using SC = SelfCheckConfig;

const XmlAttr<SC> kSelfCheckXml[] = {
    {"   selfCheckEnable='", &SC::selfCheckEnable, &OnOffNames},
    {"   FRSMConnection='", &SC::FRSMConnection, &OnOffNames},
    {"   antennaConnection='", &SC::antennaConnection, &OnOffNames},
    {"   radioTemperature='", &SC::radioTemperature, &OnOffNames},
    {"   batteryCapacity='", &SC::batteryCapacity, &OnOffNames},
    {"   PeriodicTimer='", &SC::PeriodicTimer},
    {"   selfCheckVAFileIndex='", &SC::selfCheckVAFileIndex},
};

const ReadAttr<SC> kSelfCheckRead[] = {
    onOffRead<SC>("selfCheckEnable", &SC::selfCheckEnable),
    onOffRead<SC>("FRSMConnection", &SC::FRSMConnection),
    onOffRead<SC>("antennaConnection", &SC::antennaConnection),
    onOffRead<SC>("radioTemperature", &SC::radioTemperature),
    onOffRead<SC>("batteryCapacity", &SC::batteryCapacity),
    numberRead<SC>("PeriodicTimer", &SC::PeriodicTimer, 1, 240),
    numberRead<SC>("selfCheckVAFileIndex", &SC::selfCheckVAFileIndex, 0, kMaxVoiceFile),
};

const Check<SC> kSelfCheckChecks[] = {
    {"selfCheckVAFileIndex", &SC::selfCheckVAFileIndex, 0, kMaxVoiceFile},
    {"PeriodicTimer", &SC::PeriodicTimer, 1, 240},
};

const FeaturePart<SC> kSelfCheckParts[] = {
    {nullptr, "<selfCheckConfig \n", kSelfCheckXml, kSelfCheckRead, "   />\n"},
};

const Feature<SC> kSelfCheck = {Gate::Extended, kSelfCheckParts, "", kSelfCheckChecks};

// ---- VRMobileConfig --------------------------------------------------------------------

using VR = VrMobileConfig;

const XmlAttr<VR> kVrMobileXml[] = {
    {"   NoneModeEnable='", &VR::NoneModeEnable, &OnOffNames},
    {"   EVRSCapableModeEnable='", &VR::EVRSCapableModeEnable, &OnOffNames},
    {"   AVRSCapableModeEnable='", &VR::AVRSCapableModeEnable, &OnOffNames},
};

const ReadAttr<VR> kVrMobileRead[] = {
    onOffRead<VR>("NoneModeEnable", &VR::NoneModeEnable),
    onOffRead<VR>("EVRSCapableModeEnable", &VR::EVRSCapableModeEnable),
    onOffRead<VR>("AVRSCapableModeEnable", &VR::AVRSCapableModeEnable),
};

const Check<VR> kVrMobileChecks[] = {
    {"NoneModeEnable", &VR::NoneModeEnable, 0, 1},
    {"EVRSCapableModeEnable", &VR::EVRSCapableModeEnable, 0, 1},
    {"AVRSCapableModeEnable", &VR::AVRSCapableModeEnable, 0, 1},
};

const FeaturePart<VR> kVrMobileParts[] = {
    {nullptr, "<VRMobileConfig \n", kVrMobileXml, kVrMobileRead, "   />\n"},
};

const Feature<VR> kVrMobile = {Gate::VrMobile, kVrMobileParts, "", kVrMobileChecks};

// ---- logEventsConfig -------------------------------------------------------------------

using LE = LogEventsConfig;

const XmlAttr<LE> kLogEventsXml[] = {
    {"   logEvent='", &LE::logEvent, &OnOffNames},
    {"   devicePowerOnOffLog='", &LE::devicePowerOnOffLog, &OnOffNames},
    {"   emergencyDeclareLog='", &LE::emergencyDeclareLog, &OnOffNames},
    {"   userInputLog='", &LE::userInputLog, &OnOffNames},
    {"   batteryCapacityLog='", &LE::batteryCapacityLog, &OnOffNames},
    {"   channelTalkGroupSelectionLog='", &LE::channelTalkGroupSelectionLog, &OnOffNames},
    {"   zoneSystemSelectionLog='", &LE::zoneSystemSelectionLog, &OnOffNames},
    {"   missionPlanSelectionLog='", &LE::missionPlanSelectionLog, &OnOffNames},
    {"   overTempEventLog='", &LE::overTempEventLog, &OnOffNames},
};

const ReadAttr<LE> kLogEventsRead[] = {
    onOffRead<LE>("logEvent", &LE::logEvent),
    onOffRead<LE>("devicePowerOnOffLog", &LE::devicePowerOnOffLog),
    onOffRead<LE>("emergencyDeclareLog", &LE::emergencyDeclareLog),
    onOffRead<LE>("userInputLog", &LE::userInputLog),
    onOffRead<LE>("batteryCapacityLog", &LE::batteryCapacityLog),
    onOffRead<LE>("channelTalkGroupSelectionLog", &LE::channelTalkGroupSelectionLog),
    onOffRead<LE>("zoneSystemSelectionLog", &LE::zoneSystemSelectionLog),
    onOffRead<LE>("missionPlanSelectionLog", &LE::missionPlanSelectionLog),
    onOffRead<LE>("overTempEventLog", &LE::overTempEventLog),
};

const Check<LE> kLogEventsChecks[] = {
    {"logEvent", &LE::logEvent, 0, 1},
    {"devicePowerOnOffLog", &LE::devicePowerOnOffLog, 0, 1},
    {"emergencyDeclareLog", &LE::emergencyDeclareLog, 0, 1},
    {"userInputLog", &LE::userInputLog, 0, 1},
    {"batteryCapacityLog", &LE::batteryCapacityLog, 0, 1},
    {"channelTalkGroupSelectionLog", &LE::channelTalkGroupSelectionLog, 0, 1},
    {"zoneSystemSelectionLog", &LE::zoneSystemSelectionLog, 0, 1},
    {"missionPlanSelectionLog", &LE::missionPlanSelectionLog, 0, 1},
    {"overTempEventLog", &LE::overTempEventLog, 0, 1},
};

const FeaturePart<LE> kLogEventsParts[] = {
    {nullptr, "<logEventsConfig\n", kLogEventsXml, kLogEventsRead, "   />\n"},
};

const Feature<LE> kLogEvents = {Gate::Extended, kLogEventsParts, "", kLogEventsChecks};

// ---- VideoSettingsConfig ---------------------------------------------------------------

using VS = VideoSettings;

const XmlAttr<VS> kVideoTriggerXml[] = {
    {"   VideoTriggerEnable='", &VS::VideoTriggerEnable, &OnOffNames},
};
const XmlAttr<VS> kVideoAudioXml[] = {
    {"   CameraOnAudioFile='", &VS::CameraOnAudioFile},
    {"   cameraOffAudioFile='", &VS::cameraOffAudioFile},
    {"   cameraConnectedAudioFile='", &VS::cameraConnectedAudioFile},
    {"   cameraDisConnectedAudioFile='", &VS::cameraDisConnectedAudioFile},
};
const XmlAttr<VS> kBodyCamXml[] = {
    {"   BodyCamEmergencyEnable='", &VS::BodyCamEmergencyEnable, &OnOffNames},
};
const XmlAttr<VS> kDashCamXml[] = {
    {"   DashCamEmergencyEnable='", &VS::DashCamEmergencyEnable, &OnOffNames},
};

const ReadAttr<VS> kVideoTriggerRead[] = {
    onOffRead<VS>("VideoTriggerEnable", &VS::VideoTriggerEnable),
};
const ReadAttr<VS> kVideoAudioRead[] = {
    numberRead<VS>("CameraOnAudioFile", &VS::CameraOnAudioFile, 0, kMaxVoiceFile),
    numberRead<VS>("cameraOffAudioFile", &VS::cameraOffAudioFile, 0, kMaxVoiceFile),
    numberRead<VS>("cameraConnectedAudioFile", &VS::cameraConnectedAudioFile, 0, kMaxVoiceFile),
    numberRead<VS>("cameraDisConnectedAudioFile", &VS::cameraDisConnectedAudioFile, 0,
                   kMaxVoiceFile),
};
const ReadAttr<VS> kBodyCamRead[] = {
    onOffRead<VS>("BodyCamEmergencyEnable", &VS::BodyCamEmergencyEnable),
};
const ReadAttr<VS> kDashCamRead[] = {
    onOffRead<VS>("DashCamEmergencyEnable", &VS::DashCamEmergencyEnable),
};

const Check<VS> kVideoChecks[] = {
    {"VideoTriggerEnable", &VS::VideoTriggerEnable, 0, 1},
    {"BodyCamEmergencyEnable", &VS::BodyCamEmergencyEnable, 0, 1},
    {"DashCamEmergencyEnable", &VS::DashCamEmergencyEnable, 0, 1},
    {"CameraOnAudioFile", &VS::CameraOnAudioFile, 0, kMaxVoiceFile},
    {"cameraOffAudioFile", &VS::cameraOffAudioFile, 0, kMaxVoiceFile},
    {"cameraConnectedAudioFile", &VS::cameraConnectedAudioFile, 0, kMaxVoiceFile},
    {"cameraDisConnectedAudioFile", &VS::cameraDisConnectedAudioFile, 0, kMaxVoiceFile},
};

const FeaturePart<VS> kVideoParts[] = {
    {nullptr, "<VideoSettingsConfig\n", kVideoTriggerXml, kVideoTriggerRead, " >\n"},
    {"VoiceAnnunciation", "<VoiceAnnunciation\n", kVideoAudioXml, kVideoAudioRead, "   />\n"},
    {"BodyCamTrigger", "<BodyCamTrigger\n", kBodyCamXml, kBodyCamRead, "   />\n"},
    {"DashCamTrigger", "<DashCamTrigger\n", kDashCamXml, kDashCamRead, "   />\n"},
};

const Feature<VS> kVideo = {Gate::Extended, kVideoParts, "</VideoSettingsConfig>\n", kVideoChecks};

}  // namespace

std::wostream& writeHazardConfig(std::wostream& os, const HazardConfig& hazard) {
    return writeFeature(os, hazard, kHazard);
}

bool readHazardConfig(pugi::xml_node node, HazardConfig& hazard) {
    return readFeature(node, hazard, kHazard);
}

std::wostream& writeSelfCheckConfig(std::wostream& os, const SelfCheckConfig& check) {
    return writeFeature(os, check, kSelfCheck);
}

bool readSelfCheckConfig(pugi::xml_node node, SelfCheckConfig& check) {
    return readFeature(node, check, kSelfCheck);
}

std::wostream& writeVrMobileConfig(std::wostream& os, const VrMobileConfig& vr) {
    return writeFeature(os, vr, kVrMobile);
}

bool readVrMobileConfig(pugi::xml_node node, VrMobileConfig& vr) {
    return readFeature(node, vr, kVrMobile);
}

std::wostream& writeLogEventsConfig(std::wostream& os, const LogEventsConfig& log) {
    return writeFeature(os, log, kLogEvents);
}

bool readLogEventsConfig(pugi::xml_node node, LogEventsConfig& log) {
    return readFeature(node, log, kLogEvents);
}

// The platform root never writes this section; the dispatcher reads it.
std::wostream& writeVideoSettingsConfig(std::wostream& os, const VideoSettings& video) {
    return writeFeature(os, video, kVideo);
}

bool readVideoSettingsConfig(pugi::xml_node node, VideoSettings& video) {
    return readFeature(node, video, kVideo);
}

}  // namespace tarin
