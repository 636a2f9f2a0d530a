// Edge-use tables and the outline step of the triangle merge.
#include "passes/outline_walk.h"

#include "model/flags.h"

OutlineWalk::OutlineWalk(const SceneObject& object)
    : object_(object), uses_(object.edgeCount), merge_(object.edgeCount, false) {
    for (int p = 0; p < object.polygonCount; ++p) {
        const MeshPolygon& polygon = object.polygons[p];
        for (int c = 0; c < polygon.cornerCount; ++c) {
            int e = edgeOf({p, c});
            if (e < 0) continue;
            Uses& u = uses_[e];
            if (u.count == 0) u.first = {p, c};
            else if (u.count == 1) u.second = {p, c};
            ++u.count;
        }
    }
    // An edge named twice by one polygon cannot be crossed: the crossing would land on the same
    // polygon and the walk would circle one side forever.
    for (int e = 0; e < object.edgeCount; ++e) {
        const Uses& u = uses_[e];
        merge_[e] = (object.edges[e].flags & Hidden) && u.count == 2 && u.first.polygon != u.second.polygon;
    }
}

int OutlineWalk::edgeOf(CornerRef c) const {
    int e = object_.polygons[c.polygon].cornerEdges[c.corner];
    return e >= 0 && e < object_.edgeCount ? e : -1;
}

CornerRef OutlineWalk::step(CornerRef from, bool& outline) const {
    CornerRef next{from.polygon, (from.corner + 1) % object_.polygons[from.polygon].cornerCount};
    int e = edgeOf(next);
    outline = !isMergeEdge(e);
    if (outline) return next;
    return uses_[e].first.polygon == next.polygon ? uses_[e].second : uses_[e].first;
}
