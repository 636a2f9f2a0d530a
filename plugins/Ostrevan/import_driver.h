// The import operation of Ostrevan.
#pragma once

#include "sdk/plugin_api.h"

// Reads file `name` into the host's scene; 1 on success, 0 on failure.
int importMetasequoiaDocument(const char* name, ImpInterface* ii, Interface* i, BOOL suppressPrompts);
