#include <gtest/gtest.h>

#include "sdk/host_scene.h"

namespace {

Matrix3 moved(float x, float y, float z) {
    Matrix3 m;
    m.SetTrans(Point3(x, y, z));
    return m;
}

TEST(HostScene, NodesFormATreeWalkedDepthFirst) {
    HostScene scene;
    INode* a = scene.CreateNode("A");
    INode* b = scene.CreateNode("B", a);
    scene.CreateNode("C", b);
    scene.CreateNode("D");
    std::vector<std::string> names;
    for (INode* n : scene.NodesInOrder()) names.push_back(n->GetName());
    EXPECT_EQ(names, (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(scene.GetRootNode()->NumberOfChildren(), 2);
    EXPECT_EQ(b->GetParentNode(), a);
    EXPECT_EQ(a->GetParentNode(), scene.GetRootNode());
    EXPECT_EQ(scene.GetRootNode()->GetChildNode(2), nullptr);
    EXPECT_EQ(scene.FindNode("C")->GetParentNode(), b);
}

TEST(HostScene, WorldTransformsComposeDownTheTree) {
    HostScene scene;
    INode* parent = scene.CreateNode("parent");
    INode* child = scene.CreateNode("child", parent);
    parent->SetNodeTM(0, moved(0, 0, 10));
    child->SetNodeTM(0, moved(1, 0, 10));  // world placement
    EXPECT_EQ(child->GetLocalTM().GetTrans(), Point3(1, 0, 0));
    EXPECT_EQ(child->GetParentTM(0).GetTrans(), Point3(0, 0, 10));
    parent->SetNodeTM(0, moved(0, 5, 0));
    EXPECT_EQ(child->GetNodeTM(0).GetTrans(), Point3(1, 5, 0));  // the child moves along
    EXPECT_TRUE(scene.GetRootNode()->GetNodeTM(0).Equals(Matrix3(), 0.0f));
}

TEST(HostScene, AttachChildKeepsWorldOrLocalTransformAndRefusesCycles) {
    HostScene scene;
    INode* parent = scene.CreateNode("parent");
    parent->SetNodeTM(0, moved(0, 0, 10));
    INode* kept = scene.CreateNode("kept");
    kept->SetNodeTM(0, moved(1, 2, 3));
    parent->AttachChild(kept, 1);
    EXPECT_EQ(kept->GetNodeTM(0).GetTrans(), Point3(1, 2, 3));
    INode* relative = scene.CreateNode("relative");
    relative->SetNodeTM(0, moved(1, 2, 3));
    parent->AttachChild(relative, 0);
    EXPECT_EQ(relative->GetNodeTM(0).GetTrans(), Point3(1, 2, 13));
    EXPECT_EQ(scene.GetRootNode()->NumberOfChildren(), 1);

    kept->AttachChild(parent);  // parent is an ancestor of kept: refused
    EXPECT_EQ(parent->GetParentNode(), scene.GetRootNode());
    kept->AttachChild(scene.GetRootNode());
    EXPECT_EQ(scene.GetRootNode()->GetParentNode(), nullptr);
}

TEST(HostScene, ImportNodesJoinTheSceneWhenAdded) {
    HostScene scene;
    HostImport import(scene);
    ImpNode* node = import.CreateNode();
    ASSERT_NE(node, nullptr);
    TriObject* tri = CreateNewTriObject();
    node->Reference(tri);
    node->SetTransform(0, moved(0, 0, 7));
    node->SetName("imported");
    EXPECT_EQ(scene.FindNode("imported"), nullptr);  // not in the scene yet
    import.AddNodeToScene(node);
    INode* added = scene.FindNode("imported");
    ASSERT_EQ(added, node->GetINode());
    EXPECT_EQ(added->GetObjectRef(), tri);
    EXPECT_EQ(added->GetNodeTM(0).GetTrans(), Point3(0, 0, 7));
    import.AddNodeToScene(node);  // a second add changes nothing
    EXPECT_EQ(scene.GetRootNode()->NumberOfChildren(), 1);

    import.FailCreateNodeAfter(1);
    EXPECT_NE(import.CreateNode(), nullptr);
    EXPECT_EQ(import.CreateNode(), nullptr);
}

TEST(HostScene, RecordsRedrawsAndTime) {
    HostScene scene;
    scene.SetTime(4800);
    EXPECT_EQ(scene.GetTime(), 4800);
    EXPECT_EQ(scene.RedrawCount(), 0);
    scene.RedrawViews(4800, REDRAW_NORMAL);
    EXPECT_EQ(scene.RedrawCount(), 1);
    EXPECT_EQ(scene.LastRedrawTime(), 4800);
    EXPECT_EQ(scene.LastRedrawFlags(), 8u);
}

// Objects live while a node holds them; a temporary nobody holds is freed by DeleteMe.
TEST(HostScene, NodesOwnTheirObjectsAndConversionTemporariesAreReleased) {
    const int before = TriObject::LiveCount();
    {
        HostScene scene;
        INode* node = scene.CreateNode("mesh");
        TriObject* tri = CreateNewTriObject();
        node->SetObjectRef(tri);
        tri->DeleteMe();  // held by the node: stays
        EXPECT_EQ(node->EvalWorldState(0).obj, tri);
        EXPECT_EQ(tri->ConvertToType(0, triObjectClassID), tri);

        auto* generated = new GeneratedMeshObject();
        generated->mesh.setNumVerts(3);
        scene.CreateNode("generated")->SetObjectRef(generated);
        Object* converted = generated->ConvertToType(0, triObjectClassID);
        ASSERT_NE(converted, generated);
        EXPECT_EQ(static_cast<TriObject*>(converted)->GetMesh().getNumVerts(), 3);
        EXPECT_EQ(TriObject::LiveCount(), before + 2);
        converted->DeleteMe();
        EXPECT_EQ(TriObject::LiveCount(), before + 1);

        auto* dummy = new DummyObject();
        scene.CreateNode("dummy")->SetObjectRef(dummy);
        EXPECT_EQ(dummy->CanConvertToType(triObjectClassID), 0);
    }
    EXPECT_EQ(TriObject::LiveCount(), before);
}

TEST(HostScene, CreateNewTriObjectCanBeMadeToFail) {
    SetCreateNewTriObjectFailure(1);
    TriObject* first = CreateNewTriObject();
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(CreateNewTriObject(), nullptr);
    SetCreateNewTriObjectFailure(-1);
    TriObject* again = CreateNewTriObject();
    EXPECT_NE(again, nullptr);
    first->DeleteMe();
    again->DeleteMe();
}

}  // namespace
