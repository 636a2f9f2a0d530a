// Scene files of up to 1,000 objects of 1,000 quads each, with their object files, against plain
// writes of files of the same sizes.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

#include "bench_scenes.h"
#include "lightwave/lws_writer.h"

namespace {

const Scene& manyObjectScene(int objects) {
    static int built = -1;
    static Scene scene;
    if (built != objects) {
        scene.reset();
        buildManyObjectScene(scene, objects, 1000);
        built = objects;
    }
    return scene;
}

void BM_LwsWrite(benchmark::State& state) {
    const Scene& scene = manyObjectScene(int(state.range(0)));
    const std::string folder = benchFolder() + "/scene" + std::to_string(state.range(0));
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/scene.lws";
    for (auto _ : state) {
        if (!writeLwsFile(path.c_str(), scene)) state.SkipWithError("write failed");
    }
    const std::size_t bytes = folderBytes(folder);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
    state.counters["files_MB"] = double(bytes) / 1e6;
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LwsWrite)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// The same files (the scene file and one file per object, of the same sizes), each written
// with one plain fwrite.
void BM_PlainWriteSameFiles(benchmark::State& state) {
    const Scene& scene = manyObjectScene(int(state.range(0)));
    const std::string folder = benchFolder() + "/reference" + std::to_string(state.range(0));
    std::filesystem::create_directories(folder);
    writeLwsFile((folder + "/scene.lws").c_str(), scene);
    const std::string plainFolder = benchFolder() + "/plain" + std::to_string(state.range(0));
    std::filesystem::create_directories(plainFolder + "/Object");
    std::vector<std::pair<std::string, std::size_t>> files;
    std::size_t bytes = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        const std::string relative = std::filesystem::relative(entry.path(), folder).string();
        files.push_back({plainFolder + "/" + relative, std::size_t(entry.file_size())});
        bytes += files.back().second;
    }
    for (auto _ : state) {
        for (const auto& [path, size] : files)
            if (!plainWrite(path, size)) state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
    state.counters["files_MB"] = double(bytes) / 1e6;
}
BENCHMARK(BM_PlainWriteSameFiles)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
