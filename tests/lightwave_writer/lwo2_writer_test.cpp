// LWO2 object writer: chunk order and values, corner lists, fixed surface layout, failures.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "lightwave/lwo2_writer.h"
#include "written_file.h"

namespace {

struct MapRecord {
    int point;
    int polygon;  // -1 in a per-point map
    std::vector<float> values;
};

// Records of a "VMAP" or "VMAD" chunk.
std::vector<MapRecord> mapRecords(const FileChunk& chunk) {
    ByteReader in = chunk.reader();
    char type[5];
    std::uint16_t dimension = 0;
    std::string name;
    readId4(in, type);
    readU2(in, &dimension, 1);
    readS0(in, name);
    std::vector<MapRecord> records;
    while (!in.atEnd() && in.ok()) {
        MapRecord record{-1, -1, std::vector<float>(dimension)};
        readVX(in, &record.point);
        if (chunk.id == "VMAD") readVX(in, &record.polygon);
        if (dimension) readF4(in, record.values.data(), dimension);
        records.push_back(record);
    }
    EXPECT_TRUE(in.ok());
    return records;
}

struct Polygon {
    std::vector<int> points;
};

std::vector<Polygon> polygons(const FileChunk& pols) {
    ByteReader in = pols.reader();
    char type[5];
    readId4(in, type);
    EXPECT_STREQ(type, "FACE");
    std::vector<Polygon> result;
    while (!in.atEnd() && in.ok()) {
        std::uint16_t count = 0;
        readU2(in, &count, 1);
        EXPECT_LE(count, 1023) << "flag bits set";
        Polygon polygon;
        for (int i = 0; i < (count & 0x3FF); ++i) {
            int point = -1;
            readVX(in, &point);
            polygon.points.push_back(point);
        }
        result.push_back(polygon);
    }
    EXPECT_TRUE(in.ok());
    return result;
}

// (polygon, tag) pairs of a "PTAG" chunk.
std::vector<std::pair<int, int>> tags(const FileChunk& ptag) {
    ByteReader in = ptag.reader();
    char type[5];
    readId4(in, type);
    std::vector<std::pair<int, int>> result;
    while (!in.atEnd() && in.ok()) {
        int polygon = -1;
        std::uint16_t tag = 0;
        readVX(in, &polygon);
        readU2(in, &tag, 1);
        result.push_back({polygon, tag});
    }
    return result;
}

class Lwo2Writer : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir.file("out.lwo");

    std::vector<FileChunk> write(const Scene& scene) {
        EXPECT_TRUE(writeLwo2File(path.c_str(), scene));
        return readLwo2Chunks(path);
    }
};

TEST_F(Lwo2Writer, WritesTheChunksOfEveryLayerInOrder) {
    Scene scene;
    buildTwoPolygonScene(scene, {0, 1, 2, 0, 2, 3, 4});
    const int second = scene.addObject("Colored");
    SceneObject& object = scene.objects[second];
    for (int i = 0; i < 3; ++i) object.addPoint();
    object.addColor();
    object.addPolygon(3);
    for (int c = 0; c < 3; ++c) {
        object.polygons[0].cornerPoints[c] = c;
        object.polygons[0].cornerColors[c] = 0;
    }
    const std::vector<FileChunk> chunks = write(scene);
    const std::vector<std::string> expected = {
        "TAGS",
        "LAYR", "PNTS", "BBOX", "VMAP TXUV", "VMAP PICK", "POLS", "PTAG PART", "PTAG SURF", "VMAD TXUV",
        "LAYR", "PNTS", "BBOX", "VMAP RGBA", "VMAP PICK", "POLS", "PTAG PART", "PTAG SURF", "VMAD RGBA",
        "CLIP", "SURF"};
    EXPECT_EQ(chunkSequence(chunks), expected);

    // Layer header: number, flags, pivot, name.
    ByteReader layr = findChunk(chunks, "LAYR", 1)->reader();
    std::uint16_t numberAndFlags[2];
    float pivot[3];
    std::string name;
    readU2(layr, numberAndFlags, 2);
    readVec12(layr, pivot, 1);
    readS0(layr, name);
    EXPECT_EQ(numberAndFlags[0], 1);
    EXPECT_EQ(numberAndFlags[1], 0);
    EXPECT_EQ(name, "Colored");
    EXPECT_TRUE(layr.atEnd());

    // Points are world space with z negated; the box spans them.
    ByteReader pnts = findChunk(chunks, "PNTS")->reader();
    ASSERT_EQ(pnts.remaining(), 5u * 12);
    float points[15];
    readVec12(pnts, points, 5);
    EXPECT_EQ(points[12], -1.0f);
    EXPECT_EQ(points[13], 0.5f);
    ByteReader bbox = findChunk(chunks, "BBOX")->reader();
    float box[6];
    readVec12(bbox, box, 2);
    EXPECT_EQ(std::vector<float>(box, box + 6), (std::vector<float>{-1, 0, 0, 1, 1, 0}));

    // Winding is reversed: the triangle (0, 1, 2) is written (2, 1, 0).
    const std::vector<Polygon> faces = polygons(*findChunk(chunks, "POLS"));
    ASSERT_EQ(faces.size(), 2u);
    EXPECT_EQ(faces[0].points, (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(faces[1].points, (std::vector<int>{4, 3, 2, 0}));
    EXPECT_EQ(tags(*findChunk(chunks, "PTAG PART")), (std::vector<std::pair<int, int>>{{0, 0}, {1, 0}}));
    EXPECT_EQ(tags(*findChunk(chunks, "PTAG SURF")), (std::vector<std::pair<int, int>>{{0, 0}, {1, 0}}));

    // Every point has a selection record with value 0.
    const std::vector<MapRecord> pick = mapRecords(*findChunk(chunks, "VMAP PICK"));
    ASSERT_EQ(pick.size(), 5u);
    EXPECT_EQ(pick[4].point, 4);
    EXPECT_EQ(pick[4].values, std::vector<float>{0.0f});
}

struct SlotCase {
    const char* name;
    std::vector<int> cornerUvs;  // triangle (0, 1, 2), then quad (0, 2, 3, 4)
    std::vector<MapRecord> perPoint;
    std::vector<MapRecord> perPolygon;
};

// Texture coordinates: entry e has u = e / 8 and v = 0.25, written as 1 - v.
MapRecord uv(int point, int polygon, int entry) { return {point, polygon, {0.125f * float(entry), 0.75f}}; }

TEST_F(Lwo2Writer, CornerListsChooseBetweenPointAndPolygonMaps) {
    const std::vector<SlotCase> cases = {
        {"shared entries", {0, 1, 2, 0, 2, 3, 4}, {uv(0, -1, 0), uv(1, -1, 1), uv(2, -1, 2), uv(3, -1, 3), uv(4, -1, 4)}, {}},
        {"point 0 split by the quad", {5, 1, 2, 7, 2, 3, 4},
         {uv(0, -1, 5), uv(1, -1, 1), uv(2, -1, 2), uv(3, -1, 3), uv(4, -1, 4)}, {uv(0, 1, 7)}},
        {"equal values, different index", {0, 1, 2, 0, 6, 3, 4},
         {uv(0, -1, 0), uv(1, -1, 1), uv(2, -1, 2), uv(3, -1, 3), uv(4, -1, 4)}, {{2, 1, {0.25f, 0.75f}}}},
        {"points without entries", {-1, 1, -1, -1, 2, 3, 4}, {uv(1, -1, 1), uv(2, -1, 2), uv(3, -1, 3), uv(4, -1, 4)}, {}},
    };
    for (const SlotCase& c : cases) {
        Scene scene;
        buildTwoPolygonScene(scene, c.cornerUvs);
        scene.objects[0].uvs[6].set(0.25f, 0.25f);  // same value as entry 2
        const std::vector<FileChunk> chunks = write(scene);
        const auto equal = [](const std::vector<MapRecord>& a, const std::vector<MapRecord>& b) {
            if (a.size() != b.size()) return false;
            for (std::size_t i = 0; i < a.size(); ++i)
                if (a[i].point != b[i].point || a[i].polygon != b[i].polygon || a[i].values != b[i].values) return false;
            return true;
        };
        EXPECT_TRUE(equal(mapRecords(*findChunk(chunks, "VMAP TXUV")), c.perPoint)) << c.name;
        EXPECT_TRUE(equal(mapRecords(*findChunk(chunks, "VMAD TXUV")), c.perPolygon)) << c.name;
        EXPECT_EQ(mapRecords(*findChunk(chunks, "VMAP PICK")).size(), 5u) << c.name;
    }
}

// Three triangles around point 0 with entries (5, 7, 5) and (5, 7, 7) at that point.
TEST_F(Lwo2Writer, LaterCornersTakeSlotsUnlessTheyRepeatTheFirst) {
    for (const auto& [entries, expectedPolygons] :
         std::vector<std::pair<std::vector<int>, std::vector<int>>>{{{5, 7, 5}, {1}}, {{5, 7, 7}, {1, 2}}}) {
        Scene scene;
        const int o = scene.addObject("Fan");
        SceneObject& object = scene.objects[o];
        for (int i = 0; i < 4; ++i) object.addPoint();
        for (int i = 0; i < 8; ++i) object.addUv();
        for (int p = 0; p < 3; ++p) {
            object.addPolygon(3);
            const int corners[3] = {0, 1 + p, 1 + (p + 1) % 3};
            for (int c = 0; c < 3; ++c) object.polygons[p].cornerPoints[c] = corners[c];
            object.polygons[p].cornerUvs[0] = entries[std::size_t(p)];
        }
        const std::vector<FileChunk> chunks = write(scene);
        const std::vector<MapRecord> perPoint = mapRecords(*findChunk(chunks, "VMAP TXUV"));
        ASSERT_EQ(perPoint.size(), 1u);
        EXPECT_EQ(perPoint[0].point, 0);
        std::vector<int> polygonsOfPoint0;
        for (const MapRecord& record : mapRecords(*findChunk(chunks, "VMAD TXUV"))) {
            EXPECT_EQ(record.point, 0);
            polygonsOfPoint0.push_back(record.polygon);
        }
        EXPECT_EQ(polygonsOfPoint0, expectedPolygons);
    }
}

// The image block's sub-chunk lengths, walked as a reader would.
TEST_F(Lwo2Writer, SurfaceAndClipHaveTheirFixedLayout) {
    Scene scene;
    buildTwoPolygonScene(scene, {0, 1, 2, 0, 2, 3, 4});
    scene.addTexture("odd.png");  // 7 characters: STIL length 8
    scene.addMaterial("Plain");   // no texture: IMAG 0
    const std::vector<FileChunk> chunks = write(scene);

    for (const auto& [index, name, stil] : std::vector<std::tuple<int, std::string, int>>{{0, "tex/a.png", 10}, {1, "odd.png", 8}}) {
        ByteReader clip = findChunk(chunks, "CLIP", index)->reader();
        std::uint32_t number = 0;
        char id[5];
        std::uint16_t length = 0;
        std::string text;
        readU4(clip, &number, 1);
        readId4(clip, id);
        readU2(clip, &length, 1);
        EXPECT_EQ(number, std::uint32_t(index + 1));
        EXPECT_STREQ(id, "STIL");
        EXPECT_EQ(length, stil);
        EXPECT_EQ(readS0(clip, text), stil);
        EXPECT_EQ(text, name);
        EXPECT_TRUE(clip.atEnd());
    }

    const std::vector<std::pair<std::string, int>> surfaceLayout = {{"COLR", 14}, {"VCOL", 24}, {"SMAN", 4}, {"BLOK", 254}};
    const std::vector<std::pair<std::string, int>> blockLayout = {
        {"IMAP", 42}, {"TMAP", 98}, {"PROJ", 2}, {"AXIS", 2}, {"IMAG", 2}, {"WRAP", 4},
        {"WRPW", 6},  {"WRPH", 6},  {"VMAP", 18}, {"AAST", 6}, {"PIXB", 2}};
    const std::vector<std::pair<std::string, int>> imapLayout = {{"CHAN", 4}, {"OPAC", 8}, {"ENAB", 2}, {"NEGA", 2}};
    const std::vector<std::pair<std::string, int>> tmapLayout = {{"CNTR", 14}, {"SIZE", 14}, {"ROTA", 14},
                                                                 {"FALL", 16}, {"OREF", 2},  {"CSYS", 2}};
    // Walks sub-chunks; returns the content reader of each, checking identifiers and lengths.
    const auto walk = [](ByteReader& in, const std::vector<std::pair<std::string, int>>& layout) {
        std::vector<ByteReader> contents;
        for (const auto& [id, length] : layout) {
            char found[5];
            std::uint16_t stated = 0;
            ByteReader content;
            readId4(in, found);
            readU2(in, &stated, 1);
            EXPECT_EQ(found, id);
            EXPECT_EQ(stated, length) << id;
            EXPECT_TRUE(in.takeBytes(stated, content)) << id;
            contents.push_back(content);
        }
        EXPECT_TRUE(in.atEnd());
        return contents;
    };
    for (const auto& [index, name, clip] : std::vector<std::tuple<int, std::string, int>>{{0, "Red", 1}, {1, "Plain", 0}}) {
        ByteReader surf = findChunk(chunks, "SURF", index)->reader();
        std::string surfaceName, sourceName;
        readS0(surf, surfaceName);
        readS0(surf, sourceName);
        EXPECT_EQ(surfaceName, name);
        EXPECT_EQ(sourceName, name);
        std::vector<ByteReader> parts = walk(surf, surfaceLayout);
        float color[3];
        readVec12(parts[0], color, 1);
        EXPECT_EQ(color[0], index == 0 ? 1.0f : 0.7f);
        float smoothing = 0;
        readF4(parts[2], &smoothing, 1);
        EXPECT_FLOAT_EQ(smoothing, 1.0384710f);
        std::vector<ByteReader> block = walk(parts[3], blockLayout);
        std::uint16_t ordinal = 0;
        readU2(block[0], &ordinal, 1);
        EXPECT_EQ(ordinal, 0x80);
        walk(block[0], imapLayout);
        walk(block[1], tmapLayout);
        std::uint16_t image = 0xFFFF;
        readU2(block[4], &image, 1);
        EXPECT_EQ(image, clip);
    }
}

TEST_F(Lwo2Writer, TheCallersSceneIsNotChanged) {
    Scene scene;
    buildTwoPolygonScene(scene, {0, 1, 2, 0, 2, 3, 4}, false);
    SceneObject& object = scene.objects[0];
    object.transform.worldMatrix.m[3][2] = 10.0f;  // baked into the written points only
    const int edge = object.addEdge();
    object.edges[edge].pointA = 3;
    object.edges[edge].pointB = 4;
    const std::vector<FileChunk> chunks = write(scene);
    float points[15];
    ByteReader pnts = findChunk(chunks, "PNTS")->reader();
    readVec12(pnts, points, 5);
    EXPECT_EQ(points[2], -10.0f);
    EXPECT_EQ(scene.materialCount, 0);
    EXPECT_EQ(object.polygonCount, 2);
    EXPECT_EQ(object.edgeCount, 1);
    EXPECT_EQ(object.polygons[0].cornerPoints[0], 0);
    EXPECT_EQ(object.polygons[1].material, -1);
    EXPECT_EQ(object.uvs[1].v, 0.25f);
    EXPECT_EQ(object.points[4].position.z, 0.0f);
    EXPECT_EQ(object.transform.worldMatrix.m[3][2], 10.0f);
    EXPECT_EQ(scene.axisZ, 5);
}

TEST_F(Lwo2Writer, DefaultSurfaceAndFreeEdgesAsLines) {
    Scene scene;
    buildTwoPolygonScene(scene, {0, 1, 2, 0, 2, 3, 4}, false);
    SceneObject& object = scene.objects[0];
    const int edge = object.addEdge();  // used by no polygon
    object.edges[edge].pointA = 3;
    object.edges[edge].pointB = 4;
    const std::vector<FileChunk> chunks = write(scene);
    ByteReader tagsChunk = findChunk(chunks, "TAGS")->reader();
    std::string name;
    readS0(tagsChunk, name);
    EXPECT_EQ(name, "NoMaterial");
    EXPECT_TRUE(tagsChunk.atEnd());
    const std::vector<Polygon> faces = polygons(*findChunk(chunks, "POLS"));
    ASSERT_EQ(faces.size(), 3u);
    EXPECT_EQ(faces[2].points, (std::vector<int>{4, 3}));
    // The line has a part but no surface.
    EXPECT_EQ(tags(*findChunk(chunks, "PTAG PART")).size(), 3u);
    EXPECT_EQ(tags(*findChunk(chunks, "PTAG SURF")), (std::vector<std::pair<int, int>>{{0, 0}, {1, 0}}));
    EXPECT_EQ(findChunk(chunks, "CLIP"), nullptr);
}

// A polygon beyond the 10-bit corner count is written as a fan of pieces around its first corner.
TEST_F(Lwo2Writer, LargePolygonsAreSplitIntoValidPieces) {
    const int n = 2500;
    Scene scene;
    const int o = scene.addObject("Disc");
    SceneObject& object = scene.objects[o];
    object.resizePoints(n);
    object.resizeUvs(n + 1);
    for (int i = 0; i <= n; ++i) {
        const int e = object.addUv();
        object.uvs[e].set(float(i), 0.0f);
    }
    for (int i = 0; i < n; ++i) object.addPoint();
    // A triangle first gives point n - 1 another entry, so each disc piece needs its own VMAD record.
    object.addPolygon(3);
    const int triangle[3] = {n - 1, 1, 2};
    for (int c = 0; c < 3; ++c) object.polygons[0].cornerPoints[c] = triangle[c];
    object.polygons[0].cornerUvs[0] = n;
    object.addPolygon(n);
    for (int c = 0; c < n; ++c) {
        object.polygons[1].cornerPoints[c] = c;
        object.polygons[1].cornerUvs[c] = c;
    }

    const std::vector<FileChunk> chunks = write(scene);
    const std::vector<Polygon> faces = polygons(*findChunk(chunks, "POLS"));
    // The triangle, then the disc's pieces; the disc reversed runs n-1, n-2, ..., 0.
    ASSERT_EQ(faces.size(), 4u);
    std::vector<int> edgesSeen(std::size_t(n), 0);  // outline edge (c + 1, c) counted at c
    for (std::size_t f = 1; f < faces.size(); ++f) {
        const std::vector<int>& pts = faces[f].points;
        ASSERT_LE(pts.size(), 1023u);
        ASSERT_GE(pts.size(), 3u);
        EXPECT_EQ(pts[0], n - 1);  // every piece starts at the shared first corner
        for (std::size_t i = 1; i + 1 < pts.size(); ++i) {
            EXPECT_EQ(pts[i + 1], pts[i] - 1);
            ++edgesSeen[std::size_t(pts[i + 1])];
        }
    }
    EXPECT_EQ(faces[1].points[1], n - 2);
    EXPECT_EQ(faces.back().points.back(), 0);
    for (int c = 0; c <= n - 3; ++c) EXPECT_EQ(edgesSeen[std::size_t(c)], 1) << c;  // each edge in one piece
    EXPECT_EQ(tags(*findChunk(chunks, "PTAG SURF")).size(), 4u);

    std::vector<int> piecesWithRecord;
    for (const MapRecord& r : mapRecords(*findChunk(chunks, "VMAD TXUV"))) {
        EXPECT_EQ(r.point, n - 1);
        EXPECT_EQ(r.values[0], float(n - 1));
        piecesWithRecord.push_back(r.polygon);
    }
    EXPECT_EQ(piecesWithRecord, (std::vector<int>{1, 2, 3}));
}

TEST_F(Lwo2Writer, FailuresReturnFalse) {
    Scene good;
    buildTwoPolygonScene(good, {0, 1, 2, 0, 2, 3, 4});
    EXPECT_FALSE(writeLwo2File(dir.file("missing/dir/out.lwo").c_str(), good));
    EXPECT_FALSE(writeLwo2File(nullptr, good));
    // A full disk: opening works, writing does not.
    if (fileExists("/dev/full")) {
        EXPECT_FALSE(writeLwo2File("/dev/full", good));
    }

    const std::vector<std::pair<const char*, std::function<void(Scene&)>>> broken = {
        {"corner without point", [](Scene& s) { s.objects[0].polygons[0].cornerPoints[1] = -1; }},
        {"corner point past the end", [](Scene& s) { s.objects[0].polygons[0].cornerPoints[1] = 5; }},
        {"texture entry past the end", [](Scene& s) { s.objects[0].polygons[1].cornerUvs[0] = 8; }},
        {"edge past the end", [](Scene& s) { s.objects[0].polygons[1].cornerEdges[0] = 0; }},
        {"edge end without point", [](Scene& s) {
             const int e = s.objects[0].addEdge();
             s.objects[0].edges[e].pointB = 9;
         }},
        {"material past the end", [](Scene& s) { s.objects[0].polygons[1].material = 1; }},
        {"texture past the end", [](Scene& s) { s.materials[0].textureSlots[0] = 1; }},
        {"more tags than a U2 names", [](Scene& s) { for (int i = 0; i < 65536; ++i) s.addMaterial("m"); }},
    };
    for (const auto& [name, breakIt] : broken) {
        Scene scene;
        buildTwoPolygonScene(scene, {0, 1, 2, 0, 2, 3, 4});
        breakIt(scene);
        const std::string target = dir.file(std::string(name) + ".lwo");
        EXPECT_FALSE(writeLwo2File(target.c_str(), scene)) << name;
        EXPECT_FALSE(fileExists(target)) << name;
    }
}

TEST_F(Lwo2Writer, EmptyObjectsWriteEmptyChunks) {
    Scene scene;
    scene.addObject("Empty");
    const std::vector<FileChunk> chunks = write(scene);
    EXPECT_EQ(chunkSequence(chunks), (std::vector<std::string>{"TAGS", "LAYR", "PNTS", "BBOX", "VMAP PICK", "POLS",
                                                               "PTAG PART", "PTAG SURF", "SURF"}));
    EXPECT_EQ(findChunk(chunks, "PNTS")->content.size(), 0u);
    EXPECT_EQ(findChunk(chunks, "BBOX")->content, std::vector<std::uint8_t>(24, 0));
    EXPECT_EQ(findChunk(chunks, "POLS")->content.size(), 4u);
    EXPECT_EQ(findChunk(chunks, "PTAG SURF")->content.size(), 4u);
}

}  // namespace
