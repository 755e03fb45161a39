#pragma once

// The platform types of the public interface: the message handler that stands in for
// the modal message box, the file error, and text conversions.

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>

#include "TarinTranslator/platform/Export.h"

namespace tarin {

// Receives the messages the library would show in a modal message box.
using MessageHandler = std::function<void(const std::wstring& message)>;

// Replaces the message handler; an empty handler restores the default, which writes
// the message as one line to standard error. Returns the previous handler.
TARIN_API MessageHandler setMessageHandler(MessageHandler handler);

// An image or output file that cannot be read or written. what() reads "WHAT: FILE" or,
// with a reason (the system's), "WHAT: FILE: REASON".
class TARIN_API FileError : public std::runtime_error {
  public:
    FileError(const std::filesystem::path& file, const std::string& what);
    FileError(const std::filesystem::path& file, const std::string& what,
              const std::string& reason);
    const std::filesystem::path& file() const { return file_; }

  private:
    std::filesystem::path file_;
};

// UTF-8 <-> wide conversions (wide text holds one code point per unit).
TARIN_API std::string toUtf8(std::wstring_view text);
TARIN_API std::wstring fromUtf8(std::string_view text);

}  // namespace tarin
