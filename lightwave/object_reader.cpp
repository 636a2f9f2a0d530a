#include "lightwave/object_reader.h"

#include <vector>

#include "lightwave/lwo2_reader.h"
#include "lightwave/lwob_reader.h"
#include "lightwave/object_form.h"

bool readLightWaveObjectMemory(const std::uint8_t* data, std::size_t size, Scene& scene) {
    if (readLwobMemory(data, size, scene)) return true;
    return readLwo2Memory(data, size, scene);
}

bool readLightWaveObject(const char* path, Scene& scene) {
    // Read once; both layouts are tried on the same bytes.
    std::vector<std::uint8_t> bytes;
    if (!loadObjectFile(path, bytes)) return false;
    return readLightWaveObjectMemory(bytes.data(), bytes.size(), scene);
}
