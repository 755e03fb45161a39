// Changing settings: each change is made in the written platformConfig element, which the
// section readers then read again, so that a value is converted and checked exactly as in
// a document; the record they read is written again, and the value must come back as
// given.

#include <cstring>
#include <functional>
#include <set>

#include "TarinTranslator/api/ConfigurationState.h"
#include "TarinTranslator/api/Internal.h"
#include "TarinTranslator/platform_xml/Convert.h"
#include "TarinTranslator/platform_xml/Encoding.h"
#include "TarinTranslator/platform_xml/Paths.h"

namespace tarin {

using namespace detail;

namespace {

// A change that cannot be made: the reason, naming the path.
struct Refused {
    std::string text;
    ReasonCode code;
    std::string path;
};

// ---- lists that take new entries -------------------------------------------------------

// Adds a default entry to a list of the record: under `key` (the key attribute's text, for
// lists kept by a key) or after the last. False when the key does not read.
using AddEntry = std::function<bool(HandheldPlatform& record, const HandheldPlatform& defaults,
                                    std::string_view key, pugi::xml_node parent)>;

template <class Map>
void addLast(Map& list) {
    const typename Map::key_type key = list.empty() ? 0 : list.rbegin()->first + 1;
    list.emplace(key, typename Map::mapped_type{});
}

// Under `key`: the defaults' entry of that key where they have one, else a constructed one.
template <class Map>
bool addKeyed(Map& list, const Map& defaults, typename Map::key_type key) {
    auto found = defaults.find(key);
    list.emplace(key, found != defaults.end() ? found->second : typename Map::mapped_type{});
    return true;
}

template <class Map>
AddEntry last(Map HandheldPlatform::*list) {
    return [list](HandheldPlatform& p, const HandheldPlatform&, std::string_view, pugi::xml_node) {
        addLast(p.*list);
        return true;
    };
}

template <class Part, class Map>
AddEntry last(Part HandheldPlatform::*part, Map Part::*list) {
    return [=](HandheldPlatform& p, const HandheldPlatform&, std::string_view, pugi::xml_node) {
        addLast(p.*part.*list);
        return true;
    };
}

// A list kept by a name of `names`.
template <class Map>
AddEntry byName(Map HandheldPlatform::*list, const VocabTable& names) {
    return [list, &names](HandheldPlatform& p, const HandheldPlatform& d, std::string_view key,
                          pugi::xml_node) {
        uint32_t code = 0;
        return lookupValue(key, names, code) &&
               addKeyed(p.*list, d.*list, static_cast<typename Map::key_type>(code));
    };
}

// A list kept by the number its key text starts with.
int32_t keyNumber(std::string_view key) {
    return leadingInt(std::string(key).c_str());
}

const std::pair<const char*, AddEntry> kAddEntries[] = {
    {"progButtons/progButton", byName(&HandheldPlatform::progButtons, ProgButtonNames)},
    {"accessoryConfig/accessoryButtons/accessoryButton",
     byName(&HandheldPlatform::accessoryButtons, AccessoryButtonNames)},
    {"progBtns/progBtn", byName(&HandheldPlatform::progBtns, ProgBtnNames)},
    {"eioOutputCfg/eioOutput", byName(&HandheldPlatform::eioOutputCfg, ExternalOutputNames)},
    {"progButtons/RadioLockList/RadioLockSelection",
     [](HandheldPlatform& p, const HandheldPlatform&, std::string_view, pugi::xml_node) {
         p.RadioLockList.push_back(0);
         return true;
     }},
    {"progSwitches/RadioLockList/RadioLockSelection",
     [](HandheldPlatform& p, const HandheldPlatform&, std::string_view, pugi::xml_node) {
         p.progSwitches.RadioLockList.push_back(0);
         return true;
     }},
    {"progSwitches/progSwitch",
     [](HandheldPlatform& p, const HandheldPlatform& d, std::string_view key, pugi::xml_node) {
         uint32_t code = 0;
         return lookupValue(key, ProgSwitchNames, code) &&
                addKeyed(p.progSwitches.switches, d.progSwitches.switches,
                         static_cast<int32_t>(code));
     }},
    {"progSwitches/progSwitch/posValue",
     [](HandheldPlatform& p, const HandheldPlatform&, std::string_view key, pugi::xml_node parent) {
         uint32_t code = 0;
         if (!lookupValue(std::string_view(parent.attribute("name").value()), ProgSwitchNames,
                          code))
             return false;
         p.progSwitches.switches[static_cast<int32_t>(code)].emplace(keyNumber(key), PosValue{});
         return true;
     }},
    {"shortMenu/shortMenuItem",
     [](HandheldPlatform& p, const HandheldPlatform&, std::string_view key, pugi::xml_node) {
         const auto position = static_cast<uint32_t>(keyNumber(key));
         p.shortMenu.emplace(position, ShortMenuItem{0, std::to_wstring(position), L""});
         return true;
     }},
    {"statusIcons/topDisplay/statIcon",
     [](HandheldPlatform& p, const HandheldPlatform&, std::string_view key, pugi::xml_node) {
         p.statusIconsTop.emplace(keyNumber(key), StatusIconEntry{fromUtf8(key), 0});
         return true;
     }},
    {"statusIcons/frontDisplay/statIcon",
     [](HandheldPlatform& p, const HandheldPlatform&, std::string_view key, pugi::xml_node) {
         p.statusIconsFront.emplace(keyNumber(key), StatusIconEntry{fromUtf8(key), 0});
         return true;
     }},
    {"overrides/systems/system",
     [](HandheldPlatform& p, const HandheldPlatform&, std::string_view key, pugi::xml_node) {
         SystemEntry entry;
         entry.index = keyNumber(key);
         p.overrides.systems.emplace(entry.index, entry);
         return true;
     }},
    {"networkConfig/APN", last(&HandheldPlatform::networkConfig, &NetworkConfig::APN)},
    {"networkConfig/RouterConfig/portForwarding",
     last(&HandheldPlatform::networkConfig, &NetworkConfig::portForwarding)},
    {"networkConfig/RouterConfig/MACReservation",
     last(&HandheldPlatform::networkConfig, &NetworkConfig::MACReservation)},
    {"networkConfig/wifiAPCfg/WMM", last(&HandheldPlatform::networkConfig, &NetworkConfig::WMM)},
    {"networkConfig/wifiCfg/wpa/wpaItem",
     last(&HandheldPlatform::networkConfig, &NetworkConfig::wpaItem)},
    {"audioConfig/voiceAnnunciation/mapping",
     last(&HandheldPlatform::audioConfig, &AudioConfig::mapping)},
    {"audioConfig/voiceAnnunciation/VATone",
     last(&HandheldPlatform::audioConfig, &AudioConfig::VATone)},
    {"AliasList/aliasInfo", last(&HandheldPlatform::AliasList)},
    {"DNP3Cfg/DIRT", last(&HandheldPlatform::DNP3Cfg, &Dnp3Config::DIRT)},
    {"SerTnlCfg/SerTnlNetTbl", last(&HandheldPlatform::SerTnlCfg, &SerTnlConfig::SerTnlNetTbl)},
    {"KeystoreConfig/Keystore", last(&HandheldPlatform::KeystoreConfig)},
    {"ICS/ICSAlertTable", last(&HandheldPlatform::ICS, &IcsConfig::ICSAlertTable)},
    {"ICS/ICSStatusTable", last(&HandheldPlatform::ICS, &IcsConfig::ICSStatusTable)},
    {"ICS/ApplianceMenu", last(&HandheldPlatform::ICS, &IcsConfig::ApplianceMenu)},
    {"ICS/SeatMenu", last(&HandheldPlatform::ICS, &IcsConfig::SeatMenu)},
    {"SystemConfig/OptBtn", last(&HandheldPlatform::SystemConfig)},
    {"overrides/keystores/keystore",
     last(&HandheldPlatform::overrides, &OverridesConfig::keystores)},
};

const AddEntry* addEntryOf(std::string_view list) {
    for (const auto& [path, add] : kAddEntries)
        if (list == path) return &add;
    return nullptr;
}

}  // namespace

namespace detail {

std::vector<std::string_view> listsTakingEntries() {
    std::vector<std::string_view> lists;
    for (const auto& [path, add] : kAddEntries) lists.push_back(path);
    return lists;
}

bool addListEntry(std::string_view list, HandheldPlatform& record, const HandheldPlatform& defaults,
                  std::string_view key, pugi::xml_node parent) {
    const AddEntry* add = addEntryOf(list);
    return add && (*add)(record, defaults, key, parent);
}

}  // namespace detail

namespace {

// ---- paths -----------------------------------------------------------------------------

// One step of a path: the element, and its predicate as written ("" without one).
struct Step {
    std::string name;
    std::string predicate;
};

// The element steps of a path and its last part (an attribute "@name", or "" when the path
// ends with an element); nullopt when it is not a plain path of steps.
std::optional<std::pair<std::vector<Step>, std::string>> stepsOf(std::string_view path) {
    std::vector<Step> steps;
    std::string attribute;
    std::size_t i = 0;
    while (i < path.size()) {
        if (path[i] == '@') {
            attribute = std::string(path.substr(i));
            if (attribute.find_first_of("/[]") != std::string::npos) return std::nullopt;
            i = path.size();
            break;
        }
        Step step;
        while (i < path.size() && path[i] != '/' && path[i] != '[') step.name += path[i++];
        if (i < path.size() && path[i] == '[') {
            const std::size_t close = closingBracket(path, i);
            if (close == std::string_view::npos) return std::nullopt;
            step.predicate = std::string(path.substr(i, close - i + 1));
            i = close + 1;
        }
        if (step.name.empty()) return std::nullopt;
        steps.push_back(step);
        if (i < path.size()) {
            if (path[i] != '/') return std::nullopt;
            ++i;
        }
    }
    if (steps.empty()) return std::nullopt;
    return std::pair{steps, attribute};
}

// The value a predicate "[@key='value']" (or unquoted) names, or nullopt.
std::optional<std::string> keyValueOf(const std::string& predicate, const char* key) {
    const std::string prefix = std::string("[@") + key + "=";
    if (predicate.rfind(prefix, 0) != 0 || predicate.back() != ']') return std::nullopt;
    std::string value = predicate.substr(prefix.size(), predicate.size() - prefix.size() - 1);
    if (value.size() >= 2 && (value.front() == '\'' || value.front() == '"') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

// "[N]", the predicate of the Nth entry of a list kept in order.
std::string positionPredicate(std::size_t position) {
    std::string predicate = "[";
    predicate += std::to_string(position);
    predicate += ']';
    return predicate;
}

// ---- the changes -----------------------------------------------------------------------

class Changer {
  public:
    explicit Changer(const Editable& target)
        : as_(target.record.as()), record_(target.record), written_(target.written) {
        defaults_.planRadioType = defaults_.Platform.radioType =
            as_.radioType.value_or(kClassicRadioType);
        if (!as_.mobile) applyHandheldDefaults(defaults_);
    }

    // Makes the changes, in order. The changes of an entry just appended are made together
    // before it is read again, so that values its defaults lack can be given with it; with
    // `together`, so are all changes up to the next that appends an entry.
    void assign(const std::vector<SettingValue>& changes, bool together) {
        for (std::size_t i = 0; i < changes.size();) {
            pugi::xml_node appended;
            std::vector<std::string> canonical{write(changes[i], &appended)};
            std::size_t next = i + 1;
            const std::string entry = appended ? elementPathOf(appended) + "/" : std::string();
            for (; (appended || together) && next < changes.size(); ++next) {
                const std::vector<Setting> target = selectSettings(config(), changes[next].path);
                if (target.size() != 1 || (!together && target.front().path.rfind(entry, 0) != 0))
                    break;
                canonical.push_back(write(changes[next], nullptr));
            }
            std::string label;
            for (std::size_t k = i; k < next; ++k) label += (k > i ? ", " : "") + changes[k].path;
            reread(label);
            for (std::size_t k = i; k < next; ++k) verify(changes[k], canonical[k - i]);
            i = next;
        }
    }

    // Writes one change into the element; its setting's path. `appended`, when given,
    // learns the entry the change appended, if it did.
    std::string write(const SettingValue& change, pugi::xml_node* appended) {
        const std::string& path = change.path;
        if (const CharacterFault fault = firstCharacterFault(change.value))
            throw Refused{
                path + ": the value " +
                    (fault.kind == CharacterFault::NotUtf8 ? "is not UTF-8, " : "holds ") +
                    describeFault(fault, change.value),
                ReasonCode::ForbiddenCharacter, path};
        std::vector<Setting> selected = selectSettings(config(), path);
        if (selected.empty() && appended && append(path)) {
            selected = selectSettings(config(), path);
            if (selected.size() == 1) *appended = selected.front().element;
        }
        if (selected.empty()) {
            std::string nearest;
            std::vector<std::string> known;
            for (const Setting& s : settingsBelow(config())) known.push_back(s.path);
            for (const std::string& p : nearestPaths(path, known))
                nearest += (nearest.empty() ? "" : ", ") + p;
            throw Refused{path + ": selects no setting that " + kindText() + " carries" +
                              (nearest.empty() ? "" : "; the nearest paths: " + nearest),
                          ReasonCode::NoSetting, path};
        }
        if (selected.size() > 1)
            throw Refused{path + ": selects " + std::to_string(selected.size()) +
                              " settings; a change names one",
                          ReasonCode::SeveralSettings, path};
        const Setting& s = selected.front();
        if (s.attribute) {
            pugi::xml_attribute(s.attribute).set_value(change.value.c_str());
        } else {
            pugi::xml_node element = s.element;
            while (element.first_child()) element.remove_child(element.first_child());
            element.append_child(pugi::node_pcdata).set_value(change.value.c_str());
        }
        return s.path;
    }

    // The value of a change came back as given from the record read and written again.
    void verify(const SettingValue& change, const std::string& canonical) {
        const std::vector<Setting> now = selectSettings(config(), canonical);
        if (now.size() != 1)
            throw Refused{change.path + ": the reader does not keep the entry with this value",
                          ReasonCode::ValueChanged, change.path};
        if (now.front().value != change.value)
            throw Refused{
                change.path + ": '" + change.value + "' would become '" + now.front().value + "'",
                ReasonCode::ValueChanged, change.path};
    }

    void remove(const std::string& path) {
        pugi::xml_node entry = onlyNode(path);
        const ListRule* rule = listRuleOf(entry);
        if (!entry || !rule)
            throw Refused{path + ": names no entry of a list", ReasonCode::NotAListEntry, path};
        if (rule->fixed || !*rule->element)
            throw Refused{path + ": the entries of this list are neither added nor removed",
                          ReasonCode::NotAListEntry, path};
        const std::string list = rule->element;
        const std::size_t before = entriesOf(list);
        entry.parent().remove_child(entry);
        reread(path);
        if (entriesOf(list) + 1 != before)
            throw Refused{path + ": the reader keeps the entry; it is not removed",
                          ReasonCode::EntryRefused, path};
    }

    pugi::xml_node config() { return written_.child("platformConfig"); }

  private:
    std::string kindText() const {
        const ReadAs& as = as_;
        if (as.mobile) return "a mobile radio";
        return as.radioType ? "radio type " + std::to_string(*as.radioType)
                            : std::string("a classic handheld radio");
    }

    // The one element `path` selects, or null.
    pugi::xml_node onlyNode(const std::string& path) {
        const std::optional<std::string> xpath = xpathOf(path);
        if (!xpath) return {};
        try {
            pugi::xpath_node_set nodes = config().select_nodes(xpath->c_str());
            return nodes.size() == 1 ? nodes.first().node() : pugi::xml_node();
        } catch (const pugi::xpath_exception&) {
            return {};
        }
    }

    // The number of entries of a list (by its entries' path without predicates).
    std::size_t entriesOf(const std::string& list) {
        const std::optional<std::string> xpath = xpathOf(list);
        return xpath ? config().select_nodes(xpath->c_str()).size() : 0;
    }

    // Adds the entry that `path` names to its list: after the last for a list kept in
    // order ([N] for N entries less one), under its key for a list kept by a key. False
    // when the path names no such entry.
    bool append(const std::string& path) {
        const auto parsed = stepsOf(path);
        if (!parsed || as_.mobile) return false;
        const std::vector<Step>& steps = parsed->first;
        std::string list, parentPath;
        for (std::size_t i = 0; i < steps.size(); ++i) {
            list += (i ? "/" : "") + steps[i].name;
            if (i + 1 < steps.size())
                parentPath += (i ? "/" : "") + steps[i].name + steps[i].predicate;
        }
        const ListRule* rule = nullptr;
        for (const ListRule& r : listRules())
            if (list == r.element) rule = &r;
        const AddEntry* add = addEntryOf(list);
        if (!rule || rule->fixed || !add) return false;
        const Step& step = steps.back();
        std::string key;
        if (rule->key) {
            const std::optional<std::string> value = keyValueOf(step.predicate, rule->key);
            if (!value) return false;
            key = *value;
        } else if (step.predicate != positionPredicate(entriesOf(list) + 1)) {
            return false;
        }
        // A list below a list entry (a switch's positions) adds below that entry.
        pugi::xml_node parent = parentPath.empty() ? config() : onlyNode(parentPath);
        if (!(*add)(record_.handheld().Platform, defaults_.Platform, key, parent))
            throw Refused{path + ": '" + key + "' is not a key of this list", ReasonCode::NotAName,
                          path};
        rewrite();
        return true;
    }

    // Reads the written element again into a fresh record of the kind, as a document's
    // platformConfig is read; its reason names the path of the change.
    void reread(const std::string& path) {
        std::ostringstream text;
        written_.save(text, "", pugi::format_raw | pugi::format_no_declaration,
                      pugi::encoding_utf8);
        std::string buffer = text.str();
        ReadLog log;
        bool ok;
        ReadPlan fresh(as_);
        {
            ReadLogScope scope(&log);
            pugi::xml_document doc;
            ok = loadDocumentText(doc, buffer.data(), buffer.size());
            if (ok) {
                pugi::xml_node config = doc.child("platformConfig");
                ok = as_.mobile ? readMobilePlatformConfig(config, fresh.mobile().MobilePlatform)
                                : readPlatformConfig(config, fresh.handheld().Platform);
            }
        }
        if (!ok) {
            const ReadNote reason = resultOf(log, false).reason;
            throw Refused{path + ": " + reason.text, reason.code, path};
        }
        if (!log.warnings().empty())
            throw Refused{path + ": " + log.warnings().front().text, log.warnings().front().code,
                          path};
        // What the platform element does not hold, the images and the AAC version, stays.
        if (as_.mobile) {
            MobilePlatformRecord& now = fresh.mobile().MobilePlatform;
            MobilePlatformRecord& old = record_.mobile().MobilePlatform;
            now.eeData.swap(old.eeData);
            now.flData.swap(old.flData);
            std::swap(now, old);
        } else {
            HandheldPlatform& now = fresh.handheld().Platform;
            HandheldPlatform& old = record_.handheld().Platform;
            now.eeData.swap(old.eeData);
            now.flData.swap(old.flData);
            std::copy(std::begin(old.AACversion), std::end(old.AACversion), now.AACversion);
            std::swap(now, old);
        }
        rewrite();
    }

    void rewrite() {
        const std::string written = toUtf8(record_.platformText());
        written_.load_buffer(written.data(), written.size(), kSettingsParseOptions,
                             pugi::encoding_utf8);
    }

    const ReadAs& as_;
    ReadPlan& record_;
    pugi::xml_document& written_;
    MissionPlan defaults_;
};

void changeTexts(PlanTextFields& fields, wchar_t* aacVersion, const PlanTextChanges& changes) {
    const std::pair<const std::optional<std::wstring>*, std::pair<wchar_t*, std::size_t>> all[] = {
        {&changes.name, {fields.name, std::size(fields.name)}},
        {&changes.description, {fields.description, std::size(fields.description)}},
        {&changes.notes, {fields.notes, std::size(fields.notes)}},
        {&changes.author, {fields.author, std::size(fields.author)}},
        {&changes.locale, {fields.locale, std::size(fields.locale)}},
        {&changes.pin, {fields.pin, std::size(fields.pin)}},
        {&changes.aacVersion, {aacVersion, aacVersion ? kAacVersionLength + 1 : 0}},
    };
    for (const auto& [change, field] : all)
        if (*change && field.first) copyFixed(field.first, field.second, **change);
}

bool anyText(const PlanTextChanges& c) {
    return c.name || c.description || c.notes || c.author || c.locale || c.pin || c.aacVersion;
}

}  // namespace

namespace detail {

std::optional<ReadNote> applyChanges(const Editable& target, const SettingChanges& changes,
                                     bool together) {
    try {
        Changer changer(target);
        for (const std::string& path : changes.removals) changer.remove(path);
        changer.assign(changes.assignments, together);
    } catch (const Refused& refused) {
        return ReadNote{refused.text, 0, 0, refused.code, refused.path};
    }
    ReadPlan& record = target.record;
    if (record.as().mobile) {
        changeTexts(record.mobile(), nullptr, changes.texts);
    } else {
        changeTexts(record.handheld(), record.handheld().Platform.AACversion, changes.texts);
    }
    return std::nullopt;
}

ImageReader readerOf(std::span<const uint8_t> bytes) {
    return [bytes, at = std::size_t{0}](uint8_t* to, std::size_t size) mutable {
        const std::size_t n = std::min(size, bytes.size() - at);
        std::copy_n(bytes.data() + at, n, to);
        at += n;
        return n;
    };
}

}  // namespace detail

ReadResult setSettings(const std::filesystem::path& file, const SettingChanges& changes,
                       const std::filesystem::path& output, std::optional<ReadAs> as, bool backup) {
    const PlanTextChanges& texts = changes.texts;
    checkTexts({texts.name.value_or(L""), texts.description.value_or(L""),
                texts.notes.value_or(L""), texts.author.value_or(L""), texts.locale.value_or(L""),
                texts.pin.value_or(L""), texts.aacVersion.value_or(L"")});
    Configuration::State state;
    readConfiguration(state, DocumentText(file, "file"), as, false);
    ReadResult result = state.result;
    if (!result.ok) return result;
    if (!result.warnings.empty()) {
        result.ok = false;
        result.reason = result.warnings.front();
        result.reason.text += "; a change would lose what this warning names";
        return result;
    }
    if (!state.plan && anyText(texts)) {
        result.ok = false;
        result.reason = {"plan texts belong to mission plans, not to platform files",
                         0,
                         0,
                         ReasonCode::WrongKind,
                         {}};
        return result;
    }
    if (std::optional<ReadNote> refused = applyChanges({*state.record, state.written}, changes)) {
        result.ok = false;
        result.reason = *refused;
        return result;
    }
    if (backup && std::filesystem::exists(output)) {
        std::filesystem::path kept = output;
        kept += "~";
        const std::string previous = readInputFile(output, "file");
        AtomicFile file;
        if (!(file.open(kept) && file.write(previous.data(), previous.size()) && file.commit()))
            return written(result, failureOf(file, {&file}));
    }
    ReadPlan& record = *state.record;
    if (!state.plan)
        return written(result, writeTextFile(output, [&](std::wostream& os) {
                           if (state.as.mobile) {
                               writeMobilePlatformConfig(os, record.mobile().MobilePlatform);
                           } else {
                               writePlatformConfig(os, record.handheld().Platform);
                           }
                       }));
    const ImageViews& views = record.images();
    ImageReaders readers{readerOf(views.fl), readerOf(views.ee)};
    return written(
        result, writeTextFile(output, [&](std::wostream& os) { record.writePlan(os, &readers); }));
}

}  // namespace tarin
