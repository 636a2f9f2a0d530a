#include <gtest/gtest.h>

#include <cmath>

#include "sdk/matrix3.h"

namespace {

// A rotation about z by `angle`, scaled and moved: a typical node transform.
Matrix3 placement(float angle, Point3 scale, Point3 move) {
    float c = std::cos(angle), s = std::sin(angle);
    Matrix3 m(Point3(c * scale.x, s * scale.x, 0), Point3(-s * scale.y, c * scale.y, 0), Point3(0, 0, scale.z), move);
    return m;
}

void expectNear(const Point3& a, const Point3& b) {
    EXPECT_NEAR(a.x, b.x, 1e-4f);
    EXPECT_NEAR(a.y, b.y, 1e-4f);
    EXPECT_NEAR(a.z, b.z, 1e-4f);
}

TEST(Matrix3, ColumnsHoldTheAxesAndTranslationComponentByComponent) {
    Matrix3 m(Point3(1, 2, 3), Point3(4, 5, 6), Point3(7, 8, 9), Point3(10, 11, 12));
    EXPECT_EQ(m.GetColumn(0), Point4(1, 4, 7, 10));
    EXPECT_EQ(m.GetColumn(2), Point4(3, 6, 9, 12));
    EXPECT_EQ(m.GetColumn(3), Point4(0, 0, 0, 1));
    Matrix3 rebuilt;
    for (int c = 0; c < 3; ++c) rebuilt.SetColumn(c, m.GetColumn(c));
    EXPECT_TRUE(rebuilt.Equals(m, 0.0f));
    EXPECT_EQ(rebuilt.GetTrans(), Point3(10, 11, 12));
    EXPECT_EQ(Matrix3().GetFlags(), 0u);
}

TEST(Matrix3, ProductAppliesTheLeftMatrixFirst) {
    Matrix3 a = placement(0.5f, Point3(2, 2, 2), Point3(1, 0, 0));
    Matrix3 b = placement(-1.2f, Point3(1, 3, 1), Point3(0, 5, -2));
    Point3 p(0.3f, -4, 2);
    Matrix3 ab = a;
    ab *= b;
    expectNear(p * ab, (p * a) * b);
    EXPECT_FALSE(ab.Equals(b * a));
}

TEST(Matrix3, InverseUndoesTheTransform) {
    Matrix3 m = placement(0.7f, Point3(2, 0.5f, 3), Point3(4, -5, 6));
    Matrix3 inv = m;
    ASSERT_TRUE(inv.Invert());
    EXPECT_TRUE((m * inv).Equals(Matrix3()));
    Point3 p(1, 2, 3);
    expectNear((p * m) * inv, p);
}

// How a child's placement relative to its parent is found: world times inverse parent world.
TEST(Matrix3, WorldTimesInverseParentGivesTheLocalTransform) {
    Matrix3 parent = placement(1.0f, Point3(2, 2, 2), Point3(0, 0, 10));
    Matrix3 local = placement(-0.3f, Point3(1, 1, 1), Point3(3, 0, 0));
    Matrix3 world = local * parent;
    Matrix3 inverseParent = parent;
    inverseParent.Invert();
    world *= inverseParent;
    EXPECT_TRUE(world.Equals(local));
}

TEST(Matrix3, SingularMatrixIsLeftUnchanged) {
    Matrix3 flat = placement(0.4f, Point3(1, 1, 0), Point3(1, 2, 3));
    Matrix3 m = flat;
    EXPECT_FALSE(m.Invert());
    EXPECT_TRUE(m.Equals(flat, 0.0f));
}

}  // namespace
