#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TarinTranslator/platform_xml/Sections.h"
#include "TestSupport.h"

using namespace tarin;

namespace {

constexpr uint32_t kClassic = 0;
constexpr uint32_t kHazard = 146;

// What the writers put out for a value that its table does not name.
const std::wstring kUnknown(7, L'?');

template <class T>
std::wstring xml(std::wostream& (*write)(std::wostream&, const T&), const T& value) {
    return test::textOf(write, value, currentRadioType());
}
template <class T>
std::wstring summary(std::wostream& (*write)(std::wostream&, const T&), const T& value) {
    return test::textOf(write, value, currentRadioType(), false);
}
using test::defaulted;
using test::readFrom;

// Every attribute of a progButtons element, each valid and not its constructed value.
const std::string kSwitchAttrs =
    " _2PosFunction='SCAN' _2PosAValue='a' _2PosBValue='b' _2PosA_VAIndex='4'"
    " _2PosB_VAIndex='5' _3PosAFunc='ZONE' _3PosBFunc='SYSTEM' _3PosCFunc='RADIOLOCK'"
    " _3PosAIndex='x' _3PosBIndex='y' _3PosCIndex='z' _3PosFunction='ZONE_SELECT'"
    " _3PosAValue='p' _3PosBValue='q' _3PosCValue='r'";

bool readButtons(HandheldPlatform& p, const std::string& children,
                 const std::string& attrs = kSwitchAttrs) {
    return readFrom("<progButtons" + attrs + ">" + children + "</progButtons>",
                    readProgButtonsElement, p);
}

std::string button(const char* name, const char* function, const char* more = "") {
    return std::string("<progButton buttonName='") + name + "' function='" + function +
           "' extraData=''" + more + "/>";
}

}  // namespace

// ---- XML and summary text -------------------------------------------------------------

// The defaults documents pin the XML of the defaults, and whole documents the escaping;
// here the summaries, lists the defaults lack and unknown values.
TEST(ButtonsXmlTest, ClassicSummariesAndLockList) {
    currentRadioType() = kClassic;
    HandheldPlatform p = defaulted(kClassic);
    p.progButtons[3] = {99, L"9", L"<q>"};  // a function of another table
    EXPECT_EQ(summary(writeProgButtons, p.progButtons),
              L"{TOP_SIDE: MONITOR_CLEAR/\"\", MID_SIDE: ZONE_UP/\"\", BOT_SIDE: FUNC_PTT/\"<q>\", "
              L"EMERGENCY: EMERGENCY_CALL/\"\"}");
    p.twoPosSwitch._2PosAValue = L"a&";
    EXPECT_EQ(summary(writeTwoPosSwitch, p.twoPosSwitch),
              L"{Function: PTCT, A: \"a&\", B: \"\" VAIndexA: \"0\" VAIndexB: \"0\"}");
    EXPECT_EQ(summary(writeThreePosSwitchPositions, p.threePosPositions),
              L" AFunc: \"CHAN_BANK, BFunc: \"CHAN_BANK, CFunc: \"CHAN_BANK AIndex: \"1\" "
              L"BIndex: \"2\" CIndex: \"3\"}");
    EXPECT_EQ(summary(writeThreePosSwitch, p.threePosSwitch),
              L"{Function: CHAN_BANK, A: \"1\", B: \"2\", C: \"3\"}");
    const ShortMenuMap menu = {{0, {0, L"0", L""}}, {7, {16, L"7", L"<e>"}}};
    EXPECT_EQ(summary(writeShortMenu, menu), L"{startScan: /\"0\"/\"\", : /\"7\"/\"<e>\"}");

    const RadioLockSequence locks = {0, 9, 42};
    EXPECT_EQ(xml(writeRadioLockList, locks),
              L"          <RadioLockList>\n"
              L"      <RadioLockSelection>PTT</RadioLockSelection>\n"
              L"      <RadioLockSelection>USER_PROG_BOTTOM</RadioLockSelection>\n"
              L"      <RadioLockSelection>" +
                  kUnknown +
                  L"</RadioLockSelection>\n"
                  L"         </RadioLockList>\n");
    EXPECT_EQ(summary(writeRadioLockList, locks),
              L"{RadioLockSelection: PTT'\n, RadioLockSelection: USER_PROG_BOTTOM'\n, "
              L"RadioLockSelection: " +
                  kUnknown + L"'\n}");
    EXPECT_EQ(xml(writeRadioLockList, {}) + summary(writeRadioLockList, RadioLockSequence{}), L"");
}

TEST(ButtonsXmlTest, AccessoryButtonsPerRadioType) {
    currentRadioType() = kClassic;
    EXPECT_EQ(summary(writeAccessoryButtons, defaulted(kClassic).accessoryButtons),
              L"{ACC_USER_1: UNASSIGNED/\"\", ACC_USER_2: UNASSIGNED/\"\", "
              L"ACC_EMERGENCY: EMERGENCY_CALL/\"\"}");
    for (uint32_t code : {146u, 199u, 265u, 151u, 153u, 272u, 273u}) {
        SCOPED_TRACE(code);
        currentRadioType() = code;
        const bool none = isVrMobileCode(code);  // the VR-mobile codes have no accessory buttons
        EXPECT_EQ(
            summary(writeAccessoryButtons, defaulted(kHazard).accessoryButtons),
            none ? L""
                 : L"{ACC_USER_1: UNASSIGNED/\"1\"/\"0\"/\"\", ACC_USER_2: "
                   L"UNASSIGNED/\"2\"/\"1\"/\"\", ACC_EMERGENCY: EMERGENCY_CALL/\"4\"/\"3\"/\"\"}");
    }
}

TEST(ButtonsXmlTest, ProgBtnsAndProgSwitchesPerRadioType) {
    currentRadioType() = kHazard;
    EXPECT_EQ(xml(writeProgBtns, ProgBtnMap{{60, {88, L"", L"", L"", -1, 4294967295u, 0}}}),
              L"<progBtn\n   name='" + kUnknown + L"'\n   opcode='" + kUnknown +
                  L"'\n   delay=''\n   timeout=''\n   extraData=''\n   presetSysZoneType='-1'\n"
                  L"   sysZoneIndex='4294967295'\n   groupIndex='0'\n    />\n");
    const ProgBtnMap buttons = {{1, {3, L"0.0", L"0.0", L"", 0, 65535, 65535}},
                                {53, {70, L"1.5", L"2", L"a&b", -1, 4294967295u, 7}}};
    EXPECT_EQ(summary(writeProgBtns, buttons),
              L"{TOP_SIDE: FUNC_MONITOR_CLEAR/\"0.0\"/\"0.0\"/\"\", "
              L"ExtIoIn3: FUNC_USER_PRESET/\"2\"/\"1.5\"/\"a&b\"}");
    EXPECT_EQ(summary(writeProgBtns, ProgBtnMap{}), L"{}");

    ProgSwitchesConfig s;
    s.switches[2] = {{-1, {20, L"G&", 7}}};
    s.RadioLockList = {0, 9};
    const std::wstring lockList =
        L"<RadioLockList>\n"
        L"<RadioLockSelection>BtnPTT</RadioLockSelection>\n"
        L"<RadioLockSelection>VOLUME_KNOB</RadioLockSelection>\n"
        L"</RadioLockList>\n";
    EXPECT_EQ(summary(writeProgSwitches, s),
              L"progSwitch name='ChanKnob >\n"
              L"posValue pos='-1   opcode='FUNC_GROUP   param='G&   VAFileIndex='7    />\n"
              L"BtnPTT    />\nVOLUME_KNOB    />\n");
    const std::wstring text = xml(writeProgSwitches, s);
    EXPECT_EQ(text.substr(text.find(L"</progSwitch>\n") + 14), lockList);

    currentRadioType() = 151;
    EXPECT_EQ(summary(writeProgSwitches, s), L"BtnPTT    />\nVOLUME_KNOB    />\n");
    EXPECT_EQ(xml(writeProgSwitches, s), lockList);

    s.RadioLockList.clear();
    currentRadioType() = kHazard;
    EXPECT_EQ(xml(writeProgSwitches, s).find(L"RadioLockList"), std::wstring::npos);
}

// ---- reading ---------------------------------------------------------------------------

TEST(ButtonsReadTest, ProgButtonsElementAndClassicLockList) {
    HandheldPlatform p;
    ASSERT_TRUE(readButtons(p, button("EMERGENCY", "EMERGENCY_CALL", " delay='2.0'") +
                                   button("TOP_SIDE", "SITE_ALIAS") +
                                   button("MID_SIDE", "FUNC_PRIVATE", " delay='x&lt;'") +
                                   button("MID_SIDE", "ZONE_UP", " delay='9'")));
    EXPECT_EQ(
        p.progButtons,
        (ProgButtonMap{{1, {35, L"0.0", L""}}, {2, {106, L"x<", L""}}, {4, {19, L"0.0", L""}}}));
    EXPECT_EQ(p.twoPosSwitch, (TwoPosSwitchConfig{5, L"a", L"b", L"4", L"5"}));
    EXPECT_EQ(p.threePosPositions, (ThreePosSwitchPositions{7, 8, 9, L"x", L"y", L"z"}));
    EXPECT_EQ(p.threePosSwitch, (ThreePosSwitchConfig{2, L"p", L"q", L"r"}));

    // One invalid button empties the list; the element still reads.
    for (const std::string& bad :
         {button("TOP_SIDE", "NOPE"), button("SIDE", "ZONE_UP"),
          std::string("<progButton buttonName='TOP_SIDE' function='ZONE_UP'/>")}) {
        EXPECT_TRUE(readButtons(p, button("BOT_SIDE", "ZONE_UP") + bad) && p.progButtons.empty())
            << bad;
    }
    EXPECT_FALSE(readProgButtonsElement(pugi::xml_node(), p));

    // Without _3PosCIndex none of the position attributes is read; likewise for the two
    // VA indexes of the two-position switch.
    HandheldPlatform q;
    ASSERT_TRUE(readButtons(q, "",
                            " _2PosFunction='SCAN' _2PosAValue='a' _2PosBValue='b'"
                            " _2PosA_VAIndex='4' _3PosAFunc='ZONE' _3PosBFunc='ZONE'"
                            " _3PosCFunc='ZONE' _3PosAIndex='x' _3PosBIndex='y'"
                            " _3PosFunction='CHAN_SELECT' _3PosAValue='' _3PosBValue=''"
                            " _3PosCValue=''"));
    EXPECT_EQ(q.threePosPositions, ThreePosSwitchPositions{});
    EXPECT_EQ(q.twoPosSwitch, (TwoPosSwitchConfig{5, L"a", L"b", L"0", L"0"}));

    // _2PosFunction is required even when every button is valid; what was read before
    // the failure stays.
    HandheldPlatform r;
    EXPECT_FALSE(readButtons(r, button("TOP_SIDE", "ZONE_UP"),
                             kSwitchAttrs.substr(kSwitchAttrs.find(" _2PosAValue"))));
    EXPECT_EQ(r.threePosSwitch, (ThreePosSwitchConfig{2, L"p", L"q", L"r"}));
    std::string lowerCase = kSwitchAttrs;
    lowerCase.replace(lowerCase.find("RADIOLOCK"), 9, "radiolock");
    EXPECT_FALSE(readButtons(r, "", lowerCase));

    // The lock list: a bad selection fails the element and keeps the list.
    ASSERT_TRUE(readButtons(p,
                            "<RadioLockList><RadioLockSelection>PTT</RadioLockSelection>"
                            "<RadioLockSelection>PTT</RadioLockSelection></RadioLockList>"));
    EXPECT_EQ(p.RadioLockList, (RadioLockSequence{0, 0}));
    for (const char* bad :
         {"<RadioLockSelection/>", "<RadioLockSelection>BtnPTT</RadioLockSelection>",
          "<RadioLockSelection>P<x>T</x>X</RadioLockSelection>"}) {
        EXPECT_FALSE(readButtons(p, std::string("<RadioLockList>") + bad + "</RadioLockList>"));
        EXPECT_EQ(p.RadioLockList, (RadioLockSequence{0, 0})) << bad;
    }
    EXPECT_TRUE(readButtons(p, "") && p.RadioLockList.empty());
}

TEST(ButtonsReadTest, ProgBtnEntries) {
    currentRadioType() = kHazard;
    HandheldPlatform p;
    auto read = [&](const std::string& c) {
        return readFrom("<progBtns>" + c + "</progBtns>", readProgBtns, p);
    };
    auto btn = [](const char* name, const char* opcode, const std::string& more = "",
                  const std::string& extraData = "") {
        return std::string("<progBtn name='") + name + "' opcode='" + opcode +
               "' timeout='0' extraData='" + extraData + "'" + more + "/>";
    };
    ASSERT_TRUE(read(btn("Key0", "FUNC_USER_PRESET",
                         " presetSysZoneType='ON' sysZoneIndex='600' groupIndex='1249'") +
                     btn("Key1", "FUNC_USER_DEFINED_PRESET",
                         " presetSysZoneType='1' sysZoneIndex='0x10' groupIndex='x'") +
                     btn("Key2", "FUNC_NOOP", " presetSysZoneType='ON' sysZoneIndex='3'") +
                     btn("Key3", "FUNC_NOOP", " delay='abc'") + btn("Key3", "FUNC_ZONE_UP") +
                     btn("Key4", "FUNC_VOICE_PLAYBACK", " delay='-5'", std::string(30, 'v'))));
    EXPECT_EQ(p.progBtns,
              (ProgBtnMap{{5, {70, L"0.0", L"0", L"", 1, 65535, 1249}},
                          {6, {71, L"0.0", L"0", L"", 1, 0, 0}},
                          {7, {1, L"0.0", L"0", L"", 0, 65535, 65535}},
                          {8, {1, L"abc", L"0", L"", 0, 65535, 65535}},
                          {9, {5, L"-5", L"0", std::wstring(30, L'v'), 0, 65535, 65535}}}));
    // Times read as the C library reads a number: a magnitude too small for a double is 0
    // and "0x" starts a hexadecimal number.
    EXPECT_TRUE(read(btn("Key0", "FUNC_NOOP", " delay='100000.0'") +
                     btn("Key1", "FUNC_NOOP", " delay='1e-400'") +
                     btn("Key2", "FUNC_NOOP", " delay='0x186A0'")) &&
                p.progBtns.size() == 3u);

    for (const std::string& bad :
         {btn("KeyZ", "FUNC_NOOP"), btn("Key1", "FUNC_UNKNOWN"),
          btn("Key1", "FUNC_NOOP", " delay='100000.1'"), btn("Key1", "FUNC_NOOP", " delay='-1'"),
          btn("Key1", "FUNC_NOOP", " delay='1e999'"), btn("Key1", "FUNC_NOOP", " delay='0x186A1'"),
          std::string("<progBtn name='Key1' opcode='FUNC_NOOP' extraData=''/>"),
          btn("Key1", "FUNC_NOOP", "", std::string(21, 'x')), btn("Key1", "FUNC_USER_PRESET"),
          btn("Key1", "FUNC_USER_PRESET", " presetSysZoneType='on'")}) {
        EXPECT_TRUE(read(btn("Key0", "FUNC_NOOP") + bad) && p.progBtns.empty()) << bad;
    }
    EXPECT_FALSE(readProgBtns(pugi::xml_node(), p));
}

TEST(ButtonsReadTest, AccessoryButtonEntries) {
    AccessoryButtonMap buttons;
    auto read = [&](const std::string& c) {
        return readFrom(
            "<accessoryConfig><accessoryButtons>" + c + "</accessoryButtons></accessoryConfig>",
            readAccessoryButtons, buttons);
    };
    const std::string noTimes =
        "<accessoryButton buttonName='ACC_USER_2' function='ZONE_UP' extraData='abc'/>";
    const std::string times =
        "<accessoryButton buttonName='ACC_USER_1' function='EMERGENCY_CLEAR' extraData=''"
        " delay='10.0' timeout='0'/>";

    currentRadioType() = kClassic;
    ASSERT_TRUE(read(noTimes + times));
    EXPECT_EQ(buttons, (AccessoryButtonMap{{1, {34, L"", L"", L""}}, {2, {14, L"", L"", L"abc"}}}));
    currentRadioType() = kHazard;
    ASSERT_TRUE(read(times));
    EXPECT_EQ(buttons, (AccessoryButtonMap{{1, {34, L"10.0", L"0", L""}}}));
    ASSERT_TRUE(
        read("<accessoryButton buttonName='ACC_USER_2' function='ZONE_UP'"
             " extraData='' delay='0xA' timeout='1e-999'/>"));
    EXPECT_EQ(buttons, (AccessoryButtonMap{{2, {14, L"0xA", L"1e-999", L""}}}));

    // One bad entry empties the list; the element still reads. The hazard codes also need
    // both times, each at most 10.
    const std::string user2 = "<accessoryButton buttonName='ACC_USER_2' function=";
    for (uint32_t code : {kClassic, kHazard}) {
        currentRadioType() = code;
        std::vector<std::string> bad = {
            "'BLUETOOTH_TOGGLE' extraData='' delay='0' timeout='0'/>",
            "'ZONE_UP' extraData='1234567890123' delay='0' timeout='0'/>",
            "'ZONE_UP' delay='0' timeout='0'/>"};
        if (code == kHazard)
            bad.insert(bad.end(), {"'ZONE_UP' extraData='abc'/>",
                                   "'ZONE_UP' extraData='' delay='10.5' timeout='0'/>",
                                   "'ZONE_UP' extraData='' delay='0xB' timeout='1e-999'/>"});
        for (const std::string& entry : bad)
            EXPECT_TRUE(read(times + user2 + entry) && buttons.empty()) << entry;
    }
    buttons = {{1, {}}};
    EXPECT_TRUE(readFrom("<accessoryConfig/>", readAccessoryButtons, buttons) && buttons.empty());
    buttons = {{1, {}}};
    EXPECT_TRUE(!readAccessoryButtons(pugi::xml_node(), buttons) && buttons.empty());
}

TEST(SwitchesReadTest, ProgSwitchPositions) {
    currentRadioType() = kHazard;
    HandheldPlatform p;
    auto read = [&](const std::string& c) {
        return readFrom("<progSwitches>" + c + "</progSwitches>", readProgSwitches, p);
    };
    ASSERT_TRUE(
        read("<progSwitch name='ChanSw'>"
             "<posValue pos='0' opcode='FUNC_NOOP' param='a'/>"
             "<posValue pos='1' opcode='FUNC_GROUP' param='b' VAFileIndex='65535'/>"
             "<posValue pos=' -2x' opcode='FUNC_SYSTEM' param='c'/>"
             "<posValue pos='1' opcode='FUNC_NOOP' param='d' VAFileIndex='0'/>"
             "</progSwitch>"
             "<progSwitch name='VolSw'><posValue pos='0' opcode='FUNC_NOOP' param=''/>"
             "</progSwitch>"
             "<progSwitch name='ChanSw'/>"
             "<RadioLockList><RadioLockSelection>BtnPTT</RadioLockSelection>"
             "<RadioLockSelection>VOLUME_KNOB</RadioLockSelection></RadioLockList>"));
    EXPECT_EQ(p.progSwitches.switches,
              (ProgSwitchMap{{0, {}}, {1, {{-2, {19, L"c", 65535}}, {1, {20, L"b", 65535}}}}}));
    EXPECT_EQ(p.progSwitches.RadioLockList, (RadioLockSequence{0, 9}));

    const ProgSwitchesConfig before = p.progSwitches;
    const std::string vol = "<progSwitch name='VolSw'><posValue ";
    for (const std::string& bad :
         {std::string("<progSwitch name='Knob'/>"),
          vol + "pos='0' opcode='FUNC_NOOP' param='' VAFileIndex='65536'/></progSwitch>",
          vol + "pos='0' opcode='FUNC_NOOP'/></progSwitch>",
          vol + "opcode='FUNC_NOOP' param=''/></progSwitch>",
          vol + "pos='0' opcode='FUNC_ZONE_UP' param=''/></progSwitch>"}) {
        EXPECT_TRUE(!read(bad) && p.progSwitches == before) << bad;
    }
    // The switches are taken before the lock list, which fails on the classic vocabulary.
    EXPECT_FALSE(
        read("<RadioLockList><RadioLockSelection>PTT</RadioLockSelection></RadioLockList>"));
    EXPECT_TRUE(p.progSwitches.switches.empty() &&
                p.progSwitches.RadioLockList == before.RadioLockList);
    EXPECT_FALSE(readProgSwitches(pugi::xml_node(), p));
}

TEST(ShortMenuReadTest, ItemsAndDefaults) {
    ShortMenuMap menu = {{40, {}}};
    ShortMenuMap ownItems;  // no shortMenu: each position shows its own item
    for (uint32_t i = 0; i < 16; ++i) ownItems[i] = {i, std::to_wstring(i), L""};
    EXPECT_TRUE(readShortMenu(pugi::xml_node(), menu) && menu == ownItems);

    auto read = [&](const std::string& c) {
        return readFrom("<shortMenu>" + c + "</shortMenu>", readShortMenu, menu);
    };
    ASSERT_TRUE(
        read("<shortMenuItem name='txPower' position='3' extraData='a'/>"
             "<shortMenuItem name='' position='3' extraData='b'/>"
             "<shortMenuItem name='' position='x' extraData='c'/>"
             "<shortMenuItem name='empty' position='99999999999' extraData=''/>"));
    EXPECT_EQ(menu, (ShortMenuMap{{0, {15, L"x", L"c"}},
                                  {3, {5, L"3", L"a"}},
                                  {2147483647, {14, L"99999999999", L""}}}));
    // Positions are unsigned: one with a minus sign comes after all others.
    ASSERT_TRUE(
        read("<shortMenuItem name='txPower' position='-1' extraData=''/>"
             "<shortMenuItem name='dispSA' position='4' extraData=''/>"));
    EXPECT_EQ(menu, (ShortMenuMap{{4, {6, L"4", L""}}, {4294967295u, {5, L"-1", L""}}}));
    const std::string first = "<shortMenuItem name='txPower' position='0' extraData=''/>";
    for (const char* bad : {"<shortMenuItem name='Scan' position='1' extraData=''/>",
                            "<shortMenuItem name='txPower' extraData=''/>",
                            "<shortMenuItem name='txPower' position='1'/>"})
        EXPECT_TRUE(!read(first + bad) && menu.empty()) << bad;
}
