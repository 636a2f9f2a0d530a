// One object of up to a million textured quads written as an LWO2 file, against one plain write
// of a file of the same size.
#include <benchmark/benchmark.h>

#include "bench_scenes.h"
#include "lightwave/lwo2_writer.h"

namespace {

const Scene& gridScene(int polygons) {
    static int built = -1;
    static Scene scene;
    if (built != polygons) {
        scene.reset();
        buildGridScene(scene, polygons);
        built = polygons;
    }
    return scene;
}

void BM_Lwo2Write(benchmark::State& state) {
    const Scene& scene = gridScene(int(state.range(0)));
    const std::string path = benchFolder() + "/grid.lwo";
    for (auto _ : state) {
        if (!writeLwo2File(path.c_str(), scene)) state.SkipWithError("write failed");
    }
    const std::size_t bytes = fileBytes(path);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
    state.counters["file_MB"] = double(bytes) / 1e6;
    state.counters["polygons"] = double(scene.objects[0].polygonCount);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Lwo2Write)->RangeMultiplier(4)->Range(1 << 14, 1 << 20)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// The same number of bytes as the LWO2 file of the same size argument, in one fwrite.
void BM_PlainWriteSameBytes(benchmark::State& state) {
    const Scene& scene = gridScene(int(state.range(0)));
    const std::string reference = benchFolder() + "/reference.lwo";
    writeLwo2File(reference.c_str(), scene);
    const std::size_t bytes = fileBytes(reference);
    const std::string path = benchFolder() + "/plain.bin";
    for (auto _ : state) {
        if (!plainWrite(path, bytes)) state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
    state.counters["file_MB"] = double(bytes) / 1e6;
}
BENCHMARK(BM_PlainWriteSameBytes)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
