#include <gtest/gtest.h>

#include "model/flags.h"
#include "model/scene_object.h"

namespace {

// The new entry is looked up only after the add, which may move the array.
MeshPoint& newPoint(SceneObject& o) {
    const int i = o.addPoint();
    return o.points[i];
}
MeshEdge& newEdge(SceneObject& o) {
    const int i = o.addEdge();
    return o.edges[i];
}
MeshPolygon& newPolygon(SceneObject& o, int corners) {
    const int i = o.addPolygon(corners);
    return o.polygons[i];
}
UvEntry& newUv(SceneObject& o) {
    const int i = o.addUv();
    return o.uvs[i];
}
ColorEntry& newColor(SceneObject& o) {
    const int i = o.addColor();
    return o.colors[i];
}

}  // namespace

TEST(SceneObjectRecord, Defaults) {
    SceneObject o;
    EXPECT_EQ(o.parent, -1);
    EXPECT_EQ(o.remap, -1);
    EXPECT_EQ(o.rotationOrder, OrderZXY);
    EXPECT_EQ(o.color.a, 1.0f);
    EXPECT_EQ(o.points, nullptr);
    EXPECT_EQ(o.polygons, nullptr);
    EXPECT_EQ(o.keys, nullptr);
    EXPECT_EQ(o.transform.localScale.x, 1.0f);
}

// Per-object arrays grow in steps of 256 entries, each new entry a default record.
TEST(SceneObjectRecord, GrowthStepsOf256) {
    SceneObject o;
    EXPECT_EQ(o.addPoint(), 0);
    EXPECT_EQ(o.pointCapacity, 256);
    o.points[0].position.set(1, 2, 3);
    for (int i = 1; i < 256; ++i) o.addPoint();
    EXPECT_EQ(o.pointCapacity, 256);
    EXPECT_EQ(o.addPoint(), 256);
    EXPECT_EQ(o.pointCapacity, 512);
    EXPECT_EQ(o.pointCount, 257);
    EXPECT_EQ(o.points[0].position.z, 3.0f);
    EXPECT_EQ(o.points[256].remap, -1);
    EXPECT_EQ(o.points[511].position.x, 0.0f);

    for (int i = 0; i < 300; ++i) o.addEdge();
    for (int i = 0; i < 3; ++i) o.addUv();
    for (int i = 0; i < 513; ++i) o.addColor();
    EXPECT_EQ(o.edgeCapacity, 512);
    EXPECT_EQ(o.uvCapacity, 256);
    EXPECT_EQ(o.colorCapacity, 768);
    EXPECT_EQ(o.colorCount, 513);

    const int p = o.addPolygon(3);
    EXPECT_EQ(p, 0);
    EXPECT_EQ(o.polygonCapacity, 256);
    EXPECT_EQ(o.polygons[0].cornerCount, 3);
    EXPECT_EQ(o.polygons[0].cornerPoints[2], -1);
    EXPECT_EQ(o.polygons[0].material, -1);
}

// Explicit resizes set the capacity exactly, never below the count; entries past the count are
// default records even when they held values before.
TEST(SceneObjectRecord, ResizeRules) {
    SceneObject o;
    ASSERT_TRUE(o.resizeNormals(10));
    EXPECT_EQ(o.normalCapacity, 10);
    o.normals[5].normal.set(1, 1, 1);  // written past the count and then dropped by the resize
    o.normalCount = 3;
    o.normals[2].normal.set(2, 2, 2);
    ASSERT_TRUE(o.resizeNormals(7));
    EXPECT_EQ(o.normalCapacity, 7);
    EXPECT_EQ(o.normals[2].normal.x, 2.0f);
    EXPECT_EQ(o.normals[5].normal.x, 0.0f);
    ASSERT_TRUE(o.resizeNormals(1));
    EXPECT_EQ(o.normalCapacity, 3);  // raised to the count
    o.normalCount = 0;
    ASSERT_TRUE(o.resizeNormals(0));
    EXPECT_EQ(o.normalCapacity, 0);
    EXPECT_EQ(o.normals, nullptr);
}

namespace {

// Five points; point 1 removed outright, point 3 replaced by point 0. Edges, normals, colours and
// uvs each with one removed entry; polygons referring to removed and surviving entries.
class CompactFixture : public testing::Test {
protected:
    SceneObject o;

    void SetUp() override {
        for (int i = 0; i < 5; ++i) newPoint(o).position.set(static_cast<float>(i), 0, 0);
        o.points[1].flags |= Deleted;
        o.points[3].flags |= Deleted;
        o.points[3].remap = 0;

        const int ends[4][2] = {{0, 1}, {2, 0}, {3, 4}, {4, 2}};
        for (const auto& e : ends) {
            MeshEdge& edge = newEdge(o);
            edge.pointA = e[0];
            edge.pointB = e[1];
        }
        o.edges[0].flags |= Deleted;  // no redirect: keeps its default remap of -1

        o.resizeNormals(3);
        o.normalCount = 3;
        o.normals[0].flags |= Deleted;
        o.normals[0].remap = 2;
        for (int i = 0; i < 3; ++i) o.addColor();
        o.colors[2].flags |= Deleted;
        for (int i = 0; i < 2; ++i) o.addUv();
        o.uvs[0].flags |= Deleted;

        MeshPolygon& a = newPolygon(o, 4);
        const int points[4] = {0, 1, 3, 4};
        for (int k = 0; k < 4; ++k) a.cornerPoints[k] = points[k];
        a.cornerEdges[0] = 0;
        a.cornerEdges[1] = 3;
        a.cornerNormals[0] = 0;
        a.cornerNormals[1] = 1;
        a.cornerColors[0] = 2;
        a.cornerColors[1] = 1;
        a.cornerUvs[0] = 0;
        a.cornerUvs[1] = 1;
        newPolygon(o, 3).flags |= Deleted;
        MeshPolygon& c = newPolygon(o, 3);
        c.cornerPoints[0] = 4;
        c.material = 6;
    }
};

}  // namespace

TEST_F(CompactFixture, RenumbersEveryReference) {
    ASSERT_TRUE(o.compact());
    EXPECT_EQ(o.pointCount, 3);
    EXPECT_EQ(o.pointCapacity, 3);
    EXPECT_EQ(o.points[0].position.x, 0.0f);
    EXPECT_EQ(o.points[1].position.x, 2.0f);
    EXPECT_EQ(o.points[2].position.x, 4.0f);

    // Edges: (2, 0) -> (1, 0); (3, 4) -> (0, 2) through the redirect; (4, 2) -> (2, 1).
    ASSERT_EQ(o.edgeCount, 3);
    EXPECT_EQ(o.edges[0].pointA, 1);
    EXPECT_EQ(o.edges[0].pointB, 0);
    EXPECT_EQ(o.edges[1].pointA, 0);
    EXPECT_EQ(o.edges[1].pointB, 2);
    EXPECT_EQ(o.edges[2].pointA, 2);
    EXPECT_EQ(o.edges[2].pointB, 1);

    ASSERT_EQ(o.polygonCount, 2);
    const MeshPolygon& a = o.polygons[0];
    EXPECT_EQ(a.cornerPoints[0], 0);
    EXPECT_EQ(a.cornerPoints[1], -1);  // removed point without replacement
    EXPECT_EQ(a.cornerPoints[2], 0);   // redirected to point 0
    EXPECT_EQ(a.cornerPoints[3], 2);
    EXPECT_EQ(a.cornerEdges[0], -1);
    EXPECT_EQ(a.cornerEdges[1], 2);
    EXPECT_EQ(a.cornerEdges[2], -1);  // untouched -1 stays
    EXPECT_EQ(a.cornerNormals[0], 1);  // normal 0 replaced by normal 2, now at index 1
    EXPECT_EQ(a.cornerNormals[1], 0);
    EXPECT_EQ(a.cornerColors[0], -1);
    EXPECT_EQ(a.cornerColors[1], 1);
    EXPECT_EQ(a.cornerUvs[0], -1);
    EXPECT_EQ(a.cornerUvs[1], 0);
    EXPECT_EQ(o.polygons[1].cornerPoints[0], 2);
    EXPECT_EQ(o.polygons[1].material, 6);  // materials are the scene's business

    EXPECT_EQ(o.normalCount, 2);
    EXPECT_EQ(o.normalCapacity, 2);
    EXPECT_EQ(o.colorCount, 2);
    EXPECT_EQ(o.colorCapacity, 2);
    EXPECT_EQ(o.uvCount, 1);
    EXPECT_EQ(o.uvCapacity, 1);
    EXPECT_EQ(o.polygonCapacity, 2);
}

// A removed entry may name another removed entry that comes later; the chain ends at the
// survivor, not at a stale index.
TEST(SceneObjectCompact, RedirectChainsEndAtTheSurvivor) {
    SceneObject o;
    for (int i = 0; i < 4; ++i) o.addPoint();
    o.points[0].flags |= Deleted;
    o.points[0].remap = 2;
    o.points[2].flags |= Deleted;
    o.points[2].remap = 3;
    o.points[1].flags |= Deleted;
    o.points[1].remap = 1;  // names itself: no replacement
    MeshPolygon& p = newPolygon(o, 3);
    p.cornerPoints[0] = 0;
    p.cornerPoints[1] = 1;
    p.cornerPoints[2] = 2;
    o.compact();
    ASSERT_EQ(o.pointCount, 1);
    EXPECT_EQ(o.polygons[0].cornerPoints[0], 0);
    EXPECT_EQ(o.polygons[0].cornerPoints[1], -1);
    EXPECT_EQ(o.polygons[0].cornerPoints[2], 0);
}

TEST(SceneObjectCompact, ReferencesOutsideTheArraysBecomeNone) {
    SceneObject o;
    o.addPoint();
    MeshEdge& e = newEdge(o);
    e.pointA = 7;
    e.pointB = -3;
    MeshPolygon& p = newPolygon(o, 2);
    p.cornerPoints[0] = 12;
    p.cornerUvs[1] = 0;  // no uvs at all
    o.compact();
    EXPECT_EQ(o.edges[0].pointA, -1);
    EXPECT_EQ(o.edges[0].pointB, -1);
    EXPECT_EQ(o.polygons[0].cornerPoints[0], -1);
    EXPECT_EQ(o.polygons[0].cornerUvs[1], -1);
}

TEST(SceneObjectCompact, NothingDeletedShrinksToCountAndKeepsKeys) {
    SceneObject o;
    for (int i = 0; i < 3; ++i) o.addPoint();
    o.resizeKeys(4);
    o.keyCount = 2;
    o.keys[1].frame = 9;
    ASSERT_TRUE(o.compact());
    EXPECT_EQ(o.pointCount, 3);
    EXPECT_EQ(o.pointCapacity, 3);
    EXPECT_EQ(o.points[2].remap, 2);
    EXPECT_EQ(o.keyCapacity, 4);  // keys are never compacted
    EXPECT_EQ(o.keys[1].frame, 9);
    EXPECT_EQ(o.edgeCapacity, 0);
    EXPECT_EQ(o.edges, nullptr);
}

TEST(PointWeights, CompactRemovesRedirectsAndReleases) {
    MeshPoint p;
    ASSERT_TRUE(p.resizeWeights(4));
    p.weightCount = 4;
    for (int i = 0; i < 4; ++i) {
        p.weights[i].object = 10 + i;
        p.weights[i].weight = 0.1f * static_cast<float>(i);
    }
    p.weights[1].flags |= Deleted;
    ASSERT_TRUE(p.compactWeights());
    ASSERT_EQ(p.weightCount, 3);
    EXPECT_EQ(p.weightCapacity, 3);
    EXPECT_EQ(p.weights[0].object, 10);
    EXPECT_EQ(p.weights[1].object, 12);
    EXPECT_EQ(p.weights[2].object, 13);
    EXPECT_EQ(p.weights[1].remap, 1);

    for (int i = 0; i < 3; ++i) p.weights[i].flags |= Deleted;
    ASSERT_TRUE(p.compactWeights());
    EXPECT_EQ(p.weightCount, 0);
    EXPECT_EQ(p.weightCapacity, 0);
    EXPECT_EQ(p.weights, nullptr);
}

// copyFrom is deep in every array, copies the capacities, and leaves reserved0 at 0.
TEST(SceneObjectCopy, DeepCopyOfEveryArray) {
    SceneObject source;
    source.reserved0 = 5;
    source.reserved1 = 6;
    source.reserved3 = 8;
    source.parent = 2;
    source.flags = Deleted;
    source.remap = 4;
    source.hostNode = &source;
    source.setName("Box");
    source.rotationOrder = OrderYZX;
    source.scalePivotOffset.set(1, 2, 3);
    source.reservedVecB.set(4, 5, 6);
    source.color.set(0.2f, 0.3f, 0.4f, 1);
    source.transform.localPosition.set(7, 8, 9);
    source.auxTransform.frame = 3;
    MeshPoint& point = newPoint(source);
    point.position.set(1, 1, 1);
    point.auxVector.set(2, 2, 2);
    point.uv.set(0.5f, 0.25f);
    point.resizeWeights(2);
    point.weightCount = 1;
    point.weights[0].object = 3;
    newEdge(source).pointB = 0;
    MeshPolygon& poly = newPolygon(source, 3);
    poly.cornerPoints[1] = 0;
    newUv(source).set(0.1f, 0.2f);
    newColor(source).color.set(1, 0, 0, 1);
    source.resizeNormals(5);
    source.normalCount = 1;
    source.normals[0].normal.set(0, 0, 1);
    source.resizeKeys(2);
    source.keyCount = 2;
    source.keys[1].frame = 15;
    source.keys[1].channels = ChannelRotationY;

    SceneObject copy;
    copy.reserved0 = 1;
    for (int i = 0; i < 3; ++i) copy.addPoint();
    copy.copyFrom(source);

    EXPECT_EQ(copy.reserved0, 0);
    EXPECT_EQ(copy.reserved1, 6);
    EXPECT_EQ(copy.reserved3, 8);
    EXPECT_EQ(copy.parent, 2);
    EXPECT_EQ(copy.flags, Deleted);
    EXPECT_EQ(copy.remap, 4);
    EXPECT_EQ(copy.hostNode, &source);
    EXPECT_STREQ(copy.name, "Box");
    EXPECT_NE(copy.name, source.name);
    EXPECT_EQ(copy.rotationOrder, OrderYZX);
    EXPECT_EQ(copy.scalePivotOffset.z, 3.0f);
    EXPECT_EQ(copy.reservedVecB.x, 4.0f);
    EXPECT_EQ(copy.color.g, 0.3f);
    EXPECT_EQ(copy.transform.localPosition.y, 8.0f);
    EXPECT_EQ(copy.auxTransform.frame, 3);

    EXPECT_EQ(copy.pointCount, 1);
    EXPECT_EQ(copy.pointCapacity, 256);
    EXPECT_EQ(copy.points[0].auxVector.y, 2.0f);
    EXPECT_EQ(copy.points[0].uv.v, 0.25f);
    EXPECT_EQ(copy.points[0].weightCapacity, 2);
    EXPECT_EQ(copy.points[0].weights[0].object, 3);
    EXPECT_NE(copy.points[0].weights, point.weights);
    EXPECT_EQ(copy.points[1].position.x, 0.0f);  // the destination's old points are gone
    EXPECT_EQ(copy.edges[0].pointB, 0);
    EXPECT_EQ(copy.polygons[0].cornerPoints[1], 0);
    EXPECT_NE(copy.polygons[0].cornerPoints, poly.cornerPoints);
    EXPECT_EQ(copy.uvs[0].v, 0.2f);
    EXPECT_EQ(copy.colors[0].color.r, 1.0f);
    EXPECT_EQ(copy.normalCapacity, 5);
    EXPECT_EQ(copy.normals[0].normal.z, 1.0f);
    EXPECT_EQ(copy.keyCount, 2);
    EXPECT_EQ(copy.keys[1].frame, 15);
    EXPECT_EQ(copy.keys[1].channels, ChannelRotationY);

    // Changing the source afterwards leaves the copy alone.
    poly.cornerPoints[1] = 7;
    point.weights[0].object = 9;
    source.keys[1].frame = 99;
    EXPECT_EQ(copy.polygons[0].cornerPoints[1], 0);
    EXPECT_EQ(copy.points[0].weights[0].object, 3);
    EXPECT_EQ(copy.keys[1].frame, 15);
}

TEST(SceneObjectCopy, ResetReleasesEverything) {
    SceneObject o;
    o.setName("x");
    o.addPoint();
    o.addPolygon(4);
    o.reserved0 = 3;
    o.rotationOrder = OrderXYZ;
    o.reset();
    EXPECT_EQ(o.name, nullptr);
    EXPECT_EQ(o.points, nullptr);
    EXPECT_EQ(o.pointCapacity, 0);
    EXPECT_EQ(o.polygonCount, 0);
    EXPECT_EQ(o.reserved0, 0);
    EXPECT_EQ(o.rotationOrder, OrderZXY);
}
