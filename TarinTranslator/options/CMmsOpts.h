#pragma once

#include "TarinTranslator/options/OptionClass.h"

// Multimedia message options. Carries the list of message identifiers.
#define TARIN_CMMSOPTS_FIELDS(X, C) X(C, RW, CStringList, MmsIds, )

class TARIN_API CMmsOpts : public CSerial {
    TARIN_OPTION_CLASS(CMmsOpts, CSerial, TARIN_CMMSOPTS_FIELDS);

  public:
    // Empties the list of identifiers.
    void DeleteAllMmsIds();
};
