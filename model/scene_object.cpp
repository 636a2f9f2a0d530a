#include "model/scene_object.h"

#include "model/flags.h"
#include "model/owned_text.h"
#include "model/record_relocation.h"
#include "model/record_storage.h"

namespace {

constexpr int ObjectArrayStep = 256;

template <class T>
void copyMoves(T& dst, T& src) {
    dst.copyFrom(src);
}

void pointMoves(MeshPoint& dst, MeshPoint& src) { relocate(dst, src); }
void polygonMoves(MeshPolygon& dst, MeshPolygon& src) { relocate(dst, src); }

template <class T>
bool resizeArray(T*& items, int count, int& capacity, int n) {
    return record_storage::resize(items, count, capacity, n, copyMoves<T>);
}

// Removes the Deleted entries of one array whose new indices are already assigned and shrinks it
// to the survivors.
template <class T, class Move>
void shrinkToSurvivors(T*& items, int& count, int& capacity, Move move) {
    count = record_storage::moveSurvivors(items, count, Deleted, move);
    record_storage::resize(items, count, capacity, count, move);
}

}  // namespace

SceneObject::~SceneObject() { reset(); }  // reset releases every owned string and array

void SceneObject::reset() {
    releaseText(name);
    record_storage::release(points);
    record_storage::release(edges);
    record_storage::release(polygons);
    record_storage::release(uvs);
    record_storage::release(normals);
    record_storage::release(keys);
    record_storage::release(colors);
    hostNode = nullptr;
    parent = -1;
    reserved0 = 0;
    flags = 0;
    remap = -1;
    reserved1 = reserved2 = reserved3 = 0;
    color = Color4();
    transform.reset();
    auxTransform.reset();
    pointCount = edgeCount = polygonCount = uvCount = colorCount = normalCount = keyCount = 0;
    pointCapacity = edgeCapacity = polygonCapacity = uvCapacity = colorCapacity = normalCapacity =
        keyCapacity = 0;
    rotationOrder = OrderZXY;
    rotatePivot.clear();
    scalePivot.clear();
    rotatePivotOffset.clear();
    scalePivotOffset.clear();
    reservedVecA.clear();
    reservedVecB.clear();
}

void SceneObject::setName(const char* text) { replaceText(name, text); }

int SceneObject::addPoint() {
    return record_storage::add(points, pointCount, pointCapacity, ObjectArrayStep, pointMoves);
}

int SceneObject::addEdge() {
    return record_storage::add(edges, edgeCount, edgeCapacity, ObjectArrayStep, copyMoves<MeshEdge>);
}

int SceneObject::addUv() {
    return record_storage::add(uvs, uvCount, uvCapacity, ObjectArrayStep, copyMoves<UvEntry>);
}

int SceneObject::addColor() {
    return record_storage::add(colors, colorCount, colorCapacity, ObjectArrayStep, copyMoves<ColorEntry>);
}

int SceneObject::addPolygon(int cornerCount) {
    const int index =
        record_storage::add(polygons, polygonCount, polygonCapacity, ObjectArrayStep, polygonMoves);
    if (index >= 0) polygons[index].setCornerCount(cornerCount);
    return index;
}

bool SceneObject::resizePoints(int n) {
    return record_storage::resize(points, pointCount, pointCapacity, n, pointMoves);
}

bool SceneObject::resizeEdges(int n) { return resizeArray(edges, edgeCount, edgeCapacity, n); }

bool SceneObject::resizePolygons(int n) {
    return record_storage::resize(polygons, polygonCount, polygonCapacity, n, polygonMoves);
}

bool SceneObject::resizeUvs(int n) { return resizeArray(uvs, uvCount, uvCapacity, n); }

bool SceneObject::resizeNormals(int n) { return resizeArray(normals, normalCount, normalCapacity, n); }

bool SceneObject::resizeColors(int n) { return resizeArray(colors, colorCount, colorCapacity, n); }

bool SceneObject::resizeKeys(int n) { return resizeArray(keys, keyCount, keyCapacity, n); }

namespace {

// Every field that copyFrom copies by value, in its order; reserved0 is left out.
void copyScalars(SceneObject& to, const SceneObject& other) {
    to.hostNode = other.hostNode;
    to.parent = other.parent;
    to.flags = other.flags;
    to.reserved1 = other.reserved1;
    to.reserved2 = other.reserved2;
    to.reserved3 = other.reserved3;
    to.remap = other.remap;
    to.transform.copyFrom(other.transform);
    to.auxTransform.copyFrom(other.auxTransform);
    to.color = other.color;
    to.rotationOrder = other.rotationOrder;
    to.rotatePivot = other.rotatePivot;
    to.scalePivot = other.scalePivot;
    to.rotatePivotOffset = other.rotatePivotOffset;
    to.scalePivotOffset = other.scalePivotOffset;
    to.reservedVecA = other.reservedVecA;
    to.reservedVecB = other.reservedVecB;
}

template <class T>
void takeArray(T*& items, int& count, int& capacity, T*& sourceItems, int& sourceCount, int& sourceCapacity) {
    record_storage::release(items);
    items = sourceItems;
    count = sourceCount;
    capacity = sourceCapacity;
    sourceItems = nullptr;
    sourceCount = sourceCapacity = 0;
}

}  // namespace

void relocate(SceneObject& dst, SceneObject& src) {
    if (&dst == &src) return;
    dst.reset();
    copyScalars(dst, src);
    dst.name = src.name;
    src.name = nullptr;
    takeArray(dst.points, dst.pointCount, dst.pointCapacity, src.points, src.pointCount, src.pointCapacity);
    takeArray(dst.edges, dst.edgeCount, dst.edgeCapacity, src.edges, src.edgeCount, src.edgeCapacity);
    takeArray(dst.polygons, dst.polygonCount, dst.polygonCapacity, src.polygons, src.polygonCount,
              src.polygonCapacity);
    takeArray(dst.uvs, dst.uvCount, dst.uvCapacity, src.uvs, src.uvCount, src.uvCapacity);
    takeArray(dst.normals, dst.normalCount, dst.normalCapacity, src.normals, src.normalCount, src.normalCapacity);
    takeArray(dst.colors, dst.colorCount, dst.colorCapacity, src.colors, src.colorCount, src.colorCapacity);
    takeArray(dst.keys, dst.keyCount, dst.keyCapacity, src.keys, src.keyCount, src.keyCapacity);
}

void SceneObject::copyFrom(const SceneObject& other) {
    if (&other == this) return;
    reset();
    copyScalars(*this, other);
    setName(other.name);
    // An array whose storage cannot be allocated stays empty rather than claiming entries.
    pointCount = resizePoints(other.pointCapacity) ? other.pointCount : 0;
    edgeCount = resizeEdges(other.edgeCapacity) ? other.edgeCount : 0;
    polygonCount = resizePolygons(other.polygonCapacity) ? other.polygonCount : 0;
    uvCount = resizeUvs(other.uvCapacity) ? other.uvCount : 0;
    normalCount = resizeNormals(other.normalCapacity) ? other.normalCount : 0;
    colorCount = resizeColors(other.colorCapacity) ? other.colorCount : 0;
    keyCount = resizeKeys(other.keyCapacity) ? other.keyCount : 0;
    for (int i = 0; i < pointCount; ++i) points[i].copyFrom(other.points[i]);
    for (int i = 0; i < edgeCount; ++i) edges[i].copyFrom(other.edges[i]);
    for (int i = 0; i < polygonCount; ++i) polygons[i].copyFrom(other.polygons[i]);
    for (int i = 0; i < uvCount; ++i) uvs[i].copyFrom(other.uvs[i]);
    for (int i = 0; i < normalCount; ++i) normals[i].copyFrom(other.normals[i]);
    for (int i = 0; i < colorCount; ++i) colors[i].copyFrom(other.colors[i]);
    for (int i = 0; i < keyCount; ++i) keys[i].copyFrom(other.keys[i]);
}

bool SceneObject::compact() {
    using record_storage::assignRemaps;
    using record_storage::remapped;
    assignRemaps(points, pointCount, Deleted);
    assignRemaps(edges, edgeCount, Deleted);
    assignRemaps(normals, normalCount, Deleted);
    assignRemaps(colors, colorCount, Deleted);
    assignRemaps(uvs, uvCount, Deleted);

    // References to entries that do not exist become -1 like references to removed entries.
    for (int i = 0; i < edgeCount; ++i) {
        edges[i].pointA = remapped(points, pointCount, edges[i].pointA);
        edges[i].pointB = remapped(points, pointCount, edges[i].pointB);
    }
    for (int i = 0; i < polygonCount; ++i) {
        MeshPolygon& p = polygons[i];
        for (int c = 0; c < p.cornerCount; ++c) {
            if (p.cornerPoints[c] != -1) p.cornerPoints[c] = remapped(points, pointCount, p.cornerPoints[c]);
            if (p.cornerEdges[c] != -1) p.cornerEdges[c] = remapped(edges, edgeCount, p.cornerEdges[c]);
            if (p.cornerNormals[c] != -1)
                p.cornerNormals[c] = remapped(normals, normalCount, p.cornerNormals[c]);
            if (p.cornerColors[c] != -1) p.cornerColors[c] = remapped(colors, colorCount, p.cornerColors[c]);
            if (p.cornerUvs[c] != -1) p.cornerUvs[c] = remapped(uvs, uvCount, p.cornerUvs[c]);
        }
    }

    shrinkToSurvivors(points, pointCount, pointCapacity, pointMoves);
    shrinkToSurvivors(edges, edgeCount, edgeCapacity, copyMoves<MeshEdge>);
    shrinkToSurvivors(normals, normalCount, normalCapacity, copyMoves<NormalEntry>);
    shrinkToSurvivors(colors, colorCount, colorCapacity, copyMoves<ColorEntry>);
    shrinkToSurvivors(uvs, uvCount, uvCapacity, copyMoves<UvEntry>);
    shrinkToSurvivors(polygons, polygonCount, polygonCapacity, polygonMoves);
    return true;
}
