#include "plugins/shell/scene_exporter.h"

const char* SuiteExporter::Ext(int n) { return n == 0 ? identity_.extension : ""; }

int SuiteExporter::DoExport(const char* name, ExpInterface* ei, Interface* i, BOOL suppressPrompts,
                            DWORD options) {
    return identity_.exportDriver ? identity_.exportDriver(name, ei, i, suppressPrompts, options) : 0;
}

// Only "export selected objects only" is supported. The exporter has a single extension, so an
// index other than 0 is reported to the host as a failed check; the answer still follows the mask.
BOOL SuiteExporter::SupportsOptions(int ext, DWORD options) {
    if (ext != 0) assert1(identity_.assertionLine, identity_.assertionSource);
    return options == SCENE_EXPORT_SELECTED ? TRUE : FALSE;
}
