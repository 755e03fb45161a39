#pragma once

// Section layouts as data: one row per field holds every fact that the XML writer, the
// summary, the reader and the check need; the functions here serve every section from its
// rows.
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
#include <vector>

#include "TarinTranslator/model/RadioType.h"
#include "TarinTranslator/model/Vocabulary.h"
#include "TarinTranslator/platform_xml/Convert.h"
#include "TarinTranslator/platform_xml/Encoding.h"
#include "TarinTranslator/platform_xml/ReadLog.h"
#include "TarinTranslator/platform_xml/XmlText.h"

namespace tarin {

template <class R>
using Member = std::variant<uint32_t R::*, int32_t R::*, std::wstring R::*>;

// How the reader takes a field.
enum class Use : uint8_t {
    Required,  // absent or unconvertible: the read fails
    Optional,  // absent: field unchanged; present and unconvertible: the read fails
    Tolerant,  // any failure only leaves the field unchanged
};

// What a check measures of a text: its length, or the decimal number it starts with
// (leadingDecimal; NaN lies in no range).
enum class TextMeasure : uint8_t { Length, Decimal };

// How the summary shows a value: a number, a name of its table, a raw text, or a text
// followed by a double quote (whose opening quote ends the literal before it).
enum class Shown : uint8_t { Number, Name, Raw, Quoted };

// The range a section's check admits for a field.
struct Judged {
    int64_t min;
    int64_t max;
    TextMeasure measure = TextMeasure::Length;
};

// =======================================================================================
// One row per field. A row holds every fact about a setting that the writer, the summary,
// the reader and the check need; each use visits the rows in its own order, under its own
// gate where it differs from the row's, through a list of visits that names the rows.

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

// ---- the facts of rows, for those who describe settings ---------------------------------

// What a row says of its setting, without its record: what describing a setting and the
// schema of a document take from the rows.
struct FieldFacts {
    enum class Kind : uint8_t { Name, Signed, Unsigned, Text };
    std::string name;
    Kind kind = Kind::Text;
    const VocabTable* names = nullptr;
    Gate gate = Gate::All;  // as the writer visited it
    Use use = Use::Required;
    int64_t min = kLongMin;
    int64_t max = kULongMax;
    int base = 10;
    std::optional<Judged> check = {};
};

template <class R>
FieldFacts factsOf(const Field<R>& row, Gate gate) {
    FieldFacts facts{
        row.name, FieldFacts::Kind::Text, row.names, gate, row.use, row.min, row.max, row.base,
        row.check};
    if (row.names) {
        facts.kind = FieldFacts::Kind::Name;
    } else if (std::holds_alternative<uint32_t R::*>(row.member)) {
        facts.kind = FieldFacts::Kind::Unsigned;
    } else if (std::holds_alternative<int32_t R::*>(row.member)) {
        facts.kind = FieldFacts::Kind::Signed;
    }
    return facts;
}

// While one is installed on a thread, the writers note for each row they write where in
// the text its line ends and its facts: a write of a record then says which row each
// attribute (or element holding text) of the text comes from, as each ends its own line.
struct FactsRecorder {
    std::vector<std::pair<std::streamoff, FieldFacts>> rows;
    // The rows the writer left out (an empty text it omits), by where their line would
    // have stood: within the start tag of the element they belong to.
    std::vector<std::pair<std::streamoff, FieldFacts>> omitted;
};
FactsRecorder*& factsRecorder();

// Notes, when a recorder listens, the facts of the line the writer has just ended.
inline void recordFacts(std::wostream& os, const FieldFacts& facts) {
    if (FactsRecorder* recorder = factsRecorder())
        recorder->rows.emplace_back(static_cast<std::streamoff>(os.tellp()), facts);
}

template <class R>
void recordFacts(std::wostream& os, const Field<R>& row, Gate gate) {
    if (factsRecorder()) recordFacts(os, factsOf(row, gate));
}

// Notes, when a recorder listens, a row the writer leaves out here.
template <class R>
void recordOmitted(std::wostream& os, const Field<R>& row, Gate gate) {
    if (FactsRecorder* recorder = factsRecorder())
        recorder->omitted.emplace_back(static_cast<std::streamoff>(os.tellp()), factsOf(row, gate));
}

// ---- rows of common kinds ------------------------------------------------------------------

// A required name of `names`, judged by the check where `check` says so.
template <class R>
constexpr Field<R> named(const char* name, uint32_t R::*member, const VocabTable& names,
                         std::optional<Judged> check = std::nullopt) {
    return {.name = name, .member = member, .names = &names, .check = check};
}

// A required number whose base follows its text (decimal, "0x" hexadecimal, leading-zero
// octal), read and checked in [min, max].
template <class R>
constexpr Field<R> number(const char* name, uint32_t R::*member, int64_t min, int64_t max) {
    return {.name = name,
            .member = member,
            .min = min,
            .max = max,
            .base = 0,
            .check = Judged{min, max}};
}

// ---- one value ---------------------------------------------------------------------------

// Writes the value of `member` in XML mode: a text escaped, an enumerated value by its
// name, a number in decimal.
template <class R>
void writeXmlValue(std::wostream& os, const R& rec, const Member<R>& member,
                   const VocabTable* names) {
    if (auto* text = std::get_if<std::wstring R::*>(&member)) {
        putEscaped(os, rec.*(*text));
    } else if (auto* u = std::get_if<uint32_t R::*>(&member)) {
        if (names) {
            os << lookupName(rec.*(*u), *names);
        } else {
            os << rec.*(*u);
        }
    } else {
        int32_t value = rec.*std::get<int32_t R::*>(member);
        if (names) {
            os << lookupName(static_cast<uint32_t>(value), *names);
        } else {
            os << value;
        }
    }
}

// Writes the value of `row` as the summary shows it.
template <class R>
void writeSummaryValue(std::wostream& os, const R& rec, const Field<R>& row, Shown shown) {
    if (auto* text = std::get_if<std::wstring R::*>(&row.member)) {
        os << rec.*(*text);
        if (shown == Shown::Quoted) os << L'"';
    } else if (auto* u = std::get_if<uint32_t R::*>(&row.member)) {
        if (shown == Shown::Name) {
            os << lookupName(rec.*(*u), *row.names);
        } else {
            os << rec.*(*u);
        }
    } else {
        int32_t value = rec.*std::get<int32_t R::*>(row.member);
        if (shown == Shown::Name) {
            os << lookupName(static_cast<uint32_t>(value), *row.names);
        } else {
            os << value;
        }
    }
}

// Converts a text (an attribute's value or an element's text content) into the row's
// field; false when it does not convert, and the field is then left unchanged.
template <class R>
bool convertText(const char* text, R& rec, const Field<R>& row) {
    if (!text) return false;
    if (auto* field = std::get_if<std::wstring R::*>(&row.member)) {
        // A text with a length limit is taken one character past it: enough for its check
        // to refuse it.
        const std::size_t take =
            row.max < kULongMax ? static_cast<std::size_t>(row.max) + 1 : SIZE_MAX;
        return widenXmlText(text, take, rec.*(*field));
    }
    if (auto* u = std::get_if<uint32_t R::*>(&row.member)) {
        if (row.names) return lookupText(text, *row.names, rec.*(*u));
        uint32_t min = row.min < 0 ? 0 : static_cast<uint32_t>(row.min);
        uint32_t max = row.max > kULongMax ? kULongMax : static_cast<uint32_t>(row.max);
        return parseULong(text, row.base, min, max, rec.*(*u));
    }
    int32_t& field = rec.*std::get<int32_t R::*>(row.member);
    if (row.names) {
        uint32_t value = 0;
        if (!lookupText(text, *row.names, value)) return false;
        field = static_cast<int32_t>(value);
        return true;
    }
    int32_t min = row.min < kLongMin ? kLongMin : static_cast<int32_t>(row.min);
    int32_t max = row.max > kLongMax ? kLongMax : static_cast<int32_t>(row.max);
    return parseLong(text, row.base, min, max, field);
}

// Converts one attribute into its field; false when absent or unconvertible.
template <class R>
bool convertAttr(pugi::xml_attribute attr, R& rec, const Field<R>& row) {
    return attr && convertText(attr.value(), rec, row);
}

// What kind of problem a row's text that does not convert has.
template <class R>
ReasonCode conversionCode(const Field<R>& row) {
    if (std::holds_alternative<std::wstring R::*>(row.member))
        return ReasonCode::ForbiddenCharacter;
    return row.names ? ReasonCode::NotAName : ReasonCode::OutOfRange;
}

// Why a row's text does not convert (for reasons only).
template <class R>
std::string conversionProblem(const char* text, const Field<R>& row) {
    if (std::holds_alternative<std::wstring R::*>(row.member))
        return "holds a character that XML does not allow";
    if (row.names) return notOneOfTheNames(*row.names);
    const bool isSigned = std::holds_alternative<int32_t R::*>(row.member);
    const int64_t min =
        isSigned ? std::max<int64_t>(row.min, kLongMin) : std::max<int64_t>(row.min, 0);
    const int64_t max =
        isSigned ? std::min<int64_t>(row.max, kLongMax) : std::min<int64_t>(row.max, kULongMax);
    return numberProblem(text, row.base, min, max);
}

// Notes, when a log listens, that `attr` does not convert into `row`.
template <class R>
void noteUnconverted(pugi::xml_node node, pugi::xml_attribute attr, const Field<R>& row) {
    if (readLog())
        noteConversion(node, attr, conversionProblem(attr.value(), row), conversionCode(row));
}

// Fetches one row's attribute and converts it as its use says; false for a failure that
// counts. A closed gate skips it. A value that a tolerant row leaves is a warning.
template <class R>
bool readField(pugi::xml_node node, R& rec, const Field<R>& row, Gate gate) {
    if (!gateOpen(gate)) return true;
    pugi::xml_attribute attr = node.attribute(row.name);
    if (!attr) {
        if (row.use != Use::Required) return true;
        noteMissing(node, row.name);
        return false;
    }
    if (convertAttr(attr, rec, row)) return true;
    if (ReadLog* log = readLog()) {
        noteUnconverted(node, attr, row);
        if (row.use == Use::Tolerant) log->warnNoted();
    }
    return row.use == Use::Tolerant;
}

inline std::string characters(int64_t count) {
    return std::to_string(count) + (count == 1 ? " character" : " characters");
}

// Whether the field of `row` lies in `range`, whose failure `gate` decides whether the
// check makes for the record's radio type; a log listening learns why not.
template <class R>
bool checkField(const R& rec, const Field<R>& row, const Judged& range, Gate gate) {
    if (!gateOpen(gate)) return true;
    ReadLog* log = readLog();
    const std::string name = row.name;
    if (auto* text = std::get_if<std::wstring R::*>(&row.member)) {
        const std::wstring& field = rec.*(*text);
        if (range.measure == TextMeasure::Decimal) {
            const double number = leadingDecimal(field);
            if (number >= static_cast<double>(range.min) &&
                number <= static_cast<double>(range.max))
                return true;
            if (log)
                log->note({}, name,
                          name + "=" + tarin::quoted(tarin::toUtf8(field)) + " is outside " +
                              std::to_string(range.min) + ".0.." + std::to_string(range.max) + ".0",
                          -1, ReasonCode::OutOfRange);
            return false;
        }
        const auto length = static_cast<int64_t>(field.size());
        if (length >= range.min && length <= range.max) return true;
        if (log)
            log->note(
                {}, name,
                name + "=" + tarin::quoted(tarin::toUtf8(field)) +
                    (length > range.max ? " is too long (at most " + characters(range.max) + ")"
                                        : " is too short (at least " + characters(range.min) + ")"),
                -1, length > range.max ? ReasonCode::TooLong : ReasonCode::TooShort);
        return false;
    }
    int64_t value;
    if (auto* u = std::get_if<uint32_t R::*>(&row.member)) {
        value = rec.*(*u);
    } else {
        value = rec.*std::get<int32_t R::*>(row.member);
    }
    if (value >= range.min && value <= range.max) return true;
    if (log)
        log->noteNumber(
            name, value,
            "is outside " + std::to_string(range.min) + ".." + std::to_string(range.max));
    return false;
}

// ---- rows --------------------------------------------------------------------------------

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
            if (row.omitEmpty && (rec.*(*text)).empty()) return recordOmitted(os, row, gate);
        if (row.literal) {
            os << row.literal;
        } else {
            for (int i = 0; i < indent; ++i) os << L' ';
            os << row.name << "='";
        }
        writeXmlValue(os, rec, row.member, row.names);
        os << "'\n";
        recordFacts(os, row, gate);
    });
}

// The summary items of the record: each visit whose gate is open writes its literal and
// the row's value.
template <class R>
void writeSummaryFields(std::wostream& os, const R& rec, std::span<const Field<R>> rows,
                        std::span<const SummaryVisit> visits) {
    for (const SummaryVisit& v : visits) {
        if (!gateOpen(v.gate.value_or(Gate::All))) continue;
        os << v.literal;
        writeSummaryValue(os, rec, fieldOf(rows, v.name), v.shown);
    }
}

// Reads the visited rows in order and stops with false at the first failure that counts.
template <class R>
bool readFields(pugi::xml_node node, R& rec, std::span<const Field<R>> rows,
                std::span<const Visit> order = {}) {
    bool ok = true;
    forEachVisit<R>(rows, order, [&](const Field<R>& row, Gate gate) {
        ok = ok && readField(node, rec, row, gate);
    });
    return ok;
}

// Reads every visited row whatever fails on the way; false when any failure counted.
template <class R>
bool readEveryField(pugi::xml_node node, R& rec, std::span<const Field<R>> rows,
                    std::span<const Visit> order = {}) {
    bool ok = true;
    forEachVisit<R>(rows, order, [&](const Field<R>& row, Gate gate) {
        ok = readField(node, rec, row, gate) && ok;
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
            if (ok && row.check) ok = checkField(rec, row, *row.check, gate);
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
            if (!convertAttr(attr, rec, row)) {
                noteUnconverted(node, attr, row);
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
        recordFacts(os, row, gate);
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
        convertText(elementText(parent.child(row.name)).c_str(), rec, row);
    });
}

}  // namespace tarin
