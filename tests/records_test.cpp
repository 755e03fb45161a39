#include <gtest/gtest.h>

#include "TarinTranslator/model/HandheldPlatform.h"

namespace tarin {
namespace {

TEST(RecordsConstructed, NewListEntriesStartAsTheirReadersExpect) {
    // A wpaItem without the file names and priority reads them as these texts.
    EXPECT_EQ(WpaItem{},
              (WpaItem{0, L"", L"", L"ca.pem", L"user.pem", L"user.prv", L"", L"", L"0"}));
    // An OptBtn without OPT1/OPT2 gets the default option button: FUNC_NOOP, delay "0".
    const ProgBtnEntry optionButton{1, L"0", L"0.0", L"", 0, 65535, 65535};
    EXPECT_EQ(SystemOptionEntry{}, (SystemOptionEntry{0, optionButton, optionButton}));
}

HandheldPlatform filledPlatform() {
    HandheldPlatform p;
    p.networkConfig.APN[0].Name = L"internet";
    p.networkConfig.WMM[3].TXOPLimit = 47;
    p.networkConfig.wpaItem[0].ssid = L"net";
    p.networkConfig.portForwarding[0].source = L"10.0.0.1";
    p.networkConfig.MACReservation[0].IP = L"10.0.0.2";
    p.networkConfig.wifiAPCfg.passphrase = L"secret";
    p.statusIconsTop[1].pos = L"1";
    p.statusIconsFront[2].statusName = 5;
    p.menuConfig[0] = {.opCode = 0, .display = 1, .level = 1, .hasChildren = true};
    p.AliasList[0].aliasName = L"ALPHA";
    p.eioOutputCfg[2].repeat = L"false";
    p.DNP3Cfg.DIRT[0].NetIPAddr = L"10.1.1.1";
    p.SerTnlCfg.SerTnlNetTbl[0].SerTnlTblPort = 4000;
    p.KeystoreConfig[0].name = L"KS1";
    p.ICS.ICSAlertTable[0].ICSSensor = 3;
    p.ICS.ICSStatusTable[0].ICSStatus = 4;
    p.ICS.ApplianceMenu[0].Appliance = L"Pump";
    p.ICS.SeatMenu[0].Seat = L"Driver";
    p.SystemConfig[0].sysindex = 7;
    p.overrides.systems[7].sysname = L"SYS";
    p.overrides.keystores[0].RSI = 12;
    p.PINConfig.powerupPIN = L"1234";
    return p;
}

TEST(RecordsCopy, AssignmentReplacesEveryListAndCopiesDeeply) {
    const HandheldPlatform constructed;
    const HandheldPlatform filled = filledPlatform();
    ASSERT_NE(filled, constructed);

    // A constructed record over a filled one: nothing of the filled lists stays.
    HandheldPlatform target = filled;
    target = constructed;
    EXPECT_EQ(target, constructed);

    // A filled record over a constructed one, then changed: the source is untouched.
    target = filled;
    EXPECT_EQ(target, filled);
    target.networkConfig.APN[0].Name = L"other";
    target.SystemConfig.clear();
    EXPECT_EQ(filled.networkConfig.APN.at(0).Name, L"internet");
    EXPECT_EQ(filled.SystemConfig.at(0).sysindex, 7);
}

}  // namespace
}  // namespace tarin
