// Pieces of the LWO2 object writer: the polygons as written, the per-point corner lists that
// decide between per-point ("VMAP") and per-polygon ("VMAD") texture and colour values, and the
// chunk builders. They work on a scene that is already in LightWave's conventions.
#pragma once

#include <vector>

#include "lightwave/encoding.h"
#include "model/scene.h"

// The format counts a polygon's corners in 10 bits.
constexpr int MaxPolygonCorners = 1023;

// One polygon as written. A polygon with more than MaxPolygonCorners corners is written as a fan of
// pieces that share its corner 0: piece corners are 0, firstCorner, firstCorner + 1, ... (count in
// all, count - 1 of them from firstCorner on). Consecutive pieces share one edge, so together they
// cover the polygon's area and every corner keeps its point and its map values.
struct WrittenPolygon {
    int polygon;      // index in the object
    int firstCorner;  // source corner of piece corner 1
    int count;        // corners of this piece
};

// Corner of `polygon` that piece corner i stands for.
inline int sourceCorner(const WrittenPolygon& piece, int i) { return i == 0 ? 0 : piece.firstCorner + i - 1; }

// Every polygon of the object in order, large ones split into pieces.
std::vector<WrittenPolygon> writtenPolygons(const SceneObject& object);

// True when every index reference names an existing record (or is -1 where that means none):
// corner points, edges, normals, texture and colour entries, edge end points, polygon materials
// and the materials' colour texture slots. Checked on the caller's scene, before any pass, since
// the passes' compaction follows these indices.
bool referencesValid(const Scene& scene);

// Per-point corner lists for one kind of map entry (texture coordinates or colours). Slot 0 of a
// point holds the first written corner that gives it an entry; every later corner whose entry
// index differs from slot 0's takes one more slot (even when an earlier later slot has the same
// index); corners that repeat slot 0's entry take none. Slot 0 goes to "VMAP", slots 1.. to
// "VMAD". Stored compactly: one array of slots with a start offset and a fill count per point.
class CornerSlots {
public:
    struct Slot {
        int polygon;  // written polygon index
        int entry;    // index into the object's uvs or colors
    };

    // `entries` selects MeshPolygon::cornerUvs or MeshPolygon::cornerColors.
    void build(const SceneObject& object, const std::vector<WrittenPolygon>& polygons,
               int* MeshPolygon::*entries);
    int slotCount(int point) const { return fill_[point]; }
    const Slot& slot(int point, int k) const { return slots_[start_[point] + k]; }

private:
    std::vector<int> start_;
    std::vector<int> fill_;
    std::vector<Slot> slots_;
};

// Chunk builders; each appends one whole chunk to the FORM body.
void writeTags(const Scene& scene, ChunkWriter& chunk, ByteBuffer& body);
void writeLayer(const Scene& scene, int objectIndex, ChunkWriter& chunk, ByteBuffer& body);
void writeClip(const Texture& texture, int clipIndex, ChunkWriter& chunk, ByteBuffer& body);
void writeSurface(const Material& material, ChunkWriter& chunk, ByteBuffer& body);
