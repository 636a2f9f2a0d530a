// Reader of Metasequoia text documents ("Format Text Ver 1.0") into a Scene, and the finishing of
// the objects it reads: mirror copies, unit scale and world transforms.
#pragma once

#include <cstddef>

#include "metasequoia/mqo_text.h"
#include "model/scene.h"

// Reads the document at `path` into `scene`. false when the file cannot be opened (the scene is
// untouched), when its header does not name the supported format, or when it ends inside a binary
// point block (the scene is then left empty).
bool readMqoFile(const char* path, Scene& scene);
// The same over a document already in memory.
bool readMqoDocument(const char* data, std::size_t size, Scene& scene);

// Mirror flags of mirrorObject: reflect the geometry (1, 2, 4) and the transform (16, 32, 64)
// across X, Y, Z.
enum MirrorFlag : int {
    MirrorGeometryX = 1, MirrorGeometryY = 2, MirrorGeometryZ = 4,
    MirrorTransformX = 16, MirrorTransformY = 32, MirrorTransformZ = 64,
};

// Clean-up, unit scale 0.01, one copy per mirror reflection, world transforms. The mirror mask of
// each object is read from its `remap` field and cleared afterwards.
void finishMqoScene(Scene& scene);
// Reflects one object's points (and its polygons' winding when an odd number of axes flip) and/or
// its transform. Always true.
bool mirrorObject(SceneObject& object, int flags);
// Multiplies every position of the scene by `factor`, then rebuilds the world transforms. Always true.
bool scaleScene(Scene& scene, float factor);
