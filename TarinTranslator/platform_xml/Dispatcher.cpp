#include "TarinTranslator/platform_xml/ReadLog.h"
#include "TarinTranslator/platform_xml/Sections.h"

namespace tarin {

namespace {

using SectionReader = bool (*)(pugi::xml_node, HandheldPlatform&);

// One row of the handheld read: the section element, the codes it is read for, and
// its reader.
struct ReadStep {
    const char* element;
    Gate gate;
    SectionReader read;
};

// For the classic codes a document without progSwitches is complete: their writer never
// emits one. The hazard codes, whose writer always does, still require it.
bool readProgSwitchesStep(pugi::xml_node node, HandheldPlatform& p) {
    if (!node && isClassicCode(p.radioType)) return true;
    return readProgSwitches(node, p);
}

const ReadStep kReadSteps[] = {
    {"progButtons", Gate::Classic, readProgButtonsElement},
    {"accessoryConfig", Gate::NotVrMobile, readAccessoryConfig},
    {"manDownConfig", Gate::NotVrMobile,
     [](pugi::xml_node n, HandheldPlatform& p) { return readManDownConfig(n, p.manDownConfig); }},
    {"shortMenu", Gate::Classic,
     [](pugi::xml_node n, HandheldPlatform& p) { return readShortMenu(n, p.shortMenu); }},
    {"gpsConfig", Gate::All,
     [](pugi::xml_node n, HandheldPlatform& p) { return readGpsConfig(n, p.gpsConfig); }},
    {"audioConfig", Gate::All,
     [](pugi::xml_node n, HandheldPlatform& p) { return readAudioConfig(n, p.audioConfig); }},
    {"bluetoothConfig", Gate::All,
     [](pugi::xml_node n, HandheldPlatform& p) {
         return readBluetoothConfig(n, p.bluetoothConfig);
     }},
    {"miscConfig", Gate::All,
     [](pugi::xml_node n, HandheldPlatform& p) { return readMiscConfig(n, p.miscConfig); }},
    {"TimeDateCfg", Gate::All,
     [](pugi::xml_node n, HandheldPlatform& p) { return readTimeDateConfig(n, p.TimeDateCfg); }},
    {"progSwitches", Gate::NotVrMobile, readProgSwitchesStep},
    {"ECiTCfg", Gate::Extended,
     [](pugi::xml_node n, HandheldPlatform& p) { return readECiTCfg(n, p.ECiTCfg); }},
    {"selfCheckConfig", Gate::Extended,
     [](pugi::xml_node n, HandheldPlatform& p) {
         return readSelfCheckConfig(n, p.selfCheckConfig);
     }},
    {"overrides", Gate::Extended,
     [](pugi::xml_node n, HandheldPlatform& p) { return readOverrides(n, p.overrides); }},
    {"VRMobileConfig", Gate::VrMobile,
     [](pugi::xml_node n, HandheldPlatform& p) { return readVrMobileConfig(n, p.VRMobileConfig); }},
    {"PINConfig", Gate::Extended,
     [](pugi::xml_node n, HandheldPlatform& p) { return readPinConfig(n, p.PINConfig); }},
    {"PowerUpOptions", Gate::Extended,
     [](pugi::xml_node n, HandheldPlatform& p) { return readPowerUpOptions(n, p.PowerUpOptions); }},
    {"progBtns", Gate::Extended, readProgBtns},
    {"statusIcons", Gate::Extended,
     [](pugi::xml_node n, HandheldPlatform& p) {
         return readStatusIcons(n, p.statusIconsTop, DisplayKind::Top);
     }},
    {"statusIcons", Gate::Extended,
     [](pugi::xml_node n, HandheldPlatform& p) {
         return readStatusIcons(n, p.statusIconsFront, DisplayKind::Front);
     }},
    {"networkConfig", Gate::Extended,
     [](pugi::xml_node n, HandheldPlatform& p) { return readNetworkConfig(n, p.networkConfig); }},
    {"menuConfig", Gate::Extended,
     [](pugi::xml_node n, HandheldPlatform& p) { return readMenuConfig(n, p.menuConfig); }},
    {"AliasList", Gate::Extended,
     [](pugi::xml_node n, HandheldPlatform& p) { return readAliasList(n, p.AliasList); }},
    {"eioOutputCfg", Gate::Extended, readEioOutputCfg},
    {"DNP3Cfg", Gate::Extended,
     [](pugi::xml_node n, HandheldPlatform& p) { return readDnp3Config(n, p.DNP3Cfg); }},
    {"SerTnlCfg", Gate::Extended,
     [](pugi::xml_node n, HandheldPlatform& p) { return readSerTnlConfig(n, p.SerTnlCfg); }},
    {"KeystoreConfig", Gate::Extended,
     [](pugi::xml_node n, HandheldPlatform& p) { return readKeystoreConfig(n, p.KeystoreConfig); }},
    {"hazardConfig", Gate::Extended,
     [](pugi::xml_node n, HandheldPlatform& p) { return readHazardConfig(n, p.hazardConfig); }},
    {"ICS", Gate::Extended,
     [](pugi::xml_node n, HandheldPlatform& p) { return readIcsConfig(n, p.ICS); }},
    {"logEventsConfig", Gate::Extended,
     [](pugi::xml_node n, HandheldPlatform& p) {
         return readLogEventsConfig(n, p.logEventsConfig);
     }},
    {"VideoSettingsConfig", Gate::Extended,
     [](pugi::xml_node n, HandheldPlatform& p) {
         return readVideoSettingsConfig(n, p.VideoSettingsConfig);
     }},
    {"SystemConfig", Gate::Extended,
     [](pugi::xml_node n, HandheldPlatform& p) { return readSystemConfig(n, p.SystemConfig); }},
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

bool readPlatformConfig(pugi::xml_node node, HandheldPlatform& platform) {
    currentRadioType() = platform.radioType;
    if (!platformConfigPresent(node)) return false;
    for (const ReadStep& step : kReadSteps) {
        if (!gateOpen(step.gate)) continue;
        if (!readSection(node, step.element,
                         [&](pugi::xml_node n) { return step.read(n, platform); }))
            return false;
    }
    return true;
}

bool readMobilePlatformConfig(pugi::xml_node node, MobilePlatformRecord& platform) {
    // The mobile reader runs with the record's radio type, which its caller has set.
    currentRadioType() = platform.radioType;
    if (!platformConfigPresent(node)) return false;
    return readSection(
               node, "gpsConfig",
               [&](pugi::xml_node n) { return readMobileGpsConfig(n, platform.gpsConfig); }) &&
           readSection(
               node, "audioConfig",
               [&](pugi::xml_node n) { return readMobileAudioConfig(n, platform.audioConfig); }) &&
           readSection(node, "bluetoothConfig",
                       [&](pugi::xml_node n) {
                           return readBluetoothConfig(n, platform.bluetoothConfig);
                       }) &&
           readSection(
               node, "miscConfig",
               [&](pugi::xml_node n) { return readMobileMiscConfig(n, platform.miscConfig); }) &&
           readSection(node, "TimeDateCfg", [&](pugi::xml_node n) {
               return readTimeDateConfig(n, platform.TimeDateCfg);
           });
}

}  // namespace tarin
