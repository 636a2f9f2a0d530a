#include "model/owned_text.h"

#include <cstring>
#include <new>

char* duplicateText(const char* text) {
    if (!text) return nullptr;
    const std::size_t length = std::strlen(text);
    char* copy = new (std::nothrow) char[length + 1];
    if (copy) std::memcpy(copy, text, length + 1);
    return copy;
}

void replaceText(char*& slot, const char* text) {
    char* copy = duplicateText(text);
    delete[] slot;
    slot = copy;
}

void releaseText(char*& slot) {
    delete[] slot;
    slot = nullptr;
}
