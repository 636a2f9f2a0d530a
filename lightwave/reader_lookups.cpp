#include "lightwave/reader_lookups.h"

SceneNames::SceneNames(Scene& scene) : scene_(scene) {
    for (int i = 0; i < scene.materialCount; ++i)
        if (scene.materials[i].name && !materials_.emplace(scene.materials[i].name, i).second)
            laterMaterials_[scene.materials[i].name].push_back(i);
    for (int i = 0; i < scene.textureCount; ++i)
        if (scene.textures[i].name) textures_.emplace(scene.textures[i].name, i);
}

int SceneNames::findMaterial(const std::string& name) const {
    const auto found = materials_.find(name);
    return found == materials_.end() ? -1 : found->second;
}

int SceneNames::addMaterial(const std::string& name) {
    // The scene grows its arrays by a fixed step; doubling keeps a file of many tags linear.
    growFor(scene_.materialCount, scene_.materialCapacity, 1, [&](int n) { return scene_.resizeMaterials(n); });
    const int index = scene_.addMaterial(name.c_str());
    // emplace keeps an earlier material of the same name: look-ups find the first, like a scan.
    if (!materials_.emplace(scene_.materials[index].name, index).second)
        laterMaterials_[scene_.materials[index].name].push_back(index);
    return index;
}

const std::vector<int>& SceneNames::laterMaterials(const std::string& name) const {
    static const std::vector<int> none;
    const auto found = laterMaterials_.find(name);
    return found == laterMaterials_.end() ? none : found->second;
}

int SceneNames::findOrAddTexture(const std::string& name) {
    const auto found = textures_.find(name);
    if (found != textures_.end()) return found->second;
    growFor(scene_.textureCount, scene_.textureCapacity, 1, [&](int n) { return scene_.resizeTextures(n); });
    const int index = scene_.addTexture(name.c_str());
    textures_.emplace(scene_.textures[index].name, index);
    return index;
}

int addObjectGrowing(Scene& scene, const char* name) {
    growFor(scene.objectCount, scene.objectCapacity, 1, [&](int n) { return scene.resizeObjects(n); });
    return scene.addObject(name);
}

bool growPoints(SceneObject& object, long long extra) {
    return growFor(object.pointCount, object.pointCapacity, extra,
                   [&](int n) { return object.resizePoints(n); });
}

bool growPolygons(SceneObject& object, long long extra) {
    return growFor(object.polygonCount, object.polygonCapacity, extra,
                   [&](int n) { return object.resizePolygons(n); });
}

int appendUv(SceneObject& object, float u, float v) {
    growFor(object.uvCount, object.uvCapacity, 1, [&](int n) { return object.resizeUvs(n); });
    const int index = object.addUv();
    object.uvs[index].set(u, v);
    return index;
}
