// The fleet tables' CSV reader on any bytes: it ends, and every cell it gives starts at a
// place within the text.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "TarinTranslator/host/CsvTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tarin::CsvTable table = tarin::readCsv(text);
    std::size_t lines = 1;
    for (const char c : text) lines += c == '\n' || c == '\r';
    std::size_t bytes = 0;
    for (const tarin::CsvRow& row : table.rows)
        for (const tarin::CsvCell& cell : row) {
            if (cell.line < 1 || cell.line > lines || cell.column < 1 || cell.column > size + 1)
                std::abort();
            bytes += cell.text.size();
        }
    if (bytes > size || (!table.ok() && (table.line < 1 || table.line > lines))) std::abort();
    return 0;
}
