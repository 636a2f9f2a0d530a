// The export operation of Velmora.
#pragma once

#include "sdk/plugin_api.h"

// Writes the host's scene to file `name`; 1 on success, 0 on failure.
int exportLightWaveScene(const char* name, ExpInterface* ei, Interface* i, BOOL suppressPrompts, DWORD options);
