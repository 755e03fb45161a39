// What a setting is: its rows' facts, taken from a write of the full configuration of a
// radio kind (its defaults, with an entry in every list) during which the writer notes the
// row of each attribute it writes.

#include "TarinTranslator/api/Describe.h"

#include <algorithm>
#include <cstring>
#include <locale>
#include <map>
#include <set>
#include <sstream>

#include "TarinTranslator/api/ConfigurationState.h"
#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/Paths.h"

namespace tarin {

using namespace detail;

namespace {

// The number of line feeds before each offset, by a running count.
std::size_t linesBefore(std::wstring_view text, std::size_t at) {
    return static_cast<std::size_t>(
        std::count(text.begin(), text.begin() + std::min(at, text.size()), L'\n'));
}

}  // namespace

namespace detail {

DescribedConfiguration::DescribedConfiguration(const ReadAs& as) : as_(as) {
    std::wostringstream os;
    os.imbue(std::locale::classic());
    os << XmlMode(true);
    FactsRecorder recorder;
    factsRecorder() = &recorder;
    if (as.mobile) {
        MobileMissionPlan plan;
        plan.MobilePlatform.radioType = as.radioType.value_or(kClassicRadioType);
        applyMobileDefaults(plan);
        writeMobilePlatformConfig(os, plan.MobilePlatform);
    } else {
        MissionPlan plan;
        plan.planRadioType = plan.Platform.radioType = as.radioType.value_or(kClassicRadioType);
        applyHandheldDefaults(plan);
        const HandheldPlatform defaults = plan.Platform;
        // An entry in every list that takes them, so that every setting of an entry is seen.
        for (std::string_view list : listsTakingEntries())
            addListEntry(list, plan.Platform, defaults, "0", {});
        writePlatformConfig(os, plan.Platform);
    }
    factsRecorder() = nullptr;
    const std::wstring wide = os.str();
    text_ = toUtf8(wide);
    // The lines are found before the parser, which works in place, overwrites some feeds.
    for (std::size_t i = 0; i < text_.size(); ++i)
        if (text_[i] == '\n') feeds_.push_back(i);
    doc_.load_buffer_inplace(text_.data(), text_.size(), kSettingsParseOptions,
                             pugi::encoding_utf8);
    // Each row's line ends where the writer noted it.
    std::size_t counted = 0, at = 0;
    for (const auto& [offset, facts] : recorder.rows) {
        const auto end = static_cast<std::size_t>(offset);
        counted += linesBefore(std::wstring_view(wide).substr(at), end - at);
        at = end;
        byLine_.emplace(counted - 1, facts);
    }
    // A row left out belongs to the element whose start tag was being written: the last
    // element, in document order, that starts before where its line would have stood.
    std::vector<pugi::xml_node> elements;
    const auto collect = [&](const auto& self, pugi::xml_node node) -> void {
        elements.push_back(node);
        for (pugi::xml_node child : node.children())
            if (child.type() == pugi::node_element) self(self, child);
    };
    if (doc_.document_element()) collect(collect, doc_.document_element());
    for (const auto& [offset, facts] : recorder.omitted) {
        const std::size_t at = toUtf8(wide.substr(0, static_cast<std::size_t>(offset))).size();
        pugi::xml_node owner;
        for (pugi::xml_node element : elements) {
            if (static_cast<std::size_t>(element.offset_debug()) > at) break;
            owner = element;
        }
        if (owner) omitted_.emplace_back(owner, facts);
    }
}

std::size_t DescribedConfiguration::lineOf(const char* inText) const {
    const char* start = doc_.document_element().name() - doc_.document_element().offset_debug();
    const auto at = static_cast<std::size_t>(inText - start);
    return static_cast<std::size_t>(std::lower_bound(feeds_.begin(), feeds_.end(), at) -
                                    feeds_.begin());
}

const FieldFacts* DescribedConfiguration::factsOf(const Setting& setting) const {
    const char* where = setting.attribute ? setting.attribute.name() : setting.element.name();
    auto found = byLine_.find(lineOf(where));
    if (found == byLine_.end()) return nullptr;
    const char* name = setting.attribute ? setting.attribute.name() : setting.element.name();
    return found->second.name == name ? &found->second : nullptr;
}

pugi::xml_node DescribedConfiguration::config() const {
    return doc_.child("platformConfig");
}

std::string plainPath(std::string_view path, bool keepKeys) {
    std::string out;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '[') {
            const std::size_t close = closingBracket(path, i);
            if (close == std::string_view::npos) break;
            if (keepKeys && path[i + 1] == '@') out += path.substr(i, close + 1 - i);
            i = close;
            continue;
        }
        out += path[i];
    }
    return out;
}

}  // namespace detail

namespace {

struct Group {
    const char* name;
    ReadAs as;
};
const Group kGroups[] = {{"classic", {false, std::nullopt}},
                         {"hazard", {false, 146}},
                         {"VR-mobile", {false, 151}},
                         {"mobile", {true, std::nullopt}}};

bool isOnOff(const VocabTable& names) {
    return names.count == 2 && ((std::strcmp(names.entries[0].name, "OFF") == 0 &&
                                 std::strcmp(names.entries[1].name, "ON") == 0) ||
                                (std::strcmp(names.entries[0].name, "false") == 0));
}

SettingDescription described(const Setting& setting, const FieldFacts* facts) {
    SettingDescription d;
    d.path = setting.path;
    d.defaultValue = setting.value;
    d.section = setting.path.substr(0, setting.path.find_first_of("/["));
    if (!facts) return d;
    using Kind = FieldFacts::Kind;
    if (facts->kind == Kind::Name) {
        d.kind = isOnOff(*facts->names) ? SettingDescription::Kind::OnOff
                                        : SettingDescription::Kind::Name;
        for (std::size_t i = 0; i < facts->names->count; ++i)
            d.names.push_back(facts->names->entries[i].name);
    } else if (facts->kind == Kind::Text) {
        d.kind = SettingDescription::Kind::Text;
        if (facts->max < kULongMax) d.limit = facts->max;
    } else {
        d.kind = SettingDescription::Kind::Number;
        d.signedNumber = facts->kind == Kind::Signed;
        d.readMin = d.signedNumber ? std::max<int64_t>(facts->min, kLongMin)
                                   : std::max<int64_t>(facts->min, 0);
        d.readMax = d.signedNumber ? std::min<int64_t>(facts->max, kLongMax)
                                   : std::min<int64_t>(facts->max, kULongMax);
        d.base = facts->base;
    }
    if (facts->check) {
        d.checked = std::pair{facts->check->min, facts->check->max};
        if (d.kind == SettingDescription::Kind::Text) {
            if (facts->check->measure == TextMeasure::Decimal) {
                d.decimal = true;
            } else {
                d.limit = facts->check->max;
                d.checked.reset();
            }
        }
    }
    d.reading = facts->use == Use::Required   ? "required"
                : facts->use == Use::Optional ? "optional"
                                              : "tolerant";
    return d;
}

}  // namespace

std::vector<SettingDescription> describeSettings(std::string_view path, const ReadAs& as) {
    const DescribedConfiguration config(as);
    std::vector<SettingDescription> out;
    // The entries of a list kept in order are alike: the first stands for them all.
    std::set<std::string> seen;
    for (const Setting& setting : selectSettings(config.config(), path))
        if (seen.insert(plainPath(setting.path, true)).second)
            out.push_back(described(setting, config.factsOf(setting)));
    if (out.empty()) return out;
    // The groups whose configurations hold a setting of the same path: of an entry with the
    // same key, or of any entry of a list kept in order.
    for (const Group& group : kGroups) {
        const DescribedConfiguration other(group.as);
        std::set<std::string> plain;
        for (const Setting& s : settingsBelow(other.config()))
            plain.insert(plainPath(s.path, true));
        for (SettingDescription& d : out)
            if (plain.count(plainPath(d.path, true))) d.groups.push_back(group.name);
    }
    return out;
}

std::vector<std::string> nearestSettingPaths(std::string_view path, const ReadAs& as,
                                             std::size_t count) {
    const DescribedConfiguration config(as);
    std::vector<std::string> known;
    for (const Setting& s : settingsBelow(config.config())) known.push_back(s.path);
    return nearestPaths(path, known, count);
}

}  // namespace tarin
