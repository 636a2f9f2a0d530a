// One placement of an object: world and local matrices and their position, rotation, scale vectors.
// As an animation key it also carries a frame number and a channel mask.
#pragma once

#include "model/math.h"

// Channel mask bits of a key.
enum TransformChannel : unsigned {
    ChannelPositionX = 0x1, ChannelPositionY = 0x2, ChannelPositionZ = 0x4,
    ChannelRotationY = 0x10, ChannelRotationX = 0x20, ChannelRotationZ = 0x40,
    ChannelScaleX = 0x100, ChannelScaleY = 0x200, ChannelScaleZ = 0x400,
};

class Transform {
public:
    unsigned reservedWords[10];
    int frame;
    unsigned channels;
    Mat4 worldMatrix;
    Mat4 localMatrix;
    Vec3 worldPosition;
    Vec3 worldRotation;
    Vec3 worldScale;
    Vec3 localPosition;
    Vec3 localRotation;
    Vec3 localScale;
    int reservedFlag;

    Transform();
    virtual ~Transform();
    Transform(const Transform&) = delete;
    Transform& operator=(const Transform&) = delete;

    void reset();
    void copyFrom(const Transform& other);
};
