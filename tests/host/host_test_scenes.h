// Host meshes, placements and scenes the host tests build their cases from.
#pragma once

#include <string>
#include <vector>

#include "model/scene.h"
#include "sdk/host_scene.h"

struct HostTriangle {
    DWORD a, b, c;
    DWORD visAB = 1, visBC = 1, visCA = 1;
    MtlID material = 0;
};

// A new triangle object with these vertices and triangles.
TriObject* makeTriObject(const std::vector<Point3>& vertices, const std::vector<HostTriangle>& triangles);
// The unit square in the xy plane as two triangles whose shared diagonal is invisible.
TriObject* makeQuadObject();
// A unit cube: 8 vertices, 6 sides of two triangles each with an invisible diagonal.
TriObject* makeCubeObject();
// A node named `name` under `parent` holding a quad.
INode* addQuadNode(HostScene& host, const char* name, INode* parent = nullptr);

// Host placements.
Matrix3 translation(float x, float y, float z);
Matrix3 rotationX(float angle);
Matrix3 rotationZ(float angle);
Matrix3 scaling(float x, float y, float z);

// Records the capture's debugger lines for as long as it lives.
class DebugLines {
public:
    DebugLines();
    ~DebugLines();
    const std::string& text() const;
};

// Model helpers. Each add computes the new index before touching the array, which the add may
// have moved.
SceneObject& addNamedObject(Scene& scene, const char* name);
void addUv(SceneObject& object, float u, float v);
int addPolygon(SceneObject& object, const std::vector<int>& points, int material = -1);
void addPoints(SceneObject& object, const std::vector<Vec3>& positions);
Vec3 hostToModel(const Point3& p);  // the capture's axis change: (x, y, z) -> (x, z, -y)
