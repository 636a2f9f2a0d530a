// Triangle meshes of the host: vertices, triangles with edge visibility and material ids,
// texture vertices and faces, vertex colours and colour faces, normals and bounding box.
#pragma once

#include <vector>

#include "sdk/max_types.h"
#include "sdk/point3.h"

// Edge visibility bits of a face: edge 0 joins v[0]-v[1], edge 1 v[1]-v[2], edge 2 v[2]-v[0].
constexpr DWORD EDGE_A = 1u << 0;
constexpr DWORD EDGE_B = 1u << 1;
constexpr DWORD EDGE_C = 1u << 2;
constexpr DWORD EDGE_ALL = EDGE_A | EDGE_B | EDGE_C;
constexpr DWORD EDGE_VIS = 1;
constexpr DWORD EDGE_INVIS = 0;

class Face {
public:
    DWORD v[3] = {0, 0, 0};
    DWORD smGroup = 0;
    // Low bits: edge visibility; high 16 bits: material id. A new face shows all three edges
    // and has material id 0.
    DWORD flags = EDGE_ALL;

    void setVerts(DWORD a, DWORD b, DWORD c) { v[0] = a; v[1] = b; v[2] = c; }
    DWORD getVert(int i) const { return v[i]; }
    // Each argument: non-zero makes that edge visible.
    void setEdgeVisFlags(DWORD va, DWORD vb, DWORD vc);
    // Non-zero when edge 0, 1 or 2 is visible.
    int getEdgeVis(int edge) const { return (flags >> edge) & 1u; }
    void setMatID(MtlID id) { flags = (flags & 0xFFFFu) | (DWORD(id) << 16); }
    MtlID getMatID() const { return MtlID(flags >> 16); }
    void setSmGroup(DWORD g) { smGroup = g; }
    // Which of the face's edges joins a and b (either direction): 0, 1, 2, or -1 for none.
    int edgeIndex(DWORD a, DWORD b) const;
};

// Three indices into the texture vertices (or, for colour faces, into the vertex colours).
class TVFace {
public:
    DWORD t[3] = {0, 0, 0};

    void setTVerts(DWORD a, DWORD b, DWORD c) { t[0] = a; t[1] = b; t[2] = c; }
    DWORD getTVert(int i) const { return t[i]; }
};

// The arrays are public as in the host; resize them only with the set... operations, which keep
// the per-face arrays parallel. A resizer with keep = false clears the kept entries to defaults.
class Mesh {
public:
    std::vector<Point3> verts;
    std::vector<Face> faces;
    std::vector<UVVert> tVerts;
    std::vector<TVFace> tvFace;
    std::vector<VertColor> vertCol;
    std::vector<TVFace> vcFace;

    int getNumVerts() const { return int(verts.size()); }
    int getNumFaces() const { return int(faces.size()); }
    int getNumTVerts() const { return int(tVerts.size()); }
    int getNumTVFaces() const { return int(tvFace.size()); }
    int getNumVertCol() const { return int(vertCol.size()); }
    int getNumVCFaces() const { return int(vcFace.size()); }

    // synchSel is accepted for the host's signature; the stand-in keeps no selection sets.
    BOOL setNumVerts(int n, BOOL keep = FALSE, BOOL synchSel = TRUE);
    // Also resizes existing texture and colour faces so that they stay parallel to the faces.
    BOOL setNumFaces(int n, BOOL keep = FALSE, BOOL synchSel = TRUE);
    BOOL setNumTVerts(int n, BOOL keep = FALSE);
    BOOL setNumTVFaces(int n, BOOL keep = FALSE, int oldCt = 0);
    BOOL setNumVertCol(int n, BOOL keep = FALSE);
    BOOL setNumVCFaces(int n, BOOL keep = FALSE, int oldCt = 0);

    Point3& getVert(int i) { return verts[i]; }
    void setVert(int i, const Point3& p) { verts[i] = p; }
    void setTVert(int i, const UVVert& p) { tVerts[i] = p; }

    // Material id of face f (0 for an index out of range).
    MtlID getFaceMtlIndex(int f) const;
    void setFaceMtlIndex(int f, MtlID id);

    // Face normals and area-weighted vertex normals; faces naming missing vertices are skipped.
    void buildNormals();
    Point3 getFaceNormal(int f) const;
    Point3 getNormal(int v) const;
    bool normalsBuilt() const { return normalsValid_; }
    void buildBoundingBox();
    Box3 getBoundingBox() const { return bbox_; }
    // Drops cached edge data; the host rebuilds it on demand. Counted so callers can verify it.
    void InvalidateEdgeList() { ++edgeListInvalidations_; }
    int edgeListInvalidations() const { return edgeListInvalidations_; }

private:
    std::vector<Point3> faceNormals_, vertNormals_;
    bool normalsValid_ = false;
    Box3 bbox_;
    int edgeListInvalidations_ = 0;
};
