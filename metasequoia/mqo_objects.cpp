// The Object chunk: name, placement, hierarchy depth, mirror mask, and the point and face lists.
#include <string_view>

#include "metasequoia/mqo_document_reader.h"
#include "metasequoia/mqo_numbers.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

// The first four blank-separated words of a line, each read whole; missing words are empty.
struct Words {
    std::string_view word[4];

    explicit Words(std::string_view line) {
        std::size_t p = 0;
        for (auto& w : word) {
            while (p < line.size() && isBlank(line[p])) ++p;
            const std::size_t begin = p;
            while (p < line.size() && !isBlank(line[p])) ++p;
            w = line.substr(begin, p - begin);
        }
    }
    Vec3 vector() const { return Vec3(wordToFloat(word[1]), wordToFloat(word[2]), wordToFloat(word[3])); }
};

// The parent of a new object is the latest earlier object whose chain length (1 for a root, one
// more per parent link) equals the depth the document gives. Chain lengths of finished objects never
// change, so the latest object of each length is kept as objects finish.
void registerFinishedObject(MqoReader& reader, int objectIndex) {
    const int length = reader.chainLength[objectIndex];
    if (static_cast<int>(reader.latestWithChainLength.size()) <= length)
        reader.latestWithChainLength.resize(length + 1, -1);
    reader.latestWithChainLength[length] = objectIndex;
}

void setParentFromDepth(MqoReader& reader, int objectIndex, int depth) {
    int parent = -1;
    if (depth > 0 && depth < static_cast<int>(reader.latestWithChainLength.size()))
        parent = reader.latestWithChainLength[depth];
    reader.scene.objects[objectIndex].parent = parent;
    reader.chainLength[objectIndex] = parent >= 0 ? reader.chainLength[parent] + 1 : 1;
}

enum class Attribute {
    Scale, Rotation, Translation, Depth, Mirror, MirrorAxis, Facet, Color, BinaryPoints, Points, Faces
};

struct Keyword {
    std::string_view text;
    Attribute attribute;
};

// Tested in this order; the first keyword found anywhere in the line decides.
constexpr Keyword keywords[] = {
    {"scale ", Attribute::Scale},
    {"rotation ", Attribute::Rotation},
    {"translation ", Attribute::Translation},
    {"depth ", Attribute::Depth},
    {"mirror ", Attribute::Mirror},
    {"mirror_axis ", Attribute::MirrorAxis},
    {"facet ", Attribute::Facet},
    {"color ", Attribute::Color},
    {"BVertex ", Attribute::BinaryPoints},
    {"vertex ", Attribute::Points},
    {"Vertex ", Attribute::Points},
    {"face ", Attribute::Faces},
};

void readAttributeLine(MqoReader& reader, int objectIndex) {
    for (const Keyword& keyword : keywords) {
        if (!containsText(reader.line, keyword.text)) continue;
        SceneObject& object = reader.scene.objects[objectIndex];
        const Words words(reader.line);
        switch (keyword.attribute) {
            case Attribute::Scale: object.transform.localScale = words.vector(); break;
            case Attribute::Rotation: object.transform.localRotation = words.vector(); break;
            case Attribute::Translation: object.transform.localPosition = words.vector(); break;
            case Attribute::Depth: setParentFromDepth(reader, objectIndex, wordToInt(words.word[1])); break;
            case Attribute::Mirror: object.remap = MirrorMaskX; break;
            case Attribute::MirrorAxis: object.remap = wordToInt(words.word[1]); break;
            case Attribute::Facet:
            case Attribute::Color: break;
            case Attribute::BinaryPoints: readBinaryPoints(reader, objectIndex); break;
            case Attribute::Points: readTextPoints(reader, objectIndex); break;
            case Attribute::Faces: readFaces(reader, objectIndex); break;
        }
        return;
    }
}

}  // namespace

void readObjectChunk(MqoReader& reader) {
    extractBetween(reader.part, reader.line, "\"", "\"", 0);
    const int objectIndex = reader.scene.addObject(reader.part.c_str());
    if (objectIndex < 0) return;
    if (objectIndex > 0) registerFinishedObject(reader, objectIndex - 1);
    reader.chainLength.resize(objectIndex + 1, 1);
    reader.scene.objects[objectIndex].remap = 0;  // mirror mask: none yet
    while (!reader.truncated && reader.readLine() == 0) {
        if (beginsWith(reader.line, "}")) return;
        readAttributeLine(reader, objectIndex);
    }
}
