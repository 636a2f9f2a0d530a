// Runs the built host program as a separate process, the way a user or a script does, and
// collects its exit status, its signal (when it crashed) and what it printed.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct PlughostRun {
    int exitCode = -1;  // -1 when the program did not exit normally
    int signal = 0;     // the signal that ended it, 0 when it exited
    std::string out, err;

    bool crashed() const { return signal != 0; }
    // Lines written to stderr (a last line without newline counts too).
    int errorLines() const;
};

// Runs `plughost --plugins <the built plug-in folder> ARGS...` in `workingDirectory`.
PlughostRun runPlughost(const std::vector<std::string>& args, const std::filesystem::path& workingDirectory);

// A fresh empty folder for one test, removed by the destructor.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& label);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// Every regular file under `folder`, recursively, sorted.
std::vector<std::filesystem::path> filesUnder(const std::filesystem::path& folder);
