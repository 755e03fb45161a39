#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
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

// An input file: a regular file, a pipe or a FIFO, read to its end. Anything else (a
// directory, a device, a socket) and every failure raise FileError naming the file and
// the reason. Devices are refused before they are opened, as opening one can act on it.
class InputFile {
  public:
    InputFile(const std::filesystem::path& file, const std::string& noun)
        : file_(file), noun_(noun) {
        struct stat info {};
        if (::stat(file.c_str(), &info) != 0) fail("Cannot open ");
        checkKind(info);
        fd_ = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd_ < 0) fail("Cannot open ");
        if (::fstat(fd_, &info_) != 0) fail("Cannot read ");
        checkKind(info_);
    }
    ~InputFile() { release(); }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    int fd() const { return fd_; }
    bool regular() const { return S_ISREG(info_.st_mode); }
    std::size_t size() const { return regular() ? static_cast<std::size_t>(info_.st_size) : 0; }

    // Reads everything from the current position on into `bytes`: as many bytes as the
    // file's length promises with one buffer, then whatever follows (a pipe's data, a
    // file that grew).
    template <class Bytes>
    void readAll(Bytes& bytes) {
        bytes.resize(size());
        std::size_t done = 0;
        while (done < bytes.size()) {
            std::size_t n =
                readSome(reinterpret_cast<char*>(bytes.data()) + done, bytes.size() - done);
            if (n == 0) break;
            done += n;
        }
        bytes.resize(done);
        char more[1 << 16];
        while (std::size_t n = readSome(more, sizeof more)) {
            bytes.resize(done + n);
            std::copy(more, more + n, reinterpret_cast<char*>(bytes.data()) + done);
            done += n;
        }
    }

  private:
    void release() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    [[noreturn]] void fail(const char* verb, const char* reason = nullptr) {
        std::string text = reason ? reason : std::strerror(errno);
        release();
        throw FileError(file_, verb + noun_, text);
    }
    void checkKind(const struct stat& info) {
        if (S_ISDIR(info.st_mode)) fail("Cannot read ", std::strerror(EISDIR));
        if (!S_ISREG(info.st_mode) && !S_ISFIFO(info.st_mode))
            fail("Cannot read ", "not a regular file, pipe or FIFO");
    }
    std::size_t readSome(char* to, std::size_t size) {
        for (;;) {
            ssize_t n = ::read(fd_, to, size);
            if (n >= 0) return static_cast<std::size_t>(n);
            if (errno != EINTR) fail("Cannot read ");
        }
    }

    std::filesystem::path file_;
    std::string noun_;
    struct stat info_ {};
    int fd_ = -1;
};

ByteVector readImage(const std::filesystem::path& file) {
    ByteVector bytes;
    InputFile(file, "image file").readAll(bytes);
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

// Writes text into `file` in UTF-8 with CR LF line ends through `write`. Numbers are
// written in the classic locale, whatever the process's global locale: plain digits, no
// grouping.
template <class Write>
bool writeText(AtomicFile& file, Write write) {
    Utf8FileBuf buffer(file);
    std::wostream os(&buffer);
    os.imbue(std::locale::classic());
    {
        XmlModeScope xml(os);
        write(os);
    }
    os.flush();
    return !buffer.failed() && os;
}

// Writes a text file through `write`; the file appears only when complete.
template <class Write>
bool writeTextFile(const std::filesystem::path& target, Write write) {
    AtomicFile file;
    return file.open(target) && writeText(file, write) && file.commit();
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

// Writes the unpacked files of a plan, the two images and the platform file, and puts
// them in place together: either all three replace their previous files or none does.
template <class WritePlatform>
bool writeUnpacked(const std::filesystem::path& prefix, const ByteVector& fl, const ByteVector& ee,
                   WritePlatform writePlatform) {
    AtomicFile flFile, eeFile, pdFile;
    // All three are opened before anything is written, so that a target that cannot be
    // replaced (a directory of its name, say) fails the call at once.
    for (auto [file, suffix] : {std::pair{&flFile, ".fl"}, {&eeFile, ".ee"}, {&pdFile, ".pd"}}) {
        if (!file->open(withSuffix(prefix, suffix))) return writeFailed(file->target());
    }
    if (!flFile.write(fl.data(), fl.size())) return writeFailed(flFile.target());
    if (!eeFile.write(ee.data(), ee.size())) return writeFailed(eeFile.target());
    if (!writeText(pdFile, writePlatform)) return writeFailed(pdFile.target());
    if (AtomicFile* failed = commitTogether({&flFile, &eeFile, &pdFile}))
        return writeFailed(failed->target());
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
// and only the few it changes are copied. A pipe, a FIFO or a file that cannot be mapped
// is read instead.
class MappedDocument {
  public:
    explicit MappedDocument(const std::filesystem::path& file) {
        InputFile in(file, "document");
        if (in.regular() && in.size() > 0) {
            size_ = in.size();
            void* p = ::mmap(nullptr, size_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_POPULATE,
                             in.fd(), 0);
            if (p != MAP_FAILED) data_ = static_cast<char*>(p);
        }
        if (!data_) {
            in.readAll(copy_);
            size_ = copy_.size();
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
