// Builds a small scene in memory, copies and compacts it, splits a placement matrix, and prints
// what happened.
#include <cstdio>

#include "model/euler.h"
#include "model/flags.h"
#include "model/paths.h"
#include "model/scene.h"

namespace {

// A unit quad made of four points, four edges and one polygon using `material`.
void buildQuad(SceneObject& object, int material, float offset) {
    const float corners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (const auto& c : corners) {
        const int p = object.addPoint();
        object.points[p].position.set(c[0] + offset, c[1], 0);
    }
    const int polygon = object.addPolygon(4);
    for (int k = 0; k < 4; ++k) {
        const int e = object.addEdge();
        object.edges[e].pointA = k;
        object.edges[e].pointB = (k + 1) % 4;
        object.polygons[polygon].cornerPoints[k] = k;
        object.polygons[polygon].cornerEdges[k] = e;
    }
    object.polygons[polygon].material = material;
}

void printScene(const char* title, const Scene& scene) {
    std::printf("%s: %d objects (capacity %d), %d materials, %d textures\n", title, scene.objectCount,
                scene.objectCapacity, scene.materialCount, scene.textureCount);
    for (int i = 0; i < scene.objectCount; ++i) {
        const SceneObject& o = scene.objects[i];
        std::printf("  object %d \"%s\": parent %d, %d points, %d edges, %d polygons\n", i, o.name, o.parent,
                    o.pointCount, o.edgeCount, o.polygonCount);
    }
}

}  // namespace

int main() {
    Scene scene;
    scene.setName("demo");
    const int wood = scene.addTexture("images\\wood.png");
    const int tabletop = scene.addMaterial("Tabletop");
    const int spare = scene.addMaterial("");  // gets a generated name
    scene.materials[tabletop].textureSlots[0] = wood;

    const int table = scene.addObject("Table");
    const int scratch = scene.addObject("Scratch");
    const int lamp = scene.addObject("");
    buildQuad(scene.objects[table], tabletop, 0);
    buildQuad(scene.objects[scratch], spare, 2);
    buildQuad(scene.objects[lamp], tabletop, 4);
    scene.objects[lamp].parent = scratch;
    printScene("built", scene);

    // Work on a copy: drop the scratch object (its child becomes a root) and the spare material.
    Scene copy;
    copy.copyFrom(scene);
    copy.objects[scratch].flags |= Deleted;
    copy.compactObjects();
    copy.materials[spare].flags |= Deleted;
    copy.compactMaterials();
    printScene("copy after removing \"Scratch\"", copy);
    std::printf("  materials left: \"%s\" using texture \"%s\"\n", copy.materials[0].name,
                copy.textures[copy.materials[0].textureSlots[0]].name);

    // Remove one corner point of the table: its edges keep their ends renumbered, the corner goes.
    SceneObject& tableCopy = copy.objects[0];
    tableCopy.points[1].flags |= Deleted;
    tableCopy.compact();
    const MeshPolygon& quad = tableCopy.polygons[0];
    std::printf("table without point 1: %d points, corners %d %d %d %d\n", tableCopy.pointCount,
                quad.cornerPoints[0], quad.cornerPoints[1], quad.cornerPoints[2], quad.cornerPoints[3]);
    std::printf("original scene still has %d objects and %d points in \"%s\"\n", scene.objectCount,
                scene.objects[table].pointCount, scene.objects[table].name);

    // Split a placement into position, rotation (order ZXY) and scale.
    Mat4 placement;
    placement.scale(2, 2, 2);
    placement.rotate(0.5f, 0.25f, -1.0f, OrderZXY);
    placement.translate(10, 0, -3);
    Vec3 position, rotation, scale;
    decompose(placement, OrderZXY, position, rotation, scale);
    std::printf("decomposed: position (%.3f, %.3f, %.3f), rotation (%.3f, %.3f, %.3f), scale (%.3f, %.3f, %.3f)\n",
                position.x, position.y, position.z, rotation.x, rotation.y, rotation.z, scale.x, scale.y, scale.z);
    const Vec3 xyz = convertEulerOrder(rotation, OrderZXY, OrderXYZ, Vec3());
    std::printf("same rotation in order XYZ: (%.3f, %.3f, %.3f)\n", xyz.x, xyz.y, xyz.z);

    char folder[256];
    directoryWithSuffix("C:\\scenes\\demo.lws", folder, "Object");
    std::printf("object folder beside C:\\scenes\\demo.lws: %s\n", folder);
    return 0;
}
