// Reads the input through the library's readers: fuzz_handheld as a handheld mission plan
// of each radio type group, fuzz_mobile as a mobile plan, fuzz_platform as a platform file
// (.pd) read into a defaulted record of each kind, as a write from a platform file does.
// Every read runs with and without the reason log (ReadPaths.h).

#include "fuzz/ReadPaths.h"

using namespace tarin;

namespace {
enum class Read { Handheld, Mobile, Platform };
constexpr Read kRead = Read::TARIN_FUZZ_READ;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setMessageSink([](MessageKind, const std::wstring&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const fuzz::Kind& kind : fuzz::kKinds) {
        if (kRead == Read::Platform)
            fuzz::requireClean(fuzz::readPlatform(text, kind), kind, "platform text");
        else if (kind.mobile == (kRead == Read::Mobile))
            fuzz::requireClean(fuzz::readDocument(text, kind), kind, "document");
    }
    return 0;
}
