// Reader of LightWave object files in the LWO2 layout: every layer becomes an object, every tag
// a material; surfaces, clips and vertex maps fill in materials, textures and texture coordinates.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/scene.h"

// Resets `scene` and reads the file into it. True when the file was read to the end of its FORM
// (or to the end of the file, when that comes first at a chunk boundary); false when it cannot
// be read, is no LWO2 file, ends inside a chunk or holds a chunk that cannot be read as stated.
// On false the scene holds what was read so far.
bool readLwo2File(const char* path, Scene& scene);
// The same from the file's bytes in memory.
bool readLwo2Memory(const std::uint8_t* data, std::size_t size, Scene& scene);
