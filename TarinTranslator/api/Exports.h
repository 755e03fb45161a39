#pragma once

// The exported C entry points a host program calls. Texts are CString references;
// results are one-byte booleans (write) or 1/0 (parse).

#include <cstdint>

#include "TarinTranslator/host/CString.h"
#include "TarinTranslator/host/Export.h"

extern "C" {

[[nodiscard]] TARIN_API bool TarinRadioWrite(const CString& basePath, const CString& name,
                                             const CString& description, const CString& notes,
                                             const CString& author, const CString& locale,
                                             const CString& pin, const CString& aacVersion,
                                             int32_t domainMode);

[[nodiscard]] TARIN_API bool QMRadioWrite(const CString& basePath, const CString& name,
                                          const CString& description, const CString& notes,
                                          const CString& author, const CString& locale,
                                          const CString& pin, const CString& aacVersion,
                                          uint32_t radioType);

[[nodiscard]] TARIN_API bool TarinMobileRadioWrite(const CString& basePath, const CString& name,
                                                   const CString& description, const CString& notes,
                                                   const CString& author, const CString& locale,
                                                   uint32_t radioType);

[[nodiscard]] TARIN_API int32_t ParseTarinData(const CString& xmlText, const CString& basePath,
                                               bool mobile, int32_t unused, bool toTempDir);

[[nodiscard]] TARIN_API int32_t ParseMissionPlanData(const CString& xmlText,
                                                     const CString& basePath, bool mobile,
                                                     uint32_t radioType);

TARIN_API void GetPlatformDataDefaultsCStr(CString& out);
TARIN_API void GetPlatformDataDefaultsString(CString& out, uint32_t radioType);
TARIN_API void GetMobilePlatformDataDefaultsCStr(CString& out);
}
