// The constants that make one library of the suite what it is. The registration code, the
// exporter and the importer objects are shared by all four libraries and read everything that
// differs between them from the one PluginIdentity the library defines.
#pragma once

#include "sdk/plugin_api.h"

using ExportDriver = int (*)(const char* name, ExpInterface* ei, Interface* i, BOOL suppressPrompts,
                             DWORD options);
using ImportDriver = int (*)(const char* name, ImpInterface* ii, Interface* i, BOOL suppressPrompts);

enum class PluginKind { SceneExporter, SceneImporter };

struct PluginIdentity {
    PluginKind kind;
    const char* libraryDescription;
    const char* extension;  // the only one
    const char* longDescription;
    const char* shortDescription;  // also the class name
    unsigned int version;
    Class_ID classId;
    // Exporters: where SupportsOptions reports a query for an extension index other than 0.
    const char* assertionSource;
    int assertionLine;
    ExportDriver exportDriver;  // exporters only
    ImportDriver importDriver;  // importers only
};

// Defined by each library, in its main source.
extern const PluginIdentity kPluginIdentity;

// Texts shared by all four libraries.
extern const char kAuthorName[];
// A small face in full-width parentheses, Shift-JIS encoded (11 bytes).
extern const char kNoticeMessage[];

SClass_ID superClassOf(PluginKind kind);
const char* categoryOf(PluginKind kind);
