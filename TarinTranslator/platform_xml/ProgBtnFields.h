#pragma once

// One key of the extended platforms as the progBtns list and the system option buttons
// both describe it: its attribute lines, how it reads and what its check admits.

#include <ostream>
#include <pugixml.hpp>

#include "TarinTranslator/model/Buttons.h"

namespace tarin {

// The attribute lines that follow the key's name: opcode, delay, timeout (only when
// `withTimeout`), extraData and the three preset fields.
void writeProgBtnAttrs(std::wostream& os, const ProgBtnEntry& entry, bool withTimeout);

// Reads opcode, delay (optional), extraData and, when `withTimeout`, timeout; for the user
// preset opcodes also the preset fields, where a missing or out-of-range index means none.
// False when a read fails.
bool readProgBtnAttrs(pugi::xml_node node, ProgBtnEntry& entry, bool withTimeout);

// Opcode 0 to 87, delay and timeout as numbers from 0.0 to 100000.0, extraData of at most
// 20 characters.
bool checkProgBtnEntry(const ProgBtnEntry& entry);

}  // namespace tarin
