// Small single-precision value types of the host: points, four-component points, colours, boxes.
#pragma once

class Point3 {
public:
    float x = 0.0f, y = 0.0f, z = 0.0f;

    Point3() = default;
    Point3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}
    // Component 0, 1 or 2 (x, y, z).
    float& operator[](int i) { return i == 0 ? x : i == 1 ? y : z; }
    float operator[](int i) const { return i == 0 ? x : i == 1 ? y : z; }
    Point3 operator+(const Point3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Point3 operator-(const Point3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Point3 operator*(float s) const { return {x * s, y * s, z * s}; }
    Point3& operator+=(const Point3& o) { x += o.x; y += o.y; z += o.z; return *this; }
    bool operator==(const Point3& o) const { return x == o.x && y == o.y && z == o.z; }
    bool operator!=(const Point3& o) const { return !(*this == o); }
};

float Length(const Point3& p);
Point3 Normalize(const Point3& p);  // the zero vector stays zero
Point3 CrossProd(const Point3& a, const Point3& b);
float DotProd(const Point3& a, const Point3& b);

using UVVert = Point3;      // texture vertex (u, v, w)
using VertColor = Point3;   // vertex colour (r, g, b)

class Point4 {
public:
    float x = 0.0f, y = 0.0f, z = 0.0f, w = 0.0f;

    Point4() = default;
    Point4(float x_, float y_, float z_, float w_) : x(x_), y(y_), z(z_), w(w_) {}
    float& operator[](int i) { return i == 0 ? x : i == 1 ? y : i == 2 ? z : w; }
    float operator[](int i) const { return i == 0 ? x : i == 1 ? y : i == 2 ? z : w; }
    bool operator==(const Point4& o) const { return x == o.x && y == o.y && z == o.z && w == o.w; }
};

class Color {
public:
    float r = 0.0f, g = 0.0f, b = 0.0f;

    Color() = default;
    Color(float r_, float g_, float b_) : r(r_), g(g_), b(b_) {}
    bool operator==(const Color& o) const { return r == o.r && g == o.g && b == o.b; }
};

// Axis-aligned box; empty until a point is added.
class Box3 {
public:
    Point3 pmin, pmax;

    void Init() { empty_ = true; pmin = pmax = Point3(); }
    bool IsEmpty() const { return empty_; }
    Box3& operator+=(const Point3& p);

private:
    bool empty_ = true;
};
