// The array storage may keep more room than the exposed capacity; these cases check that what is
// visible still follows the model's rules after growing, compacting and regrowing.
#include <gtest/gtest.h>

#include "model/flags.h"
#include "model/scene.h"

TEST(ArrayStorage, ManyAddsKeepStepCapacityAndValues) {
    SceneObject o;
    const int n = 100000;
    for (int i = 0; i < n; ++i) {
        const int index = o.addPoint();
        ASSERT_EQ(index, i);
        o.points[index].position.x = static_cast<float>(i);
        const int polygon = o.addPolygon(3);
        o.polygons[polygon].cornerPoints[0] = i;
    }
    EXPECT_EQ(o.pointCount, n);
    EXPECT_EQ(o.pointCapacity, (n + 255) / 256 * 256);
    EXPECT_EQ(o.polygonCapacity, o.pointCapacity);
    for (int i = 0; i < n; i += 997) {
        EXPECT_EQ(o.points[i].position.x, static_cast<float>(i));
        EXPECT_EQ(o.polygons[i].cornerPoints[0], i);
        EXPECT_EQ(o.polygons[i].cornerCount, 3);
    }
    EXPECT_EQ(o.points[o.pointCapacity - 1].position.x, 0.0f);
    EXPECT_EQ(o.polygons[o.polygonCapacity - 1].cornerCount, 0);
}

// Entries freed by a compaction come back as default records when the array grows again.
TEST(ArrayStorage, RegrowthAfterCompactionGivesDefaultRecords) {
    SceneObject o;
    for (int i = 0; i < 300; ++i) {
        const int p = o.addPoint();
        o.points[p].position.x = static_cast<float>(i + 1);
        o.points[p].resizeWeights(1);
        o.points[p].weightCount = 1;
        const int q = o.addPolygon(4);
        o.polygons[q].material = i;
    }
    for (int i = 0; i < 20; ++i) {
        o.points[i].flags |= Deleted;
        o.polygons[i].flags |= Deleted;
    }
    ASSERT_TRUE(o.compact());
    ASSERT_EQ(o.pointCapacity, 280);
    EXPECT_EQ(o.points[0].position.x, 21.0f);
    EXPECT_EQ(o.points[279].position.x, 300.0f);
    EXPECT_EQ(o.points[279].weightCount, 1);
    EXPECT_EQ(o.polygons[0].material, 20);
    EXPECT_EQ(o.polygons[279].cornerCount, 4);

    const int p = o.addPoint();
    EXPECT_EQ(p, 280);
    EXPECT_EQ(o.pointCapacity, 536);
    for (int i = 280; i < o.pointCapacity; ++i) {
        EXPECT_EQ(o.points[i].position.x, 0.0f) << i;
        EXPECT_EQ(o.points[i].weightCount, 0) << i;
        EXPECT_EQ(o.points[i].remap, -1) << i;
    }
    const int q = o.addPolygon(0);
    EXPECT_EQ(o.polygons[q].material, -1);
    EXPECT_EQ(o.polygons[299].cornerCount, 0);
}

TEST(ArrayStorage, ShrinkingResizeDropsEntriesPastTheCount) {
    Scene s;
    for (int i = 0; i < 10; ++i) s.addMaterial("m");
    s.materials[12].color.r = 0.25f;  // beyond the count: not part of the array's content
    s.materialCount = 5;
    ASSERT_TRUE(s.resizeMaterials(8));
    EXPECT_EQ(s.materialCapacity, 8);
    for (int i = 5; i < 8; ++i) EXPECT_EQ(s.materials[i].name, nullptr) << i;
    ASSERT_TRUE(s.resizeMaterials(16));
    EXPECT_EQ(s.materials[12].color.r, 0.7f);
    EXPECT_STREQ(s.materials[4].name, "m");
}
