#pragma once

#include "TarinTranslator/options/OptionClass.h"

// A trunked system. Carries the list of the names of the systems it scans.
#define TARIN_CTRUNKSYSTEM_FIELDS(X, C) X(C, RW, CStringList, ScannedSystems, )

class TARIN_API CTrunkSystem : public CSerial {
    TARIN_OPTION_CLASS(CTrunkSystem, CSerial, TARIN_CTRUNKSYSTEM_FIELDS);

  public:
    // Appends `name` to the scanned systems.
    void AddScannedSystem(CString name);
    // Removes scanned system i; an index out of range changes nothing.
    void DeleteScannedSystemAt(int i);
};
