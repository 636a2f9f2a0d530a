// Building hand-made scenes into the stand-in host and inspecting the host scene.
#include <gtest/gtest.h>

#include <vector>

#include "host/mesh_builder.h"
#include "host_test_scenes.h"
#include "passes/hierarchy.h"

namespace {

struct Built {
    HostScene host;
    HostImport importer{host};
    int result = 0;

    void build(Scene& scene) { result = buildHostScene(scene, &importer, &host); }
    INode* node(const char* name) { return host.FindNode(name); }
    Mesh& mesh(const char* name) { return static_cast<TriObject*>(node(name)->GetObjectRef())->GetMesh(); }
};

// A model point in host axes: the inverse of the capture's change, (x, y, z) -> (x, -z, y).
Point3 modelToHost(const Vec3& v) { return {v.x, -v.z, v.y}; }

void expectNear(const Point3& actual, const Point3& expected, float tolerance = 1e-4f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

std::vector<int> visibility(const Face& face) { return {face.getEdgeVis(0), face.getEdgeVis(1), face.getEdgeVis(2)}; }
std::vector<DWORD> vertices(const Face& face) { return {face.v[0], face.v[1], face.v[2]}; }

TEST(BuildMesh, CubeOfSixQuadsGivesTwelveTrianglesWithHiddenDiagonals) {
    Scene scene;
    SceneObject& cube = addNamedObject(scene, "Cube");
    std::vector<Vec3> corners;
    for (int i = 0; i < 8; ++i) corners.emplace_back(float(i & 1), float((i >> 1) & 1), float((i >> 2) & 1));
    addPoints(cube, corners);
    const std::vector<std::vector<int>> sides = {{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4},
                                                 {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}};
    for (const auto& side : sides) addPolygon(cube, side);
    Built built;
    built.build(scene);
    EXPECT_EQ(built.result, 1);
    Mesh& mesh = built.mesh("Cube");
    ASSERT_EQ(mesh.getNumVerts(), 8);
    ASSERT_EQ(mesh.getNumFaces(), 12);
    for (size_t s = 0; s < sides.size(); ++s) {
        const auto& q = sides[s];
        const Face& first = mesh.faces[2 * s];
        const Face& second = mesh.faces[2 * s + 1];
        EXPECT_EQ(vertices(first), (std::vector<DWORD>{DWORD(q[0]), DWORD(q[1]), DWORD(q[2])}));
        EXPECT_EQ(vertices(second), (std::vector<DWORD>{DWORD(q[0]), DWORD(q[2]), DWORD(q[3])}));
        EXPECT_EQ(visibility(first), (std::vector<int>{1, 1, 0}));
        EXPECT_EQ(visibility(second), (std::vector<int>{0, 1, 1}));
    }
    for (int i = 0; i < 8; ++i) expectNear(mesh.verts[size_t(i)], modelToHost(corners[size_t(i)]));
    EXPECT_TRUE(mesh.normalsBuilt());
    EXPECT_FALSE(mesh.getBoundingBox().IsEmpty());
    EXPECT_EQ(mesh.edgeListInvalidations(), 1);
    EXPECT_EQ(mesh.getNumTVerts(), 0);  // no texture coordinates: no texture vertices or faces
    EXPECT_EQ(mesh.getNumTVFaces(), 0);
}

struct FanCase {
    int corners;
    std::vector<std::vector<DWORD>> triangles;
    std::vector<std::vector<int>> visible;
};

TEST(BuildMesh, PolygonsBecomeFansFromTheirFirstCorner) {
    const FanCase cases[] = {
        {3, {{0, 1, 2}}, {{1, 1, 1}}},
        {4, {{0, 1, 2}, {0, 2, 3}}, {{1, 1, 0}, {0, 1, 1}}},
        {5, {{0, 1, 2}, {0, 2, 3}, {0, 3, 4}}, {{1, 1, 0}, {0, 1, 0}, {0, 1, 1}}},
        {6, {{0, 1, 2}, {0, 2, 3}, {0, 3, 4}, {0, 4, 5}}, {{1, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 1}}},
    };
    for (const FanCase& fan : cases) {
        Scene scene;
        SceneObject& object = addNamedObject(scene, "Fan");
        std::vector<int> corners;
        for (int i = 0; i < fan.corners; ++i) {
            addPoints(object, {{float(i), float(i * i), 0}});
            corners.push_back(fan.corners - 1 - i);  // corner c names point n - 1 - c
        }
        addPolygon(object, corners);
        Built built;
        built.build(scene);
        Mesh& mesh = built.mesh("Fan");
        ASSERT_EQ(size_t(mesh.getNumFaces()), fan.triangles.size()) << fan.corners << " corners";
        for (size_t t = 0; t < fan.triangles.size(); ++t) {
            std::vector<DWORD> expected;
            for (DWORD corner : fan.triangles[t]) expected.push_back(DWORD(fan.corners - 1) - corner);
            EXPECT_EQ(vertices(mesh.faces[t]), expected) << fan.corners << " corners, triangle " << t;
            EXPECT_EQ(visibility(mesh.faces[t]), fan.visible[t]) << fan.corners << " corners, triangle " << t;
        }
    }
}

TEST(BuildMesh, ObjectsWithoutTrianglesGetNodesWithEmptyMeshes) {
    Scene scene;
    SceneObject& lines = addNamedObject(scene, "Lines");
    addPoints(lines, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}});
    addPolygon(lines, {0, 1});
    addPolygon(lines, {1, 2});
    addPolygon(lines, {2});
    scene.addObject("Nothing");
    Built built;
    built.build(scene);
    EXPECT_EQ(built.result, 1);
    for (const char* name : {"Lines", "Nothing"}) {
        ASSERT_NE(built.node(name), nullptr) << name;
        EXPECT_EQ(built.mesh(name).getNumVerts(), 0) << name;
        EXPECT_EQ(built.mesh(name).getNumFaces(), 0) << name;
    }
    EXPECT_EQ(built.importer.RedrawCount(), 2);
}

TEST(BuildMesh, TextureCoordinatesAndCornerColoursBecomeTextureAndColourFaces) {
    Scene scene;
    SceneObject& object = addNamedObject(scene, "Painted");
    addPoints(object, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});
    addUv(object, 0.0f, 0.25f);
    addUv(object, 1.0f, 0.5f);
    const int quad = addPolygon(object, {0, 1, 2, 3});
    const int tri = addPolygon(object, {0, 2, 3});
    MeshPolygon& q = object.polygons[quad];
    const int quadUvs[4] = {0, 1, -1, 1};
    for (int c = 0; c < 4; ++c) q.cornerUvs[c] = quadUvs[c];
    q.cornerColorValues[0] = Color4(1, 0, 0, 1);
    q.cornerColorValues[2] = Color4(0, 0, 1, 1);
    object.polygons[tri].cornerColorValues[0] = Color4(1, 0, 0, 1);  // same colour on point 0
    Built built;
    built.build(scene);
    Mesh& mesh = built.mesh("Painted");
    ASSERT_EQ(mesh.getNumTVerts(), 2);
    expectNear(mesh.tVerts[0], {0.0f, 0.75f, 0.0f});
    expectNear(mesh.tVerts[1], {1.0f, 0.5f, 0.0f});
    ASSERT_EQ(mesh.getNumTVFaces(), 3);
    // Quad triangles (0, 1, 2) and (0, 2, 3); corner 2 has no texture coordinate and keeps the
    // host's initial index.
    EXPECT_EQ(mesh.tvFace[0].t[0], 0u);
    EXPECT_EQ(mesh.tvFace[0].t[1], 1u);
    EXPECT_EQ(mesh.tvFace[0].t[2], 0u);
    EXPECT_EQ(mesh.tvFace[1].t[2], 1u);
    ASSERT_EQ(mesh.getNumVCFaces(), 3);
    // Point 0 is red in both polygons: one shared colour entry.
    const DWORD red = mesh.vcFace[0].t[0];
    EXPECT_EQ(mesh.vcFace[1].t[0], red);
    EXPECT_EQ(mesh.vcFace[2].t[0], red);
    EXPECT_EQ(mesh.vertCol[red], VertColor(1, 0, 0));
    EXPECT_EQ(mesh.vertCol[mesh.vcFace[0].t[2]], VertColor(0, 0, 1));
    EXPECT_EQ(mesh.vertCol[mesh.vcFace[0].t[1]], VertColor(1, 1, 1));
}

TEST(BuildMesh, NodesTakeNamesAndLocalPlacementsAndChildrenHangUnderParents) {
    Scene scene;
    SceneObject& base = addNamedObject(scene, "Base");
    base.transform.localPosition.set(0, 10, 0);
    SceneObject& arm = addNamedObject(scene, "Arm");
    arm.transform.localPosition.set(1, 2, 3);
    arm.parent = 0;
    scene.addObject("");  // default name
    Built built;
    built.build(scene);
    ASSERT_EQ(built.result, 1);
    INode* baseNode = built.node("Base");
    INode* armNode = built.node("Arm");
    ASSERT_NE(baseNode, nullptr);
    ASSERT_NE(armNode, nullptr);
    EXPECT_NE(built.node("obj_02"), nullptr);
    EXPECT_EQ(scene.objects[0].hostNode, baseNode);
    EXPECT_EQ(scene.objects[1].hostNode, armNode);
    EXPECT_EQ(armNode->GetParentNode(), baseNode);
    EXPECT_EQ(baseNode->GetParentNode(), built.host.GetRootNode());
    expectNear(baseNode->GetNodeTM(0).GetTrans(), {0, 0, 10});
    // Placed in the world through its parent, then attached keeping that placement.
    expectNear(armNode->GetNodeTM(0).GetTrans(), {1, -3, 12});
    expectNear(armNode->GetLocalTM().GetTrans(), {1, -3, 2});
    EXPECT_EQ(baseNode->GetMtl(), nullptr);  // no materials, no multi-material
}

TEST(BuildMesh, RotatedAndScaledPlacementMapsPointsLikeTheModelDoes) {
    Scene scene;
    SceneObject& object = addNamedObject(scene, "Turned");
    object.rotationOrder = OrderZXY;
    object.transform.localRotation.set(0.3f, -1.2f, 0.8f);
    object.transform.localScale.set(1.0f, 2.0f, 0.5f);
    object.transform.localPosition.set(4, -1, 2);
    Scene reference;
    reference.copyFrom(scene);
    computeWorldTransforms(reference);
    const Mat4& modelMatrix = reference.objects[0].transform.localMatrix;
    Built built;
    built.build(scene);
    const Matrix3 tm = built.node("Turned")->GetNodeTM(0);
    for (const Vec3& p : {Vec3(1, 0, 0), Vec3(0, 1, 0), Vec3(0, 0, 1), Vec3(-2, 3, 5)})
        expectNear(modelToHost(p) * tm, modelToHost(transformPoint(p, modelMatrix)));
}

Scene& sceneWithMaterials(Scene& scene) {
    const int red = scene.addMaterial("red");
    scene.materials[red].color.set(1, 0, 0, 1);
    const int blue = scene.addMaterial("");
    scene.materials[blue].color.set(0, 0, 1, 0.5f);
    scene.materials[blue].textureSlots[0] = scene.addTexture("images/wall.png");
    return scene;
}

TEST(BuildMaterials, OneMultiMaterialOfStandardMaterialsInSceneOrder) {
    Scene scene;
    sceneWithMaterials(scene);
    SceneObject& object = addNamedObject(scene, "Box");
    addPoints(object, {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}});
    addPolygon(object, {0, 1, 2, 3}, 1);
    addPolygon(object, {0, 2, 3});  // material -1
    scene.addObject("Second");
    Built built;
    built.build(scene);
    Mtl* assigned = built.node("Box")->GetMtl();
    ASSERT_NE(assigned, nullptr);
    ASSERT_EQ(assigned->ClassID(), MULTI_CLASS_ID);
    EXPECT_EQ(built.node("Second")->GetMtl(), assigned);
    ASSERT_EQ(assigned->NumSubMtls(), 2);
    auto* red = static_cast<StdMat*>(assigned->GetSubMtl(0));
    auto* blue = static_cast<StdMat*>(assigned->GetSubMtl(1));
    ASSERT_EQ(red->ClassID(), DMTL_CLASS_ID);
    EXPECT_STREQ(red->GetName().data(), "red");
    EXPECT_STREQ(blue->GetName().data(), "mat_01");
    EXPECT_EQ(red->GetDiffuse(), Color(1, 0, 0));
    EXPECT_FLOAT_EQ(red->GetOpacity(), 1.0f);
    EXPECT_EQ(blue->GetDiffuse(), Color(0, 0, 1));
    EXPECT_FLOAT_EQ(blue->GetOpacity(), 0.5f);
    for (StdMat* m : {red, blue}) {
        EXPECT_EQ(m->GetAmbient(), Color(0.5f, 0.5f, 0.5f));
        EXPECT_EQ(m->GetSpecular(), Color(1, 1, 1));
        EXPECT_EQ(m->GetShading(), SHADE_PHONG);
        EXPECT_FLOAT_EQ(m->GetShininess(), 0.5f);
        EXPECT_FLOAT_EQ(m->GetShinStr(), 0.5f);
        EXPECT_FLOAT_EQ(m->GetSelfIllum(), 0.5f);
    }
    EXPECT_EQ(red->GetSubTexmap(ID_DI), nullptr);
    Texmap* map = blue->GetSubTexmap(ID_DI);
    ASSERT_NE(map, nullptr);
    ASSERT_EQ(map->ClassID(), BMTEX_CLASS_ID);
    auto* bitmap = static_cast<BitmapTex*>(map);
    EXPECT_STREQ(bitmap->GetMapName(), "images/wall.png");
    StdUVGen* uv = bitmap->GetUVGen();
    EXPECT_EQ(uv->GetUOffs(), 0.0f);
    EXPECT_EQ(uv->GetVOffs(), 0.0f);
    EXPECT_EQ(uv->GetUScl(), 1.0f);
    EXPECT_EQ(uv->GetVScl(), 1.0f);
    EXPECT_EQ(uv->GetAng(), 0.0f);
    EXPECT_EQ(uv->GetBlur(), 1.0f);
    EXPECT_EQ(uv->GetTextureTiling(), U_WRAP | V_WRAP);
    EXPECT_TRUE(bitmap->ShownInViewport());
    EXPECT_EQ(built.host.TextureActivationCount(), 1);

    Mesh& mesh = built.mesh("Box");
    ASSERT_EQ(mesh.getNumFaces(), 3);
    EXPECT_EQ(mesh.getFaceMtlIndex(0), 1);
    EXPECT_EQ(mesh.getFaceMtlIndex(1), 1);
    EXPECT_EQ(mesh.getFaceMtlIndex(2), 0);  // the host's default
}

}  // namespace
