#pragma once

// The read paths that the fuzz targets drive and that the replay of the committed bad
// documents runs. Each text is read by the plain reader and again with a ReadLog
// installed, as the reads that say why do (a document also with its images decoded in
// place, as unpacking does); all must give the same result. A text that
// reads gives a platform text (what unpacking writes as the .pd) that must read back into
// a defaulted record, as a write from a platform file does, and settle (settled()).

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <locale>
#include <map>
#include <pugixml.hpp>
#include <sstream>
#include <string>
#include <string_view>

#include "TarinTranslator/api/TarinTranslator.h"
#include "TarinTranslator/mission_plan/MissionPlanDocument.h"
#include "TarinTranslator/platform_xml/ReadLog.h"
#include "TarinTranslator/platform_xml/Sections.h"
#include "TarinTranslator/platform_xml/XmlText.h"

namespace tarin::fuzz {

enum class Outcome {
    Refused,   // the read failed, by both paths
    Read,      // the read succeeded, by both paths, and its platform text reads back
    Disagree,  // the two paths differ in result or record
    Unstable,  // the platform text of a read does not read back to itself
};

inline const char* outcomeName(Outcome outcome) {
    constexpr const char* names[] = {"refused", "read", "paths disagree", "unstable"};
    return names[static_cast<int>(outcome)];
}

// What a text is read as: a handheld plan of a radio type, or a mobile plan.
struct Kind {
    const char* name;
    bool mobile;
    uint32_t code;
};

// One code of each handheld group, and the mobile plan.
inline constexpr Kind kKinds[] = {
    {"classic", false, 0}, {"hazard", false, 146}, {"VR-mobile", false, 151}, {"mobile", true, 0}};

inline void writeRecord(std::wostream& os, const HandheldPlatform& p) {
    writePlatformConfig(os, p);
}
inline void writeRecord(std::wostream& os, const MobilePlatformRecord& p) {
    writeMobilePlatformConfig(os, p);
}
inline bool readRecord(pugi::xml_node node, HandheldPlatform& p) {
    return readPlatformConfig(node, p);
}
inline bool readRecord(pugi::xml_node node, MobilePlatformRecord& p) {
    return readMobilePlatformConfig(node, p);
}

// The platform text of a record, as unpacking writes it (before the CR LF line ends).
template <class Record>
std::string platformText(const Record& record) {
    std::wostringstream os;
    os.imbue(std::locale::classic());
    XmlModeScope xml(os);
    writeRecord(os, record);
    return toUtf8(os.str());
}

// The defaulted record of the kind, which a platform text is read into; made once.
inline const HandheldPlatform& defaultedHandheld(uint32_t code) {
    static std::map<uint32_t, HandheldPlatform> records;
    auto [at, added] = records.try_emplace(code);
    if (added) {
        MissionPlan plan;
        plan.planRadioType = plan.Platform.radioType = code;
        applyHandheldDefaults(plan);
        at->second = std::move(plan.Platform);
    }
    return at->second;
}
inline const MobilePlatformRecord& defaultedMobile(uint32_t code) {
    static std::map<uint32_t, MobilePlatformRecord> records;
    auto [at, added] = records.try_emplace(code);
    if (added) {
        MobileMissionPlan plan;
        plan.MobilePlatform.radioType = code;
        applyMobileDefaults(plan);
        at->second = std::move(plan.MobilePlatform);
    }
    return at->second;
}

// Reads a platform text into `record` as a write from a platform file does, with `log`
// installed when not null.
template <class Record>
bool readPlatformInto(std::string_view text, Record& record, ReadLog* log) {
    std::string copy(text);  // parsed in place
    ReadLogScope scope(log);
    pugi::xml_document doc;
    return loadDocumentText(doc, copy.data(), copy.size()) &&
           readRecord(doc.child("platformConfig"), record);
}

// The platform text of a record read (what unpacking writes) must read into a defaulted
// record, as a write from that platform file does. Such a read may normalise the text once
// (a menu item whose children were all dropped is written open, and read back as one
// without children); the text it gives must read back to itself.
template <class Record>
Outcome settled(const Record& record, const Record& defaulted) {
    std::string text = platformText(record);
    for (int round = 0; round < 2; ++round) {
        Record again = defaulted;
        if (!readPlatformInto(text, again, nullptr)) return Outcome::Unstable;
        std::string next = platformText(again);
        if (round == 1 && next != text) return Outcome::Unstable;
        text = std::move(next);
    }
    return Outcome::Read;
}

// A platform text (a .pd) read into a defaulted record of the kind.
template <class Record>
Outcome readPlatformRecord(std::string_view text, const Record& defaulted) {
    Record plain = defaulted;
    Record logged = defaulted;
    ReadLog log;
    const bool ok = readPlatformInto(text, plain, nullptr);
    if (readPlatformInto(text, logged, &log) != ok) return Outcome::Disagree;
    if (!ok) return Outcome::Refused;
    if (!(plain == logged)) return Outcome::Disagree;
    return settled(plain, defaulted);
}

inline Outcome readPlatform(std::string_view text, const Kind& kind) {
    if (kind.mobile) return readPlatformRecord(text, defaultedMobile(kind.code));
    return readPlatformRecord(text, defaultedHandheld(kind.code));
}

inline HandheldPlatform& recordOf(MissionPlan& plan) {
    return plan.Platform;
}
inline MobilePlatformRecord& recordOf(MobileMissionPlan& plan) {
    return plan.MobilePlatform;
}
inline bool readPlan(std::string& text, MissionPlan& plan, ImageViews* views) {
    return readMissionPlan(text.data(), text.size(), plan, views);
}
inline bool readPlan(std::string& text, MobileMissionPlan& plan, ImageViews* views) {
    return readMobileMissionPlan(text.data(), text.size(), plan, views);
}

// A mission plan document read three ways: by the plain reader, which decodes the images
// into the record; with the images decoded where they stand in the text, as unpacking
// does; and by the check that says why. All must agree, the images too.
template <class Plan, class Record>
Outcome readDocumentAs(std::string_view document, const Kind& kind, Plan blank,
                       const Record& defaulted) {
    const ReadResult checked =
        checkMissionPlan(std::string(document), ReadAs{kind.mobile, kind.code});
    Plan plan = blank;
    Plan viewed = blank;
    std::string text(document), viewedText(document);  // each parsed in place
    ImageViews views;
    const bool ok = readPlan(text, plan, nullptr);
    if (readPlan(viewedText, viewed, &views) != ok || checked.ok != ok) return Outcome::Disagree;
    if (!ok) return Outcome::Refused;
    // A text converted from UTF-16 or UTF-32 has its images decoded into the record.
    Record& record = recordOf(viewed);
    if (record.flData.empty()) record.flData.assign(views.fl.begin(), views.fl.end());
    if (record.eeData.empty()) record.eeData.assign(views.ee.begin(), views.ee.end());
    if (!(record == recordOf(plan))) return Outcome::Disagree;
    return settled(recordOf(plan), defaulted);
}

inline Outcome readDocument(std::string_view document, const Kind& kind) {
    if (kind.mobile) {
        MobileMissionPlan blank;
        blank.MobilePlatform.radioType = kind.code;
        return readDocumentAs(document, kind, blank, defaultedMobile(kind.code));
    }
    MissionPlan blank;
    blank.planRadioType = blank.Platform.radioType = kind.code;
    return readDocumentAs(document, kind, blank, defaultedHandheld(kind.code));
}

// Stops the process with a message when a read ended in anything but a clean result, so
// that the fuzzer keeps the input.
inline void requireClean(Outcome outcome, const Kind& kind, const char* read) {
    if (outcome == Outcome::Refused || outcome == Outcome::Read) return;
    std::fprintf(stderr, "%s read as %s: %s\n", read, kind.name, outcomeName(outcome));
    std::abort();
}

// Messages of the library go nowhere while alive (the reader's diagnostic lines, the
// failure messages).
class Quiet {
  public:
    Quiet() : previous_(setMessageSink([](MessageKind, const std::wstring&) {})) {}
    ~Quiet() { setMessageSink(previous_); }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

  private:
    MessageSink previous_;
};

}  // namespace tarin::fuzz
