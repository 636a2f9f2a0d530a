// The host program's convert command as a user runs it: exit status, one error line, no output
// left behind when it fails, the selection option and relative paths.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "lightwave/object_reader.h"
#include "plughost_runner.h"

namespace fs = std::filesystem;

namespace {

// A document of three objects: "wing", its child "canopy", and a second root also named "wing".
const fs::path demoDocument = fs::path(SUITE_SOURCE_DIR) / "examples" / "demo.mqo";

std::string readText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int countOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
    return count;
}

std::vector<std::string> layerNames(const fs::path& objectFile) {
    Scene scene;
    EXPECT_TRUE(readLightWaveObject(objectFile.c_str(), scene));
    std::vector<std::string> names;
    for (int o = 0; o < scene.objectCount; ++o) names.push_back(scene.objects[o].name ? scene.objects[o].name : "");
    return names;
}

class ConvertCommand : public testing::Test {
protected:
    ScratchFolder folder_{testing::UnitTest::GetInstance()->current_test_info()->name()};

    fs::path put(const std::string& name, const std::string& content) {
        const fs::path p = folder_ / name;
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << content;
        return p;
    }
};

TEST_F(ConvertCommand, FailuresExitWithOneLineAndWriteNothing) {
    const std::string in = demoDocument.string(), dir = folder_.path().string();
    put("text.lwo", "no LightWave object\n");
    put("text.mqo", "Metasequoia Document\nFormat Text Ver 2.7\n");
    put("empty.mqo", "");
    fs::create_directories(folder_ / "folder.lwo");
    fs::create_directories(folder_ / "taken" / "scene.lws");  // the scene file's name is a folder
    put("blocked/Object", "a file where the object folder belongs");
    struct Case {
        std::vector<std::string> args;
        std::string message;
        std::string mustNotExist;  // relative to the scratch folder
    };
    const Case cases[] = {
        // No plug-in for an extension.
        {{"convert", dir + "/in.abc", dir + "/out.lwo"}, "no importer for '" + dir + "/in.abc' (extension 'abc')", "out.lwo"},
        {{"convert", in, dir + "/out.xyz"}, "no exporter for '" + dir + "/out.xyz' (extension 'xyz')", "out.xyz"},
        {{"convert", dir + "/noextension", dir + "/out.lwo"}, "no importer", "out.lwo"},
        // Input that cannot be read or is not recognised.
        {{"convert", dir + "/missing.lwo", dir + "/out.lwo"}, "Tarnwick.dli could not import", "out.lwo"},
        {{"convert", dir + "/folder.lwo", dir + "/out.lws"}, "Tarnwick.dli could not import", "out.lws"},
        {{"convert", dir + "/text.lwo", dir + "/out.lwo"}, "Tarnwick.dli could not import", "out.lwo"},
        {{"convert", dir + "/text.mqo", dir + "/out.lws"}, "Ostrevan.dli could not import", "Object"},
        {{"convert", dir + "/empty.mqo", dir + "/out.lwo"}, "Ostrevan.dli could not import", "out.lwo"},
        // Output that cannot be written.
        {{"convert", in, dir + "/missing/out.lwo"}, "Quillom.dle could not export", "missing"},
        {{"convert", in, dir + "/missing/out.lws"}, "Velmora.dle could not export", "missing"},
        {{"convert", in, dir + "/folder.lwo"}, "Quillom.dle could not export", "folder.lwo/Object"},
        {{"convert", in, dir + "/blocked/out.lws"}, "Velmora.dle could not export", "blocked/out.lws"},
        // The object files are written before the scene file; the failure is still reported.
        {{"convert", in, dir + "/taken/scene.lws"}, "Velmora.dle could not export", "taken/scene.lws/Object"},
        // A selection naming no node.
        {{"convert", in, dir + "/out.lws", "--select", "rudder"}, "no node named 'rudder'", "out.lws"},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const std::string& a : c.args) line += a + " ";
        SCOPED_TRACE(line);
        const PlughostRun run = runPlughost(c.args, folder_.path());
        EXPECT_FALSE(run.crashed());
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.errorLines(), 1) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(fs::exists(folder_ / c.mustNotExist));
    }
    EXPECT_TRUE(fs::is_directory(folder_ / "taken" / "scene.lws"));
}

TEST_F(ConvertCommand, SelectionExportsOnlyTheNamedNodes) {
    struct Case {
        std::vector<std::string> names;
        std::vector<std::string> layers;  // of the object file, in capture order
    };
    const Case cases[] = {
        {{}, {"wing", "canopy", "wing"}},
        {{"canopy"}, {"canopy"}},
        {{"wing"}, {"wing", "wing"}},  // both nodes of that name
        {{"canopy", "wing"}, {"wing", "canopy", "wing"}},
    };
    for (const Case& c : cases) {
        // With --verbose the capture's debugger line of every captured object shows on stderr.
        std::vector<std::string> args{"--verbose", "convert", demoDocument.string(), (folder_ / "out.lwo").string()};
        for (const std::string& n : c.names) args.insert(args.end(), {"--select", n});
        SCOPED_TRACE(testing::PrintToString(c.names));
        const PlughostRun run = runPlughost(args, folder_.path());
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(layerNames(folder_ / "out.lwo"), c.layers);
        std::string announced;
        for (const std::string& name : c.layers) announced += "[" + name + "]\n";
        EXPECT_EQ(run.err, announced);
    }
}

TEST_F(ConvertCommand, SelectedChildOfAnUnselectedParentBecomesARootOfTheScene) {
    fs::create_directories(folder_ / "all");
    fs::create_directories(folder_ / "one");
    const PlughostRun all = runPlughost({"convert", demoDocument.string(), (folder_ / "all/s.lws").string()}, folder_.path());
    ASSERT_EQ(all.exitCode, 0) << all.err;
    EXPECT_EQ(countOf(readText(folder_ / "all/s.lws"), "ParentItem"), 1) << "the canopy hangs under the wing";

    const PlughostRun one = runPlughost(
        {"convert", demoDocument.string(), (folder_ / "one/s.lws").string(), "--select", "canopy"}, folder_.path());
    ASSERT_EQ(one.exitCode, 0) << one.err;
    const std::string scene = readText(folder_ / "one/s.lws");
    EXPECT_EQ(countOf(scene, "LoadObjectLayer"), 1);
    EXPECT_EQ(countOf(scene, "LoadObjectLayer 1 Object\\canopy.lwo"), 1);
    EXPECT_EQ(countOf(scene, "ParentItem"), 0) << "its parent is not in the scene";
    EXPECT_EQ(filesUnder(folder_ / "one" / "Object"), std::vector<fs::path>{folder_ / "one/Object/canopy.lwo"});
}

TEST_F(ConvertCommand, RelativePathsAreTakenAgainstTheStartingFolder) {
    fs::create_directories(folder_ / "work" / "out");
    fs::create_directories(folder_ / "in");
    fs::copy_file(demoDocument, folder_ / "in" / "demo.mqo");
    const fs::path work = folder_ / "work";
    // The importer makes the document's folder the current one; the output must still land
    // beside the starting folder, not beside the document.
    PlughostRun run = runPlughost({"convert", "../in/demo.mqo", "out/demo.lws"}, work);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(fs::is_regular_file(work / "out" / "demo.lws"));
    EXPECT_EQ(filesUnder(work / "out" / "Object").size(), 3u);
    run = runPlughost({"convert", "../in/demo.mqo", "demo.lwo"}, work);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(fs::is_regular_file(work / "demo.lwo"));
    EXPECT_EQ(filesUnder(folder_ / "in"), std::vector<fs::path>{folder_ / "in" / "demo.mqo"});
    // And the other way round: a LightWave object in, relative to a folder below the start.
    run = runPlughost({"convert", "demo.lwo", "out/again.lwo"}, work);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(layerNames(work / "out" / "again.lwo"), (std::vector<std::string>{"wing", "canopy", "wing"}));
}

}  // namespace
