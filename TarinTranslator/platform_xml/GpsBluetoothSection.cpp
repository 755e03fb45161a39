#include "TarinTranslator/platform_xml/AudioMisc.h"
#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/Sections.h"

namespace tarin {

namespace {

// ---- bluetoothConfig -------------------------------------------------------------------

using BT = BluetoothConfig;

constexpr Field<BT> btOnOff(const char* name, uint32_t BT::*member, Gate gate = Gate::All,
                            std::optional<Judged> check = std::nullopt) {
    return {.name = name, .member = member, .names = &OnOffNames, .gate = gate, .check = check};
}

const Field<BT> kBluetooth[] = {
    btOnOff("btMode", &BT::btMode, Gate::All, Judged{0, 1}),
    btOnOff("btMITMRequired", &BT::btMITMRequired, Gate::All, Judged{0, 1}),
    btOnOff("btIndicatorLED", &BT::btIndicatorLED),
    {.name = "friendlyName",
     .member = &BT::friendlyName,
     .gate = Gate::Classic,
     .max = 39,
     .check = Judged{1, 39}},
    btOnOff("btAdminMode", &BT::btAdminMode, Gate::Classic, Judged{0, 1}),
};

// The check judges the admin mode second, and all but the mode for the classic codes only.
const Visit kBluetoothChecks[] = {
    {"btMode"},
    {"btAdminMode", Gate::Classic},
    {"btMITMRequired", Gate::Classic},
    {"friendlyName", Gate::Classic},
};

const SummaryVisit kBluetoothSummary[] = {
    {"btMode", "{ Mode: "},
    {"btAdminMode", ", Admin Mode: ", Shown::Number, Gate::Classic},
    {"friendlyName", ", Friendly Name: \"", Shown::Quoted, Gate::Classic},
    {"btMITMRequired", "}{ MITM: ", Shown::Number, Gate::Extended},
};

// ---- gpsConfig -------------------------------------------------------------------------

// The settings that the handheld and the mobile gpsConfig share, after their own.
template <class G>
constexpr std::array<Field<G>, 7> gpsUnits() {
    return {{
        named<G>("mapDatum", &G::mapDatum, MapDatumNames),
        named<G>("positionFormat", &G::positionFormat, PositionFormatNames, Judged{0, 4}),
        named<G>("linearUnits", &G::linearUnits, LinearUnitsNames, Judged{0, 2}),
        named<G>("angularUnits", &G::angularUnits, AngularUnitsNames, Judged{0, 2}),
        named<G>("elevationBasis", &G::elevationBasis, ElevationBasisNames, Judged{0, 1}),
        {.name = "gridDigits", .member = &G::gridDigits, .check = Judged{0, 99}},
        named<G>("northing", &G::northing, NorthingNames, Judged{1, 4}),
    }};
}

// `first`, then `then`.
template <class T, std::size_t N, std::size_t M>
constexpr std::array<T, N + M> joined(const std::array<T, N>& first, const std::array<T, M>& then) {
    std::array<T, N + M> all{};
    for (std::size_t i = 0; i < N; ++i) all[i] = first[i];
    for (std::size_t i = 0; i < M; ++i) all[N + i] = then[i];
    return all;
}

// How both summaries show the operation mode and the shared settings.
constexpr auto kGpsUnitsSummary = std::to_array<SummaryVisit>({
    {"operationMode", ", Op Mode: ", Shown::Name},
    {"mapDatum", ", Map Datum: ", Shown::Name},
    {"positionFormat", ", Position Format: ", Shown::Name},
    {"linearUnits", ", Linear Units: ", Shown::Name},
    {"angularUnits", ", Angular Units: ", Shown::Name},
    {"elevationBasis", ", Elevation Basis: ", Shown::Name},
    {"gridDigits", ", Grid Digits: "},
    {"northing", ", Northing: ", Shown::Name},
});

using Gps = GpsConfig;

constexpr auto kGps = joined(
    std::to_array<Field<Gps>>({
        named<Gps>("gpsMode", &Gps::gpsMode, OnOffNames, Judged{0, 1}),
        {.name = "nmeaOverUsb",
         .member = &Gps::nmeaOverUsb,
         .names = &OnOffNames,
         .use = Use::Optional,
         .check = Judged{0, 1}},
        named<Gps>("type", &Gps::type, GpsTypeNames, Judged{0, 0}),
        named<Gps>("operationMode", &Gps::operationMode, GpsOperationModeNames, Judged{1, 1}),
    }),
    gpsUnits<Gps>());

constexpr auto kGpsSummary = joined(std::to_array<SummaryVisit>({
                                        {"gpsMode", "{Config Mode: ", Shown::Name},
                                        {"nmeaOverUsb", "  nmeaOverUsb='", Shown::Name},
                                        {"type", "'\n, Type: ", Shown::Name},
                                    }),
                                    kGpsUnitsSummary);

// ---- mobile gpsConfig ------------------------------------------------------------------

using MGps = MobileGpsConfig;

// The mobile writer shows a type of 0 as the name of 1.
uint32_t shownMobileGpsType(uint32_t type) {
    return type == 0 ? 1 : type;
}

constexpr auto kMobileGps = joined(
    std::to_array<Field<MGps>>({
        named<MGps>("type", &MGps::type, MobileGpsTypeNames, Judged{0, 1}),
        named<MGps>("operationMode", &MGps::operationMode, GpsOperationModeNames, Judged{0, 3}),
    }),
    gpsUnits<MGps>());

// The writer puts the type itself, as shownMobileGpsType has it.
const Visit kMobileGpsXml[] = {
    {"operationMode"}, {"mapDatum"},       {"positionFormat"}, {"linearUnits"},
    {"angularUnits"},  {"elevationBasis"}, {"gridDigits"},     {"northing"},
};

const auto& kMobileGpsSummary = kGpsUnitsSummary;

}  // namespace

std::wostream& writeBluetoothConfig(std::wostream& os, const BluetoothConfig& bt) {
    if (isXmlMode(os)) {
        os << "<bluetoothConfig\n";
        writeXmlFields<BT>(os, bt, kBluetooth, 3);
        os << " />\n";
    } else {
        writeSummaryFields<BT>(os, bt, kBluetooth, kBluetoothSummary);
        os << "}";
    }
    return os;
}

// The attributes are taken in document order; without btAdminMode the admin mode follows
// the mode.
bool readBluetoothConfig(pugi::xml_node node, BluetoothConfig& bt) {
    bool seen[std::size(kBluetooth)] = {};
    if (!walkFields<BT>(node, bt, kBluetooth, seen)) return false;
    const Field<BT>* adminMode = &fieldOf<BT>(kBluetooth, "btAdminMode");
    if (!seen[adminMode - kBluetooth]) bt.btAdminMode = bt.btMode;
    return checkFields<BT>(bt, kBluetooth, kBluetoothChecks);
}

std::wostream& writeGpsConfig(std::wostream& os, const GpsConfig& gps) {
    if (isXmlMode(os)) {
        os << "<gpsConfig\n";
        writeXmlFields<Gps>(os, gps, kGps, 3);
        os << " />\n";
    } else {
        writeSummaryFields<Gps>(os, gps, kGps, kGpsSummary);
        os << "}";
    }
    return os;
}

bool validateGpsConfig(const GpsConfig& gps) {
    const Field<Gps>& datum = fieldOf<Gps>(kGps, "mapDatum");
    // DATUM_WGD, DATUM_WGS, DATUM_NAR_C, DATUM_NAS_C
    return checkFields<Gps>(gps, kGps) &&
           expect(isOneOf(gps.mapDatum, {1, 2, 128, 134}), datum.name, [&] {
               return std::string(datum.name) + "=" + lookupName(gps.mapDatum, *datum.names) +
                      " is not DATUM_WGD, DATUM_WGS, DATUM_NAR_C or DATUM_NAS_C";
           });
}

bool readGpsConfig(pugi::xml_node node, GpsConfig& gps) {
    return readFields<Gps>(node, gps, kGps) && validateGpsConfig(gps);
}

std::wostream& writeMobileGpsConfig(std::wostream& os, const MobileGpsConfig& gps) {
    const Field<MGps>& typeRow = fieldOf<MGps>(kMobileGps, "type");
    const char* type = lookupName(shownMobileGpsType(gps.type), *typeRow.names);
    if (isXmlMode(os)) {
        os << "<gpsConfig\n   " << typeRow.name << "='" << type << "'\n";
        recordFacts(os, typeRow, typeRow.gate);
        writeXmlFields<MGps>(os, gps, kMobileGps, 3, kMobileGpsXml);
        os << " />\n";
    } else {
        os << "{Config Type: " << type;
        writeSummaryFields<MGps>(os, gps, kMobileGps, kMobileGpsSummary);
        os << "}";
    }
    return os;
}

bool validateMobileGpsConfig(const MobileGpsConfig& gps) {
    return checkFields<MGps>(gps, kMobileGps);
}

bool readMobileGpsConfig(pugi::xml_node node, MobileGpsConfig& gps) {
    return readFields<MGps>(node, gps, kMobileGps) && validateMobileGpsConfig(gps);
}

}  // namespace tarin
