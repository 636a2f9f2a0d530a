// Every LightWave object of the corpus imported into the host and exported again as LWO2, through
// the host program and the plug-in libraries, compared with what our reader reads from the source.
//
// What the round trip keeps, per layer: every polygon as the cyclic sequence of its corner
// positions (same winding, any first corner) with its surface. What legitimately changes:
// - the host holds triangles, so a polygon comes back whole only where its fan diagonals can be
//   told apart from every other edge (see host_mesh_limits.h). Where they cannot, the polygon
//   comes back in pieces; the pieces lie on the polygon's own corners and cover the same oriented
//   area, which is checked instead;
// - lines and single points never reach the host, and polygons whose corners collapse are dropped,
//   but our reader already drops all of them, so the reference holds none;
// - a polygon without a surface arrives in the host with material id 0 and comes back with the
//   first surface (scene_shapes.h);
// - texture coordinates come back corner by corner, but the host gives every triangle of a mesh
//   with texture vertices a texture face: a corner that had none in an object that has some comes
//   back with the object's first texture coordinate (the index the host's faces start with);
// - only surfaces that polygons use reach the host's faces, so surfaces no polygon uses are not
//   written; the used ones keep their names, colours and images.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <set>
#include <tuple>

#include "corpus_files.h"
#include "host_mesh_limits.h"
#include "lightwave/lwo2_writer.h"
#include "lightwave/object_reader.h"
#include "plughost_runner.h"
#include "scene_shapes.h"

namespace fs = std::filesystem;

namespace {

constexpr float positionTolerance = 1e-4f;  // for texture coordinates too
constexpr float colourTolerance = 1e-5f;

std::string listed(const std::vector<PolygonShape>& polygons, size_t most = 6) {
    std::string text;
    for (size_t i = 0; i < polygons.size() && i < most; ++i) text += "  " + describe(polygons[i]) + "\n";
    if (polygons.size() > most) text += "  ... " + std::to_string(polygons.size() - most) + " more\n";
    return text;
}

std::string listed(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += "  " + line + "\n";
    return text;
}

// Polygons the host cannot hand back whole come back as pieces: polygons on the same corners,
// with the same surfaces, that together cover the same oriented area.
void expectPiecesOf(const std::vector<PolygonShape>& split, const std::vector<PolygonShape>& pieces) {
    std::map<std::string, std::vector<std::vector<Vec3>>> splitBySurface, piecesBySurface;
    std::set<std::tuple<float, float, float>> corners;
    double scale = 1.0;
    for (const PolygonShape& p : split) {
        splitBySurface[p.surface].push_back(p.corners);
        for (const Vec3& c : p.corners) corners.emplace(c.x, c.y, c.z);
        const Vec3 area = orientedArea({p.corners});
        scale += std::fabs(area.x) + std::fabs(area.y) + std::fabs(area.z);
    }
    for (const PolygonShape& p : pieces) {
        piecesBySurface[p.surface].push_back(p.corners);
        for (const Vec3& c : p.corners)
            EXPECT_TRUE(corners.count({c.x, c.y, c.z})) << "a piece has a corner of no split polygon: " << describe(p);
    }
    for (auto& [surface, outlines] : splitBySurface) {
        const Vec3 want = orientedArea(outlines), got = orientedArea(piecesBySurface[surface]);
        const double tolerance = 1e-4 * scale;
        EXPECT_NEAR(got.x, want.x, tolerance) << "surface " << surface;
        EXPECT_NEAR(got.y, want.y, tolerance) << "surface " << surface;
        EXPECT_NEAR(got.z, want.z, tolerance) << "surface " << surface;
    }
    for (const auto& entry : piecesBySurface)
        EXPECT_TRUE(splitBySurface.count(entry.first)) << "pieces on surface " << entry.first;
}

// The reference's polygons as the host hands them back: corners without a texture coordinate in
// an object with texture coordinates get the object's first one.
std::vector<LayerShape> expectedShapes(const Scene& reference) {
    std::vector<LayerShape> layers = layerShapes(reference);
    for (size_t o = 0; o < layers.size(); ++o) {
        const SceneObject& object = reference.objects[o];
        if (object.uvCount == 0) continue;
        for (PolygonShape& polygon : layers[o].polygons)
            for (CornerUv& uv : polygon.uvs)
                if (!uv.present) uv = {true, object.uvs[0].u, object.uvs[0].v};
    }
    return layers;
}

// Converts `source` to LWO2 through the host program and checks what came back.
void expectRoundTripKeepsShapes(const fs::path& source, const fs::path& folder) {
    const fs::path output = folder / "round_trip.lwo";
    Scene reference;
    const bool accepted = readLightWaveObject(source.c_str(), reference);
    const PlughostRun run = runPlughost({"convert", source.string(), output.string()}, folder);
    ASSERT_FALSE(run.crashed()) << "signal " << run.signal << "\n" << run.err;

    if (!accepted) {
        // A file our reader declines is refused by the host with one line and no output file.
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.errorLines(), 1) << run.err;
        EXPECT_FALSE(fs::exists(output));
        return;
    }
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "");

    Scene result;
    ASSERT_TRUE(readLightWaveObject(output.c_str(), result)) << "the exported file does not read back";

    const std::vector<LayerShape> want = expectedShapes(reference), got = layerShapes(result);
    ASSERT_EQ(got.size(), want.size()) << "one layer per layer, empty layers included";
    for (size_t layer = 0; layer < want.size(); ++layer) {
        SCOPED_TRACE("layer " + std::to_string(layer) + " '" + want[layer].name + "'");
        EXPECT_EQ(got[layer].name, want[layer].name);
        std::vector<PolygonShape> whole, split;
        for (const PolygonShape& p : want[layer].polygons) (p.carriedWhole ? whole : split).push_back(p);
        const PolygonMatch match = matchPolygons(whole, got[layer].polygons, positionTolerance);
        EXPECT_TRUE(match.missing.empty()) << match.missing.size() << " of " << whole.size()
                                           << " polygons did not come back whole:\n"
                                           << listed(match.missing);
        if (split.empty())
            EXPECT_TRUE(match.unexpected.empty()) << "polygons that were not in the source:\n"
                                                  << listed(match.unexpected);
        else
            expectPiecesOf(split, match.unexpected);
    }
    const auto surfaces = surfaceDifferences(usedSurfaceLooks(reference), allSurfaceLooks(result), colourTolerance);
    EXPECT_TRUE(surfaces.empty()) << listed(surfaces);
}

class LightWaveRoundTrip : public testing::TestWithParam<CorpusFile> {};

TEST_P(LightWaveRoundTrip, KeepsPolygonsAndSurfaces) {
    ScratchFolder folder(GetParam().testName);
    expectRoundTripKeepsShapes(withExtension(GetParam().path, ".lwo", folder.path()), folder.path());
}

INSTANTIATE_TEST_SUITE_P(Corpus, LightWaveRoundTrip, testing::ValuesIn(lightWaveObjectFiles()),
                         [](const testing::TestParamInfo<CorpusFile>& info) { return info.param.testName; });

// A polygon that passes through its first corner twice (a square with a triangular hole pinched
// onto its corner A) beside a quad that shares its side A-D. The pinched polygon's fan has
// triangles with two corners on A, which the host keeps as degenerate faces; they must not make
// the shared side look hidden, or the quad is merged into the pinched polygon's pieces.
TEST(LightWaveRoundTripFixture, QuadBesideAPinchedPolygonComesBackWhole) {
    ScratchFolder folder("pinched");
    Scene scene;
    const int o = scene.addObject("Pinched");
    SceneObject& object = scene.objects[o];
    const float points[][2] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}, {1, 1}, {1, 3}, {3, 1}, {-4, 4}, {-4, 0}};
    for (const auto& xy : points) {
        const int p = object.addPoint();
        object.points[p].position.set(xy[0], xy[1], 0);
    }
    // A B C D A H1 H2 H3: the outline A-B-C-D back to A, then the hole A-H1-H2-H3 back to A.
    const std::vector<std::vector<int>> polygons = {{0, 1, 2, 3, 0, 4, 5, 6}, {0, 3, 7, 8}};
    for (size_t i = 0; i < polygons.size(); ++i) {
        const int f = object.addPolygon(int(polygons[i].size()));
        for (size_t c = 0; c < polygons[i].size(); ++c) object.polygons[f].cornerPoints[c] = polygons[i][c];
        object.polygons[f].material = int(i);
    }
    scene.addMaterial("Pinched");
    scene.addMaterial("Neighbour");
    const fs::path source = folder / "pinched.lwo";
    ASSERT_TRUE(writeLwo2File(source.c_str(), scene));

    Scene reference;
    ASSERT_TRUE(readLightWaveObject(source.c_str(), reference));
    const std::vector<bool> carried = polygonsCarriedWhole(reference.objects[0]);
    ASSERT_EQ(carried, (std::vector<bool>{false, true})) << "the fixture no longer shows the case";
    expectRoundTripKeepsShapes(source, folder.path());
}

// What changes on the way, made visible on a small object: a concave eight-corner polygon comes
// back whole (the merge follows hidden edges, not geometry), an empty layer stays a layer, and a
// surface that no polygon uses is not written.
TEST(LightWaveRoundTripFixture, ConcavePolygonWholeEmptyLayerKeptUnusedSurfaceDropped) {
    ScratchFolder folder("changes");
    Scene scene;
    const int o = scene.addObject("Shapes");
    scene.addObject("Empty");
    SceneObject& object = scene.objects[o];
    // A "C": concave, its fan from the first corner leaves the outline.
    const float points[][2] = {{0, 0}, {3, 0}, {3, 1}, {1, 1}, {1, 2}, {3, 2}, {3, 3}, {0, 3}};
    for (const auto& xy : points) {
        const int p = object.addPoint();
        object.points[p].position.set(xy[0], xy[1], 0.5f);
    }
    const int f = object.addPolygon(8);
    for (int c = 0; c < 8; ++c) object.polygons[f].cornerPoints[c] = c;
    object.polygons[f].material = 1;
    scene.addMaterial("Unused");
    const int used = scene.addMaterial("Used");
    scene.materials[used].color.setRgb(0.25f, 0.5f, 0.75f);
    scene.materials[used].textureSlots[0] = scene.addTexture("images/c.png");
    const fs::path source = folder / "changes.lwo";
    ASSERT_TRUE(writeLwo2File(source.c_str(), scene));

    expectRoundTripKeepsShapes(source, folder.path());
    Scene result;
    ASSERT_TRUE(readLightWaveObject((folder / "round_trip.lwo").c_str(), result));
    ASSERT_EQ(result.objectCount, 2);
    EXPECT_EQ(result.objects[0].polygonCount, 1);
    EXPECT_EQ(result.objects[0].polygons[0].cornerCount, 8);
    EXPECT_EQ(result.objects[1].polygonCount, 0);
    ASSERT_EQ(result.materialCount, 1);
    EXPECT_STREQ(result.materials[0].name, "Used");
}

}  // namespace
