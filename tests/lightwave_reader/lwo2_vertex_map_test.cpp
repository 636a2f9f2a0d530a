// Texture coordinates and vertex colours from "VMAP" and "VMAD", and which polygons they reach.
#include <gtest/gtest.h>

#include <vector>

#include "lightwave/object_reader.h"
#include "object_bytes.h"

namespace {

bool read(const Bytes& bytes, Scene& scene) { return readLightWaveObjectMemory(bytes.data(), bytes.size(), scene); }

// Two quads sharing the edge of points 1 and 2: polygon 0 (0, 1, 2, 3) tagged "A", polygon 1
// (1, 4, 5, 2) tagged "B", and a triangle (2, 5, 6) without a tag. Surface "A" names the UV map
// "uvA" and the colour map "rgbA"; each surface is given by `surfaces`.
std::vector<Chunk> twoQuads(const std::vector<Chunk>& maps, bool withSurfaces = true) {
    Content points, pols, ptag;
    for (int i = 0; i < 7; ++i) points.vec(float(i), float(i % 2), 0.0f);
    pols.id4("FACE").u2(4).vx(0).vx(1).vx(2).vx(3).u2(4).vx(1).vx(4).vx(5).vx(2).u2(3).vx(2).vx(5).vx(6);
    ptag.id4("SURF").vx(0).u2(0).vx(1).u2(1);
    Content surfaceA;
    surfaceA.s0("A").s0("");
    surfaceA.sub("VCOL", Content().f4(1).vx(0).id4("RGBA").s0("rgbA"));
    surfaceA.sub("BLOK", Content().sub("IMAP", Content().s0("\x80").sub("CHAN", Content().id4("COLR")))
                             .sub("VMAP", Content().s0("uvA")));
    std::vector<Chunk> chunks = {chunk("TAGS", Content().s0("A").s0("B")),
                                 chunk("LAYR", Content().u2(0).u2(0).vec(0, 0, 0).s0("L")),
                                 chunk("PNTS", points), chunk("POLS", pols), chunk("PTAG", ptag)};
    if (withSurfaces) chunks.push_back(chunk("SURF", surfaceA));
    chunks.insert(chunks.end(), maps.begin(), maps.end());
    return chunks;
}

// The texture coordinate of the corner of polygon p on `point` (corners are reversed on reading).
const UvEntry* uvAt(const SceneObject& o, int p, int point) {
    const MeshPolygon& polygon = o.polygons[p];
    for (int k = 0; k < polygon.cornerCount; ++k)
        if (polygon.cornerPoints[k] == point) return polygon.cornerUvs[k] < 0 ? nullptr : &o.uvs[polygon.cornerUvs[k]];
    return nullptr;
}

const Color4* colorAt(const SceneObject& o, int p, int point) {
    const MeshPolygon& polygon = o.polygons[p];
    for (int k = 0; k < polygon.cornerCount; ++k)
        if (polygon.cornerPoints[k] == point) return &polygon.cornerColorValues[k];
    return nullptr;
}

TEST(Lwo2VertexMaps, PointMapGivesEveryCornerOfThePointItsFlippedCoordinate) {
    Content vmap;
    vmap.id4("TXUV").u2(2).s0("other").vx(2).f4(0.25f).f4(0.75f).vx(99).f4(1).f4(1);  // point 99: skipped
    Scene scene;
    ASSERT_TRUE(read(objectFile("LWO2", twoQuads({chunk("VMAP", vmap)}, false)), scene));
    const SceneObject& o = scene.objects[0];
    EXPECT_EQ(o.uvCount, 1);
    for (int p = 0; p < 3; ++p) {  // no surface names the map: it applies to every polygon
        const UvEntry* uv = uvAt(o, p, 2);
        ASSERT_NE(uv, nullptr) << p;
        EXPECT_FLOAT_EQ(uv->u, 0.25f);
        EXPECT_FLOAT_EQ(uv->v, 0.25f);
    }
    EXPECT_EQ(uvAt(o, 0, 0), nullptr);
}

TEST(Lwo2VertexMaps, AMapNamedByASurfaceReachesOnlyItsPolygonsAndUntaggedOnes) {
    Content vmap;
    vmap.id4("TXUV").u2(2).s0("uvA").vx(2).f4(0.5f).f4(0.5f);
    Scene scene;
    ASSERT_TRUE(read(objectFile("LWO2", twoQuads({chunk("VMAP", vmap)})), scene));
    const SceneObject& o = scene.objects[0];
    EXPECT_NE(uvAt(o, 0, 2), nullptr);  // surface A
    EXPECT_EQ(uvAt(o, 1, 2), nullptr);  // surface B
    EXPECT_NE(uvAt(o, 2, 2), nullptr);  // no surface
}

TEST(Lwo2VertexMaps, CornerMapOverridesThePointMapForOnePolygonOnly) {
    Content vmap, vmad;
    vmap.id4("TXUV").u2(2).s0("any").vx(1).f4(0.1f).f4(0.1f).vx(2).f4(0.2f).f4(0.2f);
    vmad.id4("TXUV").u2(2).s0("any").vx(2).vx(1).f4(0.9f).f4(0.0f).vx(2).vx(50).f4(0).f4(0);  // polygon 50: skipped
    Scene scene;
    ASSERT_TRUE(read(objectFile("LWO2", twoQuads({chunk("VMAP", vmap), chunk("VMAD", vmad)}, false)), scene));
    const SceneObject& o = scene.objects[0];
    EXPECT_EQ(o.uvCount, 3);
    EXPECT_FLOAT_EQ(uvAt(o, 0, 2)->u, 0.2f);
    EXPECT_FLOAT_EQ(uvAt(o, 1, 2)->u, 0.9f);
    EXPECT_FLOAT_EQ(uvAt(o, 1, 2)->v, 1.0f);
    EXPECT_FLOAT_EQ(uvAt(o, 2, 2)->u, 0.2f);
    EXPECT_FLOAT_EQ(uvAt(o, 1, 1)->u, 0.1f);
}

TEST(Lwo2VertexMaps, ColourMapsKeepAlphaUnlessGivenAndFollowTheSurfaceMapName) {
    Content rgb, rgba, vmad;
    rgb.id4("RGBA").u2(3).s0("unused").vx(0).f4(0.5f).f4(0.25f).f4(0.125f);
    rgba.id4("RGBA").u2(4).s0("rgbA").vx(1).f4(0.1f).f4(0.2f).f4(0.3f).f4(0.4f);
    vmad.id4("RGBA").u2(3).s0("rgbA").vx(2).vx(0).f4(1).f4(0).f4(0);
    Scene scene;
    ASSERT_TRUE(read(objectFile("LWO2", twoQuads({chunk("VMAP", rgb), chunk("VMAP", rgba), chunk("VMAD", vmad)})), scene));
    const SceneObject& o = scene.objects[0];
    const Color4* c = colorAt(o, 0, 0);
    EXPECT_FLOAT_EQ(c->r, 0.5f);
    EXPECT_FLOAT_EQ(c->b, 0.125f);
    EXPECT_FLOAT_EQ(c->a, 1.0f);
    EXPECT_FLOAT_EQ(colorAt(o, 0, 1)->a, 0.4f);  // surface A's map on A's polygon
    EXPECT_FLOAT_EQ(colorAt(o, 1, 1)->r, 1.0f);  // ... not on B's: still white
    const Color4* corner = colorAt(o, 0, 2);
    EXPECT_FLOAT_EQ(corner->r, 1.0f);
    EXPECT_FLOAT_EQ(corner->g, 0.0f);
    EXPECT_FLOAT_EQ(corner->a, 1.0f);
    EXPECT_FLOAT_EQ(colorAt(o, 1, 2)->g, 1.0f);  // the corner map named polygon 0 only
}

TEST(Lwo2VertexMaps, OtherMapTypesAndTruncatedEntries) {
    Content weight, cut;
    weight.id4("WGHT").u2(1).s0("w").vx(0).f4(1);
    cut.id4("TXUV").u2(2).s0("uv").vx(0).f4(1);  // the second value is missing
    Scene scene;
    EXPECT_TRUE(read(objectFile("LWO2", twoQuads({chunk("VMAP", weight), chunk("VMAD", weight)})), scene));
    EXPECT_EQ(scene.objects[0].uvCount, 0);
    EXPECT_FALSE(read(objectFile("LWO2", twoQuads({chunk("VMAP", cut)})), scene));
}

}  // namespace
