// Surfaces, image blocks and clips of LWO2 files.
#include <gtest/gtest.h>

#include "lightwave/lwo2_surface.h"
#include "lightwave/object_reader.h"
#include "object_bytes.h"

namespace {

bool read(const Bytes& bytes, Scene& scene) { return readLightWaveObjectMemory(bytes.data(), bytes.size(), scene); }

Content colourBlock(const char* channel, int projection, int axis, int clip, const char* uvMap) {
    Content header, tmap, block;
    header.s0("\x80").sub("CHAN", Content().id4(channel)).sub("ENAB", Content().u2(1));
    tmap.sub("CNTR", Content().vec(1, 2, 3).vx(0)).sub("SIZE", Content().vec(4, 5, 6).vx(0))
        .sub("ROTA", Content().vec(0, 0, 0).vx(0));
    block.sub("IMAP", header).sub("TMAP", tmap).sub("PROJ", Content().u2(projection))
        .sub("AXIS", Content().u2(axis)).sub("IMAG", Content().vx(clip)).sub("VMAP", Content().s0(uvMap))
        .sub("WRAP", Content().u2(1).u2(1));
    return block;
}

void readSurfaces(Scene& scene, const std::vector<Chunk>& surfaces, const char* tags = nullptr) {
    std::vector<Chunk> chunks;
    if (tags) chunks.push_back(chunk("TAGS", Content().s0(tags).s0("second")));
    chunks.insert(chunks.end(), surfaces.begin(), surfaces.end());
    EXPECT_TRUE(read(objectFile("LWO2", chunks), scene));
}

TEST(Lwo2Surface, BaseColourAndSmoothingOnlyOtherValuesDropped) {
    Content surf;
    surf.s0("Skin").s0("").sub("COLR", Content().vec(0.2f, 0.4f, 0.6f).vx(0)).sub("TRAN", Content().f4(0.5f).vx(0))
        .sub("SMAN", Content().f4(0.75f)).sub("SIDE", Content().u2(3)).sub("XXXX", Content().u4(1));
    Scene scene;
    readSurfaces(scene, {chunk("SURF", surf)}, "Skin");
    const Material& m = scene.materials[0];
    EXPECT_FLOAT_EQ(m.color.r, 0.2f);
    EXPECT_FLOAT_EQ(m.color.b, 0.6f);
    EXPECT_FLOAT_EQ(m.color.a, 1.0f);
    EXPECT_FLOAT_EQ(m.smoothingAngle, 0.75f);
    EXPECT_EQ(m.textureSlots[0], -1);
    EXPECT_FLOAT_EQ(scene.materials[1].color.r, 0.7f);  // untouched
}

TEST(Lwo2Surface, ASurfaceNoTagNamesDescribesTheFirstMaterialAndNoMaterialMeansSkipped) {
    Content surf;
    surf.s0("Nobody").s0("").sub("COLR", Content().vec(0.1f, 0.1f, 0.1f).vx(0));
    Scene scene;
    readSurfaces(scene, {chunk("SURF", surf)}, "first");
    EXPECT_FLOAT_EQ(scene.materials[0].color.r, 0.1f);
    readSurfaces(scene, {chunk("SURF", surf)});
    EXPECT_EQ(scene.materialCount, 0);
}

TEST(Lwo2Surface, ASurfaceDescribesEveryMaterialOfItsName) {
    // The same name tagged as a part and as a surface: polygons carry the second tag.
    Content surf;
    surf.s0("torch").s0("").sub("COLR", Content().vec(0.3f, 0.3f, 0.3f).vx(0))
        .sub("BLOK", colourBlock("COLR", 5, 0, 2, "uv"));
    Content clip;
    clip.u4(2).sub("STIL", Content().s0("torch.png"));
    Scene scene;
    ASSERT_TRUE(read(objectFile("LWO2", {chunk("TAGS", Content().s0("torch").s0("other").s0("torch")),
                                         chunk("SURF", surf), chunk("CLIP", clip)}),
                     scene));
    for (int m : {0, 2}) {
        EXPECT_FLOAT_EQ(scene.materials[m].color.r, 0.3f) << m;
        EXPECT_STREQ(scene.materials[m].uvMapName, "uv") << m;
        EXPECT_EQ(scene.materials[m].textureSlots[0], 0) << m;
    }
    EXPECT_FLOAT_EQ(scene.materials[1].color.r, 0.7f);
}

TEST(Lwo2Surface, ColourLayerSetsProjectionImageAndMapping) {
    Content surf;
    surf.s0("Skin").s0("").sub("BLOK", colourBlock("COLR", 1, 1, 3, "uvmap"));
    Content clip;
    clip.u4(3).sub("STIL", Content().s0("images/skin.png"));
    Scene scene;
    readSurfaces(scene, {chunk("SURF", surf), chunk("CLIP", clip)}, "Skin");
    const Material& m = scene.materials[0];
    EXPECT_EQ(m.projection, 2);
    EXPECT_EQ(m.projectionAxis, 2);
    EXPECT_EQ(m.remap, 3);
    EXPECT_FLOAT_EQ(m.projectionCenter.z, -3.0f);
    EXPECT_FLOAT_EQ(m.projectionSize.z, 6.0f);
    EXPECT_STREQ(m.uvMapName, "uvmap");
    ASSERT_EQ(scene.textureCount, 1);
    EXPECT_STREQ(scene.textures[0].name, "images/skin.png");
    EXPECT_EQ(m.textureSlots[0], 0);
    EXPECT_EQ(m.flags & ColorLayerBit, 0u);  // reader scratch, cleared afterwards
}

TEST(Lwo2Surface, OtherChannelsAndDisabledLayersKeepOnlyMappingAndMapName) {
    Content disabled = Content().s0("\x80").sub("CHAN", Content().id4("COLR")).sub("ENAB", Content().u2(0));
    Content disabledBlock;
    disabledBlock.sub("IMAP", disabled).sub("PROJ", Content().u2(0)).sub("IMAG", Content().vx(1));
    for (const Content& block : {colourBlock("BUMP", 1, 1, 3, "bumpmap"), disabledBlock}) {
        Content surf;
        surf.s0("Skin").s0("").sub("BLOK", block);
        Scene scene;
        readSurfaces(scene, {chunk("SURF", surf)}, "Skin");
        const Material& m = scene.materials[0];
        EXPECT_EQ(m.projection, -1);
        EXPECT_EQ(m.remap, -1);
        EXPECT_EQ(m.projectionAxis, 0);
    }
    Content surf;
    surf.s0("Skin").s0("").sub("BLOK", colourBlock("BUMP", 1, 1, 3, "bumpmap"));
    Scene scene;
    readSurfaces(scene, {chunk("SURF", surf)}, "Skin");
    EXPECT_FLOAT_EQ(scene.materials[0].projectionSize.x, 4.0f);
    EXPECT_STREQ(scene.materials[0].uvMapName, "bumpmap");
}

TEST(Lwo2Surface, ProjectionCodes) {
    const int expected[][2] = {{0, 1}, {1, 2}, {2, 3}, {3, -1}, {4, -1}, {5, 0}, {9, -1}};
    for (const auto& e : expected) {
        Content surf;
        surf.s0("S").s0("").sub("BLOK", colourBlock("COLR", e[0], 2, 0, "uv"));
        Scene scene;
        readSurfaces(scene, {chunk("SURF", surf)}, "S");
        EXPECT_EQ(scene.materials[0].projection, e[1]) << e[0];
        EXPECT_EQ(scene.materials[0].projectionAxis, 4);
    }
}

TEST(Lwo2Surface, ClipsMakeOneTextureperFileForTheMaterialsUsingThem) {
    Content a, b;
    a.s0("first").s0("").sub("BLOK", colourBlock("COLR", 5, 0, 3, "uv"));
    b.s0("second").s0("").sub("BLOK", colourBlock("COLR", 5, 0, 4, "uv"));
    Content clip3, clip4, unused, anim, wild;
    clip3.u4(3).sub("STIL", Content().s0("same.png")).sub("FLAG", Content().u4(0));
    clip4.u4(4).sub("STIL", Content().s0("same.png"));
    unused.u4(9).sub("STIL", Content().s0("never.png"));
    anim.u4(3).sub("ISEQ", Content().raw({0, 0}).u2(0).u2(0).u2(0).u2(0).s0("seq").s0(""));
    wild.u4(0xFFFFFFFFu).sub("STIL", Content().s0("wild.png"));  // no image block uses clip -1
    Scene scene;
    readSurfaces(scene, {chunk("SURF", a), chunk("SURF", b), chunk("CLIP", clip3), chunk("CLIP", clip4),
                                chunk("CLIP", unused), chunk("CLIP", anim), chunk("CLIP", wild)},
                               "first");
    ASSERT_EQ(scene.textureCount, 1);
    EXPECT_STREQ(scene.textures[0].name, "same.png");
    EXPECT_EQ(scene.materials[0].textureSlots[0], 0);
    EXPECT_EQ(scene.materials[1].textureSlots[0], 0);
}

TEST(Lwo2Surface, SubChunksAreReadFromTheirStatedEndWhateverTheirHandlerReads) {
    Content surf;
    surf.s0("S").s0("");
    surf.sub("COLR", Content().vec(0.5f, 0.5f, 0.5f));                          // stated 12: no envelope
    surf.sub("SMAN", Content().f4(0.25f));                                      // still found
    surf.sub("DIFF", Content().f4(1).vx(0).u4(0x12345678));                     // longer than read: skipped
    surf.sub("BLOK", Content().sub("IMAP", Content().s0("\x80").sub("CHAN", Content().id4("COLR")))
                         .sub("PROJ", Content().u2(2)).subStated("AXIS", 0, Content())
                         .sub("IMAG", Content().vx(7)));
    surf.raw({1, 2, 3, 4});  // a remainder of fewer than six bytes
    Scene scene;
    readSurfaces(scene, {chunk("SURF", surf)}, "S");
    const Material& m = scene.materials[0];
    EXPECT_FLOAT_EQ(m.color.g, 0.5f);
    EXPECT_FLOAT_EQ(m.smoothingAngle, 0.25f);
    EXPECT_EQ(m.projection, 3);
    EXPECT_EQ(m.projectionAxis, 0);  // the empty AXIS gave nothing
    EXPECT_EQ(m.remap, 7);
}

TEST(Lwo2Surface, ASubChunkClaimingMoreThanItsSurfaceFailsTheFile) {
    Content surf;
    surf.s0("S").s0("").subStated("COLR", 40, Content().vec(1, 1, 1).vx(0));
    Scene scene;
    EXPECT_FALSE(read(objectFile("LWO2", {chunk("TAGS", Content().s0("S")), chunk("SURF", surf)}), scene));
}

}  // namespace
