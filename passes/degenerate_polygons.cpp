// Removes repeated consecutive corners and the polygons too small to be surfaces.
#include "passes/import_cleanup.h"

namespace {

// Drops every corner whose point repeats on the next corner (the last run member stays), closes
// the gaps, and deletes a polygon left with fewer than three corners.
void cleanPolygon(MeshPolygon& polygon) {
    const int n = polygon.cornerCount;
    for (int j = 0; j < n; ++j) {
        // Reads corner 0 as already changed when the last corner is compared with it.
        if (polygon.cornerPoints[j] == polygon.cornerPoints[(j + 1) % n]) polygon.cornerPoints[j] = -1;
    }
    int kept = 0;
    for (int l = 0; l < n; ++l) {
        if (polygon.cornerPoints[l] == -1) continue;
        if (l != kept) polygon.copyCorner(kept, polygon, l);
        ++kept;
    }
    if (kept < 3) {
        polygon.flags |= Deleted;
        polygon.remap = -1;
    } else if (kept < n) {
        polygon.resizeCorners(kept);
    }
}

}  // namespace

bool removeDegeneratePolygons(Scene& scene) {
    for (int i = 0; i < scene.objectCount; ++i) {
        SceneObject& object = scene.objects[i];
        for (int j = 0; j < object.polygonCount; ++j) cleanPolygon(object.polygons[j]);
        object.compact();
    }
    return true;
}
