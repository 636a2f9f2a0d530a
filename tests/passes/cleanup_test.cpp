// Winding reversal, default and unused materials, face edges and free edges.
#include "passes/cleanup.h"

#include <cstring>

#include "mesh_fixture.h"

namespace {

TEST(ReversePolygonsTest, ReversesEveryObjectAndNegatesSharedNormals) {
    Scene scene;
    for (int o = 0; o < 2; ++o) {
        SceneObject& object = newObject(scene, "");
        addPoints(object, 4);
        MeshBuilder(object).polygon({0, 1, 2, 3});
        object.resizeNormals(1);
        object.normalCount = 1;
        object.normals[0].normal.set(0, 0, 1);
    }
    ASSERT_TRUE(reversePolygons(scene));
    for (int o = 0; o < 2; ++o) {
        EXPECT_EQ(cornerPoints(scene.objects[o].polygons[0]), (std::vector<int>{3, 2, 1, 0}));
        expectVec(scene.objects[o].normals[0].normal, 0, 0, -1, 0);
    }
    reversePolygons(scene);
    EXPECT_EQ(cornerPoints(scene.objects[1].polygons[0]), (std::vector<int>{0, 1, 2, 3}));
    expectVec(scene.objects[1].normals[0].normal, 0, 0, 1, 0);
}

class MaterialTest : public ::testing::Test {
protected:
    // One object with one polygon per given material index.
    SceneObject& objectWithMaterials(std::initializer_list<int> materials) {
        SceneObject& object = newObject(scene, "");
        for (int m : materials) {
            int f = object.addPolygon(3);
            object.polygons[f].material = m;
        }
        return object;
    }
    std::vector<int> materialsOf(const SceneObject& object) {
        std::vector<int> out;
        for (int i = 0; i < object.polygonCount; ++i) out.push_back(object.polygons[i].material);
        return out;
    }
    Scene scene;
};

TEST_F(MaterialTest, DefaultMaterialIsAddedOnlyWhenNoneExists) {
    SceneObject& object = objectWithMaterials({-1, -1});
    ASSERT_TRUE(assignDefaultMaterial(scene));
    ASSERT_EQ(scene.materialCount, 1);
    EXPECT_STREQ(scene.materials[0].name, "NoMaterial");
    EXPECT_EQ(materialsOf(object), (std::vector<int>{0, 0}));
}

TEST_F(MaterialTest, ExistingMaterialsKeepTheirPolygons) {
    scene.addMaterial("a");
    scene.addMaterial("b");
    scene.addMaterial("c");
    // A stale index that names no material gets the default like a missing one.
    SceneObject& object = objectWithMaterials({-1, 2, 1, 7, -5});
    assignDefaultMaterial(scene);
    EXPECT_EQ(scene.materialCount, 3);
    EXPECT_EQ(materialsOf(object), (std::vector<int>{0, 2, 1, 0, 0}));
}

TEST_F(MaterialTest, UnusedMaterialsGoAndPolygonsAreRenumbered) {
    for (const char* name : {"m0", "m1", "m2", "m3"}) scene.addMaterial(name);
    SceneObject& first = objectWithMaterials({2, -1});
    SceneObject& second = objectWithMaterials({3, 2, 9});
    ASSERT_TRUE(removeUnusedMaterials(scene));
    ASSERT_EQ(scene.materialCount, 2);
    EXPECT_STREQ(scene.materials[0].name, "m2");
    EXPECT_STREQ(scene.materials[1].name, "m3");
    EXPECT_EQ(materialsOf(first), (std::vector<int>{0, -1}));
    // An index that named no material is cleared.
    EXPECT_EQ(materialsOf(second), (std::vector<int>{1, 0, -1}));
}

TEST_F(MaterialTest, NoPolygonsMeansNoMaterials) {
    scene.addMaterial("m0");
    removeUnusedMaterials(scene);
    EXPECT_EQ(scene.materialCount, 0);
}

TEST(EdgePassesTest, FaceEdgesGoAndFreeEdgesBecomeLines) {
    Scene scene;
    SceneObject& object = newObject(scene, "");
    addPoints(object, 5);
    MeshBuilder mesh(object);
    mesh.polygon({0, 1, 2});
    mesh.edge(3, 4);  // used by no polygon
    object.polygons[0].material = 0;
    ASSERT_TRUE(removeFaceEdges(scene));
    ASSERT_EQ(object.edgeCount, 1);
    EXPECT_EQ(object.edges[0].pointA, 3);
    EXPECT_EQ(object.edges[0].pointB, 4);
    EXPECT_EQ(object.polygons[0].cornerEdges[0], -1);

    ASSERT_TRUE(convertEdgesToLines(scene));
    EXPECT_EQ(object.edgeCount, 0);
    ASSERT_EQ(object.polygonCount, 2);
    EXPECT_EQ(cornerPoints(object.polygons[0]), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(cornerPoints(object.polygons[1]), (std::vector<int>{3, 4}));
    EXPECT_EQ(object.polygons[1].material, -1);
    EXPECT_EQ(object.pointCount, 5);
}

TEST(EdgePassesTest, ObjectWithoutPointsKeepsFaceEdges) {
    Scene scene;
    SceneObject& object = newObject(scene);
    MeshBuilder mesh(object);
    mesh.polygon({0, 1, 2});
    removeFaceEdges(scene);
    EXPECT_EQ(object.edgeCount, 3);
}

TEST(EdgePassesTest, EdgesWithoutValidEndPointsMakeNoLines) {
    Scene scene;
    SceneObject& object = newObject(scene);
    addPoints(object, 2);
    MeshBuilder mesh(object);
    mesh.edge(0, 1);
    mesh.edge(1, 5);
    mesh.edge(-1, 0);
    convertEdgesToLines(scene);
    EXPECT_EQ(object.edgeCount, 0);
    ASSERT_EQ(object.polygonCount, 1);
    EXPECT_EQ(cornerPoints(object.polygons[0]), (std::vector<int>{0, 1}));

    // Without points no edge can become a line.
    SceneObject& empty = newObject(scene);
    MeshBuilder(empty).polygon({0, 1, 2});
    convertEdgesToLines(scene);
    EXPECT_EQ(scene.objects[1].edgeCount, 0);
    EXPECT_EQ(scene.objects[1].polygonCount, 1);
}

TEST(EdgePassesTest, EdgeIndicesThatNameNoEdgeAreIgnored) {
    Scene scene;
    SceneObject& object = newObject(scene, "");
    addPoints(object, 3);
    MeshBuilder(object).polygon({0, 1, 2});
    object.polygons[0].cornerEdges[1] = 99;
    object.polygons[0].cornerEdges[2] = -7;
    removeFaceEdges(scene);
    // Only the edge the polygon really names goes.
    EXPECT_EQ(object.edgeCount, 2);
}

}  // namespace
