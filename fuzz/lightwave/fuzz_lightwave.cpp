// Feeds arbitrary bytes to the LightWave object reader entry, in memory.
#include <cstddef>
#include <cstdint>

#include "lightwave/object_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Scene scene;
    readLightWaveObjectMemory(data, size, scene);
    return 0;
}
