#pragma once

#include "TarinTranslator/options/OptionClass.h"

// Over-the-air rekeying options. Carries the flag that enables rekeying.
#define TARIN_CP25OTAROPTS_FIELDS(X, C) X(C, IN, bool, OtarEnabled, false)

class TARIN_API CP25OtarOpts : public CSerial {
    TARIN_OPTION_CLASS(CP25OtarOpts, CSerial, TARIN_CP25OTAROPTS_FIELDS);

  public:
    void EnableOtar(bool enable);
    bool IsOtarEnabled() const;
};
