// Builds a read scene into the host: conventions, materials, one node per object, hierarchy.
#include "host/mesh_builder.h"

#include "host/host_mesh_fill.h"
#include "host/material_builder.h"
#include "passes/axes.h"
#include "passes/hierarchy.h"
#include "passes/import_cleanup.h"

namespace {

// Brings a scene from the readers' conventions into the host's.
void convertToHostConventions(Scene& scene) {
    convertRotationOrder(scene, OrderXZY);
    // The model's y axis points up, the host's z: a model point (x, y, z) becomes (x, -z, y).
    remapAxes(scene, AxisPosX, AxisNegZ, AxisPosY);
    convertHandedness(scene, 1, 1);
    flipTextureCoordinates(scene, FlipV);
    expandCornerColors(scene);
    mergeCornerColors(scene);
    // The axis change exchanged y and z, which turned the angles of order XZY into angles of
    // order XYZ; only the label changes.
    for (int i = 0; i < scene.objectCount; ++i) scene.objects[i].rotationOrder = OrderXYZ;
    computeWorldTransforms(scene);
}

// Column c of the host matrix is column c of the model matrix; its fourth column is implied.
Matrix3 hostTransform(const Mat4& m) {
    Matrix3 tm;
    for (int c = 0; c < 3; ++c) tm.SetColumn(c, Point4(m.m[0][c], m.m[1][c], m.m[2][c], m.m[3][c]));
    return tm;
}

// One triangle object in one new node; false when the host makes either of them not.
bool buildObject(SceneObject& object, ImpInterface* importer, MultiMtl* multi, int materialCount,
                 bool& multiAssigned) {
    TriObject* triangles = CreateNewTriObject();
    if (!triangles) return false;
    ImpNode* node = importer->CreateNode();
    if (!node) {
        triangles->DeleteMe();
        return false;
    }
    node->Reference(triangles);
    // The node's placement is its world placement: attaching it to its parent later keeps it,
    // so a child lands where its parent chain puts it, not at its local offset from the origin.
    node->SetTransform(0, hostTransform(object.transform.worldMatrix));
    importer->AddNodeToScene(node);
    node->SetName(object.name ? object.name : "");
    importer->RedrawViews();
    INode* sceneNode = node->GetINode();
    if (sceneNode && multi) {
        sceneNode->SetMtl(multi);
        multiAssigned = true;
    }
    object.hostNode = sceneNode;
    fillHostMesh(object, materialCount, triangles->GetMesh());
    return true;
}

// Attaches every node under its parent object's node, keeping its placement in the world.
void linkHierarchy(Scene& scene) {
    for (int i = 0; i < scene.objectCount; ++i) {
        const int parent = scene.objects[i].parent;
        if (parent < 0 || parent >= scene.objectCount || parent == i) continue;
        auto* parentNode = static_cast<INode*>(scene.objects[parent].hostNode);
        auto* childNode = static_cast<INode*>(scene.objects[i].hostNode);
        if (parentNode && childNode) parentNode->AttachChild(childNode, 1);
    }
}

}  // namespace

int buildHostScene(Scene& scene, ImpInterface* importer, Interface* host) {
    if (!importer) return 0;
    convertToHostConventions(scene);
    for (int i = 0; i < scene.objectCount; ++i) scene.objects[i].hostNode = nullptr;

    MultiMtl* multi = buildHostMaterials(scene, host);
    bool multiAssigned = false;
    bool complete = true;
    for (int i = 0; i < scene.objectCount && complete; ++i)
        complete = buildObject(scene.objects[i], importer, multi, scene.materialCount, multiAssigned);
    if (complete) linkHierarchy(scene);
    // A multi-material no node took would be left to nobody.
    if (multi && !multiAssigned) multi->DeleteMe();
    return complete ? 1 : 0;
}
