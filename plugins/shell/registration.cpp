// Registration of one library with the host: its class descriptor and the five entry points.
// Only the entry points leave the library (see exporter.map and importer.map).
#include "plugins/shell/plugin_identity.h"
#include "plugins/shell/scene_exporter.h"
#include "plugins/shell/scene_importer.h"

#define SUITE_ENTRY __attribute__((visibility("default")))

const char kAuthorName[] = "Varnholt";
const char kNoticeMessage[] = "\x81\x69\x20\x81\x4C\x81\xCD\x81\x4D\x81\x6A";

SClass_ID superClassOf(PluginKind kind) {
    return kind == PluginKind::SceneExporter ? SCENE_EXPORT_CLASS_ID : SCENE_IMPORT_CLASS_ID;
}

const char* categoryOf(PluginKind kind) {
    return kind == PluginKind::SceneExporter ? "Scene Export" : "Scene Import";
}

namespace {

class SuiteClassDesc : public ClassDesc {
public:
    int IsPublic() override { return 1; }
    // Each call makes a new, independent object, returned as the SDK interface pointer the host
    // expects for this super class.
    void* Create(BOOL /*loading*/) override {
        if (kPluginIdentity.kind == PluginKind::SceneExporter)
            return static_cast<SceneExport*>(new SuiteExporter(kPluginIdentity));
        return static_cast<SceneImport*>(new SuiteImporter(kPluginIdentity));
    }
    int BeginCreate(Interface*) override { return 0; }
    int EndCreate(Interface*) override { return 0; }
    const char* ClassName() override { return kPluginIdentity.shortDescription; }
    SClass_ID SuperClassID() override { return superClassOf(kPluginIdentity.kind); }
    Class_ID ClassID() override { return kPluginIdentity.classId; }
    const char* Category() override { return categoryOf(kPluginIdentity.kind); }
};

// Lives from loading to unloading of the library.
SuiteClassDesc classDesc;

}  // namespace

extern "C" {

SUITE_ENTRY const char* LibDescription() { return kPluginIdentity.libraryDescription; }
SUITE_ENTRY int LibNumberClasses() { return 1; }
SUITE_ENTRY ClassDesc* LibClassDesc(int i) { return i == 0 ? &classDesc : nullptr; }
SUITE_ENTRY ULONG LibVersion() { return HOST_SDK_VERSION; }

}  // extern "C"

// The exporters publish CanAutoDefer under its C++ name only, the importers under its plain name.
#if SUITE_PLUGIN_EXPORTER
SUITE_ENTRY ULONG CanAutoDefer() { return 1; }
#else
extern "C" SUITE_ENTRY ULONG CanAutoDefer() { return 1; }
#endif
