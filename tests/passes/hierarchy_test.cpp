// World matrices, baking, resetting and rotation-order conversion.
#include "passes/hierarchy.h"

#include <cmath>

#include "model/euler.h"
#include "mesh_fixture.h"

namespace {

const float kHalfPi = 1.5707964f;

int addPlaced(Scene& scene, float x, float y, float z, int parent = -1) {
    int o = scene.addObject("");
    scene.objects[o].transform.localPosition.set(x, y, z);
    scene.objects[o].parent = parent;
    return o;
}

TEST(ComputeWorldTransformsTest, RootAndChildTranslations) {
    Scene scene;
    int child = addPlaced(scene, 1, 0, 0);
    int root = addPlaced(scene, 0, 5, 0);
    int other = addPlaced(scene, 1, 2, 3);
    scene.objects[child].parent = root;  // a parent stored after its child
    ASSERT_TRUE(computeWorldTransforms(scene));
    expectMatrixNear(scene.objects[child].transform.localMatrix, translationMatrix(1, 0, 0), 0);
    expectMatrixNear(scene.objects[child].transform.worldMatrix, translationMatrix(1, 5, 0), 0);
    expectMatrixNear(scene.objects[root].transform.worldMatrix, translationMatrix(0, 5, 0), 0);
    expectMatrixNear(scene.objects[other].transform.localMatrix, translationMatrix(1, 2, 3), 0);
    expectMatrixNear(scene.objects[other].transform.worldMatrix, translationMatrix(1, 2, 3), 0);
}

TEST(ComputeWorldTransformsTest, ScaleAndRotationActAboutTheirPivots) {
    Scene scene;
    SceneObject& object = newObject(scene, "");
    object.rotationOrder = OrderXYZ;
    object.scalePivot.set(1, 0, 0);
    object.transform.localScale.set(2, 1, 1);
    object.scalePivotOffset.set(0, 1, 0);
    object.rotatePivot.set(1, 1, 0);
    object.transform.localRotation.set(0, 0, kHalfPi);
    object.rotatePivotOffset.set(0, 0, 4);
    object.transform.localPosition.set(10, 0, 0);
    computeWorldTransforms(scene);
    // (2,0,0): scaled about x = 1 to (3,0,0), offset to (3,1,0), turned a quarter about (1,1,0)
    // to (1,3,0), offset to (1,3,4), placed at (11,3,4).
    Vec3 p = transformPoint(Vec3(2, 0, 0), object.transform.localMatrix);
    expectVec(p, 11, 3, 4);
    expectMatrixNear(object.transform.worldMatrix, object.transform.localMatrix, 0);
}

TEST(ComputeWorldTransformsTest, ParentCyclesStopAfterTheAllowance) {
    // Objects 0 and 1 are each other's parent, object 2 hangs below the cycle. With three objects
    // every chain takes four local matrices.
    Scene scene;
    addPlaced(scene, 1, 0, 0, 1);
    addPlaced(scene, 0, 10, 0, 0);
    addPlaced(scene, 0, 0, 100, 0);
    ASSERT_TRUE(computeWorldTransforms(scene));
    expectMatrixNear(scene.objects[0].transform.worldMatrix, translationMatrix(2, 20, 0), 0);
    expectMatrixNear(scene.objects[1].transform.worldMatrix, translationMatrix(2, 20, 0), 0);
    expectMatrixNear(scene.objects[2].transform.worldMatrix, translationMatrix(2, 10, 100), 0);
    expectMatrixNear(scene.objects[2].transform.localMatrix, translationMatrix(0, 0, 100), 0);
}

TEST(ComputeWorldTransformsTest, SelfParentAndUnknownParents) {
    Scene scene;
    addPlaced(scene, 1, 0, 0, 0);    // its own parent: 1 + 3 levels with three objects
    addPlaced(scene, 0, 3, 0, 7);    // parent index beyond the objects: a root
    addPlaced(scene, 0, 0, 5, -4);   // negative parent index: a root
    computeWorldTransforms(scene);
    expectMatrixNear(scene.objects[0].transform.worldMatrix, translationMatrix(4, 0, 0), 0);
    expectMatrixNear(scene.objects[1].transform.worldMatrix, translationMatrix(0, 3, 0), 0);
    expectMatrixNear(scene.objects[2].transform.worldMatrix, translationMatrix(0, 0, 5), 0);
}

TEST(ComputeWorldTransformsTest, DeepChainStoredChildFirst) {
    // Object i is the parent of object i - 1; the last object is the root.
    const int count = 20000;
    Scene scene;
    scene.resizeObjects(count);
    for (int i = 0; i < count; ++i) addPlaced(scene, 1, 0, 0, i + 1 < count ? i + 1 : -1);
    ASSERT_TRUE(computeWorldTransforms(scene));
    expectMatrixNear(scene.objects[0].transform.worldMatrix, translationMatrix(count, 0, 0), 0);
    expectMatrixNear(scene.objects[count / 2].transform.worldMatrix, translationMatrix(count / 2, 0, 0), 0);
}

class BakeTest : public ::testing::Test {
protected:
    void SetUp() override {
        SceneObject& object = newObject(scene, "");
        addPoints(object, 3);
        object.points[1].normal.set(0, 1, 0);
        MeshBuilder(object).polygon({0, 1, 2});
        object.resizeNormals(1);
        object.normalCount = 1;
        object.resizeKeys(1);
        object.keyCount = 1;
        object.keys[0].localPosition.set(7, 7, 7);
        object.auxTransform.localPosition.set(8, 8, 8);
    }
    SceneObject& object() { return scene.objects[0]; }
    // Gives the polygon, its first corner and the shared normal entry the same normal.
    void setNormals(const Vec3& n) {
        object().polygons[0].normal = n;
        object().polygons[0].cornerNormalVectors[0] = n;
        object().normals[0].normal = n;
    }
    void expectNormals(float x, float y, float z) {
        expectVec(object().polygons[0].normal, x, y, z);
        expectVec(object().polygons[0].cornerNormalVectors[0], x, y, z);
        expectVec(object().normals[0].normal, x, y, z);
    }
    Scene scene;
};

TEST_F(BakeTest, TranslationMovesPointsAndKeepsNormals) {
    setNormals(Vec3(0, 0, 1));
    object().transform.localPosition.set(0, 0, 10);
    computeWorldTransforms(scene);
    ASSERT_TRUE(bakeTransforms(scene));
    for (int i = 0; i < 3; ++i) expectVec(object().points[i].position, static_cast<float>(i), 0, 10, 0);
    expectNormals(0, 0, 1);
    expectMatrixNear(object().transform.worldMatrix, Mat4(), 0);
    expectVec(object().transform.localPosition, 0, 0, 0, 0);
    // Point normals, the second transform and the keys are not baked.
    expectVec(object().points[1].normal, 0, 1, 0, 0);
    expectVec(object().auxTransform.localPosition, 8, 8, 8, 0);
    expectVec(object().keys[0].localPosition, 7, 7, 7, 0);
}

TEST_F(BakeTest, NormalsStayPerpendicularUnderNonUniformScale) {
    // The surface x + y = 0 holds the direction (1, -1, 0); stretched by 2 along x it holds
    // (2, -1, 0), whose normal is (1, 2, 0) / sqrt 5.
    const float s = 1.0f / std::sqrt(2.0f);
    setNormals(Vec3(s, s, 0));
    object().transform.localScale.set(2, 1, 1);
    computeWorldTransforms(scene);
    bakeTransforms(scene);
    const float r = 1.0f / std::sqrt(5.0f);
    expectNormals(r, 2 * r, 0);
    EXPECT_NEAR(dot(object().normals[0].normal, Vec3(2, -1, 0)), 0.0f, 1e-6f);
}

TEST_F(BakeTest, MirroringTurnsNormalsWithTheSurface) {
    setNormals(Vec3(1, 0, 0));
    object().transform.localScale.set(-1, 1, 1);
    computeWorldTransforms(scene);
    bakeTransforms(scene);
    expectNormals(-1, 0, 0);
    expectVec(object().points[2].position, -2, 0, 0);
}

TEST_F(BakeTest, RotationTurnsNormals) {
    setNormals(Vec3(1, 0, 0));
    object().transform.localRotation.set(0, 0, kHalfPi);
    object().transform.localScale.set(3, 3, 3);
    computeWorldTransforms(scene);
    bakeTransforms(scene);
    expectNormals(0, 1, 0);
    expectVec(object().points[1].position, 0, 3, 0);
}

TEST_F(BakeTest, ResetKeepsGeometry) {
    object().transform.localPosition.set(0, 0, 10);
    computeWorldTransforms(scene);
    ASSERT_TRUE(resetTransforms(scene));
    expectVec(object().points[2].position, 2, 0, 0, 0);
    expectMatrixNear(object().transform.worldMatrix, Mat4(), 0);
    expectVec(object().transform.localPosition, 0, 0, 0, 0);
    expectVec(object().auxTransform.localPosition, 8, 8, 8, 0);
    EXPECT_EQ(object().keyCount, 1);
}

Mat4 rotationMatrix(const Vec3& angles, int order) {
    Mat4 m;
    m.eulerRotation(angles.x, angles.y, angles.z, order);
    return m;
}

class RotationOrderTest : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(RotationOrderTest, ConvertedAnglesDescribeTheSameRotation) {
    const int source = GetParam().first;
    const int target = GetParam().second;
    const Vec3 angles(0.3f, -0.5f, 1.1f);
    Scene scene;
    SceneObject& object = newObject(scene, "");
    object.rotationOrder = source;
    object.transform.localRotation = angles;
    object.auxTransform.localRotation = angles;
    object.auxTransform.worldRotation = angles;
    object.transform.worldRotation = angles;
    ASSERT_TRUE(convertRotationOrder(scene, target));
    EXPECT_EQ(object.rotationOrder, target);
    const Mat4 expected = rotationMatrix(angles, source);
    expectMatrixNear(rotationMatrix(object.transform.localRotation, target), expected, 1e-4f);
    expectMatrixNear(rotationMatrix(object.auxTransform.localRotation, target), expected, 1e-4f);
    expectMatrixNear(rotationMatrix(object.auxTransform.worldRotation, target), expected, 1e-4f);
    // The world rotation of the main transform is not converted.
    expectVec(object.transform.worldRotation, angles.x, angles.y, angles.z, 0);
}

INSTANTIATE_TEST_SUITE_P(Orders, RotationOrderTest,
                         ::testing::Values(std::make_pair(0, 0), std::make_pair(0, 4), std::make_pair(4, 1),
                                           std::make_pair(2, 5), std::make_pair(5, 3), std::make_pair(3, 2),
                                           std::make_pair(1, 0),
                                           // An unknown order is read as ZYX, as the matrices read it.
                                           std::make_pair(9, 4)));

TEST(ConvertRotationOrderTest, KeysStayContinuous) {
    Scene scene;
    SceneObject& object = newObject(scene, "");
    object.rotationOrder = OrderXYZ;
    object.resizeKeys(3);
    object.keyCount = 3;
    object.keys[0].localRotation.set(0, 0, 3.0f);
    object.keys[1].localRotation.set(0, 0, -3.1f);
    object.keys[2].localRotation.set(0, 0, -2.9f);
    object.transform.localRotation.set(0, 0, -3.1f);
    convertRotationOrder(scene, OrderXYZ);
    EXPECT_NEAR(object.keys[0].localRotation.z, 3.0f, 1e-4f);
    EXPECT_NEAR(object.keys[1].localRotation.z, -3.1f + 6.2831855f, 1e-4f);
    EXPECT_NEAR(object.keys[2].localRotation.z, -2.9f + 6.2831855f, 1e-4f);
    // The transform itself is unwrapped against zero, not against the keys.
    EXPECT_NEAR(object.transform.localRotation.z, -3.1f, 1e-4f);
}

TEST(ConvertRotationOrderTest, UnknownTargetOrderChangesNothing) {
    Scene scene;
    SceneObject& object = newObject(scene, "");
    object.transform.localRotation.set(0.1f, 0.2f, 0.3f);
    EXPECT_FALSE(convertRotationOrder(scene, 6));
    EXPECT_FALSE(convertRotationOrder(scene, -1));
    expectVec(object.transform.localRotation, 0.1f, 0.2f, 0.3f, 0);
    EXPECT_EQ(object.rotationOrder, OrderZXY);
}

}  // namespace
