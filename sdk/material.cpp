#include "sdk/material.h"

void MultiMtl::SetNumSubMtls(int n) {
    if (n < 0) return;
    std::vector<RefHolder<Mtl>> resized(static_cast<size_t>(n));
    for (size_t i = 0; i < resized.size() && i < subs_.size(); ++i) resized[i].reset(subs_[i].get());
    subs_.swap(resized);
}

Mtl* MultiMtl::GetSubMtl(int i) {
    return i >= 0 && size_t(i) < subs_.size() ? subs_[size_t(i)].get() : nullptr;
}

void MultiMtl::SetSubMtl(int i, Mtl* m) {
    if (i >= 0 && size_t(i) < subs_.size()) subs_[size_t(i)].reset(m);
}

StdMat::StdMat() = default;

void StdMat::EnableMap(int slot, BOOL on) {
    if (slot >= 0 && slot < STD_NUM_MAPS) mapEnabled_[slot] = on != 0;
}

BOOL StdMat::MapEnabled(int slot) const { return slot >= 0 && slot < STD_NUM_MAPS && mapEnabled_[slot]; }

Color StdMat::GetDiffuse(int, BOOL) { return diffuse_; }

Texmap* StdMat::GetSubTexmap(int i) { return i >= 0 && i < STD_NUM_MAPS ? maps_[i].get() : nullptr; }

void StdMat::SetSubTexmap(int i, Texmap* map) {
    if (i < 0 || i >= STD_NUM_MAPS) return;
    maps_[i].reset(map);
    mapEnabled_[i] = map != nullptr;
}

MultiMtl* NewDefaultMultiMtl() {
    MultiMtl* m = new MultiMtl();
    m->SetName("Multi/Sub-Object");
    m->SetNumSubMtls(10);
    return m;
}

StdMat* NewDefaultStdMat() {
    StdMat* m = new StdMat();
    m->SetName("Material");
    return m;
}

BitmapTex* NewDefaultBitmapTex() {
    BitmapTex* t = new BitmapTex();
    t->SetName("Map");
    return t;
}
