// Reader of LightWave object files in the older LWOB layout: one object "Default", surfaces named
// by "SRFS" and numbered from 1 by the polygons, colour textures placed by projection.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/scene.h"

// Resets `scene` and reads the file into it. True when the FORM was read to its end (or to the
// end of the file at a chunk boundary); false when the file cannot be read, is no LWOB file,
// ends inside a chunk, or its points or polygons cannot be read in full.
bool readLwobFile(const char* path, Scene& scene);
// The same from the file's bytes in memory.
bool readLwobMemory(const std::uint8_t* data, std::size_t size, Scene& scene);
