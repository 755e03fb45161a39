#pragma once

#include "TarinTranslator/options/OptionClass.h"

// An incident-command sensor. Carries the flag that enables it.
#define TARIN_CICSSENSOR_FIELDS(X, C) X(C, RW, bool, SensorEnabled, false)

class TARIN_API CICSSensor : public CSerial {
    TARIN_OPTION_CLASS(CICSSensor, CSerial, TARIN_CICSSENSOR_FIELDS);

  public:
    bool IsICSSensorEnabled() const;
};
