// Reduced copies of a scene that the scene writer works on instead of full copies.
#pragma once

#include "model/scene.h"

// Makes `working` hold only object `objectIndex` of `scene` (as a root: parent -1), the materials
// its polygons use (in scene order, polygons renumbered; materials it does not use are left out),
// all textures and the scene's settings: the scene a full copy would become after every other
// object and every unused material was removed. Returns false when a polygon names a material
// that does not exist.
bool copyObjectScene(const Scene& scene, int objectIndex, Scene& working);

// Makes `working` hold every object's name, parent, rotation order and transforms, and the
// scene's settings, but no geometry, materials or textures: enough for the motion text.
void copyMotionScene(const Scene& scene, Scene& working);
