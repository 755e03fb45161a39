#pragma once

// Section layouts as data. A section's XML attributes, its summary items, the attributes
// its reader converts and the ranges its check admits are each a constant list of items
// over the section's record; the functions here serve every section from those lists.
//
// Field kinds: uint32_t (unsigned numbers and enumerated values), int32_t (signed
// numbers) and std::wstring (texts).

#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <ostream>
#include <pugixml.hpp>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

#include "TarinTranslator/model/RadioType.h"
#include "TarinTranslator/model/Vocabulary.h"
#include "TarinTranslator/platform_xml/Convert.h"
#include "TarinTranslator/platform_xml/Encoding.h"
#include "TarinTranslator/platform_xml/ReadLog.h"
#include "TarinTranslator/platform_xml/XmlText.h"

namespace tarin {

template <class R>
using Member = std::variant<uint32_t R::*, int32_t R::*, std::wstring R::*>;

// ---------------------------------------------------------------------------------------
// XML text: each item writes `literal`, the value and "'\n".

template <class R>
struct XmlAttr {
    const char* literal;  // e.g. "   speakerMode='"
    Member<R> field;
    const VocabTable* names = nullptr;  // enumerated: written as its name
    Gate gate = Gate::All;
    bool omitEmpty = false;  // texts: no line at all when empty
};

// ---------------------------------------------------------------------------------------
// Summary text: each item writes `literal` and the value; Quoted appends a double quote
// after the (raw) text, whose opening quote ends the literal.

enum class Shown : uint8_t { Number, Name, Raw, Quoted };

template <class R>
struct SummaryItem {
    const char* literal;  // e.g. ", PTT: "
    Member<R> field;
    Shown shown = Shown::Number;
    const VocabTable* names = nullptr;  // for Shown::Name
    Gate gate = Gate::All;
};

// ---------------------------------------------------------------------------------------
// Reading: each item names an attribute and how it converts.

enum class Use : uint8_t {
    Required,  // absent or unconvertible: the read fails
    Optional,  // absent: field unchanged; present and unconvertible: the read fails
    Tolerant,  // any failure only leaves the field unchanged
};

template <class R>
struct ReadAttr {
    const char* name;
    Member<R> field;
    const VocabTable* names = nullptr;  // enumerated: matched against the table's names
    Use use = Use::Required;
    Gate gate = Gate::All;
    int64_t min = kLongMin;   // numbers: accepted range (unsigned fields use the
    int64_t max = kULongMax;  // part of it that fits their type); texts: the length limit
                              // that the section's check holds them to, if any
    int base = 10;
};

// ---------------------------------------------------------------------------------------
// Checks: a number lies in [min, max]; a text's length, or the decimal number it starts
// with (leadingDecimal), lies in [min, max].

enum class TextMeasure : uint8_t {
    Length,   // characters
    Decimal,  // the leading decimal number; NaN lies in no range
};

template <class R>
struct Check {
    const char* name;  // the attribute that carries the field, for reasons
    Member<R> field;
    int64_t min;
    int64_t max;
    Gate gate = Gate::All;
    TextMeasure measure = TextMeasure::Length;
};

// ---------------------------------------------------------------------------------------

// Writes the value of `field` in XML mode: a text escaped, an enumerated value by its name,
// a number in decimal.
template <class R>
void writeXmlValue(std::wostream& os, const R& rec, const Member<R>& field,
                   const VocabTable* names) {
    if (auto* text = std::get_if<std::wstring R::*>(&field)) {
        putEscaped(os, rec.*(*text));
    } else if (auto* u = std::get_if<uint32_t R::*>(&field)) {
        if (names) {
            os << lookupName(rec.*(*u), *names);
        } else {
            os << rec.*(*u);
        }
    } else {
        int32_t value = rec.*std::get<int32_t R::*>(field);
        if (names) {
            os << lookupName(static_cast<uint32_t>(value), *names);
        } else {
            os << value;
        }
    }
}

template <class R>
void writeXmlAttrs(std::wostream& os, const R& rec, std::span<const XmlAttr<R>> items) {
    for (const XmlAttr<R>& item : items) {
        if (!gateOpen(item.gate)) continue;
        if (auto* text = std::get_if<std::wstring R::*>(&item.field)) {
            if (item.omitEmpty && (rec.*(*text)).empty()) continue;
        }
        os << item.literal;
        writeXmlValue(os, rec, item.field, item.names);
        os << "'\n";
    }
}

template <class R>
void writeSummaryItems(std::wostream& os, const R& rec, std::span<const SummaryItem<R>> items) {
    for (const SummaryItem<R>& item : items) {
        if (!gateOpen(item.gate)) continue;
        os << item.literal;
        if (auto* text = std::get_if<std::wstring R::*>(&item.field)) {
            os << rec.*(*text);
            if (item.shown == Shown::Quoted) os << L'"';
        } else if (auto* u = std::get_if<uint32_t R::*>(&item.field)) {
            if (item.shown == Shown::Name) {
                os << lookupName(rec.*(*u), *item.names);
            } else {
                os << rec.*(*u);
            }
        } else {
            int32_t value = rec.*std::get<int32_t R::*>(item.field);
            if (item.shown == Shown::Name) {
                os << lookupName(static_cast<uint32_t>(value), *item.names);
            } else {
                os << value;
            }
        }
    }
}

// Converts a text (an attribute's value or an element's text content) into the item's
// field; false when it does not convert, and the field is then left unchanged.
template <class R>
bool convertText(const char* text, R& rec, const ReadAttr<R>& item) {
    if (!text) return false;
    if (auto* field = std::get_if<std::wstring R::*>(&item.field)) {
        // A text with a length limit is taken one character past it: enough for its check
        // to refuse it.
        const std::size_t take =
            item.max < kULongMax ? static_cast<std::size_t>(item.max) + 1 : SIZE_MAX;
        return widenXmlText(text, take, rec.*(*field));
    }
    if (auto* u = std::get_if<uint32_t R::*>(&item.field)) {
        if (item.names) return lookupText(text, *item.names, rec.*(*u));
        uint32_t min = item.min < 0 ? 0 : static_cast<uint32_t>(item.min);
        uint32_t max = item.max > kULongMax ? kULongMax : static_cast<uint32_t>(item.max);
        return parseULong(text, item.base, min, max, rec.*(*u));
    }
    int32_t& field = rec.*std::get<int32_t R::*>(item.field);
    if (item.names) {
        uint32_t value = 0;
        if (!lookupText(text, *item.names, value)) return false;
        field = static_cast<int32_t>(value);
        return true;
    }
    int32_t min = item.min < kLongMin ? kLongMin : static_cast<int32_t>(item.min);
    int32_t max = item.max > kLongMax ? kLongMax : static_cast<int32_t>(item.max);
    return parseLong(text, item.base, min, max, field);
}

// Converts one attribute into its field; false when absent or unconvertible.
template <class R>
bool convertAttr(pugi::xml_attribute attr, R& rec, const ReadAttr<R>& item) {
    return attr && convertText(attr.value(), rec, item);
}

// What kind of problem an item's text that does not convert has.
template <class R>
ReasonCode conversionCode(const ReadAttr<R>& item) {
    if (std::holds_alternative<std::wstring R::*>(item.field)) return ReasonCode::ForbiddenCharacter;
    return item.names ? ReasonCode::NotAName : ReasonCode::OutOfRange;
}

// Why an item's text does not convert (for reasons only).
template <class R>
std::string conversionProblem(const char* text, const ReadAttr<R>& item) {
    if (std::holds_alternative<std::wstring R::*>(item.field))
        return "holds a character that XML does not allow";
    if (item.names) return notOneOfTheNames(*item.names);
    const bool isSigned = std::holds_alternative<int32_t R::*>(item.field);
    const int64_t min =
        isSigned ? std::max<int64_t>(item.min, kLongMin) : std::max<int64_t>(item.min, 0);
    const int64_t max =
        isSigned ? std::min<int64_t>(item.max, kLongMax) : std::min<int64_t>(item.max, kULongMax);
    return numberProblem(text, item.base, min, max);
}

// Fetches one item by name and converts it as its Use says; false for a failure that
// counts. A closed gate skips the item. A value that a tolerant item leaves is a warning.
template <class R>
bool readAttr(pugi::xml_node node, R& rec, const ReadAttr<R>& item) {
    if (!gateOpen(item.gate)) return true;
    pugi::xml_attribute attr = node.attribute(item.name);
    if (!attr) {
        if (item.use != Use::Required) return true;
        noteMissing(node, item.name);
        return false;
    }
    if (convertAttr(attr, rec, item)) return true;
    if (ReadLog* log = readLog()) {
        noteConversion(node, attr, conversionProblem(attr.value(), item), conversionCode(item));
        if (item.use == Use::Tolerant) log->warnNoted();
    }
    return item.use == Use::Tolerant;
}

// Reads the items in list order and stops with false at the first failure that counts.
template <class R>
bool readAttrs(pugi::xml_node node, R& rec, std::span<const ReadAttr<R>> items) {
    for (const ReadAttr<R>& item : items)
        if (!readAttr(node, rec, item)) return false;
    return true;
}

// Reads every item in list order whatever fails on the way; false when any failure
// counted. Each field that converts is stored.
template <class R>
bool readEveryAttr(pugi::xml_node node, R& rec, std::span<const ReadAttr<R>> items) {
    bool ok = true;
    for (const ReadAttr<R>& item : items) ok = readAttr(node, rec, item) && ok;
    return ok;
}

// True when every item with this name is present on `node`.
template <class R>
bool allPresent(pugi::xml_node node, std::span<const ReadAttr<R>> items) {
    for (const ReadAttr<R>& item : items)
        if (gateOpen(item.gate) && !node.attribute(item.name)) return false;
    return true;
}

// Visits the attributes of `node` in document order and converts those that match a
// gated item; others are skipped. `seen` (optional) gets one flag per item converted.
template <class R>
bool walkAttrs(pugi::xml_node node, R& rec, std::span<const ReadAttr<R>> items,
               bool* seen = nullptr) {
    for (pugi::xml_attribute attr : node.attributes()) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            const ReadAttr<R>& item = items[i];
            if (!gateOpen(item.gate) || !hasName(attr, item.name)) continue;
            if (!convertAttr(attr, rec, item)) {
                if (readLog())
                    noteConversion(node, attr, conversionProblem(attr.value(), item),
                                   conversionCode(item));
                return false;
            }
            if (seen) seen[i] = true;
            break;
        }
    }
    return true;
}

// Reads the `element` children of `node`, in document order, into a new list under the
// running keys 0, 1, 2, ...; an entry starts with its constructed values and is added when
// all its items read. With `skipIncomplete` a child lacking any item is passed over;
// otherwise it fails like one that does not convert. The new list replaces `list` in any
// case; false when an entry failed.
template <class E>
bool readIndexedList(pugi::xml_node node, const char* element, std::span<const ReadAttr<E>> items,
                     std::map<int32_t, E>& list, bool skipIncomplete = false) {
    std::map<int32_t, E> working;
    bool ok = true;
    for (pugi::xml_node child : node.children(element)) {
        if (skipIncomplete && !allPresent<E>(child, items)) continue;
        E entry{};
        if (readAttrs<E>(child, entry, items)) {
            const auto key = static_cast<int32_t>(working.size());
            working.emplace(key, std::move(entry));
        } else {
            ok = false;
        }
    }
    list = std::move(working);
    return ok;
}

// Per entry of `list`, in key order: `open`, the entry's attribute lines, `close`.
template <class E>
void writeXmlEntries(std::wostream& os, const std::map<int32_t, E>& list, const char* open,
                     std::span<const XmlAttr<E>> items, const char* close) {
    for (const auto& [key, entry] : list) {
        os << open;
        writeXmlAttrs<E>(os, entry, items);
        os << close;
    }
}

inline std::string characters(int64_t count) {
    return std::to_string(count) + (count == 1 ? " character" : " characters");
}

// Notes why a check failed (for reasons only).
template <class R>
void noteCheck(const Check<R>& check, const std::string& value, const std::string& what,
               ReasonCode code) {
    if (ReadLog* log = readLog())
        log->note({}, check.name, std::string(check.name) + "=" + value + " " + what, -1, code);
}

template <class R>
bool checkRanges(const R& rec, std::span<const Check<R>> checks) {
    for (const Check<R>& check : checks) {
        if (!gateOpen(check.gate)) continue;
        int64_t value;
        if (auto* text = std::get_if<std::wstring R::*>(&check.field)) {
            const std::wstring& field = rec.*(*text);
            if (check.measure == TextMeasure::Decimal) {
                const double number = leadingDecimal(field);
                if (!(number >= static_cast<double>(check.min) &&
                      number <= static_cast<double>(check.max))) {
                    if (readLog())
                        noteCheck(check, quoted(pugi::as_utf8(field)),
                                  ("is outside " + std::to_string(check.min) + ".0.." +
                                   std::to_string(check.max) + ".0")
                                      .c_str(),
                                  ReasonCode::OutOfRange);
                    return false;
                }
                continue;
            }
            const auto length = static_cast<int64_t>(field.size());
            if (length < check.min || length > check.max) {
                if (readLog())
                    noteCheck(check, quoted(pugi::as_utf8(field)),
                              length > check.max
                                  ? "is too long (at most " + characters(check.max) + ")"
                                  : "is too short (at least " + characters(check.min) + ")",
                              length > check.max ? ReasonCode::TooLong : ReasonCode::TooShort);
                return false;
            }
            continue;
        }
        if (auto* u = std::get_if<uint32_t R::*>(&check.field)) {
            value = rec.*(*u);
        } else {
            value = rec.*std::get<int32_t R::*>(check.field);
        }
        if (value < check.min || value > check.max) {
            if (ReadLog* log = readLog())
                log->noteNumber(
                    check.name, value,
                    "is outside " + std::to_string(check.min) + ".." + std::to_string(check.max));
            return false;
        }
    }
    return true;
}

// =======================================================================================
// One row per field. A row holds every fact about a setting that the writer, the summary,
// the reader and the check need; each use visits the rows in its own order, under its own
// gate where it differs from the row's, through a list of visits that names the rows.

// The range a section's check admits for a field.
struct Judged {
    int64_t min;
    int64_t max;
    TextMeasure measure = TextMeasure::Length;
};

template <class R>
struct Field {
    const char* name;  // the attribute (or element) that carries it
    Member<R> member;
    const VocabTable* names = nullptr;  // enumerated: written and read as a name of this table
    Gate gate = Gate::All;              // the radio groups whose documents carry it
    Use use = Use::Required;            // how the reader takes it
    int64_t min = kLongMin;             // reader: a number's accepted range (unsigned fields
    int64_t max = kULongMax;            //   use the part that fits them), a text's limit
    int base = 10;                      // reader: a number's base (0: as the C library's)
    std::optional<Judged> check = {};   // the section check's range, where it judges the field
    const char* literal = nullptr;      // writer: the text before the value where it is not
                                        //   the line's indentation, the name and "='"
    bool omitEmpty = false;             // writer: a text that is empty gets no line
};

// A use's visit of a row: the row by name, under the use's own gate or the row's.
struct Visit {
    const char* name;
    std::optional<Gate> gate = {};
};

// A summary's visit: the row, the text before its value, and how the value is shown.
struct SummaryVisit {
    const char* name;
    const char* literal;  // e.g. ", PTT: "
    Shown shown = Shown::Number;
    std::optional<Gate> gate = {};
};

// The row named `name`. A name that no row has is a fault of the tables, which the tests
// of every section would meet.
template <class R>
const Field<R>& fieldOf(std::span<const Field<R>> rows, std::string_view name) {
    for (const Field<R>& row : rows)
        if (name == row.name) return row;
    throw std::logic_error("no row " + std::string(name));
}

// Calls `visit(row, gate)` for each visit of `order`, or, without one, for each row in
// order; a visit without a gate of its own takes the row's (Gate::All with `allGate`).
template <class R, class Visitor>
void forEachVisit(std::span<const Field<R>> rows, std::span<const Visit> order, Visitor visit,
                  bool allGate = false) {
    if (order.empty()) {
        for (const Field<R>& row : rows) visit(row, allGate ? Gate::All : row.gate);
        return;
    }
    for (const Visit& v : order) {
        const Field<R>& row = fieldOf(rows, v.name);
        visit(row, v.gate.value_or(allGate ? Gate::All : row.gate));
    }
}

// The attribute lines of the record: each visited row whose gate is open writes its
// literal (or `indent` blanks, its name and "='"), the value and "'\n".
template <class R>
void writeXmlFields(std::wostream& os, const R& rec, std::span<const Field<R>> rows, int indent,
                    std::span<const Visit> order = {}) {
    forEachVisit<R>(rows, order, [&](const Field<R>& row, Gate gate) {
        if (!gateOpen(gate)) return;
        if (auto* text = std::get_if<std::wstring R::*>(&row.member))
            if (row.omitEmpty && (rec.*(*text)).empty()) return;
        if (row.literal) {
            os << row.literal;
        } else {
            for (int i = 0; i < indent; ++i) os << L' ';
            os << row.name << "='";
        }
        writeXmlValue(os, rec, row.member, row.names);
        os << "'\n";
    });
}

template <class R>
void writeSummaryFields(std::wostream& os, const R& rec, std::span<const Field<R>> rows,
                        std::span<const SummaryVisit> visits) {
    for (const SummaryVisit& v : visits) {
        const Field<R>& row = fieldOf(rows, v.name);
        const SummaryItem<R> item{v.literal, row.member, v.shown, row.names,
                                  v.gate.value_or(Gate::All)};
        writeSummaryItems<R>(os, rec, std::span(&item, 1));
    }
}

// The reading facts of a row, as the reader's item.
template <class R>
ReadAttr<R> readItemOf(const Field<R>& row, Gate gate) {
    return {row.name, row.member, row.names, row.use, gate, row.min, row.max, row.base};
}

// Reads the visited rows in order and stops with false at the first failure that counts.
template <class R>
bool readFields(pugi::xml_node node, R& rec, std::span<const Field<R>> rows,
                std::span<const Visit> order = {}) {
    bool ok = true;
    forEachVisit<R>(rows, order, [&](const Field<R>& row, Gate gate) {
        ok = ok && readAttr(node, rec, readItemOf(row, gate));
    });
    return ok;
}

// Reads every visited row whatever fails on the way; false when any failure counted.
template <class R>
bool readEveryField(pugi::xml_node node, R& rec, std::span<const Field<R>> rows,
                    std::span<const Visit> order = {}) {
    bool ok = true;
    forEachVisit<R>(rows, order, [&](const Field<R>& row, Gate gate) {
        ok = readAttr(node, rec, readItemOf(row, gate)) && ok;
    });
    return ok;
}

// True when every visited row whose gate is open is present on `node`.
template <class R>
bool allFieldsPresent(pugi::xml_node node, std::span<const Field<R>> rows,
                      std::span<const Visit> order = {}) {
    bool all = true;
    forEachVisit<R>(rows, order, [&](const Field<R>& row, Gate gate) {
        all = all && (!gateOpen(gate) || node.attribute(row.name));
    });
    return all;
}

// The section check: the visited rows (without a list, every row that has a range, for
// every radio type) lie in their ranges; false at the first that does not.
template <class R>
bool checkFields(const R& rec, std::span<const Field<R>> rows, std::span<const Visit> order = {}) {
    bool ok = true;
    forEachVisit<R>(
        rows, order,
        [&](const Field<R>& row, Gate gate) {
            if (!ok || !row.check) return;
            const Check<R> check{row.name,       row.member, row.check->min,
                                 row.check->max, gate,       row.check->measure};
            ok = checkRanges<R>(rec, std::span(&check, 1));
        },
        true);
    return ok;
}

// ---------------------------------------------------------------------------------------
// Rows in lists, in document order and as element text.

// Visits the attributes of `node` in document order and converts those that match a row
// whose gate is open; others are skipped. `seen` (optional) gets one flag per row
// converted, by the row's position in `rows`.
template <class R>
bool walkFields(pugi::xml_node node, R& rec, std::span<const Field<R>> rows, bool* seen = nullptr) {
    for (pugi::xml_attribute attr : node.attributes()) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const Field<R>& row = rows[i];
            if (!gateOpen(row.gate) || !hasName(attr, row.name)) continue;
            const auto item = readItemOf(row, row.gate);
            if (!convertAttr(attr, rec, item)) {
                if (readLog())
                    noteConversion(node, attr, conversionProblem(attr.value(), item),
                                   conversionCode(item));
                return false;
            }
            if (seen) seen[i] = true;
            break;
        }
    }
    return true;
}

// Reads the `element` children of `node`, in document order, into a new list under the
// running keys 0, 1, 2, ...; an entry starts with its constructed values and is added when
// all its rows read. With `skipIncomplete` a child lacking any row is passed over;
// otherwise it fails like one that does not convert. The new list replaces `list` in any
// case; false when an entry failed.
template <class E>
bool readIndexedListOfFields(pugi::xml_node node, const char* element,
                             std::span<const Field<E>> rows, std::map<int32_t, E>& list,
                             bool skipIncomplete = false) {
    std::map<int32_t, E> working;
    bool ok = true;
    for (pugi::xml_node child : node.children(element)) {
        if (skipIncomplete && !allFieldsPresent<E>(child, rows)) continue;
        E entry{};
        if (readFields<E>(child, entry, rows)) {
            const auto key = static_cast<int32_t>(working.size());
            working.emplace(key, std::move(entry));
        } else {
            ok = false;
        }
    }
    list = std::move(working);
    return ok;
}

// Per entry of `list`, in key order: `open`, the entry's attribute lines (indented by
// `indent`), `close`.
template <class E>
void writeXmlEntriesOfFields(std::wostream& os, const std::map<int32_t, E>& list, const char* open,
                             std::span<const Field<E>> rows, int indent, const char* close) {
    for (const auto& [key, entry] : list) {
        os << open;
        writeXmlFields<E>(os, entry, rows, indent);
        os << close;
    }
}

// Rows held as element text: per visited row whose gate is open, "<name>", the value and
// "</name>\n".
template <class R>
void writeXmlTextFields(std::wostream& os, const R& rec, std::span<const Field<R>> rows,
                        std::span<const Visit> order = {}) {
    forEachVisit<R>(rows, order, [&](const Field<R>& row, Gate gate) {
        if (!gateOpen(gate)) return;
        os << "<" << row.name << ">";
        writeXmlValue(os, rec, row.member, row.names);
        os << "</" << row.name << ">\n";
    });
}

// Converts the text of the first child of `parent` named as each visited row whose gate is
// open; a missing child is empty text. A text that does not convert leaves its field,
// whatever the row's use.
template <class R>
void readTextFields(pugi::xml_node parent, R& rec, std::span<const Field<R>> rows,
                    std::span<const Visit> order = {}) {
    forEachVisit<R>(rows, order, [&](const Field<R>& row, Gate gate) {
        if (!gateOpen(gate)) return;
        convertText(elementText(parent.child(row.name)).c_str(), rec, readItemOf(row, gate));
    });
}

}  // namespace tarin
