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

// The VA index lines have an indentation of their own.
const Field<Two> kTwoPos[] = {
    {.name = "_2PosFunction", .member = &Two::_2PosFunction, .names = &TwoPosFunctionNames},
    {.name = "_2PosAValue", .member = &Two::_2PosAValue},
    {.name = "_2PosBValue", .member = &Two::_2PosBValue},
    {.name = "_2PosA_VAIndex", .member = &Two::_2PosA_VAIndex, .literal = "\t _2PosA_VAIndex='"},
    {.name = "_2PosB_VAIndex", .member = &Two::_2PosB_VAIndex, .literal = "\t _2PosB_VAIndex='"},
};

const SummaryVisit kTwoPosSummary[] = {
    {"_2PosFunction", "{Function: ", Shown::Name},
    {"_2PosAValue", ", A: \"", Shown::Quoted},
    {"_2PosBValue", ", B: \"", Shown::Quoted},
    {"_2PosA_VAIndex", " VAIndexA: \"", Shown::Quoted},
    {"_2PosB_VAIndex", " VAIndexB: \"", Shown::Quoted},
};

const Visit kTwoPosRead[] = {{"_2PosFunction"}, {"_2PosAValue"}, {"_2PosBValue"}};

// Read only when both are present.
const Visit kTwoPosIndexRead[] = {{"_2PosA_VAIndex"}, {"_2PosB_VAIndex"}};

// ---- three-position switch: function and index per position ----------------------------

using Three = ThreePosSwitchPositions;

constexpr Field<Three> positionFunction(const char* name, uint32_t Three::*member) {
    return {.name = name, .member = member, .names = &ThreePosFunctionNames};
}

// The indexes' lines have an indentation of their own. All six are read only when all six
// are present.
const Field<Three> kThreePos[] = {
    positionFunction("_3PosAFunc", &Three::_3PosAFunc),
    positionFunction("_3PosBFunc", &Three::_3PosBFunc),
    positionFunction("_3PosCFunc", &Three::_3PosCFunc),
    {.name = "_3PosAIndex", .member = &Three::_3PosAIndex, .literal = "\t _3PosAIndex='"},
    {.name = "_3PosBIndex", .member = &Three::_3PosBIndex, .literal = "\t _3PosBIndex='"},
    {.name = "_3PosCIndex", .member = &Three::_3PosCIndex, .literal = "\t _3PosCIndex='"},
};

const SummaryVisit kThreePosSummary[] = {
    {"_3PosAFunc", " AFunc: \"", Shown::Name},     {"_3PosBFunc", ", BFunc: \"", Shown::Name},
    {"_3PosCFunc", ", CFunc: \"", Shown::Name},    {"_3PosAIndex", " AIndex: \"", Shown::Quoted},
    {"_3PosBIndex", " BIndex: \"", Shown::Quoted}, {"_3PosCIndex", " CIndex: \"", Shown::Quoted},
};

// ---- three-position switch: mode and value per position --------------------------------

using ThreeValues = ThreePosSwitchConfig;

const Field<ThreeValues> kThreeValues[] = {
    {.name = "_3PosFunction",
     .member = &ThreeValues::_3PosFunction,
     .names = &ThreePosSwitchFunctionNames},
    {.name = "_3PosAValue", .member = &ThreeValues::_3PosAValue},
    {.name = "_3PosBValue", .member = &ThreeValues::_3PosBValue},
    {.name = "_3PosCValue", .member = &ThreeValues::_3PosCValue},
};

const SummaryVisit kThreeValuesSummary[] = {
    {"_3PosFunction", "{Function: ", Shown::Name},
    {"_3PosAValue", ", A: \"", Shown::Quoted},
    {"_3PosBValue", ", B: \"", Shown::Quoted},
    {"_3PosCValue", ", C: \"", Shown::Quoted},
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
    for (uint32_t code : list) {
        os << layout.itemOpen << lookupName(code, layout.names) << layout.itemClose;
        recordFacts(os, FieldFacts{.name = "RadioLockSelection",
                                   .kind = FieldFacts::Kind::Name,
                                   .names = &layout.names});
    }
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

const Field<PosValue> kPosValue[] = {
    {.name = "opcode", .member = &PosValue::opcode, .names = &SwitchPositionOpcodeNames},
    {.name = "param", .member = &PosValue::param},
    {.name = "VAFileIndex",
     .member = &PosValue::VAFileIndex,
     .use = Use::Optional,
     .min = 0,
     .max = 65535},
};

const SummaryVisit kPosValueSummary[] = {
    {"opcode", "   opcode='", Shown::Name},
    {"param", "   param='", Shown::Raw},
    {"VAFileIndex", "   VAFileIndex='"},
};

// A posValue without VAFileIndex keeps the index read last in its switch.
const Visit kPosValueRead[] = {{"param"}, {"opcode"}, {"VAFileIndex"}};

// Reads the posValue children of one progSwitch element into `positions`. A posValue
// before any VAFileIndex was read adds nothing.
bool readSwitchPositions(pugi::xml_node progSwitch, SwitchPositionMap& positions) {
    PosValue current;
    current.VAFileIndex = -1;
    for (pugi::xml_node node : progSwitch.children("posValue")) {
        pugi::xml_attribute pos = node.attribute("pos");
        if (!pos || !readFields<PosValue>(node, current, kPosValue, kPosValueRead)) return false;
        if (current.VAFileIndex >= 0)
            keepFirst(positions, leadingInt(pos.value()), current, node, "pos");
    }
    return true;
}

}  // namespace

std::wostream& writeTwoPosSwitch(std::wostream& os, const TwoPosSwitchConfig& sw) {
    if (isXmlMode(os)) {
        writeXmlFields<Two>(os, sw, kTwoPos, 6);
    } else {
        writeSummaryFields<Two>(os, sw, kTwoPos, kTwoPosSummary);
        os << "}";
    }
    return os;
}

std::wostream& writeThreePosSwitchPositions(std::wostream& os, const ThreePosSwitchPositions& sw) {
    if (isXmlMode(os)) {
        writeXmlFields<Three>(os, sw, kThreePos, 5);
    } else {
        writeSummaryFields<Three>(os, sw, kThreePos, kThreePosSummary);
        os << "}";
    }
    return os;
}

std::wostream& writeThreePosSwitch(std::wostream& os, const ThreePosSwitchConfig& sw) {
    if (isXmlMode(os)) {
        writeXmlFields<ThreeValues>(os, sw, kThreeValues, 6);
    } else {
        writeSummaryFields<ThreeValues>(os, sw, kThreeValues, kThreeValuesSummary);
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
    if (!readFields<ThreeValues>(node, platform.threePosSwitch, kThreeValues)) return false;
    if (allFieldsPresent<Three>(node, kThreePos) &&
        !readFields<Three>(node, platform.threePosPositions, kThreePos))
        return false;
    if (!readFields<Two>(node, platform.twoPosSwitch, kTwoPos, kTwoPosRead)) return false;
    if (allFieldsPresent<Two>(node, kTwoPos, kTwoPosIndexRead))
        (void)readFields<Two>(node, platform.twoPosSwitch, kTwoPos, kTwoPosIndexRead);
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
                    writeXmlFields<PosValue>(os, value, kPosValue, 3);
                } else {
                    os << "posValue pos='" << pos;
                    writeSummaryFields<PosValue>(os, value, kPosValue, kPosValueSummary);
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
