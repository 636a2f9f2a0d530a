// Per-object mesh records: points with their weights, edges, polygons with their corners,
// texture coordinates, normals and vertex colours. References between them are indices, -1 = none.
// Every owned array is allocated by the model: change it only through the resize, add and
// setCornerCount operations, never with new[] / delete[] or by swapping pointers between records.
#pragma once

#include "model/math.h"

#define MODEL_NO_COPY(Type)        \
    Type(const Type&) = delete;    \
    Type& operator=(const Type&) = delete

class UvEntry {
public:
    unsigned flags = 0;
    int remap = -1;
    float u = 0.0f, v = 0.0f;

    UvEntry() = default;
    virtual ~UvEntry() = default;
    MODEL_NO_COPY(UvEntry);
    void reset();
    void copyFrom(const UvEntry& other);
    void set(float u_, float v_) { u = u_; v = v_; }
};

class PointWeight {
public:
    unsigned flags = 0;
    int remap = -1;
    int object = -1;  // index of an object of the scene
    float weight = 0.0f;

    PointWeight() = default;
    virtual ~PointWeight() = default;
    MODEL_NO_COPY(PointWeight);
    void reset();
    void copyFrom(const PointWeight& other);
};

class MeshPoint {
public:
    unsigned userData = 0;
    unsigned flags = 0;
    int remap = -1;
    Vec3 position;
    Vec3 auxVector;
    Vec3 normal;
    Color4 color;
    UvEntry uv;
    PointWeight* weights = nullptr;
    int weightCount = 0;
    int weightCapacity = 0;

    MeshPoint() = default;
    virtual ~MeshPoint();
    MODEL_NO_COPY(MeshPoint);
    void reset();
    void copyFrom(const MeshPoint& other);
    bool resizeWeights(int n);
    bool compactWeights();
};

class MeshEdge {
public:
    unsigned userData = 0;
    unsigned flags = 0;  // Hidden, Deleted
    int remap = -1;
    float reservedValue = 0.0f;
    int pointA = 0;
    int pointB = 0;

    MeshEdge() = default;
    virtual ~MeshEdge() = default;
    MODEL_NO_COPY(MeshEdge);
    void reset();
    void copyFrom(const MeshEdge& other);
};

class NormalEntry {
public:
    unsigned userData = 0;
    unsigned flags = 0;
    int remap = -1;
    Vec3 normal;

    NormalEntry() = default;
    virtual ~NormalEntry() = default;
    MODEL_NO_COPY(NormalEntry);
    void reset();
    void copyFrom(const NormalEntry& other);
};

class ColorEntry {
public:
    unsigned userData = 0;
    unsigned flags = 0;
    int remap = -1;
    Color4 color;

    ColorEntry() = default;
    virtual ~ColorEntry() = default;
    MODEL_NO_COPY(ColorEntry);
    void reset();
    void copyFrom(const ColorEntry& other);
};

class MeshPolygon {
public:
    unsigned userData = 0;
    unsigned flags = 0;
    int remap = -1;
    Color4 color{1.0f, 1.0f, 1.0f, 1.0f};
    // Eight arrays of cornerCount entries each; null when cornerCount is 0. They share one
    // allocation, so none of them may be replaced on its own.
    int* cornerPoints = nullptr;
    int* cornerEdges = nullptr;    // edge from corner i to corner i + 1 (the last to corner 0)
    int* cornerUvs = nullptr;
    int* cornerNormals = nullptr;
    int* cornerColors = nullptr;
    Vec3 normal;
    Vec3* cornerNormalVectors = nullptr;
    Color4* cornerColorValues = nullptr;
    Color4* cornerAuxColors = nullptr;
    int cornerCount = 0;  // 2 makes a line
    int material = -1;

    MeshPolygon() = default;
    virtual ~MeshPolygon();
    MODEL_NO_COPY(MeshPolygon);
    void reset();
    void copyFrom(const MeshPolygon& other);
    // Resets the polygon and gives it n default corners (indices -1, colour values 1,1,1,1).
    void setCornerCount(int n);
    // Changes the corner count keeping the first corners; false (unchanged) when allocation fails.
    bool resizeCorners(int n);
    // Corner i of this polygon takes every per-corner value of corner j of `other`.
    bool copyCorner(int i, const MeshPolygon& other, int j);
    // Reverses the winding; the closing edge stays last; normals are negated.
    void reverse();
};
