#include "TarinTranslator/options/CICSSensor.h"

TARIN_OPTION_CLASS_IMPL(CICSSensor, CSerial, TARIN_CICSSENSOR_FIELDS);

bool CICSSensor::IsICSSensorEnabled() const {
    return SensorEnabled_;
}
