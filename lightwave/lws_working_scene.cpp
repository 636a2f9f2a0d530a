#include "lightwave/lws_working_scene.h"

#include <vector>

namespace {

void copySettings(const Scene& scene, Scene& working) {
    working.reset();
    working.time = scene.time;
    working.firstFrame = scene.firstFrame;
    working.lastFrame = scene.lastFrame;
    working.framesPerSecond = scene.framesPerSecond;
    working.axisX = scene.axisX;
    working.axisY = scene.axisY;
    working.axisZ = scene.axisZ;
    working.handedness = scene.handedness;
    working.reserved = scene.reserved;
    working.exportFlags = scene.exportFlags;
    working.setName(scene.name);
}

}  // namespace

bool copyObjectScene(const Scene& scene, int objectIndex, Scene& working) {
    copySettings(scene, working);
    const SceneObject& source = scene.objects[objectIndex];

    // New index of every material the object uses, in scene order.
    std::vector<int> newIndex(std::size_t(scene.materialCount), -1);
    for (int p = 0; p < source.polygonCount; ++p) {
        const int m = source.polygons[p].material;
        if (m < -1 || m >= scene.materialCount) return false;
        if (m >= 0) newIndex[std::size_t(m)] = 0;
    }
    int used = 0;
    for (int& index : newIndex)
        if (index == 0) index = used++;
    working.resizeMaterials(used);
    for (int m = 0; m < scene.materialCount; ++m) {
        if (newIndex[std::size_t(m)] < 0) continue;
        working.materials[working.materialCount++].copyFrom(scene.materials[m]);
    }
    working.resizeTextures(scene.textureCount);
    for (int t = 0; t < scene.textureCount; ++t) working.textures[working.textureCount++].copyFrom(scene.textures[t]);

    working.resizeObjects(1);
    working.objectCount = 1;
    SceneObject& object = working.objects[0];
    object.copyFrom(source);
    object.parent = -1;
    for (int p = 0; p < object.polygonCount; ++p) {
        int& m = object.polygons[p].material;
        if (m >= 0) m = newIndex[std::size_t(m)];
    }
    return true;
}

void copyMotionScene(const Scene& scene, Scene& working) {
    copySettings(scene, working);
    working.resizeObjects(scene.objectCount);
    working.objectCount = scene.objectCount;
    for (int i = 0; i < scene.objectCount; ++i) {
        const SceneObject& source = scene.objects[i];
        SceneObject& object = working.objects[i];
        object.setName(source.name);
        object.parent = source.parent;
        object.rotationOrder = source.rotationOrder;
        object.transform.copyFrom(source.transform);
        object.auxTransform.copyFrom(source.auxTransform);
    }
}
