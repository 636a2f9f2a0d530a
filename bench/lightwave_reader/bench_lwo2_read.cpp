// Reads a one-million-polygon LWO2 file with texture coordinates, with our reader and with
// assimp's importer, in the same run. The file is written once by our LWO2 writer.
#include <benchmark/benchmark.h>

#include <assimp/Importer.hpp>
#include <assimp/scene.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "lightwave/lwo2_writer.h"
#include "lightwave/object_reader.h"

namespace {

constexpr int GridSide = 1000;  // GridSide^2 quads

// A grid of quads with one texture coordinate per point, one surface and one image.
void buildGrid(Scene& scene) {
    scene.addObject("grid");
    const int material = scene.addMaterial("ground");
    scene.materials[material].projection = 0;
    scene.materials[material].setUvMapName("uv");
    scene.materials[material].textureSlots[0] = scene.addTexture("ground.png");
    SceneObject& o = scene.objects[0];
    const int side = GridSide + 1;
    o.resizePoints(side * side);
    o.resizeUvs(side * side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const int p = o.addPoint();
            o.points[p].position.set(float(x), float((x * 7 + y * 3) % 5) * 0.1f, float(y));
            const int uv = o.addUv();
            o.uvs[uv].set(float(x) / GridSide, float(y) / GridSide);
        }
    o.resizePolygons(GridSide * GridSide);
    for (int y = 0; y < GridSide; ++y)
        for (int x = 0; x < GridSide; ++x) {
            const int corners[4] = {y * side + x, y * side + x + 1, (y + 1) * side + x + 1, (y + 1) * side + x};
            const int index = o.addPolygon(4);
            MeshPolygon& polygon = o.polygons[index];
            for (int k = 0; k < 4; ++k) {
                polygon.cornerPoints[k] = corners[k];
                polygon.cornerUvs[k] = corners[k];
            }
            polygon.material = material;
        }
}

const std::string& gridFile() {
    static const std::string path = [] {
        const std::string p = (std::filesystem::temp_directory_path() / "bench_lwo2_read_grid.lwo").string();
        Scene scene;
        buildGrid(scene);
        if (!writeLwo2File(p.c_str(), scene)) std::fprintf(stderr, "could not write %s\n", p.c_str());
        return p;
    }();
    return path;
}

void setBytes(benchmark::State& state) {
    state.SetBytesProcessed(std::int64_t(state.iterations()) *
                            std::int64_t(std::filesystem::file_size(gridFile())));
}

void BM_ReadLightWaveObject(benchmark::State& state) {
    const std::string& path = gridFile();
    for (auto _ : state) {
        Scene scene;
        if (!readLightWaveObject(path.c_str(), scene)) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(scene.objects[0].polygonCount);
        if (scene.objects[0].polygonCount != GridSide * GridSide) state.SkipWithError("wrong polygon count");
    }
    setBytes(state);
}

void BM_AssimpImport(benchmark::State& state) {
    const std::string& path = gridFile();
    for (auto _ : state) {
        Assimp::Importer importer;
        const aiScene* scene = importer.ReadFile(path, 0);
        if (!scene) state.SkipWithError(importer.GetErrorString());
        benchmark::DoNotOptimize(scene);
    }
    setBytes(state);
}

BENCHMARK(BM_ReadLightWaveObject)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_AssimpImport)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
