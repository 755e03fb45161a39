#include "TarinTranslator/model/Vocabulary.h"

namespace tarin {

namespace {

const VocabEntry kTrueFalseNames[] = {
    {"false", 0},
    {"true", 1},
};
const VocabEntry kWpaProtocolNames[] = {
    {"0", 0}, {"1", 1}, {"2", 2}, {"3", 3}, {"4", 4},
};
const VocabEntry kLteOperatorNames[] = {
    {"Private", 0},
    {"VzW", 1},
};
const VocabEntry kSimSelectNames[] = {
    {"Removable Preferred", 0},
    {"Embedded Preferred", 1},
};
const VocabEntry kLteMaxPowerNames[] = {
    {"Default (24.5 dBm)", 0},
};
const VocabEntry kWifiSecurityTypeNames[] = {
    {"Enterprise", 0},
    {"Personal", 1},
    {"None", 2},
};
const VocabEntry kWifiSecurityNames[] = {
    {"", 0},
    {"WPA", 1},
    {"WPA2", 2},
    {"mixed", 3},
};
const VocabEntry kWifiEncryptionNames[] = {
    {"", 0},
    {"CCMP", 1},
    {"TKIP", 2},
};
const VocabEntry kWifiModeNames[] = {
    {"b", 0},
    {"g", 1},
    {"n", 2},
};
const VocabEntry kWifiChannelSelectNames[] = {
    {"auto", 0},
    {"auto-5GHz", 1},
    {"manual", 2},
};
const VocabEntry kWmmOptionNames[] = {
    {"AC_BK", 0},
    {"AC_BE", 1},
    {"AC_VI", 2},
    {"AC_VO", 3},
};
const VocabEntry kPortForwardProtocolNames[] = {
    {"tcp", 0},
    {"udp", 1},
    {"both", 2},
};
const VocabEntry kApnIpTypeNames[] = {
    {"IP", 0},
    {"IPV4V6", 1},
    {"IPV6", 2},
};
const VocabEntry kApnAuthTypeNames[] = {
    {"null", 0},
    {"PAP", 1},
    {"CHAP", 2},
};
const VocabEntry kAudioEioOutputFunctionNames[] = {
    {"AUDIO_EIO_OUT_FUNC_EXTERNAL_SPEAKER", 0},
    {"AUDIO_EIO_OUT_FUNC_PUBLIC_ADDRESS", 1},
};
const VocabEntry kExternalOutputNames[] = {
    {"ExtIoOut1", 0},
    {"ExtIoOut2", 1},
    {"ExtIoOut3", 2},
};
const VocabEntry kEioOutputSenseNames[] = {
    {"EIO_OUT_SENSE_ACTIVE_LO", 0},
    {"EIO_OUT_SENSE_ACTIVE_HI", 1},
};
const VocabEntry kDayNightModeNames[] = {
    {"DNM_DAY", 0},
    {"DNM_NIGHT", 1},
    {"DNM_AUTO", 2},
};
const VocabEntry kToneNames[] = {
    {"TONEID_LOWBAT", 0},
    {"TONEID_UITONE_KEYPRESS", 1},
    {"TONEID_PTTDISABLED", 2},
    {"TONEID_CARRIERCONTROL", 3},
    {"TONEID_MANDOWNWARNING", 4},
    {"TONEID_CALL_PLACED", 5},
    {"TONEID_AUTOKEY", 6},
    {"TONEID_ORGCALL_QUEUED", 7},
    {"TONEID_SYSTEM_BUSY", 8},
    {"TONEID_REC_ICALL", 9},
    {"TONEID_CALL_ALERT", 10},
    {"TONEID_ZEROKEYS_WARN", 11},
    {"TONEID_AUTOKEY_DIGV", 12},
    {"TONEID_DIGV_UNENC_CALL_PLACED", 13},
    {"TONEID_DIGV_ENC_CALL_PLACED", 14},
    {"TONEID_EMERGENCY_RECEIVED", 15},
    {"TONEID_REC_ACK_ICALL", 16},
    {"TONEID_PAGE_TX_SUCCESS", 17},
    {"TONEID_EMER_ALARM_ACK", 18},
    {"TONEID_EMER_ALARM_NACK", 19},
    {"TONEID_TALK_AROUND_CALL_PLACED", 20},
    {"TONEID_OTAR_REKEY_SUCCESS", 21},
    {"TONEID_OTAR_REKEY_FAILURE", 22},
    {"TONEID_CALL_DENIED", 23},
};
const VocabEntry kVolControlModeNames[] = {
    {"ESM", 0},
    {"RADIO", 1},
    {"ESM_RADIO", 2},
};
const VocabEntry kProgButtonNames[] = {
    {"TOP_SIDE", 1},
    {"MID_SIDE", 2},
    {"BOT_SIDE", 3},
    {"EMERGENCY", 4},
};
const VocabEntry kEioOutputFunctionNames[] = {
    {"EIO_OUT_FUNC_DISABLED", 0},
    {"EIO_OUT_FUNC_EIO_ALARM_1", 1},
    {"EIO_OUT_FUNC_EIO_ALARM_2", 2},
    {"EIO_OUT_FUNC_EIO_ALARM_3", 3},
    {"EIO_OUT_FUNC_EIO_AUX_1", 4},
    {"EIO_OUT_FUNC_EIO_AUX_2", 5},
    {"EIO_OUT_FUNC_EIO_AUX_3", 6},
    {"EIO_OUT_FUNC_EMERGENCY_1", 7},
    {"EIO_OUT_FUNC_EMERGENCY_2", 8},
    {"EIO_OUT_FUNC_EMERGENCY_3", 9},
    {"EIO_OUT_FUNC_EXTERNAL_MUTE", 10},
    {"EIO_OUT_FUNC_EXTERNAL_TX_INDICATOR", 13},
    {"EIO_OUT_FUNC_ECI_TIMEOUT_1", 14},
    {"EIO_OUT_FUNC_ECI_TIMEOUT_2", 15},
    {"EIO_OUT_FUNC_ECI_TIMEOUT_3", 16},
    {"EIO_OUT_FUNC_ENCRYPTION_ENABLED", 11},
    {"EIO_OUT_FUNC_ENCRYPTION_RECEIVED", 12},
};
const VocabEntry kEioOutputModeNames[] = {
    {"EIO_OUT_MODE_DISABLED", 0},          {"EIO_OUT_MODE_CUSTOM", 1},
    {"EIO_OUT_MODE_1_8_SEC_PULSE", 2},     {"EIO_OUT_MODE_1_1_SEC_PULSE", 3},
    {"EIO_OUT_MODE_3_500_MSEC_PULSES", 4}, {"EIO_OUT_MODE_CONSTANT_STATE", 5},
};
const VocabEntry kProgSwitchNames[] = {
    {"VolSw", 0},
    {"ChanSw", 1},
    {"ChanKnob", 2},
};
const VocabEntry kSwitchPositionOpcodeNames[] = {
    {"FUNC_UNASSIGNED", 0},
    {"FUNC_SECUR_ENABLE_TGL", 12},
    {"FUNC_SCAN_ENABLE", 3},
    {"FUNC_TALKAROUND", 4},
    {"FUNC_LOCK_KEYPAD", 7},
    {"FUNC_SET_TX_DISABLE", 13},
    {"FUNC_NOOP", 1},
    {"FUNC_CHANNEL_BANK_SELECT", 2},
    {"FUNC_SET_TX_POWER_HIGH", 5},
    {"FUNC_SET_TX_POWER_LOW", 6},
    {"FUNC_ZONE_SELECT", 8},
    {"FUNC_ZONEMODE", 9},
    {"FUNC_SYSTEM_SELECT", 10},
    {"FUNC_RADIO_LOCK", 11},
    {"FUNC_BLUETOOTH_ENABLE", 14},
    {"FUNC_ECI_TIMEOUT", 15},
    {"FUNC_STEALTH_ENABLE", 16},
    {"FUNC_HAZARD_ENABLE", 17},
    {"FUNC_ECHO_REDUCT", 18},
    {"FUNC_GROUP", 20},
    {"FUNC_SYSTEM", 19},
};
const VocabEntry kThreePosFunctionNames[] = {
    {"CHAN_BANK", 0}, {"UNASSIGNED", 1}, {"SCAN", 2},       {"TALKAROUND", 3},
    {"HIGHPOWER", 4}, {"LOWPOWER", 5},   {"KEYPADLOCK", 6}, {"ZONE", 7},
    {"SYSTEM", 8},    {"RADIOLOCK", 9},  {"BLUETOOTH", 10},
};
const VocabEntry kThreePosSwitchFunctionNames[] = {
    {"UNASSIGNED", 0},
    {"CHAN_BANK", 1},
    {"ZONE_SELECT", 2},
    {"CHAN_SELECT", 3},
};
const VocabEntry kRadioLockSelectionNames[] = {
    {"PTT", 0},         {"EMER_BUTTON", 1},          {"2POS_SWITCH", 2},   {"CHAN_KNOB", 3},
    {"KEYPAD", 4},      {"NAV_SELECT_SOFT_KEYS", 5}, {"USER_PROG_TOP", 6}, {"USER_PROG_MIDDLE", 7},
    {"VOLUME_KNOB", 8}, {"USER_PROG_BOTTOM", 9},
};
const VocabEntry kSwitchRadioLockSelectionNames[] = {
    {"BtnPTT", 0},      {"EMERGENCY", 1}, {"VolSw", 2},
    {"CHAN_KNOB", 3},   {"KEYPAD", 4},    {"NAV_SELECT_SOFT_KEYS", 5},
    {"TOP_SIDE", 6},    {"MID_SIDE", 7},  {"BOT_SIDE", 8},
    {"VOLUME_KNOB", 9},
};
const VocabEntry kTwoPosFunctionNames[] = {
    {"UNASSIGNED", 0}, {"PTCT", 1}, {"TALKAROUND", 2}, {"TXDISABLE", 3},
    {"KEYPADLOCK", 4}, {"SCAN", 5}, {"BLUETOOTH", 6},
};
const VocabEntry kTopDisplayOrientationNames[] = {
    {"FRONT", 0},
    {"AUTO", 2},
    {"BACK", 1},
};
const VocabEntry kBacklightModeNames[] = {
    {"BL_OFF", 0}, {"BL_MOMENTARY", 1}, {"BL_ON", 2}, {"BL_MOMENTARY_OFF", 4}, {"BL_AUTO", 5},
};
const VocabEntry kExtOutAlertModeNames[] = {
    {"ECIT_EXT_OUT_MODE_WARN_ON", 0},     {"ECIT_EXT_OUT_MODE_WARN_PULSE", 1},
    {"ECIT_EXT_OUT_MODE_LAST_MIN_ON", 2}, {"ECIT_EXT_OUT_MODE_LAST_MIN_PULSE", 3},
    {"ECIT_EXT_OUT_MODE_EXPIRED", 4},
};
const VocabEntry kButtonBacklightNames[] = {
    {"BBL_OFF", 0},
    {"BBL_LOW", 1},
    {"BBL_HIGH", 2},
};
const VocabEntry kOnOffNames[] = {
    {"OFF", 0},
    {"ON", 1},
};
const VocabEntry kSystemDisplayNames[] = {
    {"NONE", 0},
    {"SYSTEM", 1},
    {"ALIASNAME", 2},
};
const VocabEntry kNoiseCancellationTypeNames[] = {
    {"ALG_A", 0},
    {"ALG_B", 1},
};
const VocabEntry kDualSpeakerModeNames[] = {
    {"DEFAULT_CROSSOVER", 0},
    {"FRONT", 1},
    {"REAR", 2},
    {"ALLPASS", 3},
};
const VocabEntry kGpsOperationModeNames[] = {
    {"NONE", 0},
    {"INTERNAL", 1},
    {"EXTERNAL", 2},
    {"FILE", 3},
};
const VocabEntry kPositionFormatNames[] = {
    {"LAT_LONG_DM", 0}, {"LAT_LONG_DMS", 1}, {"UTM_UPS", 2}, {"MGRS", 3}, {"LAT_LONG_DD", 4},
};
const VocabEntry kLinearUnitsNames[] = {
    {"METRIC", 0},
    {"NAUTICAL", 1},
    {"STATUTE", 2},
};
const VocabEntry kElevationBasisNames[] = {
    {"DATUM", 0},
    {"SEA_LEVEL", 1},
};
const VocabEntry kAngularUnitsNames[] = {
    {"DEGREES", 0},
    {"MILS", 1},
    {"CARDINAL", 2},
};
const VocabEntry kNorthingNames[] = {
    {"TRUE", 2}, {"MAGNETIC", 3}, {"GRID", 4}, {"NONE", 0}, {"CURRENT", 1},
};
const VocabEntry kGpsTypeNames[] = {
    {"INTERNAL_GPS", 0},
    {"UNKNOWN_GPS", 1},
};
const VocabEntry kMobileGpsTypeNames[] = {
    {"INTERNAL_GPS", 0},
    {"EXTERNAL_GPS", 1},
    {"UNKNOWN_GPS", 2},
};
const VocabEntry kTimeFormatNames[] = {
    {"TIME_12_HOUR_FORMAT", 0},
    {"TIME_24_HOUR_FORMAT", 1},
    {"TIME_12_DATE_TOGGLE_FORMAT", 2},
    {"TIME_24_DATE_TOGGLE_FORMAT", 3},
};
const VocabEntry kDateFormatNames[] = {
    {"US_DATE_FORMAT", 0},
    {"ISO_DATE_FORMAT", 1},
};
const VocabEntry kBatteryTypeNames[] = {
    {"LITHIUM_ION_POLY", 1}, {"NIMH", 2},  {"ALKALINE", 3},
    {"PRIMARY_LITHIUM", 4},  {"SMART", 5}, {"UNKNOWN", 0},
};
const VocabEntry kStatusIconNames[] = {
    {"NONE", 0},
    {"ALERTS_PRESENT", 1},
    {"BATTERY_CAP", 2},
    {"BLUETOOTH", 3},
    {"SIGSTRNGTH", 4},
    {"LTESIGSTATUS", 5},
    {"CONV_SITE_REG", 6},
    {"EMERGENCY", 7},
    {"GLOBAL_ENCRYPT", 8},
    {"GPSTRACK", 9},
    {"MONITOR", 10},
    {"NOISE_CANCEL", 11},
    {"OTAR", 12},
    {"PTT_DISABLE", 13},
    {"DATA_TRAFFIC", 14},
    {"RECEIVED_MAIL", 15},
    {"TRANSMIT_POWER", 16},
    {"SCANNING", 17},
    {"ENCRYPTED_TRAFFIC", 18},
    {"SITE_LOCK", 19},
    {"SPEAKER_MUTE", 20},
    {"TALKAROUND", 21},
    {"TONES_DISABLED", 22},
    {"TRANSMIT_DISABLED", 23},
    {"VDOC", 24},
    {"WIFI", 25},
    {"FAILSOFT", 26},
    {"TYPE99", 27},
    {"WIFI_AP", 28},
    {"MAN_DOWN_ENABLED", 29},
    {"GPS_ANTENNA_DETACHED", 30},
    {"HAZARD_MODE", 31},
    {"ECHO_REDUCTION", 32},
};
const VocabEntry kSystemTypeNames[] = {
    {"Zelo", 0}, {"CONV", 1}, {"KAMUS", 2}, {"KAMUS_IP", 3}, {"P25C", 4}, {"P25T", 5}, {"MCPTT", 6},
};
const VocabEntry kMicTypeNames[] = {
    {"INTERNAL", 0}, {"EXTERNAL", 1}, {"BLUETOOTH", 2}, {"MOBILEMICIN", 3}, {"MOBILEUSBMICIN", 4},
};
const VocabEntry kShortMenuItemNames[] = {
    {"startScan", 0},
    {"startMon", 1},
    {"nuisanceDel", 2},
    {"selChanGrp", 3},
    {"lockKeypad", 4},
    {"txPower", 5},
    {"dispSA", 6},
    {"doIcall", 7},
    {"goSelectTone", 8},
    {"otarRekey", 9},
    {"talkaroundDirect", 10},
    {"channelEntry", 11},
    {"voiceAnnc", 12},
    {"callerId", 13},
    {"empty", 14},
    {"", 15},
    {"", 16},
};
const VocabEntry kAccessoryAudioModeNames[] = {
    {"RADIO_ACCESSORY", 0},
    {"ACCESSORY_ONLY", 1},
};
const VocabEntry kMicSelectModeNames[] = {
    {"NORMAL", 0}, {"INVERT", 1}, {"TOP", 2}, {"BOTTOM", 3}, {"AUTO", 4},
};
const VocabEntry kAccessoryPttModeNames[] = {
    {"AND", 0},
    {"OR", 1},
    {"BOTH", 2},
    {"ANY", 3},
};
const VocabEntry kAccessoryButtonNames[] = {
    {"ACC_USER_1", 1},
    {"ACC_USER_2", 2},
    {"ACC_EMERGENCY", 3},
};
const VocabEntry kAccessoryButtonFunctionNames[] = {
    {"UNASSIGNED", 0},
    {"P25_SQUELCH", 1},
    {"SPEAKER_MUTE", 2},
    {"FRONT_BACKLIGHT_TOGGLE", 3},
    {"TOP_BACKLIGHT_TOGGLE", 4},
    {"FLASHLIGHT_MODE", 5},
    {"BT_KEYLINE", 6},
    {"INVERT_OLED", 7},
    {"ENTER_SCAN", 8},
    {"LOCK_KEYPAD", 9},
    {"ENABLE_ALERTS", 10},
    {"NUISANCE_DELETE", 11},
    {"TALKAROUND_DIRECT", 12},
    {"SECURE_CLEAR", 13},
    {"ZONE_UP", 14},
    {"ZONE_DOWN", 15},
    {"CHAN_UP", 16},
    {"CHAN_DOWN", 17},
    {"EMERGENCY_CALL", 18},
    {"SUPER_BANK_UP", 19},
    {"SUPER_BANK_DOWN", 20},
    {"ZONE_UP_WRAP", 21},
    {"ZONE_DOWN_WRAP", 22},
    {"ZONE_ONLY_UP", 23},
    {"ZONE_ONLY_DOWN", 24},
    {"ZONE_ONLY_UP_WRAP", 25},
    {"ZONE_ONLY_DOWN_WRAP", 26},
    {"SUPER_BANK_UP_WRAP", 27},
    {"SUPER_BANK_DOWN_WRAP", 28},
    {"SELECT_SUPER_BANK", 29},
    {"DROP_CALL", 30},
    {"SEND_STATUS", 31},
    {"SEND_MESSAGE", 32},
    {"MONITOR_CLEAR", 33},
    {"EMERGENCY_CLEAR", 34},
    {"BLUETOOTH_TOGGLE", 35},
};
const VocabEntry kProgBtnNames[] = {
    {"TOP_SIDE", 1},
    {"MID_SIDE", 2},
    {"BOT_SIDE", 3},
    {"EMERGENCY", 4},
    {"Key0", 5},
    {"Key1", 6},
    {"Key2", 7},
    {"Key3", 8},
    {"Key4", 9},
    {"Key5", 10},
    {"Key6", 11},
    {"Key7", 12},
    {"Key8", 13},
    {"Key9", 14},
    {"KeyHash", 15},
    {"KeyAsteroid", 16},
    {"KeyNavUp", 17},
    {"KeyNavDown", 18},
    {"KeyPF1", 19},
    {"KeyPF2", 20},
    {"KeyPF3", 21},
    {"KeyFRSMOption", 22},
    {"MobileEMERGENCY", 23},
    {"MobileKeyPF1", 24},
    {"MobileKeyPF2", 25},
    {"MobileKeyPF3", 26},
    {"MobileKeyPF4", 27},
    {"MobileKeyPF5", 28},
    {"MobileKeyPF6", 29},
    {"MobileKeyPF7", 30},
    {"MobileKeyPF8", 31},
    {"MobileKey0", 32},
    {"MobileKey1", 33},
    {"MobileKey2", 34},
    {"MobileKey3", 35},
    {"MobileKey4", 36},
    {"MobileKey5", 37},
    {"MobileKey6", 38},
    {"MobileKey7", 39},
    {"MobileKey8", 40},
    {"MobileKey9", 41},
    {"MobileKeyHash", 42},
    {"MobileKeyAsterisk", 43},
    {"MobileKeyNavUp", 44},
    {"MobileKeyNavDown", 45},
    {"MobileTopRampLeft", 46},
    {"MobileTopRampRight", 47},
    {"MobileFrontRampUp", 48},
    {"MobileFrontRampDown", 49},
    {"MobileOption", 50},
    {"ExtIoIn1", 51},
    {"ExtIoIn2", 52},
    {"ExtIoIn3", 53},
};
const VocabEntry kButtonFunctionNames[] = {
    {"UNASSIGNED", 0},
    {"P25_SQUELCH", 1},
    {"SPEAKER_MUTE", 2},
    {"FRONT_BACKLIGHT_TOGGLE", 3},
    {"TOP_BACKLIGHT_TOGGLE", 4},
    {"FLASHLIGHT_MODE", 5},
    {"BT_KEYLINE", 6},
    {"INVERT_OLED", 7},
    {"ENTER_SCAN", 8},
    {"LOCK_KEYPAD", 9},
    {"ENABLE_ALERTS", 10},
    {"NUISANCE_DELETE", 11},
    {"TALKAROUND_DIRECT", 12},
    {"SECURE_CLEAR", 13},
    {"ZONE_UP", 14},
    {"ZONE_DOWN", 15},
    {"CHAN_UP", 16},
    {"CHAN_DOWN", 17},
    {"BLUETOOTH_ENABLE", 18},
    {"EMERGENCY_CALL", 19},
    {"SUPER_BANK_UP", 20},
    {"SUPER_BANK_DOWN", 21},
    {"ZONE_UP_WRAP", 22},
    {"ZONE_DOWN_WRAP", 23},
    {"ZONE_ONLY_UP", 24},
    {"ZONE_ONLY_DOWN", 25},
    {"ZONE_ONLY_UP_WRAP", 26},
    {"ZONE_ONLY_DOWN_WRAP", 27},
    {"SUPER_BANK_UP_WRAP", 28},
    {"SUPER_BANK_DOWN_WRAP", 29},
    {"SELECT_SUPER_BANK", 30},
    {"DROP_CALL", 31},
    {"SEND_STATUS", 32},
    {"SEND_MESSAGE", 33},
    {"MONITOR_CLEAR", 34},
    {"SITE_ALIAS", 35},
    {"FUNC_EIO_ALARM_1", 91},
    {"FUNC_EIO_ALARM_2", 92},
    {"FUNC_EIO_ALARM_3", 93},
    {"FUNC_EIO_AUX_1", 94},
    {"FUNC_EIO_AUX_2", 95},
    {"FUNC_EIO_AUX_3", 96},
    {"FUNC_HOOK_SW", 97},
    {"FUNC_CMD_MUTE", 88},
    {"FUNC_INV_HOOK_SW", 98},
    {"FUNC_PTT", 99},
    {"FUNC_ECI_TIMEOUT", 58},
    {"FUNC_ALT_PTT", 100},
    {"FUNC_PUB_ADDR", 101},
    {"FUNC_EXT_SPKR", 102},
    {"FUNC_PROGRAM", 105},
    {"FUNC_PRIVATE", 106},
    {"FUNC_NORMAL_TRANSMIT", 107},
};
const VocabEntry kProgBtnOpcodeNames[] = {
    {"UNASSIGNED", 0},
    {"FUNC_NOOP", 1},
    {"FUNC_MONITOR_TOGGLE", 2},
    {"FUNC_MONITOR_CLEAR", 3},
    {"FUNC_FLASHLIGHT_MODE", 4},
    {"FUNC_VOICE_PLAYBACK", 5},
    {"FUNC_DAY_NIGHT_TOGGLE", 6},
    {"FUNC_LOCK_KEYPAD", 7},
    {"FUNC_NUISANCE_DELETE", 8},
    {"FUNC_TOGGLE_STEALTH", 9},
    {"FUNC_SYSTEM_UP", 10},
    {"FUNC_SYSTEM_DOWN", 11},
    {"FUNC_SYSTEM_UP_WRAP", 12},
    {"FUNC_SYSTEM_DOWN_WRAP", 13},
    {"FUNC_ZONE_UP", 14},
    {"FUNC_ZONE_DOWN", 15},
    {"FUNC_ZONE_UP_WRAP", 16},
    {"FUNC_ZONE_DOWN_WRAP", 17},
    {"FUNC_BLUETOOTH_ENABLE", 18},
    {"FUNC_EMERGENCY_CALL", 19},
    {"FUNC_ECI_TIMEOUT", 20},
    {"FUNC_ACT_EMER_DISP", 21},
    {"FUNC_EXIT_EMER", 22},
    {"FUNC_SUPERBANK_SELECT", 23},
    {"FUNC_DROP_CALL", 24},
    {"FUNC_SEND_STATUS", 25},
    {"FUNC_SEND_MESSAGE", 26},
    {"FUNC_SET_TX_POWER", 27},
    {"FUNC_SET_TX_POWER_LOW", 28},
    {"FUNC_SET_TX_POWER_HIGH", 29},
    {"FUNC_SCAN_ENABLE", 30},
    {"FUNC_SECUR_ENABLE_TGL", 31},
    {"FUNC_GO_HOME", 32},
    {"FUNC_ADJUST_SQUELCH", 33},
    {"FUNC_GO_ACTIVE_SCREEN", 34},
    {"FUNC_FRONT_BACKLIGHT", 35},
    {"FUNC_TOP_ORIENT", 36},
    {"FUNC_TOP_BACKLIGHT", 37},
    {"FUNC_SPEAKER", 38},
    {"FUNC_TALKAROUND", 39},
    {"FUNC_PRIORITYTG", 40},
    {"FUNC_VOICE_ANNOUNCE", 41},
    {"FUNC_BUTTON_INFO", 42},
    {"FUNC_CALLER_ID", 43},
    {"FUNC_CHAN_GUARD", 44},
    {"FUNC_CMD_MUTE", 45},
    {"FUNC_INDIV_CALL", 46},
    {"FUNC_OTAR_REKEY", 47},
    {"FUNC_GPS_SAINFO", 48},
    {"FUNC_SITE_LOCK", 49},
    {"FUNC_SELECT_CHAN", 50},
    {"FUNC_ACTIVATE_PROFILE", 51},
    {"FUNC_WIFI_AP", 52},
    {"FUNC_SASL", 53},
    {"FUNC_PHONE_CALL", 54},
    {"FUNC_EIO_ALARM_1", 55},
    {"FUNC_EIO_ALARM_2", 56},
    {"FUNC_EIO_ALARM_3", 57},
    {"FUNC_EIO_AUX_1", 58},
    {"FUNC_EIO_AUX_2", 59},
    {"FUNC_EIO_AUX_3", 60},
    {"FUNC_HOOK_SW", 61},
    {"FUNC_INV_HOOK_SW", 62},
    {"FUNC_PTT", 63},
    {"FUNC_ALT_PTT", 64},
    {"FUNC_PUB_ADDR", 65},
    {"FUNC_EXT_SPKR", 66},
    {"FUNC_USER_LOGIN", 67},
    {"FUNC_ACCENT_BACKLIGHT", 68},
    {"FUNC_ZONEUTIL", 69},
    {"FUNC_USER_PRESET", 70},
    {"FUNC_USER_DEFINED_PRESET", 71},
    {"FUNC_CHAN_UP", 72},
    {"FUNC_CHAN_DOWN", 73},
    {"FUNC_VOLUME_UP", 74},
    {"FUNC_VOLUME_DOWN", 75},
    {"FUNC_VR_MODE_TOGGLE", 76},
    {"FUNC_TWO_ACTION_POWER_OFF", 77},
    {"FUNC_KVL_MODE", 78},
    {"FUNC_USER_PAR", 79},
    {"FUNC_ECHO_REDUCT", 80},
    {"FUNC_PROGRAM", 81},
    {"FUNC_OPT1_SYS_BTN", 82},
    {"FUNC_OPT2_SYS_BTN", 83},
    {"FUNC_NC_BTN", 84},
    {"FUNC_PRIVATE", 85},
    {"FUNC_NORMAL_TRANSMIT", 86},
    {"FUNC_KVL_LLA", 87},
};
const VocabEntry kTimeZoneNames[] = {
    {"BIT", 1},   {"SST", 2},   {"NUT", 2},    {"CKT", 3},   {"HAST", 3},  {"TAHT", 3},
    {"AKST", 4},  {"GIT", 4},   {"PST", 5},    {"CIST", 5},  {"MST", 6},   {"CST", 7},
    {"EAST", 7},  {"GALT", 7},  {"EST", 8},    {"COT", 8},   {"AST", 9},   {"BOT", 9},
    {"BWST", 9},  {"FKST", 9},  {"BRT", 10},   {"ART", 10},  {"CGT", 10},  {"UYT", 10},
    {"BEST", 11}, {"GST", 11},  {"AZOST", 12}, {"CVT", 12},  {"EGT", 12},  {"GMT", 13},
    {"UTC", 13},  {"SLT", 13},  {"CET", 14},   {"WAT", 14},  {"EET", 15},  {"CAT", 15},
    {"IST", 15},  {"SAST", 15}, {"EAT", 16},   {"MSK", 16},  {"AMST", 17}, {"GET", 17},
    {"MUT", 17},  {"SCT", 17},  {"CAST", 18},  {"HMT", 18},  {"PKT", 18},  {"LKT", 19},
    {"VOST", 19}, {"DAVT", 20}, {"ICT", 20},   {"WIB", 20},  {"CXT", 20},  {"AWST", 21},
    {"BDT", 21},  {"HKST", 21}, {"JST", 22},   {"KST", 22},  {"AEST", 23}, {"KOST", 24},
    {"MAGT", 24}, {"PONT", 24}, {"SBT", 24},   {"VUT", 24},  {"ANAT", 25}, {"FJT", 25},
    {"GILT", 25}, {"MHT", 25},  {"NRT", 25},   {"NZST", 25}, {"SCST", 25}, {"PHOT", 26},
    {"TOT", 26},  {"LINT", 27},
};
const VocabEntry kMapDatumNames[] = {
    {"DATUM_NONE", 0},     {"DATUM_WGD", 1},      {"DATUM_WGS", 2},     {"DATUM_ADI_A", 3},
    {"DATUM_ADI_B", 4},    {"DATUM_ADI_C", 5},    {"DATUM_ADI_D", 6},   {"DATUM_ADI_E", 7},
    {"DATUM_ADI_F", 8},    {"DATUM_ADI_M", 9},    {"DATUM_AFG", 10},    {"DATUM_AIA", 11},
    {"DATUM_AIN_A", 12},   {"DATUM_AIN_B", 13},   {"DATUM_AMA", 14},    {"DATUM_ANO", 15},
    {"DATUM_ARF_A", 16},   {"DATUM_ARF_B", 17},   {"DATUM_ARF_C", 18},  {"DATUM_ARF_D", 19},
    {"DATUM_ARF_E", 20},   {"DATUM_ARF_F", 21},   {"DATUM_ARF_G", 22},  {"DATUM_ARF_H", 23},
    {"DATUM_ARF_M", 24},   {"DATUM_ARS_A", 25},   {"DATUM_ARS_B", 26},  {"DATUM_ARS_M", 27},
    {"DATUM_ASC", 28},     {"DATUM_ASM", 29},     {"DATUM_ASQ", 30},    {"DATUM_ATF", 31},
    {"DATUM_AUA", 32},     {"DATUM_AUG", 33},     {"DATUM_BAT", 34},    {"DATUM_BBOHM", 35},
    {"DATUM_BER", 36},     {"DATUM_BID", 37},     {"DATUM_BOO", 38},    {"DATUM_BUR", 39},
    {"DATUM_CAC", 40},     {"DATUM_CAI", 41},     {"DATUM_CAO", 42},    {"DATUM_CAP", 43},
    {"DATUM_CAZ", 44},     {"DATUM_CCD", 45},     {"DATUM_CGE", 46},    {"DATUM_CHI", 47},
    {"DATUM_CHU", 48},     {"DATUM_COA", 49},     {"DATUM_DAL", 50},    {"DATUM_DID", 51},
    {"DATUM_DOB", 52},     {"DATUM_EAS", 53},     {"DATUM_ENW", 54},    {"DATUM_EST", 55},
    {"DATUM_EUR_A", 56},   {"DATUM_EUR_B", 57},   {"DATUM_EUR_C", 58},  {"DATUM_EUR_D", 59},
    {"DATUM_EUR_E", 60},   {"DATUM_EUR_F", 61},   {"DATUM_EUR_G", 62},  {"DATUM_EUR_H", 63},
    {"DATUM_EUR_I", 64},   {"DATUM_EUR_J", 65},   {"DATUM_EUR_K", 66},  {"DATUM_EUR_L", 67},
    {"DATUM_EUR_M", 68},   {"DATUM_EUR_S", 69},   {"DATUM_EUR_T", 70},  {"DATUM_EUS", 71},
    {"DATUM_FAH", 72},     {"DATUM_FLO", 73},     {"DATUM_FOT", 74},    {"DATUM_GAA", 75},
    {"DATUM_GEO", 76},     {"DATUM_GIZ", 77},     {"DATUM_GRA", 78},    {"DATUM_GSE", 79},
    {"DATUM_GUA", 80},     {"DATUM_HEN", 81},     {"DATUM_HER", 82},    {"DATUM_HIT", 83},
    {"DATUM_HJO", 84},     {"DATUM_HKD", 85},     {"DATUM_HTN", 86},    {"DATUM_IBE", 87},
    {"DATUM_IDN", 88},     {"DATUM_IND_B", 89},   {"DATUM_IND_I", 90},  {"DATUM_IND_P", 91},
    {"DATUM_IND_S", 92},   {"DATUM_INF_A", 93},   {"DATUM_ING_A", 94},  {"DATUM_ING_B", 95},
    {"DATUM_INH_A", 96},   {"DATUM_INH_A1", 97},  {"DATUM_IRL", 98},    {"DATUM_ISG", 99},
    {"DATUM_IST", 100},    {"DATUM_JOH", 101},    {"DATUM_KAN", 102},   {"DATUM_KEA", 103},
    {"DATUM_KEG", 104},    {"DATUM_KGS", 105},    {"DATUM_KUS", 106},   {"DATUM_LCF", 107},
    {"DATUM_LEH", 108},    {"DATUM_LIB", 109},    {"DATUM_LUZ_A", 110}, {"DATUM_LUZ_B", 111},
    {"DATUM_MAS", 112},    {"DATUM_MER", 113},    {"DATUM_MID", 114},   {"DATUM_MID_1", 115},
    {"DATUM_MIK", 116},    {"DATUM_MIN_A", 117},  {"DATUM_MIN_B", 118}, {"DATUM_MOD", 119},
    {"DATUM_MPO", 120},    {"DATUM_MVS", 121},    {"DATUM_NAH_A", 122}, {"DATUM_NAH_B", 123},
    {"DATUM_NAH_C", 124},  {"DATUM_NAP", 125},    {"DATUM_NAR_A", 126}, {"DATUM_NAR_B", 127},
    {"DATUM_NAR_C", 128},  {"DATUM_NAR_D", 129},  {"DATUM_NAR_E", 130}, {"DATUM_NAR_H", 131},
    {"DATUM_NAS_A", 132},  {"DATUM_NAS_B", 133},  {"DATUM_NAS_C", 134}, {"DATUM_NAS_D", 135},
    {"DATUM_NAS_E", 136},  {"DATUM_NAS_F", 137},  {"DATUM_NAS_G", 138}, {"DATUM_NAS_H", 139},
    {"DATUM_NAS_I", 140},  {"DATUM_NAS_J", 141},  {"DATUM_NAS_L", 142}, {"DATUM_NAS_N", 143},
    {"DATUM_NAS_O", 144},  {"DATUM_NAS_P", 145},  {"DATUM_NAS_Q", 146}, {"DATUM_NAS_R", 147},
    {"DATUM_NAS_T", 148},  {"DATUM_NAS_U", 149},  {"DATUM_NAS_V", 150}, {"DATUM_NAS_W", 151},
    {"DATUM_NSD", 152},    {"DATUM_OEG", 153},    {"DATUM_OGB_A", 154}, {"DATUM_OGB_B", 155},
    {"DATUM_OGB_C", 156},  {"DATUM_OGB_D", 157},  {"DATUM_OGB_M", 158}, {"DATUM_OHA_A", 159},
    {"DATUM_OHA_B", 160},  {"DATUM_OHA_C", 161},  {"DATUM_OHA_D", 162}, {"DATUM_OHA_M", 163},
    {"DATUM_OHI_A", 164},  {"DATUM_OHI_B", 165},  {"DATUM_OHI_C", 166}, {"DATUM_OHI_D", 167},
    {"DATUM_OHI_M", 168},  {"DATUM_PHA", 169},    {"DATUM_PIT", 170},   {"DATUM_PLN", 171},
    {"DATUM_POS", 172},    {"DATUM_PRP_A", 173},  {"DATUM_PRP_B", 174}, {"DATUM_PRP_C", 175},
    {"DATUM_PRP_D", 176},  {"DATUM_PRP_E", 177},  {"DATUM_PRP_F", 178}, {"DATUM_PRP_G", 179},
    {"DATUM_PRP_H", 180},  {"DATUM_PRP_M", 181},  {"DATUM_PTB", 182},   {"DATUM_PTN", 183},
    {"DATUM_PUK", 184},    {"DATUM_PUR", 185},    {"DATUM_QAT", 186},   {"DATUM_QUO", 187},
    {"DATUM_REU", 188},    {"DATUM_SAE", 189},    {"DATUM_SAN_A", 190}, {"DATUM_SAN_B", 191},
    {"DATUM_SAN_C", 192},  {"DATUM_SAN_D", 193},  {"DATUM_SAN_E", 194}, {"DATUM_SAN_F", 195},
    {"DATUM_SAN_G", 196},  {"DATUM_SAN_H", 197},  {"DATUM_SAN_I", 198}, {"DATUM_SAN_J", 199},
    {"DATUM_SAN_K", 200},  {"DATUM_SAN_L", 201},  {"DATUM_SAN_M", 202}, {"DATUM_SAO", 203},
    {"DATUM_SAP", 204},    {"DATUM_SCK", 205},    {"DATUM_SGM", 206},   {"DATUM_SHB", 207},
    {"DATUM_SIR", 208},    {"DATUM_SOA", 209},    {"DATUM_SPK_A", 210}, {"DATUM_SPK_B", 211},
    {"DATUM_SPK_C", 212},  {"DATUM_SPK_D", 213},  {"DATUM_SPK_E", 214}, {"DATUM_SPK_F", 215},
    {"DATUM_SPK_G", 216},  {"DATUM_SRL", 217},    {"DATUM_TAN", 218},   {"DATUM_TDC", 219},
    {"DATUM_TIL", 220},    {"DATUM_TIL_S", 221},  {"DATUM_TOY_A", 222}, {"DATUM_TOY_B", 223},
    {"DATUM_TOY_B1", 224}, {"DATUM_TOY_C", 225},  {"DATUM_TOY_M", 226}, {"DATUM_TRN", 227},
    {"DATUM_USER_1", 228}, {"DATUM_USER_2", 229}, {"DATUM_VOI", 230},   {"DATUM_VOR", 231},
    {"DATUM_WAK", 232},    {"DATUM_YAC", 233},    {"DATUM_ZAN", 234},
};
const VocabEntry kMenuItemNames[] = {
    {"Call", 0},
    {"ExitEmer", 1},
    {"Talkaround", 2},
    {"IndivCall", 3},
    {"ChangeTG", 4},
    {"PhoneCall", 5},
    {"DirectDial", 6},
    {"CallAlert", 7},
    {"ChanGuard", 8},
    {"RxGuard", 9},
    {"TxGuard", 10},
    {"Playback", 11},
    {"ToneEncode", 12},
    {"T99Toggle", 13},
    {"EciTimer", 14},
    {"ActiveEmergDisplay", 15},
    {"Scan", 16},
    {"ScanEnable", 17},
    {"ScanLists", 18},
    {"ZoneLists", 19},
    {"EditZoneLists", 20},
    {"CustomLists", 21},
    {"ViewCustomChannels", 22},
    {"EditCustomLists", 23},
    {"CustomScan", 24},
    {"SiteRoam", 25},
    {"SaSl", 26},
    {"Security", 27},
    {"Zeroize", 28},
    {"ZeroizeAll", 29},
    {"EncrEnable", 30},
    {"GCKR", 31},
    {"GCKRKeySel", 32},
    {"ActiveKeyset", 33},
    {"KeyList", 34},
    {"OTAREnable", 35},
    {"OTARRekey", 36},
    {"KVLMode", 37},
    {"KVLModeLLA", 38},
    {"Message", 39},
    {"RadioStatus", 40},
    {"RadioMessage", 41},
    {"TextlinkMsgs", 42},
    {"TextlinkForms", 43},
    {"TextlinkMailbox", 44},
    {"Faults", 45},
    {"Utility", 46},
    {"AudioSettings", 47},
    {"Master", 48},
    {"Speaker", 49},
    {"NoiseCanc", 50},
    {"PTT", 51},
    {"Tones", 52},
    {"KeypadTones", 53},
    {"VoiceAnnunciation", 54},
    {"DisplaySettings", 55},
    {"FrontBacklight", 56},
    {"FrontBrightness", 57},
    {"FrontTimeout", 58},
    {"FrontDispOff", 59},
    {"FrontInvert", 60},
    {"TopBacklight", 61},
    {"TopBrightness", 62},
    {"TopTimeout", 63},
    {"TopOrient", 64},
    {"LEDs", 65},
    {"Bluetooth", 66},
    {"BTEnable", 67},
    {"BTDiscoverable", 68},
    {"BTVolCtrl", 69},
    {"BTSpeaker", 70},
    {"BTExtSpeaker", 71},
    {"BTPairing", 72},
    {"BTAddDevice", 73},
    {"BTDeletePairing", 74},
    {"ClockSettings", 75},
    {"DisplayFormat", 76},
    {"TimeZone", 77},
    {"Program", 78},
    {"ActivatePlan", 79},
    {"ActivateProfile", 80},
    {"GPS", 81},
    {"GPSEnabled", 82},
    {"PosInfo", 83},
    {"AngularUnits", 84},
    {"LinearUnits", 85},
    {"PosFormat", 86},
    {"SAInfo", 87},
    {"SANetworking", 88},
    {"Maintenance", 89},
    {"Battery", 90},
    {"BattInfo", 91},
    {"RadioInfo", 92},
    {"TcxoTuning", 93},
    {"Tests", 94},
    {"PattTest", 95},
    {"IBERTest", 96},
    {"Phase2IBER", 97},
    {"RSSIDisp", 98},
    {"Ph2Disp", 99},
    {"FeatureInfo", 100},
    {"ChangeLang", 101},
    {"ChangePIN", 102},
    {"WifiClient", 103},
    {"WifiState", 104},
    {"WifiNets", 105},
    {"WifiNetAdd", 106},
    {"WifiNetRemove", 107},
    {"WifiNetView", 108},
    {"WifiAP", 109},
    {"WifiAPState", 110},
    {"WifiAPClients", 111},
    {"IconGlossary", 112},
    {"LTE", 113},
    {"UserLogin", 114},
    {"UserLoginSysId", 115},
    {"UserLoginUserId", 116},
    {"UserLoginPwd", 117},
    {"UserLoginComplete", 118},
    {"DeviceMngmt", 119},
    {"Zone", 120},
    {"CTZEdit", 121},
};
const VocabEntry kMenuFunctionNames[] = {
    {"FUNC_CALL", 0},
    {"FUNC_EXIT_EMER", 1},
    {"FUNC_TALKAROUND", 2},
    {"FUNC_INDIV_CALL", 3},
    {"FUNC_CHANGE_TG", 4},
    {"FUNC_PHONE_CALL", 5},
    {"FUNC_DIRECT_DIAL", 6},
    {"FUNC_CALL_ALERT", 7},
    {"FUNC_CHAN_GUARD", 8},
    {"FUNC_RX_CG", 9},
    {"FUNC_TX_CG", 10},
    {"FUNC_VOICE_PLAYBACK", 11},
    {"FUNC_TONE_ENCODE", 12},
    {"FUNC_T99_TOGGLE", 13},
    {"FUNC_ECI_TIMEOUT", 14},
    {"FUNC_ACT_EMER_DISP", 15},
    {"FUNC_SCAN", 16},
    {"FUNC_SCAN_ENABLE", 17},
    {"FUNC_SCAN_LISTS", 18},
    {"FUNC_ZONE_LISTS", 19},
    {"FUNC_EDIT_ZONE_LIST", 20},
    {"FUNC_CUSTOM_LISTS", 21},
    {"FUNC_VIEW_CUST_CHANNELS", 22},
    {"FUNC_EDIT_CUST_LISTS", 23},
    {"FUNC_CUSTOM_SCAN", 24},
    {"FUNC_SITE_ROAM", 25},
    {"FUNC_SASL", 26},
    {"FUNC_SECURITY", 27},
    {"FUNC_ZEROIZE_KEYS", 28},
    {"FUNC_ZEROIZE_ALL", 29},
    {"FUNC_SECUR_ENABLE_TGL", 30},
    {"FUNC_GLOBAL_CRYPT", 31},
    {"FUNC_GLOBAL_KEY", 32},
    {"FUNC_ACTIVE_KEYSET", 33},
    {"FUNC_KEYLIST", 34},
    {"FUNC_OTAR_ENABLE", 35},
    {"FUNC_OTAR_REKEY", 36},
    {"FUNC_KVL_MODE", 37},
    {"FUNC_KVL_LLA", 38},
    {"FUNC_MESSAGE", 39},
    {"FUNC_RADIO_STATUS", 40},
    {"FUNC_RADIO_MESSAGE", 41},
    {"FUNC_TEXTLINK_MESSAGES", 42},
    {"FUNC_TEXTLINK_FORMS", 43},
    {"FUNC_TEXTLINK_MAILBOX", 44},
    {"FUNC_ALERTS", 45},
    {"FUNC_UTILITY", 46},
    {"FUNC_AUDIO_SETTINGS", 47},
    {"FUNC_MASTER_SETTINGS", 48},
    {"FUNC_SPEAKER", 49},
    {"FUNC_NOISE_CANC", 50},
    {"FUNC_PTT_ENABLE", 51},
    {"FUNC_TONES_ENABLE", 52},
    {"FUNC_KEYPAD_TONES", 53},
    {"FUNC_VOICE_ANN", 54},
    {"FUNC_DISPLAY_SETTINGS", 55},
    {"FUNC_FRONT_BACKLIGHT", 56},
    {"FUNC_FRONT_BRIGHTNESS", 57},
    {"FUNC_FRONT_TIMEOUT", 58},
    {"FUNC_FRONT_DISP_OFF", 59},
    {"FUNC_DAY_NIGHT_TOGGLE", 60},
    {"FUNC_TOP_BACKLIGHT", 61},
    {"FUNC_TOP_BRIGHTNESS", 62},
    {"FUNC_TOP_TIMEOUT", 63},
    {"FUNC_TOP_ORIENT", 64},
    {"FUNC_LEDS", 65},
    {"FUNC_BLUETOOTH", 66},
    {"FUNC_BLUETOOTH_ENABLE", 67},
    {"FUNC_BLUETOOTH_DISCOVERY", 68},
    {"FUNC_BLUETOOTH_VOL_CTRL", 69},
    {"FUNC_BLUETOOTH_SPEAKER", 70},
    {"FUNC_BLUETOOTH_ACC_SPKR", 71},
    {"FUNC_BLUETOOTH_PAIRING", 72},
    {"FUNC_BT_ADD_DEVICE", 73},
    {"FUNC_BT_DELETE_PAIRING", 74},
    {"FUNC_CLOCK_SETTINGS", 75},
    {"FUNC_HOUR_FORMAT", 76},
    {"FUNC_TIME_ZONE", 77},
    {"FUNC_PROGRAM", 78},
    {"FUNC_ACTIVATE_PLAN", 79},
    {"FUNC_ACTIVATE_PROFILE", 80},
    {"FUNC_GPS", 81},
    {"FUNC_GPS_ENABLED", 82},
    {"FUNC_GPS_POS_INFO", 83},
    {"FUNC_GPS_ANGULAR_UNITS", 84},
    {"FUNC_GPS_LINEAR_UNITS", 85},
    {"FUNC_GPS_POS_FORMAT", 86},
    {"FUNC_GPS_SAINFO", 87},
    {"FUNC_GPS_SANETWORKING", 88},
    {"FUNC_MAINTENANCE", 89},
    {"FUNC_BATTERY", 90},
    {"FUNC_BATTERY_INFO", 91},
    {"FUNC_RADIO_INFO", 92},
    {"FUNC_TCXO_TUNE", 93},
    {"FUNC_TESTS", 94},
    {"FUNC_PATT_TEST", 95},
    {"FUNC_IBER_TEST", 96},
    {"FUNC_PH2_IBER_TEST", 97},
    {"FUNC_RSSI_DISP", 98},
    {"FUNC_PH2_DISP", 99},
    {"FUNC_FEATURE_INFO", 100},
    {"FUNC_CHANGE_LANG", 101},
    {"FUNC_PIN_CHANGE", 102},
    {"FUNC_WIFI_CLIENT", 103},
    {"FUNC_WIFI_CLIENT_STATE", 104},
    {"FUNC_WIFI_NETWORKS", 105},
    {"FUNC_WIFI_NET_ADD", 106},
    {"FUNC_WIFI_NET_RMV", 107},
    {"FUNC_WIFI_NET_VIEW", 108},
    {"FUNC_WIFI_AP", 109},
    {"FUNC_WIFI_AP_STATE", 110},
    {"FUNC_WIFI_AP_CLIENTS", 111},
    {"FUNC_ICON_GLOSSARY", 112},
    {"FUNC_LTE", 113},
    {"FUNC_USER_LOGIN", 114},
    {"FUNC_SYSTEM_ID_ENTRY", 115},
    {"FUNC_USER_ID_ENTRY", 116},
    {"FUNC_LOGIN_PWD_ENTRY", 117},
    {"FUNC_USER_LOGIN_COMPLETE", 118},
    {"FUNC_DEVICE_MNGMT", 119},
    {"FUNC_ZONEUTIL", 120},
    {"FUNC_CTZ_EDIT", 121},
};

}  // namespace

#define TARIN_TABLE(name)                             \
    const VocabTable name {                           \
        k##name, sizeof(k##name) / sizeof(k##name[0]) \
    }
TARIN_TABLE(TrueFalseNames);
TARIN_TABLE(WpaProtocolNames);
TARIN_TABLE(LteOperatorNames);
TARIN_TABLE(SimSelectNames);
TARIN_TABLE(LteMaxPowerNames);
TARIN_TABLE(WifiSecurityTypeNames);
TARIN_TABLE(WifiSecurityNames);
TARIN_TABLE(WifiEncryptionNames);
TARIN_TABLE(WifiModeNames);
TARIN_TABLE(WifiChannelSelectNames);
TARIN_TABLE(WmmOptionNames);
TARIN_TABLE(PortForwardProtocolNames);
TARIN_TABLE(ApnIpTypeNames);
TARIN_TABLE(ApnAuthTypeNames);
TARIN_TABLE(AudioEioOutputFunctionNames);
TARIN_TABLE(ExternalOutputNames);
TARIN_TABLE(EioOutputSenseNames);
TARIN_TABLE(DayNightModeNames);
TARIN_TABLE(ToneNames);
TARIN_TABLE(VolControlModeNames);
TARIN_TABLE(ProgButtonNames);
TARIN_TABLE(EioOutputFunctionNames);
TARIN_TABLE(EioOutputModeNames);
TARIN_TABLE(ProgSwitchNames);
TARIN_TABLE(SwitchPositionOpcodeNames);
TARIN_TABLE(ThreePosFunctionNames);
TARIN_TABLE(ThreePosSwitchFunctionNames);
TARIN_TABLE(RadioLockSelectionNames);
TARIN_TABLE(SwitchRadioLockSelectionNames);
TARIN_TABLE(TwoPosFunctionNames);
TARIN_TABLE(TopDisplayOrientationNames);
TARIN_TABLE(BacklightModeNames);
TARIN_TABLE(ExtOutAlertModeNames);
TARIN_TABLE(ButtonBacklightNames);
TARIN_TABLE(OnOffNames);
TARIN_TABLE(SystemDisplayNames);
TARIN_TABLE(NoiseCancellationTypeNames);
TARIN_TABLE(DualSpeakerModeNames);
TARIN_TABLE(GpsOperationModeNames);
TARIN_TABLE(PositionFormatNames);
TARIN_TABLE(LinearUnitsNames);
TARIN_TABLE(ElevationBasisNames);
TARIN_TABLE(AngularUnitsNames);
TARIN_TABLE(NorthingNames);
TARIN_TABLE(GpsTypeNames);
TARIN_TABLE(MobileGpsTypeNames);
TARIN_TABLE(TimeFormatNames);
TARIN_TABLE(DateFormatNames);
TARIN_TABLE(BatteryTypeNames);
TARIN_TABLE(StatusIconNames);
TARIN_TABLE(SystemTypeNames);
TARIN_TABLE(MicTypeNames);
TARIN_TABLE(ShortMenuItemNames);
TARIN_TABLE(AccessoryAudioModeNames);
TARIN_TABLE(MicSelectModeNames);
TARIN_TABLE(AccessoryPttModeNames);
TARIN_TABLE(AccessoryButtonNames);
TARIN_TABLE(AccessoryButtonFunctionNames);
TARIN_TABLE(ProgBtnNames);
TARIN_TABLE(ButtonFunctionNames);
TARIN_TABLE(ProgBtnOpcodeNames);
TARIN_TABLE(TimeZoneNames);
TARIN_TABLE(MapDatumNames);
TARIN_TABLE(MenuItemNames);
TARIN_TABLE(MenuFunctionNames);
#undef TARIN_TABLE

const NamedVocabTable kVocabularyTables[] = {
    {"TrueFalseNames", &TrueFalseNames},
    {"WpaProtocolNames", &WpaProtocolNames},
    {"LteOperatorNames", &LteOperatorNames},
    {"SimSelectNames", &SimSelectNames},
    {"LteMaxPowerNames", &LteMaxPowerNames},
    {"WifiSecurityTypeNames", &WifiSecurityTypeNames},
    {"WifiSecurityNames", &WifiSecurityNames},
    {"WifiEncryptionNames", &WifiEncryptionNames},
    {"WifiModeNames", &WifiModeNames},
    {"WifiChannelSelectNames", &WifiChannelSelectNames},
    {"WmmOptionNames", &WmmOptionNames},
    {"PortForwardProtocolNames", &PortForwardProtocolNames},
    {"ApnIpTypeNames", &ApnIpTypeNames},
    {"ApnAuthTypeNames", &ApnAuthTypeNames},
    {"AudioEioOutputFunctionNames", &AudioEioOutputFunctionNames},
    {"ExternalOutputNames", &ExternalOutputNames},
    {"EioOutputSenseNames", &EioOutputSenseNames},
    {"DayNightModeNames", &DayNightModeNames},
    {"ToneNames", &ToneNames},
    {"VolControlModeNames", &VolControlModeNames},
    {"ProgButtonNames", &ProgButtonNames},
    {"EioOutputFunctionNames", &EioOutputFunctionNames},
    {"EioOutputModeNames", &EioOutputModeNames},
    {"ProgSwitchNames", &ProgSwitchNames},
    {"SwitchPositionOpcodeNames", &SwitchPositionOpcodeNames},
    {"ThreePosFunctionNames", &ThreePosFunctionNames},
    {"ThreePosSwitchFunctionNames", &ThreePosSwitchFunctionNames},
    {"RadioLockSelectionNames", &RadioLockSelectionNames},
    {"SwitchRadioLockSelectionNames", &SwitchRadioLockSelectionNames},
    {"TwoPosFunctionNames", &TwoPosFunctionNames},
    {"TopDisplayOrientationNames", &TopDisplayOrientationNames},
    {"BacklightModeNames", &BacklightModeNames},
    {"ExtOutAlertModeNames", &ExtOutAlertModeNames},
    {"ButtonBacklightNames", &ButtonBacklightNames},
    {"OnOffNames", &OnOffNames},
    {"SystemDisplayNames", &SystemDisplayNames},
    {"NoiseCancellationTypeNames", &NoiseCancellationTypeNames},
    {"DualSpeakerModeNames", &DualSpeakerModeNames},
    {"GpsOperationModeNames", &GpsOperationModeNames},
    {"PositionFormatNames", &PositionFormatNames},
    {"LinearUnitsNames", &LinearUnitsNames},
    {"ElevationBasisNames", &ElevationBasisNames},
    {"AngularUnitsNames", &AngularUnitsNames},
    {"NorthingNames", &NorthingNames},
    {"GpsTypeNames", &GpsTypeNames},
    {"MobileGpsTypeNames", &MobileGpsTypeNames},
    {"TimeFormatNames", &TimeFormatNames},
    {"DateFormatNames", &DateFormatNames},
    {"BatteryTypeNames", &BatteryTypeNames},
    {"StatusIconNames", &StatusIconNames},
    {"SystemTypeNames", &SystemTypeNames},
    {"MicTypeNames", &MicTypeNames},
    {"ShortMenuItemNames", &ShortMenuItemNames},
    {"AccessoryAudioModeNames", &AccessoryAudioModeNames},
    {"MicSelectModeNames", &MicSelectModeNames},
    {"AccessoryPttModeNames", &AccessoryPttModeNames},
    {"AccessoryButtonNames", &AccessoryButtonNames},
    {"AccessoryButtonFunctionNames", &AccessoryButtonFunctionNames},
    {"ProgBtnNames", &ProgBtnNames},
    {"ButtonFunctionNames", &ButtonFunctionNames},
    {"ProgBtnOpcodeNames", &ProgBtnOpcodeNames},
    {"TimeZoneNames", &TimeZoneNames},
    {"MapDatumNames", &MapDatumNames},
    {"MenuItemNames", &MenuItemNames},
    {"MenuFunctionNames", &MenuFunctionNames},
};

std::span<const NamedVocabTable> vocabularyTables() {
    return kVocabularyTables;
}

const char* lookupName(uint32_t value, const VocabTable& table) {
    for (std::size_t i = 0; i < table.count; ++i)
        if (table.entries[i].value == value) return table.entries[i].name;
    return kUnknownName;
}

bool lookupValue(std::string_view text, const VocabTable& table, uint32_t& out) {
    for (std::size_t i = 0; i < table.count; ++i) {
        if (text == table.entries[i].name) {
            out = table.entries[i].value;
            return true;
        }
    }
    return false;
}

}  // namespace tarin
