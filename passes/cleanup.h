// Winding, material and edge clean-up passes.
#pragma once

#include "model/scene.h"

bool reversePolygons(Scene& scene);
bool assignDefaultMaterial(Scene& scene);
bool removeFaceEdges(Scene& scene);
bool convertEdgesToLines(Scene& scene);
bool removeUnusedMaterials(Scene& scene);
