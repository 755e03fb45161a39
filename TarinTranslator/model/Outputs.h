#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace tarin {

// eioOutput element of eioOutputCfg, keyed by its name (ExternalOutputNames).
struct EioOutputEntry {
    uint32_t func = 0;  // EioOutputFunctionNames
    uint32_t mode = 0;  // EioOutputModeNames
    uint32_t pattern = 0;
    std::wstring repeat;
    uint32_t sense = 0;  // EioOutputSenseNames
    bool operator==(const EioOutputEntry&) const = default;
};
using EioOutputMap = std::map<int32_t, EioOutputEntry>;

// ECiTCfg: the emergency call timer.
struct ECiTConfig {
    uint32_t minTimer = 5;
    uint32_t maxTimer = 60;
    uint32_t defaultTimeout = 60;
    std::wstring timerIncr = L"1";
    std::wstring warningBeeps = L"0";
    uint32_t ExtOutAlertMode = 0;  // ExtOutAlertModeNames
    uint32_t restartOnPTT = 0;     // on/off
    bool operator==(const ECiTConfig&) const = default;
};

}  // namespace tarin
