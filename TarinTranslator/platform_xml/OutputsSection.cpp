#include <set>

#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/Sections.h"

// ECiTCfg (the emergency call timer) and eioOutputCfg (the external outputs of a
// vehicular unit). Both are XML only; their writers put out nothing in summary mode.

namespace tarin {

namespace {

// ---- ECiTCfg ---------------------------------------------------------------------------

using ECiT = ECiTConfig;

constexpr int64_t kMinTimer = 5;
constexpr int64_t kMaxTimer = 60;

// A timer in seconds, whose number takes its base from the text; `checked` when the
// section check holds it to the range as well.
constexpr Field<ECiT> timer(const char* name, uint32_t ECiT::*member, bool checked) {
    return {.name = name,
            .member = member,
            .min = kMinTimer,
            .max = kMaxTimer,
            .base = 0,
            .check = checked ? std::optional<Judged>(Judged{kMinTimer, kMaxTimer}) : std::nullopt};
}

const Field<ECiT> kECiT[] = {
    timer("minTimer", &ECiT::minTimer, true),
    timer("maxTimer", &ECiT::maxTimer, true),
    timer("defaultTimeout", &ECiT::defaultTimeout, false),
    {.name = "warningBeeps", .member = &ECiT::warningBeeps},
    {.name = "timerIncr", .member = &ECiT::timerIncr},
    {.name = "restartOnPTT", .member = &ECiT::restartOnPTT, .names = &OnOffNames},
    {.name = "ExtOutAlertMode", .member = &ECiT::ExtOutAlertMode, .names = &ExtOutAlertModeNames},
};

// ---- eioOutputCfg ----------------------------------------------------------------------

using Eio = EioOutputEntry;

const Field<Eio> kEio[] = {
    {.name = "func", .member = &Eio::func, .names = &EioOutputFunctionNames},
    {.name = "mode", .member = &Eio::mode, .names = &EioOutputModeNames},
    {.name = "pattern", .member = &Eio::pattern, .min = 0, .max = 65535},
    {.name = "repeat", .member = &Eio::repeat},
    {.name = "sense", .member = &Eio::sense, .names = &EioOutputSenseNames},
};

const Visit kEioRead[] = {{"sense"}, {"func"}, {"repeat"}, {"pattern"}, {"mode"}};

}  // namespace

std::wostream& writeECiTCfg(std::wostream& os, const ECiTConfig& ecit) {
    if (!isXmlMode(os) || !gateOpen(Gate::Extended)) return os;
    os << "<ECiTCfg\n";
    writeXmlFields<ECiT>(os, ecit, kECiT, 3);
    return os << " />\n";
}

// A value that is missing or does not convert ends the reading without failing it; the
// fields read before it keep their new values.
bool readECiTCfg(pugi::xml_node node, ECiTConfig& ecit) {
    if (!readFields<ECiT>(node, ecit, kECiT)) return true;
    return checkFields<ECiT>(ecit, kECiT) && ecit.minTimer <= ecit.defaultTimeout &&
           ecit.defaultTimeout <= ecit.maxTimer && ecit.minTimer < ecit.maxTimer;
}

std::wostream& writeEioOutputCfg(std::wostream& os, const EioOutputMap& outputs) {
    if (!isXmlMode(os) || !gateOpen(Gate::VrMobile)) return os;
    for (const auto& [name, output] : outputs) {
        os << "<eioOutput \n   name='"
           << lookupName(static_cast<uint32_t>(name), ExternalOutputNames) << "'\n";
        writeXmlFields<Eio>(os, output, kEio, 3);
        os << "    />\n";
    }
    return os;
}

// Outputs are added to what the record holds (the defaults, when an edited platform file
// is read into them), each replacing the entry under its name unless an earlier output of
// the document has that name: the first one stands. Nothing is read unless the first
// output carries every attribute (a missing name ends the loop at once); the first output
// that does not read ends the reading and is dropped. Never fails.
bool readEioOutputCfg(pugi::xml_node node, HandheldPlatform& platform) {
    if (!allFieldsPresent<Eio>(node.child("eioOutput"), kEio)) return true;
    std::set<int32_t> read;
    for (pugi::xml_node child : node.children("eioOutput")) {
        uint32_t name = 0;
        Eio output;
        if (!lookupValue(child.attribute("name"), ExternalOutputNames, name) ||
            !readFields<Eio>(child, output, kEio, kEioRead))
            break;
        const auto key = static_cast<int32_t>(name);
        if (read.insert(key).second) {
            platform.eioOutputCfg.insert_or_assign(key, std::move(output));
        } else {
            warnRepeatedKey(child, "name", false);
        }
    }
    return true;
}

}  // namespace tarin
