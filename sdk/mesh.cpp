#include "sdk/mesh.h"

#include <algorithm>

void Face::setEdgeVisFlags(DWORD va, DWORD vb, DWORD vc) {
    flags &= ~EDGE_ALL;
    if (va) flags |= EDGE_A;
    if (vb) flags |= EDGE_B;
    if (vc) flags |= EDGE_C;
}

int Face::edgeIndex(DWORD a, DWORD b) const {
    for (int e = 0; e < 3; ++e) {
        DWORD p = v[e], q = v[(e + 1) % 3];
        if ((p == a && q == b) || (p == b && q == a)) return e;
    }
    return -1;
}

namespace {

// Resizes one array; without keep every entry (old and new) takes the default value.
template <class T>
BOOL resizeArray(std::vector<T>& array, int n, BOOL keep) {
    if (n < 0) return FALSE;
    if (!keep) array.clear();
    array.resize(size_t(n));
    return TRUE;
}

}  // namespace

BOOL Mesh::setNumVerts(int n, BOOL keep, BOOL /*synchSel*/) {
    normalsValid_ = false;
    return resizeArray(verts, n, keep);
}

BOOL Mesh::setNumFaces(int n, BOOL keep, BOOL /*synchSel*/) {
    if (!resizeArray(faces, n, keep)) return FALSE;
    normalsValid_ = false;
    if (!tvFace.empty()) resizeArray(tvFace, n, keep);
    if (!vcFace.empty()) resizeArray(vcFace, n, keep);
    return TRUE;
}

BOOL Mesh::setNumTVerts(int n, BOOL keep) { return resizeArray(tVerts, n, keep); }
BOOL Mesh::setNumTVFaces(int n, BOOL keep, int /*oldCt*/) { return resizeArray(tvFace, n, keep); }
BOOL Mesh::setNumVertCol(int n, BOOL keep) { return resizeArray(vertCol, n, keep); }
BOOL Mesh::setNumVCFaces(int n, BOOL keep, int /*oldCt*/) { return resizeArray(vcFace, n, keep); }

MtlID Mesh::getFaceMtlIndex(int f) const {
    return f >= 0 && f < getNumFaces() ? faces[size_t(f)].getMatID() : MtlID(0);
}

void Mesh::setFaceMtlIndex(int f, MtlID id) {
    if (f >= 0 && f < getNumFaces()) faces[size_t(f)].setMatID(id);
}

void Mesh::buildNormals() {
    faceNormals_.assign(faces.size(), Point3());
    vertNormals_.assign(verts.size(), Point3());
    for (size_t f = 0; f < faces.size(); ++f) {
        const Face& face = faces[f];
        if (std::any_of(face.v, face.v + 3, [&](DWORD v) { return v >= verts.size(); })) continue;
        Point3 n = CrossProd(verts[face.v[1]] - verts[face.v[0]], verts[face.v[2]] - verts[face.v[0]]);
        faceNormals_[f] = Normalize(n);
        for (DWORD v : face.v) vertNormals_[v] += n;  // unnormalised: weighted by area
    }
    for (Point3& n : vertNormals_) n = Normalize(n);
    normalsValid_ = true;
}

Point3 Mesh::getFaceNormal(int f) const {
    return normalsValid_ && f >= 0 && size_t(f) < faceNormals_.size() ? faceNormals_[size_t(f)] : Point3();
}

Point3 Mesh::getNormal(int v) const {
    return normalsValid_ && v >= 0 && size_t(v) < vertNormals_.size() ? vertNormals_[size_t(v)] : Point3();
}

void Mesh::buildBoundingBox() {
    bbox_.Init();
    for (const Point3& p : verts) bbox_ += p;
}
