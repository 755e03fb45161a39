#pragma once

// Output files that appear complete or not at all, and a wide stream buffer that turns
// wide text into UTF-8 with CR LF line ends as it goes.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <streambuf>
#include <string>

namespace tarin {

// A file written in full before it takes the place of its target, so that the target
// holds either its previous content or the new one, never a part of it:
//
// - open() starts an unnamed file in the target's directory (O_TMPFILE), or, where the
//   file system has no unnamed files, one under a short hidden name, which therefore
//   never lengthens the target's name;
// - write() appends to it;
// - prepare() flushes it to the disk and, for an unnamed file, links it under a short
//   temporary name;
// - replace() renames it over the target; syncDirectory() flushes that rename.
//
// commit() does the last three steps. A target that is a symbolic link stays one: the
// file it points to is replaced (or created, for a dangling link). A replaced file keeps
// its permission bits, and its owner and group where the process may set them; a new
// file gets 0666 under the umask. A file that is never put in place is removed, also on
// an exception (by the destructor) and, through removeTemporaryFiles(), on a signal.
class AtomicFile {
  public:
    AtomicFile() = default;
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool open(const std::filesystem::path& target);
    bool write(const void* data, std::size_t size);
    bool prepare();
    bool replace();
    bool syncDirectory();
    bool commit() { return prepare() && replace() && syncDirectory(); }
    void abandon();
    bool good() const { return fd_ >= 0 && !failed_; }
    const std::filesystem::path& target() const { return target_; }

  private:
    bool linkTemporary();
    void forgetTemporary();

    std::filesystem::path target_;  // as the caller named it
    std::string name_;              // the file's name in dir_, links resolved
    std::string temp_;              // its temporary name in dir_, once it has one
    int dir_ = -1;
    int fd_ = -1;
    int slot_ = -1;  // the temporary name's entry for removeTemporaryFiles()
    bool unnamed_ = false;
    bool failed_ = false;
};

// Puts all of `files` in place or none of them: every file is completed and flushed
// first, and only then are they renamed over their targets, one after the other. Returns
// the file that could not be completed or put in place, or null when all are in place.
//
// A file system renames one name at a time: a reader that looks between the first rename
// and the last sees new files next to old ones, and a rename that fails after the first
// (each temporary file already sits complete in its target's directory, so little can
// fail there: a directory made in the target's place meanwhile, a failing disk) leaves
// the files before it replaced. That window is no longer than the renames themselves.
AtomicFile* commitTogether(std::initializer_list<AtomicFile*> files);

// Writes `bytes` to `target` through an AtomicFile.
bool writeFileAtomically(const std::filesystem::path& target, const void* bytes, std::size_t size);

// Whether open() starts unnamed files where the file system has them (the default);
// tests turn it off to take the named way.
void useUnnamedTemporaryFiles(bool use);

// Appends the UTF-8 form of one code point to `out`. Surrogates and values beyond
// U+10FFFF become U+FFFD.
void appendUtf8(std::string& out, char32_t unit);

// A wide stream buffer that encodes its text as UTF-8 into an AtomicFile, writing each
// "\n" as CR LF. putAscii() passes narrow ASCII text (which needs no encoding) straight
// through, for bulk text such as Base64.
class Utf8FileBuf : public std::wstreambuf {
  public:
    explicit Utf8FileBuf(AtomicFile& file);
    ~Utf8FileBuf() override;

    void putAscii(const char* text, std::size_t size);
    bool failed() const { return failed_; }

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char_type* s, std::streamsize n) override;
    int sync() override;

  private:
    void encodeWide();
    void flushBytes();

    AtomicFile& file_;
    wchar_t wide_[4096];
    std::string bytes_;
    wchar_t pendingHigh_ = 0;
    bool failed_ = false;
};

}  // namespace tarin
