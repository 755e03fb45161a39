#include "TarinTranslator/platform_xml/Paths.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <numeric>

namespace tarin {

namespace {

const std::vector<ListRule> kListRules = {
    {"progButtons/progButton", "buttonName"},
    {"progButtons/RadioLockList/RadioLockSelection", nullptr},
    {"accessoryConfig/accessoryButtons/accessoryButton", "buttonName"},
    {"shortMenu/shortMenuItem", "position"},
    {"progSwitches/progSwitch", "name"},
    {"progSwitches/progSwitch/posValue", "pos"},
    {"progSwitches/RadioLockList/RadioLockSelection", nullptr},
    {"statusIcons/topDisplay/statIcon", "pos"},
    {"statusIcons/frontDisplay/statIcon", "pos"},
    {"networkConfig/APN", nullptr},
    {"networkConfig/RouterConfig/portForwarding", nullptr},
    {"networkConfig/RouterConfig/MACReservation", nullptr},
    {"networkConfig/wifiAPCfg/WMM", nullptr},
    {"networkConfig/wifiCfg/wpa/wpaItem", nullptr},
    {"", "name"},  // menuConfig/menuItem, nested at any depth
    {"audioConfig/microphone", "micType", true},
    {"audioConfig/voiceAnnunciation/mapping", nullptr},
    {"audioConfig/voiceAnnunciation/VATone", nullptr},
    {"audioConfig/audioEioOutputCfg/audioEioOutput", "func", true},
    {"AliasList/aliasInfo", nullptr},
    {"progBtns/progBtn", "name"},
    {"eioOutputCfg/eioOutput", "name"},
    {"DNP3Cfg/DIRT", nullptr},
    {"SerTnlCfg/SerTnlNetTbl", nullptr},
    {"KeystoreConfig/Keystore", nullptr},
    {"ICS/ICSAlertTable", nullptr},
    {"ICS/ICSStatusTable", nullptr},
    {"ICS/ApplianceMenu", nullptr},
    {"ICS/SeatMenu", nullptr},
    {"SystemConfig/OptBtn", nullptr},
    {"overrides/systems/system", "index"},
    {"overrides/keystores/keystore", nullptr},
};

bool isPlatformConfig(pugi::xml_node node) {
    return node.type() == pugi::node_element && std::strcmp(node.name(), "platformConfig") == 0;
}

// The element names from below platformConfig down to `node`, without predicates.
std::string plainPath(pugi::xml_node node) {
    std::string path;
    for (; node && node.type() == pugi::node_element && !isPlatformConfig(node);
         node = node.parent())
        path = path.empty() ? std::string(node.name()) : std::string(node.name()) + "/" + path;
    return path;
}

bool isMenuItem(pugi::xml_node node) {
    if (std::strcmp(node.name(), "menuItem") != 0) return false;
    for (pugi::xml_node up = node.parent(); up; up = up.parent())
        if (std::strcmp(up.name(), "menuConfig") == 0) return isPlatformConfig(up.parent());
    return false;
}

// `value` between two `quote` characters.
std::string enclosed(char quote, std::string_view value) {
    std::string out(1, quote);
    out += value;
    out += quote;
    return out;
}

// A predicate's value as XPath reads it: in single quotes unless the value holds one, in
// double quotes unless it holds one too, else joined from pieces with concat().
std::string quotedValue(std::string_view value) {
    if (value.find('\'') == std::string_view::npos) return enclosed('\'', value);
    if (value.find('"') == std::string_view::npos) return enclosed('"', value);
    std::string out = "concat(";
    for (std::size_t at = 0; at < value.size();) {
        const std::size_t quote = value.find('\'', at);
        if (quote != at) out += enclosed('\'', value.substr(at, quote - at)) + ",";
        if (quote == std::string_view::npos) break;
        out += "\"'\",";
        at = quote + 1;
    }
    out.back() = ')';
    return out;
}

std::string stepOf(pugi::xml_node node) {
    std::string step = node.name();
    const ListRule* rule = listRuleOf(node);
    // A list's entry by its key; the mobile radio's one microphone has none.
    if (rule && rule->key && node.attribute(rule->key))
        return step + "[@" + rule->key + "=" + quotedValue(node.attribute(rule->key).value()) + "]";
    if (rule && rule->key) rule = nullptr;
    bool repeated = false;
    for (pugi::xml_node other = node.parent().child(node.name()); other && !repeated;
         other = other.next_sibling(node.name()))
        repeated = other != node;
    if (!rule && !repeated) return step;
    std::size_t position = 1;
    for (pugi::xml_node before = node.previous_sibling(node.name()); before;
         before = before.previous_sibling(node.name()))
        ++position;
    return step + "[" + std::to_string(position) + "]";
}

bool isListContainer(pugi::xml_node node) {
    const std::string path = plainPath(node);
    if (path == "menuConfig") return true;
    for (const ListRule& rule : kListRules) {
        const std::string_view element = rule.element;
        if (!element.empty() && element.size() > path.size() && element.starts_with(path) &&
            element[path.size()] == '/' && element.find('/', path.size() + 1) == element.npos)
            return true;
    }
    return false;
}

void collect(pugi::xml_node node, const std::string& path, std::vector<Setting>& out) {
    if (holdsText(node)) {
        out.push_back({path, node.child_value(), node, {}});
        return;
    }
    const ListRule* rule = listRuleOf(node);
    for (pugi::xml_attribute attr : node.attributes()) {
        if (rule && rule->key && std::strcmp(attr.name(), rule->key) == 0) continue;
        out.push_back({path + "/@" + attr.name(), attr.value(), node, attr});
    }
    for (pugi::xml_node child : node.children())
        if (child.type() == pugi::node_element) collect(child, path + "/" + stepOf(child), out);
}

}  // namespace

const std::vector<ListRule>& listRules() {
    return kListRules;
}

const ListRule* listRuleOf(pugi::xml_node node) {
    if (!node || node.type() != pugi::node_element) return nullptr;
    if (isMenuItem(node))
        return &*std::find_if(kListRules.begin(), kListRules.end(),
                              [](const ListRule& r) { return !*r.element; });
    const std::string path = plainPath(node);
    for (const ListRule& rule : kListRules)
        if (*rule.element && path == rule.element) return &rule;
    return nullptr;
}

bool holdsText(pugi::xml_node node) {
    if (node.type() != pugi::node_element || node.first_attribute()) return false;
    for (pugi::xml_node child : node.children())
        if (child.type() == pugi::node_element) return false;
    return !isListContainer(node) && !isPlatformConfig(node);
}

std::string elementPathOf(pugi::xml_node node) {
    std::string path;
    for (; node && node.type() == pugi::node_element && !isPlatformConfig(node);
         node = node.parent())
        path = path.empty() ? stepOf(node) : stepOf(node) + "/" + path;
    return path;
}

std::vector<Setting> settingsBelow(pugi::xml_node node) {
    std::vector<Setting> out;
    if (isPlatformConfig(node)) {
        for (pugi::xml_node child : node.children())
            if (child.type() == pugi::node_element) collect(child, stepOf(child), out);
    } else if (node) {
        collect(node, elementPathOf(node), out);
    }
    return out;
}

std::size_t closingBracket(std::string_view path, std::size_t open) {
    char quote = 0;
    for (std::size_t i = open + 1; i < path.size(); ++i) {
        const char c = path[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == ']') {
            return i;
        }
    }
    return std::string_view::npos;
}

std::optional<std::string> xpathOf(std::string_view path) {
    std::string out;
    for (std::size_t i = 0; i < path.size();) {
        const char c = path[i];
        if (c != '[') {
            out += c;
            ++i;
            continue;
        }
        const std::size_t close = closingBracket(path, i);
        if (close == std::string_view::npos) return std::nullopt;
        std::string_view inside = path.substr(i + 1, close - i - 1);
        const std::size_t equals = inside.find('=');
        if (equals != std::string_view::npos) {
            std::string_view value = inside.substr(equals + 1);
            const bool quoted =
                (value.size() >= 2 && (value.front() == '\'' || value.front() == '"') &&
                 value.back() == value.front()) ||
                value.starts_with("concat(");
            out += '[';
            out += inside.substr(0, equals);
            out += '=';
            out += quoted ? std::string(value) : quotedValue(value);
            out += ']';
        } else {
            out += '[';
            out += inside;
            out += ']';
        }
        i = close + 1;
    }
    if (out.empty()) return std::nullopt;
    return out;
}

std::optional<std::pair<std::string, std::string>> splitAssignment(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '[') {
            i = closingBracket(text, i);
            if (i == std::string_view::npos) return std::nullopt;
        } else if (text[i] == '=') {
            return std::pair{std::string(text.substr(0, i)), std::string(text.substr(i + 1))};
        }
    }
    return std::nullopt;
}

std::vector<Setting> selectSettings(pugi::xml_node platformConfig, std::string_view path) {
    std::vector<Setting> out;
    const std::optional<std::string> xpath = xpathOf(path);
    if (!xpath || !platformConfig) return out;
    pugi::xpath_node_set selected;
    try {
        selected = platformConfig.select_nodes(xpath->c_str());
    } catch (const pugi::xpath_exception&) {
        return out;
    }
    selected.sort();
    for (const pugi::xpath_node& found : selected) {
        if (pugi::xml_attribute attr = found.attribute()) {
            pugi::xml_node element = found.parent();
            const ListRule* rule = listRuleOf(element);
            if (holdsText(element) ||
                (rule && rule->key && std::strcmp(attr.name(), rule->key) == 0))
                continue;
            out.push_back(
                {elementPathOf(element) + "/@" + attr.name(), attr.value(), element, attr});
        } else if (found.node().type() == pugi::node_element) {
            std::vector<Setting> below = settingsBelow(found.node());
            out.insert(out.end(), below.begin(), below.end());
        }
    }
    return out;
}

std::vector<std::string> nearestPaths(std::string_view path, const std::vector<std::string>& known,
                                      std::size_t count) {
    const auto distance = [&](std::string_view other) {
        std::vector<std::size_t> row(other.size() + 1);
        std::iota(row.begin(), row.end(), std::size_t{0});
        for (std::size_t i = 1; i <= path.size(); ++i) {
            std::size_t diagonal = row[0];
            row[0] = i;
            for (std::size_t j = 1; j <= other.size(); ++j) {
                const std::size_t up = row[j];
                row[j] = std::min(
                    {row[j] + 1, row[j - 1] + 1, diagonal + (path[i - 1] == other[j - 1] ? 0 : 1)});
                diagonal = up;
            }
        }
        return row[other.size()];
    };
    std::vector<std::pair<std::size_t, std::string>> scored;
    for (const std::string& candidate : known) scored.emplace_back(distance(candidate), candidate);
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> out;
    for (const auto& [score, candidate] : scored) {
        if (out.size() == count) break;
        if (std::find(out.begin(), out.end(), candidate) == out.end()) out.push_back(candidate);
    }
    return out;
}

}  // namespace tarin
