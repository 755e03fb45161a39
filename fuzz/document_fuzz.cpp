// Reads the input as a mission plan document: as a handheld plan of each radio type group
// (fuzz_handheld) or as a mobile plan (fuzz_mobile), through the plain reader and the
// check that says why.

#include "fuzz/ReadPaths.h"

using namespace tarin;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setMessageSink([](MessageKind, const std::wstring&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view document(reinterpret_cast<const char*>(data), size);
    for (const fuzz::Kind& kind : fuzz::kKinds)
        if (kind.mobile == TARIN_FUZZ_MOBILE)
            fuzz::requireClean(fuzz::readDocument(document, kind), kind, "document");
    return 0;
}
