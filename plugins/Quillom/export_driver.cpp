#include "plugins/Quillom/export_driver.h"

#include "lightwave/lwo2_writer.h"
#include "plugins/shell/drivers.h"

int exportLightWaveObject(const char* name, ExpInterface*, Interface* i, BOOL, DWORD options) {
    return runExport(writeLwo2File, name, i, options);
}
