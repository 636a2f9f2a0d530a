// Face lists: two-corner faces become edges, three- and four-corner faces polygons whose corner
// order is the reverse of the document's, with material, texture coordinates and corner colours.
#include <climits>
#include <cstdint>

#include "metasequoia/mqo_document_reader.h"
#include "metasequoia/mqo_numbers.h"

namespace {

constexpr int maxCorners = 4;
// The shortest face line that adds something, such as "3\n", and the fewest bytes a texture
// coordinate takes in a " UV(" part.
constexpr std::size_t minimumFaceBytes = 2;
constexpr std::size_t minimumUvBytes = 4;

// Numbers of one part of the line, such as " V(0 1 2)"; false when the part is missing.
template <class Number, class Scan>
bool readPart(MqoReader& reader, std::string_view name, Number* values, std::size_t count, Scan scan) {
    const std::ptrdiff_t at = findText(reader.line, name, 0);
    if (at < 0) return false;
    extractBetween(reader.part, reader.line, "(", ")", at);
    scan(reader.part, values, count);
    return true;
}

bool readIntegers(MqoReader& reader, std::string_view name, std::int64_t* values, std::size_t count) {
    return readPart(reader, name, values, count, scanIntegers);
}

bool readFloats(MqoReader& reader, std::string_view name, float* values, std::size_t count) {
    return readPart(reader, name, values, count, scanFloats);
}

// Point indices must name points the object already has; a face that names any other is dropped.
bool pointsExist(const SceneObject& object, const std::int64_t* points, int count) {
    for (int i = 0; i < count; ++i)
        if (points[i] < 0 || points[i] >= object.pointCount) return false;
    return true;
}

// Corner colours are packed as red in bits 0-7 up to alpha in bits 24-31.
Color4 unpackColor(std::int64_t packed) {
    const std::uint32_t value = packed < 0 || packed > UINT32_MAX ? 0u : static_cast<std::uint32_t>(packed);
    const auto channel = [value](int shift) { return static_cast<float>((value >> shift) & 0xFFu) / 255.0f; };
    return Color4(channel(0), channel(8), channel(16), channel(24));
}

void addEdge(SceneObject& object, const std::int64_t* points) {
    const int edge = object.addEdge();
    if (edge < 0) return;
    object.edges[edge].pointA = static_cast<int>(points[0]);
    object.edges[edge].pointB = static_cast<int>(points[1]);
}

// Texture coordinates for the rest of a face list are reserved when its first face with a " UV("
// part shows that the list carries them; lists without them reserve none.
struct UvReservation {
    int pending = 0;

    void makeRoom(SceneObject& object) {
        if (pending > object.uvCapacity - object.uvCount) object.resizeUvs(object.uvCount + pending);
        pending = 0;
    }
};

void addPolygon(MqoReader& reader, SceneObject& object, const std::int64_t* points, int corners,
                UvReservation& uvReservation) {
    std::int64_t material = -1;
    const bool hasMaterial = readIntegers(reader, " M(", &material, 1);
    float uv[2 * maxCorners];
    const bool hasUvs = readFloats(reader, " UV(", uv, 2 * corners);
    std::int64_t colors[maxCorners];
    const bool hasColors = readIntegers(reader, " COL(", colors, corners);

    if (hasUvs) uvReservation.makeRoom(object);
    const int index = object.addPolygon(corners);
    if (index < 0) return;
    MeshPolygon& polygon = object.polygons[index];
    polygon.material = hasMaterial ? clampToInt(material) : -1;
    for (int c = 0; c < corners; ++c) {
        const int source = corners - 1 - c;  // document corner taken by polygon corner c
        polygon.cornerPoints[c] = static_cast<int>(points[source]);
        if (hasUvs) {
            const int entry = object.addUv();
            if (entry >= 0) {
                object.uvs[entry].set(uv[2 * source], uv[2 * source + 1]);
                polygon.cornerUvs[c] = entry;
            }
        }
        if (hasColors) polygon.cornerColorValues[c] = unpackColor(colors[source]);
    }
}

void readFaceLine(MqoReader& reader, SceneObject& object, UvReservation& uvReservation) {
    std::size_t position = 0;
    std::int64_t corners = 0;
    if (!scanInteger(reader.line, position, corners) || corners < 2 || corners > maxCorners) return;
    const int k = static_cast<int>(corners);
    std::int64_t points[maxCorners] = {0, 0, 0, 0};
    readIntegers(reader, " V(", points, k);
    if (!pointsExist(object, points, k)) return;
    if (k == 2) addEdge(object, points);
    else addPolygon(reader, object, points, k, uvReservation);
}

}  // namespace

void readFaces(MqoReader& reader, int objectIndex) {
    SceneObject& object = reader.scene.objects[objectIndex];
    const std::int64_t stated = countAfter(reader.line, "face ");
    const int extra = plausibleCount(reader, stated, minimumFaceBytes, object.polygonCount);
    if (extra > object.polygonCapacity - object.polygonCount) object.resizePolygons(object.polygonCount + extra);
    UvReservation uvReservation;
    uvReservation.pending = plausibleCount(reader, 4LL * extra, minimumUvBytes, object.uvCount);
    while (reader.readLine() == 0) {
        if (containsText(reader.line, "}")) return;
        readFaceLine(reader, object, uvReservation);
    }
}
