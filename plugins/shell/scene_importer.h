// The importer object of Tarnwick and Ostrevan: descriptive answers from the library's identity,
// the import itself from its driver.
#pragma once

#include "plugins/shell/plugin_identity.h"

class SuiteImporter : public SceneImport {
public:
    explicit SuiteImporter(const PluginIdentity& identity) : identity_(identity) {}

    int ExtCount() override { return 1; }
    const char* Ext(int n) override;
    const char* LongDesc() override { return identity_.longDescription; }
    const char* ShortDesc() override { return identity_.shortDescription; }
    const char* AuthorName() override { return kAuthorName; }
    const char* CopyrightMessage() override { return kNoticeMessage; }
    const char* OtherMessage1() override { return ""; }
    const char* OtherMessage2() override { return ""; }
    unsigned int Version() override { return identity_.version; }
    void ShowAbout(HWND) override {}
    int DoImport(const char* name, ImpInterface* ii, Interface* i, BOOL suppressPrompts = FALSE) override;
    int ZoomExtents() override { return ZOOMEXT_NOT_IMPLEMENTED; }

private:
    const PluginIdentity& identity_;
};
