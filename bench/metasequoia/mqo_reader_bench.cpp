// Reading throughput of a large document: a grid of quads with materials and texture coordinates.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "metasequoia/mqo_reader.h"

namespace {

// A side x side grid of points and (side - 1)^2 quads, each with a material and four UV pairs,
// written the way Metasequoia writes documents (CR LF, tab-indented, fixed decimals).
std::string gridDocument(int side, int faces) {
    std::string text = "Metasequoia Document\r\nFormat Text Ver 1.0\r\n\r\nScene {\r\n\tpos 0 0 1500\r\n}\r\n";
    text += "Material 2 {\r\n\t\"a\" shader(3) col(1.000 0.000 0.000 1.000) dif(0.800) tex(\"a.png\")\r\n"
            "\t\"b\" shader(3) col(0.000 0.000 1.000 1.000) dif(0.800)\r\n}\r\n";
    text += "Object \"grid\" {\r\n\tdepth 0\r\n\tscale 1.000000 1.000000 1.000000\r\n"
            "\trotation 0.000000 0.000000 0.000000\r\n\ttranslation 0.000000 0.000000 0.000000\r\n"
            "\tfacet 59.5\r\n\tcolor 0.898 0.498 0.698\r\n";
    char line[256];
    std::snprintf(line, sizeof line, "\tvertex %d {\r\n", side * side);
    text += line;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            std::snprintf(line, sizeof line, "\t\t%.4f %.4f %.4f\r\n", x * 10.0, y * 10.0, (x ^ y) * 0.5);
            text += line;
        }
    std::snprintf(line, sizeof line, "\t}\r\n\tface %d {\r\n", faces);
    text += line;
    for (int f = 0; f < faces; ++f) {
        const int x = f % (side - 1), y = f / (side - 1);
        const int a = y * side + x, b = a + 1, c = a + side + 1, d = a + side;
        const float u0 = x / float(side), v0 = y / float(side), u1 = (x + 1) / float(side), v1 = (y + 1) / float(side);
        std::snprintf(line, sizeof line, "\t\t4 V(%d %d %d %d) M(%d) UV(%.5f %.5f %.5f %.5f %.5f %.5f %.5f %.5f)\r\n", a,
                      b, c, d, f & 1, u0, v0, u1, v0, u1, v1, u0, v1);
        text += line;
    }
    text += "\t}\r\n}\r\nEof\r\n";
    return text;
}

void BM_ReadMillionFaceDocument(benchmark::State& state) {
    static const std::string document = gridDocument(1001, 1000000);
    for (auto _ : state) {
        Scene scene;
        const bool read = readMqoDocument(document.data(), document.size(), scene);
        if (!read || scene.objects[0].polygonCount != 1000000) state.SkipWithError("document not read whole");
        benchmark::DoNotOptimize(scene.objects);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(document.size()));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * 1000000);
    state.counters["document_MB"] = document.size() / 1e6;
}
BENCHMARK(BM_ReadMillionFaceDocument)->Unit(benchmark::kMillisecond)->Iterations(3);

// Ten times fewer faces: the time per byte should stay the same (reading is linear).
void BM_ReadHundredThousandFaceDocument(benchmark::State& state) {
    static const std::string document = gridDocument(317, 100000);
    for (auto _ : state) {
        Scene scene;
        readMqoDocument(document.data(), document.size(), scene);
        benchmark::DoNotOptimize(scene.objects);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(document.size()));
}
BENCHMARK(BM_ReadHundredThousandFaceDocument)->Unit(benchmark::kMillisecond);

}  // namespace
