// Object chunks: names, placement, hierarchy depth, points.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mqo_fixture.h"

namespace {

std::string objectAtDepth(const std::string& name, int depth) {
    return "Object \"" + name + "\" {\n\tdepth " + std::to_string(depth) + "\n}\n";
}

TEST(MqoObjects, ParentFromDepth) {
    struct Case {
        std::vector<int> depths;
        std::vector<int> parents;
    };
    const Case cases[] = {
        {{0, 1, 2, 1}, {-1, 0, 1, 0}},
        {{0, 1, 2, 3, 2, 0, 1}, {-1, 0, 1, 2, 1, -1, 5}},
        {{1, 0, 2, 5, -1}, {-1, -1, -1, -1, -1}},  // no earlier object at that depth
        {{0, 0, 1, 1}, {-1, -1, 1, 1}},             // the latest object of the depth wins
    };
    for (const Case& c : cases) {
        std::string chunks;
        for (std::size_t i = 0; i < c.depths.size(); ++i) chunks += objectAtDepth("o" + std::to_string(i), c.depths[i]);
        Scene scene;
        ASSERT_TRUE(readText(mqoDocument(chunks), scene));
        ASSERT_EQ(scene.objectCount, static_cast<int>(c.parents.size()));
        for (int i = 0; i < scene.objectCount; ++i)
            EXPECT_EQ(scene.objects[i].parent, c.parents[i]) << "object " << i << " of case " << c.depths.size();
    }
}

TEST(MqoObjects, PlacementAndNames) {
    Scene scene;
    ASSERT_TRUE(readText(mqoDocument("Object \"\" {\n"
                                     "\tscale 1.5 2 -3\n"
                                     "\trotation 10 -20 30\n"
                                     "\ttranslation 50 -100 2e2\n"
                                     "\tfacet 59.5\n"
                                     "\tcolor 0.1 0.2 0.3\n"
                                     "\tvertex 2 {\n\t\t100 0 0\n\t\t1 2\n\t}\n"
                                     "}\n"
                                     "Object \"\x88\xEA\x94\xD4\" {\n\tVertex 1 {\n\t\t100 200 300\n\t}\n}\n"),
                         scene));
    ASSERT_EQ(scene.objectCount, 2);
    const SceneObject& object = scene.objects[0];
    EXPECT_STREQ(object.name, "obj_00");
    EXPECT_STREQ(scene.objects[1].name, "\x88\xEA\x94\xD4");  // Shift-JIS kept byte for byte
    ASSERT_EQ(scene.objects[1].pointCount, 1);  // "Vertex" lists read like "vertex" lists
    EXPECT_FLOAT_EQ(scene.objects[1].points[0].position.z, 3.0f);
    const Transform& t = object.transform;
    EXPECT_FLOAT_EQ(t.localScale.x, 1.5f);
    EXPECT_FLOAT_EQ(t.localScale.z, -3.0f);
    EXPECT_FLOAT_EQ(t.localRotation.y, -20.0f);  // stored as written
    EXPECT_FLOAT_EQ(t.localPosition.x, 0.5f);    // unit scale 0.01
    EXPECT_FLOAT_EQ(t.localPosition.y, -1.0f);
    EXPECT_FLOAT_EQ(t.localPosition.z, 2.0f);
    EXPECT_FLOAT_EQ(t.worldMatrix.m[3][0], 0.5f);  // world transforms rebuilt
    ASSERT_EQ(object.pointCount, 2);
    EXPECT_FLOAT_EQ(object.points[0].position.x, 1.0f);
    EXPECT_FLOAT_EQ(object.points[1].position.x, 0.01f);
    EXPECT_FLOAT_EQ(object.points[1].position.y, 0.02f);
    EXPECT_EQ(object.points[1].position.z, 0.0f);  // missing number
    EXPECT_EQ(object.remap, -1);                   // no mirror mask left behind
}

TEST(MqoObjects, ChildPlacementChainsThroughTheParent) {
    Scene scene;
    ASSERT_TRUE(readText(mqoDocument("Object \"root\" {\n\tdepth 0\n\ttranslation 0 500 0\n}\n"
                                     "Object \"child\" {\n\tdepth 1\n\ttranslation 100 0 0\n}\n"),
                         scene));
    ASSERT_EQ(scene.objects[1].parent, 0);
    const Mat4& world = scene.objects[1].transform.worldMatrix;
    EXPECT_FLOAT_EQ(world.m[3][0], 1.0f);
    EXPECT_FLOAT_EQ(world.m[3][1], 5.0f);
}

TEST(MqoObjects, UnclosedChunksRunToTheEndOfTheDocument) {
    Scene scene;
    ASSERT_TRUE(readText(mqoHeader + "Object \"open\" {\n\tvertex 3 {\n\t\t1 2 3\n\t\t4 5 6", scene));
    ASSERT_EQ(scene.objectCount, 1);
    EXPECT_EQ(scene.objects[0].pointCount, 2);
}

}  // namespace
