#include "sdk/point3.h"

#include <algorithm>
#include <cmath>

float Length(const Point3& p) { return std::sqrt(DotProd(p, p)); }

Point3 Normalize(const Point3& p) {
    float len = Length(p);
    return len > 0.0f ? p * (1.0f / len) : p;
}

Point3 CrossProd(const Point3& a, const Point3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float DotProd(const Point3& a, const Point3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Box3& Box3::operator+=(const Point3& p) {
    if (empty_) {
        pmin = pmax = p;
        empty_ = false;
        return *this;
    }
    for (int i = 0; i < 3; ++i) {
        pmin[i] = std::min(pmin[i], p[i]);
        pmax[i] = std::max(pmax[i], p[i]);
    }
    return *this;
}
