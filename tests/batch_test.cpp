// Batches: the CSV reader's quoting rules, the refusals before anything is written, rows
// that fail among rows that are written, dry runs, the same bytes whatever the number of
// workers, an exception from progress, and the tool's exit statuses.

#include "TarinTranslator/api/Batch.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "TarinTranslator/host/CsvTable.h"
#include "TestSupport.h"

namespace tarin {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

// "LINE:COLUMN" and `text` after `separator`.
std::string placed(std::size_t line, std::size_t column, const char* separator,
                   const std::string& text) {
    std::string out = std::to_string(line);
    out.append(":").append(std::to_string(column)).append(separator).append(text);
    return out;
}

// Each text and the rows it reads as: cells as "line:column=text", a row a line; or the
// problem and its place.
TEST(Csv, QuotingLineEndsAndPlaces) {
    const std::pair<std::string, std::string> cases[] = {
        {"a,b\r\nc,d\r\n", "1:1=a 1:3=b\n2:1=c 2:3=d\n"},
        {"\xEF\xBB\xBF"
         "a,b\nc",
         "1:1=a 1:3=b\n2:1=c\n"},
        {"\"x,y\",\"say \"\"hi\"\"\"\n", "1:1=x,y 1:7=say \"hi\"\n"},
        {"\"two\r\nlines\",z\nnext\n", "1:1=two\r\nlines 2:8=z\n3:1=next\n"},
        {" a , b \n", "1:1= a  1:5= b \n"},
        {"a,,\n,,\n\n,b\n", "1:1=a 1:3= 1:4=\n4:1= 4:2=b\n"},
        {"a\rb\r", "1:1=a\n2:1=b\n"},
        {"a,\"b", "quoted field that starts here is not closed @1:3"},
        {"a\"b\n", "a quote inside a field that does not start with one @1:2"},
        {"\"a\"b\n", "text after the quote that closes a field @1:4"},
        {"ok\nbad \xFF\n", "the text is not UTF-8 here @2:5"},
    };
    for (const auto& [text, expected] : cases) {
        const CsvTable table = readCsv(text);
        std::string got;
        for (const CsvRow& row : table.rows) {
            for (const CsvCell& cell : row)
                got.append(&cell == &row.front() ? "" : " ")
                    .append(placed(cell.line, cell.column, "=", cell.text));
            got += "\n";
        }
        if (!table.ok()) got = table.problem + " @" + placed(table.line, table.column, "", "");
        EXPECT_NE(got.find(expected), std::string::npos) << text << "\n" << got;
    }
}

class Batch : public ::testing::Test {
  protected:
    void SetUp() override {
        writeFile(dir / "t.xml", test::planDocument(146));
        writeFile(dir / "a.fl", std::string(100000, 'a'));
    }
    BatchResult batch(const std::string& csv, BatchOptions options = {}) {
        writeFile(dir / "fleet.csv", csv);
        options.out = dir / "out";
        options.date = 1767323045;
        return writeBatch(dir / "t.xml", dir / "fleet.csv", options);
    }
    // Runs the tool in the test's directory; its exit status.
    int tool(const std::string& args, const std::string& env = "") {
        const std::string command = "cd '" + dir.path().string() + "' && " + env + " " +
                                    TARIN_TOOL_PATH + " " + args + " >/dev/null 2>err";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    TempDir dir;
};

// Each fleet is refused, at its place, and nothing is written.
TEST_F(Batch, RefusalsNameTheirPlaceAndWriteNothing) {
    const std::pair<std::string, std::string> cases[] = {
        {"base,nosuch/@x\nr1,1\n", "1:6: the column nosuch/@x is not a plan text"},
        {"base,pin,fl,TimeDateCfg/@zone,TimeDateCfg/@zone\nr1,,,,\n", "1:31: the column"},
        {"name\nr1\n", "1:1: the header has no column base"},
        {"base,name\n,n\n", "2:1: the base is empty"},
        {"base\nsub/r1\n", "2:1: the base 'sub/r1' holds a '/'"},
        {"base\n..\n", "2:1: the base '..' names a folder"},
        {"base\n\"a\tb\"\n", "2:1: the base holds a control character"},
        {"base\n" + std::string(252, 'x') + "\n", "2:1: the base has 252 bytes"},
        {"base\nRadio\nx\nradio\n", "4:1: the base 'radio' is the base of line 2 ('Radio'"},
        {"base\nr1,extra\n", "2:4: the row has 2 cells"},
        {"base\n\"r1\n", "2:1: the quoted field that starts here is not closed"},
    };
    for (const auto& [csv, expected] : cases) {
        const BatchResult result = batch(csv);
        ASSERT_TRUE(result.stopped) << csv;
        const ReadNote& r = result.stopped->reason;
        const std::string place = placed(r.line, r.column, ": ", r.text);
        EXPECT_EQ(place.rfind(expected, 0), 0u) << place;
        EXPECT_FALSE(std::filesystem::exists(dir / "out"));
    }
    EXPECT_EQ(tool("batch t.xml fleet.csv --out out"), 2);
    // A folder another batch holds.
    std::filesystem::create_directory(dir / "out");
    const int held = ::open((dir / "out").c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    const BatchResult locked = batch("base\nr1\n");
    ::close(held);
    ASSERT_TRUE(locked.stopped);
    EXPECT_EQ(locked.stopped->reason.text.rfind("another batch is writing into this folder", 0),
              0u);
    EXPECT_TRUE(batch("base\nr1\n").allWritten());
}

TEST_F(Batch, AFailedRowLeavesTheOthersWritten) {
    std::filesystem::create_directories(dir / "out");
    std::filesystem::create_symlink(dir / "elsewhere.xml", dir / "out" / "linked.xml");
    const std::string csv =
        "base,name,TimeDateCfg/@zone,AliasList/aliasInfo[2]/@lid,"
        "AliasList/aliasInfo[2]/@aliasName,fl\n"
        "good,\"Radio, one\",CST,2,Second,a.fl\n"
        "badzone,,Mars,,,\n"
        "noimage,,,,,missing.fl\n"
        "linked,,,,,\n"
        "plain,<empty>,,,,\n";
    const BatchResult result = batch(csv);
    ASSERT_FALSE(result.stopped) << result.stopped->reason.text;
    ASSERT_EQ(result.rows.size(), 5u);
    const std::pair<BatchRow::Status, std::string> expected[] = {
        {BatchRow::Status::Written, ""},
        {BatchRow::Status::Failed, "3:10: TimeDateCfg/@zone"},
        {BatchRow::Status::Failed, "4:13: "},
        {BatchRow::Status::Failed, "5:1: "},  // a symbolic link
        {BatchRow::Status::Written, ""},
    };
    for (std::size_t i = 0; i < result.rows.size(); ++i) {
        const BatchRow& row = result.rows[i];
        EXPECT_EQ(row.status, expected[i].first) << i;
        const std::string place = placed(row.reason.line, row.reason.column, ": ", row.reason.text);
        if (!expected[i].second.empty()) {
            EXPECT_EQ(place.rfind(expected[i].second, 0), 0u) << place;
        }
    }
    EXPECT_EQ(test::entries(dir / "out"), "good.xml linked.xml manifest.json plain.xml");
    EXPECT_FALSE(std::filesystem::exists(dir / "elsewhere.xml"));
    const std::string good = readFile(dir / "out" / "good.xml");
    EXPECT_NE(good.find("name='Radio, one'"), std::string::npos);
    EXPECT_NE(good.find("aliasName ='Second'"), std::string::npos);
    EXPECT_NE(good.find("date='2026-01-02T03:04:05Z'"), std::string::npos);
    EXPECT_EQ(result.rows[0].flash.size, 100000u);
    EXPECT_EQ(result.rows[0].document->size, good.size());
    EXPECT_EQ(readFile(dir / "out" / "plain.xml").find("<vexInfo"), std::string::npos);
    EXPECT_EQ(tool("batch t.xml fleet.csv --out out2"), 1);
    EXPECT_EQ(tool("batch t.xml fleet.csv --out out3 --dry-run"), 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "out3"));
    BatchOptions dry;
    dry.dryRun = true;
    EXPECT_EQ(batch(csv, dry).rows[3].status, BatchRow::Status::Failed)
        << "a dry run sees the link";
}

TEST_F(Batch, SameBytesWhateverTheWorkersAndADryRunWritesNothing) {
    std::string csv = "base,notes,ee,AliasList/aliasInfo[1]/@aliasName\n";
    for (int i = 0; i < 12; ++i)
        csv.append("r")
            .append(std::to_string(i))
            .append(",note ")
            .append(std::to_string(i))
            .append(i % 3 ? "," : ",a.fl")
            .append(",A")
            .append(std::to_string(i))
            .append("\n");
    writeFile(dir / "fleet.csv", csv);
    BatchOptions dry;
    dry.dryRun = true;
    const BatchResult checked = batch(csv, dry);
    EXPECT_TRUE(checked.allWritten());
    EXPECT_EQ(checked.rows.back().status, BatchRow::Status::Checked);
    EXPECT_FALSE(std::filesystem::exists(dir / "out"));
    EXPECT_EQ(tool("batch t.xml fleet.csv --out one --jobs 1 --date 2026-01-02T03:04:05Z"), 0);
    EXPECT_EQ(tool("batch t.xml fleet.csv --out three --jobs 3 --date @1767323045"), 0);
    EXPECT_EQ(test::entries(dir / "one"), test::entries(dir / "three"));
    for (const auto& entry : std::filesystem::directory_iterator(dir / "one"))
        EXPECT_EQ(readFile(entry.path()), readFile(dir / "three" / entry.path().filename()))
            << entry.path();
    EXPECT_EQ(tool("batch t.xml fleet.csv --out one --date 2026-02-30"), 2);
    EXPECT_EQ(tool("batch t.xml fleet.csv --out one", "SOURCE_DATE_EPOCH=soon"), 2);
}

// progress throws once the first row is written, while the one worker waits for the
// second row's image from a FIFO that progress feeds: that row is finished, the third is
// not started, no manifest is written, and the folder is unlocked again.
TEST_F(Batch, AnExceptionFromProgressStopsTheBatch) {
    ASSERT_EQ(::mkfifo((dir / "slow.fl").c_str(), 0600), 0);
    BatchOptions options;
    options.jobs = 1;
    std::vector<std::size_t> told;
    options.progress = [&](std::size_t done, std::size_t total) {
        told.push_back(done);
        told.push_back(total);
        std::ofstream(dir / "slow.fl") << std::string(1000, 's');
        throw std::out_of_range("stop here");
    };
    try {
        (void)batch("base,fl\nr1,\nr2,slow.fl\nr3,\n", options);
        ADD_FAILURE() << "progress's exception did not come out";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "stop here");
    }
    EXPECT_EQ(told, (std::vector<std::size_t>{1, 3}));
    EXPECT_EQ(test::entries(dir / "out"), "r1.xml r2.xml");
    EXPECT_TRUE(batch("base\nr1\n").allWritten());
}

}  // namespace
}  // namespace tarin
