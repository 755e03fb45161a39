#include "TarinTranslator/platform_xml/AudioMisc.h"
#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/Sections.h"

// Handheld miscConfig: display and lighting, battery, passwords, emergency timing. Every
// attribute is optional on reading.

namespace tarin {

namespace {

constexpr Judged kSwitch{0, 1};

// Every attribute of miscConfig, the display ones included, is optional on reading.
template <class R, class T>
constexpr Field<R> optionalField(const char* name, T R::*member, const VocabTable* names = nullptr,
                                 Gate gate = Gate::All,
                                 std::optional<Judged> check = std::nullopt) {
    return {.name = name,
            .member = member,
            .names = names,
            .gate = gate,
            .use = Use::Optional,
            .check = check};
}

template <class R>
constexpr Field<R> onOff(const char* name, uint32_t R::*member, Gate gate = Gate::All,
                         std::optional<Judged> check = std::nullopt) {
    return optionalField<R>(name, member, &OnOffNames, gate, check);
}

// ---- top display -----------------------------------------------------------------------

using Top = TopDisplayConfig;

// The top panel takes only the first three backlight modes.
const Field<Top> kTop[] = {
    optionalField<Top>("topFpMode", &Top::topFpMode, &BacklightModeNames, Gate::All, Judged{0, 2}),
    optionalField<Top>("topFpOrient", &Top::topFpOrient, &TopDisplayOrientationNames, Gate::All,
                       Judged{0, 2}),
    optionalField<Top>("topFpIntensity", &Top::topFpIntensity, nullptr, Gate::All, Judged{0, 10}),
    optionalField<Top>("topFpTimeout", &Top::topFpTimeout, nullptr, Gate::All, Judged{1, 60}),
};

const Visit kTopRead[] = {{"topFpIntensity"}, {"topFpTimeout"}, {"topFpOrient"}, {"topFpMode"}};
const Visit kTopChecks[] = {{"topFpIntensity"}, {"topFpOrient"}, {"topFpMode"}, {"topFpTimeout"}};

const SummaryVisit kTopSummary[] = {
    {"topFpMode", "{ Backlight: ", Shown::Name},
    {"topFpIntensity", ", Intensity: "},
    {"topFpOrient", ", Orientation: ", Shown::Name},
    {"topFpTimeout", ", Timeout: "},
};

// ---- front display ---------------------------------------------------------------------

using Front = FrontDisplayConfig;

const Field<Front> kFront[] = {
    optionalField<Front>("frontFpMode", &Front::frontFpMode, &BacklightModeNames, Gate::All,
                         Judged{0, 5}),
    optionalField<Front>("frontFpIntensity", &Front::frontFpIntensity, nullptr, Gate::All,
                         Judged{0, 10}),
    optionalField<Front>("frontFpTimeout", &Front::frontFpTimeout, nullptr, Gate::All,
                         Judged{1, 60}),
};

const Visit kFrontRead[] = {{"frontFpMode"}, {"frontFpTimeout"}, {"frontFpIntensity"}};
const Visit kFrontChecks[] = {{"frontFpIntensity"}, {"frontFpMode"}, {"frontFpTimeout"}};

const SummaryVisit kFrontSummary[] = {
    {"frontFpIntensity", "{ Intensity: "},
    {"frontFpMode", ", Backlight: ", Shown::Name},
    {"frontFpTimeout", ", Timeout: "},
};

// ---- miscConfig ------------------------------------------------------------------------

using MC = MiscConfig;

constexpr Judged kPasswordLength{0, 15};
constexpr Judged kVoiceFile{0, 5000};

// In writing order: the passwords, then (after the display lines) the rest. The classic
// codes end with keypadTones.
const Field<MC> kMisc[] = {
    {.name = "password",
     .member = &MC::password,
     .use = Use::Optional,
     .max = kPasswordLength.max,
     .check = kPasswordLength,
     .omitEmpty = true},
    {.name = "maintenancePassword",
     .member = &MC::maintenancePassword,
     .use = Use::Optional,
     .max = kPasswordLength.max,
     .check = kPasswordLength,
     .omitEmpty = true},
    onOff<MC>("enableTriColorLed", &MC::enableTriColorLed, Gate::All, kSwitch),
    onOff<MC>("enableStatusBasedLighting", &MC::enableStatusBasedLighting, Gate::Extended, kSwitch),
    optionalField<MC>("enableSystemLIDDisplay", &MC::enableSystemLIDDisplay, &SystemDisplayNames,
                      Gate::Extended, Judged{0, 2}),
    onOff<MC>("topColorInvert", &MC::topColorInvert, Gate::All, kSwitch),
    optionalField<MC>("batteryType", &MC::batteryType, &BatteryTypeNames, Gate::All, Judged{1, 5}),
    optionalField<MC>("frontFpDayNightMode", &MC::frontFpDayNightMode, &DayNightModeNames,
                      Gate::VrMobile, Judged{0, 2}),
    onOff<MC>("p25Optimize", &MC::p25Optimize, Gate::Classic, kSwitch),
    onOff<MC>("mobileTopLevelMenu", &MC::mobileTopLevelMenu, Gate::All, kSwitch),
    onOff<MC>("keypadTones", &MC::keypadTones, Gate::All, kSwitch),
    onOff<MC>("highPowerEmergency", &MC::highPowerEmergency, Gate::Hazard, kSwitch),
    onOff<MC>("enableSystemDCELookup", &MC::enableSystemDCELookup, Gate::Extended, kSwitch),
    onOff<MC>("hideSystems", &MC::hideSystems, Gate::Extended, kSwitch),
    onOff<MC>("enableSystemTopDisplay", &MC::enableSystemTopDisplay, Gate::Extended, kSwitch),
    onOff<MC>("followNFPALedIndication", &MC::followNFPALedIndication, Gate::Extended, kSwitch),
    onOff<MC>("flashBLOutOfRange", &MC::flashBLOutOfRange, Gate::Extended, kSwitch),
    optionalField<MC>("transBLTimeout", &MC::transBLTimeout, nullptr, Gate::Extended),
    optionalField<MC>("recvBLTimeout", &MC::recvBLTimeout, nullptr, Gate::Extended),
    optionalField<MC>("emerRecvBLTimeout", &MC::emerRecvBLTimeout, nullptr, Gate::Extended),
    optionalField<MC>("overTemperatureBLTimeout", &MC::overTemperatureBLTimeout, nullptr,
                      Gate::Extended),
    optionalField<MC>("outOfRangeBLTimeout", &MC::outOfRangeBLTimeout, nullptr, Gate::Extended),
    optionalField<MC>("fsmFailureBLTimeout", &MC::fsmFailureBLTimeout, nullptr, Gate::Extended),
    optionalField<MC>("emerClearDelay", &MC::emerClearDelay, nullptr, Gate::Extended),
    optionalField<MC>("emerCancelationDelay", &MC::emerCancelationDelay, nullptr, Gate::Extended),
    optionalField<MC>("emergencyMinVolume", &MC::emergencyMinVolume, nullptr, Gate::Extended),
    onOff<MC>("twoActionPowerOff", &MC::twoActionPowerOff, Gate::Extended, kSwitch),
    optionalField<MC>("RadioOTVA", &MC::RadioOTVA, nullptr, Gate::Extended, kVoiceFile),
    optionalField<MC>("RadioLongExposureOTVA", &MC::RadioLongExposureOTVA, nullptr, Gate::Extended,
                      kVoiceFile),
    optionalField<MC>("RSMLongExposureOTVA", &MC::RSMLongExposureOTVA, nullptr, Gate::Extended,
                      kVoiceFile),
};

// The rows written before the display lines.
constexpr std::size_t kPasswordRows = 2;

// After the display attributes, up to and including keypadTones. The day/night mode, the
// backlight timeouts and the voice files are read for every radio type.
const Visit kMiscRead[] = {
    {"enableTriColorLed"},
    {"frontFpDayNightMode", Gate::All},
    {"enableStatusBasedLighting"},
    {"enableSystemLIDDisplay"},
    {"enableSystemDCELookup"},
    {"hideSystems"},
    {"enableSystemTopDisplay"},
    {"followNFPALedIndication"},
    {"flashBLOutOfRange"},
    {"emerClearDelay"},
    {"emerCancelationDelay"},
    {"emergencyMinVolume"},
    {"transBLTimeout", Gate::All},
    {"recvBLTimeout", Gate::All},
    {"emerRecvBLTimeout", Gate::All},
    {"overTemperatureBLTimeout", Gate::All},
    {"outOfRangeBLTimeout", Gate::All},
    {"fsmFailureBLTimeout", Gate::All},
    {"RadioOTVA", Gate::All},
    {"RadioLongExposureOTVA", Gate::All},
    {"RSMLongExposureOTVA", Gate::All},
    {"topColorInvert"},
    {"batteryType"},
    {"password"},
    {"maintenancePassword"},
    {"p25Optimize"},
    {"mobileTopLevelMenu"},
    {"keypadTones"},
};

const Visit kMiscReadLast[] = {{"twoActionPowerOff"}, {"highPowerEmergency"}};

// The ranges that hold for every radio type.
const Visit kMiscChecks[] = {
    {"enableTriColorLed"},
    {"topColorInvert"},
    {"batteryType"},
    {"password"},
    {"maintenancePassword"},
    {"keypadTones"},
    {"frontFpDayNightMode"},
    {"mobileTopLevelMenu"},
    {"hideSystems"},
    {"RadioOTVA"},
    {"RadioLongExposureOTVA"},
    {"RSMLongExposureOTVA"},
    {"enableSystemTopDisplay"},
    {"followNFPALedIndication"},
    {"flashBLOutOfRange"},
    {"twoActionPowerOff"},
    {"highPowerEmergency"},
};

// The checks that depend on the radio type, made by the reader.
const Visit kMiscTypeChecks[] = {
    {"p25Optimize", Gate::Classic},
    {"enableStatusBasedLighting", Gate::Extended},
    {"enableSystemLIDDisplay", Gate::Extended},
    {"enableSystemDCELookup", Gate::Extended},
    {"hideSystems", Gate::Extended},
};

// After the display summaries. Each number up to topColorInvert is closed by a double
// quote, which the next literal opens with.
const SummaryVisit kMiscSummary[] = {
    {"enableTriColorLed", ", enableTriColorLed: "},
    {"enableStatusBasedLighting", "\", enableStatusBasedLighting: ", Shown::Number, Gate::Extended},
    {"enableSystemLIDDisplay", "\", enableSystemLIDDisplay: ", Shown::Number, Gate::Extended},
    {"enableSystemDCELookup", "\", enableSystemDCELookup: ", Shown::Number, Gate::Extended},
    {"topColorInvert", "\", topColorInvert: "},
    {"batteryType", " \", Battery: ", Shown::Name},
    {"password", ", Password: \"", Shown::Quoted},
    {"maintenancePassword", ", Maint. Password: \"", Shown::Quoted},
};

}  // namespace

std::wostream& writeTopDisplay(std::wostream& os, const TopDisplayConfig& top) {
    if (isXmlMode(os)) {
        writeXmlFields<Top>(os, top, kTop, 3);
    } else {
        writeSummaryFields<Top>(os, top, kTop, kTopSummary);
        os << " }";
    }
    return os;
}

std::wostream& writeFrontDisplay(std::wostream& os, const FrontDisplayConfig& front) {
    if (isXmlMode(os)) {
        writeXmlFields<Front>(os, front, kFront, 3);
    } else {
        writeSummaryFields<Front>(os, front, kFront, kFrontSummary);
        os << " }";
    }
    return os;
}

bool validateMiscConfig(const MiscConfig& misc) {
    return checkFields<Top>(misc.topDisplay, kTop, kTopChecks) &&
           checkFields<Front>(misc.frontDisplay, kFront, kFrontChecks) &&
           checkFields<MC>(misc, kMisc, kMiscChecks);
}

std::wostream& writeMiscConfig(std::wostream& os, const MiscConfig& misc) {
    const std::span<const Field<MC>> rows(kMisc);
    if (isXmlMode(os)) {
        os << "<miscConfig\n";
        writeXmlFields<MC>(os, misc, rows.first(kPasswordRows), 3);
        writeTopDisplay(os, misc.topDisplay);
        writeFrontDisplay(os, misc.frontDisplay);
        writeXmlFields<MC>(os, misc, rows.subspan(kPasswordRows), 3);
        os << " />\n";
    } else {
        os << "{ Top Panel: ";
        writeTopDisplay(os, misc.topDisplay);
        os << ", Front Panel: ";
        writeFrontDisplay(os, misc.frontDisplay);
        writeSummaryFields<MC>(os, misc, kMisc, kMiscSummary);
        os << " }";
    }
    return os;
}

bool readMiscConfig(pugi::xml_node node, MiscConfig& misc) {
    if (!readFields<Top>(node, misc.topDisplay, kTop, kTopRead) ||
        !readFields<Front>(node, misc.frontDisplay, kFront, kFrontRead) ||
        !readFields<MC>(node, misc, kMisc, kMiscRead))
        return false;
    // An absent keypadTones means OFF, whatever the record held.
    if (!node.attribute(fieldOf<MC>(kMisc, "keypadTones").name)) misc.keypadTones = 0;
    if (!readFields<MC>(node, misc, kMisc, kMiscReadLast)) return false;
    return validateMiscConfig(misc) && checkFields<MC>(misc, kMisc, kMiscTypeChecks);
}

}  // namespace tarin
