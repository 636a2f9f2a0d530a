#include "sdk/matrix3.h"

#include <cmath>

Matrix3::Matrix3(const Point3& row0, const Point3& row1, const Point3& row2, const Point3& row3) {
    SetRow(0, row0);
    SetRow(1, row1);
    SetRow(2, row2);
    SetRow(3, row3);
}

void Matrix3::IdentityMatrix() {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) m_[r][c] = r == c ? 1.0f : 0.0f;
}

Point3 Matrix3::GetRow(int i) const {
    if (i < 0 || i > 3) return Point3();
    return {m_[i][0], m_[i][1], m_[i][2]};
}

void Matrix3::SetRow(int i, const Point3& p) {
    if (i < 0 || i > 3) return;
    m_[i][0] = p.x;
    m_[i][1] = p.y;
    m_[i][2] = p.z;
}

Point4 Matrix3::GetColumn(int c) const {
    if (c == 3) return {0.0f, 0.0f, 0.0f, 1.0f};
    if (c < 0 || c > 3) return Point4();
    return {m_[0][c], m_[1][c], m_[2][c], m_[3][c]};
}

void Matrix3::SetColumn(int c, const Point4& p) {
    if (c < 0 || c > 2) return;
    for (int r = 0; r < 4; ++r) m_[r][c] = p[r];
}

void Matrix3::Translate(const Point3& p) { SetRow(3, GetRow(3) + p); }

void Matrix3::Scale(const Point3& s) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) m_[r][c] *= s[c];
}

bool Matrix3::Invert() {
    const float (&a)[4][3] = m_;
    // Cofactors of the 3 x 3 part give its inverse; the translation follows from it.
    float c00 = a[1][1] * a[2][2] - a[1][2] * a[2][1];
    float c01 = a[1][2] * a[2][0] - a[1][0] * a[2][2];
    float c02 = a[1][0] * a[2][1] - a[1][1] * a[2][0];
    float det = a[0][0] * c00 + a[0][1] * c01 + a[0][2] * c02;
    if (det == 0.0f || !std::isfinite(det)) return false;
    float inv = 1.0f / det;
    float r[4][3];
    r[0][0] = c00 * inv;
    r[1][0] = c01 * inv;
    r[2][0] = c02 * inv;
    r[0][1] = (a[0][2] * a[2][1] - a[0][1] * a[2][2]) * inv;
    r[1][1] = (a[0][0] * a[2][2] - a[0][2] * a[2][0]) * inv;
    r[2][1] = (a[0][1] * a[2][0] - a[0][0] * a[2][1]) * inv;
    r[0][2] = (a[0][1] * a[1][2] - a[0][2] * a[1][1]) * inv;
    r[1][2] = (a[0][2] * a[1][0] - a[0][0] * a[1][2]) * inv;
    r[2][2] = (a[0][0] * a[1][1] - a[0][1] * a[1][0]) * inv;
    for (int c = 0; c < 3; ++c)
        r[3][c] = -(a[3][0] * r[0][c] + a[3][1] * r[1][c] + a[3][2] * r[2][c]);
    for (int i = 0; i < 4; ++i)
        for (int c = 0; c < 3; ++c) m_[i][c] = r[i][c];
    return true;
}

Matrix3& Matrix3::operator*=(const Matrix3& b) {
    float r[4][3];
    for (int i = 0; i < 4; ++i)
        for (int c = 0; c < 3; ++c)
            r[i][c] = m_[i][0] * b.m_[0][c] + m_[i][1] * b.m_[1][c] + m_[i][2] * b.m_[2][c] +
                      (i == 3 ? b.m_[3][c] : 0.0f);
    for (int i = 0; i < 4; ++i)
        for (int c = 0; c < 3; ++c) m_[i][c] = r[i][c];
    return *this;
}

bool Matrix3::Equals(const Matrix3& b, float epsilon) const {
    for (int i = 0; i < 4; ++i)
        for (int c = 0; c < 3; ++c)
            if (std::fabs(m_[i][c] - b.m_[i][c]) > epsilon) return false;
    return true;
}

Matrix3 operator*(const Matrix3& a, const Matrix3& b) {
    Matrix3 r = a;
    r *= b;
    return r;
}

Point3 operator*(const Point3& p, const Matrix3& m) {
    return m.GetRow(0) * p.x + m.GetRow(1) * p.y + m.GetRow(2) * p.z + m.GetRow(3);
}

Matrix3 Inverse(const Matrix3& m) {
    Matrix3 r = m;
    r.Invert();
    return r;
}
