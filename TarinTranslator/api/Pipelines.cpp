#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <locale>
#include <mutex>
#include <sstream>

#include "TarinTranslator/api/TarinTranslator.h"
#include "TarinTranslator/mission_plan/MissionPlanDocument.h"
#include "TarinTranslator/platform/OutputFile.h"
#include "TarinTranslator/platform/Services.h"
#include "TarinTranslator/platform_xml/Sections.h"

namespace tarin {

namespace {

const std::wstring kDefaultDomain = L"TACCOM_RADIO01";

// Held while a handheld write of a given radio type reads its images.
CriticalSection radioWriteLock;

std::filesystem::path withSuffix(const std::filesystem::path& base, const char* suffix) {
    std::filesystem::path file = base;
    file += suffix;
    return file;
}

// Reads a whole image file; an unreadable file raises FileError naming it.
ByteVector readImage(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    if (!in) throw FileError(file, "Cannot open image file");
    std::streamoff length = in.tellg();
    if (length < 0) throw FileError(file, "Cannot take the length of image file");
    ByteVector bytes(static_cast<std::size_t>(length));
    in.seekg(0);
    if (length > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), length))
        throw FileError(file, "Cannot read image file");
    return bytes;
}

void readImages(const std::filesystem::path& base, ByteVector& fl, ByteVector& ee) {
    fl = readImage(withSuffix(base, ".fl"));
    ee = readImage(withSuffix(base, ".ee"));
}

void copyTexts(PlanTextFields& fields, const PlanTexts& texts, bool handheld) {
    setFixed(fields.name, texts.name);
    setFixed(fields.description, texts.description);
    setFixed(fields.notes, texts.notes);
    setFixed(fields.author, texts.author);
    setFixed(fields.locale, texts.locale);
    if (handheld) setFixed(fields.pin, texts.pin);
}

// Writes a text file in UTF-8 with CR LF line ends through `write`; the file appears
// only when complete. Numbers are written in the classic locale, whatever the process's
// global locale: plain digits, no grouping.
template <class Write>
bool writeTextFile(const std::filesystem::path& target, Write write) {
    AtomicFile file;
    if (!file.open(target)) return false;
    {
        Utf8FileBuf buffer(file);
        std::wostream os(&buffer);
        os.imbue(std::locale::classic());
        {
            XmlModeScope xml(os);
            write(os);
        }
        os.flush();
        if (buffer.failed() || !os) return false;
    }
    return file.commit();
}

bool writeHandheld(const std::filesystem::path& base, const PlanTexts& texts, uint32_t radioType,
                   bool domain, bool locked) {
    MissionPlan plan;
    plan.planRadioType = radioType;
    plan.Platform.radioType = radioType;
    if (locked) {
        std::lock_guard<CriticalSection> guard(radioWriteLock);
        readImages(base, plan.Platform.flData, plan.Platform.eeData);
    } else {
        readImages(base, plan.Platform.flData, plan.Platform.eeData);
    }
    if (domain) setFixed(plan.domain, kDefaultDomain);
    copyTexts(plan, texts, true);
    setFixed(plan.Platform.AACversion, texts.aacVersion);
    applyHandheldDefaults(plan);
    return writeTextFile(withSuffix(base, ".xml"),
                         [&](std::wostream& os) { writeMissionPlan(os, plan); });
}

bool writeFailed(const std::filesystem::path& file) {
    showMessage(L"Unable to write " + fromUtf8(file.string()) + L".");
    return false;
}

// Writes the unpacked files of a plan: the two images and the platform file.
template <class WritePlatform>
bool writeUnpacked(const std::filesystem::path& prefix, const ByteVector& fl, const ByteVector& ee,
                   WritePlatform writePlatform) {
    auto fl_file = withSuffix(prefix, ".fl");
    if (!writeFileAtomically(fl_file, fl.data(), fl.size())) return writeFailed(fl_file);
    auto ee_file = withSuffix(prefix, ".ee");
    if (!writeFileAtomically(ee_file, ee.data(), ee.size())) return writeFailed(ee_file);
    auto pd_file = withSuffix(prefix, ".pd");
    if (!writeTextFile(pd_file, writePlatform)) return writeFailed(pd_file);
    return true;
}

}  // namespace

bool writeClassicMissionPlan(const std::filesystem::path& base, const PlanTexts& texts,
                             bool domain) {
    return writeHandheld(base, texts, kClassicRadioType, domain, false);
}

bool writeHandheldMissionPlan(const std::filesystem::path& base, const PlanTexts& texts,
                              uint32_t radioType) {
    return writeHandheld(base, texts, radioType, false, true);
}

bool writeMobileMissionPlan(const std::filesystem::path& base, const PlanTexts& texts,
                            uint32_t radioType) {
    MobileMissionPlan plan;
    plan.MobilePlatform.radioType = radioType;
    readImages(base, plan.MobilePlatform.flData, plan.MobilePlatform.eeData);
    copyTexts(plan, texts, false);
    applyMobileDefaults(plan);
    return writeTextFile(withSuffix(base, ".xml"),
                         [&](std::wostream& os) { writeMobileMissionPlan(os, plan); });
}

namespace {

bool unpackHandheld(char* data, std::size_t size, const std::filesystem::path& base,
                    std::optional<uint32_t> radioType) {
    MissionPlan plan;
    plan.planRadioType = radioType.value_or(kClassicRadioType);
    plan.Platform.radioType = plan.planRadioType;
    if (!readMissionPlan(data, size, plan)) {
        showMessage(kParseFailureMessage);
        return false;
    }
    return writeUnpacked(base, plan.Platform.flData, plan.Platform.eeData,
                         [&](std::wostream& os) { writePlatformConfig(os, plan.Platform); });
}

bool unpackMobile(char* data, std::size_t size, const std::filesystem::path& base, bool toTempDir,
                  std::optional<uint32_t> radioType) {
    MobileMissionPlan plan;
    plan.MobilePlatform.radioType = radioType.value_or(0);
    if (!readMobileMissionPlan(data, size, plan)) {
        showMessage(kParseFailureMessage);
        return false;
    }
    std::filesystem::path prefix =
        toTempDir ? std::filesystem::path(tempDirectory() + base.string()) : base;
    return writeUnpacked(
        prefix, plan.MobilePlatform.flData, plan.MobilePlatform.eeData,
        [&](std::wostream& os) { writeMobilePlatformConfig(os, plan.MobilePlatform); });
}

// A document file mapped copy-on-write: the parser works in place on the file's pages
// and only the few it changes are copied.
class MappedDocument {
  public:
    explicit MappedDocument(const std::filesystem::path& file) {
        int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) throw FileError(file, "Cannot open document");
        struct stat info {};
        if (::fstat(fd, &info) == 0 && info.st_size > 0) {
            size_ = static_cast<std::size_t>(info.st_size);
            void* p =
                ::mmap(nullptr, size_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_POPULATE, fd, 0);
            if (p != MAP_FAILED) data_ = static_cast<char*>(p);
        }
        ::close(fd);
        if (!data_ && size_ > 0) {  // not mappable: read it instead
            std::ifstream in(file, std::ios::binary);
            copy_.resize(size_);
            if (!in.read(copy_.data(), static_cast<std::streamsize>(size_)))
                throw FileError(file, "Cannot read document");
        }
    }
    ~MappedDocument() {
        if (data_) ::munmap(data_, size_);
    }
    MappedDocument(const MappedDocument&) = delete;
    MappedDocument& operator=(const MappedDocument&) = delete;

    char* data() { return data_ ? data_ : copy_.data(); }
    std::size_t size() const { return size_; }

  private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::string copy_;
};

}  // namespace

bool unpackHandheldMissionPlan(std::string document, const std::filesystem::path& base,
                               std::optional<uint32_t> radioType) {
    return unpackHandheld(document.data(), document.size(), base, radioType);
}

bool unpackMobileMissionPlan(std::string document, const std::filesystem::path& base,
                             bool toTempDir, std::optional<uint32_t> radioType) {
    return unpackMobile(document.data(), document.size(), base, toTempDir, radioType);
}

bool unpackHandheldMissionPlanFile(const std::filesystem::path& document,
                                   const std::filesystem::path& base,
                                   std::optional<uint32_t> radioType) {
    MappedDocument mapped(document);
    return unpackHandheld(mapped.data(), mapped.size(), base, radioType);
}

bool unpackMobileMissionPlanFile(const std::filesystem::path& document,
                                 const std::filesystem::path& base, bool toTempDir,
                                 std::optional<uint32_t> radioType) {
    MappedDocument mapped(document);
    return unpackMobile(mapped.data(), mapped.size(), base, toTempDir, radioType);
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
    MobileMissionPlan plan;
    plan.MobilePlatform.radioType = kClassicRadioType;
    applyMobileDefaults(plan);
    std::wostringstream os;
    os.imbue(std::locale::classic());
    XmlModeScope xml(os);
    writeMobilePlatformConfig(os, plan.MobilePlatform);
    return os.str();
}

}  // namespace tarin
