#include <gtest/gtest.h>

#include <vector>

#include "model/mesh_records.h"

namespace {

// A polygon whose corner k has point 10 + k, edge 20 + k, uv 30 + k, normal 40 + k, colour 50 + k,
// normal vector (k, 0, 1), colour value (k, 0, 0, 1) and auxiliary colour (0, k, 0, 1).
void fillCorners(MeshPolygon& p, int n) {
    p.setCornerCount(n);
    for (int k = 0; k < n; ++k) {
        p.cornerPoints[k] = 10 + k;
        p.cornerEdges[k] = 20 + k;
        p.cornerUvs[k] = 30 + k;
        p.cornerNormals[k] = 40 + k;
        p.cornerColors[k] = 50 + k;
        p.cornerNormalVectors[k].set(static_cast<float>(k), 0, 1);
        p.cornerColorValues[k].set(static_cast<float>(k), 0, 0, 1);
        p.cornerAuxColors[k].set(0, static_cast<float>(k), 0, 1);
    }
}

void expectDefaultCorner(const MeshPolygon& p, int k) {
    EXPECT_EQ(p.cornerPoints[k], -1);
    EXPECT_EQ(p.cornerEdges[k], -1);
    EXPECT_EQ(p.cornerUvs[k], -1);
    EXPECT_EQ(p.cornerNormals[k], -1);
    EXPECT_EQ(p.cornerColors[k], -1);
    EXPECT_EQ(p.cornerNormalVectors[k].z, 0.0f);
    EXPECT_EQ(p.cornerColorValues[k].r, 1.0f);
    EXPECT_EQ(p.cornerColorValues[k].a, 1.0f);
    EXPECT_EQ(p.cornerAuxColors[k].r, 0.0f);
    EXPECT_EQ(p.cornerAuxColors[k].a, 1.0f);
}

// Corner k of p holds the values fillCorners gave corner `source`.
void expectCornerFrom(const MeshPolygon& p, int k, int source) {
    EXPECT_EQ(p.cornerPoints[k], 10 + source);
    EXPECT_EQ(p.cornerUvs[k], 30 + source);
    EXPECT_EQ(p.cornerNormals[k], 40 + source);
    EXPECT_EQ(p.cornerColors[k], 50 + source);
    EXPECT_EQ(p.cornerColorValues[k].r, static_cast<float>(source));
    EXPECT_EQ(p.cornerAuxColors[k].g, static_cast<float>(source));
}

}  // namespace

TEST(PolygonCorners, SetCornerCountGivesDefaultsAndResetsTheFace) {
    MeshPolygon p;
    p.material = 3;
    p.flags = 0x10;
    p.color.set(0.5f, 0.5f, 0.5f, 0.5f);
    p.setCornerCount(3);
    EXPECT_EQ(p.cornerCount, 3);
    EXPECT_EQ(p.material, -1);
    EXPECT_EQ(p.flags, 0u);
    EXPECT_EQ(p.color.r, 1.0f);
    for (int k = 0; k < 3; ++k) expectDefaultCorner(p, k);

    p.setCornerCount(0);
    EXPECT_EQ(p.cornerCount, 0);
    EXPECT_EQ(p.cornerPoints, nullptr);
    EXPECT_EQ(p.cornerAuxColors, nullptr);
    p.setCornerCount(-4);  // a negative count leaves no corners rather than a negative count
    EXPECT_EQ(p.cornerCount, 0);
}

// Reversal for 1 to 5 corners: corners turn around, the closing edge stays last, every other edge
// again runs from new corner k to new corner k + 1, normals are negated.
TEST(PolygonCorners, ReverseOneToFiveCorners) {
    const std::vector<std::vector<int>> expectedEdges = {
        {20}, {20, 21}, {21, 20, 22}, {22, 21, 20, 23}, {23, 22, 21, 20, 24}};
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        MeshPolygon p;
        fillCorners(p, n);
        p.normal.set(0, 0, 2);
        p.reverse();
        for (int k = 0; k < n; ++k) {
            expectCornerFrom(p, k, n - 1 - k);
            EXPECT_EQ(p.cornerEdges[k], expectedEdges[n - 1][k]);
            EXPECT_EQ(p.cornerNormalVectors[k].x, -static_cast<float>(n - 1 - k));
            EXPECT_EQ(p.cornerNormalVectors[k].z, -1.0f);
        }
        EXPECT_EQ(p.normal.z, -2.0f);
    }
}

// After reversal the edge at index k must still join the points at corners k and k + 1.
TEST(PolygonCorners, ReversedEdgesJoinTheirCorners) {
    for (int n = 3; n <= 6; ++n) {
        MeshPolygon p;
        p.setCornerCount(n);
        for (int k = 0; k < n; ++k) {
            p.cornerPoints[k] = k;
            p.cornerEdges[k] = k;  // edge k joins points k and k + 1 (mod n)
        }
        p.reverse();
        for (int k = 0; k < n; ++k) {
            const int a = p.cornerPoints[k], b = p.cornerPoints[(k + 1) % n];
            const int e = p.cornerEdges[k];
            const bool joins = (e == a && (a + 1) % n == b) || (e == b && (b + 1) % n == a);
            EXPECT_TRUE(joins) << "n " << n << " corner " << k;
        }
    }
}

TEST(PolygonCorners, ResizeKeepsCornersAndFace) {
    MeshPolygon p;
    fillCorners(p, 3);
    p.material = 2;
    p.normal.set(1, 0, 0);
    ASSERT_TRUE(p.resizeCorners(5));
    EXPECT_EQ(p.cornerCount, 5);
    EXPECT_EQ(p.material, 2);
    EXPECT_EQ(p.normal.x, 1.0f);
    for (int k = 0; k < 3; ++k) {
        expectCornerFrom(p, k, k);
        EXPECT_EQ(p.cornerEdges[k], 20 + k);
    }
    expectDefaultCorner(p, 3);
    expectDefaultCorner(p, 4);

    ASSERT_TRUE(p.resizeCorners(2));
    EXPECT_EQ(p.cornerCount, 2);
    expectCornerFrom(p, 1, 1);
    ASSERT_TRUE(p.resizeCorners(0));
    EXPECT_EQ(p.cornerPoints, nullptr);
    EXPECT_EQ(p.material, 2);
    EXPECT_FALSE(p.resizeCorners(-1));
}

TEST(PolygonCorners, CopyCornerTakesEveryValueAndChecksBounds) {
    MeshPolygon source, target;
    fillCorners(source, 4);
    target.setCornerCount(2);
    EXPECT_TRUE(target.copyCorner(1, source, 3));
    expectCornerFrom(target, 1, 3);
    EXPECT_EQ(target.cornerEdges[1], 23);
    EXPECT_EQ(target.cornerNormalVectors[1].x, 3.0f);
    expectDefaultCorner(target, 0);
    EXPECT_FALSE(target.copyCorner(2, source, 0));
    EXPECT_FALSE(target.copyCorner(0, source, 4));
    EXPECT_FALSE(target.copyCorner(-1, source, 0));
}

TEST(PolygonCorners, CopyIsDeep) {
    MeshPolygon source;
    fillCorners(source, 4);
    source.userData = 7;
    source.flags = 0x10;
    source.remap = 2;
    source.material = 5;
    source.color.set(0.1f, 0.2f, 0.3f, 0.4f);
    source.normal.set(0, 1, 0);
    MeshPolygon copy;
    fillCorners(copy, 2);
    copy.copyFrom(source);
    EXPECT_EQ(copy.cornerCount, 4);
    EXPECT_NE(copy.cornerPoints, source.cornerPoints);
    for (int k = 0; k < 4; ++k) expectCornerFrom(copy, k, k);
    source.cornerPoints[0] = 99;
    EXPECT_EQ(copy.cornerPoints[0], 10);
    EXPECT_EQ(copy.userData, 7u);
    EXPECT_EQ(copy.flags, 0x10u);
    EXPECT_EQ(copy.remap, 2);
    EXPECT_EQ(copy.material, 5);
    EXPECT_EQ(copy.color.a, 0.4f);
    EXPECT_EQ(copy.normal.y, 1.0f);

    MeshPolygon empty;
    copy.copyFrom(empty);
    EXPECT_EQ(copy.cornerCount, 0);
    EXPECT_EQ(copy.cornerPoints, nullptr);
}
