#include <functional>
#include <string_view>

#include "TarinTranslator/mission_plan/Base64.h"
#include "TarinTranslator/mission_plan/MissionPlanDocument.h"
#include "TarinTranslator/platform/Platform.h"
#include "TarinTranslator/platform/Services.h"
#include "TarinTranslator/platform_xml/Convert.h"
#include "TarinTranslator/platform_xml/Encoding.h"
#include "TarinTranslator/platform_xml/ReadLog.h"
#include "TarinTranslator/platform_xml/Sections.h"

namespace tarin {

namespace {

// The reader's own diagnostic lines, as the message channel's information.
void report(const char* where, const char* what) {
    deliverMessage(MessageKind::Information,
                   fromUtf8(std::string("`anonymous-namespace'::") + where + ": " + what));
}

// The read's failure, for a caller that asks why; false for the caller to return.
bool failure(const std::string& text, std::ptrdiff_t offset = -1) {
    if (ReadLog* log = readLog()) log->fail(text, offset);
    return false;
}
bool failure(const std::string& text, pugi::xml_node at) {
    if (ReadLog* log = readLog()) log->fail(text, log->offsetOf(at));
    return false;
}
bool failure(const std::string& text, pugi::xml_attribute at) {
    if (ReadLog* log = readLog()) log->fail(text, log->offsetOf(at));
    return false;
}

// True when the text opens with a UTF-16 or UTF-32 byte order mark.
bool hasWideByteOrderMark(const char* data, std::size_t size) {
    auto byte = [&](std::size_t i) {
        return i < size ? static_cast<unsigned char>(data[i]) : 0x100u;
    };
    return (byte(0) == 0xFE && byte(1) == 0xFF) || (byte(0) == 0xFF && byte(1) == 0xFE) ||
           (byte(0) == 0 && byte(1) == 0 && byte(2) == 0xFE && byte(3) == 0xFF);
}

// Copies the planInfo texts; the fixed fields keep at most their capacity less one.
bool ParseMissionFillInfo(const pugi::xml_document& doc, PlanTextFields& texts) {
    pugi::xml_node vexInfo = doc.first_element_by_path("missionPlan/vexInfo");
    if (!vexInfo) {
        // The writer leaves vexInfo out when every plan text is empty; such a plan reads
        // back with empty texts. Without a missionPlan element there is no plan at all.
        if (doc.child("missionPlan")) return true;
        report("ParseMissionFillInfo", "Can't find planInfo");
        return failure("no missionPlan element", doc.document_element());
    }
    // An absent text stays empty; a text that XML does not allow fails the read.
    auto copy = [](pugi::xml_node node, const char* name, auto& field) {
        pugi::xml_attribute attr = node.attribute(name);
        return !attr || readFixedString(attr, field, std::size(field)) ||
               failure(elementPath(node) + ": attribute " + name +
                           " holds a character that XML does not allow",
                       attr);
    };
    if (!copy(vexInfo, "domain", texts.domain)) return false;
    pugi::xml_node planInfo = doc.first_element_by_path("missionPlan/vexInfo/planInfo");
    if (!planInfo) return failure("missionPlan/vexInfo: no planInfo element", vexInfo);
    return copy(planInfo, "description", texts.description) && copy(planInfo, "name", texts.name) &&
           copy(planInfo, "notes", texts.notes) && copy(planInfo, "author", texts.author) &&
           copy(planInfo, "locale", texts.locale) && copy(planInfo, "pin", texts.pin);
}

// True when the version is present; a stamp other than ours only warns.
bool checkVersion(pugi::xml_node load, pugi::xml_node versionInfo) {
    if (!versionInfo) return failure(elementPath(load) + ": no versionInfo element", load);
    pugi::xml_attribute version = versionInfo.attribute("version");
    if (!version) return failure("versionInfo: no version attribute", versionInfo);
    if (std::wstring found = fromUtf8(version.value()); found != kVersionStamp) {
        if (ReadLog* log = readLog())
            log->warn("versionInfo: the mission load version " + quoted(version.value()) +
                          " is not " + toUtf8(kVersionStamp),
                      log->offsetOf(version));
        deliverMessage(MessageKind::Warning,
                       L"Warning: mission load version mismatch!\n   Expected: " +
                           std::wstring(kVersionStamp) + L"\n   Found:    " + found);
    }
    return true;
}

// A BLOB element by its path below the MissionLoad element; the reason of a missing one.
pugi::xml_node blobElement(pugi::xml_node load, const char* path) {
    pugi::xml_node node = load.first_element_by_path(path);
    if (!node) failure(elementPath(load) + ": no " + path + " element", load);
    return node;
}

bool readWaveforms(pugi::xml_node load, ByteVector& ee, ByteVector& fl, ImageViews* inPlace) {
    const std::string_view within = inPlace ? inPlace->text : std::string_view();
    return ParseBlobData(blobElement(load, "ecpWaveformConfig/ee-data"), ee,
                         inPlace ? &inPlace->ee : nullptr, within) &&
           ParseBlobData(blobElement(load, "ecpWaveformConfig/fl-data"), fl,
                         inPlace ? &inPlace->fl : nullptr, within);
}

bool readMissionLoad(pugi::xml_node load, HandheldPlatform& platform, ImageViews* inPlace) {
    pugi::xml_node versionInfo = load.child("versionInfo");
    if (!checkVersion(load, versionInfo)) return false;
    pugi::xml_attribute aac = versionInfo.attribute("AACversion");
    if (aac && !readFixedString(aac, platform.AACversion, std::size(platform.AACversion)))
        return failure(
            "versionInfo: attribute AACversion holds a character that XML does not "
            "allow",
            aac);
    return readPlatformConfig(load.child("platformConfig"), platform) &&
           readWaveforms(load, platform.eeData, platform.flData, inPlace);
}

bool readMobileMissionLoad(pugi::xml_node load, MobilePlatformRecord& platform,
                           ImageViews* inPlace) {
    return checkVersion(load, load.child("versionInfo")) &&
           readMobilePlatformConfig(load.child("platformConfig"), platform) &&
           readWaveforms(load, platform.eeData, platform.flData, inPlace);
}

}  // namespace

// Documents are UTF-8 (a UTF-8 byte order mark is skipped); only a UTF-16 or UTF-32 mark
// selects another encoding. An encoding named in the XML declaration is not followed:
// the text handed over as wide text arrives here as UTF-8 whatever the declaration says.
bool loadDocumentText(pugi::xml_document& doc, char* data, std::size_t size) {
    const bool wide = hasWideByteOrderMark(data, size);
    ReadLog* log = readLog();
    // Lines are counted in the text as it arrives; a wide text is converted before parsing.
    if (log && !wide) log->indexLines(std::string_view(data, size));
    // Text that is not valid in its encoding is refused, as XML makes it a fatal error.
    const std::string_view text(data, size);
    if (std::size_t at = wide ? invalidWideText(text) : invalidUtf8(text); at != kValid)
        return failure(std::string("not ") + (wide ? "valid UTF-16 or UTF-32" : "UTF-8") +
                           ": byte " + std::to_string(at + 1) + " does not begin a valid character",
                       wide ? -1 : static_cast<std::ptrdiff_t>(at));
    pugi::xml_parse_result result = doc.load_buffer_inplace(
        data, size, kDocumentParseOptions, wide ? pugi::encoding_auto : pugi::encoding_utf8);
    if (!log) return static_cast<bool>(result);
    log->useDocument(doc);
    if (!result)
        return failure(std::string("not well-formed XML: ") + result.description(),
                       wide ? -1 : result.offset);
    return true;
}

bool ParseBlobData(pugi::xml_node node, ByteVector& bytes, std::span<const uint8_t>* inPlace,
                   std::string_view within) {
    if (!node) {
        report("ParseBlobData", "No parent node for BLOB data!");
        return false;
    }
    pugi::xml_node text;
    for (pugi::xml_node child : node.children()) {
        if ((child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)) {
            text = child;
            break;
        }
    }
    const std::string_view value = text ? std::string_view(text.value()) : std::string_view();
    Base64Decoded decoded;
    const auto inside = [&] {
        return !value.empty() && std::less_equal<>()(within.data(), value.data()) &&
               std::less_equal<>()(value.data() + value.size(), within.data() + within.size());
    };
    if (inPlace && inside()) {
        // The text lies in the document's own buffer, parsed in place: it is decoded
        // where it stands, and the bytes are left there.
        auto* start = const_cast<char*>(value.data());
        decoded = decodeBlobInPlace(start, value.size());
        *inPlace = {reinterpret_cast<const uint8_t*>(start), decoded.size};
    } else {
        bytes.resize(value.size() / 4 * 3 + 2);
        decoded = decodeBase64(value, bytes.data());
        bytes.resize(decoded.size);
        if (inPlace) *inPlace = {bytes.data(), bytes.size()};
    }
    if (!decoded.clean) {
        report("ParseBlobData", "Error while parsing BLOB");
        if (ReadLog* log = readLog()) {
            // Decoding leaves the character it stopped at where it stood.
            const std::size_t at = decoded.stop;
            log->fail(elementPath(node) + ": character " + std::to_string(at + 1) + ", " +
                          quoted(value.substr(at, 1)) + ", is not Base64",
                      log->offsetOf(value.data() + at));
        }
        return false;
    }
    return true;
}

namespace {

// The MissionLoad elements and the kind of plan each holds.
struct LoadKind {
    const char* element;
    const char* holds;
    const char* readIt;
};
const LoadKind kLoadKinds[] = {
    {"qd470PMissionLoad", "a classic handheld plan",
     "read it as a classic handheld plan (without --mobile and --radio-type)"},
    {"MissionLoad", "a plan of an extended radio type",
     "read it as a handheld plan of its radio type (--radio-type N, without --mobile)"},
    {"MissionLoadQD470M", "a mobile plan", "read it as a mobile plan (--mobile)"},
};

// The MissionLoad element the reader expects; without it, a reason that says which kind
// of plan the document holds instead.
pugi::xml_node missionLoad(const pugi::xml_document& doc, const char* element) {
    pugi::xml_node missionPlan = doc.child("missionPlan");
    pugi::xml_node load = missionPlan.child(element);
    if (load || !readLog()) return load;
    for (const LoadKind& kind : kLoadKinds) {
        if (pugi::xml_node other = missionPlan.child(kind.element)) {
            failure(std::string("the document holds ") + kind.holds + " (" + kind.element +
                        ") where a " + element + " element is expected; " + kind.readIt,
                    other);
            return load;
        }
    }
    failure(std::string("missionPlan: no ") + element + " element", missionPlan);
    return load;
}

}  // namespace

bool readMissionPlan(char* data, std::size_t size, MissionPlan& plan, ImageViews* inPlace) {
    plan.clearTexts();
    plan.Platform = HandheldPlatform{};
    plan.Platform.radioType = plan.planRadioType;
    pugi::xml_document doc;
    if (!loadDocumentText(doc, data, size)) return false;
    if (!ParseMissionFillInfo(doc, plan)) return false;
    const char* element = isExtendedCode(plan.planRadioType) ? "MissionLoad" : "qd470PMissionLoad";
    pugi::xml_node load = missionLoad(doc, element);
    if (!load) return false;
    if (inPlace) inPlace->text = std::string_view(data, size);
    return readMissionLoad(load, plan.Platform, inPlace);
}

bool readMobileMissionPlan(char* data, std::size_t size, MobileMissionPlan& plan,
                           ImageViews* inPlace) {
    uint32_t radioType = plan.MobilePlatform.radioType;
    plan.clearTexts();
    plan.MobilePlatform = MobilePlatformRecord{};
    plan.MobilePlatform.radioType = radioType;
    pugi::xml_document doc;
    if (!loadDocumentText(doc, data, size)) return false;
    if (!ParseMissionFillInfo(doc, plan)) return false;
    pugi::xml_node load = missionLoad(doc, "MissionLoadQD470M");
    if (!load) return false;
    if (inPlace) inPlace->text = std::string_view(data, size);
    return readMobileMissionLoad(load, plan.MobilePlatform, inPlace);
}

}  // namespace tarin
