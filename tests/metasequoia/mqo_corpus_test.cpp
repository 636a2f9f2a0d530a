// Reads every document of the corpus and checks the scene against counts taken independently from
// the documents' own lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <dirent.h>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "mqo_fixture.h"

namespace {

struct ObjectCounts {
    std::string name;
    int points = 0, polygons = 0, edges = 0, uvs = 0;
    int mirrorMask = 0;
    bool operator==(const ObjectCounts& o) const {
        return name == o.name && points == o.points && polygons == o.polygons && edges == o.edges && uvs == o.uvs;
    }
};

std::ostream& operator<<(std::ostream& out, const ObjectCounts& o) {
    return out << "{" << o.name << ": " << o.points << " points, " << o.polygons << " polygons, " << o.edges
               << " edges, " << o.uvs << " uvs}";
}

struct DocumentCounts {
    bool accepted = false;
    std::vector<ObjectCounts> objects;  // in scene order: the document's objects, then mirror copies
    int materials = 0;
    std::set<std::string> textures;
};

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    std::string line;
    while (std::getline(in, line)) {
        line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
        lines.push_back(line);
    }
    return lines;
}

std::string firstWord(const std::string& line) {
    std::istringstream in(line);
    std::string word;
    in >> word;
    return word;
}

std::string quoted(const std::string& line, std::size_t from = 0) {
    const std::size_t open = line.find('"', from);
    const std::size_t close = open == std::string::npos ? open : line.find('"', open + 1);
    return close == std::string::npos ? "" : line.substr(open + 1, close - open - 1);
}

std::vector<long> numbersIn(const std::string& line, const std::string& part) {
    std::vector<long> values;
    const std::size_t at = line.find(part);
    if (at == std::string::npos) return values;
    std::istringstream in(line.substr(at + part.size(), line.find(')', at) - at - part.size()));
    long v;
    while (in >> v) values.push_back(v);
    return values;
}

// Corners left after the clean-up of repeated consecutive points (on the reversed corner order).
int cornersAfterCleanup(std::vector<long> points) {
    std::reverse(points.begin(), points.end());
    const std::size_t n = points.size();
    for (std::size_t j = 0; j < n; ++j)
        if (points[j] == points[(j + 1) % n]) points[j] = -1;
    return static_cast<int>(std::count_if(points.begin(), points.end(), [](long p) { return p != -1; }));
}

void countFaces(const std::vector<std::string>& lines, std::size_t& i, ObjectCounts& object) {
    for (++i; i < lines.size() && lines[i].find('}') == std::string::npos; ++i) {
        std::istringstream in(lines[i]);
        int corners = 0;
        if (!(in >> corners)) continue;
        const std::vector<long> points = numbersIn(lines[i], " V(");
        ASSERT_EQ(static_cast<int>(points.size()), corners) << lines[i];
        if (corners == 2) ++object.edges;
        if (corners != 3 && corners != 4) continue;
        if (lines[i].find(" UV(") != std::string::npos) object.uvs += corners;
        if (cornersAfterCleanup(points) >= 3) ++object.polygons;
    }
}

ObjectCounts countObject(const std::vector<std::string>& lines, std::size_t& i) {
    ObjectCounts object;
    object.name = quoted(lines[i]);
    for (++i; i < lines.size() && lines[i].rfind("}", 0) != 0; ++i) {
        const std::string word = firstWord(lines[i]);
        std::istringstream in(lines[i]);
        std::string skip;
        in >> skip;
        if (word == "mirror") object.mirrorMask = 1;
        if (word == "mirror_axis") in >> object.mirrorMask;
        if (word == "vertex") {
            int stated = 0;
            in >> stated;
            int counted = 0;
            for (++i; i < lines.size() && lines[i].find('}') == std::string::npos; ++i) ++counted;
            EXPECT_EQ(counted, stated) << object.name;
            object.points += counted;
        }
        if (word == "face") countFaces(lines, i, object);
    }
    return object;
}

DocumentCounts countDocument(const std::string& bytes) {
    DocumentCounts counts;
    const std::vector<std::string> lines = linesOf(bytes);
    counts.accepted = lines.size() >= 2 && lines[0] == "Metasequoia Document" && lines[1] == "Format Text Ver 1.0";
    if (!counts.accepted) return counts;
    std::vector<ObjectCounts> sources;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.rfind("Eof", 0) == 0) break;
        if (line.find('{') == std::string::npos) continue;
        if (line.rfind("Material ", 0) == 0) {
            for (++i; i < lines.size() && lines[i].rfind("}", 0) != 0; ++i) {
                ++counts.materials;
                const std::size_t tex = lines[i].find(" tex(");
                if (tex != std::string::npos) counts.textures.insert(quoted(lines[i], tex));
            }
        } else if (line.rfind("Object ", 0) == 0) {
            sources.push_back(countObject(lines, i));
        } else {
            while (i + 1 < lines.size() && lines[i + 1].rfind("}", 0) != 0) ++i;
            ++i;
        }
    }
    counts.objects = sources;
    for (const ObjectCounts& source : sources) {
        if (source.mirrorMask <= 0) continue;
        const int copies = (1 << __builtin_popcount(source.mirrorMask & 7)) - 1;
        for (int c = 0; c < copies; ++c) counts.objects.push_back(source);
    }
    return counts;
}

std::vector<std::string> corpusDocuments() {
    std::vector<std::string> names;
    const std::string folder = std::string(SUITE_CORPUS_DIR) + "/mqo";
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name.size() > 4 && name.compare(name.size() - 4, 4, ".mqo") == 0) names.push_back(folder + "/" + name);
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(MqoCorpus, EveryDocumentReadsAsItsLinesState) {
    const std::vector<std::string> documents = corpusDocuments();
    ASSERT_GE(documents.size(), 30u) << "corpus not found under " << SUITE_CORPUS_DIR;
    int accepted = 0, mirrored = 0, withTextures = 0;
    for (const std::string& path : documents) {
        SCOPED_TRACE(path);
        const DocumentCounts expected = countDocument(fileBytes(path));
        Scene scene;
        ASSERT_EQ(readMqoFile(path.c_str(), scene), expected.accepted);
        if (!expected.accepted) {
            EXPECT_EQ(scene.objectCount, 0);
            continue;
        }
        ++accepted;
        std::vector<ObjectCounts> actual;
        for (int o = 0; o < scene.objectCount; ++o) {
            const SceneObject& object = scene.objects[o];
            ObjectCounts counts;
            counts.name = object.name;
            counts.points = object.pointCount;
            counts.polygons = object.polygonCount;
            counts.edges = object.edgeCount;
            counts.uvs = object.uvCount;
            actual.push_back(counts);
            for (int p = 0; p < object.polygonCount; ++p) {
                const MeshPolygon& polygon = object.polygons[p];
                ASSERT_GE(polygon.cornerCount, 3);
                ASSERT_LT(polygon.material, scene.materialCount);
                for (int c = 0; c < polygon.cornerCount; ++c) {
                    ASSERT_GE(polygon.cornerPoints[c], 0);
                    ASSERT_LT(polygon.cornerPoints[c], object.pointCount);
                }
            }
        }
        EXPECT_EQ(actual, expected.objects);
        EXPECT_EQ(scene.materialCount, expected.materials);
        std::set<std::string> textures;
        for (int t = 0; t < scene.textureCount; ++t) textures.insert(scene.textures[t].name);
        EXPECT_EQ(textures, expected.textures);
        EXPECT_EQ(scene.textureCount, static_cast<int>(expected.textures.size()));
        mirrored += std::any_of(expected.objects.begin(), expected.objects.end(),
                                [](const ObjectCounts& o) { return o.mirrorMask > 0; });
        withTextures += !expected.textures.empty();
    }
    // The corpus covers what the counts are meant to check.
    EXPECT_GE(accepted, 15);
    EXPECT_GE(mirrored, 3);
    EXPECT_GE(withTextures, 5);
}

}  // namespace
