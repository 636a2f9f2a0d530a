// The depth-first walk over the host's nodes and the conversion of the captured scene.
#include "host/capture.h"

#include <vector>

#include "passes/axes.h"

namespace {

// Captures the tree under `root` in depth-first pre-order; children of a node that yields no
// object become roots. An explicit stack keeps deep hierarchies off the call stack.
void captureTree(Scene& scene, INode* root) {
    struct Pending {
        INode* node;
        int parent;
    };
    std::vector<Pending> pending{{root, -1}};
    while (!pending.empty()) {
        const Pending next = pending.back();
        pending.pop_back();
        if (!next.node) continue;
        const int index = captureNode(scene, next.node, next.parent);
        // Pushed last to first so that children are taken in index order.
        for (int i = next.node->NumberOfChildren() - 1; i >= 0; --i)
            pending.push_back({next.node->GetChildNode(i), index});
    }
}

}  // namespace

bool captureScene(Scene& scene, Interface* host) {
    if (!host) return false;
    captureTree(scene, host->GetRootNode());
    // The host's z axis points up; the model's y does: a host point (x, y, z) becomes (x, z, -y).
    convertAxes(scene, AxisPosX, AxisNegZ, AxisPosY, AxisPosX, AxisPosY, AxisPosZ);
    convertHandedness(scene, 1, 1);
    // The host counts v from the bottom of the image, the model from the top.
    flipTextureCoordinates(scene, FlipV);
    return true;
}
