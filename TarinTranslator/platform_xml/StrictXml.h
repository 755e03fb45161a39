#pragma once

// What XML demands of a document that the XML parser lets through: one root element,
// nothing but white space and markup outside it, character references only to characters
// XML allows (the parser would cut a text at a reference to U+0000), and no attribute
// twice in one element. Other XML readers refuse a document that breaks any of these, so
// the library does too.

#include <cstddef>
#include <string>
#include <string_view>

#include "TarinTranslator/platform_xml/Encoding.h"

namespace tarin {

struct MarkupFault {
    std::size_t offset = kValid;  // where the fault is, in bytes
    std::string what;             // why, for a reason; empty when there is no fault
    // The scan met markup it does not follow (a document that is not well-formed) at
    // `offset`; the parser says what is wrong there.
    bool lost = false;
    explicit operator bool() const { return !what.empty(); }
};

// Scans UTF-8 text (whose characters are valid) for the first such fault. A text that
// ends inside markup is no fault of its own: the parser reports it.
MarkupFault firstMarkupFault(std::string_view text);

}  // namespace tarin
