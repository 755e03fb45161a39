#include <array>
#include <cstdio>
#include <iomanip>
#include <optional>
#include <span>
#include <vector>

#include "TarinTranslator/host/OutputFile.h"
#include "TarinTranslator/mission_plan/Base64.h"
#include "TarinTranslator/mission_plan/MissionPlanDocument.h"
#include "TarinTranslator/platform_xml/Sections.h"

namespace tarin {

namespace {

constexpr const char* kDocumentStartA =
    "<?xml version='1.0' encoding='utf-8'?>\n\t\t\t  <missionPlan "
    "xsi:noNamespaceSchemaLocation='";
constexpr const char* kDocumentStartB =
    "' \n\t\t\t  xmlns:xsi='http://www.w3.org/2001/XMLSchema-instance'>\n";

// "\n" followed by a flush, as the summary's end of line.
std::wostream& endOfLine(std::wostream& os) {
    return os << L'\n' << std::flush;
}

// The six planInfo texts in document order.
struct NamedText {
    const char* xml;
    const char* summary;
    const wchar_t* (*get)(const PlanTextFields&);
};

const NamedText kPlanInfoTexts[] = {
    {"\n       name='", "Plan info:\n  Name:         ",
     [](const PlanTextFields& t) -> const wchar_t* { return t.name; }},
    {"\n       description='",
     "\n  Description:  ", [](const PlanTextFields& t) -> const wchar_t* { return t.description; }},
    {"\n       notes='",
     "\n  Notes:        ", [](const PlanTextFields& t) -> const wchar_t* { return t.notes; }},
    {"\n       author='",
     "\n  Author:       ", [](const PlanTextFields& t) -> const wchar_t* { return t.author; }},
    {"\n       locale='",
     "\n  Locale:       ", [](const PlanTextFields& t) -> const wchar_t* { return t.locale; }},
    {"\n       pin='",
     "\n  Pin:          ", [](const PlanTextFields& t) -> const wchar_t* { return t.pin; }},
};

void writeVersionInfoStart(std::wostream& os, std::optional<std::time_t> date) {
    os << "<versionInfo version='";
    putEscaped(os, kVersionStamp);
    os << "' date='";
    putEscaped(os, dateStamp(date.value_or(std::time(nullptr))));
}

void writeImage(std::wostream& os, const ByteVector& bytes, const ImageReader* streamed) {
    if (streamed && *streamed) {
        writeBlob(os, *streamed);
    } else {
        writeBlob(os, bytes);
    }
}

void writeWaveforms(std::wostream& os, const ByteVector& ee, const ByteVector& fl,
                    const ImageReaders* streamed) {
    os << "<ecpWaveformConfig>\n<ee-data>";
    writeImage(os, ee, streamed ? &streamed->ee : nullptr);
    os << "</ee-data>\n<fl-data>";
    writeImage(os, fl, streamed ? &streamed->fl : nullptr);
    os << "</fl-data>\n</ecpWaveformConfig>\n";
}

void writeByteDump(std::wostream& os, const ByteVector& bytes) {
    static const char kHex[] = "0123456789abcdef";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i) os << L' ';
        os << kHex[bytes[i] >> 4] << kHex[bytes[i] & 15];
    }
}

std::wostream& writeMissionLoad(std::wostream& os, const HandheldPlatform& platform,
                                const ImageReaders* streamed, std::optional<std::time_t> date) {
    if (!isXmlMode(os)) {
        os << "MissionPlan.Platform: ";
        writePlatformConfig(os, platform);
        endOfLine(os) << "MissionPlan.EE Data: ";
        writeByteDump(os, platform.eeData);
        endOfLine(os) << "MissionPlan.FL Data: ";
        writeByteDump(os, platform.flData);
        return endOfLine(os);
    }
    const char* element = isExtendedCode(platform.radioType) ? "MissionLoad" : "qd470PMissionLoad";
    os << '<' << element << ">\n";
    writeVersionInfoStart(os, date);
    os << "'  AACversion = '";
    putEscaped(os, platform.AACversion);
    os << "' />\n";
    writePlatformConfig(os, platform);
    writeWaveforms(os, platform.eeData, platform.flData, streamed);
    return os << "</" << element << ">\n";
}

std::wostream& writeMobileMissionLoad(std::wostream& os, const MobilePlatformRecord& platform,
                                      const ImageReaders* streamed,
                                      std::optional<std::time_t> date) {
    if (!isXmlMode(os)) {
        os << "MobileMissionPlan.MobilePlatform: ";
        writeMobilePlatformConfig(os, platform);
        endOfLine(os) << "MobileMissionPlan.EE Data: ";
        writeByteDump(os, platform.eeData);
        endOfLine(os) << "MobileMissionPlan.FL Data: ";
        writeByteDump(os, platform.flData);
        return endOfLine(os);
    }
    os << "<MissionLoadQD470M>\n";
    writeVersionInfoStart(os, date);
    os << "' />\n";
    writeMobilePlatformConfig(os, platform);
    writeWaveforms(os, platform.eeData, platform.flData, streamed);
    return os << "</MissionLoadQD470M>\n";
}

template <class Platform>
void writeDocument(std::wostream& os, const PlanTextFields& texts, const char* schema,
                   std::wostream& (*writeLoad)(std::wostream&, const Platform&, const ImageReaders*,
                                               std::optional<std::time_t>),
                   const Platform& platform, const ImageReaders* streamed,
                   std::optional<std::time_t> date) {
    if (isXmlMode(os)) os << kDocumentStartA << schema << kDocumentStartB;
    writePlanInfo(os, texts);
    writeLoad(os, platform, streamed, date);
    if (isXmlMode(os)) {
        os << "</missionPlan>\n";
    } else {
        endOfLine(os);
    }
}

}  // namespace

std::wstring dateStamp(std::time_t when) {
    std::tm utc{};
    gmtime_r(&when, &utc);
    char text[64];
    std::snprintf(text, sizeof text, "%d-%02d-%02dT%02d:%02d:%02dZ", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

std::wostream& writePlanInfo(std::wostream& os, const PlanTextFields& texts) {
    if (!isXmlMode(os)) {
        for (const NamedText& t : kPlanInfoTexts) os << t.summary << t.get(texts);
        return os << "\n";
    }
    bool any = false;
    for (const NamedText& t : kPlanInfoTexts) any = any || t.get(texts)[0] != L'\0';
    if (!any) return os;
    os << "  <vexInfo";
    if (texts.domain[0] != L'\0') {
        os << "\n        domain='";
        putEscaped(os, texts.domain);
        os << "'";
    }
    os << ">\n  <planInfo";
    for (const NamedText& t : kPlanInfoTexts) {
        const wchar_t* value = t.get(texts);
        if (value[0] == L'\0') continue;
        os << t.xml;
        putEscaped(os, value);
        os << "'";
    }
    return os << " />\n\t\t\t\t  </vexInfo>\n";
}

namespace {

// Encodes the bytes that `next` hands out (a span at a time, each a multiple of three
// bytes but the last, empty at the end) into the document.
template <class Next>
void writeBase64(std::wostream& os, Next next) {
    std::vector<char> chunk;
    auto* direct = dynamic_cast<Utf8FileBuf*>(os.rdbuf());
    std::wstring wide;
    for (std::span<const uint8_t> bytes = next(); !bytes.empty(); bytes = next()) {
        std::size_t length = base64Length(bytes.size());
        if (chunk.size() < length) chunk.resize(length);
        base64Encode(bytes.data(), bytes.size(), chunk.data());
        if (direct) {
            // Base64 is ASCII: it goes to the file without per-character conversion.
            direct->putAscii(chunk.data(), length);
        } else {
            wide.assign(chunk.data(), chunk.data() + length);
            os.write(wide.data(), static_cast<std::streamsize>(length));
        }
    }
}

// Large chunks: few writes to the file, each of about a mebibyte.
constexpr std::size_t kChunkBytes = 3 * (1 << 18);

}  // namespace

std::wostream& writeBlob(std::wostream& os, const ByteVector& bytes) {
    std::size_t at = 0;
    writeBase64(os, [&] {
        std::size_t n = std::min(kChunkBytes, bytes.size() - at);
        at += n;
        return std::span<const uint8_t>(bytes.data() + at - n, n);
    });
    return os;
}

std::wostream& writeBlob(std::wostream& os, const ImageReader& read) {
    // One buffer, refilled: the image's bytes pass through the cache once.
    std::vector<uint8_t> buffer(kChunkBytes);
    writeBase64(os, [&] {
        return std::span<const uint8_t>(buffer.data(), read(buffer.data(), buffer.size()));
    });
    return os;
}

std::wostream& writeMissionPlan(std::wostream& os, const MissionPlan& plan,
                                const ImageReaders* streamed, std::optional<std::time_t> date) {
    writeDocument(os, plan, "MissionLoadV4Schema.xsd", writeMissionLoad, plan.Platform, streamed,
                  date);
    return os;
}

std::wostream& writeMobileMissionPlan(std::wostream& os, const MobileMissionPlan& plan,
                                      const ImageReaders* streamed,
                                      std::optional<std::time_t> date) {
    writeDocument(os, plan, "MobilMissionLoadV4Schema.xsd", writeMobileMissionLoad,
                  plan.MobilePlatform, streamed, date);
    return os;
}

}  // namespace tarin
