#include "plugins/Tarnwick/import_driver.h"

#include "lightwave/object_reader.h"
#include "plugins/shell/drivers.h"

int importLightWaveObject(const char* name, ImpInterface* ii, Interface* i, BOOL) {
    return runImport(readLightWaveObject, name, ii, i);
}
