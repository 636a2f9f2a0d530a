// One host node captured as a scene object: its mesh as points, edges and triangles merged
// into polygons, texture coordinates, vertex colours, face materials and placement.
#include <cstddef>
#include <string>

#include "host/capture.h"
#include "host/capture_parts.h"
#include "passes/merge_triangles.h"
#include "platform/platform.h"
#include "sdk/adj_edge_list.h"

namespace {

// The triangle object a conversion produced; a new one (not the node's own object) is the
// capture's to release once its mesh has been read.
class ConvertedObject {
public:
    ConvertedObject(Object* evaluated, TimeValue t)
        : evaluated_(evaluated), converted_(evaluated->ConvertToType(t, triObjectClassID)) {}
    ~ConvertedObject() {
        if (converted_ && converted_ != evaluated_) converted_->DeleteMe();
    }
    ConvertedObject(const ConvertedObject&) = delete;
    ConvertedObject& operator=(const ConvertedObject&) = delete;

    // The mesh, or null when the conversion gave no triangle object.
    Mesh* mesh() const {
        if (!converted_ || converted_->ClassID() != triObjectClassID) return nullptr;
        return &static_cast<TriObject*>(converted_)->GetMesh();
    }

private:
    Object* evaluated_;
    Object* converted_;
};

void copyPoints(SceneObject& object, const Mesh& mesh) {
    object.resizePoints(mesh.getNumVerts());
    for (const Point3& vertex : mesh.verts) {
        const int p = object.addPoint();
        object.points[p].position.set(vertex.x, vertex.y, vertex.z);
    }
}

void copyEdges(SceneObject& object, const Mesh& mesh, const AdjEdgeList& adjacency) {
    object.resizeEdges(adjacency.Count());
    for (const MEdge& host : adjacency.edges) {
        const int e = object.addEdge();
        MeshEdge& edge = object.edges[e];
        edge.pointA = int(host.v[0]);
        edge.pointB = int(host.v[1]);
        // Sides inside a modelled polygon are invisible; mergeTriangles joins across them.
        if (!host.Visible(mesh.faces)) edge.flags |= Hidden;
    }
}

void copyTextureVertices(SceneObject& object, const Mesh& mesh) {
    object.resizeUvs(mesh.getNumTVerts());
    for (const UVVert& t : mesh.tVerts) {
        const int uv = object.addUv();
        object.uvs[uv].set(t.x, t.y);
    }
}

void copyVertexColors(SceneObject& object, const Mesh& mesh) {
    object.resizeColors(mesh.getNumVertCol());
    for (const VertColor& c : mesh.vertCol) {
        const int color = object.addColor();
        object.colors[color].color.setRgb(c.x, c.y, c.z);
    }
}

// `index` when it names one of `count` entries (a vertex, texture vertex or colour), else -1.
int checkedIndex(DWORD index, int count) { return index < DWORD(count) ? int(index) : -1; }

// One triangle per face. A triangle with a side that has no adjacency edge (a side naming a
// missing vertex, or a vertex joined to itself) is marked for removal.
void copyTriangles(SceneObject& object, const Mesh& mesh, const AdjEdgeList& adjacency,
                   FaceMaterials& materials) {
    const int uvCount = object.uvCount, colorCount = object.colorCount;
    const bool hasUvFaces = uvCount > 0, hasColorFaces = colorCount > 0;
    object.resizePolygons(mesh.getNumFaces());
    for (int m = 0; m < mesh.getNumFaces(); ++m) {
        const Face& face = mesh.faces[std::size_t(m)];
        const int p = object.addPolygon(3);
        MeshPolygon& polygon = object.polygons[p];
        polygon.material = materials.forFace(mesh, m);
        for (int c = 0; c < 3; ++c) {
            polygon.cornerPoints[c] = checkedIndex(face.v[c], mesh.getNumVerts());
            polygon.cornerEdges[c] = adjacency.FindEdge(face.v[c], face.v[(c + 1) % 3]);
            if (polygon.cornerEdges[c] == -1) {
                polygon.flags |= Deleted;
                polygon.remap = -1;
            }
            if (hasUvFaces && m < mesh.getNumTVFaces())
                polygon.cornerUvs[c] = checkedIndex(mesh.tvFace[std::size_t(m)].t[c], uvCount);
            if (hasColorFaces && m < mesh.getNumVCFaces())
                polygon.cornerColors[c] = checkedIndex(mesh.vcFace[std::size_t(m)].t[c], colorCount);
        }
    }
}

void announce(const SceneObject& object) {
    const std::string line = "[" + std::string(object.name ? object.name : "") + "]\n";
    OutputDebugStringA(line.c_str());
}

}  // namespace

int captureNode(Scene& scene, INode* node, int parent) {
    if (!node) return -1;
    if ((scene.exportFlags & SelectedOnly) && !node->Selected()) return -1;
    Object* evaluated = node->EvalWorldState(scene.time, TRUE).obj;
    if (!evaluated || !evaluated->CanConvertToType(triObjectClassID)) return -1;
    ConvertedObject converted(evaluated, scene.time);
    Mesh* mesh = converted.mesh();
    if (!mesh) return -1;

    const char* name = node->GetName();
    const int index = scene.addObject(name ? name : "");
    if (index < 0) return -1;
    SceneObject& object = scene.objects[index];
    object.parent = parent;
    const AdjEdgeList adjacency(*mesh);
    announce(object);
    captureLocalTransform(object, node, scene.time, parent != -1);

    copyPoints(object, *mesh);
    copyEdges(object, *mesh, adjacency);
    copyTextureVertices(object, *mesh);
    copyVertexColors(object, *mesh);
    FaceMaterials materials(scene, node->GetMtl());
    copyTriangles(object, *mesh, adjacency, materials);

    object.compact();
    mergeTriangles(object);
    return index;
}
