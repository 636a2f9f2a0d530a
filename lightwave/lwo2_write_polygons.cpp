// Polygons as written, reference checks and the per-point corner lists of the LWO2 writer.
#include "lightwave/lwo2_write_parts.h"

std::vector<WrittenPolygon> writtenPolygons(const SceneObject& object) {
    std::vector<WrittenPolygon> pieces;
    pieces.reserve(std::size_t(object.polygonCount));
    for (int p = 0; p < object.polygonCount; ++p) {
        const int n = object.polygons[p].cornerCount;
        if (n <= MaxPolygonCorners) {
            pieces.push_back({p, 1, n < 0 ? 0 : n});
            continue;
        }
        // Fan pieces: corner 0 plus up to MaxPolygonCorners - 1 consecutive corners, each piece
        // starting at the corner where the previous one ended.
        const int step = MaxPolygonCorners - 2;
        for (int first = 1; first < n - 1; first += step) {
            const int last = first + step < n - 1 ? first + step : n - 1;
            pieces.push_back({p, first, last - first + 2});
        }
    }
    return pieces;
}

namespace {
// -1 (none) or an existing entry.
bool inRange(int index, int count) { return index >= -1 && index < count; }
}  // namespace

bool referencesValid(const Scene& scene) {
    for (int m = 0; m < scene.materialCount; ++m) {
        const int slot = scene.materials[m].textureSlots[0];
        if (slot < -1 || slot >= scene.textureCount) return false;
    }
    for (int o = 0; o < scene.objectCount; ++o) {
        const SceneObject& object = scene.objects[o];
        for (int p = 0; p < object.polygonCount; ++p) {
            const MeshPolygon& polygon = object.polygons[p];
            if (polygon.material < -1 || polygon.material >= scene.materialCount) return false;
            for (int c = 0; c < polygon.cornerCount; ++c) {
                const int point = polygon.cornerPoints[c];
                if (point < 0 || point >= object.pointCount) return false;
                if (!inRange(polygon.cornerUvs[c], object.uvCount)) return false;
                if (!inRange(polygon.cornerColors[c], object.colorCount)) return false;
                if (!inRange(polygon.cornerEdges[c], object.edgeCount)) return false;
                if (!inRange(polygon.cornerNormals[c], object.normalCount)) return false;
            }
        }
        for (int e = 0; e < object.edgeCount; ++e) {
            const MeshEdge& edge = object.edges[e];
            if (edge.pointA < 0 || edge.pointA >= object.pointCount) return false;
            if (edge.pointB < 0 || edge.pointB >= object.pointCount) return false;
        }
    }
    return true;
}

void CornerSlots::build(const SceneObject& object, const std::vector<WrittenPolygon>& polygons,
                        int* MeshPolygon::*entries) {
    const std::size_t points = std::size_t(object.pointCount);
    start_.assign(points + 1, 0);
    fill_.assign(points, 0);
    slots_.clear();
    if (points == 0) return;

    // Room for every corner that gives its point an entry.
    for (const WrittenPolygon& piece : polygons) {
        const MeshPolygon& polygon = object.polygons[piece.polygon];
        for (int i = 0; i < piece.count; ++i) {
            const int c = sourceCorner(piece, i);
            if ((polygon.*entries)[c] != -1) ++start_[std::size_t(polygon.cornerPoints[c]) + 1];
        }
    }
    for (std::size_t p = 0; p < points; ++p) start_[p + 1] += start_[p];
    slots_.resize(std::size_t(start_[points]));

    for (std::size_t w = 0; w < polygons.size(); ++w) {
        const WrittenPolygon& piece = polygons[w];
        const MeshPolygon& polygon = object.polygons[piece.polygon];
        for (int i = 0; i < piece.count; ++i) {
            const int c = sourceCorner(piece, i);
            const int entry = (polygon.*entries)[c];
            if (entry == -1) continue;
            const int point = polygon.cornerPoints[c];
            int& filled = fill_[std::size_t(point)];
            if (filled > 0 && slots_[std::size_t(start_[point])].entry == entry) continue;
            slots_[std::size_t(start_[point] + filled)] = {int(w), entry};
            ++filled;
        }
    }
}
