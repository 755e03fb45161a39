#pragma once

// The former path of TarinTranslator/host/Export.h, kept for the programs that include it.
#include "TarinTranslator/host/Export.h"
