#pragma once

// The state of a configuration read for its settings, shared by reading and changing.

#include <memory>
#include <optional>
#include <pugixml.hpp>
#include <string>

#include "TarinTranslator/api/Internal.h"
#include "TarinTranslator/api/Settings.h"

namespace tarin {

// Parse options of the written platformConfig text whose values settings show: attribute
// values as XML gives them (line breaks and tabs become blanks, nothing else changes), as
// other XML readers of a platform file see them.
inline constexpr unsigned kSettingsParseOptions =
    pugi::parse_cdata | pugi::parse_escapes | pugi::parse_eol | pugi::parse_wconv_attribute;

struct Configuration::State {
    ReadAs as;
    bool plan = false;
    ReadResult result;
    std::unique_ptr<detail::ReadPlan> record;
    pugi::xml_document written;
    // The document as read, kept when its read failed (else only its platformConfig).
    detail::DocumentText text;
    pugi::xml_document document;
    pugi::xml_node documentConfig;
    Configuration::Plan facts;

    pugi::xml_node writtenConfig() const { return written.child("platformConfig"); }
};

namespace detail {

// Reads `text` into `state`: the document (kept, parsed in place), what it is read as, the
// record, the result and the written platformConfig. With `digestImages` a plan's images
// are only hashed; otherwise they are decoded where they stand (state.record's views).
void readConfiguration(Configuration::State& state, DocumentText text, std::optional<ReadAs> as,
                       bool digestImages);

// What changes work on: a record and its written platformConfig element.
struct Editable {
    ReadPlan& record;
    pugi::xml_document& written;
};

// Applies `changes` to `target` as setSettings does (removals, assignments, then the plan
// texts, cut to what a plan keeps): the reason of the first change refused (its path in
// `path`; `target` is then partly changed), or nothing. setSettings reads the element
// again after each change (or each entry appended with its values); `together` does so
// only before a change that appends an entry and at the end, which is faster, checks the
// values as they end up together, and names all paths read together in a reason.
std::optional<ReadNote> applyChanges(const Editable& target, const SettingChanges& changes,
                                     bool together = false);

// Hands out the bytes of `bytes` (which must outlive it), as an image's reader.
ImageReader readerOf(std::span<const uint8_t> bytes);

// The lists (by their entries' paths without predicates) that take new entries.
std::vector<std::string_view> listsTakingEntries();
// Adds to `record` a default entry of `list` under `key` (for a list kept by a key) or after
// its last; `parent` is the entry above, for a list below a list's entry. False when the
// key does not read or the list takes no entries.
bool addListEntry(std::string_view list, HandheldPlatform& record, const HandheldPlatform& defaults,
                  std::string_view key, pugi::xml_node parent);

}  // namespace detail
}  // namespace tarin
