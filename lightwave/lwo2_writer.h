// Writes a scene as one LightWave object file (LWO2): every object a layer, every material a
// surface, every texture a still-image clip.
#pragma once

#include "model/scene.h"

// Writes `scene` to `path`; the scene is not changed (the writer converts a private copy).
// False, with no file created, when the scene holds a value the format cannot represent (a point
// or polygon index of 2^24 or more, more than 65536 surfaces or layers, a reference to a missing
// point, map entry, material or texture); false also when the file cannot be created or a write
// to it fails.
bool writeLwo2File(const char* path, const Scene& scene);

// The same for a scene the caller gives up: it is converted in place (and left converted), which
// spares the copy when the caller made a working scene for this call anyway.
bool writeLwo2FileConsuming(const char* path, Scene& working);
