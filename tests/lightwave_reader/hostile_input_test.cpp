// Damaged files: the inputs the fuzzer found faults with, and every truncation of real files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "lightwave/object_form.h"
#include "lightwave/object_reader.h"
#include "scene_checks.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> filesIn(const fs::path& folder) {
    std::vector<fs::path> files;
    if (fs::is_directory(folder))
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file()) files.push_back(entry.path());
    return files;
}

TEST(HostileInput, FuzzerFindingsReadSafely) {
    for (const fs::path& file : filesIn(REGRESSIONS_DIR)) {
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(loadObjectFile(file.c_str(), bytes));
        Scene scene;
        if (readLightWaveObjectMemory(bytes.data(), bytes.size(), scene))
            expectConsistent(scene, file.filename().string());
    }
}

// Every prefix of a real file is refused or read into a consistent scene; the whole file reads.
TEST(HostileInput, EveryTruncationOfRealFiles) {
    const char* names[] = {"lwo2/assimp_box_2vc_1unused.lwo", "lwo2/assimp_earth_cylindrical_y.lwo",
                           "lwo2/nangtani_box3-uv-layers.lwo", "lwob/assimp_lwob_bluewithcylindrictexz.lwo"};
    for (const char* name : names) {
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(loadObjectFile((std::string(SUITE_CORPUS_DIR) + "/" + name).c_str(), bytes)) << name;
        const std::size_t step = bytes.size() / 400 + 1;
        for (std::size_t size = 0; size < bytes.size(); size += step) {
            Scene scene;
            if (readLightWaveObjectMemory(bytes.data(), size, scene)) expectConsistent(scene, name);
        }
        Scene scene;
        EXPECT_TRUE(readLightWaveObjectMemory(bytes.data(), bytes.size(), scene)) << name;
    }
}

}  // namespace
