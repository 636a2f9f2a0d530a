// plughost: loads the suite's exporter and importer libraries the way the host application does
// and runs them on an in-memory host scene.
//
//   plughost [--plugins DIR] [--verbose] COMMAND [ARGUMENTS...]
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "plughost/commands.h"
#include "plughost/plugin_catalog.h"

namespace {

void printUsage(std::ostream& out) {
    out << "usage: plughost [--plugins DIR] [--verbose] COMMAND [ARGUMENTS...]\n"
           "  --plugins DIR  load the plug-ins of DIR (default: the plugins folder beside bin/)\n"
           "  --verbose      show the plug-ins' debugger output on stderr\n"
           "commands:\n";
    for (const Command& c : commands()) {
        std::string synopsis = std::string(c.name) + (*c.arguments ? " " : "") + c.arguments;
        out << "  " << synopsis << std::string(synopsis.size() < 22 ? 22 - synopsis.size() : 1, ' ') << c.summary
            << "\n";
    }
}

void printDebugOutput(const char* text) { std::cerr << text; }

}  // namespace

int main(int argc, char** argv) {
    std::string pluginFolder;
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--plugins") == 0) {
            if (i + 1 == argc) {
                std::cerr << "plughost: --plugins needs a folder\n";
                return 2;
            }
            pluginFolder = argv[++i];
        } else if (std::strcmp(argv[i], "--verbose") == 0) {
            setDebugOutput(printDebugOutput);
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            printUsage(std::cout);
            return 0;
        } else {
            words.emplace_back(argv[i]);
        }
    }
    if (words.empty()) {
        std::cerr << "plughost: no command given (try plughost --help)\n";
        return 2;
    }
    const Command* command = nullptr;
    for (const Command& c : commands())
        if (words[0] == c.name) command = &c;
    if (!command) {
        std::cerr << "plughost: unknown command '" << words[0] << "' (try plughost --help)\n";
        return 2;
    }
    if (pluginFolder.empty()) pluginFolder = defaultPluginFolder(argv[0]);

    PluginCatalog catalog;
    std::vector<std::string> problems;
    if (!catalog.loadFolder(pluginFolder, problems)) {
        for (const std::string& p : problems) std::cerr << "plughost: " << p << "\n";
        return 1;
    }
    for (const std::string& p : problems) std::cerr << "plughost: skipped " << p << "\n";

    CommandContext context{catalog, int(problems.size()), std::cout, std::cerr};
    return command->run(context, std::vector<std::string>(words.begin() + 1, words.end()));
}
