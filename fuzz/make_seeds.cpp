// Writes the seed corpora of the fuzz targets with the library's own writer:
//   DIR/handheld  defaulted handheld documents of each radio type group
//   DIR/mobile    defaulted mobile documents
//   DIR/platform  the platform files that unpacking those documents writes
//   DIR/base64    BLOB texts of random bytes, some with a stop character
// Usage: make_seeds DIR

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "TarinTranslator/api/TarinTranslator.h"
#include "TarinTranslator/mission_plan/Base64.h"

using namespace tarin;
namespace fs = std::filesystem;

namespace {

void writeFile(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Small images keep the documents short, so that the fuzzer spends its time in the XML.
void writeImages(const fs::path& base, std::mt19937& random, std::size_t flash) {
    std::string fl(flash, '\0'), ee(flash / 3, '\0');
    for (char& c : fl) c = static_cast<char>(random());
    for (char& c : ee) c = static_cast<char>(random());
    writeFile(base.string() + ".fl", fl);
    writeFile(base.string() + ".ee", ee);
}

bool fail(const std::string& what) {
    std::fprintf(stderr, "make_seeds: %s\n", what.c_str());
    return false;
}

// Copies base.xml to DIR/FOLDER/NAME.xml and unpacks it into DIR/platform/NAME.pd.
bool keep(const fs::path& dir, const fs::path& base, const std::string& folder,
          const std::string& name, const ReadAs& as) {
    const std::string document = readFile(base.string() + ".xml");
    writeFile(dir / folder / (name + ".xml"), document);
    if (!unpackMissionPlan(document, base.string() + "-out", as))
        return fail("cannot unpack " + name);
    fs::rename(base.string() + "-out.pd", dir / "platform" / (name + ".pd"));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds DIR\n");
        return 2;
    }
    const fs::path dir = argv[1];
    for (const char* folder : {"handheld", "mobile", "platform", "base64"})
        fs::create_directories(dir / folder);
    const fs::path work = dir / "work";
    fs::create_directories(work);
    const fs::path base = work / "plan";
    std::mt19937 random(7);

    PlanTexts texts;
    texts.name = L"Plan <1> & \u00e9";
    texts.description = L"Seed";
    texts.notes = L"'notes'";
    texts.author = L"fuzz";
    texts.locale = L"en";
    texts.pin = L"1234";
    texts.aacVersion = L"1.2";

    bool ok = true;
    writeImages(base, random, 48);
    ok = ok && writeClassicMissionPlan(base, texts, true) &&
         keep(dir, base, "handheld", "classic", ReadAs{false, std::nullopt});
    ok = ok && writeClassicMissionPlan(base, PlanTexts{}, false) &&
         keep(dir, base, "handheld", "classic-no-texts", ReadAs{false, std::nullopt});
    writeImages(base, random, 7);
    for (uint32_t code : {146u, 151u}) {
        const std::string name = code == 146 ? "hazard" : "vr-mobile";
        ok = ok && writeHandheldMissionPlan(base, texts, code) &&
             keep(dir, base, "handheld", name, ReadAs{false, code});
    }
    ok = ok && writeMobileMissionPlan(base, texts, 0) &&
         keep(dir, base, "mobile", "mobile", ReadAs{true, 0});
    if (!ok) return 1;

    for (std::size_t size : {0, 1, 2, 3, 4, 17, 48, 50, 96, 100}) {
        std::string bytes(size, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        std::string text(base64Length(size), '\0');
        base64Encode(reinterpret_cast<const uint8_t*>(bytes.data()), size, text.data());
        writeFile(dir / "base64" / (std::to_string(size) + ".txt"), text);
        if (size > 20) {
            text[size / 2] = "\n =\x80"[size % 4];
            writeFile(dir / "base64" / (std::to_string(size) + "-stop.txt"), text);
        }
    }
    fs::remove_all(work);
    return 0;
}
