// Builds the host's multi-material of standard materials with bitmap diffuse maps.
#include "host/material_builder.h"

namespace {

// Bitmap texture for the image file of texture `texture`; null when the index names no texture
// with a file name.
BitmapTex* buildBitmap(const Scene& scene, int texture) {
    if (texture < 0 || texture >= scene.textureCount || !scene.textures[texture].name) return nullptr;
    BitmapTex* bitmap = NewDefaultBitmapTex();
    if (!bitmap) return nullptr;
    bitmap->SetMapName(scene.textures[texture].name);
    StdUVGen* uv = bitmap->GetUVGen();
    uv->SetUOffs(0.0f, 0);
    uv->SetVOffs(0.0f, 0);
    uv->SetUScl(1.0f, 0);
    uv->SetVScl(1.0f, 0);
    uv->SetAng(0.0f, 0);
    uv->SetBlur(1.0f, 0);
    uv->SetTextureTiling(U_WRAP | V_WRAP);
    return bitmap;
}

StdMat* buildStandardMaterial(const Scene& scene, const Material& material, Interface* host) {
    StdMat* standard = NewDefaultStdMat();
    if (!standard) return nullptr;
    standard->SetName(CStr(material.name ? material.name : ""));
    standard->SetShading(SHADE_PHONG);
    standard->SetAmbient(Color(0.5f, 0.5f, 0.5f), 0);
    standard->SetDiffuse(Color(material.color.r, material.color.g, material.color.b), 0);
    standard->SetSpecular(Color(1.0f, 1.0f, 1.0f), 0);
    standard->SetShininess(0.5f, 0);
    standard->SetShinStr(0.5f, 0);
    standard->SetSelfIllum(0.5f, 0);
    standard->SetOpacity(material.color.a, 0);
    if (BitmapTex* bitmap = buildBitmap(scene, material.textureSlots[0])) {
        standard->SetSubTexmap(ID_DI, bitmap);
        if (host) host->ActivateTexture(bitmap, standard, -1);
    }
    return standard;
}

}  // namespace

MultiMtl* buildHostMaterials(const Scene& scene, Interface* host) {
    if (scene.materialCount < 1) return nullptr;
    MultiMtl* multi = NewDefaultMultiMtl();
    if (!multi) return nullptr;
    multi->SetNumSubMtls(scene.materialCount);
    for (int i = 0; i < scene.materialCount; ++i)
        multi->SetSubMtl(i, buildStandardMaterial(scene, scene.materials[i], host));
    return multi;
}
