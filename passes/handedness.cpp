// Moves a scene between the two handedness conventions: windings and rotation senses flip.
#include "passes/axes.h"
#include "passes/object_winding.h"

namespace {

void negateRotation(Transform& t) {
    t.localRotation = -t.localRotation;
}

}  // namespace

bool convertHandedness(Scene& scene, int sourceHandedness, int targetHandedness) {
    if (sourceHandedness != targetHandedness) {
        for (int i = 0; i < scene.objectCount; ++i) {
            SceneObject& object = scene.objects[i];
            // Shared normals keep their direction: only the winding and the local rotations flip.
            reverseObjectPolygons(object);
            negateRotation(object.transform);
            for (int k = 0; k < object.keyCount; ++k) negateRotation(object.keys[k]);
        }
    }
    scene.handedness = targetHandedness;
    return true;
}

bool setHandedness(Scene& scene, int targetHandedness) {
    return convertHandedness(scene, scene.handedness, targetHandedness);
}
