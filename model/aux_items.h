// Three kinds of auxiliary scene item. No operation of the system fills them; a scene only resets,
// copies and destroys them.
#pragma once

#include "model/mesh_records.h"
#include "model/transform.h"

class AuxItemA {
public:
    unsigned userData = 0;
    unsigned flags = 0;
    int remap = -1;
    unsigned reservedWord = 0;
    char* name = nullptr;
    float angle = 0.5235988f;
    float value = 8.0f;
    Transform transform;
    int keyCount = 0;
    int keyCapacity = 0;
    Transform* keys = nullptr;

    AuxItemA() = default;
    virtual ~AuxItemA();
    MODEL_NO_COPY(AuxItemA);
    void reset();
    void setName(const char* text);
    void copyFrom(const AuxItemA& other);
    // Sets the key array's capacity (rule of the model's arrays); false, unchanged, without memory.
    bool resizeKeys(int n);
};

class AuxItemB {
public:
    unsigned userData = 0;
    unsigned flags = 0;
    int remap = -1;
    unsigned reservedWord = 0;
    char* name = nullptr;
    Transform transform;
    int keyCount = 0;
    int keyCapacity = 0;
    Transform* keys = nullptr;

    AuxItemB() = default;
    virtual ~AuxItemB();
    MODEL_NO_COPY(AuxItemB);
    void reset();
    void setName(const char* text);
    void copyFrom(const AuxItemB& other);
    // Sets the key array's capacity (rule of the model's arrays); false, unchanged, without memory.
    bool resizeKeys(int n);
};

class AuxItemC {
public:
    unsigned userData = 0;
    unsigned flags = 0;
    int remap = -1;
    unsigned reservedWord = 0;
    char* name = nullptr;
    int target = -1;
    int kind = 0;
    int paramInts1[7] = {};
    float paramFloats1[3] = {};
    int paramInts2[4] = {};
    float paramFloats2[2] = {};
    int extraInts[2] = {};
    float extraFloat = 0.0f;
    Vec3 vectors[4];
    Transform transform;
    int keyCount = 0;
    int keyCapacity = 0;
    Transform* keys = nullptr;

    AuxItemC() = default;
    virtual ~AuxItemC();
    MODEL_NO_COPY(AuxItemC);
    void reset();
    void setName(const char* text);
    void copyFrom(const AuxItemC& other);
    // Sets the key array's capacity (rule of the model's arrays); false, unchanged, without memory.
    bool resizeKeys(int n);
};
