// The bad documents found so far (fuzz/regressions): truncated, mangled, invalid UTF-8,
// hostile DOCTYPEs, deep nesting, huge attributes. Every read of each ends in a clean true
// or false: as a handheld plan of each group, as a mobile plan and as a platform file, by
// the plain readers and by those that say why, from memory and from the file.

#include <gtest/gtest.h>

#include <algorithm>

#include "TarinTranslator/mission_plan/Base64.h"
#include "TestSupport.h"
#include "fuzz/ReadPaths.h"

namespace tarin {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> filesIn(const fs::path& dir) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

constexpr const char* kNeverRead[] = {"truncated-", "utf8-", "utf16-", "charref-", "strict-"};

TEST(BadDocuments, EveryReadEndsInACleanResult) {
    fuzz::Quiet quiet;
    test::TempDir out;
    const std::vector<fs::path> files = filesIn(TARIN_REGRESSIONS_DIR);
    EXPECT_GE(files.size(), 30u);
    for (const fs::path& file : files) {
        const std::string name = file.filename().string();
        const std::string text = test::readFile(file);
        // A text cut short, with bytes that are not UTF-8 (or UTF-16 with its byte order
        // mark), with a character that XML forbids, or with markup that XML forbids (two
        // roots, text outside the root, an attribute twice, a BLOB that is not one text)
        // never reads.
        const bool refused =
            std::any_of(std::begin(kNeverRead), std::end(kNeverRead),
                        [&](const char* prefix) { return name.rfind(prefix, 0) == 0; });
        for (const fuzz::Kind& kind : fuzz::kKinds) {
            const std::pair<const char*, fuzz::Outcome> reads[] = {
                {"document", fuzz::readDocument(text, kind)},
                {"platform file", fuzz::readPlatform(text, kind)}};
            for (const auto& [path, outcome] : reads) {
                EXPECT_TRUE(outcome == fuzz::Outcome::Refused || outcome == fuzz::Outcome::Read)
                    << name << " as a " << path << " of " << kind.name << ": "
                    << fuzz::outcomeName(outcome);
                if (refused) {
                    EXPECT_EQ(outcome, fuzz::Outcome::Refused) << name;
                }
            }
            const bool read = reads[0].second == fuzz::Outcome::Read;
            EXPECT_EQ(unpackMissionPlanFile(file, out / "plan", ReadAs{kind.mobile, kind.code}).ok,
                      read)
                << name << " from the file as " << kind.name;
        }
    }
}

// The Base64 texts among them decode alike on every path this processor runs.
TEST(BadDocuments, Base64TextsDecodeAlikeOnEveryPath) {
    for (const fs::path& file : filesIn(fs::path(TARIN_REGRESSIONS_DIR) / "base64")) {
        const std::string text = test::readFile(file);
        std::vector<std::pair<bool, std::string>> results;
        for (Base64Path path : supportedBase64Paths()) {
            ASSERT_TRUE(setBase64Path(path));
            ByteVector bytes;
            const bool clean = decodeBlob(text, bytes);
            results.emplace_back(clean, std::string(bytes.begin(), bytes.end()));
            EXPECT_EQ(results.back(), results.front()) << file.filename() << ", path " << int(path);
        }
    }
    setBase64Path(supportedBase64Paths().back());
}

}  // namespace
}  // namespace tarin
