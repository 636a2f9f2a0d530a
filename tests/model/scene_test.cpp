#include <gtest/gtest.h>

#include <string>

#include "model/scene.h"

namespace {

int addPolygonWithMaterial(SceneObject& o, int material) {
    const int i = o.addPolygon(3);
    o.polygons[i].material = material;
    return i;
}

void addWeight(MeshPoint& p, int object, float weight) {
    if (p.weightCount >= p.weightCapacity) {
        ASSERT_TRUE(p.resizeWeights(p.weightCapacity + 4));
    }
    p.weights[p.weightCount].object = object;
    p.weights[p.weightCount].weight = weight;
    ++p.weightCount;
}

}  // namespace

TEST(SceneContainer, DefaultsAndReset) {
    Scene s;
    EXPECT_EQ(s.lastFrame, 60);
    EXPECT_EQ(s.framesPerSecond, 30.0f);
    EXPECT_EQ(s.axisX, 0);
    EXPECT_EQ(s.axisY, 2);
    EXPECT_EQ(s.axisZ, 5);
    EXPECT_EQ(s.handedness, 1);
    EXPECT_EQ(s.currentObject, -1);
    EXPECT_EQ(s.objectCapacity + s.materialCapacity + s.textureCapacity, 0);

    s.addObject("a");
    s.addTexture("t");
    s.setName("scene");
    s.lastFrame = 10;
    s.exportFlags = SelectedOnly;
    s.reset();
    EXPECT_EQ(s.objectCount, 0);
    EXPECT_EQ(s.objectCapacity, 0);
    EXPECT_EQ(s.objects, nullptr);
    EXPECT_EQ(s.textures, nullptr);
    EXPECT_EQ(s.name, nullptr);
    EXPECT_EQ(s.lastFrame, 60);
    EXPECT_EQ(s.exportFlags, 0u);
}

// Scene arrays grow by 16 entries; empty names are generated from the new index.
TEST(SceneContainer, GrowthStepsAndGeneratedNames) {
    Scene s;
    EXPECT_EQ(s.addObject("Box"), 0);
    EXPECT_EQ(s.objectCapacity, 16);
    EXPECT_STREQ(s.objects[0].name, "Box");
    s.objects[0].addPolygon(5);
    s.objects[0].polygons[0].cornerPoints[4] = 3;
    for (int i = 1; i < 16; ++i) s.addObject("");
    EXPECT_EQ(s.objectCapacity, 16);
    EXPECT_EQ(s.addObject(""), 16);
    EXPECT_EQ(s.objectCapacity, 32);
    EXPECT_STREQ(s.objects[0].name, "Box");
    EXPECT_STREQ(s.objects[5].name, "obj_05");
    EXPECT_STREQ(s.objects[16].name, "obj_16");
    EXPECT_EQ(s.objects[0].polygonCount, 1);  // the objects' meshes move with them
    EXPECT_EQ(s.objects[0].polygons[0].cornerPoints[4], 3);
    EXPECT_EQ(s.objects[16].polygonCount, 0);
    for (int i = 17; i < 124; ++i) s.addObject("");
    EXPECT_STREQ(s.objects[123].name, "obj_123");
    EXPECT_EQ(s.objectCapacity, 128);

    for (int i = 0; i < 3; ++i) s.addMaterial("m");
    EXPECT_EQ(s.addMaterial(""), 3);
    EXPECT_EQ(s.addMaterial(nullptr), 4);
    EXPECT_STREQ(s.materials[4].name, "mat_04");
    EXPECT_STREQ(s.materials[3].name, "mat_03");
    EXPECT_EQ(s.materialCapacity, 16);
    EXPECT_EQ(s.addTexture(""), 0);
    EXPECT_STREQ(s.textures[0].name, "tex_00");
    EXPECT_EQ(s.auxItemACount + s.auxItemBCount + s.auxItemCCount, 0);
    EXPECT_EQ(s.auxItemsA, nullptr);
}

TEST(SceneContainer, FindByExactName) {
    Scene s;
    EXPECT_EQ(s.findTexture("a.png"), -1);
    s.addTexture("b.png");
    s.addTexture("a.png");
    s.addTexture("a.png");
    EXPECT_EQ(s.findTexture("a.png"), 1);
    EXPECT_EQ(s.findTexture("A.png"), -1);
    EXPECT_EQ(s.findTexture("a.pn"), -1);
    s.addMaterial("Skin");
    s.addMaterial("skin");
    EXPECT_EQ(s.findMaterial("skin"), 1);
    EXPECT_EQ(s.findMaterial("Ski"), -1);
    EXPECT_EQ(s.findMaterial(nullptr), -1);
}

// Object 1 of three is removed; object 2, its child, becomes a root at index 1.
TEST(SceneCompactObjects, RemovedParentMakesRoots) {
    Scene s;
    for (const char* n : {"a", "b", "c"}) s.addObject(n);
    s.objects[2].parent = 1;
    s.objects[1].flags |= Deleted;
    ASSERT_TRUE(s.compactObjects());
    ASSERT_EQ(s.objectCount, 2);
    EXPECT_EQ(s.objectCapacity, 2);
    EXPECT_STREQ(s.objects[1].name, "c");
    EXPECT_EQ(s.objects[1].parent, -1);
}

TEST(SceneCompactObjects, RedirectedParentsAndWeights) {
    Scene s;
    for (const char* n : {"root", "gone", "replaced", "child", "leaf"}) s.addObject(n);
    s.objects[1].flags |= Deleted;  // no replacement
    s.objects[2].flags |= Deleted;
    s.objects[2].remap = 0;  // replaced by the root
    s.objects[3].parent = 2;
    s.objects[4].parent = 3;
    s.objects[4].reserved0 = 7;

    SceneObject& leaf = s.objects[4];
    const int p = leaf.addPoint();
    addWeight(leaf.points[p], 1, 0.1f);   // removed object: the weight goes
    addWeight(leaf.points[p], 2, 0.2f);   // redirected to the root
    addWeight(leaf.points[p], 4, 0.4f);   // the leaf itself, now index 2
    addWeight(leaf.points[p], -1, 0.5f);  // names no object: goes
    addWeight(leaf.points[p], 9, 0.9f);   // names a missing object: goes

    ASSERT_TRUE(s.compactObjects());
    ASSERT_EQ(s.objectCount, 3);
    EXPECT_STREQ(s.objects[1].name, "child");
    EXPECT_EQ(s.objects[1].parent, 0);
    EXPECT_EQ(s.objects[2].parent, 1);
    EXPECT_EQ(s.objects[2].reserved0, 0);  // moved by copy, which leaves reserved0 out
    const MeshPoint& point = s.objects[2].points[0];
    ASSERT_EQ(point.weightCount, 2);
    EXPECT_EQ(point.weightCapacity, 2);
    EXPECT_EQ(point.weights[0].object, 0);
    EXPECT_EQ(point.weights[0].weight, 0.2f);
    EXPECT_EQ(point.weights[1].object, 2);
}

TEST(SceneCompactObjects, NothingDeletedKeepsAllAndShrinksCapacity) {
    Scene s;
    for (int i = 0; i < 5; ++i) s.addObject("");
    s.objects[3].parent = 4;
    ASSERT_TRUE(s.compactObjects());
    EXPECT_EQ(s.objectCount, 5);
    EXPECT_EQ(s.objectCapacity, 5);
    EXPECT_EQ(s.objects[3].parent, 4);
    EXPECT_STREQ(s.objects[4].name, "obj_04");
}

TEST(SceneCompactMaterials, RenumbersPolygonMaterials) {
    Scene s;
    for (const char* n : {"m0", "m1", "m2", "m3"}) s.addMaterial(n);
    s.materials[1].flags |= Deleted;
    s.materials[3].flags |= Deleted;
    s.materials[3].remap = 0;
    s.addObject("o");
    s.addObject("no polygons");
    SceneObject& object = s.objects[0];
    const int expected[] = {0, -1, 1, 0, -1, -1};
    for (int m : {0, 1, 2, 3, -1, 17}) addPolygonWithMaterial(object, m);
    s.addObject("no polygons");
    ASSERT_TRUE(s.compactMaterials());
    ASSERT_EQ(s.materialCount, 2);
    EXPECT_EQ(s.materialCapacity, 2);
    EXPECT_STREQ(s.materials[1].name, "m2");
    for (int i = 0; i < 6; ++i) EXPECT_EQ(s.objects[0].polygons[i].material, expected[i]) << i;
}

TEST(SceneCopy, ReplacesContentAndCopiesCapacities) {
    Scene source;
    source.time = 4;
    source.firstFrame = 2;
    source.lastFrame = 9;
    source.framesPerSecond = 24;
    source.axisY = 3;
    source.handedness = -1;
    source.reserved = 6;
    source.exportFlags = SelectedOnly;
    source.currentObject = 1;
    source.setName("scene");
    source.addObject("a");
    const int b = source.addObject("b");
    source.objects[b].parent = 0;
    source.objects[b].addPolygon(4);
    source.addMaterial("m");
    source.addTexture("t.png");
    ASSERT_TRUE(source.resizeAuxItemsC(3));
    source.auxItemCCount = 1;
    source.auxItemsC[0].setName("camera");
    source.auxItemsC[0].target = 1;

    Scene copy;
    for (int i = 0; i < 20; ++i) copy.addObject("old");
    copy.copyFrom(source);
    EXPECT_EQ(copy.time, 4);
    EXPECT_EQ(copy.firstFrame, 2);
    EXPECT_EQ(copy.lastFrame, 9);
    EXPECT_EQ(copy.framesPerSecond, 24.0f);
    EXPECT_EQ(copy.axisY, 3);
    EXPECT_EQ(copy.handedness, -1);
    EXPECT_EQ(copy.reserved, 6);
    EXPECT_EQ(copy.exportFlags, SelectedOnly);
    EXPECT_EQ(copy.currentObject, 1);
    EXPECT_STREQ(copy.name, "scene");
    ASSERT_EQ(copy.objectCount, 2);
    EXPECT_EQ(copy.objectCapacity, 16);
    EXPECT_STREQ(copy.objects[1].name, "b");
    EXPECT_EQ(copy.objects[1].parent, 0);
    EXPECT_EQ(copy.objects[1].polygons[0].cornerCount, 4);
    EXPECT_NE(copy.objects[1].polygons, source.objects[1].polygons);
    EXPECT_EQ(copy.objects[2].name, nullptr);
    EXPECT_EQ(copy.materialCapacity, 16);
    EXPECT_STREQ(copy.textures[0].name, "t.png");
    EXPECT_EQ(copy.auxItemCCapacity, 3);
    EXPECT_EQ(copy.auxItemCCount, 1);
    EXPECT_STREQ(copy.auxItemsC[0].name, "camera");
    EXPECT_EQ(copy.auxItemsC[0].target, 1);
    EXPECT_EQ(copy.auxItemACapacity, 0);

    source.objects[1].setName("renamed");
    source.objects[1].polygons[0].cornerPoints[0] = 5;
    EXPECT_STREQ(copy.objects[1].name, "b");
    EXPECT_EQ(copy.objects[1].polygons[0].cornerPoints[0], -1);

    copy.copyFrom(copy);  // copying onto itself keeps the content
    EXPECT_EQ(copy.objectCount, 2);
}
