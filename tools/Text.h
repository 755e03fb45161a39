#pragma once

// Text handling of the command-line tool: the check that a text can stand in an XML
// document, and the quoting of texts for a terminal and for JSON. UTF-8 is decoded
// strictly, as the library decodes it (Utf8.h).

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "TarinTranslator/host/Utf8.h"

namespace tarin::tool {

inline std::string codePointName(char32_t c) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
    return name;
}

// Why `text` (UTF-8) cannot stand in an XML document, or nothing when it can.
inline std::optional<std::string> xmlTextProblem(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = at;
        std::optional<char32_t> c = decodeUtf8(text, at);
        if (!c) return "is not valid UTF-8 (byte " + std::to_string(start + 1) + ")";
        if (!isXmlChar(*c))
            return "holds " + codePointName(*c) + ", a character that XML 1.0 does not allow";
    }
    return std::nullopt;
}

// Why wide `text` cannot stand in an XML document, or nothing when it can.
inline std::optional<std::string> xmlTextProblem(std::wstring_view text) {
    for (const wchar_t unit : text)
        if (const auto c = static_cast<char32_t>(unit); !isXmlChar(c))
            return "holds " + codePointName(c) + ", a character that XML 1.0 does not allow";
    return std::nullopt;
}

// `text` for a terminal: control characters escaped (\t, \n, \r, \xNN), invalid UTF-8
// bytes as \xNN.
inline std::string printable(std::string_view text) {
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = at;
        std::optional<char32_t> c = decodeUtf8(text, at);
        if (c && *c >= 0x20 && *c != 0x7F) {
            out.append(text.substr(start, at - start));
            continue;
        }
        const char* named = !c           ? nullptr
                            : *c == '\t' ? "\\t"
                            : *c == '\n' ? "\\n"
                            : *c == '\r' ? "\\r"
                                         : nullptr;
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(text[start]));
        out += named ? named : hex;
        at = start + 1;
    }
    return out;
}

// `text` for a terminal, its lines kept: control characters other than the line feed
// escaped as printable() does.
inline std::string printableLines(std::string_view text) {
    std::string out;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        out += printable(text.substr(start, end - start));
        if (end == text.size()) break;
        out += '\n';
        start = end + 1;
    }
    return out;
}

// A setting's value on one line: control characters, line breaks and backslashes escaped
// as C does (\n, \t, \r, \\, \xNN).
inline std::string escapedSetting(std::string_view value) {
    std::string out;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out;
}

// ---- JSON ------------------------------------------------------------------------------

// A JSON string; invalid UTF-8 becomes U+FFFD.
inline std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = at;
        std::optional<char32_t> c = decodeUtf8(text, at);
        if (!c) {
            out += "\\ufffd";
        } else if (*c == '"' || *c == '\\') {
            out += '\\';
            out += static_cast<char>(*c);
        } else if (*c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(*c));
            out += escape;
        } else {
            out.append(text.substr(start, at - start));
        }
    }
    return out + "\"";
}

inline std::string jsonBool(bool value) {
    return value ? "true" : "false";
}

// Members (name, JSON value) as an object: one member a line, indented by `indent`
// levels; with a negative indent all on one line.
using JsonMembers = std::vector<std::pair<std::string, std::string>>;
inline std::string jsonObject(const JsonMembers& members, int indent = -1) {
    const auto line = [](int level) { return std::string(1, '\n').append(2 * level, ' '); };
    const std::string inner = indent < 0 ? " " : line(indent + 1);
    const std::string outer = indent < 0 ? "" : line(indent);
    std::string out = "{";
    for (std::size_t i = 0; i < members.size(); ++i)
        out += (i ? "," : "") + inner + jsonString(members[i].first) + ": " + members[i].second;
    return out + (members.empty() ? "" : indent < 0 ? " " : outer) + "}";
}

inline std::string jsonArray(const std::vector<std::string>& items) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + items[i];
    return out + "]";
}

}  // namespace tarin::tool
