// tarin-translator: writes mission plans from waveform images and platform files, unpacks,
// checks and describes them, and prints default platform configurations.
//
// Every failure is one line on standard error; the exit status tells its kind: 0 success,
// 1 the job failed, 2 usage error.

#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "TarinTranslator/api/TarinTranslator.h"
#include "tools/Completion.h"
#include "tools/Help.h"
#include "tools/Interrupts.h"
#include "tools/Text.h"
#include "tools/Tool.h"

namespace tarin::tool {

// ---- the command line ----------------------------------------------------------------

constexpr unsigned kReaders = kParse | kCheck;
// The commands that read a plan or a platform file for its settings.
constexpr unsigned kSettingReaders = kGet | kSet | kDiff | kShow;

const Command kCommands[] = {
    {"defaults", kDefaults, {}, kDefaultsHelp, runDefaults},
    {"write", kWrite, {"BASE"}, kWriteHelp, runWrite},
    {"parse", kParse, {"XMLFILE", "BASE"}, kParseHelp, runParse},
    {"check", kCheck, {"XMLFILE"}, kCheckHelp, runCheck},
    {"info", kInfo, {"XMLFILE"}, kInfoHelp, runInfo},
    {"get", kGet, {"FILE", "PATH..."}, kGetHelp, runGet},
    {"set", kSet, {"FILE", "PATH=VALUE..."}, kSetHelp, runSet},
    {"diff", kDiff, {"A", "B"}, kDiffHelp, runDiff},
    {"describe", kDescribe, {"PATH"}, kDescribeHelp, runDescribe},
    {"show", kShow, {"FILE"}, kShowHelp, runShow},
    {"schema", kSchema, {}, kSchemaHelp, runSchema},
    {"batch", kBatch, {"TEMPLATE", "FLEET"}, kBatchHelp, runBatch},
};

enum class Takes { Nothing, Text, RadioType, File, Count, Date, Path };

struct KnownOption {
    const char* name;
    unsigned commands;
    Takes takes;
    bool repeatable = false;  // given any number of times, each value kept
};

const KnownOption kOptions[] = {
    {"-o", kSet, Takes::File},
    {"--in-place", kSet, Takes::Nothing},
    {"--backup", kSet, Takes::Nothing},
    {"--remove", kSet, Takes::Path, true},
    {"--radio-type", kDefaults | kWrite | kReaders | kSettingReaders | kDescribe | kSchema | kBatch,
     Takes::RadioType},
    {"--mobile", kDefaults | kWrite | kReaders | kSettingReaders | kDescribe | kSchema | kBatch,
     Takes::Nothing},
    {"--platform", kWrite, Takes::File},
    {"--plan", kWrite, Takes::File},
    {"--name", kWrite | kSet, Takes::Text},
    {"--description", kWrite | kSet, Takes::Text},
    {"--notes", kWrite | kSet, Takes::Text},
    {"--author", kWrite | kSet, Takes::Text},
    {"--locale", kWrite | kSet, Takes::Text},
    {"--pin", kWrite | kSet, Takes::Text},
    {"--aac-version", kWrite | kSet, Takes::Text},
    {"--domain", kWrite, Takes::Nothing},
    {"--temp-dir", kParse, Takes::Nothing},
    {"--json", kCheck | kInfo | kGet | kDiff, Takes::Nothing},
    // One name, two meanings: the commands tell them apart.
    {"--date", kDiff, Takes::Nothing},
    {"--date", kBatch, Takes::Date},
    {"--out", kBatch, Takes::File},
    {"--jobs", kBatch, Takes::Count},
    {"--dry-run", kBatch, Takes::Nothing},
};

const std::wstring kDefaultDomain = L"TACCOM_RADIO01";
const char* const kNoMissionPlan =
    "the document holds no mission plan (none of the elements qd470PMissionLoad, "
    "MissionLoad, MissionLoadQD470M under missionPlan)";

// Options that apply to a command only with others, or only without them.
struct Rule {
    const char* option;
    bool (*misplaced)(const Options&);
    const char* why;
};
const Rule kRules[] = {
    {"--domain", [](const Options& o) { return o.has("--radio-type") || o.has("--mobile"); },
     "applies only to classic handheld plans (write without --radio-type and --mobile)"},
    {"--pin", [](const Options& o) { return o.has("--mobile"); },
     "does not apply to mobile plans (--mobile)"},
    {"--aac-version", [](const Options& o) { return o.has("--mobile"); },
     "does not apply to mobile plans (--mobile)"},
    {"--temp-dir", [](const Options& o) { return !o.has("--mobile"); },
     "applies only with --mobile"},
    {"--plan", [](const Options& o) { return !o.has("--platform"); },
     "applies only with --platform"},
    {"--plan",
     [](const Options& o) {
         return *o.value("--plan") == "-" && o.has("--platform") && *o.value("--platform") == "-";
     },
     "and --platform cannot both read standard input"},
    {"--mobile", [](const Options& o) { return o.command->id == kWrite && !o.has("--radio-type"); },
     "needs --radio-type N to write a plan"},
};

void checkValue(const KnownOption& known, const std::string& value) {
    if (known.takes == Takes::Text || known.takes == Takes::Path) {
        if (std::optional<std::string> problem = xmlTextProblem(value))
            throw UsageError{std::string(known.name) + ": the text " + *problem};
    } else if (known.takes == Takes::RadioType) {
        bool digits = !value.empty() && value.size() <= 10 &&
                      value.find_first_not_of("0123456789") == std::string::npos;
        if (!digits || std::stoull(value) > 0xFFFFFFFFull)
            throw UsageError{"--radio-type: '" + printable(value) +
                             "' is not a radio type code (0 to 4294967295)"};
    } else if (known.takes == Takes::Count) {
        const bool count = !value.empty() && value.size() <= 4 &&
                           value.find_first_not_of("0123456789") == std::string::npos &&
                           std::stoul(value) >= 1 && std::stoul(value) <= 1024;
        if (!count)
            throw UsageError{std::string(known.name) + ": '" + printable(value) +
                             "' is not a number of workers (1 to 1024)"};
    } else if (known.takes == Takes::Date) {
        if (std::optional<std::string> problem = dateProblem(value)) throw UsageError{*problem};
    }
}

Options parseCommandLine(const Command& command, const std::vector<std::string>& args) {
    Options o;
    o.command = &command;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            o.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const KnownOption* known = nullptr;
        bool named = false;
        for (const KnownOption& s : kOptions) {
            if (name != s.name) continue;
            named = true;
            if (s.commands & command.id) known = &s;
        }
        if (!named) throw UsageError{"unknown option " + printable(name)};
        if (!known) throw UsageError{name + " does not apply to " + command.name};
        std::string value;
        if (known->takes == Takes::Nothing) {
            if (equals != std::string::npos) throw UsageError{name + " takes no value"};
        } else if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            throw UsageError{name + " needs a value"};
        }
        checkValue(*known, value);
        if (known->repeatable) {
            o.repeated[name].push_back(value);
            o.given[name] = value;
        } else if (auto [given, added] = o.given.emplace(name, value);
                   !added && given->second != value)
            throw UsageError{name + " is given twice, with different values"};
    }
    for (const Rule& rule : kRules)
        if (o.has(rule.option) && rule.misplaced(o))
            throw UsageError{std::string(rule.option) + " " + rule.why};
    const std::vector<const char*>& names = command.operands;
    const bool variadic = !names.empty() && std::string_view(names.back()).ends_with("...");
    const std::size_t needed = names.size() - (variadic ? 1 : 0);
    if (o.operands.size() > names.size() && !variadic)
        throw UsageError{"unexpected argument '" + printable(o.operands[names.size()]) + "'"};
    if (o.operands.size() < needed) {
        std::string needs;
        for (std::size_t i = 0; i < needed; ++i) needs += std::string(" ") + names[i];
        throw UsageError{std::string(command.name) + " needs" + needs};
    }
    for (std::size_t i = 0; i < needed; ++i) {
        const std::string& operand = o.operands[i];
        if (std::string(names[i]) != "BASE") continue;
        if (operand.empty() || operand.back() == '/')
            throw UsageError{"BASE '" + printable(operand) +
                             "' names no file: it is the path of the files without their "
                             "suffixes, such as plan or dir/plan"};
        if (o.has("--temp-dir") && operand.find('/') != std::string::npos)
            throw UsageError{"with --temp-dir, BASE '" + printable(operand) +
                             "' is a file name in the temporary folder: it holds no '/'"};
    }
    return o;
}

// ---- files ---------------------------------------------------------------------------

// A command-line file name as messages show it.
std::string shownName(const std::string& path) {
    return path == "-" ? "standard input" : printable(path);
}

// The file the library reads for a command-line file name: standard input for "-".
std::filesystem::path inputPath(const std::string& path) {
    return path == "-" ? "/dev/stdin" : path;
}

Input readInput(const std::string& path, const std::string& noun) {
    return {shownName(path), readInputFile(inputPath(path), noun)};
}

// "FILE: action: reason" ("FILE: action" without a reason) from the parts of a FileError.
std::string fileFailure(const FileError& e) {
    std::string action = e.action();
    if (!action.empty())
        action[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(action[0])));
    const std::string file = e.file().string();
    return (file == "/dev/stdin" ? "standard input" : printable(file)) + ": " + action +
           (e.reason().empty() ? "" : ": " + printable(e.reason()));
}

// "LINE:COLUMN: text", or the text alone where the place is unknown.
std::string placed(const ReadNote& note) {
    if (note.line == 0) return note.text;
    std::string place = std::to_string(note.line);
    if (note.column) place += ":" + std::to_string(note.column);
    return place + ": " + note.text;
}

// "FILE:LINE:COLUMN: text", or "FILE: text" where the place is unknown.
std::string located(const std::string& file, const ReadNote& note) {
    if (note.line != 0) return printable(file) + ":" + placed(note);
    return printable(file) + ": " + note.text;
}

// Ends a job with its result: the reason fails it (an output file that could not be
// written is named as such), the warnings of a success are shown.
void finish(const ReadResult& result, const std::string& file) {
    if (result.fileError) throw JobFailure{fileFailure(*result.fileError)};
    if (!result.ok) throw JobFailure{located(file, result.reason)};
    for (const ReadNote& warning : result.warnings)
        printError(located(file, {"warning: " + warning.text, warning.line, warning.column,
                                  warning.code, warning.path}));
}

// Where a mobile plan unpacked with --temp-dir goes: the library puts BASE in the
// system's temporary directory ($TMPDIR, else /tmp), which must be a folder.
std::string temporaryBase(const std::string& base) {
    const std::string dir = temporaryDirectory();
    std::error_code error;
    if (!std::filesystem::is_directory(dir, error))
        throw JobFailure{"the temporary folder " + printable(dir) +
                         " (from the environment, such as " + "$TMPDIR) is not a folder: " +
                         (error ? error.message() : std::string("it does not exist"))};
    return dir + base;
}

// ---- commands ------------------------------------------------------------------------

int runDefaults(const Options& o) {
    const std::optional<uint32_t> radioType = o.radioType();
    printOut(toUtf8(o.has("--mobile") ? (radioType ? mobileDefaults(*radioType) : mobileDefaults())
                                      : handheldDefaults(radioType)));
    return 0;
}

// The plan texts and the domain of an existing mission plan, for a repack.
struct PlanSource {
    PlanTexts texts;
    std::wstring domain;
};

PlanSource planTextsOf(const std::string& path) {
    Input in = readInput(path, "document");
    PlanSummary summary = inspectMissionPlan(std::move(in.text), false);
    if (!summary.problem.text.empty()) throw JobFailure{located(in.name, summary.problem)};
    if (summary.missionLoad.empty()) throw JobFailure{in.name + ": " + kNoMissionPlan};
    // XML reads character references into texts that no document may hold.
    std::vector<std::pair<std::string, const std::wstring*>> texts = {{"domain", &summary.domain}};
    for (const TextOption& t : kTextOptions) texts.push_back({t.label, &(summary.texts.*t.field)});
    for (const auto& [label, text] : texts)
        if (std::optional<std::string> problem = xmlTextProblem(*text))
            throw JobFailure{in.name + ": its " + label + " " + *problem};
    return {summary.texts, summary.domain};
}

int runWrite(const Options& o) {
    const std::string& base = o.operands[0];
    if (!o.has("--platform")) {
        const std::wstring domain = o.has("--domain") ? kDefaultDomain : std::wstring();
        finish(writeMissionPlanWithDefaults(base, o.texts(), o.readAs(), domain),
               printable(base) + ".xml");
        return 0;
    }
    Input platform = readInput(*o.value("--platform"), "platform file");
    PlanSource plan;
    if (const std::string* source = o.value("--plan")) plan = planTextsOf(*source);
    if (o.has("--domain")) plan.domain = kDefaultDomain;
    ReadResult result = writeMissionPlanFromPlatform(base, std::move(platform.text),
                                                     o.texts(plan.texts), o.readAs(), plan.domain);
    finish(result, platform.name);
    return 0;
}

int runParse(const Options& o) {
    const std::string& document = o.operands[0];
    const std::string& base = o.operands[1];
    const bool toTempDir = o.has("--temp-dir");
    const std::string where = toTempDir ? temporaryBase(base) : base;
    finish(unpackMissionPlanFile(inputPath(document), base, o.readAs(), toTempDir),
           shownName(document));
    if (toTempDir) printOut(printable(where) + "\n");
    return 0;
}

int runCheck(const Options& o) {
    Input document = readInput(o.operands[0], "document");
    const ReadResult result = checkMissionPlan(std::move(document.text), o.readAs());
    if (!o.has("--json")) {
        finish(result, document.name);
        return 0;
    }
    printOut(resultJson(document.name, o.readAs(), result) + "\n");
    return result.ok ? 0 : 1;
}

// ---- info ----------------------------------------------------------------------------

// The MissionLoad elements and the radios that read each.
struct LoadKind {
    const char* element;
    const char* key;
    const char* readers;
};
const LoadKind kLoadKinds[] = {
    {"qd470PMissionLoad", "classic handheld",
     "classic handheld radios (parse without --radio-type, or with a classic code)"},
    {"MissionLoad", "extended handheld",
     "handheld radios of the hazard and VR-mobile radio types (parse --radio-type N)"},
    {"MissionLoadQD470M", "mobile", "mobile radios (parse --mobile)"},
};

const LoadKind* loadKindOf(const std::string& element) {
    for (const LoadKind& kind : kLoadKinds)
        if (element == kind.element) return &kind;
    return nullptr;
}

std::string groupCodes(const std::string& group) {
    if (group == "hazard") return " (radio types 146, 199, 265)";
    if (group == "VR-mobile") return " (radio types 151, 153, 272, 273)";
    return "";
}

std::string readAsText(const ReadAs& as) {
    std::string text = as.mobile ? "a mobile plan" : "a handheld plan";
    if (as.radioType) return text + " of radio type " + std::to_string(*as.radioType);
    return as.mobile ? text : "a classic handheld plan";
}

std::string imageText(const PlanSummary::Image& image) {
    if (!image.present) return "none";
    if (!image.clean) return "not Base64 throughout (see the check)";
    return std::to_string(image.size) + " bytes, SHA-256 " + image.sha256;
}

std::string imageJson(const PlanSummary::Image& image) {
    const bool whole = image.present && image.clean;
    return jsonObject({{"present", jsonBool(image.present)},
                       {"base64", jsonBool(whole)},
                       {"size", whole ? std::to_string(image.size) : "null"},
                       {"sha256", whole ? jsonString(image.sha256) : "null"}});
}

std::string noteJson(const ReadNote& note) {
    return jsonObject({{"text", jsonString(note.text)},
                       {"line", std::to_string(note.line)},
                       {"column", std::to_string(note.column)},
                       {"code", jsonString(reasonCodeName(note.code))},
                       {"path", note.path.empty() ? std::string("null") : jsonString(note.path)}});
}

std::string readAsJson(const ReadAs& as) {
    return jsonObject({{"mobile", jsonBool(as.mobile)},
                       {"radio_type", as.radioType ? std::to_string(*as.radioType) : "null"}});
}

std::string resultJson(const std::string& file, const ReadAs& as, const ReadResult& result) {
    std::vector<std::string> warnings;
    for (const ReadNote& w : result.warnings) warnings.push_back(noteJson(w));
    return jsonObject({{"file", jsonString(file)},
                       {"read_as", readAsJson(as)},
                       {"ok", jsonBool(result.ok)},
                       {"reason", result.ok ? "null" : noteJson(result.reason)},
                       {"warnings", jsonArray(warnings)}});
}

int runInfo(const Options& o) {
    Input document = readInput(o.operands[0], "document");
    const PlanSummary s = inspectMissionPlan(std::move(document.text), false);
    if (!s.problem.text.empty()) throw JobFailure{located(document.name, s.problem)};

    const LoadKind* kind = loadKindOf(s.missionLoad);
    ReadResult check = s.check;
    if (!kind) {
        check.ok = false;
        check.reason = {kNoMissionPlan, 0, 0, ReasonCode::MissingElement, {}};
    }
    struct Text {
        const char* key;
        const char* label;
        const std::wstring& value;
    };
    const Text texts[] = {{"name", "name", s.texts.name},
                          {"description", "description", s.texts.description},
                          {"notes", "notes", s.texts.notes},
                          {"author", "author", s.texts.author},
                          {"locale", "locale", s.texts.locale},
                          {"pin", "PIN", s.texts.pin},
                          {"domain", "domain", s.domain},
                          {"version", "version", s.version},
                          {"date", "date", s.date},
                          {"aac_version", "AAC version", s.aacVersion}};

    if (o.has("--json")) {
        JsonMembers members;
        for (const Text& text : texts)
            members.push_back({text.key, jsonString(toUtf8(text.value))});
        std::vector<std::string> sections, warnings;
        for (const std::string& section : s.sections) sections.push_back(jsonString(section));
        for (const ReadNote& warning : check.warnings) warnings.push_back(noteJson(warning));
        const std::string radioType =
            s.readAs.radioType ? std::to_string(*s.readAs.radioType) : "null";
        members.insert(
            members.end(),
            {{"mission_load", kind ? jsonString(kind->element) : "null"},
             {"read_by", kind ? jsonString(kind->key) : "null"},
             {"sections", jsonArray(sections)},
             {"group", kind ? jsonString(s.group) : "null"},
             {"checked_as",
              kind ? jsonObject({{"mobile", jsonBool(s.readAs.mobile)}, {"radio_type", radioType}})
                   : "null"},
             {"images",
              jsonObject({{"flash", imageJson(s.flash)}, {"eeprom", imageJson(s.eeprom)}}, 1)},
             {"check", jsonObject({{"ok", jsonBool(check.ok)},
                                   {"reason", check.ok ? "null" : noteJson(check.reason)},
                                   {"warnings", jsonArray(warnings)}},
                                  1)}});
        printOut(jsonObject(members, 0) + "\n");
        return 0;
    }

    std::string out;
    auto line = [&](const std::string& label, const std::string& text) {
        out +=
            label + ":" + std::string(label.size() < 14 ? 14 - label.size() : 1, ' ') + text + "\n";
    };
    for (const Text& text : texts) line(text.label, printable(toUtf8(text.value)));
    line("MissionLoad", kind ? s.missionLoad + ", read by " + kind->readers : std::string("none"));
    std::string sections;
    for (const std::string& section : s.sections) sections += printable(section) + " ";
    line("sections", s.sections.empty() ? std::string("none")
                                        : sections + "(" + std::to_string(s.sections.size()) + ")");
    if (kind) line("group", s.group + groupCodes(s.group));
    line("flash image", imageText(s.flash));
    line("EEPROM image", imageText(s.eeprom));
    const std::string as = kind ? " as " + readAsText(s.readAs) : "";
    line("check", check.ok ? "passes" + as : "fails" + as + ": " + placed(check.reason));
    for (const ReadNote& warning : check.warnings) line("warning", placed(warning));
    printOut(out);
    return 0;
}

const Command* findCommand(const std::string& name) {
    for (const Command& command : kCommands)
        if (name == command.name) return &command;
    return nullptr;
}

// --completion bash: the completion script, from the tables above.
int printCompletion(const std::vector<std::string>& args) {
    if (args.size() != 2 || args[1] != "bash")
        throw UsageError{"--completion takes the name of a shell: bash"};
    std::vector<CompletionOption> options;
    for (const KnownOption& o : kOptions) {
        const char* value = "text";  // a text, a count or a date: nothing to offer
        switch (o.takes) {
            case Takes::Nothing:
                value = nullptr;
                break;
            case Takes::RadioType:
                value = "radio-type";
                break;
            case Takes::File:
                value = "file";
                break;
            case Takes::Path:
                value = "path";
                break;
            case Takes::Text:
            case Takes::Count:
            case Takes::Date:
                break;
        }
        options.push_back({o.name, o.commands, value, o.repeatable});
    }
    printOut(bashCompletion(kCommands, options));
    return 0;
}

int run(const std::vector<std::string>& args) {
    if (!args.empty() && args[0] == "--completion") return printCompletion(args);
    const Command* command = args.empty() ? nullptr : findCommand(args[0]);
    for (const std::string& arg : args) {
        if (arg == "--") break;
        const bool help = arg == "-h" || arg == "--help";
        if (!help && arg != "-V" && arg != "--version") continue;
        // Only the command may stand beside them.
        if (args.size() > (command ? 2u : 1u))
            throw UsageError{arg + " takes no other arguments (tarin-translator [COMMAND] " + arg +
                             ")"};
        if (help) {
            printOut(command ? std::string(command->help) + kCommonHelp : kGeneralHelp);
        } else {
            printOut("tarin-translator " TARIN_TOOL_VERSION " (mission plan version v4.000)\n");
        }
        return 0;
    }
    if (args.empty()) throw UsageError{"no command given (see tarin-translator --help)"};
    if (!command) {
        const bool option = args[0].size() > 1 && args[0][0] == '-';
        throw UsageError{(option ? "unknown option " + printable(args[0])
                                 : "unknown command '" + printable(args[0]) + "'") +
                         " (see tarin-translator --help)"};
    }
    return command->run(parseCommandLine(*command, args));
}

}  // namespace tarin::tool

int main(int argc, char** argv) {
    using namespace tarin::tool;
    // Every result carries its reason; the library's own messages would only repeat it.
    tarin::setMessageSink([](tarin::MessageKind, const std::wstring&) {});
    removeTemporaryFilesOnInterrupt();
    // A file beyond the size limit (ulimit -f) fails its write with EFBIG, which is
    // reported and cleaned up, instead of ending the process.
    ignoreFileSizeLimitSignal();
    // TARIN_NAMED_TEMPORARIES=1 makes every write take the way of file systems without
    // unnamed temporary files (for tests of that way).
    if (const char* named = std::getenv("TARIN_NAMED_TEMPORARIES");
        named && std::string(named) == "1")
        tarin::useUnnamedTemporaryFiles(false);
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& e) {
        printError(e.text);
        return 2;
    } catch (const JobFailure& e) {
        printError(e.text);
        return e.status;
    } catch (const tarin::FileError& e) {
        printError(fileFailure(e));
        return 1;
    } catch (const std::exception& e) {
        printError(e.what());
        return 1;
    }
}
