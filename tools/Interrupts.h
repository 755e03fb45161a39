#pragma once

// The command-line tool's handling of SIGINT, SIGTERM and SIGHUP: the temporary files of
// writes in progress are removed, then the signal ends the program as it would have
// without a handler. A signal that the program was started ignoring stays ignored.
// SIGXFSZ is ignored.

#include <signal.h>

#include "TarinTranslator/api/TarinTranslator.h"

namespace tarin::tool {

inline void removeTemporaryFilesAndEnd(int signal) {
    tarin::removeTemporaryFiles();
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

inline void removeTemporaryFilesOnInterrupt() {
    struct sigaction action {};
    action.sa_handler = removeTemporaryFilesAndEnd;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&action.sa_mask, signal);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction previous {};
        if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN)
            ::sigaction(signal, &action, nullptr);
    }
}

// Ignores SIGXFSZ, so that a write beyond the file size limit fails with EFBIG and removes
// its temporary file instead of ending the program (and leaving that file behind).
inline void ignoreFileSizeLimitSignal() {
    ::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace tarin::tool
