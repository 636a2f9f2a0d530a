// Materials and texture maps: multi-materials, standard materials, bitmap textures with their
// coordinate generator, and stand-ins for any other material or map class.
#pragma once

#include <vector>

#include "sdk/cstr.h"
#include "sdk/point3.h"
#include "sdk/reference.h"

class Texmap;

class MtlBase : public ReferenceTarget {
public:
    // The name; the reference stays valid while the material lives and is not renamed.
    CStr& GetName() { return name_; }
    void SetName(const CStr& name) { name_ = name; }
    // Set when the host was asked to show this map in the viewports (Interface::ActivateTexture).
    bool ShownInViewport() const { return shownInViewport_; }
    void SetShownInViewport(bool on) { shownInViewport_ = on; }

private:
    CStr name_;
    bool shownInViewport_ = false;
};

class Mtl : public MtlBase {
public:
    SClass_ID SuperClassID() override { return MATERIAL_CLASS_ID; }

    virtual int NumSubMtls() { return 0; }
    // Sub-material i, or null when there is none (also for i out of range).
    virtual Mtl* GetSubMtl(int /*i*/) { return nullptr; }
    virtual void SetSubMtl(int /*i*/, Mtl* /*m*/) {}
    virtual int NumSubTexmaps() { return 0; }
    // Texture map in slot i, or null.
    virtual Texmap* GetSubTexmap(int /*i*/) { return nullptr; }
    virtual void SetSubTexmap(int /*i*/, Texmap* /*map*/) {}
    virtual Color GetDiffuse(int /*mtlNum*/ = 0, BOOL /*backFace*/ = FALSE) { return Color(0.5f, 0.5f, 0.5f); }
    virtual float GetXParency(int /*mtlNum*/ = 0, BOOL /*backFace*/ = FALSE) { return 0.0f; }
};

class Texmap : public MtlBase {
public:
    SClass_ID SuperClassID() override { return TEXMAP_CLASS_ID; }
};

// Slots of a standard material's texture maps.
enum StdMatMapSlot { ID_AM = 0, ID_DI = 1, ID_SP = 2, ID_SH = 3, ID_SS = 4, ID_SI = 5, ID_OP = 6,
                     ID_FI = 7, ID_BU = 8, ID_RL = 9, ID_RR = 10, ID_DP = 11, STD_NUM_MAPS = 12 };

// Shading models of a standard material.
enum StdMatShading { SHADE_CONST = 0, SHADE_PHONG = 1, SHADE_METAL = 2, SHADE_BLINN = 3 };

class MultiMtl : public Mtl {
public:
    Class_ID ClassID() override { return MULTI_CLASS_ID; }
    // Grows or shrinks the slot list; dropped slots let go of their materials.
    void SetNumSubMtls(int n);
    int NumSubMtls() override { return int(subs_.size()); }
    Mtl* GetSubMtl(int i) override;
    void SetSubMtl(int i, Mtl* m) override;  // ignored for i out of range

private:
    std::vector<RefHolder<Mtl>> subs_;
};

class StdMat : public Mtl {
public:
    StdMat();
    Class_ID ClassID() override { return DMTL_CLASS_ID; }

    // Values at time t; the stand-in scene is static, so t is accepted and not kept.
    void SetShading(int s) { shading_ = s; }
    int GetShading() const { return shading_; }
    void SetSoften(BOOL on) { soften_ = on; }
    BOOL GetSoften() const { return soften_; }
    void SetTwoSided(BOOL on) { twoSided_ = on; }
    BOOL GetTwoSided() const { return twoSided_; }
    void SetAmbient(Color c, TimeValue) { ambient_ = c; }
    void SetDiffuse(Color c, TimeValue) { diffuse_ = c; }
    void SetSpecular(Color c, TimeValue) { specular_ = c; }
    void SetShininess(float v, TimeValue) { shininess_ = v; }
    void SetShinStr(float v, TimeValue) { shinStr_ = v; }
    void SetSelfIllum(float v, TimeValue) { selfIllum_ = v; }
    void SetOpacity(float v, TimeValue) { opacity_ = v; }
    Color GetAmbient(TimeValue = 0) const { return ambient_; }
    Color GetSpecular(TimeValue = 0) const { return specular_; }
    float GetShininess(TimeValue = 0) const { return shininess_; }
    float GetShinStr(TimeValue = 0) const { return shinStr_; }
    float GetSelfIllum(TimeValue = 0) const { return selfIllum_; }
    float GetOpacity(TimeValue = 0) const { return opacity_; }
    void EnableMap(int slot, BOOL on);
    BOOL MapEnabled(int slot) const;

    Color GetDiffuse(int mtlNum = 0, BOOL backFace = FALSE) override;
    float GetXParency(int /*mtlNum*/ = 0, BOOL /*backFace*/ = FALSE) override { return 1.0f - opacity_; }
    int NumSubTexmaps() override { return STD_NUM_MAPS; }
    Texmap* GetSubTexmap(int i) override;
    // Putting a map into a slot also enables the slot.
    void SetSubTexmap(int i, Texmap* map) override;

private:
    int shading_ = SHADE_BLINN;
    BOOL soften_ = FALSE, twoSided_ = FALSE;
    Color ambient_{0.588f, 0.588f, 0.588f}, diffuse_{0.588f, 0.588f, 0.588f}, specular_{0.9f, 0.9f, 0.9f};
    float shininess_ = 0.1f, shinStr_ = 0.0f, selfIllum_ = 0.0f, opacity_ = 1.0f;
    RefHolder<Texmap> maps_[STD_NUM_MAPS];
    bool mapEnabled_[STD_NUM_MAPS] = {};
};

// Tiling flags of a texture coordinate generator.
constexpr int U_WRAP = 1 << 0;
constexpr int V_WRAP = 1 << 1;
constexpr int U_MIRROR = 1 << 2;
constexpr int V_MIRROR = 1 << 3;

// Placement of a map's texture coordinates: offsets, tiling, angle, blur and wrapping.
class StdUVGen {
public:
    void SetUOffs(float v, TimeValue) { uOffs_ = v; }
    void SetVOffs(float v, TimeValue) { vOffs_ = v; }
    void SetUScl(float v, TimeValue) { uScl_ = v; }
    void SetVScl(float v, TimeValue) { vScl_ = v; }
    void SetAng(float v, TimeValue) { ang_ = v; }
    void SetBlur(float v, TimeValue) { blur_ = v; }
    void SetTextureTiling(int flags) { tiling_ = flags; }
    float GetUOffs(TimeValue = 0) const { return uOffs_; }
    float GetVOffs(TimeValue = 0) const { return vOffs_; }
    float GetUScl(TimeValue = 0) const { return uScl_; }
    float GetVScl(TimeValue = 0) const { return vScl_; }
    float GetAng(TimeValue = 0) const { return ang_; }
    float GetBlur(TimeValue = 0) const { return blur_; }
    int GetTextureTiling() const { return tiling_; }

private:
    float uOffs_ = 0.0f, vOffs_ = 0.0f, uScl_ = 1.0f, vScl_ = 1.0f, ang_ = 0.0f, blur_ = 1.0f;
    int tiling_ = U_WRAP | V_WRAP;
};

class BitmapTex : public Texmap {
public:
    Class_ID ClassID() override { return BMTEX_CLASS_ID; }
    // The image file name (an empty text when none was set).
    const char* GetMapName() { return mapName_.data(); }
    void SetMapName(const char* name) { mapName_ = CStr(name); }
    StdUVGen* GetUVGen() { return &uvGen_; }

private:
    CStr mapName_;
    StdUVGen uvGen_;
};

// A material or map of a class the plug-ins do not read (for scenes that use one).
class CustomMtl : public Mtl {
public:
    explicit CustomMtl(Class_ID id) : id_(id) {}
    Class_ID ClassID() override { return id_; }

private:
    Class_ID id_;
};

class CustomTexmap : public Texmap {
public:
    explicit CustomTexmap(Class_ID id) : id_(id) {}
    Class_ID ClassID() override { return id_; }

private:
    Class_ID id_;
};

// New materials and maps with the host's defaults; nothing holds them yet.
MultiMtl* NewDefaultMultiMtl();  // ten empty slots
StdMat* NewDefaultStdMat();
BitmapTex* NewDefaultBitmapTex();
