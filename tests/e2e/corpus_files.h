// The real files of the shared corpus that the end-to-end tests run through the host.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct CorpusFile {
    std::filesystem::path path;
    std::string testName;  // unique, letters, digits and '_' only
};

// LightWave object files: every file of lwo2/ and lwob/ that is not an image, and every .lwo
// under lws/.
std::vector<CorpusFile> lightWaveObjectFiles();
// Every .mqo of mqo/.
std::vector<CorpusFile> metasequoiaFiles();

// The file's path as the host is to be given it: files without the extension their importer
// is found by are copied into `folder` under `stem + extension`.
std::filesystem::path withExtension(const std::filesystem::path& file, const std::string& extension,
                                    const std::filesystem::path& folder);
