# Types of the package tarin_translator, for editors and type checkers.

import datetime
import os
from typing import Callable, Iterable, Literal, Mapping, Optional, Tuple, Union

StrPath = Union[str, os.PathLike[str]]
# A path, or the content itself as bytes.
Source = Union[StrPath, bytes, bytearray, memoryview]
Changes = Union[Mapping[str, str], Iterable[Union[str, Tuple[str, str]]]]

__version__: str
DEFAULT_DOMAIN: str
PLAN_TEXT_LENGTH: int
NOTES_LENGTH: int
AAC_VERSION_LENGTH: int

class ReadError(ValueError):
    """A document, platform file or setting path that does not read."""

    code: Optional[str]
    reason: Optional[str]
    path: Optional[str]
    line: int
    column: int
    filename: Optional[str]

class ReadAs:
    """What a document is read as: a handheld plan (classic without a radio type) or a
    mobile plan."""

    mobile: bool
    radio_type: Optional[int]
    def __init__(self, radio_type: Optional[int] = None, mobile: bool = False) -> None: ...

class Note:
    """A warning of a read, and where it points in the document."""

    @property
    def text(self) -> str: ...
    @property
    def line(self) -> int: ...
    @property
    def column(self) -> int: ...
    @property
    def code(self) -> str: ...
    @property
    def path(self) -> Optional[str]: ...

class CheckResult:
    """Whether a document reads, and why not."""

    @property
    def ok(self) -> bool: ...
    @property
    def reason(self) -> Optional[Note]: ...
    @property
    def warnings(self) -> list[Note]: ...
    def __bool__(self) -> bool: ...

class Image:
    """An image of a plan, described by its bytes."""

    @property
    def present(self) -> bool: ...
    @property
    def clean(self) -> bool: ...
    @property
    def size(self) -> Optional[int]: ...
    @property
    def sha256(self) -> Optional[str]: ...
    @property
    def data(self) -> Optional[bytes]: ...

class PlanInfo:
    """What a mission plan holds (info())."""

    @property
    def texts(self) -> dict[str, str]: ...
    @property
    def domain(self) -> str: ...
    @property
    def version(self) -> str: ...
    @property
    def date(self) -> str: ...
    @property
    def mission_load(self) -> Optional[str]: ...
    @property
    def sections(self) -> list[str]: ...
    @property
    def read_as(self) -> ReadAs: ...
    @property
    def group(self) -> str: ...
    @property
    def flash(self) -> Image: ...
    @property
    def eeprom(self) -> Image: ...
    @property
    def check(self) -> CheckResult: ...

class Plan:
    """A plan's texts, domain, stamps and images."""

    @property
    def texts(self) -> dict[str, str]: ...
    @property
    def domain(self) -> str: ...
    @property
    def version(self) -> str: ...
    @property
    def date(self) -> str: ...
    @property
    def flash(self) -> Image: ...
    @property
    def eeprom(self) -> Image: ...

class Configuration:
    """A configuration read from a mission plan or a platform file (read())."""

    @property
    def ok(self) -> bool: ...
    @property
    def result(self) -> CheckResult: ...
    @property
    def is_plan(self) -> bool: ...
    @property
    def read_as(self) -> ReadAs: ...
    @property
    def plan(self) -> Optional[Plan]: ...
    def settings(self) -> dict[str, str]: ...
    def select(self, path: str) -> dict[str, str]: ...
    def document_settings(self) -> dict[str, str]: ...
    def nearest_paths(self, path: str, count: int = 3) -> list[str]: ...
    def summary(self) -> str: ...

class Difference:
    """One difference of diff(), and its value on each side (None where it lacks)."""

    @property
    def path(self) -> str: ...
    @property
    def a(self) -> Optional[str]: ...
    @property
    def b(self) -> Optional[str]: ...

class SettingDescription:
    """What a setting is, for a radio kind (describe())."""

    @property
    def path(self) -> str: ...
    @property
    def default(self) -> str: ...
    @property
    def kind(self) -> Literal["on-off", "name", "number", "text", "other"]: ...
    @property
    def names(self) -> list[str]: ...
    @property
    def signed(self) -> bool: ...
    @property
    def read_min(self) -> int: ...
    @property
    def read_max(self) -> int: ...
    @property
    def base(self) -> int: ...
    @property
    def decimal(self) -> bool: ...
    @property
    def checked(self) -> Optional[Tuple[int, int]]: ...
    @property
    def limit(self) -> Optional[int]: ...
    @property
    def reading(self) -> str: ...
    @property
    def groups(self) -> list[str]: ...
    @property
    def section(self) -> str: ...

def write_plan(
    base: StrPath,
    *,
    radio_type: Optional[int] = None,
    mobile: bool = False,
    platform: Optional[Source] = None,
    flash: Optional[Source] = None,
    eeprom: Optional[Source] = None,
    domain: str = "",
    name: str = ...,
    description: str = ...,
    notes: str = ...,
    author: str = ...,
    locale: str = ...,
    pin: str = ...,
    aac_version: str = ...,
) -> list[Note]:
    """Writes the mission plan BASE.xml; returns its warnings."""

def unpack(
    document: Source,
    base: StrPath,
    *,
    radio_type: Optional[int] = None,
    mobile: bool = False,
    to_temp_dir: bool = False,
) -> list[Note]:
    """Reads a mission plan and writes BASE.fl, BASE.ee and BASE.pd; returns the warnings."""

def check(document: Source, *, radio_type: Optional[int] = None, mobile: bool = False) -> list[Note]:
    """Reads a mission plan as unpack() would, writing nothing; returns the warnings."""

def info(document: Source, *, with_images: bool = False) -> PlanInfo:
    """What a mission plan holds, for a look before unpacking."""

def read(
    file: Source, *, radio_type: Optional[int] = None, mobile: bool = False, strict: bool = True
) -> Configuration:
    """Reads a mission plan or platform file into a Configuration."""

def get_settings(
    file: Source, *paths: str, radio_type: Optional[int] = None, mobile: bool = False
) -> dict[str, str]:
    """The settings of a plan or platform file (those the paths select), path to value."""

def set_settings(
    file: StrPath,
    changes: Optional[Changes] = None,
    *,
    output: StrPath,
    remove: Iterable[str] = ...,
    backup: bool = False,
    radio_type: Optional[int] = None,
    mobile: bool = False,
    name: str = ...,
    description: str = ...,
    notes: str = ...,
    author: str = ...,
    locale: str = ...,
    pin: str = ...,
    aac_version: str = ...,
) -> list[Note]:
    """Changes settings of a plan or platform file and writes it to `output`."""

def diff(
    a: Union[Source, Configuration],
    b: Union[Source, Configuration],
    *,
    with_date: bool = False,
    radio_type: Optional[int] = None,
    mobile: bool = False,
) -> list[Difference]:
    """How two configurations differ, setting by setting."""

def describe(
    path: str, *, radio_type: Optional[int] = None, mobile: bool = False
) -> list[SettingDescription]:
    """What the settings `path` selects are, for a radio kind."""

def defaults(*, radio_type: Optional[int] = None, mobile: bool = False) -> str:
    """The platformConfig text of a defaulted configuration of the radio kind."""

def schema(*, radio_type: Optional[int] = None, mobile: bool = False) -> str:
    """An XML Schema of the mission plans of the radio kind."""

def temporary_directory() -> str:
    """Where unpack(..., to_temp_dir=True) writes, ending in '/'."""

def remove_stale_temporary_files(dir: StrPath) -> int:
    """Removes the stale temporary files of interrupted writes in `dir`."""

def set_message_sink(sink: Optional[Callable[[str, str], None]]) -> None:
    """Sends the library's messages to sink(kind, message); None discards them."""

class BatchFile:
    """A file of a batch: its name, size and SHA-256 (None where a dry run did not read it)."""

    @property
    def name(self) -> str: ...
    @property
    def size(self) -> Optional[int]: ...
    @property
    def sha256(self) -> Optional[str]: ...

class BatchRow:
    """A row of a batch's fleet, and what became of it."""

    @property
    def line(self) -> int: ...
    @property
    def base(self) -> str: ...
    @property
    def status(self) -> Literal["written", "checked", "failed"]: ...
    @property
    def reason(self) -> Optional[Note]: ...
    @property
    def document(self) -> Optional[BatchFile]: ...
    @property
    def flash(self) -> Optional[BatchFile]: ...
    @property
    def eeprom(self) -> Optional[BatchFile]: ...

class BatchResult:
    """What a batch wrote (batch())."""

    @property
    def rows(self) -> list[BatchRow]: ...
    @property
    def template(self) -> BatchFile: ...
    @property
    def all_written(self) -> bool: ...

def batch(
    template: StrPath,
    fleet: StrPath,
    out: StrPath,
    *,
    jobs: int = 0,
    dry_run: bool = False,
    date: Union[int, datetime.datetime, None] = None,
    radio_type: Optional[int] = None,
    mobile: bool = False,
    progress: Optional[Callable[[int, int], object]] = None,
) -> BatchResult:
    """Writes a plan for each row of the CSV table `fleet` from `template` into `out`."""
