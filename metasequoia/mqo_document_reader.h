// Working state of one document read and the readers of its chunks.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "metasequoia/mqo_text.h"
#include "model/scene.h"

// Mirror mask bits kept in an object's `remap` while the document is read.
constexpr int MirrorMaskX = 1, MirrorMaskY = 2, MirrorMaskZ = 4;

struct MqoReader {
    MqoReader(MqoInput& input_, Scene& scene_) : input(input_), scene(scene_) {}

    MqoInput& input;
    Scene& scene;
    std::string line;     // the line being read
    std::string part;     // text taken out of the line
    bool truncated = false;  // the document ended inside a binary block
    // Texture index by name, so each distinct name is looked up in constant time.
    std::unordered_map<std::string, int> textureByName;
    // Hierarchy depth of each object as the parent search counts it (1 for a root).
    std::vector<int> chainLength;
    // For each chain length, the latest finished object that has it (-1 for none).
    std::vector<int> latestWithChainLength;

    int readLine() { return readTextLine(input, line); }
};

// Each reads its chunk's lines after the header line held in reader.line.
void readMaterialChunk(MqoReader& reader);
void readObjectChunk(MqoReader& reader);
// Point and face lists of the object at `objectIndex`; the header line is in reader.line.
void readTextPoints(MqoReader& reader, int objectIndex);
void readBinaryPoints(MqoReader& reader, int objectIndex);
void readFaces(MqoReader& reader, int objectIndex);

// The integer after the first occurrence of `keyword` in the line (0 when there is none).
long long countAfter(const std::string& line, std::string_view keyword);

// How many more entries to reserve for a stated count when each takes at least `bytesPerEntry` bytes
// of what is left of the document, so a false count cannot reserve more than the file can fill.
// The result keeps `alreadyHeld` plus it within the range of int.
int plausibleCount(const MqoReader& reader, long long statedCount, std::size_t bytesPerEntry, int alreadyHeld);
