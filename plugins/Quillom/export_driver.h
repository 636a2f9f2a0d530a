// The export operation of Quillom.
#pragma once

#include "sdk/plugin_api.h"

// Writes the host's scene to file `name`; 1 on success, 0 on failure.
int exportLightWaveObject(const char* name, ExpInterface* ei, Interface* i, BOOL suppressPrompts, DWORD options);
