// Polygons and their eight per-corner arrays. The eight arrays of one polygon share a single
// allocation that starts at cornerPoints: the five index arrays, then the normal vectors, the
// colour values and the auxiliary colours.
#include "model/record_relocation.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <utility>

namespace {

constexpr std::size_t bytesPerCorner = 5 * sizeof(int) + sizeof(Vec3) + 2 * sizeof(Color4);

struct CornerArrays {
    int* points = nullptr;
    int* edges = nullptr;
    int* uvs = nullptr;
    int* normals = nullptr;
    int* colors = nullptr;
    Vec3* normalVectors = nullptr;
    Color4* colorValues = nullptr;
    Color4* auxColors = nullptr;
};

// Arrays for n > 0 corners holding the defaults of a new corner; all null when allocation fails.
CornerArrays allocateCorners(int n) {
    CornerArrays a;
    if (n <= 0 || static_cast<std::size_t>(n) > SIZE_MAX / bytesPerCorner) return a;
    char* block = static_cast<char*>(::operator new(n * bytesPerCorner, std::nothrow));
    if (!block) return a;
    int* ints = reinterpret_cast<int*>(block);
    a.points = ints;
    a.edges = ints + n;
    a.uvs = ints + 2 * n;
    a.normals = ints + 3 * n;
    a.colors = ints + 4 * n;
    std::fill(ints, ints + 5 * n, -1);
    a.normalVectors = reinterpret_cast<Vec3*>(ints + 5 * n);
    a.colorValues = reinterpret_cast<Color4*>(a.normalVectors + n);
    a.auxColors = a.colorValues + n;
    for (int i = 0; i < n; ++i) {
        new (a.normalVectors + i) Vec3();
        new (a.colorValues + i) Color4(1.0f, 1.0f, 1.0f, 1.0f);
        new (a.auxColors + i) Color4();
    }
    return a;
}

void adopt(MeshPolygon& p, const CornerArrays& a) {
    p.cornerPoints = a.points;
    p.cornerEdges = a.edges;
    p.cornerUvs = a.uvs;
    p.cornerNormals = a.normals;
    p.cornerColors = a.colors;
    p.cornerNormalVectors = a.normalVectors;
    p.cornerColorValues = a.colorValues;
    p.cornerAuxColors = a.auxColors;
}

void releaseCorners(MeshPolygon& p) {
    ::operator delete(static_cast<void*>(p.cornerPoints));
    adopt(p, CornerArrays());
}

void copyCornerValues(MeshPolygon& to, int i, const MeshPolygon& from, int j) {
    to.cornerPoints[i] = from.cornerPoints[j];
    to.cornerEdges[i] = from.cornerEdges[j];
    to.cornerUvs[i] = from.cornerUvs[j];
    to.cornerNormals[i] = from.cornerNormals[j];
    to.cornerColors[i] = from.cornerColors[j];
    to.cornerNormalVectors[i] = from.cornerNormalVectors[j];
    to.cornerColorValues[i] = from.cornerColorValues[j];
    to.cornerAuxColors[i] = from.cornerAuxColors[j];
}

void copyHeaderAndFace(MeshPolygon& to, const MeshPolygon& from) {
    to.userData = from.userData;
    to.flags = from.flags;
    to.remap = from.remap;
    to.cornerCount = from.cornerCount;
    to.material = from.material;
    to.color = from.color;
    to.normal = from.normal;
}

}  // namespace

MeshPolygon::~MeshPolygon() { releaseCorners(*this); }

void MeshPolygon::reset() {
    releaseCorners(*this);
    userData = 0;
    flags = 0;
    remap = -1;
    color.set(1.0f, 1.0f, 1.0f, 1.0f);
    normal.clear();
    cornerCount = 0;
    material = -1;
}

void MeshPolygon::copyFrom(const MeshPolygon& other) {
    if (&other == this) return;
    reset();
    copyHeaderAndFace(*this, other);
    if (cornerCount <= 0) {
        cornerCount = 0;
        return;
    }
    adopt(*this, allocateCorners(cornerCount));
    if (!cornerPoints) {
        cornerCount = 0;
        return;
    }
    for (int i = 0; i < cornerCount; ++i) copyCornerValues(*this, i, other, i);
}

void MeshPolygon::setCornerCount(int n) {
    reset();
    if (n <= 0) return;
    adopt(*this, allocateCorners(n));
    // Without storage the polygon keeps no corners rather than claiming arrays it does not have.
    cornerCount = cornerPoints ? n : 0;
}

bool MeshPolygon::resizeCorners(int n) {
    if (n < 0) return false;
    CornerArrays fresh = allocateCorners(n);
    if (n > 0 && !fresh.points) return false;
    MeshPolygon old;
    std::swap(old.cornerPoints, cornerPoints);
    std::swap(old.cornerEdges, cornerEdges);
    std::swap(old.cornerUvs, cornerUvs);
    std::swap(old.cornerNormals, cornerNormals);
    std::swap(old.cornerColors, cornerColors);
    std::swap(old.cornerNormalVectors, cornerNormalVectors);
    std::swap(old.cornerColorValues, cornerColorValues);
    std::swap(old.cornerAuxColors, cornerAuxColors);
    adopt(*this, fresh);
    const int kept = std::min(n, cornerCount);
    for (int i = 0; i < kept; ++i) copyCornerValues(*this, i, old, i);
    cornerCount = n;
    return true;  // `old` releases the previous arrays
}

bool MeshPolygon::copyCorner(int i, const MeshPolygon& other, int j) {
    if (i < 0 || i >= cornerCount || j < 0 || j >= other.cornerCount) return false;
    copyCornerValues(*this, i, other, j);
    return true;
}

void MeshPolygon::reverse() {
    const int n = cornerCount;
    for (int i = 0; i < n / 2; ++i) {
        const int k = n - 1 - i;
        std::swap(cornerPoints[i], cornerPoints[k]);
        std::swap(cornerUvs[i], cornerUvs[k]);
        std::swap(cornerNormals[i], cornerNormals[k]);
        std::swap(cornerColors[i], cornerColors[k]);
        std::swap(cornerNormalVectors[i], cornerNormalVectors[k]);
        std::swap(cornerColorValues[i], cornerColorValues[k]);
        std::swap(cornerAuxColors[i], cornerAuxColors[k]);
    }
    // The closing edge (last entry) stays; the others turn around so edge k again runs from the
    // new corner k to the new corner k + 1.
    for (int j = 0; j < (n - 1) / 2; ++j) std::swap(cornerEdges[j], cornerEdges[n - 2 - j]);
    normal = -normal;
    for (int i = 0; i < n; ++i) cornerNormalVectors[i] = -cornerNormalVectors[i];
}

void relocate(MeshPolygon& dst, MeshPolygon& src) {
    if (&dst == &src) return;
    dst.reset();
    copyHeaderAndFace(dst, src);
    dst.cornerPoints = src.cornerPoints;
    dst.cornerEdges = src.cornerEdges;
    dst.cornerUvs = src.cornerUvs;
    dst.cornerNormals = src.cornerNormals;
    dst.cornerColors = src.cornerColors;
    dst.cornerNormalVectors = src.cornerNormalVectors;
    dst.cornerColorValues = src.cornerColorValues;
    dst.cornerAuxColors = src.cornerAuxColors;
    adopt(src, CornerArrays());
    src.cornerCount = 0;
}
