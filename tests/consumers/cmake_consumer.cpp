// Writes a small handheld mission plan through the C++ API, unpacks it, and checks that
// the images come back; also copies an option object through the exported classes.

#include <TarinTranslator/api/TarinTranslator.h>
#include <TarinTranslator/options/CPowerUpOpts.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
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
    std::ofstream(dir / "plan.fl", std::ios::binary) << std::string("\x00\x7F\xFF", 3);
    std::ofstream(dir / "plan.ee", std::ios::binary) << "ee";
    tarin::PlanTexts texts;
    texts.name = L"consumer";
    if (!tarin::writeHandheldMissionPlan(dir / "plan", texts, 0)) return 1;
    if (!tarin::unpackHandheldMissionPlanFile(dir / "plan.xml", dir / "back")) return 1;
    if (slurp(dir / "back.fl") != slurp(dir / "plan.fl") || slurp(dir / "back.ee") != "ee") {
        std::cerr << "the images did not come back\n";
        return 1;
    }
    CPowerUpOpts options;
    CSerial* copy = options.Clone();
    bool same = copy->IsKindOf(CPowerUpOpts::GetThisClass());
    copy->Delete();
    std::cout << "cmake consumer: wrote and parsed " << (dir / "plan.xml").string() << "\n";
    return same ? 0 : 1;
}
