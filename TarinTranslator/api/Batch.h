#pragma once

// A fleet of mission plans from one template: a CSV table gives, row by row, a radio's
// output name, plan texts, images and settings, and each row is written as `set` would
// write the template changed so, by several workers at once, with a manifest of what was
// written.
//
// The table (RFC 4180, UTF-8 with or without a byte order mark, CR LF or LF) has a header
// row naming its columns:
//
//   base              the output's name: the plan is written to DIR/BASE.xml (required)
//   name, description, notes, author, locale, pin, aac-version
//                     the plan texts (pin and aac-version: handheld plans only)
//   fl, ee            files (relative to the table's folder) whose bytes replace the
//                     template's flash and EEPROM images
//   any other         a setting path in the spelling `get` prints; the cell is assigned as
//                     `set` assigns it (a path one past a list's last entry appends one)
//
// An empty cell keeps the template's value; the cell text "<empty>" sets an empty text.

#include <cstddef>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "TarinTranslator/api/TarinTranslator.h"

namespace tarin {

struct BatchOptions {
    // The folder of the plans and the manifest; made when it does not exist. It is locked
    // for the batch: a second batch into it fails at once.
    std::filesystem::path out;
    // The workers that write rows; 0: as many as the processors available.
    unsigned jobs = 0;
    // Checks every row (its values and its images) and writes nothing.
    bool dryRun = false;
    // The date stamp of every document (seconds since 1970 UTC); without it, the time of
    // writing. With it, the documents and the manifest of two runs are the same bytes,
    // whatever the number of workers.
    std::optional<std::time_t> date;
    // How the template is read; without it, as its MissionLoad element implies.
    std::optional<ReadAs> as;
    // How reasons name the fleet file ("FLEET:LINE:COLUMN"); empty: its path.
    std::string fleetName;
    // Called after each row is done, from the thread that called writeBatch: rows done of
    // all rows. An exception thrown by progress stops the batch and comes out of
    // writeBatch: no row is started after it, the rows being written are finished, and
    // rows already written stay; no manifest is written.
    std::function<void(std::size_t done, std::size_t total)> progress;
};

// A file as the manifest records it.
struct BatchFile {
    std::string name;  // the file, as the fleet or the batch names it
    std::size_t size = 0;
    std::string sha256;  // lower-case hexadecimal
};

struct BatchRow {
    std::size_t line = 0;  // where the row starts in the fleet file
    std::string base;
    enum class Status { Written, Checked, Failed } status = Status::Failed;
    // Why the row failed: the text, the place of the cell in the fleet file, the reason's
    // code, and the cell's column name in `path`.
    ReadNote reason;
    std::optional<BatchFile> document;  // written (or checked: its name, no digest)
    BatchFile flash, eeprom;            // the images it holds: the template's or the row's
};

struct BatchResult {
    // What stopped the batch: a fleet, template or folder refused before anything was
    // written (the reason placed in `file` where it has a place), or a manifest that
    // could not be written.
    struct Stop {
        std::filesystem::path file;
        ReadNote reason;
    };
    std::optional<Stop> stopped;
    BatchFile templateFile;
    std::vector<BatchRow> rows;  // in the fleet's order
    bool allWritten() const {
        if (stopped) return false;
        for (const BatchRow& row : rows)
            if (row.status == BatchRow::Status::Failed) return false;
        return true;
    }
};

// Writes the plan of every row of `fleet` from the mission plan `templateFile` into
// options.out, then (last, as every output is written) options.out/manifest.json: the
// template's digest, the library's version, the date stamp, and for each row in the
// fleet's order its line, base, status, reason, and the size and SHA-256 of its document
// and of each image it holds. The template is read once; each row changes
// a copy of its record with the conversion and check of `set`, and its images are streamed
// from the template's text or from the row's files, never held whole by a worker. Each plan
// is written as every output is (complete or not at all, flushed to the disk); an existing
// symbolic link at DIR/BASE.xml is not followed and fails its row.
//
// Refused before anything is written (result.stopped): a template that does not read or is
// not a plan; a fleet that is not CSV; an unknown column, a column given twice; a base
// that is empty, not a single file name ("/", "." or "..", a control character, more than
// 251 bytes) or repeated (also in another letter case); a folder that cannot be made or
// is locked by another batch. A row whose value or image does not read fails alone, and
// the others are written.
//
// Throws FileError when the template or the fleet cannot be read, and what
// options.progress throws.
TARIN_API BatchResult writeBatch(const std::filesystem::path& templateFile,
                                 const std::filesystem::path& fleet, const BatchOptions& options);

}  // namespace tarin
