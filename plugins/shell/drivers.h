// The one shape of every export and import operation: a local Scene between the host and a file.
#pragma once

#include <cstring>
#include <vector>

#include "host/capture.h"
#include "host/mesh_builder.h"
#include "model/paths.h"
#include "model/scene.h"
#include "platform/platform.h"
#include "sdk/plugin_api.h"

using SceneWriter = bool (*)(const char* path, const Scene& scene);
using SceneReader = bool (*)(const char* path, Scene& scene);

// Captures the host's scene (only the selection when the options ask for it), writes it with
// `writer` and has the host redraw. 1 on success; 0, with no redraw, when the writer fails.
inline int runExport(SceneWriter writer, const char* name, Interface* host, DWORD options) {
    if (!name || !host) return 0;
    Scene scene;
    scene.time = host->GetTime();
    if (options & SCENE_EXPORT_SELECTED) scene.exportFlags |= SelectedOnly;
    captureScene(scene, host);
    if (!writer(name, scene)) return 0;
    host->RedrawViews(scene.time, REDRAW_NORMAL, nullptr);
    scene.reset();
    return 1;
}

// Reads file `name` with `reader`; when that succeeds, makes the file's folder the current
// directory (so relative image names resolve against it) and builds the scene into the host.
// 0, with nothing created and the current directory unchanged, when the file cannot be read.
inline int runImport(SceneReader reader, const char* name, ImpInterface* importer, Interface* host) {
    if (!name) return 0;
    Scene scene;
    if (!reader(name, scene)) return 0;
    // Sized from the name itself, so no directory part is too long for it.
    std::vector<char> directory(std::strlen(name) + 1);
    directoryPart(name, directory.data());
    if (directory[0] != '\0') SetCurrentDirectoryA(directory.data());
    buildHostScene(scene, importer, host);
    scene.reset();
    return 1;
}
