#include "TarinTranslator/options/CPowerUpOpts.h"

TARIN_OPTION_CLASS_IMPL(CPowerUpOpts, CSerial, TARIN_CPOWERUPOPTS_FIELDS);
