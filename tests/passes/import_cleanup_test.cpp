// Repeated corners, degenerate polygons and shared corner colours.
#include "passes/import_cleanup.h"

#include <cmath>
#include <limits>

#include "mesh_fixture.h"

namespace {

struct DegenerateCase {
    std::vector<int> points;
    std::vector<int> keptCorners;  // original corner indices that remain; empty = polygon removed
};

class RemoveDegeneratePolygonsTest : public ::testing::TestWithParam<DegenerateCase> {};

TEST_P(RemoveDegeneratePolygonsTest, KeepsTheLastOfEachRunAndDropsSmallPolygons) {
    const DegenerateCase& c = GetParam();
    const int n = static_cast<int>(c.points.size());
    Scene scene;
    SceneObject& object = newObject(scene, "");
    addPoints(object, 4);
    for (int j = 0; j < n; ++j) object.addUv();
    // A triangle before and after the tested polygon shows that its neighbours are untouched.
    int before = object.addPolygon(3);
    int f = object.addPolygon(n);
    for (int j = 0; j < n; ++j) {
        object.polygons[f].cornerPoints[j] = c.points[j];
        object.polygons[f].cornerUvs[j] = j;
        object.polygons[f].cornerColorValues[j].set(static_cast<float>(j), 0, 0, 1);
    }
    int after = object.addPolygon(3);
    for (int j = 0; j < 3; ++j) object.polygons[after].cornerPoints[j] = j;
    for (int j = 0; j < 3; ++j) object.polygons[before].cornerPoints[j] = 3 - j;

    ASSERT_TRUE(removeDegeneratePolygons(scene));
    EXPECT_EQ(object.pointCount, 4);
    EXPECT_EQ(cornerPoints(object.polygons[0]), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(cornerPoints(object.polygons[object.polygonCount - 1]), (std::vector<int>{0, 1, 2}));
    if (c.keptCorners.empty()) {
        EXPECT_EQ(object.polygonCount, 2);
        return;
    }
    ASSERT_EQ(object.polygonCount, 3);
    const MeshPolygon& kept = object.polygons[1];
    ASSERT_EQ(kept.cornerCount, static_cast<int>(c.keptCorners.size()));
    for (int k = 0; k < kept.cornerCount; ++k) {
        int from = c.keptCorners[k];
        EXPECT_EQ(kept.cornerPoints[k], c.points[from]);
        EXPECT_EQ(kept.cornerUvs[k], from);
        EXPECT_EQ(kept.cornerColorValues[k].r, static_cast<float>(from));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Polygons, RemoveDegeneratePolygonsTest,
    ::testing::Values(DegenerateCase{{0, 0, 1, 2}, {1, 2, 3}}, DegenerateCase{{0, 1, 2}, {0, 1, 2}},
                      DegenerateCase{{0, 1, 2, 3}, {0, 1, 2, 3}}, DegenerateCase{{0, 1, 2, 0}, {0, 1, 2}},
                      DegenerateCase{{0, 1, 1, 2, 2, 0}, {0, 2, 4}}, DegenerateCase{{0, 1, 0}, {}},
                      DegenerateCase{{0, 1, 1}, {}}, DegenerateCase{{0, 0}, {}}, DegenerateCase{{0, 0, 0}, {}},
                      DegenerateCase{{2}, {}}, DegenerateCase{{0, 1}, {}}));

// Two triangles (0, 1, 2) and (0, 2, 3) on four points.
class CornerColorTest : public ::testing::Test {
protected:
    void SetUp() override {
        SceneObject& o = object();
        addPoints(o, 4);
        MeshBuilder mesh(o);
        mesh.polygon({0, 1, 2});
        mesh.polygon({0, 2, 3});
    }
    SceneObject& object() {
        if (scene.objectCount == 0) scene.addObject("");
        return scene.objects[0];
    }
    void setCornerColor(int polygon, int corner, const Color4& color) {
        object().polygons[polygon].cornerColorValues[corner] = color;
    }
    int entryOf(int polygon, int corner) { return object().polygons[polygon].cornerColors[corner]; }
    Scene scene;
};

TEST_F(CornerColorTest, ExpandGivesEveryCornerItsOwnEntry) {
    SceneObject& o = object();
    int old = o.addColor();
    o.colors[old].color.set(9, 9, 9, 9);
    setCornerColor(1, 2, Color4(0.5f, 0.25f, 0.125f, 1));
    ASSERT_TRUE(expandCornerColors(scene));
    ASSERT_EQ(o.colorCount, 6);
    for (int f = 0; f < 2; ++f)
        for (int c = 0; c < 3; ++c) EXPECT_EQ(entryOf(f, c), 3 * f + c);
    EXPECT_EQ(o.colors[5].color.g, 0.25f);
    EXPECT_EQ(o.colors[0].color.r, 1.0f);
}

TEST_F(CornerColorTest, EqualColoursShareAnEntryPerPointOnly) {
    // Point 0 carries red on both triangles, point 2 red on one and red with another alpha on
    // the other; every other corner stays white.
    setCornerColor(0, 0, Color4(1, 0, 0, 1));
    setCornerColor(1, 0, Color4(1, 0, 0, 1));
    setCornerColor(0, 2, Color4(1, 0, 0, 1));
    setCornerColor(1, 1, Color4(1, 0, 0, 0.5f));
    expandCornerColors(scene);
    ASSERT_TRUE(mergeCornerColors(scene));
    EXPECT_EQ(entryOf(0, 0), entryOf(1, 0));  // point 0
    EXPECT_NE(entryOf(0, 2), entryOf(1, 1));  // point 2, alpha differs
    EXPECT_NE(entryOf(0, 0), entryOf(0, 2));  // same red, different points
    // Points 0, 1, 3 one entry each, point 2 two.
    EXPECT_EQ(object().colorCount, 5);
    const Color4& shared = object().colors[entryOf(1, 0)].color;
    EXPECT_EQ(shared.r, 1.0f);
    EXPECT_EQ(shared.g, 0.0f);
}

TEST_F(CornerColorTest, NegativeZeroEqualsZeroAndNanEqualsNothing) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    setCornerColor(0, 0, Color4(0, 0, 0, 1));
    setCornerColor(1, 0, Color4(-0.0f, 0, 0, 1));
    setCornerColor(0, 2, Color4(nan, 0, 0, 1));
    setCornerColor(1, 1, Color4(nan, 0, 0, 1));
    expandCornerColors(scene);
    mergeCornerColors(scene);
    EXPECT_EQ(entryOf(0, 0), entryOf(1, 0));
    EXPECT_NE(entryOf(0, 2), entryOf(1, 1));
    EXPECT_TRUE(std::isnan(object().colors[entryOf(1, 1)].color.r));
}

TEST_F(CornerColorTest, CornersWithoutAPointKeepTheirColour) {
    expandCornerColors(scene);
    object().polygons[1].cornerPoints[1] = -1;
    object().polygons[1].cornerPoints[2] = 40;
    mergeCornerColors(scene);
    EXPECT_NE(entryOf(1, 1), -1);
    EXPECT_NE(entryOf(1, 2), -1);
    EXPECT_NE(entryOf(1, 1), entryOf(1, 2));
    // Point 0's two corners share one entry, points 1 and 2 have one each, and the two corners
    // without a valid point keep their own.
    EXPECT_EQ(object().colorCount, 5);
}

TEST(CubeColorTest, OneEntryPerPointWhateverTheColours) {
    const int quads[6][4] = {{0, 1, 2, 3}, {4, 7, 6, 5}, {0, 4, 5, 1}, {1, 5, 6, 2}, {2, 6, 7, 3}, {3, 7, 4, 0}};
    for (bool white : {true, false}) {
        Scene scene;
        SceneObject& object = newObject(scene, "cube");
        addPoints(object, 8);
        MeshBuilder mesh(object);
        for (const auto& q : quads) {
            int f = mesh.polygon({q[0], q[1], q[2], q[3]});
            for (int c = 0; c < 4; ++c)
                if (!white) object.polygons[f].cornerColorValues[c].set(0.1f * q[c], 0.5f, 0.5f, 1);
        }
        expandCornerColors(scene);
        mergeCornerColors(scene);
        EXPECT_EQ(object.colorCount, 8) << (white ? "white" : "coloured");
        std::vector<int> entryOfPoint(8, -1);
        for (int f = 0; f < object.polygonCount; ++f) {
            for (int c = 0; c < 4; ++c) {
                int p = object.polygons[f].cornerPoints[c];
                if (entryOfPoint[p] == -1) entryOfPoint[p] = object.polygons[f].cornerColors[c];
                EXPECT_EQ(object.polygons[f].cornerColors[c], entryOfPoint[p]);
            }
        }
    }
}

TEST(MergeCornerColorsTest, ObjectWithoutPointsIsLeftAlone) {
    Scene scene;
    SceneObject& object = newObject(scene, "");
    object.addPolygon(3);
    int entry = object.addColor();
    object.colors[entry].color.set(1, 0, 0, 1);
    mergeCornerColors(scene);
    EXPECT_EQ(object.colorCount, 1);
}

}  // namespace
