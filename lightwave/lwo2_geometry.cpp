// "TAGS", "LAYR", "PNTS", "POLS" and "PTAG": names, layers, points and polygons of an LWO2 file.
#include "lightwave/bulk_reader.h"
#include "lightwave/lwo2_reading.h"

SceneObject* Lwo2Reading::currentObject(bool create) {
    if (scene.currentObject <= 0) {
        // Geometry before the first layer: it goes to an object of its own, made at index 0 in
        // the pass that reads geometry; later passes find it there.
        if (!implicitObject) {
            if (!create || scene.objectCount != 0) return nullptr;
            addObjectGrowing(scene, "");
            implicitObject = true;
        }
        scene.currentObject = 1;
    }
    if (scene.currentObject > scene.objectCount) return nullptr;
    return &scene.objects[scene.currentObject - 1];
}

long long readTags(Lwo2Reading& reading, ByteReader& in, std::uint32_t length) {
    long long count = 0;
    std::string tag;
    while (count < length) {
        const int got = readS0(in, tag);
        if (got == 0) return ChunkRanShort;  // a string without its terminator
        count += got;
        // Every tag becomes a material, whatever the file uses it for.
        reading.names.addMaterial(tag);
    }
    return count;
}

long long readLayer(Lwo2Reading& reading, ByteReader& in, std::uint32_t length) {
    std::uint16_t numberAndFlags[2];
    float pivot[3];
    std::string name;
    if (readU2(in, numberAndFlags, 2) != 4 || readVec12(in, pivot, 1) != 12) return ChunkRanShort;
    const int nameSize = readS0(in, name);
    if (nameSize == 0) return ChunkRanShort;
    long long count = 16 + nameSize;
    Scene& scene = reading.scene;
    if (scene.objectCount <= scene.currentObject) addObjectGrowing(scene, name.c_str());
    scene.currentObject += 1;
    if (length - count == 2) {
        std::uint16_t parent;
        count += readU2(in, &parent, 1);
    }
    return count;
}

long long readPoints(Lwo2Reading& reading, ByteReader& in, std::uint32_t length) {
    SceneObject* object = reading.currentObject(true);
    if (!object) return ChunkRanShort;
    const long long n = length / 12;
    if (!growPoints(*object, n)) return ChunkRanShort;
    BulkReader bulk(in);
    for (long long i = 0; i < n; ++i) {
        float x = 0, y = 0, z = 0;
        bulk.vec12(x, y, z);  // the chunk holds all n values: its length is at least 12 n
        const int index = object->addPoint();
        // Model coordinates keep LightWave's x and y and turn its z around.
        object->points[index].position.set(x, y, -z);
    }
    return 12 * n;
}

namespace {

// Reads one polygon record: its corner count (the low 10 bits of the first word) and corners.
// `corners` receives them when not null. False when the record runs past the chunk.
bool readPolygonRecord(BulkReader& bulk, int& cornerCount, int* corners) {
    unsigned word;
    if (!bulk.u2(word)) return false;
    cornerCount = int(word & 0x3FF);
    for (int k = 0; k < cornerCount; ++k) {
        int point;
        if (!bulk.vx(point)) return false;
        if (corners) corners[k] = point;
    }
    return true;
}

}  // namespace

long long readPolygons(Lwo2Reading& reading, ByteReader& in, std::uint32_t length) {
    SceneObject* object = reading.currentObject(true);
    if (!object) return ChunkRanShort;
    std::uint32_t type;
    if (readId4Code(in, type) != 4) return ChunkRanShort;
    // The polygon type is not examined: faces, patches and every other kind are read as polygons.
    BulkReader bulk(in);
    const std::size_t contentSize = length - 4;
    long long polygons = 0;
    int cornerCount;
    while (bulk.consumed() < contentSize) {
        if (!readPolygonRecord(bulk, cornerCount, nullptr)) return ChunkRanShort;
        ++polygons;
    }
    object->remap = object->polygonCount;  // the polygon base that "PTAG" addresses from
    if (!growPolygons(*object, polygons)) return ChunkRanShort;
    bulk.rewind();
    for (long long i = 0; i < polygons; ++i) {
        unsigned word = 0;
        bulk.u2(word);
        const int n = int(word & 0x3FF);
        const int index = object->addPolygon(n);
        int* corners = object->polygons[index].cornerPoints;
        for (int k = 0; k < n; ++k) bulk.vx(corners[k]);
    }
    return 4 + (long long)bulk.consumed();
}

long long readPolygonTags(Lwo2Reading& reading, ByteReader& in, std::uint32_t length) {
    std::uint32_t type;
    if (readId4Code(in, type) != 4) return ChunkRanShort;
    // Only surface tags are kept; part names, smoothing groups and the like are skipped.
    if (type != id4Code("SURF")) return length;
    SceneObject* object = reading.currentObject(true);
    if (!object) return ChunkRanShort;
    const Scene& scene = reading.scene;
    const long long base = object->remap < 0 ? 0 : object->remap;
    BulkReader bulk(in);
    const std::size_t contentSize = length - 4;
    while (bulk.consumed() < contentSize) {
        int polygon;
        unsigned tag;
        if (!bulk.vx(polygon) || !bulk.u2(tag)) return ChunkRanShort;
        const long long index = base + polygon;
        if (index >= object->polygonCount) continue;  // names no polygon: skipped
        // Tags and materials were made in the same order: tag t is material t.
        object->polygons[index].material = int(tag) < scene.materialCount ? int(tag) : -1;
    }
    return 4 + (long long)bulk.consumed();
}
