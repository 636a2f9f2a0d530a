// One mesh of a scene: name, place in the hierarchy, placement and seven owned record arrays.
#pragma once

#include "model/mesh_records.h"
#include "model/transform.h"

class SceneObject {
public:
    void* hostNode = nullptr;  // host node created for this object by the import builder
    int parent = -1;
    int reserved0 = 0;  // not copied
    unsigned flags = 0;
    int remap = -1;
    int reserved1 = 0;
    char* name = nullptr;
    int reserved2 = 0, reserved3 = 0;
    Color4 color;
    Transform transform;
    Transform auxTransform;
    int pointCount = 0, edgeCount = 0, polygonCount = 0, uvCount = 0, colorCount = 0, normalCount = 0,
        keyCount = 0;
    int pointCapacity = 0, edgeCapacity = 0, polygonCapacity = 0, uvCapacity = 0, colorCapacity = 0,
        normalCapacity = 0, keyCapacity = 0;
    MeshPoint* points = nullptr;
    MeshEdge* edges = nullptr;
    MeshPolygon* polygons = nullptr;
    UvEntry* uvs = nullptr;
    NormalEntry* normals = nullptr;
    Transform* keys = nullptr;
    ColorEntry* colors = nullptr;
    int rotationOrder = OrderZXY;
    Vec3 rotatePivot;
    Vec3 scalePivot;
    Vec3 rotatePivotOffset;
    Vec3 scalePivotOffset;
    Vec3 reservedVecA;
    Vec3 reservedVecB;

    SceneObject() = default;
    virtual ~SceneObject();
    MODEL_NO_COPY(SceneObject);

    void reset();
    void setName(const char* text);
    // The add operations return the new index, -1 when the array cannot grow. An add may move the
    // array, so take the index first: `int i = o.addPoint(); o.points[i]...`. The one-liner
    // `o.points[o.addPoint()]` reads the old array pointer before the add runs (C++17 sequences the
    // array expression first) and writes into freed or null storage.
    int addPoint();
    int addEdge();
    int addUv();
    int addColor();
    int addPolygon(int cornerCount);
    bool resizePoints(int n);
    bool resizeEdges(int n);
    bool resizePolygons(int n);
    bool resizeUvs(int n);
    bool resizeNormals(int n);
    bool resizeColors(int n);
    bool resizeKeys(int n);
    void copyFrom(const SceneObject& other);
    // Removes Deleted points, edges, polygons, uvs, normals and colours and renumbers every index.
    bool compact();
};
