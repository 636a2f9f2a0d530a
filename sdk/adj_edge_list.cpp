#include "sdk/adj_edge_list.h"

#include <algorithm>
#include <utility>

namespace {

std::uint64_t edgeKey(DWORD a, DWORD b) {
    if (a > b) std::swap(a, b);
    return (std::uint64_t(a) << 32) | b;
}

}  // namespace

int MEdge::Visible(const Face* faces) const {
    for (DWORD face : f) {
        if (face == UNDEFINED) continue;
        // A degenerate face (two corners on one vertex) runs along the edge with two of its sides;
        // the edge shows when either of them does.
        const Face& sides = faces[face];
        for (int side = 0; side < 3; ++side) {
            const DWORD a = sides.v[side], b = sides.v[(side + 1) % 3];
            const bool alongEdge = (a == v[0] && b == v[1]) || (a == v[1] && b == v[0]);
            if (alongEdge && sides.getEdgeVis(side)) return 1;
        }
    }
    return 0;
}

AdjEdgeList::AdjEdgeList(const Mesh& mesh) : nverts(mesh.getNumVerts()) {
    index_.reserve(mesh.faces.size() * 2);
    for (size_t fi = 0; fi < mesh.faces.size(); ++fi) {
        const Face& face = mesh.faces[fi];
        if (std::any_of(face.v, face.v + 3, [&](DWORD v) { return v >= DWORD(nverts); })) continue;
        for (int side = 0; side < 3; ++side) {
            DWORD a = face.v[side], b = face.v[(side + 1) % 3];
            if (a == b) continue;
            auto [it, added] = index_.emplace(edgeKey(a, b), int(edges.size()));
            if (added) {
                MEdge e;
                e.v[0] = a;
                e.v[1] = b;
                e.f[0] = DWORD(fi);
                edges.push_back(e);
            } else {
                MEdge& e = edges[size_t(it->second)];
                if (e.f[1] == UNDEFINED && e.f[0] != DWORD(fi)) e.f[1] = DWORD(fi);
            }
        }
    }
}

int AdjEdgeList::FindEdge(DWORD v0, DWORD v1) const {
    if (v0 == v1) return -1;
    auto it = index_.find(edgeKey(v0, v1));
    return it == index_.end() ? -1 : it->second;
}
