// Point lists of an object: text lines of three numbers, or a block of binary records.
#include <cstdint>
#include <cstring>

#include "metasequoia/mqo_document_reader.h"
#include "metasequoia/mqo_numbers.h"

namespace {

// Every line up to one holding "}" is a point; numbers it lacks are 0.
constexpr std::size_t minimumTextPointBytes = 1;
constexpr std::size_t binaryPointBytes = 12;

float littleEndianFloat(const unsigned char* bytes) {
    const std::uint32_t bits = static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
                               static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void reservePoints(MqoReader& reader, SceneObject& object, std::int64_t statedCount, std::size_t bytesPerPoint) {
    const int extra = plausibleCount(reader, statedCount, bytesPerPoint, object.pointCount);
    if (extra > object.pointCapacity - object.pointCount) object.resizePoints(object.pointCount + extra);
}

}  // namespace

void readTextPoints(MqoReader& reader, int objectIndex) {
    SceneObject& object = reader.scene.objects[objectIndex];
    const std::string_view keyword = containsText(reader.line, "vertex ") ? "vertex " : "Vertex ";
    reservePoints(reader, object, countAfter(reader.line, keyword), minimumTextPointBytes);
    while (reader.readLine() == 0) {
        if (containsText(reader.line, "}")) return;
        const int point = object.addPoint();
        if (point < 0) continue;
        float xyz[3];
        scanFloats(reader.line, xyz, 3);
        object.points[point].position.set(xyz[0], xyz[1], xyz[2]);
    }
}

void readBinaryPoints(MqoReader& reader, int objectIndex) {
    SceneObject& object = reader.scene.objects[objectIndex];
    const std::int64_t count = countAfter(reader.line, "BVertex ");
    // The line after the header states the size of the data; the count alone decides.
    if (reader.readLine() != 0) {
        reader.truncated = count > 0;
        return;
    }
    if (count <= 0) {
        reader.readLine();
        return;
    }
    if (static_cast<std::uint64_t>(count) > reader.input.remaining() / binaryPointBytes) {
        reader.truncated = true;
        return;
    }
    reservePoints(reader, object, count, binaryPointBytes);
    const auto* records = reinterpret_cast<const unsigned char*>(reader.input.takeBytes(count * binaryPointBytes));
    for (std::int64_t i = 0; i < count; ++i) {
        const int point = object.addPoint();
        if (point < 0) break;
        const unsigned char* record = records + i * binaryPointBytes;
        object.points[point].position.set(littleEndianFloat(record), littleEndianFloat(record + 4),
                                          littleEndianFloat(record + 8));
    }
    reader.readLine();  // what follows the data on its last line
}
