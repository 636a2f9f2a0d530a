#include "model/math.h"

#include <cmath>

Vec3& Vec3::operator+=(const Vec3& o) {
    x += o.x;
    y += o.y;
    z += o.z;
    return *this;
}

Vec3& Vec3::operator*=(float s) {
    x *= s;
    y *= s;
    z *= s;
    return *this;
}

Vec3& Vec3::operator*=(const Mat4& m) { return *this = transformPoint(*this, m); }

Vec3& Vec3::operator*=(const Quat& q) { return *this = ::rotate(*this, q); }

float Vec3::length() const { return std::sqrt(x * x + y * y + z * z); }

void Vec3::normalize() {
    const float l = length();
    // A zero vector stays zero instead of becoming a division by zero.
    *this *= l > 0.0f ? 1.0f / l : 0.0f;
}

Vec3 Vec3::normalized() const {
    Vec3 copy = *this;
    copy.normalize();
    return copy;
}

Vec3 operator-(const Vec3& a, const Vec3& b) { return Vec3(a.x - b.x, a.y - b.y, a.z - b.z); }

Vec3 operator-(const Vec3& a) { return Vec3(-a.x, -a.y, -a.z); }

float dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec3 cross(const Vec3& a, const Vec3& b) {
    return Vec3(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}

Vec3 transformPoint(const Vec3& v, const Mat4& m) {
    const auto& e = m.m;
    Vec3 r(v.x * e[0][0] + v.y * e[1][0] + v.z * e[2][0] + e[3][0],
           v.x * e[0][1] + v.y * e[1][1] + v.z * e[2][1] + e[3][1],
           v.x * e[0][2] + v.y * e[1][2] + v.z * e[2][2] + e[3][2]);
    const float w = v.x * e[0][3] + v.y * e[1][3] + v.z * e[2][3] + e[3][3];
    // Only a clearly positive w is divided out; affine placements have w = 1.
    if (w > 0.0001f) r *= 1.0f / w;
    return r;
}

Vec3 rotate(const Vec3& v, const Quat& q) {
    const Quat t = q * v;
    const Quat u = t * Quat(-q.x, -q.y, -q.z, q.w);
    return Vec3(u.x, u.y, u.z);
}

Quat operator*(const Quat& a, const Quat& b) {
    return Quat(a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y,
                a.w * b.y - a.x * b.z + a.y * b.w + a.z * b.x,
                a.w * b.z + a.x * b.y - a.y * b.x + a.z * b.w,
                a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z);
}

Quat operator*(const Quat& q, const Vec3& v) { return q * Quat(v.x, v.y, v.z, 0.0f); }

void Quat::fromEuler(const Vec3& angles, int order) {
    if (order < OrderXYZ || order > OrderZYX) return;
    const Quat qx(std::sin(angles.x / 2), 0.0f, 0.0f, std::cos(angles.x / 2));
    const Quat qy(0.0f, std::sin(angles.y / 2), 0.0f, std::cos(angles.y / 2));
    const Quat qz(0.0f, 0.0f, std::sin(angles.z / 2), std::cos(angles.z / 2));
    // The rotation acting first on a point stands rightmost in the product.
    switch (order) {
        case OrderXYZ: *this = qz * qy * qx; break;
        case OrderXZY: *this = qy * qz * qx; break;
        case OrderYXZ: *this = qz * qx * qy; break;
        case OrderYZX: *this = qx * qz * qy; break;
        case OrderZXY: *this = qy * qx * qz; break;
        default: *this = qx * qy * qz; break;
    }
}

Mat4::Mat4(float m00, float m01, float m02, float m03, float m10, float m11, float m12, float m13,
           float m20, float m21, float m22, float m23, float m30, float m31, float m32, float m33)
    : m{{m00, m01, m02, m03}, {m10, m11, m12, m13}, {m20, m21, m22, m23}, {m30, m31, m32, m33}} {}

void Mat4::identity() {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) m[i][j] = i == j ? 1.0f : 0.0f;
}

void Mat4::set16(const float values[16]) {
    for (int i = 0; i < 16; ++i) m[i / 4][i % 4] = values[i];
}

Mat4 operator*(const Mat4& a, const Mat4& b) {
    Mat4 r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            r.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j] +
                        a.m[i][3] * b.m[3][j];
    return r;
}

Mat4& Mat4::operator*=(const Mat4& o) { return *this = *this * o; }

void Mat4::translation(float x, float y, float z) {
    identity();
    m[3][0] = x;
    m[3][1] = y;
    m[3][2] = z;
}

void Mat4::scaling(float x, float y, float z) {
    identity();
    m[0][0] = x;
    m[1][1] = y;
    m[2][2] = z;
}

void Mat4::eulerRotation(float x, float y, float z, int order) {
    const float cx = std::cos(x), sx = std::sin(x);
    const float cy = std::cos(y), sy = std::sin(y);
    const float cz = std::cos(z), sz = std::sin(z);
    const Mat4 rx(1, 0, 0, 0, 0, cx, sx, 0, 0, -sx, cx, 0, 0, 0, 0, 1);
    const Mat4 ry(cy, 0, -sy, 0, 0, 1, 0, 0, sy, 0, cy, 0, 0, 0, 0, 1);
    const Mat4 rz(cz, sz, 0, 0, -sz, cz, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    // Row vectors: the rotation acting first on a point stands leftmost.
    switch (order) {
        case OrderXYZ: *this = rx * ry * rz; break;
        case OrderXZY: *this = rx * rz * ry; break;
        case OrderYXZ: *this = ry * rx * rz; break;
        case OrderYZX: *this = ry * rz * rx; break;
        case OrderZXY: *this = rz * rx * ry; break;
        default: *this = rz * ry * rx; break;
    }
}

void Mat4::translate(float x, float y, float z) {
    Mat4 t;
    t.translation(x, y, z);
    *this *= t;
}

void Mat4::scale(float x, float y, float z) {
    Mat4 s;
    s.scaling(x, y, z);
    *this *= s;
}

void Mat4::rotate(float x, float y, float z, int order) {
    Mat4 r;
    r.eulerRotation(x, y, z, order);
    *this *= r;
}
