#include "plughost/commands.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iomanip>

#include "sdk/host_scene_report.h"

const std::vector<Command>& commands() {
    static const std::vector<Command> all = {
        {"plugins", "", "list the loaded exporters and importers", listPlugins},
        {"convert", "INPUT OUTPUT [--select NAME]...",
         "import INPUT and export the result as OUTPUT (formats by extension); with --select, only the named "
         "nodes are selected and the export takes the selection only",
         convertFile},
        {"info", "FILE", "import FILE and print the host scene it makes", showInfo},
    };
    return all;
}

namespace {

std::string classIdText(const Class_ID& id) {
    char text[40];
    std::snprintf(text, sizeof text, "0x%08lX 0x%08lX", id.PartA(), id.PartB());
    return text;
}

}  // namespace

int listPlugins(CommandContext& context, const std::vector<std::string>& args) {
    if (!args.empty()) {
        context.err << "plughost: plugins takes no arguments\n";
        return 2;
    }
    const auto& entries = context.catalog.entries();
    // Columns as wide as their longest text, so that the list reads as a table.
    size_t widths[5] = {};
    for (const PluginEntry& e : entries) {
        widths[0] = std::max(widths[0], e.file.size());
        widths[1] = std::max(widths[1], e.extension.size());
        widths[2] = std::max(widths[2], e.longDescription.size());
        widths[3] = std::max(widths[3], e.shortDescription.size());
    }
    for (const PluginEntry& e : entries) {
        context.out << std::left << std::setw(int(widths[0])) << e.file << "  " << (e.exporter ? "export" : "import")
                    << "  " << std::setw(int(widths[1])) << e.extension << "  " << std::setw(int(widths[2]))
                    << e.longDescription << "  " << std::setw(int(widths[3])) << e.shortDescription << "  "
                    << std::right << std::setw(4) << e.version << "  " << classIdText(e.classId) << "\n";
    }
    return context.skippedLibraries == 0 ? 0 : 1;
}

namespace {

// The file's extension without the dot ("" when it has none).
std::string extensionOf(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    return ext.empty() ? ext : ext.substr(1);
}

// An importer changes the current directory to the imported file's folder, so every path is
// made absolute before the first plug-in runs.
std::string absolutePath(const std::string& path) {
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(path, ec);
    return ec ? path : full.string();
}

// Imports `path` into `scene` with the importer for its extension; false after one error line.
bool importInto(CommandContext& context, const std::string& path, HostScene& scene) {
    const PluginEntry* entry = context.catalog.find(extensionOf(path), false);
    if (!entry) {
        context.err << "plughost: no importer for '" << path << "' (extension '" << extensionOf(path) << "')\n";
        return false;
    }
    ImporterPtr importer = PluginCatalog::createImporter(*entry);
    if (!importer) {
        context.err << "plughost: " << entry->file << " created no importer\n";
        return false;
    }
    HostImport import(scene);
    if (!importer->DoImport(absolutePath(path).c_str(), &import, &scene, TRUE)) {
        context.err << "plughost: " << entry->file << " could not import '" << path << "'\n";
        return false;
    }
    return true;
}

}  // namespace

namespace {

// Selects exactly the nodes named in `names`; false after one error line when a name is missing.
bool selectOnly(CommandContext& context, HostScene& scene, const std::vector<std::string>& names) {
    for (INode* node : scene.NodesInOrder()) node->SetSelected(false);
    for (const std::string& name : names) {
        bool found = false;
        for (INode* node : scene.NodesInOrder()) {
            if (node->GetName() && name == node->GetName()) {
                node->SetSelected(true);
                found = true;
            }
        }
        if (!found) {
            context.err << "plughost: no node named '" << name << "' in the imported scene\n";
            return false;
        }
    }
    return true;
}

}  // namespace

int convertFile(CommandContext& context, const std::vector<std::string>& args) {
    std::vector<std::string> files;
    std::vector<std::string> selection;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--select") {
            if (i + 1 == args.size()) {
                context.err << "plughost: --select needs a node name\n";
                return 2;
            }
            selection.push_back(args[++i]);
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2) {
        context.err << "plughost: convert needs INPUT and OUTPUT\n";
        return 2;
    }
    const std::string output = absolutePath(files[1]);
    const PluginEntry* entry = context.catalog.find(extensionOf(output), true);
    if (!entry) {
        context.err << "plughost: no exporter for '" << files[1] << "' (extension '" << extensionOf(output) << "')\n";
        return 1;
    }
    HostScene scene;
    if (!importInto(context, files[0], scene)) return 1;
    if (!selection.empty() && !selectOnly(context, scene, selection)) return 1;
    ExporterPtr exporter = PluginCatalog::createExporter(*entry);
    if (!exporter) {
        context.err << "plughost: " << entry->file << " created no exporter\n";
        return 1;
    }
    ExpInterface exportInterface;
    const DWORD options = selection.empty() ? 0 : SCENE_EXPORT_SELECTED;
    if (!exporter->DoExport(output.c_str(), &exportInterface, &scene, TRUE, options)) {
        context.err << "plughost: " << entry->file << " could not export '" << files[1] << "'\n";
        return 1;
    }
    return 0;
}

int showInfo(CommandContext& context, const std::vector<std::string>& args) {
    if (args.size() != 1) {
        context.err << "plughost: info needs one FILE\n";
        return 2;
    }
    HostScene scene;
    if (!importInto(context, args[0], scene)) return 1;
    PrintHostScene(scene, context.out);
    return 0;
}
