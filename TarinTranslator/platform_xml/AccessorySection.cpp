#include <string_view>

#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/Sections.h"

// accessoryConfig and manDownConfig. Neither section exists on the VR-mobile codes: their
// writers emit nothing there, in either mode, and the dispatcher does not read them.

namespace tarin {

namespace {

// ---- accessoryConfig -------------------------------------------------------------------

using Acc = AccessoryConfig;

constexpr int64_t kMaxVoiceAnnunciation = 5000;

// An enumerated attribute, optional like every one of the section; `check` is the range
// the section check holds it to, if it judges it.
constexpr Field<Acc> optionalName(const char* name, uint32_t Acc::*member, const VocabTable* names,
                                  std::optional<Judged> check, const char* literal = nullptr) {
    return {.name = name,
            .member = member,
            .names = names,
            .use = Use::Optional,
            .check = check,
            .literal = literal};
}

// The root writes "<accessoryConfig " before these lines and "    >\n" after them; some
// lines keep their own spacing. The voice annunciation number takes its base from the text.
const Field<Acc> kAccessory[] = {
    optionalName("noiseCancellation", &Acc::noiseCancellation, &OnOffNames, Judged{0, 1},
                 "   noiseCancellation ='"),
    optionalName("micSelectMode", &Acc::micSelectMode, &MicSelectModeNames, Judged{0, 4}),
    optionalName("pttMode", &Acc::pttMode, &AccessoryPttModeNames, Judged{0, 3}),
    optionalName("frsmFailureIndication", &Acc::frsmFailureIndication, &OnOffNames, std::nullopt,
                 " frsmFailureIndication='"),
    optionalName("accessoryNFPARsmPTTandEmerLine", &Acc::accessoryNFPARsmPTTandEmerLine,
                 &OnOffNames, Judged{0, 1}, " accessoryNFPARsmPTTandEmerLine='"),
    {.name = "frsmFailureVoiceAnnunciation",
     .member = &Acc::frsmFailureVoiceAnnunciation,
     .use = Use::Optional,
     .min = 0,
     .max = kMaxVoiceAnnunciation,
     .base = 0,
     .check = Judged{0, kMaxVoiceAnnunciation}},
    optionalName("volControlMode", &Acc::volControlMode, &VolControlModeNames, Judged{0, 2},
                 "   volControlMode ='"),
};

// The check judges the voice annunciation number before the NFPA line.
const Visit kAccessoryChecks[] = {
    {"noiseCancellation"},
    {"micSelectMode"},
    {"pttMode"},
    {"frsmFailureVoiceAnnunciation"},
    {"accessoryNFPARsmPTTandEmerLine"},
    {"volControlMode"},
};

// The summary leaves out volControlMode and leaves two quotes open; readers of it expect
// exactly this text.
const SummaryVisit kAccessorySummary[] = {
    {"noiseCancellation", "{noiseCancellation: ", Shown::Name},
    {"micSelectMode", ", micSelectMode: ", Shown::Name},
    {"pttMode", ", pttMode: ", Shown::Name},
    {"frsmFailureIndication", ", frsmFailureIndication: '", Shown::Name},
    {"accessoryNFPARsmPTTandEmerLine", ", accessoryNFPARsmPTTandEmerLine='", Shown::Name},
    {"frsmFailureVoiceAnnunciation", "   frsmFailureVoiceAnnunciation: '"},
};

// ---- manDownConfig ---------------------------------------------------------------------

using MD = ManDownConfig;

constexpr std::wstring_view kManDownAction = L"MD_EMERGENCY_CALL";
constexpr int64_t kMaxManDownTime = 240;
constexpr int64_t kMaxManDownLevel = 5;

// A required number in [0, max]; `checked` when the section check holds it there too.
constexpr Field<MD> bounded(const char* name, uint32_t MD::*member, int64_t max, bool checked) {
    return {.name = name,
            .member = member,
            .min = 0,
            .max = max,
            .check = checked ? std::optional<Judged>(Judged{0, max}) : std::nullopt};
}

// The required rows must all be present for the section to be read at all. The writer
// emits obs_spkr_warn for the hazard codes only, so it is optional.
const Field<MD> kManDown[] = {
    bounded("inactivityTime", &MD::inactivityTime, kMaxManDownTime, true),
    bounded("warningTime", &MD::warningTime, kMaxManDownTime, true),
    bounded("sensitivity", &MD::sensitivity, kMaxManDownLevel, true),
    {.name = "action", .member = &MD::action},
    bounded("use_case", &MD::use_case, kMaxManDownLevel, false),
    {.name = "beacon_tone", .member = &MD::beacon_tone, .names = &OnOffNames},
    {.name = "accessory_mode", .member = &MD::accessory_mode, .names = &OnOffNames},
    {.name = "obs_spkr_warn",
     .member = &MD::obs_spkr_warn,
     .names = &OnOffNames,
     .gate = Gate::Hazard,
     .use = Use::Optional,
     .check = Judged{0, 1}},
};

// The reader takes obs_spkr_warn from the document of any radio type.
const Visit kManDownRead[] = {
    {"inactivityTime"}, {"warningTime"}, {"sensitivity"},    {"action"},
    {"use_case"},       {"beacon_tone"}, {"accessory_mode"}, {"obs_spkr_warn", Gate::All},
};

const SummaryVisit kManDownSummary[] = {
    {"inactivityTime", "{ inactivityTime: "},
    {"warningTime", ", warningTime: "},
    {"sensitivity", ", sensitivity: "},
    {"action", ", action: \"", Shown::Quoted},
    {"use_case", ", use_case: "},
    {"beacon_tone", ", beacon_tone: "},
    {"accessory_mode", ", accessory_mode: "},
};

// True when `node` carries every row that the reader requires.
template <class R>
bool requiredPresent(pugi::xml_node node, std::span<const Field<R>> rows) {
    for (const Field<R>& row : rows)
        if (row.use == Use::Required && !node.attribute(row.name)) return false;
    return true;
}

}  // namespace

std::wostream& writeAccessoryConfig(std::wostream& os, const AccessoryConfig& acc) {
    if (isVrMobileCode(currentRadioType())) return os;
    if (isXmlMode(os)) {
        writeXmlFields<Acc>(os, acc, kAccessory, 3);
    } else {
        writeSummaryFields<Acc>(os, acc, kAccessory, kAccessorySummary);
        os << "}";
    }
    return os;
}

bool readAccessoryConfig(pugi::xml_node node, HandheldPlatform& platform) {
    if (!node) return false;
    AccessoryConfig& acc = platform.accessoryConfig;
    return readFields<Acc>(node, acc, kAccessory) &&
           checkFields<Acc>(acc, kAccessory, kAccessoryChecks) &&
           readAccessoryButtons(node, platform.accessoryButtons);
}

std::wostream& writeManDownConfig(std::wostream& os, const ManDownConfig& md) {
    if (isVrMobileCode(currentRadioType())) return os;
    if (isXmlMode(os)) {
        os << "<manDownConfig\n";
        writeXmlFields<MD>(os, md, kManDown, 3);
        os << " />\n";
    } else {
        writeSummaryFields<MD>(os, md, kManDown, kManDownSummary);
        os << "}";
    }
    return os;
}

bool readManDownConfig(pugi::xml_node node, ManDownConfig& md) {
    // A missing element, or one without the seven required attributes, is left unread.
    if (!node || !requiredPresent<MD>(node, kManDown)) return true;
    return readFields<MD>(node, md, kManDown, kManDownRead) && checkFields<MD>(md, kManDown) &&
           expect(md.action == kManDownAction, "action", [&] {
               return "action=" + quoted(toUtf8(md.action)) + " is not MD_EMERGENCY_CALL";
           });
}

}  // namespace tarin
