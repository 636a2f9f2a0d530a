// LightWave scene writer: the scene text, the object folder and the object files' names.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "lightwave/lwo2_writer.h"
#include "lightwave/lws_object_names.h"
#include "lightwave/lws_writer.h"
#include "passes/cleanup.h"
#include "passes/hierarchy.h"
#include "written_file.h"

namespace {

// Text with "\n" line ends as CR LF.
std::string crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

std::string envelopeText(int channel, const std::string& key) {
    return "Channel " + std::to_string(channel) + "\n{ Envelope\n  1\n" + key + "\n  Behaviors 1 1\n}\n";
}

// Everything after the object blocks: light, camera, backdrop, render, view and editor settings.
std::string fixedTail() {
    std::string text = "AmbientColor 1 1 1\nAmbientIntensity 0.25\n\nAddLight\nLightName Light\nShowLight 1 5\n"
                       "LightMotion\nNumChannels 9\n";
    const char* light[] = {"-2", "2", "-2", "0.78539813", "0.61086524", "0", "1", "1", "1"};
    for (int c = 0; c < 9; ++c) text += envelopeText(c, std::string("  Key ") + light[c] + " 0 0 0 0 0 0 0 0");
    text += "\nLightColor 1 1 1\nLightIntensity 1\nAffectCaustics 1\nLightType 0\nShadowType 1\nShadowColor 0 0 0\n\n"
            "AddCamera\nCameraName Camera\nShowCamera 1 2\nCameraMotion\nNumChannels 6\n";
    const char* camera[] = {"-0.58872151", "0.92395401", "-23.494741", "0", "0", "0"};
    for (int c = 0; c < 6; ++c) text += envelopeText(c, std::string("  Key ") + camera[c] + " 0 0 0 0 0 0 0 0");
    text += "\nZoomFactor 3.2\nResolutionMultiplier 1.0\nFrameSize 640 480\nPixelAspect 1\nMaskPosition 0 0 640 480\n"
            "MotionBlur 0\nFieldRendering 0\n\nApertureHeight 0.015\nAntialiasing 0\nAdaptiveSampling 1\n"
            "AdaptiveThreshold 0.1\n\n"
            "SolidBackdrop 1\nBackdropColor 0 0 0\nZenithColor 0 0.1569 0.3137\nSkyColor 0.4706 0.7059 0.9412\n"
            "GroundColor 0.1961 0.1569 0.1176\nNadirColor 0.3922 0.3137 0.2353\nFogType 0\nDitherIntensity 1\n"
            "AnimatedDither 0\n\nRenderMode 2\nRayTraceEffects 0\nRayRecursionLimit 16\nRayTraceOptimization 1\n"
            "DataOverlayLabel  \nSaveRGB 0\nSaveAlpha 0\n\n"
            "ViewConfiguration 0\nDefineView 0\nViewType 7\nViewAimpoint 0 0 0\nViewRotation -92.20005 2.099987 0\n"
            "ViewZoomFactor 4\n\nGridNumber 80\nGridSize 5\nCameraViewBG 0\nShowMotionPath 1\nShowFogRadius 0\n"
            "ShowFogEffect 0\nShowSafeAreas 0\nShowFieldChart 0\nOverlayColor 11\n\nCurrentObject 0\nCurrentLight 0\n"
            "CurrentCamera 0\nGraphEditorData\n{ GraphEd_Favorites\n}\n{ GE_Expression_Lib\n  1\n}\n\n";
    return text;
}

std::string header(int first, int last, int time, int fps) {
    return "LWSC\n3\n\nFirstFrame " + std::to_string(first) + "\nLastFrame " + std::to_string(last) +
           "\nFrameStep 1\nPreviewFirstFrame " + std::to_string(first) + "\nPreviewLastFrame " +
           std::to_string(last) + "\nPreviewFrameStep 1\nCurrentFrame " + std::to_string(time) +
           "\nFramesPerSecond " + std::to_string(fps) + "\n\n";
}

void addTriangle(Scene& scene, int object, float offset) {
    SceneObject& o = scene.objects[object];
    for (int i = 0; i < 3; ++i) {
        const int p = o.addPoint();
        o.points[p].position.set(offset + float(i), float(i % 2), 0.0f);
    }
    o.addPolygon(3);
    for (int c = 0; c < 3; ++c) o.polygons[0].cornerPoints[c] = c;
}

class LwsWriter : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir.file("scene.lws");
};

TEST_F(LwsWriter, WritesTheSceneTextExactly) {
    Scene scene;
    scene.firstFrame = 1;
    scene.lastFrame = 90;
    scene.time = 50;
    scene.framesPerSecond = 25.0f;
    const int root = scene.addObject("Root");
    const int child = scene.addObject("Child");
    addTriangle(scene, root, 0.0f);
    addTriangle(scene, child, 5.0f);
    scene.objects[child].parent = root;
    Transform& t = scene.objects[child].transform;
    t.localPosition.set(1.5f, 2.0f, 3.0f);
    t.localRotation.set(0.25f, 0.5f, 0.125f);
    scene.objects[child].rotationOrder = OrderXYZ;  // written converted to order ZXY
    t.localScale.set(2.0f, 1.0f, 0.5f);

    ASSERT_TRUE(writeLwsFile(path.c_str(), scene));

    // The rotation channels carry the angles in order ZXY (the conversion itself is the hierarchy
    // pass's): heading = -y, pitch = -x, bank = z.
    Scene converted;
    converted.copyFrom(scene);
    convertRotationOrder(converted, OrderZXY);
    const Vec3& r = converted.objects[child].transform.localRotation;
    const auto fixed = [](float value) {
        char text[64];
        std::snprintf(text, sizeof text, "%f", double(value));
        return std::string(text);
    };
    ASSERT_NE(fixed(r.x), "0.250000");  // the conversion did change the angles

    std::string expected = header(1, 90, 50, 25);
    const auto block = [](const std::string& name, const std::vector<std::string>& values, const char* parent) {
        std::string text = "LoadObjectLayer 1 Object\\" + name + ".lwo\nShowObject 6 3\nObjectMotion\nNumChannels 9\n";
        for (int c = 0; c < 9; ++c) text += envelopeText(c, "  Key " + values[std::size_t(c)] + " 2.000000 0 0 0 0 0 0 0");
        text += "\n";
        if (parent) text += std::string("ParentItem ") + parent + "\n";
        return text + "ShadowOptions 7\n\n";
    };
    expected += block("Root", {"0.000000", "0.000000", "-0.000000", "-0.000000", "-0.000000", "0.000000", "1.000000",
                               "1.000000", "1.000000"}, nullptr);
    expected += block("Child", {"1.500000", "2.000000", "-3.000000", fixed(-r.y), fixed(-r.x), fixed(r.z), "2.000000",
                                "1.000000", "0.500000"}, "10000000");
    expected += fixedTail();
    EXPECT_EQ(readText(path), crlf(expected));

    // The object files hold each object in its own space, whatever its transform.
    for (const char* name : {"Root", "Child"}) {
        const std::vector<FileChunk> chunks = readLwo2Chunks(dir.file(std::string("Object/") + name + ".lwo"));
        ASSERT_NE(findChunk(chunks, "PNTS"), nullptr) << name;
        ByteReader pnts = findChunk(chunks, "PNTS")->reader();
        float first[3];
        readVec12(pnts, first, 1);
        EXPECT_EQ(first[0], name == std::string("Root") ? 0.0f : 5.0f);
    }
}

TEST_F(LwsWriter, EmptySceneAndFrameRates) {
    Scene scene;
    scene.time = 3;
    scene.framesPerSecond = 29.97f;
    const int o = scene.addObject("Box");
    addTriangle(scene, o, 0.0f);
    ASSERT_TRUE(writeLwsFile(path.c_str(), scene));
    const std::string text = readText(path);
    EXPECT_NE(text.find("FramesPerSecond 29\r\n"), std::string::npos);
    char key[64];
    std::snprintf(key, sizeof key, "  Key 1.000000 %f 0 0 0 0 0 0 0\r\n", double(3.0f / 29.97f));
    EXPECT_NE(text.find(key), std::string::npos) << key;

    Scene empty;
    TempDir other;
    ASSERT_TRUE(writeLwsFile(other.file("empty.lws").c_str(), empty));
    EXPECT_EQ(readText(other.file("empty.lws")), crlf(header(0, 60, 0, 30) + fixedTail()));
    EXPECT_TRUE(std::filesystem::is_directory(other.file("Object")));
    EXPECT_TRUE(std::filesystem::is_empty(other.file("Object")));

    // Without a usable frame rate the keys sit at time 0.
    scene.framesPerSecond = 0.0f;
    ASSERT_TRUE(writeLwsFile(path.c_str(), scene));
    EXPECT_NE(readText(path).find("  Key 1.000000 0.000000 0 0 0 0 0 0 0\r\n"), std::string::npos);
}

TEST(LwsObjectNames, UnsafeNamesBecomeSafeFileStems) {
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"Box", "Box"},
        {"Box.001 left", "Box.001 left"},
        {"../../etc/passwd", ".._.._etc_passwd"},
        {"..", "__"},
        {".", "_"},
        {"", "_"},
        {nullptr, "_"},
        {"a\\b", "a_b"},
        {"x<>:\"|?*y", "x_______y"},
        {"tab\there\nline", "tab_here_line"},
        {"ends.", "ends_"},
        {"ends ", "ends_"},
        {"CON", "_CON"},
        {"lpt1.backup", "_lpt1.backup"},
        {"console", "console"},
        {"\x95\x5C" "box", "\x95\x5C" "box"},  // a Shift-JIS character whose second byte is a backslash
        {"\x5C" "box", "_box"},
    };
    for (const auto& [name, stem] : cases) EXPECT_EQ(sanitizedFileStem(name), stem) << (name ? name : "(null)");
    EXPECT_EQ(sanitizedFileStem(std::string(1000, 'n').c_str()).size(), 200u);
}

TEST_F(LwsWriter, ObjectFilesStayInTheFolderAndNeverOverwriteEachOther) {
    Scene scene;
    const char* names[] = {"Box", "../escape", "Box", "box", "Box_2", "a/b"};
    for (const char* name : names) {
        const int o = scene.addObject(name);
        addTriangle(scene, o, float(o) * 10.0f);
    }
    // More points in one duplicate, so the files can be told apart.
    const int extra = scene.objects[2].addPoint();
    scene.objects[2].points[extra].position.set(7, 7, 7);

    ASSERT_TRUE(writeLwsFile(path.c_str(), scene));
    const std::vector<std::string> stems = {"Box", ".._escape", "Box_2", "box_3", "Box_2_2", "a_b"};
    const std::string text = readText(path);
    std::size_t from = 0;
    for (std::size_t i = 0; i < stems.size(); ++i) {
        const std::string line = "LoadObjectLayer 1 Object\\" + stems[i] + ".lwo\r\n";
        const std::size_t at = text.find(line, from);
        ASSERT_NE(at, std::string::npos) << line;
        from = at + line.size();
        const std::vector<FileChunk> chunks = readLwo2Chunks(dir.file("Object/" + stems[i] + ".lwo"));
        ASSERT_NE(findChunk(chunks, "PNTS"), nullptr) << stems[i];
        ByteReader pnts = findChunk(chunks, "PNTS")->reader();
        float first[3];
        readVec12(pnts, first, 1);
        EXPECT_EQ(first[0], float(i) * 10.0f) << stems[i];
        EXPECT_EQ(findChunk(chunks, "PNTS")->content.size(), i == 2 ? 48u : 36u) << stems[i];
    }
    // Nothing beside the scene file but the folder, nothing in the folder but the six files.
    std::size_t entries = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path())) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 1u + 1u + stems.size());
}

TEST_F(LwsWriter, ReportsFilesThatCannotBeWritten) {
    Scene scene;
    const int o = scene.addObject("Box");
    addTriangle(scene, o, 0.0f);
    // A plain file where the folder should be: no object file can be created, so no scene file
    // is written that would name it.
    std::FILE* blocker = std::fopen(dir.file("Object").c_str(), "wb");
    ASSERT_NE(blocker, nullptr);
    std::fclose(blocker);
    EXPECT_FALSE(writeLwsFile(path.c_str(), scene));
    EXPECT_FALSE(fileExists(path));

    EXPECT_FALSE(writeLwsFile(dir.file("missing/scene.lws").c_str(), scene));
    EXPECT_FALSE(writeLwsFile(nullptr, scene));

    // Files that open but cannot take the bytes (a full disk): the object file, then the scene file.
    if (!fileExists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    TempDir full;
    std::filesystem::create_directory(full.file("Object"));
    std::filesystem::create_symlink("/dev/full", full.file("Object/Box.lwo"));
    EXPECT_FALSE(writeLwsFile(full.file("scene.lws").c_str(), scene));
    std::filesystem::remove(full.file("Object/Box.lwo"));
    std::filesystem::create_symlink("/dev/full", full.file("scene.lws"));
    EXPECT_FALSE(writeLwsFile(full.file("scene.lws").c_str(), scene));
    EXPECT_TRUE(fileExists(full.file("Object/Box.lwo")));
}

// The object files equal those of the plain method: a full copy per object, reduced by deleting
// the other objects and the unused materials.
TEST_F(LwsWriter, ObjectFilesMatchFullCopiesReducedToTheirObject) {
    Scene scene;
    for (int m = 0; m < 4; ++m) scene.addMaterial("");
    scene.addTexture("a.png");
    scene.addTexture("b.png");
    scene.materials[1].textureSlots[0] = 1;
    scene.materials[3].textureSlots[0] = 0;
    for (int i = 0; i < 3; ++i) {
        const int o = scene.addObject("Obj");
        addTriangle(scene, o, float(i));
        SceneObject& object = scene.objects[o];
        object.polygons[0].material = i == 0 ? -1 : 2 * i - 1;  // none, 1, 3
        const int uv = object.addUv();
        object.uvs[uv].set(0.5f, 0.25f);
        object.polygons[0].cornerUvs[1] = uv;
        object.transform.localPosition.set(1, 2, 3);
        object.transform.worldMatrix.m[3][0] = 4.0f;
        object.parent = i - 1;
    }
    ASSERT_TRUE(writeLwsFile(path.c_str(), scene));

    const char* written[] = {"Obj", "Obj_2", "Obj_3"};
    for (int i = 0; i < 3; ++i) {
        Scene copy;
        copy.copyFrom(scene);
        for (int j = 0; j < copy.objectCount; ++j)
            if (j != i) {
                copy.objects[j].flags |= Deleted;
                copy.objects[j].remap = -1;
            }
        copy.compactObjects();
        resetTransforms(copy);
        removeUnusedMaterials(copy);
        const std::string reference = dir.file("reference.lwo");
        ASSERT_TRUE(writeLwo2File(reference.c_str(), copy));
        EXPECT_EQ(readText(dir.file(std::string("Object/") + written[i] + ".lwo")), readText(reference)) << i;
    }
}

}  // namespace
