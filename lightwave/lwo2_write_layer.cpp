// The "TAGS" chunk and the chunks of one layer (one object) of an LWO2 file.
#include "lightwave/lwo2_write_parts.h"

namespace {

const char* const UvMapName = "OBJ_UVTextureMap";
const char* const ColorMapName = "OBJ_VColorMap";

void writeBoundingBox(const SceneObject& object, ChunkWriter& chunk) {
    Vec3 low, high;
    if (object.pointCount > 0) low = high = object.points[0].position;
    for (int i = 1; i < object.pointCount; ++i) {
        const Vec3& p = object.points[i].position;
        if (p.x < low.x) low.x = p.x;
        if (p.y < low.y) low.y = p.y;
        if (p.z < low.z) low.z = p.z;
        if (p.x > high.x) high.x = p.x;
        if (p.y > high.y) high.y = p.y;
        if (p.z > high.z) high.z = p.z;
    }
    chunk.appendVec12(low.x, low.y, low.z);
    chunk.appendVec12(high.x, high.y, high.z);
}

void appendUv(ChunkWriter& chunk, const UvEntry& uv) {
    chunk.appendF4(uv.u);
    chunk.appendF4(uv.v);
}

void appendColor(ChunkWriter& chunk, const ColorEntry& entry) {
    chunk.appendF4(entry.color.r);
    chunk.appendF4(entry.color.g);
    chunk.appendF4(entry.color.b);
    chunk.appendF4(entry.color.a);
}

void beginMap(ChunkWriter& chunk, ByteBuffer& body, const char* chunkId, const char* type, int dimension,
              const char* name) {
    chunk.beginInChunk(chunkId, body);
    chunk.appendId4(type);
    chunk.appendU2(dimension);
    chunk.appendS0(name);
}

// Per-point map: slot 0 of every point that has one.
template <typename AppendValue>
void writePointMap(const CornerSlots& slots, int pointCount, ChunkWriter& chunk, AppendValue appendValue) {
    for (int p = 0; p < pointCount; ++p) {
        if (slots.slotCount(p) == 0) continue;
        chunk.appendVX(p);
        appendValue(slots.slot(p, 0).entry);
    }
}

// Per-polygon map: every later slot of every point.
template <typename AppendValue>
void writePolygonMap(const CornerSlots& slots, int pointCount, ChunkWriter& chunk, AppendValue appendValue) {
    for (int p = 0; p < pointCount; ++p) {
        for (int k = 1; k < slots.slotCount(p); ++k) {
            chunk.appendVX(p);
            chunk.appendVX(slots.slot(p, k).polygon);
            appendValue(slots.slot(p, k).entry);
        }
    }
}

}  // namespace

void writeTags(const Scene& scene, ChunkWriter& chunk, ByteBuffer& body) {
    chunk.beginInChunk("TAGS", body);
    for (int m = 0; m < scene.materialCount; ++m) chunk.appendS0(scene.materials[m].name);
    // A tag is referred to as a U2: more tags than that cannot be named.
    if (scene.materialCount > 0x10000) chunk.fail();
    chunk.end();
}

void writeLayer(const Scene& scene, int objectIndex, ChunkWriter& chunk, ByteBuffer& body) {
    const SceneObject& object = scene.objects[objectIndex];
    const std::vector<WrittenPolygon> polygons = writtenPolygons(object);
    // The lists are only read when their map is written.
    CornerSlots uvSlots, colorSlots;
    if (object.uvCount != 0) uvSlots.build(object, polygons, &MeshPolygon::cornerUvs);
    if (object.colorCount != 0) colorSlots.build(object, polygons, &MeshPolygon::cornerColors);
    const auto appendUvEntry = [&](int e) { appendUv(chunk, object.uvs[e]); };
    const auto appendColorEntry = [&](int e) { appendColor(chunk, object.colors[e]); };

    chunk.beginInChunk("LAYR", body);
    if (objectIndex > 0xFFFF) chunk.fail();  // the layer number is a U2
    chunk.appendU2(objectIndex);
    chunk.appendU2(0);
    chunk.appendVec12(0.0f, 0.0f, 0.0f);
    chunk.appendS0(object.name);
    chunk.end();

    chunk.beginInChunk("PNTS", body);
    chunk.reserve(std::size_t(object.pointCount) * 12);
    for (int p = 0; p < object.pointCount; ++p) {
        const Vec3& v = object.points[p].position;
        chunk.appendVec12(v.x, v.y, v.z);
    }
    chunk.end();

    chunk.beginInChunk("BBOX", body);
    writeBoundingBox(object, chunk);
    chunk.end();

    if (object.uvCount != 0) {
        beginMap(chunk, body, "VMAP", "TXUV", 2, UvMapName);
        writePointMap(uvSlots, object.pointCount, chunk, appendUvEntry);
        chunk.end();
    }
    if (object.colorCount != 0) {
        beginMap(chunk, body, "VMAP", "RGBA", 4, ColorMapName);
        writePointMap(colorSlots, object.pointCount, chunk, appendColorEntry);
        chunk.end();
    }
    beginMap(chunk, body, "VMAP", "PICK", 1, "default");
    for (int p = 0; p < object.pointCount; ++p) {
        chunk.appendVX(p);
        chunk.appendF4(0.0f);
    }
    chunk.end();

    chunk.beginInChunk("POLS", body);
    chunk.appendId4("FACE");
    for (const WrittenPolygon& piece : polygons) {
        const MeshPolygon& polygon = object.polygons[piece.polygon];
        chunk.appendU2(piece.count);
        for (int i = 0; i < piece.count; ++i) chunk.appendVX(polygon.cornerPoints[sourceCorner(piece, i)]);
    }
    chunk.end();

    chunk.beginInChunk("PTAG", body);
    chunk.appendId4("PART");
    for (std::size_t w = 0; w < polygons.size(); ++w) {
        chunk.appendVX(int(w));
        chunk.appendU2(0);
    }
    chunk.end();

    chunk.beginInChunk("PTAG", body);
    chunk.appendId4("SURF");
    for (std::size_t w = 0; w < polygons.size(); ++w) {
        const int material = object.polygons[polygons[w].polygon].material;
        if (material == -1) continue;
        chunk.appendVX(int(w));
        chunk.appendU2(material);
    }
    chunk.end();

    if (object.uvCount != 0) {
        beginMap(chunk, body, "VMAD", "TXUV", 2, UvMapName);
        writePolygonMap(uvSlots, object.pointCount, chunk, appendUvEntry);
        chunk.end();
    }
    if (object.colorCount != 0) {
        beginMap(chunk, body, "VMAD", "RGBA", 4, ColorMapName);
        writePolygonMap(colorSlots, object.pointCount, chunk, appendColorEntry);
        chunk.end();
    }
}
