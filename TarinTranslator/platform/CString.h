#pragma once

// The former path of TarinTranslator/host/CString.h, kept for the programs that include it.
#include "TarinTranslator/host/CString.h"
