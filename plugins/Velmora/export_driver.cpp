#include "plugins/Velmora/export_driver.h"

#include "lightwave/lws_writer.h"
#include "plugins/shell/drivers.h"

int exportLightWaveScene(const char* name, ExpInterface*, Interface* i, BOOL, DWORD options) {
    return runExport(writeLwsFile, name, i, options);
}
