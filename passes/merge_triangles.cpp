// Rebuilds the modelled polygons of a triangulated object: every group of polygons joined by
// hidden edges becomes one polygon whose corners follow the group's outline.
#include "passes/merge_triangles.h"

#include "model/flags.h"
#include "passes/merge_groups.h"
#include "passes/outline_walk.h"

#include <initializer_list>

namespace {

void markDeleted(unsigned& flags, int& remap) {
    flags |= Deleted;
    remap = -1;
}

// Keeps exactly the edges that are not merged away and the points that lie on them.
void markRemovedPointsAndEdges(SceneObject& object, const OutlineWalk& walk) {
    for (int i = 0; i < object.pointCount; ++i) markDeleted(object.points[i].flags, object.points[i].remap);
    for (int e = 0; e < object.edgeCount; ++e) {
        MeshEdge& edge = object.edges[e];
        if (walk.isMergeEdge(e)) {
            markDeleted(edge.flags, edge.remap);
            continue;
        }
        edge.flags &= ~Hidden;
        for (int point : {edge.pointA, edge.pointB})
            if (point >= 0 && point < object.pointCount) object.points[point].flags &= ~Deleted;
    }
}

// Corner count of the outline loop through `start`.
int countOutline(const OutlineWalk& walk, CornerRef start) {
    int count = 0;
    CornerRef at = start;
    bool outline = false;
    do {
        at = walk.step(at, outline);
        if (outline) ++count;
    } while (!(at == start));
    return count;
}

// Appends the polygon of the outline loop through `start`, consuming every polygon it passes.
void buildMergedPolygon(SceneObject& object, const OutlineWalk& walk, CornerRef start, int cornerCount) {
    const int merged = object.addPolygon(cornerCount);
    object.polygons[merged].material = object.polygons[start.polygon].material;
    object.polygons[merged].color = object.polygons[start.polygon].color;
    int next = 0;
    CornerRef at = start;
    bool outline = false;
    do {
        MeshPolygon& current = object.polygons[at.polygon];
        markDeleted(current.flags, current.remap);
        at = walk.step(at, outline);
        if (outline) object.polygons[merged].copyCorner(next++, object.polygons[at.polygon], at.corner);
    } while (!(at == start));
}

void mergePolygon(SceneObject& object, const OutlineWalk& walk, int f) {
    MeshPolygon& polygon = object.polygons[f];
    int merging = 0;
    int last = -1;
    for (int c = 0; c < polygon.cornerCount; ++c) {
        if (walk.isMergeCorner({f, c})) ++merging;
        else last = c;
    }
    if (merging == polygon.cornerCount) {
        // Every side is merged away: the neighbours' outlines pass through this polygon.
        markDeleted(polygon.flags, polygon.remap);
        return;
    }
    if (merging == 0) return;
    // A corner without an edge record is still a side of the outline: it is counted and copied
    // like any other outline corner, so the walk ends on f's corner `last`.
    const CornerRef start{f, last};
    buildMergedPolygon(object, walk, start, countOutline(walk, start));
}

// A point that a remaining polygon still uses stays, even when no edge record names it.
void keepPointsOfPolygons(SceneObject& object) {
    for (int p = 0; p < object.polygonCount; ++p) {
        const MeshPolygon& polygon = object.polygons[p];
        if (polygon.flags & Deleted) continue;
        for (int c = 0; c < polygon.cornerCount; ++c) {
            int point = polygon.cornerPoints[c];
            if (point >= 0 && point < object.pointCount) object.points[point].flags &= ~Deleted;
        }
    }
}

}  // namespace

bool mergeTriangles(SceneObject& object) {
    if (object.pointCount == 0) return true;
    const int originalCount = object.polygonCount;
    OutlineWalk walk(object);
    demoteUnmergeableGroups(object, walk);
    markRemovedPointsAndEdges(object, walk);
    // Room for one merged polygon per original polygon, so appending never moves the array.
    object.resizePolygons(2 * originalCount);
    for (int f = 0; f < originalCount; ++f) {
        if (object.polygons[f].flags & Deleted) continue;
        mergePolygon(object, walk, f);
    }
    keepPointsOfPolygons(object);
    object.compact();
    return true;
}
