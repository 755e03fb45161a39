#include <gtest/gtest.h>

#include "TarinTranslator/model/HandheldPlatform.h"

namespace tarin {
namespace {

TEST(RecordsConstructed, NewListEntriesStartAsTheirReadersExpect) {
    // A wpaItem without the file names and priority reads them as these texts.
    EXPECT_EQ(WpaItem{},
              (WpaItem{0, L"", L"", L"ca.pem", L"user.pem", L"user.prv", L"", L"", L"0"}));
    // An OptBtn without OPT1/OPT2 gets the default option button: FUNC_NOOP, delay "0".
    const ProgBtnEntry optionButton{1, L"0", L"0.0", L"", 0, 65535, 65535};
    EXPECT_EQ(SystemOptionEntry{}, (SystemOptionEntry{0, optionButton, optionButton}));
}

}  // namespace
}  // namespace tarin
