#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace tarin {

// PowerUpOptions: seven on/off fields.
struct PowerUpOptionsConfig {
    uint32_t powerOnBeep = 0;
    uint32_t keypadLock = 0;
    uint32_t keypadState = 0;
    uint32_t eioAlarm_1 = 0;
    uint32_t eioAlarm_2 = 0;
    uint32_t eioAlarm_3 = 0;
    uint32_t eioAlarm_Restart = 0;
    bool operator==(const PowerUpOptionsConfig&) const = default;
};

// PINConfig.
struct PinConfig {
    std::wstring powerupPIN;
    uint32_t minimumPINLength = 0;
    uint32_t maxBadPINEntries = 0;
    uint32_t zeroizeOnPINFailure = 0;  // on/off
    bool operator==(const PinConfig&) const = default;
};

// system element of overrides/systems; keyed by its index.
struct SystemEntry {
    int32_t index = 0;
    std::wstring sysname;
    uint32_t systype = 0;  // SystemTypeNames
    int32_t unitid = 0;
    int32_t mdcunitid = 0;
    std::wstring username;
    std::wstring password;
    bool operator==(const SystemEntry&) const = default;
};
using SystemEntryMap = std::map<int32_t, SystemEntry>;

// keystore element of overrides/keystores; keyed by reading position.
struct KeystoreEntry {
    std::wstring name;
    int32_t RSI = 0;
    bool operator==(const KeystoreEntry&) const = default;
};
using KeystoreEntryMap = std::map<int32_t, KeystoreEntry>;

// overrides; radio_ip_address is the value attribute of misc/radio_ip_address.
struct OverridesConfig {
    std::wstring radio_ip_address = L"0.0.0.0";
    SystemEntryMap systems;
    KeystoreEntryMap keystores;
    bool operator==(const OverridesConfig&) const = default;
};

}  // namespace tarin
