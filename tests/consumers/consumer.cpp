// A program that uses the installed library: writes a small handheld mission plan through
// the C++ API and one through the exported C functions, parses both back and checks the
// images, changes a setting and compares the plans, and copies an option object. Built with CMake
// (C++20) and with pkg-config (C++17).

#include <TarinTranslator/api/Exports.h>
#include <TarinTranslator/api/Settings.h>
#include <TarinTranslator/api/TarinTranslator.h>
#include <TarinTranslator/options/CPowerUpOpts.h>
// The host headers' former paths.
#include <TarinTranslator/platform/CSerial.h>
#include <TarinTranslator/platform/CString.h>
#include <TarinTranslator/platform/Export.h>
#include <TarinTranslator/platform/Platform.h>
#include <TarinTranslator/platform/ReasonCode.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

static std::string slurp(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

static void put(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    fs::path dir = argv[1];
    fs::create_directories(dir);
    put(dir / "cpp.fl", std::string("\x00\x7F\xFF", 3));
    put(dir / "cpp.ee", "ee");
    tarin::PlanTexts texts;
    texts.name = L"consumer";
    bool ok = tarin::writeHandheldMissionPlan(dir / "cpp", texts, 0) &&
              tarin::unpackHandheldMissionPlanFile(dir / "cpp.xml", dir / "cpp-back") &&
              slurp(dir / "cpp-back.fl") == slurp(dir / "cpp.fl") &&
              slurp(dir / "cpp-back.ee") == "ee";

    put(dir / "c.fl", "fl");
    put(dir / "c.ee", "");
    const CString base(tarin::fromUtf8((dir / "c").string()));
    const CString back(tarin::fromUtf8((dir / "c-back").string()));
    ok =
        ok && TarinRadioWrite(base, L"consumer", L"", L"", L"", L"en", L"", L"", 0) &&
        ParseTarinData(tarin::fromUtf8(slurp(dir / "c.xml")).c_str(), back, false, 0, false) == 1 &&
        slurp(dir / "c-back.fl") == "fl";

    // A setting by its path, changed, and the two plans compared.
    ok = ok &&
         tarin::setSettings(dir / "cpp.xml", {{{"TimeDateCfg/@zone", "CET"}}, {}, {}},
                            dir / "cpp-set.xml") &&
         tarin::compareConfigurations(tarin::Configuration::read(slurp(dir / "cpp.xml")),
                                      tarin::Configuration::read(slurp(dir / "cpp-set.xml"))) ==
             std::vector<tarin::Difference>{{"TimeDateCfg/@zone", "EST", "CET"}};

    CPowerUpOpts options;
    CSerial* copy = options.Clone();
    ok = ok && copy->IsKindOf(CPowerUpOpts::GetThisClass());
    copy->Delete();

    std::cout << "consumer (C++" << __cplusplus / 100 % 100
              << "): " << (ok ? "wrote and parsed plans in " : "FAILED in ") << dir.string()
              << "\n";
    return ok ? 0 : 1;
}
