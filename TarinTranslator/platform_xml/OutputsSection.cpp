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

const XmlAttr<ECiT> kECiTXml[] = {
    {"   minTimer='", &ECiT::minTimer},
    {"   maxTimer='", &ECiT::maxTimer},
    {"   defaultTimeout='", &ECiT::defaultTimeout},
    {"   warningBeeps='", &ECiT::warningBeeps},
    {"   timerIncr='", &ECiT::timerIncr},
    {"   restartOnPTT='", &ECiT::restartOnPTT, &OnOffNames},
    {"   ExtOutAlertMode='", &ECiT::ExtOutAlertMode, &ExtOutAlertModeNames},
};

const ReadAttr<ECiT> kECiTRead[] = {
    {.name = "minTimer", .field = &ECiT::minTimer, .min = kMinTimer, .max = kMaxTimer, .base = 0},
    {.name = "maxTimer", .field = &ECiT::maxTimer, .min = kMinTimer, .max = kMaxTimer, .base = 0},
    {.name = "defaultTimeout",
     .field = &ECiT::defaultTimeout,
     .min = kMinTimer,
     .max = kMaxTimer,
     .base = 0},
    {.name = "warningBeeps", .field = &ECiT::warningBeeps},
    {.name = "timerIncr", .field = &ECiT::timerIncr},
    {.name = "restartOnPTT", .field = &ECiT::restartOnPTT, .names = &OnOffNames},
    {.name = "ExtOutAlertMode", .field = &ECiT::ExtOutAlertMode, .names = &ExtOutAlertModeNames},
};

const Check<ECiT> kECiTChecks[] = {
    {"minTimer", &ECiT::minTimer, kMinTimer, kMaxTimer},
    {"maxTimer", &ECiT::maxTimer, kMinTimer, kMaxTimer},
};

// ---- eioOutputCfg ----------------------------------------------------------------------

using Eio = EioOutputEntry;

const XmlAttr<Eio> kEioXml[] = {
    {"   func='", &Eio::func, &EioOutputFunctionNames},
    {"   mode='", &Eio::mode, &EioOutputModeNames},
    {"   pattern='", &Eio::pattern},
    {"   repeat='", &Eio::repeat},
    {"   sense='", &Eio::sense, &EioOutputSenseNames},
};

const ReadAttr<Eio> kEioRead[] = {
    {.name = "sense", .field = &Eio::sense, .names = &EioOutputSenseNames},
    {.name = "func", .field = &Eio::func, .names = &EioOutputFunctionNames},
    {.name = "repeat", .field = &Eio::repeat},
    {.name = "pattern", .field = &Eio::pattern, .min = 0, .max = 65535},
    {.name = "mode", .field = &Eio::mode, .names = &EioOutputModeNames},
};

}  // namespace

std::wostream& writeECiTCfg(std::wostream& os, const ECiTConfig& ecit) {
    if (!isXmlMode(os) || !gateOpen(Gate::Extended)) return os;
    os << "<ECiTCfg\n";
    writeXmlAttrs<ECiT>(os, ecit, kECiTXml);
    return os << " />\n";
}

// A value that is missing or does not convert ends the reading without failing it; the
// fields read before it keep their new values.
bool readECiTCfg(pugi::xml_node node, ECiTConfig& ecit) {
    if (!readAttrs<ECiT>(node, ecit, kECiTRead)) return true;
    return checkRanges<ECiT>(ecit, kECiTChecks) && ecit.minTimer <= ecit.defaultTimeout &&
           ecit.defaultTimeout <= ecit.maxTimer && ecit.minTimer < ecit.maxTimer;
}

std::wostream& writeEioOutputCfg(std::wostream& os, const EioOutputMap& outputs) {
    if (!isXmlMode(os) || !gateOpen(Gate::VrMobile)) return os;
    for (const auto& [name, output] : outputs) {
        os << "<eioOutput \n   name='"
           << lookupName(static_cast<uint32_t>(name), ExternalOutputNames) << "'\n";
        writeXmlAttrs<Eio>(os, output, kEioXml);
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
    if (!allPresent<Eio>(node.child("eioOutput"), kEioRead)) return true;
    std::set<int32_t> read;
    for (pugi::xml_node child : node.children("eioOutput")) {
        uint32_t name = 0;
        Eio output;
        if (!lookupValue(child.attribute("name"), ExternalOutputNames, name) ||
            !readAttrs<Eio>(child, output, kEioRead))
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
