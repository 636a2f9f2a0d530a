#include "plughost_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string readWhole(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

PlughostRun run(std::vector<std::string> args, const fs::path& workingDirectory) {
    args.insert(args.begin(), PLUGHOST_PATH);
    // Output goes to files beside the working folder's parent so that the folder itself only holds
    // what the program wrote.
    static std::atomic<int> serial{0};
    const fs::path capture =
        fs::temp_directory_path() / ("e2e_capture_" + std::to_string(::getpid()) + "_" + std::to_string(serial++));
    const fs::path outPath = capture.string() + ".out", errPath = capture.string() + ".err";

    PlughostRun result;
    const pid_t child = ::fork();
    if (child == 0) {
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) ::_exit(126);
        if (::chdir(workingDirectory.c_str()) != 0) ::_exit(126);
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child) {
        if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
        if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
    }
    result.out = readWhole(outPath);
    result.err = readWhole(errPath);
    fs::remove(outPath);
    fs::remove(errPath);
    return result;
}

}  // namespace

int PlughostRun::errorLines() const {
    int lines = int(std::count(err.begin(), err.end(), '\n'));
    if (!err.empty() && err.back() != '\n') ++lines;
    return lines;
}

PlughostRun runPlughost(const std::vector<std::string>& args, const fs::path& workingDirectory) {
    std::vector<std::string> all{"--plugins", PLUGIN_FOLDER};
    all.insert(all.end(), args.begin(), args.end());
    return run(all, workingDirectory);
}

ScratchFolder::ScratchFolder(const std::string& label) {
    static std::atomic<int> serial{0};
    std::string safe = label;
    for (char& c : safe)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    path_ = fs::temp_directory_path() /
            ("e2e_" + std::to_string(::getpid()) + "_" + std::to_string(serial++) + "_" + safe);
    fs::remove_all(path_);
    fs::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ec;
    // A test may have taken the write permission away; give it back so that removal succeeds.
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        if (it->is_directory(ec)) fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::vector<fs::path> filesUnder(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(folder, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        if (it->is_regular_file(ec)) files.push_back(it->path());
    std::sort(files.begin(), files.end());
    return files;
}
