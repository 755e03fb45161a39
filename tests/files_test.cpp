// Output and input files on the real file system: sets of outputs that are put in place
// together, temporary files that never remain, what a replaced file keeps, and the kinds
// of image input.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <thread>

#include "TarinTranslator/api/Exports.h"
#include "TarinTranslator/api/TarinTranslator.h"
#include "TarinTranslator/host/OutputFile.h"
#include "TestSupport.h"
#include "tools/Interrupts.h"

namespace tarin {
namespace {

namespace fs = std::filesystem;
using test::entries;
using test::Messages;
using test::readFile;
using test::TempDir;
using test::writeFile;

mode_t modeOf(const fs::path& file) {
    struct stat info {};
    ::lstat(file.c_str(), &info);
    return info.st_mode & 07777;
}

// Each test runs once with unnamed temporary files (O_TMPFILE) and once with named ones,
// the way taken where the file system has no unnamed files.
class OutputFiles : public testing::TestWithParam<bool> {
  protected:
    void SetUp() override { useUnnamedTemporaryFiles(GetParam()); }
    void TearDown() override { useUnnamedTemporaryFiles(true); }
    bool put(const std::string& name, const std::string& bytes) {
        return writeFileAtomically(dir / name, bytes.data(), bytes.size());
    }
    TempDir dir;
};

INSTANTIATE_TEST_SUITE_P(Temporaries, OutputFiles, testing::Bool(),
                         [](const auto& info) { return info.param ? "Unnamed" : "Named"; });

TEST_P(OutputFiles, ReplacedFilesKeepModeOwnerAndLinks) {
    writeFile(dir / "kept", "old");
    ::chmod((dir / "kept").c_str(), 0600);
    const bool root = ::geteuid() == 0;
    ASSERT_TRUE(!root || ::chown((dir / "kept").c_str(), 4321, 8765) == 0);
    writeFile(dir / "target", "old");
    ::chmod((dir / "target").c_str(), 0640);
    fs::create_directory(dir / "links");
    fs::create_symlink("../target", dir / "links" / "inner");
    fs::create_symlink("links/inner", dir / "link");
    fs::create_symlink("created", dir / "dangling");
    mode_t umask = ::umask(027);

    bool written =
        put("kept", "new") && put("link", "new") && put("dangling", "new") && put("fresh", "new");
    ::umask(umask);
    ASSERT_TRUE(written);
    struct stat kept {};
    ::stat((dir / "kept").c_str(), &kept);
    EXPECT_TRUE(!root || (kept.st_uid == 4321u && kept.st_gid == 8765u));
    // The links stay links; the files behind them, the dangling one's created, are written.
    for (const char* link : {"link", "links/inner", "dangling"})
        EXPECT_TRUE(fs::is_symlink(dir / link));
    EXPECT_EQ(readFile(dir / "target") + readFile(dir / "created"), "newnew");
    // Modes: kept, the target's, and 0666 under the umask for a fresh file.
    EXPECT_EQ(std::tuple(modeOf(dir / "kept"), modeOf(dir / "target"), modeOf(dir / "fresh")),
              std::tuple(0600u, 0640u, 0640u));
    EXPECT_EQ(entries(dir.path()), "created dangling fresh kept link links target");
}

TEST_P(OutputFiles, AnyNameTheFileSystemAccepts) {
    std::string longest;
    for (int i = 0; i < 85; ++i) longest += "\xE6\x96\x87";  // 255 bytes
    ASSERT_TRUE(put(longest, "new"));
    EXPECT_EQ(readFile(dir / longest), "new");

    // A plan whose name is 80 CJK characters: 240 bytes and the suffixes.
    std::string base = longest.substr(0, 240);
    writeFile(dir / (base + ".fl"), "fl");
    writeFile(dir / (base + ".ee"), "ee");
    EXPECT_TRUE(writeClassicMissionPlan(dir / base, {}, false));
    EXPECT_TRUE(unpackHandheldMissionPlanFile(dir / (base + ".xml"), dir / base));
    EXPECT_EQ(readFile(dir / (base + ".fl")), "fl");
}

TEST_P(OutputFiles, NothingRemainsAfterAFailureOrAnException) {
    writeFile(dir / "kept", "old");
    fs::create_directory(dir / "folder");
    EXPECT_FALSE(put("folder", "new"));
    EXPECT_FALSE(put("missing/file", "new"));
    try {
        AtomicFile file;
        ASSERT_TRUE(file.open(dir / "kept"));
        ASSERT_TRUE(file.write("new", 3));
        ASSERT_TRUE(file.sync() && file.link());
        throw std::runtime_error("the writer fails");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(readFile(dir / "kept"), "old");
    EXPECT_EQ(entries(dir.path()), "folder kept");
}

// Runs `body` in a child process and returns what it reports, or "the child died".
std::string inChild(const std::function<std::string()>& body) {
    int report[2];
    if (::pipe(report) != 0) return "no pipe";
    pid_t child = ::fork();
    if (child == 0) {
        std::string result = body();
        (void)!::write(report[1], result.data(), result.size());
        ::_exit(0);
    }
    ::close(report[1]);
    std::string result;
    char buffer[256];
    for (ssize_t n; (n = ::read(report[0], buffer, sizeof buffer)) > 0;) result.append(buffer, n);
    ::close(report[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? result : "the child died";
}

// In a child process that, when the test runs as root, takes the user nobody (65534), for
// whom a directory's mode counts.
std::string unprivileged(const std::function<std::string()>& body) {
    return inChild([&] {
        return ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)
                   ? "cannot become nobody"
                   : body();
    });
}

// A set whose second target turns into a directory before the renames: the first file is
// in place, and no temporary file remains, also not the second's, already linked then.
// In a directory made read-only before the renames, nothing is renamed and the named
// temporary files, which cannot be removed, are reported.
TEST_P(OutputFiles, AFailurePartWayRemovesOrReportsEveryTemporary) {
    AtomicFile a, b, c;
    auto openAll = [&](const fs::path& in) {
        for (auto [file, name] : {std::pair{&a, "a"}, {&b, "b"}, {&c, "c"}}) {
            writeFile(in / name, "old");
            if (!file->open(in / name) || !file->write("new", 3)) return false;
        }
        return true;
    };
    ASSERT_TRUE(openAll(dir.path()));
    fs::remove(dir / "b");
    fs::create_directory(dir / "b");
    EXPECT_EQ(commitTogether({&a, &b, &c}), &b);
    EXPECT_EQ(b.refusal(), Refusal::NotRegular);
    EXPECT_EQ(readFile(dir / "a") + readFile(dir / "c"), "newold");
    EXPECT_EQ(entries(dir.path()), "a b c");

    const fs::path locked = dir / "locked";
    fs::create_directory(locked);
    ::chmod(dir.path().c_str(), 0711);
    ASSERT_EQ(::chown(locked.c_str(), ::geteuid() == 0 ? 65534 : -1, -1), 0);
    std::string report = unprivileged([&] {
        if (!openAll(locked) || ::chmod(locked.c_str(), 0555) != 0) return std::string("no set");
        std::string problems = commitTogether({&a, &b, &c}) == &a && a.error() == EACCES
                                   ? ""
                                   : "a did not fail with EACCES; ";
        for (AtomicFile* file : {&a, &b, &c}) {
            bool named = !file->remaining().empty() && fs::exists(file->remaining());
            if (named == GetParam())
                problems +=
                    file->target().string() + " remains: " + file->remaining().string() + "; ";
        }
        return problems + readFile(locked / "a") + readFile(locked / "b") + readFile(locked / "c");
    });
    ::chmod(locked.c_str(), 0755);
    EXPECT_EQ(report, "oldoldold");
}

// A child process writes as the command-line tool does, with its signal handling, and is
// stopped by a signal while its file is still unfinished (named way) or linked under its
// temporary name (unnamed way).
TEST_P(OutputFiles, SignalsLeaveNoTemporaryFile) {
    for (int signal : {SIGINT, SIGTERM}) {
        writeFile(dir / "kept", "old");
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        pid_t child = ::fork();
        if (child == 0) {
            tool::removeTemporaryFilesOnInterrupt();
            AtomicFile file;
            bool ok = file.open(dir / "kept") && file.write("new", 3) &&
                      (!GetParam() || (file.sync() && file.link()));
            (void)!::write(ready[1], ok ? "y" : "n", 1);
            for (;;) ::pause();
        }
        ::close(ready[1]);
        char answer = 0;
        (void)!::read(ready[0], &answer, 1);
        ::close(ready[0]);
        EXPECT_EQ(answer, 'y');
        EXPECT_NE(entries(dir.path()), "kept") << "a temporary name exists before the signal";
        ::kill(child, answer == 'y' ? signal : SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << "ends by the signal";
        EXPECT_EQ(entries(dir.path()), "kept");
        EXPECT_EQ(readFile(dir / "kept"), "old");
    }
}

// Runs `body` in a child process whose file system at `dir` holds `limit` bytes: a small
// tmpfs mounted there in a mount namespace of the child's own where the system allows
// it (a failed test leaves no mount behind), else a file size limit (EFBIG instead of
// ENOSPC, the same way through the code). Returns what the body reports; "" is success.
std::string withFullFileSystem(const fs::path& dir, std::size_t limit,
                               const std::function<std::string()>& body) {
    return inChild([&] {
        std::string size = "size=" + std::to_string(limit);
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", dir.c_str(), "tmpfs", 0, size.c_str()) != 0) {
            ::signal(SIGXFSZ, SIG_IGN);
            rlimit rl{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &rl);
        }
        return body();
    });
}

// The three files of a parse replace the previous three together or not at all.
class ParseSets : public testing::Test {
  protected:
    void SetUp() override {
        writeFile(dir / "p.fl", "fl");
        writeFile(dir / "p.ee", std::string(256 << 10, 'e'));
        ASSERT_TRUE(TarinRadioWrite(fromUtf8((dir / "p").string()).c_str(), L"plan", L"", L"", L"",
                                    L"", L"", L"", 0));
        document = fromUtf8(readFile(dir / "p.xml"));
    }
    // Puts the previous set of files in `into` (beside those of another kind) and parses
    // the plan over it.
    std::string parseOverPrevious(const fs::path& into) {
        for (const char* suffix : {".fl", ".ee", ".pd"}) {
            fs::path file = into / (std::string("r") + suffix);
            if (!fs::exists(file) || fs::is_regular_file(file))
                writeFile(file, std::string("old") + suffix);
        }
        Messages messages;
        CString base(fromUtf8((into / "r").string()));
        if (ParseMissionPlanData(document, base, false, 0) != 0) return "the parse succeeded";
        if (messages.seen.size() != 1 || messages.seen[0].rfind(L"Unable to write ", 0) != 0)
            return "one message names the file that failed";
        std::string report;
        for (const char* suffix : {".fl", ".ee", ".pd"}) {
            fs::path file = into / (std::string("r") + suffix);
            if (fs::is_regular_file(file) && readFile(file) != std::string("old") + suffix)
                report += file.filename().string() + " was replaced; ";
        }
        return report;
    }
    TempDir dir;
    TempDir out;
    std::wstring document;
};

TEST_F(ParseSets, AFullFileSystemChangesNoPreviousFile) {
    std::string report = withFullFileSystem(out.path(), 128 << 10, [&] {
        std::string problems = parseOverPrevious(out.path());
        std::string left = entries(out.path());
        if (left != "r.ee r.fl r.pd") problems += "the directory holds " + left;
        return problems;
    });
    EXPECT_EQ(report, "");
}

// A target that is not a regular file, also behind a link (a directory, a FIFO, a link
// to /dev/null), is refused: a parse replaces none of its three files, a write throws, or
// fails in the C functions, and the node stays as it was.
TEST_F(ParseSets, TargetsThatAreNotRegularFilesAreRefused) {
    const std::pair<const char*, std::function<void(const fs::path&)>> kinds[] = {
        {"directory", [](const fs::path& p) { fs::create_directory(p); }},
        {"FIFO", [](const fs::path& p) { ::mkfifo(p.c_str(), 0600); }},
        {"/dev/null", [](const fs::path& p) { fs::create_symlink("/dev/null", p); }},
    };
    auto refused = [](const FileError& e, const fs::path& file) {
        return e.file() == file && e.action() == "Not a regular file" && e.reason().empty();
    };
    for (const auto& [kind, make] : kinds) {
        for (const char* suffix : {".fl", ".ee", ".pd", ".xml"}) {
            SCOPED_TRACE(std::string(kind) + " " + suffix);
            for (const auto& entry : fs::directory_iterator(out.path())) fs::remove_all(entry);
            const fs::path target = out / (std::string("r") + suffix);
            make(target);
            const auto before = fs::status(target).type();
            if (std::string(suffix) != ".xml") {
                EXPECT_EQ(parseOverPrevious(out.path()), "");
                ReadResult result = unpackMissionPlan(toUtf8(document), out / "r", {});
                ASSERT_TRUE(result.fileError);
                EXPECT_TRUE(refused(*result.fileError, target));
                EXPECT_EQ(result.reason.text,
                          "cannot write " + target.string() + ": not a regular file");
            } else {
                parseOverPrevious(out.path());  // the images to write from
                EXPECT_FALSE(TarinRadioWrite(fromUtf8((out / "r").string()).c_str(), L"", L"", L"",
                                             L"", L"", L"", L"", 0));
                for (auto write : std::initializer_list<std::function<void()>>{
                         [&] { (void)writeClassicMissionPlan(out / "r", {}, false); },
                         [&] {
                             (void)writeMissionPlanFromPlatform(out / "r",
                                                                toUtf8(handheldDefaults()), {}, {});
                         },
                     }) {
                    try {
                        write();
                        ADD_FAILURE() << "not refused";
                    } catch (const FileError& e) {
                        EXPECT_TRUE(refused(e, target)) << e.what();
                    }
                }
            }
            EXPECT_EQ(entries(out.path()),
                      suffix == std::string(".xml") ? "r.ee r.fl r.pd r.xml" : "r.ee r.fl r.pd");
            EXPECT_EQ(fs::status(target).type(), before);
        }
    }
}

// Beyond the file size limit (ulimit -f) the tool reports EFBIG, as SIGXFSZ would
// otherwise end it, and leaves the previous files and no temporary one.
TEST_F(ParseSets, TheToolReportsAFileBeyondTheSizeLimit) {
    for (const char* suffix : {".fl", ".ee", ".pd"})
        writeFile(out / (std::string("r") + suffix), std::string("old") + suffix);
    const std::string command = "cd '" + out.path().string() + "' && ulimit -f 64 && " +
                                TARIN_TOOL_PATH + " parse '" + (dir / "p.xml").string() +
                                "' r 2>&1";
    FILE* tool = ::popen(command.c_str(), "r");
    char line[256] = {};
    (void)!std::fgets(line, sizeof line, tool);
    EXPECT_EQ(::pclose(tool), 1 << 8);
    EXPECT_STREQ(line, "tarin-translator: r.ee: cannot write: File too large\n");
    EXPECT_EQ(entries(out.path()), "r.ee r.fl r.pd");
    EXPECT_TRUE(readFile(out / "r.ee") == "old.ee");
}

// The stale temporary files of a directory, and only they, go with the next write there.
TEST(StaleTemporaries, GoOnlyWhenTheirProcessIsGoneOnThisBootAndAMinuteOld) {
    const TemporaryOwner self = thisProcess();
    ASSERT_NE(self.host, 0u);
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    const TemporaryOwner gone{self.host, static_cast<uint32_t>(child), 1};
    const std::string goneName = temporaryName(gone, 1);
    std::string upper = goneName;
    for (char& c : upper) c = static_cast<char>(std::toupper(c));
    upper.replace(0, 7, ".tarin-");
    const struct {
        std::string name;
        int age;  // seconds since it last changed
        bool removed;
    } cases[] = {
        {goneName, 120, true},
        {temporaryName({self.host, self.pid, self.start + 1}, 2), 120, true},  // pid reused
        {temporaryName(self, 3), 120, false},
        {temporaryName(gone, 4), 30, false},
        {temporaryName({self.host ^ 1, gone.pid, gone.start}, 5), 120, false},  // another boot
        {upper, 120, false},
        {goneName.substr(0, 45), 120, false},
        {".tarin-0123456789abcdef", 120, false},
    };
    TempDir dir;
    for (const auto& c : cases) {
        writeFile(dir / c.name, "");
        const timespec times[2] = {{std::time(nullptr) - c.age, 0},
                                   {std::time(nullptr) - c.age, 0}};
        ::utimensat(AT_FDCWD, (dir / c.name).c_str(), times, 0);
    }
    EXPECT_EQ(temporaryOwner(goneName), gone);
    EXPECT_TRUE(unpackMissionPlan(test::planDocument(0), dir / "plan", {}).ok);
    for (const auto& c : cases) EXPECT_EQ(!fs::exists(dir / c.name), c.removed) << c.name;
    EXPECT_EQ(removeStaleTemporaryFiles(dir.path()), 0u);
}

// A symbolic link in a sticky world-writable directory is followed only when it belongs to
// the process's user or to the directory's owner, at every step of a chain of links.
TEST(StickyDirectories, ForeignLinksAreNotFollowed) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a link to another user";
    const struct {
        mode_t mode;
        uid_t dirOwner, first, second;  // the owners of the directory and of the two links
        bool followed;
    } cases[] = {
        {01777, 0, 65534, 0, false},   {01777, 0, 0, 65534, false},
        {01777, 0, 0, 0, true},        {01777, 65534, 65534, 65534, true},
        {0777, 0, 65534, 65534, true}, {01775, 0, 65534, 65534, true},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const fs::path shared = dir / "shared";
        fs::create_directory(shared);
        ASSERT_EQ(::chmod(shared.c_str(), c.mode) + ::chown(shared.c_str(), c.dirOwner, 0), 0);
        writeFile(dir / "victim", "old");
        for (const char* suffix : {".fl", ".ee"})
            writeFile(shared / (std::string("p") + suffix), "");
        fs::create_symlink("hop", shared / "p.xml");
        fs::create_symlink("../victim", shared / "hop");
        ASSERT_EQ(::lchown((shared / "p.xml").c_str(), c.first, 0) +
                      ::lchown((shared / "hop").c_str(), c.second, 0),
                  0);
        try {
            EXPECT_TRUE(writeClassicMissionPlan(shared / "p", {}, false));
            EXPECT_TRUE(c.followed) << "followed";
        } catch (const FileError& e) {
            EXPECT_FALSE(c.followed) << e.what();
            EXPECT_EQ(e.reason(),
                      "not following a symbolic link owned by another user in a sticky "
                      "world-writable directory");
        }
        EXPECT_EQ(readFile(dir / "victim") == "old", !c.followed);
        EXPECT_EQ(entries(shared), "hop p.ee p.fl p.xml");
    }
}

// Image inputs: regular files, pipes and FIFOs are read to their end; anything else is a
// FileError that names the file and the reason.
TEST(ImageInputs, KindsOfFiles) {
    TempDir dir;
    writeFile(dir / "r.ee", "");
    struct Case {
        std::function<void()> make;
        const char* message;
    } cases[] = {
        {[&] { fs::create_directory(dir / "r.fl"); }, "Cannot read image file: F: Is a directory"},
        {[&] { fs::create_symlink("/dev/null", dir / "r.fl"); },
         "Cannot read image file: F: not a regular file, pipe or FIFO"},
        {[] {}, "Cannot open image file: F: No such file or directory"},
        // Opens, then fails to read while the document is being written.
        {[&] { fs::create_symlink("/proc/self/mem", dir / "r.fl"); },
         "Cannot read image file: F: Input/output error"},
    };
    for (const Case& c : cases) {
        fs::remove_all(dir / "r.fl");
        c.make();
        try {
            (void)writeClassicMissionPlan(dir / "r", {}, false);
            ADD_FAILURE() << c.message;
        } catch (const FileError& e) {
            std::string expected = c.message;
            expected.replace(expected.find('F'), 1, (dir / "r.fl").string());
            EXPECT_EQ(e.file(), dir / "r.fl");
            EXPECT_EQ(e.what(), expected);
        }
    }
    EXPECT_FALSE(fs::exists(dir / "r.xml"));

    // A FIFO is read to its end, as an image and as a document; a regular image file is
    // read in chunks while the document is written, the last chunk a short one.
    fs::remove_all(dir / "r.fl");
    std::string image(2400001, '\0');
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<char>(i * 31);
    auto feed = [](const fs::path& fifo, const std::string& bytes) {
        EXPECT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        return std::thread([=] { writeFile(fifo, bytes); });
    };
    std::thread writer = feed(dir / "r.fl", image);
    EXPECT_TRUE(writeClassicMissionPlan(dir / "r", {}, false));
    writer.join();
    writer = feed(dir / "doc", readFile(dir / "r.xml"));
    EXPECT_TRUE(unpackHandheldMissionPlanFile(dir / "doc", dir / "back"));
    writer.join();
    EXPECT_EQ(readFile(dir / "back.fl"), image);
    fs::remove(dir / "r.fl");
    writeFile(dir / "r.fl", image);
    EXPECT_TRUE(writeClassicMissionPlan(dir / "r", {}, false));
    fs::remove(dir / "back.fl");
    EXPECT_TRUE(unpackHandheldMissionPlanFile(dir / "r.xml", dir / "back"));
    EXPECT_EQ(readFile(dir / "back.fl"), image);
}

}  // namespace
}  // namespace tarin
