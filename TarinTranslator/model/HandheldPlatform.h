#pragma once

#include <cstdint>
#include <vector>

#include "TarinTranslator/model/Accessory.h"
#include "TarinTranslator/model/AudioConfig.h"
#include "TarinTranslator/model/BluetoothConfig.h"
#include "TarinTranslator/model/Buttons.h"
#include "TarinTranslator/model/ByteVector.h"
#include "TarinTranslator/model/DeviceConfig.h"
#include "TarinTranslator/model/Features.h"
#include "TarinTranslator/model/GpsConfig.h"
#include "TarinTranslator/model/Ics.h"
#include "TarinTranslator/model/KeyStores.h"
#include "TarinTranslator/model/Menus.h"
#include "TarinTranslator/model/MiscConfig.h"
#include "TarinTranslator/model/NetworkConfig.h"
#include "TarinTranslator/model/Outputs.h"
#include "TarinTranslator/model/PlanTexts.h"
#include "TarinTranslator/model/ShortMenu.h"
#include "TarinTranslator/model/Switches.h"
#include "TarinTranslator/model/TimeDateConfig.h"

namespace tarin {

// The handheld platform configuration: one member per platformConfig section. A plain
// value; copies are deep.
struct HandheldPlatform {
    uint32_t radioType = 0;
    ProgButtonMap progButtons;
    ThreePosSwitchPositions threePosPositions;  // _3PosAFunc .. _3PosCIndex
    ThreePosSwitchConfig threePosSwitch;        // _3PosFunction, _3PosAValue .. _3PosCValue
    RadioLockSequence RadioLockList;
    TwoPosSwitchConfig twoPosSwitch;  // _2PosFunction .. _2PosB_VAIndex
    AccessoryConfig accessoryConfig;
    AccessoryButtonMap accessoryButtons;
    ManDownConfig manDownConfig;
    GpsConfig gpsConfig;
    AudioConfig audioConfig;
    BluetoothConfig bluetoothConfig;
    MiscConfig miscConfig;
    TimeDateConfig TimeDateCfg;
    ShortMenuMap shortMenu;
    PinConfig PINConfig;
    ProgBtnMap progBtns;
    PowerUpOptionsConfig PowerUpOptions;
    ProgSwitchesConfig progSwitches;
    StatusIconMap statusIconsTop;
    StatusIconMap statusIconsFront;
    NetworkConfig networkConfig;
    MenuItemMap menuConfig;
    AliasMap AliasList;
    EioOutputMap eioOutputCfg;
    Dnp3Config DNP3Cfg;
    SerTnlConfig SerTnlCfg;
    KeystoreConfigMap KeystoreConfig;
    ECiTConfig ECiTCfg;
    HazardConfig hazardConfig;
    SelfCheckConfig selfCheckConfig;
    VrMobileConfig VRMobileConfig;
    IcsConfig ICS;
    LogEventsConfig logEventsConfig;
    VideoSettings VideoSettingsConfig;
    SystemOptionMap SystemConfig;
    OverridesConfig overrides;
    wchar_t AACversion[7] = {};
    ByteVector eeData;
    ByteVector flData;

    bool operator==(const HandheldPlatform&) const = default;
};

struct MissionPlan : PlanTextFields {
    HandheldPlatform Platform;
    uint32_t planRadioType = 0;
};

// Fills a freshly constructed platform with the defaults of the plan's radio type group.
// Leaves the plan texts, AACversion, the images and Platform.radioType alone.
void applyHandheldDefaults(MissionPlan& plan);

}  // namespace tarin
