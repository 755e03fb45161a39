#pragma once

#include <cstdint>

#include "TarinTranslator/options/OptionClass.h"

// Power-up options of a personality.
#define TARIN_CPOWERUPOPTS_FIELDS(X, C)                \
    X(C, RW, unsigned char, SysGrp, 0)                 \
    X(C, RW, unsigned char, Scan, 0)                   \
    X(C, RW, unsigned char, ScanState, 0)              \
    X(C, RW, unsigned char, KeypadLock, 0)             \
    X(C, RW, unsigned char, KeypadState, 0)            \
    X(C, RW, unsigned char, AutoLogin, 0)              \
    X(C, RW, unsigned char, ExtAlarm, 0)               \
    X(C, RW, unsigned char, Tone, 0)                   \
    X(C, RW, unsigned char, VolumeState, 0)            \
    X(C, RW, CString, SystemName, )                    \
    X(C, RW, CString, GrpName, )                       \
    X(C, RW, unsigned short, Volume, 0)                \
    X(C, RW, unsigned short, Backlight, 0)             \
    X(C, RW, unsigned char, ExtAlarm2, 0)              \
    X(C, RW, unsigned char, Contrast, 0)               \
    X(C, RW, unsigned char, PvtMode, 0)                \
    X(C, RW, unsigned char, Squelch, 0)                \
    X(C, RW, unsigned char, ExtAlarmRestart, 0)        \
    X(C, RW, unsigned short, NormContrast, 0)          \
    X(C, RW, unsigned short, InvContrast, 0)           \
    X(C, RW, unsigned short, SquelchLevel, 0)          \
    X(C, RW, unsigned char, SignallingMode, 0)         \
    X(C, RW, unsigned char, ExtSpeaker, 0)             \
    X(C, RW, CString, PowerupPIN, )                    \
    X(C, RW, unsigned char, MinPINLength, 0)           \
    X(C, RW, unsigned char, MaxBadEntries, 0)          \
    X(C, RW, unsigned char, ZeroiseBadEntriesState, 0) \
    X(C, RW, CString, ZoneName, )                      \
    X(C, RW, CString, ZoneGrpName, )                   \
    X(C, RW, CString, ZoneSystemName, )                \
    X(C, RO, int32_t, Version, 0)                      \
    X(C, RW, int32_t, IndexOfZone, 0)                  \
    X(C, RW, int32_t, IndexOfZoneGroup, 0)             \
    X(C, RW, unsigned char, IgnoreABSwitch, 0)         \
    X(C, RW, unsigned char, ExtAlarm3, 0)              \
    X(C, RW, unsigned char, SaveActivateProfile, 0)

class TARIN_API CPowerUpOpts : public CSerial {
    TARIN_OPTION_CLASS(CPowerUpOpts, CSerial, TARIN_CPOWERUPOPTS_FIELDS);
};
