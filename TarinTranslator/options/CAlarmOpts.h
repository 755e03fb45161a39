#pragma once

#include "TarinTranslator/options/OptionClass.h"

// Alarm options. Carries the flag telling that a raised alarm must be cleared.
#define TARIN_CALARMOPTS_FIELDS(X, C) X(C, RW, bool, ClearNeeded, false)

class TARIN_API CAlarmOpts : public CSerial {
    TARIN_OPTION_CLASS(CAlarmOpts, CSerial, TARIN_CALARMOPTS_FIELDS);

  public:
    bool NeedsToBeCleared() const;
};
