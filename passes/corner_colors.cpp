// Turns per-corner colour values into colour entries shared by the corners around each point.
#include "passes/import_cleanup.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

void markAllColorsDeleted(SceneObject& object) {
    for (int i = 0; i < object.colorCount; ++i) {
        object.colors[i].flags |= Deleted;
        object.colors[i].remap = -1;
    }
}

// Keeps only the colour entries some corner names.
void removeUnusedColors(SceneObject& object) {
    markAllColorsDeleted(object);
    for (int i = 0; i < object.polygonCount; ++i) {
        const MeshPolygon& polygon = object.polygons[i];
        for (int c = 0; c < polygon.cornerCount; ++c) {
            int entry = polygon.cornerColors[c];
            if (entry >= 0 && entry < object.colorCount) object.colors[entry].flags &= ~Deleted;
        }
    }
    object.compact();
}

// A colour as a sortable key that compares like float equality: -0 and +0 give the same key.
// Colours holding a NaN equal nothing, not even themselves, and get no key.
bool colorKey(const Color4& color, uint32_t key[4]) {
    const float values[4] = {color.r, color.g, color.b, color.a};
    for (int i = 0; i < 4; ++i) {
        if (std::isnan(values[i])) return false;
        float v = values[i] == 0.0f ? 0.0f : values[i];
        std::memcpy(&key[i], &v, sizeof v);
    }
    return true;
}

// One corner that names both a point and a colour entry.
struct KeyedSlot {
    int point;
    uint32_t key[4];
    int polygon;
    int corner;
    int entry;  // colour entry the corner names before merging
};

bool keyedBefore(const KeyedSlot& a, const KeyedSlot& b) {
    if (a.point != b.point) return a.point < b.point;
    for (int i = 0; i < 4; ++i)
        if (a.key[i] != b.key[i]) return a.key[i] < b.key[i];
    if (a.polygon != b.polygon) return a.polygon < b.polygon;
    return a.corner < b.corner;
}

bool sameGroup(const KeyedSlot& a, const KeyedSlot& b) {
    return a.point == b.point && std::equal(a.key, a.key + 4, b.key);
}

// Every corner takes the colour entry of the first corner, in corner order, on the same point
// with exactly the same colour. Sorting by (point, colour, order) finds those groups in
// n log n instead of comparing every pair of corners around a point.
void shareEqualColorsPerPoint(SceneObject& object) {
    std::vector<KeyedSlot> keyed;
    for (int i = 0; i < object.polygonCount; ++i) {
        const MeshPolygon& polygon = object.polygons[i];
        for (int c = 0; c < polygon.cornerCount; ++c) {
            int point = polygon.cornerPoints[c];
            int entry = polygon.cornerColors[c];
            if (point < 0 || point >= object.pointCount || entry < 0 || entry >= object.colorCount) continue;
            KeyedSlot k;
            if (!colorKey(object.colors[entry].color, k.key)) continue;
            k.point = point;
            k.polygon = i;
            k.corner = c;
            k.entry = entry;
            keyed.push_back(k);
        }
    }
    std::sort(keyed.begin(), keyed.end(), keyedBefore);
    size_t first = 0;
    for (size_t i = 0; i < keyed.size(); ++i) {
        if (!sameGroup(keyed[first], keyed[i])) first = i;
        object.polygons[keyed[i].polygon].cornerColors[keyed[i].corner] = keyed[first].entry;
    }
}

}  // namespace

bool expandCornerColors(Scene& scene) {
    for (int i = 0; i < scene.objectCount; ++i) {
        SceneObject& object = scene.objects[i];
        markAllColorsDeleted(object);
        object.compact();
        long long corners = 0;
        for (int j = 0; j < object.polygonCount; ++j) corners += object.polygons[j].cornerCount;
        object.resizeColors(static_cast<int>(corners));
        for (int j = 0; j < object.polygonCount; ++j) {
            MeshPolygon& polygon = object.polygons[j];
            for (int c = 0; c < polygon.cornerCount; ++c) {
                int entry = object.addColor();
                object.colors[entry].color = polygon.cornerColorValues[c];
                polygon.cornerColors[c] = entry;
            }
        }
        object.compact();
    }
    return true;
}

bool mergeCornerColors(Scene& scene) {
    for (int i = 0; i < scene.objectCount; ++i) {
        SceneObject& object = scene.objects[i];
        if (object.pointCount == 0) continue;
        shareEqualColorsPerPoint(object);
        removeUnusedColors(object);
    }
    return true;
}
