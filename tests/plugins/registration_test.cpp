#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "sdk/plugin_api.h"

namespace {

struct Expected {
    const char* path;
    bool exporter;
    const char* libraryDescription;
    const char* extension;
    const char* longDescription;
    const char* shortDescription;
    unsigned version;
    ULONG classIdB;
    const char* assertionSource;
    int assertionLine;
};

const Expected kLibraries[] = {
    {VELMORA_PATH, true, "LightWave Scene File Exporter", "LWS", "LightWave Scene File", "LightWave Scene", 102,
     0xDC9EA1EC, "Velmora.cpp", 168},
    {QUILLOM_PATH, true, "LightWave File Exporter", "LWO", "LightWave Object File", "LightWave", 102, 0xDCC2642A,
     "Quillom.cpp", 169},
    {TARNWICK_PATH, false, "LightWave Object Importer", "LWO", "LightWave Object File", "LightWave", 101,
     0xDC025562, nullptr, 0},
    {OSTREVAN_PATH, false, "Metasequoia File Importer", "MQO", "Metasequoia Scene File", "Metasequoia", 101,
     0xDC491603, nullptr, 0},
};

// Names the library in test output instead of dumping the bytes.
void PrintTo(const Expected& e, std::ostream* os) { *os << std::filesystem::path(e.path).filename().string(); }

const std::string kNotice("\x81\x69\x20\x81\x4C\x81\xCD\x81\x4D\x81\x6A", 11);

// One library loaded for the length of a test, as the host loads it.
class LoadedLibrary : public testing::TestWithParam<Expected> {
protected:
    void SetUp() override {
        handle_ = dlopen(GetParam().path, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
        auto classDesc = reinterpret_cast<ClassDesc* (*)(int)>(dlsym(handle_, "LibClassDesc"));
        ASSERT_NE(classDesc, nullptr);
        desc_ = classDesc(0);
        ASSERT_NE(desc_, nullptr);
    }
    void TearDown() override {
        if (handle_) dlclose(handle_);
    }
    template <class F>
    F entry(const char* name) {
        return reinterpret_cast<F>(dlsym(handle_, name));
    }

    void* handle_ = nullptr;
    ClassDesc* desc_ = nullptr;
};

TEST_P(LoadedLibrary, EntryPointsAnswer) {
    const Expected& e = GetParam();
    EXPECT_STREQ(entry<const char* (*)()>("LibDescription")(), e.libraryDescription);
    EXPECT_EQ(entry<int (*)()>("LibNumberClasses")(), 1);
    EXPECT_EQ(entry<ClassDesc* (*)(int)>("LibClassDesc")(1), nullptr);
    EXPECT_EQ(entry<ClassDesc* (*)(int)>("LibClassDesc")(0), desc_);  // one descriptor per library
    EXPECT_EQ(entry<ULONG (*)()>("LibVersion")(), 0x17700D00ul);
    auto canAutoDefer = entry<ULONG (*)()>(e.exporter ? "_Z12CanAutoDeferv" : "CanAutoDefer");
    ASSERT_NE(canAutoDefer, nullptr);
    EXPECT_EQ(canAutoDefer(), 1ul);
}

TEST_P(LoadedLibrary, ClassDescriptorAnswers) {
    const Expected& e = GetParam();
    EXPECT_EQ(desc_->IsPublic(), 1);
    EXPECT_EQ(desc_->BeginCreate(nullptr), 0);
    EXPECT_EQ(desc_->EndCreate(nullptr), 0);
    EXPECT_STREQ(desc_->ClassName(), e.shortDescription);
    EXPECT_EQ(desc_->SuperClassID(), e.exporter ? 0xA20ul : 0xA10ul);
    EXPECT_EQ(desc_->ClassID(), Class_ID(0x3DACE240, e.classIdB));
    EXPECT_STREQ(desc_->Category(), e.exporter ? "Scene Export" : "Scene Import");
    EXPECT_TRUE(desc_->OkToCreate(nullptr));
    EXPECT_FALSE(desc_->HasClassParams());
    EXPECT_EQ(desc_->InitialRollupPageState(), 0x7FFFFFFFu);
}

// The descriptive answers are the same for exporters and importers; T is the SDK interface.
template <class T>
void expectDescriptiveAnswers(T& object, const Expected& e) {
    EXPECT_EQ(object.ExtCount(), 1);
    EXPECT_STREQ(object.Ext(0), e.extension);
    EXPECT_STREQ(object.Ext(1), "");
    EXPECT_STREQ(object.LongDesc(), e.longDescription);
    EXPECT_STREQ(object.ShortDesc(), e.shortDescription);
    EXPECT_STREQ(object.AuthorName(), "Varnholt");
    EXPECT_EQ(std::string(object.CopyrightMessage()), kNotice);
    EXPECT_STREQ(object.OtherMessage1(), "");
    EXPECT_STREQ(object.OtherMessage2(), "");
    EXPECT_EQ(object.Version(), e.version);
    object.ShowAbout(nullptr);
}

std::string assertionReport;
int assertionCount = 0;
void recordAssertion(int line, const char* file, const char*, const char*) {
    ++assertionCount;
    assertionReport = std::string(file ? file : "(null)") + ":" + std::to_string(line);
}

TEST_P(LoadedLibrary, CreatedObjectsAnswer) {
    const Expected& e = GetParam();
    void* first = desc_->Create(FALSE);
    void* second = desc_->Create(TRUE);
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first, second);  // nothing shared between two objects
    if (e.exporter) {
        auto* exporter = static_cast<SceneExport*>(first);
        expectDescriptiveAnswers(*exporter, e);
        AssertHandler previous = SetAssertHandler(recordAssertion);
        assertionCount = 0;
        struct Case { int ext; DWORD mask; BOOL answer; };
        for (Case c : {Case{0, 0, 0}, Case{0, 1, 1}, Case{0, 3, 0}, Case{0, 2, 0}, Case{1, 1, 1}, Case{1, 3, 0}}) {
            SCOPED_TRACE(testing::Message() << "ext " << c.ext << " mask " << c.mask);
            assertionReport.clear();
            EXPECT_EQ(exporter->SupportsOptions(c.ext, c.mask), c.answer);
            EXPECT_EQ(assertionReport, c.ext == 0 ? std::string()
                                                  : e.assertionSource + std::string(":") +
                                                        std::to_string(e.assertionLine));
        }
        EXPECT_EQ(assertionCount, 2);
        SetAssertHandler(previous);
        delete exporter;
        delete static_cast<SceneExport*>(second);
    } else {
        auto* importer = static_cast<SceneImport*>(first);
        expectDescriptiveAnswers(*importer, e);
        EXPECT_EQ(importer->ZoomExtents(), -1);
        delete importer;
        delete static_cast<SceneImport*>(second);
    }
}

INSTANTIATE_TEST_SUITE_P(Plugins, LoadedLibrary, testing::ValuesIn(kLibraries),
                         [](const testing::TestParamInfo<Expected>& info) {
                             return std::filesystem::path(info.param.path).stem().string();
                         });

}  // namespace
