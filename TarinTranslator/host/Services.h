#pragma once

// Platform services used inside the library: the modal message, the temporary
// directory and the process-wide lock.

#include <mutex>
#include <string>

#include "TarinTranslator/host/Platform.h"

namespace tarin {

// Shows `message` through the current handler (one acknowledgement, no choice): a
// failure the user must acknowledge.
void showMessage(const std::wstring& message);

// Hands a message of the given kind to the current sink or handler.
void deliverMessage(MessageKind kind, const std::wstring& message);

// The system's temporary directory, with a trailing separator: the first of $TMPDIR,
// $TMP, $TEMP and $TEMPDIR that is set and not empty, else /tmp.
std::string tempDirectory();

// A process-wide lock that can be held across a scope.
using CriticalSection = std::mutex;

}  // namespace tarin
