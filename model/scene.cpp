#include "model/scene.h"

#include <cstdio>
#include <cstring>

#include "model/owned_text.h"
#include "model/record_relocation.h"
#include "model/record_storage.h"

namespace {

constexpr int SceneArrayStep = 16;

template <class T>
void copyMoves(T& dst, T& src) {
    dst.copyFrom(src);
}

// Objects change places by taking over each other's storage instead of a deep copy.
void objectMoves(SceneObject& dst, SceneObject& src) { relocate(dst, src); }

template <class T>
bool resizeArray(T*& items, int count, int& capacity, int n) {
    return record_storage::resize(items, count, capacity, n, copyMoves<T>);
}

bool resizeArray(SceneObject*& items, int count, int& capacity, int n) {
    return record_storage::resize(items, count, capacity, n, objectMoves);
}

// Appends a named entry; an empty (or missing) name becomes the pattern formatted with the index.
template <class T>
int addNamed(T*& items, int& count, int& capacity, const char* text, const char* pattern) {
    if (count >= capacity && !resizeArray(items, count, capacity, capacity + SceneArrayStep)) return -1;
    const int index = count++;
    if (text && text[0] != '\0') {
        items[index].setName(text);
    } else {
        char generated[32];
        std::snprintf(generated, sizeof generated, pattern, index);
        items[index].setName(generated);
    }
    return index;
}

template <class T>
int findByName(const T* items, int count, const char* text) {
    if (!text) return -1;
    for (int i = 0; i < count; ++i)
        if (items[i].name && std::strcmp(items[i].name, text) == 0) return i;
    return -1;
}

// Copies `count` entries into an array resized to `capacity`; an array that cannot be allocated
// stays empty.
template <class T>
void copyArray(T*& items, int& count, int& capacity, const T* source, int sourceCount, int sourceCapacity) {
    if (!resizeArray(items, 0, capacity, sourceCapacity)) return;
    count = sourceCount;
    for (int i = 0; i < count; ++i) items[i].copyFrom(source[i]);
}

}  // namespace

Scene::~Scene() { reset(); }  // reset releases every owned string and array

void Scene::reset() {
    releaseText(name);
    record_storage::release(objects);
    record_storage::release(materials);
    record_storage::release(textures);
    record_storage::release(auxItemsA);
    record_storage::release(auxItemsB);
    record_storage::release(auxItemsC);
    time = 0;
    firstFrame = 0;
    lastFrame = 60;
    framesPerSecond = 30.0f;
    axisX = 0;
    axisY = 2;
    axisZ = 5;
    handedness = 1;
    reserved = 0;
    exportFlags = 0;
    currentObject = -1;
    objectCount = materialCount = textureCount = auxItemACount = auxItemBCount = auxItemCCount = 0;
    objectCapacity = materialCapacity = textureCapacity = auxItemACapacity = auxItemBCapacity =
        auxItemCCapacity = 0;
}

void Scene::setName(const char* text) { replaceText(name, text); }

int Scene::addObject(const char* objectName) {
    return addNamed(objects, objectCount, objectCapacity, objectName, "obj_%02d");
}

int Scene::addMaterial(const char* materialName) {
    return addNamed(materials, materialCount, materialCapacity, materialName, "mat_%02d");
}

int Scene::addTexture(const char* textureName) {
    return addNamed(textures, textureCount, textureCapacity, textureName, "tex_%02d");
}

int Scene::findTexture(const char* textureName) const { return findByName(textures, textureCount, textureName); }

int Scene::findMaterial(const char* materialName) const {
    return findByName(materials, materialCount, materialName);
}

bool Scene::resizeObjects(int n) { return resizeArray(objects, objectCount, objectCapacity, n); }
bool Scene::resizeMaterials(int n) { return resizeArray(materials, materialCount, materialCapacity, n); }
bool Scene::resizeTextures(int n) { return resizeArray(textures, textureCount, textureCapacity, n); }
bool Scene::resizeAuxItemsA(int n) { return resizeArray(auxItemsA, auxItemACount, auxItemACapacity, n); }
bool Scene::resizeAuxItemsB(int n) { return resizeArray(auxItemsB, auxItemBCount, auxItemBCapacity, n); }
bool Scene::resizeAuxItemsC(int n) { return resizeArray(auxItemsC, auxItemCCount, auxItemCCapacity, n); }

void Scene::copyFrom(const Scene& other) {
    if (&other == this) return;
    reset();
    time = other.time;
    firstFrame = other.firstFrame;
    lastFrame = other.lastFrame;
    framesPerSecond = other.framesPerSecond;
    axisX = other.axisX;
    axisY = other.axisY;
    axisZ = other.axisZ;
    handedness = other.handedness;
    setName(other.name);
    reserved = other.reserved;
    exportFlags = other.exportFlags;
    currentObject = other.currentObject;
    copyArray(objects, objectCount, objectCapacity, other.objects, other.objectCount, other.objectCapacity);
    copyArray(materials, materialCount, materialCapacity, other.materials, other.materialCount,
              other.materialCapacity);
    copyArray(textures, textureCount, textureCapacity, other.textures, other.textureCount, other.textureCapacity);
    copyArray(auxItemsA, auxItemACount, auxItemACapacity, other.auxItemsA, other.auxItemACount,
              other.auxItemACapacity);
    copyArray(auxItemsB, auxItemBCount, auxItemBCapacity, other.auxItemsB, other.auxItemBCount,
              other.auxItemBCapacity);
    copyArray(auxItemsC, auxItemCCount, auxItemCCapacity, other.auxItemsC, other.auxItemCCount,
              other.auxItemCCapacity);
}

bool Scene::compactObjects() {
    record_storage::assignRemaps(objects, objectCount, Deleted);
    for (int i = 0; i < objectCount; ++i) {
        SceneObject& object = objects[i];
        if (object.parent != -1) object.parent = record_storage::remapped(objects, objectCount, object.parent);
    }
    for (int i = 0; i < objectCount; ++i) {
        SceneObject& object = objects[i];
        if (object.flags & Deleted) continue;
        for (int p = 0; p < object.pointCount; ++p) {
            MeshPoint& point = object.points[p];
            for (int w = 0; w < point.weightCount; ++w) {
                PointWeight& weight = point.weights[w];
                // A weight naming no object, a missing object or a removed one goes with it.
                const int target = record_storage::remapped(objects, objectCount, weight.object);
                if (target == -1) {
                    weight.flags |= Deleted;
                    weight.remap = -1;
                } else {
                    weight.object = target;
                }
            }
            point.compactWeights();
        }
    }
    objectCount = record_storage::moveSurvivors(objects, objectCount, Deleted, objectMoves);
    resizeObjects(objectCount);
    return true;
}

bool Scene::compactMaterials() {
    record_storage::assignRemaps(materials, materialCount, Deleted);
    for (int i = 0; i < objectCount; ++i) {
        SceneObject& object = objects[i];
        for (int p = 0; p < object.polygonCount; ++p) {
            MeshPolygon& polygon = object.polygons[p];
            if (polygon.material != -1)
                polygon.material = record_storage::remapped(materials, materialCount, polygon.material);
        }
    }
    materialCount = record_storage::moveSurvivors(materials, materialCount, Deleted, copyMoves<Material>);
    resizeMaterials(materialCount);
    return true;
}
