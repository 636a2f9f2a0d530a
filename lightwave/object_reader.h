// The object importer's reader entry: a LightWave object file in either layout.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/scene.h"

// Reads an LWOB file, or, when that fails, an LWO2 file (each attempt resets the scene). The
// layout is recognised by content, not by the file name.
bool readLightWaveObject(const char* path, Scene& scene);
// The same from the file's bytes in memory.
bool readLightWaveObjectMemory(const std::uint8_t* data, std::size_t size, Scene& scene);
