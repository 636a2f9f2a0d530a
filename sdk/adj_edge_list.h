// Edges of a triangle mesh with the faces on either side, built once over a mesh.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "sdk/max_types.h"
#include "sdk/mesh.h"

constexpr DWORD UNDEFINED = 0xFFFFFFFF;

// One edge: its two vertices and the faces on either side (f[1] is UNDEFINED on a border edge).
class MEdge {
public:
    DWORD v[2] = {UNDEFINED, UNDEFINED};
    DWORD f[2] = {UNDEFINED, UNDEFINED};

    // Non-zero when either face beside the edge shows it; 0 when every face beside it hides it.
    // `faces` is the face array of the mesh the list was built over.
    int Visible(const Face* faces) const;
    int Visible(const std::vector<Face>& faces) const { return Visible(faces.data()); }
    // The face on the other side of face `face` (UNDEFINED when none).
    DWORD OtherFace(DWORD face) const { return f[0] == face ? f[1] : f[0]; }
};

class AdjEdgeList {
public:
    std::vector<MEdge> edges;
    int nverts = 0;

    // Every distinct vertex pair joined by a face side becomes one edge, in order of first
    // appearance (face by face, sides 0, 1, 2). Degenerate sides (a vertex joined to itself) and
    // faces naming missing vertices are left out. A side shared by more than two faces keeps the
    // first two.
    explicit AdjEdgeList(const Mesh& mesh);

    int Count() const { return int(edges.size()); }
    // Index of the edge joining v0 and v1 (either order), or -1. Constant time.
    int FindEdge(DWORD v0, DWORD v1) const;

private:
    std::unordered_map<std::uint64_t, int> index_;
};
