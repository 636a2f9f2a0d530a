// Capturing a host scene and building the result into a second host: the meshes and
// placements come back.
#include <gtest/gtest.h>

#include "host/capture.h"
#include "host/mesh_builder.h"
#include "host_test_scenes.h"

namespace {

TEST(RoundTrip, CapturedSceneBuildsBackIntoTheSameGeometryAndPlacement) {
    HostScene source;
    INode* cube = source.CreateNode("Cube");
    cube->SetObjectRef(makeCubeObject());
    cube->SetNodeTM(0, rotationZ(0.5f) * translation(0, 0, 10));
    INode* quad = addQuadNode(source, "Quad", cube);
    quad->SetNodeTM(0, rotationX(-0.4f) * translation(2, 1, 0) * cube->GetNodeTM(0));
    StdMat* material = NewDefaultStdMat();
    material->SetDiffuse(Color(0.2f, 0.4f, 0.6f), 0);
    cube->SetMtl(material);

    Scene scene;
    captureScene(scene, &source);
    HostScene target;
    HostImport importer(target);
    ASSERT_EQ(buildHostScene(scene, &importer, &target), 1);

    INode* cubeCopy = target.FindNode("Cube");
    INode* quadCopy = target.FindNode("Quad");
    ASSERT_NE(cubeCopy, nullptr);
    ASSERT_NE(quadCopy, nullptr);
    EXPECT_EQ(quadCopy->GetParentNode(), cubeCopy);
    EXPECT_TRUE(cubeCopy->GetNodeTM(0).Equals(cube->GetNodeTM(0), 1e-4f));
    // The child lands where the source's parent chain placed it, and keeps its local offset.
    EXPECT_TRUE(quadCopy->GetNodeTM(0).Equals(quad->GetNodeTM(0), 1e-4f));
    EXPECT_TRUE(quadCopy->GetLocalTM().Equals(quad->GetLocalTM(), 1e-4f));

    const Mesh& original = static_cast<TriObject*>(cube->GetObjectRef())->GetMesh();
    const Mesh& copy = static_cast<TriObject*>(cubeCopy->GetObjectRef())->GetMesh();
    ASSERT_EQ(copy.getNumVerts(), 8);
    ASSERT_EQ(copy.getNumFaces(), 12);
    for (int i = 0; i < 8; ++i) {
        const Point3& p = copy.verts[size_t(i)];
        bool found = false;
        for (const Point3& q : original.verts) found |= Length(p - q) < 1e-5f;
        EXPECT_TRUE(found) << "vertex " << i;
    }
    int hidden = 0;
    for (const Face& f : copy.faces) hidden += 3 - f.getEdgeVis(0) - f.getEdgeVis(1) - f.getEdgeVis(2);
    EXPECT_EQ(hidden, 12);  // one hidden diagonal side per triangle
    auto* multi = cubeCopy->GetMtl();
    ASSERT_NE(multi, nullptr);
    EXPECT_EQ(multi->GetSubMtl(0)->GetDiffuse(), Color(0.2f, 0.4f, 0.6f));
}

}  // namespace
