#pragma once

// Output files that appear complete or not at all, and a wide stream buffer that turns
// wide text into UTF-8 with CR LF line ends as it goes.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>

namespace tarin {

// Why open() or replace() refused a target, beyond what the system said.
enum class Refusal {
    None,
    NotRegular,   // the target exists and is not a regular file: a device, a FIFO, a directory
    ForeignLink,  // a symbolic link on the way is one the kernel's protection would not follow
    Link,         // the target is a symbolic link, and links are not followed (Links::Refuse)
};

// Whether open() follows a target that is a symbolic link or refuses it.
enum class Links { Follow, Refuse };

// A file written in full before it takes the place of its target, so that the target
// holds either its previous content or the new one, never a part of it:
//
// - open() starts an unnamed file in the target's directory (O_TMPFILE), or, where the
//   file system has no unnamed files, one under a temporary name;
// - write() appends to it;
// - sync() flushes it to the disk;
// - link() gives an unnamed file its temporary name (a named one has it already);
// - replace() renames it over the target; syncDirectory() flushes that rename.
//
// commit() does the last four steps. A target that is a symbolic link stays one: the file
// it points to is replaced (or created, for a dangling link). A target that exists and is
// not a regular file is refused, when the file is opened and again just before the
// rename (with Links::Refuse, so is a target that is a symbolic link); so is a symbolic
// link in a sticky world-writable directory that belongs neither
// to the process's user nor to the directory's owner (the links that the kernel's
// fs.protected_symlinks does not follow; this code resolves links itself). A replaced
// file keeps its permission bits, and its owner and group where the process may set
// them; a new file gets 0666 under the umask.
//
// A file that is never put in place is removed by abandon(), also on an exception (by the
// destructor) and, through removeTemporaryFiles(), on a signal. A failed step leaves its
// errno in error(), kept from the calls that clean up after it.
class AtomicFile {
  public:
    AtomicFile() = default;
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool open(const std::filesystem::path& target, Links links = Links::Follow);
    bool write(const void* data, std::size_t size);
    bool sync();
    bool link();
    bool replace();
    bool syncDirectory();
    bool commit() { return sync() && link() && replace() && syncDirectory(); }
    // Closes the file and removes its temporary name, if it has one; where that removal
    // is refused, remaining() names the file left behind.
    void abandon();
    bool good() const { return fd_ >= 0 && !failed_; }
    const std::filesystem::path& target() const { return target_; }
    int error() const { return error_; }
    Refusal refusal() const { return refusal_; }
    const std::filesystem::path& remaining() const { return remaining_; }
    int directory() const { return dir_; }

  private:
    bool fail(Refusal refusal = Refusal::None);
    template <class Make>
    bool claimName(Make make);
    bool targetReplaceable();
    void forgetTemporary();

    std::filesystem::path target_;     // as the caller named it
    std::filesystem::path directory_;  // the directory of the file, links resolved
    std::string name_;                 // the file's name in dir_, links resolved
    std::string temp_;                 // its temporary name in dir_, once it has one
    std::filesystem::path remaining_;
    int dir_ = -1;
    int fd_ = -1;
    int slot_ = -1;  // the temporary name's entry for removeTemporaryFiles()
    int error_ = 0;
    Refusal refusal_ = Refusal::None;
    bool unnamed_ = false;
    bool failed_ = false;
};

// Puts all of `files` in place or, as far as it can, none of them: every file is flushed
// to the disk first, then each is linked under its temporary name and renamed over its
// target at once, one file after the other, and each directory is flushed once at the
// end. Returns the file that could not be completed or put in place, or null when all
// are in place. On a failure, every file not yet in place is abandoned (see remaining()).
//
// A file system renames one name at a time: a reader that looks between the first rename
// and the last sees new files next to old ones, and a rename that fails after the first
// (each temporary file already sits complete in its target's directory, so little can
// fail there: a directory made read-only or a target made a device meanwhile, a failing
// disk) leaves the files before it replaced. A process killed in that window leaves at
// most the one file it was putting in place under its temporary name.
AtomicFile* commitTogether(std::initializer_list<AtomicFile*> files);

// Writes `bytes` to `target` through an AtomicFile.
bool writeFileAtomically(const std::filesystem::path& target, const void* bytes, std::size_t size);

// Temporary files are named ".tarin-HOST-PID-START-RANDOM", in hexadecimal digits of fixed
// widths (46 characters): HOST, a hash of the boot id and the process id namespace, tells
// where PID (the process id) and START (its start time in clock ticks since boot, field 22
// of /proc/PID/stat) mean something; RANDOM tells apart the names of one process.
struct TemporaryOwner {
    uint32_t host = 0;
    uint32_t pid = 0;
    uint64_t start = 0;  // the low 48 bits
    bool operator==(const TemporaryOwner&) const = default;
};
constexpr std::size_t kTemporaryNameLength = 46;

// This process; its host is 0 where the boot id cannot be read.
TemporaryOwner thisProcess();
std::string temporaryName(const TemporaryOwner& owner, uint32_t random);
// Who made the temporary file `name`, or nothing when the name is not of that form.
std::optional<TemporaryOwner> temporaryOwner(std::string_view name);

// Removes the temporary files in the directories of `files` (each directory once) that
// removeStaleTemporaryFiles() takes for stale.
void sweepStaleTemporaries(std::initializer_list<const AtomicFile*> files);

// A wide stream buffer that encodes its text as UTF-8 (as toUtf8() does) into an
// AtomicFile, writing each "\n" as CR LF. putAscii() passes narrow ASCII text (which needs no
// encoding) straight through, for bulk text such as Base64. `seen`, when given, is shown
// every byte written, in order (to take a digest of the file as it is written).
class Utf8FileBuf : public std::wstreambuf {
  public:
    using Seen = std::function<void(const char* bytes, std::size_t size)>;
    explicit Utf8FileBuf(AtomicFile& file, Seen seen = {});
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
    void put(const char* bytes, std::size_t size);

    AtomicFile& file_;
    Seen seen_;
    wchar_t wide_[4096];
    std::string bytes_;
    bool failed_ = false;
};

}  // namespace tarin
