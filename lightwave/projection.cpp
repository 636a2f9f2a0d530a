#include "lightwave/projection.h"

#include <climits>
#include <cmath>

namespace {

constexpr double TwoPi = 6.2831855f;
constexpr double Pi = 3.1415927f;
constexpr double HalfPi = 1.5707964f;
constexpr float SizeThreshold = 0.0001f;

// Coordinate n scaled by the projection size s and centred on 0.5; 0 for a vanishing size.
double scaled(double n, float s) {
    if (s > SizeThreshold || s < -SizeThreshold) return n / s + 0.5;
    return 0.0;
}

bool projects(const Material& material) {
    return material.projection >= 1 && material.projection <= 3;
}

struct Offset {
    double x, y, z;
};

void projectCorner(const Material& m, const Offset& d, float& u, float& v) {
    const int axis = m.projectionAxis;
    const Vec3& size = m.projectionSize;
    switch (m.projection) {
    case 1:  // planar
        u = float((axis & 1) ? scaled(-d.z, size.z) : scaled(d.x, size.x));
        v = float((axis & 2) ? scaled(d.z, size.z) : scaled(-d.y, size.y));
        break;
    case 2: {  // cylindrical
        double angle, along;
        if (axis & 1) {
            angle = cylinderAngle(float(-d.z), float(-d.y));
            along = scaled(-d.x, size.x);
        } else if (axis & 2) {
            angle = cylinderAngle(float(-d.x), float(-d.z));
            along = scaled(-d.y, size.y);
        } else {
            angle = cylinderAngle(float(-d.x), float(-d.y));
            along = scaled(d.z, size.z);
        }
        u = float(1.0 - angle / TwoPi);
        v = float(along);
        break;
    }
    default: {  // spherical
        double a, b, c;
        if (axis & 1) {
            a = -d.z; b = d.x; c = -d.y;
        } else if (axis & 2) {
            a = -d.x; b = d.y; c = -d.z;
        } else {
            a = -d.x; b = -d.z; c = -d.y;
        }
        float longitude, latitude;
        sphereAngles(float(a), float(b), float(c), longitude, latitude);
        u = float(1.0 - longitude / TwoPi);
        v = float(0.5 - latitude / Pi);
        break;
    }
    }
}

}  // namespace

float cylinderAngle(float a, float b) {
    if (b == 0.0f) {
        if (a == 0.0f) return 0.0f;
        return float(a < 0.0f ? HalfPi : -HalfPi);
    }
    const double t = std::atan(double(a) / double(b));
    return float(b < 0.0f ? Pi - t : -t);
}

void sphereAngles(float a, float b, float c, float& longitude, float& latitude) {
    longitude = cylinderAngle(a, c);
    if (a == 0.0f && c == 0.0f) {
        latitude = b == 0.0f ? 0.0f : float(b > 0.0f ? HalfPi : -HalfPi);
        return;
    }
    const float r = float(std::sqrt(double(a) * a + double(c) * c));
    if (r != 0.0f)
        latitude = float(std::atan(double(b) / r));
    else
        latitude = float(b >= 0.0f ? HalfPi : -HalfPi);
}

void generateProjectionCoordinates(Scene& scene) {
    for (int o = 0; o < scene.objectCount; ++o) {
        SceneObject& object = scene.objects[o];
        auto projected = [&](const MeshPolygon& polygon) -> const Material* {
            if (polygon.material < 0 || polygon.material >= scene.materialCount) return nullptr;
            const Material& m = scene.materials[polygon.material];
            return projects(m) ? &m : nullptr;
        };
        long long corners = 0;
        for (int p = 0; p < object.polygonCount; ++p)
            if (projected(object.polygons[p])) corners += object.polygons[p].cornerCount;
        if (corners == 0 || object.uvCount + corners > INT_MAX) continue;
        object.resizeUvs(int(object.uvCount + corners));
        for (int p = 0; p < object.polygonCount; ++p) {
            MeshPolygon& polygon = object.polygons[p];
            const Material* m = projected(polygon);
            if (!m) continue;
            for (int k = 0; k < polygon.cornerCount; ++k) {
                const int point = polygon.cornerPoints[k];
                // The readers drop polygons that name missing points; a stray index is left alone.
                if (point < 0 || point >= object.pointCount) continue;
                const Vec3& pos = object.points[point].position;
                const Offset d{double(pos.x) - m->projectionCenter.x, double(pos.y) - m->projectionCenter.y,
                               double(pos.z) - m->projectionCenter.z};
                float u, v;
                projectCorner(*m, d, u, v);
                const int uv = object.addUv();
                object.uvs[uv].set(u, v);
                polygon.cornerUvs[k] = uv;
            }
        }
    }
}
