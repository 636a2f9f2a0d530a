// Per-object winding reversal shared by the winding and handedness passes.
#pragma once

#include "model/scene_object.h"

// Reverses the corner order of every polygon of the object (normals negated with it).
void reverseObjectPolygons(SceneObject& object);
