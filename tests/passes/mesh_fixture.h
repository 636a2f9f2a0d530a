// Small meshes for the pass tests: points on request, polygons whose sides find or create their
// edge records, and matrix comparisons.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <utility>
#include <vector>

#include "model/flags.h"
#include "model/scene.h"

// Appends an object and returns it (the reference holds until the object array grows again).
inline SceneObject& newObject(Scene& scene, const char* name = "") {
    int index = scene.addObject(name);
    return scene.objects[index];
}

// Adds `count` points at (index, 0, 0) so that positions tell the points apart.
inline void addPoints(SceneObject& object, int count) {
    for (int i = 0; i < count; ++i) {
        int p = object.addPoint();
        object.points[p].position.set(static_cast<float>(p), 0.0f, 0.0f);
    }
}

// Builds polygons on an object, sharing one edge record per unordered pair of points.
class MeshBuilder {
public:
    explicit MeshBuilder(SceneObject& object) : object_(object) {}

    int edge(int a, int b) {
        auto key = a < b ? std::make_pair(a, b) : std::make_pair(b, a);
        auto found = edges_.find(key);
        if (found != edges_.end()) return found->second;
        int e = object_.addEdge();
        object_.edges[e].pointA = a;
        object_.edges[e].pointB = b;
        edges_[key] = e;
        return e;
    }

    void hide(int a, int b) { object_.edges[edge(a, b)].flags |= Hidden; }

    int polygon(std::initializer_list<int> points) {
        std::vector<int> p(points);
        int n = static_cast<int>(p.size());
        int index = object_.addPolygon(n);
        for (int i = 0; i < n; ++i) {
            int e = edge(p[i], p[(i + 1) % n]);
            object_.polygons[index].cornerPoints[i] = p[i];
            object_.polygons[index].cornerEdges[i] = e;
        }
        return index;
    }

private:
    SceneObject& object_;
    std::map<std::pair<int, int>, int> edges_;
};

inline std::vector<int> cornerPoints(const MeshPolygon& polygon) {
    return std::vector<int>(polygon.cornerPoints, polygon.cornerPoints + polygon.cornerCount);
}

// Corner points of a polygon, named by the x position of each point (stable across compaction).
inline std::vector<int> cornerPositions(const SceneObject& object, int polygon) {
    std::vector<int> out;
    const MeshPolygon& p = object.polygons[polygon];
    for (int i = 0; i < p.cornerCount; ++i) out.push_back(static_cast<int>(object.points[p.cornerPoints[i]].position.x));
    return out;
}

inline void expectVec(const Vec3& v, float x, float y, float z, float tolerance = 1e-5f) {
    EXPECT_NEAR(v.x, x, tolerance);
    EXPECT_NEAR(v.y, y, tolerance);
    EXPECT_NEAR(v.z, z, tolerance);
}

inline void expectMatrixNear(const Mat4& a, const Mat4& b, float tolerance = 1e-5f) {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_NEAR(a.m[i][j], b.m[i][j], tolerance) << "element " << i << "," << j;
}

inline Mat4 translationMatrix(float x, float y, float z) {
    Mat4 m;
    m.translation(x, y, z);
    return m;
}
