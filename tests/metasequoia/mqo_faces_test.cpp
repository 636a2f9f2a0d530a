// Face lists: corner reversal, texture coordinates, corner colours, edges and malformed faces.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mqo_fixture.h"

namespace {

// Reads one object over the fixture's four points with the given face lines and materials.
const SceneObject& readFaces(Scene& scene, const std::string& faces, const std::string& materials = "") {
    EXPECT_TRUE(readText(mqoDocument(materials + mqoObject("o", "", faces)), scene));
    EXPECT_EQ(scene.objectCount, 1);
    return scene.objects[0];
}

std::vector<int> cornersOf(const MeshPolygon& polygon) {
    return std::vector<int>(polygon.cornerPoints, polygon.cornerPoints + polygon.cornerCount);
}

TEST(MqoFaces, TriangleCornersAndUvsAreReversed) {
    Scene scene;
    const SceneObject& object = readFaces(scene, "\t\t3 V(0 1 2) UV(0 0 1 0 1 1)\n");
    ASSERT_EQ(object.polygonCount, 1);
    const MeshPolygon& polygon = object.polygons[0];
    EXPECT_EQ(cornersOf(polygon), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(polygon.material, -1);
    ASSERT_EQ(object.uvCount, 3);
    const float expected[3][2] = {{1, 1}, {1, 0}, {0, 0}};
    for (int c = 0; c < 3; ++c) {
        const UvEntry& uv = object.uvs[polygon.cornerUvs[c]];
        EXPECT_EQ(uv.u, expected[c][0]) << c;
        EXPECT_EQ(uv.v, expected[c][1]) << c;
        EXPECT_EQ(polygon.cornerColorValues[c].r, 1.0f);  // no COL(): white
    }
}

TEST(MqoFaces, QuadColoursFollowTheReversedCorners) {
    // 0xFF0000FF: red in the lowest byte, alpha in the highest; 0x00FF0000: blue only.
    Scene scene;
    const SceneObject& object = readFaces(scene, "\t\t4 V(0 1 2 3) COL(4278190335 65280 16711680 0)\n");
    ASSERT_EQ(object.polygonCount, 1);
    const MeshPolygon& polygon = object.polygons[0];
    EXPECT_EQ(cornersOf(polygon), (std::vector<int>{3, 2, 1, 0}));
    EXPECT_EQ(polygon.cornerUvs[0], -1);
    EXPECT_EQ(object.uvCount, 0);
    const Color4& first = polygon.cornerColorValues[3];  // the colour written first
    EXPECT_EQ(first.r, 1.0f);
    EXPECT_EQ(first.g, 0.0f);
    EXPECT_EQ(first.b, 0.0f);
    EXPECT_EQ(first.a, 1.0f);
    EXPECT_EQ(polygon.cornerColorValues[2].g, 1.0f);
    EXPECT_EQ(polygon.cornerColorValues[1].b, 1.0f);
    EXPECT_EQ(polygon.cornerColorValues[1].a, 0.0f);
    EXPECT_EQ(polygon.cornerColorValues[0].a, 0.0f);
}

TEST(MqoFaces, CornerCountsOtherThanThreeAndFour) {
    Scene scene;
    const SceneObject& object =
        readFaces(scene, "\t\t5 V(0 1 2 3 0)\n\t\t2 V(3 1) M(0)\n\t\t1 V(0)\n\t\tno number\n\t\t\n\t\t3 V(0 1 2)\n");
    EXPECT_EQ(object.polygonCount, 1);
    ASSERT_EQ(object.edgeCount, 1);
    EXPECT_EQ(object.edges[0].pointA, 3);
    EXPECT_EQ(object.edges[0].pointB, 1);
}

TEST(MqoFaces, MissingNumbersReadAsZero) {
    Scene scene;
    // Triangle 1 2 0 (last index missing) reversed to 0 2 1; one UV pair given of three.
    const SceneObject& object = readFaces(scene, "\t\t3 V(1 2) UV(0.5 0.25) M()\n");
    ASSERT_EQ(object.polygonCount, 1);
    const MeshPolygon& polygon = object.polygons[0];
    EXPECT_EQ(cornersOf(polygon), (std::vector<int>{0, 2, 1}));
    EXPECT_EQ(polygon.material, -1);  // M() reads 0, and the document has no material 0
    const UvEntry& firstWritten = object.uvs[polygon.cornerUvs[2]];
    EXPECT_EQ(firstWritten.u, 0.5f);
    EXPECT_EQ(firstWritten.v, 0.25f);
    EXPECT_EQ(object.uvs[polygon.cornerUvs[0]].u, 0.0f);
    EXPECT_EQ(object.uvs[polygon.cornerUvs[1]].v, 0.0f);
}

TEST(MqoFaces, FacesNamingMissingPointsAreDropped) {
    Scene scene;
    const SceneObject& object = readFaces(scene,
                                          "\t\t3 V(0 1 4) UV(0 0 1 0 1 1)\n"
                                          "\t\t3 V(0 -1 2)\n"
                                          "\t\t4 V(0 1 2 99999999999999999999999)\n"
                                          "\t\t2 V(0 4)\n"
                                          "\t\t3 V(1 2 3)\n");
    EXPECT_EQ(object.edgeCount, 0);
    ASSERT_EQ(object.polygonCount, 1);
    EXPECT_EQ(cornersOf(object.polygons[0]), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(object.uvCount, 0);  // the dropped face added no texture coordinates
}

TEST(MqoFaces, FacesBeforeThePointListAreDropped) {
    Scene scene;
    ASSERT_TRUE(readText(mqoDocument("Object \"o\" {\n\tface 1 {\n\t\t3 V(0 1 2)\n\t}\n"
                                     "\tvertex 3 {\n\t\t0 0 0\n\t\t1 0 0\n\t\t0 1 0\n\t}\n}\n"),
                         scene));
    EXPECT_EQ(scene.objects[0].pointCount, 3);
    EXPECT_EQ(scene.objects[0].polygonCount, 0);
}

TEST(MqoFaces, MaterialIndicesMustNameAMaterialOfTheDocument) {
    Scene scene;
    const SceneObject& object =
        readFaces(scene, "\t\t3 V(0 1 2) M(1)\n\t\t3 V(0 1 2) M(2)\n\t\t3 V(0 1 2) M(-3)\n\t\t3 V(0 1 2) M(0)\n",
                  "Material 2 {\n\t\"a\"\n\t\"b\"\n}\n");
    ASSERT_EQ(object.polygonCount, 4);
    EXPECT_EQ(object.polygons[0].material, 1);
    EXPECT_EQ(object.polygons[1].material, -1);
    EXPECT_EQ(object.polygons[2].material, -1);
    EXPECT_EQ(object.polygons[3].material, 0);
}

TEST(MqoFaces, MaterialChunkAfterTheObjectsStillCounts) {
    Scene scene;
    ASSERT_TRUE(readText(mqoDocument(mqoObject("o", "", "\t\t3 V(0 1 2) M(1)\n") + "Material 2 {\n\t\"a\"\n\t\"b\"\n}\n"),
                         scene));
    EXPECT_EQ(scene.objects[0].polygons[0].material, 1);
}

TEST(MqoFaces, RepeatedCornersAreCleanedUp) {
    Scene scene;
    const SceneObject& object = readFaces(scene,
                                          "\t\t4 V(0 0 1 2) UV(0 0 0 0 1 0 1 1)\n"
                                          "\t\t3 V(0 1 1)\n"
                                          "\t\t3 V(2 2 2)\n");
    ASSERT_EQ(object.polygonCount, 1);
    const MeshPolygon& polygon = object.polygons[0];
    EXPECT_EQ(cornersOf(polygon), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(object.uvs[polygon.cornerUvs[0]].v, 1.0f);  // corner on point 2 keeps its UV (1, 1)
}

}  // namespace
