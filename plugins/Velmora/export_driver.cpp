#include "plugins/Velmora/export_driver.h"

// Capture and writing are not wired in yet: every export reports failure and writes nothing.
int exportLightWaveScene(const char* /*name*/, ExpInterface* /*ei*/, Interface* /*i*/, BOOL /*suppressPrompts*/,
        DWORD /*options*/) {
    return 0;
}
