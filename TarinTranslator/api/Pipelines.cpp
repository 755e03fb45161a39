#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <locale>
#include <mutex>
#include <optional>
#include <set>
#include <sstream>

#include "TarinTranslator/api/Internal.h"
#include "TarinTranslator/api/TarinTranslator.h"
#include "TarinTranslator/host/OutputFile.h"
#include "TarinTranslator/host/Services.h"
#include "TarinTranslator/mission_plan/Base64.h"
#include "TarinTranslator/mission_plan/Digest.h"
#include "TarinTranslator/mission_plan/MissionPlanDocument.h"
#include "TarinTranslator/platform_xml/Encoding.h"
#include "TarinTranslator/platform_xml/ReadLog.h"
#include "TarinTranslator/platform_xml/Sections.h"

namespace tarin {

using namespace detail;

namespace detail {

const std::wstring kDefaultDomain = L"TACCOM_RADIO01";

static_assert(PlanTextFields::kTextCapacity == kPlanTextLength + 1 &&
              PlanTextFields::kNotesCapacity == kNotesLength + 1 &&
              sizeof(HandheldPlatform::AACversion) / sizeof(wchar_t) == kAacVersionLength + 1);

// Held while a handheld write of a given radio type reads its images.
CriticalSection radioWriteLock;

std::filesystem::path withSuffix(const std::filesystem::path& base, const char* suffix) {
    std::filesystem::path file = base;
    file += suffix;
    return file;
}

// Refuses plan texts that no document can hold, before anything is read or written.
void checkTexts(const PlanTexts& texts, const std::wstring& domain) {
    const std::pair<const char*, const std::wstring*> all[] = {{"name", &texts.name},
                                                               {"description", &texts.description},
                                                               {"notes", &texts.notes},
                                                               {"author", &texts.author},
                                                               {"locale", &texts.locale},
                                                               {"pin", &texts.pin},
                                                               {"AAC version", &texts.aacVersion},
                                                               {"domain", &domain}};
    for (auto [which, text] : all)
        if (std::size_t at = findNonXmlCharacter(*text); at != std::wstring::npos)
            throw TextError(which, at);
}

void copyTexts(PlanTextFields& fields, const PlanTexts& texts, bool handheld) {
    setFixed(fields.name, texts.name);
    setFixed(fields.description, texts.description);
    setFixed(fields.notes, texts.notes);
    setFixed(fields.author, texts.author);
    setFixed(fields.locale, texts.locale);
    if (handheld) setFixed(fields.pin, texts.pin);
}

// The failure of `failed`, one of `files`, which have all been abandoned.
WriteFailure failureOf(const AtomicFile& failed, std::initializer_list<const AtomicFile*> files) {
    WriteFailure failure{
        failed.target(), failed.error() ? failed.error() : EIO, failed.refusal(), {}};
    for (const AtomicFile* file : files)
        if (!file->remaining().empty()) failure.remaining.push_back(file->remaining());
    return failure;
}

// What a write function that answers true or false makes of `failure`: a refused target
// is thrown as FileError, another failure sets errno and answers false.
bool answer(const std::optional<WriteFailure>& failure) {
    if (!failure) return true;
    if (failure->refusal != Refusal::None) throw failure->fileError();
    errno = failure->error;
    return false;
}

// Fails `result` with the reason of `failure`.
void failWith(ReadResult& result, const WriteFailure& failure) {
    result.ok = false;
    result.reason = {failure.text(), 0, 0, ReasonCode::FileError, {}};
    result.fileError = failure.fileError();
}

// The result of a write whose reading gave `result`: it, or why the document could not be
// written. A refused target is thrown as FileError.
ReadResult written(ReadResult result, const std::optional<WriteFailure>& failure) {
    if (failure) {
        if (failure->refusal != Refusal::None) throw failure->fileError();
        failWith(result, *failure);
    }
    return result;
}

std::optional<WriteFailure> writeHandheld(const std::filesystem::path& base, const PlanTexts& texts,
                                          uint32_t radioType, const std::wstring& domain,
                                          bool locked) {
    checkTexts(texts, domain);
    MissionPlan plan;
    plan.planRadioType = radioType;
    plan.Platform.radioType = radioType;
    // The images are read while the document is written, so the lock that covers their
    // reading covers the write.
    std::unique_lock<CriticalSection> guard(radioWriteLock, std::defer_lock);
    if (locked) guard.lock();
    WriteImages images(base, plan.Platform.flData, plan.Platform.eeData);
    setFixed(plan.domain, domain);
    copyTexts(plan, texts, true);
    setFixed(plan.Platform.AACversion, texts.aacVersion);
    applyHandheldDefaults(plan);
    return writeTextFile(withSuffix(base, ".xml"),
                         [&](std::wostream& os) { writeMissionPlan(os, plan, images.readers()); });
}

std::optional<WriteFailure> writeMobile(const std::filesystem::path& base, const PlanTexts& texts,
                                        uint32_t radioType) {
    checkTexts(texts);
    MobileMissionPlan plan;
    plan.MobilePlatform.radioType = radioType;
    WriteImages images(base, plan.MobilePlatform.flData, plan.MobilePlatform.eeData);
    copyTexts(plan, texts, false);
    applyMobileDefaults(plan);
    return writeTextFile(withSuffix(base, ".xml"), [&](std::wostream& os) {
        writeMobileMissionPlan(os, plan, images.readers());
    });
}

// Writes the unpacked files of a plan, the two images and the platform file, and puts
// them in place together: either all three replace their previous files or none does.
// Returns what failed, if anything.
template <class WritePlatform>
std::optional<WriteFailure> writeUnpacked(const std::filesystem::path& prefix,
                                          std::span<const uint8_t> fl, std::span<const uint8_t> ee,
                                          WritePlatform writePlatform) {
    AtomicFile flFile, eeFile, pdFile;
    auto failure = [&](const AtomicFile& failed) {
        for (AtomicFile* file : {&flFile, &eeFile, &pdFile}) file->abandon();
        return failureOf(failed, {&flFile, &eeFile, &pdFile});
    };
    // All three are opened before anything is written, so that a target that cannot be
    // replaced (a directory of its name, say) fails the call at once.
    for (auto [file, suffix] : {std::pair{&flFile, ".fl"}, {&eeFile, ".ee"}, {&pdFile, ".pd"}}) {
        if (!file->open(withSuffix(prefix, suffix))) return failure(*file);
    }
    sweepStaleTemporaries({&flFile, &eeFile, &pdFile});
    if (!flFile.write(fl.data(), fl.size())) return failure(flFile);
    if (!eeFile.write(ee.data(), ee.size())) return failure(eeFile);
    if (!writeText(pdFile, writePlatform)) return failure(pdFile);
    if (AtomicFile* failed = commitTogether({&flFile, &eeFile, &pdFile})) return failure(*failed);
    return std::nullopt;
}

std::optional<WriteFailure> ReadPlan::write(const std::filesystem::path& base,
                                            bool toTempDir) const {
    if (as_.mobile) {
        const MobilePlatformRecord& p = mobile_.MobilePlatform;
        std::filesystem::path prefix =
            toTempDir ? std::filesystem::path(tempDirectory() + base.string()) : base;
        return writeUnpacked(prefix, images_.fl, images_.ee,
                             [&](std::wostream& os) { writeMobilePlatformConfig(os, p); });
    }
    const HandheldPlatform& p = handheld_.Platform;
    return writeUnpacked(base, images_.fl, images_.ee,
                         [&](std::wostream& os) { writePlatformConfig(os, p); });
}

// ---- reads --------------------------------------------------------------------------

ReadNote noteOf(const ReadLog& log, const Finding& finding) {
    auto [line, column] = log.place(finding.offset);
    return {finding.text, line, column, finding.code, finding.path};
}

ReadResult resultOf(const ReadLog& log, bool ok) {
    ReadResult result;
    result.ok = ok;
    if (!ok)
        result.reason =
            log.failed()
                ? noteOf(log, log.failure())
                : ReadNote{"the document does not read", 0, 0, ReasonCode::NotWellFormed, {}};
    for (const Finding& warning : log.warnings()) result.warnings.push_back(noteOf(log, warning));
    return result;
}

// The kinds a document may hold, each with a radio type of its group.
const Kind kKinds[] = {{{false, std::nullopt}, "classic"},
                       {{false, 146}, "hazard"},
                       {{false, 151}, "VR-mobile"},
                       {{true, std::nullopt}, "mobile"}};

// Whether plans of `kind` hold the section `element`.
bool holdsSection(const Kind& kind, std::string_view element) {
    const std::optional<Gate> gate = sectionWrittenFor(element, kind.as.mobile);
    return gate && gateOpen(*gate, kind.as.radioType.value_or(kClassicRadioType));
}

// How many of `sections` plans of `kind` do not hold.
std::size_t sectionsNotHeld(const Kind& kind, const std::vector<std::string>& sections) {
    std::size_t missing = 0;
    for (const std::string& section : sections) missing += !holdsSection(kind, section);
    return missing;
}

// What a MissionLoad element (empty for a platform file) and the sections below it imply:
// of the kinds the element allows, the one that holds the most of the sections and, among
// those, the fewest others.
Kind impliedKind(std::string_view missionLoad, const std::vector<std::string>& sections) {
    if (missionLoad == "MissionLoadQD470M") return kKinds[3];
    if (missionLoad == "qd470PMissionLoad") return kKinds[0];
    const std::span<const Kind> candidates =
        missionLoad.empty() ? std::span<const Kind>(kKinds) : std::span<const Kind>(kKinds + 1, 2);
    const Kind* best = nullptr;
    std::pair<std::size_t, std::size_t> bestScore;
    for (const Kind& kind : candidates) {
        const std::size_t missing = sectionsNotHeld(kind, sections);
        std::size_t others = 0;
        for (std::string_view element : sectionElements(kind.as.mobile))
            others += holdsSection(kind, element) &&
                      std::find(sections.begin(), sections.end(), element) == sections.end();
        const std::pair score{missing, others};
        if (!best || score < bestScore) best = &kind, bestScore = score;
    }
    return *best;
}

const char* groupOf(const ReadAs& as) {
    if (as.mobile) return "mobile";
    if (!as.radioType) return "classic";
    return isHazardCode(*as.radioType)     ? "hazard"
           : isVrMobileCode(*as.radioType) ? "VR-mobile"
                                           : "classic";
}

// Adds to the reason of a read that failed in its sections what the document (or the
// platform file) looks like it holds, when that is not what it was read as.
void explainKind(ReadResult& result, const ReadLog& log, const ReadAs& as, bool platformFile) {
    if (result.ok || log.sections().empty()) return;
    std::vector<std::string> sections;
    for (const Finding& section : log.sections()) sections.push_back(section.text);
    // A document's sections are read only below the MissionLoad element asked for.
    const char* missionLoad = platformFile                                    ? ""
                              : as.mobile                                     ? "MissionLoadQD470M"
                              : as.radioType && isExtendedCode(*as.radioType) ? "MissionLoad"
                                                                              : "qd470PMissionLoad";
    const Kind kind = impliedKind(missionLoad, sections);
    if (as.mobile && !as.radioType && log.failedSection() == "bluetoothConfig") {
        result.reason.text +=
            "; mobile plans written for an extended radio type read with --mobile "
            "--radio-type N";
        return;
    }
    // Only a kind that holds more of the sections than the one asked for is named.
    if (std::string_view(kind.group) == groupOf(as) ||
        sectionsNotHeld(kind, sections) >= sectionsNotHeld(Kind{as, ""}, sections))
        return;
    static const std::pair<const char*, const char*> kReadBy[] = {
        {"classic", "a classic handheld radio (read without --mobile and --radio-type)"},
        {"hazard", "a hazard radio (radio types 146, 199, 265: --radio-type N)"},
        {"VR-mobile", "a VR-mobile radio (radio types 151, 153, 272, 273: --radio-type N)"},
        {"mobile", "a mobile radio (--mobile)"}};
    for (const auto& [group, radio] : kReadBy)
        if (std::string_view(group) == kind.group)
            result.reason.code = ReasonCode::WrongKind,
            result.reason.text += std::string("; it looks like the ") +
                                  (platformFile ? "platform file" : "plan") + " of " + radio;
}

// What unpacking makes of a plan that `read` tells whether it read.
bool unpacked(const ReadPlan& plan, bool read, const std::filesystem::path& base, bool toTempDir) {
    if (!read) {
        showMessage(kParseFailureMessage);
        return false;
    }
    if (std::optional<WriteFailure> failure = plan.write(base, toTempDir)) {
        const std::string remains = failure->remains();
        showMessage(L"Unable to write " + fromUtf8(failure->file.string()) +
                    (remains.empty() ? L"" : L"; " + fromUtf8(remains)) + L".");
        return false;
    }
    return true;
}

bool unpack(char* data, std::size_t size, const std::filesystem::path& base, const ReadAs& as,
            bool toTempDir) {
    ReadPlan plan(as);
    const bool read = plan.read(data, size);
    return unpacked(plan, read, base, toTempDir);
}

bool unpackWide(std::wstring_view text, const std::filesystem::path& base, const ReadAs& as,
                bool toTempDir) {
    // A log that listens places what it finds in the whole UTF-8 text.
    std::optional<WideDocument> document;
    if (!readLog()) document = splitWideDocument(text);
    if (document && !document->blobs.empty()) {
        pugi::xml_document doc;
        ReadPlan plan(as);
        if (loadDocumentText(doc, document->text.data(), document->text.size()) &&
            blobsAreImages(doc, *document)) {
            const bool read = plan.read(doc, document->text, document->blobs);
            return unpacked(plan, read, base, toTempDir);
        }
        // Whatever made it fail is read again in the whole text, which says what it is.
        document.reset();
    }
    std::string utf8 = document ? std::move(document->text) : toUtf8(text);
    return unpack(utf8.data(), utf8.size(), base, as, toTempDir);
}

ReadResult unpackWithResult(char* data, std::size_t size, const std::filesystem::path& base,
                            const ReadAs& as, bool toTempDir) {
    ReadLog log;
    ReadPlan plan(as);
    bool ok;
    {
        ReadLogScope scope(&log);
        ok = plan.read(data, size);
    }
    ReadResult result = resultOf(log, ok);
    explainKind(result, log, as, false);
    if (!ok) return result;
    if (std::optional<WriteFailure> failure = plan.write(base, toTempDir))
        failWith(result, *failure);
    return result;
}

}  // namespace detail

bool writeClassicMissionPlan(const std::filesystem::path& base, const PlanTexts& texts,
                             bool domain) {
    return answer(writeHandheld(base, texts, kClassicRadioType,
                                domain ? kDefaultDomain : std::wstring(), false));
}

bool writeHandheldMissionPlan(const std::filesystem::path& base, const PlanTexts& texts,
                              uint32_t radioType) {
    return answer(writeHandheld(base, texts, radioType, {}, true));
}

bool writeMobileMissionPlan(const std::filesystem::path& base, const PlanTexts& texts,
                            uint32_t radioType) {
    return answer(writeMobile(base, texts, radioType));
}

ReadResult writeMissionPlanWithDefaults(const std::filesystem::path& base, const PlanTexts& texts,
                                        const ReadAs& as, const std::wstring& domain) {
    const std::optional<WriteFailure> failure =
        as.mobile ? writeMobile(base, texts, as.radioType.value_or(0))
                  : writeHandheld(base, texts, as.radioType.value_or(kClassicRadioType), domain,
                                  as.radioType.has_value());
    ReadResult result;
    result.ok = true;
    return written(result, failure);
}

bool unpackHandheldMissionPlan(std::string document, const std::filesystem::path& base,
                               std::optional<uint32_t> radioType) {
    return unpack(document.data(), document.size(), base, ReadAs{false, radioType}, false);
}

bool unpackMobileMissionPlan(std::string document, const std::filesystem::path& base,
                             bool toTempDir, std::optional<uint32_t> radioType) {
    return unpack(document.data(), document.size(), base, ReadAs{true, radioType}, toTempDir);
}

bool unpackHandheldMissionPlanFile(const std::filesystem::path& document,
                                   const std::filesystem::path& base,
                                   std::optional<uint32_t> radioType) {
    DocumentText text(document);
    return unpack(text.data(), text.size(), base, ReadAs{false, radioType}, false);
}

bool unpackMobileMissionPlanFile(const std::filesystem::path& document,
                                 const std::filesystem::path& base, bool toTempDir,
                                 std::optional<uint32_t> radioType) {
    DocumentText text(document);
    return unpack(text.data(), text.size(), base, ReadAs{true, radioType}, toTempDir);
}

ReadResult unpackMissionPlan(std::string document, const std::filesystem::path& base,
                             const ReadAs& as, bool toTempDir) {
    return unpackWithResult(document.data(), document.size(), base, as, toTempDir);
}

ReadResult unpackMissionPlanFile(const std::filesystem::path& document,
                                 const std::filesystem::path& base, const ReadAs& as,
                                 bool toTempDir) {
    DocumentText text(document);
    return unpackWithResult(text.data(), text.size(), base, as, toTempDir);
}

namespace detail {

std::string radioKind(const ReadAs& as) {
    if (as.mobile) return "a mobile radio";
    if (!as.radioType) return "a classic handheld radio";
    return "radio type " + std::to_string(*as.radioType);
}

// The result of a platform text that does not read.
ReadResult platformFailure(const ReadLog& log, const ReadAs& as) {
    ReadResult result = resultOf(log, false);
    explainKind(result, log, as, true);
    return result;
}

}  // namespace detail

namespace detail {

// The result of a read into `plan` that `log` followed, with a warning for each section
// the document holds that the radio type does not keep.
ReadResult checkedResult(const ReadLog& log, bool ok, const ReadAs& as) {
    ReadResult result = resultOf(log, ok);
    explainKind(result, log, as, false);
    if (!ok) return result;
    const Kind kind{as, ""};
    for (const Finding& section : log.sections()) {
        if (holdsSection(kind, section.text)) continue;
        auto [line, column] = log.place(section.offset);
        result.warnings.push_back({"platformConfig/" + section.text + ": " + radioKind(as) +
                                       " does not keep this section; unpacking drops it",
                                   line, column, ReasonCode::SectionDropped, section.text});
    }
    return result;
}

// A plan text as a plan keeps it: at most `characters` characters of the attribute.
std::wstring keptText(pugi::xml_node node, const char* name, std::size_t characters) {
    std::string_view text = node.attribute(name).value();
    std::size_t end = 0;
    for (std::size_t count = 0; end < text.size(); ++end)
        if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80 && count++ == characters) break;
    return fromUtf8(text.substr(0, end));
}

// An image as inspection shows it: the bytes the read decoded, or, where the read did not
// get that far, the element's text decoded now (in the document's buffer).
PlanSummary::Image imageOf(pugi::xml_node load, const char* name, bool reached, bool readClean,
                           std::span<const uint8_t> view, std::string_view text, bool withBytes) {
    PlanSummary::Image image;
    pugi::xml_node waveforms = load.child("ecpWaveformConfig");
    pugi::xml_node node = waveforms.child(name);
    image.present = static_cast<bool>(node);
    const bool single = !waveforms.next_sibling("ecpWaveformConfig") && !node.next_sibling(name);
    if (!image.present || !single) return image;
    ByteVector bytes;
    if (!reached) {
        readClean = decodeBlobElement(node, bytes, &view, text).problem == BlobDecoded::None;
    }
    image.clean = readClean;
    if (!image.clean) return image;
    image.size = view.size();
    image.sha256 = sha256Hex(view);
    if (withBytes) image.bytes.assign(view.begin(), view.end());
    return image;
}

}  // namespace detail

ReadResult checkMissionPlan(std::string document, const ReadAs& as) {
    ReadLog log;
    ReadPlan plan(as);
    bool ok;
    {
        ReadLogScope scope(&log);
        ok = plan.read(document.data(), document.size());
    }
    return checkedResult(log, ok, as);
}

PlanSummary inspectMissionPlan(std::string document, bool withBytes) {
    PlanSummary s;
    ReadLog log;
    pugi::xml_document doc;
    {
        ReadLogScope scope(&log);
        if (!loadDocumentText(doc, document.data(), document.size())) {
            s.problem = noteOf(log, log.failure());
            return s;
        }
    }
    pugi::xml_node plan = doc.child("missionPlan");
    pugi::xml_node vexInfo = plan.child("vexInfo");
    pugi::xml_node planInfo = vexInfo.child("planInfo");
    constexpr std::size_t kText = PlanTextFields::kTextCapacity - 1;
    s.domain = keptText(vexInfo, "domain", kText);
    s.texts = {keptText(planInfo, "name", kText),
               keptText(planInfo, "description", kText),
               keptText(planInfo, "notes", PlanTextFields::kNotesCapacity - 1),
               keptText(planInfo, "author", kText),
               keptText(planInfo, "locale", kText),
               keptText(planInfo, "pin", kText),
               {}};
    pugi::xml_node load;
    for (const char* element : {"qd470PMissionLoad", "MissionLoad", "MissionLoadQD470M"}) {
        if ((load = plan.child(element))) {
            s.missionLoad = element;
            break;
        }
    }
    if (!load) return s;
    pugi::xml_node versionInfo = load.child("versionInfo");
    s.version = fromUtf8(versionInfo.attribute("version").value());
    s.date = fromUtf8(versionInfo.attribute("date").value());
    s.aacVersion = s.texts.aacVersion =
        keptText(versionInfo, "AACversion", std::size(HandheldPlatform{}.AACversion) - 1);
    for (pugi::xml_node child : load.child("platformConfig").children())
        if (child.type() == pugi::node_element) s.sections.push_back(child.name());
    const Kind kind = impliedKind(s.missionLoad, s.sections);
    s.readAs = kind.as;
    s.group = kind.group;
    // The check reads the document already loaded; it decodes the images where they stand,
    // so the images are taken from it, or decoded here where it stopped before them.
    const std::string_view text(document.data(), document.size());
    ReadPlan read(s.readAs);
    bool ok;
    {
        ReadLogScope scope(&log);
        ok = read.read(doc, text);
    }
    s.check = checkedResult(log, ok, s.readAs);
    const ImageViews& views = read.images();
    s.eeprom =
        imageOf(load, "ee-data", views.eeReached, views.flReached || ok, views.ee, text, withBytes);
    s.flash = imageOf(load, "fl-data", views.flReached, ok, views.fl, text, withBytes);
    return s;
}

ReadResult writeMissionPlanFromPlatform(const std::filesystem::path& base, std::string platformText,
                                        const PlanTexts& texts, const ReadAs& as,
                                        const std::wstring& domain) {
    checkTexts(texts, domain);
    ReadLog log;
    const std::filesystem::path xml = withSuffix(base, ".xml");
    // Only classic handheld plans, written without a radio type, carry a domain.
    if (!domain.empty() && (as.mobile || as.radioType))
        log.warn("the domain '" + toUtf8(domain) + "' is left out: " +
                     (as.mobile ? std::string("mobile plans")
                                : "plans of radio type " + std::to_string(*as.radioType)) +
                     " carry none",
                 -1, ReasonCode::LeftOut);
    if (as.mobile) {
        MobileMissionPlan plan;
        plan.MobilePlatform.radioType = as.radioType.value_or(0);
        applyMobileDefaults(plan);
        if (!readPlatformText(log, platformText, [&](pugi::xml_node node) {
                return readMobilePlatformConfig(node, plan.MobilePlatform);
            }))
            return platformFailure(log, as);
        WriteImages images(base, plan.MobilePlatform.flData, plan.MobilePlatform.eeData);
        copyTexts(plan, texts, false);
        return written(resultOf(log, true), writeTextFile(xml, [&](std::wostream& os) {
                           writeMobileMissionPlan(os, plan, images.readers());
                       }));
    }
    MissionPlan plan;
    plan.planRadioType = plan.Platform.radioType = as.radioType.value_or(kClassicRadioType);
    applyHandheldDefaults(plan);
    if (!readPlatformText(log, platformText, [&](pugi::xml_node node) {
            return readPlatformConfig(node, plan.Platform);
        }))
        return platformFailure(log, as);
    std::unique_lock<CriticalSection> guard(radioWriteLock, std::defer_lock);
    if (as.radioType) guard.lock();
    WriteImages images(base, plan.Platform.flData, plan.Platform.eeData);
    if (!as.radioType) setFixed(plan.domain, domain);
    copyTexts(plan, texts, true);
    setFixed(plan.Platform.AACversion, texts.aacVersion);
    return written(resultOf(log, true), writeTextFile(xml, [&](std::wostream& os) {
                       writeMissionPlan(os, plan, images.readers());
                   }));
}

std::string temporaryDirectory() {
    return tempDirectory();
}

std::string readInputFile(const std::filesystem::path& file, const std::string& what) {
    std::string text;
    InputFile(file, what).readAll(text, what != "image file");
    return text;
}

std::wstring handheldDefaults(std::optional<uint32_t> radioType) {
    MissionPlan plan;
    plan.planRadioType = radioType.value_or(kClassicRadioType);
    plan.Platform.radioType = plan.planRadioType;
    applyHandheldDefaults(plan);
    std::wostringstream os;
    os.imbue(std::locale::classic());
    XmlModeScope xml(os);
    writePlatformConfig(os, plan.Platform);
    return os.str();
}

std::wstring mobileDefaults() {
    return mobileDefaults(kClassicRadioType);
}

std::wstring mobileDefaults(uint32_t radioType) {
    MobileMissionPlan plan;
    plan.MobilePlatform.radioType = radioType;
    applyMobileDefaults(plan);
    std::wostringstream os;
    os.imbue(std::locale::classic());
    XmlModeScope xml(os);
    writeMobilePlatformConfig(os, plan.MobilePlatform);
    return os.str();
}

}  // namespace tarin
