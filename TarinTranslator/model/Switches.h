#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarin {

// The switch attributes of progButtons, and progSwitches.

// What each position of the three-position switch does (_3PosAFunc .. _3PosCIndex).
struct ThreePosSwitchPositions {
    uint32_t _3PosAFunc = 0;  // ThreePosFunctionNames
    uint32_t _3PosBFunc = 0;
    uint32_t _3PosCFunc = 0;
    std::wstring _3PosAIndex = L"1";
    std::wstring _3PosBIndex = L"2";
    std::wstring _3PosCIndex = L"3";

    bool operator==(const ThreePosSwitchPositions&) const = default;
};

// The mode of the three-position switch and its value per position.
struct ThreePosSwitchConfig {
    uint32_t _3PosFunction = 0;  // ThreePosSwitchFunctionNames
    std::wstring _3PosAValue;
    std::wstring _3PosBValue;
    std::wstring _3PosCValue;

    bool operator==(const ThreePosSwitchConfig&) const = default;
};

struct TwoPosSwitchConfig {
    uint32_t _2PosFunction = 0;  // TwoPosFunctionNames
    std::wstring _2PosAValue;
    std::wstring _2PosBValue;
    std::wstring _2PosA_VAIndex = L"0";
    std::wstring _2PosB_VAIndex = L"0";

    bool operator==(const TwoPosSwitchConfig&) const = default;
};

// Controls that stay usable while the radio is locked, in order; repeats allowed. The
// classic list names them through RadioLockSelectionNames, the progSwitches list through
// SwitchRadioLockSelectionNames.
using RadioLockSequence = std::vector<uint32_t>;

// What one position of a programmable switch does.
struct PosValue {
    uint32_t opcode = 0;  // SwitchPositionOpcodeNames
    std::wstring param;
    int32_t VAFileIndex = 0;  // 0 to 65535

    bool operator==(const PosValue&) const = default;
};
using SwitchPositionMap = std::map<int32_t, PosValue>;       // position -> value
using ProgSwitchMap = std::map<int32_t, SwitchPositionMap>;  // ProgSwitchNames -> positions

struct ProgSwitchesConfig {
    ProgSwitchMap switches;
    RadioLockSequence RadioLockList;

    bool operator==(const ProgSwitchesConfig&) const = default;
};

}  // namespace tarin
