#include "TarinTranslator/host/Platform.h"

#include <cstdlib>
#include <iostream>

#include "TarinTranslator/host/Services.h"

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
        "bad-file-name",
    };
    const auto index = static_cast<std::size_t>(code);
    return index < std::size(kNames) ? kNames[index] : "none";
}

FileError::FileError(const std::filesystem::path& file, const std::string& what)
    : FileError(file, what, "") {}

FileError::FileError(const std::filesystem::path& file, const std::string& what,
                     const std::string& reason, int error)
    : std::runtime_error(what + ": " + file.string() + (reason.empty() ? "" : ": " + reason)),
      file_(file),
      action_(what),
      reason_(reason),
      error_(error) {}

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

}  // namespace tarin
