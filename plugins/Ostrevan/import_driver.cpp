#include "plugins/Ostrevan/import_driver.h"

#include "metasequoia/mqo_reader.h"
#include "plugins/shell/drivers.h"

int importMetasequoiaDocument(const char* name, ImpInterface* ii, Interface* i, BOOL) {
    return runImport(readMqoFile, name, ii, i);
}
