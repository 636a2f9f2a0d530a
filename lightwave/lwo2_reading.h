// State of one LWO2 read, shared by the chunk readers of its three passes, and the chunk readers.
// Each chunk reader gets the chunk's content (exactly `length` bytes) and returns the bytes it
// consumed; the file reader fails the file when that differs from the stated length.
// ChunkRanShort (-1) reports content that ended inside a value, which never equals a length.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "lightwave/encoding.h"
#include "lightwave/reader_lookups.h"
#include "model/scene.h"

constexpr long long ChunkRanShort = -1;

// Which materials a vertex map applies to, by the map names that the surfaces gave them: every
// distinct name is a group, and a map selects the materials of its group, or every material when
// no surface names it. Built once, after the surfaces have been read.
class MapSelection {
public:
    // Groups the materials by their uvMapName (colorMaps false) or colorMapName (true).
    void build(const Scene& scene, bool colorMaps);
    // The group of a map name; -1 when no material names it (the map then applies to all).
    int groupOf(const std::string& mapName) const;
    // Whether a polygon of this material takes the values of a map of this group. Polygons
    // without a material always do.
    bool selects(int group, int material) const;

private:
    std::unordered_map<std::string, int> groups_;
    std::vector<int> materialGroup_;
};

// The corners of each point of one object ((polygon, corner) pairs, grouped by point), so that
// a vertex map touches only the corners of the points it names, and per-point marks that
// collect the last value a map gives each point.
class PointCorners {
public:
    struct Corner {
        int polygon, corner;
    };
    // Builds the table for `object` unless it was built for it last.
    void prepare(const SceneObject& object, int objectIndex);
    const Corner* begin(int point) const { return corners_.data() + start_[point]; }
    const Corner* end(int point) const { return corners_.data() + start_[point + 1]; }

    // Marks for one vertex map: starts a fresh set of marks.
    void clearMarks();
    // Records `value` for `point` (the last one recorded wins).
    void mark(int point, int value);
    const std::vector<int>& markedPoints() const { return marked_; }
    int markValue(int point) const { return value_[point]; }

private:
    int object_ = -1;
    std::vector<int> start_;
    std::vector<Corner> corners_;
    std::vector<unsigned> stamp_;
    std::vector<int> value_;
    std::vector<int> marked_;
    unsigned currentStamp_ = 0;
};

struct Lwo2Reading {
    explicit Lwo2Reading(Scene& s) : scene(s), names(s) {}

    Scene& scene;
    SceneNames names;
    // Geometry met before the first "LAYR" went to an object made for it at index 0.
    bool implicitObject = false;
    // After the surfaces are read: materials by their image clip number, map selections.
    std::unordered_map<std::uint32_t, std::vector<int>> materialsByClip;
    MapSelection uvMaps, colorMaps;
    PointCorners pointCorners;

    // The object geometry and vertex maps go to; creates the implicit first object for geometry
    // before any layer when `create` is true. Null when there is none.
    SceneObject* currentObject(bool create);
};

// First pass.
long long readTags(Lwo2Reading& reading, ByteReader& in, std::uint32_t length);
long long readSurface(Lwo2Reading& reading, ByteReader& in, std::uint32_t length);
// Second pass (and "LAYR" again in the third).
long long readLayer(Lwo2Reading& reading, ByteReader& in, std::uint32_t length);
long long readPoints(Lwo2Reading& reading, ByteReader& in, std::uint32_t length);
long long readPolygons(Lwo2Reading& reading, ByteReader& in, std::uint32_t length);
long long readPolygonTags(Lwo2Reading& reading, ByteReader& in, std::uint32_t length);
// Third pass.
long long readClip(Lwo2Reading& reading, ByteReader& in, std::uint32_t length);
long long readVertexMap(Lwo2Reading& reading, ByteReader& in, std::uint32_t length);
long long readDiscontinuousMap(Lwo2Reading& reading, ByteReader& in, std::uint32_t length);
