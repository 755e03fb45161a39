#include <iostream>
#include <string_view>

#include "TarinTranslator/mission_plan/Base64.h"
#include "TarinTranslator/mission_plan/MissionPlanDocument.h"
#include "TarinTranslator/platform/Platform.h"
#include "TarinTranslator/platform_xml/Convert.h"
#include "TarinTranslator/platform_xml/Sections.h"

namespace tarin {

namespace {

void report(const char* where, const char* what) {
    std::cout << "`anonymous-namespace'::" << where << ": " << what << std::endl;
}

// True when the text opens with a UTF-16 or UTF-32 byte order mark.
bool hasWideByteOrderMark(const char* data, std::size_t size) {
    auto byte = [&](std::size_t i) {
        return i < size ? static_cast<unsigned char>(data[i]) : 0x100u;
    };
    return (byte(0) == 0xFE && byte(1) == 0xFF) || (byte(0) == 0xFF && byte(1) == 0xFE) ||
           (byte(0) == 0 && byte(1) == 0 && byte(2) == 0xFE && byte(3) == 0xFF);
}

// Documents are UTF-8 (a UTF-8 byte order mark is skipped); only a UTF-16 or UTF-32 mark
// selects another encoding. An encoding named in the XML declaration is not followed:
// the text handed over as wide text arrives here as UTF-8 whatever the declaration says.
bool loadDocument(pugi::xml_document& doc, char* data, std::size_t size) {
    pugi::xml_encoding encoding =
        hasWideByteOrderMark(data, size) ? pugi::encoding_auto : pugi::encoding_utf8;
    return doc.load_buffer_inplace(data, size, kDocumentParseOptions, encoding);
}

// Copies the planInfo texts; the fixed fields keep at most their capacity less one.
bool ParseMissionFillInfo(const pugi::xml_document& doc, PlanTextFields& texts) {
    pugi::xml_node vexInfo = doc.first_element_by_path("missionPlan/vexInfo");
    if (!vexInfo) {
        // The writer leaves vexInfo out when every plan text is empty; such a plan reads
        // back with empty texts. Without a missionPlan element there is no plan at all.
        if (doc.child("missionPlan")) return true;
        report("ParseMissionFillInfo", "Can't find planInfo");
        return false;
    }
    if (pugi::xml_attribute domain = vexInfo.attribute("domain")) {
        readFixedString(domain, texts.domain, std::size(texts.domain));
    }
    pugi::xml_node planInfo = doc.first_element_by_path("missionPlan/vexInfo/planInfo");
    if (!planInfo) return false;
    readFixedString(planInfo.attribute("description"), texts.description,
                    std::size(texts.description));
    readFixedString(planInfo.attribute("name"), texts.name, std::size(texts.name));
    readFixedString(planInfo.attribute("notes"), texts.notes, std::size(texts.notes));
    readFixedString(planInfo.attribute("author"), texts.author, std::size(texts.author));
    readFixedString(planInfo.attribute("locale"), texts.locale, std::size(texts.locale));
    readFixedString(planInfo.attribute("pin"), texts.pin, std::size(texts.pin));
    return true;
}

// True when the version is present; a stamp other than ours only warns.
bool checkVersion(pugi::xml_node versionInfo) {
    pugi::xml_attribute version = versionInfo.attribute("version");
    if (!version) return false;
    if (std::wstring found = fromUtf8(version.value()); found != kVersionStamp) {
        std::cerr << "Warning: mission load version mismatch!\n   Expected: "
                  << toUtf8(kVersionStamp) << "\n   Found:    " << toUtf8(found) << std::endl;
    }
    return true;
}

bool readWaveforms(pugi::xml_node load, ByteVector& ee, ByteVector& fl) {
    return ParseBlobData(load.first_element_by_path("ecpWaveformConfig/ee-data"), ee) &&
           ParseBlobData(load.first_element_by_path("ecpWaveformConfig/fl-data"), fl);
}

bool readMissionLoad(pugi::xml_node load, HandheldPlatform& platform) {
    pugi::xml_node versionInfo = load.child("versionInfo");
    if (!checkVersion(versionInfo)) return false;
    if (pugi::xml_attribute aac = versionInfo.attribute("AACversion")) {
        readFixedString(aac, platform.AACversion, std::size(platform.AACversion));
    }
    return readPlatformConfig(load.child("platformConfig"), platform) &&
           readWaveforms(load, platform.eeData, platform.flData);
}

bool readMobileMissionLoad(pugi::xml_node load, MobilePlatformRecord& platform) {
    return checkVersion(load.child("versionInfo")) &&
           readMobilePlatformConfig(load.child("platformConfig"), platform) &&
           readWaveforms(load, platform.eeData, platform.flData);
}

}  // namespace

bool ParseBlobData(pugi::xml_node node, ByteVector& bytes) {
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
    if (!decodeBlob(text ? std::string_view(text.value()) : std::string_view(), bytes)) {
        report("ParseBlobData", "Error while parsing BLOB");
        return false;
    }
    return true;
}

bool readMissionPlan(char* data, std::size_t size, MissionPlan& plan) {
    plan.clearTexts();
    plan.Platform = HandheldPlatform{};
    plan.Platform.radioType = plan.planRadioType;
    pugi::xml_document doc;
    if (!loadDocument(doc, data, size)) return false;
    if (!ParseMissionFillInfo(doc, plan)) return false;
    const char* path = isExtendedCode(plan.planRadioType) ? "missionPlan/MissionLoad"
                                                          : "missionPlan/qd470PMissionLoad";
    return readMissionLoad(doc.first_element_by_path(path), plan.Platform);
}

bool readMobileMissionPlan(char* data, std::size_t size, MobileMissionPlan& plan) {
    uint32_t radioType = plan.MobilePlatform.radioType;
    plan.clearTexts();
    plan.MobilePlatform = MobilePlatformRecord{};
    plan.MobilePlatform.radioType = radioType;
    pugi::xml_document doc;
    if (!loadDocument(doc, data, size)) return false;
    if (!ParseMissionFillInfo(doc, plan)) return false;
    return readMobileMissionLoad(doc.first_element_by_path("missionPlan/MissionLoadQD470M"),
                                 plan.MobilePlatform);
}

}  // namespace tarin
