#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "TarinTranslator/model/HandheldPlatform.h"
#include "TarinTranslator/model/RadioType.h"

// The defaults of a handheld plan. Three groups of radio type codes get their own values;
// within a group every code gets the same record. Plain fields whose defaults differ from
// their constructed values are listed per section with one value per group; list sections
// are tables of entries inserted without replacing an existing key.

namespace tarin {

namespace {

enum Group : std::size_t { kClassic = 0, kHazard = 1, kVrMobile = 2 };

Group groupOf(uint32_t code) {
    if (isHazardCode(code)) return kHazard;
    if (isVrMobileCode(code)) return kVrMobile;
    return kClassic;
}

// A plain field and its default for the classic, hazard and VR-mobile codes.
template <class R>
struct NumberDefault {
    uint32_t R::*field;
    uint32_t value[3];
};

template <class R>
struct TextDefault {
    std::wstring R::*field;
    const wchar_t* value[3];
};

template <class R>
void applyDefaults(R& rec, Group group, std::span<const NumberDefault<R>> numbers,
                   std::span<const TextDefault<R>> texts = {}) {
    for (const NumberDefault<R>& d : numbers) rec.*d.field = d.value[group];
    for (const TextDefault<R>& d : texts) rec.*d.field = d.value[group];
}

// Inserts each (key, entry) row that `make` builds from a table; an existing key stays.
template <class Map, class Row, class Make>
void insertRows(Map& map, std::span<const Row> rows, Make make) {
    for (const Row& row : rows) map.try_emplace(row.key, make(row));
}

// ---- gpsConfig -------------------------------------------------------------------------

const NumberDefault<GpsConfig> kGpsDefaults[] = {
    {&GpsConfig::gpsMode, {1, 1, 1}},                                            // ON
    {&GpsConfig::operationMode, {1, 1, 1}},                                      // INTERNAL
    {&GpsConfig::mapDatum, {1, 1, 1}},                                           // DATUM_WGD
    {&GpsConfig::positionFormat, {1, 1, 1}},                                     // LAT_LONG_DMS
    {&GpsConfig::linearUnits, {2, 2, 2}},                                        // STATUTE
    {&GpsConfig::angularUnits, {2, 2, 2}},                                       // CARDINAL
    {&GpsConfig::elevationBasis, {1, 1, 1}},                                     // SEA_LEVEL
    {&GpsConfig::gridDigits, {10, 10, 10}},  {&GpsConfig::northing, {2, 2, 2}},  // TRUE
};

// ---- bluetoothConfig -------------------------------------------------------------------

const NumberDefault<BluetoothConfig> kBluetoothDefaults[] = {
    {&BluetoothConfig::btMode, {0, 1, 1}},
    {&BluetoothConfig::btAdminMode, {1, 0, 0}},
};
const TextDefault<BluetoothConfig> kBluetoothTexts[] = {
    {&BluetoothConfig::friendlyName, {L"MY RADIO", L"", L""}},
};

// ---- TimeDateCfg -----------------------------------------------------------------------

const NumberDefault<TimeDateConfig> kTimeDateDefaults[] = {
    {&TimeDateConfig::zone, {8, 8, 8}},
};

// ---- manDownConfig (accessoryConfig keeps its constructed values) ------------------------

const NumberDefault<ManDownConfig> kManDownDefaults[] = {
    {&ManDownConfig::inactivityTime, {240, 240, 240}},
    {&ManDownConfig::warningTime, {30, 30, 30}},
};

}  // namespace

void applyHandheldDefaults(MissionPlan& plan) {
    HandheldPlatform& p = plan.Platform;
    const Group group = groupOf(plan.planRadioType);

    applyDefaults<GpsConfig>(p.gpsConfig, group, kGpsDefaults);
    applyDefaults<BluetoothConfig>(p.bluetoothConfig, group, kBluetoothDefaults, kBluetoothTexts);
    applyDefaults<TimeDateConfig>(p.TimeDateCfg, group, kTimeDateDefaults);
    applyDefaults<ManDownConfig>(p.manDownConfig, group, kManDownDefaults);
}

}  // namespace tarin
