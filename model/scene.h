// The intermediate scene every plug-in works on: settings and six owned arrays.
#pragma once

#include "model/aux_items.h"
#include "model/flags.h"
#include "model/material.h"
#include "model/scene_object.h"

class Scene {
public:
    int time = 0;
    int firstFrame = 0;
    int lastFrame = 60;
    float framesPerSecond = 30.0f;
    int axisX = 0, axisY = 2, axisZ = 5;  // AxisCode held by the x, y, z components
    int handedness = 1;
    int reserved = 0;
    unsigned exportFlags = 0;  // SelectedOnly
    int currentObject = -1;
    int objectCount = 0, materialCount = 0, textureCount = 0, auxItemACount = 0, auxItemBCount = 0,
        auxItemCCount = 0;
    int objectCapacity = 0, materialCapacity = 0, textureCapacity = 0, auxItemACapacity = 0,
        auxItemBCapacity = 0, auxItemCCapacity = 0;
    char* name = nullptr;
    SceneObject* objects = nullptr;
    Material* materials = nullptr;
    Texture* textures = nullptr;
    AuxItemA* auxItemsA = nullptr;
    AuxItemB* auxItemsB = nullptr;
    AuxItemC* auxItemsC = nullptr;

    Scene() = default;
    virtual ~Scene();
    MODEL_NO_COPY(Scene);

    void reset();
    void setName(const char* text);
    // Append an entry; an empty (or null) name becomes obj_%02d / mat_%02d / tex_%02d of the new
    // index. -1 when the array cannot grow. The add may move the array: take the index first, then
    // index the array (`int i = s.addObject(""); s.objects[i]...`).
    int addObject(const char* objectName);
    int addMaterial(const char* materialName);
    int addTexture(const char* textureName);
    int findTexture(const char* textureName) const;
    int findMaterial(const char* materialName) const;
    bool resizeObjects(int n);
    bool resizeMaterials(int n);
    bool resizeTextures(int n);
    bool resizeAuxItemsA(int n);
    bool resizeAuxItemsB(int n);
    bool resizeAuxItemsC(int n);
    void copyFrom(const Scene& other);
    bool compactObjects();
    bool compactMaterials();
};
