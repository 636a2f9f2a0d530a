// Polygon reconstruction from triangles joined by hidden edges.
#include "passes/merge_triangles.h"

#include <random>

#include "mesh_fixture.h"

namespace {

class MergeTrianglesTest : public ::testing::Test {
protected:
    MergeTrianglesTest() : mesh(object) {}

    int hiddenEdges() const {
        int n = 0;
        for (int e = 0; e < object.edgeCount; ++e) n += (object.edges[e].flags & Hidden) ? 1 : 0;
        return n;
    }
    std::vector<std::vector<int>> polygonsByPosition() const {
        std::vector<std::vector<int>> out;
        for (int f = 0; f < object.polygonCount; ++f) out.push_back(cornerPositions(object, f));
        return out;
    }
    // Every corner's edge runs from its point to the next corner's point.
    void expectEdgesFollowCorners() const {
        for (int f = 0; f < object.polygonCount; ++f) {
            const MeshPolygon& p = object.polygons[f];
            for (int c = 0; c < p.cornerCount; ++c) {
                ASSERT_GE(p.cornerEdges[c], 0);
                const MeshEdge& e = object.edges[p.cornerEdges[c]];
                int a = p.cornerPoints[c], b = p.cornerPoints[(c + 1) % p.cornerCount];
                EXPECT_TRUE((e.pointA == a && e.pointB == b) || (e.pointA == b && e.pointB == a));
            }
        }
    }

    SceneObject object;
    MeshBuilder mesh;
};

TEST_F(MergeTrianglesTest, TwoTrianglesAcrossAHiddenSideBecomeAQuad) {
    addPoints(object, 4);
    int t0 = mesh.polygon({0, 1, 2});
    mesh.polygon({0, 2, 3});
    mesh.hide(2, 0);
    object.polygons[t0].material = 5;
    object.polygons[t0].color.set(0.1f, 0.2f, 0.3f, 1);
    ASSERT_TRUE(mergeTriangles(object));
    ASSERT_EQ(object.polygonCount, 1);
    EXPECT_EQ(cornerPositions(object, 0), (std::vector<int>{2, 3, 0, 1}));
    EXPECT_EQ(object.polygons[0].material, 5);
    EXPECT_EQ(object.polygons[0].color.g, 0.2f);
    EXPECT_EQ(object.pointCount, 4);
    EXPECT_EQ(object.edgeCount, 4);
    expectEdgesFollowCorners();
}

TEST_F(MergeTrianglesTest, VisibleSharedSideKeepsBothTriangles) {
    addPoints(object, 4);
    mesh.polygon({0, 1, 2});
    mesh.polygon({0, 2, 3});
    mergeTriangles(object);
    EXPECT_EQ(polygonsByPosition(), (std::vector<std::vector<int>>{{0, 1, 2}, {0, 2, 3}}));
    EXPECT_EQ(object.edgeCount, 5);
}

TEST_F(MergeTrianglesTest, HiddenBorderOrThreeWaySidesCountAsVisible) {
    addPoints(object, 5);
    mesh.polygon({0, 1, 2});
    mesh.polygon({0, 2, 3});
    mesh.polygon({2, 0, 4});  // third use of the side 0-2
    mesh.hide(0, 2);
    mesh.hide(0, 1);  // a border: one use only
    mergeTriangles(object);
    EXPECT_EQ(object.polygonCount, 3);
    EXPECT_EQ(object.pointCount, 5);
    EXPECT_EQ(object.edgeCount, 7);
    EXPECT_EQ(hiddenEdges(), 0);
}

TEST_F(MergeTrianglesTest, FanAroundAHiddenCentreBecomesOneQuad) {
    addPoints(object, 5);  // point 4 is the centre
    mesh.polygon({4, 0, 1});
    mesh.polygon({4, 1, 2});
    mesh.polygon({4, 2, 3});
    mesh.polygon({4, 3, 0});
    for (int i = 0; i < 4; ++i) mesh.hide(4, i);
    mergeTriangles(object);
    ASSERT_EQ(object.polygonCount, 1);
    EXPECT_EQ(cornerPositions(object, 0), (std::vector<int>{1, 2, 3, 0}));
    EXPECT_EQ(object.pointCount, 4);
    EXPECT_EQ(object.edgeCount, 4);
    expectEdgesFollowCorners();
}

TEST_F(MergeTrianglesTest, GridWithHiddenInsideBecomesItsOutline) {
    // A 3 x 3 grid of quads on 4 x 4 points, each quad split along a hidden diagonal and every
    // inner grid line hidden too: one polygon of the 12 border points; the 4 inner points go.
    addPoints(object, 16);
    auto at = [](int x, int y) { return 4 * y + x; };
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x) {
            mesh.polygon({at(x, y), at(x + 1, y), at(x + 1, y + 1)});
            mesh.polygon({at(x, y), at(x + 1, y + 1), at(x, y + 1)});
            mesh.hide(at(x, y), at(x + 1, y + 1));
        }
    }
    for (int i = 1; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            mesh.hide(at(i, j), at(i, j + 1));
            mesh.hide(at(j, i), at(j + 1, i));
        }
    }
    mergeTriangles(object);
    ASSERT_EQ(object.polygonCount, 1);
    EXPECT_EQ(object.polygons[0].cornerCount, 12);
    EXPECT_EQ(object.pointCount, 12);
    EXPECT_EQ(object.edgeCount, 12);
    expectEdgesFollowCorners();
}

TEST_F(MergeTrianglesTest, UntouchedPolygonsComeFirstThenMergedOnes) {
    addPoints(object, 11);
    mesh.polygon({0, 1, 2});
    mesh.polygon({5, 6, 7});
    mesh.polygon({0, 2, 3});
    mesh.polygon({5, 7, 4});
    mesh.polygon({8, 9, 10});
    mesh.hide(0, 2);
    mesh.hide(5, 7);
    mergeTriangles(object);
    EXPECT_EQ(polygonsByPosition(), (std::vector<std::vector<int>>{{8, 9, 10}, {2, 3, 0, 1}, {7, 4, 5, 6}}));
}

TEST_F(MergeTrianglesTest, RingAroundAHoleKeepsItsTriangles) {
    // Outer square 0..3, inner square 4..7; four trapezoids of two triangles each.
    addPoints(object, 8);
    const int trapezoids[4][4] = {{0, 1, 5, 4}, {1, 2, 6, 5}, {2, 3, 7, 6}, {3, 0, 4, 7}};
    for (const auto& q : trapezoids) {
        mesh.polygon({q[0], q[1], q[2]});
        mesh.polygon({q[0], q[2], q[3]});
        mesh.hide(q[0], q[2]);
    }
    // Hiding the diagonals alone gives four quads.
    SceneObject quads;
    quads.copyFrom(object);
    mergeTriangles(quads);
    EXPECT_EQ(quads.polygonCount, 4);
    for (int f = 0; f < 4; ++f) EXPECT_EQ(quads.polygons[f].cornerCount, 4);

    // Hiding the sides between the trapezoids too joins the whole ring, whose outline is two
    // loops: one polygon cannot hold it, so nothing is merged and no point is lost.
    for (const auto& q : trapezoids) mesh.hide(q[1], q[2]);
    const int edges = object.edgeCount;
    mergeTriangles(object);
    EXPECT_EQ(object.polygonCount, 8);
    EXPECT_EQ(object.pointCount, 8);
    EXPECT_EQ(object.edgeCount, edges);
    EXPECT_EQ(hiddenEdges(), 0);
}

TEST_F(MergeTrianglesTest, ClosedSurfaceWithEveryEdgeHiddenIsKept) {
    addPoints(object, 4);
    mesh.polygon({0, 1, 2});
    mesh.polygon({0, 3, 1});
    mesh.polygon({1, 3, 2});
    mesh.polygon({2, 3, 0});
    for (int e = 0; e < object.edgeCount; ++e) object.edges[e].flags |= Hidden;
    mergeTriangles(object);
    EXPECT_EQ(polygonsByPosition(),
              (std::vector<std::vector<int>>{{0, 1, 2}, {0, 3, 1}, {1, 3, 2}, {2, 3, 0}}));
    EXPECT_EQ(object.pointCount, 4);
}

TEST_F(MergeTrianglesTest, SideNamedTwiceByOnePolygonIsNotCrossed) {
    // Polygon (0, 1, 2, 1, 3) runs along the side 1-2 and back; it is hidden, and so is the side
    // 3-0 shared with the triangle (0, 3, 4).
    addPoints(object, 5);
    mesh.polygon({0, 1, 2, 1, 3});
    mesh.polygon({0, 3, 4});
    mesh.hide(1, 2);
    mesh.hide(3, 0);
    ASSERT_TRUE(mergeTriangles(object));
    ASSERT_EQ(object.polygonCount, 1);
    EXPECT_EQ(cornerPositions(object, 0), (std::vector<int>{3, 4, 0, 1, 2, 1}));
    EXPECT_EQ(object.pointCount, 5);
    EXPECT_EQ(hiddenEdges(), 0);
}

TEST_F(MergeTrianglesTest, CornersWithoutEdgeRecordsStayOnTheOutline) {
    addPoints(object, 4);
    mesh.polygon({0, 1, 2});
    int t1 = mesh.polygon({0, 2, 3});
    mesh.hide(2, 0);
    object.polygons[t1].cornerEdges[1] = -1;  // side 2-3
    object.polygons[t1].cornerEdges[2] = 99;  // side 3-0, names no edge
    mergeTriangles(object);
    ASSERT_EQ(object.polygonCount, 1);
    // Point 3 lies on no edge record any more but the merged polygon still uses it.
    EXPECT_EQ(cornerPositions(object, 0), (std::vector<int>{2, 3, 0, 1}));
    EXPECT_EQ(object.pointCount, 4);
}

TEST_F(MergeTrianglesTest, BrokenReferencesAreSurvived) {
    addPoints(object, 4);
    mesh.polygon({0, 1, 2});
    int t1 = mesh.polygon({0, 2, 3});
    mesh.hide(2, 0);
    object.polygons[t1].cornerPoints[2] = 77;
    object.polygons[t1].cornerEdges[1] = -12;
    int e = object.addEdge();
    object.edges[e].pointA = 50;
    object.edges[e].pointB = -3;
    object.edges[e].flags |= Hidden;
    object.addPolygon(0);
    ASSERT_TRUE(mergeTriangles(object));
    ASSERT_EQ(object.polygonCount, 1);
    EXPECT_EQ(object.polygons[0].cornerCount, 4);
}

TEST_F(MergeTrianglesTest, PointsOnNoEdgeGoUnlessTheObjectHasNoPoints) {
    addPoints(object, 3);
    mergeTriangles(object);
    EXPECT_EQ(object.pointCount, 0);

    SceneObject empty;
    MeshBuilder emptyMesh(empty);
    emptyMesh.polygon({0, 1, 2});
    emptyMesh.polygon({0, 2, 3});
    emptyMesh.hide(0, 2);
    mergeTriangles(empty);
    EXPECT_EQ(empty.polygonCount, 2);
    EXPECT_EQ(empty.edgeCount, 5);
    EXPECT_EQ(empty.edges[emptyMesh.edge(0, 2)].flags & Hidden, Hidden);
}

// Arbitrary corner and edge references, repeated sides and random hidden flags: the pass must end,
// stay inside the arrays (checked by the sanitizer build) and leave only valid references.
TEST(MergeTrianglesRobustnessTest, ArbitraryReferencesEndWithValidIndices) {
    std::mt19937 random(12345);
    for (int round = 0; round < 300; ++round) {
        SceneObject object;
        const int points = 1 + static_cast<int>(random() % 8);
        const int edges = static_cast<int>(random() % 12);
        addPoints(object, points);
        auto anyIndex = [&](int count) { return static_cast<int>(random() % (count + 4)) - 2; };
        for (int e = 0; e < edges; ++e) {
            int index = object.addEdge();
            object.edges[index].pointA = anyIndex(points);
            object.edges[index].pointB = anyIndex(points);
            if (random() % 3 != 0) object.edges[index].flags |= Hidden;
        }
        const int polygons = static_cast<int>(random() % 10);
        for (int f = 0; f < polygons; ++f) {
            int index = object.addPolygon(static_cast<int>(random() % 6));
            MeshPolygon& polygon = object.polygons[index];
            for (int c = 0; c < polygon.cornerCount; ++c) {
                polygon.cornerPoints[c] = anyIndex(points);
                polygon.cornerEdges[c] = anyIndex(edges);
            }
        }
        ASSERT_TRUE(mergeTriangles(object));
        for (int e = 0; e < object.edgeCount; ++e) {
            EXPECT_LT(object.edges[e].pointA, object.pointCount);
            EXPECT_LT(object.edges[e].pointB, object.pointCount);
            EXPECT_EQ(object.edges[e].flags & Hidden, 0u);
        }
        for (int f = 0; f < object.polygonCount; ++f) {
            const MeshPolygon& polygon = object.polygons[f];
            for (int c = 0; c < polygon.cornerCount; ++c) {
                EXPECT_GE(polygon.cornerPoints[c], -1);
                EXPECT_LT(polygon.cornerPoints[c], object.pointCount);
                EXPECT_GE(polygon.cornerEdges[c], -1);
                EXPECT_LT(polygon.cornerEdges[c], object.edgeCount);
            }
        }
    }
}

}  // namespace
