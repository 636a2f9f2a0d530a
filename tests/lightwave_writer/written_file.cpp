#include "written_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

std::vector<FileChunk> readLwo2Chunks(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    std::vector<FileChunk> chunks;
    if (!readWholeFile(path.c_str(), bytes)) {
        ADD_FAILURE() << "cannot read " << path;
        return chunks;
    }
    ByteReader in(bytes);
    char id[5];
    std::uint32_t size = 0;
    if (readId4(in, id) != 4 || std::string(id) != "FORM" || readU4(in, &size, 1) != 4 || size != in.remaining()) {
        ADD_FAILURE() << "broken FORM envelope in " << path;
        return chunks;
    }
    if (readId4(in, id) != 4 || std::string(id) != "LWO2") {
        ADD_FAILURE() << "not LWO2: " << path;
        return chunks;
    }
    while (!in.atEnd()) {
        std::uint32_t length = 0;
        ByteReader content;
        if (readId4(in, id) != 4 || readU4(in, &length, 1) != 4 || !in.takeBytes(length, content)) {
            ADD_FAILURE() << "broken chunk header in " << path;
            return {};
        }
        chunks.push_back({id, std::vector<std::uint8_t>(content.current(), content.current() + content.remaining())});
    }
    return chunks;
}

namespace {
std::string label(const FileChunk& chunk) {
    if ((chunk.id == "VMAP" || chunk.id == "VMAD" || chunk.id == "PTAG") && chunk.content.size() >= 4)
        return chunk.id + " " + std::string(chunk.content.begin(), chunk.content.begin() + 4);
    return chunk.id;
}
}  // namespace

std::vector<std::string> chunkSequence(const std::vector<FileChunk>& chunks) {
    std::vector<std::string> labels;
    for (const FileChunk& chunk : chunks) labels.push_back(label(chunk));
    return labels;
}

const FileChunk* findChunk(const std::vector<FileChunk>& chunks, const std::string& wanted, int n) {
    for (const FileChunk& chunk : chunks)
        if ((chunk.id == wanted || label(chunk) == wanted) && n-- == 0) return &chunk;
    return nullptr;
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool fileExists(const std::string& path) { return std::filesystem::exists(path); }

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "lwwriterXXXXXX").string();
    if (!mkdtemp(pattern.data())) ADD_FAILURE() << "mkdtemp failed";
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void buildTwoPolygonScene(Scene& scene, const std::vector<int>& cornerUvs, bool withMaterial) {
    const int o = scene.addObject("Mesh");
    SceneObject& object = scene.objects[o];
    const float positions[5][3] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {-1, 0.5f, 0}};
    for (const auto& p : positions) {
        const int i = object.addPoint();  // may move the array: index it afterwards
        object.points[i].position.set(p[0], p[1], p[2]);
    }
    for (int i = 0; i < 8; ++i) {
        const int e = object.addUv();
        object.uvs[e].set(0.125f * float(i), 0.25f);
    }
    const int corners[2][4] = {{0, 1, 2, -1}, {0, 2, 3, 4}};
    int k = 0;
    for (int p = 0; p < 2; ++p) {
        const int n = p == 0 ? 3 : 4;
        const int index = object.addPolygon(n);
        MeshPolygon& polygon = object.polygons[index];
        polygon.material = withMaterial ? 0 : -1;
        for (int c = 0; c < n; ++c) {
            polygon.cornerPoints[c] = corners[p][c];
            polygon.cornerUvs[c] = cornerUvs[std::size_t(k++)];
        }
    }
    if (!withMaterial) return;
    const int m = scene.addMaterial("Red");
    scene.materials[m].color.set(1.0f, 0.0f, 0.0f, 1.0f);
    const int t = scene.addTexture("tex/a.png");
    scene.materials[m].textureSlots[0] = t;
}
