#include "plughost/plugin_catalog.h"

#include <dlfcn.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

using LibDescriptionFn = const char* (*)();
using LibNumberClassesFn = int (*)();
using LibClassDescFn = ClassDesc* (*)(int);
using LibVersionFn = ULONG (*)();

// More classes than this in one library is taken as a wrong answer, not a request.
constexpr int kMaxClassesPerLibrary = 64;

std::string lowerCase(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

std::string hex(ULONG v) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%lX", v);
    return text;
}

// The descriptive answers of one exporter or importer object, checked for null texts.
template <class T>
bool describe(T& object, PluginEntry& entry, std::string& problem) {
    if (object.ExtCount() < 1) {
        problem = "offers no file extension";
        return false;
    }
    const char* ext = object.Ext(0);
    const char* longDesc = object.LongDesc();
    const char* shortDesc = object.ShortDesc();
    if (!ext || !*ext) {
        problem = "answers an empty file extension";
        return false;
    }
    if (!longDesc || !shortDesc) {
        problem = "answers no description";
        return false;
    }
    entry.extension = ext;
    entry.longDescription = longDesc;
    entry.shortDescription = shortDesc;
    entry.version = object.Version();
    return true;
}

}  // namespace

bool PluginCatalog::loadFolder(const std::string& folder, std::vector<std::string>& problems) {
    std::error_code ec;
    std::vector<fs::path> files;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string ext = lowerCase(it->path().extension().string());
        if (ext == ".dle" || ext == ".dli") files.push_back(it->path());
    }
    if (ec) {
        problems.push_back("cannot read plug-in folder " + folder + ": " + ec.message());
        return false;
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& path : files) {
        std::string file = path.filename().string();
        std::string problem;
        bool exporter = lowerCase(path.extension().string()) == ".dle";
        if (!loadLibrary(path.string(), file, exporter, problem)) problems.push_back(file + ": " + problem);
    }
    return true;
}

bool PluginCatalog::loadLibrary(const std::string& path, const std::string& file, bool exporter,
                                std::string& problem) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = dlerror();
        problem = std::string("cannot be loaded: ") + (why ? why : "unknown reason");
        return false;
    }
    std::shared_ptr<void> library(handle, [](void* h) { dlclose(h); });

    auto version = reinterpret_cast<LibVersionFn>(dlsym(handle, "LibVersion"));
    auto numberClasses = reinterpret_cast<LibNumberClassesFn>(dlsym(handle, "LibNumberClasses"));
    auto classDesc = reinterpret_cast<LibClassDescFn>(dlsym(handle, "LibClassDesc"));
    auto description = reinterpret_cast<LibDescriptionFn>(dlsym(handle, "LibDescription"));
    if (!version || !numberClasses || !classDesc || !description) {
        problem = "is not a plug-in library (an entry point is missing)";
        return false;
    }
    ULONG v = version();
    if (SdkApiOf(v) != HOST_SDK_API) {
        problem = "was built for SDK version " + hex(v) + ", this host has " + hex(HOST_SDK_VERSION);
        return false;
    }
    int count = numberClasses();
    if (count < 1 || count > kMaxClassesPerLibrary) {
        problem = "answers " + std::to_string(count) + " classes";
        return false;
    }

    std::vector<PluginEntry> found;
    SClass_ID wanted = exporter ? SCENE_EXPORT_CLASS_ID : SCENE_IMPORT_CLASS_ID;
    for (int i = 0; i < count; ++i) {
        ClassDesc* desc = classDesc(i);
        if (!desc) {
            problem = "gives no class descriptor for class " + std::to_string(i);
            return false;
        }
        if (desc->SuperClassID() != wanted) {
            problem = "class " + std::to_string(i) + " is not a scene " + (exporter ? "exporter" : "importer") +
                      " (super class " + hex(desc->SuperClassID()) + ")";
            return false;
        }
        PluginEntry entry;
        entry.file = file;
        entry.exporter = exporter;
        entry.classId = desc->ClassID();
        entry.descriptor = desc;
        entry.library = library;
        bool described = false;
        if (exporter) {
            ExporterPtr object(static_cast<SceneExport*>(desc->Create(FALSE)));
            described = object && describe(*object, entry, problem);
        } else {
            ImporterPtr object(static_cast<SceneImport*>(desc->Create(FALSE)));
            described = object && describe(*object, entry, problem);
        }
        if (!described) {
            if (problem.empty()) problem = "creates no object for class " + std::to_string(i);
            return false;
        }
        found.push_back(std::move(entry));
    }
    entries_.insert(entries_.end(), found.begin(), found.end());
    return true;
}

const PluginEntry* PluginCatalog::find(const std::string& extension, bool exporter) const {
    std::string wanted = lowerCase(extension);
    for (const PluginEntry& e : entries_)
        if (e.exporter == exporter && lowerCase(e.extension) == wanted) return &e;
    return nullptr;
}

ExporterPtr PluginCatalog::createExporter(const PluginEntry& entry) {
    if (!entry.exporter) return nullptr;
    return ExporterPtr(static_cast<SceneExport*>(entry.descriptor->Create(FALSE)));
}

ImporterPtr PluginCatalog::createImporter(const PluginEntry& entry) {
    if (entry.exporter) return nullptr;
    return ImporterPtr(static_cast<SceneImport*>(entry.descriptor->Create(FALSE)));
}

std::string defaultPluginFolder(const char* argv0) {
    std::error_code ec;
    fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (ec) program = fs::absolute(argv0 ? argv0 : "plughost", ec);
    return (program.parent_path().parent_path() / "plugins").string();
}
