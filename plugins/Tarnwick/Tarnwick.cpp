// Tarnwick: the LightWave object importer (LWO2 and LWOB files).
#include "plugins/Tarnwick/import_driver.h"
#include "plugins/shell/plugin_identity.h"

const PluginIdentity kPluginIdentity = {
    PluginKind::SceneImporter,
    "LightWave Object Importer",
    "LWO",
    "LightWave Object File",
    "LightWave",
    101,
    Class_ID(0x3DACE240, 0xDC025562),
    nullptr,
    0,
    nullptr,
    importLightWaveObject,
};
