// tarin-translator: writes mission plans from waveform images, unpacks them, and prints
// default platform configurations.

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "TarinTranslator/api/TarinTranslator.h"
#include "tools/Interrupts.h"

namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  tarin-translator defaults [--radio-type N | --mobile]\n"
    "  tarin-translator write BASE [--radio-type N] [--name T] [--description T] [--notes T]\n"
    "                   [--author T] [--locale T] [--pin T] [--aac-version T] [--domain]\n"
    "  tarin-translator write BASE --mobile --radio-type N [--name T] [--description T]\n"
    "                   [--notes T] [--author T] [--locale T]\n"
    "  tarin-translator parse XMLFILE BASE [--radio-type N] [--mobile [--temp-dir]]\n"
    "  tarin-translator --help | --version\n";

struct Failure {
    std::string message;
};

struct Options {
    std::vector<std::string> positional;
    std::optional<uint32_t> radioType;
    bool mobile = false;
    bool domain = false;
    bool tempDir = false;
    tarin::PlanTexts texts;
};

uint32_t parseRadioType(const std::string& text) {
    char* end = nullptr;
    unsigned long long value = std::strtoull(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || text[0] == '-' || value > 0xFFFFFFFFull)
        throw Failure{"invalid radio type: " + text};
    return static_cast<uint32_t>(value);
}

Options parseOptions(int argc, char** argv) {
    Options o;
    struct TextOption {
        const char* flag;
        std::wstring tarin::PlanTexts::*field;
    };
    const TextOption textOptions[] = {
        {"--name", &tarin::PlanTexts::name},
        {"--description", &tarin::PlanTexts::description},
        {"--notes", &tarin::PlanTexts::notes},
        {"--author", &tarin::PlanTexts::author},
        {"--locale", &tarin::PlanTexts::locale},
        {"--pin", &tarin::PlanTexts::pin},
        {"--aac-version", &tarin::PlanTexts::aacVersion},
    };
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) throw Failure{"missing value after " + arg};
            return argv[++i];
        };
        bool matched = false;
        for (const TextOption& t : textOptions) {
            if (arg == t.flag) {
                o.texts.*(t.field) = tarin::fromUtf8(value());
                matched = true;
            }
        }
        if (matched) continue;
        if (arg == "--radio-type") {
            o.radioType = parseRadioType(value());
        } else if (arg == "--mobile") {
            o.mobile = true;
        } else if (arg == "--domain") {
            o.domain = true;
        } else if (arg == "--temp-dir") {
            o.tempDir = true;
        } else if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
            throw Failure{"unknown option: " + arg};
        } else {
            o.positional.push_back(arg);
        }
    }
    return o;
}

void expectPositional(const Options& o, std::size_t count, const char* what) {
    if (o.positional.size() != count) throw Failure{std::string("expected ") + what};
}

int runDefaults(const Options& o) {
    expectPositional(o, 0, "no arguments besides options");
    if (o.mobile && o.radioType) throw Failure{"--mobile takes no --radio-type here"};
    std::wstring text = o.mobile ? tarin::mobileDefaults() : tarin::handheldDefaults(o.radioType);
    std::cout << tarin::toUtf8(text) << std::flush;
    if (!std::cout) throw Failure{"cannot write to standard output"};
    return 0;
}

int runWrite(const Options& o) {
    expectPositional(o, 1, "BASE");
    const std::string& base = o.positional[0];
    bool ok;
    if (o.mobile) {
        if (!o.radioType) throw Failure{"write --mobile needs --radio-type N"};
        ok = tarin::writeMobileMissionPlan(base, o.texts, *o.radioType);
    } else if (o.radioType) {
        ok = tarin::writeHandheldMissionPlan(base, o.texts, *o.radioType);
    } else {
        ok = tarin::writeClassicMissionPlan(base, o.texts, o.domain);
    }
    if (!ok) throw Failure{"cannot write " + base + ".xml"};
    return 0;
}

int runParse(const Options& o) {
    expectPositional(o, 2, "XMLFILE BASE");
    const std::string& base = o.positional[1];
    // The library reports its own failures (one line) through the message handler.
    const std::string& document = o.positional[0];
    bool ok = o.mobile ? tarin::unpackMobileMissionPlanFile(document, base, o.tempDir, o.radioType)
                       : tarin::unpackHandheldMissionPlanFile(document, base, o.radioType);
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "tarin-translator: missing command (see --help)\n";
        return 2;
    }
    std::string command = argv[1];
    if (command == "--help" || command == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (command == "--version") {
        std::cout << "tarin-translator 1.0.0 (mission plan version v4.000)\n";
        return 0;
    }
    tarin::tool::removeTemporaryFilesOnInterrupt();
    try {
        Options options = parseOptions(argc, argv);
        if (command == "defaults") return runDefaults(options);
        if (command == "write") return runWrite(options);
        if (command == "parse") return runParse(options);
        throw Failure{"unknown command: " + command};
    } catch (const Failure& f) {
        std::cerr << "tarin-translator: " << f.message << "\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "tarin-translator: " << e.what() << "\n";
        return 1;
    }
}
