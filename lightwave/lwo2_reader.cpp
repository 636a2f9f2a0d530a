#include "lightwave/lwo2_reader.h"

#include <vector>

#include "lightwave/lwo2_reading.h"
#include "lightwave/lwo2_surface.h"
#include "lightwave/object_form.h"
#include "lightwave/reader_finish.h"

namespace {

using ChunkReader = long long (*)(Lwo2Reading&, ByteReader&, std::uint32_t);

// The reader of a chunk in a pass, or null for a chunk the pass skips.
ChunkReader readerFor(int pass, std::uint32_t id) {
    switch (pass) {
    case 1:
        if (id == id4Code("TAGS")) return readTags;
        if (id == id4Code("SURF")) return readSurface;
        break;
    case 2:
        if (id == id4Code("LAYR")) return readLayer;
        if (id == id4Code("PNTS")) return readPoints;
        if (id == id4Code("POLS")) return readPolygons;
        if (id == id4Code("PTAG")) return readPolygonTags;
        break;
    default:
        if (id == id4Code("LAYR")) return readLayer;
        if (id == id4Code("CLIP")) return readClip;
        if (id == id4Code("VMAP")) return readVertexMap;
        if (id == id4Code("VMAD")) return readDiscontinuousMap;
        break;
    }
    return nullptr;
}

// What the third pass needs from the surfaces: which materials use which clip, and which use
// which vertex maps. The colour-layer bit was scratch for the surface reader and is cleared.
void indexSurfaces(Lwo2Reading& reading) {
    Scene& scene = reading.scene;
    for (int m = 0; m < scene.materialCount; ++m) {
        Material& material = scene.materials[m];
        material.flags &= ~ColorLayerBit;
        // Only a clip number an image block gave counts; -1 (no image) matches no clip.
        if (material.remap >= 0) reading.materialsByClip[std::uint32_t(material.remap)].push_back(m);
    }
    reading.uvMaps.build(scene, false);
    reading.colorMaps.build(scene, true);
}

}  // namespace

bool readLwo2Memory(const std::uint8_t* data, std::size_t size, Scene& scene) {
    scene.reset();
    std::vector<ObjectChunk> chunks;
    if (!listObjectChunks(data, size, id4Code("LWO2"), chunks)) return false;

    Lwo2Reading reading(scene);
    // Tags and surfaces first, so polygons can be tagged; geometry next, so vertex maps and clips
    // find every polygon and every surface's clip number.
    for (int pass = 1; pass <= 3; ++pass) {
        if (pass == 3) indexSurfaces(reading);
        if (pass > 1) scene.currentObject = reading.implicitObject ? 1 : 0;
        for (const ObjectChunk& chunk : chunks) {
            const ChunkReader read = readerFor(pass, chunk.id);
            if (!read) continue;
            ByteReader content = chunk.content();
            if (read(reading, content, chunk.length) != (long long)chunk.length) return false;
        }
    }
    finishObjectScene(scene);
    return true;
}

bool readLwo2File(const char* path, Scene& scene) {
    std::vector<std::uint8_t> bytes;
    if (!loadObjectFile(path, bytes)) return false;
    return readLwo2Memory(bytes.data(), bytes.size(), scene);
}
