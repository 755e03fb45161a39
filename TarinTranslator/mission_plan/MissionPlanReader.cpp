#include <algorithm>
#include <cstring>
#include <functional>
#include <optional>
#include <string_view>
#include <tuple>
#include <utility>

#include "TarinTranslator/host/Platform.h"
#include "TarinTranslator/host/Services.h"
#include "TarinTranslator/mission_plan/Base64.h"
#include "TarinTranslator/mission_plan/Digest.h"
#include "TarinTranslator/mission_plan/MissionPlanDocument.h"
#include "TarinTranslator/platform_xml/Convert.h"
#include "TarinTranslator/platform_xml/Encoding.h"
#include "TarinTranslator/platform_xml/ReadLog.h"
#include "TarinTranslator/platform_xml/Sections.h"
#include "TarinTranslator/platform_xml/StrictXml.h"

namespace tarin {

namespace {

// The reader's own diagnostic lines, as the message channel's information.
void report(const char* where, const char* what) {
    deliverMessage(MessageKind::Information,
                   fromUtf8(std::string("`anonymous-namespace'::") + where + ": " + what));
}

// The read's failure, for a caller that asks why; false for the caller to return.
bool failure(const std::string& text, std::ptrdiff_t offset, ReasonCode code) {
    if (ReadLog* log = readLog()) log->fail(text, offset, code);
    return false;
}
bool failure(const std::string& text, pugi::xml_node at, ReasonCode code) {
    if (ReadLog* log = readLog()) log->fail(text, log->offsetOf(at), code);
    return false;
}
bool failure(const std::string& text, pugi::xml_attribute at, ReasonCode code) {
    if (ReadLog* log = readLog()) log->fail(text, log->offsetOf(at), code);
    return false;
}

// Copies the planInfo texts; the fixed fields keep at most their capacity less one.
bool ParseMissionFillInfo(const pugi::xml_document& doc, PlanTextFields& texts) {
    pugi::xml_node vexInfo = doc.first_element_by_path("missionPlan/vexInfo");
    if (!vexInfo) {
        // The writer leaves vexInfo out when every plan text is empty; such a plan reads
        // back with empty texts. Without a missionPlan element there is no plan at all.
        if (doc.child("missionPlan")) return true;
        report("ParseMissionFillInfo", "Can't find planInfo");
        return failure("no missionPlan element", doc.document_element(),
                       ReasonCode::MissingElement);
    }
    // An absent text stays empty; a text that XML does not allow fails the read.
    auto copy = [](pugi::xml_node node, const char* name, auto& field) {
        pugi::xml_attribute attr = node.attribute(name);
        return !attr || readFixedString(attr, field, std::size(field)) ||
               failure(elementPath(node) + ": attribute " + name +
                           " holds a character that XML does not allow",
                       attr, ReasonCode::ForbiddenCharacter);
    };
    if (!copy(vexInfo, "domain", texts.domain)) return false;
    pugi::xml_node planInfo = doc.first_element_by_path("missionPlan/vexInfo/planInfo");
    if (!planInfo)
        return failure("missionPlan/vexInfo: no planInfo element", vexInfo,
                       ReasonCode::MissingElement);
    return copy(planInfo, "description", texts.description) && copy(planInfo, "name", texts.name) &&
           copy(planInfo, "notes", texts.notes) && copy(planInfo, "author", texts.author) &&
           copy(planInfo, "locale", texts.locale) && copy(planInfo, "pin", texts.pin);
}

// True when the version is present; a stamp other than ours only warns.
bool checkVersion(pugi::xml_node load, pugi::xml_node versionInfo) {
    if (!versionInfo)
        return failure(elementPath(load) + ": no versionInfo element", load,
                       ReasonCode::MissingElement);
    pugi::xml_attribute version = versionInfo.attribute("version");
    if (!version)
        return failure("versionInfo: no version attribute", versionInfo,
                       ReasonCode::MissingAttribute);
    if (std::wstring found = fromUtf8(version.value()); found != kVersionStamp) {
        if (ReadLog* log = readLog())
            log->warn("versionInfo: the mission load version " + quoted(version.value()) +
                          " is not " + toUtf8(kVersionStamp),
                      log->offsetOf(version), ReasonCode::VersionMismatch);
        deliverMessage(MessageKind::Warning,
                       L"Warning: mission load version mismatch!\n   Expected: " +
                           std::wstring(kVersionStamp) + L"\n   Found:    " + found);
    }
    return true;
}

// The one child of `parent` named `name`, or null; null, with the reason, when there is
// more than one (which of them holds the image is not knowable).
pugi::xml_node onlyChild(pugi::xml_node parent, const char* name, bool& ambiguous) {
    pugi::xml_node node = parent.child(name);
    if (pugi::xml_node second = node.next_sibling(name)) {
        ambiguous = true;
        report("ParseBlobData", "Error while parsing BLOB");
        failure(elementPath(parent) + " holds more than one " + name + " element", second,
                ReasonCode::BadBlob);
        return {};
    }
    return node;
}

// The BLOB element `name` below the MissionLoad element: null, with the reason, when it is
// missing or not the only one of its name (`ambiguous` then tells which).
pugi::xml_node blobElement(pugi::xml_node load, const char* name, bool& ambiguous) {
    pugi::xml_node waveforms = onlyChild(load, "ecpWaveformConfig", ambiguous);
    pugi::xml_node node = ambiguous ? pugi::xml_node() : onlyChild(waveforms, name, ambiguous);
    if (!node && !ambiguous)
        failure(elementPath(load) + ": no ecpWaveformConfig/" + name + " element", load,
                ReasonCode::MissingElement);
    return node;
}

bool readWaveforms(pugi::xml_node load, ByteVector& ee, ByteVector& fl, ImageViews* inPlace) {
    const std::string_view within = inPlace ? inPlace->text : std::string_view();
    ImageViews unused;
    ImageViews& views = inPlace ? *inPlace : unused;
    for (auto [name, bytes, view, reached, digest] :
         {std::tuple{"ee-data", &ee, &views.ee, &views.eeReached, &views.eeDigest},
          std::tuple{"fl-data", &fl, &views.fl, &views.flReached, &views.flDigest}}) {
        bool ambiguous = false;
        pugi::xml_node node = blobElement(load, name, ambiguous);
        if (ambiguous) return false;
        *reached = static_cast<bool>(node);
        if (!ParseBlobData(node, *bytes, inPlace ? view : nullptr, within,
                           views.digestOnly ? digest : nullptr, views.wide))
            return false;
    }
    return true;
}

bool readMissionLoad(pugi::xml_node load, HandheldPlatform& platform, ImageViews* inPlace) {
    pugi::xml_node versionInfo = load.child("versionInfo");
    if (!checkVersion(load, versionInfo)) return false;
    pugi::xml_attribute aac = versionInfo.attribute("AACversion");
    if (aac && !readFixedString(aac, platform.AACversion, std::size(platform.AACversion)))
        return failure(
            "versionInfo: attribute AACversion holds a character that XML does not "
            "allow",
            aac, ReasonCode::ForbiddenCharacter);
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

namespace {

// The BLOB text of `wide` (in the order of the text) that stands at `text`, a piece of
// `within`, or null.
const WideBlob* wideBlobAt(std::span<const WideBlob> wide, std::string_view within,
                           std::string_view text) {
    const std::less<> before;
    if (wide.empty() || before(text.data(), within.data()) ||
        !before(text.data(), within.data() + within.size()))
        return nullptr;
    const auto at = static_cast<std::size_t>(text.data() - within.data());
    const auto blob = std::lower_bound(wide.begin(), wide.end(), at,
                                       [](const WideBlob& b, std::size_t a) { return b.at < a; });
    return blob != wide.end() && blob->at == at && text == "A" ? &*blob : nullptr;
}

// A buffer from the XML library's allocator, which a document takes over.
struct ParserBuffer {
    explicit ParserBuffer(std::size_t size)
        : data(static_cast<char*>(pugi::get_memory_allocation_function()(size))) {}
    ~ParserBuffer() {
        if (data) pugi::get_memory_deallocation_function()(data);
    }
    char* release() { return std::exchange(data, nullptr); }
    char* data;
};

}  // namespace

// Documents are UTF-8 (a UTF-8 byte order mark is skipped); only a UTF-16 or UTF-32 mark
// selects another encoding, and such a text is converted to UTF-8 before it is parsed. An
// encoding named in the XML declaration is not followed: the text handed over as wide text
// arrives here as UTF-8 whatever the declaration says.
bool loadDocumentText(pugi::xml_document& doc, char* data, std::size_t size) {
    std::string_view text(data, size);
    std::optional<ParserBuffer> converted;
    if (hasWideByteOrderMark(text)) {
        converted.emplace(wideAsUtf8Capacity(size));
        if (!converted->data)
            return failure("not enough memory for the document", -1, ReasonCode::None);
        std::size_t invalidAt;
        const std::size_t length = wideToUtf8(text, converted->data, invalidAt);
        if (invalidAt != kValid)
            return failure("not valid UTF-16 or UTF-32: at byte " + std::to_string(invalidAt + 1) +
                               ": a lone surrogate, a value beyond U+10FFFF or a cut unit",
                           -1, ReasonCode::BadEncoding);
        text = std::string_view(converted->data, length);
    } else if (looksWideWithoutByteOrderMark(text)) {
        return failure(
            "UTF-16 without a byte order mark: a document in UTF-16 or UTF-32 must "
            "begin with one",
            0, ReasonCode::BadEncoding);
    }
    ReadLog* log = readLog();
    // Lines are counted in the text as the parser gets it, before it changes the text.
    if (log) log->indexLines(text);
    // Text that is not valid in its encoding, a character XML does not allow, and markup
    // that XML forbids and the parser lets through are refused, as XML makes each of them
    // a fatal error.
    const CharacterFault character = firstCharacterFault(text);
    const MarkupFault markup =
        firstMarkupFault(character ? text.substr(0, character.offset) : text);
    std::optional<Finding> fault;
    if (markup && !markup.lost) {
        fault = Finding{"not well-formed XML: " + markup.what,
                        static_cast<std::ptrdiff_t>(markup.offset),
                        ReasonCode::NotWellFormed,
                        {}};
    } else if (character) {
        fault = Finding{
            (character.kind == CharacterFault::NotUtf8 ? "not UTF-8: " : "not well-formed XML: ") +
                describeFault(character, text),
            static_cast<std::ptrdiff_t>(character.offset),
            character.kind == CharacterFault::NotUtf8 ? ReasonCode::BadEncoding
                                                      : ReasonCode::NotWellFormed,
            {}};
    }
    // Where the scan lost its way before the fault, the parser may find an earlier one.
    if (fault && !markup.lost) return failure(fault->text, fault->offset, fault->code);
    char* parsed = converted ? converted->release() : data;
    pugi::xml_parse_result result =
        converted ? doc.load_buffer_inplace_own(parsed, text.size(), kDocumentParseOptions,
                                                pugi::encoding_utf8)
                  : doc.load_buffer_inplace(parsed, text.size(), kDocumentParseOptions,
                                            pugi::encoding_utf8);
    if (log) log->useDocument(doc);
    if (!result && !(fault && fault->offset <= result.offset))
        return failure(std::string("not well-formed XML: ") + result.description(), result.offset,
                       ReasonCode::NotWellFormed);
    if (fault) return failure(fault->text, fault->offset, fault->code);
    return true;
}

BlobDecoded decodeBlobElement(pugi::xml_node node, ByteVector& bytes,
                              std::span<const uint8_t>* inPlace, std::string_view within,
                              ImageViews::Digest* digest, std::span<const WideBlob> wide) {
    BlobDecoded result;
    // The text is that of every text and CDATA child, in order; the parser keeps no
    // comments or processing instructions, which therefore split it.
    std::vector<std::string_view> pieces;
    std::size_t size = 0;
    for (pugi::xml_node child : node.children()) {
        if (child.type() == pugi::node_element) {
            result.problem = BlobDecoded::HoldsElement;
            result.element = child;
            return result;
        }
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
            pieces.emplace_back(child.value());
            size += pieces.back().size();
        }
    }
    if (const WideBlob* blob =
            pieces.size() == 1 && !digest ? wideBlobAt(wide, within, pieces[0]) : nullptr) {
        // Base64 characters and "=" only: the text decodes clean.
        bytes.resize(blob->text.size() / 4 * 3 + 2);
        bytes.resize(decodeBase64(blob->text, bytes.data()).size);
        if (inPlace) *inPlace = {bytes.data(), bytes.size()};
        return result;
    }
    const auto inside = [&](std::string_view piece) {
        return !piece.empty() && std::less_equal<>()(within.data(), piece.data()) &&
               std::less_equal<>()(piece.data() + piece.size(), within.data() + within.size());
    };
    const bool here =
        inPlace && !digest && !pieces.empty() && std::all_of(pieces.begin(), pieces.end(), inside);
    std::string joined;
    std::string_view text;
    if (pieces.size() == 1) {
        text = pieces[0];
    } else if (here) {
        // The pieces lie in order in the document's buffer: each moves down to follow the
        // one before, which never overwrites a piece not yet moved.
        auto* start = const_cast<char*>(pieces[0].data());
        std::size_t at = 0;
        for (std::string_view piece : pieces) {
            std::memmove(start + at, piece.data(), piece.size());
            at += piece.size();
        }
        text = std::string_view(start, size);
    } else {
        joined.reserve(size);
        for (std::string_view piece : pieces) joined += piece;
        text = joined;
    }
    Base64Decoded decoded;
    if (digest) {
        // Only the size and the digest are kept: the bytes pass through a small buffer.
        Sha256 sha;
        decoded =
            decodeBase64InPieces(text, [&](std::span<const uint8_t> piece) { sha.update(piece); });
        *digest = {decoded.size, sha.hex()};
    } else if (here) {
        // The text lies in the document's own buffer, parsed in place: it is decoded
        // where it stands, and the bytes are left there.
        auto* start = const_cast<char*>(text.data());
        decoded = decodeBlobInPlace(start, text.size());
        *inPlace = {reinterpret_cast<const uint8_t*>(start), decoded.size};
    } else {
        bytes.resize(text.size() / 4 * 3 + 2);
        decoded = decodeBase64(text, bytes.data());
        bytes.resize(decoded.size);
        if (inPlace) *inPlace = {bytes.data(), bytes.size()};
    }
    if (decoded.clean) return result;
    result.problem = BlobDecoded::NotBase64;
    result.stop = decoded.stop;
    // Decoding leaves the character it stopped at where it stood.
    result.character = std::string(text.substr(decoded.stop, 1));
    std::size_t before = 0;
    for (std::string_view piece : pieces) {
        if (decoded.stop < before + piece.size()) {
            result.where = piece.data() + (decoded.stop - before);
            break;
        }
        before += piece.size();
    }
    return result;
}

bool ParseBlobData(pugi::xml_node node, ByteVector& bytes, std::span<const uint8_t>* inPlace,
                   std::string_view within, ImageViews::Digest* digest,
                   std::span<const WideBlob> wide) {
    if (!node) {
        report("ParseBlobData", "No parent node for BLOB data!");
        return false;
    }
    const BlobDecoded decoded = decodeBlobElement(node, bytes, inPlace, within, digest, wide);
    if (decoded.problem == BlobDecoded::None) return true;
    report("ParseBlobData", "Error while parsing BLOB");
    if (decoded.problem == BlobDecoded::HoldsElement)
        return failure(elementPath(node) + " holds an element (" + decoded.element.name() +
                           "): which text is the image is not knowable",
                       decoded.element, ReasonCode::BadBlob);
    if (ReadLog* log = readLog())
        log->fail(elementPath(node) + ": character " + std::to_string(decoded.stop + 1) + ", " +
                      tarin::quoted(decoded.character) + ", is not Base64",
                  log->offsetOf(decoded.where), ReasonCode::BadBlob);
    return false;
}

namespace {

// The BLOB elements whose text a wide document's UTF-8 may leave in the wide text.
struct BlobTags {
    const char* name;
    std::wstring_view start, end;
};
constexpr BlobTags kBlobTags[] = {{"fl-data", L"<fl-data>", L"</fl-data>"},
                                  {"ee-data", L"<ee-data>", L"</ee-data>"}};

}  // namespace

std::optional<WideDocument> splitWideDocument(std::wstring_view text) {
    WideDocument document;
    std::size_t converted = 0;  // the wide text before this is in document.text
    for (std::size_t at = text.find(L'<'); at != std::wstring_view::npos;
         at = text.find(L'<', at)) {
        const std::wstring_view rest = text.substr(at);
        const auto tags =
            std::find_if(std::begin(kBlobTags), std::end(kBlobTags),
                         [&](const BlobTags& t) { return rest.starts_with(t.start); });
        if (tags == std::end(kBlobTags)) {
            ++at;
            continue;
        }
        const std::size_t start = at + tags->start.size();
        std::size_t end = start + base64Span(text.substr(start));
        while (end < text.size() && text[end] == L'=') end += 1 + base64Span(text.substr(end + 1));
        if (!text.substr(end).starts_with(tags->end)) return std::nullopt;
        if (end > start) {
            appendUtf8(document.text, text.substr(converted, start - converted));
            document.blobs.push_back({document.text.size(), text.substr(start, end - start)});
            document.text += 'A';
            converted = end;
        }
        at = end;
    }
    appendUtf8(document.text, text.substr(converted));
    return document;
}

bool blobsAreImages(const pugi::xml_document& doc, const WideDocument& document) {
    std::size_t found = 0;
    for (pugi::xml_node load : doc.child("missionPlan").children())
        for (pugi::xml_node waveforms : load.children("ecpWaveformConfig"))
            for (pugi::xml_node blob : waveforms.children()) {
                const auto named = [&](const BlobTags& t) {
                    return std::string_view(blob.name()) == t.name;
                };
                if (std::none_of(std::begin(kBlobTags), std::end(kBlobTags), named)) continue;
                const pugi::xml_node text = blob.first_child();
                found += text.type() == pugi::node_pcdata && !text.next_sibling() &&
                         wideBlobAt(document.blobs, document.text, text.value());
            }
    return found == document.blobs.size();
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
                    other, ReasonCode::WrongKind);
            return load;
        }
    }
    failure(std::string("missionPlan: no ") + element + " element", missionPlan,
            ReasonCode::MissingElement);
    return load;
}

}  // namespace

bool readMissionPlan(char* data, std::size_t size, MissionPlan& plan, ImageViews* inPlace) {
    pugi::xml_document doc;
    if (!loadDocumentText(doc, data, size)) {
        plan.clearTexts();
        plan.Platform = HandheldPlatform{};
        plan.Platform.radioType = plan.planRadioType;
        return false;
    }
    return readLoadedMissionPlan(doc, std::string_view(data, size), plan, inPlace);
}

bool readMobileMissionPlan(char* data, std::size_t size, MobileMissionPlan& plan,
                           ImageViews* inPlace) {
    pugi::xml_document doc;
    if (!loadDocumentText(doc, data, size)) {
        const uint32_t radioType = plan.MobilePlatform.radioType;
        plan.clearTexts();
        plan.MobilePlatform = MobilePlatformRecord{};
        plan.MobilePlatform.radioType = radioType;
        return false;
    }
    return readLoadedMobileMissionPlan(doc, std::string_view(data, size), plan, inPlace);
}

bool readLoadedMissionPlan(const pugi::xml_document& doc, std::string_view text, MissionPlan& plan,
                           ImageViews* inPlace) {
    plan.clearTexts();
    plan.Platform = HandheldPlatform{};
    plan.Platform.radioType = plan.planRadioType;
    if (!ParseMissionFillInfo(doc, plan)) return false;
    const char* element = isExtendedCode(plan.planRadioType) ? "MissionLoad" : "qd470PMissionLoad";
    pugi::xml_node load = missionLoad(doc, element);
    if (!load) return false;
    if (inPlace) inPlace->text = text;
    return readMissionLoad(load, plan.Platform, inPlace);
}

bool readLoadedMobileMissionPlan(const pugi::xml_document& doc, std::string_view text,
                                 MobileMissionPlan& plan, ImageViews* inPlace) {
    const uint32_t radioType = plan.MobilePlatform.radioType;
    plan.clearTexts();
    plan.MobilePlatform = MobilePlatformRecord{};
    plan.MobilePlatform.radioType = radioType;
    if (!ParseMissionFillInfo(doc, plan)) return false;
    pugi::xml_node load = missionLoad(doc, "MissionLoadQD470M");
    if (!load) return false;
    if (inPlace) inPlace->text = text;
    return readMobileMissionLoad(load, plan.MobilePlatform, inPlace);
}

}  // namespace tarin
