#include "TarinTranslator/api/Exports.h"

#include "TarinTranslator/api/Internal.h"
#include "TarinTranslator/api/TarinTranslator.h"

namespace {

tarin::PlanTexts texts(const CString& name, const CString& description, const CString& notes,
                       const CString& author, const CString& locale, const CString& pin = {},
                       const CString& aacVersion = {}) {
    return {name.str(),   description.str(), notes.str(),     author.str(),
            locale.str(), pin.str(),         aacVersion.str()};
}

std::filesystem::path pathOf(const CString& text) {
    return tarin::toUtf8(text.str());
}

// A write whose texts no document can hold, or whose base.xml is refused (not a regular
// file, or behind a foreign link), writes nothing and fails. An image that cannot be read
// still raises its FileError.
template <class Write>
bool refusingBadTargets(const CString& basePath, Write write) {
    try {
        return write();
    } catch (const tarin::TextError&) {
        return false;
    } catch (const tarin::FileError& e) {
        std::filesystem::path xml = pathOf(basePath);
        xml += ".xml";
        if (e.file() != xml) throw;
        return false;
    }
}

}  // namespace

extern "C" {

bool TarinRadioWrite(const CString& basePath, const CString& name, const CString& description,
                     const CString& notes, const CString& author, const CString& locale,
                     const CString& pin, const CString& aacVersion, int32_t domainMode) {
    return refusingBadTargets(basePath, [&] {
        return tarin::writeClassicMissionPlan(
            pathOf(basePath), texts(name, description, notes, author, locale, pin, aacVersion),
            domainMode == 2);
    });
}

bool QMRadioWrite(const CString& basePath, const CString& name, const CString& description,
                  const CString& notes, const CString& author, const CString& locale,
                  const CString& pin, const CString& aacVersion, uint32_t radioType) {
    return refusingBadTargets(basePath, [&] {
        return tarin::writeHandheldMissionPlan(
            pathOf(basePath), texts(name, description, notes, author, locale, pin, aacVersion),
            radioType);
    });
}

bool TarinMobileRadioWrite(const CString& basePath, const CString& name, const CString& description,
                           const CString& notes, const CString& author, const CString& locale,
                           uint32_t radioType) {
    return refusingBadTargets(basePath, [&] {
        return tarin::writeMobileMissionPlan(
            pathOf(basePath), texts(name, description, notes, author, locale), radioType);
    });
}

// The document is read from the host's wide text: only what lies around the images is
// converted to UTF-8.
int32_t ParseTarinData(const CString& xmlText, const CString& basePath, bool mobile,
                       int32_t /*unused*/, bool toTempDir) {
    return tarin::detail::unpackWide(xmlText.str(), pathOf(basePath), tarin::ReadAs{mobile, {}},
                                     mobile && toTempDir)
               ? 1
               : 0;
}

int32_t ParseMissionPlanData(const CString& xmlText, const CString& basePath, bool mobile,
                             uint32_t radioType) {
    return tarin::detail::unpackWide(xmlText.str(), pathOf(basePath),
                                     tarin::ReadAs{mobile, radioType}, false)
               ? 1
               : 0;
}

void GetPlatformDataDefaultsCStr(CString& out) {
    out = tarin::handheldDefaults();
}

void GetPlatformDataDefaultsString(CString& out, uint32_t radioType) {
    out = tarin::handheldDefaults(radioType);
}

void GetMobilePlatformDataDefaultsCStr(CString& out) {
    out = tarin::mobileDefaults();
}
}
