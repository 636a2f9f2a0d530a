// Reverses the winding of every polygon of a scene.
#include "passes/cleanup.h"
#include "passes/object_winding.h"

void reverseObjectPolygons(SceneObject& object) {
    for (int i = 0; i < object.polygonCount; ++i) object.polygons[i].reverse();
}

bool reversePolygons(Scene& scene) {
    for (int i = 0; i < scene.objectCount; ++i) {
        SceneObject& object = scene.objects[i];
        reverseObjectPolygons(object);
        // Shared normals face the other way with the polygons that use them.
        for (int j = 0; j < object.normalCount; ++j) object.normals[j].normal = -object.normals[j].normal;
    }
    return true;
}
