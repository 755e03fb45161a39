#include "TarinTranslator/platform_xml/StrictXml.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <unordered_set>
#include <vector>

namespace tarin {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// A name ends at white space, "=", "/", ">" or a quote.
bool endsName(char c) {
    return isBlank(c) || c == '=' || c == '/' || c == '>' || c == '"' || c == '\'';
}

class Scanner {
  public:
    explicit Scanner(std::string_view text) : text_(text) {}

    MarkupFault run() {
        std::size_t pos = 0;
        if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos = 3;
        while (pos < text_.size() && !fault_) {
            if (text_[pos] != '<') {
                pos = content(pos);
                continue;
            }
            pos = markup(pos);
        }
        return std::move(fault_);
    }

  private:
    static constexpr std::size_t kEnd = std::string_view::npos;

    void fail(std::size_t at, std::string what) {
        if (!fault_) fault_ = {at, std::move(what), false};
    }
    // Markup the scan does not follow: the parser judges the document from here on.
    std::size_t lose(std::size_t at) {
        if (!fault_) fault_ = {at, "markup the scan does not follow", true};
        return text_.size();
    }

    // Text up to the next "<": white space only outside the root element, character
    // references to allowed characters inside it.
    std::size_t content(std::size_t pos) {
        std::size_t lt = text_.find('<', pos);
        if (lt == kEnd) lt = text_.size();
        if (depth_ == 0) {
            for (std::size_t i = pos; i < lt; ++i)
                if (!isBlank(text_[i])) {
                    fail(i, root_ ? "text after the root element" : "text before the root element");
                    return lt;
                }
        } else {
            references(pos, lt);
        }
        return lt;
    }

    // Checks the character references in [from, to).
    void references(std::size_t from, std::size_t to) {
        const char* base = text_.data();
        for (std::size_t i = from; i < to && !fault_;) {
            const void* amp = std::memchr(base + i, '&', to - i);
            if (!amp) return;
            i = static_cast<std::size_t>(static_cast<const char*>(amp) - base);
            reference(i, to);
            ++i;
        }
    }

    // A reference "&#NNN;" or "&#xHHH;" at `at`: its character must be one XML allows. A
    // reference that is not of this form is left to the parser.
    void reference(std::size_t at, std::size_t to) {
        std::size_t i = at + 1;
        if (i >= to || text_[i] != '#') return;
        ++i;
        const bool hex = i < to && text_[i] == 'x';
        if (hex) ++i;
        uint64_t value = 0;
        std::size_t digits = 0;
        for (; i < to; ++i, ++digits) {
            const char c = text_[i];
            int d = c >= '0' && c <= '9'          ? c - '0'
                    : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                  : -1;
            if (d < 0) break;
            value =
                std::min<uint64_t>(value * (hex ? 16 : 10) + static_cast<uint64_t>(d), 0x110000);
        }
        if (digits == 0 || i >= to || text_[i] != ';') return;
        if (isXmlChar(static_cast<char32_t>(value))) return;
        const std::string written(text_.substr(at, i + 1 - at).substr(0, 24));
        char character[32];
        if (value > 0x10FFFF) {
            std::snprintf(character, sizeof character, "a value beyond U+10FFFF");
        } else {
            std::snprintf(character, sizeof character, "U+%04X", static_cast<unsigned>(value));
        }
        fail(at, "the character reference " + written + " stands for " + character +
                     ", which XML does not allow");
    }

    // The end of `close` after `from`, or kEnd.
    std::size_t after(std::size_t from, std::string_view close) const {
        const std::size_t at = text_.find(close, from);
        return at == kEnd ? kEnd : at + close.size();
    }

    std::size_t markup(std::size_t pos) {
        const std::string_view rest = text_.substr(pos);
        std::size_t end;
        if (rest.rfind("<!--", 0) == 0) {
            end = after(pos + 4, "-->");
        } else if (rest.rfind("<![CDATA[", 0) == 0) {
            end = after(pos + 9, "]]>");
        } else if (rest.rfind("<?", 0) == 0) {
            end = after(pos + 2, "?>");
        } else if (rest.rfind("<!", 0) == 0) {
            end = declaration(pos + 2);
        } else if (rest.rfind("</", 0) == 0) {
            end = text_.find('>', pos);
            if (end != kEnd) {
                if (depth_ == 0) return lose(pos);
                --depth_;
                ++end;
            }
        } else {
            return startTag(pos);
        }
        return end == kEnd ? text_.size() : end;
    }

    // A declaration such as <!DOCTYPE ...>: quoted texts, and an internal subset in
    // brackets of declarations, comments and processing instructions.
    std::size_t declaration(std::size_t pos) {
        bool subset = false;
        int nested = 0;
        for (std::size_t i = pos; i < text_.size(); ++i) {
            const char c = text_[i];
            std::size_t skipTo = kEnd;
            if (c == '"' || c == '\'') {
                skipTo = text_.find(c, i + 1);
                if (skipTo == kEnd) return kEnd;
            } else if (text_.compare(i, 4, "<!--") == 0) {
                skipTo = after(i + 4, "-->");
                if (skipTo == kEnd) return kEnd;
                --skipTo;
            } else if (text_.compare(i, 2, "<?") == 0) {
                skipTo = after(i + 2, "?>");
                if (skipTo == kEnd) return kEnd;
                --skipTo;
            } else if (subset) {
                if (c == '<') ++nested;
                if (c == '>' && nested > 0) --nested;
                if (c == ']' && nested == 0) subset = false;
            } else if (c == '[') {
                subset = true;
            } else if (c == '>') {
                return i + 1;
            }
            if (skipTo != kEnd) i = skipTo;
        }
        return kEnd;
    }

    std::size_t startTag(std::size_t pos) {
        std::size_t i = pos + 1;
        if (depth_ == 0 && root_) {
            fail(i, "a second root element (a document holds one)");
            return text_.size();
        }
        const std::size_t name = i;
        while (i < text_.size() && !endsName(text_[i])) ++i;
        if (i == name) return lose(pos);
        const std::string_view element = text_.substr(name, i - name);
        names_.clear();
        many_.clear();
        for (;;) {
            while (i < text_.size() && isBlank(text_[i])) ++i;
            if (i >= text_.size()) return i;
            if (text_[i] == '>') {
                ++depth_;
                root_ = true;
                return i + 1;
            }
            if (text_[i] == '/') {
                if (i + 1 < text_.size() && text_[i + 1] != '>') return lose(i);
                root_ = true;
                return std::min(i + 2, text_.size());
            }
            const std::size_t attribute = i;
            while (i < text_.size() && !endsName(text_[i])) ++i;
            if (i == attribute) return lose(i);
            const std::string_view attributeName = text_.substr(attribute, i - attribute);
            while (i < text_.size() && isBlank(text_[i])) ++i;
            if (i >= text_.size()) return i;
            if (text_[i] != '=') return lose(i);
            ++i;
            while (i < text_.size() && isBlank(text_[i])) ++i;
            if (i >= text_.size()) return i;
            const char quote = text_[i];
            if (quote != '"' && quote != '\'') return lose(i);
            const std::size_t close = text_.find(quote, i + 1);
            if (close == kEnd) return text_.size();
            references(i + 1, close);
            if (seenBefore(attributeName))
                fail(attribute, "attribute " + std::string(attributeName.substr(0, 64)) +
                                    " appears twice in element " +
                                    std::string(element.substr(0, 64)));
            if (fault_) return text_.size();
            i = close + 1;
        }
    }

    // Whether the element started has had an attribute of this name already.
    bool seenBefore(std::string_view name) {
        constexpr std::size_t kFew = 16;
        if (names_.size() < kFew) {
            if (std::find(names_.begin(), names_.end(), name) != names_.end()) return true;
            names_.push_back(name);
            if (names_.size() == kFew) many_ = {names_.begin(), names_.end()};
            return false;
        }
        return !many_.insert(name).second;
    }

    std::string_view text_;
    std::size_t depth_ = 0;
    bool root_ = false;  // the root element has begun
    std::vector<std::string_view> names_;
    std::unordered_set<std::string_view> many_;
    MarkupFault fault_;
};

}  // namespace

MarkupFault firstMarkupFault(std::string_view text) {
    return Scanner(text).run();
}

}  // namespace tarin
