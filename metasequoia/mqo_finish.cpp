// Finishing of a read document: clean-up, unit scale, mirror copies and world transforms.
#include "metasequoia/mqo_document_reader.h"
#include "metasequoia/mqo_reader.h"
#include "passes/hierarchy.h"
#include "passes/import_cleanup.h"

namespace {

constexpr float documentUnitScale = 0.01f;

// Flags that reflect both the geometry and the transform across the axes of a subset of a mask.
int mirrorFlagsFor(int axes) {
    int flags = 0;
    if (axes & MirrorMaskX) flags |= MirrorGeometryX | MirrorTransformX;
    if (axes & MirrorMaskY) flags |= MirrorGeometryY | MirrorTransformY;
    if (axes & MirrorMaskZ) flags |= MirrorGeometryZ | MirrorTransformZ;
    return flags;
}

// One new object per non-empty subset of each object's mirror axes. Copies are appended after the
// objects read from the document and are not mirrored again.
void addMirrorCopies(Scene& scene) {
    const int sourceCount = scene.objectCount;
    for (int i = 0; i < sourceCount; ++i) {
        const int mask = scene.objects[i].remap;
        if (mask <= 0) continue;
        for (int axes = 1; axes <= 7; ++axes) {
            if ((axes & mask) != axes) continue;
            const int copy = scene.addObject("");
            if (copy < 0) return;
            scene.objects[copy].copyFrom(scene.objects[i]);
            mirrorObject(scene.objects[copy], mirrorFlagsFor(axes));
        }
    }
    // The masks are used up; the field goes back to its meaning outside compaction.
    for (int i = 0; i < scene.objectCount; ++i) scene.objects[i].remap = -1;
}

}  // namespace

bool mirrorObject(SceneObject& object, int flags) {
    const bool flipX = flags & MirrorGeometryX, flipY = flags & MirrorGeometryY, flipZ = flags & MirrorGeometryZ;
    for (int p = 0; p < object.pointCount; ++p) {
        Vec3& position = object.points[p].position;
        if (flipX) position.x = -position.x;
        if (flipY) position.y = -position.y;
        if (flipZ) position.z = -position.z;
    }
    // A reflection across an odd number of axes turns the winding inside out.
    if ((flipX + flipY + flipZ) % 2 == 1)
        for (int p = 0; p < object.polygonCount; ++p) object.polygons[p].reverse();
    Vec3& position = object.transform.localPosition;
    Vec3& rotation = object.transform.localRotation;
    if (flags & MirrorTransformX) {
        position.x = -position.x;
        rotation.y = -rotation.y;
        rotation.z = -rotation.z;
    }
    if (flags & MirrorTransformY) {
        rotation.x = -rotation.x;
        position.y = -position.y;
        rotation.z = -rotation.z;
    }
    if (flags & MirrorTransformZ) {
        rotation.x = -rotation.x;
        rotation.y = -rotation.y;
        position.z = -position.z;
    }
    return true;
}

bool scaleScene(Scene& scene, float factor) {
    for (int o = 0; o < scene.objectCount; ++o) {
        SceneObject& object = scene.objects[o];
        object.transform.localPosition *= factor;
        object.transform.worldPosition *= factor;
        for (int p = 0; p < object.pointCount; ++p) object.points[p].position *= factor;
    }
    computeWorldTransforms(scene);
    return true;
}

void finishMqoScene(Scene& scene) {
    removeDegeneratePolygons(scene);
    scaleScene(scene, documentUnitScale);
    addMirrorCopies(scene);
    computeWorldTransforms(scene);
}
