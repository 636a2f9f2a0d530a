// LWO2 layers, points, polygons and tags; the envelope and what ends a file.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "lightwave/lwo2_reader.h"
#include "lightwave/object_reader.h"
#include "object_bytes.h"

namespace {

bool read(const Bytes& bytes, Scene& scene) { return readLightWaveObjectMemory(bytes.data(), bytes.size(), scene); }

std::vector<int> cornerPoints(const MeshPolygon& p) { return std::vector<int>(p.cornerPoints, p.cornerPoints + p.cornerCount); }

std::vector<Chunk> cubeChunks(const char* layer = "Cube") {
    Content tags, ptag;
    tags.s0("Box");
    ptag.id4("SURF");
    for (int i = 0; i < 6; ++i) ptag.vx(i).u2(0);
    return {chunk("TAGS", tags), chunk("LAYR", Content().u2(0).u2(0).vec(0, 0, 0).s0(layer)),
            chunk("PNTS", cubePoints()), chunk("BBOX", Content().vec(0, 0, 1).vec(1, 1, 2)),
            chunk("POLS", cubeFaces()), chunk("PTAG", ptag)};
}

TEST(Lwo2Reader, ReadsOneLayerCubeWithItsTag) {
    Scene scene;
    ASSERT_TRUE(read(objectFile("LWO2", cubeChunks()), scene));
    ASSERT_EQ(scene.objectCount, 1);
    const SceneObject& cube = scene.objects[0];
    EXPECT_STREQ(cube.name, "Cube");
    ASSERT_EQ(cube.pointCount, 8);
    EXPECT_FLOAT_EQ(cube.points[5].position.x, 1.0f);
    EXPECT_FLOAT_EQ(cube.points[5].position.z, -2.0f);  // z is turned around
    ASSERT_EQ(cube.polygonCount, 6);
    for (int p = 0; p < 6; ++p) EXPECT_EQ(cube.polygons[p].material, 0);
    // LightWave's corner order is reversed into the model's.
    EXPECT_EQ(cornerPoints(cube.polygons[0]), (std::vector<int>{2, 3, 1, 0}));
    ASSERT_EQ(scene.materialCount, 1);
    EXPECT_STREQ(scene.materials[0].name, "Box");
    EXPECT_EQ(scene.axisX, 0);
    EXPECT_EQ(scene.axisZ, 5);
}

TEST(Lwo2Reader, ReadsFromAFileAndRefusesMissingOrForeignFiles) {
    const std::string path = ::testing::TempDir() + "lwo2_reader_cube.lwo";
    const Bytes bytes = objectFile("LWO2", cubeChunks());
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    Scene scene;
    EXPECT_TRUE(readLwo2File(path.c_str(), scene));
    EXPECT_EQ(scene.objects[0].polygonCount, 6);
    EXPECT_TRUE(readLightWaveObject(path.c_str(), scene));
    EXPECT_EQ(scene.objects[0].polygonCount, 6);
    std::remove(path.c_str());

    scene.addMaterial("kept");
    EXPECT_FALSE(readLightWaveObject(path.c_str(), scene));
    EXPECT_EQ(scene.materialCount, 2);  // a file that cannot be opened leaves the scene alone
    EXPECT_FALSE(readLightWaveObject(::testing::TempDir().c_str(), scene));  // a folder
}

TEST(Lwo2Reader, EveryLayerIsAnObjectAndTagsAddressItsOwnPolygons) {
    std::vector<Chunk> chunks = cubeChunks("");
    Content triangle, ptag;
    triangle.id4("FACE").u2(3).vx(0).vx(1).vx(2);
    ptag.id4("SURF").vx(0).u2(1);
    chunks[0] = chunk("TAGS", Content().s0("Box").s0("Tri"));
    chunks.push_back(chunk("LAYR", Content().u2(1).u2(0).vec(0, 0, 0).s0("Second").u2(0)));  // with a parent
    chunks.push_back(chunk("PNTS", Content().vec(0, 0, 0).vec(1, 0, 0).vec(0, 1, 0)));
    chunks.push_back(chunk("POLS", triangle));
    chunks.push_back(chunk("PTAG", ptag));
    Scene scene;
    ASSERT_TRUE(read(objectFile("LWO2", chunks), scene));
    ASSERT_EQ(scene.objectCount, 2);
    EXPECT_STREQ(scene.objects[0].name, "obj_00");  // an unnamed layer gets the default name
    EXPECT_STREQ(scene.objects[1].name, "Second");
    EXPECT_EQ(scene.objects[0].polygonCount, 6);
    EXPECT_EQ(scene.objects[0].polygons[0].material, 0);
    ASSERT_EQ(scene.objects[1].polygonCount, 1);
    EXPECT_EQ(scene.objects[1].polygons[0].material, 1);
    EXPECT_EQ(cornerPoints(scene.objects[1].polygons[0]), (std::vector<int>{2, 1, 0}));
}

TEST(Lwo2Reader, PolygonFlagsPartTagsAndEveryTagAMaterial) {
    Content pols, part;
    pols.id4("PTCH").u2(0x8004).vx(0).vx(1).vx(2).vx(3);  // flag bits above the corner count
    part.id4("PART").vx(0).u2(0);
    Scene scene;
    ASSERT_TRUE(read(objectFile("LWO2", {chunk("TAGS", Content().s0("part a").s0("part b")),
                                         chunk("LAYR", Content().u2(0).u2(0).vec(0, 0, 0).s0("L")),
                                         chunk("PNTS", cubePoints()), chunk("POLS", pols), chunk("PTAG", part)}),
                     scene));
    ASSERT_EQ(scene.objects[0].polygonCount, 1);
    EXPECT_EQ(scene.objects[0].polygons[0].cornerCount, 4);
    EXPECT_EQ(scene.objects[0].polygons[0].material, -1);  // part tags set no material
    EXPECT_EQ(scene.materialCount, 2);
}

TEST(Lwo2Reader, RepeatedCornersAreRemovedAndTooSmallPolygonsDropped) {
    Content pols;
    pols.id4("FACE");
    pols.u2(4).vx(0).vx(0).vx(1).vx(2);  // a repeated corner: a triangle remains
    pols.u2(3).vx(0).vx(1).vx(0);        // two distinct corners: removed
    pols.u2(2).vx(3).vx(4);              // a line: removed
    pols.u2(1).vx(5);
    pols.u2(0);
    pols.u2(3).vx(4).vx(5).vx(6);
    Scene scene;
    ASSERT_TRUE(read(objectFile("LWO2", {chunk("LAYR", Content().u2(0).u2(0).vec(0, 0, 0).s0("L")),
                                         chunk("PNTS", cubePoints()), chunk("POLS", pols)}),
                     scene));
    const SceneObject& o = scene.objects[0];
    ASSERT_EQ(o.polygonCount, 2);
    EXPECT_EQ(cornerPoints(o.polygons[0]), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(cornerPoints(o.polygons[1]), (std::vector<int>{6, 5, 4}));
}

TEST(Lwo2Reader, FailsOnMalformedChunksAndForeignEnvelopes) {
    const Content layer = Content().u2(0).u2(0).vec(0, 0, 0).s0("L");
    Content pointsOf40;
    for (int i = 0; i < 10; ++i) pointsOf40.f4(0);
    Content runaway;
    runaway.id4("FACE").u2(3).vx(0).vx(1);  // the third corner is missing
    const Bytes cube = objectFile("LWO2", cubeChunks());
    struct Case {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"empty file", {}},
        {"not a FORM", Bytes{'F', 'O', 'R', 'N', 0, 0, 0, 4, 'L', 'W', 'O', '2'}},
        {"LWO3 form type", objectFile("LWO3", cubeChunks())},
        {"points not a multiple of 12", objectFile("LWO2", {chunk("LAYR", layer), chunk("PNTS", pointsOf40)})},
        {"layer with trailing bytes", objectFile("LWO2", {chunk("LAYR", Content().raw(layer.bytes()).u4(0))})},
        {"polygon running past its chunk", objectFile("LWO2", {chunk("LAYR", layer), chunk("POLS", runaway)})},
        {"tag without terminator", objectFile("LWO2", {chunk("TAGS", Content().raw({'a', 'b'}))})},
        {"file ending inside a chunk", Bytes(cube.begin(), cube.end() - 3)},
        {"file ending inside a chunk header", Bytes(cube.begin(), cube.begin() + 12 + 4)},
        {"chunk claiming 4 GB", objectFile("LWO2", {chunkStated("BBOX", 0xFFFFFFF0LL, Content().vec(0, 0, 0))})},
    };
    for (const Case& c : cases) {
        Scene scene;
        EXPECT_FALSE(read(c.bytes, scene)) << c.what;
        EXPECT_FALSE(readLwo2Memory(c.bytes.data(), c.bytes.size(), scene)) << c.what;
    }
}

TEST(Lwo2Reader, AFileEndingAtAChunkBoundaryBeforeItsFormSizeIsComplete) {
    Scene scene;
    ASSERT_TRUE(read(objectFile("LWO2", cubeChunks(), 100000), scene));
    EXPECT_EQ(scene.objects[0].polygonCount, 6);
    // A FORM size smaller than the file ends the reading there.
    const std::vector<Chunk> chunks = cubeChunks();
    const Bytes tagsOnly = objectFile("LWO2", {chunks[0]});
    ASSERT_TRUE(read(objectFile("LWO2", chunks, (long long)tagsOnly.size() - 8), scene));
    EXPECT_EQ(scene.objectCount, 0);
    EXPECT_EQ(scene.materialCount, 1);
}

TEST(Lwo2Reader, GeometryBeforeTheFirstLayerGoesToAnObjectOfItsOwn) {
    Content uv;
    uv.id4("TXUV").u2(2).s0("uv").vx(0).f4(0.5f).f4(0.5f);
    Content pols;
    pols.id4("FACE").u2(3).vx(0).vx(1).vx(2);
    Scene scene;
    ASSERT_TRUE(read(objectFile("LWO2", {chunk("PNTS", Content().vec(0, 0, 0).vec(1, 0, 0).vec(0, 1, 0)),
                                         chunk("POLS", pols), chunk("VMAP", uv),
                                         chunk("LAYR", Content().u2(0).u2(0).vec(0, 0, 0).s0("Layer")),
                                         chunk("PNTS", cubePoints()), chunk("POLS", cubeFaces())}),
                     scene));
    ASSERT_EQ(scene.objectCount, 2);
    EXPECT_EQ(scene.objects[0].pointCount, 3);
    ASSERT_EQ(scene.objects[0].polygonCount, 1);
    EXPECT_EQ(scene.objects[0].uvCount, 1);  // the map before the layer reached the first object
    EXPECT_EQ(scene.objects[0].polygons[0].cornerUvs[2], 0);
    EXPECT_STREQ(scene.objects[1].name, "Layer");
    EXPECT_EQ(scene.objects[1].pointCount, 8);
    EXPECT_EQ(scene.objects[1].polygonCount, 6);
}

TEST(Lwo2Reader, IndicesOutsideTheirArraysAreSkipped) {
    Content pols, ptag;
    pols.id4("FACE").u2(3).vx(0).vx(1).vx(2).u2(3).vx(0).vx(1).vx(70000).u2(3).vx(1).vx(2).vx(3);
    ptag.id4("SURF").vx(0).u2(0).vx(2).u2(7).vx(9).u2(0).vx(70000).u2(0);
    Scene scene;
    ASSERT_TRUE(read(objectFile("LWO2", {chunk("TAGS", Content().s0("only")),
                                         chunk("LAYR", Content().u2(0).u2(0).vec(0, 0, 0).s0("L")),
                                         chunk("PNTS", Content().vec(0, 0, 0).vec(1, 0, 0).vec(0, 1, 0).vec(1, 1, 0)),
                                         chunk("POLS", pols), chunk("PTAG", ptag)}),
                     scene));
    const SceneObject& o = scene.objects[0];
    ASSERT_EQ(o.polygonCount, 2);  // the polygon naming a missing point is dropped
    EXPECT_EQ(o.polygons[0].material, 0);
    EXPECT_EQ(o.polygons[1].material, -1);  // tag 7 names no material
    EXPECT_EQ(cornerPoints(o.polygons[1]), (std::vector<int>{3, 2, 1}));
}

}  // namespace
