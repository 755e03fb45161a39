// The XML Schema of the mission plans of a radio kind, made from what the writer writes:
// the full configuration of the kind (its defaults, with an entry in every list that
// takes entries) gives the elements, their attributes and their order; the facts the
// writer noted for each line give the types. Elements of one name at one place (every
// microphone, every menu item at any depth) share one declaration, of the widest type
// their instances take.

#include <algorithm>
#include <deque>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "TarinTranslator/api/Describe.h"
#include "TarinTranslator/api/Settings.h"
#include "TarinTranslator/model/RadioType.h"
#include "TarinTranslator/model/Vocabulary.h"
#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/Paths.h"

namespace tarin {

using namespace detail;

namespace {

// ---- what the writer writes at each place ------------------------------------------------

// The key attributes that the writers put without a row: a name of a table, or (without a
// table) a whole number.
struct KeyType {
    const char* entry;  // the list's entry, as its rule names it
    const VocabTable* names;
};
const KeyType kKeyTypes[] = {
    {"progButtons/progButton", &ProgButtonNames},
    {"accessoryConfig/accessoryButtons/accessoryButton", &AccessoryButtonNames},
    {"progBtns/progBtn", &ProgBtnNames},
    {"eioOutputCfg/eioOutput", &ExternalOutputNames},
    {"progSwitches/progSwitch", &ProgSwitchNames},
    {"audioConfig/microphone", &MicTypeNames},
    {"audioConfig/audioEioOutputCfg/audioEioOutput", &AudioEioOutputFunctionNames},
    {"", &MenuItemNames},
    {"progSwitches/progSwitch/posValue", nullptr},
};

// The facts of a key attribute that no row wrote, or null.
const FieldFacts* keyFacts(const ListRule* rule, const char* attribute) {
    static const auto facts = [] {
        std::map<std::string, FieldFacts> all;
        for (const KeyType& k : kKeyTypes) {
            FieldFacts f;
            f.kind = k.names ? FieldFacts::Kind::Name : FieldFacts::Kind::Signed;
            f.names = k.names;
            f.min = kLongMin;
            f.max = kLongMax;
            all.emplace(k.entry, f);
        }
        return all;
    }();
    if (!rule || !rule->key || std::string_view(rule->key) != attribute) return nullptr;
    auto found = facts.find(rule->element);
    return found == facts.end() ? nullptr : &found->second;
}

int64_t readMin(const FieldFacts& f) {
    return f.kind == FieldFacts::Kind::Signed ? std::max<int64_t>(f.min, kLongMin)
                                              : std::max<int64_t>(f.min, 0);
}
int64_t readMax(const FieldFacts& f) {
    return f.kind == FieldFacts::Kind::Signed ? std::min<int64_t>(f.max, kLongMax)
                                              : std::min<int64_t>(f.max, kULongMax);
}

// Whether the reader converts the number `text` of a row.
bool readable(const FieldFacts& f, const char* text) {
    if (f.kind == FieldFacts::Kind::Signed) {
        int32_t value = 0;
        return parseLong(text, f.base, static_cast<int32_t>(readMin(f)),
                         static_cast<int32_t>(readMax(f)), value);
    }
    uint32_t value = 0;
    return parseULong(text, f.base, static_cast<uint32_t>(readMin(f)),
                      static_cast<uint32_t>(readMax(f)), value);
}

bool sameFacts(const FieldFacts& a, const FieldFacts& b) {
    const auto check = [](const std::optional<Judged>& j) {
        return j ? std::tuple{true, j->min, j->max, j->measure}
                 : std::tuple{false, int64_t{0}, int64_t{0}, TextMeasure::Length};
    };
    return a.kind == b.kind && a.names == b.names && a.use == b.use && a.min == b.min &&
           a.max == b.max && a.base == b.base && check(a.check) == check(b.check);
}

// An attribute, or the text of an element, at one place: the facts of its instances.
struct Value {
    std::vector<FieldFacts> facts;               // distinct
    std::vector<std::vector<std::string>> keys;  // per facts: the keys of the entries holding them
    bool withoutFacts = false;                   // an instance no row wrote
    std::size_t present = 0;                     // the instances of the element holding it
    bool omitted = false;                        // the writer leaves it out when empty
    // Numbers outside the reader's range that the writer writes (a tolerant reader keeps
    // the value it had, such as a default that stands for none).
    std::vector<std::string> kept;

    void note(const FieldFacts* f, const std::string& key, const char* text = nullptr) {
        if (!f) {
            withoutFacts = true;
            return;
        }
        if (text && f->use == Use::Tolerant && f->kind != FieldFacts::Kind::Name &&
            f->kind != FieldFacts::Kind::Text && !readable(*f, text) &&
            std::find(kept.begin(), kept.end(), text) == kept.end())
            kept.push_back(text);
        std::size_t i = 0;
        while (i < facts.size() && !sameFacts(facts[i], *f)) ++i;
        if (i == facts.size()) {
            facts.push_back(*f);
            keys.emplace_back();
        }
        if (!key.empty() && std::find(keys[i].begin(), keys[i].end(), key) == keys[i].end())
            keys[i].push_back(key);
    }
};

// An element at one place: its attributes, its text, and its children in order.
struct Element {
    std::string name;
    std::string keyAttribute;  // a list entry's key
    std::size_t instances = 0;
    std::vector<std::string> attributeOrder;
    std::map<std::string, Value> attributes;
    std::optional<Value> text;
    std::vector<std::string> childOrder;
    std::map<std::string, Element*> children;
    std::map<std::string, std::pair<std::size_t, std::size_t>> occurs;  // least, most
    std::set<std::string> lists;  // children that are entries of a list
    bool ordered = true;          // every instance holds its children in childOrder
};

// The elements of a configuration's text, merged by place.
class Places {
  public:
    explicit Places(const DescribedConfiguration& config) : config_(config) {
        root_ = make("platformConfig");
        add(*root_, config.config());
        for (const auto& [node, facts] : config.omittedRows()) {
            auto found = byNode_.find(node.internal_object());
            if (found == byNode_.end()) continue;
            Value& value = attributeOf(*found->second, facts.name);
            value.omitted = true;
            value.note(&facts, keyOf(node));
        }
    }
    const Element& root() const { return *root_; }

  private:
    Element* make(const std::string& name) {
        elements_.emplace_back();
        elements_.back().name = name;
        return &elements_.back();
    }

    static Value& attributeOf(Element& element, const std::string& name) {
        auto [at, added] = element.attributes.try_emplace(name);
        if (added) element.attributeOrder.push_back(name);
        return at->second;
    }

    static std::string keyOf(pugi::xml_node node) {
        const ListRule* rule = listRuleOf(node);
        return rule && rule->key ? node.attribute(rule->key).value() : "";
    }

    // The place of `child` below `parent`: every menu item, at any depth, shares one.
    Element* placeOf(Element& parent, pugi::xml_node child) {
        const ListRule* rule = listRuleOf(child);
        const bool menuItem = rule && !*rule->element;
        Element*& place = parent.children[child.name()];
        if (menuItem && menuItem_) place = menuItem_;
        if (!place) {
            place = make(child.name());
            if (menuItem) menuItem_ = place;
            if (rule && rule->key) place->keyAttribute = rule->key;
        }
        return place;
    }

    void add(Element& element, pugi::xml_node node) {
        byNode_[node.internal_object()] = &element;
        ++element.instances;
        const std::string key = keyOf(node);
        const ListRule* rule = listRuleOf(node);
        for (pugi::xml_attribute attr : node.attributes()) {
            Value& value = attributeOf(element, attr.name());
            ++value.present;
            const FieldFacts* facts = config_.factsOf({{}, attr.value(), node, attr});
            value.note(facts ? facts : keyFacts(rule, attr.name()), key, attr.value());
        }
        if (holdsText(node)) {
            if (!element.text) element.text.emplace();
            ++element.text->present;
            element.text->note(config_.factsOf({{}, node.child_value(), node, {}}), key,
                               node.child_value());
            return;
        }
        // The children: how many of each name, and in which order.
        std::map<std::string, std::size_t> counts;
        std::vector<std::string> runs;
        for (pugi::xml_node child : node.children()) {
            if (child.type() != pugi::node_element) continue;
            const std::string name = child.name();
            ++counts[name];
            if (runs.empty() || runs.back() != name) runs.push_back(name);
            if (const ListRule* r = listRuleOf(child); r && !r->fixed) element.lists.insert(name);
            add(*placeOf(element, child), child);
        }
        for (auto& [name, range] : element.occurs)
            if (!counts.count(name)) range.first = 0;
        for (const auto& [name, count] : counts) {
            auto [range, added] =
                element.occurs.try_emplace(name, element.instances == 1 ? count : 0, count);
            if (!added) {
                range->second.first = std::min(range->second.first, count);
                range->second.second = std::max(range->second.second, count);
            }
        }
        mergeOrder(element, runs);
    }

    // Takes the order of one instance's children into the element's: a name seen for the
    // first time goes after the name before it. An instance whose children stand in
    // another order, or in more than one run of a name, leaves the element unordered.
    static void mergeOrder(Element& element, const std::vector<std::string>& runs) {
        std::vector<std::string>& order = element.childOrder;
        std::size_t after = 0;  // position in `order` after the previous run's name
        std::set<std::string> seen;
        for (const std::string& name : runs) {
            if (!seen.insert(name).second) element.ordered = false;
            auto at = std::find(order.begin(), order.end(), name);
            if (at == order.end()) {
                at = order.insert(order.begin() + static_cast<std::ptrdiff_t>(after), name);
            } else if (static_cast<std::size_t>(at - order.begin()) < after) {
                element.ordered = false;
            }
            after = static_cast<std::size_t>(at - order.begin()) + 1;
        }
    }

    const DescribedConfiguration& config_;
    std::deque<Element> elements_;
    Element* root_ = nullptr;
    Element* menuItem_ = nullptr;
    std::map<pugi::xml_node_struct*, Element*> byNode_;
};

// ---- the schema's text -------------------------------------------------------------------

// A text's length limit: the reader's, else the check's.
std::optional<int64_t> textLimit(const FieldFacts& f) {
    if (f.max < kULongMax) return f.max;
    if (f.check && f.check->measure == TextMeasure::Length) return f.check->max;
    return std::nullopt;
}

std::string rangeText(int64_t min, int64_t max) {
    return std::to_string(min) + ".." + std::to_string(max);
}

// What a row admits, in a few words.
std::string factsText(const FieldFacts& f) {
    switch (f.kind) {
        case FieldFacts::Kind::Name:
            return "a name of a table of " + std::to_string(f.names->count);
        case FieldFacts::Kind::Text:
            return textLimit(f) ? "at most " + characters(*textLimit(f)) : "any text";
        default:
            return rangeText(readMin(f), readMax(f));
    }
}

class SchemaWriter {
  public:
    SchemaWriter() {
        pugi::xml_node decl = doc_.append_child(pugi::node_declaration);
        decl.append_attribute("version") = "1.0";
        decl.append_attribute("encoding") = "UTF-8";
        schema_ = doc_.append_child("xs:schema");
        schema_.append_attribute("xmlns:xs") = "http://www.w3.org/2001/XMLSchema";
        schema_.append_attribute("elementFormDefault") = "unqualified";
    }

    pugi::xml_node schema() { return schema_; }

    std::string text() const {
        std::ostringstream os;
        doc_.save(os, "  ", pugi::format_indent, pugi::encoding_utf8);
        return os.str();
    }

    static void document(pugi::xml_node declaration, const std::vector<std::string>& notes) {
        if (notes.empty()) return;
        std::string text;
        for (const std::string& note : notes) text += (text.empty() ? "" : " ") + note;
        pugi::xml_node annotation = declaration.prepend_child("xs:annotation");
        annotation.append_child("xs:documentation").text() = text.c_str();
    }

    // An element declaration with its occurrences.
    static pugi::xml_node element(pugi::xml_node group, const std::string& name,
                                  std::size_t minOccurs = 1, std::size_t maxOccurs = 1,
                                  bool unbounded = false) {
        pugi::xml_node e = group.append_child("xs:element");
        e.append_attribute("name") = name.c_str();
        if (minOccurs != 1) e.append_attribute("minOccurs") = std::to_string(minOccurs).c_str();
        if (unbounded) {
            e.append_attribute("maxOccurs") = "unbounded";
        } else if (maxOccurs != 1) {
            e.append_attribute("maxOccurs") = std::to_string(maxOccurs).c_str();
        }
        return e;
    }

    static pugi::xml_node attribute(pugi::xml_node type, const std::string& name, bool required) {
        pugi::xml_node a = type.append_child("xs:attribute");
        a.append_attribute("name") = name.c_str();
        a.append_attribute("use") = required ? "required" : "optional";
        return a;
    }

    // A simple type in `parent` (named `name`, or anonymous) restricting `base`.
    static pugi::xml_node restriction(pugi::xml_node parent, const char* base,
                                      const char* name = nullptr) {
        pugi::xml_node type = parent.append_child("xs:simpleType");
        if (name) type.append_attribute("name") = name;
        pugi::xml_node r = type.append_child("xs:restriction");
        r.append_attribute("base") = base;
        return r;
    }

    static void facet(pugi::xml_node restriction, const char* name, const std::string& value) {
        restriction.append_child(name).append_attribute("value") = value.c_str();
    }

    static void textType(pugi::xml_node parent, std::optional<int64_t> limit) {
        if (!limit) {
            parent.append_child("xs:simpleType")
                .append_child("xs:restriction")
                .append_attribute("base") = "xs:string";
            return;
        }
        facet(restriction(parent, "xs:string"), "xs:maxLength", std::to_string(*limit));
    }

    // The type of a value, as the `type` attribute of `declaration` or a simple type in it.
    void typeOf(pugi::xml_node declaration, const Value& value) {
        using Kind = FieldFacts::Kind;
        std::vector<const VocabTable*> tables;
        std::optional<std::pair<int64_t, int64_t>> range;
        bool texts = false;
        std::optional<int64_t> limit = 0;
        for (const FieldFacts& f : value.facts) {
            if (f.kind == Kind::Name) {
                if (std::find(tables.begin(), tables.end(), f.names) == tables.end())
                    tables.push_back(f.names);
            } else if (f.kind == Kind::Text) {
                texts = true;
                if (!textLimit(f) || !limit) {
                    limit.reset();
                } else {
                    limit = std::max(*limit, *textLimit(f));
                }
            } else {
                range = range ? std::pair{std::min(range->first, readMin(f)),
                                          std::max(range->second, readMax(f))}
                              : std::pair{readMin(f), readMax(f)};
            }
        }
        if (value.withoutFacts) {
            texts = true;
            limit.reset();
        }
        const std::size_t members = (tables.empty() ? 0 : 1) + (range ? 1 : 0) + (texts ? 1 : 0) +
                                    (value.kept.empty() ? 0 : 1);
        pugi::xml_node into = declaration;
        if (members > 1) into = declaration.append_child("xs:simpleType").append_child("xs:union");
        if (tables.size() == 1) {
            const std::string name = namedTable(*tables.front(), declaration);
            if (members > 1) {
                into.append_attribute("memberTypes") = name.c_str();
            } else {
                declaration.append_attribute("type") = name.c_str();
            }
        } else if (!tables.empty()) {
            std::vector<std::string> names;
            for (const VocabTable* t : tables)
                for (std::size_t i = 0; i < t->count; ++i) names.push_back(t->entries[i].name);
            enumeration(into, names);
        }
        if (range) {
            pugi::xml_node r = restriction(into, "xs:integer");
            facet(r, "xs:minInclusive", std::to_string(range->first));
            facet(r, "xs:maxInclusive", std::to_string(range->second));
        }
        if (!value.kept.empty()) enumeration(into, value.kept, "xs:integer");
        if (texts) {
            if (members == 1 && !limit) {
                declaration.append_attribute("type") = "xs:string";
            } else {
                textType(into, limit);
            }
        }
    }

  private:
    static void enumeration(pugi::xml_node parent, const std::vector<std::string>& names,
                            const char* base = "xs:token", const char* name = nullptr) {
        pugi::xml_node r = restriction(parent, base, name);
        std::set<std::string> seen;
        for (const std::string& n : names)
            if (seen.insert(n).second) facet(r, "xs:enumeration", n);
    }

    // The named type of a table's names: the table's own name, or, for a table of its own,
    // the element and attribute that first take it.
    std::string namedTable(const VocabTable& table, pugi::xml_node firstUser) {
        auto found = tableTypes_.find(&table);
        if (found != tableTypes_.end()) return found->second;
        std::string base;
        for (const NamedVocabTable& named : vocabularyTables())
            if (named.table == &table) base = named.name;
        if (base.empty()) {
            base = firstUser.attribute("name").value();
            if (std::string_view(firstUser.name()) == "xs:attribute") {
                pugi::xml_node owner = firstUser.parent();
                while (owner && !owner.attribute("name")) owner = owner.parent();
                base = owner.attribute("name").value() + ("." + base);
            }
            base += "Names";
        }
        std::string name = base;
        for (int n = 2; !typeNames_.insert(name).second; ++n) name = base + std::to_string(n);
        std::vector<std::string> names;
        for (std::size_t i = 0; i < table.count; ++i) names.push_back(table.entries[i].name);
        enumeration(schema_, names, "xs:token", name.c_str());
        return tableTypes_[&table] = name;
    }

    pugi::xml_document doc_;
    pugi::xml_node schema_;
    std::map<const VocabTable*, std::string> tableTypes_;
    std::set<std::string> typeNames_ = {"menuItem"};
};

// What the schema cannot say of a value, for its documentation.
std::vector<std::string> valueNotes(const Value& value, const std::string& keyAttribute) {
    std::vector<std::string> notes;
    std::set<std::string> said;
    const auto say = [&](const std::string& note) {
        if (said.insert(note).second) notes.push_back(note);
    };
    for (const FieldFacts& f : value.facts) {
        if (f.base == 0 && f.kind != FieldFacts::Kind::Name && f.kind != FieldFacts::Kind::Text)
            say("Readers also take this number in hexadecimal (0x...) and in octal (a leading "
                "0), as the C library's strtol does with base 0.");
        if (!f.check) continue;
        if (f.check->measure == TextMeasure::Decimal) {
            say("A decimal number: the section's check reads the number the text starts with as "
                "the C library's strtod does (white space first, then an optional sign, digits, "
                "a point, an exponent, or 0x and hexadecimal digits; text without a number reads "
                "as 0) and admits " +
                rangeText(f.check->min, f.check->max) + ".");
        } else if (f.kind == FieldFacts::Kind::Signed || f.kind == FieldFacts::Kind::Unsigned) {
            if (f.check->min > readMin(f) || f.check->max < readMax(f))
                say("The section's check admits " + rangeText(f.check->min, f.check->max) + ".");
        } else if (f.kind == FieldFacts::Kind::Text && f.check->min > 0) {
            say("The section's check admits " + rangeText(f.check->min, f.check->max) +
                " characters.");
        }
    }
    if (value.facts.size() > 1) {
        std::string each;
        for (std::size_t i = 0; i < value.facts.size(); ++i) {
            std::string keys;
            for (const std::string& k : value.keys[i]) keys += (keys.empty() ? "" : ", ") + k;
            each += (i ? "; " : "") + (keys.empty() ? "" : keys + ": ") + factsText(value.facts[i]);
        }
        say("Elements of this name here take different values" +
            (keyAttribute.empty() ? std::string() : " by their " + keyAttribute) + " (" + each +
            "), which XML Schema 1.0 cannot tell apart: this type is the widest of them.");
    }
    if (value.omitted) say("The writer leaves it out when it is empty.");
    for (const std::string& kept : value.kept)
        say("A value that does not read leaves the setting as it was, such as " + kept +
            ", which the writer writes by default.");
    return notes;
}

bool required(const Value& value, std::size_t instances) {
    if (value.present < instances || value.omitted) return false;
    for (const FieldFacts& f : value.facts)
        if (f.use != Use::Required) return false;
    return true;
}

void writeValue(SchemaWriter& writer, pugi::xml_node declaration, const Value& value,
                const std::string& keyAttribute) {
    writer.typeOf(declaration, value);
    SchemaWriter::document(declaration, valueNotes(value, keyAttribute));
}

void writeComplexType(SchemaWriter& writer, pugi::xml_node type, const Element& element,
                      bool allGroup = false);

// The declaration of `child` in `group`, with its occurrences below `parent`.
void writeChild(SchemaWriter& writer, pugi::xml_node group, const Element& parent,
                const std::string& name, bool allGroup) {
    const Element& child = *parent.children.at(name);
    const auto [least, most] = parent.occurs.at(name);
    const bool list = parent.lists.count(name) != 0;
    const bool menu = child.children.count(name) && child.children.at(name) == &child;
    // A container of lists alone may be left out when they are empty.
    bool container =
        !allGroup && child.attributes.empty() && !child.text && !child.children.empty();
    for (const auto& [grandchild, place] : child.children)
        container = container && child.lists.count(grandchild);
    std::size_t minOccurs = list || menu || container ? 0 : least;
    std::size_t maxOccurs = most;
    bool unbounded = list || menu;
    if (!parent.ordered) {
        minOccurs = 0;
        unbounded = true;
    }
    if (allGroup) minOccurs = std::min<std::size_t>(minOccurs, 1), maxOccurs = 1;
    pugi::xml_node e = SchemaWriter::element(group, name, minOccurs, maxOccurs, unbounded);
    if (menu) {
        e.append_attribute("type") = "menuItem";
        return;
    }
    if (child.text && child.children.empty() && child.attributes.empty()) {
        writeValue(writer, e, *child.text, child.keyAttribute);
        return;
    }
    writeComplexType(writer, e.append_child("xs:complexType"), child);
}

void writeComplexType(SchemaWriter& writer, pugi::xml_node type, const Element& element,
                      bool allGroup) {
    if (!element.childOrder.empty()) {
        const char* kind = allGroup ? "xs:all" : element.ordered ? "xs:sequence" : "xs:choice";
        pugi::xml_node group = type.append_child(kind);
        if (!element.ordered && !allGroup) {
            group.append_attribute("minOccurs") = "0";
            group.append_attribute("maxOccurs") = "unbounded";
        }
        for (const std::string& name : element.childOrder)
            writeChild(writer, group, element, name, allGroup);
    }
    for (const std::string& name : element.attributeOrder) {
        const Value& value = element.attributes.at(name);
        pugi::xml_node a = SchemaWriter::attribute(type, name, required(value, element.instances));
        writeValue(writer, a, value, element.keyAttribute);
    }
}

// ---- the mission plan around platformConfig -----------------------------------------------

std::string kindText(const ReadAs& as) {
    const uint32_t code = as.radioType.value_or(kClassicRadioType);
    if (as.mobile)
        return as.radioType ? "a mobile radio of radio type " + std::to_string(code)
                            : std::string("a mobile radio");
    const char* group = isHazardCode(code)     ? "hazard"
                        : isVrMobileCode(code) ? "VR-mobile"
                                               : "classic";
    return as.radioType
               ? "a handheld radio of radio type " + std::to_string(code) + " (" + group + ")"
               : std::string("a classic handheld radio");
}

const char* missionLoadOf(const ReadAs& as) {
    if (as.mobile) return "MissionLoadQD470M";
    return isExtendedCode(as.radioType.value_or(kClassicRadioType)) ? "MissionLoad"
                                                                    : "qd470PMissionLoad";
}

// A plan text: optional, at most `limit` characters; readers cut a longer one.
void planText(pugi::xml_node type, const char* name, std::size_t limit) {
    pugi::xml_node a = SchemaWriter::attribute(type, name, false);
    SchemaWriter::textType(a, static_cast<int64_t>(limit));
    SchemaWriter::document(a, {"Readers keep the first " + characters(static_cast<int64_t>(limit)) +
                               " of a longer text."});
}

void writeImage(pugi::xml_node group, const char* name) {
    pugi::xml_node e = SchemaWriter::element(group, name);
    e.append_attribute("type") = "image";
}

// The images as the writer writes them: Base64 without line breaks.
void imageType(pugi::xml_node schema) {
    pugi::xml_node type = schema.append_child("xs:simpleType");
    type.append_attribute("name") = "image";
    SchemaWriter::document(
        type, {"An image in Base64, without line breaks. Readers decode the text and CDATA "
               "sections of the element in order up to the first '=' and pass over what "
               "follows it; they also take a last group without its padding."});
    pugi::xml_node r = type.append_child("xs:restriction");
    r.append_attribute("base") = "xs:string";
    SchemaWriter::facet(r, "xs:pattern", "[A-Za-z0-9+/]*={0,2}");
}

}  // namespace

std::string missionPlanSchema(const ReadAs& as) {
    const DescribedConfiguration config(as);
    const Places places(config);
    SchemaWriter writer;
    pugi::xml_node schema = writer.schema();
    SchemaWriter::document(
        schema,
        {"The mission plans of " + kindText(as) + ", as this library writes them.",
         "Readers convert whole numbers as the C library's strtol does with a 32-bit long: "
         "white space and a sign before the digits are taken, the digits end at the first "
         "other character and the rest is passed over, a text without digits reads as 0, and "
         "an unsigned setting takes a minus sign and wraps; this schema admits the decimal "
         "numbers of the reader's range.",
         "Readers normalise the white space of attribute values, so names are tokens."});

    pugi::xml_node root = SchemaWriter::element(schema, "missionPlan");
    pugi::xml_node rootParts = root.append_child("xs:complexType").append_child("xs:all");

    pugi::xml_node vexInfo = SchemaWriter::element(rootParts, "vexInfo", 0);
    SchemaWriter::document(vexInfo, {"The plan texts; the writer leaves it out when all of "
                                     "them are empty."});
    pugi::xml_node vexType = vexInfo.append_child("xs:complexType");
    pugi::xml_node planInfo = SchemaWriter::element(vexType.append_child("xs:all"), "planInfo")
                                  .append_child("xs:complexType");
    for (const char* name : {"name", "description", "notes", "author", "locale", "pin"})
        planText(planInfo, name,
                 std::string_view(name) == "notes" ? kNotesLength : kPlanTextLength);
    planText(vexType, "domain", kPlanTextLength);

    pugi::xml_node load = SchemaWriter::element(rootParts, missionLoadOf(as))
                              .append_child("xs:complexType")
                              .append_child("xs:all");
    pugi::xml_node versionInfo =
        SchemaWriter::element(load, "versionInfo").append_child("xs:complexType");
    pugi::xml_node version = SchemaWriter::attribute(versionInfo, "version", true);
    version.append_attribute("type") = "xs:string";
    SchemaWriter::document(version, {"The writer writes v4.000; readers warn at another."});
    pugi::xml_node date = SchemaWriter::attribute(versionInfo, "date", false);
    date.append_attribute("type") = "xs:string";
    SchemaWriter::document(date, {"When the plan was written, as YYYY-MM-DDThh:mm:ssZ (UTC)."});
    if (!as.mobile) planText(versionInfo, "AACversion", kAacVersionLength);

    pugi::xml_node platformConfig = SchemaWriter::element(load, "platformConfig");
    writeComplexType(writer, platformConfig.append_child("xs:complexType"), places.root(), true);

    pugi::xml_node images = SchemaWriter::element(load, "ecpWaveformConfig")
                                .append_child("xs:complexType")
                                .append_child("xs:all");
    writeImage(images, "ee-data");
    writeImage(images, "fl-data");
    imageType(schema);

    // The menu items nest: one named type holds itself.
    const auto findMenu = [](const auto& self, const Element& e) -> const Element* {
        for (const auto& [name, child] : e.children) {
            if (child == &e) return child;
            if (const Element* found = self(self, *child)) return found;
        }
        return nullptr;
    };
    if (const Element* item = findMenu(findMenu, places.root())) {
        pugi::xml_node type = schema.append_child("xs:complexType");
        type.append_attribute("name") = "menuItem";
        writeComplexType(writer, type, *item);
    }
    return writer.text();
}

}  // namespace tarin
