// The few operating-system calls the plug-ins make, under the names the host platform gives them,
// done here with their POSIX equivalents.
#pragma once

// Creates one directory. Nonzero on success; 0 when it could not be created (it may already exist).
int CreateDirectoryA(const char* path, void* securityAttributes);
// Makes `path` the process's current directory. Nonzero on success.
int SetCurrentDirectoryA(const char* path);
// Hands one line of diagnostic text to the debugger channel (see setDebugOutput).
void OutputDebugStringA(const char* text);

// Where OutputDebugStringA text goes: null (the default) discards it; the host program passes
// a sink that prints it when asked to be verbose, and tests pass one that records it.
using DebugOutputSink = void (*)(const char* text);
void setDebugOutput(DebugOutputSink sink);
