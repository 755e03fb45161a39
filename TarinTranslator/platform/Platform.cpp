#include "TarinTranslator/platform/Platform.h"

#include <cstdlib>
#include <iostream>
#include <pugixml.hpp>

#include "TarinTranslator/platform/Services.h"
#include "TarinTranslator/platform_xml/Encoding.h"

namespace tarin {

namespace {

std::mutex handlerLock;

// Where messages go: at most one of the two is set.
struct Receivers {
    MessageSink sink;
    MessageHandler handler;
};

Receivers& receivers() {
    static Receivers r;
    return r;
}

}  // namespace

MessageSink setMessageSink(MessageSink sink) {
    std::lock_guard<std::mutex> guard(handlerLock);
    Receivers& r = receivers();
    MessageSink previous = std::move(r.sink);
    if (!previous && r.handler)
        previous = [h = r.handler](MessageKind, const std::wstring& message) { h(message); };
    r.sink = std::move(sink);
    r.handler = nullptr;
    return previous;
}

MessageHandler setMessageHandler(MessageHandler handler) {
    std::lock_guard<std::mutex> guard(handlerLock);
    Receivers& r = receivers();
    MessageHandler previous = std::move(r.handler);
    if (!previous && r.sink)
        previous = [s = r.sink](const std::wstring& message) { s(MessageKind::Failure, message); };
    r.handler = std::move(handler);
    r.sink = nullptr;
    return previous;
}

void deliverMessage(MessageKind kind, const std::wstring& message) {
    Receivers current;
    {
        std::lock_guard<std::mutex> guard(handlerLock);
        current = receivers();
    }
    if (current.sink) {
        current.sink(kind, message);
    } else if (current.handler) {
        current.handler(message);
    } else {
        std::ostream& out = kind == MessageKind::Information ? std::cout : std::cerr;
        out << toUtf8(message) << std::endl;
    }
}

void showMessage(const std::wstring& message) {
    deliverMessage(MessageKind::Failure, message);
}

const char* reasonCodeName(ReasonCode code) {
    static const char* const kNames[] = {
        "none",
        "not-well-formed",
        "bad-encoding",
        "wrong-kind",
        "missing-element",
        "missing-attribute",
        "not-a-name",
        "out-of-range",
        "too-long",
        "too-short",
        "forbidden-character",
        "entry-refused",
        "check-failed",
        "bad-blob",
        "repeated-key",
        "version-mismatch",
        "section-dropped",
        "left-out",
        "file-error",
        "no-setting",
        "several-settings",
        "value-changed",
        "not-a-list-entry",
    };
    const auto index = static_cast<std::size_t>(code);
    return index < std::size(kNames) ? kNames[index] : "none";
}

FileError::FileError(const std::filesystem::path& file, const std::string& what)
    : FileError(file, what, "") {}

FileError::FileError(const std::filesystem::path& file, const std::string& what,
                     const std::string& reason)
    : std::runtime_error(what + ": " + file.string() + (reason.empty() ? "" : ": " + reason)),
      file_(file),
      action_(what),
      reason_(reason) {}

TextError::TextError(const std::string& text, std::size_t position)
    : std::invalid_argument("the text " + text + " holds a character that XML does not allow, at " +
                            std::to_string(position + 1)),
      text_(text),
      position_(position) {}

std::size_t findNonXmlCharacter(std::wstring_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!isXmlChar(static_cast<char32_t>(text[i]))) return i;
    return std::wstring_view::npos;
}

std::string tempDirectory() {
    // The folder the environment names, as it names it: one that does not exist makes the
    // files written there fail with its name, rather than go elsewhere unasked.
    std::string text = "/tmp";
    for (const char* name : {"TMPDIR", "TMP", "TEMP", "TEMPDIR"}) {
        const char* value = std::getenv(name);
        if (value && *value) {
            text = value;
            break;
        }
    }
    if (text.back() != '/') text += '/';
    return text;
}

namespace {

// UTF-8 length of one wide character. Values that are not characters (surrogates, values
// beyond U+10FFFF) are encoded by the same rule, so that a reader of the result refuses
// them as the invalid UTF-8 they become.
std::size_t utf8Length(uint32_t c) {
    return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

}  // namespace

std::string toUtf8(std::wstring_view text) {
    // Documents handed over as wide text run to tens of megabytes, almost all ASCII: both
    // passes are plain loops that the compiler vectorises.
    std::size_t length = 0;
    for (wchar_t c : text) length += utf8Length(static_cast<uint32_t>(c));
    std::string out(length, '\0');
    char* w = out.data();
    for (std::size_t i = 0; i < text.size();) {
        // Runs of ASCII, eight at a time.
        if (i + 8 <= text.size()) {
            uint32_t any = 0;
            for (std::size_t k = 0; k < 8; ++k) any |= static_cast<uint32_t>(text[i + k]);
            if (any < 0x80) {
                for (std::size_t k = 0; k < 8; ++k) w[k] = static_cast<char>(text[i + k]);
                w += 8, i += 8;
                continue;
            }
        }
        uint32_t c = static_cast<uint32_t>(text[i++]);
        if (c > 0x1FFFFF) c = 0x1FFFFF;  // four bytes at most; not a character either way
        const std::size_t n = utf8Length(c);
        static constexpr unsigned char kLead[] = {0, 0, 0xC0, 0xE0, 0xF0};
        if (n == 1) {
            *w++ = static_cast<char>(c);
            continue;
        }
        for (std::size_t k = n - 1; k > 0; --k) {
            w[k] = static_cast<char>(0x80 | (c & 0x3F));
            c >>= 6;
        }
        w[0] = static_cast<char>(kLead[n] | c);
        w += n;
    }
    return out;
}

std::wstring fromUtf8(std::string_view text) {
    return pugi::as_wide(std::string(text));
}

}  // namespace tarin
