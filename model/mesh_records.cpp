// The small per-object records and the point with its weight list.
#include "model/mesh_records.h"

#include "model/flags.h"
#include "model/record_relocation.h"
#include "model/record_storage.h"

void UvEntry::reset() {
    flags = 0;
    remap = -1;
    u = v = 0.0f;
}

void UvEntry::copyFrom(const UvEntry& other) {
    flags = other.flags;
    remap = other.remap;
    u = other.u;
    v = other.v;
}

void PointWeight::reset() {
    flags = 0;
    remap = -1;
    object = -1;
    weight = 0.0f;
}

void PointWeight::copyFrom(const PointWeight& other) {
    flags = other.flags;
    remap = other.remap;
    object = other.object;
    weight = other.weight;
}

void MeshEdge::reset() {
    userData = 0;
    flags = 0;
    remap = -1;
    reservedValue = 0.0f;
    pointA = pointB = 0;
}

void MeshEdge::copyFrom(const MeshEdge& other) {
    userData = other.userData;
    flags = other.flags;
    remap = other.remap;
    reservedValue = other.reservedValue;
    pointA = other.pointA;
    pointB = other.pointB;
}

void NormalEntry::reset() {
    userData = 0;
    flags = 0;
    remap = -1;
    normal.clear();
}

void NormalEntry::copyFrom(const NormalEntry& other) {
    userData = other.userData;
    flags = other.flags;
    remap = other.remap;
    normal = other.normal;
}

void ColorEntry::reset() {
    userData = 0;
    flags = 0;
    remap = -1;
    color = Color4();
}

void ColorEntry::copyFrom(const ColorEntry& other) {
    userData = other.userData;
    flags = other.flags;
    remap = other.remap;
    color = other.color;
}

MeshPoint::~MeshPoint() { record_storage::release(weights); }

void MeshPoint::reset() {
    record_storage::release(weights);
    weightCount = weightCapacity = 0;
    userData = 0;
    flags = 0;
    remap = -1;
    position.clear();
    auxVector.clear();
    normal.clear();
    color = Color4();
    uv.reset();
}

void MeshPoint::copyFrom(const MeshPoint& other) {
    if (&other == this) return;
    reset();
    userData = other.userData;
    flags = other.flags;
    remap = other.remap;
    position = other.position;
    auxVector = other.auxVector;
    normal = other.normal;
    color = other.color;
    uv.copyFrom(other.uv);
    if (!resizeWeights(other.weightCapacity)) return;
    weightCount = other.weightCount;
    for (int i = 0; i < weightCount; ++i) weights[i].copyFrom(other.weights[i]);
}

bool MeshPoint::resizeWeights(int n) {
    return record_storage::resize(weights, weightCount, weightCapacity, n);
}

bool MeshPoint::compactWeights() {
    record_storage::assignRemaps(weights, weightCount, Deleted);
    weightCount = record_storage::moveSurvivors(weights, weightCount, Deleted,
                                                [](PointWeight& d, PointWeight& s) { d.copyFrom(s); });
    resizeWeights(weightCount);
    return true;
}

// Moving a point hands its weight list over instead of copying it.
void relocate(MeshPoint& dst, MeshPoint& src) {
    PointWeight* list = src.weights;
    const int count = src.weightCount, capacity = src.weightCapacity;
    src.weights = nullptr;
    src.weightCount = src.weightCapacity = 0;
    dst.copyFrom(src);
    record_storage::release(dst.weights);
    dst.weights = list;
    dst.weightCount = count;
    dst.weightCapacity = capacity;
}
