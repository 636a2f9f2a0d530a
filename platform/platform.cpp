#include "platform/platform.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {
DebugOutputSink debugSink = nullptr;
}  // namespace

// Paths are POSIX paths here: a backslash is an ordinary file-name byte, as on the host a slash is not.
int CreateDirectoryA(const char* path, void*) { return path && mkdir(path, 0777) == 0 ? 1 : 0; }

int SetCurrentDirectoryA(const char* path) { return path && chdir(path) == 0 ? 1 : 0; }

void OutputDebugStringA(const char* text) {
    if (debugSink && text) debugSink(text);
}

void setDebugOutput(DebugOutputSink sink) { debugSink = sink; }
