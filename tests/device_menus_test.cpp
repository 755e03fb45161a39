// PowerUpOptions, PINConfig, overrides, status icons, menuConfig and AliasList of the
// extended platforms: exact text, summaries and reader rules.

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

#include "Samples.h"
#include "TarinTranslator/platform_xml/Sections.h"
#include "TestSupport.h"

namespace tarin {
namespace {

constexpr uint32_t kCodes[] = {146, 151};  // a hazard and a VR-mobile code

using test::kEscaped;
using test::kSpecial;
using test::readFrom;
using test::sampleRecord;
using test::written;

// The defaults documents pin the XML of the defaults and whole documents the escaping; here
// every summary, and the XML of the lists the defaults lack (systems, keystores) and of a
// menu four levels deep.
TEST(DeviceMenus, SummariesAndTheTextOfListsForBothGroups) {
    const std::wstring overrides =
        L"<overrides>\n<misc>\n   <radio_ip_address\n value ='" + kEscaped +
        L"'\n   />\n</misc>\n<systems>\n<system\n index ='0'\n sysname ='" + kEscaped +
        L"'\n systype ='P25T'\n unitid ='16777211'\n mdcunitid ='61439'\n username ='" + kEscaped +
        L"'\n password ='" + kEscaped +
        L"'\n />\n<system\n index ='512'\n sysname ='\u00dcber'\n systype ='KAMUS'\n"
        L" unitid ='16382'\n mdcunitid ='0'\n username =''\n password =''\n />\n"
        L"</systems>\n<keystores>\n<keystore\n name ='" +
        kEscaped +
        L"'\n RSI ='9999999'\n   />\n<keystore\n name ='k'\n RSI ='0'\n   />\n"
        L"</keystores>\n</overrides>\n";
    const std::wstring menu =
        L"<menuItem\n   name='Call'\n   display='true'\n   opCode='FUNC_CALL'\n    >\n"
        L"<menuItem\n   name='ExitEmer'\n   display='false'\n   opCode='FUNC_CTZ_EDIT'\n    >\n"
        L"<menuItem\n   name='Talkaround'\n   display='true'\n   opCode='FUNC_TALKAROUND'\n    >\n"
        L"<menuItem\n   name='IndivCall'\n   display='false'\n   opCode='FUNC_INDIV_CALL'\n    />\n"
        L"</menuItem>\n</menuItem>\n</menuItem>\n"
        L"<menuItem\n   name='Scan'\n   display='true'\n   opCode='FUNC_SCAN'\n    />\n";
    // The summaries, of which overrides, menuConfig and AliasList write none.
    const std::wstring summary =
        L"{ powerOnBeep: 1, keypadLock: 0, keypadState: 1, eioAlarm_1: 1, eioAlarm_2: 0, "
        L"eioAlarm_3: 1, eioAlarm_Restart: 1}{ powerupPIN: " +
        kSpecial +
        L", minimumPINLength: 10, maxBadPINEntries: 4000000000, zeroizeOnPINFailure: 1}"
        L"{/\"0\"/\"NONE\", /\"7.0\"/\"ECHO_REDUCTION\"}{/\"3" +
        kSpecial + L"\"/\"LTESIGSTATUS\", /\"16\"/\"HAZARD_MODE\"}";
    for (uint32_t code : kCodes) {
        HandheldPlatform p = sampleRecord(code);
        p.PowerUpOptions.keypadLock = p.PowerUpOptions.eioAlarm_2 = 0;  // two differ
        auto writeAll = [&](std::wostream& os) {
            writePowerUpOptions(os, p.PowerUpOptions);
            writePinConfig(os, p.PINConfig);
            writeOverrides(os, p.overrides);
            writeStatusIcons(os, p.statusIconsTop, DisplayKind::Top);
            writeStatusIcons(os, p.statusIconsFront, DisplayKind::Front);
            writeMenuConfig(os, p.menuConfig);
            writeAliasList(os, p.AliasList);
        };
        EXPECT_EQ(written(writeAll, code, false), summary) << code;
        EXPECT_EQ(test::textOf(writeOverrides, p.overrides, code), overrides) << code;
        EXPECT_EQ(test::textOf(writeMenuConfig, p.menuConfig, code), menu) << code;
    }
}

std::wstring item(const char* name, const std::wstring& children = L"",
                  const char* op = "FUNC_CALL") {
    return L"<menuItem name='" + pugi::as_wide(name) + L"' display='true' opCode='" +
           pugi::as_wide(op) + L"'>" + children + L"</menuItem>";
}

// Every menu read is written back well-formed, also those without a regular form.
TEST(DeviceMenus, MenuReaderVisitsDepthFirstToTheFourthDepth) {
    using Levels = std::map<int32_t, std::pair<int32_t, bool>>;  // code: level, hasChildren
    // clang-format off
    const std::pair<std::wstring, Levels> cases[] = {
        // The first occurrence in document order wins, also over a shallower later one.
        {item("Call", item("Scan")) + item("Scan", item("ExitEmer")),
         {{0, {1, true}}, {16, {2, false}}, {1, {2, false}}}},
        // An item that does not convert is skipped; its children are read at their depth.
        {item("Call", item("ExitEmer"), "NO_FUNC") + L"<menuItem name='Scan' opCode='FUNC_SCAN'/>",
         {{1, {2, false}}}},
        // The user login menu at the third depth sits a level higher, and so do its items.
        {item("Call", item("Scan", item("UserLogin", item("UserLoginSysId") +
                                     item("UserLoginComplete") + item("IndivCall")))),
         {{0, {1, true}}, {16, {2, true}}, {114, {2, true}}, {115, {3, false}}, {118, {3, false}},
          {3, {4, false}}}},
        // The fourth depth has children, which are not read.
        {item("Call", item("ExitEmer", item("Talkaround", item("IndivCall", item("Scan"))))),
         {{0, {1, true}}, {1, {2, true}}, {2, {3, true}}, {3, {4, true}}}},
        // A child with a lower code than its parent.
        {item("Scan", item("Call")), {{16, {1, true}}, {0, {2, false}}}},
        {L"", {}},
    };
    // clang-format on
    for (const auto& [doc, levels] : cases) {
        MenuItemMap menu = {{99, {}}};
        ASSERT_TRUE(readFrom(L"<menuConfig>" + doc + L"</menuConfig>", readMenuConfig, menu));
        Levels got;
        for (const auto& [code, entry] : menu) got[code] = {entry.level, entry.hasChildren};
        EXPECT_EQ(got, levels) << pugi::as_utf8(doc);
        pugi::xml_document back;
        EXPECT_TRUE(test::load(back, L"<m>" + test::textOf(writeMenuConfig, menu) + L"</m>"))
            << pugi::as_utf8(doc);
    }
}

// One invalid icon leaves the display as it was; the read still succeeds.
TEST(DeviceMenus, StatusIconsReplaceTheirDisplayOnlyWhenEveryIconIsValid) {
    const StatusIconMap before = {{99, {L"99", 1}}};
    // clang-format off
    const std::tuple<DisplayKind, std::wstring, StatusIconMap> cases[] = {  // '|' between icons
        {DisplayKind::Top, L"pos='7' statusName='OTAR'", {{7, {L"7", 12}}}},
        {DisplayKind::Top, L"pos='7.5' statusName='OTAR'", before},
        {DisplayKind::Front, L"pos='16.0' statusName='OTAR'", {{16, {L"16.0", 12}}}},
        {DisplayKind::Front, L"pos='16.01' statusName='OTAR'", before},
        {DisplayKind::Front, L"pos='0x10' statusName='OTAR'", {{0, {L"0x10", 12}}}},
        {DisplayKind::Front, L"pos='nan' statusName='OTAR'", before},
        {DisplayKind::Top, L"pos='' statusName='OTAR'", {{0, {L"", 12}}}},
        {DisplayKind::Top, L"statusName='OTAR'", before},
        {DisplayKind::Top, L"pos='3' statusName='NUISANCE_CHNL'|pos='3.9' statusName='WIFI'", {{3, {L"3", 0}}}},
        {DisplayKind::Front, L"pos='1' statusName='WIFI'|pos='3' statusName='otar'", before},
    };
    // clang-format on
    for (const auto& [kind, icons, expected] : cases) {
        const bool top = kind == DisplayKind::Top;
        std::wstring doc = std::wstring(L"<statusIcons><") +
                           (top ? L"topDisplay" : L"frontDisplay") + L"><statIcon " + icons +
                           L"/></d></statusIcons>";
        for (std::size_t at; (at = doc.find(L'|')) != std::wstring::npos;)
            doc.replace(at, 1, L"/><statIcon ");
        doc.replace(doc.find(L"</d>"), 4, top ? L"</topDisplay>" : L"</frontDisplay>");
        for (DisplayKind k : {kind, top ? DisplayKind::Front : DisplayKind::Top}) {
            StatusIconMap read = before;
            EXPECT_TRUE(readFrom(
                doc, [k](pugi::xml_node n, StatusIconMap& m) { return readStatusIcons(n, m, k); },
                read));
            // The other display is missing: it reads as empty.
            EXPECT_EQ(read, k == kind ? expected : StatusIconMap{}) << pugi::as_utf8(doc);
        }
    }
    StatusIconMap icons = before;
    EXPECT_FALSE(readStatusIcons(pugi::xml_node(), icons, DisplayKind::Top));
    EXPECT_EQ(icons, before);
}

// One invalid alias fails the read and leaves the list as it was.
TEST(DeviceMenus, AliasListIsReplacedOnlyWhenEveryAliasIsValid) {
    const std::wstring eight = L"\u00e4\u00f6\u00fc\u00df\u00e9\u00e8\u00ea\u4e2d";
    // clang-format off
    const std::pair<std::wstring, bool> cases[] = {
        {L"lid='1' aliasName='' aliasLongName=''", true},
        {L"lid='16777211' aliasName='" + eight + L"' aliasLongName='" + eight + eight + L"'", true},
        {L"lid='0' aliasName='a' aliasLongName=''", false},
        {L"lid='16777212' aliasName='a' aliasLongName=''", false},
        {L"lid='1' aliasName='" + eight + L"x' aliasLongName=''", false},
        {L"lid='1' aliasName='' aliasLongName='" + eight + eight + L"x'", false},
        {L"lid='1' aliasName=''", false},
    };
    // clang-format on
    const AliasMap before = {{5, {9, L"old", L""}}};
    for (const auto& [attrs, valid] : cases) {
        AliasMap aliases = before;
        EXPECT_EQ(
            readFrom(L"<AliasList><aliasInfo lid='2' aliasName='a' aliasLongName=''/><aliasInfo " +
                         attrs + L"/></AliasList>",
                     readAliasList, aliases),
            valid);
        EXPECT_EQ(aliases.begin()->second.lid, valid ? 2u : 9u) << pugi::as_utf8(attrs);
        EXPECT_EQ(aliases.size(), valid ? 2u : 1u);
    }
    AliasMap aliases = before;
    EXPECT_TRUE(readAliasList(pugi::xml_node(), aliases));
    EXPECT_TRUE(aliases.empty()) << "a missing list is an empty one";
}

TEST(DeviceMenus, PowerUpAndPinReaders) {
    const std::wstring start = L"<PowerUpOptions powerOnBeep='ON' keypadLock='OFF'";
    const std::wstring alarms =
        L" keypadState='ON' eioAlarm_1='ON' eioAlarm_2='ON' eioAlarm_3='ON'";
    // clang-format off
    const std::tuple<std::wstring, bool, PowerUpOptionsConfig> powerUp[] = {
        {start + alarms + L" eioAlarm_Restart='OFF'/>", true, {1, 0, 1, 1, 1, 1, 0}},
        {start + alarms + L"/>", true, {1, 0, 1, 0, 0, 0, 1}},  // all four alarms or none
        {start + alarms + L" eioAlarm_Restart='on'/>", false, {1, 0, 1, 1, 1, 1, 1}},
        {start + L"/>", false, {1, 0, 0, 0, 0, 0, 1}},
    };
    // clang-format on
    for (const auto& [doc, ok, expected] : powerUp) {
        PowerUpOptionsConfig pu{0, 1, 0, 0, 0, 0, 1};
        EXPECT_EQ(readFrom(doc, readPowerUpOptions, pu), ok) << pugi::as_utf8(doc);
        EXPECT_EQ(pu, expected) << pugi::as_utf8(doc);
    }
    PowerUpOptionsConfig kept{.eioAlarm_3 = 2};  // the check covers what is held
    EXPECT_FALSE(readFrom(start + L" keypadState='ON'/>", readPowerUpOptions, kept));

    const std::wstring ten = L"\u00e4\u00f6\u00fc\u00df\u00e9\u00e8\u00ea\u4e2d12";
    // clang-format off
    const std::pair<std::wstring, std::optional<uint32_t>> pins[] = {  // maxBadPINEntries read
        {L"powerupPIN='" + ten + L"' minimumPINLength='10' maxBadPINEntries='1'", 1},
        {L"powerupPIN='" + ten + L"3' minimumPINLength='0' maxBadPINEntries='1'", {}},
        {L"powerupPIN='' minimumPINLength='11' maxBadPINEntries='1'", {}},
        {L"powerupPIN='' minimumPINLength='0' maxBadPINEntries='0'", {}},
        {L"powerupPIN='' minimumPINLength='0' maxBadPINEntries='-1'", 4294967295u},
        {L"powerupPIN='' minimumPINLength='0'", {}},
    };
    // clang-format on
    for (const auto& [attrs, maxBad] : pins) {
        PinConfig pin;
        const std::wstring doc = L"<PINConfig " + attrs + L" zeroizeOnPINFailure='ON'/>";
        EXPECT_EQ(readFrom(doc, readPinConfig, pin), maxBad.has_value()) << pugi::as_utf8(doc);
        if (maxBad) {
            EXPECT_EQ(pin.maxBadPINEntries, *maxBad);
        }
    }
}

std::wstring system(const std::wstring& index, const std::wstring& systype = L"CONV",
                    const std::wstring& unitid = L"0", const std::wstring& mdc = L"0") {
    return L"<system index='" + index + L"' sysname='s' systype='" + systype + L"' unitid='" +
           unitid + L"' mdcunitid='" + mdc + L"' username='u' password='p'/>";
}
std::wstring overridesDoc(const std::wstring& systems, const std::wstring& keystores = L"") {
    return L"<overrides><misc><radio_ip_address value='1.2.3.4'/></misc><systems>" + systems +
           L"</systems><keystores>" + keystores + L"</keystores></overrides>";
}

TEST(DeviceMenus, OverridesUnitIdentities) {
    // clang-format off
    const std::pair<const wchar_t*, int32_t> largest[] = {
        {L"Zelo", 16777211}, {L"CONV", 0}, {L"KAMUS", 16382}, {L"KAMUS_IP", 1048575},
        {L"P25C", 9999999}, {L"P25T", 16777211}, {L"MCPTT", 0}};
    // Decimal up to 61439; any other text is read again as hexadecimal.
    const std::pair<const wchar_t*, int32_t> mdc[] = {
        {L"61439", 61439}, {L"61440", 0x61440}, {L"-1", -1}, {L"80000000", INT_MAX},
        {L"-80000000", INT_MIN}, {L"-99999999999", INT_MIN}, {L"0x7FFFF", 0}, {L"12abc", 12},
        {L"zz", 0}};
    // clang-format on
    for (auto [systype, max] : largest) {
        OverridesConfig o;
        auto read = [&](int32_t unitid) {
            return readFrom(overridesDoc(system(L"1", systype, std::to_wstring(unitid))),
                            readOverrides, o);
        };
        EXPECT_TRUE(read(max) && o.systems.at(1).unitid == max) << systype;
        EXPECT_FALSE(read(max + 1) || read(-1)) << systype;
    }
    for (auto [text, value] : mdc) {
        OverridesConfig o;
        EXPECT_TRUE(readFrom(overridesDoc(system(L"1", L"CONV", L"0", text)), readOverrides, o));
        EXPECT_EQ(o.systems.at(1).mdcunitid, value) << text;
    }
}

TEST(DeviceMenus, OverridesListsAreMergedAndTheFirstFailureStops) {
    const std::wstring incomplete = L"<system index='2' sysname='s' systype='CONV' unitid='0'/>";
    const std::wstring keystores =
        L"<keystore name='x'/><keystore name='a' RSI='5'/><keystore name='b' RSI='6'/>";
    struct Case {
        std::wstring doc;
        bool ok;
        std::vector<int32_t> systems;
        std::vector<std::wstring> keystores;  // names in key order
    };
    // clang-format off
    const Case cases[] = {
        {L"<overrides/>", false, {7}, {L"old"}},
        {L"<overrides><misc><radio_ip_address value=''/></misc></overrides>", false, {7}, {L"old"}},
        {overridesDoc(incomplete + system(L"7") + system(L"3"), keystores), true, {3, 7}, {L"old", L"b"}},
        {overridesDoc(system(L"3") + system(L"513") + system(L"4"), keystores), false, {3, 7}, {L"old"}},
        {overridesDoc(L"", L"<keystore name='c' RSI='10000000'/>"), false, {7}, {L"old"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        OverridesConfig o{L"ip", {{7, {7, L"old", 0, 0, 0, L"", L""}}}, {{0, {L"old", 1}}}};
        EXPECT_EQ(readFrom(c.doc, readOverrides, o), c.ok) << pugi::as_utf8(c.doc);
        std::vector<int32_t> systems;
        for (const auto& [index, entry] : o.systems) systems.push_back(index);
        std::vector<std::wstring> names;
        for (const auto& [key, entry] : o.keystores) names.push_back(entry.name);
        EXPECT_EQ(std::tie(systems, names), std::tie(c.systems, c.keystores))
            << pugi::as_utf8(c.doc);
        // A system of the document replaces the record's under its index.
        EXPECT_EQ(o.systems.at(7).sysname,
                  c.doc.find(L"index='7'") != std::wstring::npos ? L"s" : L"old");
    }
    OverridesConfig o;
    EXPECT_TRUE(readOverrides(pugi::xml_node(), o)) << "a missing element changes nothing";
}

}  // namespace
}  // namespace tarin
