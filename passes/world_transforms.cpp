// Rebuilds every object's local matrix from its vectors and pivots, and its world matrix from
// the chain of its parents.
#include "passes/hierarchy.h"

#include <vector>

namespace {

// Scale about the scale pivot, then rotate about the rotate pivot, then place.
Mat4 localMatrixOf(const SceneObject& object) {
    const Transform& t = object.transform;
    Mat4 m;
    m.translate(-object.scalePivot);
    m.scale(t.localScale);
    m.translate(object.scalePivot);
    m.translate(object.scalePivotOffset);
    m.translate(-object.rotatePivot);
    m.rotate(t.localRotation, object.rotationOrder);
    m.translate(object.rotatePivot);
    m.translate(object.rotatePivotOffset);
    m.translate(t.localPosition);
    return m;
}

// A parent index that names no object of the scene is treated as no parent.
int parentOf(const Scene& scene, int index) {
    int parent = scene.objects[index].parent;
    return parent >= 0 && parent < scene.objectCount ? parent : -1;
}

enum class Visit : unsigned char { Pending, OnPath, Resolved, Cyclic };

// An object whose ancestor chain never reaches a root (it is on a parent cycle or hangs below
// one) stops after `objectCount` levels: its world matrix is the product of the local matrices
// of the first objectCount + 1 objects of its chain, combined from the far end inwards.
void resolveCyclic(Scene& scene, int index, std::vector<int>& chain) {
    int allowance = scene.objectCount;
    chain.clear();
    for (int o = index, d = allowance; d >= 0; --d) {
        chain.push_back(o);
        o = parentOf(scene, o);
    }
    Mat4 world = scene.objects[chain.back()].transform.localMatrix;
    for (int i = static_cast<int>(chain.size()) - 2; i >= 0; --i)
        world = scene.objects[chain[i]].transform.localMatrix * world;
    scene.objects[index].transform.worldMatrix = world;
}

}  // namespace

// Each object's world matrix is its local matrix times its parent's world matrix. Resolved world
// matrices are reused, so a chain is walked once however many objects hang below it; walking is
// iterative, so deep hierarchies cannot exhaust the stack. The result equals recomputing every
// chain from scratch.
bool computeWorldTransforms(Scene& scene) {
    const int count = scene.objectCount;
    for (int i = 0; i < count; ++i) {
        Transform& t = scene.objects[i].transform;
        t.localMatrix = localMatrixOf(scene.objects[i]);
        t.worldMatrix = t.localMatrix;
    }

    std::vector<Visit> state(count, Visit::Pending);
    std::vector<int> path;
    std::vector<int> chain;
    for (int start = 0; start < count; ++start) {
        if (state[start] != Visit::Pending) continue;
        path.clear();
        int o = start;
        while (o != -1 && state[o] == Visit::Pending) {
            state[o] = Visit::OnPath;
            path.push_back(o);
            o = parentOf(scene, o);
        }
        // The walk ended at a root or a resolved object, or it met its own path or a cyclic
        // object: then no object of the path ever reaches a root.
        bool reachesRoot = o == -1 || state[o] == Visit::Resolved;
        for (auto it = path.rbegin(); it != path.rend(); ++it) {
            int p = *it;
            if (reachesRoot) {
                int parent = parentOf(scene, p);
                if (parent != -1) {
                    Transform& t = scene.objects[p].transform;
                    t.worldMatrix = t.worldMatrix * scene.objects[parent].transform.worldMatrix;
                }
                state[p] = Visit::Resolved;
            } else {
                resolveCyclic(scene, p, chain);
                state[p] = Visit::Cyclic;
            }
        }
    }
    return true;
}
