// The batch command: a fleet of plans from one template and a CSV table.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "TarinTranslator/api/Batch.h"
#include "tools/Text.h"
#include "tools/Tool.h"

namespace tarin::tool {

namespace {

// Digits only, at most `most` of them; nothing otherwise.
std::optional<long long> digits(std::string_view text, std::size_t most = 18) {
    if (text.empty() || text.size() > most ||
        text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    return std::stoll(std::string(text));
}

bool leapYear(long long year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// The time a date stamp names: YYYY-MM-DDThh:mm:ssZ (the form the documents carry),
// YYYY-MM-DD (midnight UTC) or @SECONDS (since 1970 UTC); nothing for anything else, a
// date that does not exist included.
std::optional<std::time_t> stampTime(const std::string& text) {
    if (text.size() > 1 && text[0] == '@') {
        const std::optional<long long> seconds = digits(std::string_view(text).substr(1), 12);
        return seconds && *seconds <= 253402300799 ? std::optional<std::time_t>(*seconds)
                                                   : std::nullopt;
    }
    if (text.size() != 10 && text.size() != 20) return std::nullopt;
    const bool full = text.size() == 20;
    // Each part: where it stands, its width, its range; and the separators between them.
    struct Part {
        std::size_t at, width;
        long long min, max;
    };
    const Part parts[] = {{0, 4, 1970, 9999}, {5, 2, 1, 12},  {8, 2, 1, 31},
                          {11, 2, 0, 23},     {14, 2, 0, 59}, {17, 2, 0, 59}};
    const std::pair<std::size_t, char> separators[] = {{4, '-'},  {7, '-'},  {10, 'T'},
                                                       {13, ':'}, {16, ':'}, {19, 'Z'}};
    long long value[6] = {};
    for (std::size_t i = 0; i < (full ? 6u : 3u); ++i) {
        const Part& p = parts[i];
        const std::optional<long long> v = digits(std::string_view(text).substr(p.at, p.width));
        if (!v || *v < p.min || *v > p.max) return std::nullopt;
        value[i] = *v;
    }
    for (const auto& [at, separator] : separators)
        if (at < text.size() && text[at] != separator) return std::nullopt;
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (value[2] > kDays[value[1] - 1] + (value[1] == 2 && leapYear(value[0]))) return std::nullopt;
    std::tm utc{};
    utc.tm_year = static_cast<int>(value[0] - 1900);
    utc.tm_mon = static_cast<int>(value[1] - 1);
    utc.tm_mday = static_cast<int>(value[2]);
    utc.tm_hour = static_cast<int>(value[3]);
    utc.tm_min = static_cast<int>(value[4]);
    utc.tm_sec = static_cast<int>(value[5]);
    return ::timegm(&utc);
}

// The documents' date: --date, else SOURCE_DATE_EPOCH, else none (the time of writing).
std::optional<std::time_t> batchDate(const Options& o) {
    if (const std::string* date = o.value("--date")) return stampTime(*date);
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (!epoch || !*epoch) return std::nullopt;
    const std::optional<long long> seconds = digits(epoch, 12);
    if (!seconds || *seconds > 253402300799)
        throw UsageError{"SOURCE_DATE_EPOCH: '" + printable(epoch) +
                         "' is not a number of seconds since 1970"};
    return *seconds;
}

}  // namespace

std::optional<std::string> dateProblem(const std::string& text) {
    if (stampTime(text)) return std::nullopt;
    return "--date: '" + printable(text) +
           "' is not a date stamp: YYYY-MM-DDThh:mm:ssZ, YYYY-MM-DD or @SECONDS (UTC, from 1970 "
           "to 9999)";
}

int runBatch(const Options& o) {
    const std::string* out = o.value("--out");
    if (!out) throw UsageError{"batch needs --out DIR, the folder of the plans"};
    BatchOptions options;
    options.out = *out;
    options.dryRun = o.has("--dry-run");
    options.date = batchDate(o);
    if (const std::string* jobs = o.value("--jobs")) options.jobs = std::stoul(*jobs);
    if (o.has("--radio-type") || o.has("--mobile")) options.as = o.readAs();
    const std::string& fleet = o.operands[1];
    options.fleetName = printable(fleet);
    // Progress on a terminal only: rows done of all rows, on one line.
    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    if (terminal)
        options.progress = [](std::size_t done, std::size_t total) {
            std::fprintf(stderr, "\rtarin-translator: batch: %zu of %zu rows", done, total);
            if (done == total) std::fputc('\n', stderr);
        };
    BatchResult result;
    try {
        result = writeBatch(o.operands[0], fleet, options);
    } catch (const FileError& e) {
        throw JobFailure{fileFailure(e), 2};
    }
    if (result.stopped)
        throw JobFailure{located(printable(result.stopped->file.string()), result.stopped->reason),
                         2};
    std::size_t failed = 0;
    for (const BatchRow& row : result.rows) {
        if (row.status != BatchRow::Status::Failed) continue;
        ++failed;
        printError(located(options.fleetName, row.reason));
    }
    const std::size_t good = result.rows.size() - failed;
    printOut(options.dryRun ? std::to_string(good) + " of " + std::to_string(result.rows.size()) +
                                  " rows checked; nothing written\n"
                            : std::to_string(good) + " of " + std::to_string(result.rows.size()) +
                                  " plans written; manifest " +
                                  printable((options.out / "manifest.json").string()) + "\n");
    return failed ? 1 : 0;
}

}  // namespace tarin::tool
