#pragma once

#include "TarinTranslator/host/Export.h"

namespace tarin {

// What a reason or a warning is about, as a stable code for scripts (reasonCodeName()
// gives its name: "missing-attribute", ...).
enum class ReasonCode {
    None,
    NotWellFormed,       // not-well-formed: XML that XML does not allow
    BadEncoding,         // bad-encoding: bytes that are not UTF-8 (or UTF-16/32 after a mark)
    WrongKind,           // wrong-kind: a plan or platform file of another kind than asked
    MissingElement,      // missing-element
    MissingAttribute,    // missing-attribute
    NotAName,            // not-a-name: a value that is not a name of its table
    OutOfRange,          // out-of-range: a number outside its range (or beyond 32 bits)
    TooLong,             // too-long: a text longer than its limit
    TooShort,            // too-short: a text shorter than its limit
    ForbiddenCharacter,  // forbidden-character: a text with a character XML does not allow
    EntryRefused,        // entry-refused: a list entry, or too many of them, refused
    CheckFailed,         // check-failed: a section's own rule between its values
    BadBlob,             // bad-blob: an image's text that is not Base64, or not one text
    RepeatedKey,         // repeated-key: a list entry dropped for another's key
    VersionMismatch,     // version-mismatch: a version stamp other than v4.000
    SectionDropped,      // section-dropped: a section the radio type does not keep
    LeftOut,             // left-out: a value that the output cannot hold
    FileError,           // file-error: a file that cannot be read or written
    NoSetting,           // no-setting: a path that selects no setting
    SeveralSettings,     // several-settings: a path that selects more than one
    ValueChanged,        // value-changed: a value the reader would keep as another
    NotAListEntry,       // not-a-list-entry: a removal of what is not a list's entry
    BadFileName,         // bad-file-name: an output name that is not a single file name
};
TARIN_API const char* reasonCodeName(ReasonCode code);

}  // namespace tarin
