// Gives every polygon a material and drops the materials no polygon uses.
#include "passes/cleanup.h"

namespace {

bool namesMaterial(const Scene& scene, int material) {
    return material >= 0 && material < scene.materialCount;
}

}  // namespace

// A polygon whose material names no entry of the scene (-1, or a stale index) gets material 0,
// so a writer never looks up a surface that does not exist.
bool assignDefaultMaterial(Scene& scene) {
    if (scene.materialCount == 0) scene.addMaterial("NoMaterial");
    for (int i = 0; i < scene.objectCount; ++i) {
        SceneObject& object = scene.objects[i];
        for (int j = 0; j < object.polygonCount; ++j) {
            MeshPolygon& polygon = object.polygons[j];
            if (!namesMaterial(scene, polygon.material)) polygon.material = 0;
        }
    }
    return true;
}

// The compaction turns a material index that names no material into -1 as well.
bool removeUnusedMaterials(Scene& scene) {
    for (int m = 0; m < scene.materialCount; ++m) {
        scene.materials[m].flags |= Deleted;
        scene.materials[m].remap = -1;
    }
    for (int i = 0; i < scene.objectCount; ++i) {
        SceneObject& object = scene.objects[i];
        for (int j = 0; j < object.polygonCount; ++j) {
            MeshPolygon& polygon = object.polygons[j];
            if (namesMaterial(scene, polygon.material)) scene.materials[polygon.material].flags &= ~Deleted;
        }
    }
    return scene.compactMaterials();
}
