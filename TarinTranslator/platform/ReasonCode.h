#pragma once

// The former path of TarinTranslator/host/ReasonCode.h, kept for the programs that include it.
#include "TarinTranslator/host/ReasonCode.h"
