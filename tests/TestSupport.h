#pragma once

// Helpers shared by the tests: writing records as text, loading text the way the document
// reader does, reading section elements, defaulted records, files and directories.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <pugixml.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "TarinTranslator/host/Platform.h"
#include "TarinTranslator/mission_plan/MissionPlanDocument.h"
#include "TarinTranslator/model/HandheldPlatform.h"
#include "TarinTranslator/model/RadioType.h"
#include "TarinTranslator/platform_xml/XmlText.h"

namespace tarin::test {

// Runs `write` on a wide string stream in XML mode (or summary mode) with the given radio
// type as the thread's current one, and returns the text.
template <class Write>
std::wstring written(Write write, uint32_t radioType = 0, bool xml = true) {
    currentRadioType() = radioType;
    std::wostringstream os;
    os << XmlMode(xml);
    write(os);
    return os.str();
}

// What the section writer `write` puts out for `value` under `radioType`, XML or summary.
template <class T>
std::wstring textOf(std::wostream& (*write)(std::wostream&, const T&), const T& value,
                    uint32_t radioType = 0, bool xml = true) {
    return written([&](std::wostream& os) { write(os, value); }, radioType, xml);
}

// Parses wide text as the document reader does and returns the document.
inline bool load(pugi::xml_document& doc, const std::wstring& text) {
    std::string utf8 = pugi::as_utf8(text);
    return doc.load_buffer(utf8.data(), utf8.size(), kDocumentParseOptions, pugi::encoding_utf8);
}

// Loads `text`, which must be well-formed, and reads its first element into `target` with
// `read` under the thread's current radio type.
template <class T, class Read>
bool readFrom(const std::wstring& text, Read read, T& target) {
    pugi::xml_document doc;
    EXPECT_TRUE(load(doc, text)) << pugi::as_utf8(text);
    return read(doc.first_child(), target);
}
template <class T, class Read>
bool readFrom(const std::string& utf8, Read read, T& target) {
    return readFrom(pugi::as_wide(utf8), read, target);
}

// The record of `code` holding its group's defaults.
inline HandheldPlatform defaulted(uint32_t code) {
    MissionPlan plan;
    plan.planRadioType = plan.Platform.radioType = code;
    applyHandheldDefaults(plan);
    return plan.Platform;
}

// `text` written `times` times in a row.
template <class Text>
Text repeated(const Text& text, int times) {
    Text out;
    while (times-- > 0) out += text;
    return out;
}

// The UTF-8 form of `text` with CR LF line ends, as the library writes files.
inline std::string crlf(const std::wstring& text) {
    std::string out;
    for (char c : pugi::as_utf8(text)) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

inline std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

// Whether `text` is the UTF-8 text kept in tests/data/NAME. With TARIN_UPDATE_EXPECTED set
// in the environment the file is written from `text` instead, for a change meant to alter
// it (the diff of the file is then the review).
inline ::testing::AssertionResult isExpectedText(const std::string& name,
                                                 const std::wstring& text) {
    const std::filesystem::path file = std::filesystem::path(TARIN_TEST_DATA_DIR) / name;
    const std::string utf8 = pugi::as_utf8(text);
    if (std::getenv("TARIN_UPDATE_EXPECTED")) writeFile(file, utf8);
    if (readFile(file) == utf8) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "not the text of tests/data/" << name << ":\n" << utf8;
}

// The names in `dir`, sorted and separated by blanks.
inline std::string entries(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string list;
    for (const std::string& name : names) list += (list.empty() ? "" : " ") + name;
    return list;
}

// Collects the messages of the library while alive.
struct Messages {
    Messages() {
        previous = setMessageHandler([this](const std::wstring& m) { seen.push_back(m); });
    }
    ~Messages() { setMessageHandler(previous); }
    std::vector<std::wstring> seen;
    MessageHandler previous;
};

// A fresh directory under the system's temporary directory, removed on destruction.
class TempDir {
  public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tarin-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

// `text` with its first `from` replaced by `to`; a test failure when there is none.
inline std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// The UTF-8 document of `plan`.
inline std::string documentOf(const MissionPlan& plan) {
    std::wostringstream os;
    XmlModeScope xml(os);
    writeMissionPlan(os, plan);
    return pugi::as_utf8(os.str());
}

// The document of the defaulted plan of `radioType` with a three-byte flash image, named
// `name`: its bytes as they are, not escaped, so that a test can put in any bytes.
inline std::string planDocument(uint32_t radioType, const std::string& name = "Plan") {
    MissionPlan plan;
    plan.planRadioType = plan.Platform.radioType = radioType;
    setFixed(plan.name, L"@");
    applyHandheldDefaults(plan);
    plan.Platform.flData = {1, 2, 3};
    return replaced(documentOf(plan), "name='@'", "name='" + name + "'");
}

// The document of the defaulted mobile plan named "Plan", with a three-byte flash image.
inline std::string mobilePlanDocument(uint32_t radioType = 0) {
    MobileMissionPlan plan;
    plan.MobilePlatform.radioType = radioType;
    setFixed(plan.name, L"Plan");
    applyMobileDefaults(plan);
    plan.MobilePlatform.flData = {1, 2, 3};
    std::wostringstream os;
    XmlModeScope xml(os);
    writeMobileMissionPlan(os, plan);
    return pugi::as_utf8(os.str());
}

// `text` as UTF-16LE behind its byte order mark.
inline std::string utf16(const std::wstring& text) {
    std::string bytes = "\xFF\xFE";
    auto unit = [&](unsigned u) { bytes += char(u & 0xFF), bytes += char(u >> 8); };
    for (wchar_t c : text) {
        if (c >= 0x10000) {
            unit(0xD800 + ((c - 0x10000) >> 10)), unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            unit(static_cast<unsigned>(c));
        }
    }
    return bytes;
}

}  // namespace tarin::test
