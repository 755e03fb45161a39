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
    std::span<const Field<R>> fields;
    const char* close;
};

// The check of one part's rows: those visited (without a list, every row with a range, in
// order).
template <class R>
struct FeatureCheck {
    std::span<const Field<R>> fields;
    std::span<const Visit> order = {};
};

template <class R>
struct Feature {
    Gate gate;  // the codes the writer writes for
    std::span<const FeaturePart<R>> parts;
    const char* end;  // after the parts
    // The check, part by part in this order; without a list, every part in turn.
    std::span<const FeatureCheck<R>> checks = {};
};

template <class R>
std::wostream& writeFeature(std::wostream& os, const R& rec, const Feature<R>& feature) {
    if (!isXmlMode(os) || !gateOpen(feature.gate)) return os;
    for (const FeaturePart<R>& part : feature.parts) {
        os << part.open;
        writeXmlFields<R>(os, rec, part.fields, 3);
        os << part.close;
    }
    return os << feature.end;
}

template <class R>
bool checkFeature(const R& rec, const Feature<R>& feature) {
    if (feature.checks.empty()) {
        for (const FeaturePart<R>& part : feature.parts)
            if (!checkFields<R>(rec, part.fields)) return false;
        return true;
    }
    for (const FeatureCheck<R>& check : feature.checks)
        if (!checkFields<R>(rec, check.fields, check.order)) return false;
    return true;
}

template <class R>
bool readFeature(pugi::xml_node node, R& rec, const Feature<R>& feature) {
    if (!node) return true;
    bool ok = true;
    for (const FeaturePart<R>& part : feature.parts) {
        pugi::xml_node from = part.child ? node.child(part.child) : node;
        if (from) ok = readEveryField<R>(from, rec, part.fields) && ok;
    }
    return ok && checkFeature(rec, feature);
}

// The check's range of a switch that it judges.
constexpr Judged kSwitch{0, 1};

// A required OFF/ON switch, judged by the check where `check` says so.
template <class R>
constexpr Field<R> onOff(const char* name, uint32_t R::*member,
                         std::optional<Judged> check = std::nullopt) {
    return {.name = name, .member = member, .names = &OnOffNames, .check = check};
}

// ---- hazardConfig ----------------------------------------------------------------------

using HZ = HazardConfig;

const Field<HZ> kHazard[] = {
    onOff<HZ>("hazardModeEnable", &HZ::hazardModeEnable),
    onOff<HZ>("frontDisplayEnable", &HZ::frontDisplayEnable),
    number<HZ>("entryVoiceAnnunciation", &HZ::entryVoiceAnnunciation, 0, kMaxVoiceFile),
    number<HZ>("exitVoiceAnnunciation", &HZ::exitVoiceAnnunciation, 0, kMaxVoiceFile),
    number<HZ>("powerOffVoiceAnnunciation", &HZ::powerOffVoiceAnnunciation, 0, kMaxVoiceFile),
    number<HZ>("nonCompliantVoiceAnnunciation", &HZ::nonCompliantVoiceAnnunciation, 0,
               kMaxVoiceFile),
};

const FeaturePart<HZ> kHazardParts[] = {
    {nullptr, "<hazardConfig \n", kHazard, "   />\n"},
};

const Feature<HZ> kHazardFeature = {Gate::Extended, kHazardParts, ""};

// ---- selfCheckConfig -------------------------------------------------------------------

using SC = SelfCheckConfig;

const Field<SC> kSelfCheck[] = {
    onOff<SC>("selfCheckEnable", &SC::selfCheckEnable),
    onOff<SC>("FRSMConnection", &SC::FRSMConnection),
    onOff<SC>("antennaConnection", &SC::antennaConnection),
    onOff<SC>("radioTemperature", &SC::radioTemperature),
    onOff<SC>("batteryCapacity", &SC::batteryCapacity),
    number<SC>("PeriodicTimer", &SC::PeriodicTimer, 1, 240),
    number<SC>("selfCheckVAFileIndex", &SC::selfCheckVAFileIndex, 0, kMaxVoiceFile),
};

const FeaturePart<SC> kSelfCheckParts[] = {
    {nullptr, "<selfCheckConfig \n", kSelfCheck, "   />\n"},
};

// The check judges the voice file before the timer.
const Visit kSelfCheckOrder[] = {{"selfCheckVAFileIndex"}, {"PeriodicTimer"}};
const FeatureCheck<SC> kSelfCheckChecks[] = {{kSelfCheck, kSelfCheckOrder}};

const Feature<SC> kSelfCheckFeature = {Gate::Extended, kSelfCheckParts, "", kSelfCheckChecks};

// ---- VRMobileConfig --------------------------------------------------------------------

using VR = VrMobileConfig;

const Field<VR> kVrMobile[] = {
    onOff<VR>("NoneModeEnable", &VR::NoneModeEnable, kSwitch),
    onOff<VR>("EVRSCapableModeEnable", &VR::EVRSCapableModeEnable, kSwitch),
    onOff<VR>("AVRSCapableModeEnable", &VR::AVRSCapableModeEnable, kSwitch),
};

const FeaturePart<VR> kVrMobileParts[] = {
    {nullptr, "<VRMobileConfig \n", kVrMobile, "   />\n"},
};

const Feature<VR> kVrMobileFeature = {Gate::VrMobile, kVrMobileParts, ""};

// ---- logEventsConfig -------------------------------------------------------------------

using LE = LogEventsConfig;

const Field<LE> kLogEvents[] = {
    onOff<LE>("logEvent", &LE::logEvent, kSwitch),
    onOff<LE>("devicePowerOnOffLog", &LE::devicePowerOnOffLog, kSwitch),
    onOff<LE>("emergencyDeclareLog", &LE::emergencyDeclareLog, kSwitch),
    onOff<LE>("userInputLog", &LE::userInputLog, kSwitch),
    onOff<LE>("batteryCapacityLog", &LE::batteryCapacityLog, kSwitch),
    onOff<LE>("channelTalkGroupSelectionLog", &LE::channelTalkGroupSelectionLog, kSwitch),
    onOff<LE>("zoneSystemSelectionLog", &LE::zoneSystemSelectionLog, kSwitch),
    onOff<LE>("missionPlanSelectionLog", &LE::missionPlanSelectionLog, kSwitch),
    onOff<LE>("overTempEventLog", &LE::overTempEventLog, kSwitch),
};

const FeaturePart<LE> kLogEventsParts[] = {
    {nullptr, "<logEventsConfig\n", kLogEvents, "   />\n"},
};

const Feature<LE> kLogEventsFeature = {Gate::Extended, kLogEventsParts, ""};

// ---- VideoSettingsConfig ---------------------------------------------------------------

using VS = VideoSettings;

const Field<VS> kVideoTrigger[] = {
    onOff<VS>("VideoTriggerEnable", &VS::VideoTriggerEnable, kSwitch),
};
const Field<VS> kVideoAudio[] = {
    number<VS>("CameraOnAudioFile", &VS::CameraOnAudioFile, 0, kMaxVoiceFile),
    number<VS>("cameraOffAudioFile", &VS::cameraOffAudioFile, 0, kMaxVoiceFile),
    number<VS>("cameraConnectedAudioFile", &VS::cameraConnectedAudioFile, 0, kMaxVoiceFile),
    number<VS>("cameraDisConnectedAudioFile", &VS::cameraDisConnectedAudioFile, 0, kMaxVoiceFile),
};
const Field<VS> kBodyCam[] = {
    onOff<VS>("BodyCamEmergencyEnable", &VS::BodyCamEmergencyEnable, kSwitch),
};
const Field<VS> kDashCam[] = {
    onOff<VS>("DashCamEmergencyEnable", &VS::DashCamEmergencyEnable, kSwitch),
};

const FeaturePart<VS> kVideoParts[] = {
    {nullptr, "<VideoSettingsConfig\n", kVideoTrigger, " >\n"},
    {"VoiceAnnunciation", "<VoiceAnnunciation\n", kVideoAudio, "   />\n"},
    {"BodyCamTrigger", "<BodyCamTrigger\n", kBodyCam, "   />\n"},
    {"DashCamTrigger", "<DashCamTrigger\n", kDashCam, "   />\n"},
};

// The check judges the switches before the voice files.
const FeatureCheck<VS> kVideoChecks[] = {
    {kVideoTrigger},
    {kBodyCam},
    {kDashCam},
    {kVideoAudio},
};

const Feature<VS> kVideoFeature = {Gate::Extended, kVideoParts, "</VideoSettingsConfig>\n",
                                   kVideoChecks};

}  // namespace

std::wostream& writeHazardConfig(std::wostream& os, const HazardConfig& hazard) {
    return writeFeature(os, hazard, kHazardFeature);
}

bool readHazardConfig(pugi::xml_node node, HazardConfig& hazard) {
    return readFeature(node, hazard, kHazardFeature);
}

std::wostream& writeSelfCheckConfig(std::wostream& os, const SelfCheckConfig& check) {
    return writeFeature(os, check, kSelfCheckFeature);
}

bool readSelfCheckConfig(pugi::xml_node node, SelfCheckConfig& check) {
    return readFeature(node, check, kSelfCheckFeature);
}

std::wostream& writeVrMobileConfig(std::wostream& os, const VrMobileConfig& vr) {
    return writeFeature(os, vr, kVrMobileFeature);
}

bool readVrMobileConfig(pugi::xml_node node, VrMobileConfig& vr) {
    return readFeature(node, vr, kVrMobileFeature);
}

std::wostream& writeLogEventsConfig(std::wostream& os, const LogEventsConfig& log) {
    return writeFeature(os, log, kLogEventsFeature);
}

bool readLogEventsConfig(pugi::xml_node node, LogEventsConfig& log) {
    return readFeature(node, log, kLogEventsFeature);
}

// The platform root never writes this section; the dispatcher reads it.
std::wostream& writeVideoSettingsConfig(std::wostream& os, const VideoSettings& video) {
    return writeFeature(os, video, kVideoFeature);
}

bool readVideoSettingsConfig(pugi::xml_node node, VideoSettings& video) {
    return readFeature(node, video, kVideoFeature);
}

}  // namespace tarin
