// Every Metasequoia document of the corpus imported into the host and exported as a LightWave
// scene through the host program; the object files the scene loads are read by assimp, an
// independent reader, and compared with what our reader reads from the document.
//
// What is compared, per object, with the document as our reader reads it:
// - the number of triangles: assimp splits every polygon into corner count - 2 triangles. The host
//   holds triangles and the export joins them into polygons again, but however they are joined the
//   triangle count stays; lines (two-corner faces) never reach the host and are not counted;
// - the bounding box of the corners of those polygons: the object files hold each object's points
//   in its own frame, as the reader left them (the scene file carries the placement);
// - the surface names that its polygons use (a polygon without material is exported with the
//   first material, or with the writer's default surface when the document has none).
#include <gtest/gtest.h>

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <algorithm>
#include <cfloat>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "corpus_files.h"
#include "metasequoia/mqo_reader.h"
#include "plughost_runner.h"
#include "scene_shapes.h"

namespace fs = std::filesystem;

namespace {

struct Box {
    Vec3 low{FLT_MAX, FLT_MAX, FLT_MAX}, high{-FLT_MAX, -FLT_MAX, -FLT_MAX};
    void add(float x, float y, float z) {
        low.set(std::min(low.x, x), std::min(low.y, y), std::min(low.z, z));
        high.set(std::max(high.x, x), std::max(high.y, y), std::max(high.z, z));
    }
};

struct ObjectSummary {
    unsigned triangles = 0;
    Box box;
    std::set<std::string> surfaces;
};

ObjectSummary summaryOf(const Scene& scene, const SceneObject& object) {
    ObjectSummary summary;
    for (int p = 0; p < object.polygonCount; ++p) {
        const MeshPolygon& polygon = object.polygons[p];
        if (polygon.cornerCount < 3) continue;
        summary.triangles += unsigned(polygon.cornerCount - 2);
        for (int c = 0; c < polygon.cornerCount; ++c) {
            const Vec3& v = object.points[polygon.cornerPoints[c]].position;
            summary.box.add(v.x, v.y, v.z);
        }
        const int m = polygon.material;
        summary.surfaces.insert(m >= 0 && m < scene.materialCount && scene.materials[m].name
                                    ? scene.materials[m].name
                                    : surfaceNameOfUnassigned(scene));
    }
    return summary;
}

ObjectSummary summaryOf(const aiScene& scene) {
    ObjectSummary summary;
    for (unsigned m = 0; m < scene.mNumMeshes; ++m) {
        const aiMesh& mesh = *scene.mMeshes[m];
        for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
            const aiFace& face = mesh.mFaces[f];
            if (face.mNumIndices < 3) continue;
            summary.triangles += face.mNumIndices - 2;
            for (unsigned i = 0; i < face.mNumIndices; ++i) {
                const aiVector3D& v = mesh.mVertices[face.mIndices[i]];
                summary.box.add(v.x, v.y, v.z);
            }
        }
        aiString name;
        if (mesh.mNumFaces > 0 && scene.mMaterials[mesh.mMaterialIndex]->Get(AI_MATKEY_NAME, name) == AI_SUCCESS)
            summary.surfaces.insert(name.C_Str());
    }
    return summary;
}

// The object files a scene file loads, in its order, relative to the scene file's folder.
std::vector<std::string> loadedObjects(const fs::path& sceneFile) {
    std::ifstream in(sceneFile, std::ios::binary);
    std::vector<std::string> files;
    const std::string key = "LoadObjectLayer 1 ", folder = "Object\\";
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.compare(0, key.size(), key) != 0) continue;
        std::string path = line.substr(key.size());
        // The scene names its files as Object\NAME.lwo; only the folder separator is ours to turn.
        EXPECT_EQ(path.compare(0, folder.size(), folder), 0) << line;
        files.push_back("Object/" + path.substr(std::min(path.size(), folder.size())));
    }
    return files;
}

void expectSameBox(const Box& got, const Box& want) {
    const float extent = std::max({want.high.x - want.low.x, want.high.y - want.low.y, want.high.z - want.low.z});
    const float tolerance = 1e-4f * std::max(1.0f, extent);
    EXPECT_NEAR(got.low.x, want.low.x, tolerance);
    EXPECT_NEAR(got.low.y, want.low.y, tolerance);
    EXPECT_NEAR(got.low.z, want.low.z, tolerance);
    EXPECT_NEAR(got.high.x, want.high.x, tolerance);
    EXPECT_NEAR(got.high.y, want.high.y, tolerance);
    EXPECT_NEAR(got.high.z, want.high.z, tolerance);
}

class MetasequoiaToScene : public testing::TestWithParam<CorpusFile> {};

TEST_P(MetasequoiaToScene, ObjectFilesHoldWhatTheDocumentHolds) {
    ScratchFolder folder(GetParam().testName);
    const fs::path sceneFile = folder / "scene.lws";
    Scene reference;
    const bool accepted = readMqoFile(GetParam().path.c_str(), reference);
    const PlughostRun run = runPlughost({"convert", GetParam().path.string(), sceneFile.string()}, folder.path());
    ASSERT_FALSE(run.crashed()) << "signal " << run.signal << "\n" << run.err;
    if (!accepted) {
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.errorLines(), 1) << run.err;
        EXPECT_TRUE(filesUnder(folder.path()).empty()) << "a refused document leaves no files";
        return;
    }
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");

    const std::vector<std::string> objects = loadedObjects(sceneFile);
    ASSERT_EQ(int(objects.size()), reference.objectCount) << "one object file per object";
    EXPECT_EQ(filesUnder(folder.path()).size(), objects.size() + 1) << "the scene file and its object files only";
    for (int o = 0; o < reference.objectCount; ++o) {
        const SceneObject& object = reference.objects[o];
        SCOPED_TRACE(objects[size_t(o)]);
        const fs::path file = folder / objects[size_t(o)];
        ASSERT_TRUE(fs::is_regular_file(file));
        const ObjectSummary want = summaryOf(reference, object);
        if (want.triangles == 0) continue;  // assimp declines a file without faces; nothing to compare

        Assimp::Importer importer;
        const aiScene* read = importer.ReadFile(file.string(), aiProcess_ValidateDataStructure);
        ASSERT_NE(read, nullptr) << importer.GetErrorString();
        const ObjectSummary got = summaryOf(*read);
        EXPECT_EQ(got.triangles, want.triangles);
        expectSameBox(got.box, want.box);
        EXPECT_EQ(got.surfaces, want.surfaces);
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, MetasequoiaToScene, testing::ValuesIn(metasequoiaFiles()),
                         [](const testing::TestParamInfo<CorpusFile>& info) { return info.param.testName; });

}  // namespace
