#pragma once

// Why a read stopped, and what it passed over.
//
// A caller that wants to know installs a ReadLog for the duration of one read
// (ReadLogScope); readers reach it through readLog(), which is null when nobody listens,
// so a read that nobody asks about does no extra work. Nothing here changes a result: a
// read succeeds or fails as it would without a log.
//
// Where a conversion or a check fails, the code notes the problem. Whoever knows what the
// failure means decides: the dispatcher turns the note of a section that fails into the
// read's failure; a note that a successful read leaves behind (a value left as it was, a
// list entry dropped) becomes a warning.

#include <cstddef>
#include <cstdint>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "TarinTranslator/host/ReasonCode.h"
#include "TarinTranslator/model/Vocabulary.h"

namespace tarin {

// One thing a read found, and where: a byte offset into the document text, or -1.
struct Finding {
    std::string text;  // UTF-8, one line
    std::ptrdiff_t offset = -1;
    ReasonCode code = ReasonCode::None;
    std::string path;  // the setting's path, when it concerns one
};

class ReadLog {
  public:
    // Remembers where the lines of `text` start. Call it before the text is parsed in
    // place: the parser overwrites some line breaks.
    void indexLines(std::string_view text);
    // Takes the offsets of nodes and attributes relative to the text of `doc`.
    void useDocument(const pugi::xml_document& doc);

    // Line and byte column, both counted from 1, of an offset; {0, 0} when unknown.
    std::pair<std::size_t, std::size_t> place(std::ptrdiff_t offset) const;
    std::ptrdiff_t offsetOf(pugi::xml_node node) const;
    std::ptrdiff_t offsetOf(pugi::xml_attribute attr) const;
    std::ptrdiff_t offsetOf(const char* inText) const;

    // The read's failure; the first one stands.
    void fail(std::string text, std::ptrdiff_t offset, ReasonCode code = ReasonCode::None,
              std::string path = {});
    void warn(std::string text, std::ptrdiff_t offset, ReasonCode code = ReasonCode::None,
              std::string path = {});

    // Notes a problem: `where` is the element (possibly null) and `attribute` the name of
    // the attribute it concerns (possibly empty). A note still pending becomes a warning.
    void note(pugi::xml_node where, std::string attribute, std::string text, std::ptrdiff_t offset,
              ReasonCode code = ReasonCode::CheckFailed, pugi::xml_attribute attr = {});
    // Notes that the number `value` of `attribute` failed a check (`what` says how). The
    // reason quotes the attribute's text as the document writes it where that text reads
    // as `value` ("-1" for 4294967295), else shows the number.
    void noteNumber(std::string attribute, int64_t value, std::string what);
    // The pending note becomes the failure, placed in `section` when it has no element of
    // its own; without a note, `fallback` is the failure.
    void failNoted(pugi::xml_node section, std::string_view fallback);
    // The pending note becomes a warning, placed in `section` when it has no element of its
    // own.
    void warnNoted(pugi::xml_node section = {});
    void dropNote();

    // The sections of the platformConfig element read, by name and place.
    void recordSections(pugi::xml_node platformConfig);
    const std::vector<Finding>& sections() const { return sections_; }

    // The section whose reader failed, if one did.
    void setFailedSection(std::string name) { failedSection_ = std::move(name); }
    const std::string& failedSection() const { return failedSection_; }

    bool failed() const { return failed_; }
    const Finding& failure() const { return failure_; }
    const std::vector<Finding>& warnings() const { return warnings_; }

  private:
    struct Note {
        bool pending = false;
        std::string path;       // element path, may be empty
        std::string attribute;  // may be empty
        std::string text;
        std::ptrdiff_t offset = -1;
        bool numbered = false;  // `text` follows "attribute=value "
        int64_t number = 0;
        ReasonCode code = ReasonCode::None;
        pugi::xml_node element;    // where it is, when known
        pugi::xml_attribute attr;  // the attribute itself, when known
    };
    Finding findingOf(const Note& note, pugi::xml_node section) const;

    // Where the line feeds of the text are, a bit a byte, for the blocks of kBlockBytes
    // that hold any (the others have kNoLineFeed), and how many lie before each block: a
    // reason's place is worked out only when asked.
    static constexpr std::size_t kBlockBytes = 4096;
    static constexpr std::size_t kWordsPerBlock = kBlockBytes / 64;
    static constexpr uint32_t kNoLineFeed = UINT32_MAX;
    uint64_t feedsIn(std::size_t word) const;  // the bits of the word'th 64 bytes
    std::vector<uint32_t> blockAt_;            // per block: its words' place in pool_
    std::vector<uint64_t> pool_;
    std::vector<std::size_t> linesBefore_;
    std::size_t lines_ = 0;
    bool indexed_ = false;
    std::size_t size_ = 0;        // of the indexed text
    const char* base_ = nullptr;  // start of the parsed text
    bool failed_ = false;
    Finding failure_;
    std::vector<Finding> warnings_;
    std::vector<Finding> sections_;
    std::string failedSection_;
    Note note_;
};

// The log of the read running on this thread, or null.
ReadLog* readLog();

// Installs `log` for this thread while the scope lives.
class ReadLogScope {
  public:
    explicit ReadLogScope(ReadLog* log);
    ~ReadLogScope();
    ReadLogScope(const ReadLogScope&) = delete;
    ReadLogScope& operator=(const ReadLogScope&) = delete;

  private:
    ReadLog* previous_;
};

// A value as a reason shows it: in quotes, cut to 40 characters, control characters
// escaped, so that a reason stays one short line.
std::string quoted(std::string_view value);
// "platformConfig/networkConfig/wifiAPCfg": the names from the platformConfig element (or
// the document element) down to `node`.
std::string elementPath(pugi::xml_node node);
// Why a text is not a name of `table`: "is not one of its names (OFF, ON)", or, for a table
// of more than 12 names, where they are listed.
std::string notOneOfTheNames(const VocabTable& table);

// Notes of the converters, made only when a log listens.
void noteConversion(pugi::xml_node where, pugi::xml_attribute attr, std::string why,
                    ReasonCode code);
void noteMissing(pugi::xml_node where, const char* attribute);
void noteProblem(pugi::xml_node where, std::string text, ReasonCode code = ReasonCode::CheckFailed);

// Warns, when a log listens, that the list entry `entry`, whose key (the attribute
// `attribute` as the reader takes it) repeats an earlier entry's, is dropped or, with
// `replaces`, replaces the earlier one: nothing in a list vanishes silently.
void warnRepeatedKey(pugi::xml_node entry, const char* attribute, bool replaces);

// Adds `value` under `key` unless the list has an entry there: the first one stands, and
// a later one is a warning placed at `entry`.
template <class Map, class Key, class Value>
void keepFirst(Map& list, const Key& key, Value&& value, pugi::xml_node entry,
               const char* attribute) {
    if (!list.try_emplace(key, std::forward<Value>(value)).second)
        warnRepeatedKey(entry, attribute, false);
}

// A check written as code: passes `ok` through and, when it is false and a log listens,
// notes `attribute` and the text that `why()` makes.
template <class Why>
bool expect(bool ok, const char* attribute, Why why) {
    if (!ok)
        if (ReadLog* log = readLog()) log->note({}, attribute, why(), -1);
    return ok;
}

}  // namespace tarin
