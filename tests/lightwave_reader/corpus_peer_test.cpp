// Every real object file of the corpus, read by us and by assimp (an independent reader, used here
// as a test oracle only). Where the two differ by design, the difference is computed and asserted:
// repeated consecutive corners are removed and polygons left with fewer than three corners dropped;
// every tag becomes a material, so we have materials for part names and unused tags too; assimp adds
// a "Default" material for untagged polygons and names unnamed layers "Layer_N".
// assimp's Debian version cannot read LWOB files, so those are checked against counts taken from
// the files' own chunks.
#include <gtest/gtest.h>

#include <assimp/Importer.hpp>
#include <assimp/scene.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "lightwave/encoding.h"
#include "lightwave/object_form.h"
#include "lightwave/object_reader.h"
#include "scene_checks.h"

namespace {

namespace fs = std::filesystem;
const fs::path Corpus = SUITE_CORPUS_DIR;

using Position = std::array<long long, 3>;

// Positions compared at a resolution far above float noise, far below any model's detail.
Position key(float x, float y, float z) {
    return {std::llround(double(x) * 1e4), std::llround(double(y) * 1e4), std::llround(double(z) * 1e4)};
}

// Corner positions of a polygon after repeated consecutive corners are collapsed (cyclically).
std::vector<Position> collapsed(std::vector<Position> corners) {
    bool changed = true;
    while (changed && corners.size() > 1) {
        changed = false;
        for (std::size_t k = 0; k < corners.size(); ++k)
            if (corners[k] == corners[(k + 1) % corners.size()]) {
                corners.erase(corners.begin() + long(k));
                changed = true;
                break;
            }
    }
    return corners;
}

struct Summary {
    std::multiset<std::size_t> polygonSizes;  // corner counts of the polygons kept
    std::multiset<Position> corners;          // positions of their corners
    std::vector<std::string> layerNames;
    std::set<std::string> materials;
    std::set<std::string> images;
};

// LightWave volume names ("C:images/a.png") are given a slash by assimp ("C:/images/a.png"), one
// more each time another surface uses the same clip.
std::string normalizedImage(std::string name) {
    const auto colon = name.find(':');
    if (colon != std::string::npos)
        while (colon + 1 < name.size() && name[colon + 1] == '/') name.erase(colon + 1, 1);
    return name;
}

// assimp's name for the image of a block whose clip the file lacks; we make no texture for it.
const char* const MissingClipImage = "$texture.png";

void collectNodes(const aiNode* node, std::vector<std::string>& layers) {
    const std::string name = node->mName.C_Str();
    if (name.rfind("Pivot-", 0) != 0 && name != "<LWORoot>") layers.push_back(name);
    for (unsigned i = 0; i < node->mNumChildren; ++i) collectNodes(node->mChildren[i], layers);
}

Summary summarizeAssimp(const aiScene& scene) {
    Summary s;
    for (unsigned m = 0; m < scene.mNumMeshes; ++m) {
        const aiMesh& mesh = *scene.mMeshes[m];
        for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
            std::vector<Position> corners;
            for (unsigned k = 0; k < mesh.mFaces[f].mNumIndices; ++k) {
                const aiVector3D& v = mesh.mVertices[mesh.mFaces[f].mIndices[k]];
                corners.push_back(key(v.x, v.y, v.z));
            }
            corners = collapsed(corners);
            if (corners.size() < 3) continue;
            s.polygonSizes.insert(corners.size());
            s.corners.insert(corners.begin(), corners.end());
        }
    }
    collectNodes(scene.mRootNode, s.layerNames);
    for (unsigned m = 0; m < scene.mNumMaterials; ++m) {
        aiString name, file;
        scene.mMaterials[m]->Get(AI_MATKEY_NAME, name);
        s.materials.insert(name.C_Str());
        if (scene.mMaterials[m]->GetTexture(aiTextureType_DIFFUSE, 0, &file) == AI_SUCCESS &&
            std::string(file.C_Str()) != MissingClipImage)
            s.images.insert(normalizedImage(file.C_Str()));
    }
    return s;
}

// Our scene in assimp's terms: z back to the file's sign, polygon corners back to file order does
// not matter for the multisets compared.
Summary summarizeOurs(const Scene& scene) {
    Summary s;
    for (int o = 0; o < scene.objectCount; ++o) {
        const SceneObject& object = scene.objects[o];
        s.layerNames.push_back(object.name);
        for (int p = 0; p < object.polygonCount; ++p) {
            // We remove repeated points; distinct points at one position stay. assimp's corners
            // carry positions only, so both sides are compared after collapsing repeated positions.
            const MeshPolygon& polygon = object.polygons[p];
            std::vector<Position> corners;
            for (int k = 0; k < polygon.cornerCount; ++k) {
                const Vec3& v = object.points[polygon.cornerPoints[k]].position;
                corners.push_back(key(v.x, v.y, v.z));  // assimp, too, turns LightWave's z around
            }
            corners = collapsed(corners);
            if (corners.size() < 3) continue;
            s.polygonSizes.insert(corners.size());
            s.corners.insert(corners.begin(), corners.end());
        }
    }
    for (int m = 0; m < scene.materialCount; ++m) {
        s.materials.insert(scene.materials[m].name);
        const int texture = scene.materials[m].textureSlots[0];
        if (texture >= 0) s.images.insert(normalizedImage(scene.textures[texture].name));
    }
    return s;
}

// The form type of an object file: "LWO2" or "LWOB".
std::string formType(const fs::path& file) {
    std::vector<std::uint8_t> bytes;
    loadObjectFile(file.c_str(), bytes);
    return bytes.size() >= 12 ? std::string(bytes.begin() + 8, bytes.begin() + 12) : std::string();
}

// Every object file of the corpus (objects referenced by scenes included) of one form type.
std::vector<fs::path> objectFiles(const std::string& type) {
    std::vector<fs::path> files;
    for (const fs::path& folder : {Corpus / "lwo2", Corpus / "lwob", Corpus / "lws"})
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            const fs::path& p = entry.path();
            if (!entry.is_regular_file()) continue;
            const std::string name = p.filename().string();
            const bool object = p.extension() == ".lwo" || name == "assimp_formatDetection_lwo2" ||
                                name == "assimp_lwob_formatDetection";
            if (object && name.rfind("unsupported_", 0) != 0 && name != "assimp_invalid_empty.lwo")
                files.push_back(p);
        }
    files.erase(std::remove_if(files.begin(), files.end(), [&](const fs::path& f) { return formType(f) != type; }),
                files.end());
    std::sort(files.begin(), files.end());
    return files;
}

TEST(CorpusPeer, Lwo2FilesReadLikeAssimpReadsThem) {
    const std::vector<fs::path> files = objectFiles("LWO2");
    ASSERT_GE(files.size(), 40u);
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        Scene scene;
        ASSERT_TRUE(readLightWaveObject(file.c_str(), scene));
        expectConsistent(scene, file.string());
        Assimp::Importer importer;
        const aiScene* peer = importer.ReadFile(file.string(), 0);
        ASSERT_NE(peer, nullptr) << importer.GetErrorString();
        const Summary ours = summarizeOurs(scene);
        const Summary theirs = summarizeAssimp(*peer);

        EXPECT_EQ(ours.polygonSizes, theirs.polygonSizes);
        EXPECT_TRUE(ours.corners == theirs.corners) << ours.corners.size() << " corners vs " << theirs.corners.size();
        ASSERT_EQ(ours.layerNames.size(), theirs.layerNames.size());
        for (const std::string& layer : theirs.layerNames) {
            const bool unnamed = layer.rfind("Layer_", 0) == 0;
            if (!unnamed) {
                EXPECT_NE(std::find(ours.layerNames.begin(), ours.layerNames.end(), layer), ours.layerNames.end()) << layer;
            }
        }
        for (const std::string& material : theirs.materials) {
            if (material != "Default") {
                EXPECT_EQ(ours.materials.count(material), 1u) << material;
            }
        }
        EXPECT_EQ(ours.images, theirs.images);
    }
}

using CornerUv = std::array<long long, 5>;

// The names of the texture-coordinate maps ("TXUV" in "VMAP" or "VMAD") of an LWO2 file.
std::set<std::string> uvMapNames(const fs::path& file) {
    std::vector<std::uint8_t> bytes;
    std::vector<ObjectChunk> chunks;
    std::set<std::string> names;
    if (!loadObjectFile(file.c_str(), bytes) || !listObjectChunks(bytes.data(), bytes.size(), id4Code("LWO2"), chunks))
        return names;
    for (const ObjectChunk& chunk : chunks) {
        if (chunk.id != id4Code("VMAP") && chunk.id != id4Code("VMAD")) continue;
        ByteReader in = chunk.content();
        std::uint32_t type;
        std::uint16_t dimension;
        std::string name;
        if (readId4Code(in, type) == 4 && type == id4Code("TXUV") && readU2(in, &dimension, 1) == 2 &&
            readS0(in, name) > 0)
            names.insert(name);
    }
    return names;
}

// Texture coordinates from maps, per corner (position and coordinate), compared with assimp's.
// Compared where the file's maps are each named by a surface or there is only one: a map no
// surface names reaches every polygon by design, while assimp keeps the one the texture names.
// Corners of projected images are left out (this assimp computes none for them). assimp gives
// every corner of a mesh a coordinate, zero where no map does, so ours are a subset of its.
TEST(CorpusPeer, MapCoordinatesAgreeWithAssimp) {
    int compared = 0;
    for (const fs::path& file : objectFiles("LWO2")) {
        SCOPED_TRACE(file.filename().string());
        Scene scene;
        ASSERT_TRUE(readLightWaveObject(file.c_str(), scene));
        const std::set<std::string> maps = uvMapNames(file);
        bool everyMapNamed = true;
        for (const std::string& map : maps) {
            bool named = false;
            for (int m = 0; m < scene.materialCount; ++m)
                named = named || (scene.materials[m].uvMapName && map == scene.materials[m].uvMapName);
            everyMapNamed = everyMapNamed && named;
        }
        if (maps.empty() || (maps.size() > 1 && !everyMapNamed)) continue;

        std::multiset<CornerUv> ours, theirs;
        auto corner = [](const aiVector3D& p, float u, float v) {
            return CornerUv{std::llround(p.x * 1e3), std::llround(p.y * 1e3), std::llround(p.z * 1e3),
                            std::llround(u * 1e3), std::llround(v * 1e3)};
        };
        for (int o = 0; o < scene.objectCount; ++o) {
            const SceneObject& object = scene.objects[o];
            for (int p = 0; p < object.polygonCount; ++p) {
                const MeshPolygon& polygon = object.polygons[p];
                if (polygon.material >= 0 && scene.materials[polygon.material].projection > 0) continue;
                for (int k = 0; k < polygon.cornerCount; ++k) {
                    if (polygon.cornerUvs[k] < 0) continue;
                    const Vec3& v = object.points[polygon.cornerPoints[k]].position;
                    const UvEntry& uv = object.uvs[polygon.cornerUvs[k]];
                    // Our v runs down the image, assimp's up.
                    ours.insert(corner(aiVector3D(v.x, v.y, v.z), uv.u, 1.0f - uv.v));
                }
            }
        }
        Assimp::Importer importer;
        const aiScene* peer = importer.ReadFile(file.string(), 0);
        ASSERT_NE(peer, nullptr);
        for (unsigned m = 0; m < peer->mNumMeshes; ++m) {
            const aiMesh& mesh = *peer->mMeshes[m];
            if (!mesh.HasTextureCoords(0)) continue;
            for (unsigned f = 0; f < mesh.mNumFaces; ++f)
                for (unsigned k = 0; k < mesh.mFaces[f].mNumIndices; ++k) {
                    const unsigned i = mesh.mFaces[f].mIndices[k];
                    theirs.insert(corner(mesh.mVertices[i], mesh.mTextureCoords[0][i].x, mesh.mTextureCoords[0][i].y));
                }
        }
        EXPECT_FALSE(ours.empty());
        EXPECT_TRUE(std::includes(theirs.begin(), theirs.end(), ours.begin(), ours.end()))
            << ours.size() << " of ours, " << theirs.size() << " of assimp's";
        ++compared;
    }
    EXPECT_GE(compared, 9);
}

TEST(CorpusPeer, UnsupportedAndEmptyFilesAreRefused) {
    for (const char* name : {"lwo2/unsupported_lwo3_sciecode_Cube00-Basic.lwo", "lwo2/assimp_invalid_empty.lwo"}) {
        Scene scene;
        EXPECT_FALSE(readLightWaveObject((Corpus / name).c_str(), scene)) << name;
    }
}

// What an LWOB file holds, counted straight from its chunks.
struct LwobCounts {
    long long points = 0, polygons = 0;
    std::vector<std::string> surfaces;
    std::vector<std::string> images;
};

LwobCounts countLwob(const std::vector<std::uint8_t>& bytes) {
    LwobCounts c;
    std::vector<ObjectChunk> chunks;
    EXPECT_TRUE(listObjectChunks(bytes.data(), bytes.size(), id4Code("LWOB"), chunks));
    for (const ObjectChunk& chunk : chunks) {
        ByteReader in = chunk.content();
        if (chunk.id == id4Code("PNTS")) c.points += chunk.length / 12;
        if (chunk.id == id4Code("SRFS")) {
            std::string name;
            while (readS0(in, name) > 0) c.surfaces.push_back(name);
        }
        if (chunk.id == id4Code("POLS")) {
            std::uint16_t n, surface;
            while (readU2(in, &n, 1) == 2) {
                std::vector<std::uint16_t> corners(n);
                if (n) readU2(in, corners.data(), n);
                readU2(in, &surface, 1);
                if (std::int16_t(surface) < 0) readU2(in, &surface, 1);  // the detail count
                std::set<std::uint16_t> distinct(corners.begin(), corners.end());
                if (distinct.size() >= 3) ++c.polygons;
            }
        }
        if (chunk.id == id4Code("SURF")) {
            std::string text;
            readS0(in, text);
            std::uint32_t id;
            std::uint16_t length;
            bool colour = false;
            while (readId4Code(in, id) == 4 && readU2(in, &length, 1) == 2) {
                ByteReader sub;
                in.takeBytes(length, sub);
                if (id == id4Code("CTEX")) colour = true;
                if (id == id4Code("DTEX") || id == id4Code("BTEX") || id == id4Code("STEX")) colour = false;
                if (id == id4Code("TIMG") && colour && readS0(sub, text) > 0) c.images.push_back(text);
            }
        }
    }
    return c;
}

TEST(CorpusPeer, LwobFilesHoldWhatTheirChunksCount) {
    const std::vector<fs::path> files = objectFiles("LWOB");
    ASSERT_GE(files.size(), 8u);  // the LWOB folder and an object a scene loads
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(loadObjectFile(file.c_str(), bytes));
        const LwobCounts expected = countLwob(bytes);
        Scene scene;
        ASSERT_TRUE(readLightWaveObject(file.c_str(), scene));
        expectConsistent(scene, file.string());
        ASSERT_EQ(scene.objectCount, 1);
        EXPECT_STREQ(scene.objects[0].name, "Default");
        EXPECT_EQ(scene.objects[0].pointCount, expected.points);
        EXPECT_EQ(scene.objects[0].polygonCount, expected.polygons);
        ASSERT_GE(scene.materialCount, int(expected.surfaces.size()));
        for (std::size_t i = 0; i < expected.surfaces.size(); ++i)
            EXPECT_STREQ(scene.materials[i].name, expected.surfaces[i].c_str());
        std::vector<std::string> images;
        for (int t = 0; t < scene.textureCount; ++t) images.push_back(scene.textures[t].name);
        EXPECT_EQ(images, expected.images);
    }
}

}  // namespace
