#pragma once

// The C++ interface of the library: write mission plans from waveform images, unpack
// mission plans into image and platform files, and produce default configurations.
// The exported C functions (Exports.h) are thin wrappers over these.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TarinTranslator/api/Version.h"
#include "TarinTranslator/host/Export.h"
#include "TarinTranslator/host/Platform.h"

namespace tarin {

// The lengths in characters that a plan keeps of its texts: longer ones are cut.
inline constexpr std::size_t kPlanTextLength = 80;  // name, description, author, locale, pin
inline constexpr std::size_t kNotesLength = 256;
inline constexpr std::size_t kAacVersionLength = 6;

// The texts a user types for a plan. Longer texts are cut to the plan's fields: 80
// characters (notes 256), AAC version 6.
struct PlanTexts {
    std::wstring name;
    std::wstring description;
    std::wstring notes;
    std::wstring author;
    std::wstring locale;
    std::wstring pin;         // handheld only
    std::wstring aacVersion;  // handheld only
};

// Writes base.xml from base.fl and base.ee for a classic handheld radio; `domain` sets
// the plan's domain to "TACCOM_RADIO01". The images are regular files, pipes or FIFOs
// (read to their end); throws FileError when one cannot be read (nothing is written
// then), and TextError when a text holds a character that XML does not allow (nothing
// is read or written then). Returns false, with errno set, when base.xml cannot be
// written (a previous one stays as it was). Throws FileError for base.xml when it is
// refused: when it exists and is not a regular file (a device, a FIFO, a socket, a
// directory; after following symbolic links), or when it is reached through a symbolic
// link in a sticky world-writable directory (such as /tmp) that belongs neither to the
// process's user nor to the directory's owner (a link the kernel's protection would not
// follow). Nothing is written then.
//
// Every file this library writes is written in full and flushed to the disk before it
// replaces the previous one, which keeps its permission bits (and its owner and group
// where the process may set them); a symbolic link stays one and the file it points to
// is replaced. Each write or parse also removes the stale temporary files of the
// directories it writes into (see removeStaleTemporaryFiles()).
[[nodiscard]] TARIN_API bool writeClassicMissionPlan(const std::filesystem::path& base,
                                                     const PlanTexts& texts, bool domain);

// The same for a handheld radio of the given radio type code.
[[nodiscard]] TARIN_API bool writeHandheldMissionPlan(const std::filesystem::path& base,
                                                      const PlanTexts& texts, uint32_t radioType);

// The same for a mobile radio (pin and AAC version are not used).
[[nodiscard]] TARIN_API bool writeMobileMissionPlan(const std::filesystem::path& base,
                                                    const PlanTexts& texts, uint32_t radioType);

// Reads a handheld mission plan (the document's bytes, UTF-8 as in a file) and writes
// base.fl, base.ee and base.pd. Without a radio type the plan is read as a classic one.
// The three files are put in place together once all are written: on failure none of
// the previous files is changed, a message goes to the message handler and the result
// is false. A refused file (see writeClassicMissionPlan()) fails it the same way.
[[nodiscard]] TARIN_API bool unpackHandheldMissionPlan(
    std::string document, const std::filesystem::path& base,
    std::optional<uint32_t> radioType = std::nullopt);

// The same for a mobile mission plan; with `toTempDir` the three files go to the
// system's temporary directory (temporaryDirectory()), named by `base`.
[[nodiscard]] TARIN_API bool unpackMobileMissionPlan(
    std::string document, const std::filesystem::path& base, bool toTempDir,
    std::optional<uint32_t> radioType = std::nullopt);

// The same, reading the document whole from a file, a pipe or a FIFO.
// Throws FileError when it cannot be read.
[[nodiscard]] TARIN_API bool unpackHandheldMissionPlanFile(
    const std::filesystem::path& document, const std::filesystem::path& base,
    std::optional<uint32_t> radioType = std::nullopt);
[[nodiscard]] TARIN_API bool unpackMobileMissionPlanFile(
    const std::filesystem::path& document, const std::filesystem::path& base, bool toTempDir,
    std::optional<uint32_t> radioType = std::nullopt);

// ---- Reads that say why ------------------------------------------------------------
//
// The functions below read as those above do, with the same results, but instead of
// showing a message they return what happened: whether the read succeeded, the first
// reason it stopped and where in the document, and what a successful read passed over.
// The mission plan reader's own diagnostic lines still go to the message channel.

// What a document is read as: a handheld plan (classic without a radio type, or of the
// given radio type) or a mobile plan (whose record takes the radio type, 0 without one).
struct ReadAs {
    bool mobile = false;
    std::optional<uint32_t> radioType;
};

// A reason or a warning, and where it points in the document: line and byte column,
// both from 1; 0 when the place is unknown. Values quoted in it are cut to 40 characters
// with control characters escaped, so that it is one short line.
struct ReadNote {
    std::string text;  // UTF-8
    std::size_t line = 0;
    std::size_t column = 0;
    ReasonCode code = ReasonCode::None;  // what it is about
    std::string path;  // the setting's path (relative to platformConfig), when it names one
};

// What a read or a write says happened; a result that is not looked at is a warning.
struct [[nodiscard]] ReadResult {
    bool ok = false;
    ReadNote reason;                 // why the read failed; empty text when it succeeded
    std::vector<ReadNote> warnings;  // what a read that succeeded left or dropped
    // When an output file could not be written, that failed the result: the file as it
    // was named, its action ("Cannot write", or "Not a regular file" for a refused target)
    // and its reason (the system's, with the temporary files that could not be removed
    // after it, if any). `reason` then reads "cannot write FILE: REASON".
    std::optional<FileError> fileError;
    explicit operator bool() const { return ok; }
};

// Reads `document` (its bytes, UTF-8 as in a file) and writes base.fl, base.ee and
// base.pd (with `toTempDir`, for mobile plans, into the temporary directory). A file that
// cannot be written, or is refused (see writeClassicMissionPlan()), fails the result with
// the reason in `reason` and `fileError`; none is then replaced.
TARIN_API ReadResult unpackMissionPlan(std::string document, const std::filesystem::path& base,
                                       const ReadAs& as, bool toTempDir = false);
// The same from a file, a pipe or a FIFO. Throws FileError when it cannot be read.
TARIN_API ReadResult unpackMissionPlanFile(const std::filesystem::path& document,
                                           const std::filesystem::path& base, const ReadAs& as,
                                           bool toTempDir = false);

// Reads a document as unpacking would and writes nothing. Besides the read's own
// warnings, it warns of each section the document holds that the radio type does not
// keep (unpacking writes the platform file without it).
TARIN_API ReadResult checkMissionPlan(std::string document, const ReadAs& as);

// What a document holds, for a look before unpacking. It works on any well-formed
// document: what is missing is empty, and `check` says whether the document reads as its
// MissionLoad element and sections imply.
struct PlanSummary {
    ReadNote problem;  // why the document is not a well-formed XML document, if it is not
    PlanTexts texts;   // name, description, notes, author, locale, pin and AAC version
    std::wstring domain;
    std::wstring version;
    std::wstring date;
    std::wstring aacVersion;
    std::string missionLoad;            // its element name; empty when there is none
    std::vector<std::string> sections;  // the children of platformConfig, in order
    ReadAs readAs;                      // what the element and the sections imply
    std::string group;                  // "classic", "hazard", "VR-mobile" or "mobile"
    struct Image {
        bool present = false;        // the BLOB element is there
        bool clean = false;          // its text is Base64 throughout
        std::size_t size = 0;        // of the decoded bytes, when clean
        std::string sha256;          // of the decoded bytes, lower-case hexadecimal, when clean
        std::vector<uint8_t> bytes;  // the decoded bytes, when clean and asked for
    };
    Image flash, eeprom;
    ReadResult check;
};
// With `withBytes` false the images are described by size and digest only, and no copy of
// them is held (the summary of a large plan then costs little beside its document).
[[nodiscard]] TARIN_API PlanSummary inspectMissionPlan(std::string document, bool withBytes = true);

// Writes base.xml from base.fl and base.ee, as the write functions above do, but with the
// platform configuration read from `platformText` (a platform file as unpacking writes
// it) instead of the defaults: the text is read into a defaulted record of the radio type
// with the same section readers and checks. A classic handheld plan (no radio type) gets
// `domain` as its domain when it is not empty; other plans carry none, and a domain given
// for them is left out with a warning. A text that does not read fails the result with its
// reason, and nothing is written; so does base.xml when it cannot be written (with
// `fileError` set). Throws FileError when an image cannot be read, and when base.xml is
// refused (see writeClassicMissionPlan()).
TARIN_API ReadResult writeMissionPlanFromPlatform(const std::filesystem::path& base,
                                                  std::string platformText, const PlanTexts& texts,
                                                  const ReadAs& as,
                                                  const std::wstring& domain = {});

// Writes base.xml with the default platform configuration, as writeMobileMissionPlan()
// (`as.mobile`; the radio type 0 without one), writeHandheldMissionPlan() (a radio type)
// or writeClassicMissionPlan() do, but says why it failed as writeMissionPlanFromPlatform()
// does. A handheld plan gets `domain` as its domain when it is not empty.
TARIN_API ReadResult writeMissionPlanWithDefaults(const std::filesystem::path& base,
                                                  const PlanTexts& texts, const ReadAs& as,
                                                  const std::wstring& domain = {});

// Reads a whole input the way the functions above read documents and images: a regular
// file, a pipe or a FIFO (such as /dev/stdin), to its end. Anything else (a directory, a
// device) and every failure throw FileError naming the file, `what` it was read as, and
// the system's reason. A text (anything but an "image file") read from a pipe or a FIFO
// ends at its first NUL byte unless it opens with a UTF-16 or UTF-32 byte order mark: no
// document holds one, and a reader refuses it there.
[[nodiscard]] TARIN_API std::string readInputFile(const std::filesystem::path& file,
                                                  const std::string& what = "document");

// The platformConfig text of a defaulted handheld record (classic without a radio type)
// and of a defaulted mobile record; lines end in "\n".
[[nodiscard]] TARIN_API std::wstring handheldDefaults(
    std::optional<uint32_t> radioType = std::nullopt);
[[nodiscard]] TARIN_API std::wstring mobileDefaults();
// The same as written for a mobile radio of the given radio type (its Bluetooth settings
// depend on it).
[[nodiscard]] TARIN_API std::wstring mobileDefaults(uint32_t radioType);

// The folder where `toTempDir` puts unpacked files, ending in "/": the first of $TMPDIR,
// $TMP, $TEMP and $TEMPDIR that is set and not empty, else /tmp. It is not checked: files
// written into one that does not exist fail with its name.
[[nodiscard]] TARIN_API std::string temporaryDirectory();

// Removes the temporary files of the writes in progress in this process (those writes
// then fail). The library installs no signal handler: a program whose SIGINT or SIGTERM
// ends it calls this from its handler first. Safe to call from a signal handler.
TARIN_API void removeTemporaryFiles() noexcept;

// Removes the stale temporary files in `dir` and returns how many it removed. A temporary
// file is named ".tarin-" followed by who made it (the boot and process id namespace, the
// process id and the process's start time) and a random part. It is stale when it was
// made on this machine since its last boot, by a process that is gone, and has not been
// changed for a minute; files of another machine (on a shared file system), of an earlier
// boot, of a process still running, and names not of that form are kept. A write or parse
// calls this for the directories it writes into; a program that writes many files into
// one directory may call it once itself. Returns 0 when the directory cannot be read.
TARIN_API std::size_t removeStaleTemporaryFiles(const std::filesystem::path& dir);

// Whether writes start their temporary files unnamed (O_TMPFILE, named only when they are
// complete) where the file system has them, the default, or always under a temporary name,
// as on file systems without unnamed files. For tests; applies to the whole process.
TARIN_API void useUnnamedTemporaryFiles(bool use);

// The message that a document that does not read produces.
inline constexpr const wchar_t* kParseFailureMessage = L"Unable to Parse VEX data from xml.";

}  // namespace tarin
