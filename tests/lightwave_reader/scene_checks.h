// Checks that a scene a reader returned is safe to use: every index names an existing entry.
#pragma once

#include <gtest/gtest.h>

#include "model/scene.h"

inline void expectConsistent(const Scene& scene, const std::string& what) {
    for (int o = 0; o < scene.objectCount; ++o) {
        const SceneObject& object = scene.objects[o];
        for (int p = 0; p < object.polygonCount; ++p) {
            const MeshPolygon& polygon = object.polygons[p];
            ASSERT_GE(polygon.cornerCount, 3) << what;
            ASSERT_GE(polygon.material, -1) << what;
            ASSERT_LT(polygon.material, scene.materialCount) << what;
            for (int k = 0; k < polygon.cornerCount; ++k) {
                ASSERT_GE(polygon.cornerPoints[k], 0) << what;
                ASSERT_LT(polygon.cornerPoints[k], object.pointCount) << what;
                ASSERT_NE(polygon.cornerPoints[k], polygon.cornerPoints[(k + 1) % polygon.cornerCount]) << what;
                ASSERT_GE(polygon.cornerUvs[k], -1) << what;
                ASSERT_LT(polygon.cornerUvs[k], object.uvCount) << what;
            }
        }
    }
    for (int m = 0; m < scene.materialCount; ++m)
        for (int slot : scene.materials[m].textureSlots) {
            ASSERT_GE(slot, -1) << what;
            ASSERT_LT(slot, scene.textureCount) << what;
        }
}
