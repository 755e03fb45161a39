#include "TarinTranslator/options/CTrunkSystem.h"

#include <iterator>

TARIN_OPTION_CLASS_IMPL(CTrunkSystem, CSerial, TARIN_CTRUNKSYSTEM_FIELDS);

void CTrunkSystem::AddScannedSystem(CString name) {
    ScannedSystems_.push_back(std::move(name));
}

void CTrunkSystem::DeleteScannedSystemAt(int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= ScannedSystems_.size()) return;
    ScannedSystems_.erase(std::next(ScannedSystems_.begin(), i));
}
