// Passes over the transform hierarchy: world matrices, baking, resetting, rotation order.
#pragma once

#include "model/scene.h"

bool computeWorldTransforms(Scene& scene);
bool bakeTransforms(Scene& scene);
bool resetTransforms(Scene& scene);
bool convertRotationOrder(Scene& scene, int targetOrder);
