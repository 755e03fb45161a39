// Reads the input as a platform file (.pd) into a defaulted record of each kind, as a
// write from a platform file does, with and without a ReadLog.

#include "fuzz/ReadPaths.h"

using namespace tarin;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setMessageSink([](MessageKind, const std::wstring&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const fuzz::Kind& kind : fuzz::kKinds)
        fuzz::requireClean(fuzz::readPlatform(text, kind), kind, "platform text");
    return 0;
}
