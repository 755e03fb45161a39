#include "TarinTranslator/platform_xml/Sections.h"

namespace tarin {

namespace {

using PlatformWriter = void (*)(std::wostream&, const HandheldPlatform&);

// One step of the handheld platformConfig element.
struct RootStep {
    Gate gate;
    PlatformWriter write;
};

// One heading of the handheld summary and the writer that follows it.
struct SummaryStep {
    const char* heading;
    PlatformWriter write;
};

void writeProgButtonsElement(std::wostream& os, const HandheldPlatform& p) {
    os << "   <progButtons\n";
    writeTwoPosSwitch(os, p.twoPosSwitch);
    writeThreePosSwitchPositions(os, p.threePosPositions);
    writeThreePosSwitch(os, p.threePosSwitch);
    os << "    >\n";
    writeProgButtons(os, p.progButtons);
    writeRadioLockList(os, p.RadioLockList);
    os << "   </progButtons>\n";
}

void writeAccessoryAndManDown(std::wostream& os, const HandheldPlatform& p) {
    os << "<accessoryConfig ";
    writeAccessoryConfig(os, p.accessoryConfig);
    os << "    >\n";
    writeAccessoryButtons(os, p.accessoryButtons);
    os << "   </accessoryConfig>\n";
    writeManDownConfig(os, p.manDownConfig);
}

void writeShortMenuElement(std::wostream& os, const HandheldPlatform& p) {
    os << "   <shortMenu>\n";
    writeShortMenu(os, p.shortMenu);
    os << "   </shortMenu>\n";
}

void writeProgSwitchesElement(std::wostream& os, const HandheldPlatform& p) {
    os << "   <progSwitches>\n";
    writeProgSwitches(os, p.progSwitches);
    os << "   </progSwitches>\n";
}

void writeStatusIconsElement(std::wostream& os, const HandheldPlatform& p) {
    os << "   <statusIcons>\n";
    writeStatusIcons(os, p.statusIconsTop, DisplayKind::Top);
    writeStatusIcons(os, p.statusIconsFront, DisplayKind::Front);
    os << "   </statusIcons>\n";
}

void writeNetworkElement(std::wostream& os, const HandheldPlatform& p) {
    os << "   <networkConfig>\n";
    writeNetworkConfig(os, p.networkConfig);
    os << "   </networkConfig>\n";
}

void writeMenuElement(std::wostream& os, const HandheldPlatform& p) {
    os << "   <menuConfig>\n";
    writeMenuConfig(os, p.menuConfig);
    os << "   </menuConfig>\n";
}

void writeAliasElement(std::wostream& os, const HandheldPlatform& p) {
    os << "   <AliasList>\n";
    writeAliasList(os, p.AliasList);
    os << "   </AliasList>\n";
}

void writeProgBtnsElement(std::wostream& os, const HandheldPlatform& p) {
    os << "   <progBtns>\n";
    writeProgBtns(os, p.progBtns);
    os << "   </progBtns>\n";
}

void writeEioElement(std::wostream& os, const HandheldPlatform& p) {
    os << "   <eioOutputCfg>\n";
    writeEioOutputCfg(os, p.eioOutputCfg);
    os << "   </eioOutputCfg>\n";
}

// The sections of the handheld platformConfig element, in document order.
const RootStep kRootSteps[] = {
    {Gate::Classic, writeProgButtonsElement},
    {Gate::NotVrMobile, writeAccessoryAndManDown},
    {Gate::Classic, writeShortMenuElement},
    {Gate::Hazard, writeProgSwitchesElement},
    {Gate::Extended, writeStatusIconsElement},
    {Gate::Extended, writeNetworkElement},
    {Gate::Extended, writeMenuElement},
    {Gate::All,
     [](std::wostream& os, const HandheldPlatform& p) { writeGpsConfig(os, p.gpsConfig); }},
    {Gate::All,
     [](std::wostream& os, const HandheldPlatform& p) { writeAudioConfig(os, p.audioConfig); }},
    {Gate::Extended, writeAliasElement},
    {Gate::All, [](std::wostream& os,
                   const HandheldPlatform& p) { writeBluetoothConfig(os, p.bluetoothConfig); }},
    {Gate::All,
     [](std::wostream& os, const HandheldPlatform& p) { writeMiscConfig(os, p.miscConfig); }},
    {Gate::All,
     [](std::wostream& os, const HandheldPlatform& p) { writeTimeDateConfig(os, p.TimeDateCfg); }},
    {Gate::Extended,
     [](std::wostream& os, const HandheldPlatform& p) { writePinConfig(os, p.PINConfig); }},
    {Gate::Extended, [](std::wostream& os,
                        const HandheldPlatform& p) { writePowerUpOptions(os, p.PowerUpOptions); }},
    {Gate::Extended, writeProgBtnsElement},
    {Gate::VrMobile, writeEioElement},
    {Gate::Extended,
     [](std::wostream& os, const HandheldPlatform& p) { writeDnp3Config(os, p.DNP3Cfg); }},
    {Gate::Extended,
     [](std::wostream& os, const HandheldPlatform& p) { writeSerTnlConfig(os, p.SerTnlCfg); }},
    {Gate::Extended, [](std::wostream& os,
                        const HandheldPlatform& p) { writeKeystoreConfig(os, p.KeystoreConfig); }},
    {Gate::Extended,
     [](std::wostream& os, const HandheldPlatform& p) { writeECiTCfg(os, p.ECiTCfg); }},
    {Gate::Hazard,
     [](std::wostream& os, const HandheldPlatform& p) { writeHazardConfig(os, p.hazardConfig); }},
    {Gate::Extended,
     [](std::wostream& os, const HandheldPlatform& p) {
         writeSelfCheckConfig(os, p.selfCheckConfig);
     }},
    {Gate::Extended,
     [](std::wostream& os, const HandheldPlatform& p) { writeIcsConfig(os, p.ICS); }},
    {Gate::Extended,
     [](std::wostream& os, const HandheldPlatform& p) {
         writeLogEventsConfig(os, p.logEventsConfig);
     }},
    {Gate::Extended,
     [](std::wostream& os, const HandheldPlatform& p) { writeSystemConfig(os, p.SystemConfig); }},
    {Gate::Extended,
     [](std::wostream& os, const HandheldPlatform& p) { writeOverrides(os, p.overrides); }},
    {Gate::VrMobile, [](std::wostream& os,
                        const HandheldPlatform& p) { writeVrMobileConfig(os, p.VRMobileConfig); }},
};

// The handheld summary: every heading, whatever the radio type.
const SummaryStep kSummarySteps[] = {
    {"{\n Buttons: ",
     [](std::wostream& os, const HandheldPlatform& p) { writeProgButtons(os, p.progButtons); }},
    {"\n Radio Lock List:",
     [](std::wostream& os, const HandheldPlatform& p) { writeRadioLockList(os, p.RadioLockList); }},
    {"\n ThreePosSwitch: ",
     [](std::wostream& os, const HandheldPlatform& p) {
         writeThreePosSwitchPositions(os, p.threePosPositions);
     }},
    {"\n TwoPosSwitch: ",
     [](std::wostream& os, const HandheldPlatform& p) { writeTwoPosSwitch(os, p.twoPosSwitch); }},
    {"\n Accessory: ",
     [](std::wostream& os, const HandheldPlatform& p) {
         writeAccessoryConfig(os, p.accessoryConfig);
     }},
    {"\n AccessoryButtons: ",
     [](std::wostream& os, const HandheldPlatform& p) {
         writeAccessoryButtons(os, p.accessoryButtons);
     }},
    {"\n ManDown: ",
     [](std::wostream& os, const HandheldPlatform& p) { writeManDownConfig(os, p.manDownConfig); }},
    {"\n GPS: ",
     [](std::wostream& os, const HandheldPlatform& p) { writeGpsConfig(os, p.gpsConfig); }},
    {"\n Audio: ",
     [](std::wostream& os, const HandheldPlatform& p) { writeAudioConfig(os, p.audioConfig); }},
    {"\n AliasList: ",
     [](std::wostream& os, const HandheldPlatform& p) { writeAliasList(os, p.AliasList); }},
    {"\n Bluetooth: ",
     [](std::wostream& os, const HandheldPlatform& p) {
         writeBluetoothConfig(os, p.bluetoothConfig);
     }},
    {"\n Misc: ",
     [](std::wostream& os, const HandheldPlatform& p) { writeMiscConfig(os, p.miscConfig); }},
    {"\n TimeDate: ",
     [](std::wostream& os, const HandheldPlatform& p) { writeTimeDateConfig(os, p.TimeDateCfg); }},
    {"\n PINConfig: ",
     [](std::wostream& os, const HandheldPlatform& p) { writePinConfig(os, p.PINConfig); }},
    {"\n PowerUpOptions: ",
     [](std::wostream& os, const HandheldPlatform& p) {
         writePowerUpOptions(os, p.PowerUpOptions);
     }},
    {"\n networkConfig: ",
     [](std::wostream& os, const HandheldPlatform& p) { writeNetworkConfig(os, p.networkConfig); }},
    {"\n statusIconsTop: ",
     [](std::wostream& os, const HandheldPlatform& p) {
         writeStatusIcons(os, p.statusIconsTop, DisplayKind::Top);
     }},
    {"\n statusIconsFront: ",
     [](std::wostream& os, const HandheldPlatform& p) {
         writeStatusIcons(os, p.statusIconsFront, DisplayKind::Front);
     }},
    {"\n progBtns: ",
     [](std::wostream& os, const HandheldPlatform& p) { writeProgBtns(os, p.progBtns); }},
    {"\n progSwitches: ",
     [](std::wostream& os, const HandheldPlatform& p) { writeProgSwitches(os, p.progSwitches); }},
    {"\n menuConfig: ",
     [](std::wostream& os, const HandheldPlatform& p) { writeMenuConfig(os, p.menuConfig); }},
};

}  // namespace

std::wostream& writePlatformConfig(std::wostream& os, const HandheldPlatform& platform) {
    currentRadioType() = platform.radioType;
    if (isXmlMode(os)) {
        os << "<platformConfig>\n";
        for (const RootStep& step : kRootSteps)
            if (gateOpen(step.gate)) step.write(os, platform);
        os << "</platformConfig>\n";
    } else {
        for (const SummaryStep& step : kSummarySteps) {
            os << step.heading;
            step.write(os, platform);
        }
        os << "\n}";
    }
    return os;
}

std::wostream& writeMobilePlatformConfig(std::wostream& os, const MobilePlatformRecord& platform) {
    currentRadioType() = platform.radioType;
    if (isXmlMode(os)) {
        os << "<platformConfig>\n";
        writeMobileGpsConfig(os, platform.gpsConfig);
        writeMobileAudioConfig(os, platform.audioConfig);
        writeBluetoothConfig(os, platform.bluetoothConfig);
        writeMobileMiscConfig(os, platform.miscConfig);
        writeTimeDateConfig(os, platform.TimeDateCfg);
        os << "</platformConfig>\n";
    } else {
        os << "{\n GPS: ";
        writeMobileGpsConfig(os, platform.gpsConfig);
        os << "\n Audio: ";
        writeMobileAudioConfig(os, platform.audioConfig);
        os << "\n Bluetooth: ";
        writeBluetoothConfig(os, platform.bluetoothConfig);
        os << "\n Misc: ";
        writeMobileMiscConfig(os, platform.miscConfig);
        os << "\n TimeDate: ";
        writeTimeDateConfig(os, platform.TimeDateCfg);
        os << "\n}";
    }
    return os;
}

}  // namespace tarin
