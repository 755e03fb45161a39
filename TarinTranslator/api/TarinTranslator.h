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
// the plan's domain to "TACCOM_RADIO01". Throws FileError when an image cannot be read
// (nothing is written then); returns false when base.xml cannot be written (a previous
// one stays as it was).
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
// On failure a message goes to the message handler and the result is false.
TARIN_API bool unpackHandheldMissionPlan(std::string document, const std::filesystem::path& base,
                                         std::optional<uint32_t> radioType = std::nullopt);

// The same for a mobile mission plan; with `toTempDir` the three files go to the
// system's temporary directory, named by `base`.
TARIN_API bool unpackMobileMissionPlan(std::string document, const std::filesystem::path& base,
                                       bool toTempDir,
                                       std::optional<uint32_t> radioType = std::nullopt);

// The same, reading the document from a file (mapped, not copied). Throws FileError
// when the file cannot be opened.
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

// The message that a document that does not read produces.
inline constexpr const wchar_t* kParseFailureMessage = L"Unable to Parse VEX data from xml.";

}  // namespace tarin
