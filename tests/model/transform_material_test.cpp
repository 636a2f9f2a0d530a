#include <gtest/gtest.h>

#include <cstring>

#include "model/aux_items.h"
#include "model/material.h"
#include "model/scene_object.h"

TEST(TransformRecord, ResetDefaultsAndFullCopy) {
    Transform key;
    key.frame = 12;
    key.channels = ChannelPositionX | ChannelRotationZ;
    key.reservedWords[9] = 77;
    key.localMatrix.translation(1, 2, 3);
    key.worldScale.set(2, 2, 2);
    key.localRotation.set(0.1f, 0.2f, 0.3f);
    key.reservedFlag = 5;

    Transform copy;
    copy.copyFrom(key);
    EXPECT_EQ(copy.frame, 12);
    EXPECT_EQ(copy.channels, ChannelPositionX | ChannelRotationZ);
    EXPECT_EQ(copy.reservedWords[9], 77u);
    EXPECT_EQ(copy.localMatrix.m[3][2], 3.0f);
    EXPECT_EQ(copy.worldScale.y, 2.0f);
    EXPECT_EQ(copy.localRotation.z, 0.3f);
    EXPECT_EQ(copy.reservedFlag, 5);

    key.reset();
    EXPECT_EQ(key.frame, 0);
    EXPECT_EQ(key.channels, 0u);
    EXPECT_EQ(key.reservedWords[9], 0u);
    EXPECT_EQ(key.localMatrix.m[3][2], 0.0f);
    EXPECT_EQ(key.localMatrix.m[3][3], 1.0f);
    EXPECT_EQ(key.worldScale.y, 1.0f);
    EXPECT_EQ(key.localScale.z, 1.0f);
    EXPECT_EQ(key.localRotation.z, 0.0f);
    EXPECT_EQ(key.reservedFlag, 1);
}

TEST(TransformRecord, ObjectTransformsAreSeparateRecords) {
    SceneObject object;
    object.resizeKeys(1);
    object.keyCount = 1;
    object.keys[0].frame = 30;
    object.auxTransform.localPosition.set(1, 1, 1);
    object.transform.localPosition.set(2, 2, 2);
    object.transform.reset();
    EXPECT_EQ(object.transform.localPosition.x, 0.0f);
    EXPECT_EQ(object.auxTransform.localPosition.x, 1.0f);
    EXPECT_EQ(object.keys[0].frame, 30);
}

TEST(MaterialRecord, DefaultsAndReset) {
    Material m;
    EXPECT_EQ(m.color.r, 0.7f);
    EXPECT_EQ(m.color.a, 1.0f);
    for (int slot : m.textureSlots) EXPECT_EQ(slot, -1);
    EXPECT_EQ(m.projection, -1);
    EXPECT_EQ(m.projectionAxis, 0);
    EXPECT_FLOAT_EQ(m.smoothingAngle, 1.0384710f);
    const int reservedInts[6] = {0, 0, 0, 1, -1, -1};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(m.reservedInts[i], reservedInts[i]);
    EXPECT_EQ(m.reservedFloats[0], 1.0f);
    EXPECT_EQ(m.textureTiling.u, 1.0f);
    EXPECT_EQ(m.textureTiling.v, 1.0f);
    EXPECT_EQ(m.textureOffset.u, 0.0f);
    EXPECT_EQ(m.remap, -1);

    m.setUvMapName("UV");
    m.projectionAxis = 4;
    m.projection = 2;
    m.reset();
    EXPECT_EQ(m.uvMapName, nullptr);
    EXPECT_EQ(m.projection, -1);
    EXPECT_EQ(m.projectionAxis, 4);  // only a reader that finds an axis changes it
}

TEST(MaterialRecord, CopyIsDeepAndComplete) {
    Material source;
    source.hostMaterial = &source;
    source.flags = 0x8000;
    source.remap = 3;
    source.color.set(0.1f, 0.2f, 0.3f, 0.4f);
    source.textureSlots[0] = 2;
    source.setName("Skin");
    source.setUvMapName("UV");
    source.projection = 1;
    source.projectionCenter.set(1, 2, 3);
    source.projectionSize.set(4, 5, 6);
    source.projectionAxis = 2;
    source.reservedInts[5] = 9;
    source.reservedFloats[2] = 7;
    source.smoothingAngle = 0.5f;
    source.textureTiling.set(2, 3);
    source.textureTiling.flags = 1;
    source.textureOffset.set(0.5f, 0.25f);
    source.reservedFloat = 8;

    Material copy;
    copy.setColorMapName("stale");
    copy.copyFrom(source);
    EXPECT_EQ(copy.hostMaterial, &source);
    EXPECT_EQ(copy.flags, 0x8000u);
    EXPECT_EQ(copy.remap, 3);
    EXPECT_EQ(copy.color.a, 0.4f);
    EXPECT_EQ(copy.textureSlots[0], 2);
    EXPECT_STREQ(copy.name, "Skin");
    EXPECT_NE(copy.name, source.name);
    EXPECT_STREQ(copy.uvMapName, "UV");
    EXPECT_EQ(copy.colorMapName, nullptr);
    EXPECT_EQ(copy.projection, 1);
    EXPECT_EQ(copy.projectionCenter.z, 3.0f);
    EXPECT_EQ(copy.projectionSize.x, 4.0f);
    EXPECT_EQ(copy.projectionAxis, 2);
    EXPECT_EQ(copy.reservedInts[5], 9);
    EXPECT_EQ(copy.reservedFloats[2], 7.0f);
    EXPECT_EQ(copy.smoothingAngle, 0.5f);
    EXPECT_EQ(copy.textureTiling.v, 3.0f);
    EXPECT_EQ(copy.textureTiling.flags, 1u);
    EXPECT_EQ(copy.textureOffset.u, 0.5f);
    EXPECT_EQ(copy.reservedFloat, 8.0f);
}

TEST(TextureRecord, CopyOwnsItsName) {
    Texture source;
    source.userData = 4;
    source.reservedWords[3] = 11;
    source.setName("wood.png");
    Texture copy;
    copy.copyFrom(source);
    source.setName("stone.png");
    EXPECT_STREQ(copy.name, "wood.png");
    EXPECT_EQ(copy.userData, 4u);
    EXPECT_EQ(copy.reservedWords[3], 11u);
    copy.reset();
    EXPECT_EQ(copy.name, nullptr);
    EXPECT_EQ(copy.remap, -1);
}

TEST(OwnedNames, SettingANameFromItselfAndNull) {
    Material m;
    m.setName("Self");
    m.setName(m.name);  // the old string is only released after the copy is made
    EXPECT_STREQ(m.name, "Self");
    m.setName(nullptr);
    EXPECT_EQ(m.name, nullptr);
}

TEST(AuxItems, DefaultsResetAndDeepCopy) {
    AuxItemA a;
    EXPECT_FLOAT_EQ(a.angle, 0.5235988f);
    EXPECT_EQ(a.value, 8.0f);
    a.setName("light");
    a.angle = 1;
    a.reset();
    EXPECT_EQ(a.name, nullptr);
    EXPECT_FLOAT_EQ(a.angle, 0.5235988f);

    AuxItemC c;
    EXPECT_EQ(c.target, -1);
    c.setName("camera");
    c.paramFloats2[1] = 2.5f;
    c.vectors[3].set(1, 2, 3);
    c.transform.frame = 4;
    ASSERT_TRUE(c.resizeKeys(3));
    c.keyCount = 2;
    c.keys[1].frame = 20;
    c.keys[1].channels = ChannelScaleZ;
    AuxItemC copy;
    copy.copyFrom(c);
    EXPECT_STREQ(copy.name, "camera");
    EXPECT_NE(copy.name, c.name);
    EXPECT_EQ(copy.paramFloats2[1], 2.5f);
    EXPECT_EQ(copy.vectors[3].z, 3.0f);
    EXPECT_EQ(copy.transform.frame, 4);
    EXPECT_EQ(copy.keyCapacity, 3);
    EXPECT_EQ(copy.keyCount, 2);
    EXPECT_NE(copy.keys, c.keys);
    EXPECT_EQ(copy.keys[1].frame, 20);
    EXPECT_EQ(copy.keys[1].channels, ChannelScaleZ);
    copy.reset();
    EXPECT_EQ(copy.keys, nullptr);
    EXPECT_EQ(copy.keyCount, 0);
    EXPECT_EQ(copy.target, -1);
    EXPECT_EQ(copy.vectors[3].z, 0.0f);
}
