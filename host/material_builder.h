// Import side: the scene's materials as one host multi-material.
#pragma once

#include "model/scene.h"
#include "sdk/interface.h"
#include "sdk/material.h"

// One multi-material with a standard material per scene material, in scene order, so that a
// polygon's material index is its faces' material id; a material with a colour texture gets a
// bitmap diffuse map, shown in the viewports through `host` (when there is one). Null when the
// scene has no material or the host makes no multi-material. Nothing holds the result yet.
MultiMtl* buildHostMaterials(const Scene& scene, Interface* host);
