#include <gtest/gtest.h>

#include <sstream>

#include "sdk/host_scene_report.h"

namespace {

// A quad (two triangles with a hidden diagonal) under a parent, sharing one multi-material.
TEST(HostSceneReport, ShowsTreeMeshesAndMaterialsOnce) {
    HostScene scene;
    MultiMtl* multi = NewDefaultMultiMtl();
    multi->SetNumSubMtls(2);
    StdMat* red = NewDefaultStdMat();
    red->SetName("red");
    red->SetDiffuse(Color(1, 0, 0), 0);
    BitmapTex* map = NewDefaultBitmapTex();
    map->SetMapName("wall.png");
    red->SetSubTexmap(ID_DI, map);
    multi->SetSubMtl(1, red);

    INode* parent = scene.CreateNode("parent");
    parent->SetMtl(multi);
    INode* child = scene.CreateNode("quad", parent);
    child->SetMtl(multi);
    Matrix3 tm;
    tm.SetTrans(Point3(0, 0, 10));
    child->SetNodeTM(0, tm);
    TriObject* tri = CreateNewTriObject();
    Mesh& mesh = tri->GetMesh();
    mesh.setNumVerts(4);
    mesh.setNumFaces(2);
    mesh.faces[0].setVerts(0, 1, 2);
    mesh.faces[0].setEdgeVisFlags(1, 1, 0);
    mesh.faces[1].setVerts(0, 2, 3);
    mesh.faces[1].setEdgeVisFlags(0, 1, 1);
    mesh.setFaceMtlIndex(1, 1);
    child->SetObjectRef(tri);

    std::ostringstream out;
    PrintHostScene(scene, out);
    const std::string text = out.str();
    EXPECT_NE(text.find("nodes: 2\n"), std::string::npos) << text;
    EXPECT_NE(text.find("  \"parent\"\n    position (0, 0, 0)"), std::string::npos) << text;
    EXPECT_NE(text.find("    no object\n"), std::string::npos) << text;
    EXPECT_NE(text.find("    \"quad\"\n      position (0, 0, 10)"), std::string::npos) << text;
    EXPECT_NE(text.find("mesh: 4 vertices, 2 faces, 5 edges (1 hidden), 0 texture vertices, 0 vertex colours, "
                        "material ids 0 1"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("materials: 1\n  \"Multi/Sub-Object\" multi-material, 2 slots\n    [1] \"red\" standard, "
                        "diffuse (1, 0, 0), opacity 1"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("diffuse map \"wall.png\", tiling 1 x 1"), std::string::npos) << text;
}

}  // namespace
