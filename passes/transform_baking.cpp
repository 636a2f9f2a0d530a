// Moves geometry into world space, or drops the placement while leaving geometry alone.
#include "passes/hierarchy.h"

#include <cmath>

namespace {

// Matrix that carries normals along with points transformed by `world`: the inverse transpose of
// its 3 x 3 part, so that normals stay perpendicular to their surfaces under non-uniform scaling.
// The cofactor matrix is that inverse up to the factor det; only the sign of det is kept, since
// the normals are normalised afterwards. A singular matrix keeps the cofactor direction, which is
// still the normal of the flattened surface.
Mat4 normalMatrixOf(const Mat4& world) {
    const float (*m)[4] = world.m;
    float c[3][3];
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            int i1 = (i + 1) % 3, i2 = (i + 2) % 3, j1 = (j + 1) % 3, j2 = (j + 2) % 3;
            c[i][j] = m[i1][j1] * m[i2][j2] - m[i1][j2] * m[i2][j1];
        }
    }
    float det = m[0][0] * c[0][0] + m[0][1] * c[0][1] + m[0][2] * c[0][2];
    float sign = det < 0.0f ? -1.0f : 1.0f;
    Mat4 n;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) n.m[i][j] = sign * c[i][j];
    return n;
}

void transformNormal(Vec3& normal, const Mat4& normalMatrix) {
    normal = transformPoint(normal, normalMatrix);
    normal.normalize();
}

}  // namespace

bool bakeTransforms(Scene& scene) {
    for (int i = 0; i < scene.objectCount; ++i) {
        SceneObject& object = scene.objects[i];
        const Mat4 world = object.transform.worldMatrix;
        for (int j = 0; j < object.pointCount; ++j)
            object.points[j].position = transformPoint(object.points[j].position, world);

        const Mat4 normalMatrix = normalMatrixOf(world);
        for (int j = 0; j < object.polygonCount; ++j) {
            MeshPolygon& polygon = object.polygons[j];
            transformNormal(polygon.normal, normalMatrix);
            for (int k = 0; k < polygon.cornerCount; ++k)
                transformNormal(polygon.cornerNormalVectors[k], normalMatrix);
        }
        for (int j = 0; j < object.normalCount; ++j) transformNormal(object.normals[j].normal, normalMatrix);

        object.transform.reset();
    }
    return true;
}

bool resetTransforms(Scene& scene) {
    for (int i = 0; i < scene.objectCount; ++i) scene.objects[i].transform.reset();
    return true;
}
