#include "host_mesh_limits.h"

#include <cstddef>
#include <cstdint>
#include <unordered_map>

namespace {

std::uint64_t pairKey(int a, int b) {
    if (a > b) std::swap(a, b);
    return (std::uint64_t(std::uint32_t(a)) << 32) | std::uint32_t(b);
}

// Calls `side(a, b)` for every side of every fan triangle of `polygon` that has three distinct points.
template <typename Side>
bool forEachFanSide(const MeshPolygon& polygon, Side side) {
    bool allTrianglesProper = true;
    const int* p = polygon.cornerPoints;
    for (int k = 1; k + 1 < polygon.cornerCount; ++k) {
        const int a = p[0], b = p[k], c = p[k + 1];
        if (a == b || b == c || c == a) {
            allTrianglesProper = false;
            continue;
        }
        side(a, b);
        side(b, c);
        side(c, a);
    }
    return allTrianglesProper;
}

}  // namespace

std::vector<bool> polygonsCarriedWhole(const SceneObject& object) {
    std::unordered_map<std::uint64_t, int> sides;
    for (int f = 0; f < object.polygonCount; ++f)
        forEachFanSide(object.polygons[f], [&](int a, int b) { ++sides[pairKey(a, b)]; });

    std::vector<bool> carried(std::size_t(object.polygonCount), true);
    for (int f = 0; f < object.polygonCount; ++f) {
        const MeshPolygon& polygon = object.polygons[f];
        bool whole = forEachFanSide(polygon, [](int, int) {});
        for (int k = 2; k + 1 < polygon.cornerCount && whole; ++k)
            whole = sides[pairKey(polygon.cornerPoints[0], polygon.cornerPoints[k])] == 2;
        carried[std::size_t(f)] = whole;
    }
    return carried;
}

Vec3 orientedArea(const std::vector<std::vector<Vec3>>& outlines) {
    double x = 0, y = 0, z = 0;
    for (const std::vector<Vec3>& outline : outlines)
        for (std::size_t i = 0; i < outline.size(); ++i) {
            const Vec3& a = outline[i];
            const Vec3& b = outline[(i + 1) % outline.size()];
            x += 0.5 * (double(a.y) * b.z - double(a.z) * b.y);
            y += 0.5 * (double(a.z) * b.x - double(a.x) * b.z);
            z += 0.5 * (double(a.x) * b.y - double(a.y) * b.x);
        }
    return Vec3(float(x), float(y), float(z));
}
