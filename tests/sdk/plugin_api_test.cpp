#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "sdk/plugin_api.h"

namespace {

class MinimalDesc : public ClassDesc {
public:
    int IsPublic() override { return 1; }
    void* Create(BOOL) override { return nullptr; }
    int BeginCreate(Interface*) override { return 0; }
    int EndCreate(Interface*) override { return 0; }
    const char* ClassName() override { return "minimal"; }
    SClass_ID SuperClassID() override { return SCENE_EXPORT_CLASS_ID; }
    Class_ID ClassID() override { return Class_ID(1, 2); }
    const char* Category() override { return ""; }
};

class NamedInterface : public FPInterface {
public:
    explicit NamedInterface(Interface_ID id) : id_(id) {}
    Interface_ID GetID() override { return id_; }

private:
    Interface_ID id_;
};

TEST(PluginApi, ClassDescriptorBaseDefaults) {
    MinimalDesc desc;
    EXPECT_TRUE(desc.OkToCreate(nullptr));
    EXPECT_FALSE(desc.HasClassParams());
    EXPECT_EQ(desc.InitialRollupPageState(), 0x7FFFFFFFu);
    EXPECT_EQ(desc.GetRsrcString(1), nullptr);
    NamedInterface a(Interface_ID(1, 1)), b(Interface_ID(2, 2)), again(Interface_ID(1, 1));
    desc.AddInterface(&a);
    desc.AddInterface(&b);
    desc.AddInterface(&again);  // same id: not added twice
    EXPECT_EQ(desc.NumInterfaces(), 2);
    EXPECT_EQ(desc.GetInterface(Interface_ID(2, 2)), &b);
    EXPECT_EQ(desc.GetInterface(Interface_ID(3, 3)), nullptr);
}  // the descriptor's destructor releases its interface list (ASan checks it)

TEST(PluginApi, VersionWordPacksReleaseInterfaceAndRevision) {
    EXPECT_EQ(HOST_SDK_VERSION, 0x17700D00ul);
    EXPECT_EQ(SdkApiOf(HOST_SDK_VERSION), 13ul);
}

std::string lastReport;
void recordReport(int line, const char* file, const char*, const char*) {
    lastReport = std::string(file) + ":" + std::to_string(line);
}

TEST(PluginApi, AssertionsGoToTheInstalledHandler) {
    AssertHandler previous = SetAssertHandler(recordReport);
    assert1(168, "Velmora.cpp");
    EXPECT_EQ(lastReport, "Velmora.cpp:168");
    EXPECT_EQ(SetAssertHandler(previous), recordReport);
}

TEST(PluginApi, ZfreeReleasesAndClears) {
    void* p = std::malloc(16);
    zfree(&p);
    EXPECT_EQ(p, nullptr);
    zfree(&p);  // a second call is harmless
    zfree(nullptr);
}

}  // namespace
