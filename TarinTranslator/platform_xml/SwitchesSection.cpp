#include <algorithm>
#include <span>
#include <string_view>

#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/Sections.h"

// The selector switches: the two- and three-position switch attributes and the radio
// lock list of the classic progButtons element, and the progSwitches section of the
// extended platforms with its own radio lock list.

namespace tarin {

// The progButton children of the progButtons element (with the button lists).

namespace {

// ---- two-position switch ---------------------------------------------------------------

using Two = TwoPosSwitchConfig;

const XmlAttr<Two> kTwoPosXml[] = {
    {"      _2PosFunction='", &Two::_2PosFunction, &TwoPosFunctionNames},
    {"      _2PosAValue='", &Two::_2PosAValue},
    {"      _2PosBValue='", &Two::_2PosBValue},
    {"\t _2PosA_VAIndex='", &Two::_2PosA_VAIndex},
    {"\t _2PosB_VAIndex='", &Two::_2PosB_VAIndex},
};

const SummaryItem<Two> kTwoPosSummary[] = {
    {"{Function: ", &Two::_2PosFunction, Shown::Name, &TwoPosFunctionNames},
    {", A: \"", &Two::_2PosAValue, Shown::Quoted},
    {", B: \"", &Two::_2PosBValue, Shown::Quoted},
    {" VAIndexA: \"", &Two::_2PosA_VAIndex, Shown::Quoted},
    {" VAIndexB: \"", &Two::_2PosB_VAIndex, Shown::Quoted},
};

const ReadAttr<Two> kTwoPosRead[] = {
    {.name = "_2PosFunction", .field = &Two::_2PosFunction, .names = &TwoPosFunctionNames},
    {.name = "_2PosAValue", .field = &Two::_2PosAValue},
    {.name = "_2PosBValue", .field = &Two::_2PosBValue},
};

// Read only when both are present.
const ReadAttr<Two> kTwoPosIndexRead[] = {
    {.name = "_2PosA_VAIndex", .field = &Two::_2PosA_VAIndex},
    {.name = "_2PosB_VAIndex", .field = &Two::_2PosB_VAIndex},
};

// ---- three-position switch: function and index per position ----------------------------

using Three = ThreePosSwitchPositions;

const XmlAttr<Three> kThreePosXml[] = {
    {"     _3PosAFunc='", &Three::_3PosAFunc, &ThreePosFunctionNames},
    {"     _3PosBFunc='", &Three::_3PosBFunc, &ThreePosFunctionNames},
    {"     _3PosCFunc='", &Three::_3PosCFunc, &ThreePosFunctionNames},
    {"\t _3PosAIndex='", &Three::_3PosAIndex},
    {"\t _3PosBIndex='", &Three::_3PosBIndex},
    {"\t _3PosCIndex='", &Three::_3PosCIndex},
};

const SummaryItem<Three> kThreePosSummary[] = {
    {" AFunc: \"", &Three::_3PosAFunc, Shown::Name, &ThreePosFunctionNames},
    {", BFunc: \"", &Three::_3PosBFunc, Shown::Name, &ThreePosFunctionNames},
    {", CFunc: \"", &Three::_3PosCFunc, Shown::Name, &ThreePosFunctionNames},
    {" AIndex: \"", &Three::_3PosAIndex, Shown::Quoted},
    {" BIndex: \"", &Three::_3PosBIndex, Shown::Quoted},
    {" CIndex: \"", &Three::_3PosCIndex, Shown::Quoted},
};

// Read only when all six are present.
const ReadAttr<Three> kThreePosRead[] = {
    {.name = "_3PosAFunc", .field = &Three::_3PosAFunc, .names = &ThreePosFunctionNames},
    {.name = "_3PosBFunc", .field = &Three::_3PosBFunc, .names = &ThreePosFunctionNames},
    {.name = "_3PosCFunc", .field = &Three::_3PosCFunc, .names = &ThreePosFunctionNames},
    {.name = "_3PosAIndex", .field = &Three::_3PosAIndex},
    {.name = "_3PosBIndex", .field = &Three::_3PosBIndex},
    {.name = "_3PosCIndex", .field = &Three::_3PosCIndex},
};

// ---- three-position switch: mode and value per position --------------------------------

using ThreeValues = ThreePosSwitchConfig;

const XmlAttr<ThreeValues> kThreeValuesXml[] = {
    {"      _3PosFunction='", &ThreeValues::_3PosFunction, &ThreePosSwitchFunctionNames},
    {"      _3PosAValue='", &ThreeValues::_3PosAValue},
    {"      _3PosBValue='", &ThreeValues::_3PosBValue},
    {"      _3PosCValue='", &ThreeValues::_3PosCValue},
};

const SummaryItem<ThreeValues> kThreeValuesSummary[] = {
    {"{Function: ", &ThreeValues::_3PosFunction, Shown::Name, &ThreePosSwitchFunctionNames},
    {", A: \"", &ThreeValues::_3PosAValue, Shown::Quoted},
    {", B: \"", &ThreeValues::_3PosBValue, Shown::Quoted},
    {", C: \"", &ThreeValues::_3PosCValue, Shown::Quoted},
};

const ReadAttr<ThreeValues> kThreeValuesRead[] = {
    {.name = "_3PosFunction",
     .field = &ThreeValues::_3PosFunction,
     .names = &ThreePosSwitchFunctionNames},
    {.name = "_3PosAValue", .field = &ThreeValues::_3PosAValue},
    {.name = "_3PosBValue", .field = &ThreeValues::_3PosBValue},
    {.name = "_3PosCValue", .field = &ThreeValues::_3PosCValue},
};

// ---- radio lock lists ------------------------------------------------------------------

// The literals of one form of radio lock list.
struct LockListLayout {
    const VocabTable& names;
    const char* open;
    const char* itemOpen;
    const char* itemClose;
    const char* close;
};

const LockListLayout kClassicLockList = {
    RadioLockSelectionNames,   "          <RadioLockList>\n", "      <RadioLockSelection>",
    "</RadioLockSelection>\n", "         </RadioLockList>\n",
};

const LockListLayout kSwitchLockList = {
    SwitchRadioLockSelectionNames, "<RadioLockList>\n",  "<RadioLockSelection>",
    "</RadioLockSelection>\n",     "</RadioLockList>\n",
};

// XML text of a lock list; an empty list writes nothing.
void writeLockListXml(std::wostream& os, const RadioLockSequence& list,
                      const LockListLayout& layout) {
    if (list.empty()) return;
    os << layout.open;
    for (uint32_t code : list)
        os << layout.itemOpen << lookupName(code, layout.names) << layout.itemClose;
    os << layout.close;
}

// Fills `list` from the RadioLockSelection texts below the parent's RadioLockList child.
// A missing parent changes nothing; a missing RadioLockList gives an empty list; a text
// that is not a name of the table fails and leaves the list as it was.
bool readRadioLockList(pugi::xml_node parent, const VocabTable& names, RadioLockSequence& list) {
    if (!parent) return true;
    RadioLockSequence working;
    for (pugi::xml_node item : parent.child("RadioLockList").children("RadioLockSelection")) {
        uint32_t code = 0;
        if (!lookupText(elementText(item).c_str(), names, code)) return false;
        working.push_back(code);
    }
    list = std::move(working);
    return true;
}

// ---- progSwitches ----------------------------------------------------------------------

const XmlAttr<PosValue> kPosValueXml[] = {
    {"   opcode='", &PosValue::opcode, &SwitchPositionOpcodeNames},
    {"   param='", &PosValue::param},
    {"   VAFileIndex='", &PosValue::VAFileIndex},
};

const SummaryItem<PosValue> kPosValueSummary[] = {
    {"   opcode='", &PosValue::opcode, Shown::Name, &SwitchPositionOpcodeNames},
    {"   param='", &PosValue::param, Shown::Raw},
    {"   VAFileIndex='", &PosValue::VAFileIndex},
};

// A posValue without VAFileIndex keeps the index read last in its switch.
const ReadAttr<PosValue> kPosValueRead[] = {
    {.name = "param", .field = &PosValue::param},
    {.name = "opcode", .field = &PosValue::opcode, .names = &SwitchPositionOpcodeNames},
    {.name = "VAFileIndex",
     .field = &PosValue::VAFileIndex,
     .use = Use::Optional,
     .min = 0,
     .max = 65535},
};

// Reads the posValue children of one progSwitch element into `positions`. A posValue
// before any VAFileIndex was read adds nothing.
bool readSwitchPositions(pugi::xml_node progSwitch, SwitchPositionMap& positions) {
    PosValue current;
    current.VAFileIndex = -1;
    for (pugi::xml_node node : progSwitch.children("posValue")) {
        pugi::xml_attribute pos = node.attribute("pos");
        if (!pos || !readAttrs<PosValue>(node, current, kPosValueRead)) return false;
        if (current.VAFileIndex >= 0)
            keepFirst(positions, leadingInt(pos.value()), current, node, "pos");
    }
    return true;
}

}  // namespace

std::wostream& writeTwoPosSwitch(std::wostream& os, const TwoPosSwitchConfig& sw) {
    if (isXmlMode(os)) {
        writeXmlAttrs<Two>(os, sw, kTwoPosXml);
    } else {
        writeSummaryItems<Two>(os, sw, kTwoPosSummary);
        os << "}";
    }
    return os;
}

std::wostream& writeThreePosSwitchPositions(std::wostream& os, const ThreePosSwitchPositions& sw) {
    if (isXmlMode(os)) {
        writeXmlAttrs<Three>(os, sw, kThreePosXml);
    } else {
        writeSummaryItems<Three>(os, sw, kThreePosSummary);
        os << "}";
    }
    return os;
}

std::wostream& writeThreePosSwitch(std::wostream& os, const ThreePosSwitchConfig& sw) {
    if (isXmlMode(os)) {
        writeXmlAttrs<ThreeValues>(os, sw, kThreeValuesXml);
    } else {
        writeSummaryItems<ThreeValues>(os, sw, kThreeValuesSummary);
        os << "}";
    }
    return os;
}

std::wostream& writeRadioLockList(std::wostream& os, const RadioLockSequence& list) {
    if (isXmlMode(os)) {
        writeLockListXml(os, list, kClassicLockList);
    } else if (!list.empty()) {
        os << "{";
        const char* separator = "";
        for (uint32_t code : list) {
            os << separator << "RadioLockSelection: " << lookupName(code, RadioLockSelectionNames)
               << "'\n";
            separator = ", ";
        }
        os << "}";
    }
    return os;
}

bool readProgButtonsElement(pugi::xml_node node, HandheldPlatform& platform) {
    if (!readAttrs<ThreeValues>(node, platform.threePosSwitch, kThreeValuesRead)) return false;
    if (allPresent<Three>(node, kThreePosRead) &&
        !readAttrs<Three>(node, platform.threePosPositions, kThreePosRead))
        return false;
    if (!readAttrs<Two>(node, platform.twoPosSwitch, kTwoPosRead)) return false;
    if (allPresent<Two>(node, kTwoPosIndexRead))
        (void)readAttrs<Two>(node, platform.twoPosSwitch, kTwoPosIndexRead);
    // An invalid button leaves the button list empty but does not fail the element.
    readProgButtons(node, platform.progButtons);
    return readRadioLockList(node, RadioLockSelectionNames, platform.RadioLockList);
}

std::wostream& writeProgSwitches(std::wostream& os, const ProgSwitchesConfig& switches) {
    const bool xml = isXmlMode(os);
    if (!isVrMobileCode(currentRadioType())) {
        for (const auto& [code, positions] : switches.switches) {
            const char* name = lookupName(static_cast<uint32_t>(code), ProgSwitchNames);
            if (xml) {
                os << "<progSwitch\n   name='" << name << "'\n >\n";
            } else {
                os << "progSwitch name='" << name << " >\n";
            }
            for (const auto& [pos, value] : positions) {
                if (xml) {
                    os << "<posValue\n   pos='" << pos << "'\n";
                    writeXmlAttrs<PosValue>(os, value, kPosValueXml);
                } else {
                    os << "posValue pos='" << pos;
                    writeSummaryItems<PosValue>(os, value, kPosValueSummary);
                }
                os << "    />\n";
            }
            if (xml) os << "</progSwitch>\n";
        }
    }
    if (xml) {
        writeLockListXml(os, switches.RadioLockList, kSwitchLockList);
    } else {
        for (uint32_t code : switches.RadioLockList)
            os << lookupName(code, SwitchRadioLockSelectionNames) << "    />\n";
    }
    return os;
}

bool readProgSwitches(pugi::xml_node node, HandheldPlatform& platform) {
    if (!node) return false;
    ProgSwitchMap working;
    for (pugi::xml_node progSwitch : node.children("progSwitch")) {
        uint32_t code = 0;
        if (!lookupValue(progSwitch.attribute("name"), ProgSwitchNames, code)) return false;
        SwitchPositionMap positions;
        if (!readSwitchPositions(progSwitch, positions)) return false;
        keepFirst(working, static_cast<int32_t>(code), std::move(positions), progSwitch, "name");
    }
    ProgSwitchesConfig& switches = platform.progSwitches;
    switches.switches = std::move(working);
    return readRadioLockList(node, SwitchRadioLockSelectionNames, switches.RadioLockList);
}

}  // namespace tarin
