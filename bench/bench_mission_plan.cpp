// Mission plan write and parse with a 32 MiB flash image and a 1 MiB EEPROM image,
// measured side by side with coreutils base64 encoding and decoding the same images.
// The library flushes every file it writes to the disk before putting it in place, so
// the references flush their files too (`sync FILE`). Prints the median time of each
// step and its ratio to the reference of the same run, and the peak memory of a write
// relative to the images' size.
//
// Usage: tarin_bench [--runs N] [--tool PATH]

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "TarinTranslator/api/Exports.h"
#include "TarinTranslator/api/TarinTranslator.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kFlashBytes = 32u << 20;
constexpr std::size_t kEepromBytes = 1u << 20;

double medianSeconds(int runs, const std::function<void()>& step) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        step();
        times.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void shell(const std::string& command) {
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "command failed: %s\n", command.c_str());
        std::exit(1);
    }
}

void writeRandom(const fs::path& file, std::size_t size, uint64_t seed) {
    std::mt19937_64 random(seed);
    std::vector<uint64_t> words(size / 8);
    for (auto& w : words) w = random();
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(words.data()), size);
}

std::string readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

// Runs `command` in a forked child and returns its peak resident memory in bytes.
long childPeakMemory(const std::string& command) {
    pid_t pid = fork();
    if (pid == 0) {
        execl("/bin/sh", "sh", "-c", ("exec " + command).c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return usage.ru_maxrss * 1024L;
}

// Peak resident memory of `command`. Linux keeps a process's peak across exec, so the
// measuring fork is made from a fresh, small copy of this program (--peak), not from
// this process, which holds the images.
long peakMemoryOf(const std::string& self, const std::string& command, const fs::path& result) {
    shell("'" + self + "' --peak '" + result.string() + "' '" + command + "'");
    std::ifstream in(result);
    long bytes = -1;
    in >> bytes;
    return bytes;
}

void report(const char* what, double seconds, double reference, const char* against) {
    std::printf("  %-48s %8.1f ms   %5.2f x %s\n", what, seconds * 1000, seconds / reference,
                against);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--peak") {
        std::ofstream(argv[2]) << childPeakMemory(argv[3]);
        return 0;
    }
    int runs = 5;
    std::string tool = (fs::path(argv[0]).parent_path() / "tarin-translator").string();
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string arg = argv[i];
        if (arg == "--runs") runs = std::max(1, std::atoi(argv[i + 1]));
        if (arg == "--tool") tool = argv[i + 1];
    }

    fs::path dir = fs::temp_directory_path() / ("tarin-bench-" + std::to_string(getpid()));
    fs::create_directories(dir);
    fs::path base = dir / "plan";
    writeRandom(dir / "plan.fl", kFlashBytes, 1);
    writeRandom(dir / "plan.ee", kEepromBytes, 2);
    const std::string d = dir.string();
    tarin::PlanTexts texts{L"Benchmark", L"32 MiB flash, 1 MiB EEPROM", L"", L"bench", L"en", L"",
                           L"1.0"};

    std::printf("mission plan, 32 MiB flash + 1 MiB EEPROM, median of %d runs\n", runs);

    double encode = medianSeconds(runs, [&] {
        shell("base64 -w0 " + d + "/plan.fl > " + d + "/fl.b64 && base64 -w0 " + d + "/plan.ee > " +
              d + "/ee.b64 && sync " + d + "/fl.b64 " + d + "/ee.b64");
    });
    double decode = medianSeconds(runs, [&] {
        shell("base64 -d " + d + "/fl.b64 > " + d + "/fl.bin && base64 -d " + d + "/ee.b64 > " + d +
              "/ee.bin && sync " + d + "/fl.bin " + d + "/ee.bin");
    });
    const fs::path xml = dir / "plan.xml";
    // A classic radio type and an extended one, whose platformConfig is eight times longer.
    for (uint32_t radioType : {0u, 146u}) {
        const std::string code = std::to_string(radioType);
        double writeApi =
            medianSeconds(runs, [&] { tarin::writeHandheldMissionPlan(base, texts, radioType); });
        double writeTool = medianSeconds(runs, [&] {
            shell(tool + " write " + base.string() + " --radio-type " + code + " --name Benchmark");
        });
        std::printf(
            "write, radio type %s (reference: base64 -w0 encoding both images to flushed "
            "files, %.1f ms)\n",
            code.c_str(), encode * 1000);
        report("C++ API writeHandheldMissionPlan", writeApi, encode, "base64");
        report("command-line tool write", writeTool, encode, "base64");

        const tarin::ReadAs as{false, radioType};
        double parseTool = medianSeconds(runs, [&] {
            shell(tool + " parse " + xml.string() + " " + d + "/out --radio-type " + code);
        });
        double parseApi = medianSeconds(
            runs, [&] { tarin::unpackHandheldMissionPlanFile(xml, dir / "out", radioType); });
        // The same read asked why it would fail: the reason costs nothing when it succeeds.
        double parseReasons =
            medianSeconds(runs, [&] { tarin::unpackMissionPlanFile(xml, dir / "out", as); });
        // The host hands the document over as wide text it already holds.
        const CString wideText(tarin::fromUtf8(readAll(xml)));
        const CString wideBase(tarin::fromUtf8((dir / "out").string()));
        double parseWide = medianSeconds(
            runs, [&] { ParseMissionPlanData(wideText, wideBase, false, radioType); });
        std::printf(
            "parse, radio type %s (reference: base64 -d decoding both images to flushed "
            "files, %.1f ms)\n",
            code.c_str(), decode * 1000);
        report("command-line tool parse", parseTool, decode, "base64 -d");
        report("C++ API unpackHandheldMissionPlanFile", parseApi, decode, "base64 -d");
        report("C++ API unpackMissionPlanFile (with reasons)", parseReasons, decode, "base64 -d");
        report("C entry point ParseMissionPlanData (wide text)", parseWide, decode, "base64 -d");

        if (readAll(dir / "out.fl") != readAll(dir / "plan.fl")) {
            std::fprintf(stderr, "round trip lost data\n");
            return 1;
        }
    }

    double images = static_cast<double>(kFlashBytes + kEepromBytes);
    std::string self = fs::canonical("/proc/self/exe").string();
    long writePeak = peakMemoryOf(
        self, tool + " write " + base.string() + " --radio-type 0 --name Benchmark", dir / "peak");
    long parsePeak =
        peakMemoryOf(self, tool + " parse " + xml.string() + " " + d + "/out", dir / "peak");
    std::printf("peak memory (command-line tool)\n");
    std::printf("  %-48s %8.1f MiB   %5.2f x the images\n", "write", writePeak / 1048576.0,
                writePeak / images);
    std::printf("  %-48s %8.1f MiB   %5.2f x the images\n", "parse", parsePeak / 1048576.0,
                parsePeak / images);

    fs::remove_all(dir);
    return 0;
}
