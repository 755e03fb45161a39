"""Mission plans of Tarin radios from Python.

Write a mission plan from waveform images (write_plan), unpack one into its images and
platform file (unpack), check it, look into it (info), read its settings (read,
get_settings), change them (set_settings), compare two configurations (diff), describe a
setting, produce default configurations (defaults) and XML Schemas (schema), and write a
fleet of plans from one template and a CSV table (batch).

Paths are str or os.PathLike; a document, platform file or image given as bytes is the
content itself. A read that fails raises ReadError; a file that cannot be read or written
raises an OSError subclass (FileNotFoundError, PermissionError, ...). The calls release
the GIL while they work, so that threads run in parallel.

    import tarin_translator as tt
    tt.write_plan("plan", radio_type=146, flash=fl_bytes, eeprom=ee_bytes, name="Fleet A")
    for note in tt.check("plan.xml", radio_type=146):
        print(note.line, note.text)
    print(tt.get_settings("plan.xml", "TimeDateCfg/@zone"))
"""

from ._native import (
    AAC_VERSION_LENGTH,
    DEFAULT_DOMAIN,
    NOTES_LENGTH,
    PLAN_TEXT_LENGTH,
    BatchFile,
    BatchResult,
    BatchRow,
    CheckResult,
    Configuration,
    Difference,
    Image,
    Note,
    Plan,
    PlanInfo,
    ReadAs,
    ReadError,
    SettingDescription,
    __version__,
    batch,
    check,
    defaults,
    describe,
    diff,
    get_settings,
    info,
    read,
    remove_stale_temporary_files,
    schema,
    set_message_sink,
    set_settings,
    temporary_directory,
    unpack,
    write_plan,
)

__all__ = [
    "AAC_VERSION_LENGTH",
    "DEFAULT_DOMAIN",
    "NOTES_LENGTH",
    "PLAN_TEXT_LENGTH",
    "BatchFile",
    "BatchResult",
    "BatchRow",
    "CheckResult",
    "Configuration",
    "Difference",
    "Image",
    "Note",
    "Plan",
    "PlanInfo",
    "ReadAs",
    "ReadError",
    "SettingDescription",
    "batch",
    "check",
    "defaults",
    "describe",
    "diff",
    "get_settings",
    "info",
    "read",
    "remove_stale_temporary_files",
    "schema",
    "set_message_sink",
    "set_settings",
    "temporary_directory",
    "unpack",
    "write_plan",
]
