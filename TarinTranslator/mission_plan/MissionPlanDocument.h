#pragma once

// The missionPlan document: plan information, version stamp, platformConfig and the
// two waveform images as Base64.

#include <cstddef>
#include <ctime>
#include <ostream>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "TarinTranslator/model/HandheldPlatform.h"
#include "TarinTranslator/model/MobilePlatform.h"

namespace tarin {

// The version stamp every document carries and every reader expects.
inline constexpr const wchar_t* kVersionStamp = L"v4.000";

// Writers: XML text or summary text by the stream's mode.
std::wostream& writeMissionPlan(std::wostream& os, const MissionPlan& plan);
std::wostream& writeMobileMissionPlan(std::wostream& os, const MobileMissionPlan& plan);
std::wostream& writePlanInfo(std::wostream& os, const PlanTextFields& texts);
std::wostream& writeBlob(std::wostream& os, const ByteVector& bytes);

// "YYYY-MM-DDThh:mm:ssZ" of a UTC calendar time.
std::wstring dateStamp(std::time_t when);

// Parse options of every document load: CDATA as text, entities expanded, line ends
// normalised, attribute values whitespace-normalised.
inline constexpr unsigned kDocumentParseOptions =
    pugi::parse_cdata | pugi::parse_escapes | pugi::parse_eol | pugi::parse_wnorm_attribute;

// Loads a document from its text in place, as the readers do: UTF-8 unless the text
// opens with a UTF-16 or UTF-32 byte order mark (the encoding that an XML declaration
// names is not followed). False when the text is not a well-formed document.
bool loadDocumentText(pugi::xml_document& doc, char* data, std::size_t size);

// Readers. The handheld reader uses plan.planRadioType, the mobile reader
// plan.MobilePlatform.radioType, both set by the caller. `data` is the document's text
// (UTF-8 unless it carries a UTF-16 or UTF-32 byte order mark; the encoding of the XML
// declaration is not consulted); it is parsed in place and changed.
bool readMissionPlan(char* data, std::size_t size, MissionPlan& plan);
bool readMobileMissionPlan(char* data, std::size_t size, MobileMissionPlan& plan);

// Reads the text of a BLOB element into `bytes`, reporting problems on standard output.
bool ParseBlobData(pugi::xml_node node, ByteVector& bytes);

}  // namespace tarin
