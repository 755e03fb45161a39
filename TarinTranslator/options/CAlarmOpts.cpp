#include "TarinTranslator/options/CAlarmOpts.h"

TARIN_OPTION_CLASS_IMPL(CAlarmOpts, CSerial, TARIN_CALARMOPTS_FIELDS);

bool CAlarmOpts::NeedsToBeCleared() const {
    return ClearNeeded_;
}
