#include <gtest/gtest.h>

#include <random>
#include <span>

#include "TarinTranslator/model/Vocabulary.h"
#include "TarinTranslator/platform_xml/Convert.h"
#include "TarinTranslator/platform_xml/Layout.h"
#include "TestSupport.h"

namespace tarin {
namespace {

pugi::xml_attribute attrOf(pugi::xml_document& doc, const char* value) {
    doc.reset();
    doc.append_child("e").append_attribute("a") = value;
    return doc.child("e").attribute("a");
}

TEST(Convert, NumbersFollowTheThirtyTwoBitWholeNumberRules) {
    int32_t s = 7;
    EXPECT_TRUE(parseLong("abc", 10, -5, 5, s) && s == 0) << "no digits is 0, in the range";
    s = 7;
    EXPECT_FALSE(parseLong("abc", 10, 1, 5, s));
    EXPECT_EQ(s, 7) << "a failure leaves the value";
    EXPECT_TRUE(parseLong("  12abc", 10, kLongMin, kLongMax, s) && s == 12);
    EXPECT_TRUE(parseLong("-2147483648", 10, kLongMin, kLongMax, s) && s == kLongMin);
    EXPECT_FALSE(parseLong("2147483648", 10, kLongMin, kLongMax, s));
    EXPECT_FALSE(parseLong("99999999999999999999999", 10, kLongMin, kLongMax, s));
    EXPECT_FALSE(parseLong(nullptr, 10, kLongMin, kLongMax, s));

    uint32_t u = 0;
    EXPECT_TRUE(parseULong("-1", 10, 0, kULongMax, u) && u == 4294967295u);
    EXPECT_FALSE(parseULong("-1", 10, 0, 100, u));
    EXPECT_TRUE(parseULong("4294967295", 10, 0, kULongMax, u));
    EXPECT_FALSE(parseULong("4294967296", 10, 0, kULongMax, u));
    EXPECT_TRUE(parseULong("0x10", 0, 0, kULongMax, u) && u == 16u);
    EXPECT_TRUE(parseULong("010", 0, 0, kULongMax, u) && u == 8u);
    EXPECT_TRUE(parseULong("0x", 0, 0, kULongMax, u) && u == 0u);
    EXPECT_TRUE(parseULong("70000", 16, 0, kULongMax, u) && u == 0x70000u);
}

TEST(Convert, AttributeHelpers) {
    pugi::xml_document doc;
    int32_t s = 3;
    EXPECT_TRUE(readLong(attrOf(doc, ""), s, -5, 5) && s == 0) << "an empty value is present";
    EXPECT_FALSE(readLong(pugi::xml_attribute(), s));

    const std::tuple<const char*, bool, uint8_t> bools[] = {{"true", true, 1},  {"1", true, 1},
                                                            {"false", true, 0}, {"0", true, 0},
                                                            {"TRUE", false, 9}, {"yes", false, 9}};
    for (const auto& [text, ok, value] : bools) {
        uint8_t b = 9;
        EXPECT_EQ(readBool(attrOf(doc, text), b), ok) << text;
        EXPECT_EQ(b, value) << text;
    }

    wchar_t fixed[16];
    EXPECT_TRUE(readFixedString(attrOf(doc, "abcdefghijklmnopqrstuvwxyz"), fixed, 16) &&
                std::wstring(fixed) == L"abcdefghijklmno");
    std::wstring text;
    EXPECT_TRUE(readString(attrOf(doc, "\xC3\xA9t\xC3\xA9"), text) && text == L"\u00e9t\u00e9");
}

// Writers put out a value's name and readers take a name's value: each entry is what both
// lookups find. Time zones share values (a name reads, the first is written), short menu
// items share the empty name.
TEST(Vocabulary, NamesAndValuesMatchOneToOne) {
    ASSERT_EQ(vocabularyTables().size(), 65u) << "every table is listed";
    for (const NamedVocabTable& t : vocabularyTables()) {
        SCOPED_TRACE(t.name);
        for (const VocabEntry& entry : std::span(t.table->entries, t.table->count)) {
            uint32_t value = ~0u;
            const bool reads = lookupValue(entry.name, *t.table, value) && value == entry.value;
            EXPECT_TRUE(reads || t.table == &ShortMenuItemNames) << entry.name;
            EXPECT_TRUE(lookupName(entry.value, *t.table) == std::string_view(entry.name) ||
                        t.table == &TimeZoneNames)
                << entry.name;
        }
    }
}

TEST(Vocabulary, TablesHaveTheirSizesAndSparseValues) {
    EXPECT_EQ(MapDatumNames.count, 235u);
    EXPECT_EQ(ProgBtnOpcodeNames.count, 88u);
    EXPECT_EQ(TimeZoneNames.count, 74u);
    EXPECT_EQ(MenuFunctionNames.count, 122u);
    EXPECT_EQ(StatusIconNames.count, 33u);
    EXPECT_STREQ(lookupName(234, MapDatumNames), "DATUM_ZAN");
    EXPECT_STREQ(lookupName(87, ProgBtnOpcodeNames), "FUNC_KVL_LLA");
    EXPECT_STREQ(lookupName(53, ProgBtnNames), "ExtIoIn3");
    EXPECT_STREQ(lookupName(58, ButtonFunctionNames), "FUNC_ECI_TIMEOUT");
    EXPECT_STREQ(lookupName(0, NorthingNames), "NONE");
    EXPECT_STREQ(lookupName(27, TimeZoneNames), "LINT");
}

TEST(XmlText, EscapingAndTheModeOfAFreshStream) {
    EXPECT_EQ(escapeXml(L"a<b & 'c' \"d\" >\u00e9\u4e2d"),
              L"a&lt;b &amp; &apos;c&apos; &quot;d&quot; &gt;\u00e9\u4e2d");
    EXPECT_EQ(escapeXml(L""), L"");
    std::wostringstream os;
    EXPECT_FALSE(isXmlMode(os)) << "a fresh stream writes summary text";
}

struct Sample {
    uint32_t mode = 1;
    int32_t level = -3;
    std::wstring label = L"x";
};

// One row per field: the writer, the reader, the check and the summary take it from the
// same rows, each in its own order and under its own gate where a visit list says so.
const Field<Sample> kSample[] = {
    {.name = "mode", .member = &Sample::mode, .names = &OnOffNames, .check = Judged{0, 1}},
    {.name = "level",
     .member = &Sample::level,
     .use = Use::Optional,
     .min = -5,
     .max = 5,
     .check = Judged{-4, 4}},
    {.name = "label",
     .member = &Sample::label,
     .gate = Gate::Classic,
     .use = Use::Tolerant,
     .check = Judged{0, 3},
     .literal = " label ='",
     .omitEmpty = true},
};
const Visit kLabelFirst[] = {{"label", Gate::All}, {"mode"}};
const SummaryVisit kSampleSummary[] = {{"mode", "{ mode: ", Shown::Name},
                                       {"label", ", label: \"", Shown::Quoted, Gate::Extended}};

TEST(Layout, OneRowServesEveryUseInItsOwnOrderAndGate) {
    Sample s;
    auto attrs = [&](uint32_t code, std::span<const Visit> order = {}) {
        return test::written(
            [&](std::wostream& os) { writeXmlFields<Sample>(os, s, kSample, 3, order); }, code);
    };
    EXPECT_EQ(attrs(0), L"   mode='ON'\n   level='-3'\n label ='x'\n");
    EXPECT_EQ(attrs(146), L"   mode='ON'\n   level='-3'\n");
    EXPECT_EQ(attrs(146, kLabelFirst), L" label ='x'\n   mode='ON'\n");
    EXPECT_EQ(
        test::written(
            [&](std::wostream& os) { writeSummaryFields<Sample>(os, s, kSample, kSampleSummary); },
            146),
        L"{ mode: ON, label: \"x\"");
    s.label.clear();
    EXPECT_EQ(attrs(0), L"   mode='ON'\n   level='-3'\n");

    pugi::xml_document doc;
    Sample r;
    ASSERT_TRUE(test::load(doc, L"<e mode='OFF' label='toolong' />"));
    currentRadioType() = 0;
    EXPECT_TRUE(readFields<Sample>(doc.child("e"), r, kSample));
    EXPECT_EQ(std::pair(r.mode, r.level), std::pair(0u, -3)) << "an absent optional one stays";
    // The check judges every row with a range, whatever the radio type.
    currentRadioType() = 146;
    EXPECT_FALSE(checkFields<Sample>(r, kSample));
    r.label = L"ok";
    r.level = 5;
    EXPECT_FALSE(checkFields<Sample>(r, kSample)) << "level 5 is outside -4..4";
    EXPECT_TRUE(checkFields<Sample>(r, kSample, kLabelFirst));

    ASSERT_TRUE(test::load(doc, L"<e mode='OFF' level='9' />"));
    EXPECT_FALSE(readFields<Sample>(doc.child("e"), r, kSample));
    ASSERT_TRUE(test::load(doc, L"<e level='2' />"));
    EXPECT_FALSE(readFields<Sample>(doc.child("e"), r, kSample)) << "mode is required";
    EXPECT_FALSE(readFields<Sample>(pugi::xml_node(), r, kSample));
    EXPECT_THROW(fieldOf<Sample>(kSample, "none"), std::logic_error);
}

// Line and column of offsets in texts of every density of line feeds, across the index's
// blocks, against counting by hand.
TEST(ReadLogPlaces, AgreeWithCountingEveryByte) {
    std::mt19937 random(7);
    for (const int percent : {0, 1, 30, 100}) {
        std::string text(20000 + percent, 'x');
        for (char& c : text)
            if (static_cast<int>(random() % 100) < percent) c = '\n';
        ReadLog log;
        log.indexLines(text);
        std::size_t line = 1, column = 1;
        for (std::size_t at = 0; at <= text.size(); ++at) {
            ASSERT_EQ(log.place(static_cast<std::ptrdiff_t>(at)), std::make_pair(line, column))
                << percent << "% line feeds, offset " << at;
            if (at < text.size()) text[at] == '\n' ? (++line, column = 1) : ++column;
        }
        EXPECT_EQ(log.place(static_cast<std::ptrdiff_t>(text.size()) + 1),
                  std::make_pair(std::size_t{0}, std::size_t{0}));
    }
}

}  // namespace
}  // namespace tarin
