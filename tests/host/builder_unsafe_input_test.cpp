// The builder facing hosts that fail to create objects and scenes with indices that name
// nothing.
#include <gtest/gtest.h>

#include "host/mesh_builder.h"
#include "host_test_scenes.h"

namespace {

Scene& threeTriangleObjects(Scene& scene) {
    for (const char* name : {"First", "Second", "Third"}) {
        SceneObject& object = addNamedObject(scene, name);
        addPoints(object, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
        addPolygon(object, {0, 1, 2});
    }
    scene.objects[1].parent = 0;
    scene.objects[2].parent = 1;
    scene.addMaterial("only");
    return scene;
}

class BuilderFailure : public ::testing::Test {
protected:
    void TearDown() override { SetCreateNewTriObjectFailure(-1); }
    HostScene host;
    HostImport importer{host};
};

TEST_F(BuilderFailure, NoTriangleObjectStopsTheBuildAndSkipsTheHierarchy) {
    Scene scene;
    threeTriangleObjects(scene);
    SetCreateNewTriObjectFailure(2);
    EXPECT_EQ(buildHostScene(scene, &importer, &host), 0);
    const std::vector<INode*> nodes = host.NodesInOrder();
    ASSERT_EQ(nodes.size(), 2u);  // the first two stay, both under the root
    EXPECT_EQ(nodes[0]->GetParentNode(), host.GetRootNode());
    EXPECT_EQ(nodes[1]->GetParentNode(), host.GetRootNode());
    EXPECT_EQ(scene.objects[2].hostNode, nullptr);
}

TEST_F(BuilderFailure, NoNodeReleasesTheTriangleObjectJustMade) {
    Scene scene;
    threeTriangleObjects(scene);
    importer.FailCreateNodeAfter(1);
    const int liveBefore = TriObject::LiveCount();
    EXPECT_EQ(buildHostScene(scene, &importer, &host), 0);
    EXPECT_EQ(host.NodesInOrder().size(), 1u);
    EXPECT_EQ(TriObject::LiveCount(), liveBefore + 1);  // only the first node's object lives
}

TEST_F(BuilderFailure, FirstObjectFailingLeavesNoMaterialBehind) {
    Scene scene;
    threeTriangleObjects(scene);
    SetCreateNewTriObjectFailure(0);
    EXPECT_EQ(buildHostScene(scene, &importer, &host), 0);
    EXPECT_TRUE(host.NodesInOrder().empty());
    // The multi-material nobody took is released (the sanitizer build reports it otherwise).
}

TEST_F(BuilderFailure, NoImportInterfaceBuildsNothing) {
    Scene scene;
    threeTriangleObjects(scene);
    EXPECT_EQ(buildHostScene(scene, nullptr, &host), 0);
    EXPECT_TRUE(host.NodesInOrder().empty());
}

TEST(BuilderUnsafeInput, IndicesNamingNothingLeaveTheHostDefaults) {
    Scene scene;
    scene.addMaterial("a");
    scene.addMaterial("b");
    SceneObject& object = addNamedObject(scene, "Odd");
    addPoints(object, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});
    addUv(object, 0.5f, 0.5f);
    addPolygon(object, {0, 1, 99}, 1);  // a corner outside the points
    addPolygon(object, {0, -1, 2}, 1);
    const int kept = addPolygon(object, {0, 1, 2});
    object.polygons[kept].material = 5;  // past the multi-material's two slots
    object.polygons[kept].cornerUvs[1] = 3;
    object.polygons[kept].cornerUvs[2] = 0;
    object.parent = 7;
    HostScene host;
    HostImport importer(host);
    EXPECT_EQ(buildHostScene(scene, &importer, &host), 1);
    INode* node = host.FindNode("Odd");
    Mesh& mesh = static_cast<TriObject*>(node->GetObjectRef())->GetMesh();
    ASSERT_EQ(mesh.getNumFaces(), 1);
    EXPECT_EQ(mesh.faces[0].v[2], 2u);
    EXPECT_EQ(mesh.getFaceMtlIndex(0), 0);
    EXPECT_EQ(mesh.tvFace[0].t[1], 0u);  // index 3 names no entry: the host's initial index
    EXPECT_EQ(node->GetParentNode(), host.GetRootNode());
}

TEST(BuilderUnsafeInput, WithoutHostInterfaceMapsAreBuiltButNotShownInViewports) {
    Scene scene;
    threeTriangleObjects(scene);
    scene.materials[0].textureSlots[0] = scene.addTexture("wall.png");
    const int missing = scene.addMaterial("missing texture");
    scene.materials[missing].textureSlots[0] = 4;  // names no texture
    HostScene host;
    HostImport importer(host);
    EXPECT_EQ(buildHostScene(scene, &importer, nullptr), 1);
    Mtl* multi = host.FindNode("First")->GetMtl();
    ASSERT_NE(multi, nullptr);
    auto* bitmap = static_cast<BitmapTex*>(multi->GetSubMtl(0)->GetSubTexmap(ID_DI));
    ASSERT_NE(bitmap, nullptr);
    EXPECT_STREQ(bitmap->GetMapName(), "wall.png");
    EXPECT_FALSE(bitmap->ShownInViewport());
    EXPECT_EQ(multi->GetSubMtl(1)->GetSubTexmap(ID_DI), nullptr);
}

TEST(BuilderUnsafeInput, SelfAndMutualParentsLeaveNodesInTheTree) {
    Scene scene;
    addNamedObject(scene, "Self").parent = 0;
    addNamedObject(scene, "Ping").parent = 2;
    addNamedObject(scene, "Pong").parent = 1;
    HostScene host;
    HostImport importer(host);
    EXPECT_EQ(buildHostScene(scene, &importer, &host), 1);
    EXPECT_EQ(host.NodesInOrder().size(), 3u);  // every node still reachable from the root
}

}  // namespace
