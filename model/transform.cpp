#include "model/transform.h"

Transform::Transform() { reset(); }

Transform::~Transform() = default;

void Transform::reset() {
    for (unsigned& word : reservedWords) word = 0;
    frame = 0;
    channels = 0;
    worldMatrix.identity();
    localMatrix.identity();
    worldPosition.clear();
    worldScale.set(1, 1, 1);
    worldRotation.clear();
    localPosition.clear();
    localScale.set(1, 1, 1);
    localRotation.clear();
    reservedFlag = 1;
}

void Transform::copyFrom(const Transform& other) {
    for (int i = 0; i < 10; ++i) reservedWords[i] = other.reservedWords[i];
    frame = other.frame;
    channels = other.channels;
    worldMatrix = other.worldMatrix;
    localMatrix = other.localMatrix;
    worldPosition = other.worldPosition;
    worldRotation = other.worldRotation;
    worldScale = other.worldScale;
    localPosition = other.localPosition;
    localRotation = other.localRotation;
    localScale = other.localScale;
    reservedFlag = other.reservedFlag;
}
