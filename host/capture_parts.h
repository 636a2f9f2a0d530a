// Pieces of the node capture that work on one part of the host's data each.
#pragma once

#include <vector>

#include "model/scene.h"
#include "sdk/inode.h"

// The node's placement at time t, split into the object's local position, rotation and scale:
// relative to its parent node when that became the object's parent, else relative to the world,
// so that a node under a helper or an unexported parent keeps its place as a root object.
void captureLocalTransform(SceneObject& object, INode* node, TimeValue t, bool relativeToParent);

// Scene material of every face of one node's mesh, from the node's host material: a standard
// material stands for all faces, a multi-material gives each face the sub-material of its id.
// Each distinct id is looked up once, so a large mesh costs no search per face.
class FaceMaterials {
public:
    FaceMaterials(Scene& scene, Mtl* nodeMaterial);
    // Scene material of face `face` of `mesh`, -1 for none.
    int forFace(const Mesh& mesh, int face);

private:
    Scene& scene_;
    Mtl* multi_ = nullptr;
    int single_ = -1;
    std::vector<int> byId_;  // scene material per sub-material id; Unresolved until first asked
};
