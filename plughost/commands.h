// The commands of the host program. Each gets the loaded plug-ins and its own arguments, writes
// its results to `out` and its errors to `err` (one line each), and returns the exit status.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "plughost/plugin_catalog.h"

struct CommandContext {
    const PluginCatalog& catalog;
    // Libraries that were skipped while loading, already reported on stderr.
    int skippedLibraries = 0;
    std::ostream& out;
    std::ostream& err;
};

using CommandFn = int (*)(CommandContext& context, const std::vector<std::string>& args);

struct Command {
    const char* name;
    const char* arguments;  // for the usage text
    const char* summary;
    CommandFn run;
};

// Every command, in the order the usage text lists them.
const std::vector<Command>& commands();

// `plugins`: one line per loaded plug-in class. Exit status 1 when a library was skipped.
int listPlugins(CommandContext& context, const std::vector<std::string>& args);
// `convert INPUT OUTPUT`: imports INPUT with the importer of its extension into an empty host
// scene, then exports that scene with the exporter of OUTPUT's extension.
int convertFile(CommandContext& context, const std::vector<std::string>& args);
// `info FILE`: imports FILE into an empty host scene and prints the scene.
int showInfo(CommandContext& context, const std::vector<std::string>& args);
