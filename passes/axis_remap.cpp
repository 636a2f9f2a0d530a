// Re-expresses every stored vector of a scene from one axis convention in another.
#include "passes/axes.h"

#include "passes/hierarchy.h"

namespace {

// One signed axis of the intermediate frame (0 = X, 1 = Y, 2 = Z).
struct SignedAxis {
    int axis;
    bool negative;
};

// The source and target conventions of one conversion, as the signed axis of each component.
struct AxisRouting {
    SignedAxis source[3];
    SignedAxis target[3];
};

// Codes 1 (-X), 3 (-Y) and 4 (-Z) carry the opposite direction of their axis. A triple is
// usable only when it names each of X, Y and Z at least once.
bool readTriple(int x, int y, int z, SignedAxis out[3]) {
    const int codes[3] = {x, y, z};
    bool named[3] = {false, false, false};
    for (int i = 0; i < 3; ++i) {
        if (codes[i] < AxisPosX || codes[i] > AxisPosZ) return false;
        out[i].axis = codes[i] / 2;
        out[i].negative = codes[i] == AxisNegX || codes[i] == AxisNegY || codes[i] == AxisNegZ;
        named[out[i].axis] = true;
    }
    return named[0] && named[1] && named[2];
}

// Moves the components of v through the intermediate frame. Scales travel sign-free: a scale
// factor says how much an axis stretches, whichever direction the axis points.
void route(Vec3& v, const AxisRouting& routing, bool signFree) {
    const float in[3] = {v.x, v.y, v.z};
    float frame[3] = {0.0f, 0.0f, 0.0f};
    for (int i = 0; i < 3; ++i) {
        const SignedAxis& s = routing.source[i];
        frame[s.axis] = (!signFree && s.negative) ? -in[i] : in[i];
    }
    float out[3];
    for (int i = 0; i < 3; ++i) {
        const SignedAxis& t = routing.target[i];
        out[i] = (!signFree && t.negative) ? -frame[t.axis] : frame[t.axis];
    }
    v.set(out[0], out[1], out[2]);
}

void routeTransform(Transform& t, const AxisRouting& routing) {
    route(t.localPosition, routing, false);
    route(t.localRotation, routing, false);
    route(t.localScale, routing, true);
    route(t.worldPosition, routing, false);
    route(t.worldRotation, routing, false);
    route(t.worldScale, routing, true);
}

void routeObject(SceneObject& object, const AxisRouting& routing) {
    routeTransform(object.transform, routing);
    routeTransform(object.auxTransform, routing);
    for (int i = 0; i < object.keyCount; ++i) {
        Transform& key = object.keys[i];
        route(key.localPosition, routing, false);
        route(key.localRotation, routing, false);
        route(key.localScale, routing, true);
    }
    for (int i = 0; i < object.pointCount; ++i) {
        route(object.points[i].position, routing, false);
        route(object.points[i].normal, routing, false);
    }
    for (int i = 0; i < object.polygonCount; ++i) {
        MeshPolygon& polygon = object.polygons[i];
        route(polygon.normal, routing, false);
        for (int j = 0; j < polygon.cornerCount; ++j) route(polygon.cornerNormalVectors[j], routing, false);
    }
    for (int i = 0; i < object.normalCount; ++i) route(object.normals[i].normal, routing, false);
}

}  // namespace

bool convertAxes(Scene& scene, int sourceX, int sourceY, int sourceZ, int targetX, int targetY,
                 int targetZ) {
    AxisRouting routing;
    // An unusable triple leaves the geometry alone; the scene still records the target below.
    if (readTriple(sourceX, sourceY, sourceZ, routing.source) &&
        readTriple(targetX, targetY, targetZ, routing.target)) {
        for (int i = 0; i < scene.objectCount; ++i) routeObject(scene.objects[i], routing);
    }
    scene.axisX = targetX;
    scene.axisY = targetY;
    scene.axisZ = targetZ;
    return computeWorldTransforms(scene);
}

bool remapAxes(Scene& scene, int targetX, int targetY, int targetZ) {
    return convertAxes(scene, scene.axisX, scene.axisY, scene.axisZ, targetX, targetY, targetZ);
}
