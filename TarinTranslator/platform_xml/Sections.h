#pragma once

// The section writers and readers that the root writers and the dispatchers call.
// Writers produce XML or summary text by the stream's mode and return the stream;
// readers take the section element (possibly null) and return true on success.

#include <optional>
#include <ostream>
#include <pugixml.hpp>
#include <string_view>
#include <vector>

#include "TarinTranslator/model/HandheldPlatform.h"
#include "TarinTranslator/model/MobilePlatform.h"
#include "TarinTranslator/model/RadioType.h"
#include "TarinTranslator/platform_xml/XmlText.h"

namespace tarin {

// The radio groups whose platformConfig holds the section `element` (a handheld one, or
// with `mobile` a mobile one): nullopt for a section no root writer writes.
std::optional<Gate> sectionWrittenFor(std::string_view element, bool mobile = false);
// The sections of a handheld (or a mobile) platformConfig element, in document order.
std::vector<std::string_view> sectionElements(bool mobile = false);

// audioConfig (handheld)
std::wostream& writeAudioConfig(std::wostream& os, const AudioConfig& audio);
bool readAudioConfig(pugi::xml_node node, AudioConfig& audio);

// miscConfig (handheld)
std::wostream& writeMiscConfig(std::wostream& os, const MiscConfig& misc);
bool readMiscConfig(pugi::xml_node node, MiscConfig& misc);

// gpsConfig, bluetoothConfig
std::wostream& writeGpsConfig(std::wostream& os, const GpsConfig& gps);
bool readGpsConfig(pugi::xml_node node, GpsConfig& gps);
std::wostream& writeMobileGpsConfig(std::wostream& os, const MobileGpsConfig& gps);
bool readMobileGpsConfig(pugi::xml_node node, MobileGpsConfig& gps);
std::wostream& writeBluetoothConfig(std::wostream& os, const BluetoothConfig& bt);
bool readBluetoothConfig(pugi::xml_node node, BluetoothConfig& bt);

// Mobile audioConfig and miscConfig
std::wostream& writeMobileAudioConfig(std::wostream& os, const MobileAudioConfig& audio);
bool readMobileAudioConfig(pugi::xml_node node, MobileAudioConfig& audio);
std::wostream& writeMobileMiscConfig(std::wostream& os, const MobileMiscConfig& misc);
bool readMobileMiscConfig(pugi::xml_node node, MobileMiscConfig& misc);

// TimeDateCfg, PowerUpOptions, PINConfig, overrides
std::wostream& writeTimeDateConfig(std::wostream& os, const TimeDateConfig& td);
bool readTimeDateConfig(pugi::xml_node node, TimeDateConfig& td);
std::wostream& writePowerUpOptions(std::wostream& os, const PowerUpOptionsConfig& pu);
bool readPowerUpOptions(pugi::xml_node node, PowerUpOptionsConfig& pu);
std::wostream& writePinConfig(std::wostream& os, const PinConfig& pin);
bool readPinConfig(pugi::xml_node node, PinConfig& pin);
std::wostream& writeOverrides(std::wostream& os, const OverridesConfig& overrides);
bool readOverrides(pugi::xml_node node, OverridesConfig& overrides);

// progButtons: the attribute lines of the switches, the progButton entries, the radio
// lock list; summaries of each part for the root summary.
std::wostream& writeTwoPosSwitch(std::wostream& os, const TwoPosSwitchConfig& sw);
std::wostream& writeThreePosSwitchPositions(std::wostream& os, const ThreePosSwitchPositions& sw);
std::wostream& writeThreePosSwitch(std::wostream& os, const ThreePosSwitchConfig& sw);
std::wostream& writeProgButtons(std::wostream& os, const ProgButtonMap& buttons);
std::wostream& writeRadioLockList(std::wostream& os, const RadioLockSequence& list);
bool readProgButtonsElement(pugi::xml_node node, HandheldPlatform& platform);
bool readProgButtons(pugi::xml_node node, ProgButtonMap& buttons);
// accessoryButtons, found by the reader under the accessoryConfig element
bool readAccessoryButtons(pugi::xml_node accessoryConfig, AccessoryButtonMap& buttons);
// progSwitches
std::wostream& writeProgSwitches(std::wostream& os, const ProgSwitchesConfig& switches);
bool readProgSwitches(pugi::xml_node node, HandheldPlatform& platform);
// progBtns
std::wostream& writeProgBtns(std::wostream& os, const ProgBtnMap& buttons);
bool readProgBtns(pugi::xml_node node, HandheldPlatform& platform);

// accessoryConfig (with accessoryButtons) and manDownConfig
std::wostream& writeAccessoryConfig(std::wostream& os, const AccessoryConfig& acc);
std::wostream& writeAccessoryButtons(std::wostream& os, const AccessoryButtonMap& buttons);
bool readAccessoryConfig(pugi::xml_node node, HandheldPlatform& platform);
std::wostream& writeManDownConfig(std::wostream& os, const ManDownConfig& md);
bool readManDownConfig(pugi::xml_node node, ManDownConfig& md);

// shortMenu, statusIcons, menuConfig, AliasList
std::wostream& writeShortMenu(std::wostream& os, const ShortMenuMap& menu);
bool readShortMenu(pugi::xml_node node, ShortMenuMap& menu);
enum class DisplayKind { Top, Front };
std::wostream& writeStatusIcons(std::wostream& os, const StatusIconMap& icons, DisplayKind kind);
bool readStatusIcons(pugi::xml_node statusIcons, StatusIconMap& icons, DisplayKind kind);
std::wostream& writeMenuConfig(std::wostream& os, const MenuItemMap& menu);
bool readMenuConfig(pugi::xml_node node, MenuItemMap& menu);
std::wostream& writeAliasList(std::wostream& os, const AliasMap& aliases);
bool readAliasList(pugi::xml_node node, AliasMap& aliases);

// networkConfig
std::wostream& writeNetworkConfig(std::wostream& os, const NetworkConfig& net);
bool readNetworkConfig(pugi::xml_node node, NetworkConfig& net);

// eioOutputCfg, ECiTCfg
std::wostream& writeEioOutputCfg(std::wostream& os, const EioOutputMap& outputs);
bool readEioOutputCfg(pugi::xml_node node, HandheldPlatform& platform);
std::wostream& writeECiTCfg(std::wostream& os, const ECiTConfig& ecit);
bool readECiTCfg(pugi::xml_node node, ECiTConfig& ecit);

// DNP3Cfg, SerTnlCfg, KeystoreConfig
std::wostream& writeDnp3Config(std::wostream& os, const Dnp3Config& dnp3);
bool readDnp3Config(pugi::xml_node node, Dnp3Config& dnp3);
std::wostream& writeSerTnlConfig(std::wostream& os, const SerTnlConfig& sertnl);
bool readSerTnlConfig(pugi::xml_node node, SerTnlConfig& sertnl);
std::wostream& writeKeystoreConfig(std::wostream& os, const KeystoreConfigMap& keystores);
bool readKeystoreConfig(pugi::xml_node node, KeystoreConfigMap& keystores);

// hazardConfig, selfCheckConfig, VRMobileConfig, logEventsConfig, VideoSettingsConfig
std::wostream& writeHazardConfig(std::wostream& os, const HazardConfig& hazard);
bool readHazardConfig(pugi::xml_node node, HazardConfig& hazard);
std::wostream& writeSelfCheckConfig(std::wostream& os, const SelfCheckConfig& check);
bool readSelfCheckConfig(pugi::xml_node node, SelfCheckConfig& check);
std::wostream& writeVrMobileConfig(std::wostream& os, const VrMobileConfig& vr);
bool readVrMobileConfig(pugi::xml_node node, VrMobileConfig& vr);
std::wostream& writeLogEventsConfig(std::wostream& os, const LogEventsConfig& log);
bool readLogEventsConfig(pugi::xml_node node, LogEventsConfig& log);
// The root never writes VideoSettingsConfig; its writer serves other callers.
std::wostream& writeVideoSettingsConfig(std::wostream& os, const VideoSettings& video);
bool readVideoSettingsConfig(pugi::xml_node node, VideoSettings& video);

// ICS, SystemConfig
std::wostream& writeIcsConfig(std::wostream& os, const IcsConfig& ics);
bool readIcsConfig(pugi::xml_node node, IcsConfig& ics);
std::wostream& writeSystemConfig(std::wostream& os, const SystemOptionMap& systems);
bool readSystemConfig(pugi::xml_node node, SystemOptionMap& systems);

// Root writers and dispatchers.
std::wostream& writePlatformConfig(std::wostream& os, const HandheldPlatform& platform);
std::wostream& writeMobilePlatformConfig(std::wostream& os, const MobilePlatformRecord& platform);
bool readPlatformConfig(pugi::xml_node node, HandheldPlatform& platform);
bool readMobilePlatformConfig(pugi::xml_node node, MobilePlatformRecord& platform);

}  // namespace tarin
