// Ostrevan: the Metasequoia document importer (.mqo text documents).
#include "plugins/Ostrevan/import_driver.h"
#include "plugins/shell/plugin_identity.h"

const PluginIdentity kPluginIdentity = {
    PluginKind::SceneImporter,
    "Metasequoia File Importer",
    "MQO",
    "Metasequoia Scene File",
    "Metasequoia",
    101,
    Class_ID(0x3DACE240, 0xDC491603),
    nullptr,
    0,
    nullptr,
    importMetasequoiaDocument,
};
