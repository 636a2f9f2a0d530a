// Re-expresses every rotation of every object in another Euler order.
#include "passes/hierarchy.h"

#include "model/euler.h"

namespace {

bool isRotationOrder(int order) {
    return order >= OrderXYZ && order <= OrderZYX;
}

}  // namespace

bool convertRotationOrder(Scene& scene, int targetOrder) {
    // An unknown target would turn every rotation into zero: refuse it and keep the scene.
    if (!isRotationOrder(targetOrder)) return false;
    const Vec3 zero;
    for (int i = 0; i < scene.objectCount; ++i) {
        SceneObject& object = scene.objects[i];
        // The matrix builder reads an unknown order as ZYX; convert from what the object shows.
        int source = isRotationOrder(object.rotationOrder) ? object.rotationOrder : OrderZYX;
        Transform& t = object.transform;
        t.localRotation = convertEulerOrder(t.localRotation, source, targetOrder, zero);
        Transform& aux = object.auxTransform;
        aux.localRotation = convertEulerOrder(aux.localRotation, source, targetOrder, zero);
        aux.worldRotation = convertEulerOrder(aux.worldRotation, source, targetOrder, zero);
        // Each key is unwrapped against the previous converted key, so animation stays continuous.
        Vec3 reference;
        for (int k = 0; k < object.keyCount; ++k) {
            Transform& key = object.keys[k];
            key.localRotation = convertEulerOrder(key.localRotation, source, targetOrder, reference);
            reference = key.localRotation;
        }
        object.rotationOrder = targetOrder;
    }
    return true;
}
