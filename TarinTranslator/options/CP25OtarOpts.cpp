#include "TarinTranslator/options/CP25OtarOpts.h"

TARIN_OPTION_CLASS_IMPL(CP25OtarOpts, CSerial, TARIN_CP25OTAROPTS_FIELDS);

void CP25OtarOpts::EnableOtar(bool enable) {
    OtarEnabled_ = enable;
}

bool CP25OtarOpts::IsOtarEnabled() const {
    return OtarEnabled_;
}
