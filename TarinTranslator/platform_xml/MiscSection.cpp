#include "TarinTranslator/platform_xml/AudioMisc.h"
#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/Sections.h"

// Handheld miscConfig: display and lighting, battery, passwords, emergency timing. Every
// attribute is optional on reading.

namespace tarin {

namespace {

// ---- top display -----------------------------------------------------------------------

using Top = TopDisplayConfig;

const XmlAttr<Top> kTopXml[] = {
    {"   topFpMode='", &Top::topFpMode, &BacklightModeNames},
    {"   topFpOrient='", &Top::topFpOrient, &TopDisplayOrientationNames},
    {"   topFpIntensity='", &Top::topFpIntensity},
    {"   topFpTimeout='", &Top::topFpTimeout},
};

const SummaryItem<Top> kTopSummary[] = {
    {"{ Backlight: ", &Top::topFpMode, Shown::Name, &BacklightModeNames},
    {", Intensity: ", &Top::topFpIntensity},
    {", Orientation: ", &Top::topFpOrient, Shown::Name, &TopDisplayOrientationNames},
    {", Timeout: ", &Top::topFpTimeout},
};

const ReadAttr<Top> kTopRead[] = {
    {.name = "topFpIntensity", .field = &Top::topFpIntensity, .use = Use::Optional},
    {.name = "topFpTimeout", .field = &Top::topFpTimeout, .use = Use::Optional},
    {.name = "topFpOrient",
     .field = &Top::topFpOrient,
     .names = &TopDisplayOrientationNames,
     .use = Use::Optional},
    {.name = "topFpMode",
     .field = &Top::topFpMode,
     .names = &BacklightModeNames,
     .use = Use::Optional},
};

// The top panel takes only the first three backlight modes.
const Check<Top> kTopChecks[] = {
    {"topFpIntensity", &Top::topFpIntensity, 0, 10},
    {"topFpOrient", &Top::topFpOrient, 0, 2},
    {"topFpMode", &Top::topFpMode, 0, 2},
    {"topFpTimeout", &Top::topFpTimeout, 1, 60},
};

// ---- front display ---------------------------------------------------------------------

using Front = FrontDisplayConfig;

const XmlAttr<Front> kFrontXml[] = {
    {"   frontFpMode='", &Front::frontFpMode, &BacklightModeNames},
    {"   frontFpIntensity='", &Front::frontFpIntensity},
    {"   frontFpTimeout='", &Front::frontFpTimeout},
};

const SummaryItem<Front> kFrontSummary[] = {
    {"{ Intensity: ", &Front::frontFpIntensity},
    {", Backlight: ", &Front::frontFpMode, Shown::Name, &BacklightModeNames},
    {", Timeout: ", &Front::frontFpTimeout},
};

const ReadAttr<Front> kFrontRead[] = {
    {.name = "frontFpMode",
     .field = &Front::frontFpMode,
     .names = &BacklightModeNames,
     .use = Use::Optional},
    {.name = "frontFpTimeout", .field = &Front::frontFpTimeout, .use = Use::Optional},
    {.name = "frontFpIntensity", .field = &Front::frontFpIntensity, .use = Use::Optional},
};

const Check<Front> kFrontChecks[] = {
    {"frontFpIntensity", &Front::frontFpIntensity, 0, 10},
    {"frontFpMode", &Front::frontFpMode, 0, 5},
    {"frontFpTimeout", &Front::frontFpTimeout, 1, 60},
};

// ---- miscConfig ------------------------------------------------------------------------

using MC = MiscConfig;

const XmlAttr<MC> kPasswordXml[] = {
    {"   password='", &MC::password, nullptr, Gate::All, true},
    {"   maintenancePassword='", &MC::maintenancePassword, nullptr, Gate::All, true},
};

// After the display lines. The classic codes end with keypadTones.
const XmlAttr<MC> kMiscXml[] = {
    {"   enableTriColorLed='", &MC::enableTriColorLed, &OnOffNames},
    {"   enableStatusBasedLighting='", &MC::enableStatusBasedLighting, &OnOffNames, Gate::Extended},
    {"   enableSystemLIDDisplay='", &MC::enableSystemLIDDisplay, &SystemDisplayNames,
     Gate::Extended},
    {"   topColorInvert='", &MC::topColorInvert, &OnOffNames},
    {"   batteryType='", &MC::batteryType, &BatteryTypeNames},
    {"   frontFpDayNightMode='", &MC::frontFpDayNightMode, &DayNightModeNames, Gate::VrMobile},
    {"   p25Optimize='", &MC::p25Optimize, &OnOffNames, Gate::Classic},
    {"   mobileTopLevelMenu='", &MC::mobileTopLevelMenu, &OnOffNames},
    {"   keypadTones='", &MC::keypadTones, &OnOffNames},
    {"   highPowerEmergency='", &MC::highPowerEmergency, &OnOffNames, Gate::Hazard},
    {"   enableSystemDCELookup='", &MC::enableSystemDCELookup, &OnOffNames, Gate::Extended},
    {"   hideSystems='", &MC::hideSystems, &OnOffNames, Gate::Extended},
    {"   enableSystemTopDisplay='", &MC::enableSystemTopDisplay, &OnOffNames, Gate::Extended},
    {"   followNFPALedIndication='", &MC::followNFPALedIndication, &OnOffNames, Gate::Extended},
    {"   flashBLOutOfRange='", &MC::flashBLOutOfRange, &OnOffNames, Gate::Extended},
    {"   transBLTimeout='", &MC::transBLTimeout, nullptr, Gate::Extended},
    {"   recvBLTimeout='", &MC::recvBLTimeout, nullptr, Gate::Extended},
    {"   emerRecvBLTimeout='", &MC::emerRecvBLTimeout, nullptr, Gate::Extended},
    {"   overTemperatureBLTimeout='", &MC::overTemperatureBLTimeout, nullptr, Gate::Extended},
    {"   outOfRangeBLTimeout='", &MC::outOfRangeBLTimeout, nullptr, Gate::Extended},
    {"   fsmFailureBLTimeout='", &MC::fsmFailureBLTimeout, nullptr, Gate::Extended},
    {"   emerClearDelay='", &MC::emerClearDelay, nullptr, Gate::Extended},
    {"   emerCancelationDelay='", &MC::emerCancelationDelay, nullptr, Gate::Extended},
    {"   emergencyMinVolume='", &MC::emergencyMinVolume, nullptr, Gate::Extended},
    {"   twoActionPowerOff='", &MC::twoActionPowerOff, &OnOffNames, Gate::Extended},
    {"   RadioOTVA='", &MC::RadioOTVA, nullptr, Gate::Extended},
    {"   RadioLongExposureOTVA='", &MC::RadioLongExposureOTVA, nullptr, Gate::Extended},
    {"   RSMLongExposureOTVA='", &MC::RSMLongExposureOTVA, nullptr, Gate::Extended},
};

// After the display summaries. Each number up to topColorInvert is closed by a double
// quote, which the next literal opens with.
const SummaryItem<MC> kMiscSummary[] = {
    {", enableTriColorLed: ", &MC::enableTriColorLed},
    {"\", enableStatusBasedLighting: ", &MC::enableStatusBasedLighting, Shown::Number, nullptr,
     Gate::Extended},
    {"\", enableSystemLIDDisplay: ", &MC::enableSystemLIDDisplay, Shown::Number, nullptr,
     Gate::Extended},
    {"\", enableSystemDCELookup: ", &MC::enableSystemDCELookup, Shown::Number, nullptr,
     Gate::Extended},
    {"\", topColorInvert: ", &MC::topColorInvert},
    {" \", Battery: ", &MC::batteryType, Shown::Name, &BatteryTypeNames},
    {", Password: \"", &MC::password, Shown::Quoted},
    {", Maint. Password: \"", &MC::maintenancePassword, Shown::Quoted},
};

// After the display attributes, up to and including keypadTones.
const ReadAttr<MC> kMiscRead[] = {
    {.name = "enableTriColorLed",
     .field = &MC::enableTriColorLed,
     .names = &OnOffNames,
     .use = Use::Optional},
    {.name = "frontFpDayNightMode",
     .field = &MC::frontFpDayNightMode,
     .names = &DayNightModeNames,
     .use = Use::Optional},
    {.name = "enableStatusBasedLighting",
     .field = &MC::enableStatusBasedLighting,
     .names = &OnOffNames,
     .use = Use::Optional,
     .gate = Gate::Extended},
    {.name = "enableSystemLIDDisplay",
     .field = &MC::enableSystemLIDDisplay,
     .names = &SystemDisplayNames,
     .use = Use::Optional,
     .gate = Gate::Extended},
    {.name = "enableSystemDCELookup",
     .field = &MC::enableSystemDCELookup,
     .names = &OnOffNames,
     .use = Use::Optional,
     .gate = Gate::Extended},
    {.name = "hideSystems",
     .field = &MC::hideSystems,
     .names = &OnOffNames,
     .use = Use::Optional,
     .gate = Gate::Extended},
    {.name = "enableSystemTopDisplay",
     .field = &MC::enableSystemTopDisplay,
     .names = &OnOffNames,
     .use = Use::Optional,
     .gate = Gate::Extended},
    {.name = "followNFPALedIndication",
     .field = &MC::followNFPALedIndication,
     .names = &OnOffNames,
     .use = Use::Optional,
     .gate = Gate::Extended},
    {.name = "flashBLOutOfRange",
     .field = &MC::flashBLOutOfRange,
     .names = &OnOffNames,
     .use = Use::Optional,
     .gate = Gate::Extended},
    {.name = "emerClearDelay",
     .field = &MC::emerClearDelay,
     .use = Use::Optional,
     .gate = Gate::Extended},
    {.name = "emerCancelationDelay",
     .field = &MC::emerCancelationDelay,
     .use = Use::Optional,
     .gate = Gate::Extended},
    {.name = "emergencyMinVolume",
     .field = &MC::emergencyMinVolume,
     .use = Use::Optional,
     .gate = Gate::Extended},
    {.name = "transBLTimeout", .field = &MC::transBLTimeout, .use = Use::Optional},
    {.name = "recvBLTimeout", .field = &MC::recvBLTimeout, .use = Use::Optional},
    {.name = "emerRecvBLTimeout", .field = &MC::emerRecvBLTimeout, .use = Use::Optional},
    {.name = "overTemperatureBLTimeout",
     .field = &MC::overTemperatureBLTimeout,
     .use = Use::Optional},
    {.name = "outOfRangeBLTimeout", .field = &MC::outOfRangeBLTimeout, .use = Use::Optional},
    {.name = "fsmFailureBLTimeout", .field = &MC::fsmFailureBLTimeout, .use = Use::Optional},
    {.name = "RadioOTVA", .field = &MC::RadioOTVA, .use = Use::Optional},
    {.name = "RadioLongExposureOTVA", .field = &MC::RadioLongExposureOTVA, .use = Use::Optional},
    {.name = "RSMLongExposureOTVA", .field = &MC::RSMLongExposureOTVA, .use = Use::Optional},
    {.name = "topColorInvert",
     .field = &MC::topColorInvert,
     .names = &OnOffNames,
     .use = Use::Optional},
    {.name = "batteryType",
     .field = &MC::batteryType,
     .names = &BatteryTypeNames,
     .use = Use::Optional},
    {.name = "password", .field = &MC::password, .use = Use::Optional, .max = 15},
    {.name = "maintenancePassword",
     .field = &MC::maintenancePassword,
     .use = Use::Optional,
     .max = 15},
    {.name = "p25Optimize",
     .field = &MC::p25Optimize,
     .names = &OnOffNames,
     .use = Use::Optional,
     .gate = Gate::Classic},
    {.name = "mobileTopLevelMenu",
     .field = &MC::mobileTopLevelMenu,
     .names = &OnOffNames,
     .use = Use::Optional},
    {.name = "keypadTones", .field = &MC::keypadTones, .names = &OnOffNames, .use = Use::Optional},
};

const ReadAttr<MC> kMiscReadLast[] = {
    {.name = "twoActionPowerOff",
     .field = &MC::twoActionPowerOff,
     .names = &OnOffNames,
     .use = Use::Optional,
     .gate = Gate::Extended},
    {.name = "highPowerEmergency",
     .field = &MC::highPowerEmergency,
     .names = &OnOffNames,
     .use = Use::Optional,
     .gate = Gate::Hazard},
};

const Check<MC> kMiscChecks[] = {
    {"enableTriColorLed", &MC::enableTriColorLed, 0, 1},
    {"topColorInvert", &MC::topColorInvert, 0, 1},
    {"batteryType", &MC::batteryType, 1, 5},
    {"password", &MC::password, 0, 15},
    {"maintenancePassword", &MC::maintenancePassword, 0, 15},
    {"keypadTones", &MC::keypadTones, 0, 1},
    {"frontFpDayNightMode", &MC::frontFpDayNightMode, 0, 2},
    {"mobileTopLevelMenu", &MC::mobileTopLevelMenu, 0, 1},
    {"hideSystems", &MC::hideSystems, 0, 1},
    {"RadioOTVA", &MC::RadioOTVA, 0, 5000},
    {"RadioLongExposureOTVA", &MC::RadioLongExposureOTVA, 0, 5000},
    {"RSMLongExposureOTVA", &MC::RSMLongExposureOTVA, 0, 5000},
    {"enableSystemTopDisplay", &MC::enableSystemTopDisplay, 0, 1},
    {"followNFPALedIndication", &MC::followNFPALedIndication, 0, 1},
    {"flashBLOutOfRange", &MC::flashBLOutOfRange, 0, 1},
    {"twoActionPowerOff", &MC::twoActionPowerOff, 0, 1},
    {"highPowerEmergency", &MC::highPowerEmergency, 0, 1},
};

// The checks that depend on the radio type, made by the reader.
const Check<MC> kMiscTypeChecks[] = {
    {"p25Optimize", &MC::p25Optimize, 0, 1, Gate::Classic},
    {"enableStatusBasedLighting", &MC::enableStatusBasedLighting, 0, 1, Gate::Extended},
    {"enableSystemLIDDisplay", &MC::enableSystemLIDDisplay, 0, 2, Gate::Extended},
    {"enableSystemDCELookup", &MC::enableSystemDCELookup, 0, 1, Gate::Extended},
    {"hideSystems", &MC::hideSystems, 0, 1, Gate::Extended},
};

}  // namespace

std::wostream& writeTopDisplay(std::wostream& os, const TopDisplayConfig& top) {
    if (isXmlMode(os)) {
        writeXmlAttrs<Top>(os, top, kTopXml);
    } else {
        writeSummaryItems<Top>(os, top, kTopSummary);
        os << " }";
    }
    return os;
}

std::wostream& writeFrontDisplay(std::wostream& os, const FrontDisplayConfig& front) {
    if (isXmlMode(os)) {
        writeXmlAttrs<Front>(os, front, kFrontXml);
    } else {
        writeSummaryItems<Front>(os, front, kFrontSummary);
        os << " }";
    }
    return os;
}

bool validateMiscConfig(const MiscConfig& misc) {
    return checkRanges<Top>(misc.topDisplay, kTopChecks) &&
           checkRanges<Front>(misc.frontDisplay, kFrontChecks) &&
           checkRanges<MC>(misc, kMiscChecks);
}

std::wostream& writeMiscConfig(std::wostream& os, const MiscConfig& misc) {
    if (isXmlMode(os)) {
        os << "<miscConfig\n";
        writeXmlAttrs<MC>(os, misc, kPasswordXml);
        writeTopDisplay(os, misc.topDisplay);
        writeFrontDisplay(os, misc.frontDisplay);
        writeXmlAttrs<MC>(os, misc, kMiscXml);
        os << " />\n";
    } else {
        os << "{ Top Panel: ";
        writeTopDisplay(os, misc.topDisplay);
        os << ", Front Panel: ";
        writeFrontDisplay(os, misc.frontDisplay);
        writeSummaryItems<MC>(os, misc, kMiscSummary);
        os << " }";
    }
    return os;
}

bool readMiscConfig(pugi::xml_node node, MiscConfig& misc) {
    if (!readAttrs<Top>(node, misc.topDisplay, kTopRead) ||
        !readAttrs<Front>(node, misc.frontDisplay, kFrontRead) ||
        !readAttrs<MC>(node, misc, kMiscRead))
        return false;
    // An absent keypadTones means OFF, whatever the record held.
    if (!node.attribute("keypadTones")) misc.keypadTones = 0;
    if (!readAttrs<MC>(node, misc, kMiscReadLast)) return false;
    return validateMiscConfig(misc) && checkRanges<MC>(misc, kMiscTypeChecks);
}

}  // namespace tarin
