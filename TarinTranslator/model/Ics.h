#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "TarinTranslator/model/Buttons.h"

namespace tarin {

// ICSAlertTable element of ICS.
struct IcsAlertEntry {
    uint32_t ICSEnabled = 0;  // on/off
    uint32_t ICSWarning = 0;
    uint32_t ICSCritical = 0;
    uint32_t ICSSensor = 0;
    bool operator==(const IcsAlertEntry&) const = default;
};
using IcsAlertMap = std::map<int32_t, IcsAlertEntry>;

// ICSStatusTable element of ICS.
struct IcsStatusEntry {
    uint32_t ICSStatusValDec = 0;
    uint32_t ICSStatus = 0;
    bool operator==(const IcsStatusEntry&) const = default;
};
using IcsStatusMap = std::map<int32_t, IcsStatusEntry>;

// ApplianceMenu element of ICS.
struct ApplianceMenuEntry {
    uint32_t Code = 0;
    std::wstring Appliance;
    bool operator==(const ApplianceMenuEntry&) const = default;
};
using ApplianceMenuMap = std::map<int32_t, ApplianceMenuEntry>;

// SeatMenu element of ICS.
struct SeatMenuEntry {
    uint32_t Code = 0;
    std::wstring Seat;
    bool operator==(const SeatMenuEntry&) const = default;
};
using SeatMenuMap = std::map<int32_t, SeatMenuEntry>;

// ICS; the four tables are keyed by reading position.
struct IcsConfig {
    uint32_t ICSMode = 0;  // on/off
    uint32_t userParTimeout = 30;
    uint32_t parAudio = 0;
    uint32_t parMinVolume = 18;
    uint32_t hysteresisTimer = 30;
    IcsAlertMap ICSAlertTable;
    IcsStatusMap ICSStatusTable;
    ApplianceMenuMap ApplianceMenu;
    SeatMenuMap SeatMenu;
    bool operator==(const IcsConfig&) const = default;
};

// The option button that stands in for an absent OPT1 or OPT2 element.
inline ProgBtnEntry defaultOptionButton() {
    ProgBtnEntry button;
    button.opcode = 1;  // FUNC_NOOP
    button.delay = L"0";
    button.timeout = L"0.0";
    button.extraData.clear();
    button.presetSysZoneType = 0;
    button.sysZoneIndex = 65535;
    button.groupIndex = 65535;
    return button;
}

// OptBtn element of SystemConfig, keyed by reading position: the OPT1 and OPT2 buttons
// of one system.
struct SystemOptionEntry {
    int32_t sysindex = 0;
    ProgBtnEntry OPT1 = defaultOptionButton();
    ProgBtnEntry OPT2 = defaultOptionButton();
    bool operator==(const SystemOptionEntry&) const = default;
};
using SystemOptionMap = std::map<int32_t, SystemOptionEntry>;

}  // namespace tarin
