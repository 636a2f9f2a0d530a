// Test support: reads back what the writers produced, independently of the object readers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lightwave/encoding.h"
#include "model/scene.h"

// One chunk of an LWO2 FORM: identifier and content.
struct FileChunk {
    std::string id;
    std::vector<std::uint8_t> content;
    ByteReader reader() const { return ByteReader(content); }
};

// The chunks of the LWO2 file at `path`; empty (and a test failure) when its envelope is broken.
std::vector<FileChunk> readLwo2Chunks(const std::string& path);
// Identifiers, with the map type for VMAP/VMAD/PTAG ("VMAP TXUV"), in file order.
std::vector<std::string> chunkSequence(const std::vector<FileChunk>& chunks);
// The n-th chunk with that identifier (or with that "ID TYPE" label), or null.
const FileChunk* findChunk(const std::vector<FileChunk>& chunks, const std::string& label, int n = 0);

// Whole file as text.
std::string readText(const std::string& path);
bool fileExists(const std::string& path);

// A fresh, empty directory under the test temp folder, removed by the destructor.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Small scenes for the writer tests.
// A triangle (0, 1, 2) and a quad (0, 2, 3, 4) with texture-coordinate entries per corner given
// by `cornerUvs` (7 values, -1 = none) naming 8 entries (u = e / 8, v = 0.25); with
// `withMaterial` one material "Red" on both polygons using texture "tex/a.png", else neither.
void buildTwoPolygonScene(Scene& scene, const std::vector<int>& cornerUvs, bool withMaterial = true);
