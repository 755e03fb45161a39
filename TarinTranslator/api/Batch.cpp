// A fleet from one template: the fleet table is checked whole before anything is written,
// then workers take its rows one at a time, each changing its own copy of the template's
// record and writing its plan; the manifest is written last.

#include "TarinTranslator/api/Batch.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cwctype>
#include <exception>
#include <locale>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "TarinTranslator/api/ConfigurationState.h"
#include "TarinTranslator/api/Describe.h"
#include "TarinTranslator/api/Internal.h"
#include "TarinTranslator/host/CsvTable.h"
#include "TarinTranslator/mission_plan/Digest.h"
#include "TarinTranslator/platform_xml/Paths.h"

namespace tarin {

using namespace detail;

namespace {

constexpr const char* kManifest = "manifest.json";
// A base of at most this many bytes leaves room for ".xml" in a file name of 255.
constexpr std::size_t kBaseBytes = 251;

// A refusal of the fleet or the template: nothing is written.
struct Stopped {
    Stopped(ReadNote note, std::filesystem::path in = {})
        : reason(std::move(note)), file(std::move(in)) {}
    ReadNote reason;
    std::filesystem::path file;
};

// A row that fails, at the cell `column` (an index of the header) or at the row's base.
constexpr std::size_t kBaseColumn = static_cast<std::size_t>(-1);
struct RowFailed {
    std::string text;
    ReasonCode code;
    std::size_t column;
};

// ---- columns ---------------------------------------------------------------------------

struct TextColumn {
    const char* name;
    std::optional<std::wstring> PlanTextChanges::*field;
    std::size_t kept;  // characters a plan keeps
    bool handheldOnly;
};
const TextColumn kTextColumns[] = {
    {"name", &PlanTextChanges::name, kPlanTextLength, false},
    {"description", &PlanTextChanges::description, kPlanTextLength, false},
    {"notes", &PlanTextChanges::notes, kNotesLength, false},
    {"author", &PlanTextChanges::author, kPlanTextLength, false},
    {"locale", &PlanTextChanges::locale, kPlanTextLength, false},
    {"pin", &PlanTextChanges::pin, kPlanTextLength, true},
    {"aac-version", &PlanTextChanges::aacVersion, kAacVersionLength, true},
};

struct Column {
    enum Kind { Base, Text, Flash, Eeprom, Setting } kind = Setting;
    const CsvCell* header = nullptr;
    const TextColumn* text = nullptr;
};

// ---- the template ----------------------------------------------------------------------

// The template read once: its record, its written platformConfig and its images, which
// every row shares and none changes.
struct Template {
    Configuration::State state;
    ByteVector decodedFl, decodedEe;  // images decoded into the record (a converted text)
    std::span<const uint8_t> fl, ee;
    BatchFile file, flash, eeprom;
};

void readTemplate(Template& t, const std::filesystem::path& file, std::optional<ReadAs> as) {
    DocumentText text(file, "template");
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(text.data()),
                                         text.size());
    t.file = {file.string(), bytes.size(), sha256Hex(bytes)};
    readConfiguration(t.state, std::move(text), as, false);
    ReadResult& result = t.state.result;
    if (!result.ok) throw Stopped{result.reason, file};
    if (!result.warnings.empty()) {
        ReadNote reason = result.warnings.front();
        reason.text += "; a change would lose what this warning names";
        throw Stopped{reason, file};
    }
    if (!t.state.plan)
        throw Stopped{{"the template is a platform file; a batch writes from a mission plan",
                       0,
                       0,
                       ReasonCode::WrongKind,
                       {}},
                      file};
    // The copies the rows make of the record leave the images out.
    ReadPlan& record = *t.state.record;
    ByteVector& fl = record.as().mobile ? record.mobile().MobilePlatform.flData
                                        : record.handheld().Platform.flData;
    ByteVector& ee = record.as().mobile ? record.mobile().MobilePlatform.eeData
                                        : record.handheld().Platform.eeData;
    fl.swap(t.decodedFl);
    ee.swap(t.decodedEe);
    const ImageViews& views = record.images();
    t.fl = views.fl.empty() ? std::span<const uint8_t>(t.decodedFl) : views.fl;
    t.ee = views.ee.empty() ? std::span<const uint8_t>(t.decodedEe) : views.ee;
    t.flash = {file.string(), t.fl.size(), sha256Hex(t.fl)};
    t.eeprom = {file.string(), t.ee.size(), sha256Hex(t.ee)};
}

// ---- checks before anything is written ---------------------------------------------------

ReadNote at(const CsvCell& cell, std::string text, ReasonCode code, std::string path = {}) {
    return {std::move(text), cell.line, cell.column, code, std::move(path)};
}

// Lower case for comparing names: as the C.UTF-8 locale has it, where there is one.
std::wstring folded(const std::string& text) {
    static const std::locale locale = [] {
        try {
            return std::locale("C.UTF-8");
        } catch (const std::exception&) {
            return std::locale::classic();
        }
    }();
    std::wstring wide = fromUtf8(text);
    for (wchar_t& c : wide) c = std::tolower(c, locale);
    return wide;
}

// Why `base` is not a single file name, or nothing.
std::optional<std::string> baseProblem(const std::string& base) {
    if (base.empty()) return "the base is empty; every row names its output";
    if (base == "." || base == "..") return "the base '" + base + "' names a folder";
    if (base.find('/') != std::string::npos)
        return "the base '" + base + "' holds a '/'; it is a file name in the output folder";
    for (const char c : base)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return std::string("the base holds a control character");
    if (base.size() > kBaseBytes)
        return "the base has " + std::to_string(base.size()) + " bytes, more than " +
               std::to_string(kBaseBytes) + " (BASE.xml is a file name of at most 255)";
    return std::nullopt;
}

// The columns of the header, checked against the template's radio kind.
std::vector<Column> readHeader(const CsvRow& header, const Template& t) {
    const ReadAs& as = t.state.as;
    const pugi::xml_node config = t.state.writtenConfig();
    // What the kind carries, lists with an entry each; paths without their predicates.
    std::set<std::string> carried;
    const DescribedConfiguration described(as);
    for (const Setting& s : settingsBelow(described.config())) carried.insert(plainPath(s.path));
    std::vector<Column> columns;
    std::map<std::string, const CsvCell*> seen;  // by the setting each names
    for (const CsvCell& cell : header) {
        Column column;
        column.header = &cell;
        const std::string& name = cell.text;
        std::string key = name;
        if (name == "base") column.kind = Column::Base;
        if (name == "fl") column.kind = Column::Flash;
        if (name == "ee") column.kind = Column::Eeprom;
        for (const TextColumn& text : kTextColumns)
            if (name == text.name && !(text.handheldOnly && as.mobile))
                column.kind = Column::Text, column.text = &text;
        if (column.kind == Column::Setting) {
            if (name.empty())
                throw Stopped{at(cell, "a column without a name", ReasonCode::NoSetting)};
            const std::vector<Setting> selected = selectSettings(config, name);
            if (selected.size() > 1)
                throw Stopped{at(cell,
                                 "the column " + name + " selects " +
                                     std::to_string(selected.size()) +
                                     " settings; a column names one",
                                 ReasonCode::SeveralSettings, name)};
            if (selected.size() == 1) {
                key = selected.front().path;
            } else if (!carried.count(plainPath(name))) {
                std::string text = "the column " + name +
                                   " is not a plan text (name, description, notes, author, "
                                   "locale" +
                                   (as.mobile ? "" : ", pin, aac-version") +
                                   "), an image (fl, ee) or a setting path of " + radioKind(as);
                std::vector<std::string> known;
                for (const Setting& s : settingsBelow(config)) known.push_back(s.path);
                std::string nearest;
                for (const std::string& p : nearestPaths(name, known))
                    nearest += (nearest.empty() ? "" : ", ") + p;
                if (!nearest.empty()) text += "; the nearest paths: " + nearest;
                throw Stopped{at(cell, text, ReasonCode::NoSetting, name)};
            }
        }
        if (auto [first, added] = seen.emplace(key, &cell); !added)
            throw Stopped{at(cell,
                             "the column " + name + " names what the column at line " +
                                 std::to_string(first->second->line) + ", column " +
                                 std::to_string(first->second->column) + " names",
                             ReasonCode::RepeatedKey, name)};
        columns.push_back(column);
    }
    if (!seen.count("base"))
        throw Stopped{{"the header has no column base, which names each row's output",
                       1,
                       1,
                       ReasonCode::MissingElement,
                       {}}};
    return columns;
}

// The bases of every row, and that each row has no more cells than the header.
void checkRows(const std::vector<CsvRow>& rows, const std::vector<Column>& columns) {
    const std::size_t base = std::find_if(columns.begin(), columns.end(),
                                          [](const Column& c) { return c.kind == Column::Base; }) -
                             columns.begin();
    std::map<std::wstring, const CsvCell*> bases;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const CsvRow& row = rows[r];
        if (row.size() > columns.size())
            throw Stopped{at(row[columns.size()],
                             "the row has " + std::to_string(row.size()) +
                                 " cells, more than the header's " +
                                 std::to_string(columns.size()) + " columns",
                             ReasonCode::EntryRefused)};
        const CsvCell empty{"", row.front().line, row.front().column};
        const CsvCell& cell = base < row.size() ? row[base] : empty;
        if (std::optional<std::string> problem = baseProblem(cell.text))
            throw Stopped{at(cell, *problem, ReasonCode::BadFileName, "base")};
        if (auto [first, added] = bases.emplace(folded(cell.text), &cell); !added)
            throw Stopped{at(cell,
                             "the base '" + cell.text + "' is the base of line " +
                                 std::to_string(first->second->line) +
                                 (first->second->text == cell.text
                                      ? ""
                                      : " ('" + first->second->text + "', in other letter case)"),
                             ReasonCode::RepeatedKey, "base")};
    }
}

// ---- rows ------------------------------------------------------------------------------

// What every worker shares.
struct Batch {
    const Template& source;
    const std::vector<Column>& columns;
    const BatchOptions& options;
    std::filesystem::path fleetDir;
};

std::string fileErrorText(const FileError& e) {
    std::string action = e.action();
    if (!action.empty()) action[0] = static_cast<char>(std::tolower(action[0]));
    return e.file().string() + ": " + action + (e.reason().empty() ? "" : ": " + e.reason());
}

// The image reader `read`, counting and hashing what it hands out into `file`; a read
// that fails fails the row at `column`.
ImageReader hashing(ImageReader read, BatchFile& file, std::shared_ptr<Sha256> digest,
                    std::size_t column) {
    return [read = std::move(read), &file, digest, column](uint8_t* to, std::size_t size) {
        std::size_t n = 0;
        try {
            n = read(to, size);
        } catch (const FileError& e) {
            throw RowFailed{fileErrorText(e), ReasonCode::FileError, column};
        }
        digest->update({to, n});
        file.size += n;
        return n;
    };
}

// Why a dry run would not write `target`: a symbolic link, or something not a file.
std::optional<std::string> targetProblem(const std::filesystem::path& target) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0) return std::nullopt;
    if (S_ISLNK(info.st_mode)) return target.string() + ": a symbolic link, which is not followed";
    if (!S_ISREG(info.st_mode)) return target.string() + ": not a regular file";
    return std::nullopt;
}

void runRow(const Batch& batch, const CsvRow& cells, BatchRow& row) {
    const Template& t = batch.source;
    const std::vector<Column>& columns = batch.columns;
    auto cellOf = [&](std::size_t c) -> const std::string& {
        static const std::string kEmpty;
        return c < cells.size() ? cells[c].text : kEmpty;
    };
    SettingChanges changes;
    std::map<std::string, std::size_t> columnOfPath;
    std::filesystem::path images[2];
    std::size_t imageColumns[2] = {0, 0};
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const Column& column = columns[c];
        const std::string& cell = cellOf(c);
        if (column.kind == Column::Base) {
            row.base = cell;
            continue;
        }
        if (cell.empty()) continue;
        const std::string value = cell == "<empty>" ? std::string() : cell;
        const std::string& name = column.header->text;
        switch (column.kind) {
            case Column::Text: {
                std::wstring text = fromUtf8(value);
                if (findNonXmlCharacter(text) != std::wstring::npos)
                    throw RowFailed{name +
                                        ": the text holds a character that XML 1.0 does not "
                                        "allow",
                                    ReasonCode::ForbiddenCharacter, c};
                if (text.size() > column.text->kept)
                    throw RowFailed{name + ": the text has " + std::to_string(text.size()) +
                                        " characters, more than the " +
                                        std::to_string(column.text->kept) + " a plan keeps",
                                    ReasonCode::TooLong, c};
                changes.texts.*column.text->field = std::move(text);
                break;
            }
            case Column::Flash:
            case Column::Eeprom: {
                const int i = column.kind == Column::Flash ? 0 : 1;
                images[i] = batch.fleetDir / value;
                imageColumns[i] = c;
                break;
            }
            default:
                changes.assignments.push_back({name, value});
                columnOfPath[name] = c;
        }
    }
    // The row's changes are read again together; when that fails, they are made again one
    // at a time, as set makes them, for the reason of the one that fails.
    ReadPlan record(*t.state.record);
    pugi::xml_document written;
    written.reset(t.state.written);
    std::optional<ReadNote> refused = applyChanges({record, written}, changes, true);
    if (refused) {
        record = *t.state.record;
        written.reset(t.state.written);
        refused = applyChanges({record, written}, changes);
    }
    if (refused) {
        // The reason names the change's path, or the paths of an entry appended together.
        auto exact = columnOfPath.find(refused->path);
        std::size_t column = exact != columnOfPath.end() ? exact->second : kBaseColumn;
        for (const SettingValue& change : changes.assignments)
            if (column == kBaseColumn && refused->path.rfind(change.path, 0) == 0)
                column = columnOfPath[change.path];
        throw RowFailed{refused->text, refused->code, column};
    }
    // The images: the template's, or streamed from the row's files, hashed as they go.
    ImageReaders readers{readerOf(t.fl), readerOf(t.ee)};
    row.flash = t.flash;
    row.eeprom = t.eeprom;
    ByteVector piped[2];
    std::optional<WriteImages> opened[2];
    std::shared_ptr<Sha256> digests[2];
    for (int i = 0; i < 2; ++i) {
        if (images[i].empty()) continue;
        try {
            opened[i].emplace(images[i], piped[i], std::filesystem::path(), piped[i]);
        } catch (const FileError& e) {
            throw RowFailed{fileErrorText(e), ReasonCode::FileError, imageColumns[i]};
        }
        ImageReader& reader = opened[i]->streams().fl;
        if (!reader) reader = readerOf(piped[i]);
        BatchFile& file = i == 0 ? row.flash : row.eeprom;
        file = {cellOf(imageColumns[i]), 0, {}};
        digests[i] = std::make_shared<Sha256>();
        (i == 0 ? readers.fl : readers.ee) = hashing(reader, file, digests[i], imageColumns[i]);
    }
    const std::filesystem::path target = batch.options.out / (row.base + ".xml");
    row.document = BatchFile{row.base + ".xml", 0, {}};
    if (batch.options.dryRun) {
        if (std::optional<std::string> problem = targetProblem(target))
            throw RowFailed{*problem, ReasonCode::FileError, kBaseColumn};
        row.status = BatchRow::Status::Checked;
        return;
    }
    Sha256 document;
    AtomicFile file;
    const auto write = [&](std::wostream& os) {
        record.writePlan(os, &readers, batch.options.date);
    };
    const auto seen = [&](const char* bytes, std::size_t size) {
        document.update({reinterpret_cast<const uint8_t*>(bytes), size});
        row.document->size += size;
    };
    if (!(file.open(target, Links::Refuse) && writeText(file, write, seen) && file.commit())) {
        file.abandon();
        throw RowFailed{failureOf(file, {&file}).text(), ReasonCode::FileError, kBaseColumn};
    }
    row.document->sha256 = document.hex();
    for (int i = 0; i < 2; ++i)
        if (digests[i]) (i == 0 ? row.flash : row.eeprom).sha256 = digests[i]->hex();
    row.status = BatchRow::Status::Written;
}

// Fails `row` at its cell `column` (kBaseColumn: its base).
void fail(BatchRow& row, const CsvRow& cells, const std::vector<Column>& columns,
          const RowFailed& failed) {
    std::size_t c = failed.column;
    if (c == kBaseColumn)
        for (c = 0; c < columns.size() && columns[c].kind != Column::Base; ++c) {
        }
    const CsvCell& place = c < cells.size() ? cells[c] : cells.front();
    row.status = BatchRow::Status::Failed;
    row.reason = at(place, failed.text, failed.code,
                    c < columns.size() ? columns[c].header->text : std::string());
    row.document.reset();
}

// Runs the rows on `jobs` workers; progress is told from this thread. An exception here
// (progress's own, or a worker that does not start) stops handing out rows: the workers
// finish the rows they hold and are joined before it goes on.
void runRows(const Batch& batch, const std::vector<CsvRow>& rows, std::vector<BatchRow>& out,
             unsigned jobs) {
    const std::size_t total = rows.size() - 1;
    out.resize(total);
    std::atomic<std::size_t> next{0};
    std::mutex mutex;
    std::condition_variable changed;
    std::size_t done = 0;
    const auto work = [&] {
        for (std::size_t i; (i = next++) < total;) {
            const CsvRow& cells = rows[i + 1];
            BatchRow& row = out[i];
            row.line = cells.front().line;
            try {
                runRow(batch, cells, row);
            } catch (const RowFailed& failed) {
                fail(row, cells, batch.columns, failed);
            } catch (const std::exception& e) {
                fail(row, cells, batch.columns, {e.what(), ReasonCode::None, kBaseColumn});
            }
            std::lock_guard<std::mutex> lock(mutex);
            ++done;
            changed.notify_one();
        }
    };
    std::vector<std::thread> workers;
    std::exception_ptr thrown;
    try {
        for (unsigned w = 0; w < std::min<std::size_t>(jobs, total); ++w)
            workers.emplace_back(work);
        std::size_t told = 0;
        while (told < total) {
            std::unique_lock<std::mutex> lock(mutex);
            changed.wait(lock, [&] { return done > told; });
            told = done;
            lock.unlock();
            if (batch.options.progress) batch.options.progress(told, total);
        }
    } catch (...) {
        thrown = std::current_exception();
        next = total;
    }
    for (std::thread& worker : workers) worker.join();
    if (thrown) std::rethrow_exception(thrown);
}

// ---- the manifest ----------------------------------------------------------------------

std::string json(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

std::string json(const BatchFile& file, const char* nameKey) {
    std::string out = "{\"";
    out += nameKey;
    out += "\": ";
    out += json(file.name);
    out += ", \"size\": ";
    out += std::to_string(file.size);
    out += ", \"sha256\": ";
    out += json(file.sha256);
    out += '}';
    return out;
}

std::string manifest(const BatchResult& result, const std::string& fleet,
                     std::optional<std::time_t> date) {
    std::string out = "{\n  \"manifest\": 1,\n  \"tool\": {\"name\": \"tarin-translator\", ";
    out += "\"version\": " + json(TARIN_LIBRARY_VERSION) + "},\n  \"template\": ";
    out += json(result.templateFile, "file");
    out += ",\n  \"fleet\": " + json(fleet) + ",\n  \"date\": ";
    out += date ? json(toUtf8(dateStamp(*date))) : std::string("null");
    out += ",\n  \"rows\": [";
    for (std::size_t i = 0; i < result.rows.size(); ++i) {
        const BatchRow& row = result.rows[i];
        const bool failed = row.status == BatchRow::Status::Failed;
        out += i ? ",\n    {" : "\n    {";
        out += "\"line\": " + std::to_string(row.line) + ", \"base\": " + json(row.base);
        out += ", \"status\": ";
        out += failed ? "\"failed\"" : "\"written\"";
        out += ", \"reason\": ";
        if (failed) {
            const ReadNote& r = row.reason;
            out += "{\"text\": " + json(r.text) + ", \"line\": " + std::to_string(r.line) +
                   ", \"column\": " + std::to_string(r.column) +
                   ", \"code\": " + json(reasonCodeName(r.code)) +
                   ", \"path\": " + (r.path.empty() ? std::string("null") : json(r.path)) + "}";
        } else {
            out += "null";
        }
        out += ",\n     \"document\": ";
        out += row.document && !failed ? json(*row.document, "file") : std::string("null");
        out += ",\n     \"images\": ";
        if (failed) {
            out += "null}";
            continue;
        }
        out += "{\"flash\": " + json(row.flash, "file") +
               ",\n                \"eeprom\": " + json(row.eeprom, "file") + "}}";
    }
    out += result.rows.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

// The processors this process may run on (as nproc(1) counts them).
unsigned processorsAvailable() {
    cpu_set_t set;
    if (::sched_getaffinity(0, sizeof set, &set) == 0 && CPU_COUNT(&set) > 0)
        return static_cast<unsigned>(CPU_COUNT(&set));
    return std::max(1u, std::thread::hardware_concurrency());
}

// ---- the output folder -------------------------------------------------------------------

// The output folder, made when missing, and locked while the batch runs.
class FolderLock {
  public:
    explicit FolderLock(const std::filesystem::path& dir) {
        std::error_code error;
        std::filesystem::create_directories(dir, error);
        if (error) stop(dir, "cannot make the output folder: " + error.message());
        fd_ = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ < 0)
            stop(dir, std::string("cannot open the output folder: ") + std::strerror(errno));
        if (::flock(fd_, LOCK_EX | LOCK_NB) != 0)
            stop(dir, errno == EWOULDBLOCK
                          ? "another batch is writing into this folder; run this one when it "
                            "has finished, or into another folder"
                          : std::string("cannot lock the output folder: ") + std::strerror(errno));
    }
    ~FolderLock() {
        if (fd_ >= 0) ::close(fd_);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

  private:
    [[noreturn]] void stop(const std::filesystem::path& dir, const std::string& text) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        throw Stopped{{text, 0, 0, ReasonCode::FileError, {}}, dir};
    }
    int fd_ = -1;
};

}  // namespace

BatchResult writeBatch(const std::filesystem::path& templateFile,
                       const std::filesystem::path& fleet, const BatchOptions& options) {
    BatchResult result;
    const std::string fleetName = options.fleetName.empty() ? fleet.string() : options.fleetName;
    try {
        const std::string text = readInputFile(fleet, "fleet file");
        const CsvTable table = readCsv(text);
        if (!table.ok())
            throw Stopped{{table.problem, table.line, table.column, ReasonCode::NotWellFormed, {}}};
        if (table.rows.empty())
            throw Stopped{
                {"the fleet file has no header row", 0, 0, ReasonCode::MissingElement, {}}};
        Template source;
        readTemplate(source, templateFile, options.as);
        result.templateFile = source.file;
        const std::vector<Column> columns = readHeader(table.rows.front(), source);
        checkRows(table.rows, columns);
        std::optional<FolderLock> lock;
        if (!options.dryRun) {
            lock.emplace(options.out);
            // One look for what writes that were killed left behind, for the whole batch.
            removeStaleTemporaryFiles(options.out);
        }
        const unsigned jobs = options.jobs ? options.jobs : processorsAvailable();
        const Batch batch{source, columns, options, fleet.parent_path()};
        runRows(batch, table.rows, result.rows, jobs);
        if (options.dryRun) return result;
        const std::string listed = manifest(result, fleetName, options.date);
        if (!writeFileAtomically(options.out / kManifest, listed.data(), listed.size()))
            throw Stopped{{std::string("cannot write the manifest: ") + std::strerror(errno),
                           0,
                           0,
                           ReasonCode::FileError,
                           {}},
                          options.out / kManifest};
    } catch (Stopped& stopped) {
        result.stopped = {stopped.file.empty() ? std::filesystem::path(fleetName) : stopped.file,
                          std::move(stopped.reason)};
    }
    return result;
}

}  // namespace tarin
