// The plug-ins the host program found: every exporter (.dle) and importer (.dli) library of one
// folder that loaded and answered its registration queries soundly, one entry per class.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sdk/plugin_api.h"

// One exporter or importer class offered by a loaded library.
struct PluginEntry {
    std::string file;  // library file name, without folder
    bool exporter = false;
    std::string extension;  // the first (usually only) one
    std::string longDescription;
    std::string shortDescription;
    unsigned int version = 0;
    Class_ID classId;
    ClassDesc* descriptor = nullptr;  // valid while the catalog lives
    std::shared_ptr<void> library;    // keeps the library loaded
};

// Deleters that run the plug-in's own destructor; the objects must go before the catalog.
using ExporterPtr = std::unique_ptr<SceneExport>;
using ImporterPtr = std::unique_ptr<SceneImport>;

class PluginCatalog {
public:
    // Loads every .dle and .dli file of `folder`, in file-name order. A library that cannot be
    // loaded or answers wrongly is skipped, with one line in `problems`. False (and one line in
    // `problems`) when the folder itself cannot be read.
    bool loadFolder(const std::string& folder, std::vector<std::string>& problems);

    const std::vector<PluginEntry>& entries() const { return entries_; }
    // The exporter or importer for a file extension (compared without case), or null.
    const PluginEntry* find(const std::string& extension, bool exporter) const;

    static ExporterPtr createExporter(const PluginEntry& entry);
    static ImporterPtr createImporter(const PluginEntry& entry);

private:
    // Loads one library and appends its classes; the reason it was refused otherwise.
    bool loadLibrary(const std::string& path, const std::string& file, bool exporter, std::string& problem);

    std::vector<PluginEntry> entries_;
};

// The folder of plug-ins beside the running program: <program folder>/../plugins.
std::string defaultPluginFolder(const char* argv0);
