// Export capture: fills a Scene from the host's node tree and brings it into the model's
// conventions.
#pragma once

#include "model/scene.h"
#include "sdk/inode.h"
#include "sdk/interface.h"

// Captures every node under the host's root, depth first, with the meshes as polygons, their
// materials and textures, then converts axes, handedness and texture coordinates. Appends to
// `scene`; false (scene untouched) when there is no host.
bool captureScene(Scene& scene, Interface* host);

// Captures one node as an object with `parent` as its parent index. The new object's index, or
// -1 when the node is skipped (not selected in a selection-only capture, no object, or one that
// does not become a triangle mesh).
int captureNode(Scene& scene, INode* node, int parent);

// The scene material standing for host material `material`, added on first use (materials are
// shared by host material, textures by image file name). -1 for no material.
int captureMaterial(Scene& scene, Mtl* material);
