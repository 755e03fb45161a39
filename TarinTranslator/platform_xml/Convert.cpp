#include "TarinTranslator/platform_xml/Convert.h"

#include <locale.h>
#include <stdlib.h>

#include <algorithm>
#include <limits>

#include "TarinTranslator/host/Platform.h"
#include "TarinTranslator/platform_xml/Encoding.h"
#include "TarinTranslator/platform_xml/ReadLog.h"

namespace tarin {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

// The common part of both conversions: sign and magnitude, with `overflow` set when the
// magnitude does not fit in 32 bits.
struct Scanned {
    bool negative = false;
    uint64_t magnitude = 0;
    bool overflow = false;
};

Scanned scan(const char* p, int base) {
    Scanned r;
    while (isSpace(*p)) ++p;
    if (*p == '+' || *p == '-') {
        r.negative = *p == '-';
        ++p;
    }
    if (base == 0) {
        if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && digitValue(p[2]) < 16) {
            base = 16;
            p += 2;
        } else if (p[0] == '0') {
            base = 8;
        } else {
            base = 10;
        }
    } else if (base == 16 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && digitValue(p[2]) < 16) {
        p += 2;
    }
    if (base < 2 || base > 36) return r;
    for (int d; (d = digitValue(*p)) < base; ++p) {
        r.magnitude = r.magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
        if (r.magnitude > 0xFFFFFFFFull) {
            r.overflow = true;
            r.magnitude = 0xFFFFFFFFull + 1;  // keep it bounded while the digits run on
        }
    }
    return r;
}

}  // namespace

bool parseLong(const char* text, int base, int32_t min, int32_t max, int32_t& out) {
    if (!text) return false;
    Scanned s = scan(text, base);
    if (s.overflow) return false;
    int64_t value =
        s.negative ? -static_cast<int64_t>(s.magnitude) : static_cast<int64_t>(s.magnitude);
    if (value < kLongMin || value > kLongMax) return false;
    if (value < min || value > max) return false;
    out = static_cast<int32_t>(value);
    return true;
}

bool parseULong(const char* text, int base, uint32_t min, uint32_t max, uint32_t& out) {
    if (!text) return false;
    Scanned s = scan(text, base);
    if (s.overflow) return false;
    auto value = static_cast<uint32_t>(s.magnitude);
    if (s.negative) value = static_cast<uint32_t>(0u - value);
    if (value < min || value > max) return false;
    out = value;
    return true;
}

int32_t leadingInt(const char* text) {
    int32_t value = 0;
    if (!text) return 0;
    if (parseLong(text, 10, kLongMin, kLongMax, value)) return value;
    std::string_view rest(text);
    rest.remove_prefix(std::min(rest.find_first_not_of(" \t\n\v\f\r"), rest.size()));
    return !rest.empty() && rest.front() == '-' ? kLongMin : kLongMax;
}

int32_t leadingHexInt(const char* text) {
    if (!text) return 0;
    Scanned s = scan(text, 16);
    int64_t value =
        s.negative ? -static_cast<int64_t>(s.magnitude) : static_cast<int64_t>(s.magnitude);
    return static_cast<int32_t>(std::clamp<int64_t>(value, kLongMin, kLongMax));
}

double leadingDecimal(std::wstring_view text) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    std::string narrow;
    for (wchar_t c : text) {
        if (c <= 0 || c >= 0x80) break;  // no digit, sign or exponent beyond ASCII
        narrow += static_cast<char>(c);
    }
    // Without a locale object (out of memory) no range admits the value.
    if (cLocale == locale_t{}) return std::numeric_limits<double>::quiet_NaN();
    return strtod_l(narrow.c_str(), nullptr, cLocale);
}

bool lookupText(const char* text, const VocabTable& table, uint32_t& out) {
    return text && lookupValue(std::string_view(text), table, out);
}

bool readLong(pugi::xml_attribute attr, int32_t& out, int32_t min, int32_t max, int base) {
    if (!attr) return false;
    if (parseLong(attr.value(), base, min, max, out)) return true;
    if (readLog())
        noteConversion({}, attr, numberProblem(attr.value(), base, min, max),
                       ReasonCode::OutOfRange);
    return false;
}

bool readULong(pugi::xml_attribute attr, uint32_t& out, uint32_t min, uint32_t max, int base) {
    if (!attr) return false;
    if (parseULong(attr.value(), base, min, max, out)) return true;
    if (readLog())
        noteConversion({}, attr, numberProblem(attr.value(), base, min, max),
                       ReasonCode::OutOfRange);
    return false;
}

bool readString(pugi::xml_attribute attr, std::wstring& out) {
    return readText(attr, out, SIZE_MAX);
}

bool readText(pugi::xml_attribute attr, std::wstring& out, std::size_t maxCharacters) {
    if (!attr) return false;
    if (widenXmlText(attr.value(), maxCharacters, out)) return true;
    noteConversion({}, attr, "holds a character that XML does not allow",
                   ReasonCode::ForbiddenCharacter);
    return false;
}

bool readFixedString(pugi::xml_attribute attr, wchar_t* out, std::size_t capacity) {
    if (!attr || capacity == 0) return false;
    std::wstring text;
    if (!readText(attr, text, capacity - 1)) return false;
    copyFixed(out, capacity, text);
    return true;
}

bool readBool(pugi::xml_attribute attr, uint8_t& out) {
    if (!attr) return false;
    std::string_view text = attr.value();
    if (text == "true" || text == "1") {
        out = 1;
    } else if (text == "false" || text == "0") {
        out = 0;
    } else {
        noteConversion({}, attr, "is not true, false, 1 or 0", ReasonCode::NotAName);
        return false;
    }
    return true;
}

bool lookupValue(pugi::xml_attribute attr, const VocabTable& table, uint32_t& out) {
    if (!attr) return false;
    if (lookupValue(std::string_view(attr.value()), table, out)) return true;
    if (readLog()) noteConversion({}, attr, notOneOfTheNames(table), ReasonCode::NotAName);
    return false;
}

bool hasName(pugi::xml_attribute attr, const char* name) {
    return attr && std::string_view(attr.name()) == name;
}

std::string elementText(pugi::xml_node node) {
    pugi::xml_node first = node.first_child();
    if (first.type() == pugi::node_pcdata && !first.next_sibling()) return first.value();
    std::string text;
    for (pugi::xml_node n = first; n;) {
        if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) text += n.value();
        if (n.first_child()) {
            n = n.first_child();
            continue;
        }
        while (n && !n.next_sibling() && n != node) n = n.parent();
        if (!n || n == node) break;
        n = n.next_sibling();
    }
    return text;
}

std::string numberProblem(const char* text, int base, int64_t min, int64_t max) {
    if (!text) text = "";
    const Scanned s = scan(text, base);
    if (s.overflow) return "does not fit in 32 bits";
    std::string why = "is outside " + std::to_string(min) + ".." + std::to_string(max);
    // Say what a text that is not a plain decimal number reads as ("abc" as 0).
    const int64_t value =
        s.negative ? -static_cast<int64_t>(s.magnitude) : static_cast<int64_t>(s.magnitude);
    if (std::to_string(value) != text) why += " (it reads as " + std::to_string(value) + ")";
    return why;
}

bool isOneOf(uint32_t value, std::initializer_list<uint32_t> allowed) {
    return std::find(allowed.begin(), allowed.end(), value) != allowed.end();
}

}  // namespace tarin
