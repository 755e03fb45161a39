#pragma once

// The platform types of the public interface: the message handler that stands in for
// the modal message box, the file error, and text conversions (from Utf8.h).

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

#include "TarinTranslator/host/Export.h"
#include "TarinTranslator/host/ReasonCode.h"
#include "TarinTranslator/host/Utf8.h"

namespace tarin {

// What a message of the library is: information (the mission plan reader's diagnostic
// lines), a warning (a version stamp other than the library's), or a failure (the message
// a parse that fails shows the user).
enum class MessageKind { Information, Warning, Failure };

// Receives every message of the library with its kind.
using MessageSink = std::function<void(MessageKind kind, const std::wstring& message)>;

// Receives every message of the library without its kind.
using MessageHandler = std::function<void(const std::wstring& message)>;

// Replaces where messages go; an empty sink or handler restores the default, which
// writes information to standard output and warnings and failures to standard error,
// each message followed by a line break. A sink or handler set receives every message,
// and nothing then reaches the standard streams. Each returns what was set before (of
// its own form, or the other form adapted to it).
TARIN_API MessageSink setMessageSink(MessageSink sink);
TARIN_API MessageHandler setMessageHandler(MessageHandler handler);

// An image or output file that cannot be read or written. It has three parts: the file,
// what was done or found ("Cannot open image file", "Cannot write", "Not a regular file")
// and, where there is one, the reason (the system's). what() reads "WHAT: FILE" or, with a
// reason, "WHAT: FILE: REASON". error() is the errno value behind it (EISDIR or EINVAL for
// a file of the wrong kind, EACCES for a link not followed; 0 where none is known).
class TARIN_API FileError : public std::runtime_error {
  public:
    FileError(const std::filesystem::path& file, const std::string& what);
    FileError(const std::filesystem::path& file, const std::string& what, const std::string& reason,
              int error = 0);
    const std::filesystem::path& file() const { return file_; }
    const std::string& action() const { return action_; }
    const std::string& reason() const { return reason_; }  // empty when there is none
    int error() const { return error_; }

  private:
    std::filesystem::path file_;
    std::string action_;
    std::string reason_;
    int error_ = 0;
};

// A plan text handed to a write that no document can hold: it holds a character that
// XML 1.0 does not allow (a control character other than tab, line feed and carriage
// return, a surrogate, U+FFFE, U+FFFF, or a value beyond U+10FFFF). Nothing is written.
class TARIN_API TextError : public std::invalid_argument {
  public:
    TextError(const std::string& text, std::size_t position);
    const std::string& text() const { return text_; }   // which text: "name", "notes", ...
    std::size_t position() const { return position_; }  // of the character, from 0

  private:
    std::string text_;
    std::size_t position_;
};

// The position of the first character of `text` that XML 1.0 does not allow, or
// std::wstring_view::npos when there is none.
TARIN_API std::size_t findNonXmlCharacter(std::wstring_view text);

}  // namespace tarin
