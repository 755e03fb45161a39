// Mission plan write and parse with a 32 MiB flash image and a 1 MiB EEPROM image (or a
// larger flash image with --flash-mib), measured side by side with coreutils base64
// encoding and decoding the same images in the same run. The library flushes every file
// it writes to the disk before putting it in place, so the references flush their files
// too (`sync FILE`). Prints the median time of each step and its ratio to the reference,
// and the peak memory of each step relative to the images' size. The host's entry points
// (wide texts) are measured beside the C++ API: writes, parses, and the platform defaults
// against the C++ functions that make them; for the wide parse also how far the resident
// memory grows during the call.
//
// With --shapes it measures instead the peak memory of the tool's parse, check and info on
// documents of awkward shapes (1 GiB of line breaks before the root element, a 200 MiB
// plan text, a 100 MiB BLOB of line breaks, and the 33 MiB plan), against the bound of
// 1.5 x the document's size plus 16 MiB. It needs about 1.5 GB of disk.
//
// With --batch it measures instead the batch command: 400 radios from a template with a
// 1 MiB flash and a 64 KiB EEPROM image and five setting columns, with one worker and with
// two (plans per second and their ratio), the time per plan against one write of the same
// plan through the C++ API in the same run, and the peak memory of the whole batch with
// two workers against the template document's size.
//
// Usage: tarin_bench [--runs N] [--tool PATH] [--flash-mib N] [--shapes | --batch]

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

// A call of the library measured: one that fails measures nothing, and ends the program.
void require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "%s failed\n", what);
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
    shell("'" + self + "' --peak '" + result.string() + "' \"" + command + "\"");
    std::ifstream in(result);
    long bytes = -1;
    in >> bytes;
    return bytes;
}

// A figure of this process's /proc/self/status in bytes ("VmRSS", "VmHWM").
long statusBytes(const std::string& field) {
    std::ifstream in("/proc/self/status");
    for (std::string line; std::getline(in, line);)
        if (line.rfind(field + ":", 0) == 0)
            return std::atol(line.c_str() + field.size() + 1) * 1024;
    return -1;
}

// One call of the C++ API in a process of its own, so that its peak memory can be taken:
// tarin_bench --api write BASE CODE | parse XML OUT CODE | reasons XML OUT CODE |
// wide XML OUT CODE | wide-growth XML OUT FILE CODE. The last writes to FILE how far the
// resident memory grew during the call of the entry point, from just before it.
int runApi(int argc, char** argv) {
    const std::string kind = argv[2];
    const auto code = static_cast<uint32_t>(std::atoi(argv[argc - 1]));
    if (kind == "write")
        return tarin::writeHandheldMissionPlan(
                   argv[3], tarin::PlanTexts{L"Benchmark", L"", L"", L"", L"", L"", L""}, code)
                   ? 0
                   : 1;
    if (kind == "parse")
        return tarin::unpackHandheldMissionPlanFile(argv[3], argv[4], code) ? 0 : 1;
    if (kind == "reasons")
        return tarin::unpackMissionPlanFile(argv[3], argv[4], tarin::ReadAs{false, code}).ok ? 0
                                                                                             : 1;
    if (kind == "wide" || kind == "wide-growth") {
        // The host holds the document as wide text before it calls.
        const CString text(tarin::fromUtf8(readAll(argv[3])));
        const CString out(tarin::fromUtf8(argv[4]));
        const bool growth = kind == "wide-growth";
        long before = 0;
        if (growth) {
            // The peak is counted from here on: reading and widening the document are not.
            std::ofstream("/proc/self/clear_refs") << "5";
            before = statusBytes("VmRSS");
        }
        const int32_t parsed = ParseMissionPlanData(text, out, false, code);
        if (growth) std::ofstream(argv[5]) << statusBytes("VmHWM") - before;
        return parsed ? 0 : 1;
    }
    return 2;
}

// A time in milliseconds, or microseconds where it is under ten milliseconds.
void report(const char* what, double seconds, double reference, const char* against) {
    const bool brief = seconds < 0.01;
    std::printf("  %-56s %8.1f %s   %5.2f x %s\n", what, seconds * (brief ? 1e6 : 1e3),
                brief ? "us" : "ms", seconds / reference, against);
}

// The median time of `calls` calls of `step`, for steps too short to time one at a time.
double medianCallSeconds(int runs, int calls, const std::function<void()>& step) {
    return medianSeconds(runs,
                         [&] {
                             for (int i = 0; i < calls; ++i) step();
                         }) /
           calls;
}

void reportPeak(const char* what, long bytes, double images) {
    std::printf("  %-56s %8.1f MiB  %5.2f x the images\n", what, bytes / 1048576.0, bytes / images);
}

// Writes `file`: `head`, `count` copies of `fill`, then `tail`, without holding it whole.
void writeShaped(const fs::path& file, const std::string& head, char fill, std::size_t count,
                 const std::string& tail) {
    std::ofstream out(file, std::ios::binary);
    out << head;
    const std::string chunk(1 << 20, fill);
    for (std::size_t left = count; left > 0;) {
        const std::size_t n = std::min(left, chunk.size());
        out.write(chunk.data(), static_cast<std::streamsize>(n));
        left -= n;
    }
    out << tail;
}

// The peak memory of the tool's parse, check and info of documents of awkward shapes.
int measureShapes(const std::string& tool, const std::string& self, const fs::path& dir) {
    const fs::path base = dir / "plan";
    shell(tool + " write " + base.string() + " --radio-type 146 --notes n");
    const std::string plan = readAll(dir / "plan.xml");
    const std::size_t root = plan.find("<missionPlan"), notes = plan.find("notes='n'") + 7,
                      blob = plan.find("<fl-data>") + 9;
    struct Shape {
        const char* name;
        fs::path file;
    };
    const Shape shapes[] = {{"1 GiB of line breaks before the root", dir / "lines.xml"},
                            {"a 200 MiB plan text", dir / "text.xml"},
                            {"a 100 MiB BLOB of line breaks", dir / "blob.xml"},
                            {"the 33 MiB plan", dir / "plan.xml"}};
    writeShaped(shapes[0].file, plan.substr(0, root), '\n', std::size_t(1) << 30,
                plan.substr(root));
    writeShaped(shapes[1].file, plan.substr(0, notes), 'n', std::size_t(200) << 20,
                plan.substr(notes + 1));
    writeShaped(shapes[2].file, plan.substr(0, blob), '\n', std::size_t(100) << 20,
                plan.substr(blob));
    const fs::path peak = dir / "peak";
    std::printf("peak memory of the tool, radio type 146, against 1.5 x the document + 16 MiB\n");
    bool within = true;
    for (const Shape& shape : shapes) {
        const double size = static_cast<double>(fs::file_size(shape.file));
        std::printf("%s (%.0f MiB)\n", shape.name, size / 1048576);
        const std::string file = shape.file.string();
        for (const std::string& command :
             {"parse " + file + " " + (dir / "out").string() + " --radio-type 146",
              "check " + file + " --radio-type 146", "info " + file}) {
            const long bytes = peakMemoryOf(self, tool + " " + command + " >/dev/null 2>&1", peak);
            const double bound = 1.5 * size + 16 * 1048576.0;
            within = within && bytes <= bound;
            std::printf("  %-8s %8.1f MiB  %5.2f x the document  %s\n",
                        command.substr(0, command.find(' ')).c_str(), bytes / 1048576.0,
                        bytes / size, bytes <= bound ? "within" : "BEYOND the bound");
        }
        fs::remove(shape.file);
    }
    return within ? 0 : 1;
}

// The batch command against single writes of the same plan.
int measureBatch(const std::string& tool, const std::string& self, const fs::path& dir, int runs) {
    constexpr int kRadios = 400;
    const fs::path base = dir / "template";
    writeRandom(dir / "template.fl", 1u << 20, 3);
    writeRandom(dir / "template.ee", 64u << 10, 4);
    shell(tool + " write " + base.string() + " --radio-type 146 --name Template --pin 0000");
    const fs::path templateFile = dir / "template.xml", fleet = dir / "fleet.csv";
    {
        std::ofstream csv(fleet);
        csv << "base,name,pin,TimeDateCfg/@zone,AliasList/aliasInfo[1]/@aliasName,"
               "AliasList/aliasInfo[2]/@lid,miscConfig/@topFpTimeout,audioConfig/@minVol\n";
        for (int i = 0; i < kRadios; ++i)
            csv << "radio-" << i << ",\"Radio " << i << ", fleet\"," << 1000 + i << ","
                << (i % 2 ? "EST" : "CST") << ",R" << i << "," << 2 + i % 50 << "," << 1 + i % 60
                << "," << i % 19 << "\n";
    }
    const tarin::PlanTexts texts{L"Radio 1, fleet", L"", L"", L"", L"", L"1001", L""};
    // Two references: the tool's write of the same plan, which a batch replaces one row at a
    // time, and the C++ API's write, without the process around it.
    const double toolWrite = medianSeconds(std::max(runs, 20), [&] {
        shell(tool + " write " + base.string() + " --radio-type 146 --name 'Radio 1, fleet'" +
              " --pin 1001");
    });
    const double write = medianSeconds(std::max(runs, 20), [&] {
        require(tarin::writeHandheldMissionPlan(base, texts, 146), "write");
    });
    const std::string batch = tool + " batch " + templateFile.string() + " " + fleet.string() +
                              " --out " + (dir / "plans").string() + " --date 2026-01-02";
    shell(batch + " --dry-run > /dev/null");
    double perSecond[2] = {};
    std::printf("batch: %d radios, 1 MiB + 64 KiB images, five setting columns, median of %d\n",
                kRadios, runs);
    std::printf(
        "references: one write of the same plan, command-line tool %.2f ms, C++ API "
        "%.2f ms\n",
        toolWrite * 1000, write * 1000);
    for (int jobs : {1, 2}) {
        const double seconds = medianSeconds(
            runs, [&] { shell(batch + " --jobs " + std::to_string(jobs) + " > /dev/null"); });
        perSecond[jobs - 1] = kRadios / seconds;
        std::printf(
            "  --jobs %d: %7.1f plans/s, %.2f ms a plan, %5.2f x one write (tool), "
            "%5.2f x (C++ API)\n",
            jobs, kRadios / seconds, seconds / kRadios * 1000, seconds / kRadios / toolWrite,
            seconds / kRadios / write);
    }
    std::printf("  --jobs 2 against --jobs 1: %.2f x the plans per second\n",
                perSecond[1] / perSecond[0]);
    const double document = static_cast<double>(fs::file_size(templateFile));
    const long peak = peakMemoryOf(self, batch + " --jobs 2 > /dev/null", dir / "peak");
    std::printf("  peak memory, --jobs 2: %.1f MiB, the template's %.1f MiB + %.1f MiB\n",
                peak / 1048576.0, document / 1048576.0, (peak - document) / 1048576.0);
    return 0;
}

std::string cpuModel() {
    std::ifstream in("/proc/cpuinfo");
    for (std::string line; std::getline(in, line);)
        if (line.rfind("model name", 0) == 0) return line.substr(line.find(':') + 2);
    return "unknown";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--peak") {
        std::ofstream(argv[2]) << childPeakMemory(argv[3]);
        return 0;
    }
    if (argc >= 5 && std::string(argv[1]) == "--api") return runApi(argc, argv);
    int runs = 5;
    std::size_t flashBytes = 32u << 20;
    bool shapes = false, batch = false;
    std::string tool = (fs::path(argv[0]).parent_path() / "tarin-translator").string();
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--shapes" || arg == "--batch") {
            (arg == "--shapes" ? shapes : batch) = true;
            continue;
        }
        if (i + 1 == argc) break;
        ++i;
        if (arg == "--runs") runs = std::max(1, std::atoi(argv[i]));
        if (arg == "--tool") tool = argv[i];
        if (arg == "--flash-mib") flashBytes = std::size_t(std::max(1, std::atoi(argv[i]))) << 20;
    }

    fs::path dir = fs::temp_directory_path() / ("tarin-bench-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const fs::path base = dir / "plan", xml = dir / "plan.xml", out = dir / "out";
    writeRandom(dir / "plan.fl", flashBytes, 1);
    writeRandom(dir / "plan.ee", kEepromBytes, 2);
    // A mobile plan's own base, whose images are the same files.
    fs::create_hard_link(dir / "plan.fl", dir / "mobile.fl");
    fs::create_hard_link(dir / "plan.ee", dir / "mobile.ee");
    const CString wideMobile(tarin::fromUtf8((dir / "mobile").string()));
    const std::string d = dir.string(), self = fs::canonical("/proc/self/exe").string();
    const tarin::PlanTexts texts{L"Benchmark", L"benchmark images", L"", L"bench", L"en", L"",
                                 L"1.0"};
    const double images = static_cast<double>(flashBytes + kEepromBytes);
    if (batch) {
        const int status = measureBatch(tool, self, dir, runs);
        fs::remove_all(dir);
        return status;
    }
    if (shapes) {
        const int status = measureShapes(tool, self, dir);
        fs::remove_all(dir);
        return status;
    }

    std::printf("mission plan, %zu MiB flash + 1 MiB EEPROM, median of %d runs, %s\n",
                flashBytes >> 20, runs, cpuModel().c_str());

    double encode = medianSeconds(runs, [&] {
        shell("base64 -w0 " + d + "/plan.fl > " + d + "/fl.b64 && base64 -w0 " + d + "/plan.ee > " +
              d + "/ee.b64 && sync " + d + "/fl.b64 " + d + "/ee.b64");
    });
    double decode = medianSeconds(runs, [&] {
        shell("base64 -d " + d + "/fl.b64 > " + d + "/fl.bin && base64 -d " + d + "/ee.b64 > " + d +
              "/ee.bin && sync " + d + "/fl.bin " + d + "/ee.bin");
    });
    std::printf(
        "references: base64 -w0 encoding both images to flushed files %.1f ms, base64 -d "
        "decoding that single-line text to flushed files %.1f ms\n",
        encode * 1000, decode * 1000);

    // A classic radio type and an extended one, whose platformConfig is eight times longer.
    for (uint32_t radioType : {0u, 146u}) {
        const std::string code = std::to_string(radioType);
        std::printf("radio type %s\n", code.c_str());
        const double toolWrite = medianSeconds(runs, [&] {
            shell(tool + " write " + base.string() + " --radio-type " + code + " --name Benchmark");
        });
        report("write: command-line tool", toolWrite, encode, "base64 -w0");
        report(
            "write: C++ API writeHandheldMissionPlan",
            medianSeconds(
                runs,
                [&] { require(tarin::writeHandheldMissionPlan(base, texts, radioType), "write"); }),
            encode, "base64 -w0");
        // The host's write entry points, with the texts as wide strings; the last one written
        // is the plan of this radio type that the reads below take.
        const CString wideBase(tarin::fromUtf8(base.string())), none(L"");
        const CString name(L"Benchmark"), description(L"benchmark images"), author(L"bench"),
            locale(L"en"), aac(L"1.0");
        if (radioType == 0) {
            report("write: C entry point TarinRadioWrite",
                   medianSeconds(runs,
                                 [&] {
                                     require(TarinRadioWrite(wideBase, name, description, none,
                                                             author, locale, none, aac, 2),
                                             "write");
                                 }),
                   encode, "base64 -w0");
            report("write: C entry point TarinMobileRadioWrite",
                   medianSeconds(runs,
                                 [&] {
                                     require(TarinMobileRadioWrite(wideMobile, name, description,
                                                                   none, author, locale, 0),
                                             "write");
                                 }),
                   encode, "base64 -w0");
        }
        report("write: C entry point QMRadioWrite",
               medianSeconds(runs,
                             [&] {
                                 require(QMRadioWrite(wideBase, name, description, none, author,
                                                      locale, none, aac, radioType),
                                         "write");
                             }),
               encode, "base64 -w0");
        report("parse: command-line tool",
               medianSeconds(runs,
                             [&] {
                                 shell(tool + " parse " + xml.string() + " " + out.string() +
                                       " --radio-type " + code);
                             }),
               decode, "base64 -d");
        report("parse: C++ API unpackHandheldMissionPlanFile",
               medianSeconds(runs,
                             [&] {
                                 require(tarin::unpackHandheldMissionPlanFile(xml, out, radioType),
                                         "parse");
                             }),
               decode, "base64 -d");
        // The same read asked why it would fail: the reason costs nothing when it succeeds.
        report(
            "parse: C++ API unpackMissionPlanFile (reasons)",
            medianSeconds(
                runs,
                [&] {
                    require(
                        tarin::unpackMissionPlanFile(xml, out, tarin::ReadAs{false, radioType}).ok,
                        "parse");
                }),
            decode, "base64 -d");
        // The host hands the document over as wide text it already holds.
        const CString wideText(tarin::fromUtf8(readAll(xml)));
        const CString wideOut(tarin::fromUtf8(out.string()));
        report("parse: C entry point ParseMissionPlanData (wide)",
               medianSeconds(runs,
                             [&] {
                                 require(ParseMissionPlanData(wideText, wideOut, false, radioType),
                                         "parse");
                             }),
               decode, "base64 -d");
        if (radioType == 0) {
            const CString wideMobileText(tarin::fromUtf8(readAll(dir / "mobile.xml")));
            report("parse: C entry point ParseTarinData (wide, mobile)",
                   medianSeconds(runs,
                                 [&] {
                                     require(
                                         ParseTarinData(wideMobileText, wideOut, true, 0, false),
                                         "parse");
                                 }),
                   decode, "base64 -d");
        }
        // The platform defaults as the host asks for them, against the C++ API's.
        constexpr int kCalls = 20;
        CString text;
        const double defaults =
            medianCallSeconds(runs, kCalls, [&] { text = tarin::handheldDefaults(radioType); });
        report("defaults: C entry point GetPlatformDataDefaultsString",
               medianCallSeconds(runs, kCalls,
                                 [&] { GetPlatformDataDefaultsString(text, radioType); }),
               defaults, "handheldDefaults");
        if (radioType == 0) {
            report("defaults: C entry point GetPlatformDataDefaultsCStr",
                   medianCallSeconds(runs, kCalls, [&] { GetPlatformDataDefaultsCStr(text); }),
                   defaults, "handheldDefaults");
            report(
                "defaults: C entry point GetMobilePlatformDataDefaultsCStr",
                medianCallSeconds(runs, kCalls, [&] { GetMobilePlatformDataDefaultsCStr(text); }),
                medianCallSeconds(runs, kCalls, [&] { text = tarin::mobileDefaults(); }),
                "mobileDefaults");
        }
        if (readAll(dir / "out.fl") != readAll(dir / "plan.fl")) {
            std::fprintf(stderr, "round trip lost data\n");
            return 1;
        }
        // One setting changed in place, alternately to two values; then the settings read
        // and two plans compared, which hash the images without holding them.
        int turn = 0;
        report("set --in-place: command-line tool",
               medianSeconds(runs,
                             [&] {
                                 shell(tool + " set " + xml.string() + " TimeDateCfg/@zone=" +
                                       (++turn % 2 ? "CET" : "EST") + " --in-place");
                             }),
               toolWrite, "write (tool)");
        report(
            "get: command-line tool, one setting",
            medianSeconds(
                runs,
                [&] { shell(tool + " get " + xml.string() + " TimeDateCfg/@zone > /dev/null"); }),
            decode, "base64 -d");
        report("diff: command-line tool, a plan with itself",
               medianSeconds(runs,
                             [&] { shell(tool + " diff " + xml.string() + " " + xml.string()); }),
               decode, "base64 -d");
    }

    std::printf("peak memory, radio type 146\n");
    const fs::path peak = dir / "peak";
    const std::string api = "'" + self + "' --api ";
    reportPeak("write: command-line tool",
               peakMemoryOf(self, tool + " write " + base.string() + " --radio-type 146", peak),
               images);
    reportPeak("write: C++ API", peakMemoryOf(self, api + "write " + base.string() + " 146", peak),
               images);
    reportPeak(
        "parse: command-line tool",
        peakMemoryOf(
            self, tool + " parse " + xml.string() + " " + out.string() + " --radio-type 146", peak),
        images);
    reportPeak(
        "parse: C++ API unpackHandheldMissionPlanFile",
        peakMemoryOf(self, api + "parse " + xml.string() + " " + out.string() + " 146", peak),
        images);
    reportPeak(
        "parse: C++ API unpackMissionPlanFile (reasons)",
        peakMemoryOf(self, api + "reasons " + xml.string() + " " + out.string() + " 146", peak),
        images);
    reportPeak("get: command-line tool, one setting",
               peakMemoryOf(self, tool + " get " + xml.string() + " TimeDateCfg/@zone", peak),
               images);
    reportPeak("set --in-place: command-line tool",
               peakMemoryOf(
                   self, tool + " set " + xml.string() + " TimeDateCfg/@zone=EST --in-place", peak),
               images);
    reportPeak("parse: ParseMissionPlanData (holds wide text)",
               peakMemoryOf(self, api + "wide " + xml.string() + " " + out.string() + " 146", peak),
               images);
    const fs::path growth = dir / "growth";
    shell(api + "wide-growth " + xml.string() + " " + out.string() + " " + growth.string() +
          " 146");
    long grown = -1;
    std::ifstream(growth) >> grown;
    reportPeak("parse: ParseMissionPlanData, growth during the call", grown, images);

    fs::remove_all(dir);
    return 0;
}
