#pragma once

// Every setting of a configuration by its path: read them (get), compare two
// configurations (diff), change them (set), and say what a setting is (describe).
//
// A path is relative to the platformConfig element and is also an XPath expression that
// selects the same value in a platform file this library wrote:
//
//   TimeDateCfg/@zone                                   an attribute
//   audioConfig/microphone[@micType='EXTERNAL']/@gain   an entry of a list kept by a key
//   AliasList/aliasInfo[3]/@aliasName                   the 3rd entry of a list kept in order
//   networkConfig/wifiAPCfg/ssid                        a setting held as element text
//   audioConfig/voiceAnnunciation                       an element: every setting below it
//
// Predicates may be written without quotes (microphone[@micType=EXTERNAL]). Values are
// UTF-8, as the writer writes them (names of their tables, decimal numbers).

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TarinTranslator/api/TarinTranslator.h"

namespace tarin {

struct SettingValue {
    std::string path;
    std::string value;
    bool operator==(const SettingValue& o) const { return path == o.path && value == o.value; }
};

// An image of a plan: whether its element is there, whether its text is Base64
// throughout, and then the size and SHA-256 digest (lower-case hexadecimal) of its bytes,
// taken while they are decoded a piece at a time.
struct ImageDigest {
    bool present = false;
    bool clean = false;
    std::size_t size = 0;
    std::string sha256;
};

// A configuration read from a mission plan or a platform file.
class TARIN_API Configuration {
  public:
    Configuration();

    // Reads `text`, a mission plan or a platform file (told apart by the root element), as
    // `as` says or, without it, as its MissionLoad element and sections imply: a plan as
    // unpacking reads it (the images only hashed), a platform file as repacking does (into
    // the defaults of the radio type). The result says whether it read and why not.
    [[nodiscard]] static Configuration read(std::string_view text,
                                            std::optional<ReadAs> as = std::nullopt);
    // The same for the file `file` (or a pipe or FIFO), read whole first. Throws FileError
    // when it cannot be read.
    [[nodiscard]] static Configuration readFile(const std::filesystem::path& file,
                                                std::optional<ReadAs> as = std::nullopt);

    const ReadResult& result() const;
    bool isPlan() const;
    const ReadAs& readAs() const;

    // Every setting, in document order, as the writer writes the record read.
    std::vector<SettingValue> settings() const;
    // The settings `path` selects: one, or all those below an element; none when it
    // selects nothing.
    std::vector<SettingValue> select(std::string_view path) const;
    // The settings as the document itself holds them, before the reader takes them (for a
    // document whose read failed, also what it holds beyond what read).
    std::vector<SettingValue> documentSettings() const;
    // Up to `count` setting paths nearest to `path`, for a path that selects nothing.
    std::vector<std::string> nearestPaths(std::string_view path, std::size_t count = 3) const;

    // A plan's texts (as a plan keeps them), domain, stamps and images; empty for a
    // platform file.
    struct Plan {
        PlanTexts texts;
        std::wstring domain;
        std::wstring version;
        std::wstring date;
        ImageDigest flash, eeprom;
    };
    const Plan& plan() const;

    // The configuration in the summary form of the writers (a compact view, not a complete
    // one), lines ending in "\n".
    std::wstring summary() const;

    struct State;

  private:
    explicit Configuration(std::shared_ptr<const State> state);
    std::shared_ptr<const State> state_;
};

// One difference between two configurations: a setting, a list entry or a section (by its
// path), a plan text or stamp (by the key info --json gives it: name, ..., date,
// aac_version), or an image ("images.flash", "images.eeprom", shown as its size and
// SHA-256). A value that one side lacks is nullopt there.
struct Difference {
    std::string path;
    std::optional<std::string> a, b;
    bool operator==(const Difference& o) const { return path == o.path && a == o.a && b == o.b; }
};

// How `a` and `b` differ, setting by setting, in document order: values of the same path,
// then entries and sections that only one holds (by their highest element), then, when
// both are plans, their texts, stamps (the date only `withDate`) and images. A
// configuration whose read failed is compared as its document holds it.
[[nodiscard]] TARIN_API std::vector<Difference> compareConfigurations(const Configuration& a,
                                                                      const Configuration& b,
                                                                      bool withDate = false);

// What a setting is, for a radio kind: how it is read, what its section's check admits,
// its default and the radio groups whose documents carry it.
struct SettingDescription {
    enum class Kind { OnOff, Name, Number, Text, Other };
    std::string path;
    std::string defaultValue;  // as the defaults of the radio kind hold it
    Kind kind = Kind::Other;
    std::vector<std::string> names;    // OnOff and Name: the names of its table
    bool signedNumber = false;         // Number
    int64_t readMin = 0, readMax = 0;  // Number: what the reader converts (else the read fails
    int base = 10;                     //   or, for a tolerant setting, the value stays)
    bool decimal = false;              // Text: a decimal number held as text
    std::optional<std::pair<int64_t, int64_t>> checked;  // what the section's check admits
    std::optional<int64_t> limit;                        // Text: at most this many characters
    std::string reading;              // "required", "optional" (absent: kept) or "tolerant"
    std::vector<std::string> groups;  // "classic", "hazard", "VR-mobile", "mobile"
    std::string section;              // whose check judges it (and whose reader reads it)
};

// The settings `path` selects in the configuration of the radio kind `as` (its defaults,
// with an entry in every list that takes entries); none when it selects nothing.
[[nodiscard]] TARIN_API std::vector<SettingDescription> describeSettings(std::string_view path,
                                                                         const ReadAs& as);
// Up to `count` setting paths of that configuration nearest to `path`.
[[nodiscard]] TARIN_API std::vector<std::string> nearestSettingPaths(std::string_view path,
                                                                     const ReadAs& as,
                                                                     std::size_t count = 3);

// An XML Schema (XSD 1.0) of the mission plans of the radio kind `as`, as UTF-8 text: the
// elements and attributes the writer writes for that kind, names as enumerations of their
// tables, numbers in the ranges the readers convert, texts with their length limits.
// Every plan the writer writes for a record that passes its checks validates against it.
// Where the schema is wider than one element's values (elements of one name that differ
// by key) or narrower than what the readers take, its annotations say so.
[[nodiscard]] TARIN_API std::string missionPlanSchema(const ReadAs& as = {});

// "PATH=VALUE" split at the first "=" outside brackets; nullopt without one.
[[nodiscard]] TARIN_API std::optional<SettingValue> parseAssignment(std::string_view text);

// Changes of a plan's texts: each given text replaces the plan's (cut to what a plan keeps).
struct PlanTextChanges {
    std::optional<std::wstring> name, description, notes, author, locale, pin, aacVersion;
};

// What `setSettings` changes: settings (PATH = VALUE, applied in order), list entries
// removed (by the path of the entry), and plan texts.
struct SettingChanges {
    std::vector<SettingValue> assignments;
    std::vector<std::string> removals;
    PlanTextChanges texts;
};

// Reads `file` (a mission plan or a platform file) as Configuration::read does, applies
// each change with the same conversion and check as reading a document, and writes the
// result to `output` (which may be `file`: it is replaced as every output is, its mode
// kept; with `backup` the file it replaces is kept beside it with "~" appended). A plan
// keeps its images byte for byte and its texts unless changed, and gets a new date stamp;
// a platform file stays a platform file.
//
// Assigning to the entry after the last of a list (AliasList/aliasInfo[4] of three, or a
// key a keyed list lacks) appends an entry, its other settings its defaults; removing
// takes the entry out. Lists of fixed entries (microphones, audio outputs) and menus take
// neither.
//
// Nothing is written, and the result fails with the reason naming the path, when the file
// does not read or its read warns (it would lose what the warning names); when a path
// selects no setting the radio kind carries, or more than one; when a value does not read
// (the reader's reason); and when the reader would keep a value other than the one given
// (the reason says what it would become). Throws FileError when `file` cannot be read.
TARIN_API ReadResult setSettings(const std::filesystem::path& file, const SettingChanges& changes,
                                 const std::filesystem::path& output,
                                 std::optional<ReadAs> as = std::nullopt, bool backup = false);

}  // namespace tarin
