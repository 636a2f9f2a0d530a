// The host's affine transform: three axis rows and a translation row (row-vector convention,
// a point p is transformed as p * M).
#pragma once

#include "sdk/max_types.h"
#include "sdk/point3.h"

class Matrix3 {
public:
    // The identity, with a flag word of 0.
    Matrix3() { IdentityMatrix(); }
    // Rows 0 to 2 are the axes, row 3 the translation.
    Matrix3(const Point3& row0, const Point3& row1, const Point3& row2, const Point3& row3);

    void IdentityMatrix();
    Point3 GetRow(int i) const;
    void SetRow(int i, const Point3& p);
    // Column c (0 to 2) as (m[0][c], m[1][c], m[2][c], m[3][c]); column 3 of an affine
    // matrix is (0, 0, 0, 1); any other index gives zeros.
    Point4 GetColumn(int c) const;
    // Sets column c (0 to 2) from (m[0][c], m[1][c], m[2][c], m[3][c]); other indices are ignored.
    void SetColumn(int c, const Point4& p);
    Point3 GetTrans() const { return GetRow(3); }
    void SetTrans(const Point3& p) { SetRow(3, p); }
    void Translate(const Point3& p);
    void Scale(const Point3& s);

    // Inverts in place. A singular matrix (no inverse) is left unchanged and false is returned.
    bool Invert();
    // this = this * b: this transform followed by b.
    Matrix3& operator*=(const Matrix3& b);
    bool Equals(const Matrix3& b, float epsilon = 1e-5f) const;

    DWORD GetFlags() const { return flags_; }
    void SetFlags(DWORD f) { flags_ = f; }

private:
    float m_[4][3];
    DWORD flags_ = 0;
};

Matrix3 operator*(const Matrix3& a, const Matrix3& b);
Point3 operator*(const Point3& p, const Matrix3& m);  // transforms a point (with translation)
Matrix3 Inverse(const Matrix3& m);  // a singular matrix comes back unchanged
