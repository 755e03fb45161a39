#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace tarin {

// DIRT element of DNP3Cfg: one DNP3 route. The 16-bit values are held in 32 bits.
struct DirtEntry {
    uint32_t HostDNP3Addr = 0;
    uint32_t HostDNP3Port = 0;
    uint32_t NetDNP3Addr = 0;
    uint32_t NetDNP3Port = 0;
    std::wstring NetIPAddr;
    bool operator==(const DirtEntry&) const = default;
};
using DirtMap = std::map<int32_t, DirtEntry>;

// DNP3Cfg. DynamicRouting is a boolean held as 0/1 (written "false"/"true").
struct Dnp3Config {
    DirtMap DIRT;
    uint32_t DynamicRouting = 1;
    bool operator==(const Dnp3Config&) const = default;
};

// SerTnlNetTbl element of SerTnlCfg.
struct SerTnlNetEntry {
    uint32_t SerTnlTblIdx = 0;
    std::wstring SerTnlTblIPAddr;
    uint32_t SerTnlTblPort = 0;
    bool operator==(const SerTnlNetEntry&) const = default;
};
using SerTnlNetMap = std::map<int32_t, SerTnlNetEntry>;

// SerTnlCfg: the serial tunnel.
struct SerTnlConfig {
    std::wstring SerTnlMode = L"Static";  // "Static", "NiST" or "CiST"
    uint32_t SerTnlPacketSize = 480;
    uint32_t SerTnlPacketTime = 500;
    uint32_t SerTnlWaitTime = 10;
    uint32_t SerTnlDiscTime = 10;
    std::wstring SerTnlDestAddr = L"0.0.0.0";
    uint32_t SerTnlDestPort = 0;
    uint32_t SerTnlSrcPort = 0;
    uint32_t SerTnlNetPort = 0;
    uint32_t SerTnlClientPort = 0;
    SerTnlNetMap SerTnlNetTbl;
    bool operator==(const SerTnlConfig&) const = default;
};

// Keystore element of KeystoreConfig: one key store name.
struct KeystoreConfigEntry {
    std::wstring name;
    bool operator==(const KeystoreConfigEntry&) const = default;
};
using KeystoreConfigMap = std::map<int32_t, KeystoreConfigEntry>;

}  // namespace tarin
