#include "lightwave/lws_object_names.h"

#include <cctype>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

#include "model/paths.h"

namespace {

// Room for the stem in a 255-byte file name component, with a numeric suffix and ".lwo".
constexpr std::size_t MaxStemBytes = 200;

bool rejectedInFileName(unsigned char b) {
    return b < 0x20 || b == 0x7F || std::strchr("<>:\"/\\|?*", b) != nullptr;
}

std::string lowerAscii(std::string text) {
    for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool reservedDeviceName(const std::string& stem) {
    // The device names are reserved with any extension too ("con.txt").
    std::string base = lowerAscii(stem.substr(0, stem.find('.')));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    static const char* const names[] = {"con", "prn", "aux", "nul"};
    for (const char* n : names)
        if (base == n) return true;
    return base.size() == 4 && (base.compare(0, 3, "com") == 0 || base.compare(0, 3, "lpt") == 0) &&
           base[3] >= '1' && base[3] <= '9';
}

}  // namespace

std::string sanitizedFileStem(const char* name) {
    std::string stem;
    const std::size_t length = name ? std::strlen(name) : 0;
    for (std::size_t i = 0; i < length && stem.size() < MaxStemBytes; ++i) {
        const unsigned char b = static_cast<unsigned char>(name[i]);
        if (i + 1 < length && isLeadByte(b) && isTrailByte(static_cast<unsigned char>(name[i + 1]))) {
            if (stem.size() + 2 > MaxStemBytes) break;  // never cut a character in half
            stem += name[i];
            stem += name[++i];
            continue;
        }
        stem += rejectedInFileName(b) ? '_' : char(b);
    }
    // A trailing dot or blank is dropped by some file systems; "", "." and ".." are not names.
    if (stem.find_first_not_of('.') == std::string::npos) stem.assign(stem.size() ? stem.size() : 1, '_');
    if (stem.back() == '.' || stem.back() == ' ') stem.back() = '_';
    if (reservedDeviceName(stem)) stem.insert(0, 1, '_');
    return stem;
}

std::vector<std::string> objectFileStems(const Scene& scene) {
    std::vector<std::string> stems;
    stems.reserve(std::size_t(scene.objectCount));
    std::unordered_set<std::string> taken;            // lower-cased stems in use
    std::unordered_map<std::string, int> nextSuffix;  // per lower-cased base stem
    for (int i = 0; i < scene.objectCount; ++i) {
        std::string stem = sanitizedFileStem(scene.objects[i].name);
        const std::string key = lowerAscii(stem);
        if (!taken.insert(key).second) {
            int& suffix = nextSuffix.emplace(key, 2).first->second;
            std::string candidate;
            do candidate = stem + "_" + std::to_string(suffix++);
            while (!taken.insert(lowerAscii(candidate)).second);
            stem = candidate;
        }
        stems.push_back(stem);
    }
    return stems;
}
