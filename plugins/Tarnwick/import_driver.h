// The import operation of Tarnwick.
#pragma once

#include "sdk/plugin_api.h"

// Reads file `name` into the host's scene; 1 on success, 0 on failure.
int importLightWaveObject(const char* name, ImpInterface* ii, Interface* i, BOOL suppressPrompts);
