#include "plugins/Ostrevan/import_driver.h"

// Reading and building are not wired in yet: every import reports failure and creates nothing.
int importMetasequoiaDocument(const char* /*name*/, ImpInterface* /*ii*/, Interface* /*i*/, BOOL /*suppressPrompts*/) {
    return 0;
}
