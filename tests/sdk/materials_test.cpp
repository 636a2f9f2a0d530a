#include <gtest/gtest.h>

#include <cstring>

#include "sdk/host_scene.h"

namespace {

TEST(Materials, DefaultMaterialsHaveTheirClassIds) {
    MultiMtl* multi = NewDefaultMultiMtl();
    StdMat* std = NewDefaultStdMat();
    BitmapTex* bitmap = NewDefaultBitmapTex();
    EXPECT_EQ(multi->ClassID(), Class_ID(0x200, 0));
    EXPECT_EQ(std->ClassID(), Class_ID(2, 0));
    EXPECT_EQ(bitmap->ClassID(), Class_ID(0x240, 0));
    EXPECT_EQ(multi->SuperClassID(), MATERIAL_CLASS_ID);
    EXPECT_EQ(bitmap->SuperClassID(), TEXMAP_CLASS_ID);
    multi->DeleteMe();
    std->DeleteMe();
    bitmap->DeleteMe();
}

TEST(Materials, MultiMaterialAnswersSubMaterialsById) {
    HostScene scene;
    MultiMtl* multi = NewDefaultMultiMtl();
    multi->SetNumSubMtls(3);
    StdMat* red = NewDefaultStdMat();
    multi->SetSubMtl(2, red);
    EXPECT_EQ(multi->NumSubMtls(), 3);
    EXPECT_EQ(multi->GetSubMtl(2), red);
    EXPECT_EQ(multi->GetSubMtl(0), nullptr);   // empty slot
    EXPECT_EQ(multi->GetSubMtl(3), nullptr);   // past the end
    EXPECT_EQ(multi->GetSubMtl(-1), nullptr);
    // Two nodes share the material; it lives until the scene lets go of both.
    scene.CreateNode("a")->SetMtl(multi);
    scene.CreateNode("b")->SetMtl(multi);
    EXPECT_EQ(multi->HolderCount(), 2);
    multi->SetNumSubMtls(2);  // drops slot 2: red is freed (ASan would report a leak otherwise)
    EXPECT_EQ(multi->GetSubMtl(2), nullptr);
}

TEST(Materials, StandardMaterialKeepsItsValues) {
    StdMat* m = NewDefaultStdMat();
    m->SetName(CStr("brick"));
    m->SetDiffuse(Color(1, 0, 0), 0);
    m->SetOpacity(0.25f, 0);
    char* name = m->GetName();
    EXPECT_STREQ(name, "brick");
    EXPECT_EQ(m->GetDiffuse(0, FALSE), Color(1, 0, 0));
    EXPECT_FLOAT_EQ(m->GetXParency(0, FALSE), 0.75f);
    EXPECT_EQ(m->GetSubTexmap(ID_DI), nullptr);
    m->DeleteMe();
}

TEST(Materials, BitmapInTheDiffuseSlotWithItsCoordinateGenerator) {
    HostScene scene;
    StdMat* m = NewDefaultStdMat();
    scene.CreateNode("n")->SetMtl(m);
    BitmapTex* map = NewDefaultBitmapTex();
    map->SetMapName("images/wall.png");
    StdUVGen* uv = map->GetUVGen();
    uv->SetUScl(2, 0);
    uv->SetTextureTiling(U_WRAP | V_WRAP);
    m->SetSubTexmap(ID_DI, map);
    scene.ActivateTexture(map, m);
    Texmap* found = m->GetSubTexmap(1);
    ASSERT_EQ(found, map);
    EXPECT_TRUE(m->MapEnabled(ID_DI));
    EXPECT_STREQ(static_cast<BitmapTex*>(found)->GetMapName(), "images/wall.png");
    EXPECT_EQ(map->GetUVGen()->GetUScl(), 2.0f);
    EXPECT_EQ(map->GetUVGen()->GetTextureTiling(), 3);
    EXPECT_TRUE(map->ShownInViewport());
    EXPECT_EQ(scene.TextureActivationCount(), 1);
}

TEST(Materials, NamesAreOwnedCopies) {
    char text[] = "first";
    CStr name(text);
    std::strcpy(text, "other");
    EXPECT_STREQ(static_cast<char*>(name), "first");
    EXPECT_STREQ(static_cast<const char*>(CStr(nullptr)), "");
}

}  // namespace
