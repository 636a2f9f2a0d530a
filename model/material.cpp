#include "model/material.h"

#include "model/owned_text.h"

Material::Material() { reset(); }

Material::~Material() {
    releaseText(name);
    releaseText(uvMapName);
    releaseText(colorMapName);
}

void Material::reset() {
    releaseText(name);
    releaseText(uvMapName);
    releaseText(colorMapName);
    hostMaterial = nullptr;
    flags = 0;
    remap = -1;
    color.set(0.7f, 0.7f, 0.7f, 1.0f);
    for (int& slot : textureSlots) slot = -1;
    projection = -1;
    projectionCenter.clear();
    projectionSize.clear();
    // projectionAxis keeps its value: only a reader that finds an axis sets it.
    const int reservedIntDefaults[6] = {0, 0, 0, 1, -1, -1};
    for (int i = 0; i < 6; ++i) reservedInts[i] = reservedIntDefaults[i];
    reservedFloats[0] = 1.0f;
    reservedFloats[1] = reservedFloats[2] = 0.0f;
    smoothingAngle = 1.0384710f;
    textureTiling.reset();
    textureTiling.set(1.0f, 1.0f);
    textureOffset.reset();
    reservedFloat = 0.0f;
}

void Material::setName(const char* text) { replaceText(name, text); }

void Material::setUvMapName(const char* text) { replaceText(uvMapName, text); }

void Material::setColorMapName(const char* text) { replaceText(colorMapName, text); }

void Material::copyFrom(const Material& other) {
    if (&other == this) return;
    reset();
    hostMaterial = other.hostMaterial;
    flags = other.flags;
    remap = other.remap;
    color = other.color;
    for (int i = 0; i < 4; ++i) textureSlots[i] = other.textureSlots[i];
    setName(other.name);
    setUvMapName(other.uvMapName);
    setColorMapName(other.colorMapName);
    projection = other.projection;
    projectionCenter = other.projectionCenter;
    projectionSize = other.projectionSize;
    projectionAxis = other.projectionAxis;
    for (int i = 0; i < 6; ++i) reservedInts[i] = other.reservedInts[i];
    for (int i = 0; i < 3; ++i) reservedFloats[i] = other.reservedFloats[i];
    smoothingAngle = other.smoothingAngle;
    textureTiling.copyFrom(other.textureTiling);
    textureOffset.copyFrom(other.textureOffset);
    reservedFloat = other.reservedFloat;
}

Texture::~Texture() { releaseText(name); }

void Texture::reset() {
    releaseText(name);
    userData = 0;
    flags = 0;
    remap = -1;
    for (unsigned& word : reservedWords) word = 0;
}

void Texture::setName(const char* text) { replaceText(name, text); }

void Texture::copyFrom(const Texture& other) {
    if (&other == this) return;
    reset();
    userData = other.userData;
    flags = other.flags;
    remap = other.remap;
    setName(other.name);
    for (int i = 0; i < 4; ++i) reservedWords[i] = other.reservedWords[i];
}
