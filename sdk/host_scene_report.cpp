#include "sdk/host_scene_report.h"

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "sdk/adj_edge_list.h"
#include "sdk/display_text.h"

namespace {

std::string number(float v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", double(v) == 0.0 ? 0.0 : double(v));  // no "-0"
    return text;
}

std::string triple(float a, float b, float c) { return "(" + number(a) + ", " + number(b) + ", " + number(c) + ")"; }
std::string triple(const Point3& p) { return triple(p.x, p.y, p.z); }
std::string triple(const Color& c) { return triple(c.r, c.g, c.b); }

std::string quoted(const char* s) { return "\"" + displayText(s) + "\""; }

std::string classText(Class_ID id) {
    char text[48];
    std::snprintf(text, sizeof text, "class (0x%lX, 0x%lX)", id.PartA(), id.PartB());
    return text;
}

void printMesh(Mesh& mesh, std::ostream& out, const std::string& indent) {
    AdjEdgeList edges(mesh);
    int hidden = 0;
    for (const MEdge& e : edges.edges) hidden += e.Visible(mesh.faces) ? 0 : 1;
    std::set<int> ids;
    for (int f = 0; f < mesh.getNumFaces(); ++f) ids.insert(mesh.getFaceMtlIndex(f));
    out << indent << "mesh: " << mesh.getNumVerts() << " vertices, " << mesh.getNumFaces() << " faces, "
        << edges.Count() << " edges (" << hidden << " hidden), " << mesh.getNumTVerts() << " texture vertices, "
        << mesh.getNumVertCol() << " vertex colours";
    if (!ids.empty()) {
        out << ", material ids";
        for (int id : ids) out << " " << id;
    }
    out << "\n";
}

void printNode(INode* node, std::ostream& out, int depth, std::vector<Mtl*>& materials) {
    const std::string indent(size_t(depth) * 2, ' ');
    out << indent << quoted(node->GetName()) << (node->Selected() ? " (selected)" : "") << "\n";
    const Matrix3 tm = node->GetNodeTM(0);
    out << indent << "  position " << triple(tm.GetTrans()) << ", axes " << triple(tm.GetRow(0)) << " "
        << triple(tm.GetRow(1)) << " " << triple(tm.GetRow(2)) << "\n";
    Object* obj = node->GetObjectRef();
    if (!obj) {
        out << indent << "  no object\n";
    } else if (obj->ClassID() == triObjectClassID) {
        printMesh(static_cast<TriObject*>(obj)->GetMesh(), out, indent + "  ");
    } else {
        out << indent << "  object of " << classText(obj->ClassID()) << "\n";
    }
    if (Mtl* m = node->GetMtl()) {
        out << indent << "  material " << quoted(m->GetName()) << "\n";
        bool known = false;
        for (Mtl* seen : materials) known = known || seen == m;
        if (!known) materials.push_back(m);
    }
    for (int i = 0; i < node->NumberOfChildren(); ++i) printNode(node->GetChildNode(i), out, depth + 1, materials);
}

// Prints from the current column on; `indent` is the indentation of the material's own line.
void printMaterial(Mtl* m, std::ostream& out, const std::string& indent) {
    out << quoted(m->GetName()) << " ";
    Class_ID id = m->ClassID();
    if (id == MULTI_CLASS_ID) {
        out << "multi-material, " << m->NumSubMtls() << " slots\n";
        for (int i = 0; i < m->NumSubMtls(); ++i) {
            Mtl* sub = m->GetSubMtl(i);
            if (!sub) continue;
            out << indent << "  [" << i << "] ";
            printMaterial(sub, out, indent + "  ");
        }
        return;
    }
    if (id != DMTL_CLASS_ID) {
        out << "material of " << classText(id) << "\n";
        return;
    }
    auto* std = static_cast<StdMat*>(m);
    out << "standard, diffuse " << triple(std->GetDiffuse()) << ", opacity " << number(std->GetOpacity())
        << ", ambient " << triple(std->GetAmbient()) << ", specular " << triple(std->GetSpecular()) << "\n";
    Texmap* map = std->GetSubTexmap(ID_DI);
    if (!map) return;
    if (map->ClassID() != BMTEX_CLASS_ID) {
        out << indent << "  diffuse map of " << classText(map->ClassID()) << "\n";
        return;
    }
    auto* bitmap = static_cast<BitmapTex*>(map);
    StdUVGen* uv = bitmap->GetUVGen();
    out << indent << "  diffuse map " << quoted(bitmap->GetMapName()) << ", tiling " << number(uv->GetUScl())
        << " x " << number(uv->GetVScl()) << ", offset " << number(uv->GetUOffs()) << " " << number(uv->GetVOffs())
        << ", wrap flags " << uv->GetTextureTiling() << "\n";
}

}  // namespace

void PrintHostScene(HostScene& scene, std::ostream& out) {
    INode* root = scene.GetRootNode();
    std::vector<Mtl*> materials;
    out << "nodes: " << scene.NodesInOrder().size() << "\n";
    for (int i = 0; i < root->NumberOfChildren(); ++i) printNode(root->GetChildNode(i), out, 1, materials);
    out << "materials: " << materials.size() << "\n";
    for (Mtl* m : materials) {
        out << "  ";
        printMaterial(m, out, "  ");
    }
}
