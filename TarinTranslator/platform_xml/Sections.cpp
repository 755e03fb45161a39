#include "TarinTranslator/platform_xml/Sections.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/ReadLog.h"

// The sections of a platformConfig element: one row each, with the radio groups whose
// documents hold it, how it is written and for which groups it is read; the root writers
// write the rows in order, the dispatchers read them in their own order.

namespace tarin {

namespace {

using PlatformWriter = void (*)(std::wostream&, const HandheldPlatform&);
using SectionReader = bool (*)(pugi::xml_node, HandheldPlatform&);

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

void writeAccessoryElement(std::wostream& os, const HandheldPlatform& p) {
    os << "<accessoryConfig ";
    writeAccessoryConfig(os, p.accessoryConfig);
    os << "    >\n";
    writeAccessoryButtons(os, p.accessoryButtons);
    os << "   </accessoryConfig>\n";
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

// For the classic codes a document without progSwitches is complete: their writer never
// emits one. The hazard codes, whose writer always does, still require it.
bool readProgSwitchesStep(pugi::xml_node node, HandheldPlatform& p) {
    if (!node && isClassicCode(p.radioType)) return true;
    return readProgSwitches(node, p);
}

// A handheld section: its element, the groups the root writer writes it for (none: never
// written), its writer, the groups the dispatcher reads it for, and its reader.
struct SectionRow {
    const char* element;
    std::optional<Gate> written;
    PlatformWriter write;
    Gate read;
    SectionReader reader;
};

#define TARIN_WRITE(call) [](std::wostream& os, const HandheldPlatform& p) { call; }
#define TARIN_READ(call) [](pugi::xml_node n, HandheldPlatform& p) { return call; }

// In the order of the written document.
const SectionRow kSectionRows[] = {
    {"progButtons", Gate::Classic, writeProgButtonsElement, Gate::Classic, readProgButtonsElement},
    {"accessoryConfig", Gate::NotVrMobile, writeAccessoryElement, Gate::NotVrMobile,
     readAccessoryConfig},
    {"manDownConfig", Gate::NotVrMobile, TARIN_WRITE(writeManDownConfig(os, p.manDownConfig)),
     Gate::NotVrMobile, TARIN_READ(readManDownConfig(n, p.manDownConfig))},
    {"shortMenu", Gate::Classic, writeShortMenuElement, Gate::Classic,
     TARIN_READ(readShortMenu(n, p.shortMenu))},
    {"progSwitches", Gate::Hazard, writeProgSwitchesElement, Gate::NotVrMobile,
     readProgSwitchesStep},
    {"statusIcons", Gate::Extended, writeStatusIconsElement, Gate::Extended,
     TARIN_READ(readStatusIcons(n, p.statusIconsTop, DisplayKind::Top))},
    {"networkConfig", Gate::Extended, writeNetworkElement, Gate::Extended,
     TARIN_READ(readNetworkConfig(n, p.networkConfig))},
    {"menuConfig", Gate::Extended, writeMenuElement, Gate::Extended,
     TARIN_READ(readMenuConfig(n, p.menuConfig))},
    {"gpsConfig", Gate::All, TARIN_WRITE(writeGpsConfig(os, p.gpsConfig)), Gate::All,
     TARIN_READ(readGpsConfig(n, p.gpsConfig))},
    {"audioConfig", Gate::All, TARIN_WRITE(writeAudioConfig(os, p.audioConfig)), Gate::All,
     TARIN_READ(readAudioConfig(n, p.audioConfig))},
    {"AliasList", Gate::Extended, writeAliasElement, Gate::Extended,
     TARIN_READ(readAliasList(n, p.AliasList))},
    {"bluetoothConfig", Gate::All, TARIN_WRITE(writeBluetoothConfig(os, p.bluetoothConfig)),
     Gate::All, TARIN_READ(readBluetoothConfig(n, p.bluetoothConfig))},
    {"miscConfig", Gate::All, TARIN_WRITE(writeMiscConfig(os, p.miscConfig)), Gate::All,
     TARIN_READ(readMiscConfig(n, p.miscConfig))},
    {"TimeDateCfg", Gate::All, TARIN_WRITE(writeTimeDateConfig(os, p.TimeDateCfg)), Gate::All,
     TARIN_READ(readTimeDateConfig(n, p.TimeDateCfg))},
    {"PINConfig", Gate::Extended, TARIN_WRITE(writePinConfig(os, p.PINConfig)), Gate::Extended,
     TARIN_READ(readPinConfig(n, p.PINConfig))},
    {"PowerUpOptions", Gate::Extended, TARIN_WRITE(writePowerUpOptions(os, p.PowerUpOptions)),
     Gate::Extended, TARIN_READ(readPowerUpOptions(n, p.PowerUpOptions))},
    {"progBtns", Gate::Extended, writeProgBtnsElement, Gate::Extended, readProgBtns},
    {"eioOutputCfg", Gate::VrMobile, writeEioElement, Gate::Extended, readEioOutputCfg},
    {"DNP3Cfg", Gate::Extended, TARIN_WRITE(writeDnp3Config(os, p.DNP3Cfg)), Gate::Extended,
     TARIN_READ(readDnp3Config(n, p.DNP3Cfg))},
    {"SerTnlCfg", Gate::Extended, TARIN_WRITE(writeSerTnlConfig(os, p.SerTnlCfg)), Gate::Extended,
     TARIN_READ(readSerTnlConfig(n, p.SerTnlCfg))},
    {"KeystoreConfig", Gate::Extended, TARIN_WRITE(writeKeystoreConfig(os, p.KeystoreConfig)),
     Gate::Extended, TARIN_READ(readKeystoreConfig(n, p.KeystoreConfig))},
    {"ECiTCfg", Gate::Extended, TARIN_WRITE(writeECiTCfg(os, p.ECiTCfg)), Gate::Extended,
     TARIN_READ(readECiTCfg(n, p.ECiTCfg))},
    {"hazardConfig", Gate::Hazard, TARIN_WRITE(writeHazardConfig(os, p.hazardConfig)),
     Gate::Extended, TARIN_READ(readHazardConfig(n, p.hazardConfig))},
    {"selfCheckConfig", Gate::Extended, TARIN_WRITE(writeSelfCheckConfig(os, p.selfCheckConfig)),
     Gate::Extended, TARIN_READ(readSelfCheckConfig(n, p.selfCheckConfig))},
    {"ICS", Gate::Extended, TARIN_WRITE(writeIcsConfig(os, p.ICS)), Gate::Extended,
     TARIN_READ(readIcsConfig(n, p.ICS))},
    {"logEventsConfig", Gate::Extended, TARIN_WRITE(writeLogEventsConfig(os, p.logEventsConfig)),
     Gate::Extended, TARIN_READ(readLogEventsConfig(n, p.logEventsConfig))},
    {"SystemConfig", Gate::Extended, TARIN_WRITE(writeSystemConfig(os, p.SystemConfig)),
     Gate::Extended, TARIN_READ(readSystemConfig(n, p.SystemConfig))},
    {"overrides", Gate::Extended, TARIN_WRITE(writeOverrides(os, p.overrides)), Gate::Extended,
     TARIN_READ(readOverrides(n, p.overrides))},
    {"VRMobileConfig", Gate::VrMobile, TARIN_WRITE(writeVrMobileConfig(os, p.VRMobileConfig)),
     Gate::VrMobile, TARIN_READ(readVrMobileConfig(n, p.VRMobileConfig))},
    {"VideoSettingsConfig", std::nullopt, nullptr, Gate::Extended,
     TARIN_READ(readVideoSettingsConfig(n, p.VideoSettingsConfig))},
};

// The order in which the dispatcher reads the sections; statusIcons is read twice, its top
// display by the row's reader, then its front display.
struct ReadVisit {
    const char* element;
    SectionReader reader = nullptr;  // instead of the row's
};
const ReadVisit kReadOrder[] = {
    {"progButtons"},
    {"accessoryConfig"},
    {"manDownConfig"},
    {"shortMenu"},
    {"gpsConfig"},
    {"audioConfig"},
    {"bluetoothConfig"},
    {"miscConfig"},
    {"TimeDateCfg"},
    {"progSwitches"},
    {"ECiTCfg"},
    {"selfCheckConfig"},
    {"overrides"},
    {"VRMobileConfig"},
    {"PINConfig"},
    {"PowerUpOptions"},
    {"progBtns"},
    {"statusIcons"},
    {"statusIcons", TARIN_READ(readStatusIcons(n, p.statusIconsFront, DisplayKind::Front))},
    {"networkConfig"},
    {"menuConfig"},
    {"AliasList"},
    {"eioOutputCfg"},
    {"DNP3Cfg"},
    {"SerTnlCfg"},
    {"KeystoreConfig"},
    {"hazardConfig"},
    {"ICS"},
    {"logEventsConfig"},
    {"VideoSettingsConfig"},
    {"SystemConfig"},
};

#undef TARIN_WRITE
#undef TARIN_READ

// A mobile section: written and read for every radio type, in this order.
struct MobileSectionRow {
    const char* element;
    const char* heading;  // of the summary
    void (*write)(std::wostream&, const MobilePlatformRecord&);
    bool (*read)(pugi::xml_node, MobilePlatformRecord&);
};

#define TARIN_MOBILE(element, heading, writer, reader, part)                              \
    {                                                                                     \
        element, heading,                                                                 \
            [](std::wostream& os, const MobilePlatformRecord& p) { writer(os, p.part); }, \
            [](pugi::xml_node n, MobilePlatformRecord& p) { return reader(n, p.part); }   \
    }
const MobileSectionRow kMobileSectionRows[] = {
    TARIN_MOBILE("gpsConfig", "GPS: ", writeMobileGpsConfig, readMobileGpsConfig, gpsConfig),
    TARIN_MOBILE("audioConfig", "Audio: ", writeMobileAudioConfig, readMobileAudioConfig,
                 audioConfig),
    TARIN_MOBILE("bluetoothConfig", "Bluetooth: ", writeBluetoothConfig, readBluetoothConfig,
                 bluetoothConfig),
    TARIN_MOBILE("miscConfig", "Misc: ", writeMobileMiscConfig, readMobileMiscConfig, miscConfig),
    TARIN_MOBILE("TimeDateCfg", "TimeDate: ", writeTimeDateConfig, readTimeDateConfig, TimeDateCfg),
};
#undef TARIN_MOBILE

const SectionRow& rowOf(std::string_view element) {
    for (const SectionRow& row : kSectionRows)
        if (element == row.element) return row;
    throw std::logic_error("no section " + std::string(element));
}

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

// Runs one section reader. With a log listening, a section that fails gives the read its
// reason and a section that succeeds turns what it passed over into a warning.
template <class Read>
bool readSection(pugi::xml_node platformConfig, const char* element, Read read) {
    pugi::xml_node node = platformConfig.child(element);
    ReadLog* log = readLog();
    if (!log) return read(node);
    log->dropNote();
    if (read(node)) {
        log->warnNoted(node);
        return true;
    }
    log->setFailedSection(element);
    if (node) {
        log->failNoted(node, elementPath(node) + ": the section does not pass its check");
    } else {
        log->dropNote();
        log->fail(elementPath(platformConfig) + ": no " + element + " element",
                  log->offsetOf(platformConfig), ReasonCode::MissingElement, element);
    }
    return false;
}

// False for a missing platformConfig element; a log learns the sections of a present one.
bool platformConfigPresent(pugi::xml_node node) {
    ReadLog* log = readLog();
    if (!log) return static_cast<bool>(node);
    if (!node) {
        log->fail("no platformConfig element", -1, ReasonCode::MissingElement);
        return false;
    }
    log->recordSections(node);
    return true;
}

}  // namespace

FactsRecorder*& factsRecorder() {
    thread_local FactsRecorder* recorder = nullptr;
    return recorder;
}

std::optional<Gate> sectionWrittenFor(std::string_view element, bool mobile) {
    if (mobile) {
        for (const MobileSectionRow& row : kMobileSectionRows)
            if (element == row.element) return Gate::All;
        return std::nullopt;
    }
    for (const SectionRow& row : kSectionRows)
        if (element == row.element) return row.written;
    return std::nullopt;
}

std::vector<std::string_view> sectionElements(bool mobile) {
    std::vector<std::string_view> elements;
    if (mobile) {
        for (const MobileSectionRow& row : kMobileSectionRows) elements.push_back(row.element);
    } else {
        for (const SectionRow& row : kSectionRows) elements.push_back(row.element);
    }
    return elements;
}

std::wostream& writePlatformConfig(std::wostream& os, const HandheldPlatform& platform) {
    currentRadioType() = platform.radioType;
    if (isXmlMode(os)) {
        os << "<platformConfig>\n";
        for (const SectionRow& row : kSectionRows)
            if (row.written && gateOpen(*row.written)) row.write(os, platform);
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

bool readPlatformConfig(pugi::xml_node node, HandheldPlatform& platform) {
    currentRadioType() = platform.radioType;
    if (!platformConfigPresent(node)) return false;
    for (const ReadVisit& visit : kReadOrder) {
        const SectionRow& row = rowOf(visit.element);
        if (!gateOpen(row.read)) continue;
        const SectionReader read = visit.reader ? visit.reader : row.reader;
        if (!readSection(node, row.element, [&](pugi::xml_node n) { return read(n, platform); }))
            return false;
    }
    return true;
}

std::wostream& writeMobilePlatformConfig(std::wostream& os, const MobilePlatformRecord& platform) {
    currentRadioType() = platform.radioType;
    os << (isXmlMode(os) ? "<platformConfig>\n" : "{");
    for (const MobileSectionRow& row : kMobileSectionRows) {
        if (!isXmlMode(os)) os << "\n " << row.heading;
        row.write(os, platform);
    }
    return os << (isXmlMode(os) ? "</platformConfig>\n" : "\n}");
}

bool readMobilePlatformConfig(pugi::xml_node node, MobilePlatformRecord& platform) {
    // The mobile reader runs with the record's radio type, which its caller has set.
    currentRadioType() = platform.radioType;
    if (!platformConfigPresent(node)) return false;
    for (const MobileSectionRow& row : kMobileSectionRows)
        if (!readSection(node, row.element,
                         [&](pugi::xml_node n) { return row.read(n, platform); }))
            return false;
    return true;
}

}  // namespace tarin
