// What a plug-in library presents to the host: its class descriptor, the scene exporter and
// importer interfaces, the SDK version word, and the host's assertion and memory routines.
#pragma once

#include <cstdint>

#include "sdk/interface.h"

// The SDK version a library reports from LibVersion: release, interface number and revision
// packed into one word. The host accepts libraries built for its interface number.
constexpr ULONG HOST_SDK_RELEASE = 6000;
constexpr ULONG HOST_SDK_API = 13;
constexpr ULONG HOST_SDK_REVISION = 0;
constexpr ULONG HOST_SDK_VERSION = (HOST_SDK_RELEASE << 16) | (HOST_SDK_API << 8) | HOST_SDK_REVISION;
constexpr ULONG SdkApiOf(ULONG version) { return (version >> 8) & 0xFF; }

// Identifier of a function-published interface.
class Interface_ID {
public:
    constexpr Interface_ID() = default;
    constexpr Interface_ID(ULONG a, ULONG b) : a_(a), b_(b) {}
    constexpr bool operator==(const Interface_ID& o) const { return a_ == o.a_ && b_ == o.b_; }

private:
    ULONG a_ = 0, b_ = 0;
};

class FPInterface {
public:
    virtual ~FPInterface() = default;
    virtual Interface_ID GetID() = 0;
};

// Describes one plug-in class and creates its objects. The first nine operations are the
// plug-in's; the rest have the defaults below.
class ClassDesc {
public:
    virtual ~ClassDesc();  // releases the interface list with zfree
    virtual int IsPublic() = 0;
    virtual void* Create(BOOL loading = FALSE) = 0;
    virtual int BeginCreate(Interface* i) = 0;
    virtual int EndCreate(Interface* i) = 0;
    virtual const char* ClassName() = 0;
    virtual SClass_ID SuperClassID() = 0;
    virtual Class_ID ClassID() = 0;
    virtual const char* Category() = 0;

    virtual BOOL OkToCreate(Interface*) { return TRUE; }
    virtual BOOL HasClassParams() { return FALSE; }
    virtual DWORD InitialRollupPageState() { return 0x7FFFFFFF; }
    // Text of resource string `id`; the descriptor has no resources, so null.
    virtual const char* GetRsrcString(std::intptr_t id);
    // The added interface with this id, or null.
    virtual FPInterface* GetInterface(Interface_ID id);
    // Adds an interface (not owned); an id already present is not added twice.
    virtual void AddInterface(FPInterface* fpi);
    int NumInterfaces() const { return interfaceCount_; }

private:
    FPInterface** interfaces_ = nullptr;  // allocated with malloc, released with zfree
    int interfaceCount_ = 0;
};

// Super class SCENE_EXPORT_CLASS_ID: writes the host's scene to a file format.
class SceneExport {
public:
    virtual ~SceneExport() = default;
    virtual int ExtCount() = 0;
    virtual const char* Ext(int n) = 0;
    virtual const char* LongDesc() = 0;
    virtual const char* ShortDesc() = 0;
    virtual const char* AuthorName() = 0;
    virtual const char* CopyrightMessage() = 0;
    virtual const char* OtherMessage1() = 0;
    virtual const char* OtherMessage2() = 0;
    virtual unsigned int Version() = 0;
    virtual void ShowAbout(HWND hWnd) = 0;
    // 1 on success, 0 on failure.
    virtual int DoExport(const char* name, ExpInterface* ei, Interface* i, BOOL suppressPrompts = FALSE,
                         DWORD options = 0) = 0;
    virtual BOOL SupportsOptions(int ext, DWORD options) = 0;
};

// Option bit of DoExport and SupportsOptions: export the selected nodes only.
constexpr DWORD SCENE_EXPORT_SELECTED = 1;

// Answers of SceneImport::ZoomExtents.
constexpr int ZOOMEXT_NOT_IMPLEMENTED = -1;
constexpr int ZOOMEXT_YES = 1;
constexpr int ZOOMEXT_NO = 0;

// Super class SCENE_IMPORT_CLASS_ID: reads a file format into the host's scene.
class SceneImport {
public:
    virtual ~SceneImport() = default;
    virtual int ExtCount() = 0;
    virtual const char* Ext(int n) = 0;
    virtual const char* LongDesc() = 0;
    virtual const char* ShortDesc() = 0;
    virtual const char* AuthorName() = 0;
    virtual const char* CopyrightMessage() = 0;
    virtual const char* OtherMessage1() = 0;
    virtual const char* OtherMessage2() = 0;
    virtual unsigned int Version() = 0;
    virtual void ShowAbout(HWND hWnd) = 0;
    // 1 on success, 0 on failure.
    virtual int DoImport(const char* name, ImpInterface* ii, Interface* i, BOOL suppressPrompts = FALSE) = 0;
    virtual int ZoomExtents() { return ZOOMEXT_NOT_IMPLEMENTED; }
};

// The host's assertion routine: reports a failed check at `line` of source `file` and returns;
// the caller goes on. Reports go to the installed handler (by default one line on stderr).
void assert1(int line, const char* file, const char* function = nullptr, const char* expression = nullptr);
using AssertHandler = void (*)(int line, const char* file, const char* function, const char* expression);
// Installs a handler (null restores the default) and returns the previous one.
AssertHandler SetAssertHandler(AssertHandler handler);

// Frees memory allocated with malloc and nulls the pointer.
void zfree(void** p);
