// Capture and build time against mesh size: both must grow linearly with the faces.
#include <benchmark/benchmark.h>

#include <cmath>

#include "host/capture.h"
#include "host/mesh_builder.h"
#include "sdk/host_scene.h"

namespace {

// A grid of side x side quads, each as two triangles with a hidden diagonal, with texture
// coordinates on every vertex.
TriObject* gridObject(int side) {
    TriObject* object = CreateNewTriObject();
    Mesh& mesh = object->GetMesh();
    const int row = side + 1;
    mesh.setNumVerts(row * row);
    mesh.setNumTVerts(row * row);
    for (int y = 0; y < row; ++y)
        for (int x = 0; x < row; ++x) {
            mesh.setVert(y * row + x, Point3(float(x), float(y), 0.0f));
            mesh.setTVert(y * row + x, UVVert(float(x) / side, float(y) / side, 0.0f));
        }
    mesh.setNumFaces(2 * side * side);
    mesh.setNumTVFaces(2 * side * side);
    int f = 0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const DWORD a = DWORD(y * row + x), b = a + 1, c = a + 1 + DWORD(row), d = a + DWORD(row);
            mesh.faces[size_t(f)].setVerts(a, b, c);
            mesh.faces[size_t(f)].setEdgeVisFlags(1, 1, 0);
            mesh.tvFace[size_t(f++)].setTVerts(a, b, c);
            mesh.faces[size_t(f)].setVerts(a, c, d);
            mesh.faces[size_t(f)].setEdgeVisFlags(0, 1, 1);
            mesh.tvFace[size_t(f++)].setTVerts(a, c, d);
        }
    return object;
}

int sideFor(benchmark::State& state) { return int(std::lround(std::sqrt(double(state.range(0)) / 2.0))); }

// Host triangles in, model quads out.
void BM_CaptureGrid(benchmark::State& state) {
    const int side = sideFor(state);
    HostScene host;
    host.CreateNode("Grid")->SetObjectRef(gridObject(side));
    for (auto _ : state) {
        Scene scene;
        captureScene(scene, &host);
        benchmark::DoNotOptimize(scene.objects[0].polygonCount);
    }
    state.SetComplexityN(2 * side * side);
}
BENCHMARK(BM_CaptureGrid)->RangeMultiplier(4)->Range(1 << 16, 1 << 20)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// Model quads in, host triangles out.
void BM_BuildGrid(benchmark::State& state) {
    const int side = sideFor(state);
    Scene captured;
    {
        HostScene host;
        host.CreateNode("Grid")->SetObjectRef(gridObject(side));
        captureScene(captured, &host);
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto scene = std::make_unique<Scene>();
        scene->copyFrom(captured);
        auto host = std::make_unique<HostScene>();
        HostImport importer(*host);
        state.ResumeTiming();
        buildHostScene(*scene, &importer, host.get());
        state.PauseTiming();
        host.reset();
        scene.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(2 * side * side);
}
BENCHMARK(BM_BuildGrid)->RangeMultiplier(4)->Range(1 << 16, 1 << 20)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace
