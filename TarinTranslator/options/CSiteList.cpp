#include "TarinTranslator/options/CSiteList.h"

TARIN_OPTION_CLASS_IMPL(CSiteList, CSerial, TARIN_NO_FIELDS);

// The definition gives the constant its exported symbol.
const int CSiteList::NUM_SITES;
