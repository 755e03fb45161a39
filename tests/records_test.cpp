#include <gtest/gtest.h>

#include "TarinTranslator/model/HandheldPlatform.h"

namespace tarin {
namespace {

TEST(RecordsConstructed, DataSectionsStartWithTheirDefaults) {
    SerTnlConfig sertnl;
    EXPECT_EQ(sertnl.SerTnlMode, L"Static");
    EXPECT_EQ(sertnl.SerTnlPacketSize, 480u);
    EXPECT_EQ(sertnl.SerTnlPacketTime, 500u);
    EXPECT_EQ(sertnl.SerTnlWaitTime, 10u);
    EXPECT_EQ(sertnl.SerTnlDiscTime, 10u);
    EXPECT_EQ(sertnl.SerTnlDestAddr, L"0.0.0.0");
    EXPECT_EQ(sertnl.SerTnlDestPort + sertnl.SerTnlSrcPort + sertnl.SerTnlNetPort +
                  sertnl.SerTnlClientPort,
              0u);
    EXPECT_TRUE(sertnl.SerTnlNetTbl.empty());

    Dnp3Config dnp3;
    EXPECT_EQ(dnp3.DynamicRouting, 1u);
    EXPECT_TRUE(dnp3.DIRT.empty());

    ECiTConfig ecit;
    EXPECT_EQ(ecit.minTimer, 5u);
    EXPECT_EQ(ecit.maxTimer, 60u);
    EXPECT_EQ(ecit.defaultTimeout, 60u);
    EXPECT_EQ(ecit.timerIncr, L"1");
    EXPECT_EQ(ecit.warningBeeps, L"0");
    EXPECT_EQ(ecit.ExtOutAlertMode, 0u);
    EXPECT_EQ(ecit.restartOnPTT, 0u);

    OverridesConfig overrides;
    EXPECT_EQ(overrides.radio_ip_address, L"0.0.0.0");
    EXPECT_TRUE(overrides.systems.empty());
    EXPECT_TRUE(overrides.keystores.empty());
}

TEST(RecordsConstructed, FeatureSectionsStartWithTheirDefaults) {
    VrMobileConfig vr;
    EXPECT_EQ(vr.NoneModeEnable, 1u);
    EXPECT_EQ(vr.EVRSCapableModeEnable, 0u);
    EXPECT_EQ(vr.AVRSCapableModeEnable, 0u);

    EXPECT_EQ(SelfCheckConfig{}.PeriodicTimer, 5u);
    EXPECT_EQ(SelfCheckConfig{}.selfCheckEnable, 0u);

    IcsConfig ics;
    EXPECT_EQ(ics.ICSMode, 0u);
    EXPECT_EQ(ics.userParTimeout, 30u);
    EXPECT_EQ(ics.parAudio, 0u);
    EXPECT_EQ(ics.parMinVolume, 18u);
    EXPECT_EQ(ics.hysteresisTimer, 30u);
    EXPECT_TRUE(ics.ICSAlertTable.empty() && ics.ICSStatusTable.empty() &&
                ics.ApplianceMenu.empty() && ics.SeatMenu.empty());
}

TEST(RecordsConstructed, NewListEntriesStartAsTheirReadersExpect) {
    // A wpaItem without these attributes reads them as these texts.
    WpaItem wpa;
    EXPECT_EQ(wpa.cacertfilename, L"ca.pem");
    EXPECT_EQ(wpa.usercertfilename, L"user.pem");
    EXPECT_EQ(wpa.privatekeyfilename, L"user.prv");
    EXPECT_EQ(wpa.priority, L"0");
    EXPECT_TRUE(wpa.ssid.empty() && wpa.pass.empty() && wpa.identity.empty());

    // An OptBtn without OPT1/OPT2 gets the default option button: FUNC_NOOP, delay "0".
    SystemOptionEntry option;
    for (const ProgBtnEntry* button : {&option.OPT1, &option.OPT2}) {
        EXPECT_EQ(button->opcode, 1u);
        EXPECT_EQ(button->delay, L"0");
        EXPECT_EQ(button->timeout, L"0.0");
        EXPECT_TRUE(button->extraData.empty());
        EXPECT_EQ(button->presetSysZoneType, 0);
        EXPECT_EQ(button->sysZoneIndex, 65535u);
        EXPECT_EQ(button->groupIndex, 65535u);
    }
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
    EXPECT_TRUE(target.networkConfig.APN.empty());
    EXPECT_TRUE(target.ICS.SeatMenu.empty());
    EXPECT_TRUE(target.overrides.systems.empty());
    EXPECT_EQ(target.overrides.radio_ip_address, L"0.0.0.0");

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
