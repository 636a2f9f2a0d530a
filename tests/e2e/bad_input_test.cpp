// Damaged and random input files with the extensions of the importers, converted by the host
// program: never a crash, and either a clean refusal (exit status 1, one error line, no output
// file) or, where the reader takes the file, output that reads back.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>

#include "lightwave/object_reader.h"
#include "plughost_runner.h"

namespace fs = std::filesystem;

namespace {

std::string readBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t bigEndian32(const std::string& bytes, size_t at) {
    std::uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::string bigEndian32(std::uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 3; i >= 0; --i, value >>= 8) bytes[size_t(i)] = char(value & 0xFF);
    return bytes;
}

struct Chunk {
    size_t offset, length;  // of its header, of its content
};

// The top-level chunks of an object file (a FORM holding chunks with 32-bit lengths, each padded
// to an even length).
std::vector<Chunk> chunksOf(const std::string& bytes) {
    std::vector<Chunk> chunks;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        const size_t length = bigEndian32(bytes, at + 4);
        chunks.push_back({at, length});
        at += 8 + length + (length & 1);
    }
    return chunks;
}

class BadInput : public testing::Test {
protected:
    ScratchFolder folder_{testing::UnitTest::GetInstance()->current_test_info()->name()};

    // Converts `content`, saved as `name`, to `outputName`; expects a refusal when `mustRefuse`,
    // else either a refusal or an output that reads back.
    void convert(const std::string& name, const std::string& content, const std::string& outputName,
                 bool mustRefuse) {
        const fs::path input = folder_ / name, output = folder_ / "out" / outputName;
        fs::remove_all(folder_ / "out");
        fs::create_directories(folder_ / "out");
        std::ofstream(input, std::ios::binary) << content;
        const PlughostRun run = runPlughost({"convert", input.string(), output.string()}, folder_.path());
        ASSERT_FALSE(run.crashed()) << "signal " << run.signal << "\n" << run.err;
        if (run.exitCode == 0 && !mustRefuse) {
            // Taken: the output file is there, and every object file written reads back.
            EXPECT_EQ(run.err, "");
            EXPECT_TRUE(fs::is_regular_file(output));
            for (const fs::path& file : filesUnder(folder_ / "out")) {
                if (file == output && output.extension() != ".lwo") continue;
                Scene scene;
                EXPECT_TRUE(readLightWaveObject(file.c_str(), scene)) << file;
            }
            return;
        }
        EXPECT_EQ(run.exitCode, 1) << "a refused file gives exit status 1";
        EXPECT_EQ(run.errorLines(), 1) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(filesUnder(folder_ / "out").empty()) << "a refused file leaves no output";
    }
};

const fs::path lwo2Source = fs::path(SUITE_CORPUS_DIR) / "lwo2" / "assimp_boxuv.lwo";
const fs::path lwobSource = fs::path(SUITE_CORPUS_DIR) / "lwob" / "nangtani_lwob_box0_5.lwo";
const fs::path mqoSource = fs::path(SUITE_CORPUS_DIR) / "mqo" / "pymeshio_cube.mqo";

TEST_F(BadInput, ObjectFilesCutInsideAChunkAreRefused) {
    for (const fs::path& source : {lwo2Source, lwobSource}) {
        const std::string whole = readBytes(source);
        ASSERT_GT(whole.size(), 12u) << source;
        std::set<size_t> cuts{0, 3, 8, 11, whole.size() - 1};
        for (const Chunk& c : chunksOf(whole)) {
            cuts.insert(c.offset + 3);                              // inside the chunk header
            if (c.length > 1) cuts.insert(c.offset + 8 + c.length / 2);  // inside its content
        }
        for (size_t cut : cuts) {
            SCOPED_TRACE(source.filename().string() + " cut to " + std::to_string(cut) + " bytes");
            convert("cut.lwo", whole.substr(0, cut), "out.lwo", true);
        }
    }
}

TEST_F(BadInput, RandomBytesAreRefused) {
    std::mt19937 random(20261211);
    for (const char* extension : {".lwo", ".mqo"})
        for (size_t size : {1, 64, 4096}) {
            std::string content(size, '\0');
            for (char& c : content) c = char(random() & 0xFF);
            SCOPED_TRACE(std::string(extension) + ", " + std::to_string(size) + " random bytes");
            convert(std::string("random") + extension, content, "out.lws", true);
        }
}

// Known chunk identifiers with random lengths and contents inside a well-formed envelope: the
// readers meet every kind of bad count and index.
TEST_F(BadInput, RandomChunksInAnObjectEnvelopeAreRefusedOrReadBack) {
    static const char* const ids[] = {"TAGS", "LAYR", "PNTS", "POLS", "PTAG", "VMAP", "VMAD",
                                      "SURF", "CLIP", "SRFS", "BBOX", "ENVL"};
    std::mt19937 random(7);
    for (const char* form : {"LWO2", "LWOB"})
        for (int file = 0; file < 12; ++file) {
            std::string body = form;
            const int chunkCount = 1 + int(random() % 8);
            for (int c = 0; c < chunkCount; ++c) {
                const std::uint32_t length = random() % 64;
                body += ids[random() % (sizeof ids / sizeof *ids)] + bigEndian32(length);
                for (std::uint32_t i = 0; i < length; ++i) body += char(random() % 4 == 0 ? random() & 0xFF : random() % 4);
                if (length & 1) body += '\0';
            }
            SCOPED_TRACE(std::string(form) + " file " + std::to_string(file));
            convert("chunks.lwo", "FORM" + bigEndian32(std::uint32_t(body.size())) + body, "out.lwo", false);
        }
}

TEST_F(BadInput, RandomLinesInADocumentAreRefusedOrReadBack) {
    static const char* const lines[] = {"Material 2 {", "\t\"m\" col(1 0 0 1) tex(\"a.png\")", "Object \"o\" {",
                                        "\tvertex 3 {", "\t\t0 0 0", "\t\t1 0 0", "\t\t0 1 0", "\t}",
                                        "\tface 2 {", "\t\t3 V(0 1 2) M(0) UV(0 0 1 0 0 1)", "\t\t4 V(0 1 2 7)",
                                        "\t\t2 V(0 1)", "\tmirror 1", "\tBVertex 9 {", "\t\tVector 36 [", "}", "Eof"};
    std::mt19937 random(11);
    for (int file = 0; file < 16; ++file) {
        std::string text = "Metasequoia Document\nFormat Text Ver 1.0\n";
        const int lineCount = 4 + int(random() % 24);
        for (int l = 0; l < lineCount; ++l) text += std::string(lines[random() % (sizeof lines / sizeof *lines)]) + "\n";
        SCOPED_TRACE("document " + std::to_string(file) + ":\n" + text);
        convert("lines.mqo", text, "out.lws", false);
    }
}

}  // namespace
