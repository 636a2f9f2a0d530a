// The written LWO2 and LWS files loaded by assimp, an independent reader of both formats.
//
// How assimp presents what it reads, as checked here:
// - it turns LightWave's left-handed coordinates back by negating z, and LightWave's clockwise
//   polygons back to counter-clockwise, so positions and corner order equal the model's (the writer
//   negates z and reverses every polygon);
// - it reports texture coordinates as stored in the file, where v counts from the bottom
//   (the writer stores 1 - v);
// - it splits each layer into one mesh per surface and gives every polygon corner its own vertex.
//
// Where assimp and the file format disagree:
// - assimp multiplies a surface's diffuse colour by the intensity of the surface's "VCOL"
//   sub-chunk. In the LWO2 format that value is the strength of the vertex-colour map on the
//   surface, not a diffuse level; our surfaces write 0.0 (no vertex colouring), which assimp turns
//   into a black diffuse colour. The format is right; the colour test therefore loads a copy of the
//   file whose "VCOL" intensity is set to 1, so that assimp reports the "COLR" values unscaled.
// - an image block whose "IMAG" is 0 names no clip (clips are numbered from 1); assimp still lists a
//   diffuse texture for it, with a placeholder name. The format and the writer are consistent: such
//   a surface has no image. The test only requires that no clip of ours is named there.
#include <gtest/gtest.h>

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "lightwave/lwo2_writer.h"
#include "lightwave/lws_writer.h"
#include "written_file.h"

namespace {

struct Corner {
    float x, y, z, u, v;
    bool hasUv;  // in an expected face: whether the model gives this corner a texture coordinate
    // Faces are ordered by their positions only (the test scenes have no two faces on the same points).
    bool operator<(const Corner& o) const { return std::tie(x, y, z) < std::tie(o.x, o.y, o.z); }
};
using Face = std::vector<Corner>;

// Faces per "layer/surface", as the model holds them (v as stored in the file: 1 - v).
std::map<std::string, std::vector<Face>> expectedFaces(const Scene& scene) {
    std::map<std::string, std::vector<Face>> faces;
    for (int o = 0; o < scene.objectCount; ++o) {
        const SceneObject& object = scene.objects[o];
        for (int p = 0; p < object.polygonCount; ++p) {
            const MeshPolygon& polygon = object.polygons[p];
            Face face;
            for (int c = 0; c < polygon.cornerCount; ++c) {
                const Vec3& pos = object.points[polygon.cornerPoints[c]].position;
                const int e = polygon.cornerUvs[c];
                face.push_back({pos.x, pos.y, pos.z, e < 0 ? 0.0f : object.uvs[e].u,
                                e < 0 ? 0.0f : 1.0f - object.uvs[e].v, e >= 0});
            }
            faces[std::string(object.name) + "/" + scene.materials[polygon.material].name].push_back(face);
        }
    }
    for (auto& entry : faces) std::sort(entry.second.begin(), entry.second.end());
    return faces;
}

void collectFaces(const aiScene* scene, const aiNode* node, std::map<std::string, std::vector<Face>>& faces) {
    for (unsigned i = 0; i < node->mNumMeshes; ++i) {
        const aiMesh* mesh = scene->mMeshes[node->mMeshes[i]];
        aiString surface;
        scene->mMaterials[mesh->mMaterialIndex]->Get(AI_MATKEY_NAME, surface);
        for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
            Face face;
            for (unsigned k = 0; k < mesh->mFaces[f].mNumIndices; ++k) {
                const unsigned v = mesh->mFaces[f].mIndices[k];
                const aiVector3D& p = mesh->mVertices[v];
                const bool uv = mesh->HasTextureCoords(0);
                face.push_back({p.x, p.y, p.z, uv ? mesh->mTextureCoords[0][v].x : 0.0f,
                                uv ? mesh->mTextureCoords[0][v].y : 0.0f, uv});
            }
            faces[std::string(node->mName.C_Str()) + "/" + surface.C_Str()].push_back(face);
        }
    }
    for (unsigned i = 0; i < node->mNumChildren; ++i) collectFaces(scene, node->mChildren[i], faces);
}

// Positions in corner order; texture coordinates where the model gives the corner one. (A corner
// without one still shows its point's per-point value in the file, which is how LWO2 maps work.)
bool sameFaces(const std::vector<Face>& read, const std::vector<Face>& expected) {
    if (read.size() != expected.size()) return false;
    for (std::size_t f = 0; f < read.size(); ++f) {
        if (read[f].size() != expected[f].size()) return false;
        for (std::size_t c = 0; c < read[f].size(); ++c) {
            const Corner &p = read[f][c], &q = expected[f][c];
            if (std::fabs(p.x - q.x) > 1e-6f || std::fabs(p.y - q.y) > 1e-6f || std::fabs(p.z - q.z) > 1e-6f)
                return false;
            if (q.hasUv && (!p.hasUv || std::fabs(p.u - q.u) > 1e-6f || std::fabs(p.v - q.v) > 1e-6f)) return false;
        }
    }
    return true;
}

int addPoint(SceneObject& object, float x, float y, float z) {
    const int p = object.addPoint();
    object.points[p].position.set(x, y, z);
    return p;
}

int addUv(SceneObject& object, float u, float v) {
    const int e = object.addUv();
    object.uvs[e].set(u, v);
    return e;
}

void addPolygon(SceneObject& object, std::vector<int> points, std::vector<int> uvs, int material) {
    const int p = object.addPolygon(int(points.size()));
    for (std::size_t c = 0; c < points.size(); ++c) {
        object.polygons[p].cornerPoints[c] = points[c];
        object.polygons[p].cornerUvs[c] = uvs.empty() ? -1 : uvs[c];
    }
    object.polygons[p].material = material;
}

// Two layers, two surfaces (one with an image), a point whose texture coordinate differs between
// its polygons (a "VMAD" entry) and a quad.
void buildScene(Scene& scene) {
    const int red = scene.addMaterial("Red");
    const int blue = scene.addMaterial("Blue");
    scene.materials[red].color.set(0.75f, 0.125f, 0.25f, 1.0f);
    scene.materials[blue].color.set(0.0f, 0.5f, 1.0f, 1.0f);
    scene.materials[red].textureSlots[0] = scene.addTexture("images/wood.png");

    const int a = scene.addObject("Panel");
    SceneObject& panel = scene.objects[a];
    for (int i = 0; i < 4; ++i) addPoint(panel, float(i & 1), float(i >> 1), 0.5f);
    addPoint(panel, 2.0f, 0.5f, -1.0f);
    for (int i = 0; i < 6; ++i) addUv(panel, 0.125f * float(i), 0.0625f * float(i));
    addPolygon(panel, {0, 1, 2}, {0, 1, 2}, red);
    addPolygon(panel, {1, 3, 2}, {5, 3, 2}, red);  // point 1 takes entry 5 here, entry 1 above
    addPolygon(panel, {1, 4, 3}, {}, blue);

    const int b = scene.addObject("Block");
    SceneObject& block = scene.objects[b];
    for (int i = 0; i < 4; ++i) addPoint(block, float(i % 2) + 5.0f, float(i / 2), -2.0f);
    addPolygon(block, {0, 1, 3, 2}, {}, blue);
}

const aiScene* load(Assimp::Importer& importer, const std::string& path) {
    const aiScene* scene = importer.ReadFile(path, aiProcess_ValidateDataStructure);
    EXPECT_NE(scene, nullptr) << importer.GetErrorString();
    return scene;
}

const aiMaterial* material(const aiScene* scene, const std::string& name) {
    for (unsigned m = 0; m < scene->mNumMaterials; ++m) {
        aiString found;
        scene->mMaterials[m]->Get(AI_MATKEY_NAME, found);
        if (name == found.C_Str()) return scene->mMaterials[m];
    }
    return nullptr;
}

std::string diffuseTexture(const aiMaterial* material) {
    aiString path;
    return material->GetTexture(aiTextureType_DIFFUSE, 0, &path) == AI_SUCCESS ? path.C_Str() : "";
}

TEST(AssimpPeer, ReadsLayersSurfacesAndTextureCoordinates) {
    TempDir dir;
    Scene scene;
    buildScene(scene);
    const std::string path = dir.file("object.lwo");
    ASSERT_TRUE(writeLwo2File(path.c_str(), scene));

    Assimp::Importer importer;
    const aiScene* loaded = load(importer, path);
    ASSERT_NE(loaded, nullptr);
    std::map<std::string, std::vector<Face>> faces;
    collectFaces(loaded, loaded->mRootNode, faces);
    for (auto& entry : faces) std::sort(entry.second.begin(), entry.second.end());
    const auto expected = expectedFaces(scene);
    ASSERT_EQ(faces.size(), expected.size());
    for (const auto& [key, list] : expected) {
        ASSERT_TRUE(faces.count(key)) << key;
        EXPECT_TRUE(sameFaces(faces[key], list)) << key;
    }
    EXPECT_EQ(diffuseTexture(material(loaded, "Red")), "images/wood.png");
    EXPECT_NE(diffuseTexture(material(loaded, "Blue")), "images/wood.png");
}

TEST(AssimpPeer, ReadsSurfaceColours) {
    TempDir dir;
    Scene scene;
    buildScene(scene);
    const std::string path = dir.file("object.lwo");
    ASSERT_TRUE(writeLwo2File(path.c_str(), scene));
    // Set each "VCOL" intensity (the F4 right after the sub-chunk header) to 1.0; see the top.
    std::string bytes = readText(path);
    int patched = 0;
    for (std::size_t at = bytes.find("VCOL\0\x18", 0); at != std::string::npos; at = bytes.find("VCOL", at + 4)) {
        bytes.replace(at + 6, 4, std::string("\x3F\x80\0\0", 4));
        ++patched;
    }
    EXPECT_EQ(patched, 2);
    const std::string copy = dir.file("vcol1.lwo");
    std::FILE* file = std::fopen(copy.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);

    Assimp::Importer importer;
    const aiScene* loaded = load(importer, copy);
    ASSERT_NE(loaded, nullptr);
    for (int m = 0; m < scene.materialCount; ++m) {
        const aiMaterial* found = material(loaded, scene.materials[m].name);
        ASSERT_NE(found, nullptr) << scene.materials[m].name;
        aiColor3D color(-1, -1, -1);
        ASSERT_EQ(found->Get(AI_MATKEY_COLOR_DIFFUSE, color), AI_SUCCESS);
        EXPECT_FLOAT_EQ(color.r, scene.materials[m].color.r);
        EXPECT_FLOAT_EQ(color.g, scene.materials[m].color.g);
        EXPECT_FLOAT_EQ(color.b, scene.materials[m].color.b);
    }
}

// A polygon of 3000 corners, beyond the format's 1023, still loads as its surface.
TEST(AssimpPeer, ReadsASplitLargePolygon) {
    TempDir dir;
    Scene scene;
    scene.addMaterial("Disc");
    const int o = scene.addObject("Disc");
    SceneObject& disc = scene.objects[o];
    const int n = 3000;
    std::vector<int> corners;
    for (int i = 0; i < n; ++i) {
        const float angle = 6.2831853f * float(i) / float(n);
        corners.push_back(addPoint(disc, std::cos(angle), std::sin(angle), 0.0f));
    }
    addPolygon(disc, corners, {}, 0);
    const std::string path = dir.file("disc.lwo");
    ASSERT_TRUE(writeLwo2File(path.c_str(), scene));

    Assimp::Importer importer;
    const aiScene* loaded = load(importer, path);
    ASSERT_NE(loaded, nullptr);
    ASSERT_EQ(loaded->mNumMeshes, 1u);
    const aiMesh* mesh = loaded->mMeshes[0];
    aiString surface;
    loaded->mMaterials[mesh->mMaterialIndex]->Get(AI_MATKEY_NAME, surface);
    EXPECT_STREQ(surface.C_Str(), "Disc");
    EXPECT_EQ(mesh->mNumFaces, 3u);
    // The pieces form a fan: all share one corner (the polygon's first as written, its last in the
    // model's order), and each repeats the corner where the previous piece ended.
    const Vec3 shared = disc.points[n - 1].position;
    unsigned cornersSeen = 0;
    for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
        const aiFace& face = mesh->mFaces[f];
        EXPECT_LE(face.mNumIndices, 1023u);
        bool hasShared = false;
        for (unsigned k = 0; k < face.mNumIndices; ++k) {
            const aiVector3D& p = mesh->mVertices[face.mIndices[k]];
            hasShared = hasShared || (p.x == shared.x && p.y == shared.y);
        }
        EXPECT_TRUE(hasShared) << f;
        cornersSeen += face.mNumIndices;
    }
    EXPECT_EQ(cornersSeen, unsigned(n) + 2 * (mesh->mNumFaces - 1));
}

const aiNode* findNode(const aiNode* node, const std::string& prefix) {
    if (std::string(node->mName.C_Str()).rfind(prefix, 0) == 0) return node;
    for (unsigned i = 0; i < node->mNumChildren; ++i)
        if (const aiNode* found = findNode(node->mChildren[i], prefix)) return found;
    return nullptr;
}

unsigned facesBelow(const aiScene* scene, const aiNode* node) {
    unsigned faces = 0;
    for (unsigned i = 0; i < node->mNumMeshes; ++i) faces += scene->mMeshes[node->mMeshes[i]]->mNumFaces;
    for (unsigned i = 0; i < node->mNumChildren; ++i) faces += facesBelow(scene, node->mChildren[i]);
    return faces;
}

TEST(AssimpPeer, ReadsSceneObjectsPositionsAndParents) {
    TempDir dir;
    Scene scene;
    buildScene(scene);
    scene.objects[0].transform.localPosition.set(1.0f, 2.0f, 3.0f);
    scene.objects[1].transform.localPosition.set(-4.0f, 0.5f, 6.0f);
    scene.objects[1].transform.localScale.set(2.0f, 2.0f, 2.0f);
    scene.objects[1].parent = 0;
    const int lone = scene.addObject("Panel");  // same name as object 0: written as Panel_2
    addPoint(scene.objects[lone], 0, 0, 0);
    addPoint(scene.objects[lone], 1, 0, 0);
    addPoint(scene.objects[lone], 0, 1, 0);
    addPolygon(scene.objects[lone], {0, 1, 2}, {}, 1);
    scene.objects[lone].transform.localPosition.set(0.0f, -7.0f, 0.0f);
    const std::string path = dir.file("scene.lws");
    ASSERT_TRUE(writeLwsFile(path.c_str(), scene));

    // assimp looks for the object files relative to the working directory (LightWave's content
    // directory), not to the scene file: load from the scene's folder.
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    Assimp::Importer importer;
    const aiScene* loaded = load(importer, path);
    std::filesystem::current_path(previous);
    ASSERT_NE(loaded, nullptr);
    // assimp names an object's nodes after its file: "Pivot:<file>_(<item id>)" holds the motion.
    struct Expect {
        const char* node;
        aiVector3D position;
        float scale;
        const char* parentNode;
        unsigned faces;
    };
    const Expect objects[] = {
        {"Pivot:Panel_(10000000)", {1, 2, 3}, 1, "<LWSRoot>", 3},
        {"Pivot:Block_(10000001)", {-4, 0.5f, 6}, 2, "Panel_(10000000)", 1},
        {"Pivot:Panel_2_(10000002)", {0, -7, 0}, 1, "<LWSRoot>", 1},
    };
    for (const Expect& e : objects) {
        const aiNode* node = findNode(loaded->mRootNode, e.node);
        ASSERT_NE(node, nullptr) << e.node;
        aiVector3D scale, position;
        aiQuaternion rotation;
        node->mTransformation.Decompose(scale, rotation, position);
        EXPECT_NEAR(position.x, e.position.x, 1e-5) << e.node;
        EXPECT_NEAR(position.y, e.position.y, 1e-5) << e.node;
        EXPECT_NEAR(position.z, e.position.z, 1e-5) << e.node;
        EXPECT_NEAR(scale.x, e.scale, 1e-5) << e.node;
        ASSERT_NE(node->mParent, nullptr);
        EXPECT_STREQ(node->mParent->mName.C_Str(), e.parentNode) << e.node;
        // The geometry under the node comes from the object's own file (Block under Panel's node
        // is counted with Panel, so count the item node's own meshes only).
        const aiNode* item = node->mChildren[0];
        unsigned own = 0;
        for (unsigned i = 0; i < item->mNumChildren; ++i)
            if (std::string(item->mChildren[i]->mName.C_Str()).rfind("Pivot:", 0) != 0)
                own += facesBelow(loaded, item->mChildren[i]);
        EXPECT_EQ(own, e.faces) << e.node;
    }
}

}  // namespace
