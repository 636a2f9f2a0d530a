// The capture facing broken host data: missing vertices, out-of-range indices, objects that do
// not convert as they claim, no host at all.
#include <gtest/gtest.h>

#include "host/capture.h"
#include "host_test_scenes.h"
#include "passes/axes.h"

namespace {

// An object that claims to convert to a triangle mesh and then does not deliver one.
class BrokenConversion : public Object {
public:
    explicit BrokenConversion(bool giveOtherObject, bool* released = nullptr)
        : giveOther_(giveOtherObject), released_(released) {}
    Class_ID ClassID() override { return Class_ID(0x999, 0); }
    SClass_ID SuperClassID() override { return GEOMOBJECT_CLASS_ID; }
    int CanConvertToType(Class_ID) override { return 1; }
    Object* ConvertToType(TimeValue, Class_ID) override {
        return giveOther_ ? new Tracked(released_) : nullptr;
    }

private:
    // A converted object of the wrong class; records when it is freed.
    class Tracked : public DummyObject {
    public:
        explicit Tracked(bool* released) : released_(released) {}
        ~Tracked() override {
            if (released_) *released_ = true;
        }

    private:
        bool* released_;
    };
    bool giveOther_;
    bool* released_;
};

TEST(CaptureUnsafeInput, TrianglesNamingMissingOrRepeatedVerticesAreDropped) {
    HostScene host;
    host.CreateNode("Broken")->SetObjectRef(makeTriObject(
        {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}},
        {{0, 1, 2}, {1, 99, 2}, {0xFFFFFFFF, 0, 1}, {3, 3, 1}, {1, 3, 2}}));
    Scene scene;
    captureScene(scene, &host);
    const SceneObject& object = scene.objects[0];
    ASSERT_EQ(object.polygonCount, 2);
    for (int i = 0; i < object.polygonCount; ++i)
        for (int c = 0; c < 3; ++c) {
            EXPECT_GE(object.polygons[i].cornerPoints[c], 0);
            EXPECT_LT(object.polygons[i].cornerPoints[c], object.pointCount);
        }
}

TEST(CaptureUnsafeInput, TextureAndColourFaceIndicesOutsideTheirEntriesBecomeUnset) {
    HostScene host;
    TriObject* triangle = makeTriObject({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 1, 2}});
    Mesh& mesh = triangle->GetMesh();
    mesh.setNumTVerts(2);
    mesh.setNumTVFaces(1);
    mesh.tvFace[0].setTVerts(0, 1, 50);
    mesh.setNumVertCol(1);
    mesh.setNumVCFaces(1);
    mesh.vcFace[0].setTVerts(7, 0, 0);
    host.CreateNode("Indices")->SetObjectRef(triangle);
    Scene scene;
    captureScene(scene, &host);
    const MeshPolygon& p = scene.objects[0].polygons[0];
    int unsetUvs = 0, unsetColors = 0;
    for (int c = 0; c < 3; ++c) {
        EXPECT_LT(p.cornerUvs[c], 2);
        EXPECT_LT(p.cornerColors[c], 1);
        unsetUvs += p.cornerUvs[c] == -1;
        unsetColors += p.cornerColors[c] == -1;
    }
    EXPECT_EQ(unsetUvs, 1);
    EXPECT_EQ(unsetColors, 1);
}

TEST(CaptureUnsafeInput, TextureFacesShorterThanTheFacesLeaveTheRestUnset) {
    HostScene host;
    TriObject* pair = makeTriObject({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}}, {{0, 1, 2}, {1, 3, 2}});
    Mesh& mesh = pair->GetMesh();
    mesh.setNumTVerts(1);
    mesh.setNumTVFaces(1);  // only the first face has texture indices
    host.CreateNode("Short")->SetObjectRef(pair);
    Scene scene;
    captureScene(scene, &host);
    const SceneObject& object = scene.objects[0];
    ASSERT_EQ(object.polygonCount, 2);
    EXPECT_EQ(object.polygons[0].cornerUvs[0], 0);
    EXPECT_EQ(object.polygons[1].cornerUvs[0], -1);
}

TEST(CaptureUnsafeInput, ObjectsThatDoNotConvertAsClaimedAreSkippedAndReleased) {
    HostScene host;
    bool released = false;
    host.CreateNode("Null")->SetObjectRef(new BrokenConversion(false));
    host.CreateNode("WrongClass")->SetObjectRef(new BrokenConversion(true, &released));
    addQuadNode(host, "Fine");
    Scene scene;
    captureScene(scene, &host);
    ASSERT_EQ(scene.objectCount, 1);
    EXPECT_STREQ(scene.objects[0].name, "Fine");
    EXPECT_TRUE(released);
}

TEST(CaptureUnsafeInput, MissingHostNodeOrMaterialCapturesNothing) {
    Scene scene;
    EXPECT_FALSE(captureScene(scene, nullptr));
    EXPECT_EQ(captureNode(scene, nullptr, -1), -1);
    EXPECT_EQ(captureMaterial(scene, nullptr), -1);
    EXPECT_EQ(scene.objectCount, 0);
    EXPECT_EQ(scene.materialCount, 0);
    EXPECT_EQ(scene.axisZ, AxisPosZ);  // no conversion ran either
}

TEST(CaptureUnsafeInput, BitmapWithoutFileNameGivesNoTexture) {
    HostScene host;
    StdMat* m = NewDefaultStdMat();
    m->SetSubTexmap(ID_DI, NewDefaultBitmapTex());
    addQuadNode(host, "Unnamed map")->SetMtl(m);
    Scene scene;
    captureScene(scene, &host);
    EXPECT_EQ(scene.textureCount, 0);
    EXPECT_EQ(scene.materials[0].textureSlots[0], -1);
}

TEST(CaptureUnsafeInput, ChildOfParentScaledToNothingKeepsItsWorldPlacement) {
    HostScene host;
    INode* flat = addQuadNode(host, "Flat");
    INode* child = addQuadNode(host, "Child", flat);
    flat->SetNodeTM(0, translation(0, 0, 5));
    child->SetNodeTM(0, translation(1, 2, 3));
    flat->SetNodeTM(0, scaling(1, 1, 0));  // the child's world placement goes with it
    const Point3 world = child->GetNodeTM(0).GetTrans();
    Scene scene;
    captureScene(scene, &host);
    const Vec3& local = scene.objects[1].transform.localPosition;
    const Vec3 expected = hostToModel(world);
    EXPECT_FLOAT_EQ(local.x, expected.x);
    EXPECT_FLOAT_EQ(local.y, expected.y);
    EXPECT_FLOAT_EQ(local.z, expected.z);
}

}  // namespace
