#include "model/paths.h"

#include <cstring>

bool isLeadByte(unsigned char b) {
    const unsigned folded = b ^ 0x20u;
    return folded >= 0xA1u && folded <= 0xD5u;
}

bool isTrailByte(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

bool directoryWithSuffix(const char* path, char* destination, const char* suffix) {
    // A missing path or suffix counts as empty text.
    if (!path) path = "";
    if (!suffix) suffix = "";
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(path);
    const std::size_t length = std::strlen(path);
    std::size_t directoryLength = 0;
    for (std::size_t i = 0; i < length; ++i) {
        if (bytes[i] == '\\' || bytes[i] == '/') directoryLength = i + 1;
        // The second byte of a double-byte character may be 0x5C; it is never a separator.
        if (isLeadByte(bytes[i]) && isTrailByte(bytes[i + 1])) ++i;
    }
    std::memmove(destination, path, directoryLength);
    destination[directoryLength] = '\0';
    std::strcat(destination, suffix);
    return true;
}

bool directoryPart(const char* path, char* destination) { return directoryWithSuffix(path, destination, ""); }
