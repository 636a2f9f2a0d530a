#include <gtest/gtest.h>
#include <gmock/gmock.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

struct RunResult {
    int status = -1;
    std::string out, err;
};

std::string readFile(const fs::path& p) {
    std::ifstream in(p);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

int countLines(const std::string& text) {
    int n = 0;
    for (char c : text) n += c == '\n';
    return n;
}

// Runs the host program in a fresh folder of its own, which the test may fill with plug-ins.
class Plughost : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("plughost_test_" + std::to_string(::getpid()) + "_" +
                                               testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "plugins");
    }
    void TearDown() override { fs::remove_all(folder_); }

    RunResult run(const std::string& arguments) {
        std::string command = std::string("'") + PLUGHOST_PATH + "' " + arguments + " >'" +
                              (folder_ / "out").string() + "' 2>'" + (folder_ / "err").string() + "'";
        RunResult r;
        int raw = std::system(command.c_str());
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = readFile(folder_ / "out");
        r.err = readFile(folder_ / "err");
        return r;
    }
    void addPlugin(const char* path, const std::string& as) {
        fs::create_symlink(path, folder_ / "plugins" / as);
    }
    std::string plugins() const { return "'" + (folder_ / "plugins").string() + "'"; }

    fs::path folder_;
};

TEST_F(Plughost, ListsTheFourPluginsFoundBesideTheProgram) {
    RunResult r = run("plugins");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(countLines(r.out), 4);
    const char* lines[] = {
        R"(Ostrevan\.dli +import +MQO +Metasequoia Scene File +Metasequoia +101 +0x3DACE240 0xDC491603)",
        R"(Quillom\.dle +export +LWO +LightWave Object File +LightWave +102 +0x3DACE240 0xDCC2642A)",
        R"(Tarnwick\.dli +import +LWO +LightWave Object File +LightWave +101 +0x3DACE240 0xDC025562)",
        R"(Velmora\.dle +export +LWS +LightWave Scene File +LightWave Scene +102 +0x3DACE240 0xDC9EA1EC)",
    };
    for (const char* line : lines) EXPECT_THAT(r.out, testing::ContainsRegex(line));
}

TEST_F(Plughost, SkipsLibrariesThatFailAndListsTheOthers) {
    addPlugin(VELMORA_PATH, "Velmora.dle");
    addPlugin(OSTREVAN_PATH, "Ostrevan.dli");
    addPlugin(FAULTY_WRONG_VERSION_PATH, "Old.dle");
    addPlugin(FAULTY_NO_DESCRIPTOR_PATH, "Empty.dle");
    addPlugin(OSTREVAN_PATH, "Misnamed.dle");  // an importer under an exporter's extension
    std::ofstream(folder_ / "plugins" / "Garbage.dli") << "not a library";
    std::ofstream(folder_ / "plugins" / "notes.txt") << "ignored";
    RunResult r = run("--plugins " + plugins() + " plugins");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(countLines(r.out), 2) << r.out;
    EXPECT_THAT(r.out, testing::HasSubstr("Velmora.dle"));
    EXPECT_THAT(r.out, testing::HasSubstr("Ostrevan.dli"));
    EXPECT_EQ(countLines(r.err), 4) << r.err;
    EXPECT_THAT(r.err, testing::ContainsRegex("Old\\.dle: .*SDK version 0x17700C00"));
    EXPECT_THAT(r.err, testing::ContainsRegex("Empty\\.dle: .*no class descriptor"));
    EXPECT_THAT(r.err, testing::ContainsRegex("Misnamed\\.dle: .*not a scene exporter"));
    EXPECT_THAT(r.err, testing::ContainsRegex("Garbage\\.dli: cannot be loaded"));
}

TEST_F(Plughost, ReportsUsageErrorsOnOneLine) {
    const std::string garbage = (folder_ / "garbage.mqo").string();
    std::ofstream(garbage) << "this is no Metasequoia document\n";
    struct Case { std::string arguments; int status; std::string message; };
    const Case cases[] = {
        {"--plugins " + (folder_ / "missing").string() + " plugins", 1, "cannot read plug-in folder"},
        {"", 2, "no command"},
        {"frobnicate", 2, "unknown command 'frobnicate'"},
        {"plugins --plugins", 2, "--plugins needs a folder"},
        {"plugins extra", 2, "takes no arguments"},
        {"convert " + garbage, 2, "convert needs INPUT and OUTPUT"},
        {"info", 2, "info needs one FILE"},
        {"convert " + garbage + " out.xyz", 1, "no exporter for 'out.xyz' (extension 'xyz')"},
        {"convert in.abc out.lwo", 1, "no importer for 'in.abc' (extension 'abc')"},
        {"info noextension", 1, "no importer for 'noextension' (extension '')"},
        {"info " + garbage, 1, "Ostrevan.dli could not import '" + garbage + "'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        RunResult r = run(c.arguments);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(countLines(r.err), 1) << r.err;
        EXPECT_THAT(r.err, testing::HasSubstr(c.message));
        EXPECT_EQ(r.out, "");
    }
}

}  // namespace
