#include "corpus_files.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace fs = std::filesystem;

namespace {

std::string lower(std::string s) {
    for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::vector<CorpusFile> named(std::vector<fs::path> paths) {
    std::sort(paths.begin(), paths.end());
    std::vector<CorpusFile> files;
    std::set<std::string> used;
    for (const fs::path& p : paths) {
        std::string name = fs::relative(p, SUITE_CORPUS_DIR).string();
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        while (!used.insert(name).second) name += "_";
        files.push_back({p, name});
    }
    return files;
}

}  // namespace

std::vector<CorpusFile> lightWaveObjectFiles() {
    const fs::path root = SUITE_CORPUS_DIR;
    std::vector<fs::path> paths;
    std::error_code ec;
    for (const char* folder : {"lwo2", "lwob"})
        for (const auto& entry : fs::directory_iterator(root / folder, ec)) {
            const std::string ext = lower(entry.path().extension().string());
            if (entry.is_regular_file() && ext != ".png" && ext != ".bmp" && ext != ".jpg")
                paths.push_back(entry.path());
        }
    for (auto it = fs::recursive_directory_iterator(root / "lws", ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        if (it->is_regular_file() && lower(it->path().extension().string()) == ".lwo") paths.push_back(it->path());
    return named(paths);
}

std::vector<CorpusFile> metasequoiaFiles() {
    std::vector<fs::path> paths;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(fs::path(SUITE_CORPUS_DIR) / "mqo", ec))
        if (entry.is_regular_file() && lower(entry.path().extension().string()) == ".mqo")
            paths.push_back(entry.path());
    return named(paths);
}

fs::path withExtension(const fs::path& file, const std::string& extension, const fs::path& folder) {
    if (lower(file.extension().string()) == lower(extension)) return file;
    const fs::path copy = folder / (file.filename().string() + extension);
    fs::copy_file(file, copy, fs::copy_options::overwrite_existing);
    return copy;
}
