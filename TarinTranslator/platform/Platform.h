#pragma once

// The former path of TarinTranslator/host/Platform.h, kept for the programs that include it.
#include "TarinTranslator/host/Platform.h"
