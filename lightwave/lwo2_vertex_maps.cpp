// "VMAP" and "VMAD": texture coordinates and vertex colours of an LWO2 file, per point and per
// polygon corner.
#include <algorithm>

#include "lightwave/bulk_reader.h"
#include "lightwave/lwo2_reading.h"

void MapSelection::build(const Scene& scene, bool colorMaps) {
    groups_.clear();
    materialGroup_.assign(std::size_t(scene.materialCount), -1);
    for (int m = 0; m < scene.materialCount; ++m) {
        const char* name = colorMaps ? scene.materials[m].colorMapName : scene.materials[m].uvMapName;
        if (!name) continue;
        const auto inserted = groups_.emplace(name, int(groups_.size()));
        materialGroup_[std::size_t(m)] = inserted.first->second;
    }
}

int MapSelection::groupOf(const std::string& mapName) const {
    const auto found = groups_.find(mapName);
    return found == groups_.end() ? -1 : found->second;
}

bool MapSelection::selects(int group, int material) const {
    if (material < 0 || group < 0) return true;
    return std::size_t(material) < materialGroup_.size() && materialGroup_[std::size_t(material)] == group;
}

void PointCorners::prepare(const SceneObject& object, int objectIndex) {
    if (object_ == objectIndex && start_.size() == std::size_t(object.pointCount) + 1) return;
    object_ = objectIndex;
    const std::size_t points = std::size_t(object.pointCount);
    start_.assign(points + 1, 0);
    // Count the corners per point, then place them (a counting sort by point).
    for (int p = 0; p < object.polygonCount; ++p) {
        const MeshPolygon& polygon = object.polygons[p];
        for (int k = 0; k < polygon.cornerCount; ++k) {
            const int point = polygon.cornerPoints[k];
            if (point >= 0 && std::size_t(point) < points) ++start_[std::size_t(point) + 1];
        }
    }
    for (std::size_t i = 0; i < points; ++i) start_[i + 1] += start_[i];
    corners_.resize(std::size_t(start_[points]));
    std::vector<int> next(start_.begin(), start_.end() - 1);
    for (int p = 0; p < object.polygonCount; ++p) {
        const MeshPolygon& polygon = object.polygons[p];
        for (int k = 0; k < polygon.cornerCount; ++k) {
            const int point = polygon.cornerPoints[k];
            if (point >= 0 && std::size_t(point) < points) corners_[std::size_t(next[std::size_t(point)]++)] = {p, k};
        }
    }
    stamp_.assign(points, 0);
    value_.assign(points, -1);
    marked_.clear();
    currentStamp_ = 0;
}

void PointCorners::clearMarks() {
    marked_.clear();
    if (++currentStamp_ == 0) {  // the stamp wrapped: forget every old mark
        std::fill(stamp_.begin(), stamp_.end(), 0u);
        currentStamp_ = 1;
    }
}

void PointCorners::mark(int point, int value) {
    if (stamp_[std::size_t(point)] != currentStamp_) {
        stamp_[std::size_t(point)] = currentStamp_;
        marked_.push_back(point);
    }
    value_[std::size_t(point)] = value;
}

namespace {

struct MapHeader {
    std::uint32_t type = 0;
    unsigned dimension = 0;
    std::string name;
    long long size = 0;  // bytes of the header
};

bool readMapHeader(ByteReader& in, MapHeader& header) {
    std::uint16_t dimension;
    if (readId4Code(in, header.type) != 4 || readU2(in, &dimension, 1) != 2) return false;
    header.dimension = dimension;
    const int nameSize = readS0(in, header.name);
    if (nameSize == 0) return false;
    header.size = 6 + nameSize;
    return true;
}

const std::uint32_t Txuv = id4Code("TXUV");
const std::uint32_t Rgba = id4Code("RGBA");

}  // namespace

long long readVertexMap(Lwo2Reading& reading, ByteReader& in, std::uint32_t length) {
    MapHeader header;
    if (!readMapHeader(in, header)) return ChunkRanShort;
    if (header.type != Txuv && header.type != Rgba) return length;  // weights, picks, normals...
    SceneObject* object = reading.currentObject(false);
    if (!object) return length;  // no geometry before the first layer: nothing to map
    PointCorners& corners = reading.pointCorners;
    corners.prepare(*object, reading.scene.currentObject - 1);
    corners.clearMarks();

    BulkReader bulk(in);
    const long long contentSize = (long long)length - header.size;
    const bool uv = header.type == Txuv;
    while ((long long)bulk.consumed() < contentSize) {
        int point;
        float values[4] = {0.0f, 0.0f, 0.0f, 0.0f};
        if (!bulk.vx(point) || !bulk.floats(header.dimension, values, 4)) return ChunkRanShort;
        if (point >= object->pointCount) continue;  // names no point: skipped
        if (uv) {
            // v is turned around: LightWave's v runs up the image, the model's down.
            const float v = header.dimension >= 2 ? 1.0f - values[1] : 0.0f;
            corners.mark(point, appendUv(*object, values[0], v));
        } else {
            // The map's values replace the first channels of the point's colour; the rest keep theirs.
            float* channels[4] = {&object->points[point].color.r, &object->points[point].color.g,
                                  &object->points[point].color.b, &object->points[point].color.a};
            for (unsigned c = 0; c < header.dimension && c < 4; ++c) *channels[c] = values[c];
            corners.mark(point, 1);
        }
    }

    const MapSelection& selection = uv ? reading.uvMaps : reading.colorMaps;
    const int group = selection.groupOf(header.name);
    for (const int point : corners.markedPoints()) {
        for (const PointCorners::Corner* c = corners.begin(point); c != corners.end(point); ++c) {
            MeshPolygon& polygon = object->polygons[c->polygon];
            if (!selection.selects(group, polygon.material)) continue;
            if (uv)
                polygon.cornerUvs[c->corner] = corners.markValue(point);
            else
                polygon.cornerColorValues[c->corner] = object->points[point].color;
        }
    }
    return header.size + (long long)bulk.consumed();
}

long long readDiscontinuousMap(Lwo2Reading& reading, ByteReader& in, std::uint32_t length) {
    MapHeader header;
    if (!readMapHeader(in, header)) return ChunkRanShort;
    if (header.type != Txuv && header.type != Rgba) return length;
    SceneObject* object = reading.currentObject(false);
    if (!object) return length;

    BulkReader bulk(in);
    const long long contentSize = (long long)length - header.size;
    const bool uv = header.type == Txuv;
    const MapSelection& selection = uv ? reading.uvMaps : reading.colorMaps;
    const int group = selection.groupOf(header.name);
    while ((long long)bulk.consumed() < contentSize) {
        int point, polygonIndex;
        float values[4] = {0.0f, 0.0f, 0.0f, 1.0f};
        if (!bulk.vx(point) || !bulk.vx(polygonIndex) || !bulk.floats(header.dimension, values, 4))
            return ChunkRanShort;
        // The polygon index counts over the object's whole polygon list.
        if (polygonIndex >= object->polygonCount) continue;
        MeshPolygon& polygon = object->polygons[polygonIndex];
        if (!selection.selects(group, polygon.material)) continue;
        if (uv) {
            const float v = header.dimension >= 2 ? 1.0f - values[1] : 0.0f;
            // One entry per map record, shared by the polygon's corners on that point (normally
            // one), so a record can never make more than one entry.
            int entry = -1;
            for (int k = 0; k < polygon.cornerCount; ++k) {
                if (polygon.cornerPoints[k] != point) continue;
                if (entry < 0) entry = appendUv(*object, values[0], v);
                polygon.cornerUvs[k] = entry;
            }
        } else {
            // Channels the map does not give stay black and opaque.
            const Color4 color(values[0], values[1], values[2], values[3]);
            for (int k = 0; k < polygon.cornerCount; ++k)
                if (polygon.cornerPoints[k] == point) polygon.cornerColorValues[k] = color;
        }
    }
    return header.size + (long long)bulk.consumed();
}
