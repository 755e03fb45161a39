#include "TarinTranslator/platform_xml/AudioMisc.h"
#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/Sections.h"

namespace tarin {

namespace {

// ---- bluetoothConfig -------------------------------------------------------------------

using BT = BluetoothConfig;

const XmlAttr<BT> kBluetoothXml[] = {
    {"   btMode='", &BT::btMode, &OnOffNames},
    {"   btMITMRequired='", &BT::btMITMRequired, &OnOffNames},
    {"   btIndicatorLED='", &BT::btIndicatorLED, &OnOffNames},
    {"   friendlyName='", &BT::friendlyName, nullptr, Gate::Classic},
    {"   btAdminMode='", &BT::btAdminMode, &OnOffNames, Gate::Classic},
};

enum { kBtAdminModeItem = 4 };
const ReadAttr<BT> kBluetoothRead[] = {
    {.name = "btMode", .field = &BT::btMode, .names = &OnOffNames},
    {.name = "btMITMRequired", .field = &BT::btMITMRequired, .names = &OnOffNames},
    {.name = "btIndicatorLED", .field = &BT::btIndicatorLED, .names = &OnOffNames},
    {.name = "friendlyName", .field = &BT::friendlyName, .gate = Gate::Classic, .max = 39},
    {.name = "btAdminMode", .field = &BT::btAdminMode, .names = &OnOffNames, .gate = Gate::Classic},
};

const Check<BT> kBluetoothChecks[] = {
    {"btMode", &BT::btMode, 0, 1},
    {"btAdminMode", &BT::btAdminMode, 0, 1, Gate::Classic},
    {"btMITMRequired", &BT::btMITMRequired, 0, 1, Gate::Classic},
    {"friendlyName", &BT::friendlyName, 1, 39, Gate::Classic},
};

// ---- gpsConfig -------------------------------------------------------------------------

using Gps = GpsConfig;

const XmlAttr<Gps> kGpsXml[] = {
    {"   gpsMode='", &Gps::gpsMode, &OnOffNames},
    {"   nmeaOverUsb='", &Gps::nmeaOverUsb, &OnOffNames},
    {"   type='", &Gps::type, &GpsTypeNames},
    {"   operationMode='", &Gps::operationMode, &GpsOperationModeNames},
    {"   mapDatum='", &Gps::mapDatum, &MapDatumNames},
    {"   positionFormat='", &Gps::positionFormat, &PositionFormatNames},
    {"   linearUnits='", &Gps::linearUnits, &LinearUnitsNames},
    {"   angularUnits='", &Gps::angularUnits, &AngularUnitsNames},
    {"   elevationBasis='", &Gps::elevationBasis, &ElevationBasisNames},
    {"   gridDigits='", &Gps::gridDigits},
    {"   northing='", &Gps::northing, &NorthingNames},
};

const SummaryItem<Gps> kGpsSummary[] = {
    {"{Config Mode: ", &Gps::gpsMode, Shown::Name, &OnOffNames},
    {"  nmeaOverUsb='", &Gps::nmeaOverUsb, Shown::Name, &OnOffNames},
    {"'\n, Type: ", &Gps::type, Shown::Name, &GpsTypeNames},
    {", Op Mode: ", &Gps::operationMode, Shown::Name, &GpsOperationModeNames},
    {", Map Datum: ", &Gps::mapDatum, Shown::Name, &MapDatumNames},
    {", Position Format: ", &Gps::positionFormat, Shown::Name, &PositionFormatNames},
    {", Linear Units: ", &Gps::linearUnits, Shown::Name, &LinearUnitsNames},
    {", Angular Units: ", &Gps::angularUnits, Shown::Name, &AngularUnitsNames},
    {", Elevation Basis: ", &Gps::elevationBasis, Shown::Name, &ElevationBasisNames},
    {", Grid Digits: ", &Gps::gridDigits},
    {", Northing: ", &Gps::northing, Shown::Name, &NorthingNames},
};

const ReadAttr<Gps> kGpsRead[] = {
    {.name = "gpsMode", .field = &Gps::gpsMode, .names = &OnOffNames},
    {.name = "nmeaOverUsb", .field = &Gps::nmeaOverUsb, .names = &OnOffNames, .use = Use::Optional},
    {.name = "type", .field = &Gps::type, .names = &GpsTypeNames},
    {.name = "operationMode", .field = &Gps::operationMode, .names = &GpsOperationModeNames},
    {.name = "mapDatum", .field = &Gps::mapDatum, .names = &MapDatumNames},
    {.name = "positionFormat", .field = &Gps::positionFormat, .names = &PositionFormatNames},
    {.name = "linearUnits", .field = &Gps::linearUnits, .names = &LinearUnitsNames},
    {.name = "angularUnits", .field = &Gps::angularUnits, .names = &AngularUnitsNames},
    {.name = "elevationBasis", .field = &Gps::elevationBasis, .names = &ElevationBasisNames},
    {.name = "gridDigits", .field = &Gps::gridDigits},
    {.name = "northing", .field = &Gps::northing, .names = &NorthingNames},
};

const Check<Gps> kGpsChecks[] = {
    {"gpsMode", &Gps::gpsMode, 0, 1},
    {"nmeaOverUsb", &Gps::nmeaOverUsb, 0, 1},
    {"type", &Gps::type, 0, 0},
    {"operationMode", &Gps::operationMode, 1, 1},
    {"positionFormat", &Gps::positionFormat, 0, 4},
    {"linearUnits", &Gps::linearUnits, 0, 2},
    {"angularUnits", &Gps::angularUnits, 0, 2},
    {"elevationBasis", &Gps::elevationBasis, 0, 1},
    {"gridDigits", &Gps::gridDigits, 0, 99},
    {"northing", &Gps::northing, 1, 4},
};

// ---- mobile gpsConfig ------------------------------------------------------------------

using MGps = MobileGpsConfig;

// The mobile writer shows a type of 0 as the name of 1.
uint32_t shownMobileGpsType(uint32_t type) {
    return type == 0 ? 1 : type;
}

const XmlAttr<MGps> kMobileGpsXml[] = {
    {"   operationMode='", &MGps::operationMode, &GpsOperationModeNames},
    {"   mapDatum='", &MGps::mapDatum, &MapDatumNames},
    {"   positionFormat='", &MGps::positionFormat, &PositionFormatNames},
    {"   linearUnits='", &MGps::linearUnits, &LinearUnitsNames},
    {"   angularUnits='", &MGps::angularUnits, &AngularUnitsNames},
    {"   elevationBasis='", &MGps::elevationBasis, &ElevationBasisNames},
    {"   gridDigits='", &MGps::gridDigits},
    {"   northing='", &MGps::northing, &NorthingNames},
};

const SummaryItem<MGps> kMobileGpsSummary[] = {
    {", Op Mode: ", &MGps::operationMode, Shown::Name, &GpsOperationModeNames},
    {", Map Datum: ", &MGps::mapDatum, Shown::Name, &MapDatumNames},
    {", Position Format: ", &MGps::positionFormat, Shown::Name, &PositionFormatNames},
    {", Linear Units: ", &MGps::linearUnits, Shown::Name, &LinearUnitsNames},
    {", Angular Units: ", &MGps::angularUnits, Shown::Name, &AngularUnitsNames},
    {", Elevation Basis: ", &MGps::elevationBasis, Shown::Name, &ElevationBasisNames},
    {", Grid Digits: ", &MGps::gridDigits},
    {", Northing: ", &MGps::northing, Shown::Name, &NorthingNames},
};

const ReadAttr<MGps> kMobileGpsRead[] = {
    {.name = "type", .field = &MGps::type, .names = &MobileGpsTypeNames},
    {.name = "operationMode", .field = &MGps::operationMode, .names = &GpsOperationModeNames},
    {.name = "mapDatum", .field = &MGps::mapDatum, .names = &MapDatumNames},
    {.name = "positionFormat", .field = &MGps::positionFormat, .names = &PositionFormatNames},
    {.name = "linearUnits", .field = &MGps::linearUnits, .names = &LinearUnitsNames},
    {.name = "angularUnits", .field = &MGps::angularUnits, .names = &AngularUnitsNames},
    {.name = "elevationBasis", .field = &MGps::elevationBasis, .names = &ElevationBasisNames},
    {.name = "gridDigits", .field = &MGps::gridDigits},
    {.name = "northing", .field = &MGps::northing, .names = &NorthingNames},
};

const Check<MGps> kMobileGpsChecks[] = {
    {"type", &MGps::type, 0, 1},
    {"operationMode", &MGps::operationMode, 0, 3},
    {"positionFormat", &MGps::positionFormat, 0, 4},
    {"linearUnits", &MGps::linearUnits, 0, 2},
    {"angularUnits", &MGps::angularUnits, 0, 2},
    {"elevationBasis", &MGps::elevationBasis, 0, 1},
    {"gridDigits", &MGps::gridDigits, 0, 99},
    {"northing", &MGps::northing, 1, 4},
};

}  // namespace

std::wostream& writeBluetoothConfig(std::wostream& os, const BluetoothConfig& bt) {
    if (isXmlMode(os)) {
        os << "<bluetoothConfig\n";
        writeXmlAttrs<BT>(os, bt, kBluetoothXml);
        os << " />\n";
    } else if (isClassicCode(currentRadioType())) {
        os << "{ Mode: " << bt.btMode << ", Admin Mode: " << bt.btAdminMode << ", Friendly Name: \""
           << bt.friendlyName << "\"}";
    } else {
        os << "{ Mode: " << bt.btMode << "}{ MITM: " << bt.btMITMRequired << "}";
    }
    return os;
}

bool readBluetoothConfig(pugi::xml_node node, BluetoothConfig& bt) {
    bool seen[std::size(kBluetoothRead)] = {};
    if (!walkAttrs<BT>(node, bt, kBluetoothRead, seen)) return false;
    if (!seen[kBtAdminModeItem]) bt.btAdminMode = bt.btMode;
    return checkRanges<BT>(bt, kBluetoothChecks);
}

std::wostream& writeGpsConfig(std::wostream& os, const GpsConfig& gps) {
    if (isXmlMode(os)) {
        os << "<gpsConfig\n";
        writeXmlAttrs<Gps>(os, gps, kGpsXml);
        os << " />\n";
    } else {
        writeSummaryItems<Gps>(os, gps, kGpsSummary);
        os << "}";
    }
    return os;
}

bool validateGpsConfig(const GpsConfig& gps) {
    // DATUM_WGD, DATUM_WGS, DATUM_NAR_C, DATUM_NAS_C
    return checkRanges<Gps>(gps, kGpsChecks) &&
           expect(isOneOf(gps.mapDatum, {1, 2, 128, 134}), "mapDatum", [&] {
               return std::string("mapDatum=") + lookupName(gps.mapDatum, MapDatumNames) +
                      " is not DATUM_WGD, DATUM_WGS, DATUM_NAR_C or DATUM_NAS_C";
           });
}

bool readGpsConfig(pugi::xml_node node, GpsConfig& gps) {
    return readAttrs<Gps>(node, gps, kGpsRead) && validateGpsConfig(gps);
}

std::wostream& writeMobileGpsConfig(std::wostream& os, const MobileGpsConfig& gps) {
    const char* type = lookupName(shownMobileGpsType(gps.type), MobileGpsTypeNames);
    if (isXmlMode(os)) {
        os << "<gpsConfig\n   type='" << type << "'\n";
        writeXmlAttrs<MGps>(os, gps, kMobileGpsXml);
        os << " />\n";
    } else {
        os << "{Config Type: " << type;
        writeSummaryItems<MGps>(os, gps, kMobileGpsSummary);
        os << "}";
    }
    return os;
}

bool validateMobileGpsConfig(const MobileGpsConfig& gps) {
    return checkRanges<MGps>(gps, kMobileGpsChecks);
}

bool readMobileGpsConfig(pugi::xml_node node, MobileGpsConfig& gps) {
    return readAttrs<MGps>(node, gps, kMobileGpsRead) && validateMobileGpsConfig(gps);
}

}  // namespace tarin
