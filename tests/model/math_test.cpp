#include <gtest/gtest.h>

#include <cmath>

#include "model/math.h"

namespace {

constexpr float Pi = 3.1415927f;

void expectVecNear(const Vec3& a, const Vec3& b, float tolerance = 1e-6f) {
    EXPECT_NEAR(a.x, b.x, tolerance);
    EXPECT_NEAR(a.y, b.y, tolerance);
    EXPECT_NEAR(a.z, b.z, tolerance);
}

}  // namespace

TEST(Vec3Ops, ArithmeticAndNormalise) {
    Vec3 v(1, 2, 3);
    v += Vec3(1, 1, 1);
    v *= 2.0f;
    expectVecNear(v, Vec3(4, 6, 8), 0);
    expectVecNear(Vec3(5, 5, 5) - Vec3(1, 2, 3), Vec3(4, 3, 2), 0);
    expectVecNear(-Vec3(1, -2, 3), Vec3(-1, 2, -3), 0);
    EXPECT_EQ(dot(Vec3(1, 2, 3), Vec3(4, 5, 6)), 32.0f);
    expectVecNear(cross(Vec3(1, 0, 0), Vec3(0, 1, 0)), Vec3(0, 0, 1), 0);
    EXPECT_FLOAT_EQ(Vec3(3, 0, 4).length(), 5.0f);

    const Vec3 source(3, 0, 4);
    expectVecNear(source.normalized(), Vec3(0.6f, 0, 0.8f));
    expectVecNear(source, Vec3(3, 0, 4), 0);  // normalized() leaves the vector alone
    Vec3 zero;
    zero.normalize();
    expectVecNear(zero, Vec3(0, 0, 0), 0);
}

TEST(TransformPoint, DividesOnlyByClearlyPositiveW) {
    Mat4 m;
    m.translation(1, 2, 3);
    expectVecNear(transformPoint(Vec3(), m), Vec3(1, 2, 3), 0);

    Mat4 halving;
    halving.m[3][3] = 2.0f;
    expectVecNear(transformPoint(Vec3(2, 4, 6), halving), Vec3(1, 2, 3), 0);

    Mat4 tiny;
    tiny.m[3][3] = 0.00005f;
    expectVecNear(transformPoint(Vec3(2, 4, 6), tiny), Vec3(2, 4, 6), 0);

    Mat4 negative;
    negative.m[3][3] = -1.0f;
    Vec3 v(2, 4, 6);
    v *= negative;
    expectVecNear(v, Vec3(2, 4, 6), 0);
}

TEST(Mat4Ops, ProductOrderAndBuilders) {
    // Row vectors: in a * b the transform a acts first.
    Mat4 s, t;
    s.scaling(2, 2, 2);
    t.translation(1, 0, 0);
    expectVecNear(transformPoint(Vec3(1, 0, 0), s * t), Vec3(3, 0, 0), 0);
    expectVecNear(transformPoint(Vec3(1, 0, 0), t * s), Vec3(4, 0, 0), 0);

    Mat4 chained;
    chained.scale(2, 2, 2);
    chained.translate(1, 0, 0);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_EQ(chained.m[i][j], (s * t).m[i][j]);

    const float values[16] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    Mat4 a;
    a.set16(values);
    const Mat4 b(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
    EXPECT_EQ(a.m[1][2], 7.0f);
    EXPECT_EQ(b.m[3][0], 13.0f);
    const Mat4 p = a * b;
    EXPECT_EQ(p.m[0][0], 1 * 1 + 2 * 5 + 3 * 9 + 4 * 13);
    EXPECT_EQ(p.m[2][3], 9 * 4 + 10 * 8 + 11 * 12 + 12 * 16);
    a.identity();
    EXPECT_EQ(a.m[1][2], 0.0f);
    EXPECT_EQ(a.m[2][2], 1.0f);
}

TEST(EulerRotation, SingleAxesTurnCounterClockwise) {
    for (int order = 0; order < 6; ++order) {
        Mat4 m;
        m.eulerRotation(0, 0, Pi / 2, order);
        expectVecNear(transformPoint(Vec3(1, 0, 0), m), Vec3(0, 1, 0));
        m.eulerRotation(Pi / 2, 0, 0, order);
        expectVecNear(transformPoint(Vec3(0, 1, 0), m), Vec3(0, 0, 1));
        m.eulerRotation(0, Pi / 2, 0, order);
        expectVecNear(transformPoint(Vec3(0, 0, 1), m), Vec3(1, 0, 0));
    }
}

// The order letters say which axis rotation acts first on a point; matrix and quaternion of the
// same code are the same rotation.
TEST(EulerRotation, OrdersApplyAxesInSequenceAndMatchQuaternions) {
    const Vec3 angles(0.3f, -0.7f, 1.1f);
    const int sequence[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    const Vec3 point(0.2f, -1.0f, 0.5f);
    for (int order = 0; order < 6; ++order) {
        Mat4 stepwise;
        for (int axis : sequence[order]) {
            Mat4 single;
            single.eulerRotation(axis == 0 ? angles.x : 0, axis == 1 ? angles.y : 0, axis == 2 ? angles.z : 0,
                                 OrderXYZ);
            stepwise *= single;
        }
        Mat4 m;
        m.eulerRotation(angles.x, angles.y, angles.z, order);
        Quat q;
        q.fromEuler(angles, order);
        SCOPED_TRACE(order);
        expectVecNear(transformPoint(point, m), transformPoint(point, stepwise), 1e-5f);
        expectVecNear(rotate(point, q), transformPoint(point, m), 1e-5f);
    }
}

TEST(EulerRotation, UnknownOrders) {
    Mat4 seven, five;
    seven.eulerRotation(0.3f, 0.4f, 0.5f, 7);
    five.eulerRotation(0.3f, 0.4f, 0.5f, OrderZYX);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_EQ(seven.m[i][j], five.m[i][j]);

    Quat q(0.1f, 0.2f, 0.3f, 0.9f);
    q.fromEuler(Vec3(1, 1, 1), 7);
    EXPECT_EQ(q.x, 0.1f);
    EXPECT_EQ(q.w, 0.9f);
}

TEST(QuatOps, HamiltonProductAndConjugateRotation) {
    const Quat i(1, 0, 0, 0), j(0, 1, 0, 0);
    const Quat k = i * j;
    EXPECT_EQ(k.z, 1.0f);
    EXPECT_EQ((j * i).z, -1.0f);

    Quat q;
    q.fromEuler(Vec3(0, 0, Pi / 2), OrderXYZ);
    Vec3 v(1, 0, 0);
    v *= q;
    expectVecNear(v, Vec3(0, 1, 0));

    // The conjugate (not the inverse) is used: a quaternion of length 2 scales by 4.
    const Quat doubled(0, 0, 0, 2);
    expectVecNear(rotate(Vec3(1, 2, 3), doubled), Vec3(4, 8, 12), 0);

    const Quat withVector = Quat(0, 0, 0, 1) * Vec3(1, 2, 3);
    EXPECT_EQ(withVector.x, 1.0f);
    EXPECT_EQ(withVector.w, 0.0f);
}

TEST(Color4Ops, DefaultsAndSetters) {
    Color4 c;
    EXPECT_EQ(c.a, 1.0f);
    c.set(0.1f, 0.2f, 0.3f, 0.4f);
    c.setRgb(1, 1, 1);
    EXPECT_EQ(c.r, 1.0f);
    EXPECT_EQ(c.a, 0.4f);
}
