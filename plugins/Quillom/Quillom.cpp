// Quillom: the LightWave object exporter (one .lwo file).
#include "plugins/Quillom/export_driver.h"
#include "plugins/shell/plugin_identity.h"

const PluginIdentity kPluginIdentity = {
    PluginKind::SceneExporter,
    "LightWave File Exporter",
    "LWO",
    "LightWave Object File",
    "LightWave",
    102,
    Class_ID(0x3DACE240, 0xDCC2642A),
    "Quillom.cpp",
    169,
    exportLightWaveObject,
    nullptr,
};
