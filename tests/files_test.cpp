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
#include "TarinTranslator/platform/OutputFile.h"
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
    bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown((dir / "kept").c_str(), 4321, 8765), 0);
    }
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
    EXPECT_EQ(modeOf(dir / "kept"), 0600u);
    if (root) {
        struct stat info {};
        ::stat((dir / "kept").c_str(), &info);
        EXPECT_EQ(info.st_uid, 4321u);
        EXPECT_EQ(info.st_gid, 8765u);
    }
    EXPECT_TRUE(fs::is_symlink(dir / "link"));
    EXPECT_TRUE(fs::is_symlink(dir / "links" / "inner"));
    EXPECT_EQ(readFile(dir / "target"), "new");
    EXPECT_EQ(modeOf(dir / "target"), 0640u);
    EXPECT_TRUE(fs::is_symlink(dir / "dangling"));
    EXPECT_EQ(readFile(dir / "created"), "new");
    EXPECT_EQ(modeOf(dir / "fresh"), 0640u) << "0666 under the umask";
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
    int report[2];
    if (::pipe(report) != 0) return "no pipe";
    pid_t child = ::fork();
    if (child == 0) {
        std::string size = "size=" + std::to_string(limit);
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", dir.c_str(), "tmpfs", 0, size.c_str()) != 0) {
            ::signal(SIGXFSZ, SIG_IGN);
            rlimit rl{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &rl);
        }
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
    // Puts the previous set of files in `into` and parses the plan over it.
    std::string parseOverPrevious(const fs::path& into) {
        for (const char* suffix : {".fl", ".ee", ".pd"})
            writeFile(into / (std::string("r") + suffix), std::string("old") + suffix);
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

TEST_F(ParseSets, ADirectoryOfAnOutputsNameChangesNoPreviousFile) {
    fs::create_directory(out / "r.pd");
    EXPECT_EQ(parseOverPrevious(out.path()), "");
    EXPECT_EQ(entries(out.path()), "r.ee r.fl r.pd");
    EXPECT_TRUE(fs::is_directory(out / "r.pd"));
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
            writeClassicMissionPlan(dir / "r", {}, false);
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
