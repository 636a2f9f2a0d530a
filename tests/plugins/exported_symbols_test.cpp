#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>

namespace {

// Names of the symbols a library defines in its dynamic symbol table, as nm lists them.
std::set<std::string> exportedNames(const std::string& path) {
    std::set<std::string> names;
    std::string command = "nm -D --defined-only '" + path + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return names;
    char line[512];
    while (std::fgets(line, sizeof line, pipe)) {
        std::istringstream fields(line);
        std::string address, type, name;
        if (fields >> address >> type >> name) names.insert(name);
    }
    EXPECT_EQ(pclose(pipe), 0) << command;
    return names;
}

TEST(ExportedSymbols, ExportersPublishCanAutoDeferOnlyUnderItsCppName) {
    const std::set<std::string> expected = {"LibDescription", "LibNumberClasses", "LibClassDesc", "LibVersion",
                                            "_Z12CanAutoDeferv"};
    EXPECT_EQ(exportedNames(VELMORA_PATH), expected);
    EXPECT_EQ(exportedNames(QUILLOM_PATH), expected);
}

TEST(ExportedSymbols, ImportersPublishOnlyPlainNames) {
    const std::set<std::string> expected = {"LibDescription", "LibNumberClasses", "LibClassDesc", "LibVersion",
                                            "CanAutoDefer"};
    EXPECT_EQ(exportedNames(TARNWICK_PATH), expected);
    EXPECT_EQ(exportedNames(OSTREVAN_PATH), expected);
}

}  // namespace
