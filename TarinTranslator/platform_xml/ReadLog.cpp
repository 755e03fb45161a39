#include "TarinTranslator/platform_xml/ReadLog.h"

#include <algorithm>
#include <bit>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "TarinTranslator/platform_xml/Convert.h"
#include "TarinTranslator/platform_xml/Paths.h"

namespace tarin {

namespace {

thread_local ReadLog* tLog = nullptr;

constexpr std::size_t kQuotedCharacters = 40;
constexpr std::size_t kNamesListed = 12;

}  // namespace

ReadLog* readLog() {
    return tLog;
}

ReadLogScope::ReadLogScope(ReadLog* log) : previous_(tLog) {
    tLog = log;
}

ReadLogScope::~ReadLogScope() {
    tLog = previous_;
}

void ReadLog::indexLines(std::string_view text) {
    indexed_ = true;
    size_ = text.size();
    const std::size_t blocks = (text.size() + kBlockBytes - 1) / kBlockBytes;
    blockAt_.assign(blocks, kNoLineFeed);
    linesBefore_.assign(blocks, 0);
    pool_.clear();
    // The most it can take, reserved once: pages that are never written take no memory, and
    // the pool never moves while it grows.
    pool_.reserve(blocks * kWordsPerBlock);
    lines_ = 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    for (std::size_t block = 0; block < blocks; ++block) {
        uint64_t words[kWordsPerBlock] = {};
        const std::size_t start = block * kBlockBytes;
        const std::size_t end = std::min(start + kBlockBytes, text.size());
        std::size_t i = start;
#ifdef __SSE2__
        // 64 bytes, one word of the index, at a time: comparisons give the line feeds'
        // bits directly.
        const __m128i feed = _mm_set1_epi8('\n');
        const auto feeds = [&](std::size_t at) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at));
            return static_cast<uint64_t>(
                static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, feed))));
        };
        for (; i + 64 <= end; i += 64)
            words[(i - start) / 64] =
                feeds(i) | feeds(i + 16) << 16 | feeds(i + 32) << 32 | feeds(i + 48) << 48;
#endif
        for (; i < end; ++i)
            if (bytes[i] == '\n') words[(i - start) / 64] |= uint64_t{1} << (i % 64);
        linesBefore_[block] = lines_;
        uint64_t any = 0;
        for (uint64_t word : words) any |= word;
        if (!any) continue;
        std::size_t found = 0;
        for (uint64_t word : words) found += static_cast<std::size_t>(std::popcount(word));
        // Only blocks with line feeds keep their bits: a document that is mostly one long
        // line of Base64 costs next to nothing.
        blockAt_[block] = static_cast<uint32_t>(pool_.size() / kWordsPerBlock);
        pool_.insert(pool_.end(), std::begin(words), std::end(words));
        lines_ += found;
    }
}

uint64_t ReadLog::feedsIn(std::size_t word) const {
    const std::size_t block = word / kWordsPerBlock;
    if (block >= blockAt_.size() || blockAt_[block] == kNoLineFeed) return 0;
    return pool_[std::size_t{blockAt_[block]} * kWordsPerBlock + word % kWordsPerBlock];
}

void ReadLog::useDocument(const pugi::xml_document& doc) {
    base_ = nullptr;
    // The parser keeps names where they stand in its text, so any element tells where the
    // text starts.
    for (pugi::xml_node node = doc.first_child(); node; node = node.next_sibling()) {
        const std::ptrdiff_t offset = node.offset_debug();
        if (offset >= 0 && node.type() == pugi::node_element) {
            base_ = node.name() - offset;
            break;
        }
    }
}

std::pair<std::size_t, std::size_t> ReadLog::place(std::ptrdiff_t offset) const {
    const auto at = static_cast<std::size_t>(offset);
    if (offset < 0 || !indexed_ || at > size_) return {0, 0};
    const auto ones = [](uint64_t bits) { return static_cast<std::size_t>(std::popcount(bits)); };
    const std::size_t word = at / 64, block = word / kWordsPerBlock;
    const uint64_t below = (uint64_t{1} << (at % 64)) - 1;
    // Line feeds before `at`: those before its block, then those of its block before it.
    std::size_t line = 1 + (block < linesBefore_.size() ? linesBefore_[block] : lines_);
    for (std::size_t w = block * kWordsPerBlock; w < word; ++w) line += ones(feedsIn(w));
    uint64_t bits = feedsIn(word) & below;
    line += ones(bits);
    // The line starts after the last line feed before `at`; blocks without any are
    // passed over whole.
    std::size_t w = word;
    while (!bits && w > 0) {
        --w;
        const std::size_t b = w / kWordsPerBlock;
        if (blockAt_[b] == kNoLineFeed) {
            w = b * kWordsPerBlock;
            continue;
        }
        bits = feedsIn(w);
    }
    if (!bits) return {line, at + 1};
    const std::size_t lastFeed = w * 64 + 63 - static_cast<std::size_t>(std::countl_zero(bits));
    return {line, at - lastFeed};
}

std::ptrdiff_t ReadLog::offsetOf(pugi::xml_node node) const {
    return node ? node.offset_debug() : -1;
}

std::ptrdiff_t ReadLog::offsetOf(pugi::xml_attribute attr) const {
    return attr ? offsetOf(attr.name()) : -1;
}

std::ptrdiff_t ReadLog::offsetOf(const char* inText) const {
    if (!base_ || !inText || inText < base_) return -1;
    const std::ptrdiff_t offset = inText - base_;
    return static_cast<std::size_t>(offset) < size_ ? offset : -1;
}

void ReadLog::fail(std::string text, std::ptrdiff_t offset, ReasonCode code, std::string path) {
    if (failed_) return;
    failed_ = true;
    failure_ = {std::move(text), offset, code, std::move(path)};
}

void ReadLog::warn(std::string text, std::ptrdiff_t offset, ReasonCode code, std::string path) {
    warnings_.push_back({std::move(text), offset, code, std::move(path)});
}

void ReadLog::note(pugi::xml_node where, std::string attribute, std::string text,
                   std::ptrdiff_t offset, ReasonCode code, pugi::xml_attribute attr) {
    warnNoted();
    note_ = {.pending = true,
             .path = where ? elementPath(where) : std::string(),
             .attribute = std::move(attribute),
             .text = std::move(text),
             .offset = offset >= 0 ? offset : offsetOf(where),
             .code = code,
             .element = where,
             .attr = attr};
}

void ReadLog::noteNumber(std::string attribute, int64_t value, std::string what) {
    note({}, std::move(attribute), std::move(what), -1, ReasonCode::OutOfRange);
    note_.numbered = true;
    note_.number = value;
}

namespace {

// Whether `text` reads as `value`, as a signed or an unsigned number, decimal or hexadecimal.
bool readsAs(const char* text, int64_t value) {
    for (int base : {10, 16}) {
        int32_t s = 0;
        uint32_t u = 0;
        if ((parseLong(text, base, kLongMin, kLongMax, s) && s == value) ||
            (parseULong(text, base, 0, kULongMax, u) && u == value))
            return true;
    }
    return false;
}

}  // namespace

Finding ReadLog::findingOf(const Note& note, pugi::xml_node section) const {
    std::string path = !note.path.empty() ? note.path : elementPath(section);
    std::ptrdiff_t offset = note.offset;
    pugi::xml_attribute attr = note.attr;
    pugi::xml_node element = note.element;
    if (attr && !element && section) {
        // The element that holds the attribute the note is about.
        element = section.find_node([&](pugi::xml_node n) {
            for (pugi::xml_attribute a : n.attributes())
                if (a == attr) return true;
            return false;
        });
        if (!element && section.attribute(attr.name()) == attr) element = section;
    }
    if (!attr && !note.attribute.empty() && section) {
        // A check names its attribute but not where it stands: the first one of that name
        // in the section.
        const char* name = note.attribute.c_str();
        attr = section.attribute(name);
        element = section;
        if (!attr) {
            element = section.find_node(
                [name](pugi::xml_node n) { return static_cast<bool>(n.attribute(name)); });
            attr = element.attribute(name);
        }
        if (offset < 0) offset = attr ? offsetOf(attr) : offsetOf(section);
    }
    if (offset < 0) offset = offsetOf(section);
    std::string text = note.text;
    if (note.numbered)
        text = note.attribute + "=" +
               (attr && readsAs(attr.value(), note.number) ? quoted(attr.value())
                                                           : std::to_string(note.number)) +
               " " + text;
    if (!element) element = section;
    std::string setting = element ? elementPathOf(element) : std::string();
    if (!note.attribute.empty() && element) setting += "/@" + note.attribute;
    return {path.empty() ? text : path + ": " + text, offset, note.code, setting};
}

void ReadLog::failNoted(pugi::xml_node section, std::string_view fallback) {
    if (note_.pending) {
        Finding f = findingOf(note_, section);
        note_.pending = false;
        fail(std::move(f.text), f.offset, f.code, std::move(f.path));
    } else {
        fail(std::string(fallback), offsetOf(section), ReasonCode::CheckFailed,
             elementPathOf(section));
    }
}

void ReadLog::warnNoted(pugi::xml_node section) {
    if (!note_.pending) return;
    Finding f = findingOf(note_, section);
    note_.pending = false;
    warn(std::move(f.text), f.offset, f.code, std::move(f.path));
}

void ReadLog::recordSections(pugi::xml_node platformConfig) {
    sections_.clear();
    for (pugi::xml_node child : platformConfig.children())
        if (child.type() == pugi::node_element)
            sections_.push_back({child.name(), offsetOf(child), ReasonCode::None, child.name()});
}

void ReadLog::dropNote() {
    note_.pending = false;
}

std::string quoted(std::string_view value) {
    std::string out = "'";
    std::size_t characters = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const auto c = static_cast<unsigned char>(value[i]);
        if ((c & 0xC0) != 0x80 && characters++ == kQuotedCharacters) {
            out += "...";
            break;
        }
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            static const char kHex[] = "0123456789ABCDEF";
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "'";
}

std::string elementPath(pugi::xml_node node) {
    std::string path;
    for (; node && node.type() == pugi::node_element; node = node.parent()) {
        path = path.empty() ? std::string(node.name()) : std::string(node.name()) + "/" + path;
        if (std::strcmp(node.name(), "platformConfig") == 0) break;
    }
    return path;
}

std::string notOneOfTheNames(const VocabTable& table) {
    if (table.count > kNamesListed)
        return "is not one of its " + std::to_string(table.count) +
               " names (tarin-translator(1) lists them under NAMES)";
    std::string out = "is not one of its names (";
    for (std::size_t i = 0; i < table.count; ++i) {
        if (i) out += ", ";
        out += table.entries[i].name[0] ? table.entries[i].name : "(empty)";
    }
    return out + ")";
}

void noteConversion(pugi::xml_node where, pugi::xml_attribute attr, std::string why,
                    ReasonCode code) {
    if (ReadLog* log = readLog())
        log->note(where, attr.name(),
                  std::string("attribute ") + attr.name() + "=" + quoted(attr.value()) + " " + why,
                  log->offsetOf(attr), code, attr);
}

void warnRepeatedKey(pugi::xml_node entry, const char* attribute, bool replaces) {
    ReadLog* log = readLog();
    if (!log) return;
    pugi::xml_attribute key = entry.attribute(attribute);
    log->warn(elementPath(entry) + ": " + attribute + "=" + quoted(key.value()) +
                  " repeats the key of an earlier entry; " +
                  (replaces ? "this entry replaces it" : "this entry is dropped"),
              key ? log->offsetOf(key) : log->offsetOf(entry), ReasonCode::RepeatedKey,
              elementPathOf(entry));
}

void noteMissing(pugi::xml_node where, const char* attribute) {
    if (ReadLog* log = readLog())
        log->note(where, attribute, std::string("attribute ") + attribute + " is missing", -1,
                  ReasonCode::MissingAttribute);
}

void noteProblem(pugi::xml_node where, std::string text, ReasonCode code) {
    if (ReadLog* log = readLog()) log->note(where, std::string(), std::move(text), -1, code);
}

}  // namespace tarin
