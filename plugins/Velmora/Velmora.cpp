// Velmora: the LightWave scene exporter (.lws with an "Object" folder of .lwo files).
#include "plugins/Velmora/export_driver.h"
#include "plugins/shell/plugin_identity.h"

const PluginIdentity kPluginIdentity = {
    PluginKind::SceneExporter,
    "LightWave Scene File Exporter",
    "LWS",
    "LightWave Scene File",
    "LightWave Scene",
    102,
    Class_ID(0x3DACE240, 0xDC9EA1EC),
    "Velmora.cpp",
    168,
    exportLightWaveScene,
    nullptr,
};
