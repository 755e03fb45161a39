#pragma once

// What the commands of the command-line tool share: their failures, the parsed command
// line, the input files and how results are shown.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "TarinTranslator/api/Settings.h"
#include "TarinTranslator/api/TarinTranslator.h"
#include "tools/Text.h"

namespace tarin::tool {

// A command line the tool cannot follow (exit 2), and a job that failed (exit 1). Both
// carry the line to show after "tarin-translator: ".
struct UsageError {
    std::string text;
};
struct JobFailure {
    std::string text;
    int status = 1;  // diff's trouble is 2
};

inline void printError(const std::string& line) {
    std::fprintf(stderr, "tarin-translator: %s\n", line.c_str());
}

inline void printOut(const std::string& text) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        throw JobFailure{"standard output: " + std::string(std::strerror(errno))};
}

enum CommandId : unsigned {
    kDefaults = 1,
    kWrite = 2,
    kParse = 4,
    kCheck = 8,
    kInfo = 16,
    kGet = 32,
    kSet = 64,
    kDiff = 128,
    kDescribe = 256,
    kShow = 512,
    kSchema = 1024,
    kBatch = 2048,
};

struct Options;

struct Command {
    const char* name;
    CommandId id;
    std::vector<const char*> operands;  // the last may end in "...": any number of them
    const char* help;
    int (*run)(const Options&);
};

// The text options and the plan texts they set.
struct TextOption {
    const char* option;
    const char* label;
    std::wstring PlanTexts::*field;
    std::size_t kept;                                      // characters a plan keeps
    std::optional<std::wstring> PlanTextChanges::*change;  // what set changes
};
inline const TextOption kTextOptions[] = {
    {"--name", "name", &PlanTexts::name, kPlanTextLength, &PlanTextChanges::name},
    {"--description", "description", &PlanTexts::description, kPlanTextLength,
     &PlanTextChanges::description},
    {"--notes", "notes", &PlanTexts::notes, kNotesLength, &PlanTextChanges::notes},
    {"--author", "author", &PlanTexts::author, kPlanTextLength, &PlanTextChanges::author},
    {"--locale", "locale", &PlanTexts::locale, kPlanTextLength, &PlanTextChanges::locale},
    {"--pin", "PIN", &PlanTexts::pin, kPlanTextLength, &PlanTextChanges::pin},
    {"--aac-version", "AAC version", &PlanTexts::aacVersion, kAacVersionLength,
     &PlanTextChanges::aacVersion},
};

struct Options {
    const Command* command = nullptr;
    std::vector<std::string> operands;
    std::map<std::string, std::string> given;                  // option → value; flags have ""
    std::map<std::string, std::vector<std::string>> repeated;  // every value of those repeated

    bool has(const char* option) const { return given.count(option) != 0; }
    const std::string* value(const char* option) const {
        auto found = given.find(option);
        return found == given.end() ? nullptr : &found->second;
    }
    std::optional<uint32_t> radioType() const {
        const std::string* text = value("--radio-type");
        if (!text) return std::nullopt;
        return static_cast<uint32_t>(std::stoul(*text));
    }
    ReadAs readAs() const { return {has("--mobile"), radioType()}; }
    // The plan texts of `texts` with those the options give; a text longer than the plan
    // keeps is a warning.
    PlanTexts texts(PlanTexts texts = {}) const {
        for (const TextOption& t : kTextOptions) {
            const std::string* v = value(t.option);
            if (!v) continue;
            texts.*t.field = fromUtf8(*v);
            if ((texts.*t.field).size() > t.kept)
                printError(std::string("warning: ") + t.option + ": the text is cut to " +
                           std::to_string(t.kept) + " characters, all that a plan keeps");
        }
        return texts;
    }
};

// ---- files and results -------------------------------------------------------------------

// A document or platform file read whole: a regular file, a pipe or a FIFO, or standard
// input for "-". Anything else and every failure raise FileError with the system's reason.
struct Input {
    std::string name;  // as messages show it: control characters escaped
    std::string text;
};

// A command-line file name as messages show it.
std::string shownName(const std::string& path);
// The file the library reads for a command-line file name: standard input for "-".
std::filesystem::path inputPath(const std::string& path);
Input readInput(const std::string& path, const std::string& noun);
// "FILE: action: reason" ("FILE: action" without a reason) from the parts of a FileError.
std::string fileFailure(const FileError& e);
// "LINE:COLUMN: text", or the text alone where the place is unknown.
std::string placed(const ReadNote& note);
// "FILE:LINE:COLUMN: text", or "FILE: text" where the place is unknown.
std::string located(const std::string& file, const ReadNote& note);
// A reason or warning as a JSON object: text, line, column, code and path.
std::string noteJson(const ReadNote& note);
// How a file was read, as a JSON object: mobile, radio_type.
std::string readAsJson(const ReadAs& as);
// A file's read as a JSON object: file, read_as, ok, reason and warnings.
std::string resultJson(const std::string& file, const ReadAs& as, const ReadResult& result);
// Ends a job with its result: the reason fails it (an output file that could not be
// written is named as such), the warnings of a success are shown.
void finish(const ReadResult& result, const std::string& file);

// The commands.
int runDefaults(const Options& o);
int runWrite(const Options& o);
int runParse(const Options& o);
int runCheck(const Options& o);
int runInfo(const Options& o);
int runGet(const Options& o);
int runSet(const Options& o);
int runDiff(const Options& o);
int runDescribe(const Options& o);
int runShow(const Options& o);
int runSchema(const Options& o);
int runBatch(const Options& o);

// Why `text` is not a date stamp batch --date takes, or nothing.
std::optional<std::string> dateProblem(const std::string& text);

}  // namespace tarin::tool
