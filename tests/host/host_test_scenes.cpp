#include "host_test_scenes.h"

#include <cmath>

#include "platform/platform.h"

TriObject* makeTriObject(const std::vector<Point3>& vertices, const std::vector<HostTriangle>& triangles) {
    TriObject* object = CreateNewTriObject();
    Mesh& mesh = object->GetMesh();
    mesh.setNumVerts(int(vertices.size()));
    for (size_t i = 0; i < vertices.size(); ++i) mesh.setVert(int(i), vertices[i]);
    mesh.setNumFaces(int(triangles.size()));
    for (size_t i = 0; i < triangles.size(); ++i) {
        const HostTriangle& t = triangles[i];
        mesh.faces[i].setVerts(t.a, t.b, t.c);
        mesh.faces[i].setEdgeVisFlags(t.visAB, t.visBC, t.visCA);
        mesh.faces[i].setMatID(t.material);
    }
    return object;
}

TriObject* makeQuadObject() {
    return makeTriObject({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}},
                         {{0, 1, 2, 1, 1, 0}, {0, 2, 3, 0, 1, 1}});
}

TriObject* makeCubeObject() {
    std::vector<Point3> vertices;
    for (int i = 0; i < 8; ++i) vertices.emplace_back(float(i & 1), float((i >> 1) & 1), float((i >> 2) & 1));
    // Each side as a quad (a, b, c, d) split along a-c, outward winding.
    const DWORD sides[6][4] = {{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}};
    std::vector<HostTriangle> triangles;
    for (const auto& s : sides) {
        triangles.push_back({s[0], s[1], s[2], 1, 1, 0});
        triangles.push_back({s[0], s[2], s[3], 0, 1, 1});
    }
    return makeTriObject(vertices, triangles);
}

INode* addQuadNode(HostScene& host, const char* name, INode* parent) {
    INode* node = host.CreateNode(name, parent);
    node->SetObjectRef(makeQuadObject());
    return node;
}

Matrix3 translation(float x, float y, float z) {
    Matrix3 m;
    m.SetTrans(Point3(x, y, z));
    return m;
}

Matrix3 rotationX(float angle) {
    const float c = std::cos(angle), s = std::sin(angle);
    return Matrix3(Point3(1, 0, 0), Point3(0, c, s), Point3(0, -s, c), Point3(0, 0, 0));
}

Matrix3 rotationZ(float angle) {
    const float c = std::cos(angle), s = std::sin(angle);
    return Matrix3(Point3(c, s, 0), Point3(-s, c, 0), Point3(0, 0, 1), Point3(0, 0, 0));
}

Matrix3 scaling(float x, float y, float z) {
    return Matrix3(Point3(x, 0, 0), Point3(0, y, 0), Point3(0, 0, z), Point3(0, 0, 0));
}

namespace {
std::string recordedLines;
void record(const char* text) { recordedLines += text; }
}  // namespace

DebugLines::DebugLines() {
    recordedLines.clear();
    setDebugOutput(record);
}
DebugLines::~DebugLines() { setDebugOutput(nullptr); }
const std::string& DebugLines::text() const { return recordedLines; }

int addPolygon(SceneObject& object, const std::vector<int>& points, int material) {
    const int p = object.addPolygon(int(points.size()));
    for (size_t c = 0; c < points.size(); ++c) object.polygons[p].cornerPoints[c] = points[c];
    object.polygons[p].material = material;
    return p;
}

void addPoints(SceneObject& object, const std::vector<Vec3>& positions) {
    for (const Vec3& v : positions) {
        const int p = object.addPoint();
        object.points[p].position = v;
    }
}

SceneObject& addNamedObject(Scene& scene, const char* name) {
    const int i = scene.addObject(name);
    return scene.objects[i];
}

void addUv(SceneObject& object, float u, float v) {
    const int i = object.addUv();
    object.uvs[i].set(u, v);
}

Vec3 hostToModel(const Point3& p) { return {p.x, p.z, -p.y}; }
