#include "TarinTranslator/host/OutputFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <system_error>
#include <vector>

#include "TarinTranslator/api/TarinTranslator.h"
#include "TarinTranslator/host/Utf8.h"

namespace tarin {

namespace {

std::atomic<bool> unnamedFiles{true};

// The temporary names that exist at the moment, in a table that a signal handler may
// read: an entry is filled while its state is kClaimed and read only while it is kNamed.
constexpr int kFree = 0, kClaimed = 1, kNamed = 2;
constexpr std::size_t kNameSize = kTemporaryNameLength + 1;
struct TemporaryName {
    std::atomic<int> state{kFree};
    int dir = -1;
    char name[kNameSize] = {};
};
constexpr int kTemporaryNames = 64;
TemporaryName temporaryNames[kTemporaryNames];

// A temporary file that no process has touched for this long, and whose process is gone,
// is stale.
constexpr std::time_t kStaleAge = 60;

// FNV-1a: a hash that every build of the library computes alike.
uint32_t hash32(std::string_view text) {
    uint32_t h = 2166136261u;
    for (unsigned char c : text) h = (h ^ c) * 16777619u;
    return h;
}

std::string firstLine(const char* file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// The boot and the process id namespace this process runs in: a process id and a start
// time mean something only within both. 0 where the boot id cannot be read.
uint32_t hostId() {
    static const uint32_t id = [] {
        const std::string boot = firstLine("/proc/sys/kernel/random/boot_id");
        if (boot.empty()) return 0u;
        std::error_code ec;
        const std::string pids = std::filesystem::read_symlink("/proc/self/ns/pid", ec).string();
        const uint32_t h = hash32(boot + " " + pids);
        return h ? h : 1u;
    }();
    return id;
}

// Field 22 of /proc/PID/stat, the process's start time in clock ticks since boot; nothing
// when the process does not exist (or /proc cannot tell).
std::optional<uint64_t> startTime(const std::string& pid) {
    std::ifstream in("/proc/" + pid + "/stat");
    std::string stat;
    if (!std::getline(in, stat)) return std::nullopt;
    // The command name, field 2, stands in parentheses and may hold anything.
    const std::size_t end = stat.rfind(')');
    if (end == std::string::npos) return std::nullopt;
    std::istringstream fields(stat.substr(end + 1));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
        if (i != 22) continue;
        uint64_t start = 0;
        if (std::from_chars(field.data(), field.data() + field.size(), start).ec != std::errc{})
            return std::nullopt;
        return start & 0xFFFFFFFFFFFFull;
    }
    return std::nullopt;
}

// A new temporary name of this process.
void newTemporaryName(char (&name)[kNameSize]) {
    static thread_local std::mt19937 random{std::random_device{}()};
    const std::string text = temporaryName(thisProcess(), random());
    std::copy(text.begin(), text.end(), name);
    name[text.size()] = '\0';
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

// Whether the kernel's fs.protected_symlinks would refuse to follow the link `link`
// (whose own status is `info`): it stands in a sticky world-writable directory and
// belongs neither to the process's user nor to the directory's owner.
bool foreignLink(const std::filesystem::path& link, const struct stat& info) {
    const std::filesystem::path dir = link.parent_path();
    struct stat parent {};
    if (::stat(dir.empty() ? "." : dir.c_str(), &parent) != 0) return false;
    const bool shared = (parent.st_mode & S_ISVTX) && (parent.st_mode & S_IWOTH);
    return shared && info.st_uid != ::geteuid() && info.st_uid != parent.st_uid;
}

// Follows symbolic links from `path` to the file they end at (which need not exist).
// A link that foreignLink() refuses stops it with `refusal` set.
bool resolveLinks(std::filesystem::path& path, Refusal& refusal) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
        if (foreignLink(path, info)) {
            refusal = Refusal::ForeignLink;
            errno = EACCES;
            return false;
        }
        std::error_code ec;
        std::filesystem::path link = std::filesystem::read_symlink(path, ec);
        if (ec) {
            errno = ec.value();
            return false;
        }
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

// Whether the temporary file `name` in `dir` is stale: made by a process of this boot
// and process id namespace that is gone (no process of its id, or one started at
// another time), and untouched for a minute. Anything else is kept: a name not of our
// form, a file made on another machine or before a reboot, a file of a live process.
bool stale(int dir, const char* name, std::time_t now) {
    const std::optional<TemporaryOwner> owner = temporaryOwner(name);
    if (!owner || owner->host == 0 || owner->host != hostId()) return false;
    // Where /proc does not show the process (hidepid), kill() still tells whether it exists.
    const std::optional<uint64_t> start = startTime(std::to_string(owner->pid));
    const bool gone = start ? *start != owner->start
                            : ::kill(static_cast<pid_t>(owner->pid), 0) != 0 && errno == ESRCH;
    if (!gone) return false;
    struct stat info {};
    return ::fstatat(dir, name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode) &&
           now - info.st_mtime > kStaleAge;
}

// Removes the stale temporary files in `dir`; returns how many.
std::size_t sweepDirectory(int dir) {
    if (hostId() == 0) return 0;
    const int fd = ::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return 0;
    DIR* entries = ::fdopendir(fd);
    if (!entries) {
        ::close(fd);
        return 0;
    }
    const int at = ::dirfd(entries);
    const std::time_t now = std::time(nullptr);
    std::size_t removed = 0;
    while (const dirent* entry = ::readdir(entries)) {
        if (stale(at, entry->d_name, now) && ::unlinkat(at, entry->d_name, 0) == 0) ++removed;
    }
    ::closedir(entries);
    return removed;
}

}  // namespace

TemporaryOwner thisProcess() {
    const std::string self = std::to_string(::getpid());
    return {hostId(), static_cast<uint32_t>(::getpid()), startTime(self).value_or(0)};
}

std::string temporaryName(const TemporaryOwner& owner, uint32_t random) {
    char name[kNameSize];
    std::snprintf(name, sizeof name, ".tarin-%08x-%08x-%012llx-%08x", owner.host, owner.pid,
                  static_cast<unsigned long long>(owner.start & 0xFFFFFFFFFFFFull), random);
    return name;
}

std::optional<TemporaryOwner> temporaryOwner(std::string_view name) {
    constexpr std::string_view kPrefix = ".tarin-";
    if (name.size() != kTemporaryNameLength || name.substr(0, kPrefix.size()) != kPrefix)
        return std::nullopt;
    // The fields after the prefix: offset and width of each, separated by '-'.
    constexpr std::pair<std::size_t, std::size_t> kFields[] = {{7, 8}, {16, 8}, {25, 12}, {38, 8}};
    uint64_t values[4] = {};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto [at, width] = kFields[i];
        if (i > 0 && name[at - 1] != '-') return std::nullopt;
        for (char c : name.substr(at, width))
            if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return std::nullopt;
        std::from_chars(name.data() + at, name.data() + at + width, values[i], 16);
    }
    return TemporaryOwner{static_cast<uint32_t>(values[0]), static_cast<uint32_t>(values[1]),
                          values[2]};
}

void sweepStaleTemporaries(std::initializer_list<const AtomicFile*> files) {
    std::vector<std::pair<dev_t, ino_t>> swept;
    for (const AtomicFile* file : files) {
        struct stat info {};
        if (file->directory() < 0 || ::fstat(file->directory(), &info) != 0) continue;
        const std::pair<dev_t, ino_t> id{info.st_dev, info.st_ino};
        if (std::find(swept.begin(), swept.end(), id) != swept.end()) continue;
        swept.push_back(id);
        sweepDirectory(file->directory());
    }
}

std::size_t removeStaleTemporaryFiles(const std::filesystem::path& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return 0;
    const std::size_t removed = sweepDirectory(fd);
    ::close(fd);
    return removed;
}

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

bool AtomicFile::fail(Refusal refusal) {
    if (!failed_) {
        error_ = errno;
        refusal_ = refusal;
    }
    failed_ = true;
    return false;
}

// Makes the file under a temporary name of its own (`make` creates it under the name it is
// given), with a new name while the one tried is taken. False, errno set, on another
// failure.
template <class Make>
bool AtomicFile::claimName(Make make) {
    for (;;) {
        char name[kNameSize];
        slot_ = claimTemporaryName(dir_, name);
        if (make(static_cast<const char*>(name))) {
            temp_ = name;
            return true;
        }
        const int error = errno;
        releaseTemporaryName(slot_);
        slot_ = -1;
        errno = error;
        if (error != EEXIST) return false;
    }
}

bool AtomicFile::open(const std::filesystem::path& target, Links links) {
    abandon();
    target_ = target;
    remaining_.clear();
    error_ = 0;
    refusal_ = Refusal::None;
    failed_ = false;
    std::filesystem::path file = target;
    Refusal refusal = Refusal::None;
    if (links == Links::Follow && !resolveLinks(file, refusal)) return fail(refusal);
    name_ = file.filename().string();
    if (name_.empty() || name_ == "." || name_ == "..") {
        errno = EISDIR;
        return fail();
    }
    directory_ = file.parent_path();
    dir_ =
        ::open(directory_.empty() ? "." : directory_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir_ < 0) return fail();

    // A file that is replaced keeps its mode and owner; until they are set the new file
    // is open to its owner only.
    struct stat old {};
    const bool replacing = ::fstatat(dir_, name_.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (replacing && S_ISLNK(old.st_mode)) {
        errno = ELOOP;
        return fail(Refusal::Link);
    }
    if (replacing && !S_ISREG(old.st_mode)) return fail(Refusal::NotRegular);
    const mode_t mode = replacing ? 0600 : 0666;

    if (unnamedFiles && procFdAvailable()) {
        fd_ = ::openat(dir_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        unnamed_ = fd_ >= 0;
        if (fd_ < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return fail();
    }
    if (fd_ < 0 && !claimName([&](const char* name) {
            fd_ = ::openat(dir_, name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            return fd_ >= 0;
        }))
        return fail();
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
            return fail();
        }
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool AtomicFile::sync() {
    return good() && (flushToDisk(fd_) || fail());
}

bool AtomicFile::link() {
    if (!good()) return false;
    if (unnamed_) {
        char proc[48];
        std::snprintf(proc, sizeof proc, "/proc/self/fd/%d", fd_);
        if (!claimName([&](const char* name) {
                return ::linkat(AT_FDCWD, proc, dir_, name, AT_SYMLINK_FOLLOW) == 0;
            }))
            return fail();
    }
    const int closed = ::close(fd_);
    fd_ = -1;
    return closed == 0 || fail();
}

// Whether the target is still absent or a regular file: a directory, a device or a link
// put in its place since open() is not replaced.
bool AtomicFile::targetReplaceable() {
    struct stat info {};
    if (::fstatat(dir_, name_.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 || S_ISREG(info.st_mode))
        return true;
    return fail(Refusal::NotRegular);
}

bool AtomicFile::replace() {
    if (failed_ || fd_ >= 0 || temp_.empty() || !targetReplaceable()) return false;
    if (::renameat(dir_, temp_.c_str(), dir_, name_.c_str()) != 0) return fail();
    forgetTemporary();
    return true;
}

bool AtomicFile::syncDirectory() {
    return !failed_ && dir_ >= 0 && (flushToDisk(dir_) || fail());
}

void AtomicFile::forgetTemporary() {
    releaseTemporaryName(slot_);
    slot_ = -1;
    temp_.clear();
}

void AtomicFile::abandon() {
    const int error = errno;
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty() && ::unlinkat(dir_, temp_.c_str(), 0) != 0 && errno != ENOENT)
        remaining_ = directory_ / temp_;
    forgetTemporary();
    if (dir_ >= 0) {
        ::close(dir_);
        dir_ = -1;
    }
    unnamed_ = false;
    errno = error;
}

AtomicFile* commitTogether(std::initializer_list<AtomicFile*> files) {
    AtomicFile* failed = nullptr;
    auto firstFailing = [&](auto step) {
        for (AtomicFile* file : files)
            if (!step(*file)) return failed = file;
        return failed;
    };
    // Each rename follows its link at once, so that a process killed meanwhile leaves at
    // most one named temporary file behind; each directory is flushed once.
    if (!firstFailing([](AtomicFile& f) { return f.sync(); }) &&
        !firstFailing([](AtomicFile& f) { return f.link() && f.replace(); })) {
        std::vector<std::pair<dev_t, ino_t>> flushed;
        firstFailing([&](AtomicFile& f) {
            struct stat info {};
            if (::fstat(f.directory(), &info) == 0) {
                const std::pair<dev_t, ino_t> id{info.st_dev, info.st_ino};
                if (std::find(flushed.begin(), flushed.end(), id) != flushed.end()) return true;
                flushed.push_back(id);
            }
            return f.syncDirectory();
        });
    }
    if (failed)
        for (AtomicFile* file : files) file->abandon();
    return failed;
}

bool writeFileAtomically(const std::filesystem::path& target, const void* bytes, std::size_t size) {
    AtomicFile file;
    return file.open(target) && file.write(bytes, size) && file.commit();
}

namespace {
constexpr std::size_t kByteChunk = 1 << 16;
}

Utf8FileBuf::Utf8FileBuf(AtomicFile& file, Seen seen) : file_(file), seen_(std::move(seen)) {
    setp(wide_, wide_ + sizeof(wide_) / sizeof(wide_[0]));
    bytes_.reserve(kByteChunk + 64);
}

Utf8FileBuf::~Utf8FileBuf() {
    sync();
}

void Utf8FileBuf::encodeWide() {
    for (const wchar_t* p = pbase(); p != pptr(); ++p) {
        const auto c = static_cast<char32_t>(*p);
        if (c == U'\n') {
            bytes_ += "\r\n";
        } else if (c < 0x80) {
            bytes_ += static_cast<char>(c);
        } else {
            appendUtf8(bytes_, c);
        }
        if (bytes_.size() >= kByteChunk) flushBytes();
    }
    setp(wide_, wide_ + sizeof(wide_) / sizeof(wide_[0]));
}

void Utf8FileBuf::put(const char* bytes, std::size_t size) {
    if (seen_) seen_(bytes, size);
    if (!file_.write(bytes, size)) failed_ = true;
}

void Utf8FileBuf::flushBytes() {
    if (!bytes_.empty()) put(bytes_.data(), bytes_.size());
    bytes_.clear();
}

void Utf8FileBuf::putAscii(const char* text, std::size_t size) {
    encodeWide();
    if (size >= kByteChunk / 2) {
        // Large runs go to the file as they are, without another copy.
        flushBytes();
        put(text, size);
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
    encodeWide();
    flushBytes();
    return failed_ ? -1 : 0;
}

}  // namespace tarin
