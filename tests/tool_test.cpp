// The command-line tool, run as a process: one line per failure with its place and an
// exit status per kind, check, info and its JSON, repacking an edited platform file,
// standard input and FIFOs, usage errors, and the help beside the manual page.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <regex>

#include "TarinTranslator/api/Settings.h"
#include "TarinTranslator/api/TarinTranslator.h"
#include "TarinTranslator/model/Vocabulary.h"
#include "TestSupport.h"

namespace tarin {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

// SHA-256 of "abc", the flash image of the plans below, and of the empty EEPROM image.
constexpr const char* kAbcDigest =
    "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
constexpr const char* kEmptyDigest =
    "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855";

struct Outcome {
    int status = -1;
    std::string out, err;
    std::size_t errLines() const { return std::count(err.begin(), err.end(), '\n'); }
};

class Tool : public testing::Test {
  protected:
    void SetUp() override {
        for (const char* base : {"p", "hz", "m"}) {
            writeFile(dir / (std::string(base) + ".fl"), "abc");
            writeFile(dir / (std::string(base) + ".ee"), "");
        }
        ASSERT_EQ(run("write p --name 'Plan \xC3\xA9' --notes n --pin 1234 --aac-version 1.2 "
                      "--domain")
                      .status,
                  0);
        ASSERT_EQ(run("write hz --radio-type 146 --name Hz").status, 0);
        ASSERT_EQ(run("write m --mobile --radio-type 7 --name M").status, 0);
    }

    // Runs the tool in the test's directory through the shell: `args` follow its path.
    Outcome run(const std::string& args, const std::string& env = "") {
        const std::string command = "cd '" + dir.path().string() + "' && { " + env + " " +
                                    TARIN_TOOL_PATH + " " + args + "\n} 2>'" +
                                    (scratch / "err").string() + "'";
        Outcome result;
        FILE* pipe = ::popen(command.c_str(), "r");
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            result.out.append(buffer, n);
        const int status = ::pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.err = readFile(scratch / "err");
        return result;
    }

    // Writes `name` as p.xml with `from` replaced by `to`.
    void variant(const std::string& name, const std::string& from, const std::string& to,
                 const std::string& source = "p.xml") {
        writeFile(dir / name, test::replaced(readFile(dir / source), from, to));
    }

    // What `info` says of `file`, but its date stamp.
    std::string info(const std::string& file) {
        return std::regex_replace(run("info " + file).out, std::regex("\ndate: .*\n"), "\n");
    }

    TempDir dir, scratch;
};

TEST_F(Tool, EachFailureIsOneLineWithItsPlaceAndReason) {
    writeFile(dir / "cut.xml", readFile(dir / "p.xml").substr(0, 300));
    variant("noplan.xml", "<planInfo", "<planInfX");
    variant("value.xml", "micSelectMode='TOP'", "micSelectMode='SIDEWAYS'");
    variant("blob.xml", "<fl-data>YWJj", "<fl-data>YW#j");
    const std::string text = readFile(dir / "value.xml");
    const std::size_t at = text.find("micSelectMode=");
    const std::string valuePlace =
        std::to_string(std::count(text.begin(), text.begin() + at, '\n') + 1) + ":" +
        std::to_string(at - text.rfind('\n', at));

    struct Case {
        std::string args, line;  // the line, a regular expression after "tarin-translator: "
    };
    std::vector<Case> cases = {
        {"parse cut.xml o", R"(cut\.xml:\d+:\d+: not well-formed XML: .+)"},
        {"parse noplan.xml o", R"(noplan\.xml:\d+:\d+: missionPlan/vexInfo: no planInfo element)"},
        {"parse value.xml o", "value\\.xml:" + valuePlace +
                                  ": platformConfig/accessoryConfig: attribute "
                                  "micSelectMode='SIDEWAYS' is not one of its names .+"},
        {"check blob.xml", R"(blob\.xml:\d+:\d+: .*fl-data: character 3, '#', is not Base64)"},
        {"parse m.xml o", R"(m\.xml:\d+:\d+: the document holds a mobile plan .+ \(--mobile\))"},
        {"check hz.keep", R"(hz\.keep:\d+:\d+: .*extended radio type.* \(--radio-type N, .+)"},
        {"parse none.xml o", "none\\.xml: cannot open document: No such file or directory"},
        {"parse p.xml p.fl/o", R"(p\.fl/o\.fl: cannot write: Not a directory)"},
        {"write none", "none\\.fl: cannot open image file: No such file or directory"},
        {"write p --platform d.pd", R"(d\.pd: cannot read platform file: Is a directory)"},
        {"write hz --radio-type 146", R"(hz\.xml: not a regular file)"},
        {"parse p.xml d", R"(d\.pd: not a regular file)"},
        {"parse p.xml \"$(printf 'a\\001')/o\"",
         R"(a\\x01/o\.fl: cannot write: No such file or directory)"},
        {"defaults >/dev/full", "standard output: No space left on device"},
        {"check \"$(printf 'a\\033b\\n.xml')\" ", R"(a\\x1Bb\\n\.xml: cannot open document: .+)"},
        {"parse m.xml t --mobile --temp-dir",
         "the temporary folder /nonexistent/ .+ is not a folder: .+"},
    };
    if (::geteuid() != 0) {  // root writes into a read-only directory
        ::mkdir((dir / "locked").c_str(), 0555);
        cases.push_back(
            {"parse p.xml locked/o", R"(locked/o\.fl: cannot write: Permission denied)"});
    }
    std::filesystem::create_directory(dir / "d.pd");
    std::filesystem::rename(dir / "hz.xml", dir / "hz.keep");
    std::filesystem::create_directory(dir / "hz.xml");
    const std::string before = test::entries(dir.path());
    for (const auto& c : cases) {
        Outcome r = run(c.args, "TMPDIR=/nonexistent");
        EXPECT_EQ(r.status, 1) << c.args;
        EXPECT_TRUE(std::regex_match(r.err, std::regex("tarin-translator: " + c.line + "\n")))
            << c.args << "\n"
            << r.err;
    }
    EXPECT_EQ(test::entries(dir.path()), before) << "a job that fails writes nothing";
}

TEST_F(Tool, CheckWarnsOfWhatAReadPassesOverOrDrops) {
    Outcome ok = run("check p.xml");
    EXPECT_EQ(ok.status, 0);
    EXPECT_EQ(ok.out + ok.err, "");

    Outcome dropped = run("check hz.xml --radio-type 151");
    EXPECT_EQ(dropped.status, 0);
    for (const char* section : {"accessoryConfig", "manDownConfig", "progSwitches", "hazardConfig"})
        EXPECT_TRUE(std::regex_search(
            dropped.err, std::regex(std::string("(^|\n)tarin-translator: hz\\.xml:\\d+:\\d+: "
                                                "warning: platformConfig/") +
                                    section + ": radio type 151 does not keep this section")))
            << dropped.err;
    EXPECT_EQ(dropped.errLines(), 4u);

    variant("old.xml", "version='v4.000'", "version='v3.000'");
    Outcome old = run("parse old.xml o");
    EXPECT_EQ(old.status, 0);
    EXPECT_TRUE(std::regex_match(old.err, std::regex(R"(tarin-translator: old\.xml:\d+:\d+: )"
                                                     R"(warning: .*'v3\.000'.*\n)")))
        << old.err;
}

// The values of info's JSON are checked beside its schema (tests/json).
TEST_F(Tool, InfoDescribesPlansThatReadAndPlansThatDoNot) {
    variant("value.xml", "micSelectMode='TOP'", "micSelectMode='SIDEWAYS'");
    const struct {
        const char* file;
        std::vector<std::string> lines;
    } cases[] = {
        {"p.xml",
         {"name:          Plan \xC3\xA9\n", "PIN:           1234\n",
          "domain:        TACCOM_RADIO01\n", "AAC version:   1.2\n",
          "MissionLoad:   qd470PMissionLoad, ", "group:         classic\n",
          std::string("flash image:   3 bytes, SHA-256 ") + kAbcDigest + "\n",
          std::string("EEPROM image:  0 bytes, SHA-256 ") + kEmptyDigest + "\n",
          "check:         passes as a classic handheld plan\n",
          "sections:      progButtons accessoryConfig manDownConfig "}},
        {"hz.xml",
         {"group:         hazard (radio types 146, 199, 265)\n", " ECiTCfg hazardConfig ",
          "check:         passes as a handheld plan of radio type 146\n"}},
        {"value.xml", {"check:         fails as a classic handheld plan: ", "SIDEWAYS"}},
    };
    for (const auto& c : cases) {
        Outcome info = run(std::string("info ") + c.file);
        EXPECT_EQ(info.status, 0) << c.file;
        for (const std::string& line : c.lines)
            EXPECT_NE(info.out.find(line), std::string::npos) << line << info.out;
    }
    EXPECT_EQ(run("info p.fl").status, 1) << "not XML at all";
}

TEST_F(Tool, AnEditedPlatformFileRepacksWithThePlanTexts) {
    const struct {
        const char* base;
        std::string kind, from, to;
    } kinds[] = {
        {"p", "", "micSelectMode='TOP'", "micSelectMode='BOTTOM'"},
        {"hz", "--radio-type 146", "hazardModeEnable='OFF'", "hazardModeEnable='ON'"},
        {"m", "--mobile --radio-type 7", "cctTimer='120'", "cctTimer='240'"},
    };
    for (const auto& k : kinds) {
        const std::string b = k.base;
        ASSERT_EQ(run("parse " + b + ".xml u " + k.kind).status, 0) << b;
        variant("u.pd", k.from, k.to, "u.pd");
        Outcome repack = run("write u --platform u.pd --plan " + b + ".xml " + k.kind);
        EXPECT_EQ(repack.status, 0) << repack.err;
        ASSERT_EQ(run("parse u.xml v " + k.kind).status, 0) << b;
        EXPECT_NE(readFile(dir / "v.pd").find(k.to), std::string::npos) << b;
        EXPECT_EQ(info("u.xml"), info(b + ".xml")) << "texts, images and sections kept";
    }
    EXPECT_EQ(
        run("write u --platform u.pd --plan m.xml --mobile --radio-type 7 --name=Other").status, 0);
    EXPECT_EQ(info("u.xml").rfind("name:          Other\n", 0), 0u) << "an option overrides";
    ASSERT_EQ(run("parse p.xml d").status, 0);
    EXPECT_EQ(run("write d --platform d.pd --domain --name D").status, 0);
    EXPECT_NE(info("d.xml").find("\ndomain:        TACCOM_RADIO01\n"), std::string::npos);

    variant("bad.pd", "cctTimer='240'", "cctTimer='999'", "u.pd");
    std::filesystem::remove(dir / "u.xml");
    Outcome bad = run("write u --platform bad.pd --mobile --radio-type 7");
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(std::regex_match(
        bad.err, std::regex(R"(tarin-translator: bad\.pd:\d+:\d+: .*cctTimer.*\n)")))
        << bad.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "u.xml"));
}

// get, set, diff and show from the command line: their outputs, exit statuses and files.
TEST_F(Tool, SettingsGetSetDiffAndShow) {
    Outcome all = run("get hz.xml");
    EXPECT_EQ(all.status, 0);
    EXPECT_NE(all.out.find("\nTimeDateCfg/@zone=EST\n"), std::string::npos);
    EXPECT_EQ(
        run("get hz.xml 'audioConfig/microphone[@micType=EXTERNAL]/@gain' TimeDateCfg/@zone").out,
        "audioConfig/microphone[@micType='EXTERNAL']/@gain=0\nTimeDateCfg/@zone=EST\n");
    Outcome missing = run("get hz.xml TimeDateCfg/@zne");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              "tarin-translator: hz.xml: TimeDateCfg/@zne selects no setting; the nearest paths: "
              "TimeDateCfg/@zone, TimeDateCfg/@time, TimeDateCfg/@date\n");
    EXPECT_EQ(info("hz.xml").rfind("name:          Hz\n", 0), 0u);  // info still reads it

    // set: the value read as a document reads it, the output written whole, the mode kept.
    ::chmod((dir / "hz.xml").c_str(), 0640);
    Outcome bad = run("set hz.xml TimeDateCfg/@zone=XYZ --in-place");
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("hz.xml: TimeDateCfg/@zone: platformConfig/TimeDateCfg: attribute "
                           "zone='XYZ' is not one of its"),
              std::string::npos)
        << bad.err;
    const std::string before = readFile(dir / "hz.xml");
    EXPECT_EQ(run("set hz.xml TimeDateCfg/@zone=PST 'AliasList/aliasInfo[1]/@aliasName=A\\B' "
                  "--in-place --backup --notes 'set by a test'")
                  .status,
              0);
    EXPECT_EQ(readFile(dir / "hz.xml~"), before);
    struct stat info {};
    ::stat((dir / "hz.xml").c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(run("get hz.xml AliasList/aliasInfo[1]/@aliasName").out,
              "AliasList/aliasInfo[1]/@aliasName=A\\\\B\n");
    EXPECT_EQ(run("set p.xml TimeDateCfg/@zone=PST -o p2.xml").status, 0);

    // diff: 0 the same, 1 they differ (one line each), 2 trouble.
    Outcome differ = run("diff hz.xml~ hz.xml");
    EXPECT_EQ(differ.status, 1);
    EXPECT_EQ(differ.out,
              "AliasList/aliasInfo[1]/@aliasName:  -> A\\\\B\nTimeDateCfg/@zone: EST -> PST\n"
              "notes:  -> set by a test\n");
    EXPECT_EQ(run("diff p.xml p.xml").status, 0);
    EXPECT_EQ(run("diff p.xml none.xml").status, 2);
    EXPECT_EQ(run("diff p.xml p2.xml").out, "TimeDateCfg/@zone: EST -> PST\n");

    // show: the writers' summary of the record.
    Outcome shown = run("show m.xml");
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.out.rfind("{\n GPS: ", 0), 0u) << shown.out;
}

TEST_F(Tool, StandardInputFifosAndTheTemporaryDirectory) {
    EXPECT_EQ(run("check - < p.xml").status, 0);
    EXPECT_EQ(run("parse - o < p.xml").status, 0);
    EXPECT_EQ(readFile(dir / "o.fl"), "abc");
    Outcome piped = run("parse - o --mobile < p.xml");
    EXPECT_EQ(piped.status, 1);
    EXPECT_EQ(piped.err.rfind("tarin-translator: standard input:", 0), 0u) << piped.err;

    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    Outcome fifo = run("info fifo & cat p.xml > fifo; wait");  // the tool opens the FIFO first
    EXPECT_NE(fifo.out.find("check:         passes"), std::string::npos) << fifo.err;

    // A text longer than a plan keeps is cut, with a warning.
    Outcome cut = run("write p --notes " + std::string(257, 'n'));
    EXPECT_EQ(cut.status, 0);
    EXPECT_EQ(cut.err,
              "tarin-translator: warning: --notes: the text is cut to 256 characters, all that "
              "a plan keeps\n");

    std::filesystem::create_directory(dir / "tmp");
    Outcome temp =
        run("parse m.xml t --mobile --temp-dir", "TMPDIR='" + (dir / "tmp").string() + "'");
    EXPECT_EQ(temp.status, 0) << temp.err;
    EXPECT_EQ(temp.out, (dir / "tmp" / "t").string() + "\n");
    EXPECT_EQ(readFile(dir / "tmp" / "t.fl"), "abc");
}

TEST_F(Tool, UsageErrorsNameWhatIsWrongAndWriteNothing) {
    writeFile(dir / "q.fl", "");
    writeFile(dir / "q.ee", "");
    const struct {
        std::string args, says;
    } cases[] = {
        {"", "no command given"},
        {"frobnicate", "unknown command 'frobnicate'"},
        {"write", "write needs BASE"},
        {"parse p.xml", "parse needs XMLFILE BASE"},
        {"check p.xml extra", "unexpected argument 'extra'"},
        {"write q --bogus", "unknown option --bogus"},
        {"write q --radio-type 146 --domain", "--domain applies only to classic"},
        {"write q --mobile --radio-type 7 --pin 1", "--pin does not apply to mobile plans"},
        {"write q --mobile --radio-type 7 --aac-version 1", "--aac-version does not apply"},
        {"write q --mobile", "--mobile needs --radio-type N"},
        {"write q --plan p.xml", "--plan applies only with --platform"},
        {"parse p.xml o --temp-dir", "--temp-dir applies only with --mobile"},
        {"defaults --name x", "--name does not apply to defaults"},
        {"parse p.xml o --name x", "--name does not apply to parse"},
        {"parse p.xml o --json", "--json does not apply to parse"},
        {"info p.xml --radio-type 5", "--radio-type does not apply to info"},
        {"write q --radio-type 146 --radio-type 151", "--radio-type is given twice"},
        {"set p.xml TimeDateCfg/@zone=EST", "set writes either to -o OUT or --in-place"},
        {"set p.xml TimeDateCfg/@zone -o x.xml", "'TimeDateCfg/@zone' is not PATH=VALUE"},
        {"set p.xml --backup -o x.xml TimeDateCfg/@zone=EST", "--backup applies only with"},
        {"set - --in-place a=b", "--in-place cannot replace standard input"},
        {"set p.xml -o x.xml", "set needs a change"},
        {"write q --help", "--help takes no other arguments"},
        {"-V check", "-V takes no other arguments"},
        {"write ''", "BASE '' names no file"},
        {"parse p.xml dir/", "BASE 'dir/' names no file"},
        {"parse p.xml d/o --mobile --temp-dir", "with --temp-dir, BASE 'd/o' is a file name"},
        {"write q --radio-type=x", "--radio-type: 'x' is not a radio type code"},
        {"write q --radio-type 4294967296", "is not a radio type code"},
        {"write q --mobile=yes --radio-type 7", "--mobile takes no value"},
        {"write q --name", "--name needs a value"},
        {"write q --name \"$(printf 'a\\001b')\"", "--name: the text holds U+0001"},
        {"write q --notes \"$(printf '\\377')\"", "--notes: the text is not valid UTF-8"},
        {"write q --locale \"$(printf '\\357\\277\\276')\"", "--locale: the text holds U+FFFE"},
        {"write q --author \"$(printf '\\355\\240\\200')\"",
         "--author: the text is not valid UTF-8 (byte 1)"},
    };
    for (const auto& c : cases) {
        Outcome r = run(c.args);
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_EQ(r.errLines(), 1u) << c.args << "\n" << r.err;
        EXPECT_EQ(r.err.rfind("tarin-translator: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << c.args << "\n" << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "q.xml"));

    // After "--" a name that starts with "-" is a BASE.
    writeFile(dir / "-q.fl", "");
    writeFile(dir / "-q.ee", "");
    EXPECT_EQ(run("write --name=Caf\xC3\xA9 --domain -- -q").status, 0);
    EXPECT_EQ(info("./-q.xml").rfind("name:          Caf\xC3\xA9\n", 0), 0u);
}

TEST_F(Tool, HelpVersionDefaultsAndTheManualPage) {
    std::string man = readFile(TARIN_MAN_PAGE);
    man = std::regex_replace(man, std::regex(R"(\\f[BIRP])"), "");
    man = std::regex_replace(man, std::regex(R"(\\-)"), "-");
    for (const char* args :
         {"--help", "-h", "defaults --help", "write --help", "parse -h", "check --help",
          "info --help", "get --help", "set --help", "diff --help", "describe --help",
          "show --help", "schema --help", "batch --help"}) {
        Outcome help = run(args);
        EXPECT_EQ(help.status, 0) << args;
        EXPECT_EQ(help.err, "") << args;
        std::smatch option;
        for (std::string rest = help.out;
             std::regex_search(rest, option, std::regex(R"(--[a-z][a-z-]*)"));
             rest = option.suffix())
            EXPECT_NE(man.find(option.str()), std::string::npos)
                << option.str() << " of '" << args << "' is not in the manual page";
    }
    // Reasons name the names of a table of up to 12; the manual page lists the others.
    for (const NamedVocabTable& t : vocabularyTables()) {
        if (t.table->count <= 12) continue;
        std::string names;
        for (std::size_t i = 0; i < t.table->count; ++i)
            names += (i ? ", " : "") + std::string(t.table->entries[i].name);
        EXPECT_NE(man.find(names), std::string::npos) << t.name << " is not in the manual page";
    }
    EXPECT_NE(run("--help").out.find("2  usage error"), std::string::npos);
    EXPECT_EQ(run("parse -V").out.rfind("tarin-translator ", 0), 0u);

    EXPECT_EQ(run("defaults --mobile").out, toUtf8(mobileDefaults()));
    EXPECT_EQ(run("defaults --mobile --radio-type 151").out, toUtf8(mobileDefaults(151)));
    EXPECT_NE(mobileDefaults(151), mobileDefaults());
    EXPECT_EQ(run("defaults --radio-type=151").out, toUtf8(handheldDefaults(151)));
    EXPECT_EQ(run("schema --mobile --radio-type 151").out, missionPlanSchema({true, 151}));
    EXPECT_EQ(run("schema").out, missionPlanSchema({}));
}

}  // namespace
}  // namespace tarin
