#pragma once

// Conversions from attribute text to record fields. Numbers follow the C library's
// whole-number conversion with a 32-bit long: leading white space is skipped, the
// conversion stops at the first character that is not a digit of the base, text without
// digits gives 0, and a magnitude beyond 32 bits fails. Unsigned conversion accepts a
// minus sign and wraps ("-1" gives 4294967295).

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <pugixml.hpp>
#include <string>
#include <string_view>

#include "TarinTranslator/model/PlanTexts.h"
#include "TarinTranslator/model/Vocabulary.h"

namespace tarin {

inline constexpr int32_t kLongMin = std::numeric_limits<int32_t>::min();
inline constexpr int32_t kLongMax = std::numeric_limits<int32_t>::max();
inline constexpr uint32_t kULongMax = std::numeric_limits<uint32_t>::max();

// Plain text. A null pointer counts as absent and fails.
bool parseLong(const char* text, int base, int32_t min, int32_t max, int32_t& out);
bool parseULong(const char* text, int base, uint32_t min, uint32_t max, uint32_t& out);
bool lookupText(const char* text, const VocabTable& table, uint32_t& out);
// The value of a leading decimal integer as the C library's text-to-int conversion gives
// it: white space skipped, 0 without digits, saturated beyond 32 bits.
int32_t leadingInt(const char* text);
// The value of a leading hexadecimal integer as stream extraction into an int gives it:
// white space skipped, an optional sign and "0x", 0 without digits, and a value beyond the
// int range saturated to INT_MAX or INT_MIN.
int32_t leadingHexInt(const char* text);
// The number at the start of a decimal text, as the C library's text-to-double
// conversion reads it in the "C" locale, whatever the process locale is: leading white
// space is skipped, text that does not begin with a number gives 0, "0x" starts a
// hexadecimal number, a magnitude beyond the range of double is infinite and one too
// small for it is 0.
double leadingDecimal(std::wstring_view text);

// Attributes. A null attribute is absent and fails; a present attribute with an empty
// value is the empty text. On failure the output is left unchanged.
bool readLong(pugi::xml_attribute attr, int32_t& out, int32_t min = kLongMin,
              int32_t max = kLongMax, int base = 10);
bool readULong(pugi::xml_attribute attr, uint32_t& out, uint32_t min = 0, uint32_t max = kULongMax,
               int base = 10);
// Texts fail when what is taken of them holds a character that XML does not allow (one
// that a character reference brought in). A text is widened only as far as it is taken,
// so a long one costs its length once, in the document, not again four times over.
bool readString(pugi::xml_attribute attr, std::wstring& out);
// At most `maxCharacters` characters; the rest is not looked at.
bool readText(pugi::xml_attribute attr, std::wstring& out, std::size_t maxCharacters);
// Copies at most capacity - 1 characters and terminates the array.
bool readFixedString(pugi::xml_attribute attr, wchar_t* out, std::size_t capacity);
bool readBool(pugi::xml_attribute attr, uint8_t& out);
bool lookupValue(pugi::xml_attribute attr, const VocabTable& table, uint32_t& out);
bool hasName(pugi::xml_attribute attr, const char* name);
// An element's text as XPath's string() gives it: every text and CDATA section below it,
// in document order (the parser keeps no comments or processing instructions).
std::string elementText(pugi::xml_node node);

// Why a number text does not convert into [min, max] in the given base: "does not fit in
// 32 bits" or "is outside MIN..MAX".
std::string numberProblem(const char* text, int base, int64_t min, int64_t max);

bool isOneOf(uint32_t value, std::initializer_list<uint32_t> allowed);

}  // namespace tarin
