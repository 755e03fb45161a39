#include "TarinTranslator/model/HandheldPlatform.h"

namespace tarin {

void applyHandheldDefaults(MissionPlan& /*plan*/) {}

}  // namespace tarin
