#include "TarinTranslator/api/Settings.h"

#include <cstring>
#include <locale>
#include <map>
#include <set>
#include <sstream>

#include "TarinTranslator/api/ConfigurationState.h"
#include "TarinTranslator/api/Internal.h"
#include "TarinTranslator/platform_xml/Paths.h"

namespace tarin {

using namespace detail;

namespace {

std::vector<SettingValue> valuesOf(const std::vector<Setting>& settings) {
    std::vector<SettingValue> out;
    out.reserve(settings.size());
    for (const Setting& s : settings) out.push_back({s.path, s.value});
    return out;
}

std::vector<std::string> sectionsOf(pugi::xml_node platformConfig) {
    std::vector<std::string> names;
    for (pugi::xml_node child : platformConfig.children())
        if (child.type() == pugi::node_element) names.push_back(child.name());
    return names;
}

// The plan's texts, domain, stamps and images, once it has been read.
}  // namespace

namespace detail {

Configuration::Plan planFacts(const ReadPlan& read, pugi::xml_node load, bool ok) {
    Configuration::Plan facts;
    const PlanTextFields& fields = read.as().mobile
                                       ? static_cast<const PlanTextFields&>(read.mobile())
                                       : static_cast<const PlanTextFields&>(read.handheld());
    facts.texts = {
        fields.name, fields.description, fields.notes, fields.author, fields.locale, fields.pin,
        {}};
    if (!read.as().mobile) facts.texts.aacVersion = read.handheld().Platform.AACversion;
    facts.domain = fields.domain;
    pugi::xml_node versionInfo = load.child("versionInfo");
    facts.version = fromUtf8(versionInfo.attribute("version").value());
    facts.date = fromUtf8(versionInfo.attribute("date").value());
    // An image the read reached is hashed already; one it stopped before (a section failed)
    // is hashed here, so that a plan that does not read still shows its images.
    const ImageViews& views = read.images();
    pugi::xml_node waveforms = load.child("ecpWaveformConfig");
    const bool single = !waveforms.next_sibling("ecpWaveformConfig");
    const auto image = [&](const char* name, bool reached, bool clean,
                           const ImageViews::Digest& digest) {
        pugi::xml_node node = waveforms.child(name);
        ImageDigest out;
        out.present = static_cast<bool>(node);
        if (!out.present || !single || node.next_sibling(name)) return out;
        ImageViews::Digest own;
        if (!reached) {
            ByteVector unused;
            clean = decodeBlobElement(node, unused, nullptr, {}, &own).problem == BlobDecoded::None;
        }
        if (clean)
            out = {true, true, (reached ? digest : own).size, (reached ? digest : own).sha256};
        return out;
    };
    facts.eeprom = image("ee-data", views.eeReached, views.flReached || ok, views.eeDigest);
    facts.flash = image("fl-data", views.flReached, ok, views.flDigest);
    return facts;
}

void readConfiguration(Configuration::State& st, DocumentText text, std::optional<ReadAs> as,
                       bool digestImages) {
    Configuration::State* state = &st;
    state->text = std::move(text);
    ReadLog log;
    pugi::xml_document& doc = state->document;
    {
        ReadLogScope scope(&log);
        if (!loadDocumentText(doc, state->text.data(), state->text.size())) {
            state->result = resultOf(log, false);
            return;
        }
    }
    const pugi::xml_node root = doc.document_element();
    pugi::xml_node config;
    if (std::strcmp(root.name(), "missionPlan") == 0) {
        state->plan = true;
        pugi::xml_node load;
        for (const char* element : {"qd470PMissionLoad", "MissionLoad", "MissionLoadQD470M"})
            if ((load = root.child(element))) break;
        config = load.child("platformConfig");
        state->as = as.value_or(impliedKind(load ? load.name() : "", sectionsOf(config)).as);
        state->record = std::make_unique<ReadPlan>(state->as);
        if (digestImages) state->record->digestImagesOnly();
        bool ok;
        {
            ReadLogScope scope(&log);
            ok = state->record->read(doc, state->text.view());
        }
        state->result = checkedResult(log, ok, state->as);
        state->facts = planFacts(*state->record, load, ok);
    } else if (std::strcmp(root.name(), "platformConfig") == 0) {
        config = root;
        state->as = as.value_or(impliedKind("", sectionsOf(config)).as);
        state->record = std::make_unique<ReadPlan>(state->as);
        bool ok;
        {
            ReadLogScope scope(&log);
            if (state->as.mobile) {
                MobileMissionPlan& plan = state->record->mobile();
                applyMobileDefaults(plan);
                ok = readMobilePlatformConfig(config, plan.MobilePlatform);
            } else {
                MissionPlan& plan = state->record->handheld();
                applyHandheldDefaults(plan);
                ok = readPlatformConfig(config, plan.Platform);
            }
        }
        state->result = ok ? resultOf(log, true) : platformFailure(log, state->as);
    } else {
        state->result.reason = {std::string("the document is neither a mission plan nor a "
                                            "platform file: its root element is ") +
                                    root.name(),
                                1,
                                1,
                                ReasonCode::WrongKind,
                                {}};
        return;
    }
    const std::string written = toUtf8(state->record->platformText());
    state->written.load_buffer(written.data(), written.size(), kSettingsParseOptions,
                               pugi::encoding_utf8);
    state->documentConfig = config;
}

}  // namespace detail

Configuration::Configuration() : state_(std::make_shared<State>()) {}

namespace {

std::shared_ptr<const Configuration::State> stateOf(DocumentText text, std::optional<ReadAs> as) {
    auto state = std::make_shared<Configuration::State>();
    readConfiguration(*state, std::move(text), as, true);
    if (state->result.ok && state->documentConfig) {
        // What read is in the record: of the document only its platformConfig is kept (a
        // copy, small beside the images), to compare with one that does not read.
        pugi::xml_document config;
        config.append_copy(state->documentConfig);
        state->document.reset(config);
        state->text.release();
        state->documentConfig = state->document.first_child();
    }
    return state;
}

}  // namespace

Configuration::Configuration(std::shared_ptr<const State> state) : state_(std::move(state)) {}

Configuration Configuration::read(std::string_view text, std::optional<ReadAs> as) {
    return Configuration(stateOf(DocumentText(text), as));
}

Configuration Configuration::readFile(const std::filesystem::path& file, std::optional<ReadAs> as) {
    return Configuration(stateOf(DocumentText(file, "file"), as));
}

const ReadResult& Configuration::result() const {
    return state_->result;
}

bool Configuration::isPlan() const {
    return state_->plan;
}

const ReadAs& Configuration::readAs() const {
    return state_->as;
}

std::vector<SettingValue> Configuration::settings() const {
    return valuesOf(settingsBelow(state_->writtenConfig()));
}

std::vector<SettingValue> Configuration::select(std::string_view path) const {
    return valuesOf(selectSettings(state_->writtenConfig(), path));
}

std::vector<SettingValue> Configuration::documentSettings() const {
    if (!state_->documentConfig) return settings();
    return valuesOf(settingsBelow(state_->documentConfig));
}

std::vector<std::string> Configuration::nearestPaths(std::string_view path,
                                                     std::size_t count) const {
    std::vector<std::string> known;
    for (const Setting& s : settingsBelow(state_->writtenConfig())) known.push_back(s.path);
    return tarin::nearestPaths(path, known, count);
}

const Configuration::Plan& Configuration::plan() const {
    return state_->facts;
}

std::wstring Configuration::summary() const {
    if (!state_->record) return {};
    std::wostringstream os;
    os.imbue(std::locale::classic());
    os << XmlMode(false);
    const ReadPlan& record = *state_->record;
    if (state_->as.mobile) {
        writeMobilePlatformConfig(os, record.mobile().MobilePlatform);
    } else {
        writePlatformConfig(os, record.handheld().Platform);
    }
    return os.str();
}

namespace {

// The element paths above a setting's path, shortest first ("a", "a/b[2]" of "a/b[2]/@c").
std::vector<std::string> elementPrefixes(const std::string& path) {
    std::vector<std::string> prefixes;
    int depth = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '[') ++depth;
        if (path[i] == ']') --depth;
        if (path[i] == '/' && depth == 0) prefixes.push_back(path.substr(0, i));
    }
    return prefixes;
}

// The settings of `from` that `other` lacks: each under the highest element that `other`
// lacks as a whole, once (with an empty value), else by its own path and value.
std::vector<SettingValue> onlyIn(const std::vector<SettingValue>& from,
                                 const std::vector<SettingValue>& other) {
    std::set<std::string> paths, elements;
    for (const SettingValue& s : other) {
        paths.insert(s.path);
        for (const std::string& prefix : elementPrefixes(s.path)) elements.insert(prefix);
    }
    std::vector<SettingValue> out;
    std::set<std::string> reported;
    for (const SettingValue& s : from) {
        if (paths.count(s.path)) continue;
        SettingValue missing = s;
        for (const std::string& prefix : elementPrefixes(s.path))
            if (!elements.count(prefix) && !paths.count(prefix)) {
                missing = {prefix, ""};
                break;
            }
        if (reported.insert(missing.path).second) out.push_back(missing);
    }
    return out;
}

std::string imageText(const ImageDigest& image) {
    if (!image.present) return "none";
    if (!image.clean) return "not Base64 throughout";
    return std::to_string(image.size) + " bytes, SHA-256 " + image.sha256;
}

}  // namespace

std::vector<Difference> compareConfigurations(const Configuration& a, const Configuration& b,
                                              bool withDate) {
    const bool asRead = a.result().ok && b.result().ok;
    const std::vector<SettingValue> left = asRead ? a.settings() : a.documentSettings();
    const std::vector<SettingValue> right = asRead ? b.settings() : b.documentSettings();
    std::vector<Difference> out;
    std::map<std::string, const std::string*> rightValues;
    for (const SettingValue& s : right) rightValues[s.path] = &s.value;
    for (const SettingValue& s : left) {
        auto found = rightValues.find(s.path);
        if (found != rightValues.end() && *found->second != s.value)
            out.push_back({s.path, s.value, *found->second});
    }
    for (const SettingValue& s : onlyIn(left, right))
        out.push_back({s.path, s.value, std::nullopt});
    for (const SettingValue& s : onlyIn(right, left))
        out.push_back({s.path, std::nullopt, s.value});
    if (!a.isPlan() || !b.isPlan()) return out;
    const Configuration::Plan& pa = a.plan();
    const Configuration::Plan& pb = b.plan();
    const std::pair<const char*, std::pair<const std::wstring*, const std::wstring*>> texts[] = {
        {"name", {&pa.texts.name, &pb.texts.name}},
        {"description", {&pa.texts.description, &pb.texts.description}},
        {"notes", {&pa.texts.notes, &pb.texts.notes}},
        {"author", {&pa.texts.author, &pb.texts.author}},
        {"locale", {&pa.texts.locale, &pb.texts.locale}},
        {"pin", {&pa.texts.pin, &pb.texts.pin}},
        {"domain", {&pa.domain, &pb.domain}},
        {"version", {&pa.version, &pb.version}},
        {"date", {&pa.date, &pb.date}},
        {"aac_version", {&pa.texts.aacVersion, &pb.texts.aacVersion}},
    };
    for (const auto& [key, values] : texts) {
        if (!withDate && std::string_view(key) == "date") continue;
        if (*values.first != *values.second)
            out.push_back({key, toUtf8(*values.first), toUtf8(*values.second)});
    }
    for (const auto& [key, images] :
         {std::pair{"images.flash", std::pair{&pa.flash, &pb.flash}},
          std::pair{"images.eeprom", std::pair{&pa.eeprom, &pb.eeprom}}})
        if (imageText(*images.first) != imageText(*images.second))
            out.push_back({key, imageText(*images.first), imageText(*images.second)});
    return out;
}

std::optional<SettingValue> parseAssignment(std::string_view text) {
    const auto split = splitAssignment(text);
    if (!split) return std::nullopt;
    return SettingValue{split->first, split->second};
}

}  // namespace tarin
