// Capturing host scenes built in code: the walk, meshes as polygons, materials, placements.
#include <gtest/gtest.h>

#include <cmath>

#include "host/capture.h"
#include "host_test_scenes.h"
#include "model/euler.h"

namespace {

void expectNear(const Vec3& actual, const Vec3& expected, float tolerance = 1e-4f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

TEST(CaptureWalk, NodesBecomeObjectsInDepthFirstOrderWithParentIndices) {
    HostScene host;
    INode* a = addQuadNode(host, "A");
    INode* b = addQuadNode(host, "B", a);
    addQuadNode(host, "C", b);
    addQuadNode(host, "D", a);
    addQuadNode(host, "E");
    DebugLines lines;
    Scene scene;
    ASSERT_TRUE(captureScene(scene, &host));
    ASSERT_EQ(scene.objectCount, 5);
    const char* names[] = {"A", "B", "C", "D", "E"};
    const int parents[] = {-1, 0, 1, 0, -1};
    for (int i = 0; i < 5; ++i) {
        EXPECT_STREQ(scene.objects[i].name, names[i]);
        EXPECT_EQ(scene.objects[i].parent, parents[i]) << names[i];
    }
    EXPECT_EQ(lines.text(), "[A]\n[B]\n[C]\n[D]\n[E]\n");
}

TEST(CaptureWalk, NodesWithoutMeshAreSkippedAndTheirChildrenBecomeRoots) {
    HostScene host;
    INode* helper = host.CreateNode("Helper");
    helper->SetObjectRef(new DummyObject());
    addQuadNode(host, "UnderHelper", helper);
    INode* empty = host.CreateNode("Empty");
    addQuadNode(host, "UnderEmpty", empty);
    Scene scene;
    captureScene(scene, &host);
    ASSERT_EQ(scene.objectCount, 2);
    EXPECT_STREQ(scene.objects[0].name, "UnderHelper");
    EXPECT_STREQ(scene.objects[1].name, "UnderEmpty");
    EXPECT_EQ(scene.objects[0].parent, -1);
    EXPECT_EQ(scene.objects[1].parent, -1);
}

TEST(CaptureWalk, GeneratedMeshIsCapturedAndItsTemporaryTriangleObjectReleased) {
    HostScene host;
    auto* generated = new GeneratedMeshObject();
    TriObject* source = makeCubeObject();
    generated->mesh = source->GetMesh();
    source->DeleteMe();
    host.CreateNode("Generated")->SetObjectRef(generated);
    const int liveBefore = TriObject::LiveCount();
    Scene scene;
    captureScene(scene, &host);
    EXPECT_EQ(TriObject::LiveCount(), liveBefore);
    ASSERT_EQ(scene.objectCount, 1);
    EXPECT_EQ(scene.objects[0].polygonCount, 6);
}

TEST(CaptureWalk, SelectionOnlyTakesSelectedNodesAndUnselectedParentsPassNoIndex) {
    HostScene host;
    INode* parent = addQuadNode(host, "Parent");
    INode* child = addQuadNode(host, "Child", parent);
    child->SetSelected(true);
    addQuadNode(host, "Other");

    Scene selected;
    selected.exportFlags = SelectedOnly;
    captureScene(selected, &host);
    ASSERT_EQ(selected.objectCount, 1);
    EXPECT_STREQ(selected.objects[0].name, "Child");
    EXPECT_EQ(selected.objects[0].parent, -1);

    Scene all;
    captureScene(all, &host);
    EXPECT_EQ(all.objectCount, 3);
    EXPECT_EQ(all.objects[1].parent, 0);
}

// Host positions of a polygon's corners, in corner order.
std::vector<Vec3> cornerPositions(const SceneObject& object, int polygon) {
    std::vector<Vec3> result;
    const MeshPolygon& p = object.polygons[polygon];
    for (int c = 0; c < p.cornerCount; ++c) result.push_back(object.points[p.cornerPoints[c]].position);
    return result;
}

TEST(CaptureMesh, QuadWithHiddenDiagonalArrivesAsOnePolygon) {
    HostScene host;
    addQuadNode(host, "Quad");
    Scene scene;
    captureScene(scene, &host);
    const SceneObject& quad = scene.objects[0];
    ASSERT_EQ(quad.polygonCount, 1);
    ASSERT_EQ(quad.polygons[0].cornerCount, 4);
    EXPECT_EQ(quad.pointCount, 4);
    ASSERT_EQ(quad.edgeCount, 4);  // the diagonal is gone
    for (int e = 0; e < quad.edgeCount; ++e) EXPECT_FALSE(quad.edges[e].flags & Hidden);
    // The corners go round the square in the triangles' winding: each follows its predecessor
    // in the order 0, 1, 2, 3 of the host vertices.
    const std::vector<Vec3> corners = cornerPositions(quad, 0);
    const Point3 square[4] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
    int start = -1;
    for (int i = 0; i < 4; ++i) {
        const Vec3 expected = hostToModel(square[i]);
        if (corners[0].x == expected.x && corners[0].y == expected.y && corners[0].z == expected.z) start = i;
    }
    ASSERT_NE(start, -1);
    for (int c = 0; c < 4; ++c) expectNear(corners[size_t(c)], hostToModel(square[(start + c) % 4]));
    for (int c = 0; c < 4; ++c) EXPECT_NE(quad.polygons[0].cornerEdges[c], -1);
}

TEST(CaptureMesh, CubeOfTwelveTrianglesBecomesSixQuads) {
    HostScene host;
    host.CreateNode("Cube")->SetObjectRef(makeCubeObject());
    Scene scene;
    captureScene(scene, &host);
    const SceneObject& cube = scene.objects[0];
    EXPECT_EQ(cube.pointCount, 8);
    EXPECT_EQ(cube.edgeCount, 12);
    ASSERT_EQ(cube.polygonCount, 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(cube.polygons[i].cornerCount, 4);
}

TEST(CaptureMesh, VisibleSharedEdgeKeepsTrianglesApartAndIsNotHidden) {
    HostScene host;
    host.CreateNode("Pair")->SetObjectRef(
        makeTriObject({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {{0, 1, 2}, {0, 2, 3}}));
    Scene scene;
    captureScene(scene, &host);
    EXPECT_EQ(scene.objects[0].polygonCount, 2);
    EXPECT_EQ(scene.objects[0].edgeCount, 5);
}

TEST(CaptureMesh, TextureCoordinatesAreFlippedInVAndColoursKeepOpaqueAlpha) {
    HostScene host;
    TriObject* triangle = makeTriObject({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 1, 2}});
    Mesh& mesh = triangle->GetMesh();
    mesh.setNumTVerts(3);
    mesh.setTVert(0, UVVert(0.25f, 0.1f, 0));
    mesh.setTVert(1, UVVert(0.5f, 0.5f, 0));
    mesh.setTVert(2, UVVert(1.0f, 0.0f, 0));
    mesh.setNumTVFaces(1);
    mesh.tvFace[0].setTVerts(2, 0, 1);
    mesh.setNumVertCol(2);
    mesh.vertCol[0] = VertColor(1, 0, 0);
    mesh.vertCol[1] = VertColor(0, 0.5f, 1);
    mesh.setNumVCFaces(1);
    mesh.vcFace[0].setTVerts(1, 1, 0);
    host.CreateNode("Painted")->SetObjectRef(triangle);
    Scene scene;
    captureScene(scene, &host);
    const SceneObject& object = scene.objects[0];
    ASSERT_EQ(object.uvCount, 3);
    EXPECT_FLOAT_EQ(object.uvs[0].u, 0.25f);
    EXPECT_FLOAT_EQ(object.uvs[0].v, 0.9f);
    EXPECT_FLOAT_EQ(object.uvs[2].v, 1.0f);
    ASSERT_EQ(object.colorCount, 2);
    EXPECT_FLOAT_EQ(object.colors[1].color.g, 0.5f);
    EXPECT_FLOAT_EQ(object.colors[1].color.b, 1.0f);
    EXPECT_FLOAT_EQ(object.colors[1].color.a, 1.0f);
    const MeshPolygon& p = object.polygons[0];
    // mergeTriangles may start the corners elsewhere; the host's per-corner pairs must hold.
    for (int c = 0; c < 3; ++c) {
        const int hostCorner = int(object.points[p.cornerPoints[c]].position.x) +
                               2 * int(-object.points[p.cornerPoints[c]].position.z);
        const int uvs[3] = {2, 0, 1}, colors[3] = {1, 1, 0};
        EXPECT_EQ(p.cornerUvs[c], uvs[hostCorner]);
        EXPECT_EQ(p.cornerColors[c], colors[hostCorner]);
    }
}

TEST(CaptureMesh, MeshWithoutTextureVerticesLeavesCornerUvsUnset) {
    HostScene host;
    addQuadNode(host, "Plain");
    Scene scene;
    captureScene(scene, &host);
    const SceneObject& object = scene.objects[0];
    EXPECT_EQ(object.uvCount, 0);
    EXPECT_EQ(object.colorCount, 0);
    for (int c = 0; c < object.polygons[0].cornerCount; ++c) {
        EXPECT_EQ(object.polygons[0].cornerUvs[c], -1);
        EXPECT_EQ(object.polygons[0].cornerColors[c], -1);
    }
}

StdMat* makeStandard(const char* name, Color diffuse, float opacity, const char* image = nullptr) {
    StdMat* m = NewDefaultStdMat();
    m->SetName(CStr(name));
    m->SetDiffuse(diffuse, 0);
    m->SetOpacity(opacity, 0);
    if (image) {
        BitmapTex* map = NewDefaultBitmapTex();
        map->SetMapName(image);
        m->SetSubTexmap(ID_DI, map);
    }
    return m;
}

TEST(CaptureMaterials, SharedByHostMaterialAndTexturesSharedByFileName) {
    HostScene host;
    StdMat* brick = makeStandard("brick", Color(1, 0, 0), 0.25f, "maps/brick.png");
    StdMat* wall = makeStandard("wall", Color(0, 1, 0), 1.0f, "maps/brick.png");
    StdMat* glass = makeStandard("glass", Color(0, 0, 1), 0.5f, "maps/glass.png");
    addQuadNode(host, "One")->SetMtl(brick);
    addQuadNode(host, "Two")->SetMtl(brick);
    addQuadNode(host, "Three")->SetMtl(wall);
    addQuadNode(host, "Four")->SetMtl(glass);
    Scene scene;
    captureScene(scene, &host);
    ASSERT_EQ(scene.materialCount, 3);
    ASSERT_EQ(scene.textureCount, 2);
    const int expected[4] = {0, 0, 1, 2};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(scene.objects[i].polygons[0].material, expected[i]);
    EXPECT_STREQ(scene.materials[0].name, "brick");
    EXPECT_EQ(scene.materials[0].hostMaterial, brick);
    EXPECT_FLOAT_EQ(scene.materials[0].color.r, 1.0f);
    EXPECT_FLOAT_EQ(scene.materials[0].color.a, 0.25f);  // 1 - transparency
    EXPECT_STREQ(scene.textures[0].name, "maps/brick.png");
    EXPECT_STREQ(scene.textures[1].name, "maps/glass.png");
    EXPECT_EQ(scene.materials[0].textureSlots[0], 0);
    EXPECT_EQ(scene.materials[1].textureSlots[0], 0);
    EXPECT_EQ(scene.materials[2].textureSlots[0], 1);
    EXPECT_FLOAT_EQ(scene.materials[0].smoothingAngle, Material().smoothingAngle);
}

TEST(CaptureMaterials, OtherMapsAndOtherMaterialClassesGiveNone) {
    HostScene host;
    StdMat* checker = makeStandard("checker", Color(1, 1, 1), 1.0f);
    checker->SetSubTexmap(ID_DI, new CustomTexmap(Class_ID(0x260, 0)));
    addQuadNode(host, "Checker")->SetMtl(checker);
    addQuadNode(host, "Custom")->SetMtl(new CustomMtl(Class_ID(0x1234, 0)));
    addQuadNode(host, "Bare");
    Scene scene;
    captureScene(scene, &host);
    ASSERT_EQ(scene.materialCount, 1);
    EXPECT_EQ(scene.materials[0].textureSlots[0], -1);
    EXPECT_EQ(scene.textureCount, 0);
    EXPECT_EQ(scene.objects[1].polygons[0].material, -1);
    EXPECT_EQ(scene.objects[2].polygons[0].material, -1);
}

TEST(CaptureMaterials, MultiMaterialGivesEachFaceTheSubMaterialOfItsId) {
    HostScene host;
    MultiMtl* multi = NewDefaultMultiMtl();
    multi->SetNumSubMtls(4);
    StdMat* red = makeStandard("red", Color(1, 0, 0), 1.0f);
    multi->SetSubMtl(0, red);
    multi->SetSubMtl(1, makeStandard("green", Color(0, 1, 0), 1.0f));
    // Slot 2 stays empty; id 9 is past the slots.
    // Separate triangles (no shared sides), so each face stays one polygon in face order.
    std::vector<Point3> vertices;
    std::vector<HostTriangle> triangles;
    const MtlID ids[5] = {1, 0, 2, 9, 1};
    for (DWORD i = 0; i < 5; ++i) {
        vertices.insert(vertices.end(), {{float(i), 0, 0}, {float(i) + 1, 0, 0}, {float(i), 1, 0}});
        triangles.push_back({3 * i, 3 * i + 1, 3 * i + 2, 1, 1, 1, ids[i]});
    }
    host.CreateNode("Multi")->SetObjectRef(makeTriObject(vertices, triangles));
    host.FindNode("Multi")->SetMtl(multi);
    INode* other = addQuadNode(host, "RedToo");
    other->SetMtl(red);
    Scene scene;
    captureScene(scene, &host);
    ASSERT_EQ(scene.materialCount, 2);
    EXPECT_STREQ(scene.materials[0].name, "green");  // first met on face 0
    EXPECT_STREQ(scene.materials[1].name, "red");
    const SceneObject& object = scene.objects[0];
    ASSERT_EQ(object.polygonCount, 5);
    const int expected[5] = {0, 1, -1, -1, 0};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(object.polygons[i].material, expected[i]) << "face " << i;
    EXPECT_EQ(scene.objects[1].polygons[0].material, 1);  // shared with the multi's sub-material
}

TEST(CaptureTransform, RootAtHeightTenAndItsPointsAreTurnedIntoModelAxes) {
    HostScene host;
    INode* root = host.CreateNode("Raised");
    root->SetObjectRef(makeTriObject({{1, 2, 3}, {0, 0, 0}, {1, 0, 0}}, {{0, 1, 2}}));
    root->SetNodeTM(0, translation(0, 0, 10));
    Scene scene;
    captureScene(scene, &host);
    const SceneObject& object = scene.objects[0];
    expectNear(object.transform.localPosition, {0, 10, 0});
    expectNear(object.transform.localRotation, {0, 0, 0});
    expectNear(object.transform.localScale, {1, 1, 1});
    EXPECT_EQ(object.rotationOrder, OrderXZY);
    expectNear(object.points[0].position, {1, 3, -2});
    EXPECT_NEAR(object.transform.worldMatrix.m[3][1], 10.0f, 1e-5f);
}

TEST(CaptureTransform, NodeUnderAnUncapturedParentKeepsItsWorldPlacementAsRoot) {
    HostScene host;
    INode* helper = host.CreateNode("Helper");
    helper->SetObjectRef(new DummyObject());
    INode* unselected = addQuadNode(host, "Unselected");
    helper->SetNodeTM(0, translation(0, 0, 5));
    unselected->SetNodeTM(0, translation(0, 7, 0));
    INode* grouped = addQuadNode(host, "Grouped", helper);
    INode* picked = addQuadNode(host, "Picked", unselected);
    grouped->SetNodeTM(0, translation(1, 0, 0) * helper->GetNodeTM(0));
    picked->SetNodeTM(0, translation(2, 0, 0) * unselected->GetNodeTM(0));
    picked->SetSelected(true);

    Scene all;
    captureScene(all, &host);
    ASSERT_EQ(all.objectCount, 3);  // Grouped, Unselected, Picked
    EXPECT_EQ(all.objects[0].parent, -1);
    expectNear(all.objects[0].transform.localPosition, {1, 5, 0});  // host (1, 0, 5)
    EXPECT_EQ(all.objects[2].parent, 1);
    expectNear(all.objects[2].transform.localPosition, {2, 0, 0});  // relative to its parent

    Scene selected;
    selected.exportFlags = SelectedOnly;
    captureScene(selected, &host);
    ASSERT_EQ(selected.objectCount, 1);
    expectNear(selected.objects[0].transform.localPosition, {2, 0, -7});  // host (2, 7, 0)
}

// Host point p transformed by tm, in model axes.
Vec3 placedInModel(const Point3& p, const Matrix3& tm) { return hostToModel(p * tm); }

TEST(CaptureTransform, LocalAndWorldMatricesPlacePointsWhereTheHostDoes) {
    HostScene host;
    INode* parent = addQuadNode(host, "Parent");
    INode* child = addQuadNode(host, "Child", parent);
    const Matrix3 parentWorld = rotationX(0.4f) * rotationZ(-1.1f) * translation(3, -2, 10);
    const Matrix3 childLocal = scaling(1, 2, 0.5f) * rotationZ(0.7f) * rotationX(-0.3f) * translation(1, 4, -2);
    parent->SetNodeTM(0, parentWorld);
    child->SetNodeTM(0, childLocal * parentWorld);
    Scene scene;
    captureScene(scene, &host);
    ASSERT_EQ(scene.objectCount, 2);
    const Transform& captured = scene.objects[1].transform;
    expectNear(captured.localScale, {1, 0.5f, 2});  // host z is the model's y
    for (const Point3& p : {Point3(1, 0, 0), Point3(0, 1, 0), Point3(0, 0, 1), Point3(2, -3, 5)}) {
        expectNear(transformPoint(hostToModel(p), captured.localMatrix), placedInModel(p, childLocal));
        expectNear(transformPoint(hostToModel(p), captured.worldMatrix), placedInModel(p, childLocal * parentWorld));
    }
}

}  // namespace
