#include "scene_shapes.h"

#include "host_mesh_limits.h"

#include <cmath>
#include <cstdint>
#include <sstream>
#include <unordered_map>

namespace {

std::string text(const char* s) { return s ? s : ""; }

std::string surfaceName(const Scene& scene, int material) {
    if (material >= 0 && material < scene.materialCount) return text(scene.materials[material].name);
    return surfaceNameOfUnassigned(scene);
}

SurfaceLook lookOf(const Scene& scene, const Material& material) {
    SurfaceLook look;
    look.red = material.color.r;
    look.green = material.color.g;
    look.blue = material.color.b;
    const int texture = material.textureSlots[0];
    if (texture >= 0 && texture < scene.textureCount) look.image = text(scene.textures[texture].name);
    return look;
}

bool near(const Vec3& a, const Vec3& b, float tolerance) {
    return std::fabs(a.x - b.x) <= tolerance && std::fabs(a.y - b.y) <= tolerance &&
           std::fabs(a.z - b.z) <= tolerance;
}

bool near(const CornerUv& a, const CornerUv& b, float tolerance) {
    return a.present == b.present && std::fabs(a.u - b.u) <= tolerance && std::fabs(a.v - b.v) <= tolerance;
}

bool sameCycle(const PolygonShape& a, const PolygonShape& b, float tolerance) {
    const size_t n = a.corners.size();
    if (n != b.corners.size() || a.surface != b.surface) return false;
    for (size_t shift = 0; shift < n; ++shift) {
        bool all = true;
        for (size_t i = 0; i < n && all; ++i)
            all = near(a.corners[i], b.corners[(i + shift) % n], tolerance) &&
                  near(a.uvs[i], b.uvs[(i + shift) % n], tolerance);
        if (all) return true;
    }
    return n == 0;
}

Vec3 centroid(const PolygonShape& p) {
    Vec3 sum(0, 0, 0);
    for (const Vec3& c : p.corners) sum = Vec3(sum.x + c.x, sum.y + c.y, sum.z + c.z);
    const float n = p.corners.empty() ? 1.0f : float(p.corners.size());
    return Vec3(sum.x / n, sum.y / n, sum.z / n);
}

// Polygons are bucketed by their centroid in cells far larger than the tolerance, so that a
// partner lies in the polygon's own cell or in a neighbouring one.
constexpr float cellSize = 1.0f / 64.0f;

struct Cell {
    std::int64_t x, y, z;
    bool operator==(const Cell& o) const { return x == o.x && y == o.y && z == o.z; }
};
struct CellHash {
    size_t operator()(const Cell& c) const {
        return std::hash<std::int64_t>()(c.x * 73856093 ^ c.y * 19349663 ^ c.z * 83492791);
    }
};

Cell cellOf(const Vec3& v) {
    return {std::int64_t(std::floor(v.x / cellSize)), std::int64_t(std::floor(v.y / cellSize)),
            std::int64_t(std::floor(v.z / cellSize))};
}

}  // namespace

std::string surfaceNameOfUnassigned(const Scene& scene) {
    return scene.materialCount > 0 ? text(scene.materials[0].name) : "NoMaterial";
}

std::vector<LayerShape> layerShapes(const Scene& scene) {
    std::vector<LayerShape> layers;
    for (int o = 0; o < scene.objectCount; ++o) {
        const SceneObject& object = scene.objects[o];
        LayerShape layer;
        layer.name = text(object.name);
        const std::vector<bool> carried = polygonsCarriedWhole(object);
        for (int p = 0; p < object.polygonCount; ++p) {
            const MeshPolygon& polygon = object.polygons[p];
            PolygonShape shape;
            shape.surface = surfaceName(scene, polygon.material);
            shape.carriedWhole = carried[size_t(p)];
            for (int c = 0; c < polygon.cornerCount; ++c) {
                shape.corners.push_back(object.points[polygon.cornerPoints[c]].position);
                const int uv = polygon.cornerUvs[c];
                if (uv >= 0 && uv < object.uvCount)
                    shape.uvs.push_back({true, object.uvs[uv].u, object.uvs[uv].v});
                else
                    shape.uvs.push_back({});
            }
            layer.polygons.push_back(std::move(shape));
        }
        layers.push_back(std::move(layer));
    }
    return layers;
}

std::map<std::string, SurfaceLook> usedSurfaceLooks(const Scene& scene) {
    std::map<std::string, SurfaceLook> looks;
    for (int o = 0; o < scene.objectCount; ++o)
        for (int p = 0; p < scene.objects[o].polygonCount; ++p) {
            int m = scene.objects[o].polygons[p].material;
            if (m < 0 || m >= scene.materialCount) m = scene.materialCount > 0 ? 0 : -1;
            if (m >= 0) looks.emplace(text(scene.materials[m].name), lookOf(scene, scene.materials[m]));
        }
    return looks;
}

std::map<std::string, SurfaceLook> allSurfaceLooks(const Scene& scene) {
    std::map<std::string, SurfaceLook> looks;
    for (int m = 0; m < scene.materialCount; ++m)
        looks.emplace(text(scene.materials[m].name), lookOf(scene, scene.materials[m]));
    return looks;
}

PolygonMatch matchPolygons(const std::vector<PolygonShape>& expected, const std::vector<PolygonShape>& actual,
                           float tolerance) {
    std::unordered_map<Cell, std::vector<size_t>, CellHash> cells;
    for (size_t i = 0; i < actual.size(); ++i) cells[cellOf(centroid(actual[i]))].push_back(i);
    std::vector<bool> taken(actual.size(), false);
    PolygonMatch match;
    for (const PolygonShape& want : expected) {
        const Cell home = cellOf(centroid(want));
        bool found = false;
        for (std::int64_t dx = -1; dx <= 1 && !found; ++dx)
            for (std::int64_t dy = -1; dy <= 1 && !found; ++dy)
                for (std::int64_t dz = -1; dz <= 1 && !found; ++dz) {
                    auto it = cells.find({home.x + dx, home.y + dy, home.z + dz});
                    if (it == cells.end()) continue;
                    for (size_t i : it->second)
                        if (!taken[i] && sameCycle(want, actual[i], tolerance)) {
                            taken[i] = found = true;
                            break;
                        }
                }
        if (!found) match.missing.push_back(want);
    }
    for (size_t i = 0; i < actual.size(); ++i)
        if (!taken[i]) match.unexpected.push_back(actual[i]);
    return match;
}

std::vector<std::string> surfaceDifferences(const std::map<std::string, SurfaceLook>& expected,
                                            const std::map<std::string, SurfaceLook>& actual, float tolerance) {
    std::vector<std::string> differences;
    for (const auto& [name, want] : expected) {
        auto it = actual.find(name);
        if (it == actual.end()) {
            differences.push_back("missing surface '" + name + "'");
            continue;
        }
        const SurfaceLook& got = it->second;
        if (std::fabs(want.red - got.red) > tolerance || std::fabs(want.green - got.green) > tolerance ||
            std::fabs(want.blue - got.blue) > tolerance) {
            std::ostringstream line;
            line << "surface '" << name << "' colour (" << want.red << ", " << want.green << ", " << want.blue
                 << ") came back as (" << got.red << ", " << got.green << ", " << got.blue << ")";
            differences.push_back(line.str());
        }
        if (want.image != got.image)
            differences.push_back("surface '" + name + "' image '" + want.image + "' came back as '" + got.image + "'");
    }
    for (const auto& entry : actual)
        if (!expected.count(entry.first)) differences.push_back("unexpected surface '" + entry.first + "'");
    return differences;
}

std::string describe(const PolygonShape& polygon) {
    std::ostringstream line;
    line << polygon.corners.size() << "-gon [" << polygon.surface << "]";
    for (size_t i = 0; i < polygon.corners.size(); ++i) {
        const Vec3& c = polygon.corners[i];
        line << " (" << c.x << ", " << c.y << ", " << c.z;
        if (polygon.uvs[i].present) line << " uv " << polygon.uvs[i].u << ", " << polygon.uvs[i].v;
        line << ")";
    }
    return line.str();
}
