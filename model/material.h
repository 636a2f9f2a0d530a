// Surfaces and the image files they use.
#pragma once

#include "model/mesh_records.h"

class Material {
public:
    void* hostMaterial = nullptr;  // host material this entry was made from (the header's userData slot)
    unsigned flags = 0;            // Deleted; 0x8000 is the object reader's image-block scratch bit
    int remap = -1;
    Color4 color;
    int textureSlots[4];  // indices into the scene's textures; slot 0 is the colour texture
    char* name = nullptr;
    char* uvMapName = nullptr;
    char* colorMapName = nullptr;
    int projection;  // -1 none, 0 texture coordinates, 1 planar, 2 cylindrical, 3 spherical
    Vec3 projectionCenter;
    Vec3 projectionSize;
    int projectionAxis = 0;  // 1 X, 2 Y, 4 Z; construction and reset leave it as it was
    int reservedInts[6];
    float reservedFloats[3];
    float smoothingAngle;
    UvEntry textureTiling;
    UvEntry textureOffset;
    float reservedFloat;

    Material();
    virtual ~Material();
    MODEL_NO_COPY(Material);
    void reset();
    void setName(const char* text);
    void setUvMapName(const char* text);
    void setColorMapName(const char* text);
    void copyFrom(const Material& other);
};

class Texture {
public:
    unsigned userData = 0;
    unsigned flags = 0;
    int remap = -1;
    char* name = nullptr;  // image file path
    unsigned reservedWords[4] = {0, 0, 0, 0};

    Texture() = default;
    virtual ~Texture();
    MODEL_NO_COPY(Texture);
    void reset();
    void setName(const char* text);
    void copyFrom(const Texture& other);
};
