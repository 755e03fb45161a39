#include "TarinTranslator/host/CsvTable.h"

#include <csv.h>

#include <algorithm>
#include <optional>

#include "TarinTranslator/host/Utf8.h"

namespace tarin {

namespace {

// The parser is fed one byte at a time, so that each field it completes is known to have
// started at a place seen while feeding it.
class Reader {
  public:
    Reader() {
        csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI);
        // Spaces around a field are the field's, as RFC 4180 has them.
        csv_set_space_func(&parser_, [](unsigned char) { return 0; });
    }
    ~Reader() { csv_free(&parser_); }
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    CsvTable read(std::string_view text) {
        if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
        if (!utf8(text)) return std::move(table_);
        for (std::size_t at = 0; at < text.size(); ++at) {
            const char byte = text[at];
            // A field starts at its first byte; a record, past the line ends before it.
            if (fieldDone_ && !(rowDone_ && (byte == '\r' || byte == '\n'))) {
                start_ = {line_, column_};
                fieldDone_ = rowDone_ = false;
            }
            if (csv_parse(&parser_, &byte, 1, field, record, this) != 1)
                return fail(byte == '"' ? "a quote inside a field that does not start with one"
                                        : "text after the quote that closes a field",
                            line_, column_);
            advance(text, at, line_, column_);
        }
        if (csv_fini(&parser_, field, record, this) != 0)
            return fail("the quoted field that starts here is not closed", start_.first,
                        start_.second);
        return std::move(table_);
    }

  private:
    static void field(void* text, std::size_t size, void* self) {
        auto& r = *static_cast<Reader*>(self);
        r.row_.push_back(
            {std::string(static_cast<const char*>(text), size), r.start_.first, r.start_.second});
        r.fieldDone_ = true;
    }
    static void record(int, void* self) {
        auto& r = *static_cast<Reader*>(self);
        if (std::any_of(r.row_.begin(), r.row_.end(),
                        [](const CsvCell& c) { return !c.text.empty(); }))
            r.table_.rows.push_back(std::move(r.row_));
        r.row_.clear();
        r.rowDone_ = r.fieldDone_ = true;
    }

    bool utf8(std::string_view text) {
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t from = at;
            if (decodeUtf8(text, at)) continue;
            std::size_t line = 1, column = 1;
            for (std::size_t i = 0; i < from; ++i) advance(text, i, line, column);
            note("the text is not UTF-8 here", line, column);
            return false;
        }
        return true;
    }
    // Moves the place past the byte at `at`: a line ends at LF, and at a CR not before one.
    static void advance(std::string_view text, std::size_t at, std::size_t& line,
                        std::size_t& column) {
        const bool ends = text[at] == '\n' || (text[at] == '\r' && text.substr(at + 1, 1) != "\n");
        line += ends;
        column = ends ? 1 : column + 1;
    }
    void note(const char* problem, std::size_t line, std::size_t column) {
        table_.problem = problem;
        table_.line = line;
        table_.column = column;
    }
    CsvTable fail(const char* problem, std::size_t line, std::size_t column) {
        note(problem, line, column);
        return std::move(table_);
    }

    csv_parser parser_{};
    CsvTable table_;
    CsvRow row_;
    std::size_t line_ = 1, column_ = 1;
    std::pair<std::size_t, std::size_t> start_{1, 1};
    bool fieldDone_ = true, rowDone_ = true;
};

}  // namespace

CsvTable readCsv(std::string_view text) {
    return Reader().read(text);
}

}  // namespace tarin
