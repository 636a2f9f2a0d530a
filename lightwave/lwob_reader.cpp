#include "lightwave/lwob_reader.h"

#include <string>
#include <vector>

#include "lightwave/bulk_reader.h"
#include "lightwave/object_form.h"
#include "lightwave/reader_finish.h"
#include "lightwave/reader_lookups.h"
#include "lightwave/sub_chunks.h"

namespace {

bool readPoints(SceneObject& object, const ObjectChunk& chunk) {
    const long long n = chunk.length / 12;
    if (!growPoints(object, n)) return false;
    BulkReader bulk(chunk.data, chunk.length);
    for (long long i = 0; i < n; ++i) {
        float x = 0, y = 0, z = 0;
        bulk.vec12(x, y, z);
        const int index = object.addPoint();
        object.points[index].position.set(x, y, -z);
    }
    return chunk.length % 12 == 0;
}

// Polygon records: corner count, corners, surface number. A negative surface number announces
// detail polygons: their count is passed over and they are read as ordinary polygons. A surface
// number larger than the number of materials is taken as one more corner.
bool readPolygons(Scene& scene, SceneObject& object, const ObjectChunk& chunk) {
    const std::size_t wordCount = chunk.length / 2;
    std::vector<std::uint16_t> words(wordCount);
    BulkReader bulk(chunk.data, chunk.length);
    for (std::uint16_t& word : words) {
        unsigned value = 0;
        bulk.u2(value);
        word = std::uint16_t(value);
    }
    auto signedWord = [&](std::size_t i) { return int(std::int16_t(words[i])); };

    std::size_t pos = 0;
    while (pos < wordCount) {
        const unsigned rawCount = words[pos++];
        // A count above 32767 is negative as a signed word: the record is passed over, not made.
        const bool validCount = rawCount <= 32767;
        std::size_t corners = rawCount;
        std::size_t off = pos + corners;
        if (off >= wordCount) break;  // the record runs past the chunk: it ends the chunk
        int surface;
        if (signedWord(off) < 0) {
            surface = -signedWord(off);
            ++off;  // the detail-polygon count, passed over
        } else {
            while (signedWord(off) > scene.materialCount) {
                ++off;
                ++corners;
                if (off >= wordCount) break;
            }
            if (off >= wordCount) break;
            surface = signedWord(off);
        }
        if (validCount && corners >= 2) {
            if (!growPolygons(object, 1)) return false;
            const int index = object.addPolygon(int(corners));
            MeshPolygon& polygon = object.polygons[index];
            for (std::size_t k = 0; k < corners; ++k) polygon.cornerPoints[k] = words[pos + k];
            // Surfaces are numbered from 1; a number naming no surface leaves the polygon without one.
            polygon.material = surface >= 1 && surface <= scene.materialCount ? surface - 1 : -1;
        }
        pos = off + 1;
    }
    return chunk.length % 2 == 0;
}

void readSurfaceNames(SceneNames& names, const ObjectChunk& chunk) {
    ByteReader in = chunk.content();
    std::string name;
    while (!in.atEnd()) {
        if (readS0(in, name) == 0) break;  // an unterminated last name is not a name
        names.addMaterial(name);
    }
}

int projectionFromTextureType(const std::string& type) {
    if (type == "Planar Image Map") return 1;
    if (type == "Cylindrical Image Map") return 2;
    if (type == "Spherical Image Map") return 3;
    return -1;
}

void readSurface(Scene& scene, SceneNames& names, const ObjectChunk& chunk) {
    ByteReader in = chunk.content();
    std::string name;
    const int nameSize = readS0(in, name);
    if (nameSize == 0) return;
    int index = names.findMaterial(name);
    if (index < 0) index = names.addMaterial(name);
    bool colorTexture = false;  // true while the texture header read last is the colour texture's

    walkSubChunks(in, nameSize, chunk.length, false, [&](std::uint32_t id, ByteReader& content, std::uint16_t) {
        Material& material = scene.materials[index];
        std::string text;
        float v[3];
        if (id == id4Code("CTEX")) {
            colorTexture = true;
            if (readS0(content, text) != 0) material.projection = projectionFromTextureType(text);
            else material.projection = -1;
        } else if (id == id4Code("DTEX") || id == id4Code("STEX") || id == id4Code("RTEX") ||
                   id == id4Code("TTEX") || id == id4Code("BTEX") || id == id4Code("LTEX")) {
            colorTexture = false;
        } else if (id == id4Code("COLR")) {
            std::uint8_t rgba[4];
            if (readRaw4(content, rgba, 1) == 4)
                material.color.set(rgba[0] / 255.0f, rgba[1] / 255.0f, rgba[2] / 255.0f, 1.0f);
        } else if (id == id4Code("SMAN")) {
            if (readF4(content, v, 1) == 4) material.smoothingAngle = v[0];
        } else if (!colorTexture) {
            return;  // parameters of the other textures are not kept
        } else if (id == id4Code("TFLG")) {
            std::uint16_t flags;
            if (readU2(content, &flags, 1) == 2) material.projectionAxis = flags;
        } else if (id == id4Code("TIMG")) {
            if (readS0(content, text) != 0) material.textureSlots[0] = names.findOrAddTexture(text);
        } else if (id == id4Code("TSIZ")) {
            if (readVec12(content, v, 1) == 12) material.projectionSize.set(v[0], v[1], v[2]);
        } else if (id == id4Code("TCTR")) {
            if (readVec12(content, v, 1) == 12) material.projectionCenter.set(v[0], v[1], -v[2]);
        }
    });
}

}  // namespace

bool readLwobMemory(const std::uint8_t* data, std::size_t size, Scene& scene) {
    scene.reset();
    scene.addObject("Default");
    std::vector<ObjectChunk> chunks;
    if (!listObjectChunks(data, size, id4Code("LWOB"), chunks)) return false;
    SceneNames names(scene);
    for (const ObjectChunk& chunk : chunks) {
        // The object pointer is taken afresh: nothing here adds objects, but it costs nothing.
        SceneObject& object = scene.objects[0];
        if (chunk.id == id4Code("PNTS")) {
            if (!readPoints(object, chunk)) return false;
        } else if (chunk.id == id4Code("POLS")) {
            if (!readPolygons(scene, object, chunk)) return false;
        } else if (chunk.id == id4Code("SRFS")) {
            readSurfaceNames(names, chunk);
        } else if (chunk.id == id4Code("SURF")) {
            readSurface(scene, names, chunk);
        }
    }
    finishObjectScene(scene);
    return true;
}

bool readLwobFile(const char* path, Scene& scene) {
    std::vector<std::uint8_t> bytes;
    if (!loadObjectFile(path, bytes)) return false;
    return readLwobMemory(bytes.data(), bytes.size(), scene);
}
