// The commands over settings: get, show.

#include <optional>
#include <string>
#include <vector>

#include "TarinTranslator/api/Settings.h"
#include "tools/Text.h"
#include "tools/Tool.h"

namespace tarin::tool {

namespace {

// What the read options ask, or nothing: the file is read as it implies.
std::optional<ReadAs> askedReadAs(const Options& o) {
    if (!o.has("--radio-type") && !o.has("--mobile")) return std::nullopt;
    return o.readAs();
}

// Reads FILE for its settings; a file that does not read fails the job with its reason,
// and the warnings of one that does are shown.
Configuration readConfiguration(const Options& o, const std::string& path) {
    Configuration c = Configuration::readFile(inputPath(path), askedReadAs(o));
    finish(c.result(), shownName(path));
    return c;
}

}  // namespace

int runGet(const Options& o) {
    const std::string name = shownName(o.operands[0]);
    const Configuration c = readConfiguration(o, o.operands[0]);
    std::vector<SettingValue> selected;
    std::vector<std::string> unmatched;
    if (o.operands.size() == 1) selected = c.settings();
    for (std::size_t i = 1; i < o.operands.size(); ++i) {
        std::vector<SettingValue> found = c.select(o.operands[i]);
        if (found.empty()) unmatched.push_back(o.operands[i]);
        selected.insert(selected.end(), found.begin(), found.end());
    }
    if (o.has("--json")) {
        std::vector<std::string> items;
        for (const SettingValue& s : selected)
            items.push_back(
                jsonObject({{"path", jsonString(s.path)}, {"value", jsonString(s.value)}}));
        printOut(jsonObject({{"file", jsonString(name)},
                             {"read_as", readAsJson(c.readAs())},
                             {"settings", jsonArray(items)}},
                            0) +
                 "\n");
    } else {
        std::string out;
        for (const SettingValue& s : selected) out += s.path + "=" + escapedSetting(s.value) + "\n";
        printOut(out);
    }
    if (!unmatched.empty()) {
        std::string nearest;
        for (const std::string& path : c.nearestPaths(unmatched.front()))
            nearest += (nearest.empty() ? "" : ", ") + path;
        throw JobFailure{name + ": " + printable(unmatched.front()) + " selects no setting" +
                         (nearest.empty() ? "" : "; the nearest paths: " + nearest)};
    }
    return 0;
}

int runSet(const Options& o) {
    const std::string& path = o.operands[0];
    const bool inPlace = o.has("--in-place");
    if (inPlace == o.has("-o"))
        throw UsageError{"set writes either to -o OUT or --in-place (one of them)"};
    if (o.has("--backup") && !inPlace) throw UsageError{"--backup applies only with --in-place"};
    if (inPlace && path == "-") throw UsageError{"--in-place cannot replace standard input"};
    SettingChanges changes;
    for (std::size_t i = 1; i < o.operands.size(); ++i) {
        std::optional<SettingValue> assignment = parseAssignment(o.operands[i]);
        if (!assignment) throw UsageError{"'" + printable(o.operands[i]) + "' is not PATH=VALUE"};
        if (std::optional<std::string> problem = xmlTextProblem(assignment->value))
            throw UsageError{printable(assignment->path) + ": the value " + *problem};
        changes.assignments.push_back(*assignment);
    }
    if (auto removals = o.repeated.find("--remove"); removals != o.repeated.end())
        changes.removals = removals->second;
    const PlanTexts texts = o.texts();
    bool textGiven = false;
    for (const TextOption& t : kTextOptions)
        if (o.has(t.option)) {
            changes.texts.*t.change = texts.*t.field;
            textGiven = true;
        }
    if (changes.assignments.empty() && changes.removals.empty() && !textGiven)
        throw UsageError{"set needs a change: PATH=VALUE, --remove PATH or a text option"};
    const std::filesystem::path output(inPlace ? path : *o.value("-o"));
    finish(setSettings(inputPath(path), changes, output, askedReadAs(o), o.has("--backup")),
           shownName(path));
    return 0;
}

int runDiff(const Options& o) {
    std::vector<std::pair<std::string, Configuration>> sides;
    try {
        for (const std::string& path : {o.operands[0], o.operands[1]}) {
            std::string name = shownName(path);
            Configuration c = Configuration::readFile(inputPath(path), askedReadAs(o));
            // A document that is not a plan or a platform file cannot be compared; one whose
            // sections fail is compared as it holds them.
            if (!c.result().ok && !c.isPlan() && c.documentSettings().empty())
                throw JobFailure{located(name, c.result().reason), 2};
            sides.emplace_back(std::move(name), std::move(c));
        }
    } catch (const FileError& e) {
        throw JobFailure{fileFailure(e), 2};
    }
    const auto& [nameA, a] = sides[0];
    const auto& [nameB, b] = sides[1];
    const std::vector<Difference> differences = compareConfigurations(a, b, o.has("--date"));
    if (o.has("--json")) {
        const auto side = [](const std::string& name, const Configuration& c) {
            return resultJson(name, c.readAs(), c.result());
        };
        std::vector<std::string> items;
        const auto value = [](const std::optional<std::string>& v) {
            return v ? jsonString(*v) : std::string("null");
        };
        for (const Difference& d : differences)
            items.push_back(
                jsonObject({{"path", jsonString(d.path)}, {"a", value(d.a)}, {"b", value(d.b)}}));
        printOut(jsonObject({{"a", side(nameA, a)},
                             {"b", side(nameB, b)},
                             {"same", jsonBool(differences.empty())},
                             {"differences", jsonArray(items)}},
                            0) +
                 "\n");
    } else {
        for (const auto& [name, c] : sides) {
            if (c.result().ok) continue;
            ReadNote note = c.result().reason;
            note.text = "does not read, and is compared as it stands: " + note.text;
            printError(located(name, note));
        }
        std::string out;
        for (const Difference& d : differences) {
            if (!d.b) {
                out += d.path + ": only in " + nameA + "\n";
            } else if (!d.a) {
                out += d.path + ": only in " + nameB + "\n";
            } else {
                out += d.path + ": " + escapedSetting(*d.a) + " -> " + escapedSetting(*d.b) + "\n";
            }
        }
        printOut(out);
    }
    return differences.empty() ? 0 : 1;
}

namespace {

std::string range(int64_t min, int64_t max, const char* unit = "") {
    return std::to_string(min) + unit + ".." + std::to_string(max) + unit;
}

// What a setting is, in a few words: its kind and its values.
std::string kindText(const SettingDescription& d) {
    using Kind = SettingDescription::Kind;
    std::string names;
    for (const std::string& name : d.names) names += (names.empty() ? "" : ", ") + name;
    switch (d.kind) {
        case Kind::OnOff:
            return "on/off: " + names;
        case Kind::Name:
            return "one of " + std::to_string(d.names.size()) + " names: " + names;
        case Kind::Number:
            return std::string(d.signedNumber ? "a signed" : "an unsigned") +
                   " number; the reader takes " + range(d.readMin, d.readMax) +
                   (d.base == 0    ? " (decimal, 0x hexadecimal or 0 octal)"
                    : d.base == 16 ? " (hexadecimal)"
                                   : "") +
                   (d.checked ? ", the check admits " + range(d.checked->first, d.checked->second)
                              : "");
        case Kind::Text:
            if (d.decimal)
                return "a decimal number held as text; the check admits " +
                       range(d.checked->first, d.checked->second, ".0");
            return d.limit ? "a text of at most " + std::to_string(*d.limit) + " characters"
                           : std::string("a text");
        case Kind::Other:
            break;
    }
    return "a value the writer writes by its own rule";
}

std::string kindOf(const ReadAs& as) {
    if (as.mobile)
        return as.radioType ? "a mobile radio of radio type " + std::to_string(*as.radioType)
                            : "a mobile radio";
    return as.radioType ? "radio type " + std::to_string(*as.radioType)
                        : "a classic handheld radio";
}

}  // namespace

int runDescribe(const Options& o) {
    const ReadAs as = o.readAs();
    const std::string& path = o.operands[0];
    const std::vector<SettingDescription> settings = describeSettings(path, as);
    if (settings.empty()) {
        std::string nearest;
        for (const std::string& p : nearestSettingPaths(path, as))
            nearest += (nearest.empty() ? "" : ", ") + p;
        throw JobFailure{printable(path) + " selects no setting of " + kindOf(as) +
                         (nearest.empty() ? "" : "; the nearest paths: " + nearest)};
    }
    std::string out;
    if (settings.size() == 1 && settings.front().path.find('@') != std::string::npos &&
        o.operands[0].find('@') != std::string::npos) {
        const SettingDescription& d = settings.front();
        std::string groups;
        for (const std::string& g : d.groups) groups += (groups.empty() ? "" : ", ") + g;
        out = d.path + "\n  " + kindText(d) +
              "\n  read: " + (d.reading.empty() ? std::string("by its own rule") : d.reading) +
              "; judged by the check of " + d.section + "\n  default for " + kindOf(as) + ": " +
              escapedSetting(d.defaultValue) + "\n  carried by: " + groups + "\n";
    } else {
        for (const SettingDescription& d : settings)
            out +=
                d.path + ": " + kindText(d) + " (default " + escapedSetting(d.defaultValue) + ")\n";
    }
    printOut(out);
    return 0;
}

int runSchema(const Options& o) {
    printOut(missionPlanSchema(o.readAs()));
    return 0;
}

int runShow(const Options& o) {
    const Configuration c = readConfiguration(o, o.operands[0]);
    printOut(printableLines(toUtf8(c.summary())) + "\n");
    return 0;
}

}  // namespace tarin::tool
