// Scenes written by our LWO2 writer read back to the same geometry, surfaces and coordinates.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "lightwave/lwo2_writer.h"
#include "lightwave/object_reader.h"
#include "scene_checks.h"

namespace {

// Two objects: a textured quad strip and an untextured triangle fan of another surface.
void buildScene(Scene& scene) {
    const int wood = scene.addMaterial("wood");
    scene.materials[wood].color.set(0.25f, 0.5f, 0.75f, 1.0f);
    scene.materials[wood].smoothingAngle = 0.5f;
    scene.materials[wood].textureSlots[0] = scene.addTexture("images/wood grain.png");
    scene.materials[wood].projection = 0;
    const int paint = scene.addMaterial("paint");
    scene.materials[paint].color.set(1.0f, 0.0f, 0.0f, 1.0f);

    const int stripIndex = scene.addObject("strip");
    const int fanIndex = scene.addObject("fan");
    SceneObject& strip = scene.objects[stripIndex];
    for (int i = 0; i < 6; ++i) {
        const int p = strip.addPoint();
        strip.points[p].position.set(float(i / 2), float(i % 2), -0.5f * float(i));
        const int uv = strip.addUv();
        strip.uvs[uv].set(0.125f * float(i), 0.25f + 0.5f * float(i % 2));
    }
    for (int q = 0; q < 2; ++q) {
        const int index = strip.addPolygon(4);
        MeshPolygon& polygon = strip.polygons[index];
        const int corners[4] = {2 * q, 2 * q + 2, 2 * q + 3, 2 * q + 1};
        for (int k = 0; k < 4; ++k) polygon.cornerPoints[k] = polygon.cornerUvs[k] = corners[k];
        polygon.material = wood;
    }
    SceneObject& fan = scene.objects[fanIndex];
    for (int i = 0; i < 5; ++i) {
        const int p = fan.addPoint();
        fan.points[p].position.set(float(i), float(i * i), 3.0f);
    }
    for (int t = 0; t < 3; ++t) {
        const int index = fan.addPolygon(3);
        MeshPolygon& polygon = fan.polygons[index];
        polygon.cornerPoints[0] = 0;
        polygon.cornerPoints[1] = t + 1;
        polygon.cornerPoints[2] = t + 2;
        polygon.material = paint;
    }
}

TEST(RoundTrip, WrittenSceneReadsBackUnchanged) {
    Scene written;
    buildScene(written);
    const std::string path = ::testing::TempDir() + "lightwave_reader_round_trip.lwo";
    ASSERT_TRUE(writeLwo2File(path.c_str(), written));
    Scene read;
    ASSERT_TRUE(readLightWaveObject(path.c_str(), read));
    std::remove(path.c_str());
    expectConsistent(read, "round trip");

    ASSERT_EQ(read.objectCount, written.objectCount);
    for (int o = 0; o < written.objectCount; ++o) {
        const SceneObject& a = written.objects[o];
        const SceneObject& b = read.objects[o];
        SCOPED_TRACE(a.name);
        EXPECT_STREQ(b.name, a.name);
        ASSERT_EQ(b.pointCount, a.pointCount);
        for (int p = 0; p < a.pointCount; ++p) {
            EXPECT_FLOAT_EQ(b.points[p].position.x, a.points[p].position.x);
            EXPECT_FLOAT_EQ(b.points[p].position.y, a.points[p].position.y);
            EXPECT_FLOAT_EQ(b.points[p].position.z, a.points[p].position.z);
        }
        ASSERT_EQ(b.polygonCount, a.polygonCount);
        for (int p = 0; p < a.polygonCount; ++p) {
            const MeshPolygon& pa = a.polygons[p];
            const MeshPolygon& pb = b.polygons[p];
            ASSERT_EQ(pb.cornerCount, pa.cornerCount);
            EXPECT_STREQ(read.materials[pb.material].name, written.materials[pa.material].name);
            for (int k = 0; k < pa.cornerCount; ++k) {
                EXPECT_EQ(pb.cornerPoints[k], pa.cornerPoints[k]);
                ASSERT_EQ(pb.cornerUvs[k] >= 0, pa.cornerUvs[k] >= 0);
                if (pa.cornerUvs[k] < 0) continue;
                EXPECT_NEAR(b.uvs[pb.cornerUvs[k]].u, a.uvs[pa.cornerUvs[k]].u, 1e-6);
                EXPECT_NEAR(b.uvs[pb.cornerUvs[k]].v, a.uvs[pa.cornerUvs[k]].v, 1e-6);
            }
        }
    }
    for (int m = 0; m < written.materialCount; ++m) {
        const Material& a = written.materials[m];
        const int found = read.findMaterial(a.name);
        ASSERT_GE(found, 0) << a.name;
        const Material& b = read.materials[found];
        EXPECT_FLOAT_EQ(b.color.r, a.color.r);
        EXPECT_FLOAT_EQ(b.color.g, a.color.g);
        EXPECT_FLOAT_EQ(b.color.b, a.color.b);
        EXPECT_FLOAT_EQ(b.smoothingAngle, a.smoothingAngle);
        ASSERT_EQ(b.textureSlots[0] >= 0, a.textureSlots[0] >= 0) << a.name;
        if (a.textureSlots[0] >= 0) {
            EXPECT_STREQ(read.textures[b.textureSlots[0]].name, written.textures[a.textureSlots[0]].name);
            EXPECT_EQ(b.projection, 0);
        }
    }
}

}  // namespace
