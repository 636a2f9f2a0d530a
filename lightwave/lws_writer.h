// Writes a LightWave scene (LWS, format 3) and, in the folder "Object" beside it, one LWO2 object
// file per object, which the scene file loads by relative path.
#pragma once

#include "model/scene.h"

// Writes the object files, then the scene file at `path`; the scene is not changed.
// Each object file is named after its object (see lws_object_names.h: made safe as a file name,
// made unique). False when an object file cannot be written (the scene file is then not written)
// or the scene file cannot be written.
bool writeLwsFile(const char* path, const Scene& scene);
