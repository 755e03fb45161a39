#pragma once

#include <cstdint>

namespace tarin {

// Radio type codes choose sections, defaults and element names. The extended platform
// codes split into the VR-mobile and the hazard codes; every other code is classic.
inline bool isVrMobileCode(uint32_t code) {
    return code == 151 || code == 153 || code == 272 || code == 273;
}
inline bool isHazardCode(uint32_t code) {
    return code == 146 || code == 199 || code == 265;
}
inline bool isExtendedCode(uint32_t code) {
    return isVrMobileCode(code) || isHazardCode(code);
}
inline bool isClassicCode(uint32_t code) {
    return !isExtendedCode(code);
}

// The code given to plans whose caller names no radio type (a classic code).
inline constexpr uint32_t kClassicRadioType = 0;

// Which radio type codes a piece of a section applies to.
enum class Gate : uint8_t { All, Classic, Extended, Hazard, VrMobile, NotVrMobile };

inline bool gateOpen(Gate gate, uint32_t code) {
    switch (gate) {
        case Gate::All:
            return true;
        case Gate::Classic:
            return isClassicCode(code);
        case Gate::Extended:
            return isExtendedCode(code);
        case Gate::Hazard:
            return isHazardCode(code);
        case Gate::VrMobile:
            return isVrMobileCode(code);
        case Gate::NotVrMobile:
            return !isVrMobileCode(code);
    }
    return false;
}

// The radio type of the record being written or read on this thread. Root writers and
// the dispatchers set it; section writers and readers consult it through gateOpen().
uint32_t& currentRadioType();

inline bool gateOpen(Gate gate) {
    return gateOpen(gate, currentRadioType());
}

}  // namespace tarin
