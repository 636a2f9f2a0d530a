#include "lightwave/lwo2_surface.h"

#include "lightwave/lwo2_reading.h"
#include "lightwave/sub_chunks.h"

namespace {

const std::uint32_t Colr = id4Code("COLR");

// Projection codes of a block's "PROJ" as the material keeps them.
int projectionFromFile(unsigned code) {
    switch (code) {
    case 0: return 1;  // planar
    case 1: return 2;  // cylindrical
    case 2: return 3;  // spherical
    case 5: return 0;  // UV map
    default: return -1;  // cubic, front and anything else
    }
}

}  // namespace

long long readSurface(Lwo2Reading& reading, ByteReader& in, std::uint32_t length) {
    std::string name, source;
    const int nameSize = readS0(in, name);
    if (nameSize == 0) return ChunkRanShort;
    const int sourceSize = readS0(in, source);
    if (sourceSize == 0) return ChunkRanShort;
    Scene& scene = reading.scene;
    // Without any material (no tags before) the surface has nothing to describe: skipped.
    if (scene.materialCount == 0) return length;
    const int named = reading.names.findMaterial(name);
    // A surface no tag names describes the first material.
    Material& material = scene.materials[named < 0 ? 0 : named];

    const long long count = walkSubChunks(in, nameSize + sourceSize, length, true,
                         [&](std::uint32_t id, ByteReader& content, std::uint16_t size) {
        if (id == Colr) {
            float rgb[3];
            if (readVec12(content, rgb, 1) == 12) material.color.setRgb(rgb[0], rgb[1], rgb[2]);
        } else if (id == id4Code("SMAN")) {
            float angle;
            if (readF4(content, &angle, 1) == 4) material.smoothingAngle = angle;
        } else if (id == id4Code("VCOL")) {
            float intensity;
            int envelope;
            std::uint32_t type;
            std::string mapName;
            if (readF4(content, &intensity, 1) == 4 && readVX(content, &envelope) != 0 &&
                readId4Code(content, type) == 4 && readS0(content, mapName) != 0)
                material.setColorMapName(mapName.c_str());
        } else if (id == id4Code("BLOK")) {
            readSurfaceBlock(material, content, size);
        }
        // Every other surface value (diffuse, specular, transparency, ...) is not kept.
    });
    // A name can be tagged more than once (as a part name and as a surface name, for one); the
    // surface describes every material of its name, so the polygons tagged with any of them get it.
    if (named >= 0)
        for (const int same : reading.names.laterMaterials(name)) scene.materials[same].copyFrom(material);
    return count;
}

long long readSurfaceBlock(Material& material, ByteReader& in, std::uint32_t length) {
    return walkSubChunks(in, 0, length, false, [&](std::uint32_t id, ByteReader& content, std::uint16_t size) {
        const bool colorLayer = (material.flags & ColorLayerBit) != 0;
        if (id == id4Code("IMAP") || id == id4Code("PROC") || id == id4Code("GRAD") || id == id4Code("SHDR")) {
            readBlockHeader(material, content, size);
        } else if (id == id4Code("TMAP")) {
            readTextureMapping(material, content, size);
        } else if (id == id4Code("PROJ")) {
            std::uint16_t code;
            if (colorLayer && readU2(content, &code, 1) == 2) material.projection = projectionFromFile(code);
        } else if (id == id4Code("AXIS")) {
            std::uint16_t axis;
            if (colorLayer && readU2(content, &axis, 1) == 2 && axis <= 2) material.projectionAxis = 1 << axis;
        } else if (id == id4Code("IMAG")) {
            int clip;
            if (colorLayer && readVX(content, &clip) != 0) material.remap = clip;  // clip number
        } else if (id == id4Code("VMAP")) {
            std::string mapName;
            if (readS0(content, mapName) != 0) material.setUvMapName(mapName.c_str());
        }
    });
}

long long readBlockHeader(Material& material, ByteReader& in, std::uint32_t length) {
    material.flags &= ~ColorLayerBit;
    std::string ordinal;
    const int ordinalSize = readS0(in, ordinal);
    if (ordinalSize == 0) return (long long)length + 1;  // unterminated: nothing else is readable
    return walkSubChunks(in, ordinalSize, length, false, [&](std::uint32_t id, ByteReader& content, std::uint16_t) {
        if (id == id4Code("CHAN")) {
            std::uint32_t channel;
            if (readId4Code(content, channel) != 4) return;
            if (channel == Colr)
                material.flags |= ColorLayerBit;
            else
                material.flags &= ~ColorLayerBit;
        } else if (id == id4Code("ENAB")) {
            std::uint16_t enabled;
            if (readU2(content, &enabled, 1) == 2 && enabled == 0) material.flags &= ~ColorLayerBit;
        }
    });
}

long long readTextureMapping(Material& material, ByteReader& in, std::uint32_t length) {
    return walkSubChunks(in, 0, length, false, [&](std::uint32_t id, ByteReader& content, std::uint16_t) {
        float v[3];
        if (id == id4Code("CNTR")) {
            if (readVec12(content, v, 1) == 12) material.projectionCenter.set(v[0], v[1], -v[2]);
        } else if (id == id4Code("SIZE")) {
            if (readVec12(content, v, 1) == 12) material.projectionSize.set(v[0], v[1], v[2]);
        }
    });
}

long long readClip(Lwo2Reading& reading, ByteReader& in, std::uint32_t length) {
    std::uint32_t clip;
    if (readU4(in, &clip, 1) != 4) return ChunkRanShort;
    const auto users = reading.materialsByClip.find(clip);
    return walkSubChunks(in, 4, length, true, [&](std::uint32_t id, ByteReader& content, std::uint16_t) {
        if (id != id4Code("STIL") || users == reading.materialsByClip.end()) return;
        // A still image that a colour layer uses becomes a texture, one per distinct file name.
        std::string file;
        if (readS0(content, file) == 0) return;
        const int texture = reading.names.findOrAddTexture(file);
        for (const int m : users->second) reading.scene.materials[m].textureSlots[0] = texture;
    });
}
