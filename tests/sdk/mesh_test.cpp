#include <gtest/gtest.h>

#include "sdk/mesh.h"

namespace {

TEST(Mesh, FaceKeepsEdgeVisibilityAndMaterialIdApart) {
    Face f;
    EXPECT_EQ(f.getMatID(), 0);
    for (int e = 0; e < 3; ++e) EXPECT_EQ(f.getEdgeVis(e), 1);  // a new face shows its edges
    f.setMatID(0xBEEF);
    f.setEdgeVisFlags(1, 0, 1);
    EXPECT_EQ(f.getMatID(), 0xBEEF);
    EXPECT_EQ(f.getEdgeVis(0), 1);
    EXPECT_EQ(f.getEdgeVis(1), 0);
    EXPECT_EQ(f.getEdgeVis(2), 1);
    f.setEdgeVisFlags(0, 0, 0);
    EXPECT_EQ(f.getMatID(), 0xBEEF);
}

TEST(Mesh, ResizingKeepsOrClearsEntriesAndKeepsFaceArraysParallel) {
    Mesh mesh;
    mesh.setNumVerts(2);
    mesh.verts[1] = Point3(1, 2, 3);
    mesh.setNumVerts(3, TRUE);
    EXPECT_EQ(mesh.verts[1], Point3(1, 2, 3));
    mesh.setNumVerts(3, FALSE);
    EXPECT_EQ(mesh.verts[1], Point3());

    mesh.setNumFaces(2);
    mesh.setNumTVFaces(2);
    mesh.setNumVCFaces(2);
    mesh.setFaceMtlIndex(1, 4);
    EXPECT_EQ(mesh.getFaceMtlIndex(1), 4);
    EXPECT_EQ(mesh.getFaceMtlIndex(9), 0);  // out of range
    mesh.setNumFaces(5, TRUE);
    EXPECT_EQ(mesh.getNumTVFaces(), 5);
    EXPECT_EQ(mesh.getNumVCFaces(), 5);
    EXPECT_EQ(mesh.getFaceMtlIndex(1), 4);
    EXPECT_FALSE(mesh.setNumTVerts(-1));
}

TEST(Mesh, NormalsAndBoundingBoxFollowTheVertices) {
    Mesh mesh;
    mesh.setNumVerts(4);
    mesh.verts[0] = Point3(0, 0, 0);
    mesh.verts[1] = Point3(2, 0, 0);
    mesh.verts[2] = Point3(0, 3, 0);
    mesh.verts[3] = Point3(-1, 0, 5);  // used by no face
    mesh.setNumFaces(2);
    mesh.faces[0].setVerts(0, 1, 2);
    mesh.faces[1].setVerts(0, 1, 9);  // names a missing vertex: ignored
    mesh.buildNormals();
    mesh.buildBoundingBox();
    EXPECT_EQ(mesh.getFaceNormal(0), Point3(0, 0, 1));
    EXPECT_EQ(mesh.getNormal(2), Point3(0, 0, 1));
    EXPECT_EQ(mesh.getNormal(3), Point3());
    EXPECT_EQ(mesh.getBoundingBox().pmin, Point3(-1, 0, 0));
    EXPECT_EQ(mesh.getBoundingBox().pmax, Point3(2, 3, 5));
    mesh.setNumVerts(4, TRUE);
    EXPECT_FALSE(mesh.normalsBuilt());
}

}  // namespace
