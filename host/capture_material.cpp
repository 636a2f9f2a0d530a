// Host materials captured as scene materials, shared by host material; their bitmap colour
// maps as textures, shared by file name.
#include "host/capture.h"
#include "host/capture_parts.h"

namespace {

constexpr int Unresolved = -2;

// Scene texture for the image file of a bitmap colour map; -1 for another kind of map or a
// bitmap without a file, which names no image to write.
int captureColorMap(Scene& scene, Texmap* map) {
    if (!map || map->ClassID() != BMTEX_CLASS_ID) return -1;
    const char* file = static_cast<BitmapTex*>(map)->GetMapName();
    if (!file || !*file) return -1;
    const int found = scene.findTexture(file);
    return found >= 0 ? found : scene.addTexture(file);
}

}  // namespace

int captureMaterial(Scene& scene, Mtl* material) {
    if (!material) return -1;
    for (int i = 0; i < scene.materialCount; ++i)
        if (scene.materials[i].hostMaterial == material) return i;
    const char* name = material->GetName();
    const int index = scene.addMaterial(name ? name : "");
    if (index < 0) return -1;
    Material& captured = scene.materials[index];
    captured.hostMaterial = material;
    const Color diffuse = material->GetDiffuse(0, FALSE);
    captured.color.set(diffuse.r, diffuse.g, diffuse.b, 1.0f - material->GetXParency(0, FALSE));
    captured.textureSlots[0] = captureColorMap(scene, material->GetSubTexmap(ID_DI));
    return index;
}

FaceMaterials::FaceMaterials(Scene& scene, Mtl* nodeMaterial) : scene_(scene) {
    if (!nodeMaterial) return;
    const Class_ID kind = nodeMaterial->ClassID();
    if (kind == MULTI_CLASS_ID) {
        multi_ = nodeMaterial;
        const int slots = nodeMaterial->NumSubMtls();
        byId_.assign(size_t(slots > 0 ? slots : 0), Unresolved);
    } else if (kind == DMTL_CLASS_ID) {
        single_ = captureMaterial(scene, nodeMaterial);
    }
}

int FaceMaterials::forFace(const Mesh& mesh, int face) {
    if (!multi_) return single_;
    const MtlID id = mesh.getFaceMtlIndex(face);
    // An id past the multi-material's slots names no sub-material.
    if (id >= byId_.size()) return -1;
    int& material = byId_[id];
    if (material == Unresolved) material = captureMaterial(scene_, multi_->GetSubMtl(id));
    return material;
}
