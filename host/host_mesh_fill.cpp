#include "host/host_mesh_fill.h"

#include <climits>
#include <cstddef>

namespace {

bool buildsTriangles(const MeshPolygon& polygon, int pointCount) {
    if (polygon.cornerCount < 3) return false;
    for (int c = 0; c < polygon.cornerCount; ++c)
        if (polygon.cornerPoints[c] < 0 || polygon.cornerPoints[c] >= pointCount) return false;
    return true;
}

long long countTriangles(const SceneObject& object) {
    long long triangles = 0;
    for (int i = 0; i < object.polygonCount; ++i)
        if (buildsTriangles(object.polygons[i], object.pointCount)) triangles += object.polygons[i].cornerCount - 2;
    return triangles;
}

// Writes the triangles of one object's polygons into consecutive faces.
class TriangleWriter {
public:
    TriangleWriter(const SceneObject& object, int materialCount, Mesh& mesh)
        : object_(object), materialCount_(materialCount), mesh_(mesh) {}

    // Fan from corner 0: the outline sides are visible, the diagonals from corner 0 hidden.
    void writePolygon(const MeshPolygon& polygon) {
        const int n = polygon.cornerCount;
        if (n == 3) {
            write(polygon, 0, 1, 2, 1, 1, 1);
            return;
        }
        write(polygon, 0, 1, 2, 1, 1, 0);
        for (int k = 1; k <= n - 4; ++k) write(polygon, 0, k + 1, k + 2, 0, 1, 0);
        write(polygon, 0, n - 2, n - 1, 0, 1, 1);
    }

private:
    void write(const MeshPolygon& polygon, int c0, int c1, int c2, DWORD visAB, DWORD visBC, DWORD visCA) {
        const int corners[3] = {c0, c1, c2};
        Face& face = mesh_.faces[std::size_t(next_)];
        face.setVerts(DWORD(polygon.cornerPoints[c0]), DWORD(polygon.cornerPoints[c1]),
                      DWORD(polygon.cornerPoints[c2]));
        face.setEdgeVisFlags(visAB, visBC, visCA);
        for (int i = 0; i < 3; ++i) {
            const int uv = polygon.cornerUvs[corners[i]];
            if (uv >= 0 && uv < object_.uvCount) mesh_.tvFace[std::size_t(next_)].t[i] = DWORD(uv);
            const int color = polygon.cornerColors[corners[i]];
            if (color >= 0 && color < object_.colorCount) mesh_.vcFace[std::size_t(next_)].t[i] = DWORD(color);
        }
        // Sub-material i of the multi-material is scene material i; an id past its slots or
        // beyond what a face can hold would show some other material.
        if (polygon.material >= 0 && polygon.material < materialCount_ && polygon.material <= 0xFFFF)
            face.setMatID(MtlID(polygon.material));
        ++next_;
    }

    const SceneObject& object_;
    int materialCount_;
    Mesh& mesh_;
    int next_ = 0;
};

}  // namespace

void fillHostMesh(const SceneObject& object, int materialCount, Mesh& mesh) {
    if (object.pointCount == 0 || object.polygonCount == 0) return;
    const long long triangles = countTriangles(object);
    if (triangles == 0 || triangles > INT_MAX) return;
    const int faceCount = int(triangles);

    mesh.setNumVerts(object.pointCount, FALSE, TRUE);
    mesh.setNumFaces(faceCount, FALSE, TRUE);
    if (object.uvCount != 0) {
        mesh.setNumTVerts(object.uvCount, FALSE);
        mesh.setNumTVFaces(faceCount, FALSE, 0);
    }
    if (object.colorCount != 0) {
        mesh.setNumVertCol(object.colorCount, FALSE);
        mesh.setNumVCFaces(faceCount, FALSE, 0);
    }
    for (int i = 0; i < object.uvCount; ++i) mesh.setTVert(i, UVVert(object.uvs[i].u, object.uvs[i].v, 0.0f));
    for (int i = 0; i < object.colorCount; ++i) {
        const Color4& c = object.colors[i].color;
        mesh.vertCol[std::size_t(i)] = VertColor(c.r, c.g, c.b);
    }
    for (int i = 0; i < object.pointCount; ++i) {
        const Vec3& p = object.points[i].position;
        mesh.setVert(i, Point3(p.x, p.y, p.z));
    }

    TriangleWriter writer(object, materialCount, mesh);
    for (int i = 0; i < object.polygonCount; ++i)
        if (buildsTriangles(object.polygons[i], object.pointCount)) writer.writePolygon(object.polygons[i]);

    mesh.buildNormals();
    mesh.buildBoundingBox();
    mesh.InvalidateEdgeList();
}
