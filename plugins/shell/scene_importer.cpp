#include "plugins/shell/scene_importer.h"

const char* SuiteImporter::Ext(int n) { return n == 0 ? identity_.extension : ""; }

int SuiteImporter::DoImport(const char* name, ImpInterface* ii, Interface* i, BOOL suppressPrompts) {
    return identity_.importDriver ? identity_.importDriver(name, ii, i, suppressPrompts) : 0;
}
