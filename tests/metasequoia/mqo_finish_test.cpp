// Mirror copies, unit scale and the mirror reflection of one object.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mqo_fixture.h"

namespace {

// A parent, then an object with the given mirror lines holding the triangle 0 1 2 of the fixture's
// points, translated by (50, 20, 10), rotated by (1, 2, 3); then a child of the mirrored object.
void readMirrored(Scene& scene, const std::string& mirrorLines) {
    ASSERT_TRUE(readText(mqoDocument("Object \"root\" {\n\tdepth 0\n}\n" +
                                     mqoObject("m", "\tdepth 1\n" + mirrorLines +
                                                        "\ttranslation 50 20 10\n\trotation 1 2 3\n",
                                               "\t\t3 V(0 1 2)\n") +
                                     "Object \"child\" {\n\tdepth 2\n}\n"),
                         scene));
}

TEST(MqoFinish, MirrorMasksGiveOneCopyPerSubsetOfAxes) {
    struct Case {
        std::string lines;
        std::vector<int> copies;  // axes of each copy, in order
    };
    const Case cases[] = {
        {"\tmirror_axis 1\n", {1}},
        {"\tmirror_axis 3\n", {1, 2, 3}},
        {"\tmirror_axis 7\n", {1, 2, 3, 4, 5, 6, 7}},
        {"\tmirror_axis 5\n", {1, 4, 5}},
        {"\tmirror_axis 8\n", {}},
        {"\tmirror_axis -1\n", {}},
        {"\tmirror 0\n", {1}},                     // a mirror line alone mirrors in X
        {"\tmirror 2\n\tmirror_axis 2\n", {2}},    // the axis line after it decides
        {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        Scene scene;
        readMirrored(scene, c.lines);
        ASSERT_EQ(scene.objectCount, 3 + static_cast<int>(c.copies.size()));
        const SceneObject& source = scene.objects[1];
        EXPECT_EQ(scene.objects[2].parent, 1);  // the child stays with the source object
        for (std::size_t k = 0; k < c.copies.size(); ++k) {
            const int axes = c.copies[k];
            const SceneObject& copy = scene.objects[3 + k];
            SCOPED_TRACE(axes);
            EXPECT_STREQ(copy.name, "m");
            EXPECT_EQ(copy.parent, 0);
            EXPECT_EQ(copy.remap, -1);
            const float sx = axes & 1 ? -1.0f : 1.0f, sy = axes & 2 ? -1.0f : 1.0f, sz = axes & 4 ? -1.0f : 1.0f;
            ASSERT_EQ(copy.pointCount, 4);
            for (int p = 0; p < 4; ++p) {
                EXPECT_EQ(copy.points[p].position.x, sx * source.points[p].position.x);
                EXPECT_EQ(copy.points[p].position.y, sy * source.points[p].position.y);
            }
            EXPECT_FLOAT_EQ(copy.transform.localPosition.x, 0.5f * sx);
            EXPECT_FLOAT_EQ(copy.transform.localPosition.y, 0.2f * sy);
            EXPECT_FLOAT_EQ(copy.transform.localPosition.z, 0.1f * sz);
            // Each axis negates the rotations about the two other axes.
            EXPECT_FLOAT_EQ(copy.transform.localRotation.x, 1.0f * sy * sz);
            EXPECT_FLOAT_EQ(copy.transform.localRotation.y, 2.0f * sx * sz);
            EXPECT_FLOAT_EQ(copy.transform.localRotation.z, 3.0f * sx * sy);
            EXPECT_FLOAT_EQ(copy.transform.worldMatrix.m[3][0], 0.5f * sx);
            const bool odd = __builtin_popcount(axes) % 2 == 1;
            ASSERT_EQ(copy.polygonCount, 1);
            const std::vector<int> corners(copy.polygons[0].cornerPoints, copy.polygons[0].cornerPoints + 3);
            const std::vector<int> expected = odd ? std::vector<int>{0, 1, 2} : std::vector<int>{2, 1, 0};
            EXPECT_EQ(corners, expected);
        }
    }
}

TEST(MqoFinish, DocumentUnitsBecomeHundredths) {
    Scene scene;
    readMirrored(scene, "\tmirror_axis 1\n");
    EXPECT_FLOAT_EQ(scene.objects[1].points[1].position.x, 1.0f);  // written as 100 0 0
    EXPECT_FLOAT_EQ(scene.objects[1].transform.localPosition.x, 0.5f);
    EXPECT_FLOAT_EQ(scene.objects[3].transform.localPosition.x, -0.5f);
    EXPECT_FLOAT_EQ(scene.objects[3].points[1].position.x, -1.0f);
}

TEST(MqoFinish, MirrorObjectFlagsActSeparately) {
    Scene scene;
    const int index = scene.addObject("o");
    SceneObject& object = scene.objects[index];
    const int point = object.addPoint();
    object.points[point].position.set(1, 2, 3);
    object.transform.localPosition.set(4, 5, 6);
    object.transform.localRotation.set(7, 8, 9);
    const int polygon = object.addPolygon(3);
    for (int c = 0; c < 3; ++c) object.polygons[polygon].cornerPoints[c] = c == 0 ? 0 : -1;

    EXPECT_TRUE(mirrorObject(object, MirrorGeometryY));  // geometry only
    EXPECT_EQ(object.points[0].position.y, -2.0f);
    EXPECT_EQ(object.transform.localPosition.y, 5.0f);
    EXPECT_EQ(object.polygons[polygon].cornerPoints[2], 0);  // one axis: reversed

    EXPECT_TRUE(mirrorObject(object, MirrorTransformZ));  // transform only
    EXPECT_EQ(object.points[0].position.z, 3.0f);
    EXPECT_EQ(object.transform.localPosition.z, -6.0f);
    EXPECT_EQ(object.transform.localRotation.x, -7.0f);
    EXPECT_EQ(object.transform.localRotation.y, -8.0f);
    EXPECT_EQ(object.transform.localRotation.z, 9.0f);
    EXPECT_EQ(object.polygons[polygon].cornerPoints[2], 0);  // no geometry axis: not reversed
}

TEST(MqoFinish, ScaleSceneScalesPositionsOnly) {
    Scene scene;
    const int index = scene.addObject("o");
    SceneObject& object = scene.objects[index];
    const int point = object.addPoint();
    object.points[point].position.set(10, 20, 30);
    object.transform.localPosition.set(1, 2, 3);
    object.transform.worldPosition.set(4, 5, 6);
    object.transform.localScale.set(2, 2, 2);
    EXPECT_TRUE(scaleScene(scene, 0.5f));
    EXPECT_EQ(object.points[0].position.z, 15.0f);
    EXPECT_EQ(object.transform.localPosition.x, 0.5f);
    EXPECT_EQ(object.transform.worldPosition.y, 2.5f);
    EXPECT_EQ(object.transform.localScale.x, 2.0f);
    EXPECT_FLOAT_EQ(object.transform.worldMatrix.m[3][2], 1.5f);
}

}  // namespace
