#include "TarinTranslator/platform/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <iterator>
#include <random>
#include <system_error>

#include "TarinTranslator/api/TarinTranslator.h"

namespace tarin {

namespace {

std::atomic<bool> unnamedFiles{true};

// The temporary names that exist at the moment, in a table that a signal handler may
// read: an entry is filled while its state is kClaimed and read only while it is kNamed.
constexpr int kFree = 0, kClaimed = 1, kNamed = 2;
constexpr std::size_t kNameSize = 32;
struct TemporaryName {
    std::atomic<int> state{kFree};
    int dir = -1;
    char name[kNameSize] = {};
};
constexpr int kTemporaryNames = 64;
TemporaryName temporaryNames[kTemporaryNames];

// A short hidden name, new for each call: ".tarin-" and 16 hexadecimal digits.
void newTemporaryName(char (&name)[kNameSize]) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    std::snprintf(name, kNameSize, ".tarin-%016llx", static_cast<unsigned long long>(random()));
}

// Enters a new temporary name for `dir` in the table and returns its entry, or -1 when
// the table is full (the name then stays unknown to removeTemporaryFiles()).
int claimTemporaryName(int dir, char (&name)[kNameSize]) {
    newTemporaryName(name);
    for (int i = 0; i < kTemporaryNames; ++i) {
        int expected = kFree;
        TemporaryName& entry = temporaryNames[i];
        if (entry.state.compare_exchange_strong(expected, kClaimed)) {
            entry.dir = dir;
            std::copy(std::begin(name), std::end(name), entry.name);
            entry.state.store(kNamed);
            return i;
        }
    }
    return -1;
}

void releaseTemporaryName(int slot) {
    if (slot >= 0) temporaryNames[slot].state.store(kFree);
}

// Follows symbolic links from `path` to the file they end at (which need not exist).
bool resolveLinks(std::filesystem::path& path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) return true;
        std::filesystem::path link = std::filesystem::read_symlink(path, ec);
        if (ec) return false;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    errno = ELOOP;
    return false;
}

// fsync, where the file system has it.
bool flushToDisk(int fd) {
    return ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
}

bool procFdAvailable() {
    static const bool available = ::access("/proc/self/fd", X_OK) == 0;
    return available;
}

}  // namespace

void useUnnamedTemporaryFiles(bool use) {
    unnamedFiles = use;
}

void removeTemporaryFiles() noexcept {
    for (TemporaryName& entry : temporaryNames) {
        if (entry.state.load() == kNamed) ::unlinkat(entry.dir, entry.name, 0);
    }
}

AtomicFile::~AtomicFile() {
    abandon();
}

bool AtomicFile::open(const std::filesystem::path& target) {
    abandon();
    target_ = target;
    failed_ = false;
    std::filesystem::path file = target;
    if (!resolveLinks(file)) return false;
    name_ = file.filename().string();
    // Failures leave errno set, so that callers can give the system's reason.
    if (name_.empty() || name_ == "." || name_ == "..") {
        errno = EISDIR;
        return false;
    }
    std::filesystem::path dir = file.parent_path();
    dir_ = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir_ < 0) return false;

    // A file that is replaced keeps its mode and owner; until they are set the new file
    // is open to its owner only.
    struct stat old {};
    bool replacing = ::fstatat(dir_, name_.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (replacing && S_ISDIR(old.st_mode)) {
        errno = EISDIR;
        return false;
    }
    replacing = replacing && S_ISREG(old.st_mode);
    mode_t mode = replacing ? 0600 : 0666;

    if (unnamedFiles && procFdAvailable()) {
        fd_ = ::openat(dir_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        unnamed_ = fd_ >= 0;
        if (fd_ < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return false;
    }
    while (fd_ < 0) {
        char name[kNameSize];
        slot_ = claimTemporaryName(dir_, name);
        fd_ = ::openat(dir_, name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd_ >= 0) {
            temp_ = name;
            break;
        }
        int error = errno;
        releaseTemporaryName(slot_);
        slot_ = -1;
        if (error != EEXIST) return false;
    }
    if (replacing) {
        // Owner first: a change of owner clears the set-user-ID and set-group-ID bits.
        if (::fchown(fd_, old.st_uid, old.st_gid) != 0) (void)::fchown(fd_, -1, old.st_gid);
        (void)::fchmod(fd_, old.st_mode & 07777);
    }
    return true;
}
bool AtomicFile::write(const void* data, std::size_t size) {
    if (!good()) return false;
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = ::write(fd_, p, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            failed_ = true;
            return false;
        }
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool AtomicFile::linkTemporary() {
    char proc[48];
    std::snprintf(proc, sizeof proc, "/proc/self/fd/%d", fd_);
    for (;;) {
        char name[kNameSize];
        slot_ = claimTemporaryName(dir_, name);
        if (::linkat(AT_FDCWD, proc, dir_, name, AT_SYMLINK_FOLLOW) == 0) {
            temp_ = name;
            return true;
        }
        int error = errno;
        releaseTemporaryName(slot_);
        slot_ = -1;
        if (error != EEXIST) return false;
    }
}

bool AtomicFile::prepare() {
    if (!good()) return false;
    bool ok = flushToDisk(fd_) && (!unnamed_ || linkTemporary());
    if (::close(fd_) != 0) ok = false;
    fd_ = -1;
    if (!ok) failed_ = true;
    return ok;
}

bool AtomicFile::replace() {
    if (failed_ || fd_ >= 0 || temp_.empty()) return false;
    bool ok = ::renameat(dir_, temp_.c_str(), dir_, name_.c_str()) == 0;
    if (!ok) {
        failed_ = true;
        return false;
    }
    forgetTemporary();
    return true;
}

bool AtomicFile::syncDirectory() {
    return !failed_ && dir_ >= 0 && flushToDisk(dir_);
}

void AtomicFile::forgetTemporary() {
    releaseTemporaryName(slot_);
    slot_ = -1;
    temp_.clear();
}

void AtomicFile::abandon() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty()) ::unlinkat(dir_, temp_.c_str(), 0);
    forgetTemporary();
    if (dir_ >= 0) {
        ::close(dir_);
        dir_ = -1;
    }
    unnamed_ = false;
}

AtomicFile* commitTogether(std::initializer_list<AtomicFile*> files) {
    for (AtomicFile* file : files) {
        if (!file->prepare()) return file;
    }
    for (AtomicFile* file : files) {
        if (!file->replace()) return file;
    }
    for (AtomicFile* file : files) {
        if (!file->syncDirectory()) return file;
    }
    return nullptr;
}

bool writeFileAtomically(const std::filesystem::path& target, const void* bytes, std::size_t size) {
    AtomicFile file;
    return file.open(target) && file.write(bytes, size) && file.commit();
}

void appendUtf8(std::string& out, char32_t c) {
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = 0xFFFD;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

namespace {
constexpr std::size_t kByteChunk = 1 << 16;
}

Utf8FileBuf::Utf8FileBuf(AtomicFile& file) : file_(file) {
    setp(wide_, wide_ + sizeof(wide_) / sizeof(wide_[0]));
    bytes_.reserve(kByteChunk + 64);
}

Utf8FileBuf::~Utf8FileBuf() {
    sync();
}

void Utf8FileBuf::encodeWide() {
    for (const wchar_t* p = pbase(); p != pptr(); ++p) {
        auto c = static_cast<char32_t>(*p);
        if (pendingHigh_) {
            char32_t high = static_cast<char32_t>(pendingHigh_);
            pendingHigh_ = 0;
            if (c >= 0xDC00 && c <= 0xDFFF) {
                appendUtf8(bytes_, 0x10000 + ((high - 0xD800) << 10) + (c - 0xDC00));
                continue;
            }
            appendUtf8(bytes_, 0xFFFD);
        }
        if (c == U'\n') {
            bytes_ += "\r\n";
        } else if (c < 0x80) {
            bytes_ += static_cast<char>(c);
        } else if (c >= 0xD800 && c <= 0xDBFF) {
            pendingHigh_ = static_cast<wchar_t>(c);  // first half of a UTF-16 pair
        } else {
            appendUtf8(bytes_, c);
        }
        if (bytes_.size() >= kByteChunk) flushBytes();
    }
    setp(wide_, wide_ + sizeof(wide_) / sizeof(wide_[0]));
}

void Utf8FileBuf::flushBytes() {
    if (!bytes_.empty() && !file_.write(bytes_.data(), bytes_.size())) failed_ = true;
    bytes_.clear();
}

void Utf8FileBuf::putAscii(const char* text, std::size_t size) {
    encodeWide();
    if (size >= kByteChunk / 2) {
        // Large runs go to the file as they are, without another copy.
        flushBytes();
        if (!file_.write(text, size)) failed_ = true;
        return;
    }
    while (size > 0) {
        std::size_t room = kByteChunk - std::min(bytes_.size(), kByteChunk);
        if (room == 0) {
            flushBytes();
            continue;
        }
        std::size_t n = std::min(room, size);
        bytes_.append(text, n);
        text += n;
        size -= n;
    }
}

Utf8FileBuf::int_type Utf8FileBuf::overflow(int_type c) {
    encodeWide();
    if (failed_) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

std::streamsize Utf8FileBuf::xsputn(const char_type* s, std::streamsize n) {
    std::streamsize done = 0;
    while (done < n) {
        std::streamsize room = epptr() - pptr();
        if (room == 0) {
            encodeWide();
            if (failed_) return done;
            continue;
        }
        std::streamsize k = std::min(room, n - done);
        traits_type::copy(pptr(), s + done, static_cast<std::size_t>(k));
        pbump(static_cast<int>(k));
        done += k;
    }
    return done;
}

int Utf8FileBuf::sync() {
    // A pending first half of a UTF-16 pair stays pending: its second half may follow.
    encodeWide();
    flushBytes();
    return failed_ ? -1 : 0;
}

}  // namespace tarin
