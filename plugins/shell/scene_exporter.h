// The exporter object of Velmora and Quillom: descriptive answers from the library's identity,
// the export itself from its driver.
#pragma once

#include "plugins/shell/plugin_identity.h"

class SuiteExporter : public SceneExport {
public:
    explicit SuiteExporter(const PluginIdentity& identity) : identity_(identity) {}

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
    int DoExport(const char* name, ExpInterface* ei, Interface* i, BOOL suppressPrompts = FALSE,
                 DWORD options = 0) override;
    BOOL SupportsOptions(int ext, DWORD options) override;

private:
    const PluginIdentity& identity_;
};
