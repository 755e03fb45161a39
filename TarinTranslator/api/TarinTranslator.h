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

#include "TarinTranslator/platform/Export.h"
#include "TarinTranslator/platform/Platform.h"

namespace tarin {

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
// then). Returns false when base.xml cannot be written (a previous one stays as it was).
//
// Every file this library writes is written in full and flushed to the disk before it
// replaces the previous one, which keeps its permission bits (and its owner and group
// where the process may set them); a symbolic link stays one and the file it points to
// is replaced.
TARIN_API bool writeClassicMissionPlan(const std::filesystem::path& base, const PlanTexts& texts,
                                       bool domain);

// The same for a handheld radio of the given radio type code.
TARIN_API bool writeHandheldMissionPlan(const std::filesystem::path& base, const PlanTexts& texts,
                                        uint32_t radioType);

// The same for a mobile radio (pin and AAC version are not used).
TARIN_API bool writeMobileMissionPlan(const std::filesystem::path& base, const PlanTexts& texts,
                                      uint32_t radioType);

// Reads a handheld mission plan (the document's bytes, UTF-8 as in a file) and writes
// base.fl, base.ee and base.pd. Without a radio type the plan is read as a classic one.
// The three files are put in place together once all are written: on failure none of
// the previous files is changed, a message goes to the message handler and the result
// is false.
TARIN_API bool unpackHandheldMissionPlan(std::string document, const std::filesystem::path& base,
                                         std::optional<uint32_t> radioType = std::nullopt);

// The same for a mobile mission plan; with `toTempDir` the three files go to the
// system's temporary directory, named by `base`.
TARIN_API bool unpackMobileMissionPlan(std::string document, const std::filesystem::path& base,
                                       bool toTempDir,
                                       std::optional<uint32_t> radioType = std::nullopt);

// The same, reading the document from a file (mapped, not copied), a pipe or a FIFO.
// Throws FileError when it cannot be read.
TARIN_API bool unpackHandheldMissionPlanFile(const std::filesystem::path& document,
                                             const std::filesystem::path& base,
                                             std::optional<uint32_t> radioType = std::nullopt);
TARIN_API bool unpackMobileMissionPlanFile(const std::filesystem::path& document,
                                           const std::filesystem::path& base, bool toTempDir,
                                           std::optional<uint32_t> radioType = std::nullopt);

// The platformConfig text of a defaulted handheld record (classic without a radio type)
// and of a defaulted mobile record; lines end in "\n".
TARIN_API std::wstring handheldDefaults(std::optional<uint32_t> radioType = std::nullopt);
TARIN_API std::wstring mobileDefaults();

// Removes the temporary files of the writes in progress in this process (those writes
// then fail). The library installs no signal handler: a program whose SIGINT or SIGTERM
// ends it calls this from its handler first. Safe to call from a signal handler.
TARIN_API void removeTemporaryFiles() noexcept;

// The message that a document that does not read produces.
inline constexpr const wchar_t* kParseFailureMessage = L"Unable to Parse VEX data from xml.";

}  // namespace tarin
