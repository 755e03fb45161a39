#include "TarinTranslator/model/RadioType.h"

namespace tarin {

uint32_t& currentRadioType() {
    static thread_local uint32_t code = 0;
    return code;
}

}  // namespace tarin
