#pragma once

// The help texts of the command-line tool. The manual page tools/tarin-translator.1 says
// the same; change both together.

namespace tarin::tool {

inline constexpr const char* kGeneralHelp =
    R"(Usage: tarin-translator COMMAND [ARGUMENT...] [OPTION...]

Writes the mission plan of a Tarin two-way radio, an XML document holding its platform
configuration and its two waveform images; unpacks, checks and describes mission plans;
reads, changes and compares their settings; prints default platform configurations.

  tarin-translator defaults [--radio-type N] [--mobile]
  tarin-translator write BASE [--radio-type N | --mobile --radio-type N]
                   [--platform FILE [--plan XMLFILE]] [--name T] [--description T]
                   [--notes T] [--author T] [--locale T] [--pin T] [--aac-version T]
                   [--domain]
  tarin-translator parse XMLFILE BASE [--radio-type N] [--mobile [--temp-dir]]
  tarin-translator check XMLFILE [--radio-type N] [--mobile] [--json]
  tarin-translator info XMLFILE [--json]
  tarin-translator get FILE [PATH...] [--json] [--radio-type N] [--mobile]
  tarin-translator set FILE PATH=VALUE... (-o OUT | --in-place [--backup])
                   [--remove PATH]... [text options] [--radio-type N] [--mobile]
  tarin-translator diff A B [--json] [--date] [--radio-type N] [--mobile]
  tarin-translator describe PATH [--radio-type N | --mobile]
  tarin-translator show FILE [--radio-type N] [--mobile]
  tarin-translator schema [--radio-type N | --mobile]
  tarin-translator batch TEMPLATE FLEET --out DIR [--jobs N] [--dry-run]
                   [--date STAMP] [--radio-type N] [--mobile]

Commands:
  defaults  print a default platform configuration (the text of a platform file)
  write     write the mission plan BASE.xml from the images BASE.fl and BASE.ee
  parse     unpack the mission plan XMLFILE into BASE.fl, BASE.ee and BASE.pd
  check     read XMLFILE as parse would, and write nothing
  info      describe XMLFILE: texts, stamps, sections, images, and whether it reads
  get       print settings of a plan or platform file as PATH=VALUE lines
  set       change settings of a plan or platform file, checked as a read checks them
  diff      compare two plans or platform files setting by setting (exit 1: they differ)
  describe  say what a setting is: its kind, names or range, default and radio groups
  show      print a configuration in the compact summary form
  schema    print an XML Schema of the mission plans of a radio kind
  batch     write a plan per row of a CSV fleet table from one template, with a manifest
'tarin-translator COMMAND --help' explains a command and its options.

Files:
  BASE     a path without suffix: BASE.fl is the flash image, BASE.ee the EEPROM
           image, BASE.pd the platform file, BASE.xml the mission plan; it names a
           file (not empty, not ending in '/'). Outputs replace regular files only.
  XMLFILE  a mission plan; '-' reads standard input; pipes and FIFOs work as files
  FILE     a mission plan or a platform file (told apart by its root element)
  PATH     a setting's path below platformConfig, an XPath expression too:
           TimeDateCfg/@zone, audioConfig/microphone[@micType=EXTERNAL]/@gain

Radio types (--radio-type N, a code from 0 to 4294967295) and their groups:
  hazard     146, 199, 265       handheld plans with a MissionLoad element
  VR-mobile  151, 153, 272, 273  handheld plans with a MissionLoad element
  classic    every other code    handheld plans with a qd470PMissionLoad element;
                                 without --radio-type a plan is classic
  --mobile   a mobile radio's plan, with a MissionLoadQD470M element

Options (the commands they apply to first):
  --radio-type N   defaults, write, parse, check, get, set, diff, describe,
                   show, schema, batch:
                   the radio type code (see above)
  --mobile         the same commands: a mobile radio's plan
  --platform FILE  write: the platform configuration from FILE, a .pd as parse writes
                   it, instead of the defaults
  --plan XMLFILE   write --platform: the plan texts, PIN, AAC version and domain from
                   the mission plan XMLFILE
  --name T, --description T, --notes T, --author T, --locale T, --pin T, --aac-version T
                   write: the plan texts (see 'tarin-translator write --help')
  --domain         write, classic handheld plans only: the domain TACCOM_RADIO01
  --temp-dir       parse --mobile: write the files into the system's temporary
                   directory ($TMPDIR, else /tmp), named by BASE, and print where
  --json           check, info, get, diff: print one JSON object
  -o OUT, --in-place, --backup, --remove PATH
                   set: where the result goes, and list entries removed
  --date           diff: compare the date stamps too
  --date STAMP     batch: the documents' date stamp (see 'tarin-translator batch --help')
  --out DIR, --jobs N, --dry-run
                   batch: the output folder, the number of workers, check only
  -h, --help       show this help, or a command's help after the command
  -V, --version    show the version
  --completion bash
                   print the bash completion script (installed with the tool)
  An option's value follows it (--name T) or an equals sign (--name=T); '--' ends the
  options. An option that does not apply to the command or the kind of plan, or one given
  twice with different values, is a usage error; --help and --version take nothing but
  the command.

Exit status:
  0  success
  1  the job failed; one line on standard error says why:
       tarin-translator: FILE:LINE:COLUMN: reason
     or 'tarin-translator: FILE: reason' when the reason has no place in the file
  2  usage error: 'tarin-translator: reason'
  diff exits as diff(1) does: 0 the same, 1 they differ, 2 trouble.
  batch exits 0 when every row is written, 1 when a row failed (the others are
  written), 2 when it refused before writing anything, or another trouble.
Warnings of a job that succeeds take the form 'tarin-translator: FILE:LINE:COLUMN:
warning: text'.
)";

inline constexpr const char* kCommonHelp = R"(
An option's value follows it (--name T) or an equals sign (--name=T); '--' ends the
options. 'tarin-translator --help' lists the radio types and their groups.
Exit status: 0 success, 1 the job failed (one line on standard error says why),
2 usage error.
)";

inline constexpr const char* kDefaultsHelp =
    R"(Usage: tarin-translator defaults [--radio-type N] [--mobile]

Prints the default platform configuration, the text of a platform file (.pd), of a
classic handheld radio.

  --radio-type N  of a handheld radio of radio type N
  --mobile        of a mobile radio (with --radio-type N, as written for radio type N,
                  whose Bluetooth settings depend on it)
)";

inline constexpr const char* kWriteHelp =
    R"(Usage: tarin-translator write BASE [OPTION...]

Writes the mission plan BASE.xml holding the images BASE.fl and BASE.ee (regular files,
pipes or FIFOs) and a platform configuration: the defaults of the radio type, or the one
read from a platform file. BASE.xml appears complete or not at all.

Kind of plan:
  (neither option)  a classic handheld plan
  --radio-type N    a handheld plan of radio type N
  --mobile          a mobile plan; needs --radio-type N

Platform configuration:
  --platform FILE   read it from FILE, a platform file as parse writes it (BASE.pd),
                    instead of the defaults; '-' reads standard input. A FILE that
                    does not read fails with its reason, and nothing is written.
  --plan XMLFILE    with --platform: take the plan texts, PIN, AAC version and domain
                    from the mission plan XMLFILE (typically the one unpacked); text
                    options given beside it override them

Plan texts (T is UTF-8; longer texts are cut, with a warning, to 80 characters, notes
to 256 and the AAC version to 6):
  --name T, --description T, --notes T, --author T, --locale T
  --pin T           the PIN (handheld plans only)
  --aac-version T   the AAC version (handheld plans only)
  --domain          set the plan's domain to TACCOM_RADIO01 (classic handheld plans
                    only: without --radio-type and --mobile)
A text that is not valid UTF-8 or holds a character that XML 1.0 does not allow (a
control character other than tab, line feed and carriage return; U+FFFE, U+FFFF) is a
usage error. Reading a plan turns line breaks and tabs in texts into blanks, runs of
blanks into one, and drops leading and trailing blanks.
)";

inline constexpr const char* kParseHelp =
    R"(Usage: tarin-translator parse XMLFILE BASE [--radio-type N] [--mobile [--temp-dir]]

Reads the mission plan XMLFILE ('-' reads standard input) and writes BASE.fl, BASE.ee
and BASE.pd: all three, or on failure none (the previous files stay as they were).

  (neither option)  read a classic handheld plan
  --radio-type N    read a handheld plan of radio type N
  --mobile          read a mobile plan (with --radio-type N, of radio type N)
  --temp-dir        with --mobile: write the files into the system's temporary
                    directory ($TMPDIR, else /tmp; it must exist), named by BASE (a file
                    name, without '/'), and print where (that path without the
                    suffixes) on standard output
)";

inline constexpr const char* kCheckHelp =
    R"(Usage: tarin-translator check XMLFILE [--radio-type N] [--mobile] [--json]

Reads the mission plan XMLFILE ('-' reads standard input) as parse would with the same
options, and writes nothing. Exits 0 when parse would unpack it, with a warning for
each value a tolerant read passed over and each section that the radio type does not
keep (parse drops it); exits 1 with the reason when parse would fail.

  (neither option)  read a classic handheld plan
  --radio-type N    read a handheld plan of radio type N
  --mobile          read a mobile plan (with --radio-type N, of radio type N)
  --json            print one JSON object (file, read_as, ok, reason, warnings; each
                    reason and warning with its code and, for a setting, its path)
                    instead of the messages; the exit status stays as it is
)";

inline constexpr const char* kInfoHelp =
    R"(Usage: tarin-translator info XMLFILE [--json]

Describes the mission plan XMLFILE ('-' reads standard input): its plan texts, domain,
version and date stamps, AAC version, its MissionLoad element and the radios that read
it, the sections of platformConfig and the radio group they imply, each image's size in
bytes and the SHA-256 digest of its decoded bytes, and whether the document reads as
that group, with the reason or the warnings. A document that does not read is described
too (exit 0); one that is not well-formed XML fails (exit 1).

  --json  print one JSON object instead, with the keys that the manual page lists
)";

inline constexpr const char* kGetHelp =
    R"(Usage: tarin-translator get FILE [PATH...] [--json] [--radio-type N] [--mobile]

Prints settings of FILE, a mission plan or a platform file (told apart by its root
element; '-' reads standard input), one 'PATH=VALUE' line each, in document order: every
setting without a PATH, else those each PATH selects (a path without its last step
selects every setting below that element). Values are as the writer writes them, with
control characters, line breaks and backslashes escaped as C does, so that a setting is
one line. FILE is read as --radio-type N or --mobile say, else as it implies.

A path is relative to platformConfig, and also an XPath expression that selects the same
value in a platform file:
  TimeDateCfg/@zone
  audioConfig/microphone[@micType=EXTERNAL]/@gain    an entry of a list kept by a key
  AliasList/aliasInfo[3]/@aliasName                  the 3rd entry of a list kept in order
  networkConfig/wifiAPCfg/ssid                       a setting held as element text

  --json  print one JSON object instead, with the values as they are
A path that selects nothing fails (exit 1) and the reason names the nearest paths.
)";

inline constexpr const char* kSetHelp =
    R"(Usage: tarin-translator set FILE PATH=VALUE... (-o OUT | --in-place [--backup])
                            [--remove PATH]... [text options] [--radio-type N] [--mobile]

Reads FILE, a mission plan or a platform file, as parse (or, for a platform file, a
repack) would, makes each change with the same conversion and check as reading a
document, and writes the result to OUT or over FILE: a plan keeps its images byte for
byte and its texts unless text options change them, and gets a new date stamp; a
platform file stays a platform file. Paths are those of 'get'; PATH=VALUE splits at
the first '=' outside brackets.

Nothing is written, and set fails (exit 1) with the reason naming the path, when FILE
does not read or its reading warns (a change would lose what the warning names), when a
path selects no setting the radio kind carries, or more than one, when a value does not
read (the reason is the reader's), and when the reader would keep another value than the
one given (it says which).

Lists: assigning to the entry after the last (AliasList/aliasInfo[4] of a list of
three) or to a key the list lacks (eioOutputCfg/eioOutput[@name=ExtIoOut3]) appends an
entry, its other settings its defaults; --remove PATH takes an entry out. Microphones,
audio outputs and menu items are neither added nor removed.

  -o OUT          write the result to OUT
  --in-place      replace FILE (its mode kept)
  --backup        with --in-place: keep the previous FILE as FILE~
  --remove PATH   remove the list entry PATH (may be given more than once)
  --name T, --description T, --notes T, --author T, --locale T, --pin T,
  --aac-version T the plan texts (plans only)
)";

inline constexpr const char* kDiffHelp =
    R"(Usage: tarin-translator diff A B [--json] [--date] [--radio-type N] [--mobile]

Compares two mission plans, two platform files, or a plan and a platform file (their
configurations), setting by setting, one line a difference:
  PATH: VALUE-A -> VALUE-B
  PATH: only in A          an entry or section that only A holds (by its highest element)
and, for two plans, their texts and stamps (named as 'info --json' names them; the date
only with --date) and each image as its size and SHA-256. A file whose sections fail is
compared as it holds them, and the failure is shown.

  --json  print one JSON object instead
  --date  compare the date stamps too

Exit status (as diff(1), unlike the other commands): 0 the same, 1 they differ,
2 trouble (a file that cannot be read, or is neither a plan nor a platform file).
)";

inline constexpr const char* kDescribeHelp =
    R"(Usage: tarin-translator describe PATH [--radio-type N | --mobile]

Says what the setting PATH is for a radio kind (a classic handheld radio without
options): on/off, a name of its table (with all its names), a number (with what the
reader converts and what the section's check admits) or a text (with its limit); how the
reader takes it (required, optional: kept when absent, tolerant: a value that does not
read is kept as it was); its default for that radio kind; the radio groups whose
documents carry it; and the section whose check judges it. A path without its last step
lists the settings below that element, one a line. Paths are those of 'get'.
)";

inline constexpr const char* kShowHelp =
    R"(Usage: tarin-translator show FILE [--radio-type N] [--mobile]

Prints the configuration of FILE, a mission plan or a platform file ('-' reads standard
input), in the summary form of the writers, as UTF-8 with LF line ends and control
characters escaped. It is a compact view, not a complete one: it leaves some sections
out and shows some values as numbers; 'get' prints every setting.
)";

inline constexpr const char* kSchemaHelp =
    R"(Usage: tarin-translator schema [--radio-type N | --mobile]

Prints an XML Schema (XSD 1.0) of the mission plans of a radio kind (a classic handheld
radio without options), made from the same rows the writer writes: its elements and
attributes, names as enumerations of their tables, numbers in the ranges the reader
converts, texts with their length limits. Every plan that write or set writes for that
radio kind validates against it, e.g. with
  xmllint --noout --schema plan.xsd plan.xml
Its annotations say where it is wider than one element's values (elements of one name
that differ by their key take the widest type) and where the readers take more (numbers
as the C library converts them, hexadecimal numbers, texts cut to their limit).

  --radio-type N  of a handheld radio of radio type N
  --mobile        of a mobile radio (with --radio-type N, of radio type N)
)";

inline constexpr const char* kBatchHelp =
    R"(Usage: tarin-translator batch TEMPLATE FLEET --out DIR [--jobs N] [--dry-run]
                              [--date STAMP] [--radio-type N] [--mobile]

Writes a mission plan per row of the CSV table FLEET into DIR, each the mission plan
TEMPLATE changed as that row says, as 'set' would change it, then DIR/manifest.json.
FLEET (RFC 4180: quoted fields may hold commas, line breaks and doubled quotes; UTF-8
with or without a byte order mark; CR LF or LF) has a header row naming its columns:
  base      the output DIR/BASE.xml: a file name (required, one per row)
  name, description, notes, author, locale, pin, aac-version
            the plan texts (pin and aac-version: handheld plans only)
  fl, ee    image files, relative to FLEET's folder, instead of the template's images
  PATH      any other column: a setting path as 'get' prints it; the cell is assigned
            as 'set' assigns it (one past a list's last entry appends an entry)
An empty cell keeps the template's value; the cell <empty> sets an empty text.

Before anything is written, batch refuses (exit 2, 'FLEET:LINE:COLUMN: reason') a column
that is none of these for the template's radio kind, two columns for one setting, and
a base that is empty, not a single file name ('/', '.' or '..', a control character,
more than 251 bytes) or repeated (also in another letter case). A row whose value or
image does not read, or whose DIR/BASE.xml is a symbolic link, fails alone (exit 1, a
line each) and the other rows are written. DIR is made when missing and locked: a second
batch into it fails at once. Each plan appears complete or not at all, flushed to the
disk.

  --out DIR       the output folder (required)
  --jobs N        write with N workers (default: the processors available)
  --dry-run       check every row, its values and its images, and write nothing
  --date STAMP    the documents' date stamp: YYYY-MM-DDThh:mm:ssZ as the documents carry
                  it, YYYY-MM-DD (midnight UTC) or @SECONDS since 1970 (UTC); without it
                  the environment's SOURCE_DATE_EPOCH (seconds), else the time of
                  writing. With a fixed date two runs write the same bytes, whatever N.
  --radio-type N, --mobile
                  read TEMPLATE as that radio kind (else as it implies)

The manifest (its JSON Schema: schemas/manifest.schema.json) lists the template's size
and SHA-256, the version, the date, and each row in FLEET's order: its line, base,
status (written or failed), reason, and the size and SHA-256 of its document and images.
Progress (rows done of all) shows on standard error when it is a terminal.
)";

}  // namespace tarin::tool
