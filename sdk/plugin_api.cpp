#include "sdk/plugin_api.h"

#include <cstdio>
#include <cstdlib>

ClassDesc::~ClassDesc() { zfree(reinterpret_cast<void**>(&interfaces_)); }

const char* ClassDesc::GetRsrcString(std::intptr_t) { return nullptr; }

FPInterface* ClassDesc::GetInterface(Interface_ID id) {
    for (int i = 0; i < interfaceCount_; ++i)
        if (interfaces_[i]->GetID() == id) return interfaces_[i];
    return nullptr;
}

void ClassDesc::AddInterface(FPInterface* fpi) {
    if (!fpi || GetInterface(fpi->GetID())) return;
    void* grown = std::realloc(interfaces_, sizeof(FPInterface*) * size_t(interfaceCount_ + 1));
    if (!grown) return;
    interfaces_ = static_cast<FPInterface**>(grown);
    interfaces_[interfaceCount_++] = fpi;
}

namespace {

void reportToStderr(int line, const char* file, const char* function, const char* expression) {
    std::fprintf(stderr, "assertion failed: %s, line %d%s%s%s%s\n", file ? file : "(unknown source)", line,
                 function ? " in " : "", function ? function : "", expression ? ": " : "",
                 expression ? expression : "");
}

AssertHandler currentHandler = reportToStderr;

}  // namespace

void assert1(int line, const char* file, const char* function, const char* expression) {
    currentHandler(line, file, function, expression);
}

AssertHandler SetAssertHandler(AssertHandler handler) {
    AssertHandler previous = currentHandler;
    currentHandler = handler ? handler : reportToStderr;
    return previous;
}

void zfree(void** p) {
    if (!p) return;
    std::free(*p);
    *p = nullptr;
}
