#pragma once

// Every setting of a platform configuration has a path relative to its platformConfig
// element, which is also an XPath expression that selects the same value in a platform
// file this library wrote:
//
//   path      = step *("/" step) ["/@" name]
//   step      = name [predicate]
//   predicate = "[@" key "='" value "']"   an entry of a list kept by a key attribute
//             | "[" N "]"                  the Nth entry (from 1) of a list kept in order
//
// A path ending in an attribute names that attribute's value; one ending in an element
// that holds text (ssid) names the text; one ending in any other element names every
// setting below it. Predicates may also be written without quotes ([@micType=EXTERNAL])
// or with double quotes.

#include <cstddef>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace tarin {

// How the entries of a list are told apart.
struct ListRule {
    const char* element;  // the entry's path without predicates ("" for a menu item at any depth)
    const char* key;      // the key attribute, or nullptr: entries by position
    bool fixed = false;   // a fixed set of entries: none is added or removed
};

// The list whose entries `node` is one of, if any.
const ListRule* listRuleOf(pugi::xml_node node);

// The lists of a platform configuration, in the order of the README's table.
const std::vector<ListRule>& listRules();

// One setting: its path, its value as the document holds it, and where it stands.
struct Setting {
    std::string path;
    std::string value;
    pugi::xml_node element;
    pugi::xml_attribute attribute;  // null for a setting held as element text
};

// The path of an element (below platformConfig) with the predicates its lists need.
std::string elementPathOf(pugi::xml_node node);

// The settings below `node` (the platformConfig element, or any element below it), in
// document order. The key attributes of lists are part of their entries' paths, not
// settings of their own.
std::vector<Setting> settingsBelow(pugi::xml_node node);

// Whether `node` holds its setting as text: an element without attributes or child
// elements that is not a list's container.
bool holdsText(pugi::xml_node node);

// The XPath expression of a path as a user may write it (predicates with or without
// quotes), relative to the platformConfig element; nullopt when it is not a path.
std::optional<std::string> xpathOf(std::string_view path);

// The "]" that closes the predicate opened at `open`, quotes taken into account; npos
// without one.
std::size_t closingBracket(std::string_view path, std::size_t open);

// Splits "PATH=VALUE" at the first "=" outside brackets; nullopt without one.
std::optional<std::pair<std::string, std::string>> splitAssignment(std::string_view text);

// The settings that `path` selects below `platformConfig`, in document order: an
// attribute's, an element text's, or all those below an element; empty when it selects
// nothing (or is not a path).
std::vector<Setting> selectSettings(pugi::xml_node platformConfig, std::string_view path);

// Up to `count` paths of `known` nearest to `path` (by edit distance), nearest first.
std::vector<std::string> nearestPaths(std::string_view path, const std::vector<std::string>& known,
                                      std::size_t count = 3);

}  // namespace tarin
