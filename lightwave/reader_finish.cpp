#include "lightwave/reader_finish.h"

#include "lightwave/projection.h"
#include "passes/cleanup.h"
#include "passes/import_cleanup.h"

namespace {

// A polygon with a corner on a missing point loses its corners; the degenerate-polygon pass then
// removes it like any polygon of fewer than three corners.
void dropPolygonsWithMissingPoints(Scene& scene) {
    for (int o = 0; o < scene.objectCount; ++o) {
        SceneObject& object = scene.objects[o];
        for (int p = 0; p < object.polygonCount; ++p) {
            MeshPolygon& polygon = object.polygons[p];
            for (int k = 0; k < polygon.cornerCount; ++k) {
                const int point = polygon.cornerPoints[k];
                if (point < 0 || point >= object.pointCount) {
                    polygon.setCornerCount(0);
                    break;
                }
            }
        }
    }
}

}  // namespace

void finishObjectScene(Scene& scene) {
    dropPolygonsWithMissingPoints(scene);
    generateProjectionCoordinates(scene);
    reversePolygons(scene);
    removeDegeneratePolygons(scene);
}
