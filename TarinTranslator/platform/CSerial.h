#pragma once

// The former path of TarinTranslator/host/CSerial.h, kept for the programs that include it.
#include "TarinTranslator/host/CSerial.h"
