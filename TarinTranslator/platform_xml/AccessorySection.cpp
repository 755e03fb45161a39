#include <string_view>

#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/Sections.h"

// accessoryConfig and manDownConfig. Neither section exists on the VR-mobile codes: their
// writers emit nothing there, in either mode, and the dispatcher does not read them.

namespace tarin {

namespace {

// ---- accessoryConfig -------------------------------------------------------------------

using Acc = AccessoryConfig;

// The root writes "<accessoryConfig " before these lines and "    >\n" after them.
const XmlAttr<Acc> kAccessoryXml[] = {
    {"   noiseCancellation ='", &Acc::noiseCancellation, &OnOffNames},
    {"   micSelectMode='", &Acc::micSelectMode, &MicSelectModeNames},
    {"   pttMode='", &Acc::pttMode, &AccessoryPttModeNames},
    {" frsmFailureIndication='", &Acc::frsmFailureIndication, &OnOffNames},
    {" accessoryNFPARsmPTTandEmerLine='", &Acc::accessoryNFPARsmPTTandEmerLine, &OnOffNames},
    {"   frsmFailureVoiceAnnunciation='", &Acc::frsmFailureVoiceAnnunciation},
    {"   volControlMode ='", &Acc::volControlMode, &VolControlModeNames},
};

// The summary leaves out volControlMode and leaves two quotes open; readers of it expect
// exactly this text.
const SummaryItem<Acc> kAccessorySummary[] = {
    {"{noiseCancellation: ", &Acc::noiseCancellation, Shown::Name, &OnOffNames},
    {", micSelectMode: ", &Acc::micSelectMode, Shown::Name, &MicSelectModeNames},
    {", pttMode: ", &Acc::pttMode, Shown::Name, &AccessoryPttModeNames},
    {", frsmFailureIndication: '", &Acc::frsmFailureIndication, Shown::Name, &OnOffNames},
    {", accessoryNFPARsmPTTandEmerLine='", &Acc::accessoryNFPARsmPTTandEmerLine, Shown::Name,
     &OnOffNames},
    {"   frsmFailureVoiceAnnunciation: '", &Acc::frsmFailureVoiceAnnunciation},
};

constexpr int64_t kMaxVoiceAnnunciation = 5000;

// Every attribute is optional; the voice annunciation number takes its base from the text.
const ReadAttr<Acc> kAccessoryRead[] = {
    {.name = "noiseCancellation",
     .field = &Acc::noiseCancellation,
     .names = &OnOffNames,
     .use = Use::Optional},
    {.name = "micSelectMode",
     .field = &Acc::micSelectMode,
     .names = &MicSelectModeNames,
     .use = Use::Optional},
    {.name = "pttMode",
     .field = &Acc::pttMode,
     .names = &AccessoryPttModeNames,
     .use = Use::Optional},
    {.name = "frsmFailureIndication",
     .field = &Acc::frsmFailureIndication,
     .names = &OnOffNames,
     .use = Use::Optional},
    {.name = "accessoryNFPARsmPTTandEmerLine",
     .field = &Acc::accessoryNFPARsmPTTandEmerLine,
     .names = &OnOffNames,
     .use = Use::Optional},
    {.name = "frsmFailureVoiceAnnunciation",
     .field = &Acc::frsmFailureVoiceAnnunciation,
     .use = Use::Optional,
     .min = 0,
     .max = kMaxVoiceAnnunciation,
     .base = 0},
    {.name = "volControlMode",
     .field = &Acc::volControlMode,
     .names = &VolControlModeNames,
     .use = Use::Optional},
};

const Check<Acc> kAccessoryChecks[] = {
    {"noiseCancellation", &Acc::noiseCancellation, 0, 1},
    {"micSelectMode", &Acc::micSelectMode, 0, 4},
    {"pttMode", &Acc::pttMode, 0, 3},
    {"frsmFailureVoiceAnnunciation", &Acc::frsmFailureVoiceAnnunciation, 0, kMaxVoiceAnnunciation},
    {"accessoryNFPARsmPTTandEmerLine", &Acc::accessoryNFPARsmPTTandEmerLine, 0, 1},
    {"volControlMode", &Acc::volControlMode, 0, 2},
};

// ---- manDownConfig ---------------------------------------------------------------------

using MD = ManDownConfig;

constexpr std::wstring_view kManDownAction = L"MD_EMERGENCY_CALL";
constexpr int64_t kMaxManDownTime = 240;
constexpr int64_t kMaxManDownLevel = 5;

const XmlAttr<MD> kManDownXml[] = {
    {"   inactivityTime='", &MD::inactivityTime},
    {"   warningTime='", &MD::warningTime},
    {"   sensitivity='", &MD::sensitivity},
    {"   action='", &MD::action},
    {"   use_case='", &MD::use_case},
    {"   beacon_tone='", &MD::beacon_tone, &OnOffNames},
    {"   accessory_mode='", &MD::accessory_mode, &OnOffNames},
    {"   obs_spkr_warn='", &MD::obs_spkr_warn, &OnOffNames, Gate::Hazard},
};

const SummaryItem<MD> kManDownSummary[] = {
    {"{ inactivityTime: ", &MD::inactivityTime},
    {", warningTime: ", &MD::warningTime},
    {", sensitivity: ", &MD::sensitivity},
    {", action: \"", &MD::action, Shown::Quoted},
    {", use_case: ", &MD::use_case},
    {", beacon_tone: ", &MD::beacon_tone},
    {", accessory_mode: ", &MD::accessory_mode},
};

// The required items must all be present for the section to be read at all; the writer
// emits obs_spkr_warn for the hazard codes only, so it is optional.
const ReadAttr<MD> kManDownRead[] = {
    {.name = "inactivityTime", .field = &MD::inactivityTime, .min = 0, .max = kMaxManDownTime},
    {.name = "warningTime", .field = &MD::warningTime, .min = 0, .max = kMaxManDownTime},
    {.name = "sensitivity", .field = &MD::sensitivity, .min = 0, .max = kMaxManDownLevel},
    {.name = "action", .field = &MD::action},
    {.name = "use_case", .field = &MD::use_case, .min = 0, .max = kMaxManDownLevel},
    {.name = "beacon_tone", .field = &MD::beacon_tone, .names = &OnOffNames},
    {.name = "accessory_mode", .field = &MD::accessory_mode, .names = &OnOffNames},
    {.name = "obs_spkr_warn",
     .field = &MD::obs_spkr_warn,
     .names = &OnOffNames,
     .use = Use::Optional},
};

const Check<MD> kManDownChecks[] = {
    {"inactivityTime", &MD::inactivityTime, 0, kMaxManDownTime},
    {"warningTime", &MD::warningTime, 0, kMaxManDownTime},
    {"sensitivity", &MD::sensitivity, 0, kMaxManDownLevel},
    {"obs_spkr_warn", &MD::obs_spkr_warn, 0, 1},
};

template <class R>
bool requiredPresent(pugi::xml_node node, std::span<const ReadAttr<R>> items) {
    for (const ReadAttr<R>& item : items)
        if (item.use == Use::Required && !node.attribute(item.name)) return false;
    return true;
}

}  // namespace

std::wostream& writeAccessoryConfig(std::wostream& os, const AccessoryConfig& acc) {
    if (isVrMobileCode(currentRadioType())) return os;
    if (isXmlMode(os)) {
        writeXmlAttrs<Acc>(os, acc, kAccessoryXml);
    } else {
        writeSummaryItems<Acc>(os, acc, kAccessorySummary);
        os << "}";
    }
    return os;
}

bool readAccessoryConfig(pugi::xml_node node, HandheldPlatform& platform) {
    if (!node) return false;
    AccessoryConfig& acc = platform.accessoryConfig;
    return readAttrs<Acc>(node, acc, kAccessoryRead) && checkRanges<Acc>(acc, kAccessoryChecks) &&
           readAccessoryButtons(node, platform.accessoryButtons);
}

std::wostream& writeManDownConfig(std::wostream& os, const ManDownConfig& md) {
    if (isVrMobileCode(currentRadioType())) return os;
    if (isXmlMode(os)) {
        os << "<manDownConfig\n";
        writeXmlAttrs<MD>(os, md, kManDownXml);
        os << " />\n";
    } else {
        writeSummaryItems<MD>(os, md, kManDownSummary);
        os << "}";
    }
    return os;
}

bool readManDownConfig(pugi::xml_node node, ManDownConfig& md) {
    // A missing element, or one without the seven required attributes, is left unread.
    if (!node || !requiredPresent<MD>(node, kManDownRead)) return true;
    return readAttrs<MD>(node, md, kManDownRead) && checkRanges<MD>(md, kManDownChecks) &&
           expect(md.action == kManDownAction, "action", [&] {
               return "action=" + quoted(pugi::as_utf8(md.action)) + " is not MD_EMERGENCY_CALL";
           });
}

}  // namespace tarin
