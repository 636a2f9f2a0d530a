#include "bench_scenes.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

void addGridObject(Scene& scene, const char* name, int columns, int rows, int material) {
    const int o = scene.addObject(name);
    SceneObject& object = scene.objects[o];
    const int width = columns + 1;
    object.resizePoints(width * (rows + 1));
    object.resizeUvs(width * (rows + 1) + rows + 1);
    object.resizePolygons(columns * rows);
    for (int y = 0; y <= rows; ++y) {
        for (int x = 0; x < width; ++x) {
            const int p = object.addPoint();
            object.points[p].position.set(float(x), float(y), std::sin(float(x + y) * 0.01f));
            const int e = object.addUv();
            object.uvs[e].set(float(x) / float(columns), float(y) / float(rows));
        }
    }
    std::vector<int> seam(std::size_t(rows + 1));
    for (int y = 0; y <= rows; ++y) {
        seam[std::size_t(y)] = object.addUv();
        object.uvs[seam[std::size_t(y)]].set(0.0f, float(y) / float(rows));
    }
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x) {
            const int p = object.addPolygon(4);
            MeshPolygon& quad = object.polygons[p];
            const int corners[4] = {y * width + x, y * width + x + 1, (y + 1) * width + x + 1, (y + 1) * width + x};
            for (int c = 0; c < 4; ++c) {
                quad.cornerPoints[c] = corners[c];
                quad.cornerUvs[c] = corners[c];
            }
            if (x == columns - 1) {
                quad.cornerUvs[1] = seam[std::size_t(y)];
                quad.cornerUvs[2] = seam[std::size_t(y + 1)];
            }
            quad.material = material;
        }
    }
}

namespace {
void addMaterials(Scene& scene, int count) {
    for (int m = 0; m < count; ++m) {
        const int material = scene.addMaterial("");
        const std::string image = "images/texture_" + std::to_string(m) + ".png";
        scene.materials[material].textureSlots[0] = scene.addTexture(image.c_str());
    }
}
}  // namespace

void buildGridScene(Scene& scene, int polygons) {
    addMaterials(scene, 1);
    const int side = int(std::lround(std::sqrt(double(polygons))));
    addGridObject(scene, "Grid", side, side, 0);
}

void buildManyObjectScene(Scene& scene, int objects, int polygonsPerObject) {
    addMaterials(scene, 8);
    const int columns = 25;
    const int rows = polygonsPerObject / columns;
    for (int i = 0; i < objects; ++i) {
        const std::string name = "Part" + std::to_string(i);
        addGridObject(scene, name.c_str(), columns, rows, i % 8);
        SceneObject& object = scene.objects[i];
        object.transform.localPosition.set(float(i), 0.0f, 0.0f);
        object.transform.localRotation.set(0.1f, 0.2f, 0.3f);
        if (i % 10 != 0) object.parent = i - 1;
    }
}

const std::string& benchFolder() {
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "lwbenchXXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(benchFolder(), ignored);
        });
        return pattern;
    }();
    return folder;
}

std::size_t fileBytes(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? 0 : std::size_t(size);
}

std::size_t folderBytes(const std::string& path) {
    std::size_t total = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path))
        if (entry.is_regular_file()) total += std::size_t(entry.file_size());
    return total;
}

bool plainWrite(const std::string& path, std::size_t bytes) {
    static std::vector<char> zeros;
    if (zeros.size() < bytes) zeros.resize(bytes);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool good = std::fwrite(zeros.data(), 1, bytes, file) == bytes;
    return std::fclose(file) == 0 && good;
}
