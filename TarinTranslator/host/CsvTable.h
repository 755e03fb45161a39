#pragma once

// Tables read from CSV text as people write it (RFC 4180): fields separated by commas,
// records by CR LF, LF or CR; a field in double quotes may hold commas, line breaks and
// quotes (doubled). Spaces belong to their fields. The text is UTF-8, with or without a
// byte order mark. Each cell keeps where it starts, for messages.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarin {

struct CsvCell {
    std::string text;
    std::size_t line = 0;    // 1-based
    std::size_t column = 0;  // 1-based, in bytes after the byte order mark
};
using CsvRow = std::vector<CsvCell>;

struct CsvTable {
    std::vector<CsvRow> rows;  // rows whose cells are all empty are left out
    // Why the text is not CSV, and where; empty text when it is.
    std::string problem;
    std::size_t line = 0, column = 0;
    bool ok() const { return problem.empty(); }
};

// Reads CSV text; a text that is not UTF-8 or not CSV (a quote inside an unquoted field,
// text after a closing quote, a quoted field not closed) gives the problem and its place,
// and the rows before it.
CsvTable readCsv(std::string_view text);

}  // namespace tarin
