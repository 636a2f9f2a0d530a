#include <gtest/gtest.h>

#include "sdk/adj_edge_list.h"

namespace {

// Five vertices, three triangles: f0 (0,1,2) and f1 (0,2,3) form a quad across the diagonal 0-2;
// f2 (2,1,4) shares side 1-2 with f0. Edges in order of first appearance:
// 0:(0,1) 1:(1,2) 2:(2,0) 3:(2,3) 4:(3,0) 5:(1,4) 6:(4,2).
Mesh threeTriangles(DWORD sharedVisibleInF0, DWORD sharedVisibleInF2) {
    Mesh mesh;
    mesh.setNumVerts(5);
    mesh.setNumFaces(3);
    mesh.faces[0].setVerts(0, 1, 2);
    mesh.faces[0].setEdgeVisFlags(1, sharedVisibleInF0, 0);
    mesh.faces[1].setVerts(0, 2, 3);
    mesh.faces[1].setEdgeVisFlags(0, 1, 1);
    mesh.faces[2].setVerts(2, 1, 4);
    mesh.faces[2].setEdgeVisFlags(sharedVisibleInF2, 1, 1);
    return mesh;
}

TEST(AdjEdgeList, ListsEachSideOnceWithTheFacesOnEitherSide) {
    Mesh mesh = threeTriangles(1, 1);
    AdjEdgeList list(mesh);
    ASSERT_EQ(list.Count(), 7);
    const DWORD expected[7][4] = {
        {0, 1, 0, UNDEFINED}, {1, 2, 0, 2}, {2, 0, 0, 1}, {2, 3, 1, UNDEFINED},
        {3, 0, 1, UNDEFINED}, {1, 4, 2, UNDEFINED}, {4, 2, 2, UNDEFINED},
    };
    for (int e = 0; e < 7; ++e) {
        SCOPED_TRACE(e);
        EXPECT_EQ(list.edges[e].v[0], expected[e][0]);
        EXPECT_EQ(list.edges[e].v[1], expected[e][1]);
        EXPECT_EQ(list.edges[e].f[0], expected[e][2]);
        EXPECT_EQ(list.edges[e].f[1], expected[e][3]);
    }
}

TEST(AdjEdgeList, FindEdgeAnswersBothDirectionsAndMinusOneForNoEdge) {
    Mesh mesh = threeTriangles(1, 1);
    AdjEdgeList list(mesh);
    for (int e = 0; e < list.Count(); ++e) {
        EXPECT_EQ(list.FindEdge(list.edges[e].v[0], list.edges[e].v[1]), e);
        EXPECT_EQ(list.FindEdge(list.edges[e].v[1], list.edges[e].v[0]), e);
    }
    EXPECT_EQ(list.FindEdge(0, 4), -1);   // vertices of the mesh that no side joins
    EXPECT_EQ(list.FindEdge(3, 3), -1);   // a vertex with itself
    EXPECT_EQ(list.FindEdge(0, 99), -1);  // a vertex the mesh does not have
}

// The diagonal is hidden in both faces; the side 1-2 shared by f0 and f2 is visible when either
// face shows it.
TEST(AdjEdgeList, EdgeIsVisibleWhenEitherFaceShowsIt) {
    struct Case { DWORD inF0, inF2; int visible; };
    for (Case c : {Case{0, 0, 0}, Case{1, 0, 1}, Case{0, 1, 1}, Case{1, 1, 1}}) {
        SCOPED_TRACE(testing::Message() << "f0 " << c.inF0 << ", f2 " << c.inF2);
        Mesh mesh = threeTriangles(c.inF0, c.inF2);
        AdjEdgeList list(mesh);
        EXPECT_EQ(list.edges[list.FindEdge(2, 1)].Visible(mesh.faces), c.visible);
        EXPECT_EQ(list.edges[list.FindEdge(0, 2)].Visible(mesh.faces), 0);
        EXPECT_NE(list.edges[list.FindEdge(3, 0)].Visible(mesh.faces), 0);  // border edge
    }
}

TEST(AdjEdgeList, SkipsDegenerateSidesAndFacesWithMissingVertices) {
    Mesh mesh;
    mesh.setNumVerts(3);
    mesh.setNumFaces(3);
    mesh.faces[0].setVerts(0, 1, 2);
    mesh.faces[1].setVerts(0, 0, 1);   // degenerate: only its side 0-1 is a real edge
    mesh.faces[2].setVerts(0, 1, 7);   // vertex 7 does not exist
    AdjEdgeList list(mesh);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.FindEdge(0, 0), -1);
    EXPECT_EQ(list.FindEdge(1, 7), -1);
    EXPECT_EQ(list.edges[list.FindEdge(0, 1)].f[1], 1u);
}

}  // namespace
