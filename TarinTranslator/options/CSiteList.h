#pragma once

#include "TarinTranslator/options/OptionClass.h"

// A list of sites.
class TARIN_API CSiteList : public CSerial {
    TARIN_OPTION_CLASS(CSiteList, CSerial, TARIN_NO_FIELDS);

  public:
    // The capacity of a site list.
    static const int NUM_SITES = 512;
};
