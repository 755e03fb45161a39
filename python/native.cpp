// tarin_translator._native: the library's C++ API with Python's types, re-exported by the
// package tarin_translator (python/tarin_translator/__init__.py; the stub beside it types it).
//
// Paths are str or os.PathLike; a document, platform file or image given as bytes is the
// content itself. Texts are str. Results are small objects, settings dicts. A read that
// fails raises ReadError; a file that cannot be read or written raises the OSError
// subclass of its errno. Every call converts its arguments first and then runs the
// library without the GIL, so that calls in several threads run in parallel.

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <stdlib.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "TarinTranslator/api/Batch.h"
#include "TarinTranslator/api/Settings.h"
#include "TarinTranslator/api/TarinTranslator.h"

namespace py = pybind11;
namespace fs = std::filesystem;

namespace {

using namespace tarin;

// ---- text ----------------------------------------------------------------------------

// A UTF-8 text of the library as str; bytes that are not UTF-8 (a value cut inside a
// character, a document's raw bytes) are kept as surrogate escapes.
py::str strOf(std::string_view text) {
    PyObject* s =
        PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()), "surrogateescape");
    if (!s) throw py::error_already_set();
    return py::reinterpret_steal<py::str>(s);
}

py::object strOrNone(std::string_view text) {
    return text.empty() ? py::object(py::none()) : py::object(strOf(text));
}

py::str pathStr(const fs::path& path) {
    PyObject* s = PyUnicode_DecodeFSDefault(path.c_str());
    if (!s) throw py::error_already_set();
    return py::reinterpret_steal<py::str>(s);
}

// ---- arguments -----------------------------------------------------------------------

// A file name from str or os.PathLike (or bytes where only a path is meant).
fs::path pathOf(py::handle object) {
    py::object name = py::reinterpret_steal<py::object>(PyOS_FSPath(object.ptr()));
    if (!name) throw py::error_already_set();
    if (PyUnicode_Check(name.ptr()))
        name = py::reinterpret_steal<py::object>(PyUnicode_EncodeFSDefault(name.ptr()));
    if (!name) throw py::error_already_set();
    return fs::path(std::string(PyBytes_AS_STRING(name.ptr()),
                                static_cast<std::size_t>(PyBytes_GET_SIZE(name.ptr()))));
}

// A document, platform file or image: its content (bytes, bytearray or any other buffer)
// or the name of a file (str or os.PathLike) read whole when it is needed. The content is
// viewed, not copied: the object is kept alive, and a bytes object does not change.
struct Input {
    explicit Input(py::handle object) {
        if (PyBytes_Check(object.ptr())) {
            held = py::reinterpret_borrow<py::object>(object);
            content = std::string_view(PyBytes_AS_STRING(object.ptr()),
                                       static_cast<std::size_t>(PyBytes_GET_SIZE(object.ptr())));
        } else if (PyObject_CheckBuffer(object.ptr())) {
            // A mutable buffer is copied, since another thread may change it while the
            // library reads without the GIL.
            py::buffer_info info = py::reinterpret_borrow<py::buffer>(object).request();
            held = py::bytes(static_cast<const char*>(info.ptr),
                             static_cast<std::size_t>(info.size * info.itemsize));
            content = std::string_view(PyBytes_AS_STRING(held.ptr()),
                                       static_cast<std::size_t>(PyBytes_GET_SIZE(held.ptr())));
        } else {
            file = pathOf(object);
        }
    }
    bool isContent() const { return !file; }
    // The whole text; called without the GIL.
    std::string read(const char* what) const {
        return file ? readInputFile(*file, what) : std::string(content);
    }
    // The file's name, or None for content.
    py::object name() const { return file ? py::object(pathStr(*file)) : py::object(py::none()); }

    py::object held;
    std::string_view content;
    std::optional<fs::path> file;
};

// What a document is read as, from the keyword arguments radio_type and mobile.
ReadAs readAsOf(std::optional<uint32_t> radioType, bool mobile) {
    return ReadAs{mobile, radioType};
}

// The same for readers that otherwise take the kind the document implies.
std::optional<ReadAs> askedReadAs(std::optional<uint32_t> radioType, bool mobile) {
    if (!radioType && !mobile) return std::nullopt;
    return readAsOf(radioType, mobile);
}

// The plan texts by their keyword names.
struct TextField {
    const char* key;
    std::wstring PlanTexts::*field;
    std::optional<std::wstring> PlanTextChanges::*change;
};
const TextField kTextFields[] = {
    {"name", &PlanTexts::name, &PlanTextChanges::name},
    {"description", &PlanTexts::description, &PlanTextChanges::description},
    {"notes", &PlanTexts::notes, &PlanTextChanges::notes},
    {"author", &PlanTexts::author, &PlanTextChanges::author},
    {"locale", &PlanTexts::locale, &PlanTextChanges::locale},
    {"pin", &PlanTexts::pin, &PlanTextChanges::pin},
    {"aac_version", &PlanTexts::aacVersion, &PlanTextChanges::aacVersion},
};

// Calls `take(field, text)` for each text keyword given; another keyword is a TypeError.
template <class Take>
void forEachText(const py::kwargs& texts, const char* function, Take take) {
    for (auto [key, value] : texts) {
        const std::string name = py::cast<std::string>(key);
        const TextField* field = nullptr;
        for (const TextField& f : kTextFields)
            if (name == f.key) field = &f;
        if (!field)
            throw py::type_error(std::string(function) + "() got an unexpected keyword argument '" +
                                 name + "'");
        take(*field, py::cast<std::wstring>(value));
    }
}

PlanTexts planTextsOf(const py::kwargs& texts, const char* function) {
    PlanTexts result;
    forEachText(texts, function,
                [&](const TextField& f, std::wstring text) { result.*f.field = std::move(text); });
    return result;
}

py::dict textsDict(const PlanTexts& texts) {
    py::dict d;
    for (const TextField& f : kTextFields) d[f.key] = texts.*f.field;
    return d;
}

py::dict settingsDict(const std::vector<SettingValue>& settings) {
    py::dict d;
    for (const SettingValue& s : settings) d[strOf(s.path)] = strOf(s.value);
    return d;
}

// ---- errors --------------------------------------------------------------------------

PyObject* readErrorType = nullptr;

// Raises the OSError subclass of `e`'s errno (FileNotFoundError, PermissionError, ...)
// with errno, strerror ("ACTION: REASON") and filename.
[[noreturn]] void raiseOSError(const FileError& e) {
    const std::string text = e.action() + (e.reason().empty() ? "" : ": " + e.reason());
    py::object error = py::reinterpret_borrow<py::object>(PyExc_OSError)(
        e.error() ? e.error() : EIO, strOf(text), pathStr(e.file()));
    PyErr_SetObject(reinterpret_cast<PyObject*>(Py_TYPE(error.ptr())), error.ptr());
    throw py::error_already_set();
}

// Raises ReadError for `note`, the reason a read of `file` (None for content) failed. Its
// message reads "FILE:LINE:COLUMN: REASON" as far as these are known.
[[noreturn]] void raiseReadError(const ReadNote& note, py::object file) {
    std::string place;
    if (!file.is_none()) place = py::cast<std::string>(py::str(file)) + ":";
    if (note.line) place += std::to_string(note.line) + ":";
    if (note.line && note.column) place += std::to_string(note.column) + ":";
    const py::str message = strOf(place.empty() ? note.text : place + " " + note.text);
    py::object error = py::reinterpret_borrow<py::object>(readErrorType)(message);
    error.attr("reason") = strOf(note.text);
    error.attr("code") = reasonCodeName(note.code);
    error.attr("path") = strOrNone(note.path);
    error.attr("line") = note.line;
    error.attr("column") = note.column;
    error.attr("filename") = file;
    PyErr_SetObject(readErrorType, error.ptr());
    throw py::error_already_set();
}

// The warnings of a result that succeeded; a failed one raises.
std::vector<ReadNote> warningsOf(const ReadResult& result, py::object file) {
    if (result.fileError) raiseOSError(*result.fileError);
    if (!result.ok) raiseReadError(result.reason, std::move(file));
    return result.warnings;
}

// A path that selects no setting: ReadError with the nearest paths in its reason.
[[noreturn]] void raiseNoSetting(const std::string& path, const std::vector<std::string>& nearest,
                                 py::object file) {
    std::string text = path + " selects no setting";
    for (std::size_t i = 0; i < nearest.size(); ++i)
        text += (i ? ", " : "; the nearest paths: ") + nearest[i];
    raiseReadError({text, 0, 0, ReasonCode::NoSetting, path}, std::move(file));
}

// ---- writes with images from bytes or other paths --------------------------------------

// The library reads a plan's images from BASE.fl and BASE.ee and writes BASE.xml. Images
// given as bytes or from other paths are staged in a private folder of the temporary
// directory: content in files, the other paths and BASE.xml as symbolic links, which the
// library follows (the output replaced in place, as any output is). Errors that name a
// staged file are told with the name the caller gave.
class Staging {
  public:
    Staging(const fs::path& base, const std::optional<Input>& flash,
            const std::optional<Input>& eeprom) {
        if (!flash && !eeprom) {
            base_ = base;
            return;
        }
        std::string dir = temporaryDirectory() + "tarin-translator-XXXXXX";
        if (!::mkdtemp(dir.data()))
            throw FileError(dir, "Cannot create", std::strerror(errno), errno);
        dir_ = dir;
        base_ = dir_ / "plan";
        stage(".fl", flash, base);
        stage(".ee", eeprom, base);
        link(".xml", withSuffix(base, ".xml"));
    }
    ~Staging() {
        std::error_code ec;
        if (!dir_.empty()) fs::remove_all(dir_, ec);
    }
    Staging(const Staging&) = delete;
    Staging& operator=(const Staging&) = delete;

    const fs::path& base() const { return base_; }

    // `e` with the caller's name for a staged file.
    FileError shown(const FileError& e) const {
        for (const auto& [staged, name] : names_)
            if (e.file() == staged) return FileError(name, e.action(), e.reason(), e.error());
        return e;
    }
    ReadResult shown(ReadResult result) const {
        if (result.fileError) {
            for (const auto& [staged, name] : names_) {
                const std::string from = staged.string();
                std::string& text = result.reason.text;
                if (std::size_t at = text.find(from); at != std::string::npos)
                    text.replace(at, from.size(), name.string());
            }
            result.fileError = shown(*result.fileError);
        }
        return result;
    }

  private:
    static fs::path withSuffix(fs::path path, const char* suffix) { return path += suffix; }

    void stage(const char* suffix, const std::optional<Input>& image, const fs::path& base) {
        if (image && image->isContent()) {
            const fs::path file = withSuffix(base_, suffix);
            names_.emplace_back(file, std::string("<bytes>"));
            std::ofstream out(file, std::ios::binary);
            out.write(image->content.data(), static_cast<std::streamsize>(image->content.size()));
            out.close();
            if (!out) {
                const int error = errno ? errno : EIO;
                throw FileError(file, "Cannot write", std::strerror(error), error);
            }
        } else {
            link(suffix, image ? *image->file : withSuffix(base, suffix));
        }
    }
    void link(const char* suffix, const fs::path& target) {
        const fs::path file = withSuffix(base_, suffix);
        names_.emplace_back(file, target);
        std::error_code ec;
        fs::create_symlink(fs::absolute(target, ec), file, ec);
        if (ec) throw FileError(file, "Cannot create", ec.message(), ec.value());
    }

    fs::path dir_, base_;
    std::vector<std::pair<fs::path, fs::path>> names_;  // staged file, caller's name
};

// ---- functions -----------------------------------------------------------------------

std::vector<ReadNote> writePlan(const py::object& base, std::optional<uint32_t> radioType,
                                bool mobile, const py::object& platform, const py::object& flash,
                                const py::object& eeprom, const std::wstring& domain,
                                const py::kwargs& texts) {
    const fs::path basePath = pathOf(base);
    const ReadAs as = readAsOf(radioType, mobile);
    const PlanTexts planTexts = planTextsOf(texts, "write_plan");
    std::optional<Input> platformInput, flashInput, eepromInput;
    if (!platform.is_none()) platformInput.emplace(platform);
    if (!flash.is_none()) flashInput.emplace(flash);
    if (!eeprom.is_none()) eepromInput.emplace(eeprom);
    ReadResult result;
    {
        py::gil_scoped_release unlocked;
        const Staging staging(basePath, flashInput, eepromInput);
        try {
            result = staging.shown(
                platformInput
                    ? writeMissionPlanFromPlatform(staging.base(),
                                                   platformInput->read("platform file"), planTexts,
                                                   as, domain)
                    : writeMissionPlanWithDefaults(staging.base(), planTexts, as, domain));
        } catch (const FileError& e) {
            throw staging.shown(e);
        }
    }
    return warningsOf(result, platformInput ? platformInput->name() : py::none());
}

std::vector<ReadNote> unpack(const py::object& document, const py::object& base,
                             std::optional<uint32_t> radioType, bool mobile, bool toTempDir) {
    const Input input(document);
    const fs::path basePath = pathOf(base);
    const ReadAs as = readAsOf(radioType, mobile);
    ReadResult result;
    {
        py::gil_scoped_release unlocked;
        result = input.isContent()
                     ? unpackMissionPlan(input.read("document"), basePath, as, toTempDir)
                     : unpackMissionPlanFile(*input.file, basePath, as, toTempDir);
    }
    return warningsOf(result, input.name());
}

std::vector<ReadNote> check(const py::object& document, std::optional<uint32_t> radioType,
                            bool mobile) {
    const Input input(document);
    const ReadAs as = readAsOf(radioType, mobile);
    ReadResult result;
    {
        py::gil_scoped_release unlocked;
        result = checkMissionPlan(input.read("document"), as);
    }
    return warningsOf(result, input.name());
}

PlanSummary info(const py::object& document, bool withImages) {
    const Input input(document);
    PlanSummary summary;
    {
        py::gil_scoped_release unlocked;
        summary = inspectMissionPlan(input.read("document"), withImages);
    }
    if (!summary.problem.text.empty()) raiseReadError(summary.problem, input.name());
    if (summary.missionLoad.empty())
        summary.check.reason = {
            "the document holds no mission plan (none of the elements qd470PMissionLoad, "
            "MissionLoad, MissionLoadQD470M under missionPlan)",
            0,
            0,
            ReasonCode::MissingElement,
            {}};
    return summary;
}

// Reads a configuration; with `strict`, one that does not read raises ReadError.
Configuration readConfiguration(const py::object& file, std::optional<uint32_t> radioType,
                                bool mobile, bool strict) {
    const Input input(file);
    const std::optional<ReadAs> as = askedReadAs(radioType, mobile);
    std::optional<Configuration> c;
    {
        py::gil_scoped_release unlocked;
        c = input.isContent() ? Configuration::read(input.content, as)
                              : Configuration::readFile(*input.file, as);
    }
    if (strict && !c->result().ok) raiseReadError(c->result().reason, input.name());
    return *c;
}

py::dict getSettings(const py::object& file, const py::args& paths,
                     std::optional<uint32_t> radioType, bool mobile) {
    const Configuration c = readConfiguration(file, radioType, mobile, true);
    if (paths.empty()) return settingsDict(c.settings());
    py::dict selected;
    for (py::handle path : paths) {
        const std::string p = py::cast<std::string>(path);
        py::dict found = settingsDict(c.select(p));
        if (found.empty()) raiseNoSetting(p, c.nearestPaths(p), Input(file).name());
        for (auto [key, value] : found) selected[key] = value;
    }
    return selected;
}

// The assignments of set_settings: a mapping of path to value, or an iterable of
// "PATH=VALUE" texts or (path, value) pairs.
std::vector<SettingValue> assignmentsOf(const py::object& changes) {
    std::vector<SettingValue> assignments;
    if (py::isinstance<py::dict>(changes) || py::hasattr(changes, "items")) {
        for (py::handle item : changes.attr("items")()) {
            auto [path, value] = py::cast<std::pair<std::string, std::string>>(item);
            assignments.push_back({path, value});
        }
        return assignments;
    }
    for (py::handle item : changes) {
        if (py::isinstance<py::str>(item)) {
            const std::string text = py::cast<std::string>(item);
            std::optional<SettingValue> assignment = parseAssignment(text);
            if (!assignment) throw py::value_error("'" + text + "' is not PATH=VALUE");
            assignments.push_back(std::move(*assignment));
        } else {
            auto [path, value] = py::cast<std::pair<std::string, std::string>>(item);
            assignments.push_back({path, value});
        }
    }
    return assignments;
}

std::vector<ReadNote> setSettingsOf(const py::object& file, const py::object& changes,
                                    const py::object& output,
                                    const std::vector<std::string>& remove, bool backup,
                                    std::optional<uint32_t> radioType, bool mobile,
                                    const py::kwargs& texts) {
    SettingChanges all;
    if (!changes.is_none()) all.assignments = assignmentsOf(changes);
    all.removals = remove;
    forEachText(texts, "set_settings", [&](const TextField& f, std::wstring text) {
        all.texts.*f.change = std::move(text);
    });
    const fs::path input = pathOf(file), out = pathOf(output);
    const std::optional<ReadAs> as = askedReadAs(radioType, mobile);
    ReadResult result;
    {
        py::gil_scoped_release unlocked;
        result = setSettings(input, all, out, as, backup);
    }
    return warningsOf(result, pathStr(input));
}

// A side of diff: a Configuration, or a file or content read as it stands.
Configuration sideOf(const py::object& side, std::optional<uint32_t> radioType, bool mobile) {
    if (py::isinstance<Configuration>(side)) return py::cast<Configuration>(side);
    Configuration c = readConfiguration(side, radioType, mobile, false);
    // A document that is not a plan or a platform file cannot be compared; one whose
    // sections fail is compared as it holds them.
    if (!c.result().ok && !c.isPlan() && c.documentSettings().empty())
        raiseReadError(c.result().reason, Input(side).name());
    return c;
}

std::vector<Difference> diff(const py::object& a, const py::object& b, bool withDate,
                             std::optional<uint32_t> radioType, bool mobile) {
    const Configuration first = sideOf(a, radioType, mobile);
    const Configuration second = sideOf(b, radioType, mobile);
    py::gil_scoped_release unlocked;
    return compareConfigurations(first, second, withDate);
}

std::vector<SettingDescription> describe(const std::string& path, std::optional<uint32_t> radioType,
                                         bool mobile) {
    const ReadAs as = readAsOf(radioType, mobile);
    std::vector<SettingDescription> settings;
    {
        py::gil_scoped_release unlocked;
        settings = describeSettings(path, as);
    }
    if (settings.empty()) raiseNoSetting(path, nearestSettingPaths(path, as), py::none());
    return settings;
}

std::wstring defaults(std::optional<uint32_t> radioType, bool mobile) {
    py::gil_scoped_release unlocked;
    if (!mobile) return handheldDefaults(radioType);
    return radioType ? mobileDefaults(*radioType) : mobileDefaults();
}

py::str schema(std::optional<uint32_t> radioType, bool mobile) {
    std::string text;
    {
        py::gil_scoped_release unlocked;
        text = missionPlanSchema(readAsOf(radioType, mobile));
    }
    return strOf(text);
}

// ---- messages ------------------------------------------------------------------------

const char* const kMessageKinds[] = {"information", "warning", "failure"};

void discardMessages(MessageKind, const std::wstring&) {}

// Sends the library's messages to `sink(kind, message)`, or discards them (None, the
// module's default: every result carries its reason). The sink is called with the GIL
// taken back, from the thread that emits the message; an exception it raises is reported
// as unraisable and the work goes on.
void setSink(const py::object& sink) {
    MessageSink next = discardMessages;
    if (!sink.is_none()) {
        // The library copies the sink to call it; the last copy may go in any thread.
        std::shared_ptr<py::object> held(new py::object(sink), [](py::object* object) {
            py::gil_scoped_acquire locked;
            delete object;
        });
        next = [held](MessageKind kind, const std::wstring& message) {
            py::gil_scoped_acquire locked;
            try {
                (*held)(kMessageKinds[static_cast<int>(kind)], message);
            } catch (py::error_already_set& e) {
                e.discard_as_unraisable("tarin_translator message sink");
            }
        };
    }
    setMessageSink(std::move(next));  // the previous sink goes here, with the GIL
}

// ---- batch ---------------------------------------------------------------------------

// The last second a date stamp holds: 9999-12-31T23:59:59Z.
constexpr long long kLastStampSecond = 253402300799;

// The date of a batch's documents: seconds since 1970 UTC (int), or a datetime (a naive
// one taken as local time, as datetime.timestamp() takes it); None for the time of writing.
std::optional<std::time_t> batchDateOf(const py::object& date) {
    if (date.is_none()) return std::nullopt;
    long long seconds = 0;
    int overflow = 0;
    if (PyLong_Check(date.ptr()) && !PyBool_Check(date.ptr())) {
        seconds = PyLong_AsLongLongAndOverflow(date.ptr(), &overflow);
        if (seconds == -1 && PyErr_Occurred()) throw py::error_already_set();
    } else if (py::hasattr(date, "timestamp")) {
        seconds = static_cast<long long>(std::floor(py::cast<double>(date.attr("timestamp")())));
    } else {
        throw py::type_error(
            "batch(): date is an int (seconds since 1970 UTC) or a datetime, not " +
            py::cast<std::string>(py::str(py::type::handle_of(date).attr("__name__"))));
    }
    if (overflow || seconds < 0 || seconds > kLastStampSecond)
        throw py::value_error("batch(): date " + py::cast<std::string>(py::repr(date)) +
                              " is not from 1970 to 9999 (UTC)");
    return seconds;
}

// Writes a fleet of plans. The batch runs without the GIL; progress takes it back for each
// call, in the calling thread, where a pending signal's handler runs too (Ctrl-C). What
// either raises (py::error_already_set) stops the batch and is raised again, unchanged,
// once the workers are joined. A stop raises ReadError.
BatchResult batch(const py::object& templateFile, const py::object& fleet, const py::object& out,
                  unsigned jobs, bool dryRun, const py::object& date,
                  std::optional<uint32_t> radioType, bool mobile, const py::object& progress) {
    const fs::path templatePath = pathOf(templateFile), fleetPath = pathOf(fleet);
    BatchOptions options;
    options.out = pathOf(out);
    options.jobs = jobs;
    options.dryRun = dryRun;
    options.date = batchDateOf(date);
    options.as = askedReadAs(radioType, mobile);
    if (!progress.is_none() && !PyCallable_Check(progress.ptr()))
        throw py::type_error("batch(): progress is not callable");
    // The caller's argument keeps the callable alive: a handle, with no reference to count
    // without the GIL.
    const py::handle callback = progress;
    options.progress = [callback](std::size_t done, std::size_t total) {
        py::gil_scoped_acquire locked;
        if (PyErr_CheckSignals() != 0) throw py::error_already_set();
        if (!callback.is_none()) callback(done, total);
    };
    BatchResult result;
    {
        py::gil_scoped_release unlocked;
        result = writeBatch(templatePath, fleetPath, options);
    }
    if (result.stopped) raiseReadError(result.stopped->reason, pathStr(result.stopped->file));
    return result;
}

// ---- result types --------------------------------------------------------------------

std::string readAsRepr(const ReadAs& as) {
    return "ReadAs(mobile=" + std::string(as.mobile ? "True" : "False") +
           ", radio_type=" + (as.radioType ? std::to_string(*as.radioType) : std::string("None")) +
           ")";
}

PlanSummary::Image imageOf(const ImageDigest& d) {
    return {d.present, d.clean, d.size, d.sha256, {}};
}

const char* const kSettingKinds[] = {"on-off", "name", "number", "text", "other"};

const char* batchStatus(BatchRow::Status status) {
    switch (status) {
        case BatchRow::Status::Written:
            return "written";
        case BatchRow::Status::Checked:
            return "checked";
        default:
            return "failed";
    }
}

void bindTypes(py::module_& m) {
    py::class_<ReadAs>(m, "ReadAs",
                       "What a document is read as: a handheld plan (classic "
                       "without a radio type) or a mobile plan.")
        .def(py::init(&readAsOf), py::arg("radio_type") = py::none(), py::arg("mobile") = false)
        .def_readwrite("mobile", &ReadAs::mobile, "Whether it is a mobile plan.")
        .def_readwrite("radio_type", &ReadAs::radioType,
                       "The radio type code, or None (classic handheld; mobile: 0).")
        .def("__eq__",
             [](const ReadAs& a, const ReadAs& b) {
                 return a.mobile == b.mobile && a.radioType == b.radioType;
             })
        .def("__repr__", &readAsRepr);

    py::class_<ReadNote>(m, "Note",
                         "A warning of a read, and where it points in the document (line and "
                         "byte column from 1; 0 when unknown).")
        .def_property_readonly(
            "text", [](const ReadNote& n) { return strOf(n.text); }, "What happened.")
        .def_readonly("line", &ReadNote::line, "The line, from 1; 0 when unknown.")
        .def_readonly("column", &ReadNote::column, "The byte column, from 1; 0 when unknown.")
        .def_property_readonly(
            "code", [](const ReadNote& n) { return reasonCodeName(n.code); },
            "What it is about, as a stable name: 'missing-attribute', 'section-dropped', ...")
        .def_property_readonly(
            "path", [](const ReadNote& n) { return strOrNone(n.path); },
            "The path of the setting it names, or None.")
        .def("__repr__", [](const ReadNote& n) {
            return py::str("Note(code={!r}, line={}, column={}, text={!r})")
                .format(reasonCodeName(n.code), n.line, n.column, strOf(n.text));
        });

    py::class_<ReadResult>(m, "CheckResult", "Whether a document reads, and why not.")
        .def_readonly("ok", &ReadResult::ok, "Whether it reads.")
        .def_property_readonly(
            "reason", [](const ReadResult& r) { return r.ok ? py::none() : py::cast(r.reason); },
            "Why it does not read (a Note), or None.")
        .def_readonly("warnings", &ReadResult::warnings,
                      "What a read that succeeds leaves or drops (Notes).")
        .def("__bool__", [](const ReadResult& r) { return r.ok; })
        .def("__repr__", [](const ReadResult& r) {
            return py::str("CheckResult(ok={}, warnings={})").format(r.ok, r.warnings.size());
        });

    py::class_<PlanSummary::Image>(m, "Image", "An image of a plan, described by its bytes.")
        .def_readonly("present", &PlanSummary::Image::present, "Whether its element is there.")
        .def_readonly("clean", &PlanSummary::Image::clean, "Whether its text is Base64 throughout.")
        .def_property_readonly(
            "size",
            [](const PlanSummary::Image& i) { return i.clean ? py::cast(i.size) : py::none(); },
            "The number of bytes, or None when it is not clean.")
        .def_property_readonly(
            "sha256",
            [](const PlanSummary::Image& i) { return i.clean ? py::cast(i.sha256) : py::none(); },
            "The SHA-256 of the bytes, lower-case hexadecimal, or None when it is not clean.")
        .def_property_readonly(
            "data",
            [](const PlanSummary::Image& i) -> py::object {
                if (!i.clean || (i.bytes.empty() && i.size)) return py::none();
                return py::bytes(reinterpret_cast<const char*>(i.bytes.data()), i.bytes.size());
            },
            "The bytes, when clean and asked for (info(..., with_images=True)); else None.")
        .def("__repr__", [](const PlanSummary::Image& i) {
            return py::str("Image(present={}, clean={}, size={})")
                .format(i.present, i.clean, i.clean ? py::cast(i.size) : py::none());
        });

    py::class_<PlanSummary>(m, "PlanInfo", "What a mission plan holds (info()).")
        .def_property_readonly(
            "texts", [](const PlanSummary& s) { return textsDict(s.texts); },
            "The plan texts by name: name, description, notes, author, locale, pin, "
            "aac_version.")
        .def_readonly("domain", &PlanSummary::domain, "The domain ('' when there is none).")
        .def_readonly("version", &PlanSummary::version, "The version stamp.")
        .def_readonly("date", &PlanSummary::date, "The date stamp.")
        .def_property_readonly(
            "mission_load", [](const PlanSummary& s) { return strOrNone(s.missionLoad); },
            "The MissionLoad element's name, or None when there is none.")
        .def_readonly("sections", &PlanSummary::sections,
                      "The sections of platformConfig, in order.")
        .def_readonly("read_as", &PlanSummary::readAs,
                      "What its MissionLoad element and sections imply.")
        .def_readonly("group", &PlanSummary::group, "'classic', 'hazard', 'VR-mobile' or 'mobile'.")
        .def_readonly("flash", &PlanSummary::flash, "The flash image.")
        .def_readonly("eeprom", &PlanSummary::eeprom, "The EEPROM image.")
        .def_readonly("check", &PlanSummary::check,
                      "Whether it reads as read_as says (a CheckResult).")
        .def("__repr__", [](const PlanSummary& s) {
            return py::str("PlanInfo(mission_load={!r}, group={!r}, ok={})")
                .format(strOrNone(s.missionLoad), s.group, s.check.ok);
        });

    py::class_<Configuration::Plan>(m, "Plan", "A plan's texts, domain, stamps and images.")
        .def_property_readonly(
            "texts", [](const Configuration::Plan& p) { return textsDict(p.texts); },
            "The plan texts by name, as a plan keeps them.")
        .def_readonly("domain", &Configuration::Plan::domain, "The domain.")
        .def_readonly("version", &Configuration::Plan::version, "The version stamp.")
        .def_readonly("date", &Configuration::Plan::date, "The date stamp.")
        .def_property_readonly(
            "flash", [](const Configuration::Plan& p) { return imageOf(p.flash); },
            "The flash image (size and SHA-256).")
        .def_property_readonly(
            "eeprom", [](const Configuration::Plan& p) { return imageOf(p.eeprom); },
            "The EEPROM image (size and SHA-256).");

    py::class_<Configuration>(m, "Configuration",
                              "A configuration read from a mission plan or a platform file "
                              "(read()).")
        .def_property_readonly(
            "ok", [](const Configuration& c) { return c.result().ok; }, "Whether it read.")
        .def_property_readonly(
            "result", [](const Configuration& c) { return c.result(); },
            "The read's CheckResult: its reason and warnings.")
        .def_property_readonly("is_plan", &Configuration::isPlan,
                               "Whether it is a mission plan (not a platform file).")
        .def_property_readonly("read_as", &Configuration::readAs, "What it was read as.")
        .def(
            "settings", [](const Configuration& c) { return settingsDict(c.settings()); },
            "Every setting, path to value, in document order.")
        .def(
            "select",
            [](const Configuration& c, std::string_view path) {
                return settingsDict(c.select(path));
            },
            py::arg("path"),
            "The settings `path` selects: one, or all those below an element; {} for none.")
        .def(
            "document_settings",
            [](const Configuration& c) { return settingsDict(c.documentSettings()); },
            "The settings as the document holds them, before the reader takes them.")
        .def("nearest_paths", &Configuration::nearestPaths, py::arg("path"), py::arg("count") = 3,
             "Up to `count` setting paths nearest to `path`.")
        .def_property_readonly(
            "plan",
            [](const Configuration& c) { return c.isPlan() ? py::cast(c.plan()) : py::none(); },
            "The plan's texts, stamps and images (a Plan), or None for a platform file.")
        .def("summary", &Configuration::summary, "The configuration in a compact summary form.")
        .def("__repr__", [](const Configuration& c) {
            return py::str("Configuration(is_plan={}, ok={}, read_as={})")
                .format(c.isPlan(), c.result().ok, readAsRepr(c.readAs()));
        });

    py::class_<Difference>(m, "Difference",
                           "One difference of diff(): a setting, list entry, section, plan text "
                           "or image by its path, and its value on each side (None where that "
                           "side lacks it).")
        .def_property_readonly(
            "path", [](const Difference& d) { return strOf(d.path); }, "What differs.")
        .def_property_readonly(
            "a", [](const Difference& d) { return d.a ? py::object(strOf(*d.a)) : py::none(); },
            "The value in the first configuration, or None.")
        .def_property_readonly(
            "b", [](const Difference& d) { return d.b ? py::object(strOf(*d.b)) : py::none(); },
            "The value in the second configuration, or None.")
        .def("__eq__", [](const Difference& x, const Difference& y) { return x == y; })
        .def("__repr__", [](const Difference& d) {
            return py::str("Difference({!r}, {!r}, {!r})")
                .format(strOf(d.path), d.a ? py::object(strOf(*d.a)) : py::none(),
                        d.b ? py::object(strOf(*d.b)) : py::none());
        });

    py::class_<BatchFile>(m, "BatchFile",
                          "A file of a batch: its name, size and SHA-256. A dry run reads no "
                          "document and no image of a row's own: their size and sha256 are "
                          "None.")
        .def_property_readonly(
            "name", [](const BatchFile& f) { return strOf(f.name); },
            "The file as the fleet or the batch names it: BASE.xml, a cell of fl or ee, or the "
            "template's path.")
        .def_property_readonly(
            "size",
            [](const BatchFile& f) { return f.sha256.empty() ? py::none() : py::cast(f.size); },
            "The number of bytes, or None.")
        .def_property_readonly(
            "sha256", [](const BatchFile& f) { return strOrNone(f.sha256); },
            "The SHA-256 of the bytes, lower-case hexadecimal, or None.")
        .def("__repr__", [](const BatchFile& f) {
            return py::str("BatchFile({!r}, size={})")
                .format(strOf(f.name), f.sha256.empty() ? py::none() : py::cast(f.size));
        });

    py::class_<BatchRow>(m, "BatchRow", "A row of a batch's fleet, and what became of it.")
        .def_readonly("line", &BatchRow::line, "The line where the row starts in the fleet file.")
        .def_property_readonly(
            "base", [](const BatchRow& r) { return strOf(r.base); },
            "The output's name: the plan is BASE.xml in the batch's folder.")
        .def_property_readonly(
            "status", [](const BatchRow& r) { return batchStatus(r.status); },
            "'written', 'checked' (a dry run) or 'failed'.")
        .def_property_readonly(
            "reason",
            [](const BatchRow& r) {
                return r.status == BatchRow::Status::Failed ? py::cast(r.reason) : py::none();
            },
            "Why it failed (a Note: the cell's line and column in the fleet file, the column's "
            "name in path), or None.")
        .def_property_readonly(
            "document",
            [](const BatchRow& r) {
                return r.document && r.status != BatchRow::Status::Failed ? py::cast(*r.document)
                                                                          : py::none();
            },
            "The plan written or checked (a BatchFile), or None for a failed row.")
        .def_property_readonly(
            "flash",
            [](const BatchRow& r) {
                return r.status == BatchRow::Status::Failed ? py::none() : py::cast(r.flash);
            },
            "The flash image it holds, the template's or the row's (a BatchFile), or None for "
            "a failed row.")
        .def_property_readonly(
            "eeprom",
            [](const BatchRow& r) {
                return r.status == BatchRow::Status::Failed ? py::none() : py::cast(r.eeprom);
            },
            "The EEPROM image it holds (a BatchFile), or None for a failed row.")
        .def("__repr__", [](const BatchRow& r) {
            return py::str("BatchRow(line={}, base={!r}, status={!r})")
                .format(r.line, strOf(r.base), batchStatus(r.status));
        });

    py::class_<BatchResult>(m, "BatchResult", "What a batch wrote (batch()).")
        .def_readonly("rows", &BatchResult::rows, "The rows (BatchRows), in the fleet's order.")
        .def_readonly("template", &BatchResult::templateFile,
                      "The template's path, size and SHA-256 (a BatchFile).")
        .def_property_readonly("all_written", &BatchResult::allWritten,
                               "Whether no row failed (in a dry run: every row was checked).")
        .def("__repr__", [](const BatchResult& r) {
            return py::str("BatchResult(rows={}, all_written={})")
                .format(r.rows.size(), r.allWritten());
        });

    using D = SettingDescription;
    py::class_<D>(m, "SettingDescription", "What a setting is, for a radio kind (describe()).")
        .def_readonly("path", &D::path, "Its path.")
        .def_readonly("default", &D::defaultValue, "Its default value for the radio kind.")
        .def_property_readonly(
            "kind", [](const D& d) { return kSettingKinds[static_cast<int>(d.kind)]; },
            "'on-off', 'name', 'number', 'text' or 'other'.")
        .def_readonly("names", &D::names, "on-off and name: the names of its table.")
        .def_readonly("signed", &D::signedNumber, "number: whether it is signed.")
        .def_readonly("read_min", &D::readMin, "number: the least value the reader converts.")
        .def_readonly("read_max", &D::readMax, "number: the greatest value the reader converts.")
        .def_readonly("base", &D::base, "number: 10, 16, or 0 (decimal, 0x hex or 0 octal).")
        .def_readonly("decimal", &D::decimal, "text: whether it is a decimal number.")
        .def_readonly("checked", &D::checked,
                      "(min, max) that its section's check admits, or None.")
        .def_readonly("limit", &D::limit, "text: at most this many characters, or None.")
        .def_readonly("reading", &D::reading, "'required', 'optional' or 'tolerant'.")
        .def_readonly("groups", &D::groups, "The radio groups whose documents carry it.")
        .def_readonly("section", &D::section, "The section whose check judges it.")
        .def("__repr__", [](const D& d) {
            return py::str("SettingDescription({!r}, kind={!r}, default={!r})")
                .format(d.path, kSettingKinds[static_cast<int>(d.kind)], d.defaultValue);
        });
}

}  // namespace

PYBIND11_MODULE(_native, m) {
    m.doc() = "The native part of tarin_translator; import tarin_translator instead.";
    m.attr("__version__") = TARIN_VERSION;
    m.attr("DEFAULT_DOMAIN") = "TACCOM_RADIO01";
    m.attr("PLAN_TEXT_LENGTH") = kPlanTextLength;
    m.attr("NOTES_LENGTH") = kNotesLength;
    m.attr("AAC_VERSION_LENGTH") = kAacVersionLength;

    readErrorType = PyErr_NewExceptionWithDoc(
        "tarin_translator.ReadError",
        "A document, platform file or setting path that does not read. Attributes: code "
        "(a stable name such as 'missing-attribute'), reason (the text), path (the setting "
        "it names, or None), line and column (from 1; 0 when unknown), filename (or None).",
        PyExc_ValueError, nullptr);
    if (!readErrorType) throw py::error_already_set();
    for (const char* attribute : {"code", "reason", "path", "filename"})
        PyObject_SetAttrString(readErrorType, attribute, Py_None);
    for (const char* attribute : {"line", "column"})
        PyObject_SetAttrString(readErrorType, attribute, py::int_(0).ptr());
    m.add_object("ReadError", py::handle(readErrorType));

    py::register_exception_translator([](std::exception_ptr p) {
        try {
            if (p) std::rethrow_exception(p);
        } catch (const FileError& e) {
            try {
                raiseOSError(e);
            } catch (py::error_already_set& error) {
                error.restore();
            }
        } catch (const TextError& e) {
            PyErr_SetString(PyExc_ValueError, e.what());
        }
    });

    bindTypes(m);

    m.def("write_plan", &writePlan, py::arg("base"), py::kw_only(),
          py::arg("radio_type") = py::none(), py::arg("mobile") = false,
          py::arg("platform") = py::none(), py::arg("flash") = py::none(),
          py::arg("eeprom") = py::none(), py::arg("domain") = std::wstring(),
          R"(Writes the mission plan BASE.xml; returns its warnings (Notes).

The configuration is the defaults of the radio kind (radio_type, mobile), or read from
`platform` (a platform file's path, or its content as bytes). The images are BASE.fl and
BASE.ee unless `flash` and `eeprom` give other paths or their bytes. Plan texts are
keywords: name, description, notes, author, locale, pin, aac_version (str; longer ones
are cut). `domain` (e.g. DEFAULT_DOMAIN) applies to classic handheld plans only.
Raises ReadError when the platform file does not read, ValueError for a text XML cannot
hold, OSError when a file cannot be read or written.)");

    m.def("unpack", &unpack, py::arg("document"), py::arg("base"), py::kw_only(),
          py::arg("radio_type") = py::none(), py::arg("mobile") = false,
          py::arg("to_temp_dir") = false,
          R"(Reads a mission plan and writes BASE.fl, BASE.ee and BASE.pd; returns the warnings.

`document` is a path or the document's bytes. Without radio_type a handheld plan is read
as a classic one. With `to_temp_dir` (mobile plans) the files go to temporary_directory().
The three files replace their previous ones together or not at all. Raises ReadError
when the document does not read, OSError when a file cannot be read or written.)");

    m.def("check", &check, py::arg("document"), py::kw_only(), py::arg("radio_type") = py::none(),
          py::arg("mobile") = false,
          R"(Reads a mission plan as unpack() would, writing nothing; returns the warnings.

Besides the read's own warnings, it warns of each section the radio type does not keep.
Raises ReadError when the document does not read.)");

    m.def("info", &info, py::arg("document"), py::kw_only(), py::arg("with_images") = false,
          R"(What a mission plan holds (a PlanInfo), for a look before unpacking.

Works on any well-formed document: what is missing is empty, and `check` says whether it
reads as its MissionLoad element and sections imply. With `with_images` the images'
bytes are kept (Image.data). Raises ReadError when it is not well-formed XML.)");

    m.def("read", &readConfiguration, py::arg("file"), py::kw_only(),
          py::arg("radio_type") = py::none(), py::arg("mobile") = false, py::arg("strict") = true,
          R"(Reads a mission plan or platform file (a path, or bytes) into a Configuration.

It is read as radio_type and mobile say or, without them, as the document implies.
With `strict` (the default) one that does not read raises ReadError; without, it is
returned as it stands (Configuration.ok, .result, .document_settings()).)");

    m.def("get_settings", &getSettings, py::arg("file"), py::arg("radio_type") = py::none(),
          py::arg("mobile") = false,
          R"(get_settings(file, *paths, radio_type=None, mobile=False) -> dict[str, str]

The settings of a mission plan or platform file, path to value: all of them, or those
the paths select (an element selects every setting below it). Raises ReadError when the
file does not read, and with code 'no-setting' when a path selects nothing.)");

    m.def("set_settings", &setSettingsOf, py::arg("file"), py::arg("changes") = py::none(),
          py::kw_only(), py::arg("output"), py::arg("remove") = std::vector<std::string>{},
          py::arg("backup") = false, py::arg("radio_type") = py::none(), py::arg("mobile") = false,
          R"(Changes settings of a plan or platform file and writes it to `output`; returns the
warnings.

`changes` maps paths to values, or is an iterable of "PATH=VALUE" texts or (path, value)
pairs, applied in order. `remove` lists entries to take out of lists. Plan texts are
keywords (name, ..., aac_version). `output` may be `file` itself (replaced; with
`backup` the old one is kept as FILE~). Nothing is written, and ReadError is raised,
when the file does not read or warns, a path selects no setting or several, or a value
does not read or would be kept as another.)");

    m.def("diff", &diff, py::arg("a"), py::arg("b"), py::kw_only(), py::arg("with_date") = false,
          py::arg("radio_type") = py::none(), py::arg("mobile") = false,
          R"(How two configurations differ, setting by setting (a list of Difference).

Each side is a path, bytes, or a Configuration. A side that does not read is compared as
its document holds it; ReadError is raised only for one that is no plan or platform file.
Plan texts, stamps (the date only `with_date`) and images are compared too.)");

    m.def("describe", &describe, py::arg("path"), py::kw_only(), py::arg("radio_type") = py::none(),
          py::arg("mobile") = false,
          R"(What the settings `path` selects are, for a radio kind (SettingDescriptions).

Raises ReadError with code 'no-setting' (the nearest paths in its reason) when it
selects none.)");

    m.def("defaults", &defaults, py::kw_only(), py::arg("radio_type") = py::none(),
          py::arg("mobile") = false,
          "The platformConfig text of a defaulted configuration of the radio kind (str).");

    m.def("schema", &schema, py::kw_only(), py::arg("radio_type") = py::none(),
          py::arg("mobile") = false, "An XML Schema of the mission plans of the radio kind (str).");

    m.def("batch", &batch, py::arg("template"), py::arg("fleet"), py::arg("out"), py::kw_only(),
          py::arg("jobs") = 0u, py::arg("dry_run") = false, py::arg("date") = py::none(),
          py::arg("radio_type") = py::none(), py::arg("mobile") = false,
          py::arg("progress") = py::none(),
          R"(Writes a plan for each row of the CSV table `fleet` from the mission plan `template`
into the folder `out` (made when missing), then out/manifest.json; returns a BatchResult.

The fleet's header names the columns: base (required: the plan is OUT/BASE.xml), the plan
texts (name, description, notes, author, locale, pin, aac-version), fl and ee (image files,
relative to the fleet's folder), and setting paths as get_settings() prints them. An empty
cell keeps the template's value; "<empty>" sets an empty text. `jobs` workers write the
rows (0: one per processor); `dry_run` checks every row and writes nothing. `date` (int
seconds since 1970 UTC, or a datetime) stamps every document, and makes two runs write the
same bytes; None stamps the time of writing. The template is read as radio_type and mobile
say or, without them, as it implies.

A row whose values or images do not read fails alone (BatchRow.reason). Raises ReadError,
writing nothing, for a template that does not read or is no plan, a fleet that is not CSV,
an unknown or repeated column, a base that is empty, not a file name or repeated, and an
`out` that cannot be made or is locked by another batch (code 'file-error'); also, rows
written, for a manifest that cannot be written. Raises OSError when the template or the
fleet cannot be read. progress(done, total) is called after each row, in the calling
thread: an exception it raises stops the batch (the rows being written are finished, the
rows already written stay, no manifest is written) and comes out of batch() as it was
raised; so does KeyboardInterrupt.)");

    m.def("temporary_directory", &temporaryDirectory,
          "Where unpack(..., to_temp_dir=True) writes: $TMPDIR, $TMP, $TEMP or $TEMPDIR, else "
          "/tmp, ending in '/'.");

    m.def(
        "remove_stale_temporary_files",
        [](const py::object& dir) {
            const fs::path path = pathOf(dir);
            py::gil_scoped_release unlocked;
            return removeStaleTemporaryFiles(path);
        },
        py::arg("dir"),
        "Removes the stale temporary files of interrupted writes in `dir`; returns how many.");

    m.def("set_message_sink", &setSink, py::arg("sink"),
          R"(Sends the library's messages to sink(kind, message), kind 'information', 'warning'
or 'failure'; None discards them (the default: every result carries its reason). The
sink applies to the whole process and may be called from any thread.)");

    // The sink holds a Python object: it goes before the interpreter does.
    setSink(py::none());
    py::module_::import("atexit").attr("register")(py::cpp_function([] { setSink(py::none()); }));
}
