// Reading time against the number of small chunks: many tags, many layers each with its own
// points, polygon, tags and texture-coordinate map, many surfaces and clips. The fitted
// complexity shows whether a file of many small chunks still reads in linear time.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "lightwave/encoding.h"
#include "lightwave/object_reader.h"

namespace {

void appendChunk(ByteBuffer& body, const char* id, const ByteBuffer& content) {
    body.appendId4(id);
    body.appendU4(std::uint32_t(content.size()));
    body.append(content.data(), content.size());
}

std::vector<std::uint8_t> manyChunks(int n) {
    ByteBuffer body, c;
    body.appendId4("LWO2");
    for (int i = 0; i < n; ++i) c.appendS0(("surface" + std::to_string(i)).c_str());
    appendChunk(body, "TAGS", c);
    for (int i = 0; i < n; ++i) {
        c.clear();
        c.appendU2(i);
        c.appendU2(0);
        c.appendVec12(0, 0, 0);
        c.appendS0("layer");
        appendChunk(body, "LAYR", c);
        c.clear();
        c.appendVec12(0, 0, 0);
        c.appendVec12(1, 0, 0);
        c.appendVec12(0, 1, 0);
        appendChunk(body, "PNTS", c);
        c.clear();
        c.appendId4("FACE");
        c.appendU2(3);
        for (int k = 0; k < 3; ++k) c.appendVX(k);
        appendChunk(body, "POLS", c);
        c.clear();
        c.appendId4("SURF");
        c.appendVX(0);
        c.appendU2(i);
        appendChunk(body, "PTAG", c);
        c.clear();
        c.appendId4("TXUV");
        c.appendU2(2);
        c.appendS0("uv");
        for (int k = 0; k < 3; ++k) {
            c.appendVX(k);
            c.appendF4(0.5f);
            c.appendF4(0.5f);
        }
        appendChunk(body, "VMAP", c);
    }
    for (int i = 0; i < n; ++i) {
        ByteBuffer block, header;
        header.appendS0("\x80");
        header.appendSubChunkHeader("CHAN", 4);
        header.appendId4("COLR");
        block.appendSubChunkHeader("IMAP", header.size());
        block.append(header.data(), header.size());
        block.appendSubChunkHeader("IMAG", 2);
        block.appendVX(i % 65000);
        c.clear();
        c.appendS0(("surface" + std::to_string(i)).c_str());
        c.appendS0("");
        c.appendSubChunkHeader("BLOK", block.size());
        c.append(block.data(), block.size());
        appendChunk(body, "SURF", c);
        c.clear();
        c.appendU4(std::uint32_t(i));
        c.appendSubChunkHeader("STIL", s0Size(std::to_string(i).size() + 4));
        c.appendS0((std::to_string(i) + ".png").c_str());
        appendChunk(body, "CLIP", c);
    }
    ByteBuffer file;
    file.appendId4("FORM");
    file.appendU4(std::uint32_t(body.size()));
    file.append(body.data(), body.size());
    return file.bytes();
}

void BM_ReadManySmallChunks(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = manyChunks(int(state.range(0)));
    for (auto _ : state) {
        Scene scene;
        if (!readLightWaveObjectMemory(bytes.data(), bytes.size(), scene)) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(scene.objectCount);
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}

BENCHMARK(BM_ReadManySmallChunks)->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
