// Planar, cylindrical and spherical texture coordinates of projected images.
#include <gtest/gtest.h>

#include <utility>

#include "lightwave/projection.h"

namespace {

// One object with one point at `d` (the centre is the origin) in a triangle of a material with
// the given projection; returns the coordinate its corner on that point gets.
std::pair<float, float> project(int projection, int axis, Vec3 size, Vec3 d) {
    Scene scene;
    scene.addObject("o");
    const int m = scene.addMaterial("m");
    scene.materials[m].projection = projection;
    scene.materials[m].projectionAxis = axis;
    scene.materials[m].projectionSize = size;
    SceneObject& o = scene.objects[0];
    for (int i = 0; i < 3; ++i) o.addPoint();
    o.points[0].position = d;
    const int p = o.addPolygon(3);
    for (int k = 0; k < 3; ++k) o.polygons[p].cornerPoints[k] = k;
    o.polygons[p].material = m;
    generateProjectionCoordinates(scene);
    const UvEntry& uv = o.uvs[o.polygons[p].cornerUvs[0]];
    return {uv.u, uv.v};
}

TEST(Projection, CoordinatesOfEachProjectionAndAxis) {
    struct Case {
        int projection, axis;
        Vec3 size, d;
        float u, v;
    } cases[] = {
        {1, 0, {2, 2, 2}, {1, 1, 0}, 1.0f, 0.0f},
        {1, 1, {2, 4, 8}, {0, 1, 2}, 0.25f, 0.25f},
        {1, 2, {2, 4, 8}, {1, 0, 2}, 1.0f, 0.75f},
        {1, 4, {0, 2, 2}, {1, 0.5f, 0}, 0.0f, 0.25f},  // a vanishing size gives 0
        {2, 2, {1, 2, 1}, {1, 0, 0}, 0.75f, 0.5f},
        {2, 2, {1, 2, 1}, {-1, 0, 0}, 1.25f, 0.5f},
        {2, 2, {1, 2, 1}, {0, 0, 1}, 0.5f, 0.5f},
        {2, 2, {1, 2, 1}, {0, 0, -1}, 1.0f, 0.5f},
        {2, 2, {1, 2, 1}, {0, 1, 0}, 1.0f, 0.0f},
        {2, 1, {2, 1, 1}, {1, 0, 1}, 0.75f, 0.0f},
        {2, 0, {1, 1, 2}, {0, -1, 1}, 1.0f, 1.0f},
        {3, 2, {0, 0, 0}, {0, 1, 0}, 1.0f, 0.0f},
        {3, 2, {0, 0, 0}, {0, -1, 0}, 1.0f, 1.0f},
        {3, 2, {0, 0, 0}, {1, 0, 0}, 0.75f, 0.5f},
        {3, 2, {0, 0, 0}, {0, 0, 1}, 0.5f, 0.5f},
        {3, 2, {0, 0, 0}, {0, 0, 0}, 1.0f, 0.5f},
        {3, 1, {0, 0, 0}, {1, 0, 0}, 1.0f, 0.0f},
        {3, 0, {0, 0, 0}, {0, 0, -1}, 1.0f, 0.0f},
    };
    for (const Case& c : cases) {
        const auto uv = project(c.projection, c.axis, c.size, c.d);
        EXPECT_NEAR(uv.first, c.u, 1e-6) << c.projection << " axis " << c.axis << " d " << c.d.x << "," << c.d.y << "," << c.d.z;
        EXPECT_NEAR(uv.second, c.v, 1e-6) << c.projection << " axis " << c.axis << " d " << c.d.x << "," << c.d.y << "," << c.d.z;
    }
}

TEST(Projection, AnglesAtTheirSeams) {
    EXPECT_FLOAT_EQ(cylinderAngle(0, 0), 0.0f);
    EXPECT_FLOAT_EQ(cylinderAngle(-1, 0), 1.5707964f);
    EXPECT_FLOAT_EQ(cylinderAngle(1, 0), -1.5707964f);
    EXPECT_FLOAT_EQ(cylinderAngle(1, -1), 3.1415927f + 0.7853982f);
    float longitude, latitude;
    sphereAngles(0, -2, 0, longitude, latitude);
    EXPECT_FLOAT_EQ(latitude, -1.5707964f);
    sphereAngles(1e-30f, 1, 0, longitude, latitude);  // almost straight up
    EXPECT_FLOAT_EQ(latitude, 1.5707964f);
}

TEST(Projection, EveryProjectedCornerGetsItsOwnEntryOthersKeepTheirs) {
    Scene scene;
    scene.addObject("o");
    scene.addMaterial("planar");
    scene.addMaterial("uv");
    scene.materials[0].projection = 1;
    scene.materials[0].projectionSize.set(1, 1, 1);
    scene.materials[1].projection = 0;
    SceneObject& o = scene.objects[0];
    for (int i = 0; i < 6; ++i) o.addPoint();
    const int quads[3][4] = {{0, 1, 2, 3}, {2, 3, 4, 5}, {0, 1, 4, 5}};
    const int materials[3] = {0, 0, 1};
    for (int q = 0; q < 3; ++q) {
        const int p = o.addPolygon(4);
        for (int k = 0; k < 4; ++k) o.polygons[p].cornerPoints[k] = quads[q][k];
        o.polygons[p].material = materials[q];
    }
    o.addPolygon(3);  // no material, no points needed
    generateProjectionCoordinates(scene);
    EXPECT_EQ(o.uvCount, 8);
    EXPECT_EQ(o.polygons[1].cornerUvs[0], 4);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(o.polygons[2].cornerUvs[k], -1);
    EXPECT_EQ(o.polygons[3].cornerUvs[0], -1);
}

}  // namespace
