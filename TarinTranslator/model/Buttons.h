#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarin {

// progButtons entries, accessoryButtons and progBtns. Each map is keyed by the button's
// code (ProgButtonNames, AccessoryButtonNames, ProgBtnNames); key order is document order.

// A side or emergency button of a classic handheld.
struct ProgButtonEntry {
    uint32_t function = 0;        // ButtonFunctionNames
    std::wstring delay = L"0.0";  // seconds as decimal text
    std::wstring extraData;

    bool operator==(const ProgButtonEntry&) const = default;
};
using ProgButtonMap = std::map<int32_t, ProgButtonEntry>;

// A button of an attached accessory. delay and timeout are used by the extended platforms
// only; the classic codes leave them empty.
struct AccessoryButtonEntry {
    uint32_t function = 0;  // AccessoryButtonFunctionNames
    std::wstring delay;     // seconds as decimal text
    std::wstring timeout;   // seconds as decimal text
    std::wstring extraData;

    bool operator==(const AccessoryButtonEntry&) const = default;
};
using AccessoryButtonMap = std::map<int32_t, AccessoryButtonEntry>;

// A key of an extended platform. The preset fields matter for the user preset opcodes
// only; 65535 in an index means none.
struct ProgBtnEntry {
    uint32_t opcode = 0;            // ProgBtnOpcodeNames
    std::wstring delay = L"0.0";    // seconds as decimal text
    std::wstring timeout = L"0.0";  // seconds as decimal text
    std::wstring extraData;
    int32_t presetSysZoneType = 0;  // 0 (OFF) or 1 (ON)
    uint32_t sysZoneIndex = 65535;  // 0 to 511
    uint32_t groupIndex = 65535;    // 0 to 1249

    bool operator==(const ProgBtnEntry&) const = default;
};
using ProgBtnMap = std::map<int32_t, ProgBtnEntry>;

}  // namespace tarin
