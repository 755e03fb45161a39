// The schema of a radio kind's mission plans, checked with xmllint: the plans the writer
// writes for the kind validate (its defaults, and records whose settings were changed at
// random to values their sections' checks admit), and values beyond what the schema
// declares fail.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <random>
#include <span>
#include <sstream>

#include "TarinTranslator/api/Describe.h"
#include "TarinTranslator/api/Settings.h"
#include "TarinTranslator/api/TarinTranslator.h"
#include "TestSupport.h"

namespace tarin {
namespace {

using namespace test;

struct Kind {
    const char* label;
    ReadAs as;
};
const Kind kKinds[] = {
    {"classic", {false, std::nullopt}}, {"classic 7", {false, 7}},
    {"hazard 146", {false, 146}},       {"hazard 199", {false, 199}},
    {"hazard 265", {false, 265}},       {"VR-mobile 151", {false, 151}},
    {"VR-mobile 153", {false, 153}},    {"VR-mobile 272", {false, 272}},
    {"VR-mobile 273", {false, 273}},    {"mobile", {true, std::nullopt}},
    {"mobile 151", {true, 151}},
};

// Validates each document against the schema with one run of xmllint: per document,
// xmllint's complaints, empty for one that validates.
std::vector<std::string> validate(const std::string& schema,
                                  const std::vector<std::string>& documents) {
    TempDir dir;
    writeFile(dir / "schema.xsd", schema);
    std::string command = "xmllint --noout --schema '" + (dir / "schema.xsd").string() + "'";
    for (std::size_t i = 0; i < documents.size(); ++i) {
        writeFile(dir / (std::to_string(i) + ".xml"), documents[i]);
        command += " '" + (dir / (std::to_string(i) + ".xml")).string() + "'";
    }
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    std::string out;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    ::pclose(pipe);
    // A complaint starts with the name of its document and may go on over more lines; each
    // document ends with "validates" or not. Lines before any name are the schema's faults.
    std::vector<std::string> complaints(documents.size());
    const std::string prefix = dir.path().string() + "/";
    std::string schemaFaults;
    std::string* to = &schemaFaults;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(prefix, 0) == 0) to = &complaints.at(std::stoul(line.substr(prefix.size())));
        if (line.find(" validates") == std::string::npos) *to += line + "\n";
    }
    for (std::string& c : complaints) c.insert(0, schemaFaults);
    return complaints;
}

// A value that the row's reader converts and its section's check admits.
std::string randomValue(const FieldFacts& f, std::mt19937& random) {
    const auto between = [&](int64_t min, int64_t max) {
        return std::uniform_int_distribution<int64_t>(min, max)(random);
    };
    using Kind = FieldFacts::Kind;
    if (f.kind == Kind::Name) return f.names->entries[between(0, f.names->count - 1)].name;
    if (f.kind != Kind::Text) {
        const bool isSigned = f.kind == Kind::Signed;
        int64_t min = std::max<int64_t>(f.min, isSigned ? kLongMin : 0);
        int64_t max = std::min<int64_t>(f.max, isSigned ? kLongMax : kULongMax);
        if (f.check) min = std::max(min, f.check->min), max = std::min(max, f.check->max);
        return std::to_string(between(min, max));
    }
    if (f.check && f.check->measure == TextMeasure::Decimal)
        return std::to_string(between(f.check->min, f.check->max - 1)) + "." +
               std::to_string(between(0, 9));
    // Characters that XML escapes, and some beyond ASCII, counted as one each.
    static const char* const kPieces[] = {"a", "Z", "7",  "&",        "<",
                                          ">", "'", "\"", "\xC3\xA9", "\xE6\x97\xA5"};
    int64_t length = between(0, 12);
    if (f.max < kULongMax) length = std::min<int64_t>(length, f.max);
    if (f.check) length = std::clamp<int64_t>(length, f.check->min, f.check->max);
    std::string text;
    for (int64_t i = 0; i < length; ++i) text += kPieces[between(0, std::size(kPieces) - 1)];
    return text;
}

// The settings of the full configuration of a radio kind with the facts of their rows, in
// random order.
std::vector<std::pair<std::string, FieldFacts>> shuffledSettings(const ReadAs& as,
                                                                 std::mt19937& random) {
    const detail::DescribedConfiguration config(as);
    std::vector<std::pair<std::string, FieldFacts>> settings;
    for (const Setting& s : settingsBelow(config.config()))
        if (const FieldFacts* facts = config.factsOf(s)) settings.emplace_back(s.path, *facts);
    std::shuffle(settings.begin(), settings.end(), random);
    return settings;
}

// The plan `plan` with `settings` given random values, a few at a time; those the reader
// refuses (a value that another setting's check does not admit with it) are left out.
std::string changedAtRandom(const std::filesystem::path& plan, const ReadAs& as,
                            std::span<const std::pair<std::string, FieldFacts>> settings,
                            std::mt19937& random) {
    std::filesystem::path changed = plan;
    changed += ".changed";
    std::filesystem::copy_file(plan, changed, std::filesystem::copy_options::overwrite_existing);
    std::size_t kept = 0;
    for (std::size_t done = 0; done < settings.size(); done += 8) {
        std::vector<SettingValue> batch;
        for (const auto& [path, facts] :
             settings.subspan(done, std::min<std::size_t>(8, settings.size() - done)))
            batch.push_back({path, randomValue(facts, random)});
        for (ReadResult result;
             !(result = setSettings(changed, {batch, {}, {}}, changed, as)).ok;) {
            const auto refused = std::find_if(batch.begin(), batch.end(), [&](const auto& v) {
                return v.path == result.reason.path;
            });
            if (refused == batch.end()) {
                ADD_FAILURE() << result.reason.text;
                return {};
            }
            batch.erase(refused);
        }
        kept += batch.size();
    }
    EXPECT_GT(kept, settings.size() / 2);
    return readFile(changed);
}

TEST(Schema, PlansOfEveryKindValidateWithDefaultsAndRandomSettings) {
    std::mt19937 random(20240611);
    TempDir dir;
    writeFile(dir / "p.fl", "abc");
    writeFile(dir / "p.ee", std::string("\x00\xFF\x10", 3));
    PlanTexts texts;
    texts.name = std::wstring(kPlanTextLength, L'\x65E5');
    texts.notes = L"<&'\"> notes";
    texts.aacVersion = L"1.2.3";
    texts.pin = L"1234";
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.label);
        std::vector<std::string> documents;
        ASSERT_TRUE(writeMissionPlanWithDefaults(dir / "p", {}, kind.as).ok);
        documents.push_back(readFile(dir / "p.xml"));
        ASSERT_TRUE(
            writeMissionPlanWithDefaults(dir / "p", texts, kind.as, kind.as.mobile ? L"" : L"D")
                .ok);
        documents.push_back(readFile(dir / "p.xml"));
        // Four records, each with its own share of the settings changed.
        const auto settings = shuffledSettings(kind.as, random);
        const std::size_t share = std::min<std::size_t>(80, settings.size() / 4);
        for (std::size_t record = 0; record < 4; ++record)
            documents.push_back(changedAtRandom(dir / "p.xml", kind.as,
                                                std::span(settings).subspan(record * share, share),
                                                random));
        const std::vector<std::string> complaints = validate(missionPlanSchema(kind.as), documents);
        for (std::size_t i = 0; i < documents.size(); ++i)
            EXPECT_EQ(complaints[i], "") << "document " << i;
    }
}

// A value changed in the document of a radio kind, and whether the schema admits it.
struct Change {
    const char* kind;
    const char* target;  // XPath from missionPlan to an attribute or an element's text
    const char* value;
    bool valid;
};
const Change kChanges[] = {
    // Microphones share one declaration: the widest gain, the Bluetooth one's, is admitted.
    {"hazard 146", "*/platformConfig/audioConfig/microphone[@micType='INTERNAL']/@gain", "16",
     true},
    {"hazard 146", "*/platformConfig/audioConfig/microphone[@micType='BLUETOOTH']/@gain", "-17",
     false},
    // A tolerant reader's range, and the "none" its default stands for.
    {"hazard 146", "*/platformConfig/progBtns/progBtn[1]/@sysZoneIndex", "511", true},
    {"hazard 146", "*/platformConfig/progBtns/progBtn[1]/@sysZoneIndex", "512", false},
    {"hazard 146", "*/platformConfig/progBtns/progBtn[1]/@sysZoneIndex", "65535", true},
    // Names of their tables, also as keys and in nested menus.
    {"classic", "*/platformConfig/progButtons/progButton[1]/@function", "NO_FUNCTION", false},
    {"classic", "*/platformConfig/progButtons/progButton[1]/@buttonName", "NO_BUTTON", false},
    {"VR-mobile 151", "*/platformConfig/menuConfig/menuItem/menuItem/menuItem/@name", "NoItem",
     false},
    {"VR-mobile 151", "*/platformConfig/menuConfig/menuItem/menuItem/menuItem/@opCode", "FUNC_CALL",
     true},
    // Numbers beyond the reader's range, and text limits.
    {"mobile", "*/platformConfig/miscConfig/@frontFpIntensity", "4294967295", true},
    {"mobile", "*/platformConfig/miscConfig/@frontFpIntensity", "4294967296", false},
    {"mobile", "*/platformConfig/miscConfig/@frontFpIntensity", "-1", false},
    {"mobile", "*/platformConfig/bluetoothConfig/@friendlyName", "", true},
    {"classic", "vexInfo/planInfo/@name",
     "0123456789012345678901234567890123456789"
     "0123456789012345678901234567890123456789x",
     false},
    {"classic", "*/versionInfo/@AACversion", "1234567", false},
    {"classic", "*/platformConfig/gpsConfig/@gridDigits", "x", false},
    // Images: Base64 without line breaks.
    {"classic", "*/ecpWaveformConfig/fl-data", "AQID", true},
    {"classic", "*/ecpWaveformConfig/fl-data", "AQID\nAQID", false},
};

TEST(Schema, ValuesBeyondWhatItDeclaresFail) {
    std::map<std::string, std::vector<const Change*>> byKind;
    for (const Change& c : kChanges) byKind[c.kind].push_back(&c);
    for (const auto& [label, changes] : byKind) {
        const Kind& kind = *std::find_if(std::begin(kKinds), std::end(kKinds),
                                         [&](const Kind& k) { return label == k.label; });
        std::string plan = kind.as.mobile ? mobilePlanDocument(kind.as.radioType.value_or(0))
                                          : planDocument(kind.as.radioType.value_or(0));
        std::vector<std::string> documents;
        for (const Change* c : changes) {
            pugi::xml_document doc;
            ASSERT_TRUE(doc.load_string(plan.c_str()));
            const pugi::xpath_node target = doc.child("missionPlan").select_node(c->target);
            ASSERT_TRUE(target) << c->target;
            if (target.attribute()) {
                target.attribute().set_value(c->value);
            } else {
                target.node().text().set(c->value);
            }
            std::ostringstream os;
            doc.save(os);
            documents.push_back(os.str());
        }
        const std::vector<std::string> complaints = validate(missionPlanSchema(kind.as), documents);
        for (std::size_t i = 0; i < changes.size(); ++i)
            EXPECT_EQ(complaints[i].empty(), changes[i]->valid)
                << label << ": " << changes[i]->target << "=" << changes[i]->value << "\n"
                << complaints[i];
    }
}

}  // namespace
}  // namespace tarin
