// Single-precision value types of the model: vectors, colours, quaternions, 4x4 matrices.
// Row-vector convention: a point p is transformed as p * M; the translation is row 3.
#pragma once

// Codes of the order in which three axis rotations act on a point.
enum RotationOrder : int { OrderXYZ = 0, OrderXZY = 1, OrderYXZ = 2, OrderYZX = 3, OrderZXY = 4, OrderZYX = 5 };

class Mat4;
class Quat;

class Vec3 {
public:
    float x = 0.0f, y = 0.0f, z = 0.0f;

    Vec3() = default;
    Vec3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}

    void set(float x_, float y_, float z_) { x = x_; y = y_; z = z_; }
    void clear() { x = y = z = 0.0f; }
    Vec3& operator+=(const Vec3& o);
    Vec3& operator*=(float s);
    Vec3& operator*=(const Mat4& m);  // transformPoint in place
    Vec3& operator*=(const Quat& q);  // rotate in place
    float length() const;
    void normalize();
    Vec3 normalized() const;
};

Vec3 operator-(const Vec3& a, const Vec3& b);
Vec3 operator-(const Vec3& a);
float dot(const Vec3& a, const Vec3& b);
Vec3 cross(const Vec3& a, const Vec3& b);
Vec3 transformPoint(const Vec3& v, const Mat4& m);
Vec3 rotate(const Vec3& v, const Quat& q);

class Color4 {
public:
    float r = 0.0f, g = 0.0f, b = 0.0f, a = 1.0f;

    Color4() = default;
    Color4(float r_, float g_, float b_, float a_) : r(r_), g(g_), b(b_), a(a_) {}

    void set(float r_, float g_, float b_, float a_) { r = r_; g = g_; b = b_; a = a_; }
    void setRgb(float r_, float g_, float b_) { r = r_; g = g_; b = b_; }
};

class Quat {
public:
    float x = 0.0f, y = 0.0f, z = 0.0f, w = 1.0f;  // w is the scalar part

    Quat() = default;
    Quat(float x_, float y_, float z_, float w_) : x(x_), y(y_), z(z_), w(w_) {}

    void set(float x_, float y_, float z_, float w_) { x = x_; y = y_; z = z_; w = w_; }
    // Builds the rotation of the Euler angles in the given order; an order outside 0..5 leaves it unchanged.
    void fromEuler(const Vec3& angles, int order);
    // Euler angles of this rotation in the given order (see euler.h); an order outside 0..5 leaves out unchanged.
    void toEuler(int order, Vec3& out) const;
};

Quat operator*(const Quat& a, const Quat& b);  // Hamilton product
Quat operator*(const Quat& q, const Vec3& v);  // v taken as the quaternion (v, 0)

class Mat4 {
public:
    float m[4][4];

    Mat4() { identity(); }
    Mat4(float m00, float m01, float m02, float m03, float m10, float m11, float m12, float m13,
         float m20, float m21, float m22, float m23, float m30, float m31, float m32, float m33);

    void identity();
    void set16(const float values[16]);
    Mat4& operator*=(const Mat4& o);  // this = this * o
    void translation(float x, float y, float z);
    void scaling(float x, float y, float z);
    void eulerRotation(float x, float y, float z, int order);
    void translate(float x, float y, float z);
    void translate(const Vec3& v) { translate(v.x, v.y, v.z); }
    void scale(float x, float y, float z);
    void scale(const Vec3& v) { scale(v.x, v.y, v.z); }
    void rotate(float x, float y, float z, int order);
    void rotate(const Vec3& v, int order) { rotate(v.x, v.y, v.z, order); }
};

Mat4 operator*(const Mat4& a, const Mat4& b);
