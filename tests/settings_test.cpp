// Settings by path: every setting of a record of each group has a path that XPath reads
// the same value with in the platform file; paths in the forms users write them; changes
// read as documents read; differences setting by setting.

#include "TarinTranslator/api/Settings.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <set>

#include "TestSupport.h"
#include "tests/Samples.h"

namespace tarin {
namespace {

using test::readFile;
using test::replaced;
using test::TempDir;
using test::writeFile;

// The document of the sample record of `code` (a mobile defaults plan for "mobile").
std::string sampleDocument(std::optional<uint32_t> code) {
    if (!code) return test::mobilePlanDocument();
    MissionPlan plan;
    plan.planRadioType = *code;
    plan.Platform = test::sampleRecord(*code);
    setFixed(plan.name, L"Sample");
    return test::documentOf(plan);
}

// The values xmllint's XPath gives for `paths` in `file`, or nothing without xmllint.
std::optional<std::vector<std::string>> xmllintValues(const std::filesystem::path& file,
                                                      const std::vector<std::string>& paths,
                                                      const TempDir& dir) {
    if (std::system("command -v xmllint >/dev/null 2>&1") != 0) return std::nullopt;
    std::string script;
    for (const std::string& path : paths) script += "xpath string(/platformConfig/" + path + ")\n";
    writeFile(dir / "script", script);
    const std::string command = "xmllint --shell '" + file.string() + "' < '" +
                                (dir / "script").string() + "' > '" + (dir / "out").string() + "'";
    if (std::system(command.c_str()) != 0) return std::nullopt;
    std::vector<std::string> values;
    const std::string out = readFile(dir / "out");
    const std::string mark = "Object is a string : ";
    for (std::size_t at = out.find(mark); at != std::string::npos; at = out.find(mark, at)) {
        at += mark.size();
        // The shell shows each byte beyond ASCII as "#" and two hexadecimal digits.
        std::string value;
        for (std::size_t i = at; i < out.size() && out[i] != '\n'; ++i) {
            if (out[i] == '#' && i + 2 < out.size() && std::isxdigit(out[i + 1]) &&
                std::isxdigit(out[i + 2]) && out[i + 1] >= '8') {
                value += static_cast<char>(std::stoi(out.substr(i + 1, 2), nullptr, 16));
                i += 2;
            } else {
                value += out[i];
            }
        }
        values.push_back(value);
    }
    return values;
}

// Every setting that get prints for a plan of each group has a path of its own that
// selects just it, and XPath reads the same value at that path in the unpacked platform
// file; the keyed and positional lists all have entries in these records.
TEST(SettingPaths, SelectTheSameValueAsXPathInThePlatformFile) {
    TempDir dir;
    for (const std::optional<uint32_t> code : {std::optional<uint32_t>(0u), {146u}, {151u}, {}}) {
        SCOPED_TRACE(code ? std::to_string(*code) : "mobile");
        const std::string document = sampleDocument(code);
        const Configuration c = Configuration::read(document);
        ASSERT_TRUE(c.result().ok) << c.result().reason.text;
        const ReadAs as = c.readAs();
        EXPECT_EQ(as.mobile, !code.has_value());
        ASSERT_TRUE(unpackMissionPlan(document, dir / "u", as).ok);
        const std::vector<SettingValue> settings = c.settings();
        std::vector<std::string> paths;
        std::set<std::string> unique;
        for (const SettingValue& s : settings) {
            paths.push_back(s.path);
            EXPECT_TRUE(unique.insert(s.path).second) << s.path;
            EXPECT_EQ(c.select(s.path), std::vector<SettingValue>{s}) << s.path;
        }
        EXPECT_GT(settings.size(), code ? 90u : 25u);
        if (const auto values = xmllintValues(dir / "u.pd", paths, dir)) {
            ASSERT_EQ(values->size(), settings.size());
            for (std::size_t i = 0; i < settings.size(); ++i) {
                // The shell cuts long values, ending them in "...".
                std::string value = (*values)[i];
                const bool cut = value.size() > 3 && value.ends_with("...");
                if (cut) value.resize(value.size() - 3);
                EXPECT_EQ(value,
                          cut ? settings[i].value.substr(0, value.size()) : settings[i].value)
                    << settings[i].path;
            }
        }
    }
}

TEST(SettingPaths, FormsUsersWriteAndWhatSelectsNothing) {
    const Configuration c = Configuration::read(test::planDocument(146));
    ASSERT_TRUE(c.result().ok);
    const std::vector<SettingValue> gain = {
        {"audioConfig/microphone[@micType='EXTERNAL']/@gain", "0"}};
    for (const char* path :
         {"audioConfig/microphone[@micType=EXTERNAL]/@gain",
          "audioConfig/microphone[@micType=\"EXTERNAL\"]/@gain", "audioConfig/microphone[2]/@gain"})
        EXPECT_EQ(c.select(path), gain) << path;
    // An element selects every setting below it, in document order; XPath works.
    EXPECT_EQ(c.select("TimeDateCfg").size(), 3u);
    EXPECT_EQ(c.select("TimeDateCfg")[1], (SettingValue{"TimeDateCfg/@zone", "EST"}));
    EXPECT_EQ(c.select("//@zone"), (std::vector<SettingValue>{{"TimeDateCfg/@zone", "EST"}}));
    EXPECT_EQ(c.select("networkConfig/wifiAPCfg/ssid").front().value, "CorvanWifiRouter");
    for (const char* nothing : {"TimeDateCfg/@zne", "[", "audioConfig/microphone[@micType=NONE]",
                                "progButtons", "", "///"})
        EXPECT_TRUE(c.select(nothing).empty()) << nothing;
    EXPECT_EQ(c.nearestPaths("TimeDateCfg/@zne").front(), "TimeDateCfg/@zone");
    EXPECT_EQ(parseAssignment("a[@k=v]/@x=1=2"), (SettingValue{"a[@k=v]/@x", "1=2"}));
    EXPECT_FALSE(parseAssignment("a[@k=v]"));
}

// Changes read as documents read: each kind of refusal once, with its code and path, and
// nothing written; lists take and give up entries.
TEST(SettingChanges, ReadAsDocumentsReadAndRefuseWhatWouldNotComeBack) {
    TempDir dir;
    writeFile(dir / "h.xml", test::planDocument(146));
    writeFile(dir / "v.xml", test::planDocument(151));
    // Changes of one or two settings, or one removal.
    auto set = [](std::string path, std::string value, std::string path2 = "",
                  std::string value2 = "") {
        SettingChanges changes{{{path, value}}, {}, {}};
        if (!path2.empty()) changes.assignments.push_back({path2, value2});
        return changes;
    };
    auto remove = [](std::string path) { return SettingChanges{{}, {path}, {}}; };
    struct Case {
        const char* file;
        SettingChanges changes;
        ReasonCode code;  // None: the change is made
        const char* says;
    };
    const Case cases[] = {
        {"h.xml", set("TimeDateCfg/@zone", "PST"), ReasonCode::None, ""},
        {"h.xml", set("TimeDateCfg/@zone", "XYZ"), ReasonCode::NotAName, "names ("},
        {"h.xml", set("audioConfig/@minVol", "19"), ReasonCode::OutOfRange, "0..18"},
        {"h.xml", set("audioConfig/@minVol", "07"), ReasonCode::ValueChanged,
         "'07' would become '7'"},
        {"v.xml", set("audioConfig/@echoReduction", "ON"), ReasonCode::NoSetting,
         "radio type 151 carries"},
        {"h.xml", set("audioConfig/microphone/@gain", "1"), ReasonCode::SeveralSettings,
         "selects 3 settings"},
        {"h.xml", set("AliasList/aliasInfo[2]/@lid", "5", "AliasList/aliasInfo[2]/@aliasName", "A"),
         ReasonCode::None, ""},
        {"h.xml", set("AliasList/aliasInfo[3]/@lid", "5"), ReasonCode::NoSetting, ""},
        {"h.xml", set("progSwitches/progSwitch[@name=VolSw]/posValue[@pos=2]/@param", "1"),
         ReasonCode::None, ""},
        {"v.xml", remove("eioOutputCfg/eioOutput[@name=ExtIoOut2]"), ReasonCode::None, ""},
        {"v.xml", remove("audioConfig/microphone[1]"), ReasonCode::NotAListEntry,
         "neither added nor removed"},
        {"h.xml", set("TimeDateCfg/@zone", "A\001"), ReasonCode::ForbiddenCharacter, "U+0001"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says);
        std::filesystem::remove(dir / "out.xml");
        const ReadResult result = setSettings(dir / c.file, c.changes, dir / "out.xml");
        EXPECT_EQ(result.ok, c.code == ReasonCode::None) << result.reason.text;
        EXPECT_EQ(std::filesystem::exists(dir / "out.xml"), result.ok);
        if (result.ok) continue;
        EXPECT_EQ(result.reason.code, c.code) << reasonCodeName(result.reason.code);
        EXPECT_NE(result.reason.text.find(c.says), std::string::npos) << result.reason.text;
        const std::string path =
            !c.changes.assignments.empty() ? c.changes.assignments[0].path : c.changes.removals[0];
        EXPECT_EQ(result.reason.path, path);
    }
    // The last change that was made: an output removed and taken back with a setting.
    ASSERT_TRUE(setSettings(dir / "v.xml", remove("eioOutputCfg/eioOutput[@name=ExtIoOut2]"),
                            dir / "out.xml")
                    .ok);
    const std::string previous = readFile(dir / "out.xml");
    EXPECT_TRUE(
        Configuration::read(previous).select("eioOutputCfg/eioOutput[@name=ExtIoOut2]").empty());
    ASSERT_TRUE(setSettings(dir / "out.xml",
                            set("eioOutputCfg/eioOutput[@name=ExtIoOut2]/@pattern", "7"),
                            dir / "out.xml", std::nullopt, true)
                    .ok);
    EXPECT_EQ(Configuration::read(readFile(dir / "out.xml"))
                  .select("eioOutputCfg/eioOutput[@name=ExtIoOut2]/@pattern")
                  .front()
                  .value,
              "7");
    EXPECT_EQ(readFile(dir / "out.xml~"), previous);
}

// A plan this library wrote, changed, differs from it in the changed attribute and the
// date stamp alone, images and texts kept; a platform file stays one; diff finds just that.
TEST(SettingChanges, ChangeOnlyWhatIsAskedAndDiffFindsIt) {
    TempDir dir;
    for (const char* name : {"p.fl", "p.ee"}) writeFile(dir / name, std::string(3000, 'x') + name);
    ASSERT_TRUE(
        writeHandheldMissionPlan(dir / "p", {L"Plan", L"", L"n", L"", L"", L"12", L"1.0"}, 146));
    SettingChanges changes{{{"TimeDateCfg/@zone", "PST"}}, {}, {}};
    changes.texts.name = L"Renamed";
    ASSERT_TRUE(setSettings(dir / "p.xml", changes, dir / "q.xml").ok);
    const std::string before = readFile(dir / "p.xml"), after = readFile(dir / "q.xml");
    std::vector<std::string> changed;
    for (std::size_t a = 0, b = 0; a < before.size() && b < after.size();) {
        const std::size_t ea = before.find('\n', a), eb = after.find('\n', b);
        if (before.substr(a, ea - a) != after.substr(b, eb - b) &&
            after.compare(b, 13, "<versionInfo ") != 0)
            changed.push_back(after.substr(b, eb - b));
        if (ea == std::string::npos || eb == std::string::npos) break;
        a = ea + 1, b = eb + 1;
    }
    EXPECT_EQ(changed, (std::vector<std::string>{"       name='Renamed'\r", "   zone='PST'\r"}));
    const Configuration p = Configuration::read(before), q = Configuration::read(after);
    EXPECT_EQ(compareConfigurations(p, q),
              (std::vector<Difference>{{"TimeDateCfg/@zone", "EST", "PST"},
                                       {"name", "Plan", "Renamed"}}));
    EXPECT_EQ(q.plan().flash.sha256, p.plan().flash.sha256);
    EXPECT_EQ(q.plan().texts.pin, L"12");
    // A platform file stays one, and compares with its plan as the same configuration.
    ASSERT_TRUE(unpackMissionPlan(after, dir / "u", {false, 146}).ok);
    ASSERT_TRUE(setSettings(dir / "u.pd", {{{"TimeDateCfg/@zone", "EST"}}, {}, {}}, dir / "v.pd",
                            ReadAs{false, 146})
                    .ok);
    EXPECT_EQ(readFile(dir / "v.pd"), replaced(readFile(dir / "u.pd"), "zone='PST'", "zone='EST'"));
    EXPECT_TRUE(compareConfigurations(p, Configuration::read(readFile(dir / "v.pd"))).empty());
    EXPECT_EQ(compareConfigurations(p, q, true).size(), p.plan().date == q.plan().date ? 2u : 3u);
    // One that does not read is compared as its document stands, with what the other's
    // document holds (not what its reader made of it), images hashed all the same.
    ASSERT_TRUE(writeHandheldMissionPlan(dir / "p", {}, 0));
    const std::string classic = readFile(dir / "p.xml");
    const Configuration bad = Configuration::read(replaced(classic, "zone='EST'", "zone='Mars'"));
    ASSERT_FALSE(bad.result().ok);
    EXPECT_EQ(bad.plan().flash.sha256, p.plan().flash.sha256);
    EXPECT_EQ(compareConfigurations(Configuration::read(classic), bad),
              (std::vector<Difference>{{"TimeDateCfg/@zone", "EST", "Mars"}}));
}

// What a setting is, for each kind of setting: its table or ranges, default, reading,
// radio groups and section; an element stands for its settings, the entries of a list kept
// in order for one.
TEST(SettingDescriptions, SayWhatEachKindOfSettingIs) {
    using Kind = SettingDescription::Kind;
    const ReadAs classic{}, hazard{false, 146}, mobile{true, std::nullopt};
    auto one = [](std::string_view path, const ReadAs& as) {
        const std::vector<SettingDescription> all = describeSettings(path, as);
        EXPECT_EQ(all.size(), 1u) << path;
        return all.empty() ? SettingDescription{} : all.front();
    };
    const SettingDescription zone = one("TimeDateCfg/@zone", classic);
    EXPECT_EQ(zone.kind, Kind::Name);
    EXPECT_EQ(zone.names.size(), 74u);
    EXPECT_EQ(zone.defaultValue, "EST");
    EXPECT_EQ(zone.groups, (std::vector<std::string>{"classic", "hazard", "VR-mobile", "mobile"}));
    EXPECT_EQ(zone.section, "TimeDateCfg");
    EXPECT_EQ(zone.reading, "required");

    const SettingDescription gain = one("audioConfig/microphone[@micType=EXTERNAL]/@gain", hazard);
    EXPECT_EQ(gain.kind, Kind::Number);
    EXPECT_TRUE(gain.signedNumber);
    EXPECT_EQ(gain.readMin, -12);
    EXPECT_EQ(gain.readMax, 12);
    EXPECT_EQ(gain.groups, (std::vector<std::string>{"classic", "hazard", "VR-mobile"}));

    const SettingDescription intensity = one("miscConfig/@frontFpIntensity", mobile);
    EXPECT_EQ(intensity.readMax, 4294967295);
    EXPECT_EQ(intensity.checked, (std::pair<int64_t, int64_t>{0, 10}));
    EXPECT_EQ(intensity.defaultValue, "8");

    const SettingDescription name = one("bluetoothConfig/@friendlyName", classic);
    EXPECT_EQ(name.kind, Kind::Text);
    EXPECT_EQ(name.limit, 39);
    EXPECT_EQ(name.defaultValue, "MY RADIO");
    EXPECT_EQ(name.groups, (std::vector<std::string>{"classic", "mobile"}));

    EXPECT_EQ(one("audioConfig/@echoReduction", hazard).kind, Kind::OnOff);
    EXPECT_EQ(one("AliasList/aliasInfo/@aliasName", hazard).path,
              "AliasList/aliasInfo[1]/@aliasName");
    EXPECT_EQ(describeSettings("TimeDateCfg", classic).size(), 3u);
    EXPECT_TRUE(describeSettings("TimeDateCfg/@zonee", classic).empty());
    EXPECT_EQ(nearestSettingPaths("TimeDateCfg/@zonee", classic, 1),
              (std::vector<std::string>{"TimeDateCfg/@zone"}));
}

}  // namespace
}  // namespace tarin
