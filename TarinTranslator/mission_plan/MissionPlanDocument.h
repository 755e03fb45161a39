#pragma once

// The missionPlan document: plan information, version stamp, platformConfig and the
// two waveform images as Base64.

#include <cstddef>
#include <ctime>
#include <functional>
#include <optional>
#include <ostream>
#include <pugixml.hpp>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "TarinTranslator/model/HandheldPlatform.h"
#include "TarinTranslator/model/MobilePlatform.h"

namespace tarin {

// The version stamp every document carries and every reader expects.
inline constexpr const wchar_t* kVersionStamp = L"v4.000";

// Hands out an image's bytes in order: fills up to `size` bytes at `to` and returns how
// many it gave, fewer than `size` only at the image's end. Failures throw.
using ImageReader = std::function<std::size_t(uint8_t* to, std::size_t size)>;

// Images that a write reads from their files while it writes the document, a chunk at a
// time, instead of from the record: a file need not be held in memory whole. An empty
// reader leaves that image to the record.
struct ImageReaders {
    ImageReader fl;
    ImageReader ee;
};

// Writers: XML text or summary text by the stream's mode. `streamed` replaces the
// record's images in XML text; `date` is the time of the date stamp (without it, now).
std::wostream& writeMissionPlan(std::wostream& os, const MissionPlan& plan,
                                const ImageReaders* streamed = nullptr,
                                std::optional<std::time_t> date = std::nullopt);
std::wostream& writeMobileMissionPlan(std::wostream& os, const MobileMissionPlan& plan,
                                      const ImageReaders* streamed = nullptr,
                                      std::optional<std::time_t> date = std::nullopt);
std::wostream& writePlanInfo(std::wostream& os, const PlanTextFields& texts);
// An image as the Base64 text of its BLOB element (the summary form dumps the bytes
// itself).
std::wostream& writeBlob(std::wostream& os, const ByteVector& bytes);
std::wostream& writeBlob(std::wostream& os, const ImageReader& read);

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

// A BLOB element's text that the document's UTF-8 text does not hold: it stays in the wide
// text the document was handed over as, and one "A" stands for it at `at` in the UTF-8.
struct WideBlob {
    std::size_t at;
    std::wstring_view text;  // Base64 characters and "=" only
};

// A wide document's text in UTF-8, with each BLOB text that is one run of Base64 characters
// and "=" (between <fl-data> and </fl-data>, or <ee-data> and </ee-data>) left in the wide
// text. Empty where such a start tag is not followed by such a text and its end tag: the
// document is then converted whole.
struct WideDocument {
    std::string text;
    std::vector<WideBlob> blobs;
};
std::optional<WideDocument> splitWideDocument(std::wstring_view text);

// Whether each BLOB text of `document`, loaded into `doc`, is the whole text of an fl-data
// or ee-data element below missionPlan/*/ecpWaveformConfig, which only the decoding of the
// images reads. The XML checks and the parser treat a run of Base64 characters in such an
// element's text alike whatever its length, so the document then reads as its whole text
// would.
bool blobsAreImages(const pugi::xml_document& doc, const WideDocument& document);

// The images of a plan decoded in the document's own text rather than into the record:
// views of the bytes, valid while the text is.
struct ImageViews {
    std::span<const uint8_t> fl;
    std::span<const uint8_t> ee;
    // The document text the reader was given. A text the parser converted from UTF-16 or
    // UTF-32 lies in the parser's own buffer, which goes with the read: its images are
    // decoded into the record as usual.
    std::string_view text;
    // Whether the read went on to decode each image (it stops at the first failure).
    bool eeReached = false;
    bool flReached = false;
    // With `digestOnly` the images are hashed while they are decoded a piece at a time,
    // and nothing but their sizes and SHA-256 digests is kept (`fl` and `ee` stay empty).
    bool digestOnly = false;
    struct Digest {
        std::size_t size = 0;
        std::string sha256;
    };
    Digest eeDigest, flDigest;
    // BLOB texts that `text` stands in for, decoded from the wide text into the record.
    std::span<const WideBlob> wide;
};

// Readers. The handheld reader uses plan.planRadioType, the mobile reader
// plan.MobilePlatform.radioType, both set by the caller. `data` is the document's text
// (UTF-8 unless it carries a UTF-16 or UTF-32 byte order mark; the encoding of the XML
// declaration is not consulted); it is parsed in place and changed. With `inPlace`, the
// images are decoded within that text and left there (the record's stay empty), which
// saves holding them twice.
bool readMissionPlan(char* data, std::size_t size, MissionPlan& plan,
                     ImageViews* inPlace = nullptr);
bool readMobileMissionPlan(char* data, std::size_t size, MobileMissionPlan& plan,
                           ImageViews* inPlace = nullptr);
// The same on a document already loaded from `text` with loadDocumentText.
bool readLoadedMissionPlan(const pugi::xml_document& doc, std::string_view text, MissionPlan& plan,
                           ImageViews* inPlace = nullptr);
bool readLoadedMobileMissionPlan(const pugi::xml_document& doc, std::string_view text,
                                 MobileMissionPlan& plan, ImageViews* inPlace = nullptr);

// What decoding a BLOB element gave: nothing wrong, an element inside it, or a character
// outside Base64 (the `stop`th of its text, 0-based, standing at `where` in the document).
struct BlobDecoded {
    enum Problem { None, HoldsElement, NotBase64 } problem = None;
    pugi::xml_node element;
    std::size_t stop = 0;
    std::string character;
    const char* where = nullptr;
};

// Decodes the text of a BLOB element, all its text and CDATA children in order, into
// `bytes`, or, with `inPlace` and a text that lies within `within` (the document's buffer
// parsed in place), where it stands, leaving a view of the bytes there. A text that is one
// of `wide` (in `within`) is decoded from its wide text into `bytes`. Reports nothing.
BlobDecoded decodeBlobElement(pugi::xml_node node, ByteVector& bytes,
                              std::span<const uint8_t>* inPlace = nullptr,
                              std::string_view within = {}, ImageViews::Digest* digest = nullptr,
                              std::span<const WideBlob> wide = {});

// decodeBlobElement, with problems reported as the reader's messages and reasons.
bool ParseBlobData(pugi::xml_node node, ByteVector& bytes,
                   std::span<const uint8_t>* inPlace = nullptr, std::string_view within = {},
                   ImageViews::Digest* digest = nullptr, std::span<const WideBlob> wide = {});

}  // namespace tarin
