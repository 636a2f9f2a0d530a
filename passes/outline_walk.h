// Edge-use tables of one object and the step that walks the outline of polygons joined by merge
// edges (hidden edges shared by the sides of exactly two different polygons).
#pragma once

#include "model/scene_object.h"

#include <vector>

// A corner of a polygon; as a walk position it stands for the side from that corner onwards.
struct CornerRef {
    int polygon;
    int corner;
    bool operator==(const CornerRef& o) const { return polygon == o.polygon && corner == o.corner; }
};

class OutlineWalk {
public:
    // Counts the uses of every edge over the corners of the object's current polygons.
    explicit OutlineWalk(const SceneObject& object);

    // Edge index of a corner, or -1 when the corner names no existing edge.
    int edgeOf(CornerRef c) const;
    bool isMergeEdge(int edge) const { return edge >= 0 && merge_[edge]; }
    bool isMergeCorner(CornerRef c) const { return isMergeEdge(edgeOf(c)); }
    // Stops treating an edge as a merge edge.
    void demote(int edge) { merge_[edge] = false; }
    int useCount(int edge) const { return uses_[edge].count; }
    CornerRef firstUse(int edge) const { return uses_[edge].first; }
    CornerRef secondUse(int edge) const { return uses_[edge].second; }

    // One step along an outline: advance to the next corner of the polygon; if that corner's side
    // is a merge edge, cross to the edge's use on the other polygon. `outline` tells whether the
    // arrival is an outline corner (its side is not a merge edge).
    //
    // A merge edge has exactly two uses on two different polygons, so crossing it pairs the uses
    // off; the step is then a one-to-one map of the object's corners onto themselves, and every
    // walk returns to where it started after at most as many steps as there are corners.
    CornerRef step(CornerRef from, bool& outline) const;

private:
    struct Uses {
        int count = 0;
        CornerRef first{-1, -1};
        CornerRef second{-1, -1};
    };
    const SceneObject& object_;
    std::vector<Uses> uses_;
    std::vector<bool> merge_;
};
