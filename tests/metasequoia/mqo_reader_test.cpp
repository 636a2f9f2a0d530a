// Document header, chunk structure, materials and textures.
#include <gtest/gtest.h>

#include <dirent.h>

#include <cstdio>
#include <fstream>
#include <cstring>
#include <string>

#include "mqo_fixture.h"

namespace {

TEST(MqoReader, HeaderDecidesWhetherTheDocumentIsRead) {
    struct Case {
        const char* document;
        bool accepted;
    };
    const Case cases[] = {
        {"Metasequoia Document\nFormat Text Ver 1.0\nEof\n", true},
        {"Metasequoia Document\r\nFormat Text Ver 1.0\r\n", true},
        {"Metasequoia Document\nFormat Text Ver 1.0", true},
        {"Metasequoia Document\nFormat Text Ver 1.1\nEof\n", false},
        {"Metasequoia Document\nFormat Text Ver 1.0 \nEof\n", false},
        {"Metasequoia Document \nFormat Text Ver 1.0\nEof\n", false},
        {"Metasequoia Document\n", false},
        {"", false},
    };
    for (const Case& c : cases) {
        Scene scene;
        scene.addObject("stale");
        EXPECT_EQ(readText(c.document, scene), c.accepted) << c.document;
        EXPECT_EQ(scene.objectCount, 0) << c.document;
    }
}

TEST(MqoReader, FileThatCannotBeOpenedLeavesTheSceneAlone) {
    Scene scene;
    scene.addObject("kept");
    EXPECT_FALSE(readMqoFile("/nonexistent/folder/model.mqo", scene));
    ASSERT_EQ(scene.objectCount, 1);
    EXPECT_STREQ(scene.objects[0].name, "kept");
    EXPECT_FALSE(readMqoFile(::testing::TempDir().c_str(), scene));  // a folder opens but cannot be read
}

TEST(MqoReader, ReadsAFileFromDisk) {
    const std::string path = ::testing::TempDir() + "mqo_reader_test.mqo";
    const std::string document = mqoDocument(mqoObject("disk", "", "\t\t3 V(0 1 2)\n"));
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(document.data(), 1, document.size(), file);
    std::fclose(file);
    Scene scene;
    EXPECT_TRUE(readMqoFile(path.c_str(), scene));
    ASSERT_EQ(scene.objectCount, 1);
    EXPECT_STREQ(scene.objects[0].name, "disk");
    EXPECT_EQ(scene.objects[0].polygonCount, 1);
    std::remove(path.c_str());
}

TEST(MqoReader, CrLfReadsTheSameAsLf) {
    const std::string lf = mqoDocument(
        "Material 2 {\n\t\"red\" col(1 0 0 1) tex(\"a b.png\")\n\t\"blue\" col(0 0 1 0.5)\n}\n" +
        mqoObject("box", "\tdepth 0\n\ttranslation 50 0 0\n", "\t\t3 V(0 1 2) M(1) UV(0 0 1 0 1 1)\n"));
    std::string crlf;
    for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    Scene a, b;
    ASSERT_TRUE(readText(lf, a));
    ASSERT_TRUE(readText(crlf, b));
    ASSERT_EQ(a.materialCount, 2);
    ASSERT_EQ(b.materialCount, 2);
    EXPECT_STREQ(b.materials[1].name, "blue");
    EXPECT_FLOAT_EQ(b.materials[1].color.a, 0.5f);
    ASSERT_EQ(b.textureCount, 1);
    EXPECT_STREQ(b.textures[0].name, "a b.png");
    ASSERT_EQ(b.objectCount, 1);
    EXPECT_EQ(b.objects[0].polygonCount, a.objects[0].polygonCount);
    EXPECT_EQ(b.objects[0].uvCount, 3);
    EXPECT_FLOAT_EQ(b.objects[0].transform.localPosition.x, a.objects[0].transform.localPosition.x);
}

TEST(MqoReader, MaterialLines) {
    Scene scene;
    ASSERT_TRUE(readText(mqoDocument("Material 6 {\n"
                                     "\t\"three\" col(0.5 0.25 1)\n"
                                     "\n"
                                     "\t\"two\" col(0.5 0.25)\n"
                                     "\t\"plain\" dif(0.8)\n"
                                     "\t\"t1\" tex(\"Wood.png\")\n"
                                     "\t\"t2\" col(1 1 1 1) tex(\"Wood.png\")\n"
                                     "\t\"t3\" tex(\"wood.png\")\n"
                                     "\t\"t4\" tex(\"\")\n"
                                     "}\n"),
                         scene));
    ASSERT_EQ(scene.materialCount, 8);
    const Material* m = scene.materials;
    EXPECT_STREQ(m[0].name, "three");
    EXPECT_EQ(m[0].color.r, 0.5f);
    EXPECT_EQ(m[0].color.g, 0.25f);
    EXPECT_EQ(m[0].color.b, 1.0f);
    EXPECT_EQ(m[0].color.a, 1.0f);  // three numbers: opaque
    EXPECT_STREQ(m[1].name, "mat_01");  // the blank line
    // Missing colour numbers are 0 and alpha stays opaque.
    EXPECT_EQ(m[2].color.b, 0.0f);
    EXPECT_EQ(m[2].color.a, 1.0f);
    EXPECT_FLOAT_EQ(m[3].color.r, 0.7f);  // no col(): the default colour
    EXPECT_EQ(m[3].textureSlots[0], -1);
    // Same name shares one texture; a name differing in case is another; an empty name is none.
    ASSERT_EQ(scene.textureCount, 2);
    EXPECT_STREQ(scene.textures[0].name, "Wood.png");
    EXPECT_STREQ(scene.textures[1].name, "wood.png");
    EXPECT_EQ(m[4].textureSlots[0], 0);
    EXPECT_EQ(m[5].textureSlots[0], 0);
    EXPECT_EQ(m[6].textureSlots[0], 1);
    EXPECT_EQ(m[7].textureSlots[0], -1);
}

TEST(MqoReader, SkippedChunksEofAndBracesInsideNames) {
    Scene scene;
    ASSERT_TRUE(readText(mqoHeader +
                             "Scene {\n\tdirlights 1 {\n\t\tlight {\n\t\t}\n\t}\n"
                             "Object \"inside a skipped chunk\" {\n"
                             "}\n"
                             "just text, no brace\n"
                             "\"\x83{\" trail byte only, so no chunk opens here\n"
                             "Object \"\x83}\x8D\x7B\" {\n"
                             "\tvertex 3 {\n\t\t0 0 0\n\t\t1 0 0 \"\x83}\"\n\t\t0 1 0\n\t}\n"
                             "\tface 1 {\n\t\t3 V(0 1 2) \"\x83}\"\n\t}\n"
                             "}\n"
                             "Eof\n"
                             "Object \"after Eof\" {\n}\n",
                         scene));
    ASSERT_EQ(scene.objectCount, 1);
    EXPECT_STREQ(scene.objects[0].name, "\x83}\x8D\x7B");  // byte for byte
    EXPECT_EQ(scene.objects[0].pointCount, 3);
    EXPECT_EQ(scene.objects[0].polygonCount, 1);
}

TEST(MqoReader, LongLinesAndWordsAreReadWhole) {
    const std::string padding(1500, ' ');
    Scene scene;
    ASSERT_TRUE(readText(mqoDocument("comment" + padding + "\n" +
                                     "Material 1 {\n\t\"" + std::string(1200, 'm') + "\" col(1 0 0 1)\n}\n" +
                                     mqoObject("after the long line",
                                               "\ttranslation 1000000000000000000000 0 0\n"
                                               "\tmirror_axis 0000000000000000000001\n",
                                               "\t\t3" + padding + "V(0 1 2) M(0)" + padding + "UV(0 0 1 0 1 1)\n")),
                         scene));
    ASSERT_EQ(scene.materialCount, 1);
    EXPECT_EQ(std::string(scene.materials[0].name), std::string(1200, 'm'));
    ASSERT_EQ(scene.objectCount, 2);  // the mirror mask 1 from a 22-character word: one copy
    const SceneObject& object = scene.objects[0];
    EXPECT_FLOAT_EQ(object.transform.localPosition.x, 1e19f);  // 1e21, unit-scaled
    ASSERT_EQ(object.polygonCount, 1);
    EXPECT_EQ(object.polygons[0].material, 0);
    EXPECT_EQ(object.uvCount, 3);
}

TEST(MqoReader, BinaryPointBlock) {
    auto record = [](float x, float y, float z) {
        std::string bytes;
        for (float f : {x, y, z}) {
            unsigned char b[4];
            std::memcpy(b, &f, 4);  // the test machine is little-endian, like the format
            bytes.append(reinterpret_cast<const char*>(b), 4);
        }
        return bytes;
    };
    const std::string data = record(100, 0, 0) + record(0, -200, 0) + record(0, 0, 300);
    const std::string before = mqoHeader + "Object \"b\" {\n\tBVertex 3 {\n\t\tVector 3 [36]\n";
    const std::string after = "\r\n\t}\n\tface 1 {\n\t\t3 V(0 1 2)\n\t}\n}\nEof\n";

    Scene scene;
    ASSERT_TRUE(readText(before + data + after, scene));
    ASSERT_EQ(scene.objectCount, 1);
    const SceneObject& object = scene.objects[0];
    ASSERT_EQ(object.pointCount, 3);
    EXPECT_FLOAT_EQ(object.points[0].position.x, 1.0f);
    EXPECT_FLOAT_EQ(object.points[1].position.y, -2.0f);
    EXPECT_FLOAT_EQ(object.points[2].position.z, 3.0f);
    EXPECT_EQ(object.polygonCount, 1);

    // The file ends inside the block: the document is truncated.
    for (std::size_t cut : {std::size_t{0}, std::size_t{1}, data.size() - 1}) {
        Scene truncated;
        EXPECT_FALSE(readText(before + data.substr(0, cut), truncated)) << cut;
        EXPECT_EQ(truncated.objectCount, 0);
    }
    Scene noSizeLine;
    EXPECT_FALSE(readText(mqoHeader + "Object \"b\" {\n\tBVertex 3 {\n", noSizeLine));
}

TEST(MqoReader, StatedCountsDoNotReserveMoreThanTheFileHolds) {
    Scene scene;
    ASSERT_TRUE(readText(mqoDocument("Object \"o\" {\n"
                                     "\tvertex 2000000000 {\n\t\t0 0 0\n\t\t1 0 0\n\t\t0 1 0\n\t}\n"
                                     "\tface 2000000000 {\n\t\t3 V(0 1 2) UV(0 0 1 0 1 1)\n\t}\n"
                                     "}\n"),
                         scene));
    const SceneObject& object = scene.objects[0];
    EXPECT_EQ(object.pointCount, 3);
    EXPECT_EQ(object.polygonCount, 1);
    EXPECT_LT(object.pointCapacity, 1000);
    EXPECT_LT(object.polygonCapacity, 1000);
    EXPECT_LT(object.uvCapacity, 1000);

    Scene withoutUvs;
    ASSERT_TRUE(readText(mqoDocument(mqoObject("o", "", std::string(40, '\n') + "\t\t3 V(0 1 2)\n")), withoutUvs));
    EXPECT_EQ(withoutUvs.objects[0].uvCapacity, 0);  // a face list without " UV(" reserves none

    Scene binary;
    EXPECT_FALSE(readText(mqoHeader + "Object \"o\" {\n\tBVertex 2000000000 {\n\t\tVector\n" + std::string(48, '\0'),
                          binary));
}

}  // namespace

namespace {

TEST(MqoReader, DemoDocument) {
    Scene scene;
    ASSERT_TRUE(readMqoFile(MQO_EXAMPLES_DIR "/demo.mqo", scene));
    ASSERT_EQ(scene.materialCount, 3);
    ASSERT_EQ(scene.textureCount, 1);
    EXPECT_STREQ(scene.textures[0].name, "checker.png");
    EXPECT_EQ(scene.materials[1].textureSlots[0], 0);
    EXPECT_FLOAT_EQ(scene.materials[2].color.a, 0.5f);
    // The wing, its child canopy, then the wing's copy mirrored in X.
    ASSERT_EQ(scene.objectCount, 3);
    EXPECT_STREQ(scene.objects[1].name, "canopy");
    EXPECT_EQ(scene.objects[1].parent, 0);
    EXPECT_STREQ(scene.objects[2].name, "wing");
    EXPECT_FLOAT_EQ(scene.objects[2].points[1].position.x, -1.2f);
    EXPECT_EQ(scene.objects[0].polygonCount, 6);
    EXPECT_EQ(scene.objects[1].polygonCount, 5);
    EXPECT_FLOAT_EQ(scene.objects[1].transform.worldMatrix.m[3][1], 0.2f);
}

// Inputs that once made the reader fail stay readable without faults.
TEST(MqoReader, FuzzRegressionsReadSafely) {
    const std::string folder = MQO_REGRESSIONS_DIR;
    DIR* dir = opendir(folder.c_str());
    if (!dir) GTEST_SKIP() << "no regression inputs";
    int inputs = 0;
    while (dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        std::ifstream in(folder + "/" + entry->d_name, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        Scene scene;
        readMqoDocument(bytes.data(), bytes.size(), scene);
        readText(mqoHeader + bytes, scene);
        for (int o = 0; o < scene.objectCount; ++o)
            for (int p = 0; p < scene.objects[o].polygonCount; ++p)
                EXPECT_LT(scene.objects[o].polygons[p].material, scene.materialCount) << entry->d_name;
        ++inputs;
    }
    closedir(dir);
    if (inputs == 0) GTEST_SKIP() << "no regression inputs";
}

}  // namespace
