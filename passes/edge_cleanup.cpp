// Edge passes for the object writer: outline edges go, free-standing edges become lines.
#include "passes/cleanup.h"

bool removeFaceEdges(Scene& scene) {
    for (int i = 0; i < scene.objectCount; ++i) {
        SceneObject& object = scene.objects[i];
        if (object.pointCount == 0) continue;
        for (int j = 0; j < object.polygonCount; ++j) {
            const MeshPolygon& polygon = object.polygons[j];
            for (int c = 0; c < polygon.cornerCount; ++c) {
                int e = polygon.cornerEdges[c];
                if (e < 0 || e >= object.edgeCount) continue;
                object.edges[e].flags |= Deleted;
                object.edges[e].remap = -1;
            }
        }
        object.compact();
    }
    return true;
}

namespace {

bool namesPoint(const SceneObject& object, int point) {
    return point >= 0 && point < object.pointCount;
}

}  // namespace

// An edge whose end points name no point of the object cannot make a line; it is only removed.
bool convertEdgesToLines(Scene& scene) {
    for (int i = 0; i < scene.objectCount; ++i) {
        SceneObject& object = scene.objects[i];
        // One allocation for all new lines instead of growing step by step.
        object.resizePolygons(object.edgeCount + object.polygonCount);
        for (int e = 0; e < object.edgeCount; ++e) {
            MeshEdge& edge = object.edges[e];
            if (namesPoint(object, edge.pointA) && namesPoint(object, edge.pointB)) {
                int line = object.addPolygon(2);
                object.polygons[line].cornerPoints[0] = edge.pointA;
                object.polygons[line].cornerPoints[1] = edge.pointB;
            }
            edge.flags |= Deleted;
            edge.remap = -1;
        }
        object.compact();
    }
    return true;
}
