#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tarin {

// One name/value pair of an enumeration: records hold the value, documents the name.
struct VocabEntry {
    const char* name;
    uint32_t value;
};

// A constant, ordered table of names. Order matters: the first entry wins in both lookups.
struct VocabTable {
    const VocabEntry* entries;
    std::size_t count;
};

// Name written for a value that no entry of the table holds.
inline constexpr const char* kUnknownName = "???????";

// Name of the first entry whose value equals `value`, or kUnknownName.
const char* lookupName(uint32_t value, const VocabTable& table);

// Value of the first entry whose name equals `text` exactly. Leaves `out` alone on failure.
bool lookupValue(std::string_view text, const VocabTable& table, uint32_t& out);

// A table with the name it has in the code, for listings.
struct NamedVocabTable {
    const char* name;
    const VocabTable* table;
};
// Every vocabulary table.
std::span<const NamedVocabTable> vocabularyTables();

// The vocabulary tables.
extern const VocabTable TrueFalseNames;
extern const VocabTable WpaProtocolNames;
extern const VocabTable LteOperatorNames;
extern const VocabTable SimSelectNames;
extern const VocabTable LteMaxPowerNames;
extern const VocabTable WifiSecurityTypeNames;
extern const VocabTable WifiSecurityNames;
extern const VocabTable WifiEncryptionNames;
extern const VocabTable WifiModeNames;
extern const VocabTable WifiChannelSelectNames;
extern const VocabTable WmmOptionNames;
extern const VocabTable PortForwardProtocolNames;
extern const VocabTable ApnIpTypeNames;
extern const VocabTable ApnAuthTypeNames;
extern const VocabTable AudioEioOutputFunctionNames;
extern const VocabTable ExternalOutputNames;
extern const VocabTable EioOutputSenseNames;
extern const VocabTable DayNightModeNames;
extern const VocabTable ToneNames;
extern const VocabTable VolControlModeNames;
extern const VocabTable ProgButtonNames;
extern const VocabTable EioOutputFunctionNames;
extern const VocabTable EioOutputModeNames;
extern const VocabTable ProgSwitchNames;
extern const VocabTable SwitchPositionOpcodeNames;
extern const VocabTable ThreePosFunctionNames;
extern const VocabTable ThreePosSwitchFunctionNames;
extern const VocabTable RadioLockSelectionNames;
extern const VocabTable SwitchRadioLockSelectionNames;
extern const VocabTable TwoPosFunctionNames;
// (the remaining tables of up to 40 entries, in the order of their listing)
extern const VocabTable TopDisplayOrientationNames;
extern const VocabTable BacklightModeNames;
extern const VocabTable ExtOutAlertModeNames;
extern const VocabTable ButtonBacklightNames;
extern const VocabTable OnOffNames;
extern const VocabTable SystemDisplayNames;
extern const VocabTable NoiseCancellationTypeNames;
extern const VocabTable DualSpeakerModeNames;
extern const VocabTable GpsOperationModeNames;
extern const VocabTable PositionFormatNames;
extern const VocabTable LinearUnitsNames;
extern const VocabTable ElevationBasisNames;
extern const VocabTable AngularUnitsNames;
extern const VocabTable NorthingNames;
extern const VocabTable GpsTypeNames;
extern const VocabTable MobileGpsTypeNames;
extern const VocabTable TimeFormatNames;
extern const VocabTable DateFormatNames;
extern const VocabTable BatteryTypeNames;
extern const VocabTable StatusIconNames;
extern const VocabTable SystemTypeNames;
extern const VocabTable MicTypeNames;
extern const VocabTable ShortMenuItemNames;
extern const VocabTable AccessoryAudioModeNames;
extern const VocabTable MicSelectModeNames;
extern const VocabTable AccessoryPttModeNames;
extern const VocabTable AccessoryButtonNames;
extern const VocabTable AccessoryButtonFunctionNames;
// Tables of more than 40 entries.
extern const VocabTable ProgBtnNames;
extern const VocabTable ButtonFunctionNames;
extern const VocabTable ProgBtnOpcodeNames;
extern const VocabTable TimeZoneNames;
extern const VocabTable MapDatumNames;
extern const VocabTable MenuItemNames;
extern const VocabTable MenuFunctionNames;

}  // namespace tarin
