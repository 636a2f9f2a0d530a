// Document header, top-level chunk dispatch and the checks run once the whole document is read.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "metasequoia/mqo_document_reader.h"
#include "metasequoia/mqo_numbers.h"
#include "metasequoia/mqo_reader.h"

namespace {

bool readHeader(MqoReader& reader) {
    return reader.readLine() == 0 && reader.line == "Metasequoia Document" && reader.readLine() == 0 &&
           reader.line == "Format Text Ver 1.0";
}

// Drops the lines of a chunk the reader does not use, up to its closing brace in the first column.
void skipChunk(MqoReader& reader) {
    while (reader.readLine() == 0) {
        if (beginsWith(reader.line, "}")) return;
    }
}

void readChunks(MqoReader& reader) {
    while (!reader.truncated && reader.readLine() == 0) {
        const std::string& line = reader.line;
        if (beginsWith(line, "Eof")) return;
        if (!containsText(line, "{")) continue;
        if (beginsWith(line, "Material ")) readMaterialChunk(reader);
        else if (beginsWith(line, "Object ")) readObjectChunk(reader);
        else skipChunk(reader);
    }
}

// Material indices are only known to be valid once every material chunk has been read: a face
// whose index names no material of the document gets none.
void dropUnknownMaterials(Scene& scene) {
    for (int o = 0; o < scene.objectCount; ++o) {
        SceneObject& object = scene.objects[o];
        for (int p = 0; p < object.polygonCount; ++p) {
            int& material = object.polygons[p].material;
            if (material < 0 || material >= scene.materialCount) material = -1;
        }
    }
}

bool readFileBytes(std::FILE* file, std::vector<char>& bytes) {
    char block[65536];
    std::size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) bytes.insert(bytes.end(), block, block + got);
    return !std::ferror(file);
}

}  // namespace

long long countAfter(const std::string& line, std::string_view keyword) {
    const std::ptrdiff_t at = findText(line, keyword, 0);
    if (at < 0) return 0;
    std::size_t position = static_cast<std::size_t>(at) + keyword.size();
    std::int64_t count = 0;
    return scanInteger(line, position, count) ? count : 0;
}

int plausibleCount(const MqoReader& reader, long long statedCount, std::size_t bytesPerEntry, int alreadyHeld) {
    if (statedCount <= 0) return 0;
    const long long fits = static_cast<long long>(reader.input.remaining() / bytesPerEntry);
    const long long room = static_cast<long long>(INT_MAX) - alreadyHeld;
    return static_cast<int>(std::max(0LL, std::min({statedCount, fits, room})));
}

bool readMqoDocument(const char* data, std::size_t size, Scene& scene) {
    scene.reset();
    MqoInput input(data, size);
    MqoReader reader(input, scene);
    if (!readHeader(reader)) return false;
    readChunks(reader);
    if (reader.truncated) {
        scene.reset();
        return false;
    }
    dropUnknownMaterials(scene);
    finishMqoScene(scene);
    return true;
}

bool readMqoFile(const char* path, Scene& scene) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    std::vector<char> bytes;
    const bool read = readFileBytes(file, bytes);
    std::fclose(file);
    if (!read) {
        scene.reset();
        return false;
    }
    return readMqoDocument(bytes.data(), bytes.size(), scene);
}
