// LWOB objects: points, surface-numbered polygons with detail polygons, surfaces and textures.
#include <gtest/gtest.h>

#include <vector>

#include "lightwave/lwob_reader.h"
#include "lightwave/object_reader.h"
#include "object_bytes.h"

namespace {

bool read(const Bytes& bytes, Scene& scene) { return readLightWaveObjectMemory(bytes.data(), bytes.size(), scene); }

Content words(std::initializer_list<int> values) {
    Content c;
    for (int v : values) c.u2(v);
    return c;
}

Content points(int n) {
    Content c;
    for (int i = 0; i < n; ++i) c.vec(float(i), float(i * i), float(i + 1));
    return c;
}

Content srfs(int n) {
    Content c;
    const char* names[] = {"one", "two", "three"};
    for (int i = 0; i < n; ++i) c.s0(names[i]);
    return c;
}

std::vector<std::vector<int>> polygons(const Scene& scene, std::vector<int>* materials = nullptr) {
    std::vector<std::vector<int>> out;
    const SceneObject& o = scene.objects[0];
    for (int p = 0; p < o.polygonCount; ++p) {
        // Corners back in file order, to compare with the words.
        std::vector<int> c(o.polygons[p].cornerPoints, o.polygons[p].cornerPoints + o.polygons[p].cornerCount);
        out.emplace_back(c.rbegin(), c.rend());
        if (materials) materials->push_back(o.polygons[p].material);
    }
    return out;
}

TEST(LwobReader, PolygonRecordsDetailPolygonsAndSurfaceNumbers) {
    struct Case {
        const char* what;
        int surfaces;
        Content pols;
        std::vector<std::vector<int>> corners;
        std::vector<int> materials;
    } cases[] = {
        {"surface two", 2, words({4, 0, 1, 2, 3, 2}), {{0, 1, 2, 3}}, {1}},
        {"detail polygons", 1, words({3, 0, 1, 2, 0xFFFF, 2, 3, 4, 5, 6, 1, 3, 6, 7, 8, 1}),
         {{0, 1, 2}, {4, 5, 6}, {6, 7, 8}}, {0, 0, 0}},
        {"number above the surfaces is a corner", 2, words({3, 0, 1, 2, 5, 1}), {{0, 1, 2, 5}}, {0}},
        {"one corner", 1, words({1, 7, 1}), {}, {}},
        {"surface 0 and beyond", 1, words({3, 0, 1, 2, 0, 3, 1, 2, 3, 0xFFF0, 0}), {{0, 1, 2}, {1, 2, 3}}, {-1, -1}},
        {"runs past the chunk", 1, words({3, 0, 1, 2, 1, 3, 4, 5}), {{0, 1, 2}}, {0}},
        {"count above 32767", 1, words({3, 1, 2, 3, 1, 0x8001, 1, 3, 1, 2, 3, 1}), {{1, 2, 3}}, {0}},
        {"missing point", 1, words({3, 0, 1, 40, 1, 3, 1, 2, 3, 1}), {{1, 2, 3}}, {0}},
    };
    for (const Case& c : cases) {
        Scene scene;
        ASSERT_TRUE(read(objectFile("LWOB", {chunk("PNTS", points(9)), chunk("SRFS", srfs(c.surfaces)),
                                             chunk("POLS", c.pols)}),
                         scene))
            << c.what;
        ASSERT_EQ(scene.objectCount, 1);
        EXPECT_STREQ(scene.objects[0].name, "Default");
        std::vector<int> materials;
        EXPECT_EQ(polygons(scene, &materials), c.corners) << c.what;
        EXPECT_EQ(materials, c.materials) << c.what;
    }
}

TEST(LwobReader, TwoCornerPolygonsAreMadeAndThenRemovedAsDegenerate) {
    Scene scene;
    ASSERT_TRUE(read(objectFile("LWOB", {chunk("PNTS", points(9)), chunk("SRFS", srfs(1)),
                                         chunk("POLS", words({2, 7, 8, 1, 3, 0, 1, 2, 1}))}),
                     scene));
    EXPECT_EQ(polygons(scene), (std::vector<std::vector<int>>{{0, 1, 2}}));
    EXPECT_FLOAT_EQ(scene.objects[0].points[2].position.z, -3.0f);
}

TEST(LwobReader, ColourTextureOfASurface) {
    Content surf;
    surf.s0("one").sub("COLR", Content().raw({255, 128, 0, 0})).sub("SMAN", Content().f4(0.5f))
        .sub("CTEX", Content().s0("Planar Image Map")).sub("TFLG", Content().u2(2))
        .sub("TSIZ", Content().vec(1, 2, 3)).sub("TCTR", Content().vec(4, 5, 6)).sub("TIMG", Content().s0("wood.iff"))
        .sub("DTEX", Content().s0("Planar Image Map")).sub("TSIZ", Content().vec(9, 9, 9))
        .sub("TIMG", Content().s0("other.iff"));
    Scene scene;
    ASSERT_TRUE(read(objectFile("LWOB", {chunk("PNTS", points(4)), chunk("SRFS", srfs(1)),
                                         chunk("POLS", words({4, 0, 1, 2, 3, 1})), chunk("SURF", surf)}),
                     scene));
    const Material& m = scene.materials[0];
    EXPECT_FLOAT_EQ(m.color.r, 1.0f);
    EXPECT_FLOAT_EQ(m.color.g, 0.5019608f);
    EXPECT_FLOAT_EQ(m.color.b, 0.0f);
    EXPECT_FLOAT_EQ(m.smoothingAngle, 0.5f);
    EXPECT_EQ(m.projection, 1);
    EXPECT_EQ(m.projectionAxis, 2);
    EXPECT_FLOAT_EQ(m.projectionSize.y, 2.0f);
    EXPECT_FLOAT_EQ(m.projectionCenter.z, -6.0f);
    ASSERT_EQ(scene.textureCount, 1);
    EXPECT_STREQ(scene.textures[0].name, "wood.iff");
    // Every corner got a planar coordinate (Y axis: u from x, v from z).
    const SceneObject& o = scene.objects[0];
    ASSERT_EQ(o.uvCount, 4);
    for (int k = 0; k < 4; ++k) EXPECT_GE(o.polygons[0].cornerUvs[k], 0);
    const int point = o.polygons[0].cornerPoints[0];
    const UvEntry& uv = o.uvs[o.polygons[0].cornerUvs[0]];
    EXPECT_FLOAT_EQ(uv.u, (o.points[point].position.x - 4.0f) / 1.0f + 0.5f);
    EXPECT_FLOAT_EQ(uv.v, (o.points[point].position.z + 6.0f) / 3.0f + 0.5f);
}

TEST(LwobReader, SurfacesMissingFromTheListAreAppended) {
    Scene scene;
    ASSERT_TRUE(read(objectFile("LWOB", {chunk("SRFS", srfs(1)), chunk("SURF", Content().s0("extra")),
                                         chunk("SURF", Content().s0("one"))}),
                     scene));
    ASSERT_EQ(scene.materialCount, 2);
    EXPECT_STREQ(scene.materials[1].name, "extra");
}

TEST(LwobReader, FailuresAndFallBackToLwo2) {
    Scene scene;
    EXPECT_FALSE(read(objectFile("LWOB", {chunk("POLS", Content().u2(3).raw({0}))}), scene));  // odd length
    Content pointsOf40;
    for (int i = 0; i < 10; ++i) pointsOf40.f4(0);
    EXPECT_FALSE(read(objectFile("LWOB", {chunk("PNTS", pointsOf40)}), scene));
    const Bytes whole = objectFile("LWOB", {chunk("PNTS", points(4)), chunk("SRFS", srfs(1))});
    EXPECT_FALSE(read(Bytes(whole.begin(), whole.end() - 1), scene));
    EXPECT_FALSE(readLwobMemory(nullptr, 0, scene));
    // An LWO2 file is declined by the LWOB reader and taken by the LWO2 reader.
    const Bytes lwo2 = objectFile("LWO2", {chunk("LAYR", Content().u2(0).u2(0).vec(0, 0, 0).s0("L"))});
    EXPECT_FALSE(readLwobMemory(lwo2.data(), lwo2.size(), scene));
    ASSERT_TRUE(read(lwo2, scene));
    EXPECT_STREQ(scene.objects[0].name, "L");
}

}  // namespace
