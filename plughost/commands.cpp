#include "plughost/commands.h"

#include <algorithm>
#include <cstdio>
#include <iomanip>

const std::vector<Command>& commands() {
    static const std::vector<Command> all = {
        {"plugins", "", "list the loaded exporters and importers", listPlugins},
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
