// Working aids the object readers keep beside the scene while they fill it: name look-ups for
// materials and textures by hash instead of a scan, and array growth that doubles, so that files
// with many surfaces, clips or small chunks are still read in time linear in their size.
#pragma once

#include <climits>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/scene.h"

class SceneNames {
public:
    // Indexes the materials and textures the scene already holds.
    explicit SceneNames(Scene& scene);

    // First material of this name (as Scene::findMaterial), or -1.
    int findMaterial(const std::string& name) const;
    // Every material of this name after the first, in index order.
    const std::vector<int>& laterMaterials(const std::string& name) const;
    // Appends a material (an empty name gets the scene's default name) and returns its index.
    int addMaterial(const std::string& name);
    // First texture of this name, appended when there is none.
    int findOrAddTexture(const std::string& name);

private:
    Scene& scene_;
    std::unordered_map<std::string, int> materials_;
    std::unordered_map<std::string, std::vector<int>> laterMaterials_;
    std::unordered_map<std::string, int> textures_;
};

// Makes room for `extra` more entries of an object array: at least what is needed, and at least
// double the old capacity once the array has grown before. False when the count would not fit an
// int (the chunk then cannot be read).
template <class Resize>
bool growFor(int count, int capacity, long long extra, Resize resize) {
    const long long needed = (long long)count + extra;
    if (needed > INT_MAX) return false;
    if (needed <= capacity) return true;
    long long target = needed;
    if (capacity > 0 && target < 2LL * capacity) target = 2LL * capacity < INT_MAX ? 2LL * capacity : INT_MAX;
    return resize(int(target));
}

// Scene::addObject with the object array grown by doubling.
int addObjectGrowing(Scene& scene, const char* name);
bool growPoints(SceneObject& object, long long extra);
bool growPolygons(SceneObject& object, long long extra);
// Appends a texture-coordinate entry (u, v), growing the array by doubling; its index.
int appendUv(SceneObject& object, float u, float v);
