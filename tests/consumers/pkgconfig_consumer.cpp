// Writes a small handheld mission plan through the exported C functions and parses it
// back; built as C++17 with the flags of pkg-config.

#include <TarinTranslator/api/Exports.h>
#include <TarinTranslator/api/TarinTranslator.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

static std::string slurp(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    fs::path dir = argv[1];
    fs::create_directories(dir);
    std::ofstream(dir / "plan.fl", std::ios::binary) << "fl";
    std::ofstream(dir / "plan.ee", std::ios::binary) << std::string("\x00\xFF", 2);
    const CString base(tarin::fromUtf8((dir / "plan").string()));
    if (!TarinRadioWrite(base, L"consumer", L"", L"", L"", L"en", L"", L"", 0)) return 1;
    const CString text(tarin::fromUtf8(slurp(dir / "plan.xml")));
    const CString back(tarin::fromUtf8((dir / "back").string()));
    if (ParseTarinData(text, back, false, 0, false) != 1) return 1;
    if (slurp(dir / "back.fl") != "fl" || slurp(dir / "back.ee") != slurp(dir / "plan.ee")) {
        std::cerr << "the images did not come back\n";
        return 1;
    }
    std::cout << "pkg-config consumer (C++" << __cplusplus / 100 % 100 << "): wrote and parsed "
              << (dir / "plan.xml").string() << "\n";
    return 0;
}
