// Many threads write, parse, check and ask for defaults at once, with radio types of every
// group: every result must equal the one a single thread gets. The library keeps the radio
// type of the record in progress per thread, and the reason log of a read too; CI runs
// this test under ThreadSanitizer (TARIN_SANITIZE=thread, label "threads").

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <random>
#include <regex>
#include <thread>

#include "TarinTranslator/api/Exports.h"
#include "TarinTranslator/api/TarinTranslator.h"
#include "tests/TestSupport.h"

namespace tarin {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::TempDir;
using test::writeFile;

struct Kind {
    const char* name;
    bool mobile;
    uint32_t code;
};

// Two codes of each handheld group, and a mobile radio.
const Kind kKinds[] = {{"classic", false, 0},     {"classic 7", false, 7},
                       {"hazard", false, 146},    {"hazard 265", false, 265},
                       {"VR-mobile", false, 151}, {"VR-mobile 272", false, 272},
                       {"mobile", true, 3}};
constexpr std::size_t kKindCount = std::size(kKinds);

enum class Op {
    Write,          // the C++ write; the document without its date stamp
    Unpack,         // the C++ parse of the kind's document: the result and the three files
    ParseExported,  // the exported parse: its result and the platform file
    CheckAsOther,   // the document of the next kind checked as this kind: result and reasons
    Defaults,       // the defaults text, through the C++ API and the exported calls
};
constexpr Op kOps[] = {Op::Write, Op::Unpack, Op::ParseExported, Op::CheckAsOther, Op::Defaults};
constexpr std::size_t kOpCount = std::size(kOps);

PlanTexts textsOf(const Kind& kind) {
    PlanTexts texts;
    texts.name = std::wstring(L"Plan \u00e9 ") + fromUtf8(kind.name);
    texts.notes = L"<notes> & 'more'";
    texts.pin = L"1234";
    texts.aacVersion = L"2.0";
    return texts;
}

std::string withoutDate(const std::string& document) {
    static const std::regex date("\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ");
    return std::regex_replace(document, date, "DATE");
}

bool write(const Kind& kind, const fs::path& base) {
    if (kind.mobile) return writeMobileMissionPlan(base, textsOf(kind), kind.code);
    if (kind.code == 0) return writeClassicMissionPlan(base, textsOf(kind), true);
    return writeHandheldMissionPlan(base, textsOf(kind), kind.code);
}

std::string notes(const ReadResult& result) {
    std::string text = (result.ok ? "ok " : "failed ") + result.reason.text + " " +
                       std::to_string(result.reason.line) + ":" +
                       std::to_string(result.reason.column) + "\n";
    for (const ReadNote& warning : result.warnings) text += warning.text + "\n";
    return text;
}

// Runs one operation in `dir`, which holds the images p.fl and p.ee and belongs to the
// calling thread alone, and returns what it produced.
std::string run(Op op, std::size_t k, const fs::path& dir,
                const std::vector<std::string>& documents) {
    const Kind& kind = kKinds[k];
    const ReadAs as{kind.mobile, kind.code};
    switch (op) {
        case Op::Write:
            if (!write(kind, dir / "p")) return "write failed";
            return withoutDate(readFile(dir / "p.xml"));
        case Op::Unpack: {
            ReadResult result = unpackMissionPlan(documents[k], dir / "u", as);
            return notes(result) + readFile(dir / "u.pd") + readFile(dir / "u.fl") +
                   readFile(dir / "u.ee");
        }
        case Op::ParseExported: {
            const CString base(fromUtf8((dir / "x").string()));
            const int32_t ok =
                ParseMissionPlanData(CString(fromUtf8(documents[k])), base, kind.mobile, kind.code);
            return std::to_string(ok) + "\n" + readFile(dir / "x.pd");
        }
        case Op::CheckAsOther:
            return notes(checkMissionPlan(documents[(k + 1) % kKindCount], as));
        case Op::Defaults: {
            CString exported;
            if (kind.mobile) {
                GetMobilePlatformDataDefaultsCStr(exported);
                return toUtf8(mobileDefaults()) + toUtf8(exported.str());
            }
            GetPlatformDataDefaultsString(exported, kind.code);
            return toUtf8(handheldDefaults(kind.code)) + toUtf8(exported.str());
        }
    }
    return {};
}

void writeImages(const fs::path& dir) {
    writeFile(dir / "p.fl", std::string("\x00\x01\x7F\x80\xFE\xFF", 6) + std::string(300, 'f'));
    writeFile(dir / "p.ee", std::string(100, '\x5A'));
}

TEST(Threads, ConcurrentCallsGiveTheSingleThreadedResults) {
    // Messages (the diagnostic lines of the reads that fail) come from every thread at once.
    std::atomic<int> messages{0};
    MessageSink previous = setMessageSink([&](MessageKind, const std::wstring&) { ++messages; });
    TempDir root;

    // The documents every parse reads, and the result of every operation, from one thread.
    const fs::path alone = root / "alone";
    fs::create_directories(alone);
    writeImages(alone);
    std::vector<std::string> documents;
    for (const Kind& kind : kKinds) {
        ASSERT_TRUE(write(kind, alone / "p")) << kind.name;
        documents.push_back(readFile(alone / "p.xml"));
    }
    std::map<std::pair<Op, std::size_t>, std::string> expected;
    for (Op op : kOps)
        for (std::size_t k = 0; k < kKindCount; ++k)
            expected[{op, k}] = run(op, k, alone, documents);
    for (std::size_t k = 0; k < kKindCount; ++k) {
        ASSERT_EQ(expected[std::pair(Op::Unpack, k)].rfind("ok", 0), 0u) << kKinds[k].name;
        ASSERT_EQ(expected[std::pair(Op::ParseExported, k)].rfind("1\n", 0), 0u) << kKinds[k].name;
    }
    ASSERT_EQ(expected[std::pair(Op::CheckAsOther, 1)].rfind("failed", 0), 0u);

    constexpr int kThreads = 16;
    constexpr int kOpsPerThread = 24;
    std::atomic<int> ready{0};
    std::vector<std::vector<std::pair<Op, std::size_t>>> mismatches(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            fs::path dir = root / "t";
            dir += std::to_string(t);
            fs::create_directories(dir);
            writeImages(dir);
            std::mt19937 random(t);
            // Every thread starts its first operation once all are ready.
            ready.fetch_add(1);
            while (ready.load() < kThreads) std::this_thread::yield();
            for (int i = 0; i < kOpsPerThread; ++i) {
                const Op op = kOps[random() % kOpCount];
                const std::size_t k = random() % kKindCount;
                if (run(op, k, dir, documents) != expected.at({op, k}))
                    mismatches[t].emplace_back(op, k);
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    setMessageSink(previous);
    for (int t = 0; t < kThreads; ++t)
        for (auto [op, k] : mismatches[t])
            ADD_FAILURE() << "thread " << t << ": operation " << int(op) << " as "
                          << kKinds[k].name;
}

}  // namespace
}  // namespace tarin
