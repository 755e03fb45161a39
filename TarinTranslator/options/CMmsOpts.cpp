#include "TarinTranslator/options/CMmsOpts.h"

TARIN_OPTION_CLASS_IMPL(CMmsOpts, CSerial, TARIN_CMMSOPTS_FIELDS);

void CMmsOpts::DeleteAllMmsIds() {
    MmsIds_.clear();
}
