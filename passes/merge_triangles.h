// Rebuilds modelled polygons from triangles joined by hidden edges.
#pragma once

#include "model/scene_object.h"

bool mergeTriangles(SceneObject& object);
