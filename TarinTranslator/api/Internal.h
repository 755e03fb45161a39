#pragma once

// What the pipelines of the C++ interface share: input files, text output files and their
// failures, and plans read with their reasons.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <locale>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "TarinTranslator/api/TarinTranslator.h"
#include "TarinTranslator/host/OutputFile.h"
#include "TarinTranslator/host/Services.h"
#include "TarinTranslator/mission_plan/MissionPlanDocument.h"
#include "TarinTranslator/platform_xml/Encoding.h"
#include "TarinTranslator/platform_xml/ReadLog.h"
#include "TarinTranslator/platform_xml/Sections.h"

namespace tarin::detail {

std::filesystem::path withSuffix(const std::filesystem::path& base, const char* suffix);

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
    //
    // With `document`, a pipe's text that does not open with a UTF-16 or UTF-32 byte order
    // mark ends at its first NUL byte, which no such document holds: the reader then
    // refuses the document there instead of this reading on without end.
    template <class Bytes>
    void readAll(Bytes& bytes, bool document = false) {
        bytes.resize(size());
        std::size_t done = read(bytes.data(), bytes.size());
        bytes.resize(done);
        const bool cutAtNul = document && !regular();
        char more[1 << 16];
        while (std::size_t n = readSome(more, sizeof more)) {
            bytes.resize(done + n);
            std::copy(more, more + n, reinterpret_cast<char*>(bytes.data()) + done);
            done += n;
            if (!cutAtNul || done < 4) continue;
            const std::string_view text(reinterpret_cast<const char*>(bytes.data()), done);
            if (hasWideByteOrderMark(text)) continue;
            const std::size_t from = done - n < 4 ? 0 : done - n;
            if (const std::size_t nul = text.find('\0', from); nul != std::string_view::npos) {
                bytes.resize(nul + 1);
                return;
            }
        }
    }

    // Fills `size` bytes at `to`, fewer only at the file's end; returns how many.
    template <class Byte>
    std::size_t read(Byte* to, std::size_t size) {
        std::size_t done = 0;
        while (done < size) {
            std::size_t n = readSome(reinterpret_cast<char*>(to) + done, size - done);
            if (n == 0) break;
            done += n;
        }
        return done;
    }

  private:
    void release() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    [[noreturn]] void fail(const char* verb, int error = errno, const char* reason = nullptr) {
        std::string text = reason ? reason : std::strerror(error);
        release();
        throw FileError(file_, verb + noun_, text, error);
    }
    void checkKind(const struct stat& info) {
        if (S_ISDIR(info.st_mode)) fail("Cannot read ", EISDIR);
        if (!S_ISREG(info.st_mode) && !S_ISFIFO(info.st_mode))
            fail("Cannot read ", EINVAL, "not a regular file, pipe or FIFO");
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

// The two image files of a write, opened (and so checked) before anything is written. A
// regular file is read while the document is written, a chunk at a time, so that it is
// never held in memory whole; a pipe or a FIFO is read whole into the record at once, .fl
// before .ee, the order in which one program feeding both would write them. An image
// without a file (an empty path) is left to the record.
class WriteImages {
  public:
    WriteImages(const std::filesystem::path& base, ByteVector& fl, ByteVector& ee)
        : WriteImages(withSuffix(base, ".fl"), fl, withSuffix(base, ".ee"), ee) {}
    WriteImages(const std::filesystem::path& flFile, ByteVector& fl,
                const std::filesystem::path& eeFile, ByteVector& ee) {
        if (!flFile.empty()) open(flFile, fl_, fl, readers_.fl);
        if (!eeFile.empty()) open(eeFile, ee_, ee, readers_.ee);
    }
    const ImageReaders* readers() const { return &readers_; }
    ImageReaders& streams() { return readers_; }

  private:
    static void open(const std::filesystem::path& file, std::optional<InputFile>& input,
                     ByteVector& bytes, ImageReader& reader) {
        input.emplace(file, "image file");
        if (input->regular()) {
            reader = [&in = *input](uint8_t* to, std::size_t size) { return in.read(to, size); };
        } else {
            input->readAll(bytes);
            input.reset();
        }
    }

    std::optional<InputFile> fl_, ee_;
    ImageReaders readers_;
};

// Writes text into `file` in UTF-8 with CR LF line ends through `write`. Numbers are
// written in the classic locale, whatever the process's global locale: plain digits, no
// grouping. `seen` is shown the bytes as they are written.
template <class Write>
bool writeText(AtomicFile& file, Write write, Utf8FileBuf::Seen seen = {}) {
    Utf8FileBuf buffer(file, std::move(seen));
    std::wostream os(&buffer);
    os.imbue(std::locale::classic());
    {
        XmlModeScope xml(os);
        write(os);
    }
    os.flush();
    return !buffer.failed() && os;
}

// An output file that could not be written: the system's reason or why it was refused,
// and the temporary files that could not be removed after it.
struct WriteFailure {
    std::filesystem::path file;
    int error = 0;
    Refusal refusal = Refusal::None;
    std::vector<std::filesystem::path> remaining;

    std::string remains() const {
        std::string text;
        for (const std::filesystem::path& temporary : remaining)
            text += (text.empty() ? "the temporary file " : "; the temporary file ") +
                    temporary.string() + " remains";
        return text;
    }
    std::string reason() const {
        std::string text = refusal == Refusal::NotRegular ? "not a regular file"
                           : refusal == Refusal::Link
                               ? "a symbolic link, which is not followed here"
                           : refusal == Refusal::ForeignLink
                               ? "not following a symbolic link owned by another user in a "
                                 "sticky world-writable directory"
                               : std::strerror(error);
        return remaining.empty() ? text : text + "; " + remains();
    }
    std::string text() const { return "cannot write " + file.string() + ": " + reason(); }
    static bool isDirectory(const std::filesystem::path& file) {
        std::error_code ec;
        return std::filesystem::is_directory(file, ec);
    }
    FileError fileError() const {
        if (refusal == Refusal::NotRegular)
            return FileError(file, "Not a regular file", remains(),
                             isDirectory(file) ? EISDIR : EINVAL);
        return FileError(file, "Cannot write", reason(),
                         refusal == Refusal::ForeignLink ? EACCES : error);
    }
};

// The failure of `failed`, one of `files`, which have all been abandoned.
WriteFailure failureOf(const AtomicFile& failed, std::initializer_list<const AtomicFile*> files);

// Writes a text file through `write`; the file appears only when complete.
template <class Write>
std::optional<WriteFailure> writeTextFile(const std::filesystem::path& target, Write write) {
    AtomicFile file;
    if (file.open(target)) {
        sweepStaleTemporaries({&file});
        if (writeText(file, write) && file.commit()) return std::nullopt;
    }
    file.abandon();
    return failureOf(file, {&file});
}

// The kind of radio a document or platform file holds, as its MissionLoad element and
// sections imply.
struct Kind {
    ReadAs as;
    const char* group;  // "classic", "hazard", "VR-mobile" or "mobile"
};

// A plan read from a document, handheld or mobile, with what unpacking writes of it.
class ReadPlan {
  public:
    explicit ReadPlan(const ReadAs& as) : as_(as) {
        if (as.mobile) {
            mobile_.MobilePlatform.radioType = as.radioType.value_or(0);
        } else {
            handheld_.planRadioType = as.radioType.value_or(kClassicRadioType);
            handheld_.Platform.radioType = handheld_.planRadioType;
        }
    }

    // Reads the document in `data`, which it changes: the images are decoded within it
    // and stay there, so the text must outlive the plan's use.
    bool read(char* data, std::size_t size) {
        return as_.mobile ? readMobileMissionPlan(data, size, mobile_, &images_)
                          : readMissionPlan(data, size, handheld_, &images_);
    }
    // The same on a document loaded from `text`, which stands in for the BLOB texts `wide`.
    bool read(const pugi::xml_document& doc, std::string_view text,
              std::span<const WideBlob> wide = {}) {
        images_.wide = wide;
        return as_.mobile ? readLoadedMobileMissionPlan(doc, text, mobile_, &images_)
                          : readLoadedMissionPlan(doc, text, handheld_, &images_);
    }
    const ImageViews& images() const { return images_; }
    // The images are only hashed while they are decoded, never held.
    void digestImagesOnly() { images_.digestOnly = true; }

    // Writes what unpacking writes: BASE.fl, BASE.ee and BASE.pd.
    std::optional<WriteFailure> write(const std::filesystem::path& base, bool toTempDir) const;

    // Writes the plan as a mission plan document, its images from `readers` where they
    // give them, its date stamp of `date` (without it, now).
    void writePlan(std::wostream& os, const ImageReaders* readers,
                   std::optional<std::time_t> date = std::nullopt) const {
        if (as_.mobile) {
            writeMobileMissionPlan(os, mobile_, readers, date);
        } else {
            writeMissionPlan(os, handheld_, readers, date);
        }
    }

    // The platformConfig text that unpacking writes.
    std::wstring platformText() const {
        std::wostringstream os;
        os.imbue(std::locale::classic());
        XmlModeScope xml(os);
        if (as_.mobile) {
            writeMobilePlatformConfig(os, mobile_.MobilePlatform);
        } else {
            writePlatformConfig(os, handheld_.Platform);
        }
        return os.str();
    }

    const ReadAs& as() const { return as_; }
    MissionPlan& handheld() { return handheld_; }
    MobileMissionPlan& mobile() { return mobile_; }
    const MissionPlan& handheld() const { return handheld_; }
    const MobileMissionPlan& mobile() const { return mobile_; }

  private:
    ReadAs as_;
    MissionPlan handheld_;
    MobileMissionPlan mobile_;
    ImageViews images_;
};

// A document read whole into memory, from a file, a pipe or a FIFO: what was read is what
// is parsed, whatever happens to the file meanwhile.
class DocumentText {
  public:
    DocumentText() = default;
    explicit DocumentText(const std::filesystem::path& file, const std::string& noun = "document") {
        InputFile(file, noun).readAll(bytes_, true);
    }
    explicit DocumentText(std::string_view text) : bytes_(text.begin(), text.end()) {}
    // An empty file has no buffer: the parser gets an empty text, not a null pointer.
    char* data() { return bytes_.empty() ? empty_ : reinterpret_cast<char*>(bytes_.data()); }
    std::size_t size() const { return bytes_.size(); }
    std::string_view view() { return {data(), size()}; }
    void release() { ByteVector().swap(bytes_); }

  private:
    ByteVector bytes_;
    char empty_[1] = {};
};

// Unpacks a document handed over as wide text: as its UTF-8 text would unpack, with the
// BLOB texts decoded from the wide text where they can be, and written as BASE.fl, BASE.ee
// and BASE.pd; false, with the message shown, when it does not read or cannot be written.
bool unpackWide(std::wstring_view text, const std::filesystem::path& base, const ReadAs& as,
                bool toTempDir);

// Reads a platform file's text into `read`'s record; false with the log's reason when it
// does not read.
template <class Read>
bool readPlatformText(ReadLog& log, std::string& text, Read read) {
    ReadLogScope scope(&log);
    pugi::xml_document doc;
    return loadDocumentText(doc, text.data(), text.size()) && read(doc.child("platformConfig"));
}

// Fails `result` with the reason of `failure`.
void failWith(ReadResult& result, const WriteFailure& failure);
// The result of a write whose reading gave `result`: it, or why the document could not be
// written. A refused target is thrown as FileError.
ReadResult written(ReadResult result, const std::optional<WriteFailure>& failure);

// Refuses plan texts that no document can hold, before anything is read or written.
void checkTexts(const PlanTexts& texts, const std::wstring& domain = {});
// Copies the plan texts into a plan's fields, cut to their lengths.
void copyTexts(PlanTextFields& fields, const PlanTexts& texts, bool handheld);

ReadNote noteOf(const ReadLog& log, const Finding& finding);
ReadResult resultOf(const ReadLog& log, bool ok);
// What a MissionLoad element (empty for a platform file) and the sections below it imply.
Kind impliedKind(std::string_view missionLoad, const std::vector<std::string>& sections);
// Adds to the reason of a read that failed in its sections what the document (or the
// platform file) looks like it holds, when that is not what it was read as.
void explainKind(ReadResult& result, const ReadLog& log, const ReadAs& as, bool platformFile);
// The result of a read into `plan` that `log` followed, with a warning for each section
// the document holds that the radio type does not keep.
ReadResult checkedResult(const ReadLog& log, bool ok, const ReadAs& as);
// The result of a platform text that does not read.
ReadResult platformFailure(const ReadLog& log, const ReadAs& as);
// "a mobile radio", "a classic handheld radio" or "radio type N".
std::string radioKind(const ReadAs& as);
// A plan text as a plan keeps it: at most `characters` characters of the attribute.
std::wstring keptText(pugi::xml_node node, const char* name, std::size_t characters);

}  // namespace tarin::detail
