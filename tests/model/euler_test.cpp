#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/euler.h"

namespace {

constexpr float Pi = 3.1415927f;

void expectMatrixNear(const Mat4& a, const Mat4& b, float tolerance) {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_NEAR(a.m[i][j], b.m[i][j], tolerance) << "element " << i << j;
}

void expectVecNear(const Vec3& a, const Vec3& b, float tolerance) {
    EXPECT_NEAR(a.x, b.x, tolerance);
    EXPECT_NEAR(a.y, b.y, tolerance);
    EXPECT_NEAR(a.z, b.z, tolerance);
}

Mat4 placement(const Vec3& scale, const Vec3& angles, int order, const Vec3& position) {
    Mat4 m;
    m.scale(scale);
    m.rotate(angles, order);
    m.translate(position);
    return m;
}

const Vec3 sampleAngles[] = {
    {0.3f, 0.2f, 0.1f},   {-1.2f, 0.7f, 2.5f},  {2.9f, -1.3f, -0.4f}, {0.0f, 0.0f, 1.0f},
    {-3.0f, 1.5f, 3.0f},  {1.0f, -0.05f, -2.0f}, {0.5f, 1.2f, -3.1f},
};

}  // namespace

TEST(ClampedAcos, SnapsNearTheEnds) {
    EXPECT_EQ(clampedAcos(0.999995f), 0.0f);
    EXPECT_EQ(clampedAcos(-0.999995f), Pi);
    EXPECT_FLOAT_EQ(clampedAcos(0.5f), std::acos(0.5f));
    EXPECT_EQ(clampedAcos(2.0f), 0.0f);  // out-of-range input gives no NaN
}

// Building a placement from angles, splitting it and rebuilding it must give the same matrix for
// every order; the middle angle stays within a quarter turn so the angles themselves come back.
TEST(Decompose, RoundTripsEveryOrder) {
    for (int order = 0; order < 6; ++order) {
        for (const Vec3& angles : sampleAngles) {
            SCOPED_TRACE(testing::Message() << "order " << order << " angles " << angles.x << ' ' << angles.y
                                            << ' ' << angles.z);
            const Mat4 m = placement(Vec3(2, 0.5f, 3), angles, order, Vec3(4, -5, 6));
            Vec3 position, rotation, scale;
            decompose(m, order, position, rotation, scale);
            expectVecNear(position, Vec3(4, -5, 6), 1e-5f);
            expectVecNear(scale, Vec3(2, 0.5f, 3), 1e-4f);
            expectMatrixNear(placement(scale, rotation, order, position), m, 2e-4f);
            const int middle[6] = {1, 2, 0, 2, 0, 1};
            const float r[3] = {rotation.x, rotation.y, rotation.z};
            EXPECT_LE(std::fabs(r[middle[order]]), Pi / 2 + 1e-6f);
        }
    }
}

TEST(Decompose, RecoversAnglesWithSmallMiddleAngle) {
    const Vec3 angles(0.4f, -0.3f, 1.1f);
    for (int order = 0; order < 6; ++order) {
        Mat4 m;
        m.eulerRotation(angles.x, angles.y, angles.z, order);
        Vec3 position, rotation, scale;
        decompose(m, order, position, rotation, scale);
        SCOPED_TRACE(order);
        expectVecNear(rotation, angles, 1e-4f);
    }
}

// With the middle angle at a quarter turn the first angle is 0 and the other one carries the
// combined rotation; the rebuilt matrix is still the original.
TEST(Decompose, GimbalBranchForEveryOrder) {
    // Index of the middle angle and of the angle the gimbal branch sets to 0, per order.
    const int middle[6] = {1, 2, 0, 2, 0, 1};
    const int zeroed[6] = {0, 0, 1, 1, 2, 2};
    for (int order = 0; order < 6; ++order) {
        for (float sign : {1.0f, -1.0f}) {
            float a[3] = {0.4f, 0.4f, 0.4f};
            a[middle[order]] = sign * Pi / 2;
            const Vec3 angles(a[0], a[1], a[2]);
            Mat4 m;
            m.eulerRotation(angles.x, angles.y, angles.z, order);
            Vec3 position, rotation, scale;
            decompose(m, order, position, rotation, scale);
            SCOPED_TRACE(testing::Message() << "order " << order << " sign " << sign);
            const float r[3] = {rotation.x, rotation.y, rotation.z};
            EXPECT_FLOAT_EQ(r[middle[order]], sign * 1.5707964f);
            EXPECT_EQ(r[zeroed[order]], 0.0f);
            Mat4 rebuilt;
            rebuilt.eulerRotation(rotation.x, rotation.y, rotation.z, order);
            expectMatrixNear(rebuilt, m, 1e-5f);
        }
    }
}

TEST(Decompose, PureRotationAboutMiddleAxisTakesGimbalBranch) {
    Mat4 m;
    m.eulerRotation(0, Pi / 2, 0, OrderXYZ);
    Vec3 p, r, s;
    decompose(m, OrderXYZ, p, r, s);
    expectVecNear(r, Vec3(0, 1.5707964f, 0), 1e-6f);
    m.eulerRotation(0, -Pi / 2, 0, OrderXYZ);
    decompose(m, OrderXYZ, p, r, s);
    expectVecNear(r, Vec3(0, -1.5707964f, 0), 1e-6f);
}

TEST(Decompose, ScaleTranslationAndSnapping) {
    Mat4 m;
    m.scaling(2, 3, 4);
    Mat4 t;
    t.translation(5, 6, 7);
    Vec3 p, r, s;
    decompose(m * t, OrderZXY, p, r, s);
    expectVecNear(p, Vec3(5, 6, 7), 0);
    expectVecNear(s, Vec3(2, 3, 4), 1e-6f);
    expectVecNear(r, Vec3(0, 0, 0), 0);

    m.eulerRotation(0, 0.001f, 0, OrderXYZ);
    decompose(m, OrderXYZ, p, r, s);
    EXPECT_EQ(r.y, 0.0f);  // within the snap distance of 0
    m.eulerRotation(0, 0.01f, 0, OrderXYZ);
    decompose(m, OrderXYZ, p, r, s);
    EXPECT_NEAR(r.y, 0.01f, 1e-4f);
}

TEST(Decompose, ZeroRowReportsZeroScaleWithoutDividing) {
    Mat4 m;
    m.scaling(0, 2, 1);
    Vec3 p, r, s;
    decompose(m, OrderXYZ, p, r, s);
    expectVecNear(s, Vec3(0, 2, 1), 0);
    EXPECT_TRUE(std::isfinite(r.x) && std::isfinite(r.y) && std::isfinite(r.z));
}

TEST(Decompose, UnknownOrderLeavesRotationButWritesPositionAndScale) {
    Mat4 m;
    m.translation(1, 2, 3);
    Vec3 p, r(9, 9, 9), s;
    decompose(m, 6, p, r, s);
    expectVecNear(p, Vec3(1, 2, 3), 0);
    expectVecNear(s, Vec3(1, 1, 1), 0);
    expectVecNear(r, Vec3(9, 9, 9), 0);
}

TEST(ToEuler, IdentityGivesZeroForEveryOrder) {
    for (int order = 0; order < 6; ++order) {
        Vec3 angles(5, 5, 5);
        toEuler(Quat(), order, angles);
        expectVecNear(angles, Vec3(0, 0, 0), 0);
    }
    Vec3 untouched(5, 5, 5);
    Quat().toEuler(-1, untouched);
    expectVecNear(untouched, Vec3(5, 5, 5), 0);
}

// The angles found for a quaternion rebuild the same rotation in that order.
TEST(ToEuler, RebuildsTheRotationForEveryOrder) {
    for (int order = 0; order < 6; ++order) {
        for (const Vec3& source : sampleAngles) {
            Quat q;
            q.fromEuler(source, order);
            Vec3 angles;
            q.toEuler(order, angles);
            Mat4 expected, rebuilt;
            expected.eulerRotation(source.x, source.y, source.z, order);
            rebuilt.eulerRotation(angles.x, angles.y, angles.z, order);
            SCOPED_TRACE(testing::Message() << "order " << order << " angles " << source.x << ' ' << source.y
                                            << ' ' << source.z);
            expectMatrixNear(rebuilt, expected, 1e-4f);
        }
    }
}

TEST(ConvertEulerOrder, SameOrderKeepsAngles) {
    expectVecNear(convertEulerOrder(Vec3(0.1f, 0.2f, 0.3f), 0, 0, Vec3()), Vec3(0.1f, 0.2f, 0.3f), 1e-5f);
}

TEST(ConvertEulerOrder, ConvertedAnglesDescribeTheSameRotation) {
    for (int from = 0; from < 6; ++from) {
        for (int to = 0; to < 6; ++to) {
            const Vec3 angles(0.7f, -0.4f, 1.9f);
            const Vec3 converted = convertEulerOrder(angles, from, to, Vec3());
            Mat4 a, b;
            a.eulerRotation(angles.x, angles.y, angles.z, from);
            b.eulerRotation(converted.x, converted.y, converted.z, to);
            SCOPED_TRACE(testing::Message() << from << " -> " << to);
            expectMatrixNear(a, b, 1e-4f);
        }
    }
}

TEST(ConvertEulerOrder, UnwrapsTowardsTheReference) {
    const Vec3 r = convertEulerOrder(Vec3(0, 0, 3.0f), 0, 0, Vec3(0, 0, -3.0f));
    EXPECT_NEAR(r.z, 3.0f - 6.2831855f, 1e-5f);
}

// Keys spinning steadily about z past a half turn: converting each with the previous result as
// reference gives a continuous curve instead of a jump of a full turn.
TEST(ConvertEulerOrder, StaysContinuousAcrossKeys) {
    Vec3 previous;
    float previousSource = 0;
    for (int key = 0; key <= 40; ++key) {
        const float z = 0.25f * key;  // up to 10 radians
        const Vec3 converted = convertEulerOrder(Vec3(0.1f, 0.2f, z), OrderZXY, OrderXYZ, previous);
        if (key > 0) {
            EXPECT_LT(std::fabs(converted.x - previous.x), 0.5f) << "key " << key;
            EXPECT_LT(std::fabs(converted.y - previous.y), 0.5f) << "key " << key;
            EXPECT_LT(std::fabs(converted.z - previous.z), 0.5f) << "key " << key;
        }
        previous = converted;
        previousSource = z;
    }
    // After the spin the converted z has followed the source past several half turns.
    EXPECT_NEAR(previous.z, previousSource, 0.5f);
}

TEST(ConvertEulerOrder, UnknownOrderGivesZeroBeforeUnwrapping) {
    expectVecNear(convertEulerOrder(Vec3(1, 2, 3), 0, 9, Vec3(7, 0, 0)), Vec3(6.2831855f, 0, 0), 1e-5f);
}

// A reference far from the angles, or not finite, must not hang the unwrapping.
TEST(ConvertEulerOrder, FarOrNonFiniteReferencesEnd) {
    const Vec3 far = convertEulerOrder(Vec3(0, 0, 0.5f), 0, 0, Vec3(0, 0, 1.0e9f));
    EXPECT_LE(std::fabs(far.z - 1.0e9f), 200.0f);
    const float inf = std::numeric_limits<float>::infinity();
    const Vec3 r = convertEulerOrder(Vec3(0, 0, 0.5f), 0, 0, Vec3(inf, std::nanf(""), 0));
    EXPECT_NEAR(r.z, 0.5f, 1e-6f);
}
