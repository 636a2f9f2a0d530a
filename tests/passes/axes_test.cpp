// Axis remap, handedness and texture-coordinate flips.
#include "passes/axes.h"

#include "mesh_fixture.h"

namespace {

struct AxisCase {
    int source[3];
    int target[3];
    Vec3 expectedPosition;  // (1, 2, 3) converted with signs
    Vec3 expectedScale;     // (1, 2, 3) converted sign-free
};

class ConvertAxesTest : public ::testing::TestWithParam<AxisCase> {};

// Sets every vector the pass converts, and the point's auxVector it must leave, to (1, 2, 3).
void fillVectors(Scene& scene) {
    const Vec3 v(1, 2, 3);
    int o = scene.addObject("box");
    SceneObject& object = scene.objects[o];
    for (Transform* t : {&object.transform, &object.auxTransform}) {
        t->localPosition = v;
        t->localRotation = v;
        t->localScale = v;
        t->worldPosition = v;
        t->worldRotation = v;
        t->worldScale = v;
    }
    object.resizeKeys(1);
    object.keyCount = 1;
    object.keys[0].localPosition = v;
    object.keys[0].localRotation = v;
    object.keys[0].localScale = v;
    int p = object.addPoint();
    object.points[p].position = v;
    object.points[p].normal = v;
    object.points[p].auxVector = v;
    int f = object.addPolygon(2);
    object.polygons[f].normal = v;
    object.polygons[f].cornerNormalVectors[0] = v;
    object.polygons[f].cornerNormalVectors[1] = v;
    object.resizeNormals(1);
    object.normalCount = 1;
    object.normals[0].normal = v;
}

void expectSame(const Vec3& v, const Vec3& expected) {
    expectVec(v, expected.x, expected.y, expected.z, 0.0f);
}

TEST_P(ConvertAxesTest, RoutesEveryVectorAndKeepsScalesSignFree) {
    const AxisCase& c = GetParam();
    Scene scene;
    fillVectors(scene);
    ASSERT_TRUE(convertAxes(scene, c.source[0], c.source[1], c.source[2], c.target[0], c.target[1], c.target[2]));

    const SceneObject& object = scene.objects[0];
    const Vec3& pos = c.expectedPosition;
    const Vec3& scale = c.expectedScale;
    for (const Transform* t : {&object.transform, &object.auxTransform}) {
        expectSame(t->localPosition, pos);
        expectSame(t->localRotation, pos);
        expectSame(t->localScale, scale);
        expectSame(t->worldPosition, pos);
        expectSame(t->worldRotation, pos);
        expectSame(t->worldScale, scale);
    }
    expectSame(object.keys[0].localPosition, pos);
    expectSame(object.keys[0].localRotation, pos);
    expectSame(object.keys[0].localScale, scale);
    expectSame(object.points[0].position, pos);
    expectSame(object.points[0].normal, pos);
    expectSame(object.points[0].auxVector, Vec3(1, 2, 3));
    expectSame(object.polygons[0].normal, pos);
    expectSame(object.polygons[0].cornerNormalVectors[0], pos);
    expectSame(object.polygons[0].cornerNormalVectors[1], pos);
    expectSame(object.normals[0].normal, pos);

    EXPECT_EQ(scene.axisX, c.target[0]);
    EXPECT_EQ(scene.axisY, c.target[1]);
    EXPECT_EQ(scene.axisZ, c.target[2]);
    // The matrices are rebuilt from the converted vectors.
    EXPECT_EQ(object.transform.localMatrix.m[3][0], pos.x);
    EXPECT_EQ(object.transform.localMatrix.m[3][1], pos.y);
    EXPECT_EQ(object.transform.localMatrix.m[3][2], pos.z);
}

INSTANTIATE_TEST_SUITE_P(
    Routing, ConvertAxesTest,
    ::testing::Values(
        // Host capture: (x, y, z) becomes (x, z, -y).
        AxisCase{{0, 4, 2}, {0, 2, 5}, Vec3(1, 3, -2), Vec3(1, 3, 2)},
        // Writer: z flips.
        AxisCase{{0, 2, 5}, {0, 2, 4}, Vec3(1, 2, -3), Vec3(1, 2, 3)},
        AxisCase{{0, 2, 4}, {0, 2, 5}, Vec3(1, 2, -3), Vec3(1, 2, 3)},
        AxisCase{{0, 2, 5}, {0, 2, 5}, Vec3(1, 2, 3), Vec3(1, 2, 3)},
        AxisCase{{1, 3, 4}, {0, 2, 5}, Vec3(-1, -2, -3), Vec3(1, 2, 3)},
        AxisCase{{2, 0, 5}, {0, 2, 5}, Vec3(2, 1, 3), Vec3(2, 1, 3)},
        AxisCase{{0, 2, 5}, {5, 0, 3}, Vec3(3, 1, -2), Vec3(3, 1, 2)},
        // A triple that misses an axis, or holds an unknown code, changes nothing.
        AxisCase{{0, 0, 4}, {0, 2, 5}, Vec3(1, 2, 3), Vec3(1, 2, 3)},
        AxisCase{{0, 2, 5}, {0, 2, 7}, Vec3(1, 2, 3), Vec3(1, 2, 3)},
        AxisCase{{0, 2, -1}, {0, 2, 4}, Vec3(1, 2, 3), Vec3(1, 2, 3)}));

TEST(RemapAxesTest, StartsFromTheRecordedConvention) {
    Scene scene;
    fillVectors(scene);
    convertAxes(scene, 0, 4, 2, 0, 2, 5);
    ASSERT_TRUE(remapAxes(scene, 0, 2, 4));
    expectSame(scene.objects[0].points[0].position, Vec3(1, 3, 2));
    expectSame(scene.objects[0].transform.localScale, Vec3(1, 3, 2));
    EXPECT_EQ(scene.axisZ, 4);
}

class HandednessTest : public ::testing::Test {
protected:
    void SetUp() override {
        int o = scene.addObject("tri");
        SceneObject& object = scene.objects[o];
        addPoints(object, 3);
        MeshBuilder(object).polygon({0, 1, 2});
        object.transform.localRotation.set(0.1f, 0.2f, 0.3f);
        object.transform.worldRotation.set(0.4f, 0.5f, 0.6f);
        object.auxTransform.localRotation.set(0.7f, 0.8f, 0.9f);
        object.resizeKeys(2);
        object.keyCount = 2;
        object.keys[1].localRotation.set(1, 2, 3);
        object.resizeNormals(1);
        object.normalCount = 1;
        object.normals[0].normal.set(0, 0, 1);
        object.polygons[0].normal.set(0, 1, 0);
    }
    Scene scene;
};

TEST_F(HandednessTest, DifferentConventionsReverseWindingAndRotations) {
    ASSERT_TRUE(convertHandedness(scene, 0, 1));
    const SceneObject& object = scene.objects[0];
    EXPECT_EQ(cornerPoints(object.polygons[0]), (std::vector<int>{2, 1, 0}));
    expectVec(object.polygons[0].normal, 0, -1, 0, 0);
    expectVec(object.transform.localRotation, -0.1f, -0.2f, -0.3f, 0);
    expectVec(object.keys[1].localRotation, -1, -2, -3, 0);
    // Shared normals, world rotation and the second transform keep their values.
    expectVec(object.normals[0].normal, 0, 0, 1, 0);
    expectVec(object.transform.worldRotation, 0.4f, 0.5f, 0.6f, 0);
    expectVec(object.auxTransform.localRotation, 0.7f, 0.8f, 0.9f, 0);
    EXPECT_EQ(scene.handedness, 1);
}

TEST_F(HandednessTest, EqualConventionsOnlyRecordTheTarget) {
    scene.handedness = 0;
    ASSERT_TRUE(convertHandedness(scene, 1, 1));
    EXPECT_EQ(cornerPoints(scene.objects[0].polygons[0]), (std::vector<int>{0, 1, 2}));
    expectVec(scene.objects[0].transform.localRotation, 0.1f, 0.2f, 0.3f, 0);
    EXPECT_EQ(scene.handedness, 1);
}

TEST_F(HandednessTest, SetHandednessStartsFromTheRecordedValue) {
    scene.handedness = 1;
    setHandedness(scene, 1);
    EXPECT_EQ(cornerPoints(scene.objects[0].polygons[0]), (std::vector<int>{0, 1, 2}));
    setHandedness(scene, 2);
    EXPECT_EQ(cornerPoints(scene.objects[0].polygons[0]), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(scene.handedness, 2);
}

struct FlipCase {
    unsigned flags;
    float u, v;
};

class FlipTest : public ::testing::TestWithParam<FlipCase> {};

TEST_P(FlipTest, FlipsTheRequestedCoordinates) {
    Scene scene;
    for (int o = 0; o < 2; ++o) {
        SceneObject& object = newObject(scene, "");
        int uv = object.addUv();
        object.uvs[uv].set(0.25f, 0.1f);
    }
    ASSERT_TRUE(flipTextureCoordinates(scene, GetParam().flags));
    for (int o = 0; o < 2; ++o) {
        EXPECT_FLOAT_EQ(scene.objects[o].uvs[0].u, GetParam().u);
        EXPECT_FLOAT_EQ(scene.objects[o].uvs[0].v, GetParam().v);
    }
}

INSTANTIATE_TEST_SUITE_P(Flags, FlipTest,
                         ::testing::Values(FlipCase{0x300, 0.75f, 0.9f}, FlipCase{FlipU, 0.75f, 0.1f},
                                           FlipCase{FlipV, 0.25f, 0.9f}, FlipCase{0, 0.25f, 0.1f},
                                           FlipCase{0x400, 0.25f, 0.1f}));

TEST(FlipTextureCoordinatesTest, FlippingTwiceRestoresV) {
    Scene scene;
    SceneObject& object = newObject(scene, "");
    int uv = object.addUv();
    object.uvs[uv].set(0.3f, 0.7f);
    flipTextureCoordinates(scene, FlipV);
    flipTextureCoordinates(scene, FlipV);
    EXPECT_FLOAT_EQ(object.uvs[0].v, 0.7f);
}

}  // namespace
