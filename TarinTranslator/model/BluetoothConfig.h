#pragma once

#include <cstdint>
#include <string>

namespace tarin {

// bluetoothConfig, shared by the handheld and the mobile record.
struct BluetoothConfig {
    uint32_t btMode = 0;  // on/off
    std::wstring friendlyName;
    uint32_t btAdminMode = 0;     // on/off
    uint32_t btMITMRequired = 0;  // on/off
    uint32_t btIndicatorLED = 0;  // on/off
    bool operator==(const BluetoothConfig&) const = default;
};

}  // namespace tarin
